#pragma once

#include "settings/Persistence.h"

#include <functional>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;

namespace ampero {

class EditField;
class IniDocument;
class StoredSettings;

// What every calculator page supplies to the rest of the program. The settings loader and
// writer, the factory defaults and the display re-formatting walk the pages in tab order and
// ask each for its part, so no central list names every field. A page declares what it keeps
// once, in its persistence list; it overrides the three settings functions only to run its
// calculation after the list has done its part.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(QWidget* parent = nullptr);

    int helpContext() const { return m_helpContext; }
    void setHelpContext(int context) { m_helpContext = context; }

    // Fills the page from the settings file; its errors stop the loading.
    virtual void loadSettings(const StoredSettings& stored);
    // Writes the page's keys: field texts as shown, selections, colours.
    virtual void storeSettings(IniDocument& ini) const;
    // Fills the page with its factory texts (first start without a settings file).
    virtual void loadFactoryDefaults();
    // Shows the page's main values in the current notation and decimals and reruns its
    // calculations; a text that does not parse stops the re-formatting.
    virtual void reformat() {}

    // Components of a page, created with their given names.
    static EditField* addField(QWidget* parent, const QString& name, const QRect& geometry,
                               const QString& hint = {});
    static QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry,
                            const QString& name = {});

    // The page's labels and field texts as a tab-separated table: one line per row of the
    // page as it stands, left to right, so that it pastes into a spreadsheet.
    QString valuesTable() const;
    // "Werte kopieren": the table to the clipboard.
    void copyValues() const;

protected:
    // A field that shows one of the two halves of a balanced network's series element; the
    // copied table marks it "(sym.)".
    virtual bool showsHalf(const QLineEdit* field) const
    {
        (void)field;
        return false;
    }

    // The page's declaration of its settings keys and factory values.
    Persistence& persistence() { return m_persistence; }

    // An entry of the page's context menu before "Werte kopieren".
    void addContextAction(const QString& text, std::function<void()> action);
    // The field's own context menu (copy, select all) with the page's entries under it.
    void offerPageMenu(QLineEdit* field);

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void addPageEntries(QMenu& menu);

    int m_helpContext = -1;
    Persistence m_persistence;
    std::vector<std::pair<QString, std::function<void()>>> m_contextActions;
};

} // namespace ampero
