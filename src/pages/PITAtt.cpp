#include "PITAtt.h"

#include "app/Ampero361.h"
#include "rf/Pads.h"
#include "values/Units.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/Handlers.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/Frequenzgang.h"
#include "windows/SpannungStrom.h"

#include <cmath>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;

} // namespace

PITAtt::PITAtt(QWidget* parent)
    : Page(parent)
    , m_window(uiWindow(UiNetwork::PiT))
    , m_response(QStringLiteral("PiT_Frequenzgang"),
                                  QStringLiteral("Pi / T-Dämpfungsglieder"), this)
{
    auto* group = new QGroupBox(QStringLiteral(" PI / T - Dämpfungsglieder (Zin = Zout)"), this);
    group->setGeometry(6, 6, 676, 392);

    addLabel(group, QStringLiteral("Pi-Dämpfungsglied "), QRect(24, 20, 200, 18));
    addLabel(group, QStringLiteral("T-Dämpfungsglied"), QRect(352, 20, 200, 18));
    m_piPictures = PictureSet(group, {24, 40}, 10, {{"PiT_I_Pi_unsym"}, {"PiT_I_Pi_sym"}});
    m_tPictures = PictureSet(group, {352, 40}, 10, {{"PiT_I_T_unsym"}, {"PiT_I_T_sym"}});

    auto* inputs = new QGroupBox(QStringLiteral(" Eingaben "), group);
    inputs->setGeometry(12, 204, 290, 148);
    PiT_RG_unsym = new RadioGroup(QStringLiteral("PiT_RG_unsym"), QString(),
                                  {QStringLiteral("unsym."), QStringLiteral("sym.")}, inputs);
    PiT_RG_unsym->setGeometry(12, 20, 266, 40);
    PiT_RG_unsym->placeItems({QRect(16, 12, 110, 20), QRect(140, 12, 110, 20)});
    addLabel(inputs, QStringLiteral("Dämpfung"), QRect(14, 74, 120, kFieldHeight));
    addLabel(inputs, QStringLiteral("a"), QRect(134, 74, 14, kFieldHeight));
    m_dB = addField(inputs, QStringLiteral("PiT_E_dB"), QRect(150, 74, 128, kFieldHeight),
                    QStringLiteral("Eingabe der Dämpfung a"));
    addLabel(inputs, QStringLiteral("Abschlußimpedanz"), QRect(14, 108, 118, kFieldHeight));
    addLabel(inputs, QStringLiteral("Z"), QRect(134, 108, 14, kFieldHeight));
    m_Z = addField(inputs, QStringLiteral("PiT_E_Z"), QRect(150, 108, 128, kFieldHeight),
                   QStringLiteral("Eingabe der Ein- und Ausgangsimpedanz (Zin = Zout)"));

    // results, read-only and outside the tab order
    auto* outputs = new QGroupBox(QStringLiteral(" Ausgaben "), group);
    outputs->setGeometry(310, 204, 354, 148);
    // the column heads a size smaller, so that the long names stay apart
    for (auto [text, x] :
         {std::pair{"Pi-Dämpfungsglied ", 127}, std::pair{"T-Dämpfungsglied ", 239}}) {
        QLabel* head = addLabel(outputs, QString::fromUtf8(text), QRect(x, 18, 114, 18));
        QFont f = head->font();
        f.setPixelSize(11);
        head->setFont(f);
        head->setAlignment(Qt::AlignCenter);
    }
    addLabel(outputs, QStringLiteral("Widerstand R1"), QRect(10, 40, 120, kFieldHeight));
    addLabel(outputs, QStringLiteral("Widerstand R2, R3"), QRect(10, 70, 120, kFieldHeight));
    const auto result = [outputs](const char* name, const QRect& r, const char* hint) {
        EditField* f = addField(outputs, QLatin1String(name), r, QString::fromUtf8(hint));
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        return f;
    };
    const char* hintR1 = "Ausgabe des Bauteilwertes von R1";
    const char* hintR23 = "Ausgabe des Bauteilwertes von R2 und R3";
    m_piR1 = result("PiT_Pi_E_R_R1", QRect(132, 40, 104, kFieldHeight), hintR1);
    m_piR23 = result("PiT_Pi_E_R_R23", QRect(132, 70, 104, kFieldHeight), hintR23);
    m_tR1 = result("PiT_T_E_R_R1", QRect(244, 40, 104, kFieldHeight), hintR1);
    m_tR23 = result("PiT_T_E_R_R23", QRect(244, 70, 104, kFieldHeight), hintR23);
    PiT_B_UI = new QPushButton(QStringLiteral("U / I"), outputs);
    PiT_B_UI->setObjectName(QStringLiteral("PiT_B_UI"));
    PiT_B_UI->setGeometry(244, 106, 104, 28);
    PiT_B_UI->setToolTip(
        QStringLiteral("Anzeige der Spannungen, Ströme und Leistung der Bauteile"));
    PiT_B_FG = new QPushButton(QStringLiteral("Frequenzgang"), outputs);
    PiT_B_FG->setObjectName(QStringLiteral("PiT_B_FG"));
    PiT_B_FG->setGeometry(132, 106, 104, 28);
    PiT_B_FG->setToolTip(QStringLiteral("Dämpfung und Rückflussdämpfung über der Frequenz"));

    PiT_B_Normwerte = new QPushButton(QStringLiteral("Normwerte"), outputs);
    PiT_B_Normwerte->setObjectName(QStringLiteral("PiT_B_Normwerte"));
    PiT_B_Normwerte->setGeometry(20, 106, 104, 28);
    PiT_B_Normwerte->setToolTip(QStringLiteral(
        "Nächste Normwerte der Widerstände und das damit aufgebaute Dämpfungsglied"));
    // Tab runs through the buttons as they stand, left to right
    setTabOrder(PiT_B_Normwerte, PiT_B_FG);
    setTabOrder(PiT_B_FG, PiT_B_UI);

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 362, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    // The standard values of the fields as shown; a balanced pad's series halves are bought
    // as such, and two of them in the lines act as one whole resistor.
    using NW = NormwerteFenster;
    m_normwerte = new NormwerteFenster(
        QStringLiteral("PiT"), QStringLiteral("Pi / T-Dämpfungsglied"),
        {{QStringLiteral("Pi  R1"), m_piR1, NW::Kind::Resistor},
         {QStringLiteral("Pi  R2, R3"), m_piR23, NW::Kind::Resistor},
         {QStringLiteral("T  R1"), m_tR1, NW::Kind::Resistor},
         {QStringLiteral("T  R2, R3"), m_tR23, NW::Kind::Resistor}},
        6,
        [this](const std::vector<double>& r) {
            const double Z = readValue(m_Z);
            const double series = PiT_RG_unsym->itemIndex() == 1 ? 2 : 1;
            const auto value = [&r](std::size_t i) { return r[i]; };
            const std::vector<ladder::Element> pi = {{ladder::Place::Shunt, value(1)},
                                                     {ladder::Place::Series, series * value(0)},
                                                     {ladder::Place::Shunt, value(1)}};
            const std::vector<ladder::Element> t = {{ladder::Place::Series, series * value(3)},
                                                    {ladder::Place::Shunt, value(2)},
                                                    {ladder::Place::Series, series * value(3)}};
            std::vector<NW::Line> lines = NW::padLines(QStringLiteral("Pi"), pi, Z, Z);
            for (NW::Line& line : NW::padLines(QStringLiteral("T"), t, Z, Z))
                lines.push_back(std::move(line));
            return lines;
        },
        this);
    addContextAction(QStringLiteral("Normwerte anzeigen"), [this] { PiT_B_NormwerteClick(); });
    for (EditField* f : {m_piR1, m_piR23, m_tR1, m_tR23})
        offerPageMenu(f);

    m_piPictures.show(0);
    m_tPictures.show(0);
    PiT_RG_unsym->setClickHandler([this] { PiT_RG_unsymClick(); });
    connectHandler(PiT_B_UI, &QPushButton::clicked, this, &PITAtt::PiT_B_UIClick);
    connectHandler(PiT_B_Normwerte, &QPushButton::clicked, this, &PITAtt::PiT_B_NormwerteClick);
    connectHandler(PiT_B_FG, &QPushButton::clicked, this, &PITAtt::PiT_B_FGClick);
    m_window->setCalculation([this] { PiT_Berechnung(); });

    // The window's power and choice belong to the page's section; "unsym" is written to the
    // section as "PI-T-Att", which names the same section.
    SpannungStromFenster* w = m_window;
    persistence()
        .section(QStringLiteral("Pi-T-Att"))
        .text(m_dB, "Daempfung", "20,00", "20,000 dB")
        .text(m_Z, "Quellimpedanz", "50,00", "50,000 " + kOhm)
        .factoryText(m_piR1, "247,500 " + kOhm)
        .factoryText(m_piR23, "61,111 " + kOhm)
        .factoryText(m_tR1, "10,101 " + kOhm)
        .factoryText(m_tR23, "40,909 " + kOhm)
        .text(w->powerField(), "Quellleistung", "1,00", "1,000 W")
        .text(w->otherUnitLabel(), "Quellleistung2", "30,00", "30,000 dBm")
        .section(QStringLiteral("PI-T-Att"))
        .item(PiT_RG_unsym, "unsym", 0, 0, 0)
        .section(QStringLiteral("Pi-T-Att"))
        .item(w->peakOrRms(), "Ueff/Us", 1, 1, 1)
        .section(QStringLiteral("Normwerte"))
        .item(m_normwerte->seriesGroup(NW::Kind::Resistor), "PiT_Widerstaende", 2, 2, 2);
    m_response.declareSettings(persistence(), QStringLiteral("PiT"));

    // The attenuation is a number of the attenuator's own protocol: message set B, no test
    // for an empty text, shown as fixed text in every notation.
    connectInputFields({
        {m_dB,
         FieldRule{.messages = MessageSet::B,
                   .min = QStringLiteral("1e-2"),
                   .max = QStringLiteral("250"),
                   .unit = QStringLiteral(" dB")},
         fixedWith(QStringLiteral(" dB")), [this](double) { PiT_Berechnung(); }},
        {m_Z, FieldRule{.min = QStringLiteral("1e-13"), .max = QStringLiteral("1e15")},
         withUnit(kOhm), [this](double) { PiT_Berechnung(); }},
    });
}

