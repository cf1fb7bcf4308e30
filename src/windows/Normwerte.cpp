#include "Normwerte.h"

#include "platform/Help.h"
#include "platform/WindowStyles.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/FloatGuard.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/RadioGroup.h"
#include "widgets/Handlers.h"
#include "widgets/Placement.h"
#include "widgets/WindowKeys.h"

#include <algorithm>
#include <cmath>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace ampero {

namespace {

constexpr int kMargin = 16;
constexpr int kWidth = 470;
constexpr int kRowHeight = 20;
constexpr int kHelpContext = 215; // the help topic of the window

struct KindDesign {
    const char* suffix;  // of the radio group's name
    const char* caption; // of the radio group
    const char* unit;
    eseries::Series factory;
};

const KindDesign& kindDesign(NormwerteFenster::Kind kind)
{
    static const KindDesign designs[] = {
        {"R", " Widerstände ", "\u2126", eseries::Series::E24},
        {"C", " Kondensatoren ", "F", eseries::Series::E12},
        {"L", " Spulen ", "H", eseries::Series::E12},
    };
    return designs[static_cast<int>(kind)];
}

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& heads, int rows,
                        int y, const std::vector<int>& widths)
{
    auto* table = new QTableWidget(rows, static_cast<int>(heads.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(heads);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setFixedHeight(kRowHeight + 2);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        table->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setGeometry(kMargin, y, kWidth - 2 * kMargin, (rows + 1) * kRowHeight + 6);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    if (column > 0)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

QString tableLines(const QTableWidget* table)
{
    QStringList lines;
    QStringList heads;
    for (int c = 0; c < table->columnCount(); ++c)
        heads << table->horizontalHeaderItem(c)->text();
    lines << heads.join(QLatin1Char('\t'));
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            cells << (item ? item->text() : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString dbText(const std::optional<double>& dB)
{
    if (!dB || !std::isfinite(*dB))
        return QStringLiteral("\u221E"); // a perfect match, or no power through at all
    return fixedText(*dB) + QStringLiteral(" dB");
}

QString ratioText(const std::optional<double>& ratio)
{
    if (!ratio || !std::isfinite(*ratio))
        return QStringLiteral("\u221E");
    return fixedText(*ratio);
}

void copyToClipboard(const QString& text) { QApplication::clipboard()->setText(text); }

NormwerteFenster::NormwerteFenster(const QString& prefix, const QString& title,
                                   std::vector<Part> parts, int builtLines, AsBuilt asBuilt,
                                   QWidget* page)
    : QWidget(page, kFixedWindow)
    , m_parts(std::move(parts))
    , m_asBuilt(std::move(asBuilt))
    , m_page(page)
{
    setObjectName(prefix + QStringLiteral("_Normwerte"));
    setWindowTitle(QStringLiteral("Normwerte - ") + title);
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);

    auto* heading = new QLabel(QStringLiteral("Normwerte: ") + title, this);
    heading->setObjectName(prefix + QStringLiteral("_NW_L_Titel"));
    QFont bold = small;
    bold.setPixelSize(15);
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(kMargin, 8, kWidth - 2 * kMargin, 22);

    int y = 36;
    for (int k = 0; k < 3; ++k) {
        const auto kind = static_cast<Kind>(k);
        const bool present = std::any_of(m_parts.begin(), m_parts.end(), [kind](const Part& p) {
            return p.kind == kind || (p.kind == Kind::Reactive && kind != Kind::Resistor);
        });
        if (!present)
            continue;
        const KindDesign& d = kindDesign(kind);
        QStringList items;
        for (int s = 0; s < eseries::kSeriesCount; ++s)
            items << QLatin1String(eseries::name(static_cast<eseries::Series>(s)));
        auto* group = new RadioGroup(prefix + QStringLiteral("_RG_E_") + QLatin1String(d.suffix),
                                     QString::fromUtf8(d.caption), items, this);
        group->setGeometry(kMargin, y, kWidth - 2 * kMargin, 46);
        QList<QRect> places;
        for (int s = 0; s < eseries::kSeriesCount; ++s)
            places << QRect(14 + 84 * s, 20, 76, 20);
        group->placeItems(places);
        group->setToolTip(QStringLiteral("Auswahl der Normreihe"));
        group->setItemIndex(static_cast<int>(d.factory));
        group->setClickHandler([this] { update(); });
        m_groups[k] = group;
        y += 52;
    }

    m_values = makeTable(this, prefix + QStringLiteral("_NW_Tabelle"),
                         {QStringLiteral("Bauteil"), QStringLiteral("berechnet"),
                          QStringLiteral("Normwert"), QStringLiteral("Abweichung")},
                         static_cast<int>(m_parts.size()), y, {120, 110, 110});
    y += m_values->height() + 10;

    auto* builtLabel = new QLabel(QStringLiteral("Aufgebaut mit den Normwerten:"), this);
    builtLabel->setGeometry(kMargin, y, kWidth - 2 * kMargin, 18);
    y += 20;
    m_built =
        makeTable(this, prefix + QStringLiteral("_NW_Aufbau"),
                  {QStringLiteral("Eigenschaft"), QStringLiteral("Wert")}, builtLines, y, {300});
    y += m_built->height() + 12;

    auto* copy = new QPushButton(QStringLiteral("Kopieren"), this);
    copy->setObjectName(prefix + QStringLiteral("_NW_B_Kopieren"));
    copy->setToolTip(QStringLiteral("Kopiert beide Tabellen als Text mit Tabulatoren"));
    copy->setGeometry(kWidth - kMargin - 210, y, 100, 28);
    connectHandler(copy, &QPushButton::clicked, this, [this] { copyToClipboard(tableText()); });
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(prefix + QStringLiteral("_NW_B_Schliessen"));
    close->setGeometry(kWidth - kMargin - 100, y, 100, 28);
    connectHandler(close, &QPushButton::clicked, this, &QWidget::close);
    auto* help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName(prefix + QStringLiteral("_NW_B_Hilfe"));
    help->setGeometry(kMargin, y, 100, 28);
    const auto openTopic = [] { openHelp(kHelpContext, QStringLiteral("Normwerte")); };
    connectHandler(help, &QPushButton::clicked, this, openTopic);
    addWindowKeys(this, kHelpContext, QStringLiteral("Normwerte"));
    setFixedSize(kWidth, y + 40);

    // the window belongs to its page: it closes when another page comes to the front
    page->installEventFilter(this);
}

NormwerteFenster::Kind NormwerteFenster::kindShown(const Part& part)
{
    if (part.kind != Kind::Reactive)
        return part.kind;
    return part.field->text().trimmed().endsWith(QLatin1Char('H')) ? Kind::Coil : Kind::Capacitor;
}

RadioGroup* NormwerteFenster::seriesGroup(Kind kind) const
{
    if (kind == Kind::Reactive)
        return nullptr;
    return m_groups[static_cast<int>(kind)];
}

eseries::Series NormwerteFenster::series(Kind kind) const
{
    const RadioGroup* group = seriesGroup(kind);
    const int index = group ? group->itemIndex() : -1;
    if (index < 0 || index >= eseries::kSeriesCount)
        return kind == Kind::Resistor ? eseries::Series::E24 : eseries::Series::E12;
    return static_cast<eseries::Series>(index);
}

void NormwerteFenster::update()
{
    // a hidden window fills its tables when it shows
    if (isVisible())
        refill();
}

void NormwerteFenster::refill()
{
    // Qt's and our own arithmetic here must leave no flag for the page's next step
    const FloatFlagsKeeper keep;
    std::vector<std::optional<double>> standard;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const Part& part = m_parts[i];
        const int row = static_cast<int>(i);
        const Kind kind = kindShown(part);
        const QString unit = QString::fromUtf8(kindDesign(kind).unit);
        std::optional<eseries::Nearest> n;
        try {
            n = eseries::nearest(series(kind), Zahleneingabe(part.field->text()));
        } catch (...) {
            n.reset();
        }
        setCell(m_values, row, 0, part.label);
        setCell(m_values, row, 1, part.field->text());
        if (n && std::isfinite(n->deviation)) {
            const double deviation = std::abs(n->deviation) < 0.005 ? 0.0 : n->deviation;
            setCell(m_values, row, 2, displayWithUnit(n->value, unit));
            setCell(m_values, row, 3,
                    (deviation > 0 ? QStringLiteral("+") : QString()) + fixedText(deviation, 2) +
                        QStringLiteral(" %"));
            standard.push_back(n->value);
        } else {
            setCell(m_values, row, 2, QStringLiteral("-----"));
            setCell(m_values, row, 3, QString());
            standard.push_back(std::nullopt);
        }
    }
    const bool complete =
        std::all_of(standard.begin(), standard.end(), [](const auto& v) { return v.has_value(); });
    std::vector<Line> lines;
    if (complete) {
        std::vector<double> values;
        for (const auto& v : standard)
            values.push_back(*v);
        try {
            lines = m_asBuilt(values);
        } catch (...) {
            lines.clear(); // a termination field that does not read
        }
    }
    for (int r = 0; r < m_built->rowCount(); ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (i < lines.size())
            setCell(m_built, r, 0, lines[i].label);
        setCell(m_built, r, 1, i < lines.size() ? lines[i].value : QStringLiteral("-----"));
    }
}

void NormwerteFenster::open()
{
    show();
    raise();
    activateWindow();
}

QString NormwerteFenster::tableText() const
{
    return tableLines(m_values) + QLatin1Char('\n') + QLatin1Char('\n') + tableLines(m_built) +
           QLatin1Char('\n');
}

std::vector<NormwerteFenster::Line>
NormwerteFenster::padLines(const QString& pad, std::span<const ladder::Element> elements, double Z1,
                           double Z2)
{
    const eseries::Performance p = eseries::performance(elements, Z1, Z2);
    return {{pad + QStringLiteral(": Dämpfung"), dbText(p.lossDb)},
            {pad + QStringLiteral(": Rückflussdämpfung Eingang"),
             dbText(eseries::returnLossDb(p.gammaIn))},
            {pad + QStringLiteral(": Rückflussdämpfung Ausgang"),
             dbText(eseries::returnLossDb(p.gammaOut))}};
}

std::vector<NormwerteFenster::Line>
NormwerteFenster::matchingLines(const QString& network, std::span<const ladder::Element> elements,
                                rf::Complex Z1, rf::Complex Z2)
{
    const eseries::Performance p = eseries::performance(elements, Z1, Z2);
    return {{network + QStringLiteral(": Durchgangsdämpfung TL"), dbText(p.lossDb)},
            {network + QStringLiteral(": VSWR am Eingang"), ratioText(eseries::vswr(p.gammaIn))}};
}

bool NormwerteFenster::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_page && event->type() == QEvent::Hide)
        close();
    return QWidget::eventFilter(watched, event);
}

void NormwerteFenster::showEvent(QShowEvent* event)
{
    // first shown beside the main window, below the voltage/current windows' top edge
    if (!m_placed) {
        m_placed = true;
        placeBeside(this, m_page->window(), Side::Right, 10, 40);
    }
    refill();
    QWidget::showEvent(event);
}

} // namespace ampero
