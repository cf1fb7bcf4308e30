#include "InputProtocol.h"

#include "Errors.h"
#include "FloatGuard.h"
#include "ZahlenEinundAusgabe.h"

namespace ampero {

namespace {

const QString kTwoBreaks = QStringLiteral("\r\r");

bool usesParseMessageA(MessageSet set) { return set == MessageSet::A || set == MessageSet::CwithA; }

QString shown(const QString& bound, const QString& instead) { return instead.isEmpty() ? bound : instead; }

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
    const QString min = shown(rule.min, rule.minShown);
    const QString max = shown(rule.max, rule.maxShown);
    switch (rule.messages) {
    case MessageSet::A:
        return QStringLiteral("Die Eingabe \"") + text +
               QStringLiteral("\" ist außerhalb des zulässigen Wertebereichs ") + kTwoBreaks +
               QStringLiteral("zulässiger Wertebereich: ") + min + QStringLiteral(" bis ") + max;
    case MessageSet::B:
        return QStringLiteral("Die eingegebene Zahl") + text + rule.reason + kTwoBreaks +
               QStringLiteral("        zulässiger Bereich:") + min + QStringLiteral(" bis ") + max +
               rule.unit;
    case MessageSet::CwithA:
    case MessageSet::CwithB:
        break;
    }
    return QStringLiteral("Die Eingabe") + text + QStringLiteral("  ist ausserhalb") + kTwoBreaks +
           QStringLiteral("des gültigen Wertebereiches:") + min + QStringLiteral(" bis ") + max;
}

Verdict checkEntry(const FieldRule& rule, const QString& text, const EntryCheck& check)
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

    if (check) {
        const QString refusal = check(value);
        if (!refusal.isEmpty())
            return {Verdict::Reject, refusal, 0};
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
