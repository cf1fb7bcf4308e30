#pragma once

// The program's constants, spelled as its formulas use them.
namespace ampero::rf {

// 2π in extended precision, and in the shorter spelling of the resonant-circuit and
// L-network formulas; the two differ in the last bits, which can show in a rounded result.
inline constexpr long double kTwoPi = 6.283185307179586477L;
inline constexpr long double kTwoPiShort = 6.283185307179586L;
inline constexpr long double kPi = 3.1415926535897932385L;
inline constexpr long double kPiSquared = 9.869604401089358L;
inline constexpr long double kOneOverTwoPi = 0.15915494309189535L;
inline constexpr long double kDegreesPerRadian = 57.29577951308232L; // 180 / π
// Peak values are RMS values times √2.
inline constexpr long double kSqrt2 = 1.4142135623730950488L;

} // namespace ampero::rf
