#pragma once

#include <optional>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace ampero {

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
    // UTF-8 when the bytes start with its byte-order mark, Windows-1252 otherwise.
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
    struct Line {
        QString key;   // empty for a line that is no key (a comment)
        QString value; // of a key
        QString raw;   // the line as read; empty once the program has changed its value
    };
    struct Section {
        QString name;
        QString header; // the header line as read; empty for a section the program added
        QList<Line> lines;
        QHash<QString, qsizetype> keys; // case-folded key -> its first line
    };
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;
    Section& section(const QString& name); // found or added
    static void addLine(Section& section, Line line);

    // The first section holds the lines before any header and has no header of its own.
    QList<Section> m_sections{Section()};
    QHash<QString, qsizetype> m_index; // case-folded name -> its section (the first of that name)
};

// Windows-1252, the 8-bit code page of files written without a byte-order mark.
QString decodeWindows1252(const QByteArray& bytes);

} // namespace ampero
