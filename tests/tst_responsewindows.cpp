// The "Frequenzgang" windows of the network pages, as a user opens and follows them.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/PITAtt.h"
#include "pages/Page.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "pages/PiNetz.h"
#include "pages/RNetz.h"
#include "pages/TNetz.h"
#include "rf/LNetwork.h"
#include "support/Driver.h"
#include "values/DisplayOptions.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "windows/Frequenzgang.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTextDocument>
#include <QtTest>

using namespace ampero;

namespace {

constexpr int kPiT = 8, kR = 10, kL = 11, kPi = 12, kT = 13;

PITAtt* pit() { return qobject_cast<PITAtt*>(Form1->PageControl1->widget(kPiT)); }
RNetz* rnetz() { return qobject_cast<RNetz*>(Form1->PageControl1->widget(kR)); }

struct Opened {
    int tab;
    const char* button;
    const char* window;
};
const Opened kWindows[] = {
    {kPiT, "PiT_B_FG", "PiT_Frequenzgang"},
    {kR, "R_B_FG", "R_Frequenzgang"},
    {kPi, "Pi_B_FG", "Pi_Frequenzgang"},
    {kT, "T_B_FG", "T_Frequenzgang"},
    {kL, "L_B_FG", "L_Frequenzgang"},
};

Frequenzgang* open(const Opened& o)
{
    Form1->PageControl1->setCurrentIndex(o.tab);
    QApplication::processEvents();
    auto* button = driver::find<QPushButton>(QLatin1String(o.button));
    if (!button || !button->isVisible())
        return nullptr;
    button->click();
    QApplication::processEvents();
    return driver::find<Frequenzgang>(QLatin1String(o.window));
}

// The cells of the table under the plot, row by row.
QStringList summary(Frequenzgang* w)
{
    QTextDocument doc;
    doc.setHtml(w->findChild<QLabel*>(w->objectName().section('_', 0, 0) + "_FG_Werte")->text());
    return doc.toPlainText().split('\n');
}

// The cells of one curve's row: TL computed and built, RL computed and built.
QStringList row(const QStringList& cells, const QString& name)
{
    const auto i = cells.indexOf(name);
    return i < 0 ? QStringList() : cells.mid(i + 1, 4);
}

} // namespace

class TestResponseWindows : public QObject {
    Q_OBJECT

private slots:

    void initTestCase() { driver::startProgram(); }

    void init()
    {
        driver::startEachTest();
        pit()->loadFactoryDefaults();
        rnetz()->loadFactoryDefaults();
        for (int tab : {kL, kPi, kT})
            qobject_cast<Page*>(Form1->PageControl1->widget(tab))->loadFactoryDefaults();
        for (const Opened& o : kWindows)
            if (QWidget* w = driver::find(QLatin1String(o.window)))
                w->close();
    }

    // No page makes its window before the user asks for it; the first click shows the
    // networks of the page's last calculation. (First here: the other tests open them all.)
    void theWindowIsMadeAtTheFirstClick()
    {
        for (const Opened& o : kWindows)
            QVERIFY2(!driver::find(QLatin1String(o.window)), o.window);
        Form1->PageControl1->setCurrentIndex(kT);
        QCOMPARE(driver::boxesDuring([] { driver::enterEach({"T_E_F=7M"}); }).size(), 0);
        Frequenzgang* w = open(kWindows[3]);
        QVERIFY(w);
        QCOMPARE(w->curves().size(), std::size_t(2));
        const response::Network& n = w->curves()[0].network;
        QCOMPARE(n.F, 7e6);
        QCOMPARE(fixedText(response::at(n, n.F).TL) + " dB", driver::text("T_E_HP_TL"));
        QVERIFY(w->findChild<QChartView*>());
    }

