#pragma once

#include "Ladder.h"

#include <optional>
#include <span>
#include <vector>

// Standard values of the IEC 60063 series and what a network does when it is built from them.
namespace ampero::eseries {

enum class Series { E6, E12, E24, E48, E96 };
inline constexpr int kSeriesCount = 5;

// The values of one decade as integers in hundredths: 100 … 976 stand for 1.00 … 9.76. The
// tables are the published ones; E48 and E96 are not rounded geometric series.
std::span<const int> decade(Series series);
// "E6", "E12", …
const char* name(Series series);

struct Nearest {
    double value;     // the standard value
    double deviation; // (value − wanted) / wanted in percent
};
// The standard value nearest to `wanted` in ratio (the series are spaced by ratio), which may
// lie in the next decade up (9.9 → 10 in E24). Nothing for a value that is zero, negative or
// not finite.
std::optional<Nearest> nearest(Series series, double wanted);

// How a ladder between a source impedance and a load behaves: the transducer loss (available
// power of the source over the power in the load) and the reflection at each port, each port
// seen with the other one terminated.
struct Performance {
    double lossDb;   // 10·log10(Pavailable / Pload)
    double gammaIn;  // |Γ| at the source side
    double gammaOut; // |Γ| at the load side
};
Performance performance(std::span<const ladder::Element> elements, rf::Complex Zsource,
                        rf::Complex Zload);

// −20·log10|Γ| in dB; nothing for a perfect match.
std::optional<double> returnLossDb(double gamma);
// (1 + |Γ|) / (1 − |Γ|); nothing for a total reflection.
std::optional<double> vswr(double gamma);

// The impedances of the parts at the angular frequency ω: a coil with the loss resistance of
// its reactance divided by Q, a lossless capacitor.
rf::Complex coil(double L, double omega, double Q);
rf::Complex capacitor(double C, double omega);

} // namespace ampero::eseries
