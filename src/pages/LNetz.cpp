#include "LNetz.h"

#include "app/Ampero361.h"
#include "rf/ESeries.h"
#include "rf/LNetwork.h"
#include "rf/Response.h"
#include "settings/IniDocument.h"
#include "values/Errors.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/Frequenzgang.h"
#include "windows/SpannungStrom.h"
#include "widgets/Handlers.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;

// The texts around the values differ by notation: " Hz " and " Ω " bring their own blanks in
// SCI and ENG; an imaginary part starts with a blank, after the "j" in front of the field.
Redisplay hertz() { return withUnits(QStringLiteral("Hz"), QStringLiteral(" Hz ")); }
Redisplay realPart()
{
    return withUnits(kOhm + QLatin1Char(' '), QLatin1Char(' ') + kOhm + QLatin1Char(' '));
}
Redisplay imaginaryPart()
{
    return withUnits(kOhm + QLatin1Char(' '), QLatin1Char(' ') + kOhm + QLatin1Char(' '),
                     QStringLiteral(" "));
}
// QL is a plain number, shown as prefix text in every notation.
Redisplay quality()
{
    return [](double value) { return Zahlenausgabe(value); };
}

// Z1 and Z2 with the same real part need no matching; the network would divide by zero.
EntryCheck differsFrom(const EditField* other)
{
    return [other](double value) -> QString {
        double shown = 0;
        try {
            shown = readValue(other);
        } catch (const ParseError&) {
            return {}; // no number there to be equal to
        }
        if (value != shown)
            return {};
        return QStringLiteral("Die Eingaben von Z1 (Realteil) und Z2 (Realteil) sind gleich groß"
                              "\r\reine Anpassung ist nicht nötig! ");
    };
}

