#include "LCSchwingkreis.h"

#include "rf/Resonance.h"
#include "schematics/PictureSet.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"

#include <cmath>
#include <QGroupBox>
#include <QLabel>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;
const QString kHertz = QStringLiteral("Hz");

QString lossText(long double tl) { return fixedText(tl, 3) + QStringLiteral(" dB"); }

} // namespace

LCSchwingkreis::LCSchwingkreis(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(QStringLiteral(" LC - Schwingkreis (Resonanzfall) "), this);
    group->setGeometry(6, 6, 676, 392);
    m_p = buildSide(group, QRect(8, 18, 326, 348), true);
    m_r = buildSide(group, QRect(342, 18, 326, 348), false);
    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 368, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    // The circuits are chosen last: each choice shows its picture and computes its side.
    const QString mOhm = "159,155 m" + kOhm;
    persistence()
        .section(QStringLiteral("LC-Schwingkreis"))
        .item(m_p.Auswahl, "F-L-C_P", 1, 1, 1)
        .text(m_p.F, "Frequenz_P", "10,000", "10,000 MHz")
        .text(m_p.L, "Induktivitaet_P", "253,303", "253,303 nH")
        .text(m_p.C, "Kapazitaet_P", "1,000", "1,000 nF")
        .text(m_p.Rs, "Widerstand_P_Rs", "1000,000", "1,000 k" + kOhm)
        .text(m_p.RL, "Widerstand_P_RL", "1000,000", "1,000 k" + kOhm)
        .item(m_r.Auswahl, "F-L-C_R", 1, 1, 1)
        .text(m_r.F, "Frequenz_R", "10,000", "10,000 MHz")
        .text(m_r.L, "Induktivitaet_R", "253,303", "253,303 nH")
        .text(m_r.C, "Kapazitaet_R", "1,000", "1,000 nF")
        .text(m_p.Q, "Guete_L_P", "100,000", "100,000")
        .text(m_p.R, "Verlust_R_L_P", "300,000", mOhm)
        .colour(m_p.Q, "Schrift_Guete_L_P", "clWindowText", QColor())
        .colour(m_p.R, "Schrift_VerlustR_L_P", "clMedGray", kMedGray)
        .text(m_r.Q, "Guete_L_R", "100,000", "100,000")
        .text(m_r.R, "Verlust_R_L_R", "300,000", mOhm)
        .colour(m_r.Q, "Schrift_Guete_L_R", "clWindowText", QColor())
        .colour(m_r.R, "Schrift_VerlustR_L_R", "clMedGray", kMedGray)
        .text(m_r.Rs, "Widerstand_R_Rs", "50,000", "50,000 " + kOhm)
        .text(m_r.RL, "Widerstand_R_RL", "50,000", "50,000 " + kOhm)
        .factoryText(m_r.BW, "100,000 kHz")
        .factoryText(m_r.Zo, mOhm)
        .factoryText(m_r.QB, "100,000")
        .item(m_p.Schaltung, "P_Schaltung", 0, 0, 0)
        .item(m_r.Schaltung, "R_Schaltung", 0, 0, 0);
}

