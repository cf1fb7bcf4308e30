// Pictures of the component pages: the equivalent circuits of a real coil and a real
// capacitor, and the resonant circuits alone and between a generator and a load.
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

constexpr qreal kText = 1.4; // labels of parts

void name(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {},
          Qt::Alignment align = Qt::AlignCenter)
{
    s.label(at, text, subscript, align, kText);
}

void nameLeft(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {})
{
    name(s, at, text, subscript, Qt::AlignRight | Qt::AlignVCenter);
}

void nameRight(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {})
{
    name(s, at, text, subscript, Qt::AlignLeft | Qt::AlignVCenter);
}

// A real coil: its inductance with the loss resistance in series; together they make the
// impedance Z.
namespace coil {
constexpr qreal kX = 5;
constexpr qreal kTop = 1.5, kBottom = 18.5; // terminals
constexpr qreal kCoil = 7, kResistor = 13;  // centres of the parts
} // namespace coil

void drawCoilEquivalent(const Schematic& s)
{
    using namespace coil;
    s.terminal({kX, kTop});
    s.wire({{kX, kTop}, {kX, kCoil - 2}});
    s.coil({kX, kCoil - 2}, {kX, kCoil + 2});
    s.wire({{kX, kCoil + 2}, {kX, kResistor - 2}});
    s.resistor({kX, kResistor - 2}, {kX, kResistor + 2});
    s.wire({{kX, kResistor + 2}, {kX, kBottom}});
    s.terminal({kX, kBottom});
    nameLeft(s, {kX - 1.6, kCoil - 0.8}, QStringLiteral("L"));
    nameLeft(s, {kX - 1.6, kCoil + 0.8}, QStringLiteral("X"));
    nameLeft(s, {kX - 1.6, kResistor}, QStringLiteral("R"));
    const qreal braceX = kX + 2.2;
    s.brace({braceX, kCoil - 1.6}, {braceX, kResistor + 1.4}, Qt::RightEdge);
    nameRight(s, {braceX + 1.6, (kCoil + kResistor) / 2 - 0.1}, QStringLiteral("Z"));
}

// A real capacitor: its capacitance with the loss resistance in parallel.
namespace capacitor {
constexpr qreal kIn = 2;                // terminals
constexpr qreal kC = 7.5, kR = 13.5;    // the two branches
constexpr qreal kTop = 6, kBottom = 14; // the wires joining them
} // namespace capacitor

void drawCapacitorEquivalent(const Schematic& s)
{
    using namespace capacitor;
    for (qreal y : {kTop, kBottom}) {
        s.terminal({kIn, y});
        s.wire({{kIn, y}, {kR, y}});
        s.junction({kC, y});
    }
    const qreal middle = (kTop + kBottom) / 2;
    s.capacitor({kC, kTop}, {kC, kBottom});
    s.resistor({kR, kTop}, {kR, kBottom});
    nameRight(s, {kC + 1.3, middle - 0.8}, QStringLiteral("C"));
    nameRight(s, {kC + 1.3, middle + 0.8}, QStringLiteral("X"));
    nameRight(s, {kR + 1.1, middle}, QStringLiteral("R"));
    const qreal braceY = kTop - 1.5;
    s.brace({kC - 1, braceY}, {kR + 1, braceY}, Qt::TopEdge);
    name(s, {(kC + kR) / 2, braceY - 2.1}, QStringLiteral("Z"));
}

// The resonant circuits share one frame: an upper and a lower line, the lower one grounded,
// with either input terminals or a generator with its source resistance on the left and
// either output terminals or the load on the right.
namespace lc {
constexpr qreal kUpper = 2.8, kLower = 10.6;
constexpr qreal kIn = 1.5, kOut = 28.5; // terminals
constexpr qreal kSource = 2, kSourceEnd = 7.5;
constexpr qreal kLoad = 26.5;
constexpr qreal kGround = 15;
constexpr qreal kAbove = kUpper - 1.6; // labels of parts in the upper line
} // namespace lc

