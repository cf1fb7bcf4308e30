#pragma once

#include <QString>

namespace ampero {

// The notation text: SCI ("4,70E+03") or ENG ("4,70E03") by the display notation. Like the
// prefix text it takes a 64-bit value and computes its mantissa in extended precision.
QString technischeNotation(double w);

// A value with its unit as every field shows it: "4,70 kΩ" with prefix symbols,
// "4,70E+03 Ω" or "4,70E03 Ω" in SCI or ENG notation.
QString displayWithUnit(double w, const QString& unit);

} // namespace ampero
