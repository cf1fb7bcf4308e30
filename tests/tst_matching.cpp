// The L, Pi and T matching networks alone: the worked examples of their pages, element kinds
// and pictures, and the physics of the designed networks (lossless ones pass all the
// available power; coil losses show as TL), and their floating-point faults.
#include "rf/LNetwork.h"

#include <QtTest>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace ampero;

namespace {

// Whether x shows as `text` when rounded to the decimals written in it.
bool showsAs(long double x, const char* text)
{
    const char* dot = std::strchr(text, '.');
    const int decimals = dot ? static_cast<int>(std::strlen(dot + 1)) : 0;
    const double expected = std::strtod(text, nullptr);
    return std::fabs(static_cast<double>(x) - expected) <= 0.5 * std::pow(10.0, -decimals) + 1e-12;
}

#define VERIFY_SHOWS(x, text)                                                                      \
    QVERIFY2(showsAs(x, text),                                                                     \
             qPrintable(QString("%1 is not %2").arg(double(x), 0, 'g', 12).arg(text)))

constexpr long double kLossless = std::numeric_limits<long double>::infinity();
constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The L network designed and analysed step by step, as the page runs it.
struct LRun {
    lnetwork::Sides sides;
    long double Lp, Cp;
    lnetwork::Series hs, ls;
    lnetwork::Pictures pictures;
    lnetwork::Analysis hp, lp;
};

LRun runL(long double F, long double R1, long double X1, long double R2, long double X2,
          long double QL, bool balanced = false, long double P = 1)
{
    LRun r;
    r.sides = lnetwork::sides(F, R1, X1, R2, X2);
    r.Lp = lnetwork::highPassShunt(r.sides);
    r.hs = lnetwork::highPassSeries(r.sides, balanced);
    r.Cp = lnetwork::lowPassShunt(r.sides);
    r.ls = lnetwork::lowPassSeries(r.sides, balanced);
    r.pictures = lnetwork::pictures(r.sides, r.hs, r.ls);
    r.hp = lnetwork::analyse(R1, X1, R2, X2,
                             lnetwork::highPassImpedances(r.sides, r.Lp, r.hs, QL), P);
    r.lp = lnetwork::analyse(R1, X1, R2, X2,
                             lnetwork::lowPassImpedances(r.sides, r.Cp, r.ls, QL), P);
    return r;
}

} // namespace

class TestMatching : public QObject {
    Q_OBJECT

private slots:
    void init() { std::feclearexcept(FE_ALL_EXCEPT); }

    // 10 MHz, 300 Ω and 50 Ω, QL 50: the same four elements in either direction, the shunt
    // elements always across the 300 Ω side.
    void lExample_data()
    {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("R2");
        QTest::addColumn<int>("picture");
        QTest::addColumn<bool>("shuntFirst");
        QTest::newRow("300 to 50") << 300.0 << 50.0 << 2 << true;
        QTest::newRow("50 to 300") << 50.0 << 300.0 << 1 << false;
    }

    void lExample()
    {
        QFETCH(double, R1);
        QFETCH(double, R2);
        QFETCH(int, picture);
        QFETCH(bool, shuntFirst);
        const auto r = runL(10e6, R1, 0, R2, 0, 50);
        VERIFY_SHOWS(r.Lp * 1e6, "2.135");
        QVERIFY(!r.hs.inductor);
        QCOMPARE(r.hs.unit, 'F');
        VERIFY_SHOWS(r.hs.shown * 1e12, "142.35");
        VERIFY_SHOWS(r.Cp * 1e12, "118.63");
        QVERIFY(r.ls.inductor);
        QCOMPARE(r.ls.unit, 'H');
        VERIFY_SHOWS(r.ls.shown * 1e6, "1.7794");
        QCOMPARE(r.pictures.highPass, picture);
        QCOMPARE(r.pictures.lowPass, picture);
        VERIFY_SHOWS(r.hp.TL, "0.192");
        VERIFY_SHOWS(r.lp.TL, "0.192");
        QCOMPARE(r.hp.shuntFirst, shuntFirst);
        // the power in the table's last line gives the TL field back
        QVERIFY(std::fabs(10 * std::log10(1 / r.hp.P2) - r.hp.TL) < 1e-12);
        // the coil losses and the mismatch they cause take the rest of the available 1 W
        QVERIFY(r.hp.P2 + r.hp.Pp + r.hp.Ps <= 1);
        QVERIFY(r.hp.Pp > 0);
        QCOMPARE(r.hp.Ps, 0.0); // series capacitor
        QVERIFY(r.lp.Ps > 0 && r.lp.Pp == 0);
        QVERIFY(r.lp.P2 + r.lp.Ps <= 1);
    }

