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
bool red(QColor c) { return c.red() > 150 && c.green() < 60 && c.blue() < 60; }
// ink in the text colour: the circuit, its part names and plain markings
bool dark(QColor c) { return c.value() < 100 && c.saturation() < 40; }

int inkIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != kBackground;
    return count;
}

// The palettes the program meets: the light one of the tests above, and a dark one.
QPalette lightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    return palette;
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    return palette;
}

QImage renderIn(const Picture& p, qreal unit, const QPalette& palette)
{
    QImage image((p.size * unit).toSize(), QImage::Format_ARGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    p.draw(Schematic(painter, unit, palette));
    return image;
}

// The colours of the marks and kinds as a palette gives them to the kit.
struct KitColours {
    QColor voltage, current, power, changed, usual;
};

KitColours kitColours(const QPalette& palette)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    QPainter painter(&image);
    const Schematic s(painter, 10, palette);
    return {s.voltageColor(), s.currentColor(), s.powerColor(), s.changedKindColor(),
            s.usualKindColor()};
}

// Which of the kit's colours an image holds, exactly, as a mark filled or a line a few
// pixels broad does.
QList<int> coloursIn(const QImage& image, const KitColours& kit)
{
    const QRgb wanted[] = {kit.voltage.rgb(), kit.current.rgb(), kit.power.rgb(),
                           kit.changed.rgb(), kit.usual.rgb()};
    bool found[5] = {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (int i = 0; i < 5; ++i)
                found[i] = found[i] || image.pixel(x, y) == wanted[i];
    QList<int> list;
    for (int i = 0; i < 5; ++i)
        if (found[i])
            list << i;
    return list;
}

// Pixels in a colour close to `colour`, in the rows [top, bottom).
int pixelsLike(const QImage& image, const QColor& colour, int top, int bottom)
{
    int count = 0;
    for (int y = qMax(0, top); y < qMin(bottom, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                         qAbs(c.blue() - colour.blue()) <
                     40;
        }
    return count;
}

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

    // Every page and window finds each picture it shows by its name, and no name is given
    // twice.
    void everyPageFindsItsPictures()
    {
        QStringList wanted = {"PiT_I_Pi_unsym", "PiT_I_T_unsym", "PiT_I_Pi_sym", "PiT_I_T_sym",
                              "RPi_I_unsym",    "RPi_I_sym",     "RT_I_unsym",   "RT_I_sym",
                              "PiT_UI_Bild",    "R_UI_Bild1",    "R_UI_Bild2",   "L_UI_Image1",
                              "L_UI_Image2",    "Pi_UI_Bild",    "T_UI_Bild",    "VSWR_I_Bild"};
        for (const char* balance : {"unsym", "sym"}) {
            for (int n = 1; n <= 5; ++n)
                wanted << QString("R_I_%1%2").arg(balance).arg(n);
            for (const char* l : {"Hocha", "Hochc", "Hoche", "Hochg", "Tiefb", "Tiefd",
                                  "Tieff", "Tiefh"})
                wanted << QString("L_I_%1_%2").arg(l, balance);
            for (const char* family : {"Hoch", "Tief"}) {
                wanted << QString("Pi_I_%1_%2").arg(family, balance) + "1";
                for (int n : {1, 2, 5, 6})
                    wanted << QString("T_I_%1_%2%3").arg(family, balance).arg(n);
            }
        }
        QSet<QString> names;
        for (const Picture& p : pictureCatalogue()) {
            QVERIFY2(!names.contains(p.name), qPrintable(p.name));
            names << p.name;
        }
        for (const QString& name : wanted)
            QVERIFY2(names.contains(name), qPrintable(name));
    }

    // In a matching network the series parts of the usual kind are orange, those whose kind
    // changed violet, in the upper line and, when balanced, in the lower one too; the shunt
    // parts and the terminations keep the text colour.
    void seriesPartsShowTheirKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usual");
        QTest::addColumn<bool>("changed");
        for (const char* balance : {"unsym", "sym"}) {
            const auto row = [&](const QString& name, bool usual, bool changed) {
                QString full = name;
                full.replace("%1", balance);
                QTest::newRow(qPrintable(full)) << full << usual << changed;
            };
            row("L_I_Hocha_%1", true, false);
            row("L_I_Hochc_%1", true, false);
            row("L_I_Hoche_%1", false, true);
            row("L_I_Hochg_%1", false, true);
            row("L_I_Tiefb_%1", true, false);
            row("L_I_Tiefd_%1", true, false);
            row("L_I_Tieff_%1", false, true);
            row("L_I_Tiefh_%1", false, true);
            row("T_I_Hoch_%11", true, false);
            row("T_I_Hoch_%12", true, true);
            row("T_I_Tief_%15", true, true);
            row("T_I_Tief_%16", false, true);
            row("Pi_I_Hoch_%11", false, false);
        }
        QTest::newRow("attenuator") << "PiT_I_T_sym" << false << false;
        QTest::newRow("pad") << "R_I_sym3" << false << false;
    }
    void seriesPartsShowTheirKind()
    {
        QFETCH(QString, name);
        QFETCH(bool, usual);
        QFETCH(bool, changed);
        const Picture& p = picture(name);
        const KitColours kit = kitColours(lightPalette());
        const QImage image = renderIn(p, 20, lightPalette());
        const int half = image.height() / 2;
        const bool balanced = name.contains("_sym");
        const auto check = [&](const QColor& colour, bool expected) {
            QCOMPARE(pixelsLike(image, colour, 0, half) > 20, expected);
            QCOMPARE(pixelsLike(image, colour, half, image.height()) > 20, expected && balanced);
        };
        check(kit.usual, usual);
        check(kit.changed, changed);
    }

    // A balanced network differs from its unbalanced twin only in the lower line, where it
    // repeats the series parts.
    void balancedNetworksRepeatTheirSeriesParts_data()
    {
        QTest::addColumn<QString>("name");
        for (const Picture& p : pictureCatalogue())
            if (p.name.contains("_unsym"))
                QTest::newRow(qPrintable(p.name)) << p.name;
    }
    void balancedNetworksRepeatTheirSeriesParts()
    {
        QFETCH(QString, name);
        QString twin = name;
        twin.replace("_unsym", "_sym");
        const Picture& unbalanced = picture(name);
        const Picture& balanced = picture(twin);
        QCOMPARE(balanced.size, unbalanced.size);
        const QImage a = render(unbalanced.size, 10, unbalanced.draw);
        const QImage b = render(balanced.size, 10, balanced.draw);
        int above = 0, below = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    ++(y < a.height() / 2 ? above : below);
        QCOMPARE(above, 0);
        QVERIFY2(below > 100, qPrintable(QString::number(below)));
        // the balanced one adds parts and their names, it takes nothing away
        QVERIFY(inkIn(b, b.rect()) > inkIn(a, a.rect()));
    }

    // Under a dark palette every picture draws its lines in the light text colour and its
    // marks in the colours the kit gives the dark palette, the same marks as under a light
    // one.
    void picturesReadOnADarkBackground_data() { everyPictureRenders_data(); }
    void picturesReadOnADarkBackground()
    {
        QFETCH(QString, name);
        const Picture& p = picture(name);
        const QImage light = renderIn(p, 20, lightPalette());
        const QImage dark = renderIn(p, 20, darkPalette());
        QCOMPARE(coloursIn(dark, kitColours(darkPalette())),
                 coloursIn(light, kitColours(lightPalette())));
        QVERIFY(coloursIn(dark, kitColours(lightPalette())).isEmpty());
        // what is black on light is white on dark
        int black = 0, white = 0, lightBlack = 0;
        for (int y = 0; y < dark.height(); ++y)
            for (int x = 0; x < dark.width(); ++x) {
                const QColor c = dark.pixelColor(x, y);
                black += c.value() < 0x20;
                white += c.rgb() == QColor(Qt::white).rgb();
                lightBlack += light.pixel(x, y) == QColor(Qt::black).rgb();
            }
        QCOMPARE(black, 0);
        QCOMPARE(white > 0, lightBlack > 0);
    }

    // The window pictures mark voltages and currents; the page pictures of the same
    // networks mark none.
    void windowPicturesMarkVoltagesAndCurrents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("marked");
        for (const char* name : {"PiT_UI_Bild", "R_UI_Bild1", "R_UI_Bild2", "L_UI_Image1",
                                 "L_UI_Image2", "Pi_UI_Bild", "T_UI_Bild"})
            QTest::newRow(name) << name << true;
        for (const char* name : {"PiT_I_Pi_unsym", "R_I_unsym1", "RT_I_sym", "L_I_Hochg_sym",
                                 "Pi_I_Tief_unsym1", "T_I_Hoch_sym6"})
            QTest::newRow(name) << name << false;
    }
    void windowPicturesMarkVoltagesAndCurrents()
    {
        QFETCH(QString, name);
        QFETCH(bool, marked);
        const Picture& p = picture(name);
        const QImage image = render(p.size, 10, p.draw);
        QCOMPARE(hasColour(image, blue), marked);
        QCOMPARE(hasColour(image, red), marked);
        QVERIFY(!hasColour(image, green));
    }

    // The matching pages give tooltips to the circuits they name; the VSWR picture has one.
    void circuitTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Pi high-pass") << "Pi_I_Hoch_unsym1"
                                      << "Schaltung des unsymmetrischen Hochpasses";
        QTest::newRow("Pi balanced low-pass") << "Pi_I_Tief_sym1"
                                              << "Schaltung des symmetrischen Tiefpasses";
        QTest::newRow("T first") << "T_I_Hoch_unsym1" << "Schaltung des unsymmetrischen Hochpasses";
        QTest::newRow("T other") << "T_I_Tief_sym2" << QString();
        QTest::newRow("L") << "L_I_Hocha_unsym" << QString();
        QTest::newRow("VSWR") << "VSWR_I_Bild" << "schematische Darstellung";
    }
    void circuitTooltips()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        PictureWidget widget(name, 10);
        QCOMPARE(widget.hintAt(QPoint(widget.width() / 2, widget.height() / 2)), hint);
        QCOMPARE(widget.hintAt(QPoint(2, 2)), hint);
    }

    // Nothing of a picture is cut off at its edges: drawn on a larger canvas, all of it
    // stays inside its own area.
    void picturesStayInsideTheirArea_data() { everyPictureRenders_data(); }
    void picturesStayInsideTheirArea()
    {
        QFETCH(QString, name);
        const Picture& p = picture(name);
        constexpr qreal kUnit = 10, kMargin = 3;
        const QRectF area(QPointF(kMargin, kMargin) * kUnit, p.size * kUnit);
        QImage canvas(((p.size + QSizeF(2 * kMargin, 2 * kMargin)) * kUnit).toSize(),
                      QImage::Format_ARGB32);
        canvas.fill(kBackground);
        {
            QPainter painter(&canvas);
            painter.translate(area.topLeft());
            p.draw(Schematic(painter, kUnit, lightPalette()));
        }
        const QRect box = ink(canvas);
        const QString got = QString("%1 %2 %3 %4")
                                .arg(box.left() - area.left())
                                .arg(area.right() - box.right() - 1)
                                .arg(box.top() - area.top())
                                .arg(area.bottom() - box.bottom() - 1);
        QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(QRectF(box)), qPrintable(got));
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

    // The views of a network mark only their own quantities: the immittance in the text
    // colour, voltages blue, currents red, powers green.
    void networkViewsCarryTheirColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hasBlue");
        QTest::addColumn<bool>("hasRed");
        QTest::addColumn<bool>("hasGreen");
        QTest::newRow("series impedance") << "RLC_I_R_RLC1" << false << false << false;
        QTest::newRow("series voltages") << "RLC_I_R_RL2" << true << true << false;
        QTest::newRow("series powers") << "RLC_I_R_RC3" << false << true << true;
        QTest::newRow("parallel admittance") << "RLC_I_P_RC1" << false << false << false;
        QTest::newRow("parallel currents") << "RLC_I_P_RLC2" << true << true << false;
        QTest::newRow("parallel powers") << "RLC_I_P_RL3" << true << false << true;
    }
    void networkViewsCarryTheirColours()
    {
        QFETCH(QString, name);
        QFETCH(bool, hasBlue);
        QFETCH(bool, hasRed);
        QFETCH(bool, hasGreen);
        const Picture& p = picture(name);
        const QImage image = render(p.size, 10, p.draw);
        QCOMPARE(hasColour(image, blue), hasBlue);
        QCOMPARE(hasColour(image, red), hasRed);
        QCOMPARE(hasColour(image, green), hasGreen);
        QCOMPARE(p.hints.size(), std::size_t(1));
        QCOMPARE(p.hints.front().area, QRectF(QPointF(0, 0), p.size));
    }

    // The RC networks mark their input and output voltages; where the page has a tooltip
    // for the whole circuit, it covers the whole picture.
    void transformPicturesCarryTheirMarks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hasBlue");
        QTest::addColumn<QString>("hint");
        QTest::newRow("low pass") << "RC_I_RCGlied" << true << QString();
        QTest::newRow("Wien") << "RC_I_Wien" << true << "Schaltbild";
        QTest::newRow("twin T") << "RC_I_DoppelT" << true << QString();
        QTest::newRow("parallel") << "PS_I_Parallel" << false
                                  << "Schaltbild der Parallelschaltung";
        QTest::newRow("arrow") << "PS_I_Pfeil" << false << QString();
        QTest::newRow("series") << "PS_I_Serie" << false << "Schaltbild der Serienschaltung";
    }
    void transformPicturesCarryTheirMarks()
    {
        QFETCH(QString, name);
        QFETCH(bool, hasBlue);
        QFETCH(QString, hint);
        const Picture& p = picture(name);
        const QImage image = render(p.size, 10, p.draw);
        QCOMPARE(hasColour(image, blue), hasBlue);
        QVERIFY(!hasColour(image, red) && !hasColour(image, green));
        if (hint.isEmpty()) {
            QVERIFY(p.hints.empty());
        } else {
            QCOMPARE(p.hints.size(), std::size_t(1));
            QCOMPARE(p.hints.front().area, QRectF(QPointF(0, 0), p.size));
            QCOMPARE(p.hints.front().text, hint);
        }
    }

    // The page swaps the three views of a network in place: the circuit and its part names
    // stay where they are, only the markings change.
    void networkViewsLineUp_data()
    {
        QTest::addColumn<QString>("circuit");
        for (const char* circuit : {"RLC_I_R_RLC", "RLC_I_R_RL", "RLC_I_R_RC", "RLC_I_P_RLC",
                                    "RLC_I_P_RL", "RLC_I_P_RC"})
            QTest::newRow(circuit) << circuit;
    }
    void networkViewsLineUp()
    {
        QFETCH(QString, circuit);
        QImage views[3];
        for (int v = 0; v < 3; ++v) {
            const Picture& p = picture(circuit + QString::number(v + 1));
            views[v] = render(p.size, 10, p.draw);
        }
        // the voltage and power views have no dark markings: their dark ink is the circuit
        int differ = 0, missingInFirst = 0;
        for (int y = 0; y < views[0].height(); ++y)
            for (int x = 0; x < views[0].width(); ++x) {
                const bool circuitInk = dark(views[1].pixelColor(x, y));
                differ += circuitInk != dark(views[2].pixelColor(x, y));
                missingInFirst += circuitInk && !dark(views[0].pixelColor(x, y));
            }
        // a few pixels where a coloured marking touches the circuit
        QVERIFY2(differ <= 6, qPrintable(QString::number(differ)));
        QVERIFY2(missingInFirst <= 6, qPrintable(QString::number(missingInFirst)));
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
        QTest::newRow("wide arrow") << 6;
        QTest::newRow("impedance") << 7;
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
            case 6: s.wideArrow(from, to, 2, Qt::red, true); break;
            case 7: s.impedance(from, to); break;
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
            case 6: s.wideArrow({5, 0.5}, {5, 5.5}, 2, Qt::red, true); break;
            case 7: s.impedance({5, 0.5}, {5, 5.5}); break;
            }
        };
        const QRect up = ink(render({10, 6}, 10, turned));
        QVERIFY(qAbs(up.top() - 5) <= 2 && qAbs(up.bottom() - 55) <= 2);
        QVERIFY(up.left() >= 40 && up.right() <= 60);
    }

    // A part in a colour of its own inks its body in it; its leads stay wires.
    void colouredPartsKeepTheirLeads()
    {
        const QImage image = render({10, 6}, 20, [](const Schematic& s) {
            s.coil({1, 3}, {9, 3}, Qt::red);
        });
        const QImage leads = image.copy(20, 40, 30, 40); // from the left end to the body
        const QImage body = image.copy(80, 40, 40, 40);
        QVERIFY(hasColour(leads, dark) && !hasColour(leads, red));
        QVERIFY(hasColour(body, red) && !hasColour(body, dark));
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

    // An arc arrow stays between its ends along the chord and bows out by its height on the
    // side it is asked for, whichever way round its ends are given.
    void arcArrowBowsOutByItsHeight_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<qreal>("height");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("doubleHeaded");
        QTest::addColumn<QRectF>("area"); // in units: the chord and the bow
        QTest::newRow("flat, above") << QPointF(1, 4) << QPointF(9, 4) << 1.0 << int(Qt::TopEdge)
                                     << false << QRectF(1, 3, 8, 1);
        QTest::newRow("deep, below, drawn right to left, double")
            << QPointF(9, 1) << QPointF(1, 1) << 3.0 << int(Qt::BottomEdge) << true
            << QRectF(1, 1, 8, 3);
        QTest::newRow("half a circle") << QPointF(2, 5) << QPointF(8, 5) << 3.0 << int(Qt::TopEdge)
                                       << false << QRectF(2, 2, 6, 3);
        QTest::newRow("right, double") << QPointF(5, 0.5) << QPointF(5, 5.5) << 2.0
                                       << int(Qt::RightEdge) << true << QRectF(5, 0.5, 2, 5);
        QTest::newRow("left, drawn upwards") << QPointF(5, 5.5) << QPointF(5, 0.5) << 1.5
                                             << int(Qt::LeftEdge) << false
                                             << QRectF(3.5, 0.5, 1.5, 5);
    }
    void arcArrowBowsOutByItsHeight()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(qreal, height);
        QFETCH(int, side);
        QFETCH(bool, doubleHeaded);
        QFETCH(QRectF, area);
        const QRect box = ink(render({10, 6}, 10, [&](const Schematic& s) {
            s.arcArrow(from, to, height, Qt::Edge(side), Qt::red, doubleHeaded);
        }));
        const QString got = QString("%1 %2 %3 %4")
                                .arg(box.left()).arg(box.right()).arg(box.top()).arg(box.bottom());
        QVERIFY2(qAbs(box.left() - area.left() * 10) <= 2, qPrintable(got));
        QVERIFY2(qAbs(box.right() - area.right() * 10) <= 2, qPrintable(got));
        QVERIFY2(qAbs(box.top() - area.top() * 10) <= 2, qPrintable(got));
        QVERIFY2(qAbs(box.bottom() - area.bottom() * 10) <= 2, qPrintable(got));
    }

    // The head at the end is always there; the one at the start only when double-headed. The
    // arc is symmetric, so a head at its start inks as much as the one at its end.
    void arcArrowHasItsHeads()
    {
        const auto draw = [](bool doubleHeaded) {
            return render({10, 6}, 10, [&](const Schematic& s) {
                s.arcArrow({1, 4}, {9, 4}, 2, Qt::TopEdge, Qt::red, doubleHeaded);
            });
        };
        const QImage single = draw(false);
        const QImage both = draw(true);
        const QRect start(8, 28, 12, 14), end(80, 28, 12, 14); // mirror images
        const QString got = QString("start %1/%2, end %3/%4")
                                .arg(inkIn(single, start)).arg(inkIn(both, start))
                                .arg(inkIn(single, end)).arg(inkIn(both, end));
        QVERIFY2(inkIn(single, start) + 10 < inkIn(single, end), qPrintable(got));
        QVERIFY2(qAbs(inkIn(both, start) - inkIn(single, end)) <= 4, qPrintable(got));
        QVERIFY2(qAbs(inkIn(both, end) - inkIn(single, end)) <= 4, qPrintable(got));
    }

    // A wide arrow is its full width across the backs of its heads, half that along its
    // shaft, and comes to a point at each end that has a head.
    void wideArrowHasItsHeads()
    {
        const auto draw = [](bool doubleHeaded) {
            return render({10, 6}, 10, [&](const Schematic& s) {
                s.wideArrow({1, 3}, {9, 3}, 2, Qt::red, doubleHeaded);
            });
        };
        const auto across = [](const QImage& image, int x) {
            return ink(image.copy(x, 0, 1, image.height())).height();
        };
        const QImage single = draw(false);
        const QImage both = draw(true);
        const QString got = QString("start %1/%2, end %3/%4, heads %5/%6, shaft %7")
                                .arg(across(single, 11)).arg(across(both, 11))
                                .arg(across(single, 88)).arg(across(both, 88))
                                .arg(across(single, 77)).arg(across(both, 23))
                                .arg(across(both, 50));
        QVERIFY2(qAbs(across(single, 11) - 10) <= 2, qPrintable(got)); // a flat end
        QVERIFY2(across(both, 11) <= 5, qPrintable(got));
        QVERIFY2(across(single, 88) <= 5 && across(both, 88) <= 5, qPrintable(got));
        QVERIFY2(across(single, 77) >= 17 && across(both, 23) >= 17, qPrintable(got));
        QVERIFY2(qAbs(across(both, 50) - 10) <= 2, qPrintable(got));
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
