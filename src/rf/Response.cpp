#include "Response.h"

#include <algorithm>
#include <cmath>

namespace ampero::response {

Complex impedanceAt(Complex ZatF, double r)
{
    if (ZatF.imag() > 0)
        return ZatF * r;
    if (ZatF.imag() < 0)
        return {ZatF.real(), ZatF.imag() / r};
    return ZatF;
}

Point at(const Network& network, double f)
{
    const double r = f / network.F;
    std::vector<ladder::Element> elements = network.elements;
    for (ladder::Element& e : elements)
        e.Z = impedanceAt(e.Z, r);
    // A source of 1 V offers 1/(4·R1).
    const ladder::Solution s = ladder::solve(1.0, network.Z1, elements, network.Z2);
    const double available = 1 / (4 * network.Z1.real());

    Point p;
    p.f = f;
    p.TL = 10 * std::log10(available / s.Pload);
    const double gamma = std::abs((s.Zin - std::conj(network.Z1)) / (s.Zin + network.Z1));
    p.RL = gamma > 0 ? std::min(-20 * std::log10(gamma), kMaxReturnLoss) : kMaxReturnLoss;
    p.vswr = gamma < 1 ? std::min((1 + gamma) / (1 - gamma), kMaxSwr) : kMaxSwr;
    return p;
}

std::vector<Point> sweep(const Network& network, double fLow, double fHigh, int count,
                         std::span<const double> exact)
{
    std::vector<Point> points;
    if (count < 2)
        return points;
    const double step = std::log(fHigh / fLow) / (count - 1);
    std::vector<double> f(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        // the last point is fHigh itself, not the end of a sum of steps
        f[static_cast<std::size_t>(i)] = i == count - 1 ? fHigh : fLow * std::exp(step * i);
    for (double e : exact)
        if (e >= fLow && e <= fHigh && step > 0) {
            const long i = std::lround(std::log(e / fLow) / step);
            f[static_cast<std::size_t>(std::clamp(i, 0L, long(count) - 1))] = e;
        }
    points.reserve(f.size());
    for (double at_f : f)
        points.push_back(at(network, at_f));
    return points;
}

namespace {

// Where TL crosses `level` between a (below the level) and b (at or above it), on the
// logarithmic axis.
double crossing(const Network& network, double a, double b, double level)
{
    for (int i = 0; i < 60; ++i) {
        const double m = std::sqrt(a * b);
        if (at(network, m).TL < level)
            a = m;
        else
            b = m;
    }
    return std::sqrt(a * b);
}

// The first crossing from F towards `end`, looked for on a grid of 200 steps per span.
std::optional<double> edgeTowards(const Network& network, double end, double level)
{
    constexpr int kSteps = 200;
    const double step = std::log(end / network.F) / kSteps;
    double previous = network.F;
    for (int i = 1; i <= kSteps; ++i) {
        const double f = i == kSteps ? end : network.F * std::exp(step * i);
        const double TL = at(network, f).TL;
        if (!std::isfinite(TL) || TL >= level)
            return crossing(network, previous, f, level);
        previous = f;
    }
    return std::nullopt;
}

} // namespace

Edges edges3dB(const Network& network, double fLow, double fHigh)
{
    const double level = at(network, network.F).TL + 3;
    Edges e;
    if (!std::isfinite(level))
        return e;
    if (fLow < network.F)
        e.below = edgeTowards(network, fLow, level);
    if (fHigh > network.F)
        e.above = edgeTowards(network, fHigh, level);
    return e;
}

namespace {

Complex impedance(long double R, long double X)
{
    return {static_cast<double>(R), static_cast<double>(X)};
}

} // namespace

Network lNetwork(long double F, long double R1, long double X1, long double R2, long double X2,
                 const lnetwork::Impedances& z)
{
    using ladder::Place;
    const ladder::Element shunt{Place::Shunt, z.Zp};
    const ladder::Element series{Place::Series, z.Zs};
    std::vector<ladder::Element> elements =
        R1 > R2 ? std::vector{shunt, series} : std::vector{series, shunt};
    return {static_cast<double>(F), impedance(R1, X1), impedance(R2, X2), std::move(elements)};
}

Network piNetwork(long double F, const pinetwork::Sides& s, const pinetwork::Variant& v)
{
    using ladder::Place;
    return {static_cast<double>(F),
            impedance(s.t1.R, s.t1.X),
            impedance(s.t2.R, s.t2.X),
            {{Place::Shunt, v.p1.Z}, {Place::Series, v.s.Z}, {Place::Shunt, v.p2.Z}}};
}

Network tNetwork(long double F, long double R1, long double X1, long double R2, long double X2,
                 const tnetwork::Variant& v)
{
    using ladder::Place;
    return {static_cast<double>(F),
            impedance(R1, X1),
            impedance(R2, X2),
            {{Place::Series, v.s1.Z}, {Place::Shunt, v.p.Z}, {Place::Series, v.s2.Z}}};
}

} // namespace ampero::response
