#include "Reactance.h"

#include "Constants.h"

#include <cmath>

namespace ampero::reactance {

using rf::kTwoPi;

namespace {
long double square(long double x) { return x * x; }
} // namespace

long double inductiveReactance(long double F, long double L) { return F * L * kTwoPi; }

long double inductance(long double X, long double F) { return X / (F * kTwoPi); }

long double coilFrequency(long double X, long double L) { return X / (L * kTwoPi); }

long double seriesLoss(long double X, long double Q) { return X / Q; }

long double seriesImpedance(long double X, long double R)
{
    return std::sqrt(square(X) + square(R));
}

long double seriesLossFromImpedance(long double Z, long double X)
{
    return std::sqrt(std::fabs(square(Z) - square(X)));
}

long double capacitiveReactance(long double F, long double C) { return 1 / (F * C * kTwoPi); }

long double capacitance(long double X, long double F) { return 1 / (X * (kTwoPi * F)); }

long double capacitorFrequency(long double X, long double C) { return 1 / (X * C) / kTwoPi; }

long double parallelLoss(long double Q, long double F, long double C)
{
    return Q / (C * F * kTwoPi);
}

long double parallelImpedance(long double X, long double R)
{
    return 1 / std::sqrt(1 / square(X) + 1 / square(R));
}

long double parallelImpedanceFromSusceptance(long double B, long double R)
{
    return 1 / std::sqrt(square(B) + 1 / square(R));
}

long double parallelLossFromImpedance(long double Z, long double X)
{
    return std::sqrt(1 / (1 / square(Z) - 1 / square(X)));
}

long double capacitorQuality(long double R, long double F, long double C)
{
    return R * F * kTwoPi * C;
}

} // namespace ampero::reactance
