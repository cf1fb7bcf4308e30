#include "PiNetwork.h"

#include "Constants.h"

#include <cmath>

namespace ampero::pinetwork {

long double omega(long double F) { return rf::kTwoPi * F; }

Termination termination(long double R, long double X)
{
    Termination t{R, X, X != 0, R, 0};
    if (t.hasXp) {
        t.Rp = R + X * X / R;
        t.Xp = X + R * R / X;
    }
    return t;
}

Sides sides(long double R1, long double X1, long double R2, long double X2)
{
    return {termination(R1, X1), termination(R2, X2), R1 > R2};
}

long double minimumQ(const Sides& s)
{
    const Termination& h = s.z1High ? s.t1 : s.t2;
    const Termination& l = s.z1High ? s.t2 : s.t1;
    return std::sqrt(h.Rp / l.R - 1) * kQCorrection;
}

OperatingQ operatingQ(bool useMinimum, long double Qmin, long double QE)
{
    if (useMinimum)
        return {Qmin, QE};
    if (QE < Qmin)
        QE = Qmin;
    return {QE, QE};
}

Design design(const Sides& s, long double Q)
{
    const Termination& h = s.z1High ? s.t1 : s.t2;
    const Termination& l = s.z1High ? s.t2 : s.t1;
    Design d{};
    d.Rv = h.Rp / (Q * Q + 1);
    const long double Xph = h.Rp / Q;
    const long double Xsh = Q * d.Rv;
    d.Ql = std::sqrt(l.Rp / d.Rv - 1);
    const long double Xpl = l.Rp / d.Ql;
    const long double Xsl = d.Ql * d.Rv;
    d.Xp1 = s.z1High ? Xph : Xpl;
    d.Xs1 = s.z1High ? Xsh : Xsl;
    d.Xp2 = s.z1High ? Xpl : Xph;
    d.Xs2 = s.z1High ? Xsl : Xsh;
    return d;
}

namespace {

// The coil that, beside the termination's own parallel reactance, gives the shunt reactance
// Xp: 1/(1/Xp − 1/Xtp). Below zero the termination's coil is the smaller one and a capacitor
// is needed instead.
Element highPassShunt(const Termination& t, long double Xp, long double omega, long double QL)
{
    const long double X = t.hasXp ? 1 / (1 / Xp - 1 / t.Xp) : Xp;
    if (X < 0)
        return matching::capacitor(std::fabs(X), omega);
    return matching::coil(X, omega, QL);
}

// The capacitor that, beside the termination's own parallel reactance, gives −Xp:
// 1/(1/Xp + 1/Xtp) as magnitude. Below zero a coil is needed instead.
Element lowPassShunt(const Termination& t, long double Xp, long double omega, long double QL)
{
    const long double X = t.hasXp ? 1 / (1 / Xp + 1 / t.Xp) : Xp;
    if (X < 0)
        return matching::coil(std::fabs(X), omega, QL);
    return matching::capacitor(X, omega);
}

} // namespace

Variant highPass(const Sides& s, const Design& d, long double omega, long double QL, bool balanced)
{
    Variant v;
    v.p1 = highPassShunt(s.t1, d.Xp1, omega, QL);
    v.s = matching::capacitor(d.Xs1 + d.Xs2, omega);
    v.p2 = highPassShunt(s.t2, d.Xp2, omega, QL);
    if (balanced)
        v.s = matching::splitInTwo(v.s);
    return v;
}

Variant lowPass(const Sides& s, const Design& d, long double omega, long double QL, bool balanced)
{
    Variant v;
    v.p1 = lowPassShunt(s.t1, d.Xp1, omega, QL);
    v.s = matching::coil(d.Xs1 + d.Xs2, omega, QL);
    v.p2 = lowPassShunt(s.t2, d.Xp2, omega, QL);
    if (balanced)
        v.s = matching::splitInTwo(v.s);
    return v;
}

matching::Analysis analyse(const Sides& s, const Variant& v, long double P)
{
    using ladder::Place;
    return matching::analyse(
        {ladder::Element{Place::Shunt, v.p1.Z}, {Place::Series, v.s.Z}, {Place::Shunt, v.p2.Z}},
        s.t1.R, s.t1.X, s.t2.R, s.t2.X, P);
}

} // namespace ampero::pinetwork
