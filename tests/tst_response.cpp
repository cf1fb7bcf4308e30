// The frequency response of the matching networks and pads: the sweep repeats the pages'
// analysis at other frequencies, so at F it gives the pages' transmission loss.
#include "rf/LNetwork.h"
#include "rf/Pads.h"
#include "rf/PiNetwork.h"
#include "rf/Response.h"
#include "rf/TNetwork.h"

#include <cmath>
#include <QtTest>

using namespace ampero;
using response::Network;

namespace {

enum class Kind { L, Pi, T };

struct Design {
    Network highPass, lowPass;
    long double TLhighPass, TLlowPass; // the pages' TL fields before rounding
};

// The pages' designs: R1 + jX1 → R2 + jX2 at F with the coil quality QL (and the operating
// Q of the Pi and T networks).
Design design(Kind kind, long double F, long double R1, long double X1, long double R2,
              long double X2, long double QL, long double Q, bool balanced)
{
    Design d;
    if (kind == Kind::L) {
        const auto s = lnetwork::sides(F, R1, X1, R2, X2);
        const auto hp = lnetwork::highPassImpedances(s, lnetwork::highPassShunt(s),
                                                     lnetwork::highPassSeries(s, balanced), QL);
        const auto lp = lnetwork::lowPassImpedances(s, lnetwork::lowPassShunt(s),
                                                    lnetwork::lowPassSeries(s, balanced), QL);
        d.highPass = response::lNetwork(F, R1, X1, R2, X2, hp);
        d.lowPass = response::lNetwork(F, R1, X1, R2, X2, lp);
        d.TLhighPass = lnetwork::analyse(R1, X1, R2, X2, hp, 1).TL;
        d.TLlowPass = lnetwork::analyse(R1, X1, R2, X2, lp, 1).TL;
    } else if (kind == Kind::Pi) {
        const auto s = pinetwork::sides(R1, X1, R2, X2);
        const auto q = pinetwork::operatingQ(false, pinetwork::minimumQ(s), Q);
        const auto des = pinetwork::design(s, q.Q);
        const long double w = pinetwork::omega(F);
        const auto hp = pinetwork::highPass(s, des, w, QL, balanced);
        const auto lp = pinetwork::lowPass(s, des, w, QL, balanced);
        d.highPass = response::piNetwork(F, s, hp);
        d.lowPass = response::piNetwork(F, s, lp);
        d.TLhighPass = pinetwork::analyse(s, hp, 1).TL;
        d.TLlowPass = pinetwork::analyse(s, lp, 1).TL;
    } else {
        const auto q = tnetwork::operatingQ(false, tnetwork::minimumQ(R1, R2), Q);
        const auto des = tnetwork::design(R1, R2, q.Q);
        const long double w = tnetwork::omega(F);
        const auto hp = tnetwork::highPass(X1, X2, des, w, QL, balanced);
        const auto lp = tnetwork::lowPass(X1, X2, des, w, QL, balanced);
        d.highPass = response::tNetwork(F, R1, X1, R2, X2, hp);
        d.lowPass = response::tNetwork(F, R1, X1, R2, X2, lp);
        d.TLhighPass = tnetwork::analyse(R1, X1, R2, X2, hp, 1).TL;
        d.TLlowPass = tnetwork::analyse(R1, X1, R2, X2, lp, 1).TL;
    }
    return d;
}

// Every network kind, both directions, complex terminations and the balanced form.
void designRows()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("F");
    QTest::addColumn<double>("R1");
    QTest::addColumn<double>("X1");
    QTest::addColumn<double>("R2");
    QTest::addColumn<double>("X2");
    QTest::addColumn<double>("Q");
    QTest::addColumn<bool>("balanced");
    const struct {
        const char* name;
        Kind kind;
        double F, R1, X1, R2, X2, Q;
        bool balanced;
    } rows[] = {
        {"L 300 to 50", Kind::L, 10e6, 300, 0, 50, 0, 0, false},
        {"L 50 to 300", Kind::L, 10e6, 50, 0, 300, 0, 0, false},
        {"L complex, balanced", Kind::L, 3.5e6, 50, 20, 600, -150, 0, true},
        {"L capacitive low side", Kind::L, 10e6, 300, 0, 50, -200, 0, false},
        {"Pi 1200 to 50", Kind::Pi, 7e6, 1200, 0, 50, 10, 10, false},
        {"Pi 50 to 200, balanced", Kind::Pi, 14e6, 50, 0, 200, 0, 5, true},
        {"T 50 to 10", Kind::T, 1.8e6, 50, 0, 10, 5, 4, false},
        {"T 20 to 75 complex", Kind::T, 28e6, 20, -15, 75, 30, 6, true},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << static_cast<int>(r.kind) << r.F << r.R1 << r.X1 << r.R2 << r.X2
                              << r.Q << r.balanced;
}

Design designOf(long double QL)
{
    QFETCH(int, kind);
    QFETCH(double, F);
    QFETCH(double, R1);
    QFETCH(double, X1);
    QFETCH(double, R2);
    QFETCH(double, X2);
    QFETCH(double, Q);
    QFETCH(bool, balanced);
    return design(static_cast<Kind>(kind), F, R1, X1, R2, X2, QL, Q, balanced);
}

// 10·log10(1 + (X/2R)²): a series reactance X between two resistances R.
double seriesLoss(double X, double R) { return 10 * std::log10(1 + (X / (2 * R)) * (X / (2 * R))); }

} // namespace

