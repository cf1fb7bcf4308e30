// Pictures of the level pages.
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

// The two-port of the dB page: a box with an input port on the left and an output port on
// the right. The page puts its fields around it: input and output beside the terminals,
// gain and factor inside the box.
namespace twoport {
constexpr qreal kLeft = 18, kRight = 44, kTop = 4, kBottom = 21;
constexpr qreal kUpper = 7, kLower = 18; // the two wires of each port
constexpr qreal kIn = 13.5, kOut = 48.5; // terminals
} // namespace twoport

void drawTwoPort(const Schematic& s)
{
    using namespace twoport;
    s.block(QRectF(QPointF(kLeft, kTop), QPointF(kRight, kBottom)), QStringLiteral("Vierpol"));
    for (qreal y : {kUpper, kLower}) {
        s.wire({{kIn, y}, {kLeft, y}});
        s.wire({{kRight, y}, {kOut, y}});
        s.terminal({kIn, y});
        s.terminal({kOut, y});
    }
}

void drawPowerRatio(const Schematic& s)
{
    using namespace twoport;
    drawTwoPort(s);
    const qreal y = kUpper - 1.1;
    s.arrow({kIn + 0.6, y}, {kLeft - 0.4, y}, s.powerColor());
    s.arrow({kRight + 0.4, y}, {kOut - 0.6, y}, s.powerColor());
    s.label({(kIn + kLeft) / 2, y - 1.4}, QStringLiteral("P"), QStringLiteral("in"));
    s.label({(kRight + kOut) / 2, y - 1.4}, QStringLiteral("P"), QStringLiteral("out"));
}

void drawVoltageRatio(const Schematic& s)
{
    using namespace twoport;
    drawTwoPort(s);
    const qreal y = (kUpper + kLower) / 2;
    s.arrow({kIn, kUpper + 1.2}, {kIn, kLower - 1.2}, s.voltageColor());
    s.arrow({kOut, kUpper + 1.2}, {kOut, kLower - 1.2}, s.voltageColor());
    s.label({kIn + 0.8, y}, QStringLiteral("U"), QStringLiteral("in"),
            Qt::AlignLeft | Qt::AlignVCenter);
    s.label({kOut - 0.8, y}, QStringLiteral("U"), QStringLiteral("out"),
            Qt::AlignRight | Qt::AlignVCenter);
}

// The level diagrams of the dB rel. page: the reference as a solid blue line, the comparison
// value as a dashed red line, and the offset between them.
namespace levels {
constexpr qreal kWidth = 22, kLeft = 1, kRight = 21, kArrow = 4;
constexpr qreal kHigh = 3.5, kLow = 10.5; // the two lines
} // namespace levels

void drawLevelPair(const Schematic& s, bool comparisonAbove)
{
    using namespace levels;
    const qreal reference = comparisonAbove ? kLow : kHigh;
    const qreal comparison = comparisonAbove ? kHigh : kLow;
    s.line({kLeft, comparison}, {kRight, comparison}, s.currentColor(), Qt::DashLine);
    s.line({kLeft, reference}, {kRight, reference}, s.voltageColor());
    s.label({kRight, comparison - 0.5}, QStringLiteral("Vergleichswert"), {}, Qt::AlignRight, 1.2);
    s.label({kRight, reference - 0.5}, QStringLiteral("Refenzwert 0dB"), {}, Qt::AlignRight, 1.2);
    s.arrow({kArrow, reference}, {kArrow, comparison}, s.textColor());
    s.label({kArrow + 0.8, (kHigh + kLow) / 2},
            comparisonAbove ? QStringLiteral("+ x dB") : QStringLiteral("− x dB"), {},
            Qt::AlignLeft | Qt::AlignVCenter, 1.3);
}

void drawLevelAbove(const Schematic& s) { drawLevelPair(s, true); }
void drawLevelBelow(const Schematic& s) { drawLevelPair(s, false); }

// The dBm and dBµV pages: the power flowing into the system impedance and the voltage across
// it. The level fields stand beside the arrows, the impedance field above the box.
namespace load {
constexpr qreal kWidth = 16, kHeight = 16;
constexpr qreal kTop = 2, kBottom = 15;   // the wires to the impedance
constexpr qreal kBox = 6, kBoxRight = 10; // the impedance box
constexpr qreal kRail = 1;                // where the wires start on the left
} // namespace load

void drawImpedance(const Schematic& s, bool powerFromLeft)
{
    using namespace load;
    const qreal x = (kBox + kBoxRight) / 2;
    const qreal edge = powerFromLeft ? kRail : kWidth - kRail;
    s.wire({{edge, kTop}, {x, kTop}, {x, 5}});
    s.wire({{x, 12}, {x, kBottom}, {edge, kBottom}});
    s.terminal({edge, kTop});
    s.terminal({edge, kBottom});
    s.block(QRectF(QPointF(kBox, 5), QPointF(kBoxRight, 12)));
    s.label({x, 8.5}, QStringLiteral("Z"), {}, Qt::AlignCenter, 1.8);
    // the voltage across the impedance, on the other side of the box
    const qreal ux = powerFromLeft ? kBoxRight + 3 : kBox - 3;
    s.arrow({ux, 5.5}, {ux, 11.5}, s.voltageColor());
    s.label({powerFromLeft ? ux + 0.7 : ux - 0.7, 8.5}, QStringLiteral("U"), {},
            (powerFromLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, 1.6);
}

void drawPowerArrow(const Schematic& s)
{
    s.arrow({0.5, 2}, {9.5, 2}, s.powerColor());
    s.label({5, 0.8}, QStringLiteral("P"), {}, Qt::AlignCenter, 1.6);
}

void drawDbmLoad(const Schematic& s) { drawImpedance(s, true); }
void drawDbuvLoad(const Schematic& s) { drawImpedance(s, false); }

const QString kPowerHint = QStringLiteral("Leistung in der Systemimpedanz");
const QString kImpedanceHint = QStringLiteral("Systemimpedanz");
const QString kVoltageHint = QStringLiteral("Spannung an der Systemimpedanz");

} // namespace

std::vector<Picture> levelPictures()
{
    using namespace load;
    const QRectF box(QPointF(kBox, 5), QPointF(kBoxRight, 12));
    return {
        {QStringLiteral("dB_I_Leistung"), {62, 23}, drawPowerRatio},
        {QStringLiteral("dB_I_Spannung"), {62, 23}, drawVoltageRatio},
        {QStringLiteral("dBrel_I_plus"), {levels::kWidth, 13}, drawLevelAbove},
        {QStringLiteral("dBrel_I_minus"), {levels::kWidth, 13}, drawLevelBelow},
        {QStringLiteral("dBm_I_P"), {10, 3}, drawPowerArrow, {{{0, 0, 10, 3}, kPowerHint}}},
        {QStringLiteral("dBm_I_Last"),
         {kWidth, kHeight},
         drawDbmLoad,
         {{box, kImpedanceHint}, {{kBoxRight + 1.5, 5, 3, 7}, kVoltageHint}}},
        {QStringLiteral("dBuV_I_P"), {10, 3}, drawPowerArrow, {{{0, 0, 10, 3}, kPowerHint}}},
        {QStringLiteral("dBuV_I_Last"),
         {kWidth, kHeight},
         drawDbuvLoad,
         {{box, kImpedanceHint}, {{kBox - 4.5, 5, 3, 7}, kVoltageHint}}},
    };
}

} // namespace ampero
