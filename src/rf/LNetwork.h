#pragma once

#include "Complex.h"

// The L matching network between Z1 = R1 + jX1 (source) and Z2 = R2 + jX2 (load) at one
// frequency: the high-pass form (series capacitor, shunt coil) and the low-pass form (series
// coil, shunt capacitor). The shunt element sits across the side with the larger real part.
// The page writes a field after each design step and stops at the first floating-point
// fault, so every step is a function of its own, called in this order.
namespace ampero::lnetwork {

using rf::Complex;

// Below this magnitude a series reactance counts as none.
inline constexpr long double kReactanceTolerance = 1e-5L;

// The two sides: the high side (larger real part; Z2 when the real parts are equal) takes
// the shunt elements.
struct Sides {
    long double omega; // 2π·F with the short spelling of 2π
    bool z1High;       // R1 > R2: the shunt elements stand next to Z1
    long double Rh, Xh, Rl, Xl;
    bool hasXhp;          // Xh ≠ 0: the high side has a parallel reactance to compensate
    long double Rhp, Xhp; // parallel equivalent of the high side (Xhp only with hasXhp)
    long double q;        // √((Rhp − Rl)/Rl)
};
Sides sides(long double F, long double R1, long double X1, long double R2, long double X2);

// High-pass shunt coil in H: √(Rl/(Rhp − Rl))·Rhp/ω, with the high side's parallel
// reactance compensated.
long double highPassShunt(const Sides& s);
// Low-pass shunt capacitor in F: q/(ω·Rhp), with the high side's parallel reactance
// compensated.
long double lowPassShunt(const Sides& s);

// A series element: its reactance decides its kind.
struct Series {
    long double X;     // Ω, positive for a coil
    bool inductor;     // the kind shown
    long double value; // H or F
    long double shown; // as the field shows it: in a balanced network one of two halves
    char unit;         // 'H' or 'F'
};
// XsH = −q·Rl − Xl: a capacitor, a coil above +1e-5 Ω, a capacitor of 0 F within ±1e-5 Ω.
Series highPassSeries(const Sides& s, bool balanced);
// XsT = q·Rl − Xl: a coil, a capacitor below −1e-5 Ω; about 0 H within the tolerance.
Series lowPassSeries(const Sides& s, bool balanced);

// Picture codes of the two forms: 1 to 4 as the page numbers its pictures (before adding 5
// for a balanced network). Shunt next to Z1: 2 for the usual series kind, 4 for the other
// kind; next to Z2: 1 and 3.
struct Pictures {
    int highPass, lowPass;
};
Pictures pictures(const Sides& s, const Series& highPass, const Series& lowPass);

// Element impedances: every coil carries the loss resistance of its reactance divided by QL;
// capacitors are lossless.
struct Impedances {
    Complex Zp, Zs;
    double Rs; // loss resistance of the series element
};
Impedances highPassImpedances(const Sides& s, long double Lp, const Series& series, long double QL);
Impedances lowPassImpedances(const Sides& s, long double Cp, const Series& series, long double QL);

// One network driven by a source that offers P (U0 = √(4·P·R1) behind Z1) into Z2.
struct Analysis {
    bool shuntFirst;   // R1 > R2: the shunt element stands next to Z1, the table lists it first
    double Up, Ip, Pp; // shunt: |Zp|·|Ip|, |Ip|, Re Zp·|Ip|²
    double Us, Is, Ps; // series: |Zs|·|Is|, |Is|, Rs·|Is|²
    double P2;         // the power delivered into Z2
    long double TL;    // 10·log10(P/P2) in dB, a loss is positive
};
Analysis analyse(long double R1, long double X1, long double R2, long double X2,
                 const Impedances& z, long double P);

} // namespace ampero::lnetwork
