#pragma once

// Levels: decibels, linear ratios, dBm and dBµV. k is 10 for power ratios and 20 for
// voltage ratios. Everything in extended precision.
namespace ampero::levels {

inline constexpr long double kReferencePower = 0.001L; // 0 dBm
inline constexpr long double kMicrovolt = 1e-6L;       // 0 dBµV
// Uss = Ueff · 2√2 for a sine.
inline constexpr long double kPeakToPeak = 2.8284271247461900976L;

// 10^(a/k)
long double factorFromDecibels(long double a, int k);
// k·log10(f)
long double decibelsFromFactor(long double f, int k);
// The input carried through a gain of a dB: multiplied by 10^(|a|/k) for a gain, divided by
// it for a loss.
long double throughGain(long double x, long double a, int k);

// P = 10^(L/10) · 1 mW
long double powerFromDbm(long double dbm);
// 10·log10(P / 1 mW)
long double dbmFromPower(long double watts);
// Ueff = √(10^(L/10) · (R · 1 mW)), the RMS voltage of a level L in dBm across R
long double rmsFromDbm(long double dbm, long double ohms);
// Ueff = 10^(Lu/20) · 1 µV
long double rmsFromDbuv(long double dbuv);
// 20·log10(Ueff / 1 µV)
long double dbuvFromRms(long double volts);

} // namespace ampero::levels