class TestResponse : public QObject {
    Q_OBJECT

private slots:
    void atTheDesignFrequencyTheLossIsThePagesTL_data() { designRows(); }
    void atTheDesignFrequencyTheLossIsThePagesTL()
    {
        const Design d = designOf(50);
        const double F = d.highPass.F;
        QVERIFY(std::fabs(response::at(d.highPass, F).TL - d.TLhighPass) < 1e-9);
        QVERIFY(std::fabs(response::at(d.lowPass, F).TL - d.TLlowPass) < 1e-9);
        // and the sweep passes through F itself
        const auto points = response::sweep(d.lowPass, F / 10, 10 * F, 401);
        QCOMPARE(points.size(), std::size_t(401));
        QVERIFY(std::fabs(points[200].f / F - 1) < 1e-12);
        QVERIFY(std::fabs(points[200].TL - d.TLlowPass) < 1e-6);
    }

    // 400 points on any span: F and its marked harmonics are among them exactly, so the
    // sharp return-loss peak at F is drawn at its true height.
    void theSweepPassesFAndItsHarmonicsExactly_data()
    {
        QTest::addColumn<double>("span");
        QTest::newRow("F/2 … 2F") << 2.0;
        QTest::newRow("F/10 … 10F") << 10.0;
        QTest::newRow("F/100 … 100F") << 100.0;
    }
    void theSweepPassesFAndItsHarmonicsExactly()
    {
        QFETCH(double, span);
        const Design d = design(Kind::Pi, 7e6, 50, 0, 200, 30, 1e9, 10, false);
        const double F = d.highPass.F;
        const std::array<double, 3> marks{F, 2 * F, 3 * F};
        const auto points = response::sweep(d.highPass, F / span, F * span, 400, marks);
        QCOMPARE(points.size(), std::size_t(400));
        for (double f : marks) {
            const auto hit = std::find_if(points.begin(), points.end(),
                                          [f](const response::Point& p) { return p.f == f; });
            QCOMPARE(hit != points.end(), f <= F * span);
            if (hit != points.end())
                QCOMPARE(hit->RL, response::at(d.highPass, f).RL);
        }
        for (std::size_t i = 1; i < points.size(); ++i)
            QVERIFY(points[i].f > points[i - 1].f);
        QCOMPARE(points.front().f, F / span);
        QCOMPARE(points.back().f, F * span);
    }

    void aLosslessNetworkDeliversAllPowerAtF_data() { designRows(); }
    void aLosslessNetworkDeliversAllPowerAtF()
    {
        const Design d = designOf(1e12);
        for (const Network& n : {d.highPass, d.lowPass}) {
            const response::Point p = response::at(n, n.F);
            QVERIFY2(std::fabs(p.TL) < 1e-6, qPrintable(QString::number(p.TL)));
            QVERIFY2(p.RL > 60, qPrintable(QString::number(p.RL)));
            QVERIFY(p.vswr < 1.002);
            // away from F the match is lost
            QVERIFY(response::at(n, 3 * n.F).TL > 0.1);
        }
    }