LCSchwingkreis::Side LCSchwingkreis::buildSide(QWidget* parent, const QRect& geometry,
                                               bool parallel)
{
    const QString p = parallel ? QStringLiteral("LC_E_P_") : QStringLiteral("LC_E_R_");
    const QString kind = parallel ? QStringLiteral("(Parallelschwingkreis)")
                                  : QStringLiteral("(Serienschwingkreis)");
    Side s{};
    s.parallel = parallel;
    auto* box = new QGroupBox(
        parallel ? QStringLiteral(" Parallelkreis ") : QStringLiteral(" Reihenkreis "), parent);
    box->setGeometry(geometry);

    // F, L, C beside the items of " berechnen "
    s.Auswahl = new RadioGroup(
        parallel ? QStringLiteral("LC_RG_P_Auswahl") : QStringLiteral("LC_RG_R_Auswahl"),
        QStringLiteral(" berechnen "),
        {QStringLiteral("F"), QStringLiteral("L"), QStringLiteral("C")}, box);
    s.Auswahl->setGeometry(8, 18, 82, 94);
    s.Auswahl->placeItems({QRect(10, 20, 46, 22), QRect(10, 44, 46, 22), QRect(10, 68, 46, 22)});
    s.F = addField(box, p + "F", QRect(96, 38, 104, kFieldHeight),
                   QStringLiteral("Eingabe der Resonanzfrequenz"));
    s.L = addField(box, p + "L", QRect(96, 62, 104, kFieldHeight),
                   QStringLiteral("Eingabe der Induktivität (bei Resonanz)"));
    s.C = addField(box, p + "C", QRect(96, 86, 104, kFieldHeight),
                   QStringLiteral("Eingabe der Kapazität (bei Resonanz)"));

    // results, read-only and outside the tab order
    const auto result = [&](const QString& name, const QString& label, int y, const QString& hint) {
        QLabel* l = addLabel(box, label, QRect(206, y, 28, kFieldHeight));
        EditField* f = addField(box, p + name, QRect(234, y, 84, kFieldHeight), hint);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        return std::pair{l, f};
    };
    s.Zo = result(QStringLiteral("Zo"), QStringLiteral("Zo"), 22,
                  QStringLiteral("Kennwiderstand ") + kind)
               .second;
    s.BW = result(QStringLiteral("BW"), QStringLiteral("BW"), 48,
                  QStringLiteral("3dB Bandbreite ") + kind)
               .second;
    std::tie(s.qbLabel, s.QB) = result(QStringLiteral("QB"), QStringLiteral("QB"), 74,
                                       QStringLiteral("Betriebsgüte ") + kind);
    std::tie(s.tlLabel, s.TL) = result(QStringLiteral("TL"), QStringLiteral("TL"), 100, QString());
    if (parallel) {
        s.qbLabel->setObjectName(QStringLiteral("Label108"));
        s.tlLabel->setObjectName(QStringLiteral("Label39"));
    }

    // the coil's losses
    auto* coil = new QGroupBox(
        parallel ? QStringLiteral("  Induktivität ") : QStringLiteral(" Induktivität "), box);
    coil->setGeometry(8, 116, 310, 52);
    addLabel(coil, QStringLiteral("QL"), QRect(10, 22, 24, kFieldHeight));
    s.Q = addField(coil, p + "Q", QRect(36, 22, 100, kFieldHeight),
                   QStringLiteral("Eingabe der Güte der Induktivität "));
    addLabel(coil, QStringLiteral("Rv"), QRect(160, 22, 24, kFieldHeight));
    s.R = addField(coil, p + "R", QRect(186, 22, 114, kFieldHeight),
                   QStringLiteral("Eingabe des Verlustwiderstandes der Induktivität "));

    // the circuit variant and its picture, source and load below it
    s.Schaltung = new RadioGroup(
        parallel ? QStringLiteral("LC_RG_P_Schaltung") : QStringLiteral("LC_RG_R_Schaltung"),
        QStringLiteral(" Schaltung "),
        {QStringLiteral("LC"), QStringLiteral("LC - ser."), QStringLiteral("LC - par.")}, box);
    s.Schaltung->setGeometry(8, 172, 310, 46);
    // side by side, as the window lays them out when it shows (wide enough for this font)
    s.Schaltung->placeItems(
        {QRect(70, 20, 55, 20), QRect(130, 20, 78, 20), QRect(210, 20, 84, 20)});
    const QString pictures = parallel ? QStringLiteral("LC_I_P_") : QStringLiteral("LC_I_R_");
    s.pictures = std::make_shared<PictureSet>(
        box, QPoint(43, 222), 8,
        std::vector<PictureSet::Entry>{{pictures + "LC"}, {pictures + "RLC"}, {pictures + "RLCR"}});
    s.rsLabel = addLabel(box, QStringLiteral("Rs"), QRect(10, 320, 24, kFieldHeight));
    s.Rs = addField(box, p + "Rs", QRect(36, 320, 100, kFieldHeight));
    s.rlLabel = addLabel(box, QStringLiteral("RL"), QRect(178, 320, 24, kFieldHeight));
    s.RL = addField(box, p + "RL", QRect(204, 320, 100, kFieldHeight));

    const Side copy = s;
    s.Auswahl->setClickHandler([copy] { selectComputed(copy); });
    s.Schaltung->setClickHandler([this, copy] {
        showCircuit(copy);
        calculate(copy, 7);
    });
    markInFrontOnClick(s.Q, s.R);

    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    // QL is shown as fixed text only with prefix symbols; in SCI or ENG the typed text stays.
    const Redisplay qRedisplay = [q = s.Q](double v) {
        return notation() == Notation::Prefix ? fixedText(v) : q->text();
    };
    connectInputFields({
        {s.F, range("1e-14", "1e+14"), withUnit(kHertz),
         [this, copy](double) { calculate(copy, 1); }},
        {s.L, range("1e-14", "1e+14"), withUnit(QStringLiteral("H")),
         [this, copy](double) { calculate(copy, 2); }},
        {s.C, range("1e-14", "1e+14"), withUnit(QStringLiteral("F")),
         [this, copy](double) { calculate(copy, 3); }},
        {s.Q, range("0", "100000"), qRedisplay, [this, copy](double v) { coilFromQ(copy, v); }},
        {s.R, range("1e-6", "1e6"), withUnit(kOmega),
         [this, copy](double v) { coilFromR(copy, v); }},
        {s.Rs, range("1e-6", "1e6"), withUnit(kOmega),
         [this, copy](double) { calculate(copy, 7); }},
        {s.RL, range("1e-6", "1e6"), withUnit(kOmega),
         [this, copy](double) { calculate(copy, 7); }},
    });
    return s;
}

