#include "Schematic.h"

#include <cmath>
#include <numbers>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ampero {

namespace {
constexpr qreal kLine = 0.12;     // line width in units
constexpr qreal kTerminal = 0.35; // terminal radius
constexpr qreal kBrace = 1.0;     // how far the point of a brace stands out
constexpr qreal kArrowPen = 0.16; // shaft of an arrow
constexpr qreal kHead = 0.9;      // length of an arrow head
constexpr qreal kHeadAngle = 22;  // half the opening of an arrow head, in degrees

// The unit normal of a line that points towards `side` of the picture.
QPointF outwards(const QLineF& line, Qt::Edge side)
{
    const QPointF along = (line.p2() - line.p1()) / line.length();
    const QPointF out(-along.y(), along.x());
    const QPointF towards = side == Qt::LeftEdge    ? QPointF(-1, 0)
                            : side == Qt::RightEdge ? QPointF(1, 0)
                            : side == Qt::TopEdge   ? QPointF(0, -1)
                                                    : QPointF(0, 1);
    return QPointF::dotProduct(out, towards) < 0 ? -out : out;
}

// A filled arrow head with its tip at `tip`, its back towards `back`.
QPolygonF arrowHead(QPointF tip, QPointF back, qreal length)
{
    QLineF line(tip, back);
    line.setLength(length);
    QLineF left = line;
    left.setAngle(line.angle() + kHeadAngle);
    QLineF right = line;
    right.setAngle(line.angle() - kHeadAngle);
    return QPolygonF({tip, left.p2(), right.p2()});
}
} // namespace

Schematic::Schematic(QPainter& painter, qreal unit, const QPalette& palette)
    : m_painter(painter)
    , m_unit(unit)
    , m_palette(palette)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_palette.color(QPalette::WindowText), kLine * unit);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void Schematic::wire(std::initializer_list<QPointF> points) const
{
    QPolygonF line;
    for (QPointF p : points)
        line << px(p);
    m_painter.drawPolyline(line);
}

