#include "SpannungStrom.h"

#include "Normwerte.h"
#include "platform/Help.h"
#include "platform/WindowStyles.h"
#include "rf/Levels.h"
#include "schematics/Pictures.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/FloatGuard.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/Handlers.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"
#include "widgets/WindowKeys.h"

#include <array>
#include <cmath>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>

namespace ampero {

namespace {

// What sets the five windows apart.
struct Design {
    const char* name;
    const char* caption;
    const char* title;
    const char* prefix;
    const char* memo;
    const char* closeButton;
    const char* helpLabel;
    int helpContext;
    const char* heading; // over the pictures, if any
    std::vector<std::vector<PictureSet::Entry>> places;
    qreal unit;    // pixels per grid unit of the pictures
    int memoLines; // the longest table of the page
    const char* powerHint;
};

const Design& design(UiNetwork network)
{
    static const std::array<Design, 5> designs = {{
        {"Form4",
         "Rozerar          Spannung und Strom in Dämpfungsgliedern",
         "Spannungen und Ströme in Pi / T-Dämpfungsgliedern",
         "PiT",
         "PS_M_UI",
         "Button1",
         "LHilfe_UI_PiTNetz",
         155,
         nullptr,
         {{{"PiT_UI_Bild", "Image1"}}},
         8,
         12,
         nullptr},
        {"Form5",
         "Rozerar                    U und I im R-Netzwerk",
         "Spannungen und Ströme im R-Netzwerk",
         "R",
         "R_M_UI",
         "Button2",
         "LHilfe_UI_RNetz",
         165,
         "L-Form                                     Pi- und T-Form ",
         {{{"R_UI_Bild1", "Image1"}}, {{"R_UI_Bild2", "Image2"}}},
         6,
         19,
         nullptr},
        {"Form6",
         "Rozerar                    U und I im L-Netzwerk",
         "Spannungen und Ströme im L-Netzwerk",
         "L",
         "L_M_UI",
         "Button1",
         "LHilfe_UI_LNetz",
         185,
         nullptr,
         {{{"L_UI_Image1"}, {"L_UI_Image2"}}},
         10,
         13,
         "Eingabe der Eingangsleistung"},
        {"Form7",
         "Rozerar                    U und I im Pi-Netzwerk",
         "Spannungen und Ströme im Pi-Netzwerk",
         "Pi",
         "Pi_M_UI",
         "Button1",
         "LHilfe_UI_PiNetz",
         195,
         nullptr,
         {{{"Pi_UI_Bild", "Image1"}}},
         10,
         16,
         "Eingabe der Eingangsleistung"},
        {"Form8",
         "Rozerar                    U und I im T-Netzwerk",
         "Spannungen und Ströme im T-Netzwerk",
         "T",
         "T_M_UI",
         "Button1",
         "LHilfe_UI_TNetz",
         205,
         nullptr,
         {{{"T_UI_Bild", "Image1"}}},
         10,
         16,
         "Eingabe der Eingangsleistung"},
    }};
    return designs.at(static_cast<std::size_t>(network));
}

// " Hilfe ": a label that opens the help when clicked.
class HelpLabel : public QLabel {
public:
    HelpLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> m_onClick;
};

// "dBm" in any letter case: "27 DBM" is a level, not 27 W.
bool isLevel(const QString& text)
{
    return text.contains(QLatin1String("dbm"), Qt::CaseInsensitive);
}

// A power entered in watts: prefix text with prefix symbols, else the exponent text with
// three exponent digits ("5,000E-001 W").
QString wattText(double P)
{
    return notation() == Notation::Prefix ? Zahlenausgabe(P) + QLatin1Char('W')
                                          : exponentText(P, 3) + QStringLiteral(" W");
}

QString levelText(long double level) { return fixedText(level) + QStringLiteral(" dBm"); }

// The average character width that dialog units are measured in: the mean width of the 52
// letters of the alphabet, as the desktop the window designs come from computes it.
qreal averageCharWidth(const QFont& font)
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetricsF(font).horizontalAdvance(letters) / letters.size();
}

// One tab stop every 48 dialog units, as the window was designed; a column whose widest
// text does not fit takes the room it needs, so that the columns right of it stay in line in
// every notation and with any number of decimals.
void fitTabStops(QPlainTextEdit* memo, const QStringList& lines)
{
    const QFontMetricsF metrics(memo->font());
    const qreal grid = 48 * averageCharWidth(memo->font()) / 4;
    const qreal gap = metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    QList<qreal> widest;
    for (const QString& line : lines) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        for (qsizetype i = 0; i + 1 < cells.size(); ++i) { // the last cell ends the line
            if (widest.size() <= i)
                widest << 0;
            widest[i] = std::max(widest[i], metrics.horizontalAdvance(cells[i]));
        }
    }
    QList<qreal> stops;
    qreal at = 0;
    for (qsizetype i = 0; i < widest.size(); ++i) {
        at = std::max(grid * qreal(i + 1), at + widest[i] + gap);
        // the grid's next stop, as a plain tab would reach it
        at = std::ceil(at / grid - 1e-9) * grid;
        stops << at;
    }
    QTextOption option = memo->document()->defaultTextOption();
    option.setTabArray(stops);
    option.setTabStopDistance(grid);
    memo->document()->setDefaultTextOption(option);
}

