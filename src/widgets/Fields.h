#pragma once

#include <QString>

class QLabel;
class QLineEdit;

// How calculations read and write the fields that hold a page's state. Every write first
// checks the floating-point flags, so a fault ends the calculation before the faulty value
// reaches a field and the fields written before it keep their text.
namespace ampero {

double readValue(const QLineEdit* field);      // the value parser on the field's text
long double readPlain(const QLineEdit* field); // the locale float conversion

void writeText(QLineEdit* field, const QString& text);
void writeValue(QLineEdit* field, long double value, const QString& unit);
void writeText(QLabel* label, const QString& text);

} // namespace ampero