void Schematic::line(QPointF from, QPointF to, const QColor& color, Qt::PenStyle style) const
{
    m_painter.save();
    QPen pen(color, 0.2 * m_unit, style, Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(px(from), px(to));
    m_painter.restore();
}

void Schematic::terminal(QPointF at) const
{
    m_painter.save();
    m_painter.setBrush(m_palette.color(QPalette::Window));
    m_painter.drawEllipse(px(at), kTerminal * m_unit, kTerminal * m_unit);
    m_painter.restore();
}

void Schematic::junction(QPointF at) const
{
    m_painter.save();
    m_painter.setBrush(m_painter.pen().color());
    m_painter.drawEllipse(px(at), 0.22 * m_unit, 0.22 * m_unit);
    m_painter.restore();
}

template <typename Body>
void Schematic::twoTerminal(QPointF from, QPointF to, qreal bodyLength, Body body,
                            const QColor& color) const
{
    const QLineF axis(px(from), px(to));
    const qreal half = axis.length() / 2;
    const qreal bodyHalf = qMin(bodyLength * m_unit, axis.length()) / 2;
    m_painter.save();
    m_painter.translate(axis.center());
    m_painter.rotate(-axis.angle());
    m_painter.drawLine(QPointF(-half, 0), QPointF(-bodyHalf, 0));
    m_painter.drawLine(QPointF(bodyHalf, 0), QPointF(half, 0));
    if (color.isValid()) {
        QPen pen = m_painter.pen();
        pen.setColor(color);
        m_painter.setPen(pen);
    }
    body(bodyHalf);
    m_painter.restore();
}

void Schematic::resistor(QPointF from, QPointF to, const QColor& color) const
{
    twoTerminal(
        from, to, 2.4,
        [this](qreal h) {
            m_painter.setBrush(m_palette.color(QPalette::Base));
            m_painter.drawRect(QRectF(-h, -0.45 * m_unit, 2 * h, 0.9 * m_unit));
        },
        color);
}

void Schematic::impedance(QPointF from, QPointF to, const QColor& color) const
{
    twoTerminal(
        from, to, 3.0,
        [this](qreal h) {
            m_painter.setBrush(m_palette.color(QPalette::Base));
            m_painter.drawRect(QRectF(-h, -0.7 * m_unit, 2 * h, 1.4 * m_unit));
        },
        color);
}

void Schematic::coil(QPointF from, QPointF to, const QColor& color) const
{
    twoTerminal(
        from, to, 2.8,
        [this](qreal h) {
            constexpr int kTurns = 4;
            const qreal w = 2 * h / kTurns;
            QPainterPath path(QPointF(-h, 0));
            for (int i = 0; i < kTurns; ++i)
                path.arcTo(QRectF(-h + i * w, -w / 2, w, w), 180, -180);
            m_painter.drawPath(path);
        },
        color);
}

void Schematic::capacitor(QPointF from, QPointF to, const QColor& color) const
{
    twoTerminal(
        from, to, 0.5,
        [this](qreal h) {
            QPen plate = m_painter.pen();
            plate.setWidthF(0.22 * m_unit);
            plate.setCapStyle(Qt::FlatCap);
            m_painter.setPen(plate);
            const qreal half = 0.8 * m_unit;
            m_painter.drawLine(QPointF(-h, -half), QPointF(-h, half));
            m_painter.drawLine(QPointF(h, -half), QPointF(h, half));
        },
        color);
}

void Schematic::source(QPointF from, QPointF to) const
{
    const qreal angle = QLineF(from, to).angle();
    twoTerminal(from, to, 1.8, [this, angle](qreal h) {
        m_painter.drawEllipse(QPointF(0, 0), h, h);
        m_painter.rotate(angle); // undo the turn of the part: a sine reads left to right
        constexpr int kSteps = 32;
        const qreal width = 1.2 * h;
        const qreal height = 0.35 * h;
        QPolygonF wave;
        for (int i = 0; i <= kSteps; ++i) {
            const qreal t = qreal(i) / kSteps;
            wave << QPointF(-width / 2 + t * width, -height * std::sin(2 * std::numbers::pi * t));
        }
        m_painter.drawPolyline(wave);
    });
}

void Schematic::ground(QPointF at) const
{
    const QPointF p = px(at);
    const qreal u = m_unit;
    m_painter.drawLine(p, p + QPointF(0, 0.4 * u));
    m_painter.drawLine(p + QPointF(-0.8 * u, 0.4 * u), p + QPointF(0.8 * u, 0.4 * u));
    m_painter.drawLine(p + QPointF(-0.5 * u, 0.7 * u), p + QPointF(0.5 * u, 0.7 * u));
    m_painter.drawLine(p + QPointF(-0.2 * u, 1.0 * u), p + QPointF(0.2 * u, 1.0 * u));
}

void Schematic::arrow(QPointF from, QPointF to, const QColor& color) const
{
    const QLineF shaft(px(from), px(to));
    const qreal head = qMin(kHead * m_unit, shaft.length() / 2);
    m_painter.save();
    QPen pen(color, kArrowPen * m_unit);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.setBrush(color);
    QLineF body = shaft;
    body.setLength(shaft.length() - head * 0.8);
    m_painter.drawLine(body);
    m_painter.setPen(Qt::NoPen);
    m_painter.drawPolygon(arrowHead(shaft.p2(), shaft.p1(), head));
    m_painter.restore();
}

void Schematic::arcArrow(QPointF from, QPointF to, qreal height, Qt::Edge side, const QColor& color,
                         bool doubleHeaded) const
{
    const QLineF chord(px(from), px(to));
    const qreal c = chord.length();
    const qreal h = height * m_unit;
    if (c == 0 || h <= 0) { // no bow: a straight arrow
        if (doubleHeaded) {
            arrow((from + to) / 2, from, color);
            arrow((from + to) / 2, to, color);
        } else {
            arrow(from, to, color);
        }
        return;
    }
    const QPointF along = (chord.p2() - chord.p1()) / c;
    const QPointF out = outwards(chord, side);
    // the circle through both ends and the point `h` out from the middle of the chord
    const qreal radius = (c * c / 4 + h * h) / (2 * h);
    const QPointF centre = chord.center() - (radius - h) * out;
    const qreal half = std::atan2(c / 2, radius - h); // angle from the middle to an end
    const auto at = [&](qreal a) {
        return centre + radius * (std::sin(a) * along + std::cos(a) * out);
    };

    const qreal length = 2 * half * radius;
    const qreal head = qMin(kHead * m_unit, length / (doubleHeaded ? 4 : 2));
    // the shaft ends inside the heads, so its flat end does not show beside the tip
    const qreal into = 0.8 * head / radius;
    const qreal start = doubleHeaded ? -half + into : -half;
    const qreal end = half - into;
    constexpr int kSteps = 64;
    QPolygonF shaft;
    for (int i = 0; i <= kSteps; ++i)
        shaft << at(start + (end - start) * i / kSteps);

    m_painter.save();
    QPen pen(color, kArrowPen * m_unit);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawPolyline(shaft);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    const qreal back = head / radius;
    m_painter.drawPolygon(arrowHead(at(half), at(half - back), head));
    if (doubleHeaded)
        m_painter.drawPolygon(arrowHead(at(-half), at(-half + back), head));
    m_painter.restore();
}

void Schematic::wideArrow(QPointF from, QPointF to, qreal width, const QColor& color,
                          bool doubleHeaded) const
{
    const QLineF axis(px(from), px(to));
    const qreal length = axis.length();
    if (length == 0 || width <= 0)
        return;
    const qreal half = width * m_unit / 2;
    const qreal shaft = half / 2;
    const qreal head = qMin(1.4 * half, length / (doubleHeaded ? 2 : 1));
    const qreal back = doubleHeaded ? head : 0; // where the shaft starts
    // outlined along the upper side from the start, back along the lower side
    QPolygonF shape;
    if (doubleHeaded)
        shape << QPointF(0, 0) << QPointF(head, -half);
    shape << QPointF(back, -shaft) << QPointF(length - head, -shaft)
          << QPointF(length - head, -half) << QPointF(length, 0) << QPointF(length - head, half)
          << QPointF(length - head, shaft) << QPointF(back, shaft);
    if (doubleHeaded)
        shape << QPointF(head, half);

    m_painter.save();
    m_painter.translate(axis.p1());
    m_painter.rotate(-axis.angle());
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color);
    m_painter.drawPolygon(shape);
    m_painter.restore();
}

