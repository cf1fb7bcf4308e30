#pragma once

#include <optional>
#include <QByteArray>
#include <QList>
#include <QString>

namespace ampero {

// The settings file as an in-memory INI document. Section and key names match without regard
// to case; lines the program does not know (keys added by hand, comments) are kept in place.
// Values are taken as the text after "=", blanks around it removed, so "20,00 V" stays one
// string.
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

private:
    struct Line {
        QString key;  // empty for a line that is no key (a comment)
        QString text; // the value, or the whole line
    };
    struct Section {
        QString name;
        QList<Line> lines;
    };
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QList<Section> m_sections; // a nameless first section holds lines before any header
};

// Windows-1252, the 8-bit code page of files written without a byte-order mark.
QString decodeWindows1252(const QByteArray& bytes);

} // namespace ampero
