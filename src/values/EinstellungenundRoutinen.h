#pragma once

#include <QString>

namespace ampero {

// The notation text: SCI ("4,70E+03") or ENG ("4,70E03") by the display notation.
QString technischeNotation(long double w);

// A value with its unit as every field shows it: "4,70 kΩ" with prefix symbols,
// "4,70E+03 Ω" or "4,70E03 Ω" in SCI or ENG notation.
QString displayWithUnit(long double w, const QString& unit);

} // namespace ampero