    // The button sits beside "U / I", inside the page, clear of every other component.
    void theButtonOpensTheWindowBesideUI_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("PiT") << 0;
        QTest::newRow("R") << 1;
        QTest::newRow("Pi") << 2;
        QTest::newRow("T") << 3;
        QTest::newRow("L") << 4;
    }
    void theButtonOpensTheWindowBesideUI()
    {
        QFETCH(int, row);
        const Opened& o = kWindows[row];
        Frequenzgang* w = open(o);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QCOMPARE(w->windowTitle().left(12), QStringLiteral("Frequenzgang"));
        auto* button = driver::find<QPushButton>(QLatin1String(o.button));
        QCOMPARE(button->text().remove(QStringLiteral("-\n")), QStringLiteral("Frequenzgang"));
        for (QWidget* sibling : button->parentWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly))
            if (sibling != button && sibling->isVisible())
                QVERIFY2(!sibling->geometry().intersects(button->geometry()),
                         qPrintable(sibling->objectName()));
        QVERIFY(button->parentWidget()->rect().contains(button->geometry()));
        // two curves (TL and RL) for each pad of the page
        auto* view = w->findChild<QChartView*>();
        QVERIFY(view);
        int lines = 0;
        for (QAbstractSeries* s : view->chart()->series())
            if (auto* l = qobject_cast<QLineSeries*>(s)) {
                QCOMPARE(l->count(), Frequenzgang::kPoints);
                ++lines;
            }
        QCOMPARE(lines, 2 * static_cast<int>(w->curves().size()));
    }

    // The attenuator: its pads as computed and as built from the shown (rounded) resistors.
    void theAttenuatorWindowFollowsThePage()
    {
        Frequenzgang* w = open(kWindows[0]);
        QVERIFY(w);
        // the designed pads reflect nothing
        const QStringList twenty{withPunktKomma("20,000 dB"), withPunktKomma("20,000 dB"),
                                 "> 100 dB", "> 100 dB"};
        QCOMPARE(row(summary(w), "Pi-Form"), twenty);
        QCOMPARE(row(summary(w), "T-Form"), twenty);
        QCOMPARE(driver::boxesDuring([] { driver::enterEach({"PiT_E_dB=6"}); }).size(), 0);
        QCOMPARE(row(summary(w), "Pi-Form").first(), withPunktKomma("6,000 dB"));
        // the built pad's loss is within the rounding of its resistors
        for (const Frequenzgang::Curve& c : w->curves())
            QVERIFY(std::fabs(response::at(c.network, 1).TL - 6) < 1e-3);
    }

    void theRNetworkWindowHasItsThreePads()
    {
        Frequenzgang* w = open(kWindows[1]);
        QVERIFY(w);
        QCOMPARE(w->curves().size(), std::size_t(3));
        QCOMPARE(w->curves()[0].name, QStringLiteral("L-Form"));
        QCOMPARE(driver::boxesDuring([] { driver::enterEach({"R_E_D=20", "R_E_Z1=600"}); }).size(),
                 0);
        const Frequenzgang::Curve& pi = w->curves()[1];
        QCOMPARE(pi.network.Z1, response::Complex(600, 0));
        // the Pi and T pads match both sides: nearly no reflection as designed
        QVERIFY(response::at(*pi.designed, 1).RL > 90);
        QVERIFY(response::at(pi.network, 1).RL > 40);
    }

    // The table has a head and one line per point: frequency, then TL and RL per curve, with
    // the separator in use; the button puts it on the clipboard.
    void theTableGoesToTheClipboard()
    {
        Frequenzgang* w = open(kWindows[0]);
        QVERIFY(w);
        const QStringList lines = w->tableText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), Frequenzgang::kPoints + 1);
        QCOMPARE(lines[0], QStringLiteral("f / F\tTL Pi-Form / dB\tRL Pi-Form / dB\t"
                                          "TL T-Form / dB\tRL T-Form / dB"));
        const QStringList first = lines[1].split('\t');
        QCOMPARE(first.size(), 5);
        QCOMPARE(first[0], withPunktKomma("0,1"));
        QCOMPARE(lines.last().split('\t')[0], QStringLiteral("10"));
        for (const QString& line : lines)
            QVERIFY2(!line.contains("inf") && !line.contains("nan"), qPrintable(line));
        w->findChild<QPushButton*>("PiT_FG_Kopieren")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), w->tableText());
    }

    // The span and the VSWR switch redraw the plot.
    void spanAndVswr()
    {
        Frequenzgang* w = open(kWindows[0]);
        QVERIFY(w);
        auto* span = w->findChild<QComboBox*>("PiT_FG_Bereich");
        QCOMPARE(w->spanFactor(), 10.0);
        span->setCurrentIndex(0);
        QCOMPARE(w->spanFactor(), 2.0);
        QCOMPARE(w->fLow(), 0.5);
        w->findChild<QRadioButton*>("PiT_FG_VSWR")->setChecked(true);
        QVERIFY(w->showsSwr());
        QVERIFY(w->valuesAt(1).contains("VSWR"));
        w->findChild<QRadioButton*>("PiT_FG_RL")->setChecked(true);
        span->setCurrentIndex(3);
        QVERIFY(w->valuesAt(1).contains("RL"));
    }

    // Every variant of the L, Pi and T pages: at F the plot's loss is the page's TL field, and
    // it follows each entry.
    void theMatchingPagesPlotTheirTL_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("entries");
        for (int row : {2, 3, 4}) {
            const QString p = row == 2 ? "Pi" : row == 3 ? "T" : "L";
            QTest::newRow(qPrintable(p + " factory")) << row << QStringList();
            QTest::newRow(qPrintable(p + " complex")) << row
                << QStringList{p + "_E_Z1j=25", p + "_E_Z2j=-40", p + "_E_QL=20"};
            QTest::newRow(qPrintable(p + " other way")) << row
                << QStringList{p + "_E_Z1=10", p + "_E_F=1,8M"};
        }
    }
    void theMatchingPagesPlotTheirTL()
    {
        QFETCH(int, row);
        QFETCH(QStringList, entries);
        Frequenzgang* w = open(kWindows[row]);
        QVERIFY(w);
        const QString p = w->objectName().section('_', 0, 0);
        for (bool balanced : {false, true}) {
            driver::find<RadioGroup>(p + "_RG_unsym")->setItemIndex(balanced ? 1 : 0);
            QCOMPARE(driver::boxesDuring([&] { driver::enterEach(entries); }).size(), 0);
            QCOMPARE(w->curves().size(), std::size_t(2));
            const char* fields[] = {"_E_HP_TL", "_E_TP_TL"};
            for (std::size_t i = 0; i < 2; ++i) {
                const response::Network& n = w->curves()[i].network;
                QCOMPARE(fixedText(response::at(n, n.F).TL) + " dB",
                         driver::text(p + fields[i]));
            }
            QCOMPARE(w->curves()[0].network.F, Zahleneingabe(driver::text(p + "_E_F")));
        }
    }

    // A matching page's window: the L network of 300 Ω to 50 Ω at 10 MHz, QL 50, whose
    // page shows TL 0,192 dB for both forms.
    void aMatchingNetworkWindow()
    {
        const auto sides = lnetwork::sides(10e6, 300, 0, 50, 0);
        const auto hp =
            lnetwork::highPassImpedances(sides, lnetwork::highPassShunt(sides),
                                         lnetwork::highPassSeries(sides, false), 50);
        const auto lp = lnetwork::lowPassImpedances(sides, lnetwork::lowPassShunt(sides),
                                                    lnetwork::lowPassSeries(sides, false), 50);
        Frequenzgang w(QStringLiteral("L_Frequenzgang"), QStringLiteral("L-Anpassnetzwerk"),
                       nullptr);
        w.setCurves({{QStringLiteral("Hochpass"), response::lNetwork(10e6, 300, 0, 50, 0, hp)},
                     {QStringLiteral("Tiefpass"), response::lNetwork(10e6, 300, 0, 50, 0, lp)}});
        w.show();
        QApplication::processEvents();
        const QStringList cells = summary(&w);
        const QStringList high = row(cells, "Hochpass"), low = row(cells, "Tiefpass");
        QCOMPARE(high.value(0), withPunktKomma("0,192 dB"));
        QCOMPARE(low.value(0), withPunktKomma("0,192 dB"));
        QVERIFY(w.valuesAt(10e6).contains(withPunktKomma("TL 0,192 dB")));
        // the low pass loses more at 3F (third cell after TL at F, 2F)
        const auto dB = [](const QString& t) { return Zahleneingabe(t); };
        QVERIFY(dB(low.value(2)) > dB(high.value(2)));

        auto* view = w.findChild<QChartView*>();
        QCOMPARE(view->chart()->axes(Qt::Horizontal).first()->titleText(),
                 QStringLiteral("Frequenz f in MHz"));
        int marks = 0;
        for (QAbstractSeries* s : view->chart()->series())
            if (auto* scatter = qobject_cast<QScatterSeries*>(s))
                marks += scatter->count();
        // F, 2F, 3F and at least one 3 dB edge of each form
        QVERIFY2(marks >= 8, qPrintable(QString::number(marks)));
        // the mouse over the middle of the log axis stands at F
        const QRectF plot = view->chart()->plotArea();
        const QPoint centre = view->mapFromScene(view->chart()->mapToScene(plot.center()));
        QMouseEvent move(QEvent::MouseMove, QPointF(centre), view->viewport()->mapToGlobal(QPointF(centre)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        const QString hover = w.findChild<QLabel*>("L_FG_Cursor")->text();
        QVERIFY2(hover.startsWith("f = ") && hover.contains(" MHz"), qPrintable(hover));
        const double f = Zahleneingabe(hover.mid(4, hover.indexOf("Hz") - 2));
        QVERIFY2(std::fabs(f / 10e6 - 1) < 0.02, qPrintable(hover));
        // the copied table runs in Hz from 1 MHz to 100 MHz
        const QStringList lines = w.tableText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines[0].section('\t', 0, 0), QStringLiteral("f / Hz"));
        QCOMPARE(lines[1].section('\t', 0, 0), QStringLiteral("1000000"));
        QCOMPARE(lines.last().section('\t', 0, 0), QStringLiteral("100000000"));
    }

    // The frequency axis reads like log paper: numbers at 1, 2 and 5 of each decade, at every
    // line where the span is narrow, in the unit of the axis title and with the decimal comma.
    void theFrequencyAxisNumbersItsLines_data()
    {
        QTest::addColumn<double>("F");
        QTest::addColumn<int>("span");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("10 MHz, F/2 … 2F") << 10e6 << 0 << QStringList{"5", "6", "7", "8", "9", "10", "20"};
        QTest::newRow("10 MHz, F/10 … 10F")
            << 10e6 << 3 << QStringList{"1", "2", "5", "10", "20", "50", "100"};
        QTest::newRow("3,6 MHz, F/100 … 100F") << 3.6e6 << 5
            << QStringList{"0,05", "0,1", "0,2", "0,5", "1", "2", "5", "10", "20", "50", "100", "200"};
    }
    void theFrequencyAxisNumbersItsLines()
    {
        QFETCH(double, F);
        QFETCH(int, span);
        QFETCH(QStringList, numbers);
        const auto sides = lnetwork::sides(F, 300, 0, 50, 0);
        const auto hp =
            lnetwork::highPassImpedances(sides, lnetwork::highPassShunt(sides),
                                         lnetwork::highPassSeries(sides, false), 50);
        Frequenzgang w(QStringLiteral("L_Frequenzgang"), QStringLiteral("L-Anpassnetzwerk"),
                       nullptr);
        w.setCurves({{QStringLiteral("Hochpass"), response::lNetwork(F, 300, 0, 50, 0, hp)}});
        w.findChild<QComboBox*>("L_FG_Bereich")->setCurrentIndex(span);
        w.show();
        QApplication::processEvents();
        auto* axis = qobject_cast<QCategoryAxis*>(
            w.findChild<QChartView*>()->chart()->axes(Qt::Horizontal, nullptr).first());
        QVERIFY(axis);
        QCOMPARE(axis->titleText(), QStringLiteral("Frequenz f in MHz"));
        QStringList expected;
        for (const QString& n : numbers)
            expected << withPunktKomma(n);
        QCOMPARE(axis->categoriesLabels(), expected);
        // each number stands at its frequency
        for (const QString& n : axis->categoriesLabels())
            QVERIFY2(std::fabs(std::pow(10.0, axis->endValue(n)) - Zahleneingabe(n)) < 1e-9,
                     qPrintable(n));
    }

    // A hidden window does not sweep; an open one follows every calculation.
    void closedWindowsStayClosed()
    {
        Frequenzgang* w = open(kWindows[0]);
        QVERIFY(w);
        w->findChild<QPushButton*>("PiT_FG_Schliessen")->click();
        QApplication::processEvents();
        QVERIFY(!w->isVisible());
        QCOMPARE(driver::boxesDuring([] { driver::enterEach({"PiT_E_dB=3"}); }).size(), 0);
        QVERIFY(!w->isVisible());
        QVERIFY(std::fabs(response::at(*w->curves()[0].designed, 1).TL - 3) < 1e-9);
    }

    // The span and the RL/VSWR choice are kept in the settings file, also for a window that
    // was never opened, and a loaded choice shows when it first opens.
    void theChoicesAreKeptInTheSettings_data()
    {
        QTest::addColumn<QString>("prefix");
        for (const char* p : {"PiT", "R", "L", "Pi", "T"})
            QTest::newRow(p) << QString(p);
    }
    void theChoicesAreKeptInTheSettings()
    {
        QFETCH(QString, prefix);
        auto* button = driver::find<QPushButton>(prefix + "_B_FG");
        QVERIFY(button);
        Page* page = nullptr;
        for (QWidget* w = button; w && !page; w = w->parentWidget())
            page = qobject_cast<Page*>(w);
        QVERIFY(page);
        IniDocument ini;
        page->storeSettings(ini);
        QVERIFY(ini.value("Frequenzgang", prefix + "_Bereich").has_value());
        QVERIFY(ini.value("Frequenzgang", prefix + "_VSWR").has_value());
        ini.setValue("Frequenzgang", prefix + "_Bereich", "5");
        ini.setValue("Frequenzgang", prefix + "_VSWR", "1");
        page->loadSettings(StoredSettings(ini, punktKomma()));
        Form1->PageControl1->setCurrentWidget(page);
        button->click();
        auto* span = driver::find<QComboBox>(prefix + "_FG_Bereich");
        QVERIFY(span);
        QCOMPARE(span->currentIndex(), 5);
        QVERIFY(driver::find<QRadioButton>(prefix + "_FG_VSWR")->isChecked());
        span->setCurrentIndex(0);
        driver::find<QRadioButton>(prefix + "_FG_RL")->click();
        IniDocument after;
        page->storeSettings(after);
        QCOMPARE(after.value("Frequenzgang", prefix + "_Bereich"), std::optional<QString>("0"));
        QCOMPARE(after.value("Frequenzgang", prefix + "_VSWR"), std::optional<QString>("0"));
        span->setCurrentIndex(Frequenzgang::kDefaultSpan);
        driver::find(prefix + "_Frequenzgang")->close();
    }
};

QTEST_MAIN(TestResponseWindows)
#include "tst_responsewindows.moc"
