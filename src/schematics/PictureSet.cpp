#include "PictureSet.h"

#include "PictureWidget.h"

namespace ampero {

PictureSet::PictureSet(QWidget* parent, QPoint at, qreal unit, const std::vector<Entry>& pictures)
{
    for (const Entry& e : pictures) {
        auto* widget = new PictureWidget(e.picture, unit, parent);
        if (!e.name.isEmpty())
            widget->setObjectName(e.name);
        if (!e.hint.isEmpty())
            widget->setToolTip(e.hint);
        widget->move(at);
        widget->hide();
        m_pictures.push_back(widget);
        m_names.push_back(e.picture);
    }
}

void PictureSet::show(int index)
{
    m_shown = index >= 0 && index < count() ? index : -1;
    for (int i = 0; i < count(); ++i)
        at(i)->setVisible(i == m_shown);
}

void PictureSet::show(const QString& name)
{
    for (int i = 0; i < count(); ++i) {
        if (at(i)->objectName() == name || m_names[static_cast<std::size_t>(i)] == name) {
            show(i);
            return;
        }
    }
    show(-1);
}

} // namespace ampero
