#pragma once

// Levels: decibels and linear ratios. k is 10 for power ratios and 20 for voltage ratios.
namespace ampero::levels {

// 10^(a/k)
long double factorFromDecibels(long double a, int k);

// k·log10(f)
long double decibelsFromFactor(long double f, int k);

// The input carried through a gain of a dB: multiplied by 10^(|a|/k) for a gain, divided by
// it for a loss.
long double throughGain(long double x, long double a, int k);

} // namespace ampero::levels
