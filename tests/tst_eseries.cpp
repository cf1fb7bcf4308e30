// The standard value series and the behaviour of a network built from standard values.
#include "rf/ESeries.h"
#include "rf/Pads.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <QtTest>

using namespace ampero;
using eseries::Series;

Q_DECLARE_METATYPE(Series)

namespace {

using C = std::complex<double>;

C parallel(C a, C b) { return a * b / (a + b); }

} // namespace

class TestESeries : public QObject {
    Q_OBJECT
private slots:
    void tables_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("members");
        QTest::newRow("E6") << Series::E6 << 6 << QList<int>{100, 150, 220, 330, 470, 680};
        QTest::newRow("E12") << Series::E12 << 12 << QList<int>{120, 180, 270, 390, 560, 820};
        QTest::newRow("E24") << Series::E24 << 24
                             << QList<int>{270, 300, 330, 360, 390, 430, 470, 510, 560, 620, 680,
                                           820, 910};
        QTest::newRow("E48") << Series::E48 << 48 << QList<int>{100, 105, 121, 301, 464, 953};
        QTest::newRow("E96") << Series::E96 << 96
                             << QList<int>{100, 102, 105, 107, 249, 301, 499, 953, 976};
    }

    // Complete, ordered, inside one decade, and holding the values everyone knows.
    void tables()
    {
        QFETCH(Series, series);
        QFETCH(int, count);
        QFETCH(QList<int>, members);
        const auto d = eseries::decade(series);
        QCOMPARE(static_cast<int>(d.size()), count);
        QCOMPARE(d.front(), 100);
        QVERIFY(d.back() < 1000);
        QVERIFY(std::adjacent_find(d.begin(), d.end(), std::greater_equal<int>()) == d.end());
        for (int m : members)
            QVERIFY2(std::find(d.begin(), d.end(), m) != d.end(), qPrintable(QString::number(m)));
    }

    // Each series is every second value of the next finer one (E6 ⊂ E12 ⊂ E24, E48 ⊂ E96);
    // a typing error in one table shows up against the other.
    void nesting()
    {
        for (auto [coarse, fine] : {std::pair{Series::E6, Series::E12},
                                    std::pair{Series::E12, Series::E24},
                                    std::pair{Series::E48, Series::E96}}) {
            const auto c = eseries::decade(coarse), f = eseries::decade(fine);
            for (std::size_t i = 0; i < c.size(); ++i)
                QCOMPARE(c[i], f[2 * i]);
        }
        // E24 is the published table, not 10^(n/24) rounded (that would give 2.6 and 8.3)
        const auto e24 = eseries::decade(Series::E24);
        QCOMPARE(e24[10], 270);
        QCOMPARE(e24[22], 820);
    }

    void nearest_data()
    {
        QTest::addColumn<Series>("series");
        QTest::addColumn<double>("wanted");
        QTest::addColumn<double>("value");
        QTest::newRow("9.9 to the next decade") << Series::E24 << 9.9 << 10.0;
        QTest::newRow("0.99 kOhm to 1.0 kOhm") << Series::E24 << 990.0 << 1000.0;
        QTest::newRow("just above a decade") << Series::E24 << 1.0000001e3 << 1000.0;
        QTest::newRow("below one") << Series::E24 << 0.0951 << 0.091;
        QTest::newRow("by ratio, not difference") << Series::E24 << 40.909 << 39.0;
        QTest::newRow("Pi R1 of 20 dB") << Series::E24 << 247.5 << 240.0;
        QTest::newRow("Pi R2 of 20 dB") << Series::E24 << 61.111 << 62.0;
        QTest::newRow("E12") << Series::E12 << 247.5 << 270.0;
        QTest::newRow("E6") << Series::E6 << 5.5 << 4.7;
        QTest::newRow("E96 member") << Series::E96 << 4.99e3 << 4.99e3;
        QTest::newRow("E96 top of decade") << Series::E96 << 9.9e-12 << 1e-11;
        QTest::newRow("E48 picofarads") << Series::E48 << 142.35e-12 << 140e-12;
    }

    void nearest()
    {
        QFETCH(Series, series);
        QFETCH(double, wanted);
        QFETCH(double, value);
        const auto n = eseries::nearest(series, wanted);
        QVERIFY(n);
        QVERIFY2(std::abs(n->value / value - 1) < 1e-12, qPrintable(QString::number(n->value)));
        QVERIFY(std::abs(n->deviation - (value - wanted) / wanted * 100) < 1e-9);
    }

    void nothingNearest()
    {
        const double inf = std::numeric_limits<double>::infinity();
        for (double v : {0.0, -10.0, inf, -inf, std::numeric_limits<double>::quiet_NaN()})
            QVERIFY(!eseries::nearest(Series::E24, v));
    }

    // A 20 dB / 50 Ω Pi pad built from E24 values: 240 Ω in series, 62 Ω across each port,
    // worked out here by hand from the voltage divider.
    void builtPiPad()
    {
        const double Z = 50, Rs = 240, Rp = 62;
        const C Zload = parallel(Rp, Z);
        const C Zmid = Rs + Zload;
        const C Zin = parallel(Rp, Zmid);
        const double U0 = 2;
        const C Uin = U0 * Zin / (Z + Zin);
        const C Uout = Uin * Zload / Zmid;
        const double available = U0 * U0 / (4 * Z);
        const double delivered = std::norm(Uout) / Z;
        const double attenuation = 10 * std::log10(available / delivered);
        const double gamma = std::abs((Zin - Z) / (Zin + Z));

        const std::vector<ladder::Element> pad = {
            {ladder::Place::Shunt, Rp}, {ladder::Place::Series, Rs}, {ladder::Place::Shunt, Rp}};
        const eseries::Performance p = eseries::performance(pad, Z, Z);
        QVERIFY(std::abs(p.lossDb - attenuation) < 1e-9);
        QVERIFY(std::abs(p.gammaIn - gamma) < 1e-12);
        QVERIFY(std::abs(p.gammaOut - gamma) < 1e-12); // the pad is symmetric
        QVERIFY(std::abs(attenuation - 19.680) < 1e-3); // 0.32 dB short of the design
        QVERIFY(std::abs(-20 * std::log10(gamma) - 49.396) < 1e-3);
        QVERIFY(std::abs(*eseries::returnLossDb(p.gammaIn) - -20 * std::log10(gamma)) < 1e-9);
        QVERIFY(*eseries::returnLossDb(p.gammaIn) > 40); // close to a match still
    }

    // The exact designs give their attenuation back, matched at both ports; the L pad,
    // matched to one side only, reflects at the other.
    void exactPads()
    {
        const pads::Attenuator att = pads::attenuator(20, 50);
        const auto a = eseries::performance(pads::piLadder(att), 50, 50);
        QVERIFY(std::abs(a.lossDb - 20) < 1e-9);
        QVERIFY(a.gammaIn < 1e-9 && a.gammaOut < 1e-9);
        QVERIFY(!eseries::returnLossDb(0));

        const auto pi = eseries::performance(pads::piLadder(pads::piPad(100, 50, 12)), 100, 50);
        QVERIFY(std::abs(pi.lossDb - 12) < 1e-9);
        QVERIFY(pi.gammaIn < 1e-9 && pi.gammaOut < 1e-9);
        const auto t = eseries::performance(pads::tLadder(pads::tPad(100, 50, 12)), 100, 50);
        QVERIFY(std::abs(t.lossDb - 12) < 1e-9);

        const pads::LPad l = pads::lPad(100, 50, 12, pads::Match::Z2);
        const auto lp = eseries::performance(pads::lLadder(l), 100, 50);
        QVERIFY(lp.gammaOut < 1e-9);
        QVERIFY(lp.gammaIn > 1e-3);
    }

    // The L network of 10 MHz from 300 Ω to 50 Ω with coils of Q = 50: high-pass shunt
    // 2.135 µH, series 142.35 pF, 0.192 dB transmission loss.
    void builtMatching()
    {
        const double omega = 2 * M_PI * 10e6;
        const std::vector<ladder::Element> hp = {
            {ladder::Place::Shunt, eseries::coil(2.135e-6, omega, 50)},
            {ladder::Place::Series, eseries::capacitor(142.35e-12, omega)}};
        const auto p = eseries::performance(hp, 300, 50);
        QVERIFY2(std::abs(p.lossDb - 0.192) < 0.0015, qPrintable(QString::number(p.lossDb)));
        QVERIFY(*eseries::vswr(p.gammaIn) < 1.1);
        // E12 parts: 2.2 µH, 150 pF mismatch it
        const std::vector<ladder::Element> e12 = {
            {ladder::Place::Shunt, eseries::coil(2.2e-6, omega, 50)},
            {ladder::Place::Series, eseries::capacitor(150e-12, omega)}};
        const auto q = eseries::performance(e12, 300, 50);
        QVERIFY(q.gammaIn > p.gammaIn);
        QVERIFY(q.lossDb > p.lossDb);
    }

    void ratios()
    {
        QCOMPARE(*eseries::vswr(0), 1.0);
        QVERIFY(std::abs(*eseries::vswr(1.0 / 3) - 2) < 1e-12);
        QVERIFY(!eseries::vswr(1));
        QVERIFY(std::abs(*eseries::returnLossDb(0.1) - 20) < 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestESeries)
#include "tst_eseries.moc"
