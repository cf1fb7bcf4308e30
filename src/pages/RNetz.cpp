#include "RNetz.h"

#include "app/Ampero361.h"
#include "platform/MessageBoxes.h"
#include "rf/Ladder.h"
#include "rf/Pads.h"
#include "values/DisplayOptions.h"
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

#include <cmath>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;

} // namespace

RNetz::RNetz(QWidget* parent)
    : Page(parent)
    , m_window(uiWindow(UiNetwork::R))
    , m_response(QStringLiteral("R_Frequenzgang"),
                                  QStringLiteral("R-Anpassnetzwerk"), this)
{
    auto* group = new QGroupBox(QStringLiteral(" R- Anpassnetzwerk "), this);
    group->setGeometry(6, 6, 676, 396);

    // the three pads, one above the other
    addLabel(group, QStringLiteral("L - Form"), QRect(14, 16, 120, 16));
    std::vector<PictureSet::Entry> lPads;
    for (const char* kind : {"unsym", "sym"})
        for (int number = 1; number <= 5; ++number)
            lPads.push_back({QStringLiteral("R_I_%1%2").arg(QLatin1String(kind)).arg(number)});
    m_lPictures = PictureSet(group, {10, 32}, 8, lPads);
    addLabel(group, QStringLiteral("Pi - Form"), QRect(14, 140, 120, 16));
    m_piPictures = PictureSet(group, {10, 156}, 8, {{"RPi_I_unsym"}, {"RPi_I_sym"}});
    addLabel(group, QStringLiteral("T - Form"), QRect(14, 264, 120, 16));
    m_tPictures = PictureSet(group, {10, 280}, 8, {{"RT_I_unsym"}, {"RT_I_sym"}});

    R_RG_unsym =
        new RadioGroup(QStringLiteral("R_RG_unsym"), QString(),
                       {QStringLiteral("unsymmetrisch"), QStringLiteral("symmetrisch")}, group);
    R_RG_unsym->setGeometry(286, 14, 384, 32);
    // side by side, as the window lays them out when it shows
    R_RG_unsym->placeItems({QRect(70, 6, 120, 20), QRect(270, 6, 110, 20)});
    R_RG_unsym->setToolTip(QStringLiteral("Auswahl unsymmetrisch oder symmetrische Schaltung"));

    auto* inputs = new QGroupBox(QStringLiteral(" Eingaben "), group);
    inputs->setGeometry(286, 50, 384, 176);
    const auto input = [inputs](const QString& caption, const char* name, int y,
                                const QString& hint) {
        addLabel(inputs, caption, QRect(14, y, 110, kFieldHeight));
        return addField(inputs, QLatin1String(name), QRect(128, y, 140, kFieldHeight), hint);
    };
    m_Z1 = input(QStringLiteral("Impedanz Z1"), "R_E_Z1", 22,
                 QStringLiteral("Eingabe der Impedanz Z1"));
    m_Z2 = input(QStringLiteral("Impedanz Z2"), "R_E_Z2", 50,
                 QStringLiteral("Eingabe der Impedanz Z2"));
    m_D =
        input(QStringLiteral("Dämpfung a"), "R_E_D", 78, QStringLiteral("Eingabe der Dämpfung a"));
    L_R_Netz_Min_A = addLabel(inputs, QStringLiteral("Mindestdämpfung"), QRect(128, 104, 240, 18),
                              QStringLiteral("L_R_Netz_Min_A"));
    L_R_Netz_Min_A->setToolTip(QStringLiteral("kleinst möglicher Dämpfungswert"));
    R_RG_LNetz = new RadioGroup(QStringLiteral("R_RG_LNetz"), QStringLiteral(" L-Form Anpassung "),
                                {QStringLiteral("an Z1"), QStringLiteral("an Z2")}, inputs);
    R_RG_LNetz->setGeometry(14, 124, 254, 46);
    R_RG_LNetz->placeItems({QRect(14, 20, 100, 20), QRect(130, 20, 100, 20)});
    R_RG_LNetz->setToolTip(QStringLiteral("Einstellung Anpassung nur L-Netzwerk"));

    // results, read-only and outside the tab order
    auto* outputs = new QGroupBox(QStringLiteral(" Ausgaben "), group);
    // a row more than the resistors take, for the frequency response under "U / I"
    outputs->setGeometry(286, 230, 384, 140);
    const int columns[] = {92, 188, 284};
    const char* heads[] = {"L - Glied", "Pi - Form", "T - Form"};
    for (int c = 0; c < 3; ++c)
        addLabel(outputs, QString::fromUtf8(heads[c]), QRect(columns[c], 16, 92, 16));
    const char* rows[] = {"Widerst. R1", "Widerst. R2", "Widerst. R3"};
    for (int r = 0; r < 3; ++r)
        addLabel(outputs, QString::fromUtf8(rows[r]), QRect(10, 32 + 26 * r, 80, kFieldHeight));
    const auto result = [&](const char* name, int column, int row, const QString& hint) {
        EditField* f = addField(outputs, QLatin1String(name),
                                QRect(columns[column], 32 + 26 * row, 90, kFieldHeight), hint);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        return f;
    };
    m_lR1 = result("R_E_L_R1", 0, 0, QStringLiteral("Bauteilwert R1 - L-Glied"));
    m_lR2 = result("R_E_L_R2", 0, 1, QStringLiteral("Bauteilwert R2 - L-Glied"));
    m_piR1 = result("R_E_Pi_R1", 1, 0, QStringLiteral("Bauteilwert R1 - Pi-Glied"));
    m_piR2 = result("R_E_Pi_R2", 1, 1, QStringLiteral("Bauteilwert R2 - Pi-Glied"));
    m_piR3 = result("R_E_Pi_R3", 1, 2, QStringLiteral("Bauteilwert R3 - Pi-Glied"));
    m_tR1 = result("R_E_T_R1", 2, 0, QStringLiteral("Bauteilwert R1 - T-Glied"));
    m_tR2 = result("R_E_T_R2", 2, 1, QStringLiteral("Bauteilwert R2 - T-Glied"));
    m_tR3 = result("R_E_T_R3", 2, 2, QStringLiteral("Bauteilwert R3 - T-Glied"));
    R_B_UI = new QPushButton(QStringLiteral("U / I"), outputs);
    R_B_UI->setObjectName(QStringLiteral("R_B_UI"));
    R_B_UI->setGeometry(columns[0], 32 + 26 * 2 - 1, 90, 24);
    R_B_UI->setToolTip(QStringLiteral("Anzeige der Spannungen und Ströme der einzelnen Bauteile"));
    R_B_FG = new QPushButton(QStringLiteral("Frequenzgang"), outputs);
    R_B_FG->setObjectName(QStringLiteral("R_B_FG"));
    R_B_FG->setGeometry(columns[0], 32 + 26 * 3 - 1, 106, 24);
    R_B_FG->setToolTip(QStringLiteral("Dämpfung und Rückflussdämpfung über der Frequenz"));

    R_B_Normwerte = new QPushButton(QStringLiteral("Normwerte"), inputs);
    R_B_Normwerte->setObjectName(QStringLiteral("R_B_Normwerte"));
    R_B_Normwerte->setGeometry(276, 138, 96, 26);
    R_B_Normwerte->setToolTip(
        QStringLiteral("Nächste Normwerte der Widerstände und die damit aufgebauten Netzwerke"));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(286, 372, 384, 18))
        ->setAlignment(Qt::AlignCenter);

    // The standard values of the fields as shown: a balanced pad's series halves are bought
    // as such, and the two halves in the lines act as one whole resistor.
    using NW = NormwerteFenster;
    const auto part = [](const char* label, EditField* field) {
        return NW::Part{QString::fromUtf8(label), field, NW::Kind::Resistor};
    };
    m_normwerte = new NormwerteFenster(
        QStringLiteral("R"), QStringLiteral("R-Anpassnetzwerk"),
        {part("L  R1", m_lR1), part("L  R2", m_lR2), part("Pi  R1", m_piR1), part("Pi  R2", m_piR2),
         part("Pi  R3", m_piR3), part("T  R1", m_tR1), part("T  R2", m_tR2), part("T  R3", m_tR3)},
        9,
        [this](const std::vector<double>& r) {
            const double Z1 = readValue(m_Z1);
            const double Z2 = readValue(m_Z2);
            const double s = R_RG_unsym->itemIndex() == 1 ? 2 : 1;
            const auto v = [&r](std::size_t i) { return r[i]; };
            std::vector<NW::Line> lines = NW::padLines(
                QStringLiteral("L"), pads::lLadder({s * v(0), v(1), Z1 <= Z2, 0}), Z1, Z2);
            for (NW::Line& line :
                 NW::padLines(QStringLiteral("Pi"),
                              pads::piLadder(pads::PiPad{v(2), s * v(3), v(4)}), Z1, Z2))
                lines.push_back(std::move(line));
            for (NW::Line& line :
                 NW::padLines(QStringLiteral("T"),
                              pads::tLadder(pads::TPad{s * v(5), v(6), s * v(7)}), Z1, Z2))
                lines.push_back(std::move(line));
            return lines;
        },
        this);
    addContextAction(QStringLiteral("Normwerte anzeigen"), [this] { R_B_NormwerteClick(); });
    for (EditField* f : {m_lR1, m_lR2, m_piR1, m_piR2, m_piR3, m_tR1, m_tR2, m_tR3})
        offerPageMenu(f);

    m_lPictures.show(0);
    m_piPictures.show(0);
    m_tPictures.show(0);
    R_RG_unsym->setClickHandler([this] { R_Netz_Berechnung(); });
    R_RG_LNetz->setClickHandler([this] { R_Netz_Berechnung(); });
    connectHandler(R_B_UI, &QPushButton::clicked, this, &RNetz::R_B_UIClick);
    connectHandler(R_B_Normwerte, &QPushButton::clicked, this, &RNetz::R_B_NormwerteClick);
    connectHandler(R_B_FG, &QPushButton::clicked, this, &RNetz::R_B_FGClick);
    m_window->setCalculation([this] { R_Netz_Berechnung(); });

    // The window's power and choice belong to the page's section; the calculation runs after
    // the last key.
    SpannungStromFenster* w = m_window;
    persistence()
        .section(QStringLiteral("R-Netz"))
        .text(m_Z1, "Z1", "100,00", "100,000 " + kOhm)
        .text(m_Z2, "Z2", "50,00", "50,000 " + kOhm)
        .text(m_D, "a", "10,00", "12,000 dB")
        .item(R_RG_unsym, "unsym", 0, 0, 0)
        .text(w->powerField(), "P", "500,00", "1,000 W")
        .text(w->otherUnitLabel(), "P2", "56,99", "30,000 dBm")
        .item(w->peakOrRms(), "Ueff/Us", 1, 1, 1)
        .item(R_RG_LNetz, "L-Netz", 0, 0, 1)
        .section(QStringLiteral("Normwerte"))
        .item(m_normwerte->seriesGroup(NW::Kind::Resistor), "R_Widerstaende", 2, 2, 2)
        .afterLoad([this] { R_Netz_Berechnung(); });
    m_response.declareSettings(persistence(), QStringLiteral("R"));

    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    connectInputFields({
        {m_Z1, range("1e-6", "1e+9"), withUnit(kOmega), [this](double) { R_Netz_Berechnung(); }},
        {m_Z2, range("1e-6", "1e+9"), withUnit(kOmega), [this](double) { R_Netz_Berechnung(); }},
        {m_D, range("0", "1000"), fixedWith(QStringLiteral(" dB")),
         [this](double) { R_Netz_Berechnung(); }},
    });
}

