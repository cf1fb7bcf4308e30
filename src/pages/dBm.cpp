#include "dBm.h"

#include "rf/Levels.h"
#include "schematics/PictureWidget.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
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
const QString kSection = QStringLiteral("dBm");
const QString kVolt = QStringLiteral("V");
const QString kWatt = QStringLiteral("W");

QString dbmText(long double level) { return fixedText(level) + QStringLiteral(" dBm"); }

// The results of an entry of power or voltage carry a leading blank in SCI and ENG notation.
void writeResult(EditField* field, long double value, const QString& unit)
{
    if (notation() == Notation::Prefix)
        writeValue(field, value, unit);
    else
        writeText(field, QLatin1Char(' ') + displayWithUnit(value, unit));
}

} // namespace

dBm::dBm(QWidget* parent)
    : Page(parent)
{
    auto* group =
        new QGroupBox(QStringLiteral(" Leistungsverhältnis relativ zum Pegel   0dBm = 1mW "), this);
    group->setGeometry(6, 6, 676, 384);

    const auto label = [group](const QString& text, int x, int y, int width = kFieldWidth) {
        return addLabel(group, text, QRect(x, y, width, 18));
    };
    // power side, left
    auto* arrow = new PictureWidget(QStringLiteral("dBm_I_P"), 10, group);
    arrow->move(92, 56);
    label(QStringLiteral("dBm Pegel"), 40, 112);
    m_dB = addField(group, QStringLiteral("dBm_E_dB"), QRect(40, 132, kFieldWidth, kFieldHeight),
                    QStringLiteral("Leistungspegels in dBm"));
    label(QStringLiteral("lin. Leistungspegel"), 40, 176, 140);
    m_lin = addField(group, QStringLiteral("dBm_E_lin"), QRect(40, 196, kFieldWidth, kFieldHeight),
                     QStringLiteral("Leistungspegels in Watt"));

    // the system impedance, middle, with the voltage across it
    // drawn first, so the impedance field lies over it and takes every click
    (new PictureWidget(QStringLiteral("dBm_I_Last"), 14, group))->move(180, 56);
    label(QStringLiteral("Impedanz"), 262, 32);
    m_R = addField(group, QStringLiteral("dBm_E_R"), QRect(262, 52, kFieldWidth, kFieldHeight),
                   QStringLiteral("Eingabe der Systemimpedanz"));

    // voltage side, right
    label(QStringLiteral("Spannungspegel"), 470, 112);
    addLabel(group, QStringLiteral("Ueff"), QRect(470, 132, 36, kFieldHeight));
    m_Ueff =
        addField(group, QStringLiteral("dBm_E_Ueff"), QRect(508, 132, kFieldWidth, kFieldHeight),
                 QStringLiteral("Spannungspegel in Effektivwert"));
    addLabel(group, QStringLiteral("Uss"), QRect(470, 168, 36, kFieldHeight));
    m_Uss = addField(group, QStringLiteral("dBm_E_Uss"), QRect(508, 168, kFieldWidth, kFieldHeight),
                     QStringLiteral("Spannungspegel in Spitze-Spitzewert"));

    addLabel(group, QStringLiteral("Berechnung  nach Drücken der Enter-Taste"),
             QRect(0, 330, 676, 20))
        ->setAlignment(Qt::AlignCenter);
    addLabel(group, QStringLiteral("Hilfe - F1"), QRect(560, 356, 100, 18))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_dB->setText(QStringLiteral("100"));
    m_lin->setText(QStringLiteral("10"));
    m_R->setText(QStringLiteral("50"));
    m_Ueff->setText(QStringLiteral("100"));
    m_Uss->setText(QStringLiteral("100"));

    // 0 dBm is 1 mW: the factory power and voltages carry their milli prefix.
    persistence()
        .section(QStringLiteral("dBm"))
        .text(m_dB, "dBm", "0", "0 dBm")
        .text(m_lin, "Leistung", "1,000", "1,000 mW")
        .text(m_Ueff, "Ueff", "223,607", "223,607 mV")
        .text(m_Uss, "Uss", "632,456", "632,456 mV")
        .text(m_R, "Impedanz", "50,000", "50,000 " + kOhm);

    const auto rule = [](const char* min, const char* max) {
        return FieldRule{.min = QLatin1String(min), .max = QLatin1String(max)};
    };
    connectInputFields({
                                  {m_dB,
                                   rule("-174", "320"),
                                   {},
                                   [this](double v) { dbm_dB_Berechnung(v); }},
                                  {m_lin, rule("4e-26", "7e+26"), withUnit(kWatt),
                                   [this](double v) { dbm_lin_Berechnung(v); }},
                                  {m_R, rule("1e-24", "1e+26"), withUnit(kOhm),
                                   [this](double v) { dbm_R_Berechnung(v); }},
                                  {m_Ueff, rule("1e-26", "1e+27"), withUnit(kVolt),
                                   [this](double v) { dbm_Ueff_Berechnung(v); }},
                                  {m_Uss, rule("1e-26", "1e+27"), withUnit(kVolt),
                                   [this](double v) { dbm_Uss_Berechnung(v); }},
                              });
}

void dBm::dbm_dB_Berechnung(double L)
{
    writeValue(m_lin, levels::powerFromDbm(L), kWatt);
    const long double ueff = levels::rmsFromDbm(L, readValue(m_R));
    writeValue(m_Ueff, ueff, kVolt);
    writeValue(m_Uss, ueff * levels::kPeakToPeak, kVolt);
    writeText(m_dB, dbmText(L));
}

void dBm::dbm_lin_Berechnung(double P)
{
    writeText(m_dB, dbmText(levels::dbmFromPower(P)));
    const long double ueff = std::sqrt(P * static_cast<long double>(readValue(m_R)));
    writeResult(m_Ueff, ueff, kVolt);
    writeResult(m_Uss, ueff * levels::kPeakToPeak, kVolt);
}

void dBm::dbm_R_Berechnung(double R)
{
    const long double P = readValue(m_lin);
    const long double ueff = std::sqrt(R * P);
    writeValue(m_Ueff, ueff, kVolt);
    writeValue(m_Uss, ueff * levels::kPeakToPeak, kVolt);
}

void dBm::dbm_Ueff_Berechnung(double Ueff)
{
    const long double R = readValue(m_R);
    const long double P = static_cast<long double>(Ueff) * Ueff / R;
    writeResult(m_lin, P, kWatt);
    writeResult(m_Uss, std::sqrt(2.0L) * (Ueff * 2.0L), kVolt);
    writeText(m_dB, dbmText(levels::dbmFromPower(P)));
}

void dBm::dbm_Uss_Berechnung(double Uss)
{
    const long double R = readValue(m_R);
    const long double a = Uss / levels::kPeakToPeak;
    const long double P = a * a / R;
    writeResult(m_lin, P, kWatt);
    writeResult(m_Ueff, a, kVolt);
    writeText(m_dB, dbmText(levels::dbmFromPower(P)));
}

void dBm::reformat()
{
    const double R = readValue(m_R);
    writeValue(m_R, R, kOhm);
    dbm_R_Berechnung(R);
    writeValue(m_lin, readValue(m_lin), kWatt);
}

} // namespace ampero
