#include "RCGlieder.h"

#include "rf/RCNetwork.h"
#include "schematics/PictureSet.h"
#include "values/DisplayOptions.h"
#include "values/Units.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;
const QString kBlank = QStringLiteral("      "); // R2 and C2 outside the twin-T network
const QString kHertz = QStringLiteral("Hz");
const QString kFarad = QStringLiteral("F");
const QString kSecond = QStringLiteral("s");

} // namespace

RCGlieder::RCGlieder(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(QStringLiteral(" RC - Glieder "), this);
    group->setGeometry(6, 6, 676, 392);

    RC_RG_Schaltung =
        new RadioGroup(QStringLiteral("RC_RG_Schaltung"), QStringLiteral(" Schaltung "),
                       {QStringLiteral("RC-Glied"), QStringLiteral("Wien-Brücke"),
                        QStringLiteral("Doppel-T-Brücke")},
                       group);
    RC_RG_Schaltung->setGeometry(12, 22, 330, 70);
    RC_RG_Schaltung->placeItems(
        {QRect(12, 20, 150, 20), QRect(12, 44, 150, 20), QRect(170, 20, 150, 20)});

    m_pictures = PictureSet(
        group, {16, 120}, 10,
        {{"RC_I_RCGlied", "Image1"}, {"RC_I_Wien", "Image32"}, {"RC_I_DoppelT", "Image31"}});

    auto* panel = new QFrame(group);
    // the style's own panel frame: a raised bevel draws its light edges in the window's
    // colour on many palettes, and the panel then looks open at the top and left
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(356, 22, 308, 320);
    RC_RG_Auswahl =
        new RadioGroup(QStringLiteral("RC_RG_Auswahl"), QStringLiteral(" Auswahl "),
                       {QStringLiteral("F / s"), QStringLiteral("R"), QStringLiteral("C")}, panel);
    RC_RG_Auswahl->setGeometry(10, 8, 288, 48);
    RC_RG_Auswahl->placeItems(
        {QRect(14, 22, 80, 20), QRect(110, 22, 60, 20), QRect(196, 22, 60, 20)});

    const auto row = [&](const char* labelName, const QString& caption, const char* field,
                         const QString& hint, int y, QLabel** label = nullptr) {
        QLabel* l =
            addLabel(panel, caption, QRect(12, y, 140, kFieldHeight), QLatin1String(labelName));
        if (label)
            *label = l;
        return addField(panel, QLatin1String(field), QRect(156, y, 140, kFieldHeight), hint);
    };
    m_F = row("Label30", QStringLiteral("Grenzfrequenz"), "RC_E_F",
              QStringLiteral("Eingabe der Grenzfrequenz (-3dB)"), 72, &Label30);
    m_s = row("Label31", QStringLiteral("Zeitkonstante (s)"), "RC_E_s",
              QStringLiteral("Eingabe der Zeitkonstante"), 112);
    m_R1 = row("Label32", QStringLiteral("Widerstand R1"), "RC_E_R1",
               QStringLiteral("Eingabe des Widerstandes R1"), 152);
    m_R2 = row("Label33", QStringLiteral("Widerstand R2"), "RC_E_R2",
               QStringLiteral("Eingabe des Widerstandes R2"), 192, &Label33);
    m_C1 = row("Label34", QStringLiteral("Kondensator C1"), "RC_E_C1",
               QStringLiteral("Eingabe des Kondensators C1"), 232);
    m_C2 = row("Label35", QStringLiteral("Kondensator C2"), "RC_E_C2",
               QStringLiteral("Eingabe des Kondensators C2"), 272, &Label35);

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 362, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    RC_RG_Schaltung->setClickHandler([this] { RC_RG_SchaltungClick(); });
    RC_RG_Auswahl->setClickHandler([this] { RC_RG_AuswahlClick(); });

    // The network is chosen before the quantity, so that both rules hold afterwards; at the
    // first start R2 and C2 stand blank outside the twin-T network.
    persistence()
        .section(QStringLiteral("RC-Glieder"))
        .text(m_F, "Frequenz", "100,00", "100,000 Hz")
        .text(m_s, "Zeitkonstante", "1,59", "1,590 ms")
        .text(m_R1, "WiderstandR1", "99,87", "99,972 " + kOhm)
        .text(m_R2, "WiderstandR2", "50,00", kBlank)
        .text(m_C1, "KondensatorC1", "15,92", "15,920 µF")
        .text(m_C2, "KondensatorC2", "31,84", kBlank)
        .item(RC_RG_Schaltung, "RC-Wien-Doppel", 0, 0, 0)
        .item(RC_RG_Auswahl, "Fs-R-C", 1, 0, 0);

    const auto range = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    connectInputFields({
        {m_F, range("1e-6", "1e+15"), withUnit(kHertz), [this](double v) { RC_F_Berechnung(v); }},
        {m_s, range("1e-15", "1e+6"), withUnit(kSecond), [this](double v) { RC_s_Berechnung(v); }},
        {m_R1, range("1e-5", "1e12"), withUnit(kOmega), [this](double v) { RC_R1_Berechnung(v); }},
        {m_R2, range("1e-5", "1e12"), withUnit(kOmega), [this](double v) { RC_R2_Berechnung(v); }},
        {m_C1, range("1e-24", "1e+12"), withUnit(kFarad),
         [this](double v) { RC_C1_Berechnung(v); }},
        {m_C2, range("1e-24", "1e+12"), withUnit(kFarad),
         [this](double v) { RC_C2_Berechnung(v); }},
    });
}

