// The physics alone: resonance of the series and parallel R-L-C connections, and the level
// conversions, checked against values derived by hand.
#include "rf/Levels.h"
#include "rf/RCNetwork.h"
#include "rf/RLCNetwork.h"
#include "rf/Reactance.h"
#include "rf/Resonance.h"

#include <cfenv>
#include <cmath>
#include <QtTest>

using namespace ampero;

namespace {

bool near(long double a, long double b, long double relative = 1e-12L)
{
    return std::fabs(a - b) <= relative * std::fabs(b);
}

// The floating-point faults a computation leaves behind.
template <typename F>
int faultsOf(F f)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile long double result = f();
    (void)result;
    return std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
}

constexpr long double kPi = 3.14159265358979323846264338327950288L;

} // namespace

class TestRf : public QObject {
    Q_OBJECT

private slots:
    // At resonance (ω²LC = 1) the reactances cancel: Z = R, U = UR, Q = 0, φ = 0, while the
    // element voltages stay.
    void seriesResonance()
    {
        const long double F = 1 / rlc::kTwoPi; // ω = 1
        const auto r = rlc::series(F, 2, 3, 1.0L / 3, 0.5, rlc::Circuit::RLC);
        QVERIFY(r.X < 1e-15);
        QVERIFY(std::fabs(r.Z - 2) < 1e-15);
        QVERIFY(std::fabs(r.U - r.UR) < 1e-15);
        QVERIFY(r.Q < 1e-15 && std::fabs(r.phi) < 1e-15);
        QVERIFY(std::fabs(r.UL - 1.5L) < 1e-15 && std::fabs(r.UC - 1.5L) < 1e-15);
    }

    void parallelResonance()
    {
        const long double F = 1 / rlc::kTwoPi;
        const auto p = rlc::parallel(F, 0.25, 3, 1.0L / 3, 4, rlc::Circuit::RLC);
        QVERIFY(p.B < 1e-15);
        QVERIFY(std::fabs(p.Y - 0.25L) < 1e-15);
        QVERIFY(std::fabs(p.I - p.Ir) < 1e-15);
        QVERIFY(p.Q < 1e-15 && std::fabs(p.phi) < 1e-15);
        QVERIFY(p.IL > 1 && p.IC > 1);
    }

    // A circuit without an element behaves as the full one with that element's part zero: the
    // sign of the angle follows the remaining element in both connections.
    void missingElementsMatchTheFullCircuit()
    {
        const auto rl = rlc::series(1e6, 10, 1e-6, 1e-9, 1, rlc::Circuit::RL);
        QVERIFY(rl.phi > 0 && rl.UC == 0 && rl.QC == 0);
        const auto rc = rlc::series(1e6, 10, 1e-6, 1e-9, 1, rlc::Circuit::RC);
        QVERIFY(rc.phi < 0 && rc.UL == 0);
        const auto prl = rlc::parallel(1e6, 1e-3, 1e-6, 1e-9, 1, rlc::Circuit::RL);
        QVERIFY(prl.phi < 0 && prl.IC == 0 && prl.QC == 0); // a coil draws a lagging current
        const auto prc = rlc::parallel(1e6, 1e-3, 1e-6, 1e-9, 1, rlc::Circuit::RC);
        QVERIFY(prc.phi > 0 && prc.IL == 0);
        // with an inductive surplus the full parallel circuit agrees with RL
        const auto inductive = rlc::parallel(1e6, 1e-3, 1e-6, 1e-12, 1, rlc::Circuit::RLC);
        QVERIFY(inductive.phi < 0);
    }

    void levels()
    {
        QCOMPARE(static_cast<double>(levels::powerFromDbm(30)), 1.0);
        QCOMPARE(static_cast<double>(levels::dbmFromPower(1e-3L)), 0.0);
        QCOMPARE(static_cast<double>(levels::rmsFromDbuv(120)), 1.0);
        QVERIFY(std::fabs(levels::rmsFromDbm(0, 50) - std::sqrt(0.05L)) < 1e-18);
        QVERIFY(std::fabs(levels::kPeakToPeak - 2 * std::sqrt(2.0L)) < 1e-18);
        QCOMPARE(static_cast<double>(levels::throughGain(2, -20, 20)), 0.2);
        QCOMPARE(static_cast<double>(levels::throughGain(2, 20, 20)), 20.0);
    }

