#include "Frequenzgang.h"

#include "platform/Help.h"
#include "values/DisplayOptions.h"
#include "values/FloatGuard.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/Colours.h"
#include "settings/IniDocument.h"
#include "settings/Persistence.h"
#include "settings/StoredSettings.h"
#include "widgets/Handlers.h"
#include "widgets/Placement.h"
#include "widgets/WindowKeys.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QCategoryAxis>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScreen>
#include <QValueAxis>

namespace ampero {

namespace {

// The help topic of the window.
constexpr int kHelpContext = 220;

// The span factors offered; F/10 … 10·F is the default.
constexpr double kSpans[] = {2, 3, 5, 10, 30, 100};

// Text of a frequency with its prefix ("10,00 MHz"); a relative one as a plain number.
QString frequencyText(double f, bool relative)
{
    if (relative)
        return fixedText(f, 3) + QStringLiteral(" · F");
    return Zahlenausgabe(f) + QStringLiteral("Hz");
}

QString hoverHint()
{
    return QStringLiteral("Mit der Maus über dem Diagramm: die Werte bei der Frequenz unter dem "
                          "Mauszeiger");
}

QString dBText(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("—");
    return fixedText(v, 3) + QStringLiteral(" dB");
}

QString returnLossText(double RL)
{
    if (RL >= response::kMaxReturnLoss)
        return QStringLiteral("> %1 dB").arg(response::kMaxReturnLoss);
    return dBText(RL);
}

QString swrText(double s)
{
    if (s >= response::kMaxSwr)
        return QStringLiteral("> %1").arg(response::kMaxSwr);
    return fixedText(s, 3);
}

// The axis unit for frequencies around F: the prefix of F.
struct FrequencyScale {
    double factor;
    QString unit;
};
FrequencyScale scaleFor(double F)
{
    static const std::pair<double, const char*> prefixes[] = {
        {1e-12, "pHz"}, {1e-9, "nHz"}, {1e-6, "µHz"}, {1e-3, "mHz"}, {1, "Hz"},
        {1e3, "kHz"},   {1e6, "MHz"},  {1e9, "GHz"},  {1e12, "THz"}};
    FrequencyScale s{1, QStringLiteral("Hz")};
    for (const auto& [factor, unit] : prefixes)
        if (F >= factor)
            s = {factor, QString::fromUtf8(unit)};
    return s;
}

// Nice bounds for a value axis.
void setRange(QValueAxis* axis, double low, double high)
{
    if (!(high > low))
        high = low + 1;
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

// Log paper for the frequency axis, whose values are log10 of the frequency in its unit.
// `numbers` gets a line with its number at 1, 2 and 5 of each decade, at every 1 … 9 where the
// span is under about a decade and a half, so that a narrow span reads as well; `grid` gets a
// line without a number at every 1 … 9. Two axes, because Qt shares the width of an axis out
// among all its labels, and the numbers need more than a ninth of a decade.
void setLogTicks(QCategoryAxis* numbers, QCategoryAxis* grid, double low, double high,
                 const QLocale& locale)
{
    const double first = std::log10(low), last = std::log10(high);
    for (QCategoryAxis* axis : {numbers, grid}) {
        for (const QString& label : axis->categoriesLabels())
            axis->remove(label);
        axis->setStartValue(first);
        axis->setRange(first, last);
    }
    const bool numberAll = last - first < 1.2;
    int lines = 0;
    for (int decade = static_cast<int>(std::floor(first)); decade <= std::ceil(last); ++decade)
        for (int m = 1; m <= 9; ++m) {
            const double value = std::log10(m) + decade;
            if (value <= first || value > last)
                continue;
            // labels name the categories and must differ: the unseen ones by their length
            grid->append(QString(++lines, QLatin1Char(' ')), value);
            if (numberAll || m == 1 || m == 2 || m == 5) {
                QString label = locale.toString(m * std::pow(10.0, decade), 'g', 6);
                label.remove(locale.groupSeparator());
                numbers->append(label, value);
            }
        }
}

} // namespace

// The chart view reports the frequency under the mouse.
class ResponseChartView : public QChartView {
public:
    ResponseChartView(QChart* chart, QWidget* parent, std::function<void(double)> hovered)
        : QChartView(chart, parent)
        , m_hovered(std::move(hovered))
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        QChartView::mouseMoveEvent(event);
        const QPointF scene = mapToScene(event->position().toPoint());
        const QPointF inChart = chart()->mapFromScene(scene);
        if (!chart()->plotArea().contains(inChart) || chart()->series().isEmpty()) {
            m_hovered(std::nan(""));
            return;
        }
        m_hovered(chart()->mapToValue(inChart, chart()->series().first()).x());
    }
    void leaveEvent(QEvent* event) override
    {
        QChartView::leaveEvent(event);
        m_hovered(std::nan(""));
    }

private:
    std::function<void(double)> m_hovered;
};

Frequenzgang::Frequenzgang(const QString& name, const QString& network, QWidget* page)
    : QWidget(page, Qt::Window)
    , m_prefix(name.section(QLatin1Char('_'), 0, 0))
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Frequenzgang – ") + network);

