#include "Errors.h"

namespace ampero {

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString shownValue(const QString& value)
{
    constexpr qsizetype kMost = 100;
    if (value.size() <= kMost)
        return value;
    qsizetype cut = kMost;
    if (value[cut - 1].isHighSurrogate()) // keep a character outside the BMP whole
        --cut;
    return value.left(cut) + QChar(0x2026);
}

} // namespace ampero
