#include "InputFields.h"

#include "EditField.h"
#include "Fields.h"
#include "Handlers.h"
#include "platform/MessageBoxes.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"

#include <QWidget>

namespace ampero {

namespace {

void enter(EditField* field, const InputField& row)
{
    runHandler(field, [&] {
        const Verdict verdict = checkEntry(row.rule, field->text());
        switch (verdict.kind) {
        case Verdict::Ignore:
            return;
        case Verdict::Reject:
            showErrorMessage(field, verdict.message);
            field->undoEntry();
            return;
        case Verdict::Accept:
            if (row.redisplay)
                writeText(field, row.redisplay(verdict.value));
            if (row.action)
                row.action(verdict.value);
            return;
        }
    });
}

} // namespace

void connectInputFields(QWidget* owner, const std::vector<InputField>& table)
{
    for (const InputField& row : table) {
        auto* field = owner->findChild<EditField*>(row.name);
        Q_ASSERT_X(field, "connectInputFields", qPrintable(row.name));
        field->setMapsDecimalKey(true);
        QObject::connect(field, &EditField::enterPressed, field,
                         [field, row] { enter(field, row); });
    }
}

Redisplay withUnit(const QString& unit)
{
    return [unit](double value) { return displayWithUnit(value, unit); };
}

Redisplay fixedWith(const QString& suffix)
{
    return [suffix](double value) { return fixedText(value) + suffix; };
}

} // namespace ampero
