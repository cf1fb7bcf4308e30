// Resistive pads alone: the worked examples of the attenuator and matching-pad pages, and
// the physics of every pad solved as a ladder (matched input, attenuation from available
// power to load power).
#include "rf/Pads.h"

#include <QtTest>
#include <cfenv>
#include <cmath>
#include <cstring>

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
    QVERIFY2(showsAs(x, text), qPrintable(QString("%1 is not %2").arg(double(x), 0, 'g', 12).arg(text)))

bool near(double a, double b, double tol = 1e-12)
{
    return std::fabs(a - b) <= tol * std::max(1.0, std::fabs(b));
}

// The source Z1 offers 1 W: U0 = 2·√Z1.
ladder::Solution drive(const std::vector<ladder::Element>& e, double Z1, double Z2)
{
    return ladder::solve(2 * std::sqrt(Z1), Z1, e, Z2);
}

// The same ladder seen from the load side: the elements in reverse order, driven from Z2.
ladder::Solution driveBackwards(std::vector<ladder::Element> e, double Z1, double Z2)
{
    std::reverse(e.begin(), e.end());
    return ladder::solve(2 * std::sqrt(Z2), Z2, e, Z1);
}

} // namespace

class TestPads : public QObject {
    Q_OBJECT

private slots:
    // K = 10 at 20 dB: Pi R1 = Z·99/20, R2 = R3 = Z·11/9; T R1 = Z·20/99, R2 = R3 = Z·9/11.
    void attenuatorValues_data()
    {
        QTest::addColumn<bool>("balanced");
        QTest::addColumn<double>("piR1");
        QTest::addColumn<double>("tR23");
        QTest::newRow("unsym.") << false << 247.5 << 450.0 / 11;
        QTest::newRow("sym.") << true << 123.75 << 225.0 / 11;
    }

    void attenuatorValues()
    {
        QFETCH(bool, balanced);
        QFETCH(double, piR1);
        QFETCH(double, tR23);
        const auto pad = pads::attenuator(20, 50);
        QVERIFY(near(pad.K, 10));
        QVERIFY(near(pad.piR1, 247.5));
        QVERIFY(near(pad.tR23, 450.0 / 11));
        const auto s = pads::shown(pad, balanced);
        QVERIFY(near(s.piR1, piR1));
        QVERIFY(near(s.piR23, 550.0 / 9));
        QVERIFY(near(s.tR1, 1000.0 / 99));
        QVERIFY(near(s.tR23, tR23));
        VERIFY_SHOWS(s.piR23, "61.111");
        VERIFY_SHOWS(s.tR1, "10.101");
    }