    auto* controls = new QHBoxLayout;
    auto* spanLabel = new QLabel(QStringLiteral("Bereich"), this);
    m_span = new QComboBox(this);
    m_span->setObjectName(m_prefix + QStringLiteral("_FG_Bereich"));
    for (double k : kSpans)
        m_span->addItem(QStringLiteral("F/%1 … %1·F").arg(k));
    m_span->setCurrentIndex(kDefaultSpan);
    m_span->setToolTip(QStringLiteral("Frequenzbereich um die Entwurfsfrequenz F"));
    spanLabel->setBuddy(m_span);
    m_returnLoss = new QRadioButton(QStringLiteral("Rückflussdämpfung RL"), this);
    m_returnLoss->setObjectName(m_prefix + QStringLiteral("_FG_RL"));
    m_swr = new QRadioButton(QStringLiteral("VSWR"), this);
    m_swr->setObjectName(m_prefix + QStringLiteral("_FG_VSWR"));
    m_returnLoss->setChecked(true);
    controls->addWidget(spanLabel);
    controls->addWidget(m_span);
    controls->addSpacing(24);
    controls->addWidget(new QLabel(QStringLiteral("am Eingang:"), this));
    controls->addWidget(m_returnLoss);
    controls->addWidget(m_swr);
    controls->addStretch();


