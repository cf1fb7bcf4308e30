// Where a secondary window goes beside the main window: on screens with room, beside it on the
// chosen side; on small screens where it hides the fewest input fields.
#include "widgets/Placement.h"

#include <QtTest>

using namespace ampero;

namespace {

// The main window (715 × 547 plus its frame) with a column of input fields on its left half.
const QRect kMain(600, 100, 717, 577);
QList<QRect> fields()
{
    QList<QRect> rects;
    for (int i = 0; i < 8; ++i)
        rects << QRect(kMain.left() + 100, kMain.top() + 80 + 50 * i, 120, 22);
    return rects;
}

int covered(const QRect& frame)
{
    int n = 0;
    for (const QRect& f : fields())
        n += frame.intersects(f);
    return n;
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void besideWhereTheScreenHasRoom_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("expected");
        const QRect wide(0, 0, 1920, 1170);
        QTest::newRow("right") << wide << int(Side::Right) << QPoint(kMain.right() + 11, 100);
        QTest::newRow("left") << wide << int(Side::Left) << QPoint(kMain.left() - 10 - 500, 100);
        QTest::newRow("over") << wide << int(Side::Over) << QPoint(kMain.left() + 120, 100);
        // no room on the left: the other side
        QTest::newRow("left, room right only")
            << QRect(200, 0, 1720, 1170) << int(Side::Left) << QPoint(kMain.right() + 11, 100);
        // taller than the room below the main window's top: moved up, still beside it
        QTest::newRow("right, low screen")
            << QRect(0, 0, 1920, 650) << int(Side::Right) << QPoint(kMain.right() + 11, 50);
    }
    void besideWhereTheScreenHasRoom()
    {
        QFETCH(QRect, screen);
        QFETCH(int, side);
        QFETCH(QPoint, expected);
        const Placement p{kMain, QSize(500, 600), screen, Side(side), fields()};
        QCOMPARE(placeWindow(p), expected);
    }

    // 1366 × 768 with a window of 830 pixels: no side has room. It goes where it hides no
    // input field (here above them), and stays on the screen.
    void onASmallScreenItKeepsTheFieldsFree_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("right") << int(Side::Right);
        QTest::newRow("left") << int(Side::Left);
    }
    void onASmallScreenItKeepsTheFieldsFree()
    {
        QFETCH(int, side);
        const QRect screen(0, 0, 1366, 738);
        const Placement p{kMain.translated(-275, 0), QSize(830, 170), screen, Side(side),
                          fields()};
        const QRect frame(placeWindow(p), p.size);
        QVERIFY(screen.contains(frame));
        QCOMPARE(covered(frame), 0);
    }

    // Where no place keeps every field free, the fewest are covered.
    void withNoFreePlaceTheFewestFieldsAreCovered()
    {
        const QRect screen(0, 0, 1366, 738);
        const Placement p{kMain, QSize(1300, 600), screen, Side::Right, fields()};
        const QRect frame(placeWindow(p), p.size);
        QVERIFY(screen.contains(frame));
        for (int x = 0; x <= screen.width() - p.size.width(); x += 11)
            for (int y = 0; y <= screen.height() - p.size.height(); y += 11)
                QVERIFY(covered(frame) <= covered(QRect(QPoint(x, y), p.size)));
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
