#pragma once

#include "Matching.h"

// The Pi matching network: two L sections back to back, meeting at a virtual resistance Rv
// below both terminations, for an operating Q. The high-pass form has shunt coils and a
// series capacitor, the low-pass form shunt capacitors and a series coil. Side 1 is Z1
// (source), side 2 is Z2 (load).
namespace ampero::pinetwork {

using matching::Element;

// Every minimum Q is raised by this factor, so the low side's Q stays above zero.
inline constexpr long double kQCorrection = 1.01L;

// ω = 2π·F
long double omega(long double F);

// A termination R + jX and its parallel equivalent Rp ∥ jXp (Xp only when X ≠ 0).
struct Termination {
    long double R, X;
    bool hasXp;
    long double Rp, Xp;
};
Termination termination(long double R, long double X);

// The high side is Z1 when R1 > R2, else Z2.
struct Sides {
    Termination t1, t2;
    bool z1High;
};
Sides sides(long double R1, long double X1, long double R2, long double X2);

// √(Rhp/Rl − 1) · kQCorrection, with the high side's parallel resistance and the low side's
// real part as entered.
long double minimumQ(const Sides& s);

// The Q the design uses: the minimum, or the user's Q raised to the minimum. QE is the user's
// Q as kept afterwards.
struct OperatingQ {
    long double Q, QE;
};
OperatingQ operatingQ(bool useMinimum, long double Qmin, long double QE);

// The two L sections: Rv = Rhp/(Q² + 1); the high side takes the operating Q, the low side
// Ql = √(Rlp/Rv − 1). Shunt and series reactances of each side, all positive, in Ω.
struct Design {
    long double Rv, Ql;
    long double Xp1, Xs1, Xp2, Xs2;
};
Design design(const Sides& s, long double Q);

// The elements from Z1 to Z2: shunt at Z1, series, shunt at Z2.
struct Variant {
    Element p1, s, p2;
};
// Shunt coils compensating the terminations' parallel reactances, series capacitor of
// Xs1 + Xs2. A shunt reactance that comes out negative is a capacitor instead.
Variant highPass(const Sides& s, const Design& d, long double omega, long double QL, bool balanced);
// Shunt capacitors, series coil. A shunt reactance that comes out negative is a coil.
Variant lowPass(const Sides& s, const Design& d, long double omega, long double QL, bool balanced);

// The variant between Z1 and Z2 for an available power P; rows in the order p1, s, p2.
matching::Analysis analyse(const Sides& s, const Variant& v, long double P);

} // namespace ampero::pinetwork
