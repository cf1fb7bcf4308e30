#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ampero {

// Where a secondary window goes: beside the main window where the screen has room for it,
// otherwise where it covers the fewest input fields, so that the user keeps typing on the page.
enum class Side { Right, Left, Over };

struct Placement {
    QRect main;          // the main window's frame
    QSize size;          // the window's frame
    QRect screen;        // the screen's room for windows
    Side preferred = Side::Right;
    QList<QRect> fields; // the input fields to keep free, in screen coordinates
    int gap = 10;        // between the two frames
    int top = 0;         // the window's top edge below the main window's
};

// The top left corner of the window's frame; "Over" keeps the user's choice of a place over
// the main window.
QPoint placeWindow(const Placement& p);

// The visible input fields of a window, in screen coordinates.
QList<QRect> inputFieldRects(const QWidget* window);

// Moves `window` to where placeWindow() puts it beside `main`, keeping the main window's input
// fields free.
void placeBeside(QWidget* window, const QWidget* main, Side preferred = Side::Right, int gap = 10,
                 int top = 0);

} // namespace ampero
