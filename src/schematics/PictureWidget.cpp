#include "PictureWidget.h"

#include "Pictures.h"
#include "Schematic.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

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

namespace ampero {

QString PictureWidget::hintAt(const QPoint& pos) const
{
    const QPointF at = QPointF(pos) / m_unit;
    for (const PictureHint& hint : m_picture.hints)
        if (hint.area.contains(at))
            return hint.text;
    return toolTip();
}

bool PictureWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !m_picture.hints.empty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = hintAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace ampero
