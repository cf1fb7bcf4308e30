#include "PiNetz.h"

#include "rf/PiNetwork.h"
#include "rf/Response.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/Frequenzgang.h"

namespace ampero {

namespace {

MatchingNetz::Texts piTexts()
{
    const QString coil = QStringLiteral("Ausgabe der Induktivität");
    const QString capacitor = QStringLiteral("Ausgabe der Kapazität");
    return {
        .prefix = QStringLiteral("Pi"),
        .title = QStringLiteral(" Pi - Anpassnetzwerk  "),
        .choiceCaption = QStringLiteral(" Auswahl"),
        .bandwidthHint = QStringLiteral("Eingabe der Betriebsgüte der Anpassung"),
        .bandwidthLabel = QStringLiteral("Label100"),
        .rows = {QStringLiteral("Xp1"), QStringLiteral("Xs"), QStringLiteral("Xp2")},
        .hpHints = {coil, capacitor, QString()},
        .tpHints = {capacitor, coil, capacitor},
        .coilQMessages = MessageSet::A,
        .network = UiNetwork::Pi,
    };
}

} // namespace

PiNetz::PiNetz(QWidget* parent)
    : MatchingNetz(piTexts(), parent)
{
    QWidget* group = RG_unsym->parentWidget();
    m_hpPictures =
        PictureSet(group, {10, 32}, 10,
                   {{QStringLiteral("Pi_I_Hoch_unsym1")}, {QStringLiteral("Pi_I_Hoch_sym1")}});
    m_tpPictures =
        PictureSet(group, {10, 200}, 10,
                   {{QStringLiteral("Pi_I_Tief_unsym1")}, {QStringLiteral("Pi_I_Tief_sym1")}});
    m_hpPictures.show(0);
    m_tpPictures.show(0);

    SpannungStromFenster* w = m_window;
    declareInputs(QStringLiteral("Pi-Netz"),
                  {.bandwidth = QStringLiteral("0,720"),
                   .bandwidthFactory = std::nullopt,
                   .q = QStringLiteral("5,000"),
                   .qFactory = QStringLiteral("4,844"),
                   .r1 = QStringLiteral("1,200"),
                   .r1Factory = QStringLiteral("1,200 k") + kOhm + QLatin1Char(' ')})
        .item(RG_unsym, "unsym", 0, 0, 0)
        .text(w->powerField(), "P", "500,00", "1,000 W")
        .text(w->otherUnitLabel(), "P2", "56,99", "30,000 dBm")
        .number(Q_min, "Betriebsguete_Vorgabe", 5, 4.844)
        .number(Q_E, "Betriebsguete_Eingabe", 5, 4.844);
}

long double PiNetz::minimumQ(long double R1, long double X1, long double R2, long double X2) const
{
    return pinetwork::minimumQ(pinetwork::sides(R1, X1, R2, X2));
}

QString PiNetz::selectionBandwidthLabel(long double maximum) const
{
    return entryBandwidthLabel(maximum);
}

QString PiNetz::entryBandwidthLabel(long double maximum) const
{
    return QStringLiteral("Bandbreite <=  ") + Zahlenausgabe(static_cast<double>(maximum)) +
           QStringLiteral("Hz");
}

void PiNetz::Pi_Netz_Berechnung()
{
    const Inputs in = readInputs(); // no structured binding: the lambda below captures them
    const long double F = in.F, R1 = in.R1, R2 = in.R2, X1 = in.X1, X2 = in.X2, QL = in.QL;
    const long double P = in.P;
    MemoTable memo(*m_window, MemoTable::Spacing::Tight);
    const long double w = pinetwork::omega(F);
    const bool balanced = RG_unsym->itemIndex() == 1;

    const pinetwork::Sides s = pinetwork::sides(R1, X1, R2, X2);
    const long double Q = operatingQ(pinetwork::minimumQ(s));
    const pinetwork::Design d = pinetwork::design(s, Q);

    const auto variant = [&](const pinetwork::Variant& v, const QString& title, EditField* TL,
                             bool finalEmptyLine) {
        const matching::Analysis a = pinetwork::analyse(s, v, P);
        writeText(TL, fixedText(a.TL) + QStringLiteral(" dB"));
        memoBlock(memo, title,
                  {MemoElement{QStringLiteral("    Xp1 -"), v.p1, false},
                   MemoElement{QStringLiteral("    Xs -"), v.s, true},
                   MemoElement{QStringLiteral("    Xp2 -"), v.p2, false}},
                  a, balanced, finalEmptyLine);
    };
    const pinetwork::Variant hp = pinetwork::highPass(s, d, w, QL, balanced);
    variant(hp, QStringLiteral("   Hochpass"), m_hp[3], true);
    const pinetwork::Variant tp = pinetwork::lowPass(s, d, w, QL, balanced);
    variant(tp, QStringLiteral("   Tiefpass"), m_tp[3], false);

    writeElement(m_hp[0], hp.p1);
    writeElement(m_hp[1], hp.s);
    writeElement(m_hp[2], hp.p2);
    writeElement(m_tp[0], tp.p1);
    writeElement(m_tp[1], tp.s);
    writeElement(m_tp[2], tp.p2);

    m_hpPictures.show(balanced ? 1 : 0);
    m_tpPictures.show(balanced ? 1 : 0);
    m_normwerte->update();
    m_response.setCurves({{QStringLiteral("Hochpass"), response::piNetwork(F, s, hp)},
                           {QStringLiteral("Tiefpass"), response::piNetwork(F, s, tp)}});
}

} // namespace ampero
