#pragma once

// Resonant circuits of a real coil (inductance L with its loss resistance Rv) and a capacitor
// C, alone or between a source resistance Rs and a load RL. The formulas use the page's
// spellings of 2π (6.283185307179586) and π².
namespace ampero::resonance {

// How the circuit stands between source and load.
enum class Circuit {
    Alone = 0,
    InSeries = 1, // in the line from Rs to RL
    Shunt = 2,    // across the line, Rs before and RL after it
};

long double omega(long double F); // 2π·F

// A parallel circuit of C and the real coil: the frequency where its impedance is real, and
// the L or C that resonates there.
long double parallelFrequency(long double L, long double C, long double Rv);
long double parallelInductance(long double F, long double C, long double Rv);
long double parallelCapacitance(long double F, long double L, long double Rv);
// Its resistance at resonance: Rv + L / (C·Rv).
long double parallelResonanceResistance(long double L, long double C, long double Rv);

// A series circuit: f = 1 / (2π·√(L·C)).
long double seriesFrequency(long double L, long double C);
long double seriesInductance(long double F, long double C);
long double seriesCapacitance(long double F, long double L);

// The coil: Rv = ω·L / QL and QL = ω·L / Rv.
long double lossResistance(long double omega, long double L, long double QL);
long double coilQuality(long double omega, long double L, long double Rv);

// The operating Q of a parallel circuit: alone √(Zo / Rv); in the line Rv·(QL² + 1) / (ω·L);
// across the line the resistance of Rs, the coil's parallel loss and RL together over ω·L.
long double parallelOperatingQ(Circuit circuit, long double omega, long double L, long double QL,
                               long double Rv, long double Zo, long double Rs, long double RL);
// The operating Q of a series circuit: in the line ω·L / (Rs + RL + Rv), otherwise ω·L / Rv.
long double seriesOperatingQ(Circuit circuit, long double omega, long double L, long double Rv,
                             long double Rs, long double RL);

// The power in RL at resonance, in dB of the power a matched load would take from the source
// (1 W for the source of √(4·Rs) V), for a circuit of resonance resistance Z in the line or
// across it. 0 dB is a lossless match; losses are negative.
long double transmissionLoss(Circuit circuit, long double Rs, long double RL, long double Z);

} // namespace ampero::resonance
