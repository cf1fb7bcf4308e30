#pragma once

#include "Complex.h"
#include "Ladder.h"

#include <array>

// What the Pi and T matching networks share: their elements with losses, and the analysis of
// a three-element network between Z1 = R1 + jX1 (source) and Z2 = R2 + jX2 (load).
namespace ampero::matching {

using rf::Complex;

struct Element {
    long double X;     // its reactance, Ω (positive for a coil)
    long double value; // H or F
    long double shown; // as its field shows it: in a balanced network one of two halves
    char unit;         // 'H' for a coil, 'F' for a capacitor
    long double R;     // loss resistance: the coil's reactance divided by QL, 0 for a capacitor
    Complex Z;         // R + jX
};

// A coil of reactance X > 0 (value X/ω) with the loss resistance X/QL.
Element coil(long double X, long double omega, long double QL);
// A lossless capacitor of reactance −XC, XC > 0 (value 1/(ω·XC)).
Element capacitor(long double XC, long double omega);
// A series element split into one half in each line: a capacitor shows twice its
// capacitance, a coil half its inductance.
Element splitInTwo(Element e);

// Voltage |I·Z|, current |I| and loss power |I|²·R of one element (RMS values).
struct Row {
    double U, I, P;
};

// The network driven by a source that offers P: Ur = √(4·P·R1) behind Z1, load Z2.
struct Analysis {
    std::array<Row, 3> rows; // from Z1 to Z2
    double P2;               // the power delivered into Z2, |I2|²·R2
    long double TL;          // 10·log10(P/P2) in dB, a loss is positive
};
Analysis analyse(const std::array<ladder::Element, 3>& elements, long double R1, long double X1,
                 long double R2, long double X2, long double P);

} // namespace ampero::matching