void PITAtt::PiT_Berechnung()
{
    const long double a = readValue(m_dB);
    const long double Z = readValue(m_Z);
    const long double P = m_window->power();
    MemoTable memo(*m_window);
    const long double s = m_window->peakFactor();
    const bool balanced = PiT_RG_unsym->itemIndex() == 1;

    const pads::Attenuator pad = pads::attenuator(a, Z);
    const pads::AttenuatorShown r = pads::shown(pad, balanced);
    const pads::AttenuatorTable t = pads::attenuatorTable(pad, Z, P, balanced);
    const auto row = [&](const char* label, const pads::Row& v) {
        memo.row(QLatin1String(label), {memo.volts(v.U * s), memo.amps(v.I * s), memo.watts(v.P)});
    };

    memo.empty();
    memo.header(QStringLiteral(" Pi-Form"));
    memo.rule(1, 53);
    writeValue(m_piR1, r.piR1, kOhm);
    row("   R1-", t.piR1);
    writeValue(m_piR23, r.piR23, kOhm);
    row("   R2-", t.piR2);
    row("   R3-", t.piR3);

    memo.empty();
    memo.header(QStringLiteral(" T-Form"));
    memo.rule(1, 53);
    writeValue(m_tR1, r.tR1, kOhm);
    row("   R1-", t.tR1);
    writeValue(m_tR23, r.tR23, kOhm);
    row("   R2-", t.tR2);
    row("   R3-", t.tR3);
    m_normwerte->update();

    // The pads as built: the resistors the fields show, a balanced series pair as one.
    pads::Attenuator built = pad;
    const long double series = balanced ? 2 : 1;
    built.piR1 = readValue(m_piR1) * series;
    built.piR23 = readValue(m_piR23);
    built.tR1 = readValue(m_tR1);
    built.tR23 = readValue(m_tR23) * series;
    const auto network = [Z](std::vector<ladder::Element> elements) {
        const double z = static_cast<double>(Z);
        return response::Network{1, z, z, std::move(elements)};
    };
    m_response.setCurves(
        {{QStringLiteral("Pi-Form"), network(pads::piLadder(built)), network(pads::piLadder(pad))},
         {QStringLiteral("T-Form"), network(pads::tLadder(built)), network(pads::tLadder(pad))}});
}

