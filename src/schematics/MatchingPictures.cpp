// Pictures of the L, Pi and T matching network pages: a high-pass and a low-pass network
// each, unbalanced or balanced. Where a series part had to change its kind to compensate a
// reactance of a termination, it stands out in its own colour from the usual parts.
#include "LadderPictures.h"
#include "Pictures.h"

namespace ampero {

namespace {

using Kind = LadderPart::Kind;
using Place = LadderPart::Place;
using Ink = LadderPart::Ink;

constexpr QSizeF kSize(30, 15);
constexpr qreal kUpper = 4.5, kLower = 11.5;

LadderPart part(Kind kind, Place place, const char* index, Ink ink = Ink::Plain)
{
    return {kind, place, QStringLiteral("X"), QString::fromLatin1(index), ink};
}

LadderEnd end(LadderEnd::Kind kind, const char* index)
{
    return {kind, QStringLiteral("Z"), QString::fromLatin1(index)};
}

Ladder network(LadderEnd::Kind ends, std::vector<LadderPart> parts, bool balanced)
{
    return {kSize, kUpper, kLower, end(ends, "1"), end(ends, "2"), std::move(parts), balanced};
}

Kind other(Kind kind) { return kind == Kind::Coil ? Kind::Capacitor : Kind::Coil; }

// An L network: the shunt part across the side with the larger resistance, the series part
// of the usual kind of its family or of the other one.
struct LNetwork {
    const char* name;
    bool highPass;
    bool shuntAtZ1;
    bool changed;
};

Ladder lNetwork(const LNetwork& n, bool balanced)
{
    const Kind shunt = n.highPass ? Kind::Coil : Kind::Capacitor;
    const Kind usual = other(shunt);
    const LadderPart xs = part(n.changed ? other(usual) : usual, Place::Series, "s",
                               n.changed ? Ink::Changed : Ink::Usual);
    const LadderPart xp = part(shunt, Place::Shunt, "p");
    return network(LadderEnd::Kind::Resistor,
                   n.shuntAtZ1 ? std::vector{xp, xs} : std::vector{xs, xp}, balanced);
}

constexpr LNetwork kLNetworks[] = {
    {"L_I_Hocha", true, false, false},  {"L_I_Hochc", true, true, false},
    {"L_I_Hoche", true, false, true},   {"L_I_Hochg", true, true, true},
    {"L_I_Tiefb", false, false, false}, {"L_I_Tiefd", false, true, false},
    {"L_I_Tieff", false, false, true},  {"L_I_Tiefh", false, true, true},
};

// A Pi network: a shunt part at either termination and one series part between them.
Ladder piNetwork(bool highPass, bool balanced)
{
    const Kind shunt = highPass ? Kind::Coil : Kind::Capacitor;
    return network(LadderEnd::Kind::Box,
                   {part(shunt, Place::Shunt, "p1"), part(other(shunt), Place::Series, "s"),
                    part(shunt, Place::Shunt, "p2")},
                   balanced);
}

// A T network: a series part at either termination, the shunt part between them; either
// series part may be reversed into the other kind.
struct TNetwork {
    int number;
    bool firstReversed;
    bool secondReversed;
};

constexpr TNetwork kTNetworks[] = {
    {1, false, false}, {2, false, true}, {5, true, false}, {6, true, true}};

Ladder tNetwork(bool highPass, const TNetwork& n, bool balanced)
{
    const Kind shunt = highPass ? Kind::Coil : Kind::Capacitor;
    const Kind usual = other(shunt);
    const auto seriesPart = [&](bool reversed, const char* index) {
        return part(reversed ? shunt : usual, Place::Series, index,
                    reversed ? Ink::Changed : Ink::Usual);
    };
    return network(LadderEnd::Kind::Box,
                   {seriesPart(n.firstReversed, "s1"), part(shunt, Place::Shunt, "p"),
                    seriesPart(n.secondReversed, "s2")},
                   balanced);
}

Picture withHint(Picture p, const QString& text)
{
    p.hints = {{QRectF(QPointF(0, 0), p.size), text}};
    return p;
}

QString circuitHint(bool highPass, bool balanced)
{
    return QStringLiteral("Schaltung des %1 %2")
        .arg(balanced ? QStringLiteral("symmetrischen") : QStringLiteral("unsymmetrischen"),
             highPass ? QStringLiteral("Hochpasses") : QStringLiteral("Tiefpasses"));
}

} // namespace

std::vector<Picture> matchingPictures()
{
    std::vector<Picture> all;
    for (const LNetwork& n : kLNetworks)
        for (bool balanced : {false, true})
            all.push_back(
                ladderPicture(QString::fromLatin1(n.name) +
                                  (balanced ? QStringLiteral("_sym") : QStringLiteral("_unsym")),
                              lNetwork(n, balanced)));
    for (bool highPass : {true, false})
        for (bool balanced : {false, true})
            all.push_back(
                withHint(ladderPicture(QStringLiteral("Pi_I_%1_%2sym1")
                                           .arg(highPass ? "Hoch" : "Tief", balanced ? "" : "un"),
                                       piNetwork(highPass, balanced)),
                         circuitHint(highPass, balanced)));
    for (bool highPass : {true, false})
        for (const TNetwork& n : kTNetworks)
            for (bool balanced : {false, true}) {
                Picture p = ladderPicture(QStringLiteral("T_I_%1_%2sym%3")
                                              .arg(highPass ? "Hoch" : "Tief", balanced ? "" : "un")
                                              .arg(n.number),
                                          tNetwork(highPass, n, balanced));
                // the page has a tooltip for its first circuit only
                if (highPass && n.number == 1 && !balanced)
                    p = withHint(std::move(p), circuitHint(true, false));
                all.push_back(std::move(p));
            }
    return all;
}

} // namespace ampero