    m_hover = new QLabel(this);
    m_hover->setObjectName(m_prefix + QStringLiteral("_FG_Cursor"));
    m_hover->setMinimumHeight(m_hover->fontMetrics().height() * 2);
    m_hover->setWordWrap(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(m_prefix + QStringLiteral("_FG_Werte"));
    m_summary->setTextFormat(Qt::RichText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_copy = new QPushButton(QStringLiteral("Tabelle kopieren"), this);
    m_copy->setObjectName(m_prefix + QStringLiteral("_FG_Kopieren"));
    m_copy->setToolTip(
        QStringLiteral("Kopiert die Wertetabelle (Frequenz, TL, RL) in die Zwischenablage"));
    m_close = new QPushButton(QStringLiteral("Schließen"), this);
    m_close->setObjectName(m_prefix + QStringLiteral("_FG_Schliessen"));
    auto* help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName(m_prefix + QStringLiteral("_FG_Hilfe"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    m_layout = layout;
    layout->addLayout(controls);
    // the plot goes between the controls and the hover line when the window first shows
    layout->addWidget(m_hover);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    connectHandler(m_span, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    connectHandler(m_swr, &QRadioButton::toggled, this, [this] { redraw(); });
    connectHandler(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tableText()); });
    connectHandler(m_close, &QPushButton::clicked, this, &QWidget::close);
    const auto openTopic = [] { openHelp(kHelpContext, QStringLiteral("Frequenzgang")); };
    connectHandler(help, &QPushButton::clicked, this, openTopic);
    addWindowKeys(this, kHelpContext, QStringLiteral("Frequenzgang"));
}

// The plot is made when the window first shows: most users never open it, and five charts
// would cost the start of the program time and memory.
void Frequenzgang::ensureView()
{
    if (m_view)
        return;
    m_chart = new QChart; // the first redraw, before the window shows, fills a chart of its own
    m_view = new ResponseChartView(m_chart, this, [this](double f) {
        // the axis runs in decades of the unit of its title
        m_hover->setText(std::isnan(f) ? hoverHint() : valuesAt(std::pow(10.0, f) * m_axisUnit));
    });
    m_view->setObjectName(m_prefix + QStringLiteral("_FG_Diagramm"));
    m_view->setMinimumSize(640, 380);
    m_layout->insertWidget(1, m_view, 1);
}

void Frequenzgang::setCurves(std::vector<Curve> curves)
{
    m_curves = std::move(curves);
    if (isVisible())
        redraw();
}

double Frequenzgang::spanFactor() const
{
    return kSpans[std::clamp(m_span->currentIndex(), 0, static_cast<int>(std::size(kSpans)) - 1)];
}

bool Frequenzgang::showsSwr() const { return m_swr->isChecked(); }

int Frequenzgang::spanIndex() const { return m_span->currentIndex(); }

void Frequenzgang::setChoices(int spanIndex, bool swr)
{
    m_span->setCurrentIndex(std::clamp(spanIndex, 0, m_span->count() - 1));
    (swr ? m_swr : m_returnLoss)->setChecked(true);
}

bool Frequenzgang::flat() const
{
    return !m_curves.empty() && m_curves.front().designed.has_value();
}

double Frequenzgang::fLow() const
{
    return m_curves.empty() ? 1 / spanFactor() : m_curves.front().network.F / spanFactor();
}

double Frequenzgang::fHigh() const
{
    return m_curves.empty() ? spanFactor() : m_curves.front().network.F * spanFactor();
}

std::array<double, 3> Frequenzgang::marks() const
{
    const double F = m_curves.empty() ? 1 : m_curves.front().network.F;
    return {F, 2 * F, 3 * F};
}

QColor Frequenzgang::colour(std::size_t curve) const
{
    // blue, orange, green: apart for the usual colour blindness, dark or light enough for
    // the background
    static const QColor light[] = {QColor(0x15, 0x65, 0xc0), QColor(0xbf, 0x36, 0x0c),
                                   QColor(0x2e, 0x7d, 0x32)};
    static const QColor dark[] = {QColor(0x64, 0xb5, 0xf6), QColor(0xff, 0x8a, 0x65),
                                  QColor(0x81, 0xc7, 0x84)};
    const bool isDark = darkBackground(palette());
    return (isDark ? dark : light)[curve % 3];
}

QString Frequenzgang::valuesAt(double f) const
{
    FloatFlagsKeeper keep;
    QString text = QStringLiteral("f = ") + frequencyText(f, flat());
    for (const Curve& c : m_curves) {
        const response::Point p = response::at(c.network, f);
        text += QStringLiteral("    ") + c.name + QStringLiteral(": TL ") + dBText(p.TL) +
                (showsSwr() ? QStringLiteral(", VSWR ") + swrText(p.vswr)
                            : QStringLiteral(", RL ") + returnLossText(p.RL));
    }
    return text;
}

QString Frequenzgang::summaryText() const
{
    FloatFlagsKeeper keep;
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    const auto cell = [](const QString& s) { return QStringLiteral("<td>") + s + "</td>"; };
    const auto head = [](const QString& s) {
        return QStringLiteral("<th align=\"left\">") + s + "</th>";
    };
    if (flat()) {
        html += QStringLiteral("<tr>") + head({}) + head(QStringLiteral("TL berechnet")) +
                head(QStringLiteral("TL mit angezeigten Werten")) +
                head(QStringLiteral("RL berechnet")) +
                head(QStringLiteral("RL mit angezeigten Werten")) + "</tr>";
        for (std::size_t i = 0; i < m_curves.size(); ++i) {
            const Curve& c = m_curves[i];
            const response::Point d = response::at(*c.designed, c.designed->F);
            const response::Point b = response::at(c.network, c.network.F);
            html += QStringLiteral("<tr>") +
                    cell(QStringLiteral("<b style=\"color:%1\">%2</b>")
                             .arg(colour(i).name(), c.name.toHtmlEscaped())) +
                    cell(dBText(d.TL)) + cell(dBText(b.TL)) + cell(returnLossText(d.RL)) +
                    cell(returnLossText(b.RL)) + "</tr>";
        }
        return html + "</table>";
    }
    html += QStringLiteral("<tr>") + head({}) + head(QStringLiteral("TL bei F")) +
            head(QStringLiteral("TL bei 2·F")) + head(QStringLiteral("TL bei 3·F")) +
            head(QStringLiteral("TL + 3 dB unterhalb F")) +
            head(QStringLiteral("TL + 3 dB oberhalb F")) + "</tr>";
    const QString outside = QStringLiteral("nicht im Bereich");
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const Curve& c = m_curves[i];
        const double F = c.network.F;
        const response::Edges e = response::edges3dB(c.network, fLow(), fHigh());
        html += QStringLiteral("<tr>") +
                cell(QStringLiteral("<b style=\"color:%1\">%2</b>")
                         .arg(colour(i).name(), c.name.toHtmlEscaped())) +
                cell(dBText(response::at(c.network, F).TL)) +
                cell(dBText(response::at(c.network, 2 * F).TL)) +
                cell(dBText(response::at(c.network, 3 * F).TL)) +
                cell(e.below ? frequencyText(*e.below, false) : outside) +
                cell(e.above ? frequencyText(*e.above, false) : outside) + "</tr>";
    }
    return html + "</table>";
}

QString Frequenzgang::tableText() const
{
    FloatFlagsKeeper keep;
    const QLocale locale =
        punktKomma() == QLatin1Char(',') ? QLocale(QLocale::German) : QLocale::c();
    const auto number = [&](double v, int digits) {
        if (!std::isfinite(v))
            return QString(); // no power reaches Z2: an empty cell, never "inf"
        QString s = locale.toString(v, 'g', digits);
        s.remove(locale.groupSeparator());
        return s;
    };
    QStringList head{flat() ? QStringLiteral("f / F") : QStringLiteral("f / Hz")};
    std::vector<std::vector<response::Point>> sweeps;
    for (const Curve& c : m_curves) {
        head << QStringLiteral("TL %1 / dB").arg(c.name)
             << QStringLiteral("RL %1 / dB").arg(c.name);
        sweeps.push_back(response::sweep(c.network, fLow(), fHigh(), kPoints, marks()));
    }
    QString text = head.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int i = 0; i < kPoints && !sweeps.empty(); ++i) {
        const auto n = static_cast<std::size_t>(i);
        QStringList row{number(sweeps.front()[n].f, 10)};
        for (const auto& s : sweeps)
            row << number(s[n].TL, 6) << number(s[n].RL, 6);
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void Frequenzgang::showBeside(QWidget* owner)
{
    const bool first = !m_placed && owner;
    if (first) {
        ensureView();
        adjustSize();
        placeBeside(this, owner->window());
        m_placed = true;
    }
    show();
    if (first) {
        // The table under the plot is filled as the window shows, which makes it taller:
        // placed again at its real size, it stays whole on the screen.
        const QSize before = size();
        adjustSize();
        if (size() != before)
            placeBeside(this, owner->window());
    }
    raise();
    activateWindow();
}

void Frequenzgang::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    redraw();
}

void Frequenzgang::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && isVisible())
        redraw();
}

