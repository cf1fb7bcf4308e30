#pragma once

#include <QWidget>

namespace ampero {

struct Picture;

// A picture component: paints one picture of the catalogue at `unit` pixels per grid unit.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& pictureName, qreal unit, QWidget* parent = nullptr);

    // The tooltip of the part under a point (the widget's own tooltip elsewhere).
    QString hintAt(const QPoint& pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const Picture& m_picture;
    qreal m_unit;
};

} // namespace ampero
