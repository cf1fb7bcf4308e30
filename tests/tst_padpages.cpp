// The Pi/T attenuator page, the resistive matching network page and their voltage/current
// windows, as a user works them.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/PITAtt.h"
#include "pages/RNetz.h"
#include "rf/Pads.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "platform/Help.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "values/FloatGuard.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Placement.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"

#include <cmath>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace ampero;
using driver::text;

namespace {

constexpr int kPiT = 8, kR = 10;
const QString O = QStringLiteral("\u2126");
const QString W = QStringLiteral("\u03A9");
const QString kHeader = QStringLiteral("\tSpannung U\tStrom I\tVerlustleistung");

PITAtt* pit() { return qobject_cast<PITAtt*>(Form1->PageControl1->widget(kPiT)); }
RNetz* rnetz() { return qobject_cast<RNetz*>(Form1->PageControl1->widget(kR)); }

QStringList memoLines(SpannungStromFenster* window)
{
    return window->memo()->toPlainText().split(QLatin1Char('\n'));
}

QString rule(int macrons) { return QLatin1Char(' ') + QString(macrons, QChar(0x00AF)); }

// The memo lines with "," standing for the separator in use.
QStringList lines(const QStringList& expected)
{
    QStringList out;
    for (const QString& l : expected)
        out << withPunktKomma(l);
    return out;
}

const QStringList kAttenuatorMemo = {
    "",
    " Pi-Form" + kHeader,
    rule(53),
    "   R1-\t6,364 V\t25,713 mA\t163,636 mW",
    "   R2-\t7,071 V\t115,708 mA\t818,182 mW",
    "   R3-\t707,107 mV\t11,571 mA\t8,182 mW",
    "",
    " T-Form" + kHeader,
    rule(53),
    "   R1-\t1,286 V\t127,279 mA\t163,636 mW",
    "   R2-\t5,785 V\t141,421 mA\t818,182 mW",
    "   R3-\t578,542 mV\t14,142 mA\t8,182 mW",
};

// 100 Ω to 50 Ω at 12 dB, "an Z2", 1 W available behind Z1 (U0 = 20 V). The Pi and T pads
// present 100 Ω, so R1 of the Pi pad carries 10 V and R1 of the T pad 100 mA; the voltage
// across R3 of the Pi pad is the load's, 1,776 V, which is 12 dB below 1 W in 50 Ω.
const QStringList kMatchingMemo = {
    "",
    " L-Form" + kHeader,
    rule(52),
    "   R1 -\t11,750 V\t64,737 mA\t760,670 mW",
    "   R2 -\t1,776 V\t29,214 mA\t51,889 mW",
    "",
    "",
    " Pi-Form" + kHeader,
    rule(52),
    "   R1 -  \t10,000 V\t37,637 mA\t376,375 mW",
    "   R2 -  \t8,224 V\t62,363 mA\t512,859 mW",
    "   R3 -  \t1,776 V\t26,839 mA\t47,671 mW",
    "",
    "",
    " T-Form" + kHeader,
    rule(52),
    "   R1 -  \t7,555 V\t100,000 mA\t755,532 mW",
    "   R2 -  \t2,445 V\t64,477 mA\t157,624 mW",
    "   R3 -  \t668,506 mV\t35,523 mA\t23,748 mW",
};

// The values of a memo row after its label.
QList<double> cells(const QString& line)
{
    QList<double> values;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 1; i < parts.size(); ++i)
        values << Zahleneingabe(parts[i]);
    return values;
}

// With peak values every voltage and current is √2 times the RMS one (to the shown digits),
// and every power stays.
QString peakMismatch(const QStringList& rms, const QStringList& peak)
{
    if (rms.size() != peak.size())
        return QStringLiteral("%1 lines against %2").arg(peak.size()).arg(rms.size());
    for (int i = 0; i < rms.size(); ++i) {
        if (!rms[i].contains(QLatin1Char('\t')) || rms[i].contains(QStringLiteral("Spannung U"))) {
            if (rms[i] != peak[i])
                return peak[i];
            continue;
        }
        const QList<double> r = cells(rms[i]), p = cells(peak[i]);
        if (std::fabs(p[0] / r[0] - std::sqrt(2.0)) > 2e-3 ||
            std::fabs(p[1] / r[1] - std::sqrt(2.0)) > 2e-3)
            return peak[i];
        if (rms[i].section(QLatin1Char('\t'), 3) != peak[i].section(QLatin1Char('\t'), 3))
            return peak[i];
    }
    return {};
}

bool shown(const char* name) { return driver::find(name)->isVisibleTo(driver::find(name)->parentWidget()); }

} // namespace

class TestPadPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        driver::startProgram();
        setHelpFile(QStringLiteral(AMPERO_HELP_FILE));
    }

    void init()
    {
        driver::startEachTest();
        pit()->loadFactoryDefaults();
        rnetz()->loadFactoryDefaults();
        for (QWidget* w : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Form5)})
            w->close();
    }

    // Pi/T attenuator

    void attenuatorResistors_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unsym.") << 0
                                << QStringList{"PiT_Pi_E_R_R1=247,500 " + O, "PiT_Pi_E_R_R23=61,111 " + O,
                                               "PiT_T_E_R_R1=10,101 " + O, "PiT_T_E_R_R23=40,909 " + O};
        QTest::newRow("sym. halves the series resistors")
            << 1
            << QStringList{"PiT_Pi_E_R_R1=123,750 " + O, "PiT_Pi_E_R_R23=61,111 " + O,
                           "PiT_T_E_R_R1=10,101 " + O, "PiT_T_E_R_R23=20,455 " + O};
    }
    void attenuatorResistors()
    {
        QFETCH(int, variant);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_RG_unsym->setItemIndex(variant);
        QCOMPARE(driver::boxesDuring([] { driver::enterEach({"PiT_E_Z=50", "PiT_E_dB=20"}); }).size(), 0);
        EXPECT_TEXTS(expected);
        EXPECT_TEXTS({"PiT_E_dB=20,000 dB", "PiT_E_Z=50,000 " + O});
        const bool balanced = variant == 1;
        QCOMPARE(shown("PiT_I_Pi_sym"), balanced);
        QCOMPARE(shown("PiT_I_T_sym"), balanced);
        QCOMPARE(shown("PiT_I_Pi_unsym"), !balanced);
        QCOMPARE(shown("PiT_I_T_unsym"), !balanced);
    }

    void attenuatorMemo()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        driver::enter("PiT_E_dB", "20");
        QCOMPARE(memoLines(Form4), lines(kAttenuatorMemo));
    }

    // In a balanced pad the table lists one of the two halves of a series resistor.
    void balancedAttenuatorListsOneHalf()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_RG_unsym->setItemIndex(1);
        const QStringList memo = memoLines(Form4);
        QCOMPARE(memo[3], withPunktKomma("   R1-\t3,182 V\t25,713 mA\t81,818 mW"));
        QCOMPARE(memo[4], withPunktKomma(kAttenuatorMemo[4])); // the shunt resistors stay
        QCOMPARE(memo[10], withPunktKomma("   R2-\t2,893 V\t141,421 mA\t409,091 mW"));
    }

    void attenuationProtocol_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Die eingegebene Zahl  ist keine Gleitkommazahl !";
        QTest::newRow("no number") << "x" << "Die eingegebene Zahlx  ist keine Gleitkommazahl !";
        QTest::newRow("above 250")
            << "300" << "Die eingegebene Zahl300 ist nicht richtig !\n\n        zulässiger Bereich:1e-2 bis 250 dB";
        QTest::newRow("below 0,01")
            << "5m" << "Die eingegebene Zahl5m ist nicht richtig !\n\n        zulässiger Bereich:1e-2 bis 250 dB";
    }
    void attenuationProtocol()
    {
        QFETCH(QString, entry);
        QFETCH(QString, message);
        Form1->PageControl1->setCurrentIndex(kPiT);
        const QStringList memo = memoLines(Form4);
        const QList<driver::Box> boxes = driver::boxesDuring([&] { driver::enter("PiT_E_dB", entry); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TEXTS({"PiT_E_dB=20,000 dB"});
        QCOMPARE(memoLines(Form4), memo);
    }

    // The attenuation is fixed text in every notation, the results follow the notation.
    void attenuationStaysFixedText()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        setNotation(Notation::Eng);
        driver::enter("PiT_E_dB", "20");
        EXPECT_TEXTS({"PiT_E_dB=20,000 dB", "PiT_Pi_E_R_R1=247,500E00 " + O});
        QCOMPARE(memoLines(Form4)[3], withPunktKomma("   R1-\t6,364E00 V\t25,713E-03 A\t163,636E-03 W"));
    }

    // The voltage, current and power columns of the memos start at one place on every line,
    // in every notation and with any decimals (ENG with three pushed single rows a whole tab
    // stop right).
    void memoColumnsLineUp_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<int>("decimals");
        for (int n = 0; n < 3; ++n)
            for (int d = 1; d <= 3; ++d)
                QTest::addRow("notation %d, %d decimals", n, d) << n << d;
    }
    void memoColumnsLineUp()
    {
        QFETCH(int, notation);
        QFETCH(int, decimals);
        setNotation(static_cast<Notation>(notation));
        setNachkomma(decimals);
        for (int page : {kPiT, kR}) {
            Form1->PageControl1->setCurrentIndex(page);
            SpannungStromFenster* window = page == kPiT ? Form4 : Form5;
            (page == kPiT ? pit()->PiT_B_UI : rnetz()->R_B_UI)->click();
            driver::enter(page == kPiT ? "PiT_E_P" : "R_E_P", "1");
            QPlainTextEdit* memo = window->memo();
            QApplication::processEvents();
            memo->grab(); // lays the memo out
            QMap<int, qreal> columnAt; // x of each column's start, by column
            for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
                const QTextLayout* layout = b.layout();
                QVERIFY(layout && layout->lineCount() > 0);
                const QString text = b.text();
                int column = 0;
                for (int i = 0; i < text.size(); ++i) {
                    if (text[i] != QLatin1Char('\t'))
                        continue;
                    ++column;
                    const qreal x = layout->lineForTextPosition(i + 1).cursorToX(i + 1);
                    if (!columnAt.contains(column))
                        columnAt[column] = x;
                    QVERIFY2(qAbs(columnAt[column] - x) < 0.5,
                             qPrintable(QString("column %1 of '%2' at %3, not %4")
                                            .arg(column).arg(text).arg(x).arg(columnAt[column])));
                }
            }
            QVERIFY(columnAt.size() >= 3);
            window->close();
        }
        setNotation(Notation::Prefix);
        setNachkomma(3);
    }

    // The window's power field

    void powerEntries_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::newRow("30 dBm") << 0 << "30dBm" << "30,000 dBm" << "1,000 W";
        QTest::newRow("30 dbm in ENG") << 2 << "30 dbm" << "30,000 dBm" << "1,000 W";
        QTest::newRow("-150 dBm") << 0 << "-150dBm" << "-150,000 dBm" << "1,000 aW";
        QTest::newRow("0,5 W") << 0 << "0,5" << "500,000 mW" << "26,990 dBm";
        QTest::newRow("0,5 W in SCI") << 1 << "0,5" << "5,000E-001 W" << "26,990 dBm";
        QTest::newRow("1 W in ENG") << 2 << "1" << "1,000E+000 W" << "30,000 dBm";
        QTest::newRow("27 DBM is a level") << 0 << "27 DBM" << "27,000 dBm" << "501,187 mW";
        QTest::newRow("3dBM is a level") << 0 << "3dBM" << "3,000 dBm" << "1,995 mW";
    }
    void powerEntries()
    {
        QFETCH(int, notation);
        QFETCH(QString, entry);
        QFETCH(QString, field);
        QFETCH(QString, label);
        Form1->PageControl1->setCurrentIndex(kPiT);
        setNotation(static_cast<Notation>(notation));
        pit()->PiT_B_UI->click();
        QCOMPARE(driver::boxesDuring([&] { driver::enter("PiT_E_P", withPunktKomma(entry)); }).size(), 0);
        EXPECT_TEXTS({"PiT_E_P=" + field, "PiT_L_Leistung=" + label});
    }

    // 30 dBm is 1 W: the same table.
    void levelGivesTheSameTableAsItsPower()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_B_UI->click();
        driver::enter("PiT_E_P", "2");
        driver::enter("PiT_E_P", "30dBm");
        QCOMPARE(memoLines(Form4), lines(kAttenuatorMemo));
    }

    // A level in another letter case, as a settings file may hold it: the calculation reads
    // a level, and a change of notation keeps it one.
    void levelInAnyLetterCase()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_B_UI->click();
        driver::field("PiT_E_P")->setFieldText("30 DBM");
        driver::enter("PiT_E_dB", "20");
        QCOMPARE(memoLines(Form4), lines(kAttenuatorMemo));
        setNotation(Notation::Sci);
        pit()->reformat();
        EXPECT_TEXTS({"PiT_E_P=30,000 dBm"});
    }

    void powerProtocol_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "x" << "ungültige Eingabe \"x\"";
        QTest::newRow("below 1 mW")
            << "0,5m"
            << withPunktKomma("Die Eingabe \"0,5m\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger "
                              "Wertebereich: 1e-3 bis 1e24");
        QTest::newRow("above 150 dBm")
            << "151 dBm"
            << "Die Eingabe \"151 dBm\" ist außerhalb des zulässigen Wertebereichs \n\nzulässiger "
               "Wertebereich: -150 bis 150";
    }
    void powerProtocol()
    {
        QFETCH(QString, entry);
        QFETCH(QString, message);
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_B_UI->click();
        const QStringList memo = memoLines(Form4);
        const QList<driver::Box> boxes =
            driver::boxesDuring([&] { driver::enter("PiT_E_P", withPunktKomma(entry)); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, message);
        EXPECT_TEXTS({"PiT_E_P=1,000 W", "PiT_L_Leistung=30,000 dBm"});
        QCOMPARE(memoLines(Form4), memo);
        // an empty field does nothing
        QCOMPARE(driver::boxesDuring([] { driver::enter("PiT_E_P", ""); }).size(), 0);
        QCOMPARE(memoLines(Form4), memo);
    }

    void peakValues()
    {
        Form1->PageControl1->setCurrentIndex(kPiT);
        pit()->PiT_B_UI->click();
        Form4->peakOrRms()->item(0)->click();
        QCOMPARE(Form4->peakOrRms()->itemIndex(), 0);
        QCOMPARE(peakMismatch(lines(kAttenuatorMemo), memoLines(Form4)), QString());
        Form4->peakOrRms()->item(1)->click();
        QCOMPARE(memoLines(Form4), lines(kAttenuatorMemo));

        Form1->PageControl1->setCurrentIndex(kR);
        rnetz()->R_B_UI->click();
        Form5->peakOrRms()->item(0)->click();
        QCOMPARE(peakMismatch(lines(kMatchingMemo), memoLines(Form5)), QString());
    }

    // Resistive matching network

    void matchingPads_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("lPicture");
        QTest::newRow("100 Ω to 50 Ω, an Z2")
            << QStringList{"R_E_Z1=100", "R_E_Z2=50", "R_E_D=12"} << 1 << 0
            << QStringList{"R_E_L_R1=181,504 " + O, "R_E_L_R2=60,799 " + O, "R_E_Pi_R1=265,693 " + O,
                           "R_E_Pi_R2=131,871 " + O, "R_E_Pi_R3=66,179 " + O, "R_E_T_R1=75,553 " + O,
                           "R_E_T_R2=37,916 " + O, "R_E_T_R3=18,819 " + O,
                           "L_R_Netz_Min_A=Dämpfung >  7,656  dB", "R_E_Z1=100,000 " + W, "R_E_D=12,000 dB"}
            << "R_I_unsym2";
        QTest::newRow("an Z1: only the L pad changes")
            << QStringList{"R_E_D=12"} << 0 << 0
            << QStringList{"R_E_L_R1=82,238 " + O, "R_E_L_R2=27,548 " + O, "R_E_Pi_R1=265,693 " + O,
                           "R_E_T_R3=18,819 " + O}
            << "R_I_unsym1";
        QTest::newRow("50 Ω to 100 Ω, an Z1")
            << QStringList{"R_E_Z1=50", "R_E_Z2=100", "R_E_D=12"} << 0 << 0
            << QStringList{"R_E_L_R1=181,504 " + O, "R_E_L_R2=60,799 " + O, "R_E_Pi_R1=66,179 " + O,
                           "R_E_Pi_R3=265,693 " + O, "R_E_T_R1=18,819 " + O, "R_E_T_R3=75,553 " + O}
            << "R_I_unsym3";
        QTest::newRow("symmetrisch halves the series resistors")
            << QStringList{"R_E_D=12"} << 1 << 1
            << QStringList{"R_E_L_R1=90,752 " + O, "R_E_L_R2=60,799 " + O, "R_E_Pi_R1=265,693 " + O,
                           "R_E_Pi_R2=65,936 " + O, "R_E_Pi_R3=66,179 " + O, "R_E_T_R1=37,777 " + O,
                           "R_E_T_R2=37,916 " + O, "R_E_T_R3=9,409 " + O}
            << "R_I_sym2";
        QTest::newRow("equal impedances")
            << QStringList{"R_E_Z1=50", "R_E_Z2=50", "R_E_D=20"} << 1 << 0
            << QStringList{"R_E_L_R1=450,000 " + O, "R_E_L_R2=55,556 " + O, "R_E_Pi_R1=61,111 " + O,
                           "R_E_Pi_R2=247,500 " + O, "R_E_Pi_R3=61,111 " + O, "R_E_T_R1=40,909 " + O,
                           "R_E_T_R2=10,101 " + O, "R_E_T_R3=40,909 " + O, "L_R_Netz_Min_A=Dämpfung >  0,000  dB"}
            << "R_I_unsym5";
    }
    void matchingPads()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, match);
        QFETCH(int, variant);
        QFETCH(QStringList, expected);
        QFETCH(QString, lPicture);
        Form1->PageControl1->setCurrentIndex(kR);
        rnetz()->R_RG_LNetz->setItemIndex(match);
        rnetz()->R_RG_unsym->setItemIndex(variant);
        QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
        EXPECT_TEXTS(expected);
        QStringList lShown;
        for (const char* kind : {"unsym", "sym"})
            for (int n = 1; n <= 5; ++n)
                if (const QString name = QStringLiteral("R_I_%1%2").arg(kind).arg(n); shown(qPrintable(name)))
                    lShown << name;
        QCOMPARE(lShown, QStringList{lPicture});
        const char* pi = variant == 1 ? "RPi_I_sym" : "RPi_I_unsym";
        const char* t = variant == 1 ? "RT_I_sym" : "RT_I_unsym";
        QVERIFY(shown(pi) && shown(t));
        QVERIFY(!shown(variant == 1 ? "RPi_I_unsym" : "RPi_I_sym"));
        QCOMPARE(rnetz()->R_RG_LNetz->isVisibleTo(rnetz()), !lPicture.endsWith('5'));
    }

    // A value as schematics write it: the prefix letter is the decimal point.
    void componentValueNotation()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        driver::enterEach({"R_E_D=40", "R_E_Z1=4700"});
        const QStringList at4700 = driver::pageTexts(kR);
        driver::enter("R_E_Z1", "1k");
        driver::enter("R_E_Z1", "4k7");
        QCOMPARE(driver::pageTexts(kR), at4700);
        EXPECT_TEXTS({"R_E_Z1=4,700 k" + W});
        const QList<driver::Box> boxes =
            driver::boxesDuring([] { driver::enter("R_E_Z2", withPunktKomma("4k7,5")); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, withPunktKomma("ungültige Eingabe \"4k7,5\""));
        QCOMPARE(driver::pageTexts(kR), at4700);
    }

    void matchingMemo()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        driver::enter("R_E_D", "12");
        QCOMPARE(memoLines(Form5), lines(kMatchingMemo));
    }

    // 210 dB between 1 GΩ and 100 MΩ or 50 Ω: the voltages behind the pads are a tiny part
    // of the source's and keep all their shown digits (in 64 bits the L pad's R2 showed
    // 141,422 aA and 225,555 pV / 4,511 pA, the T pad's R2 was 1,6 % off).
    void matchingMemoAtHighAttenuation()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        driver::enterEach({"R_E_D=210", "R_E_Z1=1G", "R_E_Z2=100M", "R_E_P=2m"});
        QStringList memo = memoLines(Form5);
        QCOMPARE(memo[4], withPunktKomma("   R2 -\t14,142 nV\t141,421 aA\t2,000 yW"));
        QCOMPARE(memo[17], withPunktKomma("   R2 -  \t28,284 nV\t1,414 µA\t40,000 fW"));
        driver::enterEach({"R_E_Z2=50", "R_E_P=1"});
        memo = memoLines(Form5);
        // (its loss, 1e-21 W, lands on either side of the decade)
        QCOMPARE(memo[4].section('\t', 0, 2), withPunktKomma("   R2 -\t223,607 pV\t4,472 pA"));
        QCOMPARE(memo[17], withPunktKomma("   R2 -  \t447,214 pV\t31,623 µA\t14,142 fW"));
    }

    void matchingMemoBalanced()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        rnetz()->R_RG_unsym->setItemIndex(1);
        const QStringList memo = memoLines(Form5);
        // series resistors show half the voltage and half the power, the current stays
        QCOMPARE(memo[3], withPunktKomma("   R1 -\t5,875 V\t64,737 mA\t380,335 mW"));
        QCOMPARE(memo[4], withPunktKomma(kMatchingMemo[4]));
        QCOMPARE(memo[10], withPunktKomma("   R2 -  \t4,112 V\t62,363 mA\t256,429 mW"));
        QCOMPARE(memo[16], withPunktKomma("   R1 -  \t3,778 V\t100,000 mA\t377,766 mW"));
    }

    // The minimum is offered rounded up to the shown decimals, so no resistor of the pads
    // built with it comes out negative (rounded to nearest, 50 Ω/75 Ω at 5,719 dB gave a
    // Pi R3 of -1,370 MΩ and a T R1 of 2,737 mΩ).
    void attenuationBelowTheMinimum_data()
    {
        QTest::addColumn<QStringList>("impedances");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("minimum");
        QTest::newRow("100/50") << QStringList{} << 3 << "1,000" << "7,656";
        QTest::newRow("50/75, 3 decimals") << QStringList{"R_E_Z1=50", "R_E_Z2=75"} << 3 << "1,000" << "5,720";
        QTest::newRow("50/75, 2 decimals") << QStringList{"R_E_Z1=50", "R_E_Z2=75"} << 2 << "1,00" << "5,72";
        QTest::newRow("50/75, 1 decimal") << QStringList{"R_E_Z1=50", "R_E_Z2=75"} << 1 << "1,0" << "5,8";
    }
    void attenuationBelowTheMinimum()
    {
        QFETCH(QStringList, impedances);
        QFETCH(int, decimals);
        QFETCH(QString, entered);
        QFETCH(QString, minimum);
        Form1->PageControl1->setCurrentIndex(kR);
        setNachkomma(decimals);
        driver::enter("R_E_D", "20");
        driver::enterEach(impedances);
        const QList<driver::Box> boxes = driver::boxesDuring([] { driver::enter("R_E_D", "1"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, withPunktKomma("Die eingegebene Dämpfung " + entered +
                                               " dB ist zu klein.\n\nEs wird die Mindestdämpfung " +
                                               minimum + "  dB verwendet."));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TEXTS({"R_E_D=" + minimum + " dB", "L_R_Netz_Min_A=Dämpfung >  " + minimum + "  dB"});
        for (const char* name : {"R_E_L_R1", "R_E_L_R2", "R_E_Pi_R1", "R_E_Pi_R2", "R_E_Pi_R3", "R_E_T_R1",
                                 "R_E_T_R2", "R_E_T_R3"})
            QVERIFY2(!text(name).startsWith('-'), qPrintable(name + QString("=") + text(name)));
        // the minimum itself is accepted
        QCOMPARE(driver::boxesDuring([&] { driver::enter("R_E_D", withPunktKomma(minimum)); }).size(), 0);
    }

    // 50 Ω to 75 Ω at the offered 5,720 dB: the shunt R3 of the Pi pad across the higher side
    // is large but positive, R1 of the T pad small but positive.
    void padsAtTheOfferedMinimum()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        driver::enterEach({"R_E_Z1=50", "R_E_Z2=75"});
        QCOMPARE(driver::boxesDuring([] { driver::enter("R_E_D", "1"); }).size(), 1);
        const pads::PiPad pi = pads::piPad(50, 75, 5.72L);
        const pads::TPad t = pads::tPad(50, 75, 5.72L);
        QVERIFY(pi.R3 > 1e5 && t.R1 > 0);
        QCOMPARE(text("R_E_Pi_R3"), Zahlenausgabe(double(pi.R3)) + O);
        QCOMPARE(text("R_E_T_R1"), Zahlenausgabe(double(t.R1)) + O);
    }

    // With equal impedances and no attenuation the Pi pad divides by zero: the report shows,
    // the memo keeps the L block, the results keep their texts.
    void equalImpedancesWithoutAttenuation()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        driver::enterEach({"R_E_Z2=100", "R_E_Z1=100", "R_E_D=6"});
        const QStringList before = driver::pageTexts(kR);
        const QString minimum = text("L_R_Netz_Min_A");
        const QList<driver::Box> boxes = driver::boxesDuring([] { driver::enter("R_E_D", "0"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].text, QString("Gleitkommadivision durch Null."));
        const QStringList memo = memoLines(Form5);
        QCOMPARE(memo.mid(0, 3), QStringList({"", " L-Form" + kHeader, rule(52)}));
        QCOMPARE(memo.size(), 7);
        QVERIFY(memo[3].startsWith("   R1 -\t") && memo[4].startsWith("   R2 -\t"));
        QStringList after = driver::pageTexts(kR);
        after.replaceInStrings(withPunktKomma("R_E_D=0,000 dB"), withPunktKomma("R_E_D=6,000 dB"));
        QCOMPARE(after, before);
        QCOMPARE(text("L_R_Netz_Min_A"), minimum);
    }

    // At the ends of the ranges every field and every table cell still shows a number.
    void rangeEndsShowNumbers_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("attenuator, largest") << QStringList{"PiT_E_Z=1e15", "PiT_E_dB=250", "PiT_E_P=1e24"};
        QTest::newRow("attenuator, smallest")
            << QStringList{"PiT_E_Z=1e-13", "PiT_E_dB=0,01", "PiT_E_P=-150dBm"};
        QTest::newRow("matching pads, widest ratio, most attenuation")
            << QStringList{"R_E_D=1000", "R_E_Z1=1e9", "R_E_Z2=1u", "R_E_P=1e24"};
        QTest::newRow("matching pads, smallest") << QStringList{"R_E_Z1=1u", "R_E_Z2=2u", "R_E_P=-150dBm"};
    }
    void rangeEndsShowNumbers()
    {
        QFETCH(QStringList, entries);
        const bool attenuator = entries.first().startsWith("PiT");
        Form1->PageControl1->setCurrentIndex(attenuator ? kPiT : kR);
        (attenuator ? Form4 : Form5)->show();
        QStringList boxes;
        for (const driver::Box& b : driver::boxesDuring([&] { driver::enterEach(entries); }))
            boxes << b.text;
        // the smallest pads are below their minimum attenuation at first
        boxes.removeIf([](const QString& t) { return t.contains("zu klein"); });
        QCOMPARE(boxes, QStringList());
        QStringList shown = driver::pageTexts(attenuator ? kPiT : kR);
        shown << memoLines(attenuator ? Form4 : Form5);
        for (const QString& t : shown)
            QVERIFY2(!t.contains("inf", Qt::CaseInsensitive) && !t.contains("nan", Qt::CaseInsensitive),
                     qPrintable(t));
    }

    // The table writer the network pages share: units spaced by the page's rule, cells without
    // a value, a rule line of its own indent, and a line that spaces its unit otherwise.
    void memoTableWriter()
    {
        setNotation(Notation::Sci);
        {
            MemoTable memo(*Form7, MemoTable::Spacing::Tight);
            memo.header(QStringLiteral("   Hochpass"));
            memo.rule(3, 51);
            memo.row(QStringLiteral("    Xs -"), {memo.volts(1.5), memo.amps(0.25), MemoTable::none()});
            memo.empty();
            memo.line("  verfügbare Leistung an Z2: " +
                      MemoTable::value(0.5, QStringLiteral("W"), MemoTable::Spacing::BlankInNotation).text);
        } // the memo shows the table when it ends
        QCOMPARE(memoLines(Form7),
                 lines({"   Hochpass" + kHeader, "   " + QString(51, QChar(0x00AF)),
                        "    Xs -\t1,500E+00V\t2,500E-01A\t   -----", "",
                        "  verfügbare Leistung an Z2: 5,000E-01 W"}));
        setNotation(Notation::Prefix);
        {
            MemoTable again(*Form7, MemoTable::Spacing::Tight);
            again.row(QStringLiteral("    Xp -"), {again.volts(1.5), again.watts(0.25)});
        }
        QCOMPARE(memoLines(Form7), lines({"    Xp -\t1,500 V\t250,000 mW"}));
        // a fault ends the table with the lines before it shown
        try {
            clearFloatFaults();
            MemoTable broken(*Form7);
            broken.line(QStringLiteral("vorher"));
            broken.row(QStringLiteral("danach"), {broken.volts(1e4000L)});
            QFAIL("a voltage beyond the 64-bit range is no fault");
        } catch (const FloatFault&) {
        }
        QCOMPARE(memoLines(Form7), lines({"vorher"}));
        // A table is laid out once, however long: line by line, an Enter on a pad page took
        // longer than its whole calculation.
        int layouts = 0;
        const QMetaObject::Connection counting = connect(
            Form7->memo()->document(), &QTextDocument::contentsChanged, [&layouts] { ++layouts; });
        {
            MemoTable table(*Form7);
            for (int i = 0; i < 100; ++i)
                table.row(QStringLiteral("   R -"), {table.volts(i), table.amps(i), table.watts(i)});
        }
        disconnect(counting);
        QCOMPARE(memoLines(Form7).size(), 100);
        QVERIFY2(layouts <= 2, qPrintable(QString::number(layouts))); // cleared, then written
    }

    // The windows

    void windowsHaveTheirParts_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("context");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("Form4") << 4 << "PiT" << "PS_M_UI" << "Spannungen und Ströme in Pi / T-Dämpfungsgliedern"
                               << "LHilfe_UI_PiTNetz" << "Button1" << 155 << QStringList{"Image1"};
        QTest::newRow("Form5") << 5 << "R" << "R_M_UI" << "Spannungen und Ströme im R-Netzwerk"
                               << "LHilfe_UI_RNetz" << "Button2" << 165 << QStringList{"Image1", "Image2"};
        QTest::newRow("Form6") << 6 << "L" << "L_M_UI" << "Spannungen und Ströme im L-Netzwerk"
                               << "LHilfe_UI_LNetz" << "Button1" << 185 << QStringList{"L_UI_Image1"};
        QTest::newRow("Form7") << 7 << "Pi" << "Pi_M_UI" << "Spannungen und Ströme im Pi-Netzwerk"
                               << "LHilfe_UI_PiNetz" << "Button1" << 195 << QStringList{"Image1"};
        QTest::newRow("Form8") << 8 << "T" << "T_M_UI" << "Spannungen und Ströme im T-Netzwerk"
                               << "LHilfe_UI_TNetz" << "Button1" << 205 << QStringList{"Image1"};
    }
    void windowsHaveTheirParts()
    {
        QFETCH(int, form);
        QFETCH(QString, prefix);
        QFETCH(QString, memo);
        QFETCH(QString, title);
        QFETCH(QString, help);
        QFETCH(QString, close);
        QFETCH(int, context);
        QFETCH(QStringList, pictures);
        auto* window = qobject_cast<SpannungStromFenster*>(driver::find(QStringLiteral("Form%1").arg(form)));
        QVERIFY(window);
        window->show();
        QApplication::processEvents();
        QVERIFY(window->findChild<QLabel*>("Label1"));
        QCOMPARE(window->findChild<QLabel*>("Label1")->text(), title);
        QVERIFY(window->findChild<EditField*>(prefix + "_E_P"));
        QVERIFY(window->findChild<QLabel*>(prefix + "_L_Leistung"));
        auto* group = window->findChild<RadioGroup*>(prefix + "_RG_UsUeff");
        QVERIFY(group);
        QCOMPARE(group->item(0)->text(), QString("Scheitelwerte (Us, Is)"));
        QCOMPARE(group->item(1)->text(), QString("Effektivwerte (Ueff, Ieff)"));
        for (const QString& p : pictures)
            QVERIFY2(window->findChild<QWidget*>(p) && window->findChild<QWidget*>(p)->isVisible(), qPrintable(p));

        // read-only, out of reach of the keyboard, a tab stop every 48 dialog units
        auto* m = window->findChild<QPlainTextEdit*>(memo);
        QVERIFY(m && m->isReadOnly() && m->focusPolicy() == Qt::NoFocus);
        const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        QCOMPARE(m->tabStopDistance(), 48 * QFontMetricsF(m->font()).horizontalAdvance(letters) / 52 / 4);

        // " Hilfe " opens the help at the window's context number
        auto* label = window->findChild<QLabel*>(help);
        QVERIFY(label);
        QCOMPARE(label->text(), QString(" Hilfe "));
        QTest::mouseClick(label, Qt::LeftButton);
        QWidget* viewer = driver::find("Hilfe");
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->property("kontext").toInt(), context);
        viewer->close();

        auto* button = window->findChild<QPushButton*>(close);
        QVERIFY(button);
        QCOMPARE(button->text(), QString("Schließen"));
        button->click();
        QVERIFY(!window->isVisible());
    }

    // Beside the main window, top edges level, 10 pixels to its right where the screen has
    // room; on this small screen where it covers the fewest of the page's input fields. It is
    // placed from where the main window stands when it shows: the desktop places the main
    // window only when that shows.
    void windowsStandBesideTheMainWindow()
    {
        SpannungStromFenster* window = Form6;
        const QPoint before = Form1->pos();
        window->placeBeside(Form1);
        Form1->move(Form1->pos() + QPoint(0, 30));
        window->show();
        QApplication::processEvents();
        const QRect main = Form1->frameGeometry();
        const QRect room = Form1->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        QVERIFY(room.contains(frame));
        const QRect plain(std::min(main.right() + 1 + 10, room.right() + 1 - frame.width()),
                          std::max(room.top(), main.top()), frame.width(), frame.height());
        int covered = 0, coveredThere = 0;
        for (const QRect& field : inputFieldRects(Form1)) {
            covered += frame.intersects(field);
            coveredThere += plain.intersects(field);
        }
        QVERIFY2(covered <= coveredThere, qPrintable(QString("%1 > %2").arg(covered).arg(coveredThere)));
        placeBeside(window, Form1); // once more from here: the same place
        QCOMPARE(window->frameGeometry(), frame);
        window->close();
        Form1->move(before);
    }

    // A page change closes the window; its button brings it back with the same power and
    // choice.
    void pageChangeClosesAndTheButtonReopens()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        rnetz()->R_B_UI->click();
        QVERIFY(Form5->isVisible());
        driver::enter("R_E_P", "25dBm");
        Form5->peakOrRms()->item(0)->click();
        const QStringList memo = memoLines(Form5);
        Form1->PageControl1->setCurrentIndex(kPiT);
        QVERIFY(!Form5->isVisible());
        Form1->PageControl1->setCurrentIndex(kR);
        rnetz()->R_B_UI->click();
        QVERIFY(Form5->isVisible());
        EXPECT_TEXTS({"R_E_P=25,000 dBm", "R_L_Leistung=316,228 mW"});
        QCOMPARE(Form5->peakOrRms()->itemIndex(), 0);
        QCOMPARE(memoLines(Form5), memo);
    }

    // Settings and factory texts

    void factoryTexts()
    {
        EXPECT_TEXTS({"PiT_E_dB=20,000 dB", "PiT_E_Z=50,000 " + O, "PiT_Pi_E_R_R1=247,500 " + O,
                      "PiT_Pi_E_R_R23=61,111 " + O, "PiT_T_E_R_R1=10,101 " + O, "PiT_T_E_R_R23=40,909 " + O,
                      "PiT_E_P=1,000 W", "PiT_L_Leistung=30,000 dBm", "R_E_Z1=100,000 " + O,
                      "R_E_Z2=50,000 " + O, "R_E_D=12,000 dB", "R_E_P=1,000 W", "R_L_Leistung=30,000 dBm",
                      "R_E_L_R1=181,504 " + O, "L_R_Netz_Min_A=Dämpfung >  7,656  dB"});
        QCOMPARE(pit()->PiT_RG_unsym->itemIndex(), 0);
        QCOMPARE(rnetz()->R_RG_unsym->itemIndex(), 0);
        QCOMPARE(rnetz()->R_RG_LNetz->itemIndex(), 1);
        QCOMPARE(Form4->peakOrRms()->itemIndex(), 1);
        QCOMPARE(Form5->peakOrRms()->itemIndex(), 1);
        // the tables are there before the first entry
        QCOMPARE(memoLines(Form4), lines(kAttenuatorMemo));
        QCOMPARE(memoLines(Form5), lines(kMatchingMemo));
    }

    void settingsRoundTrip()
    {
        Form1->PageControl1->setCurrentIndex(kR);
        pit()->PiT_RG_unsym->setItemIndex(1);
        Form4->peakOrRms()->setItemIndex(0);
        rnetz()->R_RG_LNetz->setItemIndex(0);
        rnetz()->R_RG_unsym->setItemIndex(1);
        driver::enterEach({"PiT_E_dB=6", "PiT_E_Z=75", "R_E_D=15", "R_E_Z1=300", "R_E_Z2=75"});
        Form4->show();
        driver::enter("PiT_E_P", "20dBm");
        Form5->show();
        driver::enter("R_E_P", "2");
        const QStringList pitTexts = driver::pageTexts(kPiT), rTexts = driver::pageTexts(kR);
        const QStringList windowTexts = {text("PiT_E_P"), text("PiT_L_Leistung"), text("R_E_P"), text("R_L_Leistung")};
        const QStringList memos = memoLines(Form4) + memoLines(Form5);

        IniDocument ini;
        pit()->storeSettings(ini);
        rnetz()->storeSettings(ini);
        QCOMPARE(ini.value("Pi-T-Att", "Quellleistung").value_or(""), withPunktKomma("20,000 dBm"));
        QCOMPARE(ini.value("Pi-T-Att", "Quellleistung2").value_or(""), withPunktKomma("100,000 mW"));
        QCOMPARE(ini.value("Pi-T-Att", "unsym").value_or(""), QString("1"));
        QCOMPARE(ini.value("Pi-T-Att", "Ueff/Us").value_or(""), QString("0"));
        QCOMPARE(ini.value("R-Netz", "P").value_or(""), withPunktKomma("2,000 W"));
        QCOMPARE(ini.value("R-Netz", "L-Netz").value_or(""), QString("0"));

        pit()->loadFactoryDefaults();
        rnetz()->loadFactoryDefaults();
        const IniDocument stored = IniDocument::fromBytes(ini.toBytes());
        pit()->loadSettings(StoredSettings(stored, punktKomma()));
        rnetz()->loadSettings(StoredSettings(stored, punktKomma()));
        QCOMPARE(driver::pageTexts(kPiT), pitTexts);
        QCOMPARE(driver::pageTexts(kR), rTexts);
        QCOMPARE(QStringList({text("PiT_E_P"), text("PiT_L_Leistung"), text("R_E_P"), text("R_L_Leistung")}),
                 windowTexts);
        QCOMPARE(memoLines(Form4) + memoLines(Form5), memos);
        QCOMPARE(pit()->PiT_RG_unsym->itemIndex(), 1);
        QCOMPARE(Form4->peakOrRms()->itemIndex(), 0);
        QCOMPARE(rnetz()->R_RG_LNetz->itemIndex(), 0);
        QCOMPARE(rnetz()->R_RG_unsym->itemIndex(), 1);
    }

    // Missing keys take their fallbacks; the page computes from them.
    void missingKeys()
    {
        const IniDocument empty;
        rnetz()->loadSettings(StoredSettings(empty, punktKomma()));
        EXPECT_TEXTS({"R_E_Z1=100,00", "R_E_Z2=50,00", "R_E_D=10,00", "R_E_P=500,00",
                      "R_L_Leistung=56,99"});
        QCOMPARE(rnetz()->R_RG_LNetz->itemIndex(), 0);
    }

    // A change of notation re-displays impedances and powers; a level stays a level.
    void reformatting()
    {
        Form4->show();
        driver::enter("PiT_E_P", "30dBm");
        Form5->show();
        driver::enter("R_E_P", "0,5");
        setNotation(Notation::Sci);
        pit()->reformat();
        rnetz()->reformat();
        EXPECT_TEXTS({"PiT_E_P=30,000 dBm", "PiT_E_Z=5,000E+01 " + O, "R_E_P=5,000E-01 W",
                      "R_E_Z1=1,000E+02 " + O, "R_E_Pi_R1=2,657E+02 " + O, "PiT_Pi_E_R_R1=2,475E+02 " + O});
        QCOMPARE(memoLines(Form4)[3], withPunktKomma("   R1-\t6,364E+00 V\t2,571E-02 A\t1,636E-01 W"));
    }
};

QTEST_MAIN(TestPadPages)
#include "tst_padpages.moc"
