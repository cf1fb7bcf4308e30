// Pictures of the RC network page and of the page that turns a parallel circuit into a
// series circuit and back.
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

constexpr qreal kText = 1.4; // labels of parts

void name(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {},
          Qt::Alignment align = Qt::AlignCenter, const QColor& color = {})
{
    s.label(at, text, subscript, align, kText, color);
}

void nameLeft(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {})
{
    name(s, at, text, subscript, Qt::AlignRight | Qt::AlignVCenter);
}

void nameRight(const Schematic& s, QPointF at, const QString& text, const QString& subscript = {})
{
    name(s, at, text, subscript, Qt::AlignLeft | Qt::AlignVCenter);
}

// The RC networks share one frame, so that they line up side by side on their page: an
// upper and a lower line from the input terminals on the left to the output terminals on
// the right, the input and output voltages marked outside them.
namespace rc {
constexpr QSizeF kSize(32, 20);
constexpr qreal kUpper = 7.5, kLower = 16.5;
constexpr qreal kIn = 4.5, kOut = 27.5; // terminals
constexpr qreal kAbove = kUpper - 1.6;  // names over parts in the upper line
constexpr qreal kBelow = kUpper + 1.9;  // names under parts in the upper line
constexpr qreal kMiddle = (kUpper + kLower) / 2;
} // namespace rc

// The lower line, the terminals and the voltages across them; drawn last, so that the
// terminals cover the ends of the wires.
void drawPorts(const Schematic& s)
{
    using namespace rc;
    s.wire({{kIn, kLower}, {kOut, kLower}});
    for (qreal x : {kIn, kOut}) {
        s.terminal({x, kUpper});
        s.terminal({x, kLower});
        s.arrow({x, kUpper + 1.2}, {x, kLower - 1.2}, s.voltageColor());
    }
    name(s, {kIn - 0.8, kMiddle}, QStringLiteral("U"), QStringLiteral("e"),
         Qt::AlignRight | Qt::AlignVCenter, s.voltageColor());
    name(s, {kOut + 0.8, kMiddle}, QStringLiteral("U"), QStringLiteral("a"),
         Qt::AlignLeft | Qt::AlignVCenter, s.voltageColor());
}

// The junctions of a part standing from the upper line down to the lower one at x.
void joinAcross(const Schematic& s, qreal x)
{
    using namespace rc;
    s.junction({x, kUpper});
    s.junction({x, kLower});
}

void drawLowPass(const Schematic& s)
{
    using namespace rc;
    constexpr qreal kNode = 19.5;
    s.resistor({kIn, kUpper}, {kNode, kUpper});
    s.wire({{kNode, kUpper}, {kOut, kUpper}});
    s.capacitor({kNode, kUpper}, {kNode, kLower});
    joinAcross(s, kNode);
    name(s, {(kIn + kNode) / 2, kAbove}, QStringLiteral("R"), QStringLiteral("1"));
    nameRight(s, {kNode + 1.3, kMiddle}, QStringLiteral("C"), QStringLiteral("1"));
    drawPorts(s);
}

// C1 parallel to R1 in the upper line, R1 bridging over C1; R1 and C1 in series across.
void drawWien(const Schematic& s)
{
    using namespace rc;
    constexpr qreal kLeft = 8, kRight = 15.5; // the parallel pair
    constexpr qreal kBridge = kUpper - 4;
    constexpr qreal kNode = 21.5;
    constexpr qreal kJoint = kMiddle; // between the parts in series
    s.wire({{kIn, kUpper}, {kLeft, kUpper}});
    s.capacitor({kLeft, kUpper}, {kRight, kUpper});
    s.wire({{kLeft, kUpper}, {kLeft, kBridge}});
    s.resistor({kLeft, kBridge}, {kRight, kBridge});
    s.wire({{kRight, kBridge}, {kRight, kUpper}, {kOut, kUpper}});
    s.junction({kLeft, kUpper});
    s.junction({kRight, kUpper});
    name(s, {(kLeft + kRight) / 2, kBridge - 1.6}, QStringLiteral("R"), QStringLiteral("1"));
    name(s, {(kLeft + kRight) / 2, kBelow}, QStringLiteral("C"), QStringLiteral("1"));

    s.resistor({kNode, kUpper}, {kNode, kJoint});
    s.capacitor({kNode, kJoint}, {kNode, kLower});
    joinAcross(s, kNode);
    nameRight(s, {kNode + 1.1, (kUpper + kJoint) / 2}, QStringLiteral("R"), QStringLiteral("1"));
    nameRight(s, {kNode + 1.3, (kJoint + kLower) / 2}, QStringLiteral("C"), QStringLiteral("1"));
    drawPorts(s);
}

