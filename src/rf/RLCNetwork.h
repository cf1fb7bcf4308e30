#pragma once

#include "Constants.h"

// Series and parallel R-L-C connections at one frequency. Every quantity is computed for the
// chosen circuit; the quantities of a missing element are 0.
namespace ampero::rlc {

enum class Circuit { RLC, RL, RC };

using rf::kDegreesPerRadian;
using rf::kTwoPi;

// Driven by the current I: element voltages, Z = R + j(XL − XC).
struct Series {
    long double XL, XC, BL, BC;
    long double X; // net reactance, as magnitude
    long double Z; // |Z|
    long double UR, UL, UC, U, Uim;
    long double P, QL, QC, Q, S;
    long double phi; // angle of Z in radians
};
Series series(long double F, long double R, long double L, long double C, long double I,
              Circuit circuit);

// Driven by the voltage U: branch currents, Y = G + j(BC − BL).
struct Parallel {
    long double XL, XC, BL, BC;
    long double B; // net susceptance, as magnitude
    long double Y; // |Y|
    long double Ir, IL, IC, I, Iim;
    long double P, QL, QC, Q, S;
    long double phi; // angle of Y in radians
};
Parallel parallel(long double F, long double G, long double L, long double C, long double U,
                  Circuit circuit);

} // namespace ampero::rlc