// Marks the page as being filled until the end of the scope, also when loading stops.
class Filling {
public:
    explicit Filling(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~Filling() { m_flag = false; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

private:
    bool& m_flag;
};

QString unitOf(const lnetwork::Series& series) { return QString(QLatin1Char(series.unit)); }

} // namespace

LNetz::LNetz(QWidget* parent)
    : Page(parent)
    , m_window(uiWindow(UiNetwork::L))
    , m_response(QStringLiteral("L_Frequenzgang"),
                                  QStringLiteral("L-Anpassnetzwerk"), this)
{
    auto* group = new QGroupBox(QStringLiteral(" L- Anpassnetzwerk "), this);
    group->setGeometry(6, 6, 676, 396);

    // the two forms, one above the other, each with one of its eight pictures
    addLabel(group, QStringLiteral("Hochpass"), QRect(14, 16, 120, 16));
    addLabel(group, QStringLiteral("Tiefpass"), QRect(14, 196, 120, 16));
    std::vector<PictureSet::Entry> highPass, lowPass;
    for (const char* kind : {"unsym", "sym"}) {
        for (const char* letter : {"a", "c", "e", "g"})
            highPass.push_back(
                {QStringLiteral("L_I_Hoch%1_%2").arg(QLatin1String(letter), QLatin1String(kind))});
        for (const char* letter : {"b", "d", "f", "h"})
            lowPass.push_back(
                {QStringLiteral("L_I_Tief%1_%2").arg(QLatin1String(letter), QLatin1String(kind))});
    }
    m_highPass = PictureSet(group, {10, 32}, 10, highPass);
    m_lowPass = PictureSet(group, {10, 212}, 10, lowPass);

    L_RG_unsym = new RadioGroup(QStringLiteral("L_RG_unsym"), QString(),
                                {QStringLiteral("unsym."), QStringLiteral("sym.")}, group);
    L_RG_unsym->setGeometry(326, 14, 344, 40);
    L_RG_unsym->placeItems({QRect(60, 12, 100, 20), QRect(200, 12, 100, 20)});
    L_RG_unsym->setToolTip(QStringLiteral("Auswahl unsymmetrisch oder symmetrische Schaltung"));

    auto* inputs = new QGroupBox(QStringLiteral(" Eingaben "), group);
    inputs->setGeometry(326, 60, 344, 146);
    const auto label = [inputs](const QString& caption, int x, int y, int width) {
        addLabel(inputs, caption, QRect(x, y, width, kFieldHeight));
    };
    const auto input = [inputs](const char* name, int x, int y, int width, const QString& hint) {
        return addField(inputs, QLatin1String(name), QRect(x, y, width, kFieldHeight), hint);
    };
    label(QStringLiteral("Frequenz F"), 10, 22, 104);
    m_F = input("L_E_F", 118, 22, 110, QStringLiteral("Eingabe der Frequenz"));
    label(QStringLiteral("Impedanz Z1"), 10, 52, 104);
    m_Z1 = input("L_E_Z1", 118, 52, 100, QStringLiteral("Eingabe der Realteils der Impedanz Z1"));
    label(QStringLiteral("j"), 222, 52, 10);
    m_Z1j =
        input("L_E_Z1j", 234, 52, 100, QStringLiteral("Eingabe des Imaginärteils der Impedanz Z1"));
    label(QStringLiteral("Impedanz Z2"), 10, 80, 104);
    m_Z2 = input("L_E_Z2", 118, 80, 100, QStringLiteral("Eingabe der Realteils der Impedanz Z2"));
    label(QStringLiteral("j"), 222, 80, 10);
    m_Z2j =
        input("L_E_Z2j", 234, 80, 100, QStringLiteral("Eingabe des Imaginärteils der Impedanz Z2"));
    label(QStringLiteral("Güte Induktivität"), 10, 112, 104);
    m_QL = input("L_E_QL", 118, 112, 110, QStringLiteral("Eingabe der Güte der Induktivität"));

    // results, read-only and outside the tab order
    auto* outputs = new QGroupBox(QStringLiteral(" Ausgaben "), group);
    outputs->setGeometry(326, 212, 344, 150);
    addLabel(outputs, QStringLiteral("Tiefpass"), QRect(60, 18, 130, 16))
        ->setAlignment(Qt::AlignCenter);
    addLabel(outputs, QStringLiteral("Hochpass"), QRect(200, 18, 130, 16))
        ->setAlignment(Qt::AlignCenter);
    const char* rows[] = {"Xs", "Xp", "TL"};
    for (int r = 0; r < 3; ++r)
        addLabel(outputs, QLatin1String(rows[r]), QRect(14, 36 + 28 * r, 40, kFieldHeight));
    const auto result = [outputs](const char* name, int column, int row, const QString& hint) {
        EditField* f =
            addField(outputs, QLatin1String(name),
                     QRect(column == 0 ? 60 : 200, 36 + 28 * row, 130, kFieldHeight), hint);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        return f;
    };
    const QString xs = QStringLiteral("Ausgabe des Bauteilwertes von Xs");
    const QString xp = QStringLiteral("Ausgabe des Bauteilwertes von Xp");
    const QString tl = QStringLiteral("Ausgabe der Übertraguns-Dämpfung des Anpassnetzwerkes");
    m_tpL = result("L_E_TP_L", 0, 0, xs);
    m_hpC = result("L_E_HP_C", 1, 0, xs);
    m_tpC = result("L_E_TP_C", 0, 1, xp);
    m_hpL = result("L_E_HP_L", 1, 1, xp);
    m_tpTL = result("L_E_TP_TL", 0, 2, tl);
    m_hpTL = result("L_E_HP_TL", 1, 2, tl);
    L_B_UI = new QPushButton(QStringLiteral("U / I"), outputs);
    L_B_UI->setObjectName(QStringLiteral("L_B_UI"));
    L_B_UI->setGeometry(212, 118, 118, 24);
    L_B_UI->setToolTip(QStringLiteral("Anzeige der Spannungen und Ströme der Bauteile"));
    L_B_Normwerte = new QPushButton(QStringLiteral("Normwerte"), outputs);
    L_B_Normwerte->setObjectName(QStringLiteral("L_B_Normwerte"));
    L_B_Normwerte->setGeometry(8, 118, 90, 24);
    L_B_Normwerte->setToolTip(
        QStringLiteral("Nächste Normwerte der Bauteile und die damit aufgebauten Netzwerke"));
    L_B_FG = new QPushButton(QStringLiteral("Frequenzgang"), outputs);
    L_B_FG->setObjectName(QStringLiteral("L_B_FG"));
    L_B_FG->setGeometry(102, 118, 106, 24);
    L_B_FG->setToolTip(QStringLiteral("Dämpfung und Rückflussdämpfung über der Frequenz"));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(326, 368, 344, 20))
        ->setAlignment(Qt::AlignCenter);

