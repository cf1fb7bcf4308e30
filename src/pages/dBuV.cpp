#include "dBuV.h"

#include "rf/Levels.h"
#include "schematics/PictureWidget.h"
#include "values/DisplayOptions.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"

#include <cmath>
#include <QGroupBox>
#include <QLabel>

namespace ampero {

namespace {

constexpr int kFieldWidth = 118;
constexpr int kFieldHeight = 22;
const QString kSection = QStringLiteral("dBuV");
const QString kVolt = QStringLiteral("V");
const QString kWatt = QStringLiteral("W");

QString dbmText(long double level) { return fixedText(level) + QStringLiteral(" dBm"); }
QString dbuvText(long double level) { return fixedText(level) + QStringLiteral(" dBµV"); }

} // namespace

dBuV::dBuV(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(
        QStringLiteral(" Amplitudenverhältnis relativ zum Pegel    0 dBµV = 1 µV "), this);
    group->setGeometry(6, 6, 676, 384);

    const auto label = [group](const QString& text, int x, int y, int width = kFieldWidth) {
        return addLabel(group, text, QRect(x, y, width, 18));
    };
    // voltage side, left
    label(QStringLiteral("dBµV Pegel"), 40, 52);
    m_dB = addField(group, QStringLiteral("dBuV_E_dB"), QRect(40, 72, kFieldWidth, kFieldHeight),
                    QStringLiteral("Spannungspegel in dBµV"));
    label(QStringLiteral("lin. Spannungspegel"), 40, 112, 150);
    addLabel(group, QStringLiteral("Ueff"), QRect(40, 132, 36, kFieldHeight));
    m_Ueff =
        addField(group, QStringLiteral("dBuV_E_Ueff"), QRect(78, 132, kFieldWidth, kFieldHeight),
                 QStringLiteral("Spannungspegel in Effektivwert"));
    addLabel(group, QStringLiteral("Uss"), QRect(40, 168, 36, kFieldHeight));
    m_Uss = addField(group, QStringLiteral("dBuV_E_Uss"), QRect(78, 168, kFieldWidth, kFieldHeight),
                     QStringLiteral("Spannungspegel in Spitze-Spitzewert"));

    // the system impedance, middle, with the voltage across it
    // drawn first, so the impedance field lies over it and takes every click
    (new PictureWidget(QStringLiteral("dBuV_I_Last"), 14, group))->move(214, 56);
    label(QStringLiteral("Impedanz"), 296, 32);
    m_R = addField(group, QStringLiteral("dBuV_E_R"), QRect(296, 52, kFieldWidth, kFieldHeight),
                   QStringLiteral("Eingabe der Systemimpedanz"));

    // power side, right
    auto* arrow = new PictureWidget(QStringLiteral("dBuV_I_P"), 10, group);
    arrow->move(434, 56);
    label(QStringLiteral("dBm Pegel"), 500, 112);
    m_dBm =
        addField(group, QStringLiteral("dBuV_E_dBm"), QRect(500, 132, kFieldWidth, kFieldHeight),
                 QStringLiteral("Leistungspegel in dBm"));
    label(QStringLiteral("lin. Leistungspegel"), 500, 176, 150);
    m_lin =
        addField(group, QStringLiteral("dBuV_E_lin"), QRect(500, 196, kFieldWidth, kFieldHeight),
                 QStringLiteral("Leistungspegel in Watt"));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 330, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    m_dB->setText(QStringLiteral("100"));
    m_dBm->setText(QStringLiteral("100"));
    m_lin->setText(QStringLiteral("100"));
    m_R->setText(QStringLiteral("100"));
    m_Ueff->setText(QStringLiteral("100"));
    m_Uss->setText(QStringLiteral("282"));

    // 0 dBµV is 1 µV: the factory voltages and the power carry their prefixes.
    persistence()
        .section(QStringLiteral("dBuV"))
        .text(m_dB, "dBuV", "0", "0 dBµV")
        .text(m_dBm, "dBm", "0", "-108,751 dBm")
        .text(m_lin, "Leistung", "100,000", "13,333 fW")
        .text(m_Ueff, "Ueff", "200,000", "1,000 µV")
        .text(m_Uss, "Uss", "282,840", "2,828 µV")
        .text(m_R, "Impedanz", "50,000", "75,000 " + kOhm);

    const auto rule = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    // The level field's messages spell the unit "dBuV".
    const FieldRule dbuvRule{.messages = MessageSet::B,
                             .min = QStringLiteral("-70"),
                             .max = QStringLiteral("320"),
                             .reason = QStringLiteral(" dBuV ist nicht richtig !"),
                             .unit = QStringLiteral(" dBuV")};
    connectInputFields({
                   {m_dB, dbuvRule, {}, [this](double v) { dBuV_dB_Berechnung(v); }},
                   {m_dBm,
                    rule("-277", "290"),
                    {},
                    [this](double v) { dBuV_dBm_Berechnung(v); }},
                   {m_lin, rule("4e-21", "1e+26"), withUnit(kWatt),
                    [this](double v) { dBuV_lin_Berechnung(v); }},
                   {m_R, rule("1e-24", "1e+12"), withUnit(kOhm),
                    [this](double v) { dbuV_R_Berechnung(v); }},
                   {m_Ueff, rule("1e-14", "1e+14"), withUnit(kVolt),
                    [this](double v) { dBuV_Ueff_Berechnung(v); }},
                   {m_Uss, rule("1e-14", "9e14"), withUnit(kVolt),
                    [this](double v) { dBuV_Uss_Berechnung(v); }},
               });
}

void dBuV::dBuV_dB_Berechnung(double Lu)
{
    const long double ueff = levels::rmsFromDbuv(Lu);
    writeValue(m_Ueff, ueff, kVolt);
    writeValue(m_Uss, ueff * levels::kPeakToPeak, kVolt);
    const long double P = ueff * ueff / readValue(m_R);
    writeValue(m_lin, P, kWatt);
    writeText(m_dB, dbuvText(Lu));
    writeText(m_dBm, dbmText(levels::dbmFromPower(P)));
}

void dBuV::dBuV_dBm_Berechnung(double Lm)
{
    writeValue(m_lin, levels::powerFromDbm(Lm), kWatt);
    const long double ueff = levels::rmsFromDbm(Lm, readValue(m_R));
    writeValue(m_Ueff, ueff, kVolt);
    writeValue(m_Uss, ueff * levels::kPeakToPeak, kVolt);
    writeText(m_dB, dbuvText(levels::dbuvFromRms(ueff)));
    writeText(m_dBm, dbmText(Lm));
}

void dBuV::dBuV_lin_Berechnung(double P)
{
    const long double R = readValue(m_R);
    const long double ueff = std::sqrt(R * P);
    writeValue(m_Ueff, ueff, kVolt);
    writeValue(m_Uss, ueff * levels::kPeakToPeak, kVolt);
    writeText(m_dB, dbuvText(levels::dbuvFromRms(ueff)));
    writeText(m_dBm, dbmText(levels::dbmFromPower(P)));
}

void dBuV::dbuV_R_Berechnung(double R)
{
    const long double ueff = readValue(m_Ueff);
    const long double P = ueff * ueff / R;
    writeValue(m_lin, P, kWatt);
    writeText(m_dBm, dbmText(levels::dbmFromPower(P)));
}

void dBuV::dBuV_Ueff_Berechnung(double Ueff)
{
    const long double R = readValue(m_R);
    const long double P = static_cast<long double>(Ueff) * Ueff / R;
    writeValue(m_lin, P, kWatt);
    writeValue(m_Uss, std::sqrt(2.0L) * (Ueff * 2.0L), kVolt);
    writeText(m_dBm, dbmText(levels::dbmFromPower(P)));
    writeText(m_dB, dbuvText(levels::dbuvFromRms(Ueff)));
}

void dBuV::dBuV_Uss_Berechnung(double Uss)
{
    const long double R = readValue(m_R);
    const long double ueff = Uss / levels::kPeakToPeak;
    writeValue(m_Ueff, ueff, kVolt);
    const long double P = ueff * ueff / R;
    writeValue(m_lin, P, kWatt);
    writeText(m_dB, dbuvText(levels::dbuvFromRms(ueff)));
    writeText(m_dBm, dbmText(levels::dbmFromPower(P)));
}

void dBuV::reformat()
{
    const double ueff = readValue(m_Ueff);
    writeValue(m_Ueff, ueff, kVolt);
    dBuV_Ueff_Berechnung(ueff);
    writeValue(m_R, readValue(m_R), kOhm);
}

} // namespace ampero
