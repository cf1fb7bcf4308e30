#pragma once

#include "Pictures.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace ampero {

class Schematic;

// A quantity written beside a part, such as "U" "R1"; empty when it is not shown.
struct LadderMark {
    QString text;
    QString index = {};
    bool shown() const { return !text.isEmpty(); }
};

// One part of a ladder: in the upper line ("series") or across the lines ("shunt").
struct LadderPart {
    enum class Kind { Resistor, Coil, Capacitor, Impedance };
    enum class Place { Series, Shunt };
    // Plain parts take the text colour; in a matching network the usual parts and those
    // whose kind had to change stand out from each other.
    enum class Ink { Plain, Usual, Changed };

    Kind kind;
    Place place;
    QString name;
    QString index = {};
    Ink ink = Ink::Plain;
    // With a loss resistance "Rv" in series, the two grouped as one impedance of this name.
    bool lossy = false;
    LadderMark group = {};
    LadderMark voltage = {}; // an arrow across the part, or across its group
    LadderMark current = {}; // an arrow along its lead
};

// What closes a ladder on one side: bare terminals, or a resistor or box across them.
struct LadderEnd {
    enum class Kind { Terminals, Resistor, Box };
    Kind kind = Kind::Terminals;
    QString name = {};
    QString index = {};
    bool arrowIn = false; // an arrow pointing into the network: the side it is matched to
    QString word = {};    // a word above it, such as "Source"
};

// A ladder network between two terminations, its parts listed from left to right. A balanced
// ladder repeats every series part in the lower line. `upper` and `lower` are the two lines.
struct Ladder {
    QSizeF size;
    qreal upper;
    qreal lower;
    LadderEnd left;
    LadderEnd right;
    std::vector<LadderPart> parts;
    bool balanced = false;
};

// Draws a ladder with its top left corner at `origin`, so that a picture can hold more than one.
void drawLadder(const Schematic& s, const Ladder& ladder, QPointF origin = {});

// A catalogue entry that draws one ladder.
Picture ladderPicture(const QString& name, const Ladder& ladder);

} // namespace ampero
