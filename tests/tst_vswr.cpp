// The VSWR conversions alone: the page's worked examples, every measure converted back to the
// standing-wave ratio, the powers and voltages of a real load on the source, and the faults
// of the formulas at the ends of their ranges.
#include "rf/Vswr.h"

#include <QtTest>
#include <cfenv>
#include <cmath>
#include <cstring>

using namespace ampero;

namespace {

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

bool near(long double a, long double b, long double tol = 1e-12L)
{
    return std::fabs(a - b) <= tol * std::max(1.0L, std::fabs(b));
}

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

} // namespace

class TestVswr : public QObject {
    Q_OBJECT

private slots:
    void init() { std::feclearexcept(FE_ALL_EXCEPT); }

    // Z1 = 50 Ω, Pv = 10 W, s = 2.
    void swrExample()
    {
        const auto m = vswr::fromSwr(2);
        VERIFY_SHOWS(m.r, "0.333");
        VERIFY_SHOWS(m.RL, "9.542");
        VERIFY_SHOWS(m.p, "11.111");
        const auto pw = vswr::powers(m.r, 10);
        VERIFY_SHOWS(pw.Pr, "1.111");
        VERIFY_SHOWS(pw.Pl, "8.889");
        const auto z = vswr::loads(50, m.s);
        QCOMPARE(z.Z2a, 100.0L);
        QCOMPARE(z.Z2b, 25.0L);
        const auto u = vswr::voltages(10, 50, z.Z2a, z.Z2b);
        VERIFY_SHOWS(u.UZ1a, "14.907");
        VERIFY_SHOWS(u.UZ2a, "29.814");
        VERIFY_SHOWS(u.UZ1b, "29.814");
        VERIFY_SHOWS(u.UZ2b, "14.907");
        VERIFY_SHOWS(u.UZ1a + u.UZ2a, "44.721"); // Uo = √2000
    }

    void returnLossExample()
    {
        const auto m = vswr::fromReturnLoss(20);
        VERIFY_SHOWS(m.r, "0.100");
        VERIFY_SHOWS(m.s, "1.222");
        VERIFY_SHOWS(m.p, "1.000");
    }

    // Every measure leads back to the same s; the reflected power for p percent of 1 W is
    // p/100 W.
    void roundTrips_data()
    {
        QTest::addColumn<double>("s");
        QTest::newRow("1.001") << 1.001;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
        QTest::newRow("10") << 10.0;
        QTest::newRow("9999") << 9999.0;
    }

    void roundTrips()
    {
        QFETCH(double, s);
        const auto m = vswr::fromSwr(s);
        QVERIFY(m.r > 0 && m.r < 1 && m.RL > 0);
        const long double tol = 1e-12L * s; // 1/(1 − r) amplifies near total reflection
        for (const auto& back :
             {vswr::fromReturnLoss(m.RL), vswr::fromReflection(m.r), vswr::fromPercent(m.p),
              vswr::fromPowers(1, m.p / 100)}) {
            QVERIFY(near(back.s, s, tol));
            QVERIFY(near(back.r, m.r));
            QVERIFY(near(back.RL, m.RL, 1e-10L));
            QVERIFY(near(back.p, m.p, 1e-10L));
        }
        // a negative reflection factor is the same mismatch
        const auto neg = vswr::fromReflection(-m.r);
        QVERIFY(near(neg.s, s, tol));
        QCOMPARE(neg.r, -m.r);
        QCOMPARE(neg.p, vswr::fromReflection(m.r).p);
    }

