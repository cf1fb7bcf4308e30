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

long double halfBandFactor(long double a) { return factorFromDecibels(a / 2, 20); }

long double bandFromUpper(long double upper, long double reference)
{
    return 2 * decibelsFromFactor(upper / reference, 20);
}

long double bandFromLower(long double lower, long double reference)
{
    return 2 * decibelsFromFactor(reference / lower, 20);
}

long double powerFromDbm(long double dbm) { return std::pow(10.0L, dbm / 10) * kReferencePower; }

long double dbmFromPower(long double watts) { return 10 * std::log10(watts / kReferencePower); }

long double rmsFromDbm(long double dbm, long double ohms)
{
    return std::sqrt(std::pow(10.0L, dbm / 10) * (ohms * kReferencePower));
}

long double rmsFromDbuv(long double dbuv) { return std::pow(10.0L, dbuv / 20) * kMicrovolt; }

long double dbuvFromRms(long double volts) { return 20 * std::log10(volts / kMicrovolt); }

} // namespace ampero::levels
