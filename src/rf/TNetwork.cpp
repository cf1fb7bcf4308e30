#include "TNetwork.h"

#include "Constants.h"

#include <cmath>

namespace ampero::tnetwork {

long double omega(long double F) { return rf::kTwoPi * F; }

long double minimumQ(long double R1, long double R2)
{
    const long double Rh = R1 > R2 ? R1 : R2;
    const long double Rl = R1 > R2 ? R2 : R1;
    return std::sqrt(Rh / Rl - 1) * kQCorrection;
}

OperatingQ operatingQ(bool useMinimum, long double Qmin, long double QE)
{
    if (useMinimum)
        return {Qmin, QE};
    if (QE < Qmin)
        QE = Qmin;
    return {QE, QE};
}

Design design(long double R1, long double R2, long double Q)
{
    const bool z1High = R1 > R2;
    const long double Rh = z1High ? R1 : R2;
    const long double Rl = z1High ? R2 : R1;
    Design d{};
    d.Rv = (Q * Q + 1) * Rl;
    const long double Xsl = Rl * Q;
    const long double Xpl = d.Rv / Q;
    d.Qh = std::sqrt(d.Rv / Rh - 1);
    const long double Xsh = Rh * d.Qh;
    const long double Xph = d.Rv / d.Qh;
    d.Xs1 = z1High ? Xsh : Xsl;
    d.Xp1 = z1High ? Xph : Xpl;
    d.Xs2 = z1High ? Xsl : Xsh;
    d.Xp2 = z1High ? Xpl : Xph;
    d.X3 = d.Xp1 * d.Xp2 / (d.Xp1 + d.Xp2);
    return d;
}

namespace {

// A series element of reactance X: a capacitor below zero, a coil above; at exactly zero an
// element of value 0 of the form's usual kind.
Element series(long double X, long double omega, long double QL, char usual, bool balanced)
{
    Element e;
    if (X < 0)
        e = matching::capacitor(std::fabs(X), omega);
    else if (X > 0)
        e = matching::coil(X, omega, QL);
    else {
        const long double R = usual == 'H' ? std::fabs(X) / QL : 0;
        e = {0, 0, 0, usual, R, rf::Complex(static_cast<double>(R), 0)};
    }
    return balanced ? matching::splitInTwo(e) : e;
}

std::string lettersOf(const Element& s1, const Element& p, const Element& s2)
{
    return {s1.unit, p.unit, s2.unit};
}

} // namespace

Variant highPass(long double X1, long double X2, const Design& d, long double omega, long double QL,
                 bool balanced)
{
    Variant v;
    v.s1 = series(-d.Xs1 - X1, omega, QL, 'F', balanced);
    v.p = matching::coil(d.X3, omega, QL);
    v.s2 = series(-d.Xs2 - X2, omega, QL, 'F', balanced);
    v.letters = lettersOf(v.s1, v.p, v.s2);
    return v;
}

Variant lowPass(long double X1, long double X2, const Design& d, long double omega, long double QL,
                bool balanced)
{
    Variant v;
    v.s1 = series(d.Xs1 - X1, omega, QL, 'H', balanced);
    v.p = matching::capacitor(d.X3, omega);
    v.s2 = series(d.Xs2 - X2, omega, QL, 'H', balanced);
    v.letters = lettersOf(v.s1, v.p, v.s2);
    return v;
}

matching::Analysis analyse(long double R1, long double X1, long double R2, long double X2,
                           const Variant& v, long double P)
{
    using ladder::Place;
    return matching::analyse(
        {ladder::Element{Place::Series, v.s1.Z}, {Place::Shunt, v.p.Z}, {Place::Series, v.s2.Z}},
        R1, X1, R2, X2, P);
}

} // namespace ampero::tnetwork
