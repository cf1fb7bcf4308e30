// The ladder solver alone: circuits solved by hand, the power balance of any ladder, a matched
// network, lossless reactances and an open shunt branch.
#include "rf/Ladder.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <vector>

using namespace ampero;
using ladder::Complex;
using ladder::Element;
using ladder::Place;

Q_DECLARE_METATYPE(std::vector<ladder::Element>)

namespace {

bool near(Complex a, Complex b, double tol = 1e-12)
{
    return std::abs(a - b) <= tol * std::max(1.0, std::abs(b));
}

bool near(double a, double b, double tol = 1e-12)
{
    return std::fabs(a - b) <= tol * std::max(1.0, std::fabs(b));
}

Element series(Complex Z) { return {Place::Series, Z}; }
Element shunt(Complex Z) { return {Place::Shunt, Z}; }

} // namespace

class TestLadder : public QObject {
    Q_OBJECT

private slots:
    // 10 V behind 50 Ω into 50 Ω in series, then 100 Ω across a 100 Ω load: the rest behind
    // the series resistor is 50 Ω, the source sees 100 Ω, 1/15 A flows out of it and splits
    // evenly at the node.
    void resistiveLadderByHand()
    {
        const std::vector<Element> e{series(50), shunt(100)};
        const auto s = ladder::solve(10, 50, e, 100);
        QVERIFY(near(s.Zin, 100));
        QVERIFY(near(s.Iin, 1.0 / 15));
        QVERIFY(near(s.Uin, 10 - 50.0 / 15));
        QCOMPARE(s.elements.size(), std::size_t(2));
        QVERIFY(near(s.elements[0].I, 1.0 / 15));
        QVERIFY(near(s.elements[0].U, 50.0 / 15));
        QVERIFY(near(s.elements[0].loss, 50.0 / 225));
        QVERIFY(near(s.elements[1].U, 10.0 / 3));
        QVERIFY(near(s.elements[1].I, 1.0 / 30));
        QVERIFY(near(s.elements[1].loss, 100.0 / 900));
        QVERIFY(near(s.Uload, 10.0 / 3));
        QVERIFY(near(s.Iload, 1.0 / 30));
        QVERIFY(near(s.Pload, 100.0 / 900));
    }

    // A shunt element first, then a reactive series element: 1 V behind 1 Ω, 2 Ω across the
    // input, j1 Ω in series into 1 Ω. Behind the shunt: 1 + j; in parallel with 2:
    // 2(1 + j)/(3 + j) = (8 + 4j)/10.
    void shuntFirstByHand()
    {
        const std::vector<Element> e{shunt(2), series(Complex(0, 1))};
        const auto s = ladder::solve(1, 1, e, 1);
        const Complex zin(0.8, 0.4);
        QVERIFY(near(s.Zin, zin));
        const Complex iin = 1.0 / (1.0 + zin);
        QVERIFY(near(s.Iin, iin));
        const Complex uin = zin * iin;
        QVERIFY(near(s.Uin, uin));
        QVERIFY(near(s.elements[0].U, uin));
        QVERIFY(near(s.elements[0].I, uin / 2.0));
        QVERIFY(near(s.elements[1].I, uin / Complex(1, 1)));
        QVERIFY(near(s.Iload, uin / Complex(1, 1)));
        QVERIFY(near(s.Uload, uin / Complex(1, 1)));
        QCOMPARE(s.elements[1].loss, 0.0);
    }

    // Without elements the source drives the load directly.
    void emptyLadder()
    {
        const auto s = ladder::solve(2, Complex(1, 1), {}, Complex(1, -1));
        QVERIFY(s.elements.empty());
        QVERIFY(near(s.Zin, Complex(1, -1)));
        QVERIFY(near(s.Iin, 1.0));
        QVERIFY(near(s.Iload, 1.0));
        QVERIFY(near(s.Uload, Complex(1, -1)));
        QVERIFY(near(s.Pload, 1.0));
    }

    // What the source gives off, Re(U0 · conj(Iin)), is lost in its internal impedance, in
    // the elements and in the load.
    void powerBalance_data()
    {
        QTest::addColumn<Complex>("U0");
        QTest::addColumn<Complex>("Zsource");
        QTest::addColumn<std::vector<Element>>("elements");
        QTest::addColumn<Complex>("Zload");
        QTest::newRow("lossy pi") << Complex(3, 0) << Complex(50, 5)
                                  << std::vector<Element>{shunt({2, 80}), series({0, -40}),
                                                          shunt({1.5, 60})}
                                  << Complex(300, -20);
        QTest::newRow("lossy T") << Complex(1, 2) << Complex(250, -40)
                                 << std::vector<Element>{series({0.3, 30}), shunt({0, -90}),
                                                         series({1, 100})}
                                 << Complex(50, 120);
        QTest::newRow("resistive long") << Complex(100, 0) << Complex(600, 0)
                                        << std::vector<Element>{series(10), shunt(1000),
                                                                series(20), shunt(470),
                                                                series(5)}
                                        << Complex(75, 0);
        QTest::newRow("reactive load") << Complex(1, 0) << Complex(50, 0)
                                       << std::vector<Element>{series({0.01, 3})}
                                       << Complex(0, 50);
    }

