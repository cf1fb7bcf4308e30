// The Pi and the T matching network pages and their voltage/current windows, as a user works
// them.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/PiNetz.h"
#include "pages/TNetz.h"
#include "schematics/PictureSet.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"

#include <cmath>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace ampero;
using driver::text;

namespace {

constexpr int kPi = 12, kT = 13;
const QString O = QStringLiteral("\u2126");
const QString kHeader = QStringLiteral("\tSpannung U\tStrom I\tVerlustleistung");
const QString kRule = QStringLiteral("   ") + QString(51, QChar(0x00AF));

PiNetz* pi() { return qobject_cast<PiNetz*>(Form1->PageControl1->widget(kPi)); }
TNetz* tn() { return qobject_cast<TNetz*>(Form1->PageControl1->widget(kT)); }

QStringList memoLines(SpannungStromFenster* window)
{
    return window->memo()->toPlainText().split(QLatin1Char('\n'));
}

// The values of a memo row after its label.
QList<double> cells(const QString& line)
{
    QList<double> values;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 1; i < parts.size(); ++i)
        values << (parts[i].contains(QStringLiteral("-----")) ? -1 : Zahleneingabe(parts[i]));
    return values;
}

bool shown(const QString& name)
{
    QWidget* w = driver::find(name);
    return w && w->isVisibleTo(w->parentWidget());
}

QStringList shownOf(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        if (shown(n))
            out << n;
    return out;
}

QStringList tPictureNames()
{
    QStringList names;
    for (const char* form : {"Hoch", "Tief"})
        for (int number : {1, 2, 5, 6})
            for (const char* kind : {"unsym", "sym"})
                names << QStringLiteral("T_I_%1_%2%3").arg(form, kind).arg(number);
    return names;
}

// The field's value against an expected one, to a relative tolerance.
QString near(const QString& field, double expected, double tolerance = 5e-4)
{
    const double v = Zahleneingabe(text(field));
    if (std::fabs(v / expected - 1) <= tolerance)
        return {};
    return QStringLiteral("%1: %2 != %3").arg(field, text(field)).arg(expected);
}

#define EXPECT_NEAR(...)                                                                           \
    do {                                                                                           \
        const QString wrong = near(__VA_ARGS__);                                                   \
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));                                              \
    } while (false)

} // namespace

class TestMatchingPages : public QObject {
    Q_OBJECT

    // Chooses "Betriebsgüte" and "Eingabe" and enters the Q.
    static void enterQ(MatchingNetz* page, const QString& prefix, const QString& Q)
    {
        page->RG_Auswahl->setItemIndex(1);
        page->RG_Einvorgabe->setItemIndex(1);
        driver::enter(prefix + "_E_Q", Q);
    }

