#include "Pads.h"

#include <algorithm>
#include <cmath>

namespace ampero::pads {

namespace {

template <class T = double> ladder::BasicElement<T> series(long double R)
{
    return {ladder::Place::Series, static_cast<T>(R)};
}
template <class T = double> ladder::BasicElement<T> shunt(long double R)
{
    return {ladder::Place::Shunt, static_cast<T>(R)};
}

} // namespace

long double voltageRatio(long double a) { return std::pow(10.0L, a / 20); }

long double shownSeries(long double R, bool balanced) { return balanced ? R / 2 : R; }

Attenuator attenuator(long double a, long double Z)
{
    Attenuator p;
    p.K = voltageRatio(a);
    const long double K = p.K;
    p.piR1 = Z * std::fabs(K * K - 1) / (2 * K);
    p.piR23 = Z * (K + 1) / (K - 1);
    p.tR1 = Z * 2 * K / std::fabs(K * K - 1);
    p.tR23 = Z * (K - 1) / (K + 1);
    return p;
}

AttenuatorShown shown(const Attenuator& pad, bool balanced)
{
    return {shownSeries(pad.piR1, balanced), pad.piR23, pad.tR1, shownSeries(pad.tR23, balanced)};
}

std::vector<ladder::Element> piLadder(const Attenuator& pad)
{
    return {shunt(pad.piR23), series(pad.piR1), shunt(pad.piR23)};
}

std::vector<ladder::Element> tLadder(const Attenuator& pad)
{
    return {series(pad.tR23), shunt(pad.tR1), series(pad.tR23)};
}

namespace {

// U = √(PR·R), I = √(PR/R)
Row row(long double PR, long double R) { return {std::sqrt(PR * R), std::sqrt(PR / R), PR}; }

} // namespace

AttenuatorTable attenuatorTable(const Attenuator& pad, long double Z, long double P, bool balanced)
{
    const long double U = std::sqrt(Z * P);
    const long double K = pad.K;
    const AttenuatorShown r = shown(pad, balanced);
    AttenuatorTable t;
    long double PR = (U - U / K) * (U - U / K) / r.piR1;
    if (balanced)
        PR = PR / 4;
    t.piR1 = row(PR, r.piR1);
    t.piR2 = row(U * U / r.piR23, r.piR23);
    t.piR3 = row((U / K) * (U / K) / r.piR23, r.piR23);
    const long double dI = U / Z - U / (Z * K);
    t.tR1 = row(dI * dI * r.tR1, r.tR1);
    t.tR2 = row((U / Z) * (U / Z) * r.tR23, r.tR23);
    t.tR3 = row((U / (Z * K)) * (U / (Z * K)) * r.tR23, r.tR23);
    return t;
}

long double roundUp(long double x, int decimals)
{
    // As the display does: no decimals below 0, and no more than a value's digits carry.
    const long double scale = std::pow(10.0L, std::clamp(decimals, 0, 18));
    return std::ceil(x * scale) / scale;
}

MinimumAttenuation minimumAttenuation(long double Z1, long double Z2, int decimals)
{
    const long double a = std::max(Z1, Z2) / std::min(Z1, Z2);
    MinimumAttenuation m;
    m.Kmin = 2 * std::sqrt((a - 1) * a) + 2 * a - 1;
    m.exact = 10 * std::log10(m.Kmin);
    m.Dmin = roundUp(m.exact, decimals);
    return m;
}

bool belowMinimum(long double a, const MinimumAttenuation& minimum)
{
    return a < minimum.Dmin - 1e-4L || a < minimum.exact;
}

LPad lPad(long double Z1, long double Z2, long double a, Match match)
{
    long double K = voltageRatio(a);
    LPad p{};
    if (Z1 == Z2) {
        if (a == 0)
            K = 1.0001L;
        p.R1 = (K - 1) * Z1;
        p.R2 = K * Z1 / (K - 1);
        p.shuntAtZ1 = true;
        p.picture = 5;
    } else if (Z1 < Z2) {
        const long double l = std::sqrt(Z2 / Z1);
        if (match == Match::Z1) {
            p.R1 = (Z2 / l) * (K - l);
            p.R2 = (Z2 / l) * K / (K * l - 1);
        } else {
            p.R1 = (Z2 / l) * (K * l - 1) / K;
            p.R2 = (Z2 / l) / (K - l);
        }
        p.shuntAtZ1 = true;
        p.picture = match == Match::Z1 ? 3 : 4;
    } else {
        const long double l = std::sqrt(Z1 / Z2);
        if (match == Match::Z1) {
            p.R1 = (Z1 / l) * (K * l - 1) / K;
            p.R2 = (Z1 / l) / (K - l);
        } else {
            p.R1 = (Z1 / l) * (K - l);
            p.R2 = (Z1 / l) * K / (K * l - 1);
        }
        p.shuntAtZ1 = false;
        p.picture = match == Match::Z1 ? 1 : 2;
    }
    return p;
}

template <class T> Ladder<T> lLadder(const LPad& pad)
{
    if (pad.shuntAtZ1)
        return {shunt<T>(pad.R2), series<T>(pad.R1)};
    return {series<T>(pad.R1), shunt<T>(pad.R2)};
}

PiPad piPad(long double Z1, long double Z2, long double a)
{
    const long double K = voltageRatio(a);
    PiPad p;
    if (Z1 != Z2) {
        const long double w = std::sqrt(Z1 / Z2);
        p.R1 = Z1 * (K * K - 1) / (K * K - 2 * w * K + 1);
        p.R2 = 0.5L * std::sqrt(Z1 * Z2) * (K * K - 1) / K;
        p.R3 = Z2 * (K * K - 1) / (K * K - 2 * K / w + 1);
    } else {
        p.R1 = Z1 * (K + 1) / (K - 1);
        p.R2 = Z1 * (K * K - 1) / (2 * K);
        p.R3 = p.R1;
    }
    return p;
}

template <class T> Ladder<T> piLadder(const PiPad& pad)
{
    return {shunt<T>(pad.R1), series<T>(pad.R2), shunt<T>(pad.R3)};
}

TPad tPad(long double Z1, long double Z2, long double a)
{
    const long double K = voltageRatio(a);
    TPad p;
    if (Z1 != Z2) {
        p.R2 = 2 * std::sqrt(Z1 * Z2) * K / (K * K - 1);
        p.R1 = Z1 * (K * K + 1) / (K * K - 1) - p.R2;
        p.R3 = Z2 * (K * K + 1) / (K * K - 1) - p.R2;
    } else {
        p.R1 = Z1 * (K - 1) / (K + 1);
        p.R2 = 2 * Z1 * K / (K * K - 1);
        p.R3 = p.R1;
    }
    return p;
}

template <class T> Ladder<T> tLadder(const TPad& pad)
{
    return {series<T>(pad.R1), shunt<T>(pad.R2), series<T>(pad.R3)};
}

template Ladder<double> lLadder(const LPad&);
template Ladder<long double> lLadder(const LPad&);
template Ladder<double> piLadder(const PiPad&);
template Ladder<long double> piLadder(const PiPad&);
template Ladder<double> tLadder(const TPad&);
template Ladder<long double> tLadder(const TPad&);

MatchingShown shown(const LPad& l, const PiPad& pi, const TPad& t, bool balanced)
{
    MatchingShown s;
    s.lR1 = shownSeries(l.R1, balanced);
    s.lR2 = l.R2;
    s.piR1 = pi.R1;
    s.piR2 = shownSeries(std::fabs(pi.R2), balanced);
    s.piR3 = pi.R3;
    s.tR1 = shownSeries(std::fabs(t.R1), balanced);
    s.tR2 = t.R2;
    s.tR3 = shownSeries(std::fabs(t.R3), balanced);
    return s;
}

} // namespace ampero::pads
