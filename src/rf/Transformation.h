#pragma once

// A resistance with a parallel reactance and its equivalent with a series reactance at one
// frequency. Reactances are magnitudes.
namespace ampero::transformation {

struct Pair {
    long double R, X;
};

// Rs = Rp / ((Rp / Xp)² + 1), Xs = Xp / ((Xp / Rp)² + 1)
Pair parallelToSeries(long double Rp, long double Xp);
// Rp = Rs + Xs² / Rs, Xp = Xs + Rs² / Xs
Pair seriesToParallel(long double Rs, long double Xs);

} // namespace ampero::transformation
