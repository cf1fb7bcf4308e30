#include "IniDocument.h"

#include "values/DisplayOptions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace ampero {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString decodeWindows1252(const QByteArray& bytes)
{
    // 0x80 … 0x9F differ from Latin-1; five of them are unassigned and stay as they are.
    static constexpr std::array<char16_t, 32> kHigh{
        u'€', u'\x81', u'‚',    u'ƒ', u'„',    u'…',    u'†', u'‡',    u'ˆ', u'‰', u'Š',
        u'‹', u'Œ',    u'\x8D', u'Ž', u'\x8F', u'\x90', u'‘', u'’',    u'“', u'”', u'•',
        u'–', u'—',    u'˜',    u'™', u'š',    u'›',    u'œ', u'\x9D', u'ž', u'Ÿ'};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += b >= 0x80 && b <= 0x9F ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return text;
}

IniDocument IniDocument::fromBytes(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return fromText(QString::fromUtf8(bytes.mid(kUtf8Bom.size())));
    return fromText(decodeWindows1252(bytes));
}

IniDocument IniDocument::fromText(const QString& text)
{
    IniDocument doc;
    doc.m_sections.append(Section());
    Section* current = &doc.m_sections.back();
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = doc.findSection(name);
            if (!current) {
                doc.m_sections.append(Section{name, {}});
                current = &doc.m_sections.back();
            }
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char(';')))
            current->lines.append(Line{line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
        else
            current->lines.append(Line{QString(), line});
    }
    return doc;
}

QString IniDocument::toText() const
{
    QString out;
    for (const Section& section : m_sections) {
        if (section.name.isEmpty() && section.lines.isEmpty())
            continue;
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        if (!section.name.isEmpty())
            out += QLatin1Char('[') + section.name + QStringLiteral("]\n");
        for (const Line& line : section.lines)
            out += (line.key.isEmpty() ? line.text : line.key + QLatin1Char('=') + line.text) +
                   QLatin1Char('\n');
    }
    return out;
}

QByteArray IniDocument::toBytes() const { return kUtf8Bom + toText().toUtf8(); }

IniDocument::Section* IniDocument::findSection(const QString& name)
{
    for (Section& s : m_sections)
        if (!s.name.isEmpty() && sameName(s.name, name))
            return &s;
    return nullptr;
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const
{
    return const_cast<IniDocument*>(this)->findSection(name);
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    if (const Section* s = findSection(section))
        for (const Line& line : s->lines)
            if (!line.key.isEmpty() && sameName(line.key, key))
                return line.text;
    return std::nullopt;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        m_sections.append(Section{section, {}});
        s = &m_sections.back();
    }
    for (Line& line : s->lines) {
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.text = value;
            return;
        }
    }
    s->lines.append(Line{key, value});
}

void IniDocument::setInteger(const QString& section, const QString& key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniDocument::setBool(const QString& section, const QString& key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::setFloat(const QString& section, const QString& key, double value)
{
    // Shortest text up to 15 significant digits; an exponent as "1E-5".
    std::array<char, 40> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    std::string s(buf.data(), res.ptr);
    if (const auto e = s.find('e'); e != std::string::npos) {
        std::string exponent = s.substr(e + 1);
        const bool negative = exponent[0] == '-';
        exponent.erase(0, exponent.find_first_not_of("+-0"));
        s = s.substr(0, e) + "E" + (negative ? "-" : "") + (exponent.empty() ? "0" : exponent);
    }
    QString text = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    text.replace(QLatin1Char('.'), punktKomma());
    setValue(section, key, text);
}

} // namespace ampero
