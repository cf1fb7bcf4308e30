#pragma once

// Mismatch of a real load on a source of internal resistance Z1 that offers the forward power
// Pv: standing-wave ratio s, return loss RL in dB, voltage reflection factor r and reflected
// power p in percent, the powers reflected and delivered, the two loads that give s (one above
// and one below Z1) and the voltages across Z1 and each load.
namespace ampero::vswr {

struct Mismatch {
    long double s, RL, r, p;
};

// The fixed displays that stand for s = 1 and for total reflection, where the formulas run
// to infinity.
inline constexpr Mismatch kMatched{1.0001L, 86, 0, 0};
inline constexpr Mismatch kTotalReflection{10000, 0.002L, 0.999L, 99.96L};

// What a page shows for a standing-wave ratio: 0 the formulas, 1 the matched state (s = 1),
// 2 the total-reflection state (s = 10000, the largest the page takes).
enum State { Normal = 0, Matched = 1, TotalReflection = 2 };
State stateOfSwr(long double s);

// r = (s − 1)/(s + 1), RL = −20·log10 r, p = 100·r²
Mismatch fromSwr(long double s);
// s = |(a + 1)/(1 − a)| with a = 10^(RL/20), r = 10^(−RL/20), p = 100·r²
Mismatch fromReturnLoss(long double RL);
// ρ = |r|: s = (ρ + 1)/(1 − ρ), RL = −20·log10 ρ, p = 100·r²; r is kept as given
Mismatch fromReflection(long double r);
// ρ = √(p/100): s = (1 + ρ)/(1 − ρ), RL = −20·log10 ρ, r = ρ
Mismatch fromPercent(long double p);
// From the forward and the reflected power: ρ = √(Pr/Pv), s = (1 + ρ)/(1 − ρ),
// RL = 10·log10(Pv/Pr), r = √Pr/√Pv, p = 100·Pr/Pv
Mismatch fromPowers(long double Pv, long double Pr);

// Pr = r²·Pv, Pl = Pv − Pr
struct Powers {
    long double Pr, Pl;
};
Powers powers(long double r, long double Pv);

// Z2a = Z1·s above Z1, Z2b = Z1/s below it.
struct Loads {
    long double Z2a, Z2b;
};
Loads loads(long double Z1, long double s);

// Whether a new Z1 leaves the range between two different loads: the page then shows the
// matched state.
bool leavesLoads(long double Z1, long double Z2a, long double Z2b);

// s for a new Z1 against the present loads: Z1/Z2a above Z2a, Z2b/Z1 below Z2b, matched at
// either load, Z2a/Z1 between them.
struct SwrFromZ1 {
    bool matched;
    long double s;
};
SwrFromZ1 swrFromZ1(long double Z1, long double Z2a, long double Z2b);

// Uo = √(4·Pv·Z1), the open-circuit voltage of the source. With a load Z2 the current is
// Uo/(Z1 + Z2): the voltages Z1·I and Z2·I.
struct Voltages {
    long double UZ1a, UZ2a, UZ1b, UZ2b;
};
Voltages voltages(long double Pv, long double Z1, long double Z2a, long double Z2b);
// Matched: I = Uo/(2·Z1), the voltage Z1·I across the source resistance and across the load.
long double matchedVoltage(long double Pv, long double Z1);

} // namespace ampero::vswr
