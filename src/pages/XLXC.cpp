#include "XLXC.h"

#include "rf/Constants.h"
#include "rf/Reactance.h"
#include "schematics/PictureWidget.h"
#include "values/DisplayOptions.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"

#include <cmath>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace ampero {

namespace {

using rf::kTwoPi;
const QString kHenry = QStringLiteral("H");
const QString kFarad = QStringLiteral("F");
constexpr int kFieldWidth = 118;
constexpr int kFieldHeight = 22;
const QString kHertz = QStringLiteral("Hz");

} // namespace

struct XLXC::HalfTexts {
    QString prefix;  // "XL" or "XC"
    QString picture; // picture component
    QString pictureHint;
    QString lcName; // "L" or "C"
    QString lcLabel;
    QString lcHint;
    QString lcUnit;
    QString lcMin;
    QString qHint;
    QString qMin, qMax;
    QString lcItem; // radio item of the component
    QString ownOhm; // how X and Z re-display their own entry
};

XLXC::XLXC(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(
        QStringLiteral(" Blind- und Scheinwiderstände von Induktivitäten und Kapazitäten "), this);
    group->setGeometry(6, 6, 676, 392);

    m_xl = buildHalf(group, 22,
                     {QStringLiteral("XL"), QStringLiteral("XL_I_Ersatz"),
                      QStringLiteral("Ersatzschaltbild der Induktivität L mit ihrem "
                                     "Reihenverlustwiderstand Rv"),
                      QStringLiteral("L"), QStringLiteral("Induktivität  L"),
                      QStringLiteral("Eingabe Induktivität"), QStringLiteral("H"),
                      QStringLiteral("1e-10"), QStringLiteral("Eingabe Bauteil Güte "),
                      QStringLiteral("1e-6"), QStringLiteral("1e+6"),
                      QStringLiteral("Induktivität"), kOhm});
    XLXC_RG_XL = m_xl.group;

    auto* rule = new QFrame(group);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, 190, 656, 4);

    m_xc = buildHalf(
        group, 200,
        {QStringLiteral("XC"), QStringLiteral("XC_I_Ersatz"),
         QStringLiteral("Ersatzschaltbild der Kapazität C mit ihrem parallelen "
                        "Verlustwiderstand Rv"),
         QStringLiteral("C"), QStringLiteral("Kapazität  C"), QStringLiteral("Eingabe Kapazität"),
         QStringLiteral("F"), QStringLiteral("1e-14"), QStringLiteral("Eingabe Bauteil Güte"),
         QStringLiteral("1e-14"), QStringLiteral("1e+14"), QStringLiteral("Kapazität"), kOmega});
    XLXC_RG_XC = m_xc.group;

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 366, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    // A stored selection beyond the last item selects the last one, "Blindwiderstand".
    persistence()
        .section(QStringLiteral("XL"))
        .item(XLXC_RG_XL, "F-L-X", 3, 2, 2)
        .text(m_xl.F, "Frequenz", "1,000", "1,000 MHz")
        .text(m_xl.LC, "Induktivitaet", "10,000", "10,000 uH")
        .text(m_xl.X, "BlindR", "62,830", "62,832 " + kOhm)
        .text(m_xl.R, "WirkR", "6,283", "6,283 " + kOhm)
        .text(m_xl.Z, "ScheinR", "63,145", "63,145 " + kOhm)
        .text(m_xl.Q, "Guete-L", "10,000", "10")
        .colour(m_xl.Q, "Schrift_Guete", "clWindowText")
        .colour(m_xl.R, "Schrift_VerlustR", "clMedGray", kMedGray)
        .section(QStringLiteral("XC"))
        .item(XLXC_RG_XC, "F-C-X", 3, 2, 2)
        .text(m_xc.F, "Frequenz", "1,000", "1,000 MHz")
        .text(m_xc.LC, "Kapazitaet", "1,000", "1,000 nF")
        .text(m_xc.X, "BlindR", "159,150", "159,155 " + kOhm)
        .text(m_xc.R, "WirkR", "6,283", "79,577 k" + kOhm)
        .text(m_xc.Z, "ScheinR", "159,150", "159,155 " + kOhm)
        .text(m_xc.Q, "Verlustfaktor", "159,150", "500")
        .colour(m_xc.Q, "Schrift_Guete", "clWindowText")
        .colour(m_xc.R, "Schrift_VerlustR", "clMedGray", kMedGray);

    const auto plainRule = [](const QString& min, const QString& max) {
        return FieldRule{
            .parser = Parser::Plain, .messages = MessageSet::CwithB, .min = min, .max = max};
    };
    const auto resistanceRule = FieldRule{.messages = MessageSet::CwithB,
                                          .min = QStringLiteral("1e-14"),
                                          .max = QStringLiteral("1e+14")};
    const auto valueRule = [](const char* min) {
        return FieldRule{.min = QLatin1String(min), .max = QStringLiteral("1e+14")};
    };
    const Redisplay wholeNumber = [](double q) { return fixedText(q, 0); };
    connectInputFields({
        {m_xl.F, valueRule("1e-14"), withUnit(kHertz), [this](double v) { XL_F_Berechnung(v); }},
        {m_xl.LC,
         {.min = QStringLiteral("1e-10"), .max = QStringLiteral("1e+12")},
         withUnit(QStringLiteral("H")),
         [this](double v) { XL_L_Berechnung(v); }},
        {m_xl.X, valueRule("1e-14"), withUnit(kOhm), [this](double v) { XL_X_Berechnung(v); }},
        {m_xl.Z, valueRule("1e-14"), withUnit(kOhm), [this](double v) { XL_Z_Berechnung(v); }},
        {m_xl.Q, plainRule(QStringLiteral("1e-6"), QStringLiteral("1e+6")), wholeNumber,
         [this](double v) { XL_Q_Berechnung(v); }},
        {m_xl.R, resistanceRule, withUnit(kOhm), [this](double) { XL_R_Berechnung(); }},
        {m_xc.F, valueRule("1e-14"), withUnit(kHertz), [this](double v) { XC_F_Berechnung(v); }},
        {m_xc.LC, valueRule("1e-14"), withUnit(QStringLiteral("F")),
         [this](double v) { XC_C_Berechnung(v); }},
        {m_xc.X, valueRule("1e-14"), withUnit(kOmega), [this](double v) { XC_X_Berechnung(v); }},
        {m_xc.Z, valueRule("1e-14"), withUnit(kOmega), [this](double v) { XC_Z_Berechnung(v); }},
        {m_xc.Q, plainRule(QStringLiteral("1e-14"), QStringLiteral("1e+14")), wholeNumber,
         [this](double v) { XC_Q_Berechnung(v); }},
        {m_xc.R, resistanceRule, withUnit(kOhm), [this](double) { XC_R_Berechnung(); }},
    });
}

