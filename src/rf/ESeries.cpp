#include "ESeries.h"

#include <array>
#include <cmath>

namespace ampero::eseries {

namespace {

constexpr std::array<int, 6> kE6 = {100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12 = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// n hundredths times 10^exponent, with one rounding only: powers of ten up to 10^22 are
// exact doubles.
double scaled(int n, int exponent)
{
    const int e = exponent - 2;
    return e >= 0 ? n * std::pow(10.0, e) : n / std::pow(10.0, -e);
}

} // namespace

std::span<const int> decade(Series series)
{
    switch (series) {
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        break;
    }
    return kE96;
}

const char* name(Series series)
{
    static constexpr const char* names[] = {"E6", "E12", "E24", "E48", "E96"};
    return names[static_cast<int>(series)];
}

std::optional<Nearest> nearest(Series series, double wanted)
{
    if (!std::isfinite(wanted) || wanted <= 0)
        return std::nullopt;
    const int exponent = static_cast<int>(std::floor(std::log10(wanted)));
    // the decade of the value and its neighbours, so that rounding of log10 at an edge and
    // the step up to the next decade both find their candidate
    double best = 0, bestDistance = INFINITY;
    for (int e = exponent - 1; e <= exponent + 1; ++e)
        for (int n : decade(series)) {
            const double v = scaled(n, e);
            const double distance = std::abs(std::log(v / wanted));
            if (distance < bestDistance) {
                bestDistance = distance;
                best = v;
            }
        }
    return Nearest{best, (best - wanted) / wanted * 100};
}

Performance performance(std::span<const ladder::Element> elements, rf::Complex Zsource,
                        rf::Complex Zload)
{
    // the reflection of a port against the conjugate of the impedance that drives it
    const auto gamma = [](rf::Complex Zin, rf::Complex Zdrive) {
        return std::abs((Zin - std::conj(Zdrive)) / (Zin + Zdrive));
    };
    // 1 W available from the source: U0 = √(4·P·Re Zsource)
    const double U0 = std::sqrt(4 * Zsource.real());
    const ladder::Solution forward = ladder::solve(U0, Zsource, elements, Zload);
    const std::vector<ladder::Element> reversed(elements.rbegin(), elements.rend());
    const ladder::Solution backward = ladder::solve(U0, Zload, reversed, Zsource);
    return {10 * std::log10(1 / forward.Pload), gamma(forward.Zin, Zsource),
            gamma(backward.Zin, Zload)};
}

std::optional<double> returnLossDb(double gamma)
{
    if (!(gamma > 0))
        return std::nullopt;
    return -20 * std::log10(gamma);
}

std::optional<double> vswr(double gamma)
{
    if (!(gamma < 1))
        return std::nullopt;
    return (1 + gamma) / (1 - gamma);
}

rf::Complex coil(double L, double omega, double Q)
{
    const double X = omega * L;
    return {X / Q, X};
}

rf::Complex capacitor(double C, double omega) { return {0, -1 / (omega * C)}; }

} // namespace ampero::eseries
