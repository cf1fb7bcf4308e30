#include "MatchingNetz.h"

#include "app/Ampero361.h"
#include "platform/MessageBoxes.h"
#include "rf/ESeries.h"
#include "rf/PiNetwork.h"
#include "values/DisplayOptions.h"
#include "values/FloatGuard.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/Handlers.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/Frequenzgang.h"

#include <cmath>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;
// Both pages raise every minimum Q by the same factor.
constexpr long double kQKorr = pinetwork::kQCorrection;

// The Q and the bandwidth have no range of their own: their handlers test them.
const QString kNoMin = QStringLiteral("-1e308");
const QString kNoMax = QStringLiteral("1e308");

// Real parts "1,200 kΩ ", imaginary parts " 0,000 Ω".
Redisplay realPart()
{
    return withUnits(kOhm + QLatin1Char(' '), QLatin1Char(' ') + kOhm + QLatin1Char(' '));
}
Redisplay imaginaryPart() { return withUnits(kOhm, QLatin1Char(' ') + kOhm, QStringLiteral(" ")); }

QLabel* underlined(QWidget* parent, const QString& text, const QRect& r)
{
    QLabel* l = Page::addLabel(parent, text, r);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    return l;
}

// Keeps the page from calculating while its selections are being set from a file.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~LoadingScope() { m_flag = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