void RCGlieder::RC_RG_SchaltungClick()
{
    const int network = RC_RG_Schaltung->itemIndex() + 1;
    if (network < 1)
        return;
    m_pictures.show(network - 1);
    Label30->setText(network == 1 ? QStringLiteral("Grenzfrequenz")
                                  : QStringLiteral("Mittenfrequenz"));
    const bool twinT = network == 3;
    Label33->setEnabled(twinT);
    Label35->setEnabled(twinT);
    RCGlied = network;
    applyEnableRule();
    if (twinT) {
        Operand R1(m_R1), C1(m_C1);
        showTwinT(R1, C1);
    } else {
        writeText(m_R2, kBlank);
        writeText(m_C2, kBlank);
    }
}

void RCGlieder::RC_RG_AuswahlClick()
{
    RCAuswahl = RC_RG_Auswahl->itemIndex() + 1;
    applyEnableRule();
}

void RCGlieder::applyEnableRule()
{
    m_F->setEnabled(RCAuswahl != 1);
    m_s->setEnabled(RCAuswahl != 1);
    m_R1->setEnabled(RCAuswahl != 2);
    m_C1->setEnabled(RCAuswahl != 3);
    // R2 and C2 take part only in the twin-T network
    m_R2->setEnabled(RCGlied == 3 && RCAuswahl != 2);
    m_C2->setEnabled(RCGlied == 3 && RCAuswahl != 3);
}

void RCGlieder::showTwinT(Operand& R1, Operand& C1)
{
    writeValue(m_R2, R1() / 2, kOhm);
    writeValue(m_C2, C1() * 2, kFarad);
}

// Each calculation reads an operand only when a step that runs needs it, so that the field it
// is about to compute may be empty, and the fields written before a bad operand stay written.

void RCGlieder::RC_F_Berechnung(double F)
{
    Operand R1(m_R1), C1(m_C1);
    if (RCAuswahl == 2)
        writeValue(m_R1, R1.set(rc::resistance(C1(), F)), kOhm);
    else if (RCAuswahl == 3)
        writeValue(m_C1, C1.set(rc::capacitance(R1(), F)), kFarad);
    if (RCGlied == 3)
        showTwinT(R1, C1);
    writeValue(m_s, R1() * C1(), kSecond);
}

void RCGlieder::RC_s_Berechnung(double tau)
{
    Operand R1(m_R1), C1(m_C1);
    const long double F = rc::frequencyFromTimeConstant(tau);
    writeValue(m_F, F, kHertz);
    if (RCAuswahl == 2)
        writeValue(m_R1, R1.set(rc::resistance(C1(), F)), kOhm);
    else if (RCAuswahl == 3)
        writeValue(m_C1, C1.set(rc::capacitance(R1(), F)), kFarad);
    if (RCGlied == 3)
        showTwinT(R1, C1);
}

void RCGlieder::RC_R1_Berechnung(double R1)
{
    Operand C1(m_C1), F(m_F);
    if (RCAuswahl == 1)
        writeValue(m_F, rc::frequency(R1, C1()), kHertz);
    else if (RCAuswahl == 3)
        writeValue(m_C1, C1.set(rc::capacitance(R1, F())), kFarad);
    if (RCGlied == 3) {
        writeValue(m_R2, R1 / 2.0L, kOhm);
        writeValue(m_C2, C1() * 2, kFarad);
    }
    writeValue(m_s, R1 * C1(), kSecond);
}

void RCGlieder::RC_R2_Berechnung(double R2)
{
    Operand C1(m_C1), F(m_F);
    const long double R1 = 2.0L * R2;
    writeValue(m_R1, R1, kOhm);
    if (RCAuswahl == 1) {
        writeValue(m_F, rc::frequency(R1, C1()), kHertz);
    } else if (RCAuswahl == 3) {
        writeValue(m_C1, C1.set(rc::capacitance(R1, F())), kFarad);
        writeValue(m_C2, 2 * C1(), kFarad);
    }
    writeValue(m_s, R1 * C1(), kSecond);
}

void RCGlieder::RC_C1_Berechnung(double C1)
{
    Operand R1(m_R1), F(m_F);
    if (RCAuswahl == 1)
        writeValue(m_F, rc::frequency(R1(), C1), kHertz);
    else if (RCAuswahl == 2)
        writeValue(m_R1, R1.set(rc::resistance(C1, F())), kOhm);
    if (RCGlied == 3) {
        writeValue(m_R2, R1() / 2, kOhm);
        writeValue(m_C2, C1 * 2.0L, kFarad);
    }
    writeValue(m_s, R1() * C1, kSecond);
}

void RCGlieder::RC_C2_Berechnung(double C2)
{
    Operand R1(m_R1), F(m_F);
    const long double C1 = C2 / 2.0L;
    writeValue(m_C1, C1, kFarad);
    if (RCAuswahl == 1) {
        writeValue(m_F, rc::frequency(R1(), C1), kHertz);
    } else if (RCAuswahl == 2) {
        writeValue(m_R1, R1.set(rc::resistance(C1, F())), kOhm);
        writeValue(m_R2, R1() / 2, kOhm);
    }
    writeValue(m_s, R1() * C1, kSecond);
}

void RCGlieder::reformat()
{
    const auto redisplay = [](EditField* field, const QString& unit) {
        writeValue(field, readValue(field), unit);
    };
    redisplay(m_F, kHertz);
    redisplay(m_s, kSecond);
    redisplay(m_R1, kOhm);
    redisplay(m_C1, kFarad);
    // Outside the twin-T network R2 and C2 hold blanks, not values; they stay blank.
    if (RCGlied == 3) {
        redisplay(m_R2, kOhm);
        redisplay(m_C2, kFarad);
    }
}

} // namespace ampero
