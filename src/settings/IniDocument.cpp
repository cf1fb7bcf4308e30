#include "IniDocument.h"

#include "values/DisplayOptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <QStringDecoder>

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
    // Many editors drop the byte-order mark when they save: bytes that are valid UTF-8 are
    // read as such, or "µ" would come back as "Âµ" and lose its meaning as a prefix.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return fromText(text);
    return fromText(decodeWindows1252(bytes));
}

size_t caseFoldedHash(QStringView name, size_t seed)
{
    size_t h = seed ^ 0x9E3779B97F4A7C15ull;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (c < 0x80) { // quick for ASCII, where folding is lower case
            if (c >= 'A' && c <= 'Z')
                c += 'a' - 'A';
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(name[i], name[i + 1]);
                ++i;
            }
            c = QChar::toCaseFolded(c);
        }
        h = (h ^ c) * 0x100000001B3ull;
    }
    return h;
}

namespace {

// A name for a lookup only: no copy of its characters.
QString borrowed(QStringView name) { return QString::fromRawData(name.data(), name.size()); }

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

qsizetype leadingSpaces(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i].isSpace())
        ++i;
    return i;
}

} // namespace

QStringView IniDocument::text(const Line& line) const
{
    return line.owned ? QStringView(line.own) : QStringView(m_source).mid(line.from, line.size);
}

QStringView IniDocument::key(const Line& line) const
{
    return text(line).mid(line.keyFrom, line.keySize);
}

QStringView IniDocument::header(const Section& section) const
{
    return section.own.isEmpty() ? QStringView(m_source).mid(section.headerFrom, section.headerSize)
                                 : QStringView(section.own);
}

IniDocument IniDocument::fromText(const QString& source)
{
    IniDocument doc;
    doc.m_source = source;
    const QStringView all(doc.m_source);
    // sized once: growing a hash hashes every name again
    const qsizetype lines = all.count(QLatin1Char('\n')) + 1;
    const qsizetype headers = std::min(all.count(QLatin1Char('[')), lines);
    doc.m_sections.reserve(headers + 1);
    doc.m_sectionIndex.reserve(headers);
    doc.m_lineIndex.reserve(lines);
    qsizetype current = 0;
    for (qsizetype from = 0; from <= all.size();) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = all.size();
        QStringView raw = all.mid(from, end - from);
        const qsizetype rawFrom = from;
        from = end + 1;
        while (raw.endsWith(QLatin1Char('\r'))) // "\r\n" and stray "\r" before it; written as "\n"
            raw.chop(1);
        const qsizetype lead = leadingSpaces(raw);
        const QStringView line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QStringView name = line.mid(1, line.size() - 2).trimmed();
            current = doc.findSection(name);
            if (current < 0) {
                current = doc.addSection(name.toString());
                doc.m_sections[current].headerFrom = rawFrom;
                doc.m_sections[current].headerSize = raw.size();
            }
            continue;
        }
        Line l{rawFrom, raw.size(), QString(), false, 0, 0, 0, 0};
        const auto eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char(';'))) {
            l.keyFrom = lead;
            l.keySize = line.left(eq).trimmed().size();
            const QStringView afterEq = line.mid(eq + 1);
            QStringView value = afterEq.trimmed();
            qsizetype valueFrom = lead + eq + 1 + leadingSpaces(afterEq);
            if (isQuoted(value)) {
                value = value.mid(1, value.size() - 2);
                ++valueFrom;
            }
            l.valueFrom = valueFrom;
            l.valueSize = value.size();
        }
        doc.addLine(current, std::move(l));
    }
    return doc;
}

QString IniDocument::toText() const
{
    QString out;
    out.reserve(m_source.size() + 64 * 1024);
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i == 0 && section.lines.isEmpty())
            continue;
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        if (i > 0) {
            out += header(section);
            out += QLatin1Char('\n');
        }
        for (const Line& line : section.lines) {
            out += text(line);
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QByteArray IniDocument::toBytes() const { return kUtf8Bom + toText().toUtf8(); }

qsizetype IniDocument::findSection(QStringView name) const
{
    return m_sectionIndex.value(Caseless{borrowed(name)}, -1);
}

qsizetype IniDocument::findLine(qsizetype section, QStringView keyName) const
{
    return m_lineIndex.value(KeyOf{section, Caseless{borrowed(keyName)}}, 0) - 1;
}

qsizetype IniDocument::addSection(const QString& name)
{
    const qsizetype index = m_sections.size();
    m_sectionIndex.insert(Caseless{name}, index);
    m_sections.append(Section{name, QString(), 0, 0, {}});
    return index;
}

void IniDocument::addLine(qsizetype section, Line line)
{
    QList<Line>& lines = m_sections[section].lines;
    if (line.keySize > 0) {
        // A key read points into the source; one the program adds has its own copy.
        const QString name = line.owned ? line.own.left(line.keySize)
                                        : borrowed(text(line).mid(line.keyFrom, line.keySize));
        qsizetype& first = m_lineIndex[KeyOf{section, Caseless{name}}]; // one lookup
        if (first == 0) // a repeated key is found at its first line
            first = lines.size() + 1;
    }
    lines.append(std::move(line));
}

IniDocument::Line IniDocument::ownLine(const QString& key, const QString& text)
{
    // A line break cannot be kept in a line; written as it is, a pasted text would add lines
    // of its own to the file.
    QString value = text;
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString shown = written(value);
    Line line;
    line.own = key + QLatin1Char('=') + shown;
    line.owned = true;
    line.size = line.own.size();
    line.keySize = key.size();
    line.valueFrom = key.size() + 1 + (shown.size() == value.size() ? 0 : 1);
    line.valueSize = value.size();
    return line;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const qsizetype s = findSection(section);
    if (s < 0)
        return std::nullopt;
    const qsizetype l = findLine(s, key);
    if (l < 0)
        return std::nullopt;
    const Line& line = m_sections[s].lines[l];
    return text(line).mid(line.valueFrom, line.valueSize).toString();
}

void IniDocument::setValue(const QString& sectionName, const QString& key, const QString& value)
{
    qsizetype s = findSection(sectionName);
    if (s < 0) {
        s = addSection(sectionName);
        m_sections[s].own = QLatin1Char('[') + sectionName + QLatin1Char(']');
    }
    if (const qsizetype l = findLine(s, key); l >= 0) {
        Line& line = m_sections[s].lines[l];
        if (text(line).mid(line.valueFrom, line.valueSize) != value) // else: as it was read
            line = ownLine(this->key(line).toString(), value);
        return;
    }
    addLine(s, ownLine(key, value));
}

QList<IniDocument::Entry> IniDocument::entries() const
{
    QList<Entry> out;
    for (qsizetype k = 1; k < m_sections.size(); ++k) { // lines before any header have no section
        const Section& s = m_sections[k];
        for (qsizetype i = 0; i < s.lines.size(); ++i) {
            const Line& line = s.lines[i];
            if (line.keySize > 0 && findLine(k, key(line)) == i)
                out.append(Entry{s.name, key(line).toString(),
                                 text(line).mid(line.valueFrom, line.valueSize).toString()});
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
