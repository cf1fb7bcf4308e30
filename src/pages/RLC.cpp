#include "RLC.h"

#include "rf/RLCNetwork.h"
#include "schematics/PictureSet.h"
#include "settings/IniDocument.h"
#include "values/DisplayOptions.h"
#include "values/Units.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"
#include "widgets/RadioGroup.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ampero {

namespace {

constexpr int kFieldHeight = 22;
constexpr long double kTwoPi = rlc::kTwoPi;
const QString kCircuits[3] = {QStringLiteral("RLC"), QStringLiteral("RL"), QStringLiteral("RC")};

// The names that differ between the two sides; everything else has the same name with "R"
// or "P" for the side.
struct Names {
    QString side;      // "R" / "P"
    QString freqLabel; // "RCL_L_R_F" / "Label148"
    QString ref;       // reference quantity: "I" / "U"
    QString refText;
    QString element; // row 2, 4, 6 in the second view: "Ur", "UL", "UC" / "Ir", "IL", "IC"
    QString elementL, elementC;
    QString total;        // the magnitude and complex fields of the second view: "U" / "I"
    QString magnitude;    // the magnitude of the first view: "Z_Be" / "Y_Be"
    QString complexLabel; // "Z_1" / "Y_1"
    QString slash;        // "RLC_L_R_Grad" / "Label7"
    QString note;         // "RLC_R_L_Bezugsgroesse" / "RLC_P_L_Bezugsgroesse"
};

Names namesOf(RLCNetzwerk::Kind kind)
{
    if (kind == RLCNetzwerk::Reihe)
        return {QStringLiteral("R"),
                QStringLiteral("RCL_L_R_F"),
                QStringLiteral("I"),
                QStringLiteral("Scheinstrom |I|"),
                QStringLiteral("Ur"),
                QStringLiteral("UL"),
                QStringLiteral("UC"),
                QStringLiteral("U"),
                QStringLiteral("Z_Be"),
                QStringLiteral("Z_1"),
                QStringLiteral("RLC_L_R_Grad"),
                QStringLiteral("RLC_R_L_Bezugsgroesse")};
    return {QStringLiteral("P"),      QStringLiteral("Label148"),
            QStringLiteral("U"),      QStringLiteral("Scheinspan. |U|"),
            QStringLiteral("Ir"),     QStringLiteral("IL"),
            QStringLiteral("IC"),     QStringLiteral("I"),
            QStringLiteral("Y_Be"),   QStringLiteral("Y_1"),
            QStringLiteral("Label7"), QStringLiteral("RLC_P_L_Bezugsgroesse")};
}

} // namespace

