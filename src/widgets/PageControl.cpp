#include "PageControl.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace ampero {

MultiRowTabBar::MultiRowTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(false);
    setMouseTracking(true);
    connect(this, &QTabBar::currentChanged, this, [this] { update(); });
}

int MultiRowTabBar::availableWidth() const
{
    return parentWidget() ? parentWidget()->width() : QTabBar::sizeHint().width();
}

int MultiRowTabBar::rowHeight() const
{
    int h = 0;
    for (int i = 0; i < count(); ++i)
        h = qMax(h, QTabBar::tabSizeHint(i).height());
    return h;
}

QList<QList<int>> MultiRowTabBar::rows(int width) const
{
    const auto pack = [this](int limit) {
        QList<QList<int>> result;
        int used = 0;
        for (int i = 0; i < count(); ++i) {
            const int w = QTabBar::tabSizeHint(i).width();
            if (result.isEmpty() || (used + w > limit && !result.back().isEmpty())) {
                result.append(QList<int>());
                used = 0;
            }
            result.back().append(i);
            used += w;
        }
        return result;
    };
    // As few rows as the width allows, with the tabs spread evenly over them.
    const auto greedy = pack(width);
    int total = 0;
    for (int i = 0; i < count(); ++i)
        total += QTabBar::tabSizeHint(i).width();
    for (int limit = total / qMax(1, static_cast<int>(greedy.size())); limit < width; limit += 4) {
        auto balanced = pack(limit);
        if (balanced.size() <= greedy.size())
            return balanced;
    }
    return greedy;
}

int MultiRowTabBar::rowCount() const { return static_cast<int>(rows(availableWidth()).size()); }

QList<QRect> MultiRowTabBar::layoutTabs() const
{
    const int width = availableWidth();
    const auto allRows = rows(width);
    const int n = static_cast<int>(allRows.size());
    const int h = rowHeight();
    QList<QRect> rects(count());

    int currentRow = 0;
    for (int r = 0; r < n; ++r)
        if (allRows[r].contains(currentIndex()))
            currentRow = r;

    for (int r = 0; r < n; ++r) {
        // the current row at the bottom, the rows after it stacked upwards in their order
        const int fromBottom = (r - currentRow + n) % n;
        const int y = (n - 1 - fromBottom) * h;
        const auto& row = allRows[r];
        int natural = 0;
        for (int i : row)
            natural += QTabBar::tabSizeHint(i).width();
        const int extra = qMax(0, width - natural);
        int x = 0;
        for (int k = 0; k < row.size(); ++k) {
            int w = QTabBar::tabSizeHint(row[k]).width() + extra / static_cast<int>(row.size());
            if (k == row.size() - 1)
                w = width - x;
            rects[row[k]] = QRect(x, y, w, h);
            x += w;
        }
    }
    return rects;
}

QRect MultiRowTabBar::visualTabRect(int index) const
{
    const auto rects = layoutTabs();
    return index >= 0 && index < rects.size() ? rects[index] : QRect();
}

int MultiRowTabBar::visualTabAt(const QPoint& pos) const
{
    const auto rects = layoutTabs();
    for (int i = 0; i < rects.size(); ++i)
        if (rects[i].contains(pos))
            return i;
    return -1;
}

QSize MultiRowTabBar::sizeHint() const { return {availableWidth(), rowCount() * rowHeight()}; }

QSize MultiRowTabBar::minimumSizeHint() const { return sizeHint(); }

void MultiRowTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const auto rects = layoutTabs();
    const auto allRows = rows(availableWidth());

    // Rows far from the page first, so the selected tab is drawn over its neighbours.
    QList<int> order;
    for (const auto& row : allRows)
        for (int i : row)
            order.append(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return rects[a].y() < rects[b].y(); });
    if (currentIndex() >= 0) {
        order.removeOne(currentIndex());
        order.append(currentIndex());
    }

    for (int i : order) {
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        opt.rect = rects[i];
        const QList<int>* row = nullptr;
        for (const auto& r : allRows)
            if (r.contains(i))
                row = &r;
        const auto pos = row->indexOf(i);
        if (row->size() == 1)
            opt.position = QStyleOptionTab::OnlyOneTab;
        else if (pos == 0)
            opt.position = QStyleOptionTab::Beginning;
        else if (pos == row->size() - 1)
            opt.position = QStyleOptionTab::End;
        else
            opt.position = QStyleOptionTab::Middle;
        opt.selectedPosition = QStyleOptionTab::NotAdjacent;
        if (pos > 0 && row->at(pos - 1) == currentIndex())
            opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        else if (pos + 1 < row->size() && row->at(pos + 1) == currentIndex())
            opt.selectedPosition = QStyleOptionTab::NextIsSelected;
        opt.state &= ~QStyle::State_MouseOver;
        if (i == m_hover)
            opt.state |= QStyle::State_MouseOver;
        painter.drawControl(QStyle::CE_TabBarTab, opt);
    }
}

void MultiRowTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int i = visualTabAt(event->position().toPoint());
    if (i >= 0 && isTabEnabled(i)) {
        setCurrentIndex(i);
        emit tabBarClicked(i);
    }
    event->accept();
}

void MultiRowTabBar::mouseMoveEvent(QMouseEvent* event)
{
    const int i = visualTabAt(event->position().toPoint());
    if (i != m_hover) {
        m_hover = i;
        update();
    }
    event->accept();
}

void MultiRowTabBar::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void MultiRowTabBar::wheelEvent(QWheelEvent* event) { event->ignore(); }

void MultiRowTabBar::leaveEvent(QEvent* event)
{
    m_hover = -1;
    update();
    QTabBar::leaveEvent(event);
}

void MultiRowTabBar::tabLayoutChange()
{
    updateGeometry();
    update();
}

PageControl::PageControl(const QString& name, bool multiRow, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(name);
    if (multiRow)
        setTabBar(new MultiRowTabBar(this));
}

} // namespace ampero
