// The icons of the update window: download and install, each replaced by a check mark once
// done, and the shield of the install button. 2.6 × 2.6 units at 10 pixels a unit.
#include "Pictures.h"
#include "Schematic.h"

namespace ampero {

namespace {

constexpr QSizeF kIcon(2.6, 2.6);

void checkMark(const Schematic& s)
{
    const QColor green = s.powerColor();
    s.line({0.3, 1.35}, {1.05, 2.15}, green);
    s.line({0.95, 2.2}, {2.35, 0.45}, green);
    s.line({0.45, 1.3}, {1.05, 1.95}, green);
    s.line({1.0, 1.95}, {2.2, 0.45}, green);
}

// A red arrow down into a tray.
void download(const Schematic& s)
{
    s.line({0.25, 1.5}, {0.25, 2.35}, s.textColor());
    s.line({0.15, 2.35}, {2.45, 2.35}, s.textColor());
    s.line({2.35, 2.35}, {2.35, 1.5}, s.textColor());
    s.wideArrow({1.3, 0.15}, {1.3, 2.05}, 1.5, s.currentColor());
}

// Two green arrows circling round.
void install(const Schematic& s)
{
    const QColor green = s.powerColor();
    s.arcArrow({0.35, 1.3}, {2.25, 1.3}, 0.95, Qt::TopEdge, green);
    s.arcArrow({2.25, 1.3}, {0.35, 1.3}, 0.95, Qt::BottomEdge, green);
}

// The shield of a button that needs administrator rights.
void shield(const Schematic& s)
{
    const QColor blue = s.voltageColor();
    s.line({0.4, 0.4}, {2.2, 0.4}, blue);
    s.line({0.4, 0.3}, {0.4, 1.3}, blue);
    s.line({2.2, 0.3}, {2.2, 1.3}, blue);
    s.line({0.4, 1.25}, {1.35, 2.3}, blue);
    s.line({2.2, 1.25}, {1.25, 2.3}, blue);
    s.line({1.3, 0.5}, {1.3, 2.1}, s.usualKindColor());
    s.line({0.5, 1.2}, {2.1, 1.2}, s.usualKindColor());
}

} // namespace

std::vector<Picture> iconPictures()
{
    return {
        {QStringLiteral("Update_I_Download"), kIcon, download},
        {QStringLiteral("Update_I_DownloadOK"), kIcon, checkMark},
        {QStringLiteral("Update_I_Install"), kIcon, install},
        {QStringLiteral("Update_I_InstallOK"), kIcon, checkMark},
        {QStringLiteral("Update_I_Admin"), kIcon, shield},
    };
}

} // namespace ampero