    // A 10 µH coil and a 1 nF capacitor at 1 MHz, and their inverse relations.
    void reactances()
    {
        const long double XL = 2 * kPi * 1e6L * 10e-6L; // 62.83 Ω
        QVERIFY(near(reactance::inductiveReactance(1e6, 10e-6), XL));
        QVERIFY(near(reactance::inductance(XL, 1e6), 10e-6L));
        QVERIFY(near(reactance::coilFrequency(XL, 10e-6), 1e6L));
        QVERIFY(near(reactance::seriesLoss(XL, 10), XL / 10));
        QVERIFY(near(reactance::seriesImpedance(3, 4), 5));
        QVERIFY(near(reactance::seriesLossFromImpedance(5, 3), 4));
        QVERIFY(near(reactance::seriesLossFromImpedance(3, 5), 4)); // Z below X: the magnitude

        const long double XC = 1 / (2 * kPi * 1e6L * 1e-9L); // 159.15 Ω
        QVERIFY(near(reactance::capacitiveReactance(1e6, 1e-9), XC));
        QVERIFY(near(reactance::capacitance(XC, 1e6), 1e-9L));
        QVERIFY(near(reactance::capacitorFrequency(XC, 1e-9), 1e6L));
        // Q = R / X for the parallel loss of a capacitor
        QVERIFY(near(reactance::parallelLoss(500, 1e6, 1e-9), 500 * XC));
        QVERIFY(near(reactance::capacitorQuality(500 * XC, 1e6, 1e-9), 500));
        // equal X and R in parallel: X / √2, from the reactance or the susceptance
        QVERIFY(near(reactance::parallelImpedance(XC, XC), XC / std::sqrt(2.0L)));
        QVERIFY(near(reactance::parallelImpedanceFromSusceptance(1 / XC, XC), XC / std::sqrt(2.0L)));
        QVERIFY(near(reactance::parallelLossFromImpedance(XC / std::sqrt(2.0L), XC), XC, 1e-9L));
    }

    // A capacitor whose impedance equals its reactance has no finite parallel loss; one whose
    // impedance exceeds its reactance has none at all.
    void capacitorLossFromImpedanceFaults()
    {
        QCOMPARE(faultsOf([] { return reactance::parallelLossFromImpedance(100, 100); }),
                 FE_DIVBYZERO);
        QVERIFY(faultsOf([] { return reactance::parallelLossFromImpedance(200, 100); }) &
                FE_INVALID);
        QCOMPARE(faultsOf([] { return reactance::seriesLoss(10, 0); }), FE_DIVBYZERO);
    }

    // 253.303 nH with 1 nF resonate at 10 MHz; a loss resistance lowers the parallel resonance.
    void resonance()
    {
        const long double L = 253.303e-9L, C = 1e-9L;
        const long double f0 = 1 / (2 * kPi * std::sqrt(L * C));
        QVERIFY(near(resonance::seriesFrequency(L, C), f0, 1e-14L));
        QVERIFY(near(resonance::seriesInductance(f0, C), L, 1e-14L));
        QVERIFY(near(resonance::seriesCapacitance(f0, L), C, 1e-14L));
        QVERIFY(near(resonance::parallelFrequency(L, C, 0), f0, 1e-14L));
        // f = (1/2π)·√(1/LC − (R/L)²) with R = 5 Ω
        const long double R = 5;
        const long double fp = std::sqrt(1 / (L * C) - (R / L) * (R / L)) / (2 * kPi);
        QVERIFY(near(resonance::parallelFrequency(L, C, R), fp, 1e-14L));
        QVERIFY(fp < f0);
        // L and C from a frequency follow the page's own relation π² / (Rv² + 4·π⁴·C·F²), which
        // is the Thomson relation for Rv = 0 and does not invert the frequency for Rv > 0
        QVERIFY(near(resonance::parallelInductance(f0, C, 0), L, 1e-14L));
        QVERIFY(near(resonance::parallelCapacitance(f0, L, 0), C, 1e-14L));
        const long double pi2 = kPi * kPi;
        QVERIFY(near(resonance::parallelInductance(fp, C, R), pi2 / (R * R + 4 * pi2 * pi2 * C * fp * fp),
                     1e-14L));
        QVERIFY(near(resonance::parallelResonanceResistance(L, C, R), R + L / (C * R)));
        const long double w = 2 * kPi * f0;
        QVERIFY(near(resonance::lossResistance(w, L, 100), w * L / 100, 1e-14L));
        QVERIFY(near(resonance::coilQuality(w, L, w * L / 100), 100, 1e-14L));
        // alone, the operating Q of the parallel circuit is √(Zo / Rv) = QL for a high QL
        const long double Rv = w * L / 100;
        const long double Zo = resonance::parallelResonanceResistance(L, C, Rv);
        QVERIFY(near(resonance::parallelOperatingQ(resonance::Circuit::Alone, w, L, 100, Rv, Zo,
                                                   0, 0),
                     100, 1e-3L));
        // in the line of a series circuit, source and load lower the Q
        QVERIFY(near(resonance::seriesOperatingQ(resonance::Circuit::InSeries, w, L, Rv, 50, 50),
                     w * L / (100 + Rv)));
    }