void PITAtt::PiT_RG_unsymClick()
{
    const int variant = PiT_RG_unsym->itemIndex() == 1 ? 1 : 0;
    m_piPictures.show(variant);
    m_tPictures.show(variant);
    PiT_Berechnung();
}

bool PITAtt::showsHalf(const QLineEdit* field) const
{
    return PiT_RG_unsym->itemIndex() == 1 && (field == m_piR1 || field == m_tR23);
}

void PITAtt::PiT_B_UIClick() { showWindow(m_window); }

void PITAtt::PiT_B_NormwerteClick() { m_normwerte->open(); }
void PITAtt::PiT_B_FGClick() { m_response.open(); }

// The results are not stored: they follow from the inputs, and so does the window's table.
// A stored text that does not read is reported, and the pages after this one still load.
void PITAtt::loadSettings(const StoredSettings& stored)
{
    Page::loadSettings(stored);
    runHandler(
        this, [this] { PiT_Berechnung(); }, Report::Later);
}

void PITAtt::loadFactoryDefaults()
{
    Page::loadFactoryDefaults();
    PiT_Berechnung();
}

void PITAtt::reformat()
{
    writeValue(m_Z, readValue(m_Z), kOhm);
    m_window->reformatPower();
    PiT_Berechnung();
}

} // namespace ampero