MatchingNetz::MatchingNetz(const Texts& texts, QWidget* parent)
    : Page(parent)
    , m_window(uiWindow(texts.network))
    , m_response(texts.prefix + QStringLiteral("_Frequenzgang"),
                                  texts.prefix + QStringLiteral("-Anpassnetzwerk"), this)
    , m_texts(texts)
{
    const QString& p = texts.prefix;
    const auto name = [&p](const char* rest) { return p + QLatin1String(rest); };

    auto* group = new QGroupBox(texts.title, this);
    group->setGeometry(6, 4, 676, 392);

    // the circuit pictures, 300 × 150 pixels each, on the left
    underlined(group, QStringLiteral("Hochpass"), QRect(16, 16, 120, 16));
    underlined(group, QStringLiteral("Tiefpass"), QRect(16, 184, 120, 16));

    RG_unsym = new RadioGroup(name("_RG_unsym"), QString(),
                              {QStringLiteral("unsym."), QStringLiteral("sym.")}, group);
    RG_unsym->setGeometry(10, 352, 300, 34);
    RG_unsym->placeItems({QRect(30, 8, 110, 20), QRect(170, 8, 110, 20)});
    RG_unsym->setToolTip(QStringLiteral("Auswahl unsymmetrisch oder symmetrische Schaltung"));

    auto* inputs = new QGroupBox(QStringLiteral(" Eingaben "), group);
    inputs->setGeometry(320, 10, 346, 194);

    RG_Auswahl =
        new RadioGroup(name("_RG_Auswahl"), texts.choiceCaption,
                       {QStringLiteral("Bandbreite"), QStringLiteral("Betriebsgüte")}, inputs);
    RG_Auswahl->setGeometry(10, 16, 110, 62);
    RG_Auswahl->placeItems({QRect(10, 18, 96, 20), QRect(10, 38, 96, 20)});

    RG_Bandbreite = new QWidget(inputs);
    RG_Bandbreite->setObjectName(name("_RG_Bandbreite"));
    RG_Bandbreite->setGeometry(126, 16, 214, 62);
    addLabel(RG_Bandbreite, QStringLiteral("Bandbreite"), QRect(4, 8, 70, kFieldHeight));
    m_B =
        addField(RG_Bandbreite, name("_E_B"), QRect(78, 8, 132, kFieldHeight), texts.bandwidthHint);
    bandwidthLabel =
        addLabel(RG_Bandbreite, QString(), QRect(4, 38, 208, 18), texts.bandwidthLabel);
    QFont small = bandwidthLabel->font();
    small.setPixelSize(11);
    bandwidthLabel->setFont(small);

    RG_Betriebsguete = new QWidget(inputs);
    RG_Betriebsguete->setObjectName(name("_RG_Betriebsguete"));
    RG_Betriebsguete->setGeometry(126, 16, 214, 62);
    RG_Einvorgabe =
        new RadioGroup(name("_RG_Einvorgabe"), QString(),
                       {QStringLiteral("min."), QStringLiteral("Eingabe")}, RG_Betriebsguete);
    RG_Einvorgabe->setGeometry(0, 0, 212, 32);
    RG_Einvorgabe->placeItems({QRect(10, 8, 80, 20), QRect(100, 8, 100, 20)});
    RG_Einvorgabe->setToolTip(QStringLiteral("Eingabe der Betriebsgüte (muß größer oder gleich "
                                             "groß wie die minimale Betriebsgüte sein"));
    addLabel(RG_Betriebsguete, QStringLiteral("Betriebsgüte"), QRect(4, 36, 80, kFieldHeight));
    m_Q = addField(RG_Betriebsguete, name("_E_Q"), QRect(88, 36, 122, kFieldHeight),
                   QStringLiteral("Eingabe der Betriebsgüte der Anpassung"));
    RG_Betriebsguete->hide();

    const auto rowLabel = [inputs](const QString& text, int y) {
        addLabel(inputs, text, QRect(12, y, 110, kFieldHeight));
    };
    const auto bold = [inputs](int y) {
        QLabel* j = addLabel(inputs, QStringLiteral("j"), QRect(224, y, 10, kFieldHeight));
        QFont f = j->font();
        f.setBold(true);
        j->setFont(f);
    };
    rowLabel(QStringLiteral("Frequenz F"), 84);
    m_F = addField(inputs, name("_E_F"), QRect(122, 84, 100, kFieldHeight),
                   QStringLiteral("Eingabe der Frequenz"));
    rowLabel(QStringLiteral("Impedanz Z1"), 110);
    m_Z1 = addField(inputs, name("_E_Z1"), QRect(122, 110, 100, kFieldHeight),
                    QStringLiteral("Eingabe des Realteils R1 der Impedanz Z1"));
    bold(110);
    m_Z1j = addField(inputs, name("_E_Z1j"), QRect(236, 110, 100, kFieldHeight),
                     QStringLiteral("Eingabe des Imaginärteils der Impedanz Z1"));
    rowLabel(QStringLiteral("Impedanz Z2"), 136);
    m_Z2 = addField(inputs, name("_E_Z2"), QRect(122, 136, 100, kFieldHeight),
                    QStringLiteral("Eingabe des Realteils R2 der Impedanz Z2"));
    bold(136);
    m_Z2j = addField(inputs, name("_E_Z2j"), QRect(236, 136, 100, kFieldHeight),
                     QStringLiteral("Eingabe des Imaginärteils der Impedanz Z2"));
    rowLabel(QStringLiteral("Güte Induktivität"), 162);
    m_QL = addField(inputs, name("_E_QL"), QRect(122, 162, 100, kFieldHeight),
                    QStringLiteral("Eingabe der Güte der Induktivität"));
    for (EditField* f : {m_B, m_Q, m_F, m_QL})
        f->setAlignment(Qt::AlignCenter);
    m_Z1->setAlignment(Qt::AlignRight);
    m_Z2->setAlignment(Qt::AlignRight);
    m_Z1j->setAlignment(Qt::AlignLeft);
    m_Z2j->setAlignment(Qt::AlignLeft);

    // results, read-only and outside the tab order
    auto* outputs = new QGroupBox(QStringLiteral(" Ausgaben "), group);
    // the element rows and TL, and under them a row of buttons with their names in one line
    outputs->setGeometry(320, 206, 346, 160);
    constexpr int kColumnWidth = 130;
    const int columns[] = {58, 198};
    for (int c = 0; c < 2; ++c)
        addLabel(outputs, c == 0 ? QStringLiteral("Hochpass") : QStringLiteral("Tiefpass"),
                 QRect(columns[c], 14, kColumnWidth, 16))
            ->setAlignment(Qt::AlignCenter);
    const int rowsY[] = {30, 54, 78, 104};
    for (int r = 0; r < 3; ++r)
        addLabel(outputs, texts.rows[static_cast<std::size_t>(r)],
                 QRect(12, rowsY[r], 44, kFieldHeight));
    addLabel(outputs, QStringLiteral("TL"), QRect(12, rowsY[3], 44, kFieldHeight));
    const auto result = [&](const QString& n, int column, int row, const QString& hint) {
        EditField* f =
            addField(outputs, n, QRect(columns[column], rowsY[row], kColumnWidth, kFieldHeight),
                     hint);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        f->setAlignment(Qt::AlignCenter);
        return f;
    };
    const QString loss = QStringLiteral("Ausgabe der Dämpfung des Anpassnetzwerkes");
    for (std::size_t r = 0; r < 3; ++r) {
        m_hp[r] = result(name("_E_HP_") + texts.rows[r], 0, static_cast<int>(r), texts.hpHints[r]);
        m_tp[r] = result(name("_E_TP_") + texts.rows[r], 1, static_cast<int>(r), texts.tpHints[r]);
    }
    m_hp[3] = result(name("_E_HP_TL"), 0, 3, loss);
    m_tp[3] = result(name("_E_TP_TL"), 1, 3, loss);
    B_UI = new QPushButton(QStringLiteral("U / I"), outputs);
    B_UI->setObjectName(name("_B_UI"));
    B_UI->setGeometry(234, 130, 100, 24);
    QFont boldFont = B_UI->font();
    boldFont.setBold(true);
    B_UI->setFont(boldFont);
    B_UI->setToolTip(QStringLiteral("Anzeige der Spannungen und Ströme der Bauteile"));
    offerStandardValues(outputs);
    B_FG = new QPushButton(QStringLiteral("Frequenzgang"), outputs);
    B_FG->setObjectName(name("_B_FG"));
    B_FG->setGeometry(123, 130, 106, 24);
    setTabOrder(B_Normwerte, B_FG); // left to right
    setTabOrder(B_FG, B_UI);
    B_FG->setToolTip(QStringLiteral("Dämpfung und Rückflussdämpfung über der Frequenz"));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(320, 368, 346, 20))
        ->setAlignment(Qt::AlignCenter);

    RG_Auswahl->setClickHandler([this] { RG_AuswahlClick(); });
    RG_Einvorgabe->setClickHandler([this] { RG_EinvorgabeClick(); });
    RG_unsym->setClickHandler([this] { runCalculation(); });
    connectHandler(B_UI, &QPushButton::clicked, this, &MatchingNetz::B_UIClick);
    connectHandler(B_FG, &QPushButton::clicked, this, [this] { m_response.open(); });
    // the window's peak/RMS choice is read from the settings before the page's fields
    m_window->setCalculation([this] { runCalculation(); });

    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    const FieldRule unbounded{.min = kNoMin, .max = kNoMax};
    // Equal real parts need no matching network; the test is on the values as entered.
    const auto differentFrom = [](EditField* other) {
        return [other](double value) {
            if (value != readValue(other))
                return QString();
            return QStringLiteral("Die Eingaben von Z1 (Realteil) und Z2 (Realteil) sind gleich "
                                  "groß\r\reine Anpassung ist nicht nötig! ");
        };
    };
    connectInputFields({
        {m_B, unbounded, {}, [this](double B) { bandwidthEntered(B); }},
        {m_Q, unbounded, {}, [this](double Q) { qEntered(Q); }},
        {m_F, range("1e-16", "1e+16"), withUnit(QStringLiteral("Hz")),
         [this](double) { frequencyEntered(); }},
        {m_Z1, range("1e-6", "1e+9"), realPart(), [this](double) { impedanceEntered(false); },
         differentFrom(m_Z2)},
        {m_Z1j, range("-1e+5", "1e+5"), imaginaryPart(),
         [this](double) { impedanceEntered(true); }},
        {m_Z2, range("1e-6", "1e+9"), realPart(), [this](double) { impedanceEntered(false); },
         differentFrom(m_Z1)},
        {m_Z2j, range("-1e+5", "1e+5"), imaginaryPart(),
         [this](double) { impedanceEntered(true); }},
        {m_QL,
         FieldRule{.messages = texts.coilQMessages,
                   .min = QStringLiteral("0"),
                   .max = QStringLiteral("1000")},
         withUnits({}, {}), [this](double) { calculate(); }},
    });
}

