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
    s.arrow({kIn + 0.6, y}, {kLeft - 0.4, y}, Schematic::powerColor());
    s.arrow({kRight + 0.4, y}, {kOut - 0.6, y}, Schematic::powerColor());
    s.label({(kIn + kLeft) / 2, y - 1.4}, QStringLiteral("P"), QStringLiteral("in"));
    s.label({(kRight + kOut) / 2, y - 1.4}, QStringLiteral("P"), QStringLiteral("out"));
}

void drawVoltageRatio(const Schematic& s)
{
    using namespace twoport;
    drawTwoPort(s);
    const qreal y = (kUpper + kLower) / 2;
    s.arrow({kIn, kUpper + 1.2}, {kIn, kLower - 1.2}, Schematic::voltageColor());
    s.arrow({kOut, kUpper + 1.2}, {kOut, kLower - 1.2}, Schematic::voltageColor());
    s.label({kIn + 0.8, y}, QStringLiteral("U"), QStringLiteral("in"),
            Qt::AlignLeft | Qt::AlignVCenter);
    s.label({kOut - 0.8, y}, QStringLiteral("U"), QStringLiteral("out"),
            Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

std::vector<Picture> levelPictures()
{
    return {
        {QStringLiteral("dB_I_Leistung"), {62, 23}, drawPowerRatio},
        {QStringLiteral("dB_I_Spannung"), {62, 23}, drawVoltageRatio},
    };
}

} // namespace ampero