constexpr int kMargin = 20;
constexpr int kPlaceGap = 10;

} // namespace

// The table

MemoTable::MemoTable(SpannungStromFenster& window, Spacing spacing)
    : m_memo(window.memo())
    , m_spacing(spacing)
{
    // the memo's old lines go when the table ends, also when a fault ends it early
    window.setTabStops();
}

MemoTable::Cell MemoTable::value(long double v, const QString& unit, Spacing spacing)
{
    const auto shown = static_cast<double>(v); // an overflow of the 64-bit value is a fault
    checkFloatFaults();
    if (notation() == Notation::Prefix)
        return {Zahlenausgabe(shown) + unit};
    return {technischeNotation(shown) +
            (spacing == Spacing::BlankInNotation ? QStringLiteral(" ") : QString()) + unit};
}

void MemoTable::header(const QString& title)
{
    line(title + QStringLiteral("\tSpannung U\tStrom I\tVerlustleistung"));
}

void MemoTable::rule(int indent, int macrons)
{
    line(QString(indent, QLatin1Char(' ')) + QString(macrons, QChar(0x00AF)));
}

void MemoTable::row(const QString& label, const std::vector<Cell>& cells)
{
    QString text = label;
    for (const Cell& c : cells)
        text += QLatin1Char('\t') + c.text;
    line(text);
}

void MemoTable::line(const QString& text)
{
    checkFloatFaults();
    m_lines << text;
}

// The memo gets its text once: laid out line by line, a table took longer than the whole
// calculation. A fault that ends the table early leaves the lines before it, as they stand.
MemoTable::~MemoTable()
{
    const FloatFlagsKeeper keep; // Qt's own arithmetic while it lays out the text
    // Through the document: the edit's own setPlainText lays the text out at once to keep
    // the cursor in view, which cost a third of a page's calculation; the document is laid
    // out when the memo is painted.
    fitTabStops(m_memo, m_lines);
    m_memo->document()->setPlainText(m_lines.join(QLatin1Char('\n')));
}

// The window

