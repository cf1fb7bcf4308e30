// Pictures of the voltage/current windows: the networks of their pages with the voltage
// across and the current through every part marked by the names the tables use.
#include "LadderPictures.h"
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

using Kind = LadderPart::Kind;
using Place = LadderPart::Place;

// Two networks side by side, each half the width of the window.
constexpr qreal kPairUnit = 8; // what the pairs are drawn for, in pixels per unit
constexpr QSizeF kPairHalf(32.5, 19);
constexpr qreal kPairUpper = 6, kPairLower = 16.5;
// One network across the window.
constexpr QSizeF kSingle(52, 17);
constexpr qreal kSingleUpper = 6.2, kSingleLower = 16.2;

// A resistor with the voltage across it and the current through it.
LadderPart resistor(Place place, const char* index)
{
    const QString i = QString::fromLatin1(index);
    return {Kind::Resistor,
            place,
            QStringLiteral("R"),
            i,
            LadderPart::Ink::Plain,
            false,
            {},
            {QStringLiteral("U"), "R" + i},
            {QStringLiteral("I"), "R" + i}};
}

LadderPart series(const char* index) { return resistor(Place::Series, index); }
LadderPart shunt(const char* index) { return resistor(Place::Shunt, index); }

// A reactance of either kind with its loss resistance, the two one impedance Z.
LadderPart lossy(Place place, const char* index)
{
    const QString i = QString::fromLatin1(index);
    return {Kind::Impedance,
            place,
            QStringLiteral("X"),
            i,
            LadderPart::Ink::Plain,
            true,
            {QStringLiteral("Z"), i},
            {QStringLiteral("U"), "Z" + i},
            {QStringLiteral("I"), "Z" + i}};
}

LadderEnd end(LadderEnd::Kind kind, const char* index)
{
    return {kind, QStringLiteral("Z"), QString::fromLatin1(index)};
}

Ladder half(std::vector<LadderPart> parts)
{
    return {kPairHalf,
            kPairUpper,
            kPairLower,
            end(LadderEnd::Kind::Resistor, "1"),
            end(LadderEnd::Kind::Resistor, "2"),
            std::move(parts)};
}

Picture pair(const QString& name, const Ladder& left, const Ladder& right)
{
    return {name, QSizeF(2 * kPairHalf.width(), kPairHalf.height()),
            [left, right](const Schematic& s) {
                drawLadder(s, left);
                drawLadder(s, right, QPointF(kPairHalf.width(), 0));
            }};
}

Ladder single(LadderEnd::Kind ends, std::vector<LadderPart> parts)
{
    return {kSingle, kSingleUpper, kSingleLower, end(ends, "1"), end(ends, "2"), std::move(parts)};
}

// The L network in the order its table lists the parts, and which side is the larger.
Picture lNetwork(const QString& name, bool shuntAtZ1)
{
    const LadderPart zp = lossy(Place::Shunt, "p"), zs = lossy(Place::Series, "s");
    const Ladder ladder =
        single(LadderEnd::Kind::Resistor, shuntAtZ1 ? std::vector{zp, zs} : std::vector{zs, zp});
    const QString relation = shuntAtZ1 ? QStringLiteral("Z1 > Z2") : QStringLiteral("Z1 < Z2");
    return {name, kSingle, [ladder, relation](const Schematic& s) {
                drawLadder(s, ladder);
                s.label({1, 1.3}, relation, {}, Qt::AlignLeft | Qt::AlignVCenter, 1.4);
            }};
}

} // namespace

std::vector<Picture> windowPictures()
{
    static_assert(kPairUnit * 2 * kPairHalf.width() == 520);
    return {
        pair(QStringLiteral("PiT_UI_Bild"), half({shunt("2"), series("1"), shunt("3")}),
             half({series("2"), shunt("1"), series("3")})),
        pair(QStringLiteral("R_UI_Bild1"), half({series("1"), shunt("2")}),
             half({shunt("2"), series("1")})),
        pair(QStringLiteral("R_UI_Bild2"), half({shunt("1"), series("2"), shunt("3")}),
             half({series("1"), shunt("2"), series("3")})),
        lNetwork(QStringLiteral("L_UI_Image1"), true),
        lNetwork(QStringLiteral("L_UI_Image2"), false),
        ladderPicture(
            QStringLiteral("Pi_UI_Bild"),
            single(LadderEnd::Kind::Box, {lossy(Place::Shunt, "p1"), lossy(Place::Series, "s"),
                                          lossy(Place::Shunt, "p2")})),
        ladderPicture(
            QStringLiteral("T_UI_Bild"),
            single(LadderEnd::Kind::Box, {lossy(Place::Series, "s1"), lossy(Place::Shunt, "p"),
                                          lossy(Place::Series, "s2")})),
    };
}

} // namespace ampero
