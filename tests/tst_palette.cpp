// Under a dark desktop palette every text stays readable on its background, and the pictures
// draw their marks in colours that stand out from dark grey.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "schematics/Pictures.h"
#include "schematics/Schematic.h"
#include "support/Driver.h"
#include "widgets/PageControl.h"
#include "windows/Info361.h"
#include "windows/Update361.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStyleFactory>
#include <QtTest>

using namespace ampero;

namespace {

const QColor kDarkWindow(53, 53, 53);

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, kDarkWindow);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, kDarkWindow);
    p.setColor(QPalette::ButtonText, Qt::white);
    return p;
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a widget's text is drawn on: the window colour of the nearest widget that fills
// its background, or the window's own.
QColor backgroundOf(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(QPalette::Window);
    return QApplication::palette().color(QPalette::Window);
}

QImage render(const Picture& picture, qreal unit, const QPalette& palette)
{
    QImage image((picture.size * unit).toSize(), QImage::Format_ARGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    picture.draw(Schematic(painter, unit, palette));
    return image;
}

bool hasPixel(const QImage& image, const std::function<bool(QColor)>& match)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                return true;
    return false;
}

} // namespace

class TestPalette : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
        driver::startProgram();
    }

    void everyTextOfEveryPageReadsOnItsBackground()
    {
        QStringList unreadable;
        QList<QWidget*> widgets = Form1->findChildren<QWidget*>();
        widgets << Form2->findChildren<QWidget*>() << Form9->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(w))
                continue;
            const QColor text = w->palette().color(QPalette::WindowText);
            const double ratio = contrast(text, backgroundOf(w));
            if (ratio < 4.5)
                unreadable << QStringLiteral("%1 \"%2\" (%3:1)")
                                  .arg(w->objectName(),
                                       qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                                : qobject_cast<QGroupBox*>(w)->title())
                                  .arg(ratio, 0, 'f', 1);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
    }

    // The cream page keeps dark text: its grabbed image holds near-black text pixels.
    void theCreamPageDrawsDarkText()
    {
        Form1->PageControl1->setCurrentIndex(1);
        QApplication::processEvents();
        const QImage page = Form1->PageControl1->currentWidget()->grab().toImage();
        QVERIFY(hasPixel(page, [](QColor c) { return c.value() < 60; }));
    }

    void picturesMarkInColoursForTheDarkPalette()
    {
        const QPalette dark = darkPalette();
        const QImage voltage = render(picture(QStringLiteral("dB_I_Spannung")), 10, dark);
        // the blue of a light background is too dark here; the light blue stands in for it
        QVERIFY(!hasPixel(voltage, [](QColor c) { return c == QColor(0, 0, 220); }));
        QVERIFY(hasPixel(voltage, [](QColor c) { return c == QColor(120, 165, 255); }));
        // every mark reads on dark grey
        QPainter probe;
        QImage image(1, 1, QImage::Format_ARGB32);
        probe.begin(&image);
        const Schematic kit(probe, 10, dark);
        for (const QColor& mark : {kit.voltageColor(), kit.currentColor(), kit.powerColor(),
                                   kit.changedKindColor(), kit.usualKindColor(), kit.textColor()})
            QVERIFY2(contrast(mark, kDarkWindow) >= 3.0, qPrintable(mark.name()));
        probe.end();
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
