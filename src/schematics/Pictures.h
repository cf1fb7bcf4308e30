#pragma once

#include <functional>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace ampero {

class Schematic;

// A part of a picture with a tooltip of its own, in grid units.
struct PictureHint {
    QRectF area;
    QString text;
};

// A circuit picture: its component name, its size in grid units, how it is drawn, and the
// tooltips of its parts.
struct Picture {
    QString name;
    QSizeF size;
    std::function<void(const Schematic&)> draw;
    std::vector<PictureHint> hints = {};
};

// Every picture of the program.
const std::vector<Picture>& pictureCatalogue();
const Picture& picture(const QString& name);

// The pictures of each group of pages.
std::vector<Picture> levelPictures();
std::vector<Picture> componentPictures();
std::vector<Picture> networkPictures();
std::vector<Picture> transformPictures();
// Attenuators 30 × 15 units and pads 33 × 13, drawn at 10 and 8 pixels a unit.
std::vector<Picture> padPictures();
// L, Pi and T networks, 30 × 15 units at 10 pixels a unit.
std::vector<Picture> matchingPictures();
// Two networks side by side 65 × 19 units at 8 pixels a unit, one network 52 × 17 at 10.
std::vector<Picture> windowPictures();
// 36 × 14 units at 10 pixels a unit.
std::vector<Picture> vswrPictures();
// Status icons of the update window, 2.6 × 2.6 units at 10 pixels a unit.
std::vector<Picture> iconPictures();

} // namespace ampero