void LCSchwingkreis::coilFromQ(const Side& s, double QL)
{
    const long double w = resonance::omega(readValue(s.F));
    writeValue(s.R, resonance::lossResistance(w, readValue(s.L), QL), kOhm);
    calculate(s, 4);
}

void LCSchwingkreis::coilFromR(const Side& s, double Rv)
{
    const long double w = resonance::omega(readValue(s.F));
    writeText(s.Q, fixedText(resonance::coilQuality(w, readValue(s.L), Rv)));
    calculate(s, 4);
}

void LCSchwingkreis::calculate(const Side& s, int Index)
{
    if (s.parallel)
        LC_Parallel_Berechnung(Index);
    else
        LC_Reihe_Berechnung(Index);
}

namespace {

// Which quantity the resonance step computes: the selected one, unless it was just entered.
bool computes(int selected, int Index, int quantity)
{
    if (selected != quantity || Index < 1 || Index > 4)
        return false;
    return Index == 4 || Index != quantity + 1;
}

} // namespace

void LCSchwingkreis::LC_Parallel_Berechnung(int Index)
{
    const Side& s = m_p;
    const int selected = s.Auswahl->itemIndex();
    if (computes(selected, Index, 0)) {
        const long double L = readValue(s.L);
        const long double Rv = readValue(s.R);
        const long double C = readValue(s.C);
        writeValue(s.F, resonance::parallelFrequency(L, C, Rv), kHertz);
    } else if (computes(selected, Index, 1)) {
        const long double F = readValue(s.F);
        const long double Rv = readValue(s.R);
        const long double C = readValue(s.C);
        writeValue(s.L, resonance::parallelInductance(F, C, Rv), QStringLiteral("H"));
    } else if (computes(selected, Index, 2)) {
        const long double F = readValue(s.F);
        const long double Rv = readValue(s.R);
        const long double L = readValue(s.L);
        writeValue(s.C, resonance::parallelCapacitance(F, L, Rv), QStringLiteral("F"));
    }

    const long double w = resonance::omega(readValue(s.F));
    const long double L = readValue(s.L);
    const long double QL = readValue(s.Q);
    writeValue(s.R, resonance::lossResistance(w, L, QL), kOhm);
    const long double Rv = readValue(s.R); // as displayed
    const long double Zo = resonance::parallelResonanceResistance(L, readValue(s.C), Rv);
    writeValue(s.Zo, Zo, kOhm);

    const auto circuit = static_cast<resonance::Circuit>(s.Schaltung->itemIndex());
    const bool withSourceAndLoad =
        circuit == resonance::Circuit::InSeries || circuit == resonance::Circuit::Shunt;
    long double Rs = 0, RL = 0;
    if (circuit == resonance::Circuit::Shunt) {
        Rs = readValue(s.Rs);
        RL = readValue(s.RL);
    }
    writeText(s.QB, fixedText(resonance::parallelOperatingQ(circuit, w, L, QL, Rv, Zo, Rs, RL)));
    writeValue(s.BW, readValue(s.F) / readValue(s.QB), kHertz); // QB as displayed
    if (withSourceAndLoad) {
        Rs = readValue(s.Rs);
        RL = readValue(s.RL);
        writeText(s.TL, lossText(resonance::transmissionLoss(circuit, Rs, RL, Zo)));
    }
}

