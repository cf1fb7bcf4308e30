#include "EinstellungenundRoutinen.h"

#include "DisplayOptions.h"
#include "ZahlenEinundAusgabe.h"

#include <array>
#include <cmath>

namespace ampero {

namespace {

struct EngStep {
    double threshold;  // the decade, as a 64-bit value
    long double scale; // the value is divided by it
    const char* suffix;
};

// clang-format off
constexpr std::array<EngStep, 17> kEngSteps{{
    {1e24, 1e24L, "E24"},     {1e21, 1e21L, "E21"},
    {1e18, 1e18L, "E18"},     {1e15, 1e15L, "E15"},
    {1e12, 1e12L, "E12"},     {1e9, 1e9L, "E09"},
    {1e6, 1e6L, "E06"},        {1e3, 1e3L, "E03"},
    {1.0, 1.0L, "E00"},                           {1e-3, 1e-3L, "E-03"},
    {1e-6, 1e-6L, "E-06"},    {1e-9, 1e-9L, "E-09"},
    {1e-12, 1e-12L, "E-12"}, {1e-15, 1e-15L, "E-15"},
    {1e-18, 1e-18L, "E-18"}, {1e-21, 1e-21L, "E-21"},
    {1e-24, 1e-24L, "E-24"},
}};
// clang-format on

} // namespace

QString technischeNotation(double w)
{
    if (notation() == Notation::Sci)
        return exponentText(w, 2);

    const long double a = std::fabs(static_cast<long double>(w));
    long double mantissa = 0;
    const char* suffix = "E00"; // below 1e-24, zero included
    for (const EngStep& step : kEngSteps) {
        if (a >= step.threshold) {
            mantissa = a / step.scale;
            suffix = step.suffix;
            break;
        }
    }
    if (w < 0 && mantissa != 0)
        mantissa = -mantissa;
    return fixedText(mantissa) + QLatin1String(suffix);
}

QString displayWithUnit(double w, const QString& unit)
{
    if (notation() == Notation::Prefix)
        return Zahlenausgabe(w) + unit;
    return technischeNotation(w) + QLatin1Char(' ') + unit;
}

} // namespace ampero