    // Balanced: the series element splits into one in each line, a capacitor of twice and a
    // coil of half the value; the shunt elements stay.
    void lBalanced()
    {
        const auto r = runL(10e6, 300, 0, 50, 0, 50, true);
        VERIFY_SHOWS(r.hs.shown * 1e12, "284.71");
        VERIFY_SHOWS(r.ls.shown * 1e9, "889.7"); // half of 1.7794 µH
        VERIFY_SHOWS(r.Lp * 1e6, "2.135");
        QCOMPARE(r.hs.value * 2, r.hs.shown);
        QCOMPARE(r.ls.value / 2, r.ls.shown);
    }

    // A series element of the other kind: a low side more capacitive than q·Rl makes the
    // high-pass series element a coil, one more inductive makes the low-pass one a capacitor.
    // q = √5 between 300 Ω and 50 Ω, q·Rl = 111.8 Ω.
    void lChangedKind_data()
    {
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("X2");
        QTest::addColumn<double>("R2");
        QTest::addColumn<bool>("hpInductor");
        QTest::addColumn<bool>("lpInductor");
        QTest::addColumn<int>("hpPicture");
        QTest::addColumn<int>("lpPicture");
        QTest::addColumn<double>("XsH");
        QTest::addColumn<double>("XsT");
        const double qRl = std::sqrt(5.0) * 50;
        QTest::newRow("capacitive load, shunt at Z1")
            << 0.0 << 300.0 << -200.0 << 50.0 << true << true << 4 << 2 << 200 - qRl
            << 200 + qRl;
        QTest::newRow("capacitive source, shunt at Z2")
            << -200.0 << 50.0 << 0.0 << 300.0 << true << true << 3 << 1 << 200 - qRl
            << 200 + qRl;
        QTest::newRow("inductive load, shunt at Z1")
            << 0.0 << 300.0 << 200.0 << 50.0 << false << false << 2 << 4 << -200 - qRl
            << qRl - 200;
        QTest::newRow("inductive source, shunt at Z2")
            << 200.0 << 50.0 << 0.0 << 300.0 << false << false << 1 << 3 << -200 - qRl
            << qRl - 200;
    }

    void lChangedKind()
    {
        QFETCH(double, X1);
        QFETCH(double, R1);
        QFETCH(double, X2);
        QFETCH(double, R2);
        QFETCH(bool, hpInductor);
        QFETCH(bool, lpInductor);
        QFETCH(int, hpPicture);
        QFETCH(int, lpPicture);
        QFETCH(double, XsH);
        QFETCH(double, XsT);
        const auto r = runL(10e6, R1, X1, R2, X2, 50);
        QVERIFY(std::fabs(r.hs.X - XsH) < 1e-12);
        QVERIFY(std::fabs(r.ls.X - XsT) < 1e-12);
        QCOMPARE(r.hs.inductor, hpInductor);
        QCOMPARE(r.ls.inductor, lpInductor);
        QCOMPARE(r.hs.unit, hpInductor ? 'H' : 'F');
        QCOMPARE(r.ls.unit, lpInductor ? 'H' : 'F');
        const long double w = 2 * M_PI * 10e6;
        const long double expectedH = hpInductor ? std::fabs(XsH) / w : 1 / (std::fabs(XsH) * w);
        QVERIFY(std::fabs(r.hs.value / expectedH - 1) < 1e-12);
        QCOMPARE(r.pictures.highPass, hpPicture);
        QCOMPARE(r.pictures.lowPass, lpPicture);
        // balanced: halves by kind, whichever form the element stands in
        const auto b = runL(10e6, R1, X1, R2, X2, 50, true);
        QCOMPARE(b.hs.shown, hpInductor ? r.hs.value / 2 : r.hs.value * 2);
        QCOMPARE(b.ls.shown, lpInductor ? r.ls.value / 2 : r.ls.value * 2);
        // a coil carries its loss, a capacitor none
        QCOMPARE(r.hp.Ps > 0, hpInductor);
        QCOMPARE(r.lp.Ps > 0, lpInductor);
    }

