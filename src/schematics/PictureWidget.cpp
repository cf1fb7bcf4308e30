#include "PictureWidget.h"

#include "Pictures.h"
#include "Schematic.h"

#include <QPainter>

namespace ampero {

PictureWidget::PictureWidget(const QString& pictureName, qreal unit, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture(pictureName))
    , m_unit(unit)
{
    setObjectName(pictureName);
    setFixedSize((m_picture.size * unit).toSize());
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.draw(Schematic(painter, m_unit, palette()));
}

} // namespace ampero
