#pragma once

#include <QString>

// Value texts: the parser that turns a field text into a value and the texts every displayed
// number is built from. All of them read the program-wide display state (DisplayOptions.h).
namespace ampero {

// The value parser: a number with an optional prefix letter and unit ("4,7 kΩ"), in
// exponent notation ("4,70E+03 Ω"), or with the prefix letter as its decimal point ("4k7",
// "2K2", "4n7"). Throws ParseError when the text holds no number.
double Zahleneingabe(const QString& s);

// The prefix text: mantissa with Nachkomma decimals, a blank and the prefix letter ("4,70 k");
// for 1 <= |w| < 1000 the blank alone. The value is a 64-bit value (a result computed in
// extended precision is rounded to it); its mantissa is computed in extended precision.
QString Zahlenausgabe(double w);

// The locale float conversion: a plain number with the decimal separator in use and an
// optional exponent, blanks around it allowed, nothing else.
bool tryStrToFloat(const QString& s, long double& value);
long double strToFloat(const QString& s); // throws ParseError with the text in the message

// The fixed text: rounded to `decimals` places (ties away from zero after expanding to 18
// significant digits), no grouping, the separator in use ("-3,50").
QString fixedText(long double v, int decimals);
QString fixedText(long double v); // with Nachkomma decimals

// The exponent text: decimals + 1 significant digits, "E", sign and at least expDigits
// exponent digits ("4,70E+03"; with expDigits 3 "4,70E+003").
QString exponentText(long double v, int decimals, int expDigits);
QString exponentText(long double v, int expDigits = 2); // with Nachkomma decimals

} // namespace ampero
