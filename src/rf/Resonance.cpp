#include "Resonance.h"

#include "Constants.h"

#include <cmath>

namespace ampero::resonance {

using rf::kOneOverTwoPi;
using rf::kPi;
using rf::kPiSquared;
using rf::kTwoPiShort;

namespace {
long double square(long double x) { return x * x; }
long double piToTheFourth() { return std::pow(kPi, 4.0L); }
} // namespace

long double omega(long double F) { return kTwoPiShort * F; }

long double parallelFrequency(long double L, long double C, long double Rv)
{
    return std::sqrt(1 / (L * C) - square(Rv / L)) * kOneOverTwoPi;
}

long double parallelInductance(long double F, long double C, long double Rv)
{
    return kPiSquared / (square(Rv) + 4 * piToTheFourth() * C * F * F);
}

long double parallelCapacitance(long double F, long double L, long double Rv)
{
    return kPiSquared / (square(Rv) + 4 * piToTheFourth() * L * F * F);
}

long double parallelResonanceResistance(long double L, long double C, long double Rv)
{
    return Rv + L / (C * Rv);
}

long double seriesFrequency(long double L, long double C)
{
    return 1 / (kTwoPiShort * std::sqrt(L * C));
}

long double seriesInductance(long double F, long double C)
{
    return 1 / (square(kTwoPiShort * F) * C);
}

long double seriesCapacitance(long double F, long double L)
{
    return 1 / (square(kTwoPiShort * F) * L);
}

long double lossResistance(long double omega, long double L, long double QL)
{
    return omega * L / QL;
}

long double coilQuality(long double omega, long double L, long double Rv) { return omega * L / Rv; }

long double parallelOperatingQ(Circuit circuit, long double omega, long double L, long double QL,
                               long double Rv, long double Zo, long double Rs, long double RL)
{
    switch (circuit) {
    case Circuit::InSeries:
        return Rv * (QL * QL + 1) / (omega * L);
    case Circuit::Shunt: {
        const long double R = 1 / (1 / Rs + 1 / (Rv * (QL * QL + 1)) + 1 / RL);
        return R / (omega * L);
    }
    case Circuit::Alone:
        break;
    }
    return std::sqrt(Zo / Rv);
}

long double seriesOperatingQ(Circuit circuit, long double omega, long double L, long double Rv,
                             long double Rs, long double RL)
{
    return circuit == Circuit::InSeries ? omega * L / (Rs + RL + Rv) : omega * L / Rv;
}

long double transmissionLoss(Circuit circuit, long double Rs, long double RL, long double Z)
{
    const long double U0 = std::sqrt(4 * Rs);
    long double P2 = 0;
    if (circuit == Circuit::InSeries) {
        const long double I = U0 / (Rs + Z + RL);
        P2 = I * I * RL;
    } else {
        const long double I = U0 / (Rs + Z * RL / (Z + RL));
        const long double U2 = U0 - Rs * I;
        P2 = U2 * U2 / RL;
    }
    return 10 * std::log10(P2 / 1);
}

} // namespace ampero::resonance
