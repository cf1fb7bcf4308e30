#pragma once

#include "Ladder.h"

#include <vector>

// Resistive pads: attenuators between equal impedances and matching pads between two
// resistances Z1 (source side) and Z2 (load side), for an attenuation a in dB. The values are
// those of the whole resistors; a balanced pad splits every series resistor into one half in
// each line, which is what its fields show. Its ladders carry the whole values, so in a
// balanced pad each half has the current of the ladder's series element, half its voltage and
// half its loss.
namespace ampero::pads {

// K = 10^(a/20), the voltage ratio of an attenuation a in dB.
long double voltageRatio(long double a);

// A series value as a field shows it: halved when the pad is balanced.
long double shownSeries(long double R, bool balanced);

// Attenuators matched on both sides to Z. Pi: series R1, R2 = R3 across input and output.
// T: series R2 = R3, R1 from their junction across the line.
struct Attenuator {
    long double K;
    long double piR1, piR23;
    long double tR1, tR23;
};
Attenuator attenuator(long double a, long double Z);

// The four fields: the series resistors (Pi R1, T R2 = R3) halved when balanced.
struct AttenuatorShown {
    long double piR1, piR23, tR1, tR23;
};
AttenuatorShown shown(const Attenuator& pad, bool balanced);

// From the source: shunt R2, series R1, shunt R3.
std::vector<ladder::Element> piLadder(const Attenuator& pad);
// From the source: series R2, shunt R1, series R3.
std::vector<ladder::Element> tLadder(const Attenuator& pad);

// Voltage, current and power of one resistor (RMS values).
struct Row {
    long double U, I, P;
};

// The attenuator table for an input power P into the matched pad, from the input voltage
// U = √(Z·P) and the output voltage U/K in closed form, which keeps its digits at any
// attenuation. Balanced pads list one half of a series resistor.
struct AttenuatorTable {
    Row piR1, piR2, piR3;
    Row tR1, tR2, tR3;
};
AttenuatorTable attenuatorTable(const Attenuator& pad, long double Z, long double P, bool balanced);

// The smallest attenuation of a pad between Z1 and Z2: with a = max/min, the power ratio
// Kmin = 2·√((a − 1)·a) + 2a − 1 and exactly 10·log10(Kmin) dB. The page shows and uses that
// minimum rounded up to `decimals` places: rounded down, the pads at the offered minimum would
// lie below the true one, where a shunt resistor of the Pi pad and a series resistor of the T
// pad come out negative.
struct MinimumAttenuation {
    long double Kmin;  // unrounded
    long double exact; // 10·log10(Kmin) dB
    long double Dmin;  // exact rounded up to `decimals` places, in dB
};
MinimumAttenuation minimumAttenuation(long double Z1, long double Z2, int decimals);

// x rounded up (towards +∞) to `decimals` places.
long double roundUp(long double x, int decimals);

// Whether an entered attenuation a is too small: more than 1e-4 dB below the shown minimum
// Dmin, or below the exact minimum at all (a text with more decimals than shown, from a
// settings file).
bool belowMinimum(long double a, const MinimumAttenuation& minimum);

// The L pad matches one side only.
enum class Match {
    Z1, // "an Z1": the loaded pad presents Z1 to the source
    Z2, // "an Z2": it presents Z2 to the load
};

// The L pad between Z1 and Z2: series R1 and shunt R2. The shunt resistor sits across the
// Z1 side when Z1 ≤ Z2, across the Z2 side when Z1 > Z2. For Z1 = Z2 it matches both sides;
// a = 0 is taken as K = 1.0001 there.
struct LPad {
    long double R1, R2;
    bool shuntAtZ1;
    int picture; // 1 … 5: Z1 > Z2 "an Z1", "an Z2"; Z1 < Z2 "an Z1", "an Z2"; Z1 = Z2
};
LPad lPad(long double Z1, long double Z2, long double a, Match match);
// A pad as a ladder: of 64-bit elements for the standard values and the frequency response,
// in extended precision for the window's table.
template <class T = double> using Ladder = std::vector<ladder::BasicElement<T>>;

// From the source: shunt R2, series R1 when the shunt sits at Z1; else series R1, shunt R2.
template <class T = double> Ladder<T> lLadder(const LPad& pad);

// The Pi pad between Z1 and Z2: R1 across Z1, R2 in series, R3 across Z2.
struct PiPad {
    long double R1, R2, R3;
};
PiPad piPad(long double Z1, long double Z2, long double a);
template <class T = double> Ladder<T> piLadder(const PiPad& pad);

// The T pad between Z1 and Z2: R1 in series from Z1, R2 across the middle, R3 in series
// towards Z2.
struct TPad {
    long double R1, R2, R3;
};
TPad tPad(long double Z1, long double Z2, long double a);
template <class T = double> Ladder<T> tLadder(const TPad& pad);

// The eight fields of the matching pads: magnitudes where an attenuation right at the exact
// minimum can leave a value a hair below zero, series resistors halved when balanced.
struct MatchingShown {
    long double lR1, lR2;
    long double piR1, piR2, piR3;
    long double tR1, tR2, tR3;
};
MatchingShown shown(const LPad& l, const PiPad& pi, const TPad& t, bool balanced);

} // namespace ampero::pads