    // The power in the load against the power a matched load takes from the source.
    void transmissionLoss_data()
    {
        QTest::addColumn<int>("circuit");
        QTest::addColumn<double>("Z");
        QTest::addColumn<double>("dB");
        QTest::newRow("in the line, no resistance: matched") << 1 << 0.0 << 0.0;
        // Z = Rs + RL: a quarter of the matched power
        QTest::newRow("in the line, Z = 100 Ω") << 1 << 100.0 << -6.020599913279624;
        QTest::newRow("across the line, open: matched") << 2 << 1e300 << 0.0;
        // Z = RL across RL: the load is 25 Ω, I = U0 / 75, the load voltage U0 / 3 and its
        // power (4·50 / 9) / 50 W
        QTest::newRow("across the line, Z = RL") << 2 << 50.0 << 10 * std::log10(4.0 / 9.0);
    }
    void transmissionLoss()
    {
        QFETCH(int, circuit);
        QFETCH(double, Z);
        QFETCH(double, dB);
        const long double tl =
            resonance::transmissionLoss(static_cast<resonance::Circuit>(circuit), 50, 50, Z);
        QVERIFY2(std::fabs(tl - dB) < 1e-12, qPrintable(QString::number(double(tl), 'g', 17)));
    }

    void rcNetworks()
    {
        QVERIFY(near(rc::frequency(1000, 159.155e-9L), 1 / (2 * kPi * 1000 * 159.155e-9L)));
        QVERIFY(std::fabs(rc::frequency(1000, 159.155e-9L) - 1000) < 1e-3);
        QVERIFY(near(rc::resistance(159.155e-9L, 1000), 1000, 1e-5L));
        QVERIFY(near(rc::capacitance(1000, 1000), 1 / (2 * kPi * 1e6L)));
        QVERIFY(near(rc::frequencyFromTimeConstant(1e-3L), 1000 / (2 * kPi)));
        QCOMPARE(faultsOf([] { return rc::frequency(0, 1e-9); }), FE_DIVBYZERO);
    }

    // The fixed steps are the voltage factors of their decibels; a band of ±a dB lies
    // a/2 above and below the reference, and either edge gives a back.
    void decibelSteps()
    {
        const std::pair<long double, int> steps[] = {
            {levels::F1, 1}, {levels::F3, 3}, {levels::F6, 6}, {levels::F10, 10}, {levels::F20, 20}};
        for (const auto& [factor, dB] : steps)
            QVERIFY(near(factor, std::pow(10.0L, dB / 20.0L), 1e-13L));
        QVERIFY(near(levels::halfBandFactor(1), std::pow(10.0L, 0.5L / 20)));
        const long double upper = 0.775L * std::pow(10.0L, 3.0L / 40);
        const long double lower = 0.775L / std::pow(10.0L, 3.0L / 40);
        QVERIFY(near(levels::bandFromUpper(upper, 0.775L), 3));
        QVERIFY(near(levels::bandFromLower(lower, 0.775L), 3));
    }
};

QTEST_APPLESS_MAIN(TestRf)
#include "tst_rf.moc"