// Two C1 in a path over the upper line, two R1 in the upper line itself. R2 hangs from
// between the capacitors and crosses the line of the resistors, without joining it, on its
// way down; C2 hangs from between the resistors, side by side with R2.
void drawTwinT(const Schematic& s)
{
    using namespace rc;
    constexpr qreal kTop = 3.2;                     // the path of the capacitors
    constexpr qreal kInNode = 7.5, kOutNode = 24.5; // where the two paths part and meet
    constexpr qreal kPart = 5;                      // room of each part in a path
    constexpr qreal kFirst = kInNode + kPart, kSecond = kOutNode - kPart;
    constexpr qreal kR2 = 13.5, kC2 = 18.5; // the parts across
    s.wire({{kIn, kUpper}, {kInNode, kUpper}, {kInNode, kTop}});
    s.wire({{kOutNode, kTop}, {kOutNode, kUpper}, {kOut, kUpper}});
    s.wire({{kFirst, kTop}, {kSecond, kTop}});
    s.wire({{kFirst, kUpper}, {kSecond, kUpper}});
    s.capacitor({kInNode, kTop}, {kFirst, kTop});
    s.capacitor({kSecond, kTop}, {kOutNode, kTop});
    s.resistor({kInNode, kUpper}, {kFirst, kUpper});
    s.resistor({kSecond, kUpper}, {kOutNode, kUpper});

    s.wire({{kR2, kTop}, {kR2, kUpper}});
    s.resistor({kR2, kUpper}, {kR2, kLower});
    s.capacitor({kC2, kUpper}, {kC2, kLower});
    for (QPointF p : {QPointF(kInNode, kUpper), QPointF(kOutNode, kUpper), QPointF(kR2, kTop),
                      QPointF(kC2, kUpper), QPointF(kR2, kLower), QPointF(kC2, kLower)})
        s.junction(p);

    const QString R = QStringLiteral("R"), C = QStringLiteral("C");
    const QString one = QStringLiteral("1"), two = QStringLiteral("2");
    for (qreal x : {kInNode + kPart / 2, kOutNode - kPart / 2}) {
        name(s, {x, kTop - 1.9}, C, one);
        name(s, {x, kAbove}, R, one);
    }
    nameLeft(s, {kR2 - 1.1, kMiddle}, R, two);
    nameRight(s, {kC2 + 1.3, kMiddle}, C, two);
    drawPorts(s);
}

// Two small circuits side by side, each between a terminal above and one below, with "OR"
// between them.
namespace ps {
constexpr QSizeF kSize(26, 14);
constexpr qreal kTop = 1.5, kBottom = 12.5; // terminals
constexpr qreal kMiddle = (kTop + kBottom) / 2;
constexpr qreal kOr = 13;
// a parallel pair hangs between two rails, its names outside
constexpr qreal kRailTop = 4, kRailBottom = 10;
constexpr qreal kPairLeft = 6, kPairRight = 20, kSpread = 1.8;
// a series pair stands in one column, its names on the outer side
constexpr qreal kColumnLeft = 8, kColumnRight = 18;
constexpr qreal kJoint = kMiddle;
} // namespace ps

