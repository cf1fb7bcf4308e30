#include "gleichwSchalt.h"

#include "rf/Constants.h"
#include "rf/Transformation.h"
#include "schematics/PictureWidget.h"
#include "values/DisplayOptions.h"
#include "values/Units.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"

#include <QGroupBox>
#include <QLabel>

namespace ampero {

namespace {

using rf::kTwoPi;
constexpr int kFieldHeight = 22;
const QString kHenry = QStringLiteral("H");
const QString kFarad = QStringLiteral("F");

} // namespace

gleichwSchalt::gleichwSchalt(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(QStringLiteral(" Parallel- / Serientransformation "), this);
    group->setGeometry(6, 6, 676, 392);

    const auto picture = [group](const char* key, const char* name, const QPoint& at,
                                 const char* hint) {
        auto* p = new PictureWidget(QLatin1String(key), 9, group);
        p->setObjectName(QLatin1String(name));
        p->move(at);
        p->setToolTip(QString::fromUtf8(hint));
    };
    picture("PS_I_Parallel", "Image27", QPoint(24, 24), "Schaltbild der Parallelschaltung");
    picture("PS_I_Pfeil", "Image30", QPoint(293, 69), "");
    picture("PS_I_Serie", "Image28", QPoint(418, 24), "Schaltbild der Serienschaltung");

    addLabel(group,
             QStringLiteral("Die Umrechnung ist nur für diese Frequenz gültig!       Frequenz"),
             QRect(24, 164, 420, kFieldHeight))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_F = addField(group, QStringLiteral("PS_E_F"), QRect(452, 164, 140, kFieldHeight),
                   QStringLiteral("Eingabe der Frequenz der Berechnung"));

    const auto side = [&](const QString& caption, const QString& hint, int x, const char* s,
                          EditField*& R, EditField*& X, EditField*& L, EditField*& C) {
        auto* box = new QGroupBox(caption, group);
        box->setGeometry(x, 200, 326, 150);
        box->setToolTip(hint);
        const QString n = QString::fromLatin1(s);
        addLabel(box, "R" + n, QRect(12, 24, 130, 18));
        addLabel(box, QStringLiteral("j X"), QRect(172, 24, 130, 18));
        R = addField(box, "PS_E_R" + n, QRect(12, 44, 136, kFieldHeight),
                     "Ein- oder Ausgabe des Bauteilwertes von R" + n);
        addLabel(box, QStringLiteral("+"), QRect(152, 44, 16, kFieldHeight))
            ->setAlignment(Qt::AlignCenter);
        X = addField(box, "PS_E_X" + n, QRect(172, 44, 140, kFieldHeight),
                     "Ein- oder Ausgabe des Blindwiderstandes von L" + n + " und C" + n);
        addLabel(box, "L" + n, QRect(12, 84, 130, 18));
        addLabel(box, "C" + n, QRect(172, 84, 130, 18));
        L = addField(box, "PS_E_L" + n, QRect(12, 104, 136, kFieldHeight),
                     "Ein- oder Ausgabe des Bauteilwertes von L" + n);
        addLabel(box, QStringLiteral("OR"), QRect(148, 104, 24, kFieldHeight))
            ->setAlignment(Qt::AlignCenter);
        C = addField(box, "PS_E_C" + n, QRect(172, 104, 140, kFieldHeight),
                     "Ein- oder Ausgabe des Bauteilwertes von C" + n);
    };
    side(QStringLiteral(" Parallelschaltung "),
         QStringLiteral("Ein- und Ausgabe der Werte der Parallelschaltung"), 8, "p", m_Rp, m_Xp,
         m_Lp, m_Cp);
    side(QStringLiteral(" Serienschaltung "),
         QStringLiteral("Ein- und Ausgabe der Werte der Serienschaltung"), 342, "s", m_Rs, m_Xs,
         m_Ls, m_Cs);

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 362, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    persistence()
        .section(QStringLiteral("PS-Gleich"))
        .text(m_F, "Frequenz", "3,600", "3,600 MHz")
        .text(m_Rp, "Rp", "25,000", "25,000 " + kOhm)
        .text(m_Lp, "Lp", "10,000", "10,000 H")
        .text(m_Cp, "Cp", "195,450", "195,455 F")
        .text(m_Xp, "Xp", "226,195", "226,195 " + kOhm)
        .text(m_Rs, "Rs", "202,994", "24,698 " + kOhm)
        .text(m_Ls, "Ls", "99,188", "120,682 H")
        .text(m_Cs, "Cs", "19,705", "16,195 F")
        .text(m_Xs, "Xs", "2,730", "2,730 " + kOhm);

    const FieldRule range{.min = QStringLiteral("1e-24"), .max = QStringLiteral("1e24")};
    connectInputFields({
        {m_F, range, withUnit(QStringLiteral("Hz")), {}},
        {m_Rp, range, withUnit(kOhm), [this](double v) { PS_Rp_Berechnung(v); }},
        {m_Xp, range, withUnit(kOhm), [this](double v) { PS_Xp_Berechnung(v); }},
        {m_Lp, range, withUnit(kHenry), [this](double v) { PS_Lp_Berechnung(v); }},
        {m_Cp, range, withUnit(kFarad), [this](double v) { PS_Cp_Berechnung(v); }},
        {m_Rs, range, withUnit(kOhm), [this](double v) { PS_Rs_Berechnung(v); }},
        {m_Xs, range, withUnit(kOhm), [this](double v) { PS_Xs_Berechnung(v); }},
        {m_Ls, range, withUnit(kHenry), [this](double v) { PS_Ls_Berechnung(v); }},
        {m_Cs, range, withUnit(kFarad), [this](double v) { PS_Cs_Berechnung(v); }},
    });
}

long double gleichwSchalt::omega() const { return kTwoPi * readValue(m_F); }

void gleichwSchalt::fromParallel(long double Rp, long double Xp, bool showLp, bool showCp)
{
    const long double w = omega();
    if (showLp)
        writeValue(m_Lp, Xp / w, kHenry);
    if (showCp)
        writeValue(m_Cp, 1 / (w * Xp), kFarad);
    const auto s = transformation::parallelToSeries(Rp, Xp);
    writeValue(m_Rs, s.R, kOhm);
    writeValue(m_Xs, s.X, kOhm);
    writeValue(m_Ls, s.X / w, kHenry);
    writeValue(m_Cs, 1 / (w * s.X), kFarad);
}

void gleichwSchalt::fromSeries(long double Rs, long double Xs, bool showLs, bool showCs)
{
    const long double w = omega();
    if (showLs)
        writeValue(m_Ls, Xs / w, kHenry);
    if (showCs)
        writeValue(m_Cs, 1 / (w * Xs), kFarad);
    const auto p = transformation::seriesToParallel(Rs, Xs);
    writeValue(m_Rp, p.R, kOhm);
    writeValue(m_Xp, p.X, kOhm);
    writeValue(m_Lp, p.X / w, kHenry);
    writeValue(m_Cp, 1 / (w * p.X), kFarad);
}

void gleichwSchalt::PS_Rp_Berechnung(double Rp) { fromParallel(Rp, readValue(m_Xp), true, true); }

void gleichwSchalt::PS_Xp_Berechnung(double Xp) { fromParallel(readValue(m_Rp), Xp, true, true); }

void gleichwSchalt::PS_Lp_Berechnung(double Lp)
{
    const long double Xp = omega() * Lp;
    writeValue(m_Xp, Xp, kOhm);
    fromParallel(readValue(m_Rp), Xp, false, true);
}

void gleichwSchalt::PS_Cp_Berechnung(double Cp)
{
    const long double Xp = 1 / (omega() * Cp);
    writeValue(m_Xp, Xp, kOhm);
    fromParallel(readValue(m_Rp), Xp, true, false);
}

void gleichwSchalt::PS_Rs_Berechnung(double Rs) { fromSeries(Rs, readValue(m_Xs), true, true); }

void gleichwSchalt::PS_Xs_Berechnung(double Xs) { fromSeries(readValue(m_Rs), Xs, true, true); }

void gleichwSchalt::PS_Ls_Berechnung(double Ls)
{
    const long double Xs = omega() * Ls;
    writeValue(m_Xs, Xs, kOhm);
    fromSeries(readValue(m_Rs), Xs, false, true);
}

void gleichwSchalt::PS_Cs_Berechnung(double Cs)
{
    const long double Xs = 1 / (omega() * Cs);
    writeValue(m_Xs, Xs, kOhm);
    fromSeries(readValue(m_Rs), Xs, true, false);
}

void gleichwSchalt::loadFactoryDefaults()
{
    Page::loadFactoryDefaults();
    PS_Rp_Berechnung(25); // rewrites everything that follows from Rp
}

void gleichwSchalt::reformat()
{
    writeValue(m_F, readValue(m_F), QStringLiteral("Hz"));
    const double Rp = readValue(m_Rp);
    writeValue(m_Rp, Rp, kOhm);
    PS_Rp_Berechnung(Rp);
    writeValue(m_Lp, readValue(m_Lp), kHenry);
    writeValue(m_Cp, readValue(m_Cp), kFarad);
}

} // namespace ampero
