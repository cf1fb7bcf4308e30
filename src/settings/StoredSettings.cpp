#include "StoredSettings.h"

#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "values/ZahlenEinundAusgabe.h"

#include <array>
#include <cmath>
#include <limits>

namespace ampero {

namespace {

struct NamedColour {
    const char* name;
    QRgb rgb;
};

// The colour names of the window designs' toolkit that a font colour may carry.
constexpr std::array<NamedColour, 20> kColours{{
    {"clWindowText", 0x000000}, {"clMedGray", 0xA0A0A4}, {"clBlack", 0x000000},
    {"clMaroon", 0x800000},     {"clGreen", 0x008000},   {"clOlive", 0x808000},
    {"clNavy", 0x000080},       {"clPurple", 0x800080},  {"clTeal", 0x008080},
    {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},  {"clRed", 0xFF0000},
    {"clLime", 0x00FF00},       {"clYellow", 0xFFFF00},  {"clBlue", 0x0000FF},
    {"clFuchsia", 0xFF00FF},    {"clAqua", 0x00FFFF},    {"clWhite", 0xFFFFFF},
    {"clGrayText", 0x808080},   {"clWindow", 0xFFFFFF},
}};

} // namespace

bool tryToInteger(const QString& text, int& value)
{
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        negative = s[0] == QLatin1Char('-');
        s.remove(0, 1);
    }
    int base = 10;
    if (s.startsWith(QLatin1Char('$'))) {
        base = 16;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        s.remove(0, 2);
    }
    if (s.isEmpty() || s.startsWith(QLatin1Char('+')) || s.startsWith(QLatin1Char('-')))
        return false;
    bool ok = false;
    const qlonglong v = s.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong signedValue = negative ? -v : v;
    if (signedValue < std::numeric_limits<int>::min() ||
        signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

QColor colourFromName(const QString& name)
{
    if (name.compare(QLatin1String(kColours[0].name), Qt::CaseInsensitive) == 0)
        return QColor(); // the normal text colour of the desktop
    for (const NamedColour& c : kColours)
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return QColor::fromRgb(c.rgb);
    int number = 0;
    if (tryToInteger(name, number)) // $00BBGGRR
        return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
    throw ParseError(QLatin1Char('\'') + shownValue(name) +
                     QStringLiteral("' ist kein gültiger Integerwert"));
}

QString colourName(const QColor& colour)
{
    if (!colour.isValid())
        return QLatin1String(kColours[0].name);
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    if (rgb == kColours[1].rgb)
        return QLatin1String(kColours[1].name);
    return QString::number(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

namespace {

QString readKey(const QString& section, const QString& key)
{
    return section.toCaseFolded() + QChar(0x1F) + key.toCaseFolded();
}

} // namespace

void ReadKeys::add(const QString& section, const QString& key)
{
    m_last = readKey(section, key);
    m_keys.insert(m_last);
}

bool ReadKeys::contains(const QString& section, const QString& key) const
{
    return m_keys.contains(readKey(section, key));
}

void ReadKeys::forgetLast()
{
    m_keys.remove(m_last);
    m_last.clear();
}

StoredSettings::StoredSettings(const IniDocument& ini, QChar storedSeparator, ReadKeys* read)
    : m_ini(ini)
    , m_stored(storedSeparator)
    , m_read(read)
{
}

void StoredSettings::noteRead(const QString& section, const QString& key) const
{
    if (m_read)
        m_read->add(section, key);
}

QString StoredSettings::fieldText(const QString& section, const QString& key,
                                  const QString& defaultText) const
{
    noteRead(section, key);
    if (const auto stored = m_ini.value(section, key))
        return QString(*stored).replace(m_stored, punktKomma());
    return withPunktKomma(defaultText);
}

int StoredSettings::integer(const QString& section, const QString& key, int defaultValue) const
{
    noteRead(section, key);
    int value = defaultValue;
    if (const auto stored = m_ini.value(section, key); stored && tryToInteger(*stored, value))
        return value;
    return defaultValue;
}

bool StoredSettings::boolean(const QString& section, const QString& key, bool defaultValue) const
{
    return integer(section, key, defaultValue ? 1 : 0) != 0;
}

double StoredSettings::floating(const QString& section, const QString& key,
                                double defaultValue) const
{
    noteRead(section, key);
    long double value = 0;
    const auto stored = m_ini.value(section, key);
    // beyond a 64-bit value it is as unreadable as any other text, and raises no overflow
    if (stored && tryStrToFloat(*stored, value) &&
        std::fabs(value) <= std::numeric_limits<double>::max())
        return static_cast<double>(value);
    return defaultValue;
}

int StoredSettings::itemIndex(const QString& section, const QString& key, int defaultItem,
                              int negativeItem, int itemCount) const
{
    const int index = integer(section, key, defaultItem);
    if (index < 0)
        return negativeItem;
    return index >= itemCount ? itemCount - 1 : index;
}

QColor StoredSettings::colour(const QString& section, const QString& key,
                              const QString& defaultName) const
{
    const QColor colour = colourFromName(m_ini.value(section, key).value_or(defaultName));
    noteRead(section, key);
    return colour;
}

} // namespace ampero