// A chart with its axes and no series. Every redraw fills a new one and then shows it: Qt lays
// out a shown chart again for every series and every range it gets, which costs far more than
// the sweep.
QChart* Frequenzgang::newChart()
{
    const bool dark = darkBackground(palette());
    auto* chart = new QChart;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries); // solid TL, dashed RL
    m_axisF = new QCategoryAxis;
    m_axisF->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_gridF = new QCategoryAxis;
    m_gridF->setLabelsVisible(false);
    m_gridF->setLineVisible(false);
    m_axisTL = new QValueAxis;
    m_axisTL->setTitleText(QStringLiteral("Übertragungsdämpfung TL in dB"));
    m_axisTL->setLabelFormat(QStringLiteral("%.4g"));
    m_axisRL = new QValueAxis;
    m_axisRL->setTitleText(QStringLiteral("Rückflussdämpfung RL in dB"));
    m_axisRL->setLabelFormat(QStringLiteral("%.4g"));
    m_axisSwr = new QLogValueAxis;
    m_axisSwr->setBase(10);
    m_axisSwr->setMinorTickCount(8);
    m_axisSwr->setLabelFormat(QStringLiteral("%.4g"));
    m_axisSwr->setTitleText(QStringLiteral("VSWR"));
    // the grid belongs to the TL axis; the right axes' lines would cross it
    for (QAbstractAxis* right :
         {static_cast<QAbstractAxis*>(m_axisRL), static_cast<QAbstractAxis*>(m_axisSwr)}) {
        right->setGridLineVisible(false);
        right->setMinorGridLineVisible(false);
    }
    chart->addAxis(m_axisF, Qt::AlignBottom);
    chart->addAxis(m_gridF, Qt::AlignTop);
    chart->addAxis(m_axisTL, Qt::AlignLeft);
    chart->addAxis(m_axisRL, Qt::AlignRight);
    chart->addAxis(m_axisSwr, Qt::AlignRight);

    // the lines without a number fainter than those with one, in either theme
    QPen fine = m_axisTL->gridLinePen();
    QColor fineColour = fine.color();
    fineColour.setAlphaF(dark ? 0.5 : 1); // the dark theme's grid is bright
    fine.setColor(fineColour);
    fine.setStyle(Qt::DotLine);
    m_gridF->setGridLinePen(fine);
    return chart;
}

