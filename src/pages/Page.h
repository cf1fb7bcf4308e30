#pragma once

#include <QWidget>

class QLabel;

namespace ampero {

class EditField;

// What every calculator page shares: it is found by its component name and knows its
// factory texts. Its components are created in code with their given names.
class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(const QString& name, QWidget* parent = nullptr);

    // Fills the page with its factory texts (first start without a settings file).
    virtual void loadFactoryDefaults() {}

protected:
    static EditField* addField(QWidget* parent, const QString& name, const QRect& geometry,
                               const QString& hint = {});
    static QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry,
                            const QString& name = {});
};

} // namespace ampero