XLXC::Half XLXC::buildHalf(QWidget* parent, int top, const HalfTexts& t)
{
    Half h{};
    auto* picture = new PictureWidget(t.picture, 8, parent);
    picture->move(24, top + 8);
    picture->setToolTip(t.pictureHint);

    const auto row = [&](int index, const QString& label, const QString& suffix,
                         const QString& hint) {
        const int y = top + 4 + 30 * index;
        addLabel(parent, label, QRect(190, y, 150, kFieldHeight));
        return addField(parent, t.prefix + QStringLiteral("_E_") + suffix,
                        QRect(340, y, kFieldWidth, kFieldHeight), hint);
    };
    h.F = row(0, QStringLiteral("Frequenz  F"), QStringLiteral("F"),
              QStringLiteral("Eingabe Frequenz"));
    h.LC = row(1, t.lcLabel, t.lcName, t.lcHint);
    h.X = row(2, QStringLiteral("Blindwiderstand  X"), QStringLiteral("X"),
              QStringLiteral("Eingabe Blindwiderstand"));
    h.Z = row(3, QStringLiteral("Scheinwiderstand  Z"), QStringLiteral("Z"),
              QStringLiteral("Eingabe Scheinwiderstand"));
    h.Q = row(4, QStringLiteral("Bauteil Güte  Q"), QStringLiteral("Q"), t.qHint);
    const int rY = top + 4 + 30 * 4;
    addLabel(parent, QStringLiteral("Widerstand  R"), QRect(470, rY, 100, kFieldHeight));
    h.R = addField(parent, t.prefix + QStringLiteral("_E_R"), QRect(560, rY, 100, kFieldHeight),
                   QStringLiteral("Eingabe ohmscher Widerstand"));

    h.group = new RadioGroup(
        QStringLiteral("XLXC_RG_") + t.prefix, QStringLiteral(" berechnen "),
        {QStringLiteral("Frequenz"), t.lcItem, QStringLiteral("Blindwiderstand")}, parent);
    h.group->setGeometry(490, top, 170, 110);
    const Half copy = h;
    h.group->setClickHandler([copy] { selectComputed(copy); });

    markInFrontOnClick(h.Q, h.R);
    return h;
}

