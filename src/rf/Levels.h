#pragma once

// Levels: decibels, linear ratios, dBm and dBµV. k is 10 for power ratios and 20 for
// voltage ratios. Everything in extended precision.
namespace ampero::levels {

inline constexpr long double kReferencePower = 0.001L; // 0 dBm
inline constexpr long double kMicrovolt = 1e-6L;       // 0 dBµV
// Uss = Ueff · 2√2 for a sine.
inline constexpr long double kPeakToPeak = 2.8284271247461900976L;

// The voltage factors of the fixed steps of ±1, ±3, ±6, ±10 and ±20 dB around a reference, as
// the program has always written them.
inline constexpr long double F1 = 1.12201845430196L;
inline constexpr long double F3 = 1.41253754462275L;
inline constexpr long double F6 = 1.99526231496888L;
inline constexpr long double F10 = 3.16227766016837L;
inline constexpr long double F20 = 10.0L;

// A band of ±a dB around a reference: the factor 10^((a/2)/20) above and below it.
long double halfBandFactor(long double a);
// The band a in dB from a value on either edge of it.
long double bandFromUpper(long double upper, long double reference);
long double bandFromLower(long double lower, long double reference);

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
