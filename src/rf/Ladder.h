#pragma once

#include "Complex.h"

#include <complex>
#include <span>
#include <vector>

// A source with its internal impedance driving a ladder of series and shunt elements into a
// load. The attenuators and all matching networks are such ladders; their voltage and current
// tables come from here. The scalar is a parameter: the matching networks run in the 64-bit
// complex numbers of their analysis, the resistive pads in extended precision.
namespace ampero::ladder {

using rf::Complex;

enum class Place {
    Series, // in the line, between the node before it and the node after it
    Shunt,  // across the line at the node where it stands
};

template <class T> struct BasicElement {
    Place place;
    std::complex<T> Z; // its impedance, loss resistance included
};

template <class T> struct BasicElementState {
    std::complex<T> U; // the voltage across it
    std::complex<T> I; // the current through it
    T loss;            // |I|² · Re Z
};

template <class T> struct BasicSolution {
    std::vector<BasicElementState<T>> elements; // in the order of the ladder
    std::complex<T> Zin;   // what the source sees behind its internal impedance
    std::complex<T> Iin;   // the current out of the source
    std::complex<T> Uin;   // the voltage at the ladder's input
    std::complex<T> Uload; // the voltage across the load
    std::complex<T> Iload; // the current through the load
    T Pload;               // |Iload|² · Re Zload
};

using Element = BasicElement<double>;
using ElementState = BasicElementState<double>;
using Solution = BasicSolution<double>;

// `U0` is the open-circuit voltage of the source behind `Zsource`; the elements are listed from
// the source to the load. Made for double and long double.
template <class T>
BasicSolution<T> solveAs(std::complex<T> U0, std::complex<T> Zsource,
                         std::span<const BasicElement<T>> elements, std::complex<T> Zload);

inline Solution solve(Complex U0, Complex Zsource, std::span<const Element> elements, Complex Zload)
{
    return solveAs<double>(U0, Zsource, elements, Zload);
}

inline BasicSolution<long double> solve(std::complex<long double> U0,
                                        std::complex<long double> Zsource,
                                        std::span<const BasicElement<long double>> elements,
                                        std::complex<long double> Zload)
{
    return solveAs<long double>(U0, Zsource, elements, Zload);
}

} // namespace ampero::ladder