void drawTerminals(const Schematic& s, qreal x)
{
    using namespace lc;
    s.terminal({x, kUpper});
    s.terminal({x, kLower});
}

void drawGround(const Schematic& s, qreal from, qreal to, qreal at = lc::kGround)
{
    using namespace lc;
    s.wire({{from, kLower}, {to, kLower}});
    s.ground({at, kLower});
}

// The generator with Rs and the load RL; the picture fills the upper line in between.
void drawSourceAndLoad(const Schematic& s, qreal groundAt = lc::kGround)
{
    using namespace lc;
    s.source({kSource, kUpper}, {kSource, kLower});
    s.resistor({kSource, kUpper}, {kSourceEnd, kUpper});
    name(s, {(kSource + kSourceEnd) / 2, kAbove}, QStringLiteral("R"), QStringLiteral("s"));
    s.resistor({kLoad, kUpper}, {kLoad, kLower});
    nameRight(s, {kLoad + 1.1, (kUpper + kLower) / 2}, QStringLiteral("R"), QStringLiteral("L"));
    drawGround(s, kSource, kLoad, groundAt);
}

// The real coil standing between the lines: L over Rv in a dashed frame, labels to its right.
void drawStandingCoil(const Schematic& s, qreal x)
{
    using namespace lc;
    const qreal joint = (kUpper + kLower) / 2;
    s.coil({x, kUpper}, {x, joint});
    s.resistor({x, joint}, {x, kLower});
    s.dashedFrame(QRectF(QPointF(x - 1, kUpper + 0.3), QPointF(x + 1, kLower - 0.3)));
    nameRight(s, {x + 1.6, (kUpper + joint) / 2}, QStringLiteral("L"));
    nameRight(s, {x + 1.6, (joint + kLower) / 2}, QStringLiteral("R"), QStringLiteral("v"));
}

// The parallel circuit standing between the lines: C and the real coil side by side.
void drawStandingParallel(const Schematic& s, qreal c, qreal coil)
{
    using namespace lc;
    s.capacitor({c, kUpper}, {c, kLower});
    nameRight(s, {c + 1.3, (kUpper + kLower) / 2}, QStringLiteral("C"));
    drawStandingCoil(s, coil);
}

void drawParallelAlone(const Schematic& s)
{
    using namespace lc;
    // centred, as nothing stands to the right of it
    constexpr qreal kLeft = 3.5, kC = 13, kCoil = 22;
    drawTerminals(s, kLeft);
    s.wire({{kLeft, kUpper}, {kCoil, kUpper}});
    drawGround(s, kLeft, kCoil, (kC + kCoil) / 2);
    for (qreal y : {kUpper, kLower})
        s.junction({kC, y});
    drawStandingParallel(s, kC, kCoil);
}

void drawParallelAcross(const Schematic& s)
{
    using namespace lc;
    constexpr qreal kC = 12, kCoil = 19;
    drawSourceAndLoad(s);
    s.wire({{kSourceEnd, kUpper}, {kLoad, kUpper}});
    for (qreal y : {kUpper, kLower})
        for (qreal x : {kC, kCoil})
            s.junction({x, y});
    drawStandingParallel(s, kC, kCoil);
}

// The parallel circuit lying in the upper line: C above, the real coil below it.
void drawParallelInLine(const Schematic& s)
{
    using namespace lc;
    constexpr qreal kLeft = 9.5, kRight = 21.5, kJoint = 15.5;
    constexpr qreal kBranch = kUpper + 3.4;
    drawSourceAndLoad(s);
    s.wire({{kSourceEnd, kUpper}, {kLeft, kUpper}});
    s.capacitor({kLeft, kUpper}, {kRight, kUpper});
    s.wire({{kRight, kUpper}, {kLoad, kUpper}});
    name(s, {(kLeft + kRight) / 2, kAbove}, QStringLiteral("C"));
    s.wire({{kLeft, kUpper}, {kLeft, kBranch}});
    s.coil({kLeft, kBranch}, {kJoint, kBranch});
    s.resistor({kJoint, kBranch}, {kRight, kBranch});
    s.wire({{kRight, kBranch}, {kRight, kUpper}});
    s.junction({kLeft, kUpper});
    s.junction({kRight, kUpper});
    s.dashedFrame(QRectF(QPointF(kLeft + 1, kBranch - 1), QPointF(kRight - 1, kBranch + 1)));
    const qreal below = kBranch + 2;
    name(s, {(kLeft + kJoint) / 2, below}, QStringLiteral("L"));
    name(s, {(kJoint + kRight) / 2, below}, QStringLiteral("R"), QStringLiteral("v"));
}

