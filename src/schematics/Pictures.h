#pragma once

#include <QSizeF>
#include <QString>
#include <vector>

namespace ampero {

class Schematic;

// A circuit picture: its component name, its size in grid units and how it is drawn.
struct Picture {
    QString name;
    QSizeF size;
    void (*draw)(const Schematic&);
};

// Every picture of the program.
const std::vector<Picture>& pictureCatalogue();
const Picture& picture(const QString& name);

// The pictures of each group of pages.
std::vector<Picture> levelPictures();

} // namespace ampero
