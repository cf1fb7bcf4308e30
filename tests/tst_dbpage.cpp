// The dB page as a user works it: entries, their messages, leaving the ratio fields, and the
// standard report when a calculation meets a bad text or a floating-point fault.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/dB.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"

#include <QLocale>
#include <QtTest>

using namespace ampero;
using driver::Box;
using driver::boxesDuring;
using driver::enter;
using driver::text;

namespace {

const QString kPower = "Leistung";
const QString kVoltage = "Spannung";

void showSubPage(const QString& caption)
{
    Form1->PageControl1->setCurrentIndex(0);
    auto* sub = driver::find<QTabWidget>("PageControl2");
    sub->setCurrentIndex(caption == kPower ? 0 : 1);
}

// The texts of all fields and labels of the page, to show that nothing else changed.
QStringList pageTexts()
{
    QStringList texts;
    for (const char* name : {"db_P_E_Pin", "db_P_a_dB", "db_P_a_lin", "db_P_E_Pout",
                             "dB_L_P_Verstaerkung", "dB_U_E_Uin", "db_U_a_dB", "dB_U_a_lin",
                             "dB_U_E_Uout", "dB_L_U_Verstaerkung"})
        texts << text(name);
    return texts;
}

QString sep(QString s) { return withPunktKomma(s); }

} // namespace

class TestdBPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        setNachkomma(2);
        setNotation(Notation::Prefix);
        driver::clearFocus();
        Form1->dBPage->loadFactoryDefaults();
    }

    void separatorComesFromTheLocale()
    {
        QCOMPARE(QString(punktKomma()), QLocale::system().decimalPoint());
        Form1->dBPage->loadFactoryDefaults();
        QCOMPARE(text("dB_U_E_Uin"), sep("20,000 V"));
        showSubPage(kPower);
        enter("db_P_E_Pin", "1.5"); // either key types the separator in use
        QCOMPARE(text("db_P_E_Pin"), sep("1,50 W"));
        enter("db_P_E_Pin", "2,5");
        QCOMPARE(text("db_P_E_Pin"), sep("2,50 W"));
    }

    void entries_data()
    {
        QTest::addColumn<QString>("subPage");
        QTest::addColumn<QStringList>("entries"); // field=text, in order
        QTest::addColumn<QStringList>("expected"); // field=text

        QTest::newRow("power gain")
            << kPower << QStringList{"db_P_E_Pin=20", "db_P_a_dB=10"}
            << QStringList{"db_P_E_Pin=20,00 W", "db_P_a_dB=10,00 dB", "db_P_a_lin=10,00",
                           "db_P_E_Pout=200,00 W", "dB_L_P_Verstaerkung=Verstärkung"};
        QTest::newRow("power loss")
            << kPower << QStringList{"db_P_E_Pin=20", "db_P_a_dB=-10"}
            << QStringList{"db_P_a_lin=0,10", "db_P_E_Pout=2,00 W", "dB_L_P_Verstaerkung=Dämpfung"};
        QTest::newRow("voltage gain")
            << kVoltage << QStringList{"dB_U_E_Uin=1", "db_U_a_dB=20"}
            << QStringList{"dB_U_a_lin=10,00", "dB_U_E_Uout=10,00 V"};
        QTest::newRow("factor 1000 is fixed text")
            << kVoltage << QStringList{"db_U_a_dB=60"} << QStringList{"dB_U_a_lin=1000,00"};
        QTest::newRow("factor above 1000 is exponent text")
            << kVoltage << QStringList{"db_U_a_dB=61"} << QStringList{"dB_U_a_lin=1,12E+03"};
        QTest::newRow("0 dB blanks the word")
            << kPower << QStringList{"db_P_a_dB=0"}
            << QStringList{"db_P_a_lin=1,00", "dB_L_P_Verstaerkung="};
        QTest::newRow("factor 1 blanks the word")
            << kVoltage << QStringList{"dB_U_a_lin=1"}
            << QStringList{"db_U_a_dB=0,00 dB", "dB_L_U_Verstaerkung="};
        QTest::newRow("factor 1m is fixed text")
            << kPower << QStringList{"db_P_a_lin=1m"} << QStringList{"db_P_a_lin=0,00"};
        QTest::newRow("factor 0,9m is exponent text")
            << kPower << QStringList{"db_P_a_lin=0,9m"} << QStringList{"db_P_a_lin=9,00E-04"};
        QTest::newRow("factor entry")
            << kPower << QStringList{"db_P_E_Pin=2m", "db_P_a_lin=0,5"}
            << QStringList{"db_P_a_dB=-3,01 dB", "db_P_E_Pout=1,00 mW",
                           "dB_L_P_Verstaerkung=Dämpfung"};
        QTest::newRow("input entry uses the factor field")
            << kVoltage << QStringList{"dB_U_a_lin=4", "dB_U_E_Uin=250m"}
            << QStringList{"dB_U_E_Uin=250,00 mV", "dB_U_E_Uout=1,00 V"};
        QTest::newRow("input at its lower bound")
            << kPower << QStringList{"db_P_E_Pin=1p"} << QStringList{"db_P_E_Pout=10,00 pW"};
        QTest::newRow("output field has no handler")
            << kPower << QStringList{"db_P_E_Pout=5"}
            << QStringList{"db_P_E_Pout=5", "db_P_E_Pin=20,000 W", "db_P_a_lin=10,000"};
    }
    void entries()
    {
        QFETCH(QString, subPage);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        showSubPage(subPage);
        const auto boxes = boxesDuring([&] {
            for (const QString& e : entries)
                enter(e.section('=', 0, 0), sep(e.section('=', 1)));
        });
        QCOMPARE(boxes.size() ? boxes[0].text : QString(), QString());
        for (const QString& e : expected)
            QCOMPARE(text(e.section('=', 0, 0)), sep(e.section('=', 1)));
    }

    void powerEntriesLeaveTheVoltageWord()
    {
        showSubPage(kPower);
        enter("db_P_a_dB", "-3");
        driver::leave("db_P_a_dB");
        enter("db_P_a_lin", sep("0,5"));
        driver::leave("db_P_a_lin");
        QCOMPARE(text("dB_L_P_Verstaerkung"), QString("Dämpfung"));
        QCOMPARE(text("dB_L_U_Verstaerkung"), QString("Verstärkung"));
    }

    void rejectedEntries_data()
    {
        QTest::addColumn<QString>("subPage");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("gain out of range")
            << kPower << "db_P_a_dB" << "299"
            << "Die eingegebene Zahl299 dB ist nicht richtig !\n\n        zulässiger Bereich:-298 bis 298 dB";
        QTest::newRow("empty gain")
            << kVoltage << "db_U_a_dB" << "" << "Die eingegebene Zahl  ist keine Gleitkommazahl !";
        QTest::newRow("power factor out of range")
            << kPower << "db_P_a_lin" << "1E30"
            << "Die eingegebene Zahl1E30 ist nicht richtig !\n\n        zulässiger Bereich:1585e-27 bis 631e27";
        QTest::newRow("voltage factor bound with its blank")
            << kVoltage << "dB_U_a_lin" << "1E15"
            << "Die eingegebene Zahl1E15 ist nicht richtig !\n\n        zulässiger Bereich:129e-13 bis 8e+14 ";
        QTest::newRow("voltage not a number")
            << kVoltage << "dB_U_E_Uin" << "abc" << "ungültige Eingabe \"abc\"";
        QTest::newRow("power out of range")
            << kPower << "db_P_E_Pin" << "2T"
            << "Die Eingabe \"2T\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger Wertebereich: 1e-12 bis 1e12";
    }
    void rejectedEntries()
    {
        QFETCH(QString, subPage);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        showSubPage(subPage);
        driver::focus(field);
        const QStringList before = pageTexts();
        const QString previous = text(field);
        const auto boxes = boxesDuring([&] { enter(field, typed); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Fehler"));
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(text(field), previous);
        QCOMPARE(pageTexts(), before);
    }

    void enterInEmptyValueFieldDoesNothing()
    {
        showSubPage(kPower);
        const auto boxes = boxesDuring([] { enter("db_P_E_Pin", ""); });
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(text("db_P_E_Pin"), QString());
        QCOMPARE(text("db_P_E_Pout"), sep("200,000 W"));
    }

    void leavingTheGainField()
    {
        showSubPage(kPower);
        driver::type("db_P_a_dB", "30");
        const auto boxes = boxesDuring([] { driver::leave("db_P_a_dB"); });
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(text("db_P_a_lin"), sep("1000,00"));
        QCOMPARE(text("db_P_a_dB"), sep("30,00 dB"));
        QCOMPARE(text("dB_L_P_Verstaerkung"), QString("Verstärkung"));
        QCOMPARE(text("db_P_E_Pout"), sep("200,000 W")); // not recomputed
    }

    void leavingTheFactorField()
    {
        showSubPage(kVoltage);
        driver::type("dB_U_a_lin", sep("0,1"));
        driver::leave("dB_U_a_lin");
        QCOMPARE(text("dB_U_a_lin"), sep("0,10"));
        QCOMPARE(text("db_U_a_dB"), sep("-20,00 dB"));
        QCOMPARE(text("dB_U_E_Uout"), sep("2,00 V"));
        QCOMPARE(text("dB_L_U_Verstaerkung"), QString("Dämpfung"));
    }

    void leavingAnUnchangedFieldKeepsItsValue()
    {
        // 1m shows as "0,00" with two decimals; reading that back would make the factor 0.
        showSubPage(kPower);
        enter("db_P_a_lin", "1m");
        const QStringList after = pageTexts();
        const auto boxes = boxesDuring([] { driver::leave("db_P_a_lin"); });
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(pageTexts(), after);
        QCOMPARE(text("db_P_E_Pout"), sep("20,00 mW"));
    }

    void leavingAFieldThatDoesNotParse()
    {
        showSubPage(kPower);
        driver::type("db_P_a_lin", "abc");
        const QStringList before = pageTexts();
        const auto boxes = boxesDuring([] { driver::leave("db_P_a_lin"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, QString("'' ist kein gültiger Gleitkommawert."));
        QCOMPARE(pageTexts(), before);
    }

    void calculationReadingABadFieldStopsWithTheReport()
    {
        showSubPage(kVoltage);
        driver::field("dB_U_a_lin")->setText("x1"); // as a settings file may hold it
        const auto boxes = boxesDuring([] { enter("dB_U_E_Uin", "3"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, QString("'x1' ist kein gültiger Gleitkommawert."));
        QCOMPARE(text("dB_U_E_Uin"), sep("3,00 V")); // re-displayed before the calculation
        QCOMPARE(text("dB_U_E_Uout"), sep("200,000 V"));
    }

    void floatingPointFaultEndsTheCalculationAtItsStep()
    {
        showSubPage(kPower);
        driver::type("db_P_a_lin", "0");
        const auto boxes = boxesDuring([] { driver::leave("db_P_a_lin"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Gleitkommadivision durch Null."));
        QCOMPARE(text("db_P_a_lin"), sep("0,00E+00")); // written before the fault
        QCOMPARE(text("db_P_a_dB"), sep("10,000 dB")); // the faulting step wrote nothing
        QCOMPARE(text("db_P_E_Pout"), sep("200,000 W"));
    }

    void redisplayFollowsTheNotation()
    {
        showSubPage(kVoltage);
        setNotation(Notation::Sci);
        enter("dB_U_E_Uin", "20");
        QCOMPARE(text("dB_U_E_Uin"), sep("2,00E+01 V"));
        QCOMPARE(text("dB_U_E_Uout"), sep("2,00E+02 V"));
        setNotation(Notation::Eng);
        enter("dB_U_E_Uin", "20");
        QCOMPARE(text("dB_U_E_Uin"), sep("20,00E00 V"));
    }
};

QTEST_MAIN(TestdBPage)
#include "tst_dbpage.moc"