void XLXC::selectComputed(const Half& h)
{
    EditField* fields[] = {h.F, h.LC, h.X};
    for (int i = 0; i < 3; ++i)
        fields[i]->setEnabled(i != h.group->itemIndex());
}

// The inductor: X = 2πFL, Q = X / R, Z = √(X² + R²).

void XLXC::XL_F_Berechnung(double F)
{
    const int selected = XLXC_RG_XL->itemIndex();
    if (selected == 1)
        writeValue(m_xl.LC, reactance::inductance(readValue(m_xl.X), F), kHenry);
    if (selected == 2)
        writeValue(m_xl.X, reactance::inductiveReactance(F, readValue(m_xl.LC)), kOhm);
    const long double X = readValue(m_xl.X);
    const long double R = reactance::seriesLoss(X, readPlain(m_xl.Q));
    writeValue(m_xl.R, R, kOhm);
    writeValue(m_xl.Z, reactance::seriesImpedance(readValue(m_xl.X), R), kOhm);
}

void XLXC::XL_L_Berechnung(double L)
{
    const int selected = XLXC_RG_XL->itemIndex();
    if (selected == 0)
        writeValue(m_xl.F, reactance::coilFrequency(readValue(m_xl.X), L), kHertz);
    if (selected == 2)
        writeValue(m_xl.X, reactance::inductiveReactance(readValue(m_xl.F), L), kOhm);
    const long double X = readValue(m_xl.X);
    const long double R = reactance::seriesLoss(X, readPlain(m_xl.Q));
    writeValue(m_xl.R, R, kOhm);
    writeValue(m_xl.Z, reactance::seriesImpedance(readValue(m_xl.X), R), kOhm);
}

void XLXC::XL_X_Berechnung(double X)
{
    const int selected = XLXC_RG_XL->itemIndex();
    if (selected == 0)
        writeValue(m_xl.F, reactance::coilFrequency(X, readValue(m_xl.LC)), kHertz);
    if (selected == 1)
        writeValue(m_xl.LC, reactance::inductance(X, readValue(m_xl.F)), kHenry);
    const long double R = reactance::seriesLoss(X, readPlain(m_xl.Q));
    writeValue(m_xl.R, R, kOhm);
    writeValue(m_xl.Z, reactance::seriesImpedance(X, R), kOhm);
}

void XLXC::XL_Z_Berechnung(double Z)
{
    writeValue(m_xl.R, reactance::seriesLossFromImpedance(Z, readValue(m_xl.X)), kOhm);
    const long double X = readValue(m_xl.X);
    writeText(m_xl.Q, fixedText(X / static_cast<long double>(readValue(m_xl.R))));
}

void XLXC::XL_Q_Berechnung(double)
{
    const long double X = readValue(m_xl.X);
    writeValue(m_xl.R, reactance::seriesLoss(X, readPlain(m_xl.Q)), kOhm);
    const long double X2 = readValue(m_xl.X);
    writeValue(m_xl.Z, reactance::seriesImpedance(X2, readValue(m_xl.R)), kOhm);
}

void XLXC::XL_R_Berechnung()
{
    const long double X = readValue(m_xl.X);
    writeText(m_xl.Q, fixedText(X / static_cast<long double>(readValue(m_xl.R)), 0));
    const long double X2 = readValue(m_xl.X);
    writeValue(m_xl.Z, reactance::seriesImpedance(X2, readValue(m_xl.R)), kOhm);
}