    // A real load Z2 on the source takes 4·Z1·Z2/(Z1 + Z2)² of the forward power, for the
    // load above Z1 and the one below it alike; the voltage across it gives the same power.
    void powersOfARealLoad_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("s");
        QTest::newRow("50 ohm, s 2") << 50.0 << 2.0;
        QTest::newRow("75 ohm, s 1.3") << 75.0 << 1.3;
        QTest::newRow("600 ohm, s 40") << 600.0 << 40.0;
        QTest::newRow("1e-20 ohm, s 3") << 1e-20 << 3.0;
    }

    void powersOfARealLoad()
    {
        QFETCH(double, Z1);
        QFETCH(double, s);
        const long double Pv = 7;
        const auto pw = vswr::powers(vswr::fromSwr(s).r, Pv);
        const auto z = vswr::loads(Z1, s);
        const auto u = vswr::voltages(Pv, Z1, z.Z2a, z.Z2b);
        for (long double Z2 : {z.Z2a, z.Z2b}) {
            const long double Pl = 4 * Z1 * Z2 / ((Z1 + Z2) * (Z1 + Z2)) * Pv;
            QVERIFY(near(pw.Pl, Pl));
        }
        QVERIFY(near(u.UZ2a * u.UZ2a / z.Z2a, pw.Pl));
        QVERIFY(near(u.UZ2b * u.UZ2b / z.Z2b, pw.Pl));
        QVERIFY(near(pw.Pr + pw.Pl, Pv));
        // matched, source and load share the open-circuit voltage equally: √(Pv·Z1) each
        QVERIFY(near(vswr::matchedVoltage(Pv, Z1), std::sqrt(Pv * Z1)));
    }

    // A new Z1 against the present loads.
    void swrFromZ1_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("Z2a");
        QTest::addColumn<double>("Z2b");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<bool>("matched");
        QTest::addColumn<double>("s");
        // after the matched state, both loads at 50 Ω
        QTest::newRow("above equal loads") << 100.0 << 50.0 << 50.0 << false << false << 2.0;
        QTest::newRow("below equal loads") << 25.0 << 50.0 << 50.0 << false << false << 2.0;
        QTest::newRow("at equal loads") << 50.0 << 50.0 << 50.0 << false << true << 1.0;
        QTest::newRow("between") << 50.0 << 100.0 << 25.0 << false << false << 2.0;
        QTest::newRow("at the upper load") << 100.0 << 100.0 << 25.0 << false << true << 1.0;
        QTest::newRow("above the range") << 150.0 << 100.0 << 25.0 << true << false << 1.5;
        QTest::newRow("below the range") << 20.0 << 100.0 << 25.0 << true << false << 1.25;
    }

    void swrFromZ1()
    {
        QFETCH(double, Z1);
        QFETCH(double, Z2a);
        QFETCH(double, Z2b);
        QFETCH(bool, leaves);
        QFETCH(bool, matched);
        QFETCH(double, s);
        QCOMPARE(vswr::leavesLoads(Z1, Z2a, Z2b), leaves);
        const auto r = vswr::swrFromZ1(Z1, Z2a, Z2b);
        QCOMPARE(r.matched, matched);
        QVERIFY(near(r.s, s));
    }

    // The fixed states stand only at the two ends of the ratio; everything between them, and a
    // ratio above 10000 that another measure gives, runs the formulas.
    void stateOfSwr_data()
    {
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("state");
        QTest::newRow("1") << 1.0 << int(vswr::Matched);
        QTest::newRow("just above 1") << 1.0000001 << int(vswr::Normal);
        QTest::newRow("1.5") << 1.5 << int(vswr::Normal);
        QTest::newRow("500") << 500.0 << int(vswr::Normal);
        QTest::newRow("10000") << 10000.0 << int(vswr::TotalReflection);
        QTest::newRow("66665") << 66665.0 << int(vswr::Normal);
    }

    void stateOfSwr()
    {
        QFETCH(double, s);
        QFETCH(int, state);
        QCOMPARE(int(vswr::stateOfSwr(s)), state);
        if (state == vswr::Normal) {
            const auto m = vswr::fromSwr(s);
            QVERIFY(!std::fetestexcept(kFaults) && m.RL > 0 && std::isfinite(m.RL));
        }
    }

    // s = 1 and total reflection run the formulas to infinity: the faults show in the
    // flags, which is why the page shows its fixed states there.
    void faultsAtTheEnds()
    {
        volatile double one = 1, pv = 10;
        auto m = vswr::fromSwr(one);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        QVERIFY(std::isinf(m.RL));
        std::feclearexcept(FE_ALL_EXCEPT);
        m = vswr::fromPowers(pv, pv);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        QVERIFY(std::isinf(m.s));
        std::feclearexcept(FE_ALL_EXCEPT);
        m = vswr::fromReflection(0.0L * one);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        std::feclearexcept(FE_ALL_EXCEPT);
        // a load power above the forward power leaves a negative reflected power
        m = vswr::fromPowers(pv, pv - 12 * one);
        QVERIFY(std::fetestexcept(FE_INVALID));
        QVERIFY(std::isnan(m.s));
        std::feclearexcept(FE_ALL_EXCEPT);
        // the fixed states themselves are plain numbers
        QCOMPARE(vswr::kMatched.s, 1.0001L);
        QCOMPARE(vswr::kTotalReflection.RL, 0.002L);
        vswr::fromSwr(10000);
        vswr::fromReturnLoss(86);
        vswr::fromPercent(99.994L);
        QVERIFY(!std::fetestexcept(kFaults));
    }
};

QTEST_APPLESS_MAIN(TestVswr)
#include "tst_vswr.moc"