void Frequenzgang::redraw()
{
    FloatFlagsKeeper keep;
    ensureView();
    const bool dark = darkBackground(palette());
    QChart* const shown = m_chart;
    m_chart = newChart();
    const QLocale locale =
        punktKomma() == QLatin1Char(',') ? QLocale(QLocale::German) : QLocale::c();
    m_chart->setLocale(locale);
    m_hover->setText(hoverHint());

    const bool relative = flat();
    const double F = m_curves.empty() ? 1 : m_curves.front().network.F;
    const FrequencyScale scale = relative ? FrequencyScale{F, {}} : scaleFor(F);
    m_axisUnit = scale.factor;
    m_axisF->setTitleText(relative ? QStringLiteral("bezogene Frequenz f / F")
                                   : QStringLiteral("Frequenz f in ") + scale.unit);
    // a hair wider, so that the lines at the ends keep their labels
    setLogTicks(m_axisF, m_gridF, fLow() / scale.factor * 0.9999, fHigh() / scale.factor * 1.0001, locale);
    const auto x = [&](double f) { return std::log10(f / scale.factor); };
    m_axisRL->setVisible(!showsSwr());
    m_axisSwr->setVisible(showsSwr());

    // TL above this is off the plot: the axis stays readable around the pass band.
    constexpr double kMaxTL = 120;
    // and a VSWR above 100 tells nothing more than "mismatched"
    constexpr double kSwrAxisMax = 100;

    // The points first and the axes' ranges from them: Qt lays out every series again on each
    // change of a range, which costs more than the sweep.
    struct Lines {
        QList<QPointF> tl, rl, marks, edges;
    };
    std::vector<Lines> lines(m_curves.size());
    double tlMin = 0, tlMax = 1, rlMax = 10, swrMax = 2;
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const Curve& c = m_curves[i];
        Lines& l = lines[i];
        l.tl.reserve(kPoints);
        l.rl.reserve(kPoints);
        for (const response::Point& p : response::sweep(c.network, fLow(), fHigh(), kPoints, marks())) {
            if (std::isfinite(p.TL)) {
                const double TL = std::min(p.TL, kMaxTL);
                l.tl.append({x(p.f), TL});
                tlMin = std::min(tlMin, TL);
                tlMax = std::max(tlMax, TL);
            }
            if (showsSwr()) {
                const double vswr = std::min(p.vswr, kSwrAxisMax);
                l.rl.append({x(p.f), vswr});
                swrMax = std::max(swrMax, vswr);
            } else {
                l.rl.append({x(p.f), p.RL});
                rlMax = std::max(rlMax, p.RL);
            }
        }
        if (relative)
            continue;
        // F and its harmonics; the 3 dB points
        for (double k : {1.0, 2.0, 3.0}) {
            const double f = k * c.network.F;
            const double TL = response::at(c.network, f).TL;
            if (f <= fHigh() * 1.0000001 && std::isfinite(TL))
                l.marks.append({x(f), std::min(TL, kMaxTL)});
        }
        const response::Edges e = response::edges3dB(c.network, fLow(), fHigh());
        const double level = response::at(c.network, c.network.F).TL + 3;
        for (const auto& f : {e.below, e.above})
            if (f)
                l.edges.append({x(*f), std::min(level, kMaxTL)});
    }
    setRange(m_axisTL, std::floor(tlMin), std::ceil(tlMax));
    setRange(m_axisRL, 0, std::min(std::ceil(rlMax), response::kMaxReturnLoss));
    m_axisSwr->setRange(1, std::min(swrMax * 1.2, kSwrAxisMax));

    const auto attach = [&](QAbstractSeries* s, QAbstractAxis* y, bool inLegend) {
        m_chart->addSeries(s);
        s->attachAxis(m_axisF);
        s->attachAxis(m_gridF);
        s->attachAxis(y);
        if (!inLegend)
            for (QLegendMarker* m : m_chart->legend()->markers(s))
                m->setVisible(false);
    };
    for (std::size_t i = 0; i < m_curves.size(); ++i) {
        const Curve& c = m_curves[i];
        const QColor col = colour(i);
        auto* tl = new QLineSeries;
        tl->setName(QStringLiteral("TL ") + c.name);
        tl->setPen(QPen(col, 2));
        tl->replace(lines[i].tl);
        attach(tl, m_axisTL, true);
        auto* rl = new QLineSeries;
        rl->setName((showsSwr() ? QStringLiteral("VSWR ") : QStringLiteral("RL ")) + c.name);
        rl->setPen(QPen(col, 1.5, Qt::DashLine));
        rl->replace(lines[i].rl);
        attach(rl, showsSwr() ? static_cast<QAbstractAxis*>(m_axisSwr) : m_axisRL, true);
        if (relative)
            continue;
        auto* marks = new QScatterSeries;
        marks->setColor(col);
        marks->setBorderColor(col);
        marks->setMarkerSize(9);
        marks->replace(lines[i].marks);
        attach(marks, m_axisTL, false);
        auto* edges = new QScatterSeries;
        edges->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        edges->setColor(dark ? QColor(0x30, 0x30, 0x30) : QColor(Qt::white)); // hollow
        edges->setBorderColor(col);
        edges->setPen(QPen(col, 2));
        edges->setMarkerSize(9);
        edges->replace(lines[i].edges);
        attach(edges, m_axisTL, false);
    }
    m_view->setChart(m_chart);
    delete shown;
    m_summary->setText(summaryText());
}