    void powerBalance()
    {
        QFETCH(Complex, U0);
        QFETCH(Complex, Zsource);
        QFETCH(std::vector<Element>, elements);
        QFETCH(Complex, Zload);
        const auto s = ladder::solve(U0, Zsource, elements, Zload);
        const double given = (U0 * std::conj(s.Iin)).real();
        double used = std::norm(s.Iin) * Zsource.real() + s.Pload;
        for (const auto& st : s.elements) {
            QVERIFY(st.loss >= 0);
            used += st.loss;
        }
        QVERIFY2(near(given, used, 1e-12), qPrintable(QString::number(given - used)));
        // Kirchhoff: the voltages along the line add up from the input to the load.
        Complex u = s.Uin;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            if (elements[i].place == Place::Series)
                u -= s.elements[i].U;
            else
                QVERIFY(near(s.elements[i].U, u));
        }
        QVERIFY(near(u, s.Uload));
        QVERIFY(near(s.Uload, s.Iload * Zload));
    }

    // An L network from 50 Ω to 200 Ω: Q = √3, a series coil of Q·50 Ω and a capacitor of
    // 200/Q Ω across the load. The source sees 50 Ω and the load takes the available power.
    void matchedNetwork()
    {
        const double q = std::sqrt(3.0);
        const std::vector<Element> e{series({0, q * 50}), shunt({0, -200 / q})};
        const double U0 = 2;
        const auto s = ladder::solve(U0, 50, e, 200);
        QVERIFY(near(s.Zin, 50));
        QVERIFY(near(s.Uin, U0 / 2));
        QVERIFY(near(s.Pload, U0 * U0 / (4 * 50)));
        QVERIFY(near(std::abs(s.Uload), std::sqrt(s.Pload * 200)));
    }

    // Coils and capacitors without loss resistance dissipate nothing: the load takes all the
    // power that enters the ladder.
    void reactiveLadderLosesNothing()
    {
        const std::vector<Element> e{shunt({0, 120}), series({0, -35}), shunt({0, 15}),
                                     series({0, 70})};
        const auto s = ladder::solve(Complex(5, 1), Complex(75, 10), e, Complex(20, 30));
        for (const auto& st : s.elements)
            QCOMPARE(st.loss, 0.0);
        const double entering = (s.Uin * std::conj(s.Iin)).real();
        QVERIFY(near(s.Pload, entering));
    }

    // An open shunt branch changes nothing: the same solution as without it, and no current
    // through it. As an infinite reactance it also loses nothing.
    // A ladder of 210 dB from 1 GΩ into 50 Ω: 63,2 kV behind the source, 224 pV at the load.
    // The load's voltage is the current into it times the load, not the source voltage less
    // the drops: as a difference, it lost two digits in 64 bits. In either precision it agrees
    // with the closed form I·(R2 ∥ Z2).
    void highAttenuationKeepsItsDigits()
    {
        const long double Z1 = 1e9L, Z2 = 50, K = std::pow(10.0L, 210.0L / 20);
        const long double l = std::sqrt(Z1 / Z2);
        const long double R1 = (Z1 / l) * (K - l), R2 = (Z1 / l) * K / (K * l - 1);
        const long double U0 = 2 * std::sqrt(Z1);
        const long double parallel = R2 * Z2 / (R2 + Z2);
        const long double exact = U0 / (Z1 + R1 + parallel) * parallel;

        const std::vector<ladder::BasicElement<long double>> extended{{Place::Series, R1},
                                                                      {Place::Shunt, R2}};
        const auto s = ladder::solve(U0, Z1, extended, Z2);
        QVERIFY(std::fabs(std::abs(s.Uload) / exact - 1) < 1e-15L);
        QVERIFY(std::fabs(std::abs(s.elements[1].U) / exact - 1) < 1e-15L);

        const std::vector<Element> plain{series(double(R1)), shunt(double(R2))};
        const auto d = ladder::solve(double(U0), double(Z1), plain, double(Z2));
        QVERIFY(near(std::abs(d.Uload), double(exact), 1e-12));
    }

    // An open load takes no current and has the voltage of the node before it.
    void openLoad()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const std::vector<Element> e{shunt(100), series(50)};
        const auto s = ladder::solve(10, 50, e, inf);
        QVERIFY(near(s.Uin, 10.0 * 100 / 150));
        QVERIFY(near(s.Uload, s.Uin));
        QCOMPARE(s.Iload, Complex(0, 0));
    }

    void openShuntBranch_data()
    {
        QTest::addColumn<Complex>("Zopen");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("infinite reactance") << Complex(0, inf);
        QTest::newRow("infinite resistance") << Complex(inf, 0);
    }

    void openShuntBranch()
    {
        QFETCH(Complex, Zopen);
        const std::vector<Element> plain{series({10, 20})};
        const std::vector<Element> open{shunt(Zopen), series({10, 20})};
        const auto a = ladder::solve(1, 50, plain, 50);
        const auto b = ladder::solve(1, 50, open, 50);
        QVERIFY(near(b.Zin, a.Zin));
        QVERIFY(near(b.Iin, a.Iin));
        QCOMPARE(b.elements[0].I, Complex(0, 0));
        QVERIFY(near(b.elements[1].I, a.elements[0].I));
        QVERIFY(near(b.Pload, a.Pload));
        if (Zopen.real() == 0)
            QCOMPARE(b.elements[0].loss, 0.0);
    }
};

QTEST_APPLESS_MAIN(TestLadder)
#include "tst_ladder.moc"
