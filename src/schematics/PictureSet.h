#pragma once

#include <QPoint>
#include <QString>
#include <vector>

class QWidget;

namespace ampero {

class PictureWidget;

// The pictures of one place on a page: they stand at the same position and exactly one of them,
// or none, is shown. Each keeps its component name, so tests and tooltips find it.
class PictureSet {
public:
    struct Entry {
        QString picture;   // its name in the catalogue
        QString name = {}; // its component name, when that differs
        QString hint = {}; // the tooltip of the whole picture
    };

    PictureSet() = default;
    PictureSet(QWidget* parent, QPoint at, qreal unit, const std::vector<Entry>& pictures);

    // Shows the picture of that index (any other index: none) and hides the others.
    void show(int index);
    // The same by component name or catalogue name; an unknown name shows none.
    void show(const QString& name);
    void showNone() { show(-1); }

    int shown() const { return m_shown; }
    int count() const { return static_cast<int>(m_pictures.size()); }
    PictureWidget* at(int index) const { return m_pictures.at(static_cast<std::size_t>(index)); }

private:
    std::vector<PictureWidget*> m_pictures;
    std::vector<QString> m_names; // catalogue names, by index
    int m_shown = -1;
};

} // namespace ampero
