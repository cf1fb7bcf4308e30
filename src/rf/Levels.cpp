#include "Levels.h"

#include <cmath>

namespace ampero::levels {

long double factorFromDecibels(long double a, int k) { return std::pow(10.0L, a / k); }

long double decibelsFromFactor(long double f, int k) { return k * std::log10(f); }

long double throughGain(long double x, long double a, int k)
{
    const long double g = std::pow(10.0L, std::fabs(a) / k);
    return a <= 0 ? x / g : x * g;
}

} // namespace ampero::levels
