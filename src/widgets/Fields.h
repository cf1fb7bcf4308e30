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

// An operand of a calculation: read from its field the moment a step first needs it, or taken
// as an earlier step of the same calculation computed it. A field that no running formula
// needs is never read, so an empty field that the calculation is about to fill stops nothing.
class Operand {
public:
    explicit Operand(const QLineEdit* field) : m_field(field) {}
    long double operator()()
    {
        if (!m_known) {
            m_value = readValue(m_field);
            m_known = true;
        }
        return m_value;
    }
    // Takes a computed value, and returns it for writing.
    long double set(long double value)
    {
        m_value = value;
        m_known = true;
        return value;
    }

private:
    const QLineEdit* m_field;
    long double m_value = 0;
    bool m_known = false;
};

void writeText(QLineEdit* field, const QString& text);
void writeValue(QLineEdit* field, long double value, const QString& unit);
void writeText(QLabel* label, const QString& text);

} // namespace ampero
