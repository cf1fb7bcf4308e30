// The level pages dB rel., dBm and dBµV as a user works them: the worked examples, the
// messages, the leading blank of the dBm results, settings and re-formatting.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "settings/IniDocument.h"
#include "settings/Optionen361.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "widgets/EditField.h"
#include "values/DisplayOptions.h"
#include "widgets/PageControl.h"

#include <QLineEdit>
#include <QtTest>

using namespace ampero;
using driver::boxesDuring;
using driver::mismatches;
using driver::text;


namespace {

constexpr int kDbrel = 1, kDbm = 2, kDbuv = 3;

Page* page(int index)
{
    return qobject_cast<Page*>(Form1->PageControl1->widget(index));
}

void show(int index) { Form1->PageControl1->setCurrentIndex(index); }


} // namespace

class TestLevelPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::clearFocus();
        setNachkomma(2);
        setNotation(Notation::Prefix);
        for (int i : {kDbrel, kDbm, kDbuv})
            page(i)->loadFactoryDefaults();
    }

    void entries_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("dB rel.: steps of 775 mV")
            << kDbrel << QStringList{"dBrelU_E_0dB=775m"}
            << QStringList{"dBrelU_E_0dB=775,00 mV", "dBrelU_E_p6dB=1,55 V", "dBrelU_E_p20dB=7,75 V",
                           "dBrelU_E_m20dB=77,50 mV", "dBrelU_E_p1dB=869,56 mV",
                           "dBrelU_E_m3dB=548,66 mV", "dBrelU_E_p10dB=2,45 V"};
        QTest::newRow("dB rel.: band of 6 dB")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pmdB=6"}
            << QStringList{"dBrelU_E_pmdB=6,00 dB", "dBrelU_E_pmUdBo=1,41 V", "dBrelU_E_pmUdBu=707,95 mV"};
        QTest::newRow("dB rel.: upper value of the band")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pmUdBo=2"}
            << QStringList{"dBrelU_E_pmdB=12,04 dB", "dBrelU_E_pmUdBu=500,00 mV"};
        QTest::newRow("dB rel.: lower value of the band")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pmUdBu=0,5"}
            << QStringList{"dBrelU_E_pmdB=12,04 dB", "dBrelU_E_pmUdBo=2,00 V"};
        QTest::newRow("dB rel.: value above equal to the reference")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pUdB=1"}
            << QStringList{"dBrelU_E_pdB=0,00 dB"};
        QTest::newRow("dB rel.: value above below the reference")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pUdB=500m"}
            << QStringList{"dBrelU_E_pdB=-6,02 dB"};
        QTest::newRow("dB rel.: offsets above and below")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_pdB=20", "dBrelU_E_mdB=6"}
            << QStringList{"dBrelU_E_pUdB=10,00 V", "dBrelU_E_mUdB=501,19 mV"};
        QTest::newRow("dB rel.: value below")
            << kDbrel << QStringList{"dBrelU_E_0dB=1", "dBrelU_E_mUdB=0,1"}
            << QStringList{"dBrelU_E_mdB=20,00 dB", "dBrelU_E_mUdB=100,00 mV"};

        QTest::newRow("dBm: 0 dBm")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_dB=0"}
            << QStringList{"dBm_E_lin=1,00 mW", "dBm_E_Ueff=223,61 mV", "dBm_E_Uss=632,46 mV", "dBm_E_dB=0,00 dBm"};
        QTest::newRow("dBm: 30 dBm")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_dB=30"}
            << QStringList{"dBm_E_lin=1,00 W", "dBm_E_Ueff=7,07 V", "dBm_E_Uss=20,00 V"};
        QTest::newRow("dBm: RMS voltage")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_Ueff=1"}
            << QStringList{"dBm_E_Ueff=1,00 V", "dBm_E_lin=20,00 mW", "dBm_E_dB=13,01 dBm", "dBm_E_Uss=2,83 V"};
        QTest::newRow("dBm: peak-to-peak voltage")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_Uss=20"}
            << QStringList{"dBm_E_Ueff=7,07 V", "dBm_E_lin=1,00 W", "dBm_E_dB=30,00 dBm"};
        QTest::newRow("dBm: power")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_lin=2"}
            << QStringList{"dBm_E_dB=33,01 dBm", "dBm_E_Ueff=10,00 V", "dBm_E_Uss=28,28 V"};
        QTest::newRow("dBm: the level takes a prefix letter")
            << kDbm << QStringList{"dBm_E_dB=10 m"} << QStringList{"dBm_E_dB=0,01 dBm"};
        QTest::newRow("dBm: a new impedance keeps the power")
            << kDbm << QStringList{"dBm_E_R=50", "dBm_E_dB=30", "dBm_E_R=75"}
            << QStringList{"dBm_E_R=75,00 Ω", "dBm_E_Ueff=8,66 V", "dBm_E_dB=30,00 dBm", "dBm_E_lin=1,00 W"};

        QTest::newRow("dBµV: 60 dBµV")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_dB=60"}
            << QStringList{"dBuV_E_Ueff=1,00 mV", "dBuV_E_Uss=2,83 mV", "dBuV_E_lin=20,00 nW",
                           "dBuV_E_dBm=-46,99 dBm", "dBuV_E_dB=60,00 dBµV"};
        QTest::newRow("dBµV: 0 dBm")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_dBm=0"}
            << QStringList{"dBuV_E_lin=1,00 mW", "dBuV_E_Ueff=223,61 mV", "dBuV_E_Uss=632,46 mV",
                           "dBuV_E_dB=106,99 dBµV", "dBuV_E_dBm=0,00 dBm"};
        QTest::newRow("dBµV: a new impedance keeps the voltage")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_dB=60", "dBuV_E_R=75"}
            << QStringList{"dBuV_E_Ueff=1,00 mV", "dBuV_E_Uss=2,83 mV", "dBuV_E_dB=60,00 dBµV",
                           "dBuV_E_lin=13,33 nW", "dBuV_E_dBm=-48,75 dBm"};
        QTest::newRow("dBµV: peak-to-peak voltage")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_Uss=2,82843"}
            << QStringList{"dBuV_E_Ueff=1,00 V", "dBuV_E_lin=20,00 mW", "dBuV_E_dB=120,00 dBµV",
                           "dBuV_E_dBm=13,01 dBm"};
        QTest::newRow("dBµV: RMS voltage")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_Ueff=1m"}
            << QStringList{"dBuV_E_Uss=2,83 mV", "dBuV_E_lin=20,00 nW", "dBuV_E_dB=60,00 dBµV",
                           "dBuV_E_dBm=-46,99 dBm"};
        QTest::newRow("dBµV: power")
            << kDbuv << QStringList{"dBuV_E_R=50", "dBuV_E_lin=1m"}
            << QStringList{"dBuV_E_Ueff=223,61 mV", "dBuV_E_Uss=632,46 mV", "dBuV_E_dB=106,99 dBµV",
                           "dBuV_E_dBm=0,00 dBm"};
    }
    void entries()
    {
        QFETCH(int, page);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        show(page);
        QCOMPARE(boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void rejectedEntries_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("dB rel.: offset above 120")
            << kDbrel << "dBrelU_E_pdB" << "121"
            << "Die Eingabe \"121\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger Wertebereich: 0 bis 120";
        QTest::newRow("dB rel.: reference not a number")
            << kDbrel << "dBrelU_E_0dB" << "x" << "ungültige Eingabe \"x\"";
        QTest::newRow("dBm: level below -174")
            << kDbm << "dBm_E_dB" << "-175"
            << "Die Eingabe \"-175\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger Wertebereich: -174 bis 320";
        QTest::newRow("dBµV: level below -70")
            << kDbuv << "dBuV_E_dB" << "-71"
            << "Die eingegebene Zahl-71 dBuV ist nicht richtig !\n\n        zulässiger Bereich:-70 bis 320 dBuV";
        QTest::newRow("dBµV: empty level")
            << kDbuv << "dBuV_E_dB" << "" << "Die eingegebene Zahl  ist keine Gleitkommazahl !";
        QTest::newRow("dBµV: peak-to-peak above its bound")
            << kDbuv << "dBuV_E_Uss" << "1P"
            << "Die Eingabe \"1P\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger Wertebereich: 1e-14 bis 9e14";
    }
    void rejectedEntries()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        show(page);
        driver::focus(field);
        const QStringList before = driver::pageTexts(page);
        const auto boxes = boxesDuring([&] { driver::enter(field, typed); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Fehler"));
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(driver::pageTexts(page), before);
    }

    // The impedance is read only where a step needs it: what is written before that step
    // stays, and the report follows.
    void anUnreadableImpedanceStopsAfterTheStepsThatDoNotNeedIt_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("impedance");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kept");
        QTest::newRow("dBm level") << kDbm << "dBm_E_R" << "dBm_E_dB=10" << "dBm_E_lin=10,00 mW"
                                   << "dBm_E_Ueff";
        QTest::newRow("dBm power") << kDbm << "dBm_E_R" << "dBm_E_lin=10m" << "dBm_E_dB=10,00 dBm"
                                   << "dBm_E_Ueff";
        QTest::newRow("dBµV level") << kDbuv << "dBuV_E_R" << "dBuV_E_dB=20"
                                    << "dBuV_E_Uss=28,28 µV" << "dBuV_E_lin";
        QTest::newRow("dBµV dBm level") << kDbuv << "dBuV_E_R" << "dBuV_E_dBm=0"
                                        << "dBuV_E_lin=1,00 mW" << "dBuV_E_Ueff";
    }
    void anUnreadableImpedanceStopsAfterTheStepsThatDoNotNeedIt()
    {
        QFETCH(int, page);
        QFETCH(QString, impedance);
        QFETCH(QString, entry);
        QFETCH(QString, written);
        QFETCH(QString, kept);
        show(page);
        driver::field(impedance)->setFieldText("x");
        const QString before = text(kept);
        const auto boxes = boxesDuring([&] { driver::enterEach({entry}); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("'' ist kein gültiger Gleitkommawert."));
        EXPECT_TEXTS({written});
        QCOMPARE(text(kept), before);
    }

    void enterInAnEmptyDbmLevelDoesNothing()
    {
        show(kDbm);
        const auto boxes = boxesDuring([] { driver::enter("dBm_E_dB", ""); });
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(text("dBm_E_lin"), withPunktKomma("1,000 mW"));
    }

    void dbmResultsOfPowerAndVoltageCarryALeadingBlankInSciAndEng()
    {
        show(kDbm);
        driver::enter("dBm_E_R", "50");
        setNotation(Notation::Sci);
        driver::enter("dBm_E_Ueff", "5");
        EXPECT_TEXTS({"dBm_E_Ueff=5,00E+00 V", "dBm_E_lin= 5,00E-01 W", "dBm_E_Uss= 1,41E+01 V",
                      "dBm_E_dB=26,99 dBm"});
        driver::enter("dBm_E_lin", "2");
        EXPECT_TEXTS({"dBm_E_lin=2,00E+00 W", "dBm_E_Ueff= 1,00E+01 V", "dBm_E_Uss= 2,83E+01 V"});
        setNotation(Notation::Eng);
        driver::enter("dBm_E_Uss", "20");
        EXPECT_TEXTS({"dBm_E_Ueff= 7,07E00 V", "dBm_E_lin= 1,00E00 W"});
        driver::enter("dBm_E_R", "75"); // no blank from the impedance, nor from the level
        EXPECT_TEXTS({"dBm_E_R=75,00E00 Ω", "dBm_E_Ueff=8,66E00 V"});
        driver::enter("dBm_E_dB", "0");
        EXPECT_TEXTS({"dBm_E_lin=1,00E-03 W", "dBm_E_Ueff=273,86E-03 V"});
    }

    void factoryTextsAreWhatThePagesCompute_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("unchanged");
        QTest::newRow("dB rel.") << kDbrel << "dBrelU_E_0dB=775m" << QStringList();
        QTest::newRow("dBm") << kDbm << "dBm_E_dB=0" << QStringList{"dBm_E_dB"};
        QTest::newRow("dBµV") << kDbuv << "dBuV_E_dB=0" << QStringList{"dBuV_E_dB"};
    }
    void factoryTextsAreWhatThePagesCompute()
    {
        QFETCH(int, page);
        QFETCH(QString, entry);
        QFETCH(QStringList, unchanged);
        setNachkomma(3);
        show(page);
        ::page(page)->loadFactoryDefaults();
        const QStringList defaults = driver::pageTexts(page);
        driver::enterEach({entry});
        QStringList after = driver::pageTexts(page);
        for (int i = 0; i < after.size(); ++i)
            for (const QString& name : unchanged)
                if (after[i].startsWith(name + "="))
                    after[i] = defaults[i]; // "0 dBm" is shown as "0,000 dBm" after Enter
        QCOMPARE(after, defaults);
    }

    void settingsRoundTrip_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("dB rel.") << kDbrel << QStringList{"dBrelU_E_0dB=2", "dBrelU_E_pdB=3", "dBrelU_E_mdB=7", "dBrelU_E_pmdB=5"};
        QTest::newRow("dBm") << kDbm << QStringList{"dBm_E_R=75", "dBm_E_dB=12"};
        QTest::newRow("dBµV") << kDbuv << QStringList{"dBuV_E_R=300", "dBuV_E_dB=80"};
    }
    void settingsRoundTrip()
    {
        QFETCH(int, page);
        QFETCH(QStringList, entries);
        show(page);
        driver::enterEach(entries);
        const QStringList shown = driver::pageTexts(page);
        IniDocument ini;
        ::page(page)->storeSettings(ini);
        ::page(page)->loadFactoryDefaults();
        ::page(page)->loadSettings(StoredSettings(IniDocument::fromBytes(ini.toBytes()), punktKomma()));
        QCOMPARE(driver::pageTexts(page), shown);
    }

    void dbrelStoresTheNotation()
    {
        IniDocument ini;
        setNotation(Notation::Eng);
        page(kDbrel)->storeSettings(ini);
        QCOMPARE(ini.value("dBrel", "Anzeige").value_or(""), QString("2"));
    }

    void reformatInSciAndEng_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SCI") << int(Notation::Sci)
                             << QStringList{"dBrelU_E_0dB=7,75E-01 V", "dBrelU_E_p20dB=7,75E+00 V",
                                            "dBrelU_E_pUdB=1,30E+00 V", "dBm_E_R=5,00E+01 Ω",
                                            "dBm_E_Ueff=2,24E-01 V", "dBm_E_lin=1,00E-03 W",
                                            "dBuV_E_Ueff=1,00E-06 V", "dBuV_E_lin=1,33E-14 W",
                                            "dBuV_E_R=7,50E+01 Ω", "dBuV_E_dB=0,00 dBµV"};
        QTest::newRow("ENG") << int(Notation::Eng)
                             << QStringList{"dBrelU_E_0dB=775,00E-03 V", "dBrelU_E_m20dB=77,50E-03 V",
                                            "dBm_E_R=50,00E00 Ω", "dBm_E_Uss=632,46E-03 V",
                                            "dBuV_E_Uss=2,83E-06 V", "dBuV_E_dBm=-108,75 dBm"};
    }
    void reformatInSciAndEng()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        TForm3::Anzeige_Format();
        EXPECT_TEXTS(expected);
    }
};

QTEST_MAIN(TestLevelPages)
#include "tst_levelpages.moc"