SpannungStromFenster::SpannungStromFenster(UiNetwork network)
    : QWidget(nullptr, kFixedWindow)
    , m_network(network)
{
    const Design& d = design(network);
    const QString prefix = QString::fromLatin1(d.prefix);
    m_helpContext = d.helpContext;
    m_title = QString::fromUtf8(d.title);
    setObjectName(QLatin1String(d.name));
    setWindowTitle(QString::fromUtf8(d.caption));
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);

    // the pictures' places, side by side
    std::vector<QSize> sizes;
    int picturesWidth = 0, picturesHeight = 0;
    for (const auto& place : d.places) {
        QSize size;
        for (const PictureSet::Entry& e : place)
            size = size.expandedTo((picture(e.picture).size * d.unit).toSize());
        sizes.push_back(size);
        picturesWidth += size.width() + (picturesWidth ? kPlaceGap : 0);
        picturesHeight = std::max(picturesHeight, size.height());
    }
    const int width = std::max(600, picturesWidth + 2 * kMargin);

    auto* title = new QLabel(m_title, this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont bold = small;
    bold.setPixelSize(15);
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(kMargin, 8, width - 2 * kMargin, 22);

    int y = 36;
    int x = (width - picturesWidth) / 2;
    if (d.heading) {
        // One heading over each place: the designs set them apart with a run of blanks,
        // which no font here spaces to the width of a picture.
        const QStringList headings =
            QString::fromUtf8(d.heading).split(QStringLiteral("  "), Qt::SkipEmptyParts);
        int left = x;
        for (int i = 0; i < headings.size() && i < static_cast<int>(sizes.size()); ++i) {
            auto* heading = new QLabel(headings[i].trimmed(), this);
            heading->setObjectName(QStringLiteral("Label%1").arg(i + 2));
            heading->setGeometry(left, y, sizes[static_cast<std::size_t>(i)].width(), 16);
            left += sizes[static_cast<std::size_t>(i)].width() + kPlaceGap;
        }
        y += 18;
    }
    for (std::size_t i = 0; i < d.places.size(); ++i) {
        m_places.emplace_back(this, QPoint(x, y), d.unit, d.places[i]);
        m_places.back().show(0);
        x += sizes[i].width() + kPlaceGap;
    }
    y += picturesHeight + 10;

    // input power, with the other unit beside it, and peak or RMS values
    auto* powerLabel = new QLabel(QStringLiteral("Eingangsleistung"), this);
    powerLabel->setGeometry(kMargin, y, 140, 16);
    m_power = new EditField(prefix + QStringLiteral("_E_P"), this);
    m_power->setGeometry(kMargin, y + 18, 112, 22);
    if (d.powerHint)
        m_power->setToolTip(QString::fromUtf8(d.powerHint));
    // a first text that reads, so that a calculation before the settings finds a power
    m_power->setFieldText(QStringLiteral("1 W"));
    m_otherUnit = new QLabel(QStringLiteral("30 dBm"), this);
    m_otherUnit->setObjectName(prefix + QStringLiteral("_L_Leistung"));
    m_otherUnit->setGeometry(kMargin + 118, y + 20, 80, 18);

    m_peakOrRms = new RadioGroup(
        prefix + QStringLiteral("_RG_UsUeff"), QString(),
        {QStringLiteral("Scheitelwerte (Us, Is)"), QStringLiteral("Effektivwerte (Ueff, Ieff)")},
        this);
    m_peakOrRms->setGeometry(width - kMargin - 356, y - 2, 356, 46);
    m_peakOrRms->placeItems({QRect(10, 14, 160, 22), QRect(174, 14, 176, 22)});
    m_peakOrRms->setToolTip(
        QStringLiteral("Anzeige der Scheitelwerte oder der Effektivwerte der Bauelemente"));
    m_peakOrRms->setItemIndex(1);
    y += 54;

    // the memo in its panel: shown, but neither edited nor focused
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    m_memo = new QPlainTextEdit(panel);
    m_memo->setObjectName(QString::fromLatin1(d.memo));
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::NoFocus);
    m_memo->setTextInteractionFlags(Qt::NoTextInteraction);
    m_memo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_memo->setContextMenuPolicy(Qt::NoContextMenu);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabStops();
    const int lineHeight = QFontMetrics(m_memo->font()).lineSpacing();
    const int memoHeight = d.memoLines * lineHeight + 16;
    panel->setGeometry(kMargin, y, width - 2 * kMargin, memoHeight + 4);
    m_memo->setGeometry(2, 2, width - 2 * kMargin - 4, memoHeight);
    y += memoHeight + 4 + 10;

    auto* help = new HelpLabel(
        QStringLiteral(" Hilfe "), [this] { LHilfeClick(); }, this);
    help->setObjectName(QLatin1String(d.helpLabel));
    addWindowKeys(this, m_helpContext, m_title);
    help->setGeometry(kMargin, y + 6, 60, 18);
    m_close = new QPushButton(QStringLiteral("Schließen"), this);
    m_close->setObjectName(QLatin1String(d.closeButton));
    m_close->setGeometry(width - kMargin - 100, y, 100, 28);
    connectHandler(m_close, &QPushButton::clicked, this, &SpannungStromFenster::Button1Click);
    m_copy = new QPushButton(QStringLiteral("Kopieren"), this);
    m_copy->setObjectName(prefix + QStringLiteral("_B_Kopieren"));
    m_copy->setGeometry(width - kMargin - 210, y, 100, 28);
    m_copy->setToolTip(QStringLiteral("Kopiert die Tabelle als Text mit Tabulatoren"));
    connectHandler(m_copy, &QPushButton::clicked, this, &SpannungStromFenster::KopierenClick);
    setFixedSize(width, y + 38);

    m_peakOrRms->setClickHandler([this] { runCalculation(); });
    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    // A level in dBm has a range of its own and shows the power in watts beside it; a power in
    // watts shows its level.
    connectInputFields({{m_power,
                         range("1e-3", "1e24"),
                         wattText,
                         [this](double P) {
                             writeText(m_otherUnit, levelText(levels::dbmFromPower(P)));
                             runCalculation();
                         },
                         {},
                         {TextCase{isLevel, range("-150", "150"), fixedWith(QStringLiteral(" dBm")),
                                   [this](double level) {
                                       writeText(m_otherUnit, Zahlenausgabe(static_cast<double>(
                                                                  levels::powerFromDbm(level))) +
                                                                  QLatin1Char('W'));
                                       runCalculation();
                                   }}}}});
}

