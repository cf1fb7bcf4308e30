#include "Page.h"

#include "widgets/EditField.h"

#include <QLabel>

namespace ampero {

Page::Page(const QString& name, int helpContext, QWidget* parent)
    : QWidget(parent)
    , m_helpContext(helpContext)
{
    setObjectName(name);
}

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
