// Ladder networks drawn from their description: the attenuators, the resistive pads and the
// L, Pi and T matching networks, on their pages and in their voltage/current windows.
#include "LadderPictures.h"

#include "Schematic.h"

#include <algorithm>

namespace ampero {

namespace {

constexpr qreal kText = 1.4;     // names of parts
constexpr qreal kMarkText = 1.3; // names of voltages and currents
constexpr qreal kEndPart = 3.9;  // a termination's part, from the picture's edge
constexpr qreal kTerminal = 6.1; // terminals beside a termination, from the edge
constexpr qreal kBare = 1.5;     // terminals without a termination, from the edge
constexpr qreal kAbove = 2.0;    // names over parts in the upper line, clear of capacitor plates
constexpr qreal kBelow = 1.9;    // names under parts in the lower line
constexpr qreal kLossHalf = 4;   // a part with its loss resistance: half its length

const Qt::Alignment kLeftOf = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment kRightOf = Qt::AlignLeft | Qt::AlignVCenter;

using Kind = LadderPart::Kind;
using Place = LadderPart::Place;
using Ink = LadderPart::Ink;

qreal bodyLength(Kind kind)
{
    switch (kind) {
    case Kind::Resistor:
        return 2.4;
    case Kind::Coil:
        return 2.8;
    case Kind::Capacitor:
        return 0.5;
    case Kind::Impedance:
        break;
    }
    return 3.0;
}

// How far a name beside a standing part keeps from its axis.
qreal nameOffset(Kind kind)
{
    switch (kind) {
    case Kind::Resistor:
        return 1.1;
    case Kind::Coil:
    case Kind::Capacitor:
        return 1.3;
    case Kind::Impedance:
        break;
    }
    return 1.2;
}

QColor inkOf(const Schematic& s, Ink ink)
{
    switch (ink) {
    case Ink::Usual:
        return s.usualKindColor();
    case Ink::Changed:
        return s.changedKindColor();
    case Ink::Plain:
        break;
    }
    return {};
}

void drawPart(const Schematic& s, Kind kind, QPointF from, QPointF to, const QColor& color)
{
    switch (kind) {
    case Kind::Resistor:
        s.resistor(from, to, color);
        break;
    case Kind::Coil:
        s.coil(from, to, color);
        break;
    case Kind::Capacitor:
        s.capacitor(from, to, color);
        break;
    case Kind::Impedance:
        s.impedance(from, to, color);
        break;
    }
}

void name(const Schematic& s, QPointF at, const QString& text, const QString& index,
          Qt::Alignment align = Qt::AlignCenter)
{
    s.label(at, text, index, align, kText);
}

void mark(const Schematic& s, QPointF at, const LadderMark& m, Qt::Alignment align,
          const QColor& color)
{
    s.label(at, m.text, m.index, align, kMarkText, color);
}

const QString kLoss = QStringLiteral("R");
const QString kLossIndex = QStringLiteral("v");

// Where the parts of a ladder stand: series parts span [from, to] of the upper line, shunt
// parts stand at `from`. `side` is where the names of a shunt part go: +1 right, -1 left.
struct Spot {
    qreal from;
    qreal to;
    int side = 1;
};

struct Layout {
    qreal left, right; // terminals
    std::vector<Spot> spots;
};

// The two lines of a ladder, in the coordinates of its picture.
struct Lines {
    qreal upper, lower;
};

// The room a shunt part next to a terminal keeps from it.
qreal endGap(const LadderPart& p, bool arrow)
{
    qreal gap = 2.5;
    if (arrow)
        gap = 3.8;
    if (p.voltage.shown())
        gap = 5.5;
    return gap;
}

Layout layOut(const Ladder& ladder, QPointF o)
{
    const auto inset = [](const LadderEnd& end) {
        return end.kind == LadderEnd::Kind::Terminals ? kBare : kTerminal;
    };
    Layout layout{
        o.x() + inset(ladder.left), o.x() + ladder.size.width() - inset(ladder.right), {}};
    const std::vector<LadderPart>& parts = ladder.parts;
    const std::size_t n = parts.size();
    // fixed gaps around shunt parts that have no series part beside them
    std::vector<qreal> gapBefore(n, 0);
    qreal fixed = 0;
    int series = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (parts[i].place == Place::Series) {
            ++series;
            continue;
        }
        if (i == 0)
            gapBefore[i] = endGap(parts[i], ladder.left.arrowIn);
        else if (parts[i - 1].place == Place::Shunt)
            gapBefore[i] = 6;
        fixed += gapBefore[i];
        if (i + 1 == n)
            fixed += endGap(parts[i], ladder.right.arrowIn);
    }
    const qreal width = layout.right - layout.left;
    const qreal free = std::max<qreal>(0, width - fixed);
    const qreal step = series > 0 ? free / series : 0;
    if (series == 0 && fixed > 0) // shunt parts alone share the whole width
        for (qreal& gap : gapBefore)
            gap *= width / fixed;
    qreal x = layout.left;
    for (std::size_t i = 0; i < n; ++i) {
        if (parts[i].place == Place::Series) {
            layout.spots.push_back({x, x + step});
            x += step;
        } else {
            x += gapBefore[i];
            const bool last = i + 1 == n && i > 0;
            layout.spots.push_back({x, x, last ? -1 : 1});
        }
    }
    return layout;
}

void drawEnd(const Schematic& s, Lines lines, const LadderEnd& end, qreal terminal, qreal edge,
             int outwards)
{
    const qreal top = lines.upper, bottom = lines.lower;
    const qreal middle = (top + bottom) / 2;
    const qreal x = edge - outwards * kEndPart;
    switch (end.kind) {
    case LadderEnd::Kind::Terminals:
        break;
    case LadderEnd::Kind::Resistor:
        s.wire({{terminal, top}, {x, top}, {x, bottom}, {terminal, bottom}});
        s.resistor({x, top}, {x, bottom});
        name(s, {x + outwards * 0.9, middle}, end.name, end.index,
             outwards < 0 ? kLeftOf : kRightOf);
        break;
    case LadderEnd::Kind::Box: {
        const qreal half = std::min<qreal>(2, (bottom - top) / 2 - 1);
        s.wire({{terminal, top}, {x, top}, {x, middle - half}});
        s.wire({{x, middle + half}, {x, bottom}, {terminal, bottom}});
        s.block(QRectF(QPointF(x - 1.4, middle - half), QPointF(x + 1.4, middle + half)));
        name(s, {x, middle}, end.name, end.index);
        break;
    }
    }
    if (!end.word.isEmpty())
        s.label({x, top - 3.3}, end.word, {}, Qt::AlignCenter, 1.3);
    // The side it is matched to: a pointer over the terminal into the network, clear of the
    // parts, so that it does not read as a potentiometer's wiper.
    if (end.arrowIn)
        s.arrow({terminal + outwards * 0.2, top - 1.3}, {terminal - outwards * 2.6, top - 1.3},
                s.textColor());
}

// A series part in one line between `from` and `to`; its names over it in the upper line and
// under it in the lower one. Its voltage arcs over its name, so that the room between the
// lines stays with the shunt parts and their marks.
void drawSeries(const Schematic& s, const LadderPart& p, qreal from, qreal to, qreal y, bool upper)
{
    const QColor ink = inkOf(s, p.ink);
    const qreal c = (from + to) / 2;
    const qreal nameY = upper ? y - kAbove : y + kBelow;
    qreal bodyLeft = c - bodyLength(p.kind) / 2;
    qreal reach = bodyLength(p.kind) / 2 + 0.4; // of the voltage arrow
    if (!p.lossy) {
        drawPart(s, p.kind, {from, y}, {to, y}, ink);
        name(s, {c, nameY}, p.name, p.index);
    } else {
        s.wire({{from, y}, {c - kLossHalf, y}});
        drawPart(s, p.kind, {c - kLossHalf, y}, {c, y}, ink);
        s.resistor({c, y}, {c + kLossHalf, y});
        s.wire({{c + kLossHalf, y}, {to, y}});
        name(s, {c - kLossHalf / 2, nameY}, p.name, p.index);
        name(s, {c + kLossHalf / 2, nameY}, kLoss, kLossIndex);
        if (p.group.shown() && upper) {
            const qreal braceY = y + 1.1;
            s.brace({c - kLossHalf + 0.6, braceY}, {c + kLossHalf - 0.6, braceY}, Qt::BottomEdge);
            name(s, {c, braceY + 2.1}, p.group.text, p.group.index);
        }
        bodyLeft = c - kLossHalf / 2 - bodyLength(p.kind) / 2;
        reach = kLossHalf - 0.4;
    }
    if (!upper)
        return;
    if (p.voltage.shown()) {
        s.arcArrow({c - reach, y - 3.0}, {c + reach, y - 3.0}, 0.9, Qt::TopEdge, s.voltageColor());
        mark(s, {c, y - 4.9}, p.voltage, Qt::AlignCenter, s.voltageColor());
    }
    if (p.current.shown()) {
        const qreal end = bodyLeft - 0.5;
        s.arrow({end - 2.2, y}, {end, y}, s.currentColor());
        mark(s, {end - 1.1, y - 1.3}, p.current, Qt::AlignCenter, s.currentColor());
    }
}

// A shunt part standing at x from the upper to the lower line.
void drawShunt(const Schematic& s, Lines lines, const LadderPart& p, qreal x, int side)
{
    const QColor ink = inkOf(s, p.ink);
    const qreal top = lines.upper, bottom = lines.lower;
    const Qt::Alignment outside = side > 0 ? kRightOf : kLeftOf;
    const Qt::Alignment inside = side > 0 ? kLeftOf : kRightOf;
    qreal from = 0, to = 0; // the extent of its bodies, for the voltage arrow
    if (!p.lossy) {
        const qreal middle = (top + bottom) / 2;
        drawPart(s, p.kind, {x, top}, {x, bottom}, ink);
        name(s, {x + side * nameOffset(p.kind), middle}, p.name, p.index, outside);
        from = middle - bodyLength(p.kind) / 2;
        to = middle + bodyLength(p.kind) / 2;
    } else {
        // the part above its loss resistance, both clear of the current arrow on the lead
        const qreal lead = p.current.shown() ? 2.2 : 0.6;
        const qreal start = top + 0.8;
        const qreal joint = start + bodyLength(p.kind) + 0.3;
        const qreal end = bottom - lead;
        drawPart(s, p.kind, {x, start}, {x, joint}, ink);
        s.resistor({x, joint}, {x, end});
        s.wire({{x, top}, {x, start}});
        s.wire({{x, end}, {x, bottom}});
        const qreal partMiddle = (start + joint) / 2;
        const qreal lossMiddle = (joint + end) / 2;
        name(s, {x + side * nameOffset(p.kind), partMiddle}, p.name, p.index, outside);
        name(s, {x + side * 1.1, lossMiddle}, kLoss, kLossIndex, outside);
        from = partMiddle - bodyLength(p.kind) / 2;
        to = lossMiddle + 1.2;
        if (p.group.shown()) {
            const qreal braceX = x + side * 3.9;
            s.brace({braceX, from}, {braceX, to}, side > 0 ? Qt::RightEdge : Qt::LeftEdge);
            name(s, {braceX + side * 1.6, (from + to) / 2}, p.group.text, p.group.index, outside);
        }
    }
    if (p.voltage.shown()) {
        const qreal ax = x - side * 1.4;
        s.arrow({ax, from}, {ax, to}, s.voltageColor());
        mark(s, {ax - side * 0.6, (from + to) / 2}, p.voltage, inside, s.voltageColor());
    }
    // on the lower lead, out of the way of the marks of the series parts
    if (p.current.shown()) {
        const qreal ax = x + side * 0.7;
        s.arrow({ax, bottom - 2.0}, {ax, bottom - 0.5}, s.currentColor());
        mark(s, {ax + side * 0.5, bottom - 1.25}, p.current, outside, s.currentColor());
    }
}

} // namespace