// The capacitor: X = 1 / (2πFC), Q = R / X, Z = 1 / √(1/X² + 1/R²).

void XLXC::XC_F_Berechnung(double F)
{
    const int selected = XLXC_RG_XC->itemIndex();
    if (selected == 1)
        writeValue(m_xc.LC, reactance::capacitance(readValue(m_xc.X), F), kFarad);
    if (selected == 2)
        writeValue(m_xc.X, reactance::capacitiveReactance(F, readValue(m_xc.LC)), kOhm);
    const long double Q = readPlain(m_xc.Q);
    const long double R = reactance::parallelLoss(Q, F, readValue(m_xc.LC));
    writeValue(m_xc.R, R, kOhm);
    writeValue(m_xc.Z, reactance::parallelImpedance(readValue(m_xc.X), R), kOhm);
}

void XLXC::XC_C_Berechnung(double C)
{
    const int selected = XLXC_RG_XC->itemIndex();
    if (selected == 0)
        writeValue(m_xc.F, reactance::capacitorFrequency(readValue(m_xc.X), C), kHertz);
    if (selected == 2)
        writeValue(m_xc.X, reactance::capacitiveReactance(readValue(m_xc.F), C), kOhm);
    const long double Q = readPlain(m_xc.Q);
    const long double R = reactance::parallelLoss(Q, readValue(m_xc.F), C);
    writeValue(m_xc.R, R, kOhm);
    const long double B = C * readValue(m_xc.F) * kTwoPi;
    writeValue(m_xc.Z, reactance::parallelImpedanceFromSusceptance(B, R), kOhm);
}

void XLXC::XC_X_Berechnung(double X)
{
    const int selected = XLXC_RG_XC->itemIndex();
    if (selected == 0)
        writeValue(m_xc.F, reactance::capacitorFrequency(X, readValue(m_xc.LC)), kHertz);
    if (selected == 1)
        writeValue(m_xc.LC, reactance::capacitance(X, readValue(m_xc.F)), kFarad);
    const long double Q = readPlain(m_xc.Q);
    const long double C = readValue(m_xc.LC);
    const long double R = reactance::parallelLoss(Q, readValue(m_xc.F), C);
    writeValue(m_xc.R, R, kOhm);
    writeValue(m_xc.Z, reactance::parallelImpedance(X, R), kOhm);
}

void XLXC::XC_Z_Berechnung(double)
{
    const long double Z = readValue(m_xc.Z);
    const long double X = readValue(m_xc.X);
    if (Z == X)
        return;
    const long double R = reactance::parallelLossFromImpedance(Z, X);
    writeValue(m_xc.R, R, kOhm);
    writeText(m_xc.Q, fixedText(R / readValue(m_xc.X), 0));
}

void XLXC::XC_Q_Berechnung(double)
{
    const long double Q = readPlain(m_xc.Q);
    const long double C = readValue(m_xc.LC);
    const long double R = reactance::parallelLoss(Q, readValue(m_xc.F), C);
    writeValue(m_xc.R, R, kOhm);
    writeValue(m_xc.Z, reactance::parallelImpedance(readValue(m_xc.X), R), kOhm);
}

void XLXC::XC_R_Berechnung()
{
    const long double R = readValue(m_xc.R);
    const long double F = readValue(m_xc.F);
    const long double Q = reactance::capacitorQuality(R, F, readValue(m_xc.LC));
    writeText(m_xc.Q, fixedText(Q, 0));
    const long double R2 = readValue(m_xc.R);
    writeValue(m_xc.Z, reactance::parallelImpedance(readValue(m_xc.X), R2), kOhm);
}

void XLXC::reformat()
{
    const double xlF = readValue(m_xl.F);
    writeValue(m_xl.F, xlF, kHertz);
    XL_F_Berechnung(xlF);
    writeValue(m_xl.LC, readValue(m_xl.LC), kHenry);
    const double xcF = readValue(m_xc.F);
    writeValue(m_xc.F, xcF, kHertz);
    XC_F_Berechnung(xcF);
    writeValue(m_xc.LC, readValue(m_xc.LC), kFarad);
}

} // namespace ampero
