#include "InputProtocol.h"

#include "Errors.h"
#include "FloatGuard.h"
#include "ZahlenEinundAusgabe.h"

namespace ampero {

namespace {

const QString kTwoBreaks = QStringLiteral("\r\r");

bool usesParseMessageA(MessageSet set) { return set == MessageSet::A || set == MessageSet::CwithA; }

} // namespace

QString parseMessage(const FieldRule& rule, const QString& text)
{
    if (usesParseMessageA(rule.messages))
        return QStringLiteral("ungültige Eingabe \"") + text + QLatin1Char('"');
    return QStringLiteral("Die eingegebene Zahl") + text +
           QStringLiteral("  ist keine Gleitkommazahl !");
}

QString rangeMessage(const FieldRule& rule, const QString& text)
{
    switch (rule.messages) {
    case MessageSet::A:
        return QStringLiteral("Die Eingabe \"") + text +
               QStringLiteral("\" ist außerhalb des zulässigen Wertebereichs ") + kTwoBreaks +
               QStringLiteral("zulässiger Wertebereich: ") + rule.min + QStringLiteral(" bis ") +
               rule.max;
    case MessageSet::B:
        return QStringLiteral("Die eingegebene Zahl") + text + rule.reason + kTwoBreaks +
               QStringLiteral("        zulässiger Bereich:") + rule.min + QStringLiteral(" bis ") +
               rule.max + rule.unit;
    case MessageSet::CwithA:
    case MessageSet::CwithB:
        break;
    }
    return QStringLiteral("Die Eingabe") + text + QStringLiteral("  ist ausserhalb") + kTwoBreaks +
           QStringLiteral("des gültigen Wertebereiches:") + rule.min + QStringLiteral(" bis ") +
           rule.max;
}

Verdict checkEntry(const FieldRule& rule, const QString& text)
{
    if (text.isEmpty() && usesParseMessageA(rule.messages))
        return {};
    // The check ends in one message at most: a number too large for a 64-bit value (a plain
    // "1e400") is out of range, and no overflow flag is left for a second report.
    const FloatFlagsKeeper keepFlags;

    double value = 0;
    try {
        value = rule.parser == Parser::Value ? Zahleneingabe(text)
                                             : static_cast<double>(strToFloat(text));
    } catch (const ParseError&) {
        return {Verdict::Reject, parseMessage(rule, text), 0};
    }

    // The bounds are compared as the 64-bit values they stand for, so that an entry of
    // exactly a bound ("10f" against "1e-14") is accepted.
    const auto min = static_cast<double>(strToFloat(rule.min));
    const auto max = static_cast<double>(strToFloat(rule.max));
    if (value < min || value > max)
        return {Verdict::Reject, rangeMessage(rule, text), 0};
    return {Verdict::Accept, {}, value};
}

} // namespace ampero
