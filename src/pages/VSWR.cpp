#include "VSWR.h"

#include "rf/Vswr.h"
#include "schematics/PictureWidget.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/Colours.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"

#include <cmath>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;
constexpr int kColumn = 163; // the four ratio columns
const QString kWatt = QStringLiteral("W");
const QString kVolt = QStringLiteral("V");

QString dBText(long double v) { return fixedText(v) + QStringLiteral(" dB"); }
QString percentText(long double v) { return fixedText(v) + QStringLiteral(" %"); }
// The fixed states write their powers and voltages as prefix text in every notation.
QString prefixText(long double v, const QString& unit)
{
    return Zahlenausgabe(static_cast<double>(v)) + unit;
}

} // namespace

VSWR::VSWR(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(QStringLiteral(" VSWR, RL, r "), this);
    group->setGeometry(6, 6, 676, 392);
    const auto label = [](QWidget* parent, const QString& text, const QRect& geometry) {
        QLabel* l = addLabel(parent, text, geometry);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };

    // the four measures of the mismatch under their two-line heads
    m_heading = new QPlainTextEdit(group);
    m_heading->setObjectName(QStringLiteral("VSWR_M_Kopf"));
    m_heading->setPlainText(
        QStringLiteral("Spannungs-\tSpannungs-\tReturn Loss\treflektierte\n"
                       "Stehwellenverhältnis\tReflektionsfaktor\tRückflußdämpfung\tLeistung"));
    m_heading->setReadOnly(true);
    m_heading->setFocusPolicy(Qt::NoFocus);
    m_heading->setFrameShape(QFrame::NoFrame);
    m_heading->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_heading->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_heading->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_heading->setTabStopDistance(kColumn);
    m_heading->document()->setDocumentMargin(2);
    setFieldColours(m_heading, kCream, Qt::black);
    m_heading->setGeometry(12 + 48 - 2, 22, 4 * kColumn - 48 + 2, 38);
    const struct {
        const char* name;
        const char* label;
        const char* hint;
    } ratios[] = {
        {"VSWR_E_SWR", "VSWR", "Eingabe und Anzeige des Stehwellenverhältnises"},
        {"VSWR_E_r", "r", "Eingabe und Anzeige des Spannungsreflektionsfaktor"},
        {"VSWR_E_RL", "R<sub>L</sub>", "Eingabe und Anzeige der Rückflußdämpfung (Return Loss)"},
        {"VSWR_E_Prefl", "P<sub>refl.</sub>", "Eingabe und Anzeige der reflektierten Leistung"},
    };
    EditField* ratioFields[4];
    for (int i = 0; i < 4; ++i) {
        const int x = 12 + i * kColumn;
        label(group, QString::fromUtf8(ratios[i].label), QRect(x, 64, 44, kFieldHeight));
        ratioFields[i] =
            addField(group, QLatin1String(ratios[i].name), QRect(x + 48, 64, 110, kFieldHeight),
                     QString::fromUtf8(ratios[i].hint));
    }
    m_SWR = ratioFields[0];
    m_r = ratioFields[1];
    m_RL = ratioFields[2];
    m_Prefl = ratioFields[3];

    // the power balance: forward power left, reflected above delivered right
    auto* balance = new QGroupBox(QStringLiteral(" Leistungsbilanz "), group);
    balance->setGeometry(12, 96, 652, 80);
    label(balance, QStringLiteral("P<sub>Q</sub>"), QRect(8, 34, 40, kFieldHeight));
    m_Pv = addField(balance, QStringLiteral("VSWR_E_Pv"), QRect(52, 34, 120, kFieldHeight),
                    QStringLiteral("Eingabe der Vorwärtsleistung"));
    m_PrLabel = label(balance, QStringLiteral("P<sub>r</sub>"), QRect(440, 20, 40, kFieldHeight));
    m_PrLabel->setObjectName(QStringLiteral("VSWR_L_Pr"));
    m_Pr = addField(balance, QStringLiteral("VSWR_E_Pr"), QRect(484, 20, 120, kFieldHeight),
                    QStringLiteral("Eingabe der reflektierten Leistung"));
    m_PlLabel = label(balance, QStringLiteral("P<sub>L</sub>"), QRect(440, 48, 40, kFieldHeight));
    m_PlLabel->setObjectName(QStringLiteral("VSWR_L_Pl"));
    m_Pl = addField(balance, QStringLiteral("VSWR_E_Pl"), QRect(484, 48, 120, kFieldHeight),
                    QStringLiteral("Eingabe der an die Last abgegeben Leistung"));
    colourPowerLabels();

    // source side left, the picture between, the two loads right; the picture stands clear
    // of every field
    const auto caption = [group](const QString& text, int x, int y) {
        addLabel(group, text, QRect(x, y, 140, 18))->setAlignment(Qt::AlignCenter);
    };
    const auto result = [&](const char* name, const QString& hint, const QRect& geometry) {
        EditField* f = addField(group, QLatin1String(name), geometry, hint);
        f->setReadOnly(true);
        f->setFocusPolicy(Qt::ClickFocus);
        setFieldColours(f, kCream, Qt::black);
        return f;
    };
    const QString forwardHint = QStringLiteral("Eingabe der Vorwärtsspannung");
    const QString backwardHint = QStringLiteral("Eingabe der Rückwärtsspannung");
    const QString uZ1 = QStringLiteral("U<sub>Z1</sub>"), uZ2 = QStringLiteral("U<sub>Z2</sub>");
    const QString z2 = QStringLiteral("Z<sub>2</sub>");
    label(group, QStringLiteral("Z<sub>1</sub>"), QRect(12, 194, 30, kFieldHeight));
    m_Z1 = addField(group, QStringLiteral("VSWR_E_Z1"), QRect(46, 194, 110, kFieldHeight),
                    QStringLiteral("Eingabe der Impedanz Z1"));
    caption(QStringLiteral("( Z1 < Z2 )"), 31, 226);
    label(group, uZ1, QRect(12, 246, 30, kFieldHeight));
    m_UZ1a = result("VSWR_E_UZ1a", forwardHint, QRect(46, 246, 110, kFieldHeight));
    caption(QStringLiteral("( Z1 > Z2 )"), 31, 304);
    label(group, uZ1, QRect(12, 324, 30, kFieldHeight));
    m_UZ1b = result("VSWR_E_UZ1b", forwardHint, QRect(46, 324, 110, kFieldHeight));

    auto* picture = new PictureWidget(QStringLiteral("VSWR_I_Bild"), 10, group);
    picture->move(159, 208);
    picture->setToolTip(QStringLiteral("schematische Darstellung"));

    caption(QStringLiteral("Z2 > Z1"), 539, 200);
    label(group, z2, QRect(520, 220, 30, kFieldHeight));
    m_Z2a = addField(group, QStringLiteral("VSWR_E_Z2a"), QRect(554, 220, 110, kFieldHeight),
                     QStringLiteral("Eingabe der Impedanz Z2"));
    label(group, uZ2, QRect(520, 246, 30, kFieldHeight));
    m_UZ2a = result("VSWR_E_UZ2a", backwardHint, QRect(554, 246, 110, kFieldHeight));
    caption(QStringLiteral("Z2 < Z1"), 539, 278);
    label(group, z2, QRect(520, 298, 30, kFieldHeight));
    m_Z2b = addField(group, QStringLiteral("VSWR_E_Z2b"), QRect(554, 298, 110, kFieldHeight),
                     QStringLiteral("Eingabe der Impedanz Z2"));
    label(group, uZ2, QRect(520, 324, 30, kFieldHeight));
    m_UZ2b = result("VSWR_E_UZ2b", backwardHint, QRect(554, 324, 110, kFieldHeight));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 364, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    // The design: s = 1,5 on 50 Ω with 100 W, as the first start computes it.
    const std::pair<EditField*, QString> design[] = {
        {m_SWR, "1,500"},          {m_r, "0,200"},           {m_RL, "13,979 dB"},
        {m_Prefl, "4,000 %"},      {m_Pv, "100,000 W"},      {m_Pr, "4,000 W"},
        {m_Pl, "96,000 W"},        {m_Z1, "50,000 " + kOhm}, {m_Z2a, "75,000 " + kOhm},
        {m_Z2b, "33,333 " + kOhm}, {m_UZ1a, "56,569 V"},     {m_UZ2a, "84,853 V"},
        {m_UZ1b, "84,853 V"},      {m_UZ2b, "56,569 V"},
    };
    for (const auto& [field, text] : design)
        field->setFieldText(text);

    // Only s, Pv and Z1 are kept; the page recomputes the rest from them.
    persistence()
        .section(QStringLiteral("VSWR"))
        .text(m_SWR, "SWR", "1,500", "1,500")
        .text(m_Pv, "PG", "50,000", "100,000 W")
        .text(m_Z1, "Z1", "10,000", "50,000 " + kOhm);

    const auto range = [](const char* min, const char* max, const char* maxShown = "") {
        return FieldRule{.min = QLatin1String(min),
                         .max = QLatin1String(max),
                         .maxShown = QLatin1String(maxShown)};
    };
    const FieldRule positive = range("1e-20", "1e20");
    // The ratio fields are written by the calculation, from the text as entered.
    connectInputFields({
        {m_SWR, range("1", "10000"), {}, [this](double v) { VSWR_E_SWRKeyPress(v); }},
        {m_RL, range("2e-3", "86"), {}, [this](double v) { VSWR_E_RLKeyPress(v); }},
        // tested against 0.99975 and 99.994, written without a separator so that either
        // locale converts them
        {m_r, range("0", "99975e-5", "0.999"), {}, [this](double v) { VSWR_E_rKeyPress(v); }},
        {m_Prefl,
         range("0", "99994e-3", "99.994"),
         {},
         [this](double v) { VSWR_E_PreflKeyPress(v); }},
        {m_Pv, positive, withUnit(kWatt), [this](double) { VSWR_E_PvKeyPress(); }},
        {m_Pl, positive, withUnit(kWatt), [this](double) { VSWR_E_PlKeyPress(); },
         [this](double v) {
             return aboveForwardPower(m_Pl, v, QStringLiteral("an die Last abgegebene"));
         }},
        {m_Pr, positive, withUnit(kWatt), [this](double) { VSWR_E_PrKeyPress(); },
         [this](double v) { return aboveForwardPower(m_Pr, v, QStringLiteral("reflektierte")); }},
        {m_Z1, positive, withUnit(kOhm), [this](double) { VSWR_E_Z1KeyPress(); }},
        {m_Z2a, positive, withUnit(kOhm), [this](double) { VSWR_E_Z2aKeyPress(); }},
        {m_Z2b, positive, withUnit(kOhm), [this](double) { VSWR_E_Z2bKeyPress(); }},
    });
}

