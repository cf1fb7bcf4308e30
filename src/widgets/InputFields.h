#pragma once

#include "values/InputProtocol.h"

#include <functional>
#include <QString>
#include <vector>

namespace ampero {

class EditField;

using Redisplay = std::function<QString(double value)>;
using Action = std::function<void(double value)>;

// A way of reading a field that its text chooses (a power in "dBm" or in watts), with the
// rule, re-display and action that belong to it.
struct TextCase {
    std::function<bool(const QString& text)> recognises;
    FieldRule rule;
    Redisplay redisplay;
    Action action;
};

// One row of a page's table of input fields.
struct InputField {
    EditField* field;
    FieldRule rule;
    Redisplay redisplay; // empty: the action writes the field itself (after its results)
    Action action;       // the page's calculation, run after the field is re-displayed
    EntryCheck check{};  // runs between the parse and the range test
    // The first case that recognises the text reads it instead of the row's own rule.
    std::vector<TextCase> byText{};
};

// Connects each row to its edit field: the decimal key, and on Enter the parse, the range
// test, the message and undo of a rejected entry, the re-display and the action. A row without
// its field stops the program at once.
void connectInputFields(const std::vector<InputField>& table);

// Re-display: the value with its unit in the display notation ("20,00 V").
Redisplay withUnit(const QString& unit);
// Re-display with texts that differ by notation: `before` + prefix text + `prefixUnit` with
// prefix symbols, `before` + notation text + `notationUnit` in SCI and ENG (where the unit text
// brings its own separating blank, " Hz ").
Redisplay withUnits(const QString& prefixUnit, const QString& notationUnit,
                    const QString& before = {});
// Re-display: the fixed text followed by a suffix ("10,00 dB").
Redisplay fixedWith(const QString& suffix);

} // namespace ampero