RLCNetzwerk::RLCNetzwerk(Kind kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_prefix(kind == Reihe ? QStringLiteral("RLC_E_R_") : QStringLiteral("RLC_E_P_"))
{
    setObjectName(kind == Reihe ? QStringLiteral("RLC_Serie") : QStringLiteral("RLC_Parallel"));
    build();
}

EditField* RLCNetzwerk::field(const QString& quantity) const
{
    return findChild<EditField*>(m_prefix + quantity);
}

QLabel* RLCNetzwerk::label(const QString& name) const { return findChild<QLabel*>(name); }

QString RLCNetzwerk::pictureName(int circuit, int view) const
{
    if (circuit < 0 || circuit > 2 || view < 0 || view > 2)
        return {};
    return QStringLiteral("RLC_I_") + namesOf(m_kind).side + QLatin1Char('_') +
           kCircuits[circuit] + QString::number(view + 1);
}

void RLCNetzwerk::addRow(const QString& labelName, const QString& labelText,
                         const QString& quantity, const QString& hint, int x, int y)
{
    if (!labelName.isEmpty()) {
        QLabel* l = Page::addLabel(m_group, labelText, QRect(x, y, 154, kFieldHeight), labelName);
        m_managed.insert(labelName, l);
    }
    if (!quantity.isEmpty()) {
        EditField* f = Page::addField(m_group, m_prefix + quantity,
                                      QRect(x + 158, y, 128, kFieldHeight), hint);
        m_managed.insert(f->objectName(), f);
    }
}

void RLCNetzwerk::build()
{
    const Names n = namesOf(m_kind);
    const QString s = n.side;
    const bool series = m_kind == Reihe;
    const auto L = [&](const char* rest) {
        return QStringLiteral("RLC_L_") + s + QLatin1Char('_') + QLatin1String(rest);
    };

    auto* group = m_group =
        new QGroupBox(series ? QStringLiteral(" R-L-C Netzwerk Reihenschaltung ")
                             : QStringLiteral(" R-L-C Netzwerk Parallelschaltung "),
                      this);
    group->setGeometry(4, 4, 668, 362);

    // the three choices, items in a row as the window lays them out when it shows
    Auswahl = new RadioGroup(
        QStringLiteral("RLC_RG_") + s + QStringLiteral("_Auswahl"), QStringLiteral(" Schein- "),
        {QStringLiteral("Widerst./Leitwert"),
         series ? QStringLiteral("Spannung") : QStringLiteral("Strom"), QStringLiteral("Leistung")},
        group);
    Auswahl->setGeometry(8, 18, 352, 44);
    Auswahl->placeItems({QRect(20, 20, 136, 20), QRect(160, 20, 110, 20), QRect(275, 20, 74, 20)});
    Schaltung = new RadioGroup(QStringLiteral("RLC_RG_") + s + QStringLiteral("_Schaltung"),
                               QStringLiteral(" Schaltung "),
                               {kCircuits[0], kCircuits[1], kCircuits[2]}, group);
    Schaltung->setGeometry(8, 66, 200, 44);
    Schaltung->placeItems({QRect(10, 20, 66, 20), QRect(80, 20, 56, 20), QRect(140, 20, 50, 20)});
    Display = new RadioGroup(QStringLiteral("RLC_RG_") + s + QStringLiteral("_Display"),
                             QStringLiteral(" Anzeige "),
                             {QStringLiteral("Widst."), QStringLiteral("Leitw.")}, group);
    Display->setGeometry(214, 66, 146, 44);
    Display->placeItems({QRect(10, 20, 62, 20), QRect(78, 20, 62, 20)});

    // the pictures in one place, one visible: each circuit in its three views
    std::vector<PictureSet::Entry> pictures;
    for (int c = 0; c < 3; ++c)
        for (int v = 1; v <= 3; ++v)
            pictures.push_back({pictureName(c, v - 1)});
    m_pictures = PictureSet(group, {26, 114}, 10, pictures);
    QLabel* note = Page::addLabel(group, QStringLiteral("U* Bezugsgröße der Berechnung"),
                                  QRect(26, 256, 300, 18), n.note);
    m_managed.insert(n.note, note);

    // the element column, right; fields that share a row lie on top of each other
    const int x = 368;
    const auto hint = [&](const char* seriesHint, const char* parallelHint) {
        return QString::fromUtf8(series ? seriesHint : parallelHint);
    };
    addRow(n.freqLabel, QStringLiteral("Frequenz F"), QStringLiteral("F"),
           QStringLiteral("Eingabe der Frequenz"), x, 20);
    addRow(L(qPrintable(n.ref)), n.refText, n.ref,
           hint("Eingabe der Scheinstrom", "Eingabe der Scheinspannung"), x, 46);
    addRow(
        L("R"), QString(), QStringLiteral("R"),
        hint("Eingabe des ohmschen Widerstandes", "Eingabe der Leistung des ohmschen Widerstandes"),
        x, 80);
    addRow({}, {}, QStringLiteral("G"),
           hint("Eingabe des ohmschen Widerstandes", "Eingabe des ohmschen Leitwertes"), x, 80);
    addRow(L(qPrintable(n.element)),
           series ? QStringLiteral("Wirkspannung UR") : QStringLiteral("Wirkstrom Ir"), n.element,
           hint("Eingabe der Spannung am ohmschen Widerstand",
                "Eingabe des Stromes durch den ohmschen Widerstand"),
           x, 106);
    addRow(L("P"), QStringLiteral("Wirkleistung P"), QStringLiteral("P"),
           hint("Eingabe der Leistung des ohmschen Widerstandes",
                "Eingabe der Leistung des ohmschen Widerstandes"),
           x, 106);
    addRow(L("L"), QStringLiteral("Induktivität L"), QStringLiteral("L"),
           QStringLiteral("Eingabe der Induktivität"), x, 140);
    addRow(L("XL"), QString(), QStringLiteral("XL"),
           hint("Eingabe des induktiven Blindwiderstandes", "Eingabe der induktiven Blindleistung"),
           x, 166);
    addRow(
        {}, {}, QStringLiteral("BL"),
        hint("Eingabe des induktiven Blindwiderstandes", "Eingabe des induktiven Blindleitwertes"),
        x, 166);
    addRow(L(qPrintable(n.elementL)),
           series ? QStringLiteral("Blindspannung UL") : QStringLiteral("Blindstrom IL"),
           n.elementL,
           hint("Eingabe der induktiven Blindspannung", "Eingabe des induktiven Blindstromes"), x,
           166);
    addRow(L("QL"), QStringLiteral("Blindleistung QL"), QStringLiteral("QL"),
           QStringLiteral("Eingabe der induktiven Blindleistung"), x, 166);
    addRow(L("C"), QStringLiteral("Kapazität C"), QStringLiteral("C"),
           QStringLiteral("Eingabe der Kapazität"), x, 200);
    addRow(
        L("XC"), QString(), QStringLiteral("XC"),
        hint("Eingabe des kapazitiven Blindwiderstandes", "Eingabe der induktiven Blindleistung"),
        x, 226);
    addRow(
        {}, {}, QStringLiteral("BC"),
        hint("Eingabe des induktiven Blindwiderstandes", "Eingabe des kapazitiven Blindleitwertes"),
        x, 226);
    addRow(L(qPrintable(n.elementC)),
           series ? QStringLiteral("Blindspannung UC") : QStringLiteral("Blindstrom -IC"),
           n.elementC,
           hint("Eingabe der kapazitiven Blindspannung", "Eingabe des kapazitiven Blindstromes"), x,
           226);
    addRow(L("QC"), QStringLiteral("Blindleistung QC"), QStringLiteral("QC"),
           QStringLiteral("Eingabe der kapazitiven Blindleistung"), x, 226);

    // magnitude and phase, bottom left
    const QString total = n.total;
    addRow(L("Z_2"), QString(), n.magnitude,
           hint("Betrages des Scheinwiderstandes", "Betrag des Scheinleitwertes"), 26, 280);
    addRow(L(qPrintable(total + "_2")),
           series ? QStringLiteral("Scheinspan. |U|") : QStringLiteral("Scheinstrom |I|"),
           total + QStringLiteral("_Be"),
           hint("Betrag der Scheinspannung", "Betrag des Scheinstromes"), 26, 280);
    addRow(L("S_2"), QStringLiteral("Scheinleistung |S|"), QStringLiteral("S_Be"),
           hint("Betrag des Scheinleistung", "Betrag der Scheinleistung"), 26, 280);
    addRow(L("e"), QStringLiteral("Phasenwinkel φ"), {}, {}, 26, 306);
    const auto result = [&](const QString& quantity, const QRect& geometry, const QString& tip) {
        EditField* f = Page::addField(group, m_prefix + quantity, geometry, tip);
        m_managed.insert(f->objectName(), f);
        return f;
    };
    // the phase angle lines up with the magnitude field above it
    result(QStringLiteral("deg"), QRect(184, 306, 96, kFieldHeight),
           QStringLiteral("Phasenwinkel (Altgrad)"));
    m_managed.insert(n.slash, Page::addLabel(group, QStringLiteral("/"),
                                             QRect(283, 306, 8, kFieldHeight), n.slash));
    result(QStringLiteral("rad"), QRect(292, 306, 72, kFieldHeight),
           QStringLiteral("Scheinstrom (Imaginärteil)"));

    // the complex row, bottom right
    const auto complexLabel = [&](const QString& name, const QString& text) {
        m_managed.insert(name, Page::addLabel(group, text, QRect(x, 260, 200, 18), name));
    };
    complexLabel(L(qPrintable(n.complexLabel)), QString());
    complexLabel(L(qPrintable(total + "_1")),
                 series ? QStringLiteral("Scheinspan. U") : QStringLiteral("Scheinstrom I"));
    complexLabel(L("S_1"), QStringLiteral("Scheinleistung S"));
    const QString totalName =
        series ? QStringLiteral("Scheinspannung") : QStringLiteral("Scheinstrom");
    result(QStringLiteral("Z_Re"), QRect(x, 280, 132, kFieldHeight),
           QStringLiteral("Scheinwiderstand  (Realteil)"));
    result(QStringLiteral("Z_Im"), QRect(x + 148, 280, 138, kFieldHeight),
           QStringLiteral("Scheinwiderstand (Imaginärteil)"));
    result(total + QStringLiteral("_Re"), QRect(x, 280, 132, kFieldHeight),
           totalName + QStringLiteral(" (Realteil)"));
    result(total + QStringLiteral("_Im"), QRect(x + 148, 280, 138, kFieldHeight),
           totalName + QStringLiteral(" (Imaginärteil)"));
    result(QStringLiteral("S_Re"), QRect(x, 280, 132, kFieldHeight),
           QStringLiteral("Scheinleistung  (Realteil)"));
    result(QStringLiteral("S_Im"), QRect(x + 148, 280, 138, kFieldHeight),
           QStringLiteral("Scheinleistung (Imaginärteil)"));
    m_managed.insert(L("j"), Page::addLabel(group, QStringLiteral("j"),
                                            QRect(x + 136, 280, 10, kFieldHeight), L("j")));

    for (const char* readOnly : {"deg", "rad", "Z_Re", "Z_Im", "S_Im"})
        field(QLatin1String(readOnly))->setReadOnly(true);
    field(total + QStringLiteral("_Im"))->setReadOnly(true);

    Page::addLabel(group, QStringLiteral("Berechnung nach dem Drücken der Enter-Taste"),
                   QRect(0, 336, 668, 20))
        ->setAlignment(Qt::AlignCenter);

    // Until the settings or the factory state arrive, the fields hold the factory values.
    const QStringList design =
        series ? QStringList{"F=10 MHz", "R=1", "G=1", "I=1", "L=42u", "C=10n"}
               : QStringList{"F=10 MHz", "R=50k", "G=20u", "U=10", "L=42u", "C=10n"};
    for (const QString& d : design)
        field(d.section('=', 0, 0))->setText(d.section('=', 1));

    Auswahl->setClickHandler([this] { applySelections(); });
    Schaltung->setClickHandler([this] {
        applySelections();
        calculate();
    });
    Display->setClickHandler([this] {
        applySelections();
        calculate();
    });

    // The entered quantity first turns into its element value; the reference (current or
    // voltage) and the frequency stay.
    const auto F = [this] {
        return static_cast<long double>(readValue(field(QStringLiteral("F"))));
    };
    const auto ref = [this, n] { return static_cast<long double>(readValue(field(n.ref))); };
    const auto show = [this](const char* quantity, long double v, const QString& unit) {
        writeValue(field(QLatin1String(quantity)), v, unit);
    };
    const QString H = QStringLiteral("H"), Fd = QStringLiteral("F"), S = QStringLiteral("S");
    using Act = std::function<void(long double)>;
    std::vector<std::tuple<QString, QString, Act>> inputs;
    inputs.emplace_back(QStringLiteral("F"), QStringLiteral("Hz"), Act());
    inputs.emplace_back(n.ref, series ? QStringLiteral("A") : QStringLiteral("V"), Act());
    inputs.emplace_back(QStringLiteral("L"), H, Act());
    inputs.emplace_back(QStringLiteral("C"), Fd, Act());
    inputs.emplace_back(QStringLiteral("XL"), kOhm, [=](long double XL) {
        show("L", XL / (kTwoPi * F()), H);
        show("BL", 1 / XL, S);
    });
    inputs.emplace_back(QStringLiteral("BL"), S, [=](long double BL) {
        show("L", 1 / (kTwoPi * F() * BL), H);
        show("XL", 1 / BL, kOhm);
    });
    inputs.emplace_back(QStringLiteral("XC"), kOhm, [=](long double XC) {
        show("C", 1 / (kTwoPi * F() * XC), Fd);
        show("BC", 1 / XC, S);
    });
    inputs.emplace_back(QStringLiteral("BC"), S, [=](long double BC) {
        show("C", BC / (kTwoPi * F()), Fd);
        show("XC", 1 / BC, kOhm);
    });
    if (series) {
        inputs.emplace_back(QStringLiteral("R"), kOhm, [=](long double R) { show("G", 1 / R, S); });
        inputs.emplace_back(QStringLiteral("G"), S, [=](long double G) { show("R", 1 / G, kOhm); });
        inputs.emplace_back(QStringLiteral("Ur"), QStringLiteral("V"),
                            [=](long double UR) { show("R", UR / ref(), kOhm); });
        inputs.emplace_back(QStringLiteral("P"), QStringLiteral("W"),
                            [=](long double P) { show("R", P / (ref() * ref()), kOhm); });
        inputs.emplace_back(QStringLiteral("UL"), QStringLiteral("V"),
                            [=](long double UL) { show("L", UL / (kTwoPi * F() * ref()), H); });
        inputs.emplace_back(QStringLiteral("QL"), QStringLiteral("var"), [=](long double QL) {
            show("L", QL / (kTwoPi * F() * ref() * ref()), H);
        });
        inputs.emplace_back(QStringLiteral("UC"), QStringLiteral("V"),
                            [=](long double UC) { show("C", ref() / (kTwoPi * F() * UC), Fd); });
        inputs.emplace_back(QStringLiteral("QC"), QStringLiteral("var"), [=](long double QC) {
            show("C", ref() * ref() / (kTwoPi * F() * QC), Fd);
        });
    } else {
        inputs.emplace_back(QStringLiteral("G"), S, [=](long double G) { show("R", 1 / G, kOhm); });
        inputs.emplace_back(QStringLiteral("R"), kOhm, [=](long double R) { show("G", 1 / R, S); });
        inputs.emplace_back(QStringLiteral("Ir"), QStringLiteral("A"),
                            [=](long double Ir) { show("G", Ir / ref(), S); });
        inputs.emplace_back(QStringLiteral("P"), QStringLiteral("W"),
                            [=](long double P) { show("G", P / (ref() * ref()), S); });
        inputs.emplace_back(QStringLiteral("IL"), QStringLiteral("A"),
                            [=](long double IL) { show("L", ref() / (kTwoPi * F() * IL), H); });
        inputs.emplace_back(QStringLiteral("QL"), QStringLiteral("var"), [=](long double QL) {
            show("L", ref() * ref() / (kTwoPi * F() * QL), H);
        });
        inputs.emplace_back(QStringLiteral("IC"), QStringLiteral("A"),
                            [=](long double IC) { show("C", IC / (kTwoPi * F() * ref()), Fd); });
        inputs.emplace_back(QStringLiteral("QC"), QStringLiteral("var"), [=](long double QC) {
            show("C", QC / (kTwoPi * F() * ref() * ref()), Fd);
        });
    }
    std::vector<InputField> table;
    for (const auto& [quantity, unit, act] : inputs) {
        table.push_back({field(quantity),
                         {.min = QStringLiteral("1e-14"), .max = QStringLiteral("1e+14")},
                         withUnit(unit),
                         [this, act = act](double v) {
                             if (act)
                                 act(v);
                             calculate();
                         }});
    }
    connectInputFields(table);
}

QSet<QString> RLCNetzwerk::visibleFor(int view, int circuit, int display) const
{
    const Names n = namesOf(m_kind);
    const QString s = n.side;
    const auto L = [&](const QString& rest) {
        return QStringLiteral("RLC_L_") + s + QLatin1Char('_') + rest;
    };
    const auto E = [&](const QString& quantity) { return m_prefix + quantity; };
    const bool widst = display == Widst;
    const bool hasL = circuit != RC;
    const bool hasC = circuit != RL;

    QSet<QString> v{n.freqLabel, E("F"),   L("R"), E(widst ? "R" : "G"), L("e"), E("deg"),
                    n.slash,     E("rad"), L("j")};
    if (hasL)
        v << L("L") << E("L");
    if (hasC)
        v << L("C") << E("C");
    if (view == Widerstand) {
        if (hasL)
            v << L("XL") << E(widst ? "XL" : "BL");
        if (hasC)
            v << L("XC") << E(widst ? "XC" : "BC");
        v << L("Z_2") << L(n.complexLabel) << E(n.magnitude) << E("Z_Re") << E("Z_Im");
        return v;
    }
    if (view != SpannungStrom && view != Leistung)
        return v;
    const bool power = view == Leistung;
    v << L(n.ref) << E(n.ref) << n.note;
    const QString row2 = power ? QStringLiteral("P") : n.element;
    v << L(row2) << E(row2);
    if (hasL) {
        const QString q = power ? QStringLiteral("QL") : n.elementL;
        v << L(q) << E(q);
    }
    if (hasC) {
        const QString q = power ? QStringLiteral("QC") : n.elementC;
        v << L(q) << E(q);
    }
    const QString t = power ? QStringLiteral("S") : n.total;
    v << L(t + "_2") << L(t + "_1") << E(t + "_Be") << E(t + "_Re") << E(t + "_Im");
    return v;
}

void RLCNetzwerk::applySelections()
{
    const QSet<QString> visible =
        visibleFor(Auswahl->itemIndex(), Schaltung->itemIndex(), Display->itemIndex());
    for (auto it = m_managed.cbegin(); it != m_managed.cend(); ++it)
        it.value()->setVisible(visible.contains(it.key()));
    m_pictures.show(pictureName(Schaltung->itemIndex(), Auswahl->itemIndex()));

    const Names n = namesOf(m_kind);
    const bool widst = Display->itemIndex() != Leitw;
    const auto caption = [&](const QString& rest, const char* widerstand, const char* leitwert) {
        label(QStringLiteral("RLC_L_") + n.side + QLatin1Char('_') + rest)
            ->setText(QString::fromUtf8(widst ? widerstand : leitwert));
    };
    caption(QStringLiteral("R"), "Wirkwiderstand R", "Wirkleitwert G");
    caption(QStringLiteral("XL"), "Blindwiderstand XL", "Blindleitwert BL");
    caption(QStringLiteral("XC"), "Blindwiderstand XC", "Blindleitwert BC");
    caption(QStringLiteral("Z_2"), "Scheinwiderstand", "Scheinleitwert");
    caption(n.complexLabel, "Scheinwiderst.", "Scheinleitwert");
}

void RLCNetzwerk::calculate()
{
    const auto val = [this](const char* quantity) -> long double {
        return readValue(field(QLatin1String(quantity)));
    };
    const auto show = [this](const QString& quantity, long double v, const QString& unit) {
        writeValue(field(quantity), v, unit);
    };
    const auto circuit = static_cast<rlc::Circuit>(qBound(0, Schaltung->itemIndex(), 2));
    const QString s = QStringLiteral("S"), V = QStringLiteral("V"), A = QStringLiteral("A");
    const QString W = QStringLiteral("W"), var = QStringLiteral("var"), VA = QStringLiteral("VA");
    const QString H = QStringLiteral("H"), Fd = QStringLiteral("F"), Hz = QStringLiteral("Hz");
    const bool leitw = Display->itemIndex() == Leitw;
    long double angle = 0;

    if (m_kind == Reihe) {
        const long double F = val("F"), R = val("R"), Lv = val("L"), C = val("C"), I = val("I");
        const rlc::Series r = rlc::series(F, R, Lv, C, I, circuit);
        show("F", F, Hz);
        show("R", R, kOhm);
        show("Ur", r.UR, V);
        show("P", r.P, W);
        show("L", Lv, H);
        show("XL", r.XL, kOhm);
        show("BL", r.BL, s);
        show("UL", r.UL, V);
        show("QL", r.QL, var);
        show("C", C, Fd);
        show("XC", r.XC, kOhm);
        show("BC", r.BC, s);
        show("UC", r.UC, V);
        show("QC", r.QC, var);
        writeText(label(QStringLiteral("RLC_L_R_j")), QStringLiteral("j"));
        if (leitw) {
            const long double d = R * R + r.X * r.X;
            show("Z_Re", R / d, s);
            show("Z_Im", -r.X / d, s);
            show("Z_Be", 1 / r.Z, s);
        } else {
            show("Z_Re", R, kOhm);
            show("Z_Im", r.X, kOhm);
            show("Z_Be", r.Z, kOhm);
        }
        show("U_Re", r.UR, V);
        show("U_Im", r.Uim, V);
        show("U_Be", r.U, V);
        show("S_Re", r.P, W);
        show("S_Im", r.Q, var);
        show("S_Be", r.S, VA);
        angle = leitw ? -r.phi : r.phi; // the angle of the admittance is the negative one
    } else {
        const long double F = val("F"), G = val("G"), Lv = val("L"), C = val("C"), U = val("U");
        const rlc::Parallel p = rlc::parallel(F, G, Lv, C, U, circuit);
        show("F", F, Hz);
        show("G", G, s);
        show("Ir", p.Ir, A);
        show("P", p.P, W);
        show("L", Lv, H);
        show("XL", p.XL, kOhm);
        show("BL", p.BL, s);
        show("IL", p.IL, A);
        show("QL", p.QL, var);
        show("C", C, Fd);
        show("XC", p.XC, kOhm);
        show("BC", p.BC, s);
        show("IC", p.IC, A);
        show("QC", p.QC, var);
        writeText(label(QStringLiteral("RLC_L_P_j")), QStringLiteral("j"));
        if (leitw) {
            show("Z_Re", G, s);
            show("Z_Im", p.B, s);
            show("Y_Be", p.Y, s);
        } else {
            const long double d = G * G + p.B * p.B;
            show("Z_Re", G / d, kOhm);
            show("Z_Im", p.B / d, kOhm);
            show("Y_Be", 1 / p.Y, kOhm);
        }
        show("I_Re", p.Ir, A);
        show("I_Im", p.Iim, A);
        show("I_Be", p.I, A);
        show("S_Re", p.P, W);
        show("S_Im", p.Q, var);
        show("S_Be", p.S, VA);
        angle = leitw ? p.phi : -p.phi; // the angle of the impedance is the negative one
    }
    writeText(field(QStringLiteral("deg")),
              fixedText(angle * rlc::kDegreesPerRadian) + QStringLiteral(" °deg"));
    writeText(field(QStringLiteral("rad")), fixedText(angle) + QStringLiteral(" rad"));
}

RLC::RLC(QWidget* parent)
    : Page(parent)
{
    PageControl3 = new QTabWidget(this);
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(PageControl3);
    m_series = new RLCNetzwerk(RLCNetzwerk::Reihe);
    m_parallel = new RLCNetzwerk(RLCNetzwerk::Parallel);
    PageControl3->addTab(m_series, QStringLiteral("Reihe"));
    PageControl3->addTab(m_parallel, QStringLiteral("Parallel"));

    const auto text = [this](RLCNetzwerk* side, const char* quantity, const char* key,
                             const char* fallback, std::optional<QString> factory = {}) {
        persistence().text(side->field(QLatin1String(quantity)), QLatin1String(key),
                           QLatin1String(fallback), factory);
    };
    const QString O = kOhm;
    persistence()
        .section(QStringLiteral("RLC-Register"))
        .tab(PageControl3, "RLC-Karte", 0)
        .section(QStringLiteral("RLC-Netzwerk-Reihe"))
        .item(m_series->Display, "Anzeige", 0, 0, 0);
    text(m_series, "F", "Frequenz", "2,00", "10,000 MHz");
    text(m_series, "R", "Wirkwiderstand", "2,50", "1,000 " + O);
    text(m_series, "G", "Wirkleitwert", "0,00", "1,000 S");
    text(m_series, "Ur", "Wirkspannung", "2,00");
    text(m_series, "I", "Wirkstrom", "10,00", "1,000 A");
    text(m_series, "P", "Wirkleistung", "2,00");
    text(m_series, "L", "Induktivitaet", "2,00", "42,000 µH");
    text(m_series, "XL", "Blindwiderstand_L", "2,00");
    text(m_series, "BL", "Blindleitwert_L", "0,50", "3,403 µS");
    text(m_series, "UL", "Blindspannung_L", "2,00");
    text(m_series, "QL", "Blindleistung_L", "2,00");
    text(m_series, "C", "Kapazitaet", "2,00", "10,000 nF");
    text(m_series, "XC", "Blindwiderstand_C", "2,00");
    text(m_series, "BC", "Blindleitwert_C", "0,50", "628,140 mS");
    text(m_series, "UC", "Blindspannung_C", "2,00");
    text(m_series, "QC", "Blindleistung_C", "2,00");
    RadioGroup* seriesView = m_series->Auswahl;
    persistence()
        .item(seriesView, "R-U-P", 0, 0, 0)
        .item(m_series->Schaltung, "Schaltung", 0, 0, 0)
        .custom("Scheinspannung", {}, // written, never read
                [seriesView](IniDocument& ini, const QString& section, const QString& key) {
                    ini.setInteger(section, key, seriesView->itemIndex());
                });

    // R is 1 / G at the first start: 20 µS stand for 50 kΩ.
    persistence()
        .section(QStringLiteral("RLC-Netzwerk-Parallel"))
        .item(m_parallel->Display, "Anzeige", 0, 0, 1);
    text(m_parallel, "F", "Frequenz", "2,00", "10,000 MHz");
    text(m_parallel, "G", "Wirkleitwert", "0,02", "0,020 mS");
    text(m_parallel, "R", "Wirkwiderstand", "50,00", "50,000 k" + O);
    text(m_parallel, "Ir", "Wirkstrom", "2,00");
    text(m_parallel, "P", "Wirkleistung", "2,00");
    text(m_parallel, "L", "Induktivitaet", "2,00", "42,000 µH");
    text(m_parallel, "BL", "Blindleitwert_L", "0,50");
    text(m_parallel, "XL", "Blindwiderstand_L", "2,00", "2,638 k" + O);
    text(m_parallel, "IL", "Blindstrom_L", "2,00");
    text(m_parallel, "QL", "Blindleistung_L", "2,00");
    text(m_parallel, "C", "Kapazitaet", "2,00", "10,000 nF");
    text(m_parallel, "BC", "Blindleitwert_C", "0,50");
    text(m_parallel, "XC", "Blindwiderstand_C", "2,00", "1,591 " + O);
    text(m_parallel, "IC", "Blindstrom_C", "2,00");
    text(m_parallel, "QC", "Blindleistung_C", "2,00");
    text(m_parallel, "U", "Scheinspannung", "2,00", "10,000 V");
    text(m_parallel, "Ir", "Scheinstrom", "2,00"); // the same field as "Wirkstrom", read after it
    RLCNetzwerk* parallel = m_parallel;
    persistence()
        .item(m_parallel->Auswahl, "R-I-P", 0, 0, 0)
        .afterLoad([parallel] {
            const bool currentView = parallel->Auswahl->itemIndex() == 1;
            parallel->label(QStringLiteral("RLC_L_P_Ir"))->setVisible(currentView);
            parallel->field(QStringLiteral("Ir"))->setVisible(currentView);
        })
        .item(m_parallel->Schaltung, "Schaltung", 0, 0, 0);
}

void RLC::RLC_R_Berechnung() { m_series->calculate(); }

void RLC::RLC_P_Berechnung() { m_parallel->calculate(); }

void RLC::reformat()
{
    EditField* current = m_series->field(QStringLiteral("I"));
    writeValue(current, readValue(current), QStringLiteral("A"));
    RLC_R_Berechnung();
    EditField* voltage = m_parallel->field(QStringLiteral("U"));
    writeValue(voltage, readValue(voltage), QStringLiteral("V"));
    RLC_P_Berechnung();
}

} // namespace ampero