FrequenzgangLink::FrequenzgangLink(QString name, QString network, QWidget* page)
    : m_name(std::move(name))
    , m_network(std::move(network))
    , m_page(page)
{
}

void FrequenzgangLink::setCurves(std::vector<Frequenzgang::Curve> curves)
{
    if (m_window)
        m_window->setCurves(std::move(curves));
    else
        m_curves = std::move(curves);
}

void FrequenzgangLink::open()
{
    if (!m_window) {
        m_window = new Frequenzgang(m_name, m_network, m_page);
        m_window->setChoices(m_span, m_swr);
        m_window->setCurves(std::exchange(m_curves, {}));
    }
    m_window->showBeside(m_page);
}

void FrequenzgangLink::declareSettings(Persistence& persistence, const QString& prefix)
{
    const auto choose = [this](int span, bool swr) {
        m_span = std::clamp(span, 0, static_cast<int>(std::size(kSpans)) - 1);
        m_swr = swr;
        if (m_window)
            m_window->setChoices(m_span, m_swr);
    };
    persistence.section(QStringLiteral("Frequenzgang"))
        .custom(
            prefix + QStringLiteral("_Bereich"),
            [this, choose](const StoredSettings& s, const QString& section, const QString& key) {
                choose(s.integer(section, key, Frequenzgang::kDefaultSpan),
                       m_window ? m_window->showsSwr() : m_swr);
            },
            [this](IniDocument& ini, const QString& section, const QString& key) {
                ini.setInteger(section, key, m_window ? m_window->spanIndex() : m_span);
            })
        .custom(
            prefix + QStringLiteral("_VSWR"),
            [this, choose](const StoredSettings& s, const QString& section, const QString& key) {
                choose(m_window ? m_window->spanIndex() : m_span, s.boolean(section, key, false));
            },
            [this](IniDocument& ini, const QString& section, const QString& key) {
                ini.setBool(section, key, m_window ? m_window->showsSwr() : m_swr);
            });
}

} // namespace ampero
