// Every circuit picture renders, fills its area and scales with the grid unit.
#include "schematics/PictureWidget.h"
#include "schematics/Pictures.h"
#include "schematics/Schematic.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace ampero;

namespace {

constexpr QRgb kBackground = 0xffffffff;

template <typename Draw>
QImage render(QSizeF units, qreal unit, Draw draw)
{
    QImage image((units * unit).toSize(), QImage::Format_ARGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    draw(Schematic(painter, unit, palette));
    return image;
}

// The bounding box of everything drawn, in pixels.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBackground)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool hasColour(const QImage& image, bool (*match)(QColor))
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                return true;
    return false;
}

bool green(QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; }
bool blue(QColor c) { return c.blue() > 150 && c.red() < 60 && c.green() < 60; }

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void everyPictureRenders_data()
    {
        QTest::addColumn<QString>("name");
        for (const Picture& p : pictureCatalogue())
            QTest::newRow(qPrintable(p.name)) << p.name;
    }
    void everyPictureRenders()
    {
        QFETCH(QString, name);
        const Picture& p = picture(name);
        const QImage small = render(p.size, 10, p.draw);
        const QImage large = render(p.size, 20, p.draw);
        const QRect a = ink(small);
        const QRect b = ink(large);
        QVERIFY2(!a.isEmpty(), "nothing drawn");
        QVERIFY2(a.width() > small.width() / 2 && a.height() > small.height() / 2,
                 "the drawing covers too little of its area");
        // twice the unit, twice the drawing: no part ignores the grid unit
        QVERIFY(qAbs(b.width() - 2 * a.width()) <= 4);
        QVERIFY(qAbs(b.height() - 2 * a.height()) <= 4);
        QVERIFY(qAbs(b.left() - 2 * a.left()) <= 4);
        QVERIFY(qAbs(b.top() - 2 * a.top()) <= 4);
    }

    void partsOfAPictureHaveTheirOwnTooltips()
    {
        for (const Picture& p : pictureCatalogue()) {
            PictureWidget widget(p.name, 10);
            widget.setToolTip("ganzes Bild");
            for (const PictureHint& hint : p.hints)
                QCOMPARE(widget.hintAt((hint.area.center() * 10).toPoint()), hint.text);
        }
        PictureWidget load("dBm_I_Last", 10);
        QCOMPARE(load.hintAt(QPoint(80, 85)), QString("Systemimpedanz"));
        QCOMPARE(load.hintAt(QPoint(130, 85)), QString("Spannung an der Systemimpedanz"));
        QCOMPARE(load.hintAt(QPoint(5, 150)), QString());
    }

    void arrowsCarryTheirColours()
    {
        const Picture& power = picture("dB_I_Leistung");
        const Picture& voltage = picture("dB_I_Spannung");
        QVERIFY(hasColour(render(power.size, 10, power.draw), green));
        QVERIFY(!hasColour(render(power.size, 10, power.draw), blue));
        QVERIFY(hasColour(render(voltage.size, 10, voltage.draw), blue));
    }

