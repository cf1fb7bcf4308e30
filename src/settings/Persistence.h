#pragma once

#include <functional>
#include <optional>
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace ampero {

class EditField;
class IniDocument;
class RadioGroup;
class StoredSettings;

// What a page keeps in the settings file and what it shows at the first start, declared once
// per field, radio group, colour or number: its section and key, the value taken when the key
// is missing, and its factory value. Loading, storing and the factory state walk the one list in
// the order of declaration. Texts written as "1,000" stand for the decimal separator in use.
class Persistence {
public:
    // The section of the entries declared after it.
    Persistence& section(const QString& name);
    // The order of the page's sections in a new settings file, when it differs from the order
    // in which they are read.
    Persistence& storeSections(const QStringList& names);

    // A field's text as shown; `factory` (if any) is written at the first start.
    Persistence& text(QLineEdit* field, const QString& key, const QString& fallback,
                      const std::optional<QString>& factory = std::nullopt);
    Persistence& text(QLabel* label, const QString& key, const QString& fallback,
                      const std::optional<QString>& factory = std::nullopt);
    // A text written at the first start only; it is not stored.
    Persistence& factoryText(QLineEdit* field, const QString& factory);
    // A field's text that is stored but not read back.
    Persistence& storedText(QLineEdit* field, const QString& key);
    // The selected item; a stored negative index selects `negativeItem`, one beyond the last
    // item the last item.
    Persistence& item(RadioGroup* group, const QString& key, int fallback, int negativeItem,
                      const std::optional<int>& factory = std::nullopt);
    // A field's font colour by the names of the settings file ("clWindowText", "clMedGray").
    Persistence& colour(EditField* field, const QString& key, const QString& fallback,
                        const std::optional<QColor>& factory = std::nullopt);
    // A number the page keeps besides its fields.
    Persistence& number(double& value, const QString& key, double fallback,
                        const std::optional<double>& factory = std::nullopt);
    // The sub-page in front; an index outside the sub-pages keeps the one shown.
    Persistence& tab(QTabWidget* tabs, const QString& key, int fallback);
    // Anything else: how the key is read and what is written under it (either may be empty).
    using Load = std::function<void(const StoredSettings&, const QString& section, const QString& key)>;
    using Store = std::function<void(IniDocument&, const QString& section, const QString& key)>;
    Persistence& custom(const QString& key, Load load, Store store);
    // Runs right after the entry declared last has been read from the settings file.
    Persistence& afterLoad(std::function<void()> step);

    void load(const StoredSettings& stored) const;
    void store(IniDocument& ini) const;
    void applyFactoryValues() const;

private:
    struct Entry {
        QString section, key;
        Load load;   // empty: not read
        Store store; // empty: not written
        std::function<void()> factory;
        std::function<void()> afterLoad;
    };
    Persistence& add(Entry entry);

    QString m_section;
    QStringList m_storeSections;
    std::vector<Entry> m_entries;
};

} // namespace ampero
