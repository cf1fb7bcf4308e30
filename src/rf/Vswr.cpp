#include "Vswr.h"

#include <cmath>

namespace ampero::vswr {

State stateOfSwr(long double s)
{
    if (s == 1)
        return Matched;
    if (s == kTotalReflection.s)
        return TotalReflection;
    return Normal;
}

Mismatch fromSwr(long double s)
{
    Mismatch m;
    m.s = s;
    m.r = (s - 1) / (s + 1);
    m.RL = -20 * std::log10(m.r);
    m.p = 100 * m.r * m.r;
    return m;
}

Mismatch fromReturnLoss(long double RL)
{
    Mismatch m;
    m.RL = RL;
    const long double a = std::pow(10.0L, RL / 20);
    m.s = std::fabs((a + 1) / (1 - a));
    m.r = std::pow(10.0L, -RL / 20);
    m.p = 100 * m.r * m.r;
    return m;
}

Mismatch fromReflection(long double r)
{
    Mismatch m;
    m.r = r;
    const long double rho = std::fabs(r);
    m.s = (rho + 1) / (1 - rho);
    m.RL = -20 * std::log10(rho);
    m.p = 100 * r * r;
    return m;
}

Mismatch fromPercent(long double p)
{
    Mismatch m;
    m.p = p;
    const long double rho = std::sqrt(p / 100);
    m.s = (1 + rho) / (1 - rho);
    m.RL = -20 * std::log10(rho);
    m.r = rho;
    return m;
}

Mismatch fromPowers(long double Pv, long double Pr)
{
    Mismatch m;
    const long double rho = std::sqrt(Pr / Pv);
    m.s = (1 + rho) / (1 - rho);
    m.RL = 10 * std::log10(Pv / Pr);
    m.r = std::sqrt(Pr) / std::sqrt(Pv);
    m.p = 100 * Pr / Pv;
    return m;
}

Powers powers(long double r, long double Pv)
{
    const long double Pr = r * r * Pv;
    return {Pr, Pv - Pr};
}

Loads loads(long double Z1, long double s) { return {Z1 * s, Z1 / s}; }

bool leavesLoads(long double Z1, long double Z2a, long double Z2b)
{
    return Z2a != Z2b && (Z1 > Z2a || Z1 < Z2b);
}

SwrFromZ1 swrFromZ1(long double Z1, long double Z2a, long double Z2b)
{
    if (Z1 > Z2a)
        return {false, Z1 / Z2a};
    if (Z1 < Z2b)
        return {false, Z2b / Z1};
    if (Z1 == Z2a || Z1 == Z2b)
        return {true, 1};
    return {false, Z2a / Z1};
}

Voltages voltages(long double Pv, long double Z1, long double Z2a, long double Z2b)
{
    const long double Uo = std::sqrt(4 * Pv * Z1);
    const long double Ia = Uo / (Z1 + Z2a);
    const long double Ib = Uo / (Z1 + Z2b);
    return {Z1 * Ia, Z2a * Ia, Z1 * Ib, Z2b * Ib};
}

long double matchedVoltage(long double Pv, long double Z1)
{
    const long double Uo = std::sqrt(4 * Pv * Z1);
    const long double I = Uo / (2 * Z1);
    return Z1 * I;
}

} // namespace ampero::vswr
