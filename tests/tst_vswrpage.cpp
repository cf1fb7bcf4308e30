// The VSWR page as a user works it: every entry field, the matched and the total-reflection
// state, the refusals, the settings file and the re-formatting.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/VSWR.h"
#include "settings/IniDocument.h"
#include "settings/Optionen361.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/Colours.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace ampero;
using driver::text;

namespace {

constexpr int kVswr = 14;
const QString O = QStringLiteral("\u2126");

VSWR* page() { return qobject_cast<VSWR*>(Form1->PageControl1->widget(kVswr)); }

// Z1 = 50 Ω, Pv = 10 W, s = 2: the page's worked example.
const QStringList kSwr2 = {"VSWR_E_Pv=10", "VSWR_E_Z1=50", "VSWR_E_SWR=2"};

QStringList matched(const QString& P, const QString& Z, const QString& U)
{
    return {"VSWR_E_SWR=1,000",  "VSWR_E_RL=86,000 dB", "VSWR_E_r=0,000",    "VSWR_E_Prefl=0,000 %",
            "VSWR_E_Pv=" + P,    "VSWR_E_Pl=" + P,      "VSWR_E_Pr=0,000 W", "VSWR_E_Z1=" + Z,
            "VSWR_E_Z2a=" + Z,   "VSWR_E_Z2b=" + Z,     "VSWR_E_UZ1a=" + U,  "VSWR_E_UZ2a=" + U,
            "VSWR_E_UZ1b=" + U,  "VSWR_E_UZ2b=" + U};
}

QStringList totalReflection(const QString& P)
{
    return {"VSWR_E_SWR=10000,000", "VSWR_E_RL=0,002 dB", "VSWR_E_r=0,999",
            "VSWR_E_Prefl=99,960 %", "VSWR_E_Pv=" + P,    "VSWR_E_Pr=" + P,
            "VSWR_E_Pl=0,000 W"};
}

IniDocument storedPage()
{
    IniDocument ini;
    page()->storeSettings(ini);
    return IniDocument::fromBytes(ini.toBytes());
}

void load(const IniDocument& ini) { page()->loadSettings(StoredSettings(ini, punktKomma())); }

} // namespace

class TestVswrPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::startProgram();
        Form1->PageControl1->setCurrentIndex(kVswr);
    }

    void init()
    {
        driver::startEachTest();
        page()->loadFactoryDefaults();
    }

    // The first start shows s = 1,5 on 50 Ω with 100 W, every field consistent with it.
    void factoryState()
    {
        EXPECT_TEXTS({"VSWR_E_SWR=1,500", "VSWR_E_r=0,200", "VSWR_E_RL=13,979 dB",
                      "VSWR_E_Prefl=4,000 %", "VSWR_E_Pv=100,000 W", "VSWR_E_Pr=4,000 W",
                      "VSWR_E_Pl=96,000 W", "VSWR_E_Z1=50,000 " + O, "VSWR_E_Z2a=75,000 " + O,
                      "VSWR_E_Z2b=33,333 " + O, "VSWR_E_UZ1a=56,569 V", "VSWR_E_UZ2a=84,853 V",
                      "VSWR_E_UZ1b=84,853 V", "VSWR_E_UZ2b=56,569 V"});
    }

    void entries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("s 2 at 50 Ω and 10 W")
            << kSwr2
            << QStringList{"VSWR_E_SWR=2,000",     "VSWR_E_r=0,333",       "VSWR_E_RL=9,542 dB",
                           "VSWR_E_Prefl=11,111 %", "VSWR_E_Pv=10,000 W",  "VSWR_E_Pr=1,111 W",
                           "VSWR_E_Pl=8,889 W",     "VSWR_E_Z1=50,000 " + O, "VSWR_E_Z2a=100,000 " + O,
                           "VSWR_E_Z2b=25,000 " + O, "VSWR_E_UZ1a=14,907 V", "VSWR_E_UZ2a=29,814 V",
                           "VSWR_E_UZ1b=29,814 V",  "VSWR_E_UZ2b=14,907 V"};
        QTest::newRow("return loss 20 dB")
            << QStringList{"VSWR_E_RL=20"}
            << QStringList{"VSWR_E_r=0,100", "VSWR_E_SWR=1,222", "VSWR_E_Prefl=1,000 %",
                           "VSWR_E_Pr=1,000 W", "VSWR_E_Pl=99,000 W", "VSWR_E_RL=20,000 dB"};
        QTest::newRow("reflection factor 0,5")
            << QStringList{"VSWR_E_r=0,5"}
            << QStringList{"VSWR_E_SWR=3,000", "VSWR_E_RL=6,021 dB", "VSWR_E_Prefl=25,000 %",
                           "VSWR_E_Z2a=150,000 " + O, "VSWR_E_Z2b=16,667 " + O};
        QTest::newRow("25 % reflected")
            << QStringList{"VSWR_E_Prefl=25"}
            << QStringList{"VSWR_E_r=0,500", "VSWR_E_SWR=3,000", "VSWR_E_Pr=25,000 W",
                           "VSWR_E_Prefl=25,000 %"};
        // the reflection factor enters as displayed: 0,333² of 100 W
        QTest::newRow("forward power after s 2")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Pv=100"}}
            << QStringList{"VSWR_E_Pr=11,089 W", "VSWR_E_Pl=88,911 W", "VSWR_E_SWR=2,000",
                           "VSWR_E_Z2a=100,000 " + O, "VSWR_E_UZ2b=47,140 V"};
        QTest::newRow("load power")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Pl=8,889"}
            << QStringList{"VSWR_E_Pr=1,111 W", "VSWR_E_SWR=2,000", "VSWR_E_RL=9,543 dB",
                           "VSWR_E_r=0,333", "VSWR_E_Prefl=11,110 %", "VSWR_E_Z2a=99,996 " + O};
        QTest::newRow("reflected power")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Pr=2,5"}
            << QStringList{"VSWR_E_Pl=7,500 W", "VSWR_E_SWR=3,000", "VSWR_E_RL=6,021 dB",
                           "VSWR_E_r=0,500", "VSWR_E_Prefl=25,000 %", "VSWR_E_Z2b=16,667 " + O};

        // the ends of the ranges run the formulas
        QTest::newRow("return loss 0,002 dB")
            << QStringList{"VSWR_E_RL=0,002"}
            << QStringList{"VSWR_E_SWR=8685,890", "VSWR_E_r=1,000", "VSWR_E_Prefl=99,954 %",
                           "VSWR_E_RL=0,002 dB"};
        QTest::newRow("reflection factor 0,999")
            << QStringList{"VSWR_E_r=0,999"}
            << QStringList{"VSWR_E_SWR=1999,000", "VSWR_E_RL=0,009 dB", "VSWR_E_Prefl=99,800 %"};
        QTest::newRow("reflection factor 0,99975, the tested bound")
            << QStringList{"VSWR_E_r=0,99975"}
            << QStringList{"VSWR_E_SWR=7999,000", "VSWR_E_RL=0,002 dB", "VSWR_E_Prefl=99,950 %"};
        QTest::newRow("99,994 % reflected")
            << QStringList{"VSWR_E_Prefl=99,994"}
            << QStringList{"VSWR_E_SWR=66664,667", "VSWR_E_r=1,000", "VSWR_E_RL=0,000 dB"};

        // the matched state
        QTest::newRow("matched from s 1")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_SWR=1"}
            << matched("10,000 W", "50,000 " + O, "22,361 V");
        QTest::newRow("matched from return loss 86")
            << QStringList{"VSWR_E_RL=86"} << matched("100,000 W", "50,000 " + O, "70,711 V");
        QTest::newRow("matched from r 0")
            << QStringList{"VSWR_E_r=0"} << matched("100,000 W", "50,000 " + O, "70,711 V");
        QTest::newRow("matched from 0 %")
            << QStringList{"VSWR_E_Prefl=0"} << matched("100,000 W", "50,000 " + O, "70,711 V");
        QTest::newRow("matched from the load power equal to the forward power")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Pl=10"}
            << matched("10,000 W", "50,000 " + O, "22,361 V");
        // 9,9996 W shows as 10,000 W: the power as shown decides, no division by zero
        QTest::newRow("matched from a load power that rounds to the forward power")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Pl=9,9996"}
            << matched("10,000 W", "50,000 " + O, "22,361 V");

        // the total-reflection state keeps the forward power and shows the loads of s = 10000
        QTest::newRow("total reflection from s 10000")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Z1=50", "VSWR_E_SWR=10000"}
            << totalReflection("10,000 W") +
                   QStringList{"VSWR_E_Z2a=500,000 k" + O, "VSWR_E_Z2b=5,000 m" + O,
                               "VSWR_E_UZ1a=4,472 mV", "VSWR_E_UZ2a=44,717 V",
                               "VSWR_E_UZ1b=44,717 V", "VSWR_E_UZ2b=4,472 mV",
                               "VSWR_E_Z1=50,000 " + O};
        QTest::newRow("total reflection from the reflected power equal to the forward power")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Pr=10"}}
            << totalReflection("10,000 W") +
                   QStringList{"VSWR_E_Z2a=500,000 k" + O, "VSWR_E_Z2b=5,000 m" + O,
                               "VSWR_E_UZ1a=4,472 mV", "VSWR_E_UZ2a=44,717 V"};
        QTest::newRow("total reflection from the forward power equal to the reflected power")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Pv=1,111"}}
            << totalReflection("1,111 W");
        QTest::newRow("total reflection from a reflected power that rounds to the forward power")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_Pr=9,9996"} << totalReflection("10,000 W");
        // 100 W less 1e-20 W is 100 W: no division by zero
        QTest::newRow("total reflection from a load power that vanishes against the forward power")
            << QStringList{"VSWR_E_Pv=100", "VSWR_E_Pl=1e-20"} << totalReflection("100,000 W");
        QTest::newRow("and out of it again")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_SWR=10000", "VSWR_E_SWR=2"}
            << QStringList{"VSWR_E_Pv=10,000 W", "VSWR_E_Pr=1,111 W", "VSWR_E_Pl=8,889 W",
                           "VSWR_E_Z2a=100,000 " + O};

        // the impedances
        QTest::newRow("Z1 100 Ω after the matched state")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_SWR=1", "VSWR_E_Z1=100"}
            << QStringList{"VSWR_E_SWR=2,000", "VSWR_E_Z1=100,000 " + O, "VSWR_E_Z2a=200,000 " + O,
                           "VSWR_E_Z2b=50,000 " + O, "VSWR_E_r=0,333", "VSWR_E_RL=9,542 dB",
                           "VSWR_E_Prefl=11,111 %", "VSWR_E_Pr=1,111 W", "VSWR_E_Pl=8,889 W"};
        QTest::newRow("Z1 150 Ω outside 25 … 100 Ω")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Z1=150"}}
            << matched("10,000 W", "150,000 " + O, "38,730 V");
        QTest::newRow("Z1 40 Ω between 25 and 100 Ω")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Z1=40"}}
            << QStringList{"VSWR_E_SWR=2,500", "VSWR_E_Z2a=100,000 " + O, "VSWR_E_Z2b=16,000 " + O,
                           "VSWR_E_r=0,429", "VSWR_E_Prefl=18,367 %", "VSWR_E_Pr=1,837 W"};
        QTest::newRow("Z2a 30 Ω below Z1 50 Ω")
            << QStringList{kSwr2 + QStringList{"VSWR_E_Z2a=30"}}
            << matched("10,000 W", "30,000 " + O, "17,321 V");
        QTest::newRow("Z2a 200 Ω above Z1 50 Ω")
            << QStringList{"VSWR_E_Z2a=200"}
            << QStringList{"VSWR_E_SWR=4,000", "VSWR_E_Z2b=12,500 " + O, "VSWR_E_r=0,600",
                           "VSWR_E_Pr=36,000 W", "VSWR_E_Pl=64,000 W", "VSWR_E_Z1=50,000 " + O};
        QTest::newRow("Z2b 80 Ω above Z1 50 Ω")
            << QStringList{"VSWR_E_Z2b=80"} << matched("100,000 W", "80,000 " + O, "89,443 V");
        QTest::newRow("Z2b 10 Ω below Z1 50 Ω")
            << QStringList{"VSWR_E_Z2b=10"}
            << QStringList{"VSWR_E_SWR=5,000", "VSWR_E_Z2a=250,000 " + O, "VSWR_E_r=0,667",
                           "VSWR_E_Z2b=10,000 " + O};
    }
    void entries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
        for (const QString& shown : driver::pageTexts(kVswr))
            QVERIFY2(!shown.contains("inf") && !shown.contains("nan"), qPrintable(shown));
    }

    // A refused entry shows its message, undoes the field and changes nothing else.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral(
            "Die Eingabe \"%1\" ist außerhalb des zulässigen Wertebereichs \n\n"
            "zulässiger Wertebereich: %2 bis %3");
        QTest::newRow("return loss 0,001 dB")
            << QStringList() << "VSWR_E_RL" << "0,001" << range.arg("0,001", "2e-3", "86");
        QTest::newRow("return loss 87 dB")
            << QStringList() << "VSWR_E_RL" << "87" << range.arg("87", "2e-3", "86");
        QTest::newRow("s below 1") << QStringList() << "VSWR_E_SWR" << "0,9"
                                   << range.arg("0,9", "1", "10000");
        QTest::newRow("r above the tested 0,99975")
            << QStringList() << "VSWR_E_r" << "0,9998" << range.arg("0,9998", "0", "0.999");
        QTest::newRow("percentage above 99,994")
            << QStringList() << "VSWR_E_Prefl" << "99,995" << range.arg("99,995", "0", "99.994");
        QTest::newRow("impedance 0") << QStringList() << "VSWR_E_Z1" << "0"
                                     << range.arg("0", "1e-20", "1e20");
        QTest::newRow("no number") << QStringList() << "VSWR_E_Pv" << "abc"
                                   << "ungültige Eingabe \"abc\"";
        QTest::newRow("load power above the forward power")
            << QStringList{"VSWR_E_Pv=10"} << "VSWR_E_Pl" << "12"
            << "Die Eingabe \"12\" ist größer als die Vorwärtsleistung 10,000 W.\n\n"
               "Die an die Last abgegebene Leistung kann nicht größer sein als die "
               "Vorwärtsleistung.";
        QTest::newRow("reflected power above the forward power")
            << QStringList{"VSWR_E_Pv=10"} << "VSWR_E_Pr" << "10,001"
            << "Die Eingabe \"10,001\" ist größer als die Vorwärtsleistung 10,000 W.\n\n"
               "Die reflektierte Leistung kann nicht größer sein als die Vorwärtsleistung.";
    }
    void refusals()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        driver::enterEach(before);
        const QStringList shown = driver::pageTexts(kVswr);
        const QList<driver::Box> boxes = driver::boxesDuring([&] { driver::enter(field, withPunktKomma(entry)); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, withPunktKomma(message));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(driver::pageTexts(kVswr), shown);
    }

    // Only s, Pv and Z1 are stored; the page computes the rest from them, so every state the
    // user can reach comes back as it was.
    void settingsRoundTrip_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("s 2,5 on 75 Ω with 20 W")
            << QStringList{"VSWR_E_Z1=75", "VSWR_E_Pv=20", "VSWR_E_SWR=2,5"};
        QTest::newRow("matched") << QStringList{"VSWR_E_Z1=75", "VSWR_E_Pv=20", "VSWR_E_SWR=1"};
        QTest::newRow("total reflection") << QStringList{"VSWR_E_Pv=20", "VSWR_E_SWR=10000"};
        // a large ratio stays what it was, it does not turn into total reflection
        QTest::newRow("s 500") << QStringList{"VSWR_E_Pv=20", "VSWR_E_SWR=500"};
        QTest::newRow("in SCI") << QStringList{"VSWR_E_Pv=3m", "VSWR_E_Z1=600", "VSWR_E_SWR=1,2"};
    }
    void settingsRoundTrip()
    {
        QFETCH(QStringList, entries);
        if (QByteArray(QTest::currentDataTag()) == "in SCI")
            setNotation(Notation::Sci);
        driver::enterEach(entries);
        const QStringList shown = driver::pageTexts(kVswr);
        const IniDocument ini = storedPage();
        QCOMPARE(ini.value("VSWR", "SWR").value_or(QString()), text("VSWR_E_SWR"));
        QCOMPARE(ini.value("VSWR", "PG").value_or(QString()), text("VSWR_E_Pv"));
        QCOMPARE(ini.value("VSWR", "Z1").value_or(QString()), text("VSWR_E_Z1"));
        page()->loadFactoryDefaults();
        QCOMPARE(driver::boxesDuring([&] { load(ini); }).size(), 0);
        QCOMPARE(driver::pageTexts(kVswr), shown);
    }

    void loadingWithoutKeysTakesTheFallbacks()
    {
        load(IniDocument());
        EXPECT_TEXTS({"VSWR_E_SWR=1,500", "VSWR_E_Pv=50,000 W", "VSWR_E_Z1=10,000 " + O,
                      "VSWR_E_Z2a=15,000 " + O, "VSWR_E_Pr=2,000 W", "VSWR_E_Pl=48,000 W"});
    }

    // A stored ratio is read as a plain number: one with a unit stops the loading.
    void aStoredRatioWithAUnitStopsTheLoading()
    {
        IniDocument ini;
        ini.setValue("VSWR", "SWR", "2 x");
        QVERIFY_THROWS_EXCEPTION(ParseError, load(ini));
    }

    void reformat_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("notation");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SCI") << kSwr2 << int(Notation::Sci) << 3
                             << QStringList{"VSWR_E_SWR=2,000", "VSWR_E_Pv=1,000E+01 W",
                                            "VSWR_E_Pr=1,111E+00 W", "VSWR_E_Z2a=1,000E+02 " + O,
                                            "VSWR_E_Z1=5,000E+01 " + O, "VSWR_E_UZ1a=1,491E+01 V"};
        QTest::newRow("ENG") << kSwr2 << int(Notation::Eng) << 3
                             << QStringList{"VSWR_E_Pl=8,889E00 W", "VSWR_E_Z2b=25,000E00 " + O,
                                            "VSWR_E_UZ2a=29,814E00 V", "VSWR_E_RL=9,542 dB"};
        QTest::newRow("prefix, one decimal")
            << kSwr2 << int(Notation::Prefix) << 1
            << QStringList{"VSWR_E_SWR=2,0", "VSWR_E_r=0,3", "VSWR_E_Prefl=11,1 %",
                           "VSWR_E_Pv=10,0 W", "VSWR_E_UZ2b=14,9 V"};
        // the fixed states write their voltages as prefix text in every notation
        QTest::newRow("matched, SCI")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_SWR=1"} << int(Notation::Sci) << 3
            << QStringList{"VSWR_E_SWR=1,000", "VSWR_E_Pr=0,000 W", "VSWR_E_UZ1a=22,361 V"};
        QTest::newRow("total reflection, ENG")
            << QStringList{"VSWR_E_Pv=10", "VSWR_E_SWR=10000"} << int(Notation::Eng) << 3
            << QStringList{"VSWR_E_SWR=10000,000", "VSWR_E_Z2a=500,000E03 " + O,
                           "VSWR_E_UZ2a=44,717 V"};
    }
    void reformat()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, notation);
        QFETCH(int, decimals);
        QFETCH(QStringList, expected);
        driver::enterEach(entries);
        setNotation(static_cast<Notation>(notation));
        setNachkomma(decimals);
        QCOMPARE(driver::boxesDuring([] { TForm3::Anzeige_Format(); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void layout()
    {
        auto* heading = driver::find<QPlainTextEdit>("VSWR_M_Kopf");
        QVERIFY(heading && heading->isReadOnly());
        const QStringList lines = heading->toPlainText().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].split('\t'),
                 QStringList({"Spannungs-", "Spannungs-", "Return Loss", "reflektierte"}));
        QCOMPARE(lines[1].split('\t'), QStringList({"Stehwellenverhältnis", "Reflektionsfaktor",
                                                    "Rückflußdämpfung", "Leistung"}));
        QCOMPARE(heading->palette().color(QPalette::Base), kCream);
        // the ratio fields stand under their heads, in this order
        int x = -1;
        for (const char* name : {"VSWR_E_SWR", "VSWR_E_r", "VSWR_E_RL", "VSWR_E_Prefl"}) {
            const int left = driver::field(name)->mapTo(page(), QPoint()).x();
            QVERIFY2(left > x, name);
            x = left;
        }
        for (const char* name : {"VSWR_E_UZ1a", "VSWR_E_UZ2a", "VSWR_E_UZ1b", "VSWR_E_UZ2b"}) {
            QVERIFY(driver::field(name)->isReadOnly());
            QCOMPARE(driver::field(name)->palette().color(QPalette::Base), kCream);
        }
        QVERIFY(driver::find("VSWR_I_Bild"));
        QCOMPARE(driver::find("VSWR_I_Bild")->toolTip(), QString("schematische Darstellung"));
        QCOMPARE(driver::field("VSWR_E_Pl")->toolTip(),
                 QString("Eingabe der an die Last abgegeben Leistung"));
        const QColor red = driver::find<QLabel>("VSWR_L_Pr")->palette().color(QPalette::WindowText);
        const QColor green = driver::find<QLabel>("VSWR_L_Pl")->palette().color(QPalette::WindowText);
        QVERIFY(red.red() > 150 && red.green() < 130);
        QVERIFY(green.green() > 100 && green.red() < 110);
        QCOMPARE(page()->helpContext(), 210);
    }
};

QTEST_MAIN(TestVswrPage)
#include "tst_vswrpage.moc"
