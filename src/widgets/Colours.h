#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace ampero {

// A background of the program's own always comes with the text colour that belongs to it, so a
// dark desktop palette cannot leave light text on a light background.
void setWindowColours(QWidget* widget, const QColor& background, const QColor& text);
// The same for the inside of edit fields.
void setFieldColours(QWidget* widget, const QColor& base, const QColor& text);

// Whether a palette is a dark one: its windows' background is dark.
inline bool darkBackground(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// The cream background of the program's highlighted panels and result fields.
inline const QColor kCream(255, 251, 240);

} // namespace ampero
