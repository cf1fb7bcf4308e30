// Pictures of the attenuator page and of the resistive matching network page.
#include "LadderPictures.h"
#include "Pictures.h"

namespace ampero {

namespace {

using Kind = LadderPart::Kind;
using Place = LadderPart::Place;

LadderPart series(const char* index)
{
    return {Kind::Resistor, Place::Series, QStringLiteral("R"), QString::fromLatin1(index)};
}

LadderPart shunt(const char* index)
{
    return {Kind::Resistor, Place::Shunt, QStringLiteral("R"), QString::fromLatin1(index)};
}

LadderEnd end(const char* index, bool arrowIn = false, const char* word = "")
{
    return {LadderEnd::Kind::Resistor, QStringLiteral("Z"), QString::fromLatin1(index), arrowIn,
            QString::fromLatin1(word)};
}

// The attenuators, two side by side on their page.
Ladder attenuator(std::vector<LadderPart> parts, bool balanced)
{
    return {{30, 15}, 4.5, 11.5, end("in"), end("out"), std::move(parts), balanced};
}

// The pads, three stacked in a narrow column.
Ladder pad(std::vector<LadderPart> parts, bool balanced, LadderEnd left = end("1"),
           LadderEnd right = end("2"))
{
    return {{33, 13}, 4.4, 10, std::move(left), std::move(right), std::move(parts), balanced};
}

// The L pads by their number on the page: which side the series resistor takes, and which
// side the pad is matched to.
Ladder lPad(int number, bool balanced)
{
    const bool seriesAtZ1 = number <= 2;
    std::vector<LadderPart> parts =
        seriesAtZ1 ? std::vector{series("1"), shunt("2")} : std::vector{shunt("2"), series("1")};
    if (number == 5)
        return pad(parts, balanced, end("1", false, "Source"), end("2", false, "Load"));
    const bool atZ1 = number % 2 == 1;
    return pad(parts, balanced, end("1", atZ1), end("2", !atZ1));
}

} // namespace

std::vector<Picture> padPictures()
{
    const auto pi = [] { return std::vector{shunt("2"), series("1"), shunt("3")}; };
    const auto t = [] { return std::vector{series("2"), shunt("1"), series("3")}; };
    std::vector<Picture> all = {
        ladderPicture(QStringLiteral("PiT_I_Pi_unsym"), attenuator(pi(), false)),
        ladderPicture(QStringLiteral("PiT_I_T_unsym"), attenuator(t(), false)),
        ladderPicture(QStringLiteral("PiT_I_Pi_sym"), attenuator(pi(), true)),
        ladderPicture(QStringLiteral("PiT_I_T_sym"), attenuator(t(), true)),
    };
    for (int number = 1; number <= 5; ++number)
        for (bool balanced : {false, true})
            all.push_back(ladderPicture(
                QStringLiteral("R_I_%1%2").arg(balanced ? "sym" : "unsym").arg(number),
                lPad(number, balanced)));
    for (bool balanced : {false, true}) {
        const QString suffix = balanced ? QStringLiteral("_sym") : QStringLiteral("_unsym");
        all.push_back(
            ladderPicture("RPi_I" + suffix, pad({shunt("1"), series("2"), shunt("3")}, balanced)));
        all.push_back(
            ladderPicture("RT_I" + suffix, pad({series("1"), shunt("2"), series("3")}, balanced)));
    }
    return all;
}

} // namespace ampero