    // A series reactance inside ±1e-5 Ω is none: a capacitor of 0 F in the high-pass, a coil
    // of about 0 H in the low-pass.
    void lReactanceTolerance()
    {
        const double qRl = std::sqrt(5.0L) * 50;
        const auto hp = runL(10e6, 300, 0, 50, -qRl, 50);
        QVERIFY(std::fabs(hp.hs.X) < 1e-5);
        QCOMPARE(hp.hs.unit, 'F');
        QCOMPARE(static_cast<double>(hp.hs.value), 0.0);
        QCOMPARE(hp.pictures.highPass, 2);
        const auto lp = runL(10e6, 300, 0, 50, qRl, 50);
        QVERIFY(std::fabs(lp.ls.X) < 1e-5);
        QCOMPARE(lp.ls.unit, 'H');
        QVERIFY(lp.ls.value < 1e-5 / (2 * M_PI * 10e6));
        QCOMPARE(lp.pictures.lowPass, 2);
        QVERIFY(!std::fetestexcept(kFaults));
    }

    // Without coil losses either L network takes all the available power into the load,
    // complex terminations and series elements of the other kind included.
    void losslessNetworksMatch_data()
    {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("R2");
        QTest::addColumn<double>("X2");
        QTest::newRow("300 to 50") << 300.0 << 0.0 << 50.0 << 0.0;
        QTest::newRow("50 to 300") << 50.0 << 0.0 << 300.0 << 0.0;
        QTest::newRow("complex, Z1 high") << 300.0 << 40.0 << 50.0 << -20.0;
        QTest::newRow("complex, Z2 high") << 50.0 << 30.0 << 300.0 << -100.0;
        QTest::newRow("capacitive low side") << 300.0 << 0.0 << 50.0 << -200.0;
        QTest::newRow("inductive low side") << 50.0 << 200.0 << 300.0 << 0.0;
        QTest::newRow("extreme") << 1e-6 << 1e5 << 1e9 << -1e5;
    }

    void losslessNetworksMatch()
    {
        QFETCH(double, R1);
        QFETCH(double, X1);
        QFETCH(double, R2);
        QFETCH(double, X2);
        for (double F : {1e3, 10e6, 1e12}) {
            const auto r = runL(F, R1, X1, R2, X2, kLossless);
            QVERIFY2(std::fabs(r.hp.TL) < 1e-9, qPrintable(QString::number(double(r.hp.TL))));
            QVERIFY2(std::fabs(r.lp.TL) < 1e-9, qPrintable(QString::number(double(r.lp.TL))));
            QCOMPARE(r.hp.Pp + r.hp.Ps + r.lp.Pp + r.lp.Ps, 0.0);
        }
        QVERIFY(!std::fetestexcept(kFaults));
    }

    // Equal real parts without a reactance on the high side leave nothing to match: the shunt
    // coil divides by zero, and only there.
    void lEqualRealParts()
    {
        volatile double R = 50;
        const auto s = lnetwork::sides(10e6, R, 0, R, 0);
        QVERIFY(!std::fetestexcept(kFaults));
        const long double Lp = lnetwork::highPassShunt(s);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        QVERIFY(std::isinf(Lp));
    }

    // A coil Q of 0 divides by zero when the impedances are formed; nothing before that
    // faults, and the analysis of the result does not crash.
    void lZeroCoilQ()
    {
        const auto s = lnetwork::sides(10e6, 300, 0, 50, 0);
        const long double Lp = lnetwork::highPassShunt(s);
        const auto hs = lnetwork::highPassSeries(s, false);
        QVERIFY(!std::fetestexcept(kFaults));
        volatile double QL = 0;
        const auto z = lnetwork::highPassImpedances(s, Lp, hs, QL);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        lnetwork::analyse(300, 0, 50, 0, z, 1);
    }

};

QTEST_APPLESS_MAIN(TestMatching)
#include "tst_matching.moc"
