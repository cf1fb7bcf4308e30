// The L, Pi and T matching networks alone: the worked examples of their pages, element kinds
// and pictures, and the physics of the designed networks (lossless ones pass all the
// available power; coil losses show as TL), and their floating-point faults.
#include "rf/LNetwork.h"
#include "rf/PiNetwork.h"
#include "rf/TNetwork.h"

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

struct PiRun {
    pinetwork::Sides sides;
    pinetwork::Design design;
    pinetwork::Variant hp, lp;
    matching::Analysis ahp, alp;
};

PiRun runPi(long double F, long double R1, long double X1, long double R2, long double X2,
            long double QL, long double Q, bool balanced = false)
{
    PiRun r;
    r.sides = pinetwork::sides(R1, X1, R2, X2);
    r.design = pinetwork::design(r.sides, Q);
    const long double w = pinetwork::omega(F);
    r.hp = pinetwork::highPass(r.sides, r.design, w, QL, balanced);
    r.lp = pinetwork::lowPass(r.sides, r.design, w, QL, balanced);
    r.ahp = pinetwork::analyse(r.sides, r.hp, 1);
    r.alp = pinetwork::analyse(r.sides, r.lp, 1);
    return r;
}

struct TRun {
    tnetwork::Design design;
    tnetwork::Variant hp, lp;
    matching::Analysis ahp, alp;
};