    L_RG_unsym->setItemIndex(0);
    L_Bilder_Auswahl(2, 2);
    // The two selections come before the fields in the settings: a change of them while the
    // page is filled leaves the calculation to the end of the filling.
    const auto choiceChanged = [this] {
        if (!m_filling)
            L_Netz_Berechnung();
    };
    L_RG_unsym->setClickHandler(choiceChanged);
    connectHandler(L_B_UI, &QPushButton::clicked, this, &LNetz::L_B_UIClick);
    connectHandler(L_B_Normwerte, &QPushButton::clicked, this, &LNetz::L_B_NormwerteClick);

    // The standard values of the four elements, and both forms built from them at F with the
    // coils' Q; the shunt element stands on the side with the larger real part. A balanced
    // form's series element is bought as its two halves.
    using NW = NormwerteFenster;
    m_normwerte = new NormwerteFenster(
        QStringLiteral("L"), QStringLiteral("L - Anpassnetzwerk"),
        {{QStringLiteral("Hochpass Xs"), m_hpC, NW::Kind::Reactive},
         {QStringLiteral("Hochpass Xp"), m_hpL, NW::Kind::Reactive},
         {QStringLiteral("Tiefpass Xs"), m_tpL, NW::Kind::Reactive},
         {QStringLiteral("Tiefpass Xp"), m_tpC, NW::Kind::Reactive}},
        4,
        [this](const std::vector<double>& v) {
            const double omega = 2 * M_PI * readValue(m_F);
            const double QL = readValue(m_QL);
            const bool balanced = L_RG_unsym->itemIndex() == 1;
            const rf::Complex Z1(readValue(m_Z1), readValue(m_Z1j));
            const rf::Complex Z2(readValue(m_Z2), readValue(m_Z2j));
            const auto element = [&](EditField* field, double shown, bool series) {
                const bool coil = field->text().trimmed().endsWith(QLatin1Char('H'));
                const double whole = !(balanced && series) ? shown : coil ? 2 * shown : shown / 2;
                return ladder::Element{series ? ladder::Place::Series : ladder::Place::Shunt,
                                       coil ? eseries::coil(whole, omega, QL)
                                            : eseries::capacitor(whole, omega)};
            };
            const auto form = [&](EditField* xs, double s, EditField* xp, double p) {
                const ladder::Element series = element(xs, s, true);
                const ladder::Element shunt = element(xp, p, false);
                return Z1.real() > Z2.real() ? std::vector{shunt, series}
                                             : std::vector{series, shunt};
            };
            std::vector<NW::Line> lines = NW::matchingLines(QStringLiteral("Hochpass"),
                                                            form(m_hpC, v[0], m_hpL, v[1]), Z1, Z2);
            for (NW::Line& line : NW::matchingLines(QStringLiteral("Tiefpass"),
                                                    form(m_tpL, v[2], m_tpC, v[3]), Z1, Z2))
                lines.push_back(std::move(line));
            return lines;
        },
        this);
    addContextAction(QStringLiteral("Normwerte anzeigen"), [this] { L_B_NormwerteClick(); });
    for (EditField* f : {m_hpC, m_hpL, m_tpL, m_tpC})
        offerPageMenu(f);
    connectHandler(L_B_FG, &QPushButton::clicked, this, &LNetz::L_B_FGClick);
    m_window->setCalculation(choiceChanged);

