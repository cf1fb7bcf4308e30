#pragma once

#include <optional>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace ampero {

// A hash that agrees with comparing names without regard to case: code points case-folded.
size_t caseFoldedHash(QStringView name, size_t seed = 0);

// The settings file as an in-memory INI document. Section and key names match without regard
// to case; lines the program does not know (keys added by hand, comments, sections of any
// name) are kept in place and written back as they were read, and so is a key whose value
// the program sets to the one it has. Values are taken as the text after "=", blanks around
// it removed, so "20,00 V" stays one string; a value that begins or ends with a blank, or is
// itself enclosed in double quotes, is written in double quotes, which reading removes, so
// every text reads back exactly as it was set. Lookups are hashed: loading and writing take
// time in proportion to the file's size, however many sections and keys it holds.
class IniDocument {
public:
    // UTF-8 when the bytes start with its byte-order mark or are valid UTF-8 without it,
    // Windows-1252 otherwise.
    static IniDocument fromBytes(const QByteArray& bytes);
    static IniDocument fromText(const QString& text);

    // UTF-8 with a byte-order mark; sections separated by an empty line.
    QByteArray toBytes() const;
    QString toText() const;

    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    void setInteger(const QString& section, const QString& key, int value);
    void setBool(const QString& section, const QString& key, bool value); // "1" or "0"
    // A general number text with up to 15 significant digits and the separator in use.
    void setFloat(const QString& section, const QString& key, double value);

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    // Every key with its value, in the order of the file (the first of a repeated key).
    QList<Entry> entries() const;

private:
    // A line points into the text it was read from until the program sets its value.
    struct Line {
        qsizetype from = 0; // in m_source, while not owned
        qsizetype size = 0;
        QString own; // the line as the program set it
        bool owned = false;
        qsizetype keySize = 0; // the key starts the (trimmed) line; 0 for a line that is no key
        qsizetype keyFrom = 0;
        qsizetype valueFrom = 0; // within the line, enclosing quotes removed
        qsizetype valueSize = 0;
    };
    struct Section {
        QString name;
        QString own; // the header the program wrote; empty while it points into m_source
        qsizetype headerFrom = 0;
        qsizetype headerSize = 0;
        QList<Line> lines;
    };
    QStringView text(const Line& line) const;
    QStringView key(const Line& line) const;
    QStringView header(const Section& section) const;
    qsizetype findSection(QStringView name) const; // -1 when there is none
    qsizetype findLine(qsizetype section, QStringView key) const;
    qsizetype addSection(const QString& name);
    void addLine(qsizetype section, Line line);
    static Line ownLine(const QString& key, const QString& value);

    // A name that hashes and compares without regard to case.
    struct Caseless {
        QString name;
        friend bool operator==(const Caseless& a, const Caseless& b)
        {
            return a.name.compare(b.name, Qt::CaseInsensitive) == 0;
        }
        friend size_t qHash(const Caseless& c, size_t seed) { return caseFoldedHash(c.name, seed); }
    };
    struct KeyOf {
        qsizetype section;
        Caseless key;
        friend bool operator==(const KeyOf& a, const KeyOf& b)
        {
            return a.section == b.section && a.key == b.key;
        }
        friend size_t qHash(const KeyOf& k, size_t seed)
        {
            return caseFoldedHash(k.key.name, seed ^ static_cast<size_t>(k.section));
        }
    };

    QString m_source; // the text read, never changed: lines and index keys point into it
    // The first section holds the lines before any header and has no header of its own.
    QList<Section> m_sections{Section()};
    QHash<Caseless, qsizetype> m_sectionIndex; // name -> its section
    QHash<KeyOf, qsizetype> m_lineIndex;       // section and key -> its first line + 1
};

// Windows-1252, the 8-bit code page of files written without a byte-order mark.
QString decodeWindows1252(const QByteArray& bytes);

} // namespace ampero
