#include "Placement.h"

#include "widgets/EditField.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <tuple>

namespace ampero {

namespace {

// The frame at this corner, moved onto the screen where it sticks out.
QRect onScreen(QPoint at, QSize size, const QRect& screen)
{
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return {at, size};
}

int area(const QRect& r) { return r.isEmpty() ? 0 : r.width() * r.height(); }

} // namespace

QPoint placeWindow(const Placement& p)
{
    const QRect& main = p.main;
    const QPoint right(main.right() + 1 + p.gap, main.top() + p.top);
    const QPoint left(main.left() - p.gap - p.size.width(), main.top() + p.top);
    if (p.preferred == Side::Over)
        return onScreen({main.left() + 120, main.top() + p.top}, p.size, p.screen).topLeft();

    // beside the main window, the chosen side first, level with its top where the screen
    // allows
    const QPoint sides[] = {p.preferred == Side::Left ? left : right,
                            p.preferred == Side::Left ? right : left};
    for (const QPoint& side : sides) {
        const QRect frame = onScreen(side, p.size, p.screen);
        if (frame.left() == side.x() && !frame.intersects(main))
            return frame.topLeft();
    }

    // No room: of the places on a grid over the screen, the one that covers the fewest input
    // fields, then the least of the main window, then the one nearest the chosen side.
    QList<int> xs{sides[0].x(), sides[1].x(), p.screen.left(), p.screen.right()};
    QList<int> ys{main.top() + p.top, p.screen.top(), p.screen.bottom()};
    for (int i = 1; i < 8; ++i) {
        xs << p.screen.left() + i * p.screen.width() / 8 - p.size.width() / 2;
        ys << p.screen.top() + i * p.screen.height() / 8 - p.size.height() / 2;
    }
    QRect best;
    auto bestScore = std::make_tuple(INT_MAX, INT_MAX, INT_MAX);
    for (int x : xs)
        for (int y : ys) {
            const QRect frame = onScreen({x, y}, p.size, p.screen);
            const int covered = static_cast<int>(std::count_if(
                p.fields.begin(), p.fields.end(), [&](const QRect& f) { return frame.intersects(f); }));
            const auto score = std::make_tuple(covered, area(frame & main),
                                               std::abs(frame.left() - sides[0].x()) +
                                                   std::abs(frame.top() - sides[0].y()));
            if (score < bestScore) {
                bestScore = score;
                best = frame;
            }
        }
    return best.topLeft();
}

QList<QRect> inputFieldRects(const QWidget* window)
{
    QList<QRect> rects;
    if (!window)
        return rects;
    for (const EditField* f : window->findChildren<EditField*>())
        if (f->isVisible() && !f->isReadOnly() && f->mapsDecimalKey())
            rects << QRect(f->mapToGlobal(QPoint(0, 0)), f->size());
    return rects;
}

void placeBeside(QWidget* window, const QWidget* main, Side preferred, int gap, int top)
{
    if (!main || main == window)
        return;
    const QRect mainFrame = main->frameGeometry();
    // Until a window first shows, the desktop has not framed it: its frame is taken to be
    // like the main window's, and move() places its inside.
    const bool framed = window->frameGeometry() != window->geometry();
    const QPoint inset = framed ? QPoint() : main->geometry().topLeft() - mainFrame.topLeft();
    const QSize frame = framed ? window->frameGeometry().size()
                               : window->size() + (mainFrame.size() - main->size());
    const QScreen* screen = main->screen();
    Placement p{mainFrame, frame, screen ? screen->availableGeometry() : QRect(), preferred,
                inputFieldRects(main), gap, top};
    if (p.screen.isEmpty()) // no screen known: no edge to keep to
        p.screen = QRect(-100000, -100000, 200000, 200000);
    window->move(placeWindow(p) + inset);
}

} // namespace ampero
