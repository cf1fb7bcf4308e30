// The RC networks page and the parallel/series transformation page as a user works them.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/RCGlieder.h"
#include "pages/gleichwSchalt.h"
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
using driver::text;

namespace {

constexpr int kRc = 7, kPs = 9;
const QString O = QStringLiteral("\u2126");
const QString W = QStringLiteral("\u03A9");

RCGlieder* rc() { return qobject_cast<RCGlieder*>(Form1->PageControl1->widget(kRc)); }
gleichwSchalt* ps() { return qobject_cast<gleichwSchalt*>(Form1->PageControl1->widget(kPs)); }


bool enabled(const char* name) { return driver::field(name)->isEnabled(); }

} // namespace

class TestTransformPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        rc()->loadFactoryDefaults();
        ps()->loadFactoryDefaults();
    }

    // RC networks

    void rcEntries_data()
    {
        QTest::addColumn<int>("network");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        for (int network : {0, 1, 2})
            QTest::newRow(qPrintable(QString("1 kΩ, 159,155 nF, network %1").arg(network)))
                << network << 0 << QStringList{"RC_E_C1=159,155n", "RC_E_R1=1k"}
                << QStringList{"RC_E_F=1000,000 Hz", "RC_E_s=159,155 µs", "RC_E_R1=1,000 k" + W};
        QTest::newRow("time constant with C computed")
            << 0 << 2 << QStringList{"RC_E_R1=1k", "RC_E_s=1m"}
            << QStringList{"RC_E_F=159,155 Hz", "RC_E_C1=1,000 µF", "RC_E_s=1,000 ms"};
        QTest::newRow("frequency with R computed")
            << 0 << 1 << QStringList{"RC_E_C1=10n", "RC_E_F=1k"}
            << QStringList{"RC_E_R1=15,915 k" + O, "RC_E_s=159,155 µs"};
        QTest::newRow("twin-T: C2 sets C1")
            << 2 << 0 << QStringList{"RC_E_R1=10k", "RC_E_C2=20n"}
            << QStringList{"RC_E_C1=10,000 nF", "RC_E_C2=20,000 nF", "RC_E_F=1,592 kHz", "RC_E_s=100,000 µs"};
        QTest::newRow("twin-T: R2 sets R1 and C with C computed")
            << 2 << 2 << QStringList{"RC_E_F=1k", "RC_E_R2=5k"}
            << QStringList{"RC_E_R1=10,000 k" + O, "RC_E_R2=5,000 k" + W, "RC_E_C1=15,915 nF",
                           "RC_E_C2=31,831 nF", "RC_E_s=159,155 µs"};
        QTest::newRow("twin-T: C1 keeps R2 and C2 in step")
            << 2 << 0 << QStringList{"RC_E_R1=2k", "RC_E_C1=47n"}
            << QStringList{"RC_E_R2=1,000 k" + O, "RC_E_C2=94,000 nF"};
    }
    void rcEntries()
    {
        QFETCH(int, network);
        QFETCH(int, selection);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kRc);
        rc()->RC_RG_Schaltung->setItemIndex(network);
        rc()->RC_RG_Auswahl->setItemIndex(selection);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    // A calculation reads an operand only where a step that runs needs it: the field it is
    // about to fill may be empty, and a missing operand stops it after the writes before it.
    void operandsAreReadWhereTheyAreNeeded_data()
    {
        QTest::addColumn<int>("network");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("reports");
        QTest::newRow("low-pass, F empty, R1 entered")
            << 0 << "RC_E_F" << QStringList{"RC_E_R1=1k"}
            << QStringList{"RC_E_F=9,997 Hz", "RC_E_s=15,920 ms"} << QStringList();
        QTest::newRow("twin-T, R1 empty, C2 entered")
            << 2 << "RC_E_R1" << QStringList{"RC_E_C2=20n"}
            << QStringList{"RC_E_C1=10,000 nF", "RC_E_R1="}
            << QStringList{"'' ist kein gültiger Gleitkommawert."};
    }
    void operandsAreReadWhereTheyAreNeeded()
    {
        QFETCH(int, network);
        QFETCH(QString, emptied);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, reports);
        Form1->PageControl1->setCurrentIndex(kRc);
        rc()->RC_RG_Schaltung->setItemIndex(network);
        rc()->RC_RG_Auswahl->setItemIndex(0);
        driver::field(emptied)->setFieldText(QString());
        QStringList shown;
        for (const driver::Box& box : driver::boxesDuring([&] { driver::enterEach(entries); }))
            shown << box.text;
        QCOMPARE(shown, reports);
        EXPECT_TEXTS(expected);
    }

    void twinTFillsAndBlanksR2AndC2()
    {
        Form1->PageControl1->setCurrentIndex(kRc);
        driver::enterEach({"RC_E_C1=10n", "RC_E_R1=10k"});
        const QString F = text("RC_E_F"), s = text("RC_E_s");
        rc()->RC_RG_Schaltung->setItemIndex(2);
        EXPECT_TEXTS({"RC_E_R2=5,000 k" + O, "RC_E_C2=20,000 nF"});
        QCOMPARE(text("RC_E_F"), F);
        QCOMPARE(text("RC_E_s"), s);
        QVERIFY(rc()->findChild<QLabel*>("Label33")->isEnabled() && enabled("RC_E_R2"));
        QCOMPARE(rc()->findChild<QLabel*>("Label30")->text(), QString("Mittenfrequenz"));
        rc()->RC_RG_Schaltung->setItemIndex(0);
        QCOMPARE(text("RC_E_R2"), QString("      "));
        QCOMPARE(text("RC_E_C2"), QString("      "));
        QVERIFY(!rc()->findChild<QLabel*>("Label35")->isEnabled() && !enabled("RC_E_C2"));
        QCOMPARE(rc()->findChild<QLabel*>("Label30")->text(), QString("Grenzfrequenz"));
        // the voltage/current windows have an Image1 of their own
        QVERIFY(rc()->findChild<QWidget*>("Image1")->isVisibleTo(rc()) && !driver::find("Image31")->isVisibleTo(rc()));
        rc()->RC_RG_Schaltung->setItemIndex(2);
        EXPECT_TEXTS({"RC_E_R2=5,000 k" + O, "RC_E_C2=20,000 nF"});
        QVERIFY(driver::find("Image31")->isVisibleTo(rc()));
        rc()->RC_RG_Schaltung->setItemIndex(1);
        QVERIFY(driver::find("Image32")->isVisibleTo(rc()));
    }

    void enableRule_data()
    {
        QTest::addColumn<int>("network");
        QTest::addColumn<int>("selection");
        QTest::addColumn<QString>("enabledFields");
        QTest::newRow("RC-Glied, F / s") << 0 << 0 << "R1 C1";
        QTest::newRow("RC-Glied, R") << 0 << 1 << "F s C1";
        QTest::newRow("Wien, C") << 1 << 2 << "F s R1";
        QTest::newRow("twin-T, F / s") << 2 << 0 << "R1 R2 C1 C2";
        QTest::newRow("twin-T, R") << 2 << 1 << "F s C1 C2";
        QTest::newRow("twin-T, C") << 2 << 2 << "F s R1 R2";
    }
    void enableRule()
    {
        QFETCH(int, network);
        QFETCH(int, selection);
        QFETCH(QString, enabledFields);
        rc()->RC_RG_Schaltung->setItemIndex(network);
        rc()->RC_RG_Auswahl->setItemIndex(selection);
        QStringList on;
        for (const char* f : {"F", "s", "R1", "R2", "C1", "C2"})
            if (enabled(qPrintable(QString("RC_E_") + f)))
                on << f;
        QCOMPARE(on.join(' '), enabledFields);
        QCOMPARE(rc()->RCGlied, network + 1);
        QCOMPARE(rc()->RCAuswahl, selection + 1);
    }

    // Parallel/series transformation

    void transformationEntries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("factory state: computed from Rp")
            << QStringList()
            << QStringList{"PS_E_Lp=10,000 µH", "PS_E_Cp=195,450 pF", "PS_E_Rs=24,698 " + O, "PS_E_Xs=2,730 " + O,
                           "PS_E_Ls=120,682 nH", "PS_E_Cs=16,195 nF", "PS_E_Xp=226,195 " + O};
        QTest::newRow("3,6 MHz, 25 Ω parallel to 226,195 Ω")
            << QStringList{"PS_E_F=3,6M", "PS_E_Xp=226,195", "PS_E_Rp=25"}
            << QStringList{"PS_E_Lp=10,000 µH", "PS_E_Cp=195,450 pF", "PS_E_Rs=24,698 " + O, "PS_E_Xs=2,730 " + O,
                           "PS_E_Ls=120,682 nH", "PS_E_Cs=16,195 nF"};
        QTest::newRow("and back from the series values")
            << QStringList{"PS_E_Xs=2,73", "PS_E_Rs=24,698"}
            << QStringList{"PS_E_Rp=25,000 " + O, "PS_E_Xp=226,170 " + O, "PS_E_Xs=2,730 " + O};
        QTest::newRow("Rp equal to Xp halves both")
            << QStringList{"PS_E_Xp=100", "PS_E_Rp=100"}
            << QStringList{"PS_E_Rs=50,000 " + O, "PS_E_Xs=50,000 " + O};
        QTest::newRow("Cs sets Xs, and Ls resonates with it")
            << QStringList{"PS_E_Cs=10n"}
            << QStringList{"PS_E_Xs=4,421 " + O, "PS_E_Ls=195,450 nH", "PS_E_Cs=10,000 nF"};
        QTest::newRow("Lp sets Xp and Cp, Lp stays as entered")
            << QStringList{"PS_E_Lp=20u"}
            << QStringList{"PS_E_Lp=20,000 µH", "PS_E_Xp=452,389 " + O, "PS_E_Cp=97,725 pF"};
    }
    void transformationEntries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kPs);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void theFrequencyAloneChangesNothingElse()
    {
        Form1->PageControl1->setCurrentIndex(kPs);
        const QStringList before = driver::pageTexts(kPs);
        driver::enter("PS_E_F", "7M");
        QStringList after = driver::pageTexts(kPs);
        QStringList withoutF = before;
        for (QStringList* l : {&after, &withoutF})
            l->removeIf([](const QString& t) { return t.startsWith("PS_E_F="); });
        QCOMPARE(after, withoutF);
        EXPECT_TEXTS({"PS_E_F=7,000 MHz"});
    }

    // Both pages

    void settingsRoundTrip()
    {
        Form1->PageControl1->setCurrentIndex(kRc);
        rc()->RC_RG_Schaltung->setItemIndex(2);
        rc()->RC_RG_Auswahl->setItemIndex(1);
        driver::enterEach({"RC_E_C1=22n", "RC_E_F=2k"});
        Form1->PageControl1->setCurrentIndex(kPs);
        driver::enterEach({"PS_E_F=14M", "PS_E_Cs=100p"});
        const QStringList shown = driver::pageTexts(kRc) + driver::pageTexts(kPs);
        IniDocument ini;
        rc()->storeSettings(ini);
        ps()->storeSettings(ini);
        rc()->loadFactoryDefaults();
        ps()->loadFactoryDefaults();
        const auto stored = IniDocument::fromBytes(ini.toBytes());
        rc()->loadSettings(StoredSettings(stored, punktKomma()));
        ps()->loadSettings(StoredSettings(stored, punktKomma()));
        QCOMPARE(driver::pageTexts(kRc) + driver::pageTexts(kPs), shown);
        QCOMPARE(rc()->RC_RG_Schaltung->itemIndex(), 2);
        QCOMPARE(rc()->RC_RG_Auswahl->itemIndex(), 1);
        QVERIFY(!enabled("RC_E_R1") && enabled("RC_E_C2"));
    }

    void reformatInAllThreeNotations_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SCI") << int(Notation::Sci)
                             << QStringList{"RC_E_F=1,000E+02 Hz", "RC_E_s=1,590E-03 s", "RC_E_R1=9,997E+01 " + O,
                                            "RC_E_R2=      ", "PS_E_F=3,600E+06 Hz", "PS_E_Rp=2,500E+01 " + O,
                                            "PS_E_Cp=1,954E-10 F", "PS_E_Cs=1,620E-08 F"};
        QTest::newRow("ENG") << int(Notation::Eng)
                             << QStringList{"RC_E_C1=15,920E-06 F", "RC_E_C2=      ", "PS_E_Lp=10,000E-06 H",
                                            "PS_E_Ls=120,682E-09 H"};
        QTest::newRow("prefix") << int(Notation::Prefix)
                                << QStringList{"RC_E_R1=99,972 " + O, "PS_E_Xs=2,730 " + O};
    }
    void reformatInAllThreeNotations()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        QCOMPARE(driver::boxesDuring([] { TForm3::Anzeige_Format(); }).size(), 0);
        EXPECT_TEXTS(expected);
    }

    void reformatInTheTwinTNetworkShowsR2AndC2()
    {
        rc()->RC_RG_Schaltung->setItemIndex(2);
        setNotation(Notation::Eng);
        QCOMPARE(driver::boxesDuring([] { TForm3::Anzeige_Format(); }).size(), 0);
        EXPECT_TEXTS({"RC_E_R2=49,986E00 " + O, "RC_E_C2=31,840E-06 F"});
    }
};

QTEST_MAIN(TestTransformPages)
#include "tst_transformpages.moc"
