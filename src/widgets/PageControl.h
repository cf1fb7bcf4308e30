#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace ampero {

// A tab strip that wraps its tabs into as many rows as the width needs, each row stretched
// to the full width. The row holding the current tab always sits next to the page, the
// other rows keep their order above it (as multi-row tab strips do on the desktop the
// program comes from).
class MultiRowTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit MultiRowTabBar(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int rowCount() const;
    // Where tab `index` is drawn, and which tab lies under a point (-1 for none).
    QRect visualTabRect(int index) const;
    int visualTabAt(const QPoint& pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void tabLayoutChange() override;

private:
    int availableWidth() const;
    int rowHeight() const;
    QList<QList<int>> rows(int width) const;
    QList<QRect> layoutTabs() const;

    int m_hover = -1;
};

// A page control (QTabWidget); with `multiRow` its tabs wrap into several rows.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    PageControl(const QString& name, bool multiRow, QWidget* parent = nullptr);
};

} // namespace ampero