void RNetz::R_Netz_Berechnung()
{
    const long double Z1 = readValue(m_Z1);
    const long double Z2 = readValue(m_Z2);
    MemoTable memo(*m_window);
    const long double P = m_window->power();
    const long double U0 = std::sqrt(4 * P * Z1); // the source behind Z1
    const long double s = m_window->peakFactor();
    const bool balanced = R_RG_unsym->itemIndex() == 1;
    const pads::Match match = R_RG_LNetz->itemIndex() == 0 ? pads::Match::Z1 : pads::Match::Z2;

    // pictures
    int lPicture = 5;
    if (Z1 > Z2)
        lPicture = match == pads::Match::Z1 ? 1 : 2;
    else if (Z1 < Z2)
        lPicture = match == pads::Match::Z1 ? 3 : 4;
    R_RG_LNetz->setVisible(Z1 != Z2);
    m_lPictures.show(lPicture - 1 + (balanced ? 5 : 0));
    m_piPictures.show(balanced ? 1 : 0);
    m_tPictures.show(balanced ? 1 : 0);

    // A smaller attenuation than the pad allows is replaced by the minimum, rounded up to the
    // shown decimals so that the pads built with it stay above the true one.
    const pads::MinimumAttenuation minimum = pads::minimumAttenuation(Z1, Z2, nachkomma());
    const long double entered = readValue(m_D);
    if (pads::belowMinimum(entered, minimum)) {
        const QString Dmin = Zahlenausgabe(static_cast<double>(minimum.Dmin));
        showErrorMessage(this,
                         QStringLiteral("Die eingegebene Dämpfung ") + fixedText(entered) +
                             QStringLiteral(" dB ist zu klein.\r\rEs wird die Mindestdämpfung ") +
                             Dmin + QStringLiteral(" dB verwendet."));
        writeText(m_D, Dmin + QStringLiteral("dB"));
    }
    const long double a = readValue(m_D);

    // The memo is written pad by pad from the whole resistors, solved in extended precision;
    // a balanced pad shows one of its two series halves, with half the voltage and so half
    // the power.
    const auto block = [&](const QString& title, const pads::Ladder<long double>& ladder,
                           const std::vector<int>& order, const QString& labelEnd) {
        memo.header(title);
        memo.rule(1, 52);
        const auto solution = ladder::solve(U0, Z1, ladder, Z2);
        for (std::size_t n = 0; n < order.size(); ++n) {
            const auto i = static_cast<std::size_t>(order[n]);
            const auto& e = solution.elements[i];
            long double U = e.U.real();
            const long double I = e.I.real();
            if (balanced && ladder[i].place == ladder::Place::Series)
                U = U / 2;
            memo.row(QStringLiteral("   R%1 -").arg(n + 1) + labelEnd,
                     {memo.volts(U * s), memo.amps(I * s), memo.watts(U * I)});
        }
    };

    const pads::LPad l = pads::lPad(Z1, Z2, a, match);
    memo.empty();
    // the L ladder lists the shunt R2 first when it sits at Z1
    block(QStringLiteral(" L-Form"), pads::lLadder<long double>(l),
          l.shuntAtZ1 ? std::vector{1, 0} : std::vector{0, 1}, QString());
    memo.empty();
    memo.empty();

    const pads::PiPad pi = pads::piPad(Z1, Z2, a);
    block(QStringLiteral(" Pi-Form"), pads::piLadder<long double>(pi), {0, 1, 2},
          QStringLiteral("  "));
    memo.empty();
    memo.empty();

    const pads::TPad t = pads::tPad(Z1, Z2, a);
    block(QStringLiteral(" T-Form"), pads::tLadder<long double>(t), {0, 1, 2},
          QStringLiteral("  "));

    const pads::MatchingShown shown = pads::shown(l, pi, t, balanced);
    writeValue(m_lR2, shown.lR2, kOhm);
    writeValue(m_lR1, shown.lR1, kOhm);
    writeValue(m_piR1, shown.piR1, kOhm);
    writeValue(m_piR2, shown.piR2, kOhm);
    writeValue(m_piR3, shown.piR3, kOhm);
    writeValue(m_tR1, shown.tR1, kOhm);
    writeValue(m_tR2, shown.tR2, kOhm);
    writeValue(m_tR3, shown.tR3, kOhm);
    writeText(L_R_Netz_Min_A, QStringLiteral("Dämpfung >  ") +
                                  Zahlenausgabe(static_cast<double>(minimum.Dmin)) +
                                  QStringLiteral(" dB"));
    m_normwerte->update();

    // The pads as built: the resistors the fields show, a balanced series pair as one.
    const long double series = balanced ? 2 : 1;
    pads::LPad lBuilt = l;
    lBuilt.R1 = readValue(m_lR1) * series;
    lBuilt.R2 = readValue(m_lR2);
    const pads::PiPad piBuilt{readValue(m_piR1), readValue(m_piR2) * series, readValue(m_piR3)};
    const pads::TPad tBuilt{readValue(m_tR1) * series, readValue(m_tR2), readValue(m_tR3) * series};
    const auto network = [&](std::vector<ladder::Element> elements) {
        return response::Network{1, static_cast<double>(Z1), static_cast<double>(Z2),
                                 std::move(elements)};
    };
    m_response.setCurves(
        {{QStringLiteral("L-Form"), network(pads::lLadder(lBuilt)), network(pads::lLadder(l))},
         {QStringLiteral("Pi-Form"), network(pads::piLadder(piBuilt)), network(pads::piLadder(pi))},
         {QStringLiteral("T-Form"), network(pads::tLadder(tBuilt)), network(pads::tLadder(t))}});
}

bool RNetz::showsHalf(const QLineEdit* field) const
{
    return R_RG_unsym->itemIndex() == 1 &&
           (field == m_lR1 || field == m_piR2 || field == m_tR1 || field == m_tR3);
}

void RNetz::R_B_UIClick() { showWindow(m_window); }

void RNetz::R_B_NormwerteClick() { m_normwerte->open(); }
void RNetz::R_B_FGClick() { m_response.open(); }

// The results are not among the factory texts: they are computed from the factory inputs.
void RNetz::loadFactoryDefaults()
{
    Page::loadFactoryDefaults();
    R_Netz_Berechnung();
}

void RNetz::reformat()
{
    writeValue(m_Z1, readValue(m_Z1), kOhm);
    writeValue(m_Z2, readValue(m_Z2), kOhm);
    m_window->reformatPower();
    R_Netz_Berechnung();
}

} // namespace ampero