    // The inputs keep the texts a first start shows; the results come from them.
    SpannungStromFenster* w = m_window;
    const Persistence::Store zero = [](IniDocument& ini, const QString& section,
                                       const QString& key) { ini.setBool(section, key, false); };
    persistence()
        .section(QStringLiteral("L-Netz"))
        .item(L_RG_unsym, "unsym_sym", 0, 0, 0)
        .item(w->peakOrRms(), "Ueff/Us", 1, 1, 1)
        .text(m_F, "Frequenz", "10,00", "10,000 MHz")
        .text(m_Z1, "R1", "300,00", "300,000 " + kOhm + " ")
        .text(m_Z2, "R2", "50,00", "50,000 " + kOhm + " ")
        .text(m_Z1j, "X1", "0,00", " 0,000 " + kOhm)
        .text(m_Z2j, "X2", "0,00", " 0,000 " + kOhm)
        .text(m_QL, "Guete-L", "50,00", "50,000")
        .text(w->powerField(), "P", "500,00", "1,000 W")
        .text(w->otherUnitLabel(), "P2", "56,99", "30,000 dBm")
        .custom("GueteC", {}, zero)
        .afterLoad([this] {
            m_filling = false;
            L_Netz_Berechnung();
        });
    persistence()
        .section(QStringLiteral("Normwerte"))
        .item(m_normwerte->seriesGroup(NW::Kind::Capacitor), "L_Kondensatoren", 1, 1, 1)
        .item(m_normwerte->seriesGroup(NW::Kind::Coil), "L_Spulen", 1, 1, 1);
    m_response.declareSettings(persistence(), QStringLiteral("L"));

    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    const Action calculate = [this](double) { L_Netz_Berechnung(); };
    connectInputFields({
        {m_F, range("1e-16", "1e+16"), hertz(), calculate},
        {m_Z1, range("1e-6", "1e+9"), realPart(), calculate, differsFrom(m_Z2)},
        {m_Z1j, range("-1e+5", "1e+5"), imaginaryPart(), calculate},
        {m_Z2, range("1e-6", "1e+9"), realPart(), calculate, differsFrom(m_Z1)},
        {m_Z2j, range("-1e+5", "1e+5"), imaginaryPart(), calculate},
        {m_QL, range("1e-3", "1e4"), quality(), calculate},
    });
}

