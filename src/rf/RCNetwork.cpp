#include "RCNetwork.h"

#include "Constants.h"

namespace ampero::rc {

using rf::kTwoPi;

long double frequency(long double R, long double C) { return 1 / (R * kTwoPi * C); }

long double resistance(long double C, long double F) { return 1 / (C * kTwoPi * F); }

long double capacitance(long double R, long double F) { return 1 / (R * kTwoPi * F); }

long double frequencyFromTimeConstant(long double tau) { return 1 / (tau * kTwoPi); }

} // namespace ampero::rc
