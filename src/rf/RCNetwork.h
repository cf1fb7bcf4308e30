#pragma once

// The RC low-pass, the Wien network and the twin-T network share their relations:
// f = 1 / (2π·R1·C1), τ = R1·C1; in the twin-T network R2 = R1 / 2 and C2 = 2·C1.
namespace ampero::rc {

long double frequency(long double R, long double C);    // 1 / (2π·R·C)
long double resistance(long double C, long double F);   // 1 / (2π·C·F)
long double capacitance(long double R, long double F);  // 1 / (2π·R·F)
long double frequencyFromTimeConstant(long double tau); // 1 / (2π·τ)

} // namespace ampero::rc
