#pragma once

#include "IniDocument.h"

#include <QColor>
#include <QSet>
#include <QString>

namespace ampero {

// The keys a load has read, by section and key without regard to case.
class ReadKeys {
public:
    void add(const QString& section, const QString& key);
    bool contains(const QString& section, const QString& key) const;
    // Forgets the key read last: a page may have failed on its value after reading it.
    void forgetLast();

private:
    QSet<QString> m_keys;
    QString m_last;
};

// Reads the settings file the way the program fills its windows from it: stored field texts
// take the decimal separator in use, numbers that do not read take their defaults.
class StoredSettings {
public:
    // `storedSeparator` is the separator the file was written with. With `read`, every key
    // whose value (or default) is returned without an error is added to it.
    StoredSettings(const IniDocument& ini, QChar storedSeparator, ReadKeys* read = nullptr);

    const IniDocument& document() const { return m_ini; }

    // A field text; in `defaultText` a "," stands for the separator in use.
    QString fieldText(const QString& section, const QString& key, const QString& defaultText) const;

    int integer(const QString& section, const QString& key, int defaultValue) const;
    bool boolean(const QString& section, const QString& key, bool defaultValue) const;
    double floating(const QString& section, const QString& key, double defaultValue) const;

    // The item of a radio group with `itemCount` items: a negative index selects
    // `negativeItem`, one beyond the last item the last item.
    int itemIndex(const QString& section, const QString& key, int defaultItem, int negativeItem,
                  int itemCount) const;

    // A font colour by name ("clWindowText", "clMedGray") or number. Throws ParseError for a
    // name it does not know, which stops the loading.
    QColor colour(const QString& section, const QString& key, const QString& defaultName) const;

private:
    void noteRead(const QString& section, const QString& key) const;

    const IniDocument& m_ini;
    QChar m_stored;
    ReadKeys* m_read;
};

// The integer syntax of the settings file: blanks around it, an optional sign, decimal
// digits or a hexadecimal number written with "$" or "0x".
bool tryToInteger(const QString& text, int& value);

// Font colours as the settings file names them; "clWindowText", the normal text colour of the
// desktop, is the invalid QColor.
QColor colourFromName(const QString& name); // throws ParseError
QString colourName(const QColor& colour);

} // namespace ampero
