#include "InputFields.h"

#include "EditField.h"
#include "Fields.h"
#include "Handlers.h"
#include "platform/MessageBoxes.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"

#include <QtGlobal>

namespace ampero {

namespace {

void enter(EditField* field, const InputField& row)
{
    runHandler(field, [&] {
        const QString text = field->text();
        const FieldRule* rule = &row.rule;
        const Redisplay* redisplay = &row.redisplay;
        const Action* action = &row.action;
        for (const TextCase& c : row.byText) {
            if (c.recognises(text)) {
                rule = &c.rule;
                redisplay = &c.redisplay;
                action = &c.action;
                break;
            }
        }
        const Verdict verdict = checkEntry(*rule, text, row.check);
        switch (verdict.kind) {
        case Verdict::Ignore:
            return;
        case Verdict::Reject:
            showErrorMessage(field, verdict.message);
            field->undoEntry();
            return;
        case Verdict::Accept:
            if (*redisplay)
                writeText(field, (*redisplay)(verdict.value));
            if (*action)
                (*action)(verdict.value);
            return;
        }
    });
}

} // namespace

void connectInputFields(const std::vector<InputField>& table)
{
    for (const InputField& row : table) {
        if (!row.field)
            qFatal("An input field table holds a row without its field.");
        EditField* field = row.field;
        field->setMapsDecimalKey(true);
        QObject::connect(field, &EditField::enterPressed, field,
                         [field, row] { enter(field, row); });
    }
}

Redisplay withUnit(const QString& unit)
{
    return [unit](double value) { return displayWithUnit(value, unit); };
}

Redisplay withUnits(const QString& prefixUnit, const QString& notationUnit, const QString& before)
{
    return [=](double value) {
        return notation() == Notation::Prefix ? before + Zahlenausgabe(value) + prefixUnit
                                              : before + technischeNotation(value) + notationUnit;
    };
}

Redisplay fixedWith(const QString& suffix)
{
    return [suffix](double value) { return fixedText(value) + suffix; };
}

} // namespace ampero
