#include "IniDocument.h"

#include "values/DisplayOptions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <QStringTokenizer>
#include <string>

namespace ampero {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

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

namespace {

QString folded(const QString& name) { return name.toCaseFolded(); }

bool isQuoted(QStringView value)
{
    return value.size() >= 2 && value.front() == QLatin1Char('"') &&
           value.back() == QLatin1Char('"');
}

// Reading trims blanks and removes one pair of enclosing quotes; a value that would lose
// anything that way is written in quotes.
QString written(const QString& value)
{
    if (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace() || isQuoted(value)))
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

} // namespace

IniDocument IniDocument::fromText(const QString& text)
{
    IniDocument doc;
    Section* current = &doc.m_sections.front();
    for (QStringView raw : qTokenize(text, u'\n')) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QStringView line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed().toString();
            current = doc.findSection(name);
            if (!current) {
                doc.m_index.insert(folded(name), doc.m_sections.size());
                doc.m_sections.append(Section{name, raw.toString(), {}, {}});
                current = &doc.m_sections.back();
            }
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char(';'))) {
            QStringView value = line.mid(eq + 1).trimmed();
            if (isQuoted(value))
                value = value.mid(1, value.size() - 2);
            addLine(*current,
                    Line{line.left(eq).trimmed().toString(), value.toString(), raw.toString()});
        } else {
            current->lines.append(Line{QString(), QString(), raw.toString()});
        }
    }
    return doc;
}

QString IniDocument::toText() const
{
    QString out;
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i == 0 && section.lines.isEmpty())
            continue;
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        if (i > 0)
            out += section.header.isEmpty() ? QLatin1Char('[') + section.name + QLatin1Char(']')
                                            : section.header;
        if (i > 0)
            out += QLatin1Char('\n');
        for (const Line& line : section.lines) {
            if (!line.raw.isEmpty())
                out += line.raw;
            else
                out += line.key + QLatin1Char('=') + written(line.value);
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QByteArray IniDocument::toBytes() const { return kUtf8Bom + toText().toUtf8(); }

IniDocument::Section* IniDocument::findSection(const QString& name)
{
    const auto found = m_index.constFind(folded(name));
    return found == m_index.cend() ? nullptr : &m_sections[*found];
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const
{
    return const_cast<IniDocument*>(this)->findSection(name);
}

IniDocument::Section& IniDocument::section(const QString& name)
{
    if (Section* s = findSection(name))
        return *s;
    m_index.insert(folded(name), m_sections.size());
    m_sections.append(Section{name, QString(), {}, {}});
    return m_sections.back();
}

void IniDocument::addLine(Section& section, Line line)
{
    section.keys.insert(folded(line.key), section.lines.size()); // keeps the first of a key
    section.lines.append(std::move(line));
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    if (const Section* s = findSection(section))
        if (const auto found = s->keys.constFind(folded(key)); found != s->keys.cend())
            return s->lines[*found].value;
    return std::nullopt;
}

void IniDocument::setValue(const QString& sectionName, const QString& key, const QString& value)
{
    Section& s = section(sectionName);
    if (const auto found = s.keys.constFind(folded(key)); found != s.keys.cend()) {
        Line& line = s.lines[*found];
        if (line.value != value) {
            line.value = value;
            line.raw.clear();
        }
        return;
    }
    addLine(s, Line{key, value, QString()});
}

QList<IniDocument::Entry> IniDocument::entries() const
{
    QList<Entry> out;
    for (qsizetype k = 1; k < m_sections.size(); ++k) { // lines before any header have no section
        const Section& s = m_sections[k];
        for (qsizetype i = 0; i < s.lines.size(); ++i) {
            const Line& line = s.lines[i];
            if (!line.key.isEmpty() && s.keys.value(folded(line.key)) == i)
                out.append(Entry{s.name, line.key, line.value});
        }
    }
    return out;
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