Persistence& MatchingNetz::declareInputs(const QString& section, const Fallbacks& f)
{
    m_hasFactoryBandwidth = f.bandwidthFactory.has_value();
    SpannungStromFenster* w = m_window;
    const QString blankOhm = QLatin1Char(' ') + kOhm;
    return persistence()
        .section(section)
        .item(RG_Auswahl, "Auswahl", 0, 0, 0)
        .text(m_B, "Bandbreite", f.bandwidth, f.bandwidthFactory)
        .item(RG_Einvorgabe, "Ein/Vorgabe", 0, 0, 0)
        .item(w->peakOrRms(), "Ueff/Us", 1, 1, 1)
        .text(m_Q, "Betriebsguete", f.q, f.qFactory)
        .text(m_QL, "Guete_L", "100,000", "100,000")
        .text(m_F, "Frequenz", "3,600", "3,600 MHz")
        .text(m_Z1, "R1", f.r1, f.r1Factory)
        .text(m_Z2, "R2", "50,000", "50,000" + blankOhm + QLatin1Char(' '))
        .text(m_Z1j, "X1", "0,00", " 0,000" + blankOhm)
        .text(m_Z2j, "X2", "0,00", " 0,000" + blankOhm);
}

void MatchingNetz::runCalculation()
{
    if (!m_loading)
        calculate();
}

