#include "Fields.h"

#include "EditField.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/Errors.h"
#include "values/FloatGuard.h"
#include "values/ZahlenEinundAusgabe.h"

#include <QLabel>

namespace ampero {

double readValue(const QLineEdit* field) { return Zahleneingabe(field->text()); }

long double readPlain(const QLineEdit* field) { return strToFloat(field->text()); }

void writeText(QLineEdit* field, const QString& text)
{
    checkFloatFaults();
    // A value that is no number never reaches a field, also when no flag announced it (a
    // member kept from an earlier calculation).
    if (text.contains(QLatin1String("INF")) || text.contains(QLatin1String("NAN")))
        throw FloatFault(QStringLiteral("Ungültige Gleitkommaoperation"));
    const FloatFlagsKeeper keep; // Qt's own arithmetic while it lays out the new text
    if (auto* edit = qobject_cast<EditField*>(field))
        edit->setFieldText(text);
    else {
        field->setText(text);
        field->setCursorPosition(0);
    }
}

void writeValue(QLineEdit* field, long double value, const QString& unit)
{
    // A result leaves the calculation as a 64-bit value; one too large for it is an overflow.
    const auto shown = static_cast<double>(value);
    checkFloatFaults();
    writeText(field, displayWithUnit(shown, unit));
}

void writeText(QLabel* label, const QString& text)
{
    checkFloatFaults();
    const FloatFlagsKeeper keep;
    label->setText(text);
}

} // namespace ampero