void LNetz::L_Netz_Berechnung()
{
    const long double F = readValue(m_F);
    const long double R1 = readValue(m_Z1);
    const long double R2 = readValue(m_Z2);
    const long double X1 = readValue(m_Z1j);
    const long double X2 = readValue(m_Z2j);
    const long double QL = readValue(m_QL);
    MemoTable memo(*m_window);
    const long double P = m_window->power();
    const long double s = m_window->peakFactor();
    const bool balanced = L_RG_unsym->itemIndex() == 1;

    // the shunt elements stand across the side with the larger real part
    const lnetwork::Sides sides = lnetwork::sides(F, R1, X1, R2, X2);
    m_window->pictures().show(sides.z1High ? QStringLiteral("L_UI_Image1")
                                           : QStringLiteral("L_UI_Image2"));

    const long double Lp = lnetwork::highPassShunt(sides);
    writeValue(m_hpL, Lp, QStringLiteral("H"));
    const lnetwork::Series hpSeries = lnetwork::highPassSeries(sides, balanced);
    writeValue(m_hpC, hpSeries.shown, unitOf(hpSeries));
    const long double Cp = lnetwork::lowPassShunt(sides);
    writeValue(m_tpC, Cp, QStringLiteral("F"));
    const lnetwork::Series tpSeries = lnetwork::lowPassSeries(sides, balanced);
    writeValue(m_tpL, tpSeries.shown, unitOf(tpSeries));
    const lnetwork::Pictures codes = lnetwork::pictures(sides, hpSeries, tpSeries);

    const lnetwork::Impedances hpZ = lnetwork::highPassImpedances(sides, Lp, hpSeries, QL);
    const lnetwork::Impedances tpZ = lnetwork::lowPassImpedances(sides, Cp, tpSeries, QL);
    const lnetwork::Analysis hp = lnetwork::analyse(R1, X1, R2, X2, hpZ, P);
    const lnetwork::Analysis tp = lnetwork::analyse(R1, X1, R2, X2, tpZ, P);
    writeText(m_hpTL, fixedText(hp.TL, 3) + QStringLiteral(" dB"));
    writeText(m_tpTL, fixedText(tp.TL, 3) + QStringLiteral(" dB"));

    // One table per form, the elements in their order from Z1 to Z2. A balanced form lists
    // one of its two series halves: half the voltage and half the loss at the same current.
    // The high-pass form shows the loss of its shunt coil, the low-pass form that of its
    // series element.
    const long double half = balanced ? 2 : 1;
    const auto block = [&](const QString& title, const lnetwork::Analysis& a, bool shuntLoss) {
        memo.header(title);
        memo.rule(1, 52);
        const auto shunt = [&] {
            memo.row(QStringLiteral("    Xp -"),
                     {memo.volts(a.Up * s), memo.amps(a.Ip * s),
                      shuntLoss ? memo.watts(a.Pp) : MemoTable::none()});
        };
        const auto series = [&] {
            memo.row(QStringLiteral("    Xs -"),
                     {memo.volts(a.Us * s / half), memo.amps(a.Is * s),
                      shuntLoss ? MemoTable::none() : memo.watts(a.Ps / half)});
        };
        if (a.shuntFirst) {
            shunt();
            series();
        } else {
            series();
            shunt();
        }
        memo.empty();
        memo.line(
            QStringLiteral("  verfügbare Leistung an Z2: ") +
            MemoTable::value(a.P2, QStringLiteral("W"), MemoTable::Spacing::BlankInNotation).text);
    };
    block(QStringLiteral(" Hochpass"), hp, true);
    memo.empty();
    block(QStringLiteral(" Tiefpass"), tp, false);

    L_Bilder_Auswahl(codes.highPass, codes.lowPass);
    m_normwerte->update();
    m_response.setCurves(
        {{QStringLiteral("Hochpass"), response::lNetwork(F, R1, X1, R2, X2, hpZ)},
         {QStringLiteral("Tiefpass"), response::lNetwork(F, R1, X1, R2, X2, tpZ)}});
}

void LNetz::L_Bilder_Auswahl(int LBild_HP, int LBild_TP)
{
    if (L_RG_unsym->itemIndex() == 1) {
        LBild_HP += 5;
        LBild_TP += 5;
    }
    // codes 1 … 4 unbalanced, 6 … 9 balanced; 5 and all others show no picture
    const auto index = [](int code) {
        if (code >= 1 && code <= 4)
            return code - 1;
        if (code >= 6 && code <= 9)
            return code - 2;
        return -1;
    };
    m_highPass.show(index(LBild_HP));
    m_lowPass.show(index(LBild_TP));
}

bool LNetz::showsHalf(const QLineEdit* field) const
{
    return L_RG_unsym->itemIndex() == 1 && (field == m_hpC || field == m_tpL);
}

void LNetz::L_B_NormwerteClick() { m_normwerte->open(); }

void LNetz::L_B_UIClick()
{
    L_Netz_Berechnung();
    showWindow(m_window);
}

void LNetz::L_B_FGClick() { m_response.open(); }

// The factory texts of the results do not fit the factory inputs: they come from the
// calculation instead.
void LNetz::loadFactoryDefaults()
{
    const Filling filling(m_filling);
    Page::loadFactoryDefaults();
    m_filling = false;
    L_Netz_Berechnung();
}

void LNetz::loadSettings(const StoredSettings& stored)
{
    const Filling filling(m_filling);
    Page::loadSettings(stored);
}

void LNetz::reformat()
{
    writeText(m_F, hertz()(readValue(m_F)));
    writeText(m_Z1, realPart()(readValue(m_Z1)));
    writeText(m_Z1j, imaginaryPart()(readValue(m_Z1j)));
    writeText(m_Z2, realPart()(readValue(m_Z2)));
    writeText(m_Z2j, imaginaryPart()(readValue(m_Z2j)));
    m_window->reformatPower();
    L_Netz_Berechnung();
}

} // namespace ampero
