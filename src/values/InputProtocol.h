#pragma once

#include <functional>
#include <QString>

// What an input field does with Enter, apart from the widgets: the parse, the range test with
// literal bounds and the messages of the three message sets. The widget side (undo,
// re-display, the page's calculation) lives with the pages.
namespace ampero {

enum class Parser {
    Value, // Zahleneingabe: prefixes and exponent allowed
    Plain, // the locale float conversion: a plain number
};

enum class MessageSet {
    A,      // value fields, the rule
    B,      // number fields of the level pages and of the attenuator page
    CwithA, // plain numbers of some pages: parse message of A, range message of C
    CwithB, // parse message of B, range message of C
};

struct FieldRule {
    Parser parser = Parser::Value;
    MessageSet messages = MessageSet::A;
    QString min{}; // literal bounds, converted when the test runs and shown as written
    QString max{};
    // Where the message names a bound other than the one tested ("0.999" for 0.99975).
    QString minShown{};
    QString maxShown{};
    QString reason = QStringLiteral(" ist nicht richtig !"); // set B: after the text
    QString unit{};                                          // set B: after max
};

struct Verdict {
    enum Kind { Ignore, Reject, Accept };
    Kind kind = Ignore;
    QString message;  // for Reject
    double value = 0; // for Accept
};

// A test of a parsed value before the range test; a message refuses the entry.
using EntryCheck = std::function<QString(double value)>;

// Steps 3 to 5 of Enter in an input field: empty-text rule, parse, the field's own check (if
// any), range test.
Verdict checkEntry(const FieldRule& rule, const QString& text, const EntryCheck& check = {});

QString parseMessage(const FieldRule& rule, const QString& text);
QString rangeMessage(const FieldRule& rule, const QString& text);

} // namespace ampero