QString VSWR::aboveForwardPower(EditField* field, double value, const QString& what) const
{
    if (value <= readValue(m_Pv))
        return {};
    return QStringLiteral("Die Eingabe \"") + field->text() +
           QStringLiteral("\" ist größer als die Vorwärtsleistung ") + m_Pv->text() +
           QStringLiteral(".\r\rDie ") + what +
           QStringLiteral(" Leistung kann nicht größer sein als die Vorwärtsleistung.");
}

// Handlers: each derives the state from its entry and runs the calculation. The powers are
// compared as they are shown, so that a rounded entry cannot bring the formulas to a division
// by zero.

void VSWR::VSWR_E_SWRKeyPress(double s) { VSWR_Berechnung(1, vswr::stateOfSwr(s)); }

void VSWR::VSWR_E_RLKeyPress(double RL) { VSWR_Berechnung(2, RL >= vswr::kMatched.RL ? 1 : 0); }

void VSWR::VSWR_E_rKeyPress(double r) { VSWR_Berechnung(3, r == 0 ? 1 : 0); }

void VSWR::VSWR_E_PreflKeyPress(double p) { VSWR_Berechnung(4, p == 0 ? 1 : 0); }

void VSWR::VSWR_E_PvKeyPress()
{
    // all of the forward power reflected
    VSWR_Berechnung(5, readValue(m_Pv) == readValue(m_Pr) ? 2 : 0);
}

