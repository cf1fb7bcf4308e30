#pragma once

#include "Ladder.h"
#include "LNetwork.h"
#include "PiNetwork.h"
#include "TNetwork.h"

#include <optional>
#include <span>
#include <vector>

// The frequency response of a ladder that a page designed for one frequency F: the same
// complex analysis as the page's, repeated at other frequencies with the element values
// fixed. A coil's reactance and its loss resistance grow with ω (the coil keeps its Q), a
// capacitor's reactance falls with ω, a resistor stays. Z1 and Z2 are taken as entered at
// every frequency.
namespace ampero::response {

using rf::Complex;

struct Network {
    double F;                              // the design frequency, Hz
    Complex Z1, Z2;                        // source and load
    std::vector<ladder::Element> elements; // from Z1 to Z2, impedances at F
};

// The return loss shown for a perfect match, where −20·log10|Γ| runs to infinity.
inline constexpr double kMaxReturnLoss = 100;
// The largest standing-wave ratio shown (total reflection).
inline constexpr double kMaxSwr = 10000;

struct Point {
    double f;    // Hz
    double TL;   // transmission loss from the available power of the source to Z2, dB
    double RL;   // return loss at the input seen from Z1, dB, at most kMaxReturnLoss
    double vswr; // at the input, at most kMaxSwr
};

// The impedance of an element at the frequency ratio r = f/F: the sign of its reactance at F
// tells a coil (> 0) from a capacitor (< 0); without reactance it is a resistor.
Complex impedanceAt(Complex ZatF, double r);

// The network at one frequency. The reflection factor is that of the power waves,
// Γ = (Zin − Z1*)/(Zin + Z1), so |Γ|² is the share of the available power not taken in.
Point at(const Network& network, double f);

// `count` points, evenly spaced on a logarithmic axis from fLow to fHigh, both included.
// Each frequency of `exact` within the range takes the place of the point nearest to it, so
// that a sharp peak there (the match at F) is drawn at its true height.
std::vector<Point> sweep(const Network& network, double fLow, double fHigh, int count,
                         std::span<const double> exact = {});

// The frequencies below and above F where the transmission loss has risen by 3 dB over
// its value at F, searched between fLow and fHigh; none where it does not rise that far.
struct Edges {
    std::optional<double> below, above;
};
Edges edges3dB(const Network& network, double fLow, double fHigh);

// The networks of the matching pages at F, with the elements in the order their analyses
// solve them (the L network's shunt element next to the side with the larger real part).
Network lNetwork(long double F, long double R1, long double X1, long double R2, long double X2,
                 const lnetwork::Impedances& z);
Network piNetwork(long double F, const pinetwork::Sides& s, const pinetwork::Variant& v);
Network tNetwork(long double F, long double R1, long double X1, long double R2, long double X2,
                 const tnetwork::Variant& v);

} // namespace ampero::response