// The series circuit lying in the upper line from `from` to `to`: C, L and Rv in a row.
void drawSeriesInLine(const Schematic& s, qreal from, qreal to)
{
    using namespace lc;
    const qreal step = (to - from) / 3;
    const qreal a = from + step, b = from + 2 * step;
    s.capacitor({from, kUpper}, {a, kUpper});
    s.coil({a, kUpper}, {b, kUpper});
    s.resistor({b, kUpper}, {to, kUpper});
    name(s, {from + step / 2, kAbove}, QStringLiteral("C"));
    name(s, {a + step / 2, kAbove}, QStringLiteral("L"));
    name(s, {b + step / 2, kAbove}, QStringLiteral("R"), QStringLiteral("v"));
}

void drawSeriesAlone(const Schematic& s)
{
    using namespace lc;
    drawTerminals(s, kIn);
    drawTerminals(s, kOut);
    drawSeriesInLine(s, kIn, kOut);
    drawGround(s, kIn, kOut);
}

void drawSeriesInLineWithLoad(const Schematic& s)
{
    using namespace lc;
    drawSourceAndLoad(s);
    drawSeriesInLine(s, kSourceEnd, kLoad - 1);
    s.wire({{kLoad - 1, kUpper}, {kLoad, kUpper}});
}

// The series circuit standing from the upper line down to the lower one; the ground stands
// beside it, so that neither crowds the other.
void drawSeriesAcross(const Schematic& s)
{
    using namespace lc;
    constexpr qreal kX = kGround;
    constexpr qreal kA = kUpper + 2.2, kB = kA + 2.8;
    drawSourceAndLoad(s, kX + 6);
    s.wire({{kSourceEnd, kUpper}, {kLoad, kUpper}});
    s.junction({kX, kUpper});
    s.junction({kX, kLower});
    s.capacitor({kX, kUpper}, {kX, kA});
    s.coil({kX, kA}, {kX, kB});
    s.resistor({kX, kB}, {kX, kLower});
    nameRight(s, {kX + 1.3, (kUpper + kA) / 2}, QStringLiteral("C"));
    nameRight(s, {kX + 1.3, (kA + kB) / 2}, QStringLiteral("L"));
    nameRight(s, {kX + 1.3, (kB + kLower) / 2}, QStringLiteral("R"), QStringLiteral("v"));
}

} // namespace

std::vector<Picture> componentPictures()
{
    return {
        {QStringLiteral("XL_I_Ersatz"), {12, 20}, drawCoilEquivalent},
        {QStringLiteral("XC_I_Ersatz"), {18, 16}, drawCapacitorEquivalent},
        {QStringLiteral("LC_I_P_LC"), {30, 12}, drawParallelAlone},
        {QStringLiteral("LC_I_P_RLC"), {30, 12}, drawParallelInLine},
        {QStringLiteral("LC_I_P_RLCR"), {30, 12}, drawParallelAcross},
        {QStringLiteral("LC_I_R_LC"), {30, 12}, drawSeriesAlone},
        {QStringLiteral("LC_I_R_RLC"), {30, 12}, drawSeriesInLineWithLoad},
        {QStringLiteral("LC_I_R_RLCR"), {30, 12}, drawSeriesAcross},
    };
}

} // namespace ampero
