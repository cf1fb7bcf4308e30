#pragma once

// A real coil (inductance with a series loss resistance, Q = X / R) and a real capacitor
// (capacitance with a parallel loss resistance, Q = R / X) at one frequency. ω = 2π·F with the
// extended-precision 2π. Reactances are magnitudes.
namespace ampero::reactance {

// The coil: X = 2π·F·L.
long double inductiveReactance(long double F, long double L);
long double inductance(long double X, long double F);      // X / (2π·F)
long double coilFrequency(long double X, long double L);   // X / (2π·L)
long double seriesLoss(long double X, long double Q);      // X / Q
long double seriesImpedance(long double X, long double R); // √(X² + R²)
// The loss resistance of a coil of impedance Z: √|Z² − X²|, so a Z below X still gives a value.
long double seriesLossFromImpedance(long double Z, long double X);

// The capacitor: X = 1 / (2π·F·C).
long double capacitiveReactance(long double F, long double C);
long double capacitance(long double X, long double F);                 // 1 / (2π·F·X)
long double capacitorFrequency(long double X, long double C);          // 1 / (2π·X·C)
long double parallelLoss(long double Q, long double F, long double C); // Q / (2π·F·C)
long double parallelImpedance(long double X, long double R);           // 1 / √(1/X² + 1/R²)
// The same from the susceptance B = 2π·F·C: 1 / √(B² + 1/R²).
long double parallelImpedanceFromSusceptance(long double B, long double R);
// The loss resistance of a capacitor of impedance Z: √(1 / (1/Z² − 1/X²)); Z = X divides by
// zero and Z > X is an invalid operation.
long double parallelLossFromImpedance(long double Z, long double X);
long double capacitorQuality(long double R, long double F, long double C); // R · 2π·F·C

} // namespace ampero::reactance