void VSWR::VSWR_E_PlKeyPress()
{
    const long double Pl = readValue(m_Pl);
    const long double Pv = readValue(m_Pv);
    // all of the forward power delivered; or a load power so small against it that all of it
    // is reflected
    VSWR_Berechnung(6, Pl >= Pv ? 1 : (Pv - Pl == Pv ? 2 : 0));
}

void VSWR::VSWR_E_PrKeyPress() { VSWR_Berechnung(7, readValue(m_Pr) >= readValue(m_Pv) ? 2 : 0); }

void VSWR::VSWR_E_Z1KeyPress() { VSWR_Ueberpruefung(8, 0); }

void VSWR::VSWR_E_Z2aKeyPress() { VSWR_Berechnung(9, 0); }

void VSWR::VSWR_E_Z2bKeyPress() { VSWR_Berechnung(10, 0); }

void VSWR::VSWR_Ueberpruefung(int Eingabe, int G)
{
    const long double Z1 = readValue(m_Z1);
    const long double Z2a = readValue(m_Z2a);
    const long double Z2b = readValue(m_Z2b);
    if (vswr::leavesLoads(Z1, Z2a, Z2b)) {
        writeText(m_Z2a, m_Z1->text());
        G = 1;
    }
    VSWR_Berechnung(Eingabe, G);
}

