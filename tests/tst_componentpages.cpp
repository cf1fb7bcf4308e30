// The reactance page and the LC resonant circuit page as a user works them: the worked
// examples, the Q and R protocols, the floating-point faults of the edge cases, the circuit
// variants, settings and re-formatting.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/LCSchwingkreis.h"
#include "pages/XLXC.h"
#include "schematics/PictureWidget.h"
#include "settings/IniDocument.h"
#include "settings/Optionen361.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QtTest>

using namespace ampero;
using driver::boxesDuring;
using driver::enter;
using driver::text;

namespace {

constexpr int kXlxc = 4, kLc = 6;
const QString O = QStringLiteral("\u2126");  // written by calculations
const QString W = QStringLiteral("\u03A9");  // a few fields re-display their entry with it

XLXC* xlxc() { return qobject_cast<XLXC*>(Form1->PageControl1->widget(kXlxc)); }
LCSchwingkreis* lc() { return qobject_cast<LCSchwingkreis*>(Form1->PageControl1->widget(kLc)); }
RadioGroup* group(const char* name) { return driver::find<RadioGroup>(name); }


QString report(const QList<driver::Box>& boxes)
{
    return boxes.size() == 1 && boxes[0].title == "Ampero V3.60" ? boxes[0].text : QString("%1 boxes").arg(boxes.size());
}

} // namespace

class TestComponentPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        xlxc()->loadFactoryDefaults();
        lc()->loadFactoryDefaults();
    }

    // XL / XC

    void reactanceEntries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("inductor: 1 MHz, 10 µH, Q 10")
            << QStringList{"XL_E_F=3M", "XL_E_F=1M"}
            << QStringList{"XL_E_X=62,832 " + O, "XL_E_R=6,283 " + O, "XL_E_Z=63,145 " + O, "XL_E_Q=10"};
        QTest::newRow("capacitor: 1 MHz, 1 nF, Q 500")
            << QStringList{"XC_E_F=3M", "XC_E_F=1M"}
            << QStringList{"XC_E_X=159,155 " + O, "XC_E_R=79,577 k" + O, "XC_E_Z=159,155 " + O};
        QTest::newRow("inductor: Z below X")
            << QStringList{"XL_E_Z=50"}
            << QStringList{"XL_E_Z=50,000 " + O, "XL_E_R=38,051 " + O, "XL_E_Q=1,651"};
        QTest::newRow("inductor: Q keeps whole numbers only, R follows it")
            << QStringList{"XL_E_Q=12,7"}
            << QStringList{"XL_E_Q=13", "XL_E_R=4,833 " + O, "XL_E_Z=63,018 " + O};
        QTest::newRow("inductor: R gives Q, F keeps it")
            << QStringList{"XL_E_R=6,283", "XL_E_F=1M"}
            << QStringList{"XL_E_Q=10", "XL_E_R=6,283 " + O, "XL_E_Z=63,145 " + O};
        QTest::newRow("capacitor: Z gives Q as whole number")
            << QStringList{"XC_E_Z=150"}
            << QStringList{"XC_E_Z=150,000 " + W, "XC_E_R=448,739 " + O, "XC_E_Q=3"};
        QTest::newRow("capacitor: R gives Q and Z")
            << QStringList{"XC_E_R=1k"}
            << QStringList{"XC_E_R=1,000 k" + O, "XC_E_Q=6", "XC_E_Z=157,177 " + O};
        QTest::newRow("ohm signs: inductor and capacitor reactance")
            << QStringList{"XL_E_X=100", "XC_E_X=100"}
            << QStringList{"XL_E_X=100,000 " + O, "XC_E_X=100,000 " + W, "XL_E_R=10,000 " + O};
    }
    void reactanceEntries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kXlxc);
        if (entries.join(' ').contains("_E_X=")) { // X takes input with F computed
            xlxc()->XLXC_RG_XL->setItemIndex(0);
            xlxc()->XLXC_RG_XC->setItemIndex(0);
        }
        QCOMPARE(boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void frequencySelectedIsComputed()
    {
        Form1->PageControl1->setCurrentIndex(kXlxc);
        xlxc()->XLXC_RG_XL->setItemIndex(0);
        QVERIFY(!driver::field("XL_E_F")->isEnabled());
        QVERIFY(driver::field("XL_E_X")->isEnabled());
        enter("XL_E_L", "20u");
        EXPECT_TEXTS({"XL_E_F=500,001 kHz"});
        enter("XL_E_X", "125,664");
        EXPECT_TEXTS({"XL_E_F=1,000 MHz"});
    }

    void reactanceFaults_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("expected"); // after the report
        QTest::newRow("inductor: Z equal to X")
            << "XL_E_Z=62,832" << "Gleitkommadivision durch Null."
            << QStringList{"XL_E_Z=62,832 " + O, "XL_E_R=0,000 " + O, "XL_E_Q=10"};
        QTest::newRow("capacitor: Z equal to X changes nothing else")
            << "XC_E_Z=159,155" << "0 boxes"
            << QStringList{"XC_E_Z=159,155 " + W, "XC_E_R=79,577 k" + O, "XC_E_Q=500"};
        QTest::newRow("capacitor: Z above X")
            << "XC_E_Z=200" << "Ungültige Gleitkommaoperation."
            << QStringList{"XC_E_Z=200,000 " + W, "XC_E_R=79,577 k" + O, "XC_E_Q=500"};
        QTest::newRow("inductor: Q of 0,3")
            << "XL_E_Q=0,3" << "Gleitkommadivision durch Null."
            << QStringList{"XL_E_Q=0", "XL_E_R=6,283 " + O, "XL_E_Z=63,145 " + O};
        QTest::newRow("capacitor: Q of 0,3")
            << "XC_E_Q=0,3" << "Gleitkommadivision durch Null."
            << QStringList{"XC_E_Q=0", "XC_E_R=0,000 " + O, "XC_E_Z=159,155 " + O};
    }
    void reactanceFaults()
    {
        QFETCH(QString, entry);
        QFETCH(QString, report);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kXlxc);
        QCOMPARE(::report(boxesDuring([&] { driver::enterEach({entry}); })), report);
        EXPECT_TEXTS(expected);
    }

    void aQualityFactorThatIsNoPlainNumberStopsTheCalculation()
    {
        Form1->PageControl1->setCurrentIndex(kXlxc);
        driver::field("XL_E_Q")->setText("12 k"); // typed without Enter
        const auto boxes = boxesDuring([] { enter("XL_E_F", "2M"); });
        QCOMPARE(report(boxes), QString("'12 k' ist kein gültiger Gleitkommawert."));
        EXPECT_TEXTS({"XL_E_F=2,000 MHz", "XL_E_X=125,664 " + O, "XL_E_R=6,283 " + O});
    }

    void reactanceMessages_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("Q not a number") << "XL_E_Q" << "abc" << "Die eingegebene Zahlabc  ist keine Gleitkommazahl !";
        QTest::newRow("Q empty") << "XC_E_Q" << "" << "Die eingegebene Zahl  ist keine Gleitkommazahl !";
        QTest::newRow("Q with a prefix") << "XL_E_Q" << "10k" << "Die eingegebene Zahl10k  ist keine Gleitkommazahl !";
        QTest::newRow("Q too large")
            << "XL_E_Q" << "2e6" << "Die Eingabe2e6  ist ausserhalb\n\ndes gültigen Wertebereiches:1e-6 bis 1e+6";
        // one entry, one message: no second report of an overflow left behind
        QTest::newRow("Q beyond long double") << "XL_E_Q" << "1e4933" << "Die eingegebene Zahl1e4933  ist keine Gleitkommazahl !";
        QTest::newRow("Q beyond a 64-bit value")
            << "XL_E_Q" << "1e400" << "Die Eingabe1e400  ist ausserhalb\n\ndes gültigen Wertebereiches:1e-6 bis 1e+6";
        QTest::newRow("R empty") << "XL_E_R" << "" << "Die eingegebene Zahl  ist keine Gleitkommazahl !";
        QTest::newRow("R too large")
            << "XC_E_R" << "1e15" << "Die Eingabe1e15  ist ausserhalb\n\ndes gültigen Wertebereiches:1e-14 bis 1e+14";
        QTest::newRow("inductance too small")
            << "XL_E_L" << "10p"
            << "Die Eingabe \"10p\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger Wertebereich: 1e-10 bis 1e+12";
    }
    void reactanceMessages()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Form1->PageControl1->setCurrentIndex(kXlxc);
        driver::focus(field);
        const QStringList before = driver::pageTexts(kXlxc);
        const auto boxes = boxesDuring([&] { enter(field, typed); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Fehler"));
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(driver::pageTexts(kXlxc), before);
    }

    void enterInAnEmptyValueFieldDoesNothing()
    {
        Form1->PageControl1->setCurrentIndex(kXlxc);
        QCOMPARE(boxesDuring([] { enter("XL_E_F", ""); }).size(), 0);
        Form1->PageControl1->setCurrentIndex(kLc);
        QCOMPARE(boxesDuring([] { enter("LC_E_R_Q", ""); }).size(), 0);
        EXPECT_TEXTS({"LC_E_R_R=159,155 m" + O});
    }

    void clickingQOrRMarksWhichOneIsInFront()
    {
        Form1->PageControl1->setCurrentIndex(kXlxc);
        const QColor grey(160, 160, 164);
        QCOMPARE(driver::field("XL_E_R")->fontColour(), grey); // factory state
        QTest::mouseClick(driver::field("XL_E_R"), Qt::LeftButton);
        QCOMPARE(driver::field("XL_E_R")->fontColour(), QColor());
        QCOMPARE(driver::field("XL_E_Q")->fontColour(), grey);
        QCOMPARE(driver::field("XC_E_R")->fontColour(), grey); // the other half keeps its marking
        QTest::mouseClick(driver::field("XL_E_Q"), Qt::LeftButton);
        QCOMPARE(driver::field("XL_E_Q")->fontColour(), QColor());
        QCOMPARE(driver::field("XL_E_R")->fontColour(), grey);
        QCOMPARE(driver::field("XL_E_R")->palette().color(QPalette::Text), grey);
    }

    // LC resonant circuit

    void resonanceEntries_data()
    {
        QTest::addColumn<QStringList>("clicks"); // group=item
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("parallel factory state")
            << QStringList() << QStringList()
            << QStringList{"LC_E_P_R=159,155 m" + O, "LC_E_P_L=253,303 nH", "LC_E_P_QB=100,005",
                           "Label108=QL", "LC_E_P_Zo=1,592 k" + O, "LC_E_P_BW=99,995 kHz"};
        QTest::newRow("parallel: L for 10 MHz, then F back from it")
            << QStringList() << QStringList{"LC_E_P_F=10M"}
            << QStringList{"LC_E_P_L=253,303 nH"};
        QTest::newRow("parallel: F computed back is not 10 MHz")
            << QStringList{"LC_RG_P_Auswahl=0"} << QStringList{"LC_E_P_L=253,303n"}
            << QStringList{"LC_E_P_F=9,999 MHz"};
        QTest::newRow("parallel: circuit in series between source and load")
            << QStringList{"LC_RG_P_Schaltung=1"} << QStringList()
            << QStringList{"LC_E_P_QB=100,010", "LC_E_P_TL=-5,085 dB", "Label108=QB"};
        QTest::newRow("parallel: circuit across source and load")
            << QStringList{"LC_RG_P_Schaltung=2"} << QStringList()
            << QStringList{"LC_E_P_QB=23,906", "LC_E_P_TL=-2,373 dB"};
        QTest::newRow("series: Q under QL follows F while Rv stays")
            << QStringList() << QStringList{"LC_E_R_F=12M"}
            << QStringList{"LC_E_R_L=175,905 nH", "LC_E_R_Zo=132,629 m" + O, "LC_E_R_QB=83,333",
                           "LC_E_R_BW=144,000 kHz", "LC_E_R_Q=100,000"};
        QTest::newRow("series: circuit across source and load")
            << QStringList{"LC_RG_R_Schaltung=2"} << QStringList()
            << QStringList{"LC_E_R_QB=100,000", "LC_E_R_TL=-43,978 dB"};
        QTest::newRow("series: circuit in series, its Q takes Rs and RL")
            << QStringList{"LC_RG_R_Schaltung=1"} << QStringList()
            << QStringList{"LC_E_R_QB=0,159", "LC_E_R_TL=-0,014 dB"};
        QTest::newRow("series: vanishing Zo between equal Rs and RL loses nothing")
            << QStringList{"LC_RG_R_Schaltung=1"} << QStringList{"LC_E_R_Q=100000"}
            << QStringList{"LC_E_R_TL=0,000 dB"};
        QTest::newRow("QL gives Rv")
            << QStringList() << QStringList{"LC_E_P_Q=50"}
            << QStringList{"LC_E_P_Q=50,000", "LC_E_P_R=318,310 m" + O};
        QTest::newRow("Rv gives QL")
            << QStringList() << QStringList{"LC_E_R_R=0,2"}
            << QStringList{"LC_E_R_R=200,000 m" + W, "LC_E_R_Q=79,577", "LC_E_R_QB=79,577"};
        QTest::newRow("source and load re-display with omega")
            << QStringList{"LC_RG_P_Schaltung=1"} << QStringList{"LC_E_P_Rs=2k", "LC_E_P_RL=50"}
            << QStringList{"LC_E_P_Rs=2,000 k" + W, "LC_E_P_RL=50,000 " + W};
    }
    void resonanceEntries()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kLc);
        const auto boxes = boxesDuring([&] {
            for (const QString& c : clicks)
                group(qPrintable(c.section('=', 0, 0)))->setItemIndex(c.section('=', 1).toInt());
            driver::enterEach(entries);
        });
        QCOMPARE(boxes.size(), 0);
        EXPECT_TEXTS(expected);
    }

    void parallelBandwidthUsesQbAsShown()
    {
        setNachkomma(1);
        lc()->LC_Parallel_Berechnung(7);
        EXPECT_TEXTS({"LC_E_P_QB=100,0", "LC_E_P_BW=100,0 kHz"});
        setNachkomma(3);
        lc()->LC_Parallel_Berechnung(7);
        EXPECT_TEXTS({"LC_E_P_QB=100,005", "LC_E_P_BW=99,995 kHz"});
    }

    void circuitChoiceShowsItsPictureAndFields()
    {
        Form1->PageControl1->setCurrentIndex(kLc);
        const auto& p = lc()->parallelSide();
        QVERIFY(driver::find("LC_I_P_LC")->isVisible());
        QVERIFY(!p.Rs->isVisible() && !p.TL->isVisible() && !p.tlLabel->isVisible());
        group("LC_RG_P_Schaltung")->setItemIndex(1);
        enter("LC_E_P_Rs", "2k");
        QVERIFY(driver::find("LC_I_P_RLC")->isVisible() && !driver::find("LC_I_P_LC")->isVisible());
        QVERIFY(p.Rs->isVisible() && p.RL->isVisible() && p.TL->isVisible());
        group("LC_RG_P_Schaltung")->setItemIndex(0);
        QVERIFY(!p.Rs->isVisible() && !p.TL->isVisible());
        group("LC_RG_P_Schaltung")->setItemIndex(2);
        QVERIFY(driver::find("LC_I_P_RLCR")->isVisible());
        EXPECT_TEXTS({"LC_E_P_Rs=2,000 k" + W});
        group("LC_RG_R_Auswahl")->setItemIndex(2);
        QVERIFY(!driver::field("LC_E_R_C")->isEnabled() && driver::field("LC_E_R_L")->isEnabled());
    }

    void qlOfZeroIsADivisionByZero_data()
    {
        QTest::addColumn<QString>("side");
        QTest::newRow("parallel") << "P";
        QTest::newRow("series") << "R";
    }
    void qlOfZeroIsADivisionByZero()
    {
        QFETCH(QString, side);
        Form1->PageControl1->setCurrentIndex(kLc);
        const QString q = "LC_E_" + side + "_Q";
        const QStringList before = driver::pageTexts(kLc);
        QCOMPARE(report(boxesDuring([&] { enter(q, "0"); })), QString("Gleitkommadivision durch Null."));
        QStringList after = driver::pageTexts(kLc);
        qsizetype qRow = 0;
        while (qRow < after.size() && !after[qRow].startsWith(q + "="))
            ++qRow;
        QVERIFY(qRow < after.size());
        QCOMPARE(after[qRow], q + "=" + withPunktKomma("0,000"));
        after[qRow] = before[qRow];
        QCOMPARE(after, before); // Rv and every result keep their text
    }

    void aLossResistanceTooLargeForTheFrequencyIsAnInvalidOperation()
    {
        Form1->PageControl1->setCurrentIndex(kLc);
        group("LC_RG_P_Auswahl")->setItemIndex(0);
        const auto boxes = boxesDuring([] { enter("LC_E_P_R", "1k"); });
        QCOMPARE(report(boxes), QString("Ungültige Gleitkommaoperation."));
        EXPECT_TEXTS({"LC_E_P_R=1,000 k" + W, "LC_E_P_Q=0,016", "LC_E_P_F=10,000 MHz"});
    }

    void qlKeepsItsTypedTextInSciAndEng()
    {
        Form1->PageControl1->setCurrentIndex(kLc);
        setNotation(Notation::Sci);
        enter("LC_E_P_Q", "50");
        EXPECT_TEXTS({"LC_E_P_Q=50", "LC_E_P_R=3,183E-01 " + O});
        enter("LC_E_P_R", withPunktKomma("0,2")); // the parallel calculation writes Rv anew from QL
        EXPECT_TEXTS({"LC_E_P_R=2,000E-01 " + O, "LC_E_P_Q=79,577"});
        enter("LC_E_R_R", withPunktKomma("0,2")); // the series side leaves it as entered
        EXPECT_TEXTS({"LC_E_R_R=2,000E-01 " + W, "LC_E_R_Q=79,577"});
    }

    // Both pages

    void settingsRoundTrip()
    {
        Form1->PageControl1->setCurrentIndex(kXlxc);
        xlxc()->XLXC_RG_XC->setItemIndex(1);
        driver::enterEach({"XL_E_F=7M", "XC_E_X=47", "XL_E_Q=22,4"});
        QTest::mouseClick(driver::field("XL_E_R"), Qt::LeftButton);
        Form1->PageControl1->setCurrentIndex(kLc);
        group("LC_RG_P_Auswahl")->setItemIndex(2);
        group("LC_RG_R_Schaltung")->setItemIndex(2);
        driver::enterEach({"LC_E_P_F=7M", "LC_E_R_Rs=75", "LC_E_R_R=0,5"});
        QTest::mouseClick(driver::field("LC_E_P_R"), Qt::LeftButton);

        const auto state = [] {
            QStringList s = driver::pageTexts(kXlxc) + driver::pageTexts(kLc);
            for (const char* name : {"XLXC_RG_XL", "XLXC_RG_XC", "LC_RG_P_Auswahl", "LC_RG_R_Auswahl",
                                     "LC_RG_P_Schaltung", "LC_RG_R_Schaltung"})
                s << QString("%1=%2").arg(name).arg(group(name)->itemIndex());
            for (const char* name : {"XL_E_Q", "XL_E_R", "XC_E_Q", "XC_E_R", "LC_E_P_Q", "LC_E_P_R", "LC_E_R_Q", "LC_E_R_R"})
                s << QString("%1 colour %2").arg(name, colourName(driver::field(name)->fontColour()));
            return s;
        };
        const QStringList shown = state();
        IniDocument ini;
        xlxc()->storeSettings(ini);
        lc()->storeSettings(ini);
        QVERIFY(ini.toText().contains("Schrift_VerlustR=clWindowText"));
        xlxc()->loadFactoryDefaults();
        lc()->loadFactoryDefaults();
        const auto stored = IniDocument::fromBytes(ini.toBytes());
        xlxc()->loadSettings(StoredSettings(stored, punktKomma()));
        lc()->loadSettings(StoredSettings(stored, punktKomma()));
        QCOMPARE(state(), shown);
    }

    void storedSelectionsOutsideTheItems()
    {
        const auto ini = IniDocument::fromText("[XL]\nF-L-X=-1\n[XC]\nF-C-X=5\n[LC-Schwingkreis]\nF-L-C_P=-3\nP_Schaltung=9\n");
        xlxc()->loadSettings(StoredSettings(ini, ','));
        lc()->loadSettings(StoredSettings(ini, ','));
        QCOMPARE(group("XLXC_RG_XL")->itemIndex(), 2);
        QCOMPARE(group("XLXC_RG_XC")->itemIndex(), 2);
        QCOMPARE(group("LC_RG_P_Auswahl")->itemIndex(), 1);
        QCOMPARE(group("LC_RG_P_Schaltung")->itemIndex(), 2);
    }

    void reformatInAllThreeNotations_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SCI") << int(Notation::Sci)
                             << QStringList{"XL_E_F=1,000E+06 Hz", "XL_E_L=1,000E-05 H", "XL_E_X=6,283E+01 " + O,
                                            "XC_E_C=1,000E-09 F", "XC_E_R=7,958E+04 " + O,
                                            "LC_E_P_F=1,000E+07 Hz", "LC_E_P_L=2,533E-07 H",
                                            "LC_E_P_R=1,592E-01 " + O, "LC_E_P_BW=1,000E+05 Hz",
                                            "LC_E_R_Zo=1,592E-01 " + O};
        QTest::newRow("ENG") << int(Notation::Eng)
                             << QStringList{"XL_E_F=1,000E06 Hz", "XC_E_Z=159,155E00 " + O,
                                            "LC_E_P_C=1,000E-09 F", "LC_E_R_BW=100,000E03 Hz"};
        QTest::newRow("prefix") << int(Notation::Prefix)
                                << QStringList{"XL_E_L=10,000 µH", "XL_E_X=62,832 " + O,
                                               "LC_E_P_Zo=1,592 k" + O, "LC_E_R_L=253,303 nH"};
    }
    void reformatInAllThreeNotations()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        QCOMPARE(boxesDuring([] { TForm3::Anzeige_Format(); }).size(), 0);
        EXPECT_TEXTS(expected);
    }
};

QTEST_MAIN(TestComponentPages)
#include "tst_componentpages.moc"
