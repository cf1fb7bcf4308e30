// The L matching network page and its voltage/current window, as a user works them.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/LNetz.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Handlers.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"

#include <cmath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace ampero;
using driver::text;

namespace {

constexpr int kL = 11;
const QString O = QStringLiteral("\u2126");
const QString kHeader = QStringLiteral("\tSpannung U\tStrom I\tVerlustleistung");
const QString kRule = QLatin1Char(' ') + QString(52, QChar(0x00AF));
const QStringList kPictures = {"L_I_Hocha_unsym", "L_I_Hochc_unsym", "L_I_Hoche_unsym",
                               "L_I_Hochg_unsym", "L_I_Hocha_sym",   "L_I_Hochc_sym",
                               "L_I_Hoche_sym",   "L_I_Hochg_sym",   "L_I_Tiefb_unsym",
                               "L_I_Tiefd_unsym", "L_I_Tieff_unsym", "L_I_Tiefh_unsym",
                               "L_I_Tiefb_sym",   "L_I_Tiefd_sym",   "L_I_Tieff_sym",
                               "L_I_Tiefh_sym"};

LNetz* lnetz() { return qobject_cast<LNetz*>(Form1->PageControl1->widget(kL)); }

bool shown(const QString& name)
{
    QWidget* w = driver::find(name);
    return w && w->isVisibleTo(w->parentWidget());
}

// The pictures of the page that show, in catalogue order.
QStringList shownPictures()
{
    QStringList names;
    for (const QString& p : kPictures)
        if (shown(p))
            names << p;
    return names;
}

QStringList memoLines() { return Form6->memo()->toPlainText().split(QLatin1Char('\n')); }

QStringList lines(const QStringList& expected)
{
    QStringList out;
    for (const QString& l : expected)
        out << withPunktKomma(l);
    return out;
}

// The number of a memo cell, without its unit.
double number(const QString& cell) { return Zahleneingabe(cell); }

// 300 Ω to 50 Ω at 10 MHz, QL 50, 1 W available behind Z1, RMS values.
const QStringList kExampleMemo = {
    " Hochpass" + kHeader,
    kRule,
    "    Xp -\t16,942 V\t126,252 mA\t42,770 mW",
    "    Xs -\t15,466 V\t138,329 mA\t   -----",
    "",
    "  verfügbare Leistung an Z2: 956,752 mW",
    "",
    " Tiefpass" + kHeader,
    kRule,
    "    Xp -\t17,070 V\t127,234 mA\t   -----",
    "    Xs -\t15,469 V\t138,328 mA\t42,786 mW",
    "",
    "  verfügbare Leistung an Z2: 956,735 mW",
};

// From 300 Ω to 50 Ω to 50 Ω to 300 Ω without passing equal real parts.
const QStringList kExchange = {"L_E_Z2=301", "L_E_Z1=50", "L_E_Z2=300"};

} // namespace

class TestLNetzPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        lnetz()->loadFactoryDefaults();
        Form6->close();
    }

    // The first start computes its results from the factory inputs.
    void factoryTexts()
    {
        EXPECT_TEXTS({"L_E_F=10,000 MHz", "L_E_Z1=300,000 " + O + " ", "L_E_Z2=50,000 " + O + " ",
                      "L_E_Z1j= 0,000 " + O, "L_E_Z2j= 0,000 " + O, "L_E_QL=50,000",
                      "L_E_HP_L=2,135 µH", "L_E_HP_C=142,353 pF", "L_E_TP_L=1,779 µH",
                      "L_E_TP_C=118,627 pF", "L_E_HP_TL=0,192 dB", "L_E_TP_TL=0,192 dB",
                      "L_E_P=1,000 W", "L_L_Leistung=30,000 dBm"});
        QCOMPARE(lnetz()->L_RG_unsym->itemIndex(), 0);
        QCOMPARE(Form6->peakOrRms()->itemIndex(), 1);
        QCOMPARE(shownPictures(), QStringList({"L_I_Hochc_unsym", "L_I_Tiefd_unsym"}));
        QCOMPARE(memoLines(), lines(kExampleMemo));
    }

    void networks_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QString>("windowPicture");
        const QStringList example = {"L_E_HP_L=2,135 µH", "L_E_HP_C=142,353 pF",
                                     "L_E_TP_L=1,779 µH", "L_E_TP_C=118,627 pF"};
        QTest::newRow("300 to 50") << 0 << QStringList{"L_E_Z2=50", "L_E_Z1=300"}
                                   << example + QStringList{"L_E_HP_TL=0,192 dB"}
                                   << QStringList{"L_I_Hochc_unsym", "L_I_Tiefd_unsym"}
                                   << "L_UI_Image1";
        QTest::newRow("exchanged") << 0 << kExchange
                                   << example + QStringList{"L_E_TP_TL=0,192 dB"}
                                   << QStringList{"L_I_Hocha_unsym", "L_I_Tiefb_unsym"}
                                   << "L_UI_Image2";
        // a balanced form has two series capacitors of twice and two coils of half the value
        QTest::newRow("sym.") << 1 << QStringList{}
                              << QStringList{"L_E_HP_L=2,135 µH", "L_E_HP_C=284,705 pF",
                                             "L_E_TP_L=889,703 nH", "L_E_TP_C=118,627 pF",
                                             "L_E_HP_TL=0,192 dB"}
                              << QStringList{"L_I_Hochc_sym", "L_I_Tiefd_sym"} << "L_UI_Image1";
        // a strongly capacitive low side turns the high-pass series element into a coil
        QTest::newRow("high-pass coil, shunt at Z1")
            << 0 << QStringList{"L_E_Z2j=-200"}
            << QStringList{"L_E_HP_C=1,404 µH", "L_E_TP_L=4,963 µH", "L_E_HP_TL=0,342 dB",
                           "L_E_TP_TL=0,525 dB"}
            << QStringList{"L_I_Hochg_unsym", "L_I_Tiefd_unsym"} << "L_UI_Image1";
        QTest::newRow("high-pass coil, shunt at Z2")
            << 0 << kExchange + QStringList{"L_E_Z1j=-200"}
            << QStringList{"L_E_HP_C=1,404 µH", "L_E_TP_L=4,963 µH"}
            << QStringList{"L_I_Hoche_unsym", "L_I_Tiefb_unsym"} << "L_UI_Image2";
        QTest::newRow("high-pass coil, balanced: half of it in each line")
            << 1 << QStringList{"L_E_Z2j=-200"}
            << QStringList{"L_E_HP_C=701,846 nH", "L_E_TP_L=2,481 µH"}
            << QStringList{"L_I_Hochg_sym", "L_I_Tiefd_sym"} << "L_UI_Image1";
        // an inductive low side turns the low-pass series element into a capacitor
        QTest::newRow("low-pass capacitor, shunt at Z1")
            << 0 << QStringList{"L_E_Z2j=200"}
            << QStringList{"L_E_HP_C=51,043 pF", "L_E_TP_L=180,455 pF", "L_E_TP_TL=0,000 dB"}
            << QStringList{"L_I_Hochc_unsym", "L_I_Tiefh_unsym"} << "L_UI_Image1";
        QTest::newRow("low-pass capacitor, shunt at Z2")
            << 0 << kExchange + QStringList{"L_E_Z1j=200"}
            << QStringList{"L_E_TP_L=180,455 pF"}
            << QStringList{"L_I_Hocha_unsym", "L_I_Tieff_unsym"} << "L_UI_Image2";
        QTest::newRow("low-pass capacitor, balanced: twice it in each line")
            << 1 << QStringList{"L_E_Z2j=200"} << QStringList{"L_E_TP_L=360,909 pF"}
            << QStringList{"L_I_Hochc_sym", "L_I_Tiefh_sym"} << "L_UI_Image1";
    }

    // 100 Ω to 50 Ω: q·Rl = 50 Ω. Within ±1e-5 Ω a series reactance is no element of its own
    // kind: 0 F in the high-pass form, about 0 H in the low-pass form. Six decimals keep the
    // micro-ohms in the fields the calculation reads.
    void toleranceBand_data()
    {
        QTest::addColumn<QString>("Z2j");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("pictures");
        const QStringList usual = {"L_I_Hochc_unsym", "L_I_Tiefd_unsym"};
        QTest::newRow("high-pass within, above zero")
            << "-50,000005" << QStringList{"L_E_HP_C=0,000000 F"} << usual;
        QTest::newRow("high-pass within, below zero")
            << "-49,999995" << QStringList{"L_E_HP_C=0,000000 F"} << usual;
        QTest::newRow("high-pass just outside")
            << "-50,00002" << QStringList{"L_E_HP_C=318,309886 fH"}
            << QStringList{"L_I_Hochg_unsym", "L_I_Tiefd_unsym"};
        QTest::newRow("low-pass within")
            << "49,999995" << QStringList{"L_E_TP_L=79,577472 fH"} << usual;
        QTest::newRow("low-pass within, exactly zero")
            << "50" << QStringList{"L_E_TP_L=0,000000 H"} << usual;
        QTest::newRow("low-pass just outside")
            << "50,00002" << QStringList{"L_E_TP_L=795,774715 µF"}
            << QStringList{"L_I_Hochc_unsym", "L_I_Tiefh_unsym"};
    }

    void toleranceBand()
    {
        QFETCH(QString, Z2j);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, pictures);
        setNachkomma(6);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach({"L_E_Z1=100", "L_E_Z2j=" + Z2j}); })
                     .size(),
                 0);
        EXPECT_TEXTS(expected);
        QCOMPARE(shownPictures(), pictures);
    }

    void networks()
    {
        QFETCH(int, variant);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, pictures);
        QFETCH(QString, windowPicture);
        Form1->PageControl1->setCurrentIndex(kL);
        lnetz()->L_RG_unsym->item(variant)->click();
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
        QCOMPARE(shownPictures(), pictures);
        QVERIFY(shown(windowPicture));
        QCOMPARE(shown("L_UI_Image1") + shown("L_UI_Image2"), 1);
        QStringList all = driver::fieldTexts(lnetz());
        QVERIFY2(all.filter(QRegularExpression("inf|nan", QRegularExpression::CaseInsensitiveOption))
                     .isEmpty(),
                 qPrintable(all.join("; ")));
    }

    // The memo's power into Z2 is what the TL fields tell, for both forms and either order.
    void memoPowerAgreesWithTheLoss_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("300 to 50") << QStringList{};
        QTest::newRow("50 - j20 to 300 + j40, QL 10")
            << kExchange + QStringList{"L_E_Z1j=-20", "L_E_Z2j=40", "L_E_QL=10"};
        QTest::newRow("strongly capacitive low side")
            << QStringList{"L_E_Z2j=-200", "L_E_QL=5"};
    }

    void memoPowerAgreesWithTheLoss()
    {
        QFETCH(QStringList, entries);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        const QStringList memo = memoLines();
        const QStringList power = memo.filter("verfügbare Leistung an Z2: ");
        QCOMPARE(power.size(), 2);
        const QString tl[] = {text("L_E_HP_TL"), text("L_E_TP_TL")};
        for (int i = 0; i < 2; ++i) {
            const double P2 = number(power[i].section(": ", 1));
            QCOMPARE(fixedText(10 * std::log10(1 / P2), 3) + " dB", tl[i]);
        }
    }

    // The shunt element comes first where it stands next to Z1.
    void memoListsTheElementsFromZ1ToZ2()
    {
        QCOMPARE(driver::boxesDuring([] { driver::enterEach(kExchange); }).size(), 0);
        const QStringList memo = memoLines();
        QCOMPARE(memo.size(), 13);
        QVERIFY(memo[2].startsWith("    Xs -\t"));
        QVERIFY(memo[3].startsWith("    Xp -\t"));
        QVERIFY(memo[3].endsWith("mW"));
        QVERIFY(memo[9].startsWith("    Xs -\t"));
        QVERIFY(memo[9].endsWith("mW"));
        QVERIFY(memo[10].startsWith("    Xp -\t"));
        QVERIFY(memo[2].endsWith("\t   -----"));
        QVERIFY(memo[10].endsWith("\t   -----"));
    }

    // A balanced form lists one series half: half its voltage and half its loss; the currents
    // and the shunt line stay. Peak values are √2 times the RMS ones, powers stay.
    void memoBalancedAndPeak()
    {
        driver::enter("L_E_Z2j", "-200"); // both series elements are coils with a loss
        const QStringList rms = memoLines();
        lnetz()->L_RG_unsym->item(1)->click();
        const QStringList balanced = memoLines();
        for (int row : {3, 10}) {
            const QStringList a = rms[row].split('\t'), b = balanced[row].split('\t');
            QVERIFY2(std::fabs(number(b[1]) / number(a[1]) - 0.5) < 1e-3, qPrintable(b[1]));
            QCOMPARE(b[2], a[2]);
        }
        QCOMPARE(balanced[2], rms[2]);
        QCOMPARE(balanced[9], rms[9]);
        QCOMPARE(balanced[3].section('\t', 3), rms[3].section('\t', 3)); // "   -----"
        QVERIFY(std::fabs(number(balanced[10].section('\t', 3)) /
                              number(rms[10].section('\t', 3)) - 0.5) < 1e-3);

        lnetz()->L_RG_unsym->item(0)->click();
        Form6->peakOrRms()->item(0)->click();
        const QStringList peak = memoLines();
        QCOMPARE(peak.size(), rms.size());
        for (int row : {2, 3, 9, 10}) {
            const QStringList a = rms[row].split('\t'), b = peak[row].split('\t');
            for (int c : {1, 2})
                QVERIFY2(std::fabs(number(b[c]) / number(a[c]) - std::sqrt(2.0)) < 2e-3,
                         qPrintable(peak[row]));
            QCOMPARE(b[3], a[3]);
        }
        QCOMPARE(peak.filter("Z2:"), rms.filter("Z2:"));
    }

    // A level in dBm gives the table of its power.
    void levelGivesTheSameTable()
    {
        const QStringList memo = memoLines();
        Form6->show();
        QCOMPARE(driver::boxesDuring([] { driver::enter("L_E_P", "30dBm"); }).size(), 0);
        EXPECT_TEXTS({"L_E_P=30,000 dBm", "L_L_Leistung=1,000 W"});
        QCOMPARE(memoLines(), memo);
    }

    // Enter in an empty field does nothing, a text that does not parse is refused, equal real
    // parts are refused before the range test, and each refusal restores the field.
    void realPartProtocol_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        const QString equal = "Die Eingaben von Z1 (Realteil) und Z2 (Realteil) sind gleich "
                              "groß\n\neine Anpassung ist nicht nötig! ";
        QTest::newRow("empty") << "L_E_Z1" << "" << "";
        QTest::newRow("Z1 as Z2") << "L_E_Z1" << "50" << equal;
        QTest::newRow("Z1 as Z2 with a prefix") << "L_E_Z1" << "0,05k" << equal;
        QTest::newRow("Z2 as Z1") << "L_E_Z2" << "300" << equal;
        QTest::newRow("no number") << "L_E_Z2" << "abc"
                                   << "ungültige Eingabe \"abc\"";
        QTest::newRow("too large") << "L_E_Z1" << "2G"
                                   << "Die Eingabe \"2G\" ist außerhalb des zulässigen Wertebereichs "
                                      "\n\nzulässiger Wertebereich: 1e-6 bis 1e+9";
    }

    void realPartProtocol()
    {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        const QStringList before = driver::fieldTexts(lnetz());
        const QStringList memo = memoLines();
        const QList<driver::Box> boxes =
            driver::boxesDuring([&] { driver::enter(field, withPunktKomma(entry)); });
        if (message.isEmpty()) {
            QCOMPARE(boxes.size(), 0);
            QCOMPARE(text(field), QString());
            return;
        }
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, withPunktKomma(message));
        QCOMPARE(driver::fieldTexts(lnetz()), before);
        QCOMPARE(memoLines(), memo);
    }

    // Every input is re-displayed with the texts of its notation.
    void entriesRedisplay_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        const QStringList entries = {"L_E_F=7,1M", "L_E_Z1=75", "L_E_Z1j=-12,5", "L_E_Z2=1,2k",
                                     "L_E_Z2j=30", "L_E_QL=120"};
        QTest::newRow("prefix") << int(Notation::Prefix) << entries
                                << QStringList{"L_E_F=7,100 MHz", "L_E_Z1=75,000 " + O + " ",
                                               "L_E_Z1j= -12,500 " + O + " ",
                                               "L_E_Z2=1,200 k" + O + " ",
                                               "L_E_Z2j= 30,000 " + O + " ", "L_E_QL=120,000 "};
        QTest::newRow("SCI") << int(Notation::Sci) << entries
                             << QStringList{"L_E_F=7,100E+06 Hz ", "L_E_Z1=7,500E+01 " + O + " ",
                                            "L_E_Z1j= -1,250E+01 " + O + " ",
                                            "L_E_Z2=1,200E+03 " + O + " ", "L_E_QL=120,000 "};
    }

    void entriesRedisplay()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    // The button computes first, then shows the window.
    void buttonComputesAndShowsTheWindow()
    {
        Form1->PageControl1->setCurrentIndex(kL);
        driver::type("L_E_QL", "10"); // no Enter: nothing computed yet
        const QStringList rms = memoLines();
        lnetz()->L_B_UI->click();
        QVERIFY(Form6->isVisible());
        QVERIFY(memoLines() != rms);
        QCOMPARE(memoLines().size(), rms.size());
        Form1->PageControl1->setCurrentIndex(kL - 1);
        QVERIFY(!Form6->isVisible());
    }

    void settingsRoundTrip()
    {
        lnetz()->L_RG_unsym->item(1)->click();
        Form6->peakOrRms()->item(0)->click();
        driver::enterEach({"L_E_F=3,5M", "L_E_Z1=12,5", "L_E_Z1j=-3", "L_E_Z2=600",
                           "L_E_Z2j=45", "L_E_QL=80"});
        Form6->show();
        driver::enter("L_E_P", "20dBm");
        const QStringList texts = driver::pageTexts(kL);
        const QStringList window = {text("L_E_P"), text("L_L_Leistung")};
        const QStringList memo = memoLines();
        const QStringList pictures = shownPictures();

        IniDocument ini;
        lnetz()->storeSettings(ini);
        const auto value = [&](const char* key) {
            return ini.value("L-Netz", key).value_or("(none)");
        };
        QCOMPARE(value("unsym_sym"), QString("1"));
        QCOMPARE(value("Ueff/Us"), QString("0"));
        QCOMPARE(value("R1"), withPunktKomma("12,500 " + O + " "));
        QCOMPARE(value("X1"), withPunktKomma(" -3,000 " + O + " "));
        QCOMPARE(value("Guete-L"), withPunktKomma("80,000 "));
        QCOMPARE(value("P"), withPunktKomma("20,000 dBm"));
        QCOMPARE(value("P2"), withPunktKomma("100,000 mW"));
        QCOMPARE(value("GueteC"), QString("0"));

        lnetz()->loadFactoryDefaults();
        lnetz()->loadSettings(StoredSettings(IniDocument::fromBytes(ini.toBytes()), punktKomma()));
        QCOMPARE(driver::pageTexts(kL), texts);
        QCOMPARE(QStringList({text("L_E_P"), text("L_L_Leistung")}), window);
        QCOMPARE(memoLines(), memo);
        QCOMPARE(shownPictures(), pictures);
        QCOMPARE(lnetz()->L_RG_unsym->itemIndex(), 1);
        QCOMPARE(Form6->peakOrRms()->itemIndex(), 0);
    }

    // At the program start the fields are empty when the selections, read first, change: the
    // calculation waits for the fields.
    void selectionsReadBeforeTheFields()
    {
        for (EditField* f : lnetz()->findChildren<EditField*>())
            f->setText(QString());
        Form6->powerField()->setText(QString());
        IniDocument ini;
        ini.setValue("L-Netz", "unsym_sym", "1");
        ini.setValue("L-Netz", "Ueff/Us", "0");
        const QList<driver::Box> boxes = driver::boxesDuring([&] {
            runHandler(Form1, [&] { lnetz()->loadSettings(StoredSettings(ini, punktKomma())); });
        });
        QCOMPARE(boxes.size(), 0);
        EXPECT_TEXTS({"L_E_HP_C=284,705 µF", "L_E_TP_L=889,703 mH"}); // 10 Hz, balanced
        QCOMPARE(shownPictures(), QStringList({"L_I_Hochc_sym", "L_I_Tiefd_sym"}));
    }

    // Missing keys take their fallbacks, and the page computes from them.
    void missingKeys()
    {
        lnetz()->loadSettings(StoredSettings(IniDocument(), punktKomma()));
        EXPECT_TEXTS({"L_E_F=10,00", "L_E_Z1=300,00", "L_E_Z2=50,00", "L_E_Z1j=0,00",
                      "L_E_Z2j=0,00", "L_E_QL=50,00", "L_E_P=500,00", "L_L_Leistung=56,99",
                      "L_E_HP_L=2,135 H", "L_E_HP_C=142,353 µF"});
        QCOMPARE(lnetz()->L_RG_unsym->itemIndex(), 0);
        QCOMPARE(Form6->peakOrRms()->itemIndex(), 1);
    }

    // Equal real parts from the settings file reach the calculation without the check: the
    // standard report of the fault ends it, and no field shows an infinite value.
    void equalRealPartsFromTheSettingsFile()
    {
        IniDocument ini;
        ini.setValue("L-Netz", "R1", withPunktKomma("50,00"));
        ini.setValue("L-Netz", "R2", withPunktKomma("50,00"));
        const QStringList results = driver::fieldTexts(lnetz()).filter(QRegularExpression("_(HP|TP)_"));
        const QList<driver::Box> boxes = driver::boxesDuring([&] {
            runHandler(Form1, [&] { lnetz()->loadSettings(StoredSettings(ini, punktKomma())); });
        });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, QString("Gleitkommadivision durch Null."));
        EXPECT_TEXTS({"L_E_Z1=50,00", "L_E_Z2=50,00"});
        QCOMPARE(driver::fieldTexts(lnetz()).filter(QRegularExpression("_(HP|TP)_")), results);
    }

    // A change of notation re-displays the inputs and the power, and recomputes.
    void reformatting_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("memoRow");
        QTest::newRow("SCI") << int(Notation::Sci)
                             << QStringList{"L_E_F=1,000E+07 Hz ", "L_E_Z1=3,000E+02 " + O + " ",
                                            "L_E_Z1j= 0,000E+00 " + O + " ",
                                            "L_E_Z2=5,000E+01 " + O + " ",
                                            "L_E_Z2j= -2,000E+01 " + O + " ", "L_E_QL=50,000",
                                            "L_E_P=5,000E-01 W", "L_E_HP_L=2,135E-06 H",
                                            "L_E_TP_C=1,186E-10 F"}
                             << "    Xp -\t1,198E+01 V\t8,927E-02 A\t2,139E-02 W";
        QTest::newRow("ENG") << int(Notation::Eng)
                             << QStringList{"L_E_F=10,000E06 Hz ", "L_E_Z2=50,000E00 " + O + " ",
                                            "L_E_P=500,000E-03 W", "L_E_HP_L=2,135E-06 H"}
                             << "    Xp -\t11,980E00 V\t89,273E-03 A\t21,385E-03 W";
        QTest::newRow("prefix") << int(Notation::Prefix)
                                << QStringList{"L_E_F=10,000 MHz", "L_E_Z1=300,000 " + O + " ",
                                               "L_E_Z1j= 0,000 " + O + " ",
                                               "L_E_Z2j= -20,000 " + O + " ",
                                               "L_E_P=500,000 mW", "L_E_HP_L=2,135 µH"}
                                << "    Xp -\t11,980 V\t89,273 mA\t21,385 mW";
    }

    void reformatting()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        QFETCH(QString, memoRow);
        driver::enter("L_E_Z2j", "-20");
        Form6->show();
        driver::enter("L_E_P", withPunktKomma("0,5"));
        setNotation(static_cast<Notation>(notation));
        lnetz()->reformat();
        EXPECT_TEXTS(expected);
        QCOMPARE(memoLines()[2], withPunktKomma(memoRow));
    }
};

QTEST_MAIN(TestLNetzPage)
#include "tst_lnetzpage.moc"