    // Terminated with Z, either attenuator presents Z at its input, and the load receives
    // 10^(−a/10) of the available power.
    void attenuatorMatched_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("Z");
        QTest::newRow("0.01 dB 50 ohm") << 0.01 << 50.0;
        QTest::newRow("3 dB 75 ohm") << 3.0 << 75.0;
        QTest::newRow("20 dB 50 ohm") << 20.0 << 50.0;
        QTest::newRow("60 dB 600 ohm") << 60.0 << 600.0;
        QTest::newRow("120 dB 1e-13 ohm") << 120.0 << 1e-13;
    }

    void attenuatorMatched()
    {
        QFETCH(double, a);
        QFETCH(double, Z);
        const auto pad = pads::attenuator(a, Z);
        for (const auto& e : {pads::piLadder(pad), pads::tLadder(pad)}) {
            const auto s = drive(e, Z, Z);
            QVERIFY(near(s.Zin.real(), Z, 1e-9));
            QVERIFY(std::fabs(s.Zin.imag()) < 1e-12 * Z);
            QVERIFY(near(10 * std::log10(1 / s.Pload), a, 1e-9));
        }
    }

    // The table of the attenuator window for 1 W into 50 Ω at 20 dB, RMS values.
    void attenuatorTable()
    {
        const auto pad = pads::attenuator(20, 50);
        const auto pi = drive(pads::piLadder(pad), 50, 50);
        // Pi: R2 across the input, R1 in series, R3 across the output
        VERIFY_SHOWS(std::abs(pi.elements[1].U), "6.364");
        VERIFY_SHOWS(std::abs(pi.elements[1].I) * 1e3, "25.713");
        VERIFY_SHOWS(pi.elements[1].loss * 1e3, "163.64");
        VERIFY_SHOWS(std::abs(pi.elements[0].U), "7.071");
        VERIFY_SHOWS(std::abs(pi.elements[0].I) * 1e3, "115.71");
        VERIFY_SHOWS(pi.elements[0].loss * 1e3, "818.18");
        VERIFY_SHOWS(std::abs(pi.elements[2].U) * 1e3, "707.11");
        VERIFY_SHOWS(std::abs(pi.elements[2].I) * 1e3, "11.571");
        VERIFY_SHOWS(pi.elements[2].loss * 1e3, "8.182");
        const auto t = drive(pads::tLadder(pad), 50, 50);
        // T: R2 in series, R1 across the junction, R3 in series
        VERIFY_SHOWS(std::abs(t.elements[1].U), "1.286");
        VERIFY_SHOWS(std::abs(t.elements[1].I) * 1e3, "127.28");
        VERIFY_SHOWS(t.elements[1].loss * 1e3, "163.64");
        VERIFY_SHOWS(std::abs(t.elements[0].U), "5.785");
        VERIFY_SHOWS(std::abs(t.elements[0].I) * 1e3, "141.42");
        VERIFY_SHOWS(t.elements[0].loss * 1e3, "818.18");
        VERIFY_SHOWS(std::abs(t.elements[2].U) * 1e3, "578.54");
        VERIFY_SHOWS(std::abs(t.elements[2].I) * 1e3, "14.142");
        VERIFY_SHOWS(t.elements[2].loss * 1e3, "8.182");
    }

    // The window's table in closed form agrees with the ladder; a balanced pad lists one half
    // of each series resistor: half the voltage and half the power at the same current.
    void attenuatorClosedTable()
    {
        const auto pad = pads::attenuator(20, 50);
        const auto t = pads::attenuatorTable(pad, 50, 1, false);
        const auto pi = drive(pads::piLadder(pad), 50, 50);
        const auto tl = drive(pads::tLadder(pad), 50, 50);
        const pads::Row rows[] = {t.piR2, t.piR1, t.piR3, t.tR2, t.tR1, t.tR3};
        const ladder::ElementState* states[] = {&pi.elements[0], &pi.elements[1],
                                                &pi.elements[2], &tl.elements[0],
                                                &tl.elements[1], &tl.elements[2]};
        for (int i = 0; i < 6; ++i) {
            QVERIFY(near(rows[i].U, std::abs(states[i]->U), 1e-12));
            QVERIFY(near(rows[i].I, std::abs(states[i]->I), 1e-12));
            QVERIFY(near(rows[i].P, states[i]->loss, 1e-12));
        }
        const auto b = pads::attenuatorTable(pad, 50, 1, true);
        for (const auto& [half, whole] : {std::pair{b.piR1, t.piR1}, std::pair{b.tR2, t.tR2},
                                          std::pair{b.tR3, t.tR3}}) {
            QVERIFY(near(half.U, whole.U / 2, 1e-15));
            QVERIFY(near(half.I, whole.I, 1e-15));
            QVERIFY(near(half.P, whole.P / 2, 1e-15));
        }
        QCOMPARE(b.piR2.U, t.piR2.U);
        QCOMPARE(b.tR1.P, t.tR1.P);
        // 30 dBm is 1 W
        const auto dbm = pads::attenuatorTable(pad, 50, std::pow(10.0L, 30.0L / 10) * 0.001L, false);
        QVERIFY(near(dbm.piR1.P, t.piR1.P, 1e-15));
    }

    // At 250 dB the output voltage U/K still comes out in full: the shunt resistor at the
    // output takes Uout²/R3 beside the load's Uout²/Z = P/K².
    void attenuatorTableAtHighAttenuation()
    {
        const long double Z = 50, P = 1;
        const auto pad = pads::attenuator(250, Z);
        const auto t = pads::attenuatorTable(pad, Z, P, false);
        QVERIFY(near(t.piR3.P * pad.piR23 / Z, std::pow(10.0L, -25.0L), 1e-15));
        QVERIFY(near(t.tR3.I * t.tR3.I * Z, std::pow(10.0L, -25.0L), 1e-15));
    }

    // Kmin = 2·√2 + 3 = 5.828427… between 100 Ω and 50 Ω, 7.65551 dB; between 50 Ω and 75 Ω
    // 5.71947 dB. The minimum the page uses is rounded up: rounded to nearest, 5.719 dB gave a
    // Pi R3 of −1.37 MΩ.
    void minimumAttenuation_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("Z2");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("Kmin");
        QTest::addColumn<double>("Dmin");
        const double k2 = 2 * std::sqrt(2.0) + 3;
        // a = 1.5: 2·√0.75 + 2
        const double k15 = 2 * std::sqrt(0.75) + 2;
        QTest::newRow("100/50, 3 decimals") << 100.0 << 50.0 << 3 << k2 << 7.656;
        QTest::newRow("50/100, 3 decimals") << 50.0 << 100.0 << 3 << k2 << 7.656;
        QTest::newRow("100/50, 1 decimal") << 100.0 << 50.0 << 1 << k2 << 7.7;
        QTest::newRow("50/75, 3 decimals") << 50.0 << 75.0 << 3 << k15 << 5.720;
        QTest::newRow("50/75, 2 decimals") << 50.0 << 75.0 << 2 << k15 << 5.72;
        QTest::newRow("50/75, 1 decimal") << 50.0 << 75.0 << 1 << k15 << 5.8;
        QTest::newRow("equal") << 50.0 << 50.0 << 3 << 1.0 << 0.0;
    }

    void minimumAttenuation()
    {
        QFETCH(double, Z1);
        QFETCH(double, Z2);
        QFETCH(int, decimals);
        QFETCH(double, Kmin);
        QFETCH(double, Dmin);
        const auto m = pads::minimumAttenuation(Z1, Z2, decimals);
        QVERIFY(near(m.Kmin, Kmin, 1e-15));
        QVERIFY(near(m.exact, 10 * std::log10(Kmin), 1e-15));
        QVERIFY(near(m.Dmin, Dmin, 1e-15));
        QVERIFY(m.Dmin >= m.exact);
    }

    // At the minimum the page offers every resistor of every pad is positive, for ratios where
    // the exact minimum lies just above or far from a shown decimal.
    void padsAtTheOfferedMinimumArePositive_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("Z2");
        for (const auto& [z1, z2] : {std::pair{50.0, 75.0}, {75.0, 50.0}, {100.0, 50.0}, {50.0, 300.0},
                                     {1e9, 1e-6}, {1.001, 1.0}, {600.0, 50.0}})
            QTest::addRow("%g/%g", z1, z2) << z1 << z2;
    }

    void padsAtTheOfferedMinimumArePositive()
    {
        QFETCH(double, Z1);
        QFETCH(double, Z2);
        for (int decimals = 1; decimals <= 3; ++decimals) {
            const long double a = pads::minimumAttenuation(Z1, Z2, decimals).Dmin;
            const auto pi = pads::piPad(Z1, Z2, a);
            const auto t = pads::tPad(Z1, Z2, a);
            for (long double R : {pi.R1, pi.R2, pi.R3, t.R1, t.R2, t.R3})
                QVERIFY2(R >= 0, qPrintable(QString("%1 dB gives %2").arg(double(a)).arg(double(R))));
        }
    }

    // Dmin 7.65551 dB shows as 7.656; an entry down to 1e-4 below that passes, but never one
    // below the exact minimum.
    void belowMinimum_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("a");
        QTest::addColumn<bool>("below");
        QTest::newRow("5 dB") << 100.0 << 5.0 << true;
        QTest::newRow("7.655 dB") << 100.0 << 7.655 << true;
        QTest::newRow("7.65591 dB") << 100.0 << 7.65591 << false;
        QTest::newRow("7.656 dB") << 100.0 << 7.656 << false;
        QTest::newRow("12 dB") << 100.0 << 12.0 << false;
        // 600/50: 16.62552 dB shows as 16.626
        QTest::newRow("16.6258 dB") << 600.0 << 16.6258 << true;
        QTest::newRow("16.62591 dB") << 600.0 << 16.62591 << false;
    }

    void belowMinimum()
    {
        QFETCH(double, Z1);
        QFETCH(double, a);
        QFETCH(bool, below);
        QCOMPARE(pads::belowMinimum(a, pads::minimumAttenuation(Z1, 50, 3)), below);
    }

    // A minimum whose fourth decimal is 9: the allowance of 1e-4 reaches below it, the test
    // does not.
    void belowMinimumNeverBelowTheExact()
    {
        const pads::MinimumAttenuation m{0, 7.65595L, 7.656L};
        QVERIFY(pads::belowMinimum(7.65592L, m));
        QVERIFY(!pads::belowMinimum(7.65596L, m));
    }

    void roundUp()
    {
        QCOMPARE(static_cast<double>(pads::roundUp(0.121L, 2)), 0.13);
        QCOMPARE(static_cast<double>(pads::roundUp(0.12L, 2)), 0.12);
        QCOMPARE(static_cast<double>(pads::roundUp(5.7194L, 3)), 5.72);
        QCOMPARE(static_cast<double>(pads::roundUp(0.0L, 3)), 0.0);
    }

    // The worked examples of the matching-pad page, as its fields show them.
    void matchingExamples_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("Z2");
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("match");
        QTest::addColumn<QStringList>("fields"); // L R1, R2; Pi R1, R2, R3; T R1, R2, R3
        QTest::addColumn<int>("picture");
        const QStringList pit{"265.69", "131.87", "66.179", "75.553", "37.916", "18.819"};
        QTest::newRow("100/50 an Z2") << 100.0 << 50.0 << 12.0 << int(pads::Match::Z2)
                                      << (QStringList{"181.50", "60.799"} + pit) << 2;
        QTest::newRow("100/50 an Z1") << 100.0 << 50.0 << 12.0 << int(pads::Match::Z1)
                                      << (QStringList{"82.238", "27.548"} + pit) << 1;
        QTest::newRow("50/50 20 dB") << 50.0 << 50.0 << 20.0 << int(pads::Match::Z2)
                                     << QStringList{"450.000", "55.556", "61.111", "247.500",
                                                    "61.111", "40.909", "10.101", "40.909"}
                                     << 5;
        QTest::newRow("50/100 an Z1") << 50.0 << 100.0 << 12.0 << int(pads::Match::Z1)
                                      << QStringList{"181.50", "60.799", "66.179", "131.87",
                                                     "265.69", "18.819", "37.916", "75.553"}
                                      << 3;
        QTest::newRow("50/100 an Z2") << 50.0 << 100.0 << 12.0 << int(pads::Match::Z2)
                                      << QStringList{"82.238", "27.548", "66.179", "131.87",
                                                     "265.69", "18.819", "37.916", "75.553"}
                                      << 4;
    }

    void matchingExamples()
    {
        QFETCH(double, Z1);
        QFETCH(double, Z2);
        QFETCH(double, a);
        QFETCH(int, match);
        QFETCH(QStringList, fields);
        QFETCH(int, picture);
        const auto l = pads::lPad(Z1, Z2, a, static_cast<pads::Match>(match));
        const auto s = pads::shown(l, pads::piPad(Z1, Z2, a), pads::tPad(Z1, Z2, a), false);
        const long double values[] = {s.lR1,  s.lR2, s.piR1, s.piR2,
                                      s.piR3, s.tR1, s.tR2,  s.tR3};
        for (int i = 0; i < 8; ++i)
            VERIFY_SHOWS(values[i], fields[i].toLatin1().constData());
        QCOMPARE(l.picture, picture);
    }

    // A balanced pad shows each series resistor halved (L R1, Pi R2, T R1 and R3); the shunt
    // resistors stay.
    void balancedHalvesSeries()
    {
        const auto l = pads::lPad(100, 50, 12, pads::Match::Z2);
        const auto pi = pads::piPad(100, 50, 12);
        const auto t = pads::tPad(100, 50, 12);
        const auto u = pads::shown(l, pi, t, false);
        const auto b = pads::shown(l, pi, t, true);
        QCOMPARE(b.lR1, u.lR1 / 2);
        QCOMPARE(b.piR2, u.piR2 / 2);
        QCOMPARE(b.tR1, u.tR1 / 2);
        QCOMPARE(b.tR3, u.tR3 / 2);
        QCOMPARE(b.lR2, u.lR2);
        QCOMPARE(b.piR1, u.piR1);
        QCOMPARE(b.piR3, u.piR3);
        QCOMPARE(b.tR2, u.tR2);
        VERIFY_SHOWS(b.lR1, "90.75");
    }

    // The pads solved between their terminations: "an Z1" presents Z1 to the source, "an Z2"
    // presents Z2 to the load, the Pi and T pads both; every pad passes 10^(−a/10) of the
    // available power to the load.
    void matchingPhysics_data()
    {
        QTest::addColumn<double>("Z1");
        QTest::addColumn<double>("Z2");
        QTest::addColumn<double>("a");
        QTest::newRow("100/50 12 dB") << 100.0 << 50.0 << 12.0;
        QTest::newRow("50/100 12 dB") << 50.0 << 100.0 << 12.0;
        QTest::newRow("300/75 20 dB") << 300.0 << 75.0 << 20.0;
        QTest::newRow("75/600 25 dB") << 75.0 << 600.0 << 25.0;
        QTest::newRow("1e-6/1e9 200 dB") << 1e-6 << 1e9 << 200.0;
    }

    void matchingPhysics()
    {
        QFETCH(double, Z1);
        QFETCH(double, Z2);
        QFETCH(double, a);
        const double loss = std::pow(10.0, -a / 10);
        const auto toZ1 = pads::lLadder(pads::lPad(Z1, Z2, a, pads::Match::Z1));
        QVERIFY(near(drive(toZ1, Z1, Z2).Zin.real(), Z1, 1e-9));
        QVERIFY(near(drive(toZ1, Z1, Z2).Pload, loss, 1e-9));
        const auto toZ2 = pads::lLadder(pads::lPad(Z1, Z2, a, pads::Match::Z2));
        QVERIFY(near(driveBackwards(toZ2, Z1, Z2).Zin.real(), Z2, 1e-9));
        QVERIFY(near(drive(toZ2, Z1, Z2).Pload, loss, 1e-9));
        for (const auto& e : {pads::piLadder(pads::piPad(Z1, Z2, a)),
                              pads::tLadder(pads::tPad(Z1, Z2, a))}) {
            QVERIFY(near(drive(e, Z1, Z2).Zin.real(), Z1, 1e-9));
            QVERIFY(near(driveBackwards(e, Z1, Z2).Zin.real(), Z2, 1e-9));
            QVERIFY(near(drive(e, Z1, Z2).Pload, loss, 1e-9));
        }
    }

    // Between equal impedances the L pad matches the source side, and the Pi and T pads are
    // the attenuators of the other page.
    void equalImpedances()
    {
        const double Z = 75, a = 10;
        const auto l = pads::lPad(Z, Z, a, pads::Match::Z2);
        QVERIFY(l.shuntAtZ1);
        QVERIFY(near(drive(pads::lLadder(l), Z, Z).Zin.real(), Z, 1e-12));
        QVERIFY(near(drive(pads::lLadder(l), Z, Z).Pload, 0.1, 1e-12));
        const auto att = pads::attenuator(a, Z);
        const auto pi = pads::piPad(Z, Z, a);
        const auto t = pads::tPad(Z, Z, a);
        QCOMPARE(pi.R1, att.piR23);
        QCOMPARE(pi.R2, att.piR1);
        QCOMPARE(t.R1, att.tR23);
        QCOMPARE(t.R2, att.tR1);
    }

    // At 0 dB the L pad between equal impedances takes K = 1.0001; the Pi and T pads divide
    // by K − 1 = 0, which shows in the division-by-zero flag.
    void zeroAttenuationEqualImpedances()
    {
        volatile double z = 50, a = 0;
        std::feclearexcept(FE_ALL_EXCEPT);
        const auto l = pads::lPad(z, z, a, pads::Match::Z2);
        QVERIFY(!std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
        QVERIFY(near(l.R1, 1e-4 * 50, 1e-9));
        QVERIFY(near(l.R2, 1.0001 * 50 / 1e-4, 1e-9));
        std::feclearexcept(FE_ALL_EXCEPT);
        const auto pi = pads::piPad(z, z, a);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        QVERIFY(std::isinf(pi.R1));
        std::feclearexcept(FE_ALL_EXCEPT);
        const auto t = pads::tPad(z, z, a);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        QVERIFY(std::isinf(t.R2));
        std::feclearexcept(FE_ALL_EXCEPT);
    }
};

QTEST_APPLESS_MAIN(TestPads)
#include "tst_pads.moc"