TRun runT(long double F, long double R1, long double X1, long double R2, long double X2,
          long double QL, long double Q, bool balanced = false)
{
    TRun r;
    r.design = tnetwork::design(R1, R2, Q);
    const long double w = tnetwork::omega(F);
    r.hp = tnetwork::highPass(X1, X2, r.design, w, QL, balanced);
    r.lp = tnetwork::lowPass(X1, X2, r.design, w, QL, balanced);
    r.ahp = tnetwork::analyse(R1, X1, R2, X2, r.hp, 1);
    r.alp = tnetwork::analyse(R1, X1, R2, X2, r.lp, 1);
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

    // 3.6 MHz, 1200 Ω to 50 Ω, coil Q 100, operating Q 4.996.
    void piExample_data()
    {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("R2");
        QTest::addColumn<bool>("balanced");
        QTest::addColumn<QStringList>("hp"); // Xp1 µH, Xs pF, Xp2 µH
        QTest::addColumn<QStringList>("lp"); // Xp1 pF, Xs µH, Xp2 pF
        QTest::newRow("1200 to 50") << 1200.0 << 50.0 << false
                                    << QStringList{"10.619", "181.076", "7.735"}
                                    << QStringList{"184.060", "10.794", "252.681"};
        QTest::newRow("50 to 1200") << 50.0 << 1200.0 << false
                                    << QStringList{"7.735", "181.076", "10.619"}
                                    << QStringList{"252.681", "10.794", "184.060"};
        QTest::newRow("sym.") << 1200.0 << 50.0 << true
                              << QStringList{"10.619", "362.152", "7.735"}
                              << QStringList{"184.060", "5.397", "252.681"};
    }

    void piExample()
    {
        QFETCH(double, R1);
        QFETCH(double, R2);
        QFETCH(bool, balanced);
        QFETCH(QStringList, hp);
        QFETCH(QStringList, lp);
        const auto r = runPi(3.6e6, R1, 0, R2, 0, 100, 4.996L, balanced);
        VERIFY_SHOWS(r.hp.p1.shown * 1e6, hp[0].toLatin1().constData());
        VERIFY_SHOWS(r.hp.s.shown * 1e12, hp[1].toLatin1().constData());
        VERIFY_SHOWS(r.hp.p2.shown * 1e6, hp[2].toLatin1().constData());
        VERIFY_SHOWS(r.lp.p1.shown * 1e12, lp[0].toLatin1().constData());
        VERIFY_SHOWS(r.lp.s.shown * 1e6, lp[1].toLatin1().constData());
        VERIFY_SHOWS(r.lp.p2.shown * 1e12, lp[2].toLatin1().constData());
        QCOMPARE(QString() + r.hp.p1.unit + r.hp.s.unit + r.hp.p2.unit, QString("HFH"));
        QCOMPARE(QString() + r.lp.p1.unit + r.lp.s.unit + r.lp.p2.unit, QString("FHF"));
        VERIFY_SHOWS(r.ahp.TL, "0.227");
        VERIFY_SHOWS(r.alp.TL, "0.226");
        // losses: the shunt coils in the high-pass, the series coil in the low-pass
        QCOMPARE(r.ahp.rows[1].P, 0.0);
        QVERIFY(r.ahp.rows[0].P > 0 && r.ahp.rows[2].P > 0);
        QVERIFY(r.alp.rows[0].P == 0 && r.alp.rows[2].P == 0 && r.alp.rows[1].P > 0);
        const double lost = r.ahp.rows[0].P + r.ahp.rows[2].P;
        QVERIFY(r.ahp.P2 + lost <= 1);
    }

    // 1 W from 1200 Ω: Ur = √4800 = 69.28 V; the shunt coil at the input has about 33.8 V.
    void piTable()
    {
        const auto r = runPi(3.6e6, 1200, 0, 50, 0, 100, 4.996L);
        VERIFY_SHOWS(r.ahp.rows[0].U, "33.8");
        VERIFY_SHOWS(r.ahp.rows[0].U * std::sqrt(2.0), "47.9");
        QVERIFY(std::fabs(r.ahp.rows[0].U - r.ahp.rows[0].I * std::abs(r.hp.p1.Z)) < 1e-12);
    }

    // A load of 50 + j10 Ω has the parallel resistance 52 Ω, which sets the low side; the
    // minimum Q still takes the real part as entered.
    void piComplexLoad()
    {
        const auto s = pinetwork::sides(1200, 0, 50, 10);
        QVERIFY(std::fabs(s.t2.Rp - 52) < 1e-15);
        QVERIFY(std::fabs(s.t2.Xp - 260) < 1e-13);
        QVERIFY(std::fabs(pinetwork::minimumQ(s) - std::sqrt(23.0L) * 1.01L) < 1e-15);
        const auto r = runPi(3.6e6, 1200, 0, 50, 10, 100, 4.996L);
        VERIFY_SHOWS(r.hp.p2.value * 1e6, "14.98");
        VERIFY_SHOWS(r.lp.p2.value * 1e12, "470.5");
    }

    void piOperatingQ_data()
    {
        QTest::addColumn<bool>("useMinimum");
        QTest::addColumn<double>("QE");
        QTest::addColumn<double>("Q");
        QTest::addColumn<double>("keptQE");
        const double qmin = std::sqrt(23.0) * 1.01;
        QTest::newRow("min.") << true << 7.0 << qmin << 7.0;
        QTest::newRow("Eingabe above") << false << 7.0 << 7.0 << 7.0;
        QTest::newRow("Eingabe below") << false << 4.8 << qmin << qmin;
    }

    void piOperatingQ()
    {
        QFETCH(bool, useMinimum);
        QFETCH(double, QE);
        QFETCH(double, Q);
        QFETCH(double, keptQE);
        const long double qmin = pinetwork::minimumQ(pinetwork::sides(1200, 0, 50, 0));
        VERIFY_SHOWS(qmin, "4.844");
        const auto pi = pinetwork::operatingQ(useMinimum, qmin, QE);
        QVERIFY(std::fabs(pi.Q - Q) < 1e-15 && std::fabs(pi.QE - keptQE) < 1e-15);
        const auto t = tnetwork::operatingQ(useMinimum, qmin, QE);
        QCOMPARE(t.Q, pi.Q);
        QCOMPARE(t.QE, pi.QE);
    }

    // Below its minimum Q a shunt element can come out of the other kind: a termination with
    // a large parallel reactance of the shunt element's own kind needs the opposite kind
    // beside it. The element keeps a positive value with the other letter, and the network
    // still matches.
    void piSignReversal_data()
    {
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("X2");
        QTest::addColumn<QString>("hpLetters");
        QTest::addColumn<QString>("lpLetters");
        QTest::newRow("inductive") << 1000.0 << 700.0 << "FFF"
                                   << "FHF";
        QTest::newRow("capacitive") << -1000.0 << -700.0 << "HFH"
                                    << "HHH";
    }

    void piSignReversal()
    {
        QFETCH(double, X1);
        QFETCH(double, X2);
        QFETCH(QString, hpLetters);
        QFETCH(QString, lpLetters);
        const long double F = 3.6e6, w = pinetwork::omega(F);
        const auto r = runPi(F, 100, X1, 50, X2, 100, 5);
        QCOMPARE(QString() + r.hp.p1.unit + r.hp.s.unit + r.hp.p2.unit, hpLetters);
        QCOMPARE(QString() + r.lp.p1.unit + r.lp.s.unit + r.lp.p2.unit, lpLetters);
        for (const auto* e : {&r.hp.p1, &r.hp.p2, &r.lp.p1, &r.lp.p2}) {
            QVERIFY(e->value > 0);
            if (e->unit == 'F') {
                QCOMPARE(e->R, 0.0L);
                QVERIFY(std::fabs(e->value * w * -e->X - 1) < 1e-12);
            } else {
                QVERIFY(std::fabs(e->R - e->X / 100) < 1e-12 * e->X);
                QVERIFY(std::fabs(e->value * w / e->X - 1) < 1e-12);
            }
            QCOMPARE(e->Z.imag(), static_cast<double>(e->X));
            QCOMPARE(e->Z.real(), static_cast<double>(e->R));
        }
        const auto lossless = runPi(F, 100, X1, 50, X2, kLossless, 5);
        QVERIFY(std::fabs(lossless.ahp.TL) < 1e-9);
        QVERIFY(std::fabs(lossless.alp.TL) < 1e-9);
    }

    void piLosslessNetworksMatch_data()
    {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("R2");
        QTest::addColumn<double>("X2");
        QTest::newRow("1200 to 50") << 1200.0 << 0.0 << 50.0 << 0.0;
        QTest::newRow("50 to 1200") << 50.0 << 0.0 << 1200.0 << 0.0;
        QTest::newRow("complex load") << 1200.0 << 0.0 << 50.0 << 10.0;
        QTest::newRow("both complex") << 300.0 << -150.0 << 75.0 << 40.0;
        QTest::newRow("equal real parts") << 50.0 << 0.0 << 50.0 << 30.0;
    }

    void piLosslessNetworksMatch()
    {
        QFETCH(double, R1);
        QFETCH(double, X1);
        QFETCH(double, R2);
        QFETCH(double, X2);
        const long double qmin = pinetwork::minimumQ(pinetwork::sides(R1, X1, R2, X2));
        for (long double Q : {qmin, 2 * qmin + 1}) {
            const auto r = runPi(3.6e6, R1, X1, R2, X2, kLossless, Q);
            QVERIFY(std::fabs(r.ahp.TL) < 1e-9);
            QVERIFY(std::fabs(r.alp.TL) < 1e-9);
        }
        QVERIFY(!std::fetestexcept(kFaults));
    }

    // Equal real parts without reactances make the minimum Q zero, and the design divides by
    // it; a coil Q of 0 divides by zero in the loss resistance. Neither crashes.
    void piFaults()
    {
        volatile double R = 50, zero = 0;
        const auto s = pinetwork::sides(R, 0, R, 0);
        const long double qmin = pinetwork::minimumQ(s);
        QCOMPARE(qmin, 0.0L);
        QVERIFY(!std::fetestexcept(kFaults));
        const auto d = pinetwork::design(s, qmin);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO | FE_INVALID));
        pinetwork::analyse(s, pinetwork::highPass(s, d, pinetwork::omega(1e6), 100, false), 1);

        std::feclearexcept(FE_ALL_EXCEPT);
        const auto ok = pinetwork::sides(1200, 0, 50, 0);
        const auto d2 = pinetwork::design(ok, 5);
        QVERIFY(!std::fetestexcept(kFaults));
        const auto hp = pinetwork::highPass(ok, d2, pinetwork::omega(1e6), zero, false);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        pinetwork::analyse(ok, hp, 1);
    }

    // 3.6 MHz, 250 Ω to 50 Ω, coil Q 100.
    void tExample_data()
    {
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("X2");
        QTest::addColumn<double>("Q"); // 0: the minimum
        QTest::addColumn<bool>("balanced");
        QTest::addColumn<QStringList>("hp"); // Xs1, Xp, Xs2 as shown, scaled
        QTest::addColumn<QStringList>("lp");
        QTest::addColumn<QString>("hpLetters");
        QTest::addColumn<QString>("lpLetters");
        QTest::addColumn<QStringList>("tl");
        QTest::newRow("Q 3") << 0.0 << 0.0 << 3.0 << false
                             << QStringList{"176.839 p", "5.526 u", "294.731 p"}
                             << QStringList{"11.052 u", "353.678 p", "6.631 u"} << "FHF"
                             << "HFH" << QStringList{"0.172", "0.173"};
        // the doubled capacitance is 2 · 294.7314 pF = 589.463 pF
        QTest::newRow("Q 3 sym.") << 0.0 << 0.0 << 3.0 << true
                                  << QStringList{"353.678 p", "5.526 u", "589.463 p"}
                                  << QStringList{"5.526 u", "353.678 p", "3.316 u"} << "FHF"
                                  << "HFH" << QStringList{"0.172", "0.173"};
        QTest::newRow("min.") << 0.0 << 0.0 << 0.0 << false
                              << QStringList{"1.39455 n", "5.231 u", "437.72 p"}
                              << QStringList{"1.402 u", "373.63 p", "4.465 u"} << "FHF"
                              << "HFH" << QStringList{"0.093", "0.093"};
        QTest::newRow("Z1 250-j40 min.") << -40.0 << 0.0 << 0.0 << false
                                         << QStringList{"0.367 u", "5.231 u", "437.72 p"}
                                         << QStringList{"3.170 u", "373.63 p", "4.465 u"}
                                         << "HHF"
                                         << "HFH" << QStringList{};
        QTest::newRow("Z2 50+j120 min.") << 0.0 << 120.0 << 0.0 << false
                                         << QStringList{"1.39455 n", "5.231 u", "200.04 p"}
                                         << QStringList{"1.402 u", "373.63 p", "2.327 n"}
                                         << "FHF"
                                         << "HFF" << QStringList{};
    }

    void tExample()
    {
        QFETCH(double, X1);
        QFETCH(double, X2);
        QFETCH(double, Q);
        QFETCH(bool, balanced);
        QFETCH(QStringList, hp);
        QFETCH(QStringList, lp);
        QFETCH(QString, hpLetters);
        QFETCH(QString, lpLetters);
        QFETCH(QStringList, tl);
        const long double q = Q > 0 ? Q : tnetwork::minimumQ(250, 50);
        const auto r = runT(3.6e6, 250, X1, 50, X2, 100, q, balanced);
        auto check = [](long double shown, const QString& expected) {
            const QStringList parts = expected.split(' ');
            const double scale = parts[1] == "p" ? 1e12 : parts[1] == "n" ? 1e9 : 1e6;
            return showsAs(shown * scale, parts[0].toLatin1().constData());
        };
        const matching::Element* elements[] = {&r.hp.s1, &r.hp.p, &r.hp.s2,
                                               &r.lp.s1, &r.lp.p, &r.lp.s2};
        const QStringList expected = hp + lp;
        for (int i = 0; i < 6; ++i)
            QVERIFY2(check(elements[i]->shown, expected[i]),
                     qPrintable(QString("element %1: %2, not %3")
                                    .arg(i)
                                    .arg(double(elements[i]->shown), 0, 'g', 9)
                                    .arg(expected[i])));
        QCOMPARE(QString::fromStdString(r.hp.letters), hpLetters);
        QCOMPARE(QString::fromStdString(r.lp.letters), lpLetters);
        if (!tl.isEmpty()) {
            VERIFY_SHOWS(r.ahp.TL, tl[0].toLatin1().constData());
            VERIFY_SHOWS(r.alp.TL, tl[1].toLatin1().constData());
        }
        // a coil loses power, a capacitor none, in every position
        for (int v = 0; v < 2; ++v) {
            const auto& a = v == 0 ? r.ahp : r.alp;
            const auto& var = v == 0 ? r.hp : r.lp;
            const matching::Element* es[] = {&var.s1, &var.p, &var.s2};
            double lost = 0;
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(a.rows[i].P > 0, es[i]->unit == 'H');
                lost += a.rows[i].P;
            }
            QVERIFY(a.P2 + lost <= 1);
        }
    }

    void tMinimumQ()
    {
        QVERIFY(std::fabs(tnetwork::minimumQ(250, 50) - 2.02L) < 1e-15);
        QCOMPARE(tnetwork::minimumQ(50, 250), tnetwork::minimumQ(250, 50));
        // bandwidth at 3.6 MHz: 1.782 MHz
        VERIFY_SHOWS(3.6e6L / tnetwork::minimumQ(250, 50) / 1e6, "1.782");
    }

    // Exchanging Z1 and Z2 exchanges the series elements; the shunt element and TL stay.
    void tExchangedSides()
    {
        const auto a = runT(3.6e6, 250, 0, 50, 0, 100, 3);
        const auto b = runT(3.6e6, 50, 0, 250, 0, 100, 3);
        QCOMPARE(b.hp.s1.value, a.hp.s2.value);
        QCOMPARE(b.hp.s2.value, a.hp.s1.value);
        QCOMPARE(b.lp.s1.value, a.lp.s2.value);
        QVERIFY(std::fabs(b.hp.p.value / a.hp.p.value - 1) < 1e-15);
        QVERIFY(std::fabs(b.ahp.TL - a.ahp.TL) < 1e-9);
        QVERIFY(std::fabs(b.alp.TL - a.alp.TL) < 1e-9);
    }

    // A termination reactance that cancels the series reactance exactly leaves an element of
    // value 0 of the form's usual kind.
    void tZeroSeriesElement()
    {
        const auto d = tnetwork::design(250, 50, 3);
        const long double w = tnetwork::omega(3.6e6);
        const auto hp = tnetwork::highPass(-d.Xs1, 0, d, w, 100, true);
        QCOMPARE(hp.s1.unit, 'F');
        QCOMPARE(hp.s1.shown, 0.0L);
        QCOMPARE(hp.s1.Z, rf::Complex(0, 0));
        QCOMPARE(QString::fromStdString(hp.letters), QString("FHF"));
        const auto lp = tnetwork::lowPass(d.Xs1, 0, d, w, 100, false);
        QCOMPARE(lp.s1.unit, 'H');
        QCOMPARE(lp.s1.value, 0.0L);
        QVERIFY(!std::fetestexcept(kFaults));
    }

    void tLosslessNetworksMatch_data()
    {
        QTest::addColumn<double>("R1");
        QTest::addColumn<double>("X1");
        QTest::addColumn<double>("R2");
        QTest::addColumn<double>("X2");
        QTest::newRow("250 to 50") << 250.0 << 0.0 << 50.0 << 0.0;
        QTest::newRow("50 to 250") << 50.0 << 0.0 << 250.0 << 0.0;
        QTest::newRow("Z1 250-j40") << 250.0 << -40.0 << 50.0 << 0.0;
        QTest::newRow("Z2 50+j120") << 250.0 << 0.0 << 50.0 << 120.0;
        QTest::newRow("both complex") << 10.0 << 300.0 << 600.0 << -900.0;
    }

    void tLosslessNetworksMatch()
    {
        QFETCH(double, R1);
        QFETCH(double, X1);
        QFETCH(double, R2);
        QFETCH(double, X2);
        const long double qmin = tnetwork::minimumQ(R1, R2);
        for (long double Q : {qmin, 3 * qmin}) {
            const auto r = runT(3.6e6, R1, X1, R2, X2, kLossless, Q);
            QVERIFY(std::fabs(r.ahp.TL) < 1e-9);
            QVERIFY(std::fabs(r.alp.TL) < 1e-9);
        }
        QVERIFY(!std::fetestexcept(kFaults));
    }

    // Equal real parts make the minimum Q zero and "min." divides by it; a coil Q of 0
    // divides by zero in the loss resistances. Neither crashes.
    void tFaults()
    {
        volatile double R = 50, zero = 0;
        const long double qmin = tnetwork::minimumQ(R, R);
        QCOMPARE(qmin, 0.0L);
        QVERIFY(!std::fetestexcept(kFaults));
        const auto d = tnetwork::design(R, R, qmin);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        tnetwork::analyse(R, 0, R, 0,
                          tnetwork::lowPass(0, 0, d, tnetwork::omega(1e6), 100, false), 1);

        std::feclearexcept(FE_ALL_EXCEPT);
        const auto d2 = tnetwork::design(250, 50, 3);
        QVERIFY(!std::fetestexcept(kFaults));
        const auto hp = tnetwork::highPass(0, 0, d2, tnetwork::omega(1e6), zero, false);
        QVERIFY(std::fetestexcept(FE_DIVBYZERO));
        tnetwork::analyse(250, 0, 50, 0, hp, 1);
    }
};

QTEST_APPLESS_MAIN(TestMatching)
#include "tst_matching.moc"