void SpannungStromFenster::placeBeside(QWidget* owner)
{
    setParent(owner, windowFlags());
    m_side = Side::Right;
    m_gap = 10;
    m_top = 0;
    m_placementPending = true;
}

void SpannungStromFenster::placeOn(Side side)
{
    m_side = side;
    m_gap = 20;
    m_top = -3;
    m_placementPending = true;
    if (isVisible()) {
        m_placementPending = false;
        ampero::placeBeside(this, parentWidget(), m_side, m_gap, m_top);
    }
}

void SpannungStromFenster::showEvent(QShowEvent* event)
{
    if (m_placementPending && parentWidget()) {
        m_placementPending = false;
        ampero::placeBeside(this, parentWidget(), m_side, m_gap, m_top);
    }
    QWidget::showEvent(event);
}

long double SpannungStromFenster::power() const
{
    const QString text = m_power->text();
    const long double v = Zahleneingabe(text);
    return isLevel(text) ? levels::powerFromDbm(v) : v;
}

long double SpannungStromFenster::peakFactor() const
{
    return m_peakOrRms->itemIndex() == 0 ? std::sqrt(2.0L) : 1.0L;
}

void SpannungStromFenster::reformatPower()
{
    const QString text = m_power->text();
    const double v = Zahleneingabe(text);
    writeText(m_power, isLevel(text) ? levelText(v) : displayWithUnit(v, QStringLiteral("W")));
}

void SpannungStromFenster::setTabStops()
{
    // a dialog unit is a quarter of the average character width
    m_memo->setTabStopDistance(48 * averageCharWidth(m_memo->font()) / 4);
}

void SpannungStromFenster::runCalculation()
{
    if (m_calculation)
        m_calculation();
}

QString SpannungStromFenster::tableText() const
{
    // what the values are for: the power they follow from, peak or RMS values
    QStringList lines{QStringLiteral("Eingangsleistung\t") + m_power->text().trimmed() +
                      QLatin1Char('\t') + m_otherUnit->text().trimmed()};
    if (const int i = m_peakOrRms->itemIndex(); i >= 0)
        lines << m_peakOrRms->item(i)->text();
    for (const QString& line : m_memo->toPlainText().split(QLatin1Char('\n'))) {
        if (line.contains(QChar(0x00AF)) &&
            line.trimmed().count(QChar(0x00AF)) == line.trimmed().size())
            continue; // the rule under a header
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString& cell : cells)
            cell = cell.trimmed();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void SpannungStromFenster::Button1Click() { close(); }

void SpannungStromFenster::KopierenClick() { copyToClipboard(tableText()); }

void SpannungStromFenster::LHilfeClick() { openHelp(m_helpContext, m_title); }

SpannungStromFenster* uiWindow(UiNetwork network)
{
    static std::array<SpannungStromFenster*, 5> windows{};
    SpannungStromFenster*& w = windows.at(static_cast<std::size_t>(network));
    if (!w)
        w = new SpannungStromFenster(network);
    return w;
}

} // namespace ampero