void LCSchwingkreis::LC_Reihe_Berechnung(int Index)
{
    const Side& s = m_r;
    const int selected = s.Auswahl->itemIndex();
    if (computes(selected, Index, 0)) {
        const long double L = readValue(s.L);
        const long double C = readValue(s.C);
        writeValue(s.F, resonance::seriesFrequency(L, C), kHertz);
    } else if (computes(selected, Index, 1)) {
        const long double F = readValue(s.F);
        const long double C = readValue(s.C);
        writeValue(s.L, resonance::seriesInductance(F, C), QStringLiteral("H"));
    } else if (computes(selected, Index, 2)) {
        const long double F = readValue(s.F);
        const long double L = readValue(s.L);
        writeValue(s.C, resonance::seriesCapacitance(F, L), QStringLiteral("F"));
    }

    const long double w = resonance::omega(readValue(s.F));
    const long double L = readValue(s.L);
    const long double Zo = resonance::lossResistance(w, L, readValue(s.Q));
    writeValue(s.Zo, Zo, kOhm);

    const auto circuit = static_cast<resonance::Circuit>(s.Schaltung->itemIndex());
    long double Rs = 0, RL = 0;
    if (circuit == resonance::Circuit::InSeries) {
        Rs = readValue(s.Rs);
        RL = readValue(s.RL);
    }
    const long double QB = resonance::seriesOperatingQ(circuit, w, L, readValue(s.R), Rs, RL);
    writeText(s.QB, fixedText(QB));
    writeValue(s.BW, readValue(s.F) / QB, kHertz); // QB unrounded
    if (circuit == resonance::Circuit::InSeries || circuit == resonance::Circuit::Shunt) {
        Rs = readValue(s.Rs);
        RL = readValue(s.RL);
        writeText(s.TL, lossText(resonance::transmissionLoss(circuit, Rs, RL, Zo)));
    }
}

void LCSchwingkreis::selectComputed(const Side& s)
{
    EditField* fields[] = {s.F, s.L, s.C};
    for (int i = 0; i < 3; ++i)
        fields[i]->setEnabled(i != s.Auswahl->itemIndex());
}

void LCSchwingkreis::showCircuit(const Side& s)
{
    const int circuit = s.Schaltung->itemIndex();
    s.pictures->show(circuit);
    if (circuit < 0) {
        for (QWidget* w : {static_cast<QWidget*>(s.rsLabel), static_cast<QWidget*>(s.Rs),
                           static_cast<QWidget*>(s.rlLabel), static_cast<QWidget*>(s.RL)})
            w->hide();
        return;
    }
    const bool withSourceAndLoad = circuit != static_cast<int>(resonance::Circuit::Alone);
    for (QWidget* w : {static_cast<QWidget*>(s.rsLabel), static_cast<QWidget*>(s.Rs),
                       static_cast<QWidget*>(s.rlLabel), static_cast<QWidget*>(s.RL)})
        w->setVisible(withSourceAndLoad);
    s.qbLabel->setText(withSourceAndLoad ? QStringLiteral("QB") : QStringLiteral("QL"));
    s.tlLabel->setVisible(withSourceAndLoad);
    s.TL->setVisible(withSourceAndLoad);
}

void LCSchwingkreis::loadSettings(const StoredSettings& stored)
{
    Page::loadSettings(stored);
    LC_Parallel_Berechnung(7);
    LC_Reihe_Berechnung(7);
}

void LCSchwingkreis::reformat()
{
    for (const Side* s : {&m_p, &m_r}) {
        writeValue(s->F, readValue(s->F), kHertz);
        writeValue(s->L, readValue(s->L), QStringLiteral("H"));
        writeValue(s->C, readValue(s->C), QStringLiteral("F"));
        // with "L" selected only the common steps run, with "C" the capacitance follows the
        // frequency, with "F" nothing is recomputed
        const int selected = s->Auswahl->itemIndex();
        if (selected == 1)
            calculate(*s, 0);
        else if (selected == 2)
            calculate(*s, 1);
    }
}

} // namespace ampero
