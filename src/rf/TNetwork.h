#pragma once

#include "Matching.h"

#include <string>

// The T matching network: two L sections back to back, meeting at a virtual resistance Rv
// above both terminations, for an operating Q. The high-pass form has series capacitors and a
// shunt coil, the low-pass form series coils and a shunt capacitor. A series element that
// also compensates its termination's reactance may have to be of the other kind. Side 1 is
// Z1 (source), side 2 is Z2 (load).
namespace ampero::tnetwork {

using matching::Element;

// Every minimum Q is raised by this factor, so the high side's Q stays above zero.
inline constexpr long double kQCorrection = 1.01L;

// ω = 2π·F
long double omega(long double F);

// √(Rh/Rl − 1) · kQCorrection with the real parts as entered; the high side is Z1 when
// R1 > R2, else Z2.
long double minimumQ(long double R1, long double R2);

// The Q the design uses: the minimum, or the user's Q raised to the minimum. QE is the user's
// Q as kept afterwards.
struct OperatingQ {
    long double Q, QE;
};
OperatingQ operatingQ(bool useMinimum, long double Qmin, long double QE);

// The two L sections: Rv = (Q² + 1)·Rl; the low side takes the operating Q, the high side
// Qh = √(Rv/Rh − 1). Series and shunt reactances of each side and the shunt element X3, the
// two shunt arms in parallel; all positive, in Ω.
struct Design {
    long double Rv, Qh;
    long double Xs1, Xp1, Xs2, Xp2;
    long double X3;
};
Design design(long double R1, long double R2, long double Q);

// The elements from Z1 to Z2: series at Z1, shunt, series at Z2.
struct Variant {
    Element s1, p, s2;
    std::string letters; // the units of s1, p and s2 ("FHF"), which choose the picture
};
// Series capacitors of −Xsn − Xnj (a coil when that comes out positive, a capacitor of
// 0 F at exactly 0), shunt coil of X3.
Variant highPass(long double X1, long double X2, const Design& d, long double omega, long double QL,
                 bool balanced);
// Series coils of Xsn − Xnj (a capacitor when that comes out negative, a coil of 0 H at
// exactly 0), shunt capacitor of X3.
Variant lowPass(long double X1, long double X2, const Design& d, long double omega, long double QL,
                bool balanced);

// The variant between Z1 = R1 + jX1 and Z2 = R2 + jX2 for an available power P; rows in the
// order s1, p, s2.
matching::Analysis analyse(long double R1, long double X1, long double R2, long double X2,
                           const Variant& v, long double P);

} // namespace ampero::tnetwork