void VSWR::VSWR_Berechnung(int Eingabe, int G)
{
    if (G == 1) {
        showMatched();
        return;
    }
    if (G == 2) {
        showTotalReflection();
        return;
    }

    Operand s(m_SWR), RL(m_RL), r(m_r), p(m_Prefl), Pv(m_Pv), Pl(m_Pl), Pr(m_Pr), Z1(m_Z1),
        Z2a(m_Z2a), Z2b(m_Z2b);
    const auto take = [&](const vswr::Mismatch& m) {
        s.set(m.s);
        RL.set(m.RL);
        r.set(m.r);
        p.set(m.p);
    };
    // r, RL, p and the powers follow from s; the loads from Z1 and s
    const auto fromSwr = [&](long double swr) {
        take(vswr::fromSwr(swr));
        const auto pw = vswr::powers(r(), Pv());
        Pr.set(pw.Pr);
        Pl.set(pw.Pl);
        const auto z = vswr::loads(Z1(), s());
        Z2a.set(z.Z2a);
        Z2b.set(z.Z2b);
    };
    const auto fromMeasure = [&](const vswr::Mismatch& m) {
        take(m);
        const auto z = vswr::loads(Z1(), s());
        Z2a.set(z.Z2a);
        Z2b.set(z.Z2b);
        const auto pw = vswr::powers(r(), Pv());
        Pr.set(pw.Pr);
        Pl.set(pw.Pl);
    };
    const auto fromPowers = [&] {
        take(vswr::fromPowers(Pv(), Pr()));
        const auto z = vswr::loads(Z1(), s());
        Z2a.set(z.Z2a);
        Z2b.set(z.Z2b);
    };
    const auto matchedValues = [&] {
        take({1, vswr::kMatched.RL, 0, 0});
        Pl.set(Pv());
        Pr.set(0);
        Z2a.set(Z1());
        Z2b.set(Z1());
    };

    switch (Eingabe) {
    case 1:
        fromSwr(s());
        break;
    case 2:
        fromMeasure(vswr::fromReturnLoss(RL()));
        break;
    case 3:
        fromMeasure(vswr::fromReflection(r()));
        break;
    case 4:
        fromMeasure(vswr::fromPercent(p()));
        break;
    case 5: {
        const auto pw = vswr::powers(r(), Pv());
        Pr.set(pw.Pr);
        Pl.set(pw.Pl);
        break;
    }
    case 6:
        Pr.set(Pv() - Pl());
        fromPowers();
        break;
    case 7:
        Pl.set(Pv() - Pr());
        fromPowers();
        break;
    case 8: {
        const auto z = vswr::swrFromZ1(Z1(), Z2a(), Z2b());
        if (z.matched)
            matchedValues();
        else
            fromSwr(z.s);
        break;
    }
    case 9:
    case 10: {
        // a load on the wrong side of Z1 becomes the new Z1
        EditField* load = Eingabe == 9 ? m_Z2a : m_Z2b;
        EditField* other = Eingabe == 9 ? m_Z2b : m_Z2a;
        Operand& Z2 = Eingabe == 9 ? Z2a : Z2b;
        if (Eingabe == 9 ? Z2() < Z1() : Z2() > Z1()) {
            writeText(m_Z1, load->text());
            writeText(other, load->text());
            Z1.set(Z2());
        }
        const long double swr = Eingabe == 9 ? Z2() / Z1() : Z1() / Z2();
        if (swr == 1)
            matchedValues();
        else
            fromSwr(swr);
        break;
    }
    default:
        break;
    }

    writeText(m_SWR, fixedText(s()));
    writeText(m_RL, dBText(RL()));
    writeText(m_r, fixedText(std::fabs(r())));
    writeText(m_Prefl, percentText(p()));
    writeValue(m_Pv, Pv(), kWatt);
    writeValue(m_Pl, Pl(), kWatt);
    writeValue(m_Pr, Pr(), kWatt);
    writeValue(m_Z1, Z1(), kOhm);
    writeValue(m_Z2a, Z2a(), kOhm);
    writeValue(m_Z2b, Z2b(), kOhm);
    const auto u = vswr::voltages(Pv(), Z1(), Z2a(), Z2b());
    writeValue(m_UZ1a, u.UZ1a, kVolt);
    writeValue(m_UZ2a, u.UZ2a, kVolt);
    writeValue(m_UZ1b, u.UZ1b, kVolt);
    writeValue(m_UZ2b, u.UZ2b, kVolt);
}