void Schematic::label(QPointF at, const QString& text, const QString& subscript,
                      Qt::Alignment align, qreal size, const QColor& color) const
{
    m_painter.save();
    if (color.isValid())
        m_painter.setPen(color);
    QFont font = m_painter.font();
    font.setPixelSize(qMax(1, qRound(size * m_unit)));
    QFont small = font;
    small.setPixelSize(qMax(1, qRound(size * m_unit * 0.7)));
    const QFontMetricsF fm(font);
    const QFontMetricsF sm(small);
    const qreal width = fm.horizontalAdvance(text) + sm.horizontalAdvance(subscript);

    QPointF origin = px(at);
    if (align & Qt::AlignHCenter)
        origin.rx() -= width / 2;
    else if (align & Qt::AlignRight)
        origin.rx() -= width;
    if (align & Qt::AlignVCenter)
        origin.ry() += (fm.ascent() - fm.descent()) / 2;
    else if (align & Qt::AlignTop)
        origin.ry() += fm.ascent();

    m_painter.setFont(font);
    m_painter.drawText(origin, text);
    if (!subscript.isEmpty()) {
        m_painter.setFont(small);
        m_painter.drawText(origin + QPointF(fm.horizontalAdvance(text), 0.35 * fm.ascent()),
                           subscript);
    }
    m_painter.restore();
}

void Schematic::block(const QRectF& rect, const QString& title) const
{
    m_painter.save();
    m_painter.setBrush(m_palette.color(QPalette::Base));
    QPen pen = m_painter.pen();
    pen.setWidthF(0.18 * m_unit);
    m_painter.setPen(pen);
    m_painter.drawRect(QRectF(px(rect.topLeft()), px(rect.bottomRight())));
    m_painter.restore();
    if (!title.isEmpty())
        label(rect.topLeft() + QPointF(0.7, 0.6), title, {}, Qt::AlignLeft | Qt::AlignTop, 1.4);
}

void Schematic::dashedFrame(const QRectF& rect) const
{
    m_painter.save();
    QPen pen = m_painter.pen();
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(0.08 * m_unit);
    m_painter.setPen(pen);
    m_painter.drawRect(QRectF(px(rect.topLeft()), px(rect.bottomRight())));
    m_painter.restore();
}

void Schematic::brace(QPointF from, QPointF to, Qt::Edge side) const
{
    const QLineF span(px(from), px(to));
    if (span.length() == 0)
        return;
    const QPointF along = (span.p2() - span.p1()) / span.length();
    const QPointF out = outwards(span, side);

    const qreal half = span.length() / 2;
    const qreal depth = kBrace * m_unit;
    const qreal curl = qMin(depth / 2, half / 2);
    // a point of the brace: a along the span from its centre, b out towards the point
    const auto at = [&](qreal a, qreal b) { return span.center() + a * along + b * out; };
    QPainterPath path(at(-half, 0));
    path.quadTo(at(-half, depth / 2), at(-half + curl, depth / 2));
    path.lineTo(at(-curl, depth / 2));
    path.quadTo(at(0, depth / 2), at(0, depth));
    path.quadTo(at(0, depth / 2), at(curl, depth / 2));
    path.lineTo(at(half - curl, depth / 2));
    path.quadTo(at(half, depth / 2), at(half, 0));
    m_painter.drawPath(path);
}

} // namespace ampero