    // Each part of the kit stays between its two ends and across the width a part takes.
    void partsStayBetweenTheirEnds_data()
    {
        QTest::addColumn<int>("part");
        QTest::newRow("wire") << 0;
        QTest::newRow("resistor") << 1;
        QTest::newRow("coil") << 2;
        QTest::newRow("capacitor") << 3;
        QTest::newRow("arrow") << 4;
        QTest::newRow("source") << 5;
    }
    void partsStayBetweenTheirEnds()
    {
        QFETCH(int, part);
        const QPointF from(2, 3), to(8, 3);
        const auto draw = [&](const Schematic& s) {
            switch (part) {
            case 0: s.wire({from, to}); break;
            case 1: s.resistor(from, to); break;
            case 2: s.coil(from, to); break;
            case 3: s.capacitor(from, to); break;
            case 4: s.arrow(from, to, Qt::red); break;
            case 5: s.source(from, to); break;
            }
        };
        const QRect box = ink(render({10, 6}, 10, draw));
        QVERIFY(qAbs(box.left() - 20) <= 2);
        QVERIFY(qAbs(box.right() - 80) <= 2);
        QVERIFY(box.top() >= 20 && box.bottom() <= 40);

        // vertical: the same part turned
        const auto turned = [&](const Schematic& s) {
            switch (part) {
            case 0: s.wire({{5, 0.5}, {5, 5.5}}); break;
            case 1: s.resistor({5, 0.5}, {5, 5.5}); break;
            case 2: s.coil({5, 0.5}, {5, 5.5}); break;
            case 3: s.capacitor({5, 0.5}, {5, 5.5}); break;
            case 4: s.arrow({5, 0.5}, {5, 5.5}, Qt::red); break;
            case 5: s.source({5, 0.5}, {5, 5.5}); break;
            }
        };
        const QRect up = ink(render({10, 6}, 10, turned));
        QVERIFY(qAbs(up.top() - 5) <= 2 && qAbs(up.bottom() - 55) <= 2);
        QVERIFY(up.left() >= 40 && up.right() <= 60);
    }

    // A brace spans its two ends and stands one unit out on the side it is asked for,
    // whichever way round its ends are given.
    void braceStandsOutOnItsSide_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("side");
        QTest::addColumn<QRectF>("area"); // in units: the span and the point
        QTest::newRow("below") << QPointF(2, 3) << QPointF(8, 3) << int(Qt::BottomEdge)
                               << QRectF(2, 3, 6, 1);
        QTest::newRow("above, drawn right to left")
            << QPointF(8, 3) << QPointF(2, 3) << int(Qt::TopEdge) << QRectF(2, 2, 6, 1);
        QTest::newRow("above") << QPointF(2, 3) << QPointF(8, 3) << int(Qt::TopEdge)
                               << QRectF(2, 2, 6, 1);
        QTest::newRow("right") << QPointF(5, 0.5) << QPointF(5, 5.5) << int(Qt::RightEdge)
                               << QRectF(5, 0.5, 1, 5);
        QTest::newRow("left, drawn upwards")
            << QPointF(5, 5.5) << QPointF(5, 0.5) << int(Qt::LeftEdge) << QRectF(4, 0.5, 1, 5);
    }
    void braceStandsOutOnItsSide()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, side);
        QFETCH(QRectF, area);
        const QRect box = ink(render({10, 6}, 10, [&](const Schematic& s) {
            s.brace(from, to, Qt::Edge(side));
        }));
        QVERIFY2(qAbs(box.left() - area.left() * 10) <= 2, qPrintable(QString::number(box.left())));
        QVERIFY2(qAbs(box.right() - area.right() * 10) <= 2, qPrintable(QString::number(box.right())));
        QVERIFY2(qAbs(box.top() - area.top() * 10) <= 2, qPrintable(QString::number(box.top())));
        QVERIFY2(qAbs(box.bottom() - area.bottom() * 10) <= 2,
                 qPrintable(QString::number(box.bottom())));
    }

    void smallPartsDrawAtTheirPoint()
    {
        const auto draw = [](const Schematic& s) {
            s.terminal({2, 2});
            s.junction({5, 2});
            s.ground({8, 2});
            s.label({2, 5}, "U", "in", Qt::AlignLeft | Qt::AlignVCenter);
            s.dashedFrame(QRectF(QPointF(1, 1), QPointF(9, 7)));
            s.block(QRectF(QPointF(3, 3), QPointF(7, 4)), "X");
        };
        const QRect box = ink(render({10, 8}, 10, draw));
        QVERIFY(qAbs(box.left() - 10) <= 2 && qAbs(box.right() - 90) <= 2);
        QVERIFY(qAbs(box.top() - 10) <= 2 && qAbs(box.bottom() - 70) <= 2);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
