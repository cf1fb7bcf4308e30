#pragma once

#include "Complex.h"

#include <span>
#include <vector>

// A source with its internal impedance driving a ladder of series and shunt elements into a
// load. The attenuators and all matching networks are such ladders; their voltage and current
// tables come from here.
namespace ampero::ladder {

using rf::Complex;

enum class Place {
    Series, // in the line, between the node before it and the node after it
    Shunt,  // across the line at the node where it stands
};

struct Element {
    Place place;
    Complex Z; // its impedance, loss resistance included
};

struct ElementState {
    Complex U;   // the voltage across it
    Complex I;   // the current through it
    double loss; // |I|² · Re Z
};

struct Solution {
    std::vector<ElementState> elements; // in the order of the ladder
    Complex Zin;   // what the source sees behind its internal impedance
    Complex Iin;   // the current out of the source
    Complex Uin;   // the voltage at the ladder's input
    Complex Uload; // the voltage across the load
    Complex Iload; // the current through the load
    double Pload;  // |Iload|² · Re Zload
};

// `U0` is the open-circuit voltage of the source behind `Zsource`; the elements are listed from
// the source to the load.
Solution solve(Complex U0, Complex Zsource, std::span<const Element> elements, Complex Zload);

} // namespace ampero::ladder