void MatchingNetz::RG_AuswahlClick()
{
    const bool bandwidth = RG_Auswahl->itemIndex() != 1;
    RG_Bandbreite->setVisible(bandwidth);
    RG_Betriebsguete->setVisible(!bandwidth);
}

// Uses the minimum Q of the last calculation.
void MatchingNetz::RG_EinvorgabeClick()
{
    const bool minimum = RG_Einvorgabe->itemIndex() == 0;
    m_Q->setEnabled(!minimum);
    if (m_loading)
        return;
    const long double F = readValue(m_F);
    const double Q = minimum ? Q_min : Q_E;
    writeText(m_Q, fixedText(Q));
    writeValue(m_B, F / Q, QStringLiteral("Hz"));
    writeText(bandwidthLabel, selectionBandwidthLabel(F / Q_min));
    calculate();
}

bool MatchingNetz::showsHalf(const QLineEdit* field) const
{
    if (RG_unsym->itemIndex() != 1)
        return false;
    for (std::size_t r = 0; r < 3; ++r)
        if (m_texts.rows[r].startsWith(QLatin1String("Xs")) && (field == m_hp[r] || field == m_tp[r]))
            return true;
    return false;
}

void MatchingNetz::B_UIClick()
{
    calculate();
    showWindow(m_window);
}

// A bandwidth above the largest the minimum Q allows is replaced by that one, and the user's
// Q follows it.
bool MatchingNetz::bandwidthCheck(long double F)
{
    const long double B = readValue(m_B);
    const long double maximum = F / Q_min;
    if (!(B > maximum))
        return false;
    writeValue(m_B, maximum, QStringLiteral("Hz"));
    const long double Q = F / maximum;
    writeText(m_Q, fixedText(Q));
    Q_E = static_cast<double>(Q);
    return true;
}

void MatchingNetz::writeBandwidthLabel(long double F)
{
    writeText(bandwidthLabel, entryBandwidthLabel(F / Q_min));
}

void MatchingNetz::frequencyEntered()
{
    const long double F = readValue(m_F);
    if (!bandwidthCheck(F))
        writeText(m_B, Zahlenausgabe(static_cast<double>(F / Q_E)) + QStringLiteral("Hz"));
    writeBandwidthLabel(F);
    calculate();
}

void MatchingNetz::impedanceEntered(bool withBandwidthCheck)
{
    const long double R1 = readValue(m_Z1);
    const long double R2 = readValue(m_Z2);
    const long double X1 = readValue(m_Z1j);
    const long double X2 = readValue(m_Z2j);
    const long double F = readValue(m_F);
    const long double Qmin = minimumQ(R1, X1, R2, X2);
    checkFloatFaults();
    Q_min = static_cast<double>(Qmin);
    if (withBandwidthCheck)
        bandwidthCheck(F);
    if (RG_Einvorgabe->itemIndex() == 1) {
        if (Q_E < Q_min) {
            writeText(m_Q, fixedText(Q_min));
            Q_E = Q_min;
        }
    } else {
        writeText(m_Q, fixedText(Q_min));
        writeValue(m_B, F / Q_min, QStringLiteral("Hz"));
    }
    writeBandwidthLabel(F);
    calculate();
}

// A Q below the minimum without its correction is refused with a message and replaced by the
// minimum; one between that and the minimum is raised by the calculation without one.
void MatchingNetz::qEntered(double entered)
{
    long double Q = entered;
    if (Q < Q_min / kQKorr) {
        showErrorMessage(this, QStringLiteral("Die Eingabe der Betriebsgüte ") + m_Q->text() +
                                   QStringLiteral(" ist zu gering\r\r es wird der kleinste "
                                                  "mögliche Wert ") +
                                   fixedText(Q_min) + QStringLiteral(" eingesetzt."));
        Q = Q_min;
    }
    const long double F = readValue(m_F);
    writeValue(m_B, F / Q, QStringLiteral("Hz"));
    Q_E = static_cast<double>(Q);
    calculate();
}