void VSWR::showMatched()
{
    const long double Pv = readValue(m_Pv);
    const long double Z1 = readValue(m_Z1);
    const vswr::Mismatch& m = vswr::kMatched;
    writeText(m_SWR, fixedText(m.s));
    writeText(m_RL, dBText(m.RL));
    writeText(m_r, fixedText(m.r));
    writeText(m_Prefl, percentText(m.p));
    writeText(m_Pl, m_Pv->text());
    writeText(m_Pr, prefixText(0, kWatt));
    writeText(m_Z2a, m_Z1->text());
    writeText(m_Z2b, m_Z1->text());
    const QString U = prefixText(vswr::matchedVoltage(Pv, Z1), kVolt);
    for (EditField* f : {m_UZ1a, m_UZ2a, m_UZ1b, m_UZ2b})
        writeText(f, U);
}

// All of the forward power comes back: the reflected power shows the forward power and the
// load none; the forward power and Z1 stay as they are. The loads are those of the ratio the
// state shows, also where a power entry rather than s = 10000 leads here.
void VSWR::showTotalReflection()
{
    const long double Pv = readValue(m_Pv);
    const long double Z1 = readValue(m_Z1);
    const vswr::Mismatch& m = vswr::kTotalReflection;
    const long double s = m.s;
    writeText(m_SWR, fixedText(m.s));
    writeText(m_RL, dBText(m.RL));
    writeText(m_r, fixedText(m.r));
    writeText(m_Prefl, percentText(m.p));
    writeText(m_Pr, m_Pv->text());
    writeText(m_Pl, prefixText(0, kWatt));
    const auto z = vswr::loads(Z1, s);
    writeValue(m_Z2a, z.Z2a, kOhm);
    writeValue(m_Z2b, z.Z2b, kOhm);
    const auto u = vswr::voltages(Pv, Z1, z.Z2a, z.Z2b);
    writeText(m_UZ1a, prefixText(u.UZ1a, kVolt));
    writeText(m_UZ2a, prefixText(u.UZ2a, kVolt));
    writeText(m_UZ1b, prefixText(u.UZ1b, kVolt));
    writeText(m_UZ2b, prefixText(u.UZ2b, kVolt));
}

void VSWR::loadSettings(const StoredSettings& stored)
{
    Page::loadSettings(stored);
    // After all three keys, so that the powers and loads follow the stored Pv and Z1. The
    // state is chosen as the re-formatting chooses it, so that a stored ratio survives.
    VSWR_Berechnung(1, vswr::stateOfSwr(readPlain(m_SWR)));
}

void VSWR::loadFactoryDefaults()
{
    Page::loadFactoryDefaults();
    VSWR_Berechnung(1, 0);
}

void VSWR::reformat() { VSWR_Berechnung(1, vswr::stateOfSwr(readValue(m_SWR))); }

void VSWR::changeEvent(QEvent* event)
{
    Page::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourPowerLabels();
}

// Reflected power in red, delivered power in green, as the picture draws them; lighter on a
// dark desktop.
void VSWR::colourPowerLabels()
{
    if (!m_PrLabel || !m_PlLabel)
        return;
    const bool dark = darkBackground(palette());
    const struct {
        QLabel* label;
        QColor onLight, onDark;
    } marks[] = {
        {m_PrLabel, QColor(200, 0, 0), QColor(255, 115, 105)},
        {m_PlLabel, QColor(0, 120, 0), QColor(100, 215, 100)},
    };
    for (const auto& m : marks) {
        QPalette p = m.label->palette();
        p.setColor(QPalette::WindowText, dark ? m.onDark : m.onLight);
        m.label->setPalette(p);
    }
}

} // namespace ampero
