// The picture of the VSWR page: a source with its internal impedance Z1 feeding a load Z2
// over a line, with the forward, reflected and delivered powers on the line.
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

constexpr QSizeF kSize(36, 14);
constexpr qreal kTop = 2.4, kBottom = 13.4; // the dashed blocks
constexpr qreal kUpper = 5, kLower = 11.5;  // the two wires
constexpr qreal kSourceRight = 11.2, kLoadLeft = 25.5;
constexpr qreal kGenerator = 4, kLoad = 30;
constexpr qreal kText = 1.4;

void name(const Schematic& s, QPointF at, const QString& text, const QString& index = {},
          Qt::Alignment align = Qt::AlignCenter, const QColor& color = {})
{
    s.label(at, text, index, align, kText, color);
}

const Qt::Alignment kLeftOf = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment kRightOf = Qt::AlignLeft | Qt::AlignVCenter;

void drawVswr(const Schematic& s)
{
    const qreal middle = (kUpper + kLower) / 2;
    // the source: generator and internal impedance
    s.dashedFrame(QRectF(QPointF(0.4, kTop), QPointF(kSourceRight, kBottom)));
    name(s, {(0.4 + kSourceRight) / 2, kTop - 1.2}, QStringLiteral("Quelle"));
    constexpr qreal kZ1From = 5.8, kZ1To = 10;
    s.wire({{kGenerator, kUpper}, {kZ1From, kUpper}});
    s.source({kGenerator, kUpper}, {kGenerator, kLower});
    name(s, {kGenerator - 1.6, middle}, QStringLiteral("P"), QStringLiteral("v"), kLeftOf);
    s.resistor({kZ1From, kUpper}, {kZ1To, kUpper});
    const qreal z1 = (kZ1From + kZ1To) / 2;
    name(s, {z1, kUpper - 1.6}, QStringLiteral("Z"), QStringLiteral("1"));
    s.arcArrow({z1 - 1.6, kUpper + 1.1}, {z1 + 1.6, kUpper + 1.1}, 0.9, Qt::BottomEdge,
               s.voltageColor());
    name(s, {z1, kUpper + 3.1}, QStringLiteral("U"), QStringLiteral("Z1"), Qt::AlignCenter,
         s.voltageColor());

    // the line and the powers on it
    s.wire({{kZ1To, kUpper}, {kLoad, kUpper}, {kLoad, middle - 1.2}});
    s.wire({{kLoad, middle + 1.2}, {kLoad, kLower}, {kGenerator, kLower}});
    s.label({(kSourceRight + kLoadLeft) / 2, kUpper - 1.3}, QStringLiteral("Leitung"), {},
            Qt::AlignCenter, 1.3);
    constexpr qreal kFrom = kSourceRight + 1.2, kTo = kLoadLeft - 4.2;
    const struct {
        qreal y;
        bool forward;
        QString index;
        QColor color;
    } powers[] = {
        {kUpper + 1.6, true, QStringLiteral("v"), s.textColor()},
        {middle, false, QStringLiteral("r"), s.currentColor()},
        {kLower - 1.6, true, QStringLiteral("L"), s.powerColor()},
    };
    for (const auto& p : powers) {
        if (p.forward)
            s.arrow({kFrom, p.y}, {kTo, p.y}, p.color);
        else
            s.arrow({kTo, p.y}, {kFrom, p.y}, p.color);
        name(s, {kTo + 0.6, p.y}, QStringLiteral("P"), p.index, kRightOf, p.color);
    }

    // the load and the voltage across it
    s.dashedFrame(QRectF(QPointF(kLoadLeft, kTop), QPointF(kSize.width() - 0.4, kBottom)));
    name(s, {(kLoadLeft + kSize.width() - 0.4) / 2, kTop - 1.2}, QStringLiteral("Last"));
    s.resistor({kLoad, middle - 1.2}, {kLoad, middle + 1.2});
    name(s, {kLoad - 1.1, middle}, QStringLiteral("Z"), QStringLiteral("2"), kLeftOf);
    const qreal ux = kLoad + 1.6;
    s.arrow({ux, middle - 1.8}, {ux, middle + 1.8}, s.voltageColor());
    name(s, {ux + 0.6, middle}, QStringLiteral("U"), QStringLiteral("Z2"), kRightOf,
         s.voltageColor());
}

} // namespace

std::vector<Picture> vswrPictures()
{
    return {{QStringLiteral("VSWR_I_Bild"),
             kSize,
             drawVswr,
             {{QRectF(QPointF(0, 0), kSize), QStringLiteral("schematische Darstellung")}}}};
}

} // namespace ampero