// An accepted bandwidth chooses "Eingabe" and always ends in the calculation, so that the
// elements follow the new Q. One within the allowance above the largest bandwidth is shown as
// that one, with the minimum Q, and a larger one is refused and replaced by it: the field
// never shows a wider band than the results are for.
void MatchingNetz::bandwidthEntered(double entered)
{
    const long double B = entered;
    const long double F = readValue(m_F);
    const long double maximum = F / Q_min;
    if (B <= F * kQKorr / Q_min) {
        const long double used = B > maximum ? maximum : B;
        const long double Q = F / used;
        writeValue(m_B, used, QStringLiteral("Hz"));
        writeText(m_Q, fixedText(Q));
        Q_E = static_cast<double>(Q);
        if (RG_Einvorgabe->itemIndex() == 1)
            calculate();
        else
            RG_Einvorgabe->setItemIndex(1); // its click handler calculates
        return;
    }
    const QString shown = Zahlenausgabe(static_cast<double>(maximum)) + QStringLiteral("Hz");
    checkFloatFaults();
    showErrorMessage(this, QStringLiteral("Die Eingabe ") + m_B->text() +
                               QStringLiteral(" ist zu groß.\r\rmaximale Bandbreite: ") + shown);
    writeText(m_B, shown);
    Q_E = static_cast<double>(F / maximum);
    calculate();
}

long double MatchingNetz::operatingQ(long double Qmin)
{
    checkFloatFaults();
    Q_min = static_cast<double>(Qmin);
    long double Q = Q_min;
    if (RG_Einvorgabe->itemIndex() != 0) {
        if (Q_E < Q_min)
            Q_E = Q_min;
        Q = Q_E;
    }
    writeText(m_Q, fixedText(Q));
    return Q;
}

// The standard values of the six coils and capacitors, and both networks built from them at F
// with the coils' Q. A balanced network's series element is bought as its two halves.
void MatchingNetz::offerStandardValues(QWidget* outputs)
{
    using NW = NormwerteFenster;
    B_Normwerte = new QPushButton(QStringLiteral("Normwerte"), outputs);
    B_Normwerte->setObjectName(m_texts.prefix + QStringLiteral("_B_Normwerte"));
    B_Normwerte->setGeometry(12, 130, 106, 24);
    B_Normwerte->setToolTip(
        QStringLiteral("Nächste Normwerte der Bauteile und die damit aufgebauten Netzwerke"));
    std::vector<NW::Part> parts;
    for (const char* variant : {"Hochpass ", "Tiefpass "})
        for (std::size_t r = 0; r < 3; ++r)
            parts.push_back({QLatin1String(variant) + m_texts.rows[r],
                             (variant[0] == 'H' ? m_hp : m_tp)[r], NW::Kind::Reactive});
    m_normwerte = new NormwerteFenster(
        m_texts.prefix, m_texts.title.trimmed(), std::move(parts), 4,
        [this](const std::vector<double>& v) {
            const double omega = 2 * M_PI * readValue(m_F);
            const double QL = readValue(m_QL);
            const bool balanced = RG_unsym->itemIndex() == 1;
            const auto network = [&](const std::array<EditField*, 4>& fields, std::size_t first) {
                std::vector<ladder::Element> elements;
                for (std::size_t r = 0; r < 3; ++r) {
                    const bool series = m_texts.rows[r].startsWith(QLatin1String("Xs"));
                    const bool coil = fields[r]->text().trimmed().endsWith(QLatin1Char('H'));
                    const double shown = v[first + r];
                    const double whole = !(balanced && series) ? shown
                                         : coil                ? 2 * shown
                                                               : shown / 2;
                    elements.push_back({series ? ladder::Place::Series : ladder::Place::Shunt,
                                        coil ? eseries::coil(whole, omega, QL)
                                             : eseries::capacitor(whole, omega)});
                }
                return elements;
            };
            const rf::Complex Z1(readValue(m_Z1), readValue(m_Z1j));
            const rf::Complex Z2(readValue(m_Z2), readValue(m_Z2j));
            std::vector<NW::Line> lines =
                NW::matchingLines(QStringLiteral("Hochpass"), network(m_hp, 0), Z1, Z2);
            for (NW::Line& line :
                 NW::matchingLines(QStringLiteral("Tiefpass"), network(m_tp, 3), Z1, Z2))
                lines.push_back(std::move(line));
            return lines;
        },
        this);
    connectHandler(B_Normwerte, &QPushButton::clicked, this, &MatchingNetz::B_NormwerteClick);
    addContextAction(QStringLiteral("Normwerte anzeigen"), [this] { B_NormwerteClick(); });
    for (std::size_t r = 0; r < 3; ++r) {
        offerPageMenu(m_hp[r]);
        offerPageMenu(m_tp[r]);
    }
    persistence()
        .section(QStringLiteral("Normwerte"))
        .item(m_normwerte->seriesGroup(NW::Kind::Capacitor), m_texts.prefix + "_Kondensatoren", 1,
              1, 1)
        .item(m_normwerte->seriesGroup(NW::Kind::Coil), m_texts.prefix + "_Spulen", 1, 1, 1);
    m_response.declareSettings(persistence(), m_texts.prefix);
}

