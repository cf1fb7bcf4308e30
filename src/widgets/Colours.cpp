#include "Colours.h"

#include <QPalette>
#include <QWidget>

namespace ampero {

void setWindowColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, background);
        p.setColor(group, QPalette::WindowText, text);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, background);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setFieldColours(QWidget* widget, const QColor& base, const QColor& text)
{
    QPalette p = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::Text, text);
    }
    p.setColor(QPalette::Disabled, QPalette::Base, base);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    widget->setPalette(p);
}

} // namespace ampero
