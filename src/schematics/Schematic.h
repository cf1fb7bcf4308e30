#pragma once

#include "widgets/Colours.h"

#include <initializer_list>
#include <QColor>
#include <QPalette>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace ampero {

// The one drawing kit of all circuit pictures. Coordinates are in grid units; one unit is
// `unit` pixels, so a picture is a short list of parts and scales without losing sharpness.
// Lines and text take the palette's text colour; arrows carry the colour of what they mark.
class Schematic {
public:
    Schematic(QPainter& painter, qreal unit, const QPalette& palette);

    qreal unit() const { return m_unit; }
    // The colour of lines and plain text, for arrows and labels that name no quantity.
    QColor textColor() const { return m_palette.color(QPalette::WindowText); }

    void wire(std::initializer_list<QPointF> points) const;
    // A line that marks a level rather than a connection: coloured, solid or dashed.
    void line(QPointF from, QPointF to, const QColor& color,
              Qt::PenStyle style = Qt::SolidLine) const;
    void terminal(QPointF at) const; // an open connection
    void junction(QPointF at) const; // a filled dot where wires join
    // Two-terminal parts between two points, their body centred, leads to both ends. A colour
    // inks the body only, so that its leads join the wires seamlessly.
    void resistor(QPointF from, QPointF to, const QColor& color = {}) const;
    void coil(QPointF from, QPointF to, const QColor& color = {}) const;
    void capacitor(QPointF from, QPointF to, const QColor& color = {}) const;
    // An impedance of no particular kind: a box broader than a resistor.
    void impedance(QPointF from, QPointF to, const QColor& color = {}) const;
    // A signal generator: a circle with a sine wave that stays upright however it is turned.
    void source(QPointF from, QPointF to) const;
    void ground(QPointF at) const;
    void arrow(QPointF from, QPointF to, const QColor& color) const;
    // A circular arc from→to, its middle `height` units out towards `side`, with a head at
    // `to`, and at `from` too when double-headed: the voltage across parts, or an impedance.
    // Without a bow it is straight.
    void arcArrow(QPointF from, QPointF to, qreal height, Qt::Edge side, const QColor& color,
                  bool doubleHeaded = false) const;
    // A broad filled arrow from→to, `width` units across its heads, with a head at `to`, and at
    // `from` too when double-headed: it leads from one picture to another, not along a wire.
    void wideArrow(QPointF from, QPointF to, qreal width, const QColor& color,
                   bool doubleHeaded = false) const;
    // A text with an optional subscript ("U" "in"), `size` its height in units; without a
    // colour it takes the text colour.
    void label(QPointF at, const QString& text, const QString& subscript = {},
               Qt::Alignment align = Qt::AlignCenter, qreal size = 1.3,
               const QColor& color = {}) const;
    void block(const QRectF& rect, const QString& title = {}) const; // a box such as a two-port
    void dashedFrame(const QRectF& rect) const;
    // A curly brace spanning from→to, its point one unit out towards `side`, which groups
    // parts into one quantity such as an impedance.
    void brace(QPointF from, QPointF to, Qt::Edge side) const;

    // The colours of what arrows and marks stand for, chosen for the palette in use so that
    // they read on a light and on a dark background alike.
    bool darkBackground() const { return ampero::darkBackground(m_palette); }
    QColor powerColor() const { return pick({0, 150, 0}, {100, 215, 100}); }
    QColor voltageColor() const { return pick({0, 0, 220}, {120, 165, 255}); }
    QColor currentColor() const { return pick({210, 0, 0}, {255, 115, 105}); }
    // Parts of a changed kind, and the usual parts beside them, in a matching network.
    QColor changedKindColor() const { return pick({150, 0, 190}, {215, 135, 255}); }
    QColor usualKindColor() const { return pick({215, 105, 0}, {255, 170, 70}); }

private:
    QColor pick(QColor onLight, QColor onDark) const { return darkBackground() ? onDark : onLight; }
    QPointF px(QPointF grid) const { return grid * m_unit; }
    // Draws a part body along from→to in a local frame: x along the part, centred at 0.
    template <typename Body>
    void twoTerminal(QPointF from, QPointF to, qreal bodyLength, Body body,
                     const QColor& color = {}) const;

    QPainter& m_painter;
    qreal m_unit;
    QPalette m_palette;
};

} // namespace ampero
