#include "Persistence.h"

#include "IniDocument.h"
#include "StoredSettings.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/RadioGroup.h"

#include <QLabel>
#include <QTabWidget>

namespace ampero {

Persistence& Persistence::section(const QString& name)
{
    m_section = name;
    return *this;
}

Persistence& Persistence::storeSections(const QStringList& names)
{
    m_storeSections = names;
    return *this;
}

Persistence& Persistence::add(Entry entry)
{
    entry.section = m_section;
    m_entries.push_back(std::move(entry));
    return *this;
}

namespace {

// A text of a field or of a label: read, stored and set at the first start alike.
template <typename Widget>
void describeText(Persistence::Load& load, Persistence::Store& store,
                  std::function<void()>& factoryStep, Widget* widget, const QString& fallback,
                  const std::optional<QString>& factory)
{
    load = [widget, fallback](const StoredSettings& s, const QString& section, const QString& k) {
        writeText(widget, s.fieldText(section, k, fallback));
    };
    store = [widget](IniDocument& ini, const QString& section, const QString& k) {
        ini.setValue(section, k, widget->text());
    };
    if (factory)
        factoryStep = [widget, text = *factory] { writeText(widget, withPunktKomma(text)); };
}

} // namespace

Persistence& Persistence::text(QLineEdit* field, const QString& key, const QString& fallback,
                               const std::optional<QString>& factory)
{
    Entry e;
    e.key = key;
    describeText(e.load, e.store, e.factory, field, fallback, factory);
    return add(std::move(e));
}

Persistence& Persistence::text(QLabel* label, const QString& key, const QString& fallback,
                               const std::optional<QString>& factory)
{
    Entry e;
    e.key = key;
    describeText(e.load, e.store, e.factory, label, fallback, factory);
    return add(std::move(e));
}

Persistence& Persistence::factoryText(QLineEdit* field, const QString& factory)
{
    Entry e;
    e.factory = [field, factory] { writeText(field, withPunktKomma(factory)); };
    return add(std::move(e));
}

Persistence& Persistence::storedText(QLineEdit* field, const QString& key)
{
    Entry e;
    e.key = key;
    e.store = [field](IniDocument& ini, const QString& section, const QString& k) {
        ini.setValue(section, k, field->text());
    };
    return add(std::move(e));
}

Persistence& Persistence::item(RadioGroup* group, const QString& key, int fallback,
                               int negativeItem, const std::optional<int>& factory)
{
    Entry e;
    e.key = key;
    e.load = [group, fallback, negativeItem](const StoredSettings& s, const QString& section,
                                             const QString& k) {
        group->setItemIndex(s.itemIndex(section, k, fallback, negativeItem, group->count()));
    };
    e.store = [group](IniDocument& ini, const QString& section, const QString& k) {
        ini.setInteger(section, k, group->itemIndex());
    };
    if (factory)
        e.factory = [group, index = *factory] { group->setItemIndex(index); };
    return add(std::move(e));
}

Persistence& Persistence::colour(EditField* field, const QString& key, const QString& fallback,
                                 const std::optional<QColor>& factory)
{
    Entry e;
    e.key = key;
    e.load = [field, fallback](const StoredSettings& s, const QString& section, const QString& k) {
        field->setFontColour(s.colour(section, k, fallback));
    };
    e.store = [field](IniDocument& ini, const QString& section, const QString& k) {
        ini.setValue(section, k, colourName(field->fontColour()));
    };
    if (factory)
        e.factory = [field, colour = *factory] { field->setFontColour(colour); };
    return add(std::move(e));
}

Persistence& Persistence::number(double& value, const QString& key, double fallback,
                                 const std::optional<double>& factory)
{
    Entry e;
    e.key = key;
    e.load = [&value, fallback](const StoredSettings& s, const QString& section, const QString& k) {
        value = s.floating(section, k, fallback);
    };
    e.store = [&value](IniDocument& ini, const QString& section, const QString& k) {
        ini.setFloat(section, k, value);
    };
    if (factory)
        e.factory = [&value, number = *factory] { value = number; };
    return add(std::move(e));
}

Persistence& Persistence::tab(QTabWidget* tabs, const QString& key, int fallback)
{
    Entry e;
    e.key = key;
    e.load = [tabs, fallback](const StoredSettings& s, const QString& section, const QString& k) {
        const int index = s.integer(section, k, fallback);
        if (index >= 0 && index < tabs->count())
            tabs->setCurrentIndex(index);
    };
    e.store = [tabs](IniDocument& ini, const QString& section, const QString& k) {
        ini.setInteger(section, k, tabs->currentIndex());
    };
    return add(std::move(e));
}

Persistence& Persistence::custom(const QString& key, Load load, Store store)
{
    Entry e;
    e.key = key;
    e.load = std::move(load);
    e.store = std::move(store);
    return add(std::move(e));
}

Persistence& Persistence::afterLoad(std::function<void()> step)
{
    Q_ASSERT(!m_entries.empty());
    m_entries.back().afterLoad = std::move(step);
    return *this;
}

void Persistence::load(const StoredSettings& stored) const
{
    for (const Entry& e : m_entries) {
        if (e.load)
            e.load(stored, e.section, e.key);
        if (e.afterLoad)
            e.afterLoad();
    }
}

void Persistence::store(IniDocument& ini) const
{
    // A new file takes the sections in the order they are first written.
    const auto storeSection = [&](const QString& name) {
        for (const Entry& e : m_entries)
            if (e.store && e.section == name)
                e.store(ini, e.section, e.key);
    };
    for (const QString& name : m_storeSections)
        storeSection(name);
    for (const Entry& e : m_entries)
        if (e.store && !m_storeSections.contains(e.section))
            e.store(ini, e.section, e.key);
}

void Persistence::applyFactoryValues() const
{
    for (const Entry& e : m_entries)
        if (e.factory)
            e.factory();
}

} // namespace ampero
