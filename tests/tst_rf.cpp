// The physics alone: resonance of the series and parallel R-L-C connections, and the level
// conversions, checked against values derived by hand.
#include "rf/Levels.h"
#include "rf/RLCNetwork.h"

#include <QtTest>
#include <cmath>

using namespace ampero;

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
};

QTEST_APPLESS_MAIN(TestRf)
#include "tst_rf.moc"