void drawLadder(const Schematic& s, const Ladder& ladder, QPointF origin)
{
    const Layout layout = layOut(ladder, origin);
    const qreal edgeLeft = origin.x(), edgeRight = origin.x() + ladder.size.width();
    const Lines at{ladder.upper + origin.y(), ladder.lower + origin.y()};

    // the lines, broken where series parts stand in them
    const auto lineWith = [&](qreal y, bool broken) {
        qreal x = layout.left;
        for (std::size_t i = 0; i < ladder.parts.size(); ++i) {
            if (!broken || ladder.parts[i].place != Place::Series)
                continue;
            s.wire({{x, y}, {layout.spots[i].from, y}});
            x = layout.spots[i].to;
        }
        s.wire({{x, y}, {layout.right, y}});
    };
    lineWith(at.upper, true);
    lineWith(at.lower, ladder.balanced);

    drawEnd(s, at, ladder.left, layout.left, edgeLeft, -1);
    drawEnd(s, at, ladder.right, layout.right, edgeRight, 1);

    for (std::size_t i = 0; i < ladder.parts.size(); ++i) {
        const LadderPart& p = ladder.parts[i];
        const Spot& spot = layout.spots[i];
        if (p.place == Place::Series) {
            drawSeries(s, p, spot.from, spot.to, at.upper, true);
            if (ladder.balanced)
                drawSeries(s, p, spot.from, spot.to, at.lower, false);
        } else {
            drawShunt(s, at, p, spot.from, spot.side);
            if (spot.from != layout.left && spot.from != layout.right) {
                s.junction({spot.from, at.upper});
                s.junction({spot.from, at.lower});
            }
        }
    }

    for (qreal x : {layout.left, layout.right}) {
        s.terminal({x, at.upper});
        s.terminal({x, at.lower});
    }
}

Picture ladderPicture(const QString& name, const Ladder& ladder)
{
    return {name, ladder.size, [ladder](const Schematic& s) { drawLadder(s, ladder); }};
}

} // namespace ampero