    void theLowPassStopsHarmonicsAndTheHighPassSubharmonics_data() { designRows(); }
    void theLowPassStopsHarmonicsAndTheHighPassSubharmonics()
    {
        const Design d = designOf(50);
        const double F = d.highPass.F;
        QVERIFY(response::at(d.lowPass, 3 * F).TL > response::at(d.highPass, 3 * F).TL);
        QVERIFY(response::at(d.lowPass, F / 3).TL < response::at(d.highPass, F / 3).TL);
    }

    // A series coil and a capacitor resonant at F between 50 Ω: at 2F the net reactance is
    // 2X − X/2; a lossy coil keeps its Q, so its resistance doubles with it.
    void coilsAndCapacitorsScaleWithFrequency()
    {
        using ladder::Place;
        const Network resonant{1e6, 50, 50, {{Place::Series, {0, 40}}, {Place::Series, {0, -40}}}};
        QVERIFY(std::fabs(response::at(resonant, 1e6).TL) < 1e-12);
        QVERIFY(std::fabs(response::at(resonant, 2e6).TL - seriesLoss(60, 50)) < 1e-9);
        QVERIFY(std::fabs(response::at(resonant, 0.5e6).TL - seriesLoss(-60, 50)) < 1e-9);

        QCOMPARE(response::impedanceAt({2, 100}, 3), response::Complex(6, 300));
        QCOMPARE(response::impedanceAt({0, -90}, 3), response::Complex(0, -30));
        QCOMPARE(response::impedanceAt({75, 0}, 3), response::Complex(75, 0));
    }

    // The reflection is that of the power waves: a source 50 + j30 Ω is matched by a load
    // of 50 − j30 Ω, which a series capacitor of −j30 Ω before 50 Ω is.
    void aConjugateMatchReflectsNothing()
    {
        using ladder::Place;
        const Network n{1e6, {50, 30}, 50, {{Place::Series, {0, -30}}}};
        const response::Point p = response::at(n, 1e6);
        QVERIFY(std::fabs(p.TL) < 1e-12);
        QCOMPARE(p.RL, response::kMaxReturnLoss);
        QCOMPARE(p.vswr, 1.0);
        // an open output reflects everything: the largest VSWR, no infinite numbers
        const Network open{1e6, 50, 50, {{Place::Shunt, {0, 1e300}}, {Place::Series, {1e300, 0}}}};
        const response::Point q = response::at(open, 1e6);
        QVERIFY(std::isfinite(q.RL) && std::isfinite(q.vswr));
    }

    // A small series coil between 50 Ω: TL = 10·log10(1 + (r·X/100)²) rises by 3 dB at
    // r = √((10^((TL(F)+3)/10) − 1))·100/X above F, never below.
    void theThreeDecibelEdges()
    {
        using ladder::Place;
        const Network n{1e6, 50, 50, {{Place::Series, {0, 1}}}};
        const double level = seriesLoss(1, 50) + 3;
        const double expected = 1e6 * std::sqrt(std::pow(10.0, level / 10) - 1) * 100;
        const response::Edges e = response::edges3dB(n, 1e4, 1e9);
        QVERIFY(!e.below);
        QVERIFY(e.above);
        QVERIFY2(std::fabs(*e.above / expected - 1) < 1e-9, qPrintable(QString::number(*e.above)));
        // not within a span that ends before it
        QVERIFY(!response::edges3dB(n, 1e5, 1e7).above);
        // and a band pass has both
        const Network band{1e6, 50, 50, {{Place::Series, {0, 100}}, {Place::Series, {0, -100}}}};
        const response::Edges b = response::edges3dB(band, 1e5, 1e7);
        QVERIFY(b.below && b.above);
        QVERIFY(std::fabs(*b.below * *b.above / 1e12 - 1) < 1e-6); // symmetric on the log axis
    }

    // The pads are resistive: flat, the designed attenuation at every frequency.
    void padsAreFlat()
    {
        const pads::Attenuator a = pads::attenuator(20, 50);
        for (const auto& ladder : {pads::piLadder(a), pads::tLadder(a)}) {
            const Network n{1, 50, 50, ladder};
            for (double f : {0.1, 1.0, 10.0}) {
                const response::Point p = response::at(n, f);
                QVERIFY(std::fabs(p.TL - 20) < 1e-9);
                QVERIFY(p.RL > 90);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestResponse)
#include "tst_response.moc"
