#pragma once

#include "values/InputProtocol.h"

#include <functional>
#include <QString>
#include <vector>

class QWidget;

namespace ampero {

class EditField;

using Redisplay = std::function<QString(double value)>;
using Action = std::function<void(double value)>;

// One row of a page's table of input fields.
struct InputField {
    QString name; // objectName of the edit field
    FieldRule rule;
    Redisplay redisplay; // empty: the action writes the field itself (after its results)
    Action action;       // the page's calculation, run after the field is re-displayed
};

// Connects each row to the edit field of that name under `owner`: the decimal key, and on
// Enter the parse, the range test, the message and undo of a rejected entry, the
// re-display and the action.
void connectInputFields(QWidget* owner, const std::vector<InputField>& table);

// Re-display: the value with its unit in the display notation ("20,00 V").
Redisplay withUnit(const QString& unit);
// Re-display: the fixed text followed by a suffix ("10,00 dB").
Redisplay fixedWith(const QString& suffix);

} // namespace ampero