    static void terminations(const QString& p, const QString& Z1, const QString& Z2)
    {
        // one step aside, so that neither entry meets an equal real part
        driver::enterEach({p + "_E_Z1j=0", p + "_E_Z2j=0", p + "_E_Z2=1,2345", p + "_E_Z1=" + Z1,
                           p + "_E_Z2=" + Z2});
    }

private slots:
    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        pi()->loadFactoryDefaults();
        tn()->loadFactoryDefaults();
        Form7->close();
        Form8->close();
    }

    // Pi network

    void piExample_data()
    {
        QTest::addColumn<QString>("Z1");
        QTest::addColumn<QString>("Z2");
        QTest::addColumn<QStringList>("expected");
        const QStringList tl = {"Pi_E_HP_TL=0,227 dB", "Pi_E_TP_TL=0,226 dB", "Pi_E_HP_Xs=181,076 pF",
                                "Pi_E_TP_Xs=10,794 µH"};
        QTest::newRow("1200 to 50")
            << "1200" << "50"
            << tl + QStringList{"Pi_E_HP_Xp1=10,619 µH", "Pi_E_HP_Xp2=7,735 µH", "Pi_E_TP_Xp1=184,060 pF",
                                "Pi_E_TP_Xp2=252,681 pF"};
        QTest::newRow("exchanged")
            << "50" << "1200"
            << tl + QStringList{"Pi_E_HP_Xp1=7,735 µH", "Pi_E_HP_Xp2=10,619 µH", "Pi_E_TP_Xp1=252,681 pF",
                                "Pi_E_TP_Xp2=184,060 pF"};
    }
    void piExample()
    {
        QFETCH(QString, Z1);
        QFETCH(QString, Z2);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kPi);
        QCOMPARE(driver::boxesDuring([&] {
                     driver::enterEach({"Pi_E_F=3,6M", "Pi_E_QL=100"});
                     terminations("Pi", Z1, Z2);
                     enterQ(pi(), "Pi", "4,996");
                 }).size(),
                 0);
        EXPECT_TEXTS(expected);
        EXPECT_TEXTS({"Pi_E_Q=4,996", "Pi_E_F=3,600 MHz", "Pi_E_Z1j= 0,000 " + O});
        QCOMPARE(shownOf({"Pi_I_Hoch_unsym1", "Pi_I_Hoch_sym1", "Pi_I_Tief_unsym1", "Pi_I_Tief_sym1"}),
                 QStringList({"Pi_I_Hoch_unsym1", "Pi_I_Tief_unsym1"}));
    }

    void piBalanced()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        enterQ(pi(), "Pi", "4,996");
        const QStringList unbalanced = memoLines(Form7);
        pi()->RG_unsym->setItemIndex(1);
        EXPECT_TEXTS({"Pi_E_HP_Xs=362,152 pF", "Pi_E_TP_Xs=5,397 µH", "Pi_E_HP_Xp1=10,619 µH",
                      "Pi_E_TP_Xp2=252,681 pF"});
        QCOMPARE(shownOf({"Pi_I_Hoch_unsym1", "Pi_I_Hoch_sym1", "Pi_I_Tief_unsym1", "Pi_I_Tief_sym1"}),
                 QStringList({"Pi_I_Hoch_sym1", "Pi_I_Tief_sym1"}));
        const QStringList balanced = memoLines(Form7);
        QCOMPARE(balanced.size(), unbalanced.size());
        for (int i : {3, 11}) { // the series rows: half the voltage, half the loss
            const QList<double> u = cells(unbalanced[i]), b = cells(balanced[i]);
            QVERIFY2(std::fabs(b[0] / u[0] - 0.5) < 1e-3, qPrintable(balanced[i]));
            QCOMPARE(b[1], u[1]);
            if (u[2] > 0)
                QVERIFY2(std::fabs(b[2] / u[2] - 0.5) < 1e-3, qPrintable(balanced[i]));
        }
        QCOMPARE(balanced[2], unbalanced[2]);
        QCOMPARE(balanced[12], unbalanced[12]);
    }

    // The load's parallel resistance sets the low side; the minimum Q takes its real part.
    void piComplexLoad()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        enterQ(pi(), "Pi", "4,996");
        driver::enter("Pi_E_Z2j", "10");
        EXPECT_TEXTS({"Pi_E_Z2j= 10,000 " + O});
        EXPECT_NEAR("Pi_E_HP_Xp2", 14.98e-6, 1e-3);
        EXPECT_NEAR("Pi_E_TP_Xp2", 470.5e-12, 1e-3);
        QCOMPARE(pi()->Q_min, std::sqrt(1200.0 / 50 - 1) * 1.01);
    }

    void piMinimum()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        pi()->RG_Auswahl->setItemIndex(1);
        pi()->RG_Einvorgabe->setItemIndex(1);
        pi()->RG_Einvorgabe->setItemIndex(0);
        EXPECT_TEXTS({"Pi_E_Q=4,844", "Pi_E_B=743,220 kHz"});
        QVERIFY(!driver::field("Pi_E_Q")->isEnabled());
        QCOMPARE(driver::find<QLabel>("Label100")->text(), withPunktKomma("Bandbreite <=  743,220 kHz"));
    }

    void piQLimits_data()
    {
        QTest::addColumn<QString>("Q");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("4 is too small")
            << "4"
            << "Die Eingabe der Betriebsgüte 4 ist zu gering\n\n es wird der kleinste mögliche Wert 4,844 eingesetzt."
            << "4,844";
        QTest::newRow("4,8 is raised silently") << "4,8" << "" << "4,844";
        QTest::newRow("6 stays") << "6" << "" << "6,000";
    }
    void piQLimits()
    {
        QFETCH(QString, Q);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Form1->PageControl1->setCurrentIndex(kPi);
        pi()->RG_Auswahl->setItemIndex(1);
        pi()->RG_Einvorgabe->setItemIndex(1);
        const QList<driver::Box> boxes = driver::boxesDuring([&] { driver::enter("Pi_E_Q", withPunktKomma(Q)); });
        QCOMPARE(boxes.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(boxes[0].text, withPunktKomma(message));
        EXPECT_TEXTS({"Pi_E_Q=" + shown});
    }

    void piBandwidthLimits()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        QCOMPARE(pi()->RG_Einvorgabe->itemIndex(), 0);
        QList<driver::Box> boxes = driver::boxesDuring([] { driver::enter("Pi_E_B", "800k"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text,
                 withPunktKomma("Die Eingabe 800k ist zu groß.\n\nmaximale Bandbreite: 743,220 kHz"));
        EXPECT_TEXTS({"Pi_E_B=743,220 kHz"});
        QCOMPARE(pi()->RG_Einvorgabe->itemIndex(), 0);

        // accepted within the allowance above the limit: "Eingabe", and shown as the limit
        // with the minimum Q
        boxes = driver::boxesDuring([] { driver::enter("Pi_E_B", "750k"); });
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(pi()->RG_Einvorgabe->itemIndex(), 1);
        EXPECT_TEXTS({"Pi_E_Q=4,844", "Pi_E_B=743,220 kHz"});
        QVERIFY(driver::field("Pi_E_Q")->isEnabled());

        driver::enter("Pi_E_B", "500k");
        EXPECT_TEXTS({"Pi_E_Q=7,200", "Pi_E_B=500,000 kHz"});
        QCOMPARE(pi()->Q_E, 7.2);
    }

    // Every accepted bandwidth ends in the results of its Q, also with "Eingabe" already
    // chosen; a refused one leaves the field at the limit and the results at the minimum Q.
    // Each is compared with the results of the same Q chosen otherwise.
    void bandwidthAlwaysCalculates_data()
    {
        QTest::addColumn<QString>("p");
        QTest::addColumn<int>("tab");
        QTest::newRow("Pi") << "Pi" << kPi;
        QTest::newRow("T") << "T" << kT;
    }
    void bandwidthAlwaysCalculates()
    {
        QFETCH(QString, p);
        QFETCH(int, tab);
        Form1->PageControl1->setCurrentIndex(tab);
        MatchingNetz* page = tab == kPi ? static_cast<MatchingNetz*>(pi()) : tn();
        const auto results = [tab] {
            QStringList r = driver::pageTexts(tab);
            r.removeIf([](const QString& t) { return !t.contains("_E_HP_") && !t.contains("_E_TP_"); });
            return r;
        };
        // the bandwidth panel with the user's Q 10 (360 kHz at 3,6 MHz)
        const auto startAtQ10 = [&] {
            enterQ(page, p, "10");
            page->RG_Auswahl->setItemIndex(0);
            QCOMPARE(text(p + "_E_B"), withPunktKomma("360,000 kHz"));
        };

        enterQ(page, p, "18");
        const QStringList atQ18 = results();
        page->RG_Einvorgabe->setItemIndex(0);
        const QStringList atMinimum = results();
        const QString maximum = text(p + "_E_B");
        const QString minimumQ = text(p + "_E_Q");
        const double largest = Zahleneingabe(maximum);

        startAtQ10();
        QCOMPARE(driver::boxesDuring([&] { driver::enter(p + "_E_B", "200k"); }).size(), 0);
        EXPECT_TEXTS({p + "_E_Q=" + withPunktKomma("18,000"), p + "_E_B=" + withPunktKomma("200,000 kHz")});
        QCOMPARE(results(), atQ18);
        QCOMPARE(page->RG_Einvorgabe->itemIndex(), 1);

        startAtQ10();
        const QList<driver::Box> boxes = driver::boxesDuring([&] { driver::enter(p + "_E_B", "100M"); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].text.contains("ist zu groß"));
        EXPECT_TEXTS({p + "_E_B=" + maximum, p + "_E_Q=" + minimumQ});
        QCOMPARE(results(), atMinimum);
        QCOMPARE(page->RG_Einvorgabe->itemIndex(), 1);
        QVERIFY(std::fabs(page->Q_E / page->Q_min - 1) < 1e-12);

        startAtQ10();
        const QString withinAllowance = QString::number(largest * 1.005, 'f', 0);
        QCOMPARE(driver::boxesDuring([&] { driver::enter(p + "_E_B", withinAllowance); }).size(), 0);
        EXPECT_TEXTS({p + "_E_B=" + maximum, p + "_E_Q=" + minimumQ});
        QCOMPARE(results(), atMinimum);
    }

    void piEqualRealParts()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        driver::enterEach({"Pi_E_Z1=1,3k", "Pi_E_Z2=1200"});
        const QList<driver::Box> boxes = driver::boxesDuring([] { driver::enter("Pi_E_Z1", "1,2k"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Die Eingaben von Z1 (Realteil) und Z2 (Realteil) sind gleich "
                                        "groß\n\neine Anpassung ist nicht nötig! "));
        EXPECT_TEXTS({"Pi_E_Z1=1,300 k" + O + " "});
    }

    // 30 dBm are 1 W: Ur = 69,28 V behind 1200 Ω; the first shunt coil carries about 33,8 V.
    void piMemo()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        enterQ(pi(), "Pi", "4,996");
        pi()->Pi_B_UIClick();
        driver::enter("Pi_E_P", "1");
        const QStringList watt = memoLines(Form7);
        driver::enter("Pi_E_P", "30dBm");
        const QStringList memo = memoLines(Form7);
        QCOMPARE(memo, watt);
        EXPECT_TEXTS({"Pi_E_P=30,000 dBm", "Pi_E_Q=4,996"});
        QCOMPARE(memo.size(), 15);
        QCOMPARE(memo[0], "   Hochpass" + kHeader);
        QCOMPARE(memo[1], kRule);
        QVERIFY(memo[2].startsWith("    Xp1 -\t"));
        QVERIFY(memo[3].startsWith("    Xs -\t"));
        QVERIFY(memo[3].endsWith("\t   -----"));
        QVERIFY(memo[4].startsWith("    Xp2 -\t"));
        QCOMPARE(memo[5], QString());
        QVERIFY(memo[6].startsWith(QStringLiteral("  verfügbare Leistung an Z2: ")));
        QCOMPARE(memo[7], QString());
        QCOMPARE(memo[8], "   Tiefpass" + kHeader);
        QVERIFY(memo[10].endsWith("\t   -----"));
        QVERIFY(!memo[11].endsWith("\t   -----"));
        QVERIFY(memo[12].endsWith("\t   -----"));
        QVERIFY(memo[14].startsWith(QStringLiteral("  verfügbare Leistung an Z2: ")));
        const double rms = cells(memo[2])[0];
        QVERIFY2(std::fabs(rms - 33.8) < 0.1, qPrintable(memo[2]));
        Form7->peakOrRms()->setItemIndex(0);
        const QStringList peak = memoLines(Form7);
        QVERIFY2(std::fabs(cells(peak[2])[0] - 47.9) < 0.1, qPrintable(peak[2]));
        QCOMPARE(cells(peak[2])[2], cells(memo[2])[2]);
        QCOMPARE(peak[6], memo[6]);
    }

    // T network

    void tExample_data()
    {
        QTest::addColumn<QString>("Z1");
        QTest::addColumn<QString>("Z2");
        QTest::addColumn<QStringList>("expected");
        const QStringList fixed = {"T_E_HP_Xp=5,526 µH", "T_E_TP_Xp=353,678 pF", "T_E_HP_TL=0,172 dB",
                                   "T_E_TP_TL=0,173 dB"};
        QTest::newRow("250 to 50")
            << "250" << "50"
            << fixed + QStringList{"T_E_HP_Xs1=176,839 pF", "T_E_HP_Xs2=294,731 pF", "T_E_TP_Xs1=11,052 µH",
                                   "T_E_TP_Xs2=6,631 µH"};
        QTest::newRow("exchanged")
            << "50" << "250"
            << fixed + QStringList{"T_E_HP_Xs1=294,731 pF", "T_E_HP_Xs2=176,839 pF", "T_E_TP_Xs1=6,631 µH",
                                   "T_E_TP_Xs2=11,052 µH"};
    }
    void tExample()
    {
        QFETCH(QString, Z1);
        QFETCH(QString, Z2);
        QFETCH(QStringList, expected);
        Form1->PageControl1->setCurrentIndex(kT);
        QCOMPARE(driver::boxesDuring([&] {
                     driver::enterEach({"T_E_F=3,6M", "T_E_QL=100"});
                     terminations("T", Z1, Z2);
                     enterQ(tn(), "T", "3");
                 }).size(),
                 0);
        EXPECT_TEXTS(expected);
        QCOMPARE(shownOf(tPictureNames()), QStringList({"T_I_Hoch_unsym1", "T_I_Tief_unsym1"}));
    }

    void tMinimum()
    {
        Form1->PageControl1->setCurrentIndex(kT);
        tn()->RG_Auswahl->setItemIndex(1);
        tn()->RG_Einvorgabe->setItemIndex(1);
        tn()->RG_Einvorgabe->setItemIndex(0);
        EXPECT_TEXTS({"T_E_Q=2,020", "T_E_HP_Xs1=1,395 nF", "T_E_HP_Xp=5,231 µH", "T_E_TP_Xs1=1,402 µH",
                      "T_E_TP_Xs2=4,465 µH"});
        EXPECT_NEAR("T_E_HP_Xs2", 437.72e-12);
        EXPECT_NEAR("T_E_TP_Xp", 373.63e-12);
        EXPECT_NEAR("T_E_HP_TL", 0.093, 0.05);
        QCOMPARE(driver::find<QLabel>("Label173")->text(), withPunktKomma("Bandbreite <=  1,782 MHz"));
    }

    // Each series element that must cancel more reactance than it has turns into the other
    // kind; the letters choose the picture.
    void tReversals_data()
    {
        QTest::addColumn<QString>("X1");
        QTest::addColumn<QString>("X2");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("pictures");
        QTest::newRow("Z1 = 250 - j40") << "-40" << "0" << QStringList{"T_E_HP_Xs1=367,0 nH"}
                                        << QStringList{"T_I_Hoch_unsym5", "T_I_Tief_unsym1"};
        QTest::newRow("Z2 = 50 + j120") << "0" << "120" << QStringList{"T_E_TP_Xs2=2,327 nF"}
                                        << QStringList{"T_I_Hoch_unsym1", "T_I_Tief_unsym2"};
        QTest::newRow("both high-pass reversed")
            << "-1000" << "-1000" << QStringList{} << QStringList{"T_I_Hoch_unsym6", "T_I_Tief_unsym1"};
        QTest::newRow("high pass Xs2 reversed")
            << "0" << "-1000" << QStringList{} << QStringList{"T_I_Hoch_unsym2", "T_I_Tief_unsym1"};
        QTest::newRow("both low-pass reversed")
            << "1000" << "1000" << QStringList{} << QStringList{"T_I_Hoch_unsym1", "T_I_Tief_unsym6"};
        QTest::newRow("low pass Xs1 reversed")
            << "1000" << "0" << QStringList{} << QStringList{"T_I_Hoch_unsym1", "T_I_Tief_unsym5"};
    }
    void tReversals()
    {
        QFETCH(QString, X1);
        QFETCH(QString, X2);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, pictures);
        Form1->PageControl1->setCurrentIndex(kT);
        driver::enterEach({"T_E_Z1j=" + X1, "T_E_Z2j=" + X2});
        for (QString e : expected) {
            const QString name = e.section('=', 0, 0);
            const double v = Zahleneingabe(withPunktKomma(e.section('=', 1)));
            EXPECT_NEAR(name, v, 1e-3);
            QCOMPARE(text(name).right(1), e.right(1));
        }
        QCOMPARE(shownOf(tPictureNames()), pictures);
        // a coil's row shows its loss, a capacitor's none
        const QStringList memo = memoLines(Form8);
        const TNetz* page = tn();
        (void)page;
        const QString fields[] = {"T_E_HP_Xs1", "T_E_HP_Xp", "T_E_HP_Xs2"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(memo[2 + i].endsWith("\t   -----"), text(fields[i]).endsWith("F"));
        const QString tpFields[] = {"T_E_TP_Xs1", "T_E_TP_Xp", "T_E_TP_Xs2"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(memo[10 + i].endsWith("\t   -----"), text(tpFields[i]).endsWith("F"));
        pictures.replaceInStrings("unsym", "sym");
        tn()->RG_unsym->setItemIndex(1);
        QCOMPARE(shownOf(tPictureNames()), pictures);
    }

    void tBalanced()
    {
        Form1->PageControl1->setCurrentIndex(kT);
        enterQ(tn(), "T", "3");
        const QStringList unbalanced = memoLines(Form8);
        tn()->RG_unsym->setItemIndex(1);
        // doubling the unrounded 294,7314 pF gives 589,463 pF
        EXPECT_TEXTS({"T_E_HP_Xs1=353,678 pF", "T_E_HP_Xs2=589,463 pF", "T_E_TP_Xs1=5,526 µH",
                      "T_E_TP_Xs2=3,316 µH", "T_E_HP_Xp=5,526 µH", "T_E_TP_Xp=353,678 pF"});
        const QStringList balanced = memoLines(Form8);
        for (int i : {2, 4, 10, 12}) {
            const QList<double> u = cells(unbalanced[i]), b = cells(balanced[i]);
            QVERIFY2(std::fabs(b[0] / u[0] - 0.5) < 1e-3, qPrintable(balanced[i]));
            QCOMPARE(b[1], u[1]);
            if (u[2] > 0)
                QVERIFY2(std::fabs(b[2] / u[2] - 0.5) < 1e-3, qPrintable(balanced[i]));
        }
        QCOMPARE(balanced[3], unbalanced[3]);
        QCOMPARE(balanced[11], unbalanced[11]);
    }

    void tMemoLines()
    {
        Form1->PageControl1->setCurrentIndex(kT);
        const QStringList memo = memoLines(Form8);
        QCOMPARE(memo.size(), 15);
        QCOMPARE(memo[0], "   Hochpass" + kHeader);
        QCOMPARE(memo[1], kRule);
        QVERIFY(memo[2].startsWith("    Xs1 -\t"));
        QVERIFY(memo[3].startsWith("    Xp  -\t"));
        QVERIFY(memo[4].startsWith("    Xs2 -\t"));
        QCOMPARE(memo[7], QString());
        QCOMPARE(memo[8], "   Tiefpass" + kHeader);
        QVERIFY(memo[11].startsWith("    Xp -\t"));
        QVERIFY(memo[11].endsWith("\t   -----"));
    }

    void tCoilQRange()
    {
        Form1->PageControl1->setCurrentIndex(kT);
        const QList<driver::Box> boxes = driver::boxesDuring([] { driver::enter("T_E_QL", "1001"); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Die Eingabe1001  ist ausserhalb\n\ndes gültigen Wertebereiches:0 bis 1000"));
        EXPECT_TEXTS({"T_E_QL=100,000"});
    }

    void tBandwidthLabelAfterEntry()
    {
        Form1->PageControl1->setCurrentIndex(kT);
        driver::enter("T_E_F", "3,6M");
        QCOMPARE(driver::find<QLabel>("Label173")->text(), withPunktKomma("Bandbreite <=  1,782 M Hz"));
    }

    // Both pages

    // A coil Q of 0, a bandwidth of 0 and equal real parts from a file end in the standard
    // report; no field shows "inf" or "nan".
    void faultsEndTheHandler_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("Pi") << "Pi";
        QTest::newRow("T") << "T";
    }
    void faultsEndTheHandler()
    {
        QFETCH(QString, prefix);
        const int index = prefix == "Pi" ? kPi : kT;
        MatchingNetz* page = prefix == "Pi" ? static_cast<MatchingNetz*>(pi()) : tn();
        Form1->PageControl1->setCurrentIndex(index);
        const auto clean = [&] {
            for (const QString& t : driver::pageTexts(index))
                if (t.contains("inf", Qt::CaseInsensitive) || t.contains("nan", Qt::CaseInsensitive))
                    return false;
            return true;
        };
        QList<driver::Box> boxes = driver::boxesDuring([&] { driver::enter(prefix + "_E_QL", "0"); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(clean());
        driver::enter(prefix + "_E_QL", "100");

        page->RG_Einvorgabe->setItemIndex(1);
        boxes = driver::boxesDuring([&] { driver::enter(prefix + "_E_B", "0"); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(clean());
        QVERIFY(std::isfinite(page->Q_E));

        // equal real parts restored from a file
        IniDocument ini;
        page->storeSettings(ini);
        const QString section = prefix == "Pi" ? "Pi-Netz" : "T-Netz";
        ini.setValue(section, "R1", "50,000");
        ini.setValue(section, "R2", "50,000");
        ini.setValue(section, "Ein/Vorgabe", "0");
        const QString before = text(prefix + "_E_HP_TL");
        boxes = driver::boxesDuring([&] {
            page->loadSettings(StoredSettings(ini, QLatin1Char(',')));
            QTest::qWait(20);
        });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(clean());
        QCOMPARE(text(prefix + "_E_HP_TL"), before);
    }

    void settingsRoundTrip()
    {
        Form1->PageControl1->setCurrentIndex(kPi);
        enterQ(pi(), "Pi", "6");
        pi()->RG_unsym->setItemIndex(1);
        Form7->peakOrRms()->setItemIndex(0);
        driver::enterEach({"Pi_E_Z1j=-30", "Pi_E_F=7M"});
        Form1->PageControl1->setCurrentIndex(kT);
        enterQ(tn(), "T", "4");
        tn()->RG_Auswahl->setItemIndex(0);
        driver::enterEach({"T_E_Z2j=15", "T_E_QL=80"});
        const QStringList piTexts = driver::pageTexts(kPi), tTexts = driver::pageTexts(kT);
        const QStringList memos = memoLines(Form7) + memoLines(Form8);
        const double piQ = pi()->Q_E, tQ = tn()->Q_E;

        IniDocument ini;
        pi()->storeSettings(ini);
        tn()->storeSettings(ini);
        QCOMPARE(ini.value("Pi-Netz", "Ein/Vorgabe").value_or(""), QString("1"));
        QCOMPARE(ini.value("Pi-Netz", "unsym").value_or(""), QString("1"));
        QCOMPARE(ini.value("Pi-Netz", "Ueff/Us").value_or(""), QString("0"));
        QCOMPARE(ini.value("T-Netz", "Guete_L").value_or(""), withPunktKomma("80,000 "));
        QVERIFY(ini.value("T-Netz", "C1").has_value());
        QVERIFY(ini.value("T-Netz", "BTP").has_value());
        QVERIFY(ini.value("Pi-Netz", "Betriebsguete_Eingabe").has_value());

        // as at the program start: the fields are empty until their keys are read
        for (QWidget* w : {static_cast<QWidget*>(pi()), static_cast<QWidget*>(tn()),
                           static_cast<QWidget*>(Form7), static_cast<QWidget*>(Form8)})
            for (EditField* f : w->findChildren<EditField*>())
                f->setText(QString());
        const IniDocument stored = IniDocument::fromBytes(ini.toBytes());
        QCOMPARE(driver::boxesDuring([&] {
                     pi()->loadSettings(StoredSettings(stored, punktKomma()));
                     tn()->loadSettings(StoredSettings(stored, punktKomma()));
                     QTest::qWait(10);
                 }).size(),
                 0);
        QCOMPARE(driver::pageTexts(kPi), piTexts);
        QCOMPARE(driver::pageTexts(kT), tTexts);
        QCOMPARE(memoLines(Form7) + memoLines(Form8), memos);
        QCOMPARE(pi()->Q_E, piQ);
        QCOMPARE(tn()->Q_E, tQ);
        QCOMPARE(pi()->RG_Einvorgabe->itemIndex(), 1);
        QVERIFY(driver::field("Pi_E_Q")->isEnabled());
        QVERIFY(!driver::field("T_E_B")->isHidden());
        QVERIFY(driver::field("Pi_E_Q")->parentWidget()->isVisibleTo(pi()));
    }

    void reformats_data()
    {
        QTest::addColumn<int>("notation");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("prefix") << 0
                                << QStringList{"Pi_E_Z1=1,200 k" + O + " ", "Pi_E_Z1j= 0,000 " + O,
                                               "Pi_E_F=3,600 MHz", "Pi_E_HP_Xp1=10,953 µH",
                                               "T_E_Z1=250,000 " + O + " ", "T_E_HP_Xp=5,231 µH"};
        QTest::newRow("SCI") << 1
                             << QStringList{"Pi_E_Z1=1,200E+03 " + O + " ", "Pi_E_Z1j= 0,000E+00 " + O,
                                            "Pi_E_F=3,600E+06 Hz", "T_E_Z1=2,500E+02 " + O + " "};
        QTest::newRow("ENG") << 2
                             << QStringList{"Pi_E_Z1=1,200E03 " + O + " ", "Pi_E_F=3,600E06 Hz",
                                            "T_E_Z1=250,000E00 " + O + " "};
    }
    void reformats()
    {
        QFETCH(int, notation);
        QFETCH(QStringList, expected);
        setNotation(static_cast<Notation>(notation));
        QCOMPARE(driver::boxesDuring([] {
                     pi()->reformat();
                     tn()->reformat();
                 }).size(),
                 0);
        EXPECT_TEXTS(expected);
        for (const QString& t : driver::pageTexts(kPi) + driver::pageTexts(kT))
            QVERIFY2(!t.contains("inf") && !t.contains("nan"), qPrintable(t));
    }

    void firstStartIsConsistent()
    {
        EXPECT_TEXTS({"Pi_E_Q=4,844", "Pi_E_B=743,220 kHz", "Pi_E_Z1=1,200 k" + O + " ", "Pi_E_QL=100,000",
                      "T_E_Q=2,020", "T_E_Z1=250,000 " + O + " "});
        QCOMPARE(driver::find<QLabel>("Label100")->text(), withPunktKomma("Bandbreite <=  743,220 kHz"));
        QVERIFY(text("Pi_E_HP_Xp1").endsWith("H"));
        QVERIFY(text("T_E_HP_Xs1").endsWith("F"));
        QCOMPARE(memoLines(Form7).size(), 15);
        QCOMPARE(memoLines(Form8).size(), 15);
        QCOMPARE(Form7->powerField()->text(), withPunktKomma("1,000 W"));
    }
};

QTEST_MAIN(TestMatchingPages)
#include "tst_matchingpages.moc"
