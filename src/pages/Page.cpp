#include "Page.h"

#include "widgets/EditField.h"

#include <QLabel>

namespace ampero {

Page::Page(QWidget* parent)
    : QWidget(parent)
{
}

void Page::loadSettings(const StoredSettings& stored) { m_persistence.load(stored); }

void Page::storeSettings(IniDocument& ini) const { m_persistence.store(ini); }

void Page::loadFactoryDefaults() { m_persistence.applyFactoryValues(); }

EditField* Page::addField(QWidget* parent, const QString& name, const QRect& geometry,
                          const QString& hint)
{
    auto* field = new EditField(name, parent);
    field->setGeometry(geometry);
    field->setToolTip(hint);
    return field;
}

QLabel* Page::addLabel(QWidget* parent, const QString& text, const QRect& geometry,
                       const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

} // namespace ampero