void MatchingNetz::B_NormwerteClick() { m_normwerte->open(); }

void MatchingNetz::memoBlock(MemoTable& memo, const QString& title,
                             const std::array<MemoElement, 3>& rows, const matching::Analysis& a,
                             bool balanced, bool finalEmptyLine)
{
    const long double k = m_window->peakFactor();
    memo.header(title);
    memo.rule(3, 51);
    for (std::size_t i = 0; i < 3; ++i) {
        const MemoElement& r = rows[i];
        const long double half = balanced && r.series ? 2 : 1;
        const matching::Row& v = a.rows[i];
        memo.row(r.label, {memo.volts(v.U / half * k), memo.amps(v.I * k),
                           r.element.unit == 'H' ? memo.watts(v.P / half) : MemoTable::none()});
    }
    memo.empty();
    memo.line(
        QStringLiteral("  verfügbare Leistung an Z2: ") +
        MemoTable::value(a.P2, QStringLiteral("W"), MemoTable::Spacing::BlankInNotation).text);
    if (finalEmptyLine)
        memo.empty();
}

void MatchingNetz::writeElement(EditField* field, const matching::Element& e)
{
    writeValue(field, e.shown, QString(QLatin1Char(e.unit)));
}

void MatchingNetz::followSelections()
{
    RG_AuswahlClick();
    m_Q->setEnabled(RG_Einvorgabe->itemIndex() != 0);
}

// The selections are set without calculating; the page then calculates once from the whole
// of what was read. A fault of stored values is reported, and the pages after this one load.
void MatchingNetz::loadSettings(const StoredSettings& stored)
{
    {
        const LoadingScope loading(m_loading);
        Page::loadSettings(stored);
    }
    followSelections();
    runHandler(
        this,
        [this] {
            writeBandwidthLabel(readValue(m_F));
            calculate();
        },
        Report::Later);
}

// The factory texts of the results do not follow from the factory inputs; the calculation
// replaces them, and the bandwidth shows what the factory Q allows.
void MatchingNetz::loadFactoryDefaults()
{
    {
        const LoadingScope loading(m_loading);
        Page::loadFactoryDefaults();
    }
    followSelections();
    calculate();
    const long double F = readValue(m_F);
    if (!m_hasFactoryBandwidth)
        writeValue(m_B, F / Q_min, QStringLiteral("Hz"));
    writeBandwidthLabel(F);
}

void MatchingNetz::reformat()
{
    const QString hz = QStringLiteral("Hz");
    writeValue(m_B, readValue(m_B), hz);
    writeValue(m_F, readValue(m_F), hz);
    writeText(m_Z1, realPart()(readValue(m_Z1)));
    writeText(m_Z1j, imaginaryPart()(readValue(m_Z1j)));
    writeText(m_Z2, realPart()(readValue(m_Z2)));
    writeText(m_Z2j, imaginaryPart()(readValue(m_Z2j)));
    m_window->reformatPower();
    calculate();
}

MatchingNetz::Inputs MatchingNetz::readInputs() const
{
    Inputs in{};
    in.F = readValue(m_F);
    in.R1 = readValue(m_Z1);
    in.R2 = readValue(m_Z2);
    in.X1 = readValue(m_Z1j);
    in.X2 = readValue(m_Z2j);
    in.QL = readValue(m_QL);
    in.P = m_window->power();
    return in;
}

} // namespace ampero
