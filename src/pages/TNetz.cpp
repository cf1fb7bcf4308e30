#include "TNetz.h"

#include "rf/Response.h"
#include "rf/TNetwork.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/RadioGroup.h"
#include "windows/Normwerte.h"
#include "windows/Frequenzgang.h"

namespace ampero {

namespace {

MatchingNetz::Texts tTexts()
{
    const QString coil = QStringLiteral("Ausgabe der Induktivität");
    const QString capacitor = QStringLiteral("Ausgabe der Kapazität");
    return {
        .prefix = QStringLiteral("T"),
        .title = QStringLiteral(" T - Anpassnetzwerk "),
        .choiceCaption = QStringLiteral(" Auswahl "),
        .bandwidthHint = QStringLiteral("Eingabe der Bandbreite (-3dB) des Anpassnetzwerkes"),
        .bandwidthLabel = QStringLiteral("Label173"),
        .rows = {QStringLiteral("Xs1"), QStringLiteral("Xp"), QStringLiteral("Xs2")},
        .hpHints = {capacitor, coil, capacitor},
        .tpHints = {coil, capacitor, coil},
        .coilQMessages = MessageSet::CwithA,
        .network = UiNetwork::T,
    };
}

// The pictures of a variant in the order unsym1, sym1, unsym2, sym2, unsym5, …, sym6.
std::vector<PictureSet::Entry> tPictures(const char* form)
{
    std::vector<PictureSet::Entry> entries;
    for (int number : {1, 2, 5, 6})
        for (const char* kind : {"unsym", "sym"})
            entries.push_back({QStringLiteral("T_I_%1_%2%3")
                                   .arg(QLatin1String(form), QLatin1String(kind))
                                   .arg(number)});
    return entries;
}

// The picture of a variant's three letters: 1 as designed, 2 with Xs2 reversed, 5 with Xs1
// reversed, 6 with both.
int pictureIndex(const tnetwork::Variant& v, char usualSeries, bool balanced)
{
    const bool first = v.s1.unit != usualSeries;
    const bool second = v.s2.unit != usualSeries;
    return (first ? 4 : 0) + (second ? 2 : 0) + (balanced ? 1 : 0);
}

} // namespace

TNetz::TNetz(QWidget* parent)
    : MatchingNetz(tTexts(), parent)
{
    QWidget* group = RG_unsym->parentWidget();
    m_hpPictures = PictureSet(group, {10, 32}, 10, tPictures("Hoch"));
    m_tpPictures = PictureSet(group, {10, 200}, 10, tPictures("Tief"));
    m_hpPictures.show(0);
    m_tpPictures.show(0);

    // The element fields and the bandwidth are written for other programs; the page
    // computes them when it loads.
    SpannungStromFenster* w = m_window;
    declareInputs(QStringLiteral("T-Netz"),
                  {.bandwidth = QStringLiteral("1,399"),
                   .bandwidthFactory = QStringLiteral("18,462 MHz"),
                   .q = QStringLiteral("1,000"),
                   .qFactory = QStringLiteral("2,020"),
                   .r1 = QStringLiteral("250,000"),
                   .r1Factory = QStringLiteral("250,000 ") + kOhm + QLatin1Char(' ')})
        .text(m_hp[3], "aHP", "0,381")
        .text(m_tp[3], "aTP", "0,226")
        .item(RG_unsym, "unsym", 0, 0, 0)
        .text(w->powerField(), "P", "500,00", "1,000 W")
        .text(w->otherUnitLabel(), "P2", "56,99", "30,000 dBm")
        .storedText(m_hp[1], "L")
        .storedText(m_hp[0], "C1")
        .storedText(m_hp[2], "C2")
        .storedText(m_tp[1], "C")
        .storedText(m_tp[0], "L1")
        .storedText(m_tp[2], "L2")
        .storedText(m_B, "BTP")
        .number(Q_min, "Betriebsguete_Vorgabe", 1, 2.02)
        .number(Q_E, "Betriebsguete_Eingabe", 1, 2.02);
}

long double TNetz::minimumQ(long double R1, long double, long double R2, long double) const
{
    return tnetwork::minimumQ(R1, R2);
}

// Always in MHz, in every notation.
QString TNetz::selectionBandwidthLabel(long double maximum) const
{
    return QStringLiteral("Bandbreite <=  ") + fixedText(maximum / 1000000) +
           QStringLiteral(" MHz");
}

QString TNetz::entryBandwidthLabel(long double maximum) const
{
    return QStringLiteral("Bandbreite <=  ") + Zahlenausgabe(static_cast<double>(maximum)) +
           QStringLiteral(" Hz");
}

void TNetz::T_Netz_Berechnung()
{
    const Inputs in = readInputs(); // no structured binding: the lambda below captures them
    const long double F = in.F, R1 = in.R1, R2 = in.R2, X1 = in.X1, X2 = in.X2, QL = in.QL;
    const long double P = in.P;
    MemoTable memo(*m_window, MemoTable::Spacing::Tight);
    const long double w = tnetwork::omega(F);
    const bool balanced = RG_unsym->itemIndex() == 1;

    const long double Q = operatingQ(tnetwork::minimumQ(R1, R2));
    const tnetwork::Design d = tnetwork::design(R1, R2, Q);

    const auto variant = [&](const tnetwork::Variant& v, const QString& title,
                             const QString& shuntLabel, EditField* TL, bool finalEmptyLine) {
        const matching::Analysis a = tnetwork::analyse(R1, X1, R2, X2, v, P);
        writeText(TL, fixedText(a.TL) + QStringLiteral(" dB"));
        memoBlock(memo, title,
                  {MemoElement{QStringLiteral("    Xs1 -"), v.s1, true},
                   MemoElement{shuntLabel, v.p, false},
                   MemoElement{QStringLiteral("    Xs2 -"), v.s2, true}},
                  a, balanced, finalEmptyLine);
    };
    const tnetwork::Variant hp = tnetwork::highPass(X1, X2, d, w, QL, balanced);
    variant(hp, QStringLiteral("   Hochpass"), QStringLiteral("    Xp  -"), m_hp[3], true);
    const tnetwork::Variant tp = tnetwork::lowPass(X1, X2, d, w, QL, balanced);
    variant(tp, QStringLiteral("   Tiefpass"), QStringLiteral("    Xp -"), m_tp[3], false);

    writeElement(m_hp[0], hp.s1);
    writeElement(m_hp[1], hp.p);
    writeElement(m_hp[2], hp.s2);
    writeElement(m_tp[0], tp.s1);
    writeElement(m_tp[1], tp.p);
    writeElement(m_tp[2], tp.s2);

    m_hpPictures.show(pictureIndex(hp, 'F', balanced));
    m_tpPictures.show(pictureIndex(tp, 'H', balanced));
    m_normwerte->update();
    m_response.setCurves(
        {{QStringLiteral("Hochpass"), response::tNetwork(F, R1, X1, R2, X2, hp)},
         {QStringLiteral("Tiefpass"), response::tNetwork(F, R1, X1, R2, X2, tp)}});
}

} // namespace ampero