enum class Kind { L, C };

void drawReactance(const Schematic& s, Kind kind, QPointF from, QPointF to)
{
    if (kind == Kind::L)
        s.coil(from, to);
    else
        s.capacitor(from, to);
}

void drawTerminalsAndOr(const Schematic& s, qreal left, qreal right)
{
    using namespace ps;
    for (qreal x : {left, right}) {
        s.terminal({x, kTop});
        s.terminal({x, kBottom});
    }
    name(s, {kOr, kMiddle}, QStringLiteral("OR"));
}

void drawParallelPair(const Schematic& s, qreal x, Kind kind, const QString& index)
{
    using namespace ps;
    const qreal r = x - kSpread, other = x + kSpread;
    s.wire({{x, kTop}, {x, kRailTop}});
    s.wire({{x, kRailBottom}, {x, kBottom}});
    for (qreal y : {kRailTop, kRailBottom}) {
        s.wire({{r, y}, {other, y}});
        s.junction({x, y});
    }
    s.resistor({r, kRailTop}, {r, kRailBottom});
    drawReactance(s, kind, {other, kRailTop}, {other, kRailBottom});
    nameLeft(s, {r - 1.0, kMiddle}, QStringLiteral("R"), QStringLiteral("p"));
    nameRight(s, {other + 1.2, kMiddle}, index, QStringLiteral("p"));
}

void drawParallel(const Schematic& s)
{
    using namespace ps;
    drawParallelPair(s, kPairLeft, Kind::L, QStringLiteral("L"));
    drawParallelPair(s, kPairRight, Kind::C, QStringLiteral("C"));
    drawTerminalsAndOr(s, kPairLeft, kPairRight);
}

// `side` is -1 for names left of the column, +1 for names right of it.
void drawSeriesPair(const Schematic& s, qreal x, int side, Kind kind, const QString& index)
{
    using namespace ps;
    s.resistor({x, kTop}, {x, kJoint});
    drawReactance(s, kind, {x, kJoint}, {x, kBottom});
    const qreal off = side * 1.2;
    const Qt::Alignment align = (side < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    name(s, {x + off, (kTop + kJoint) / 2}, QStringLiteral("R"), QStringLiteral("s"), align);
    name(s, {x + off, (kJoint + kBottom) / 2}, index, QStringLiteral("s"), align);
}

void drawSeries(const Schematic& s)
{
    using namespace ps;
    drawSeriesPair(s, kColumnLeft, -1, Kind::L, QStringLiteral("L"));
    drawSeriesPair(s, kColumnRight, +1, Kind::C, QStringLiteral("C"));
    drawTerminalsAndOr(s, kColumnLeft, kColumnRight);
}

// The arrow between the two circuits: either turns into the other.
void drawConversion(const Schematic& s)
{
    s.wideArrow({0.4, 2}, {9.6, 2}, 3.4, QColor(120, 170, 230), true);
}

Picture withHint(Picture p, const QString& text)
{
    p.hints = {{QRectF(QPointF(0, 0), p.size), text}};
    return p;
}

} // namespace

std::vector<Picture> transformPictures()
{
    return {
        {QStringLiteral("RC_I_RCGlied"), rc::kSize, drawLowPass},
        withHint({QStringLiteral("RC_I_Wien"), rc::kSize, drawWien}, QStringLiteral("Schaltbild")),
        {QStringLiteral("RC_I_DoppelT"), rc::kSize, drawTwinT},
        withHint({QStringLiteral("PS_I_Parallel"), ps::kSize, drawParallel},
                 QStringLiteral("Schaltbild der Parallelschaltung")),
        {QStringLiteral("PS_I_Pfeil"), {10, 4}, drawConversion},
        withHint({QStringLiteral("PS_I_Serie"), ps::kSize, drawSeries},
                 QStringLiteral("Schaltbild der Serienschaltung")),
    };
}

} // namespace ampero
