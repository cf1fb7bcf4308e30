// Pictures of the RLC network pages: R, L and C in series or in parallel, each circuit in
// three views marking its impedance or admittance, its voltages and currents, or its powers.
// The views of one circuit, and the circuits of one kind, share every position, so that the
// page can swap them in place.
#include "Pictures.h"
#include "Schematic.h"

#include <vector>

namespace ampero {

namespace {

constexpr qreal kText = 1.4; // labels of parts and quantities
constexpr QSizeF kSize(30, 14);

enum class Parts { RLC, RL, RC };
enum class View { Immittance, VoltageCurrent, Power };
enum class Kind { R, L, C };

// A part with its names: the index of its quantities, its conductance or susceptance above
// a parallel branch, and its power.
struct Part {
    Kind kind;
    QString index;
    QString conductance, conductanceIndex;
    QString power, powerIndex;
};

std::vector<Part> parts(Parts which)
{
    const QString R = QStringLiteral("R"), L = QStringLiteral("L"), C = QStringLiteral("C");
    const QString B = QStringLiteral("B"), Q = QStringLiteral("Q");
    const Part r{Kind::R, R, QStringLiteral("G"), {}, QStringLiteral("P"), {}};
    const Part l{Kind::L, L, B, L, Q, L};
    const Part c{Kind::C, C, B, C, Q, C};
    switch (which) {
    case Parts::RL:
        return {r, l};
    case Parts::RC:
        return {r, c};
    case Parts::RLC:
        break;
    }
    return {r, l, c};
}

void drawPart(const Schematic& s, Kind kind, QPointF from, QPointF to)
{
    switch (kind) {
    case Kind::R:
        s.resistor(from, to);
        break;
    case Kind::L:
        s.coil(from, to);
        break;
    case Kind::C:
        s.capacitor(from, to);
        break;
    }
}

void name(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {},
          Qt::Alignment align = Qt::AlignCenter, const QColor& color = {})
{
    s.label(at, text, subscript, align, kText, color);
}

// A straight arrow with heads at both ends, drawn as two arrows out from its middle.
void doubleArrow(const Schematic& s, QPointF from, QPointF to, const QColor& color)
{
    const QPointF middle = (from + to) / 2;
    s.arrow(middle, from, color);
    s.arrow(middle, to, color);
}

// R, L and C in a row between two terminals on one line. The quantity of the whole
// connection arcs over it, those of single parts stand under them.
namespace series {
constexpr qreal kLine = 8;
constexpr qreal kLeft = 4, kRight = 27; // terminals
constexpr qreal kName = kLine - 1.9;    // names of the parts
constexpr qreal kOver = kLine - 0.8;    // ends of the arc over the whole connection
constexpr qreal kOverHeight = 4.6;
constexpr qreal kWhole = kOver - kOverHeight - 1.2; // the name of that arc
constexpr qreal kUnder = kLine + 1.2;               // ends of the arcs under single parts
constexpr qreal kUnderHeight = 1.2;
constexpr qreal kReach = 2.5;                          // half the width of those arcs
constexpr qreal kSingle = kUnder + kUnderHeight + 1.2; // the names of those arcs
constexpr qreal kPower = kLine + 2.1;                  // powers of single parts
} // namespace series

void drawSeries(const Schematic& s, Parts which, View view)
{
    using namespace series;
    const std::vector<Part> row = parts(which);
    const qreal step = (kRight - kLeft) / qreal(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        const qreal from = kLeft + qreal(i) * step;
        const qreal x = from + step / 2;
        const Part& part = row[i];
        drawPart(s, part.kind, {from, kLine}, {from + step, kLine});
        name(s, {x, kName}, part.index);
        if (view == View::VoltageCurrent) {
            s.arcArrow({x - kReach, kUnder}, {x + kReach, kUnder}, kUnderHeight, Qt::BottomEdge,
                       s.voltageColor());
            name(s, {x, kSingle}, QStringLiteral("U"), part.index, Qt::AlignCenter,
                 s.voltageColor());
        } else if (view == View::Power) {
            name(s, {x, kPower}, part.power, part.powerIndex, Qt::AlignCenter,
                 s.powerColor());
        }
    }
    s.terminal({kLeft, kLine});
    s.terminal({kRight, kLine});

    const QPointF overFrom(kLeft, kOver), overTo(kRight, kOver);
    const QPointF whole((kLeft + kRight) / 2, kWhole);
    if (view == View::Immittance) {
        s.arcArrow(overFrom, overTo, kOverHeight, Qt::TopEdge, s.textColor(), true);
        name(s, whole, QStringLiteral("Z"));
        return;
    }
    const QColor color =
        view == View::VoltageCurrent ? s.voltageColor() : s.powerColor();
    s.arcArrow(overFrom, overTo, kOverHeight, Qt::TopEdge, color);
    name(s, whole, view == View::VoltageCurrent ? QStringLiteral("U") : QStringLiteral("S"), {},
         Qt::AlignCenter, color);
    // the current common to all parts, flowing in at the left terminal
    const qreal arrowEnd = kLeft - 0.5;
    s.arrow({0.6, kLine}, {arrowEnd, kLine}, s.currentColor());
    name(s, {(0.6 + arrowEnd) / 2, kLine - 1.2}, QStringLiteral("I*"), {}, Qt::AlignCenter,
         s.currentColor());
}

// Two terminals on the left, a rail from each to the right, and R, L and C hanging between
// the rails. The quantity of the whole stands at the terminals and the top rail, those of
// single branches above or beside them.
namespace parallel {
constexpr qreal kTop = 3.2, kBottom = 12.2; // rails
constexpr qreal kIn = 4;                    // terminals
constexpr qreal kFirst = 11, kPitch = 7;    // branches
constexpr qreal kAbove = kTop - 1.5;        // names above the branches
constexpr qreal kFlow = kTop - 0.7;         // the arrow along the top rail
constexpr qreal kFlowFrom = kIn + 1.2, kFlowTo = kFirst - 2.2;
constexpr qreal kBesideTerminals = kIn - 0.7; // names of the arrow between the terminals
constexpr qreal kBranchArrow = 0.7;           // how far right of its branch a current flows
} // namespace parallel

void drawParallel(const Schematic& s, Parts which, View view)
{
    using namespace parallel;
    const std::vector<Part> row = parts(which);
    const qreal last = kFirst + qreal(row.size() - 1) * kPitch;
    const qreal middle = (kTop + kBottom) / 2;
    for (qreal y : {kTop, kBottom}) {
        s.wire({{kIn, y}, {last, y}});
        s.terminal({kIn, y});
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
        const qreal x = kFirst + qreal(i) * kPitch;
        const Part& part = row[i];
        drawPart(s, part.kind, {x, kTop}, {x, kBottom});
        s.junction({x, kTop});
        s.junction({x, kBottom});
        name(s, {x + 1.3, middle}, part.index, {}, Qt::AlignLeft | Qt::AlignVCenter);
        switch (view) {
        case View::Immittance:
            name(s, {x, kAbove}, part.conductance, part.conductanceIndex);
            break;
        case View::VoltageCurrent: {
            const qreal ax = x + kBranchArrow;
            s.arrow({ax, kTop + 0.6}, {ax, kTop + 2.6}, s.currentColor());
            name(s, {ax + 0.5, kTop + 1.6}, QStringLiteral("I"), part.index,
                 Qt::AlignLeft | Qt::AlignVCenter, s.currentColor());
            break;
        }
        case View::Power:
            name(s, {x, kAbove}, part.power, part.powerIndex, Qt::AlignCenter,
                 s.powerColor());
            break;
        }
    }

    const QPointF upper(kIn, kTop + 0.7), lower(kIn, kBottom - 0.7);
    const QPointF besideTerminals(kBesideTerminals, middle);
    const Qt::Alignment leftOf = Qt::AlignRight | Qt::AlignVCenter;
    if (view == View::Immittance) {
        doubleArrow(s, upper, lower, s.textColor());
        name(s, besideTerminals, QStringLiteral("Y"), {}, leftOf);
        return;
    }
    // the voltage common to all branches, across the terminals
    s.arrow(upper, lower, s.voltageColor());
    name(s, besideTerminals, QStringLiteral("U*"), {}, leftOf, s.voltageColor());
    const bool current = view == View::VoltageCurrent;
    const QColor color = current ? s.currentColor() : s.powerColor();
    s.arrow({kFlowFrom, kFlow}, {kFlowTo, kFlow}, color);
    name(s, {(kFlowFrom + kFlowTo) / 2, kAbove},
         current ? QStringLiteral("I") : QStringLiteral("S"), {}, Qt::AlignCenter, color);
}

template <Parts which, View view> void seriesView(const Schematic& s)
{
    drawSeries(s, which, view);
}

template <Parts which, View view> void parallelView(const Schematic& s)
{
    drawParallel(s, which, view);
}

template <Parts which, View view> Picture seriesPicture(const char* name)
{
    return {QString::fromLatin1(name), kSize, seriesView<which, view>};
}

template <Parts which, View view> Picture parallelPicture(const char* name)
{
    return {QString::fromLatin1(name), kSize, parallelView<which, view>};
}

} // namespace

std::vector<Picture> networkPictures()
{
    using enum Parts;
    using enum View;
    std::vector<Picture> all = {
        seriesPicture<RLC, Immittance>("RLC_I_R_RLC1"),
        seriesPicture<RL, Immittance>("RLC_I_R_RL1"),
        seriesPicture<RC, Immittance>("RLC_I_R_RC1"),
        seriesPicture<RLC, VoltageCurrent>("RLC_I_R_RLC2"),
        seriesPicture<RL, VoltageCurrent>("RLC_I_R_RL2"),
        seriesPicture<RC, VoltageCurrent>("RLC_I_R_RC2"),
        seriesPicture<RLC, Power>("RLC_I_R_RLC3"),
        seriesPicture<RL, Power>("RLC_I_R_RL3"),
        seriesPicture<RC, Power>("RLC_I_R_RC3"),
        parallelPicture<RLC, Immittance>("RLC_I_P_RLC1"),
        parallelPicture<RL, Immittance>("RLC_I_P_RL1"),
        parallelPicture<RC, Immittance>("RLC_I_P_RC1"),
        parallelPicture<RLC, VoltageCurrent>("RLC_I_P_RLC2"),
        parallelPicture<RL, VoltageCurrent>("RLC_I_P_RL2"),
        parallelPicture<RC, VoltageCurrent>("RLC_I_P_RC2"),
        parallelPicture<RLC, Power>("RLC_I_P_RLC3"),
        parallelPicture<RL, Power>("RLC_I_P_RL3"),
        parallelPicture<RC, Power>("RLC_I_P_RC3"),
    };
    for (Picture& p : all)
        p.hints = {{QRectF(QPointF(0, 0), p.size), QStringLiteral("Schaltbild")}};
    return all;
}

} // namespace ampero
