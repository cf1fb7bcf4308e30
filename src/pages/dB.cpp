#include "dB.h"

#include "platform/Fonts.h"
#include "rf/Levels.h"
#include "schematics/PictureWidget.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/Handlers.h"
#include "widgets/InputFields.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ampero {

struct dB::SubPage {
    QString caption, component, group, picture, pictureHint;
    QString in, inLabel, inHint, inDesign;
    QString gain, gainHint, gainDesign;
    QString factor, factorHint, factorDesign, factorMin, factorMax;
    QString out, outLabel, outHint, outDesign;
    QString word, wordHint;
};

namespace {

// Both sub-pages share one layout: the picture in the middle of the group box, the input
// beside its left terminals, the output beside its right ones, gain and factor in the box.
constexpr int kUnit = 10;        // pixels per grid unit of the picture
const QPoint kPictureAt(26, 26); // in the group box
constexpr int kFieldWidth = 118;
constexpr int kFieldHeight = 22;

QRect onPicture(int x, int y, int w, int h) { return {kPictureAt + QPoint(x, y), QSize(w, h)}; }

const QString kWordGain = QStringLiteral("Verstärkung");
const QString kWordLoss = QStringLiteral("Dämpfung");

QString gainWord(int sign) { return sign > 0 ? kWordGain : sign < 0 ? kWordLoss : QString(); }
int signOf(long double v, long double neutral) { return v > neutral ? 1 : v < neutral ? -1 : 0; }

QString dBText(long double a) { return fixedText(a) + QStringLiteral(" dB"); }

} // namespace

dB::dB(QWidget* parent)
    : Page(parent)
{
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(PageControl2);

    const SubPage power{
        .caption = QStringLiteral("Leistung"),
        .component = QStringLiteral("dB_Leistung"),
        .group = QStringLiteral(" leistungsproportional   dB - Faktor "),
        .picture = QStringLiteral("dB_I_Leistung"),
        .pictureHint = QStringLiteral("Leistungsfluß"),
        .in = QStringLiteral("db_P_E_Pin"),
        .inLabel = QStringLiteral("Eingangs- leistung Pin"),
        .inHint = QStringLiteral("Eingangsleistung"),
        .inDesign = QStringLiteral("20"),
        .gain = QStringLiteral("db_P_a_dB"),
        .gainHint = QStringLiteral("Verhältnis der Leistungen in dB"),
        .gainDesign = QStringLiteral(" 10"),
        .factor = QStringLiteral("db_P_a_lin"),
        .factorHint = QStringLiteral("Verhältnis der Leistungen im Faktor"),
        .factorDesign = QStringLiteral(" 10"),
        .factorMin = QStringLiteral("1585e-27"),
        .factorMax = QStringLiteral("631e27"),
        .out = QStringLiteral("db_P_E_Pout"),
        .outLabel = QStringLiteral("Ausgangs- leistung Pout"),
        .outHint = QStringLiteral("Ausgangsleistung"),
        .outDesign = QStringLiteral("10"),
        .word = QStringLiteral("dB_L_P_Verstaerkung"),
        .wordHint = QStringLiteral("Klicken zum Berechnen der Verstärkung (Eingabe Pin)"),
    };
    const SubPage voltage{
        .caption = QStringLiteral("Spannung"),
        .component = QStringLiteral("dB_Spannung"),
        .group = QStringLiteral(" spannungsproportional  dB - Faktor "),
        .picture = QStringLiteral("dB_I_Spannung"),
        .pictureHint = QString(),
        .in = QStringLiteral("dB_U_E_Uin"),
        .inLabel = QStringLiteral("Eingangs- spannung Uin"),
        .inHint = QStringLiteral("Eingangsspannung"),
        .inDesign = QStringLiteral(" 20"),
        .gain = QStringLiteral("db_U_a_dB"),
        .gainHint = QStringLiteral("Verhältnis der Spannungen in dB"),
        .gainDesign = QStringLiteral("10"),
        .factor = QStringLiteral("dB_U_a_lin"),
        .factorHint = QStringLiteral("Verhältnis der Spannungen im Faktor"),
        .factorDesign = QStringLiteral("10"),
        .factorMin = QStringLiteral("129e-13"),
        .factorMax = QStringLiteral("8e+14 "), // the blank is shown in the range message
        .out = QStringLiteral("dB_U_E_Uout"),
        .outLabel = QStringLiteral("Ausgangs- spannung Uout"),
        .outHint = QStringLiteral("Ausgangsspannung"),
        .outDesign = QStringLiteral("10"),
        .word = QStringLiteral("dB_L_U_Verstaerkung"),
        .wordHint = QStringLiteral("Klicken zum Berechnen der Verstärkung (Eingabe Uin)"),
    };
    PageControl2->addTab(buildSubPage(m_power, power), power.caption);
    PageControl2->addTab(buildSubPage(m_voltage, voltage), voltage.caption);
    PageControl2->setCurrentIndex(1); // designed with "Spannung" in front

    // The power sub-page is read first and its gain/loss word follows its factor. "Va" is read
    // before the texts into the font size of that word, and written after them, always as 0.
    QLabel* powerWord = m_power.word;
    const Persistence::Store zero = [](IniDocument& ini, const QString& section,
                                       const QString& key) { ini.setBool(section, key, false); };
    persistence()
        .storeSections({QStringLiteral("dB-Register"), QStringLiteral("dB-U"),
                        QStringLiteral("dB-P")})
        .section(QStringLiteral("dB-Register"))
        .tab(PageControl2, "dB-Karte", 2)
        .section(QStringLiteral("dB-P"))
        .custom(
            "Va",
            [powerWord](const StoredSettings& stored, const QString& section, const QString& key) {
                QFont font = powerWord->font();
                font.setPointSize(stored.boolean(section, key, true) ? 18 : 14);
                powerWord->setFont(font);
            },
            {});
    declareRatio(m_power, "Pin-Zahl", "Pout-Zahl", "10,000");
    persistence().custom("Va", {}, zero).section(QStringLiteral("dB-U"));
    declareRatio(m_voltage, "Uin-Zahl", "Uout-Zahl", "20,000");
    persistence().custom("Va", {}, zero);
}

void dB::declareRatio(Ratio& r, const char* inKey, const char* outKey, const char* gain)
{
    Ratio* ratio = &r;
    persistence()
        .text(r.in, inKey, "20,000", "20,000 " + r.unit)
        .text(r.out, outKey, "200,000", "200,000 " + r.unit)
        .text(r.gain, "a-dB", gain, QString::fromLatin1(gain) + " dB")
        .text(r.factor, "a-lin", "10,000", "10,000")
        .afterLoad([ratio] { writeText(ratio->word, gainWord(signOf(readValue(ratio->factor), 1))); });
}

QWidget* dB::buildSubPage(Ratio& r, const SubPage& t)
{
    auto* page = new QWidget;
    page->setObjectName(t.component);
    auto* group = new QGroupBox(t.group, page);
    group->setGeometry(4, 4, 672, 350);

    auto* picture = new PictureWidget(t.picture, kUnit, group);
    picture->move(kPictureAt);
    picture->setToolTip(t.pictureHint);

    // gain/loss word above the box
    r.word = addLabel(group, kWordGain, onPicture(180, 2, 260, 30), t.word);
    r.word->setFont(arialFont(19));
    r.word->setAlignment(Qt::AlignCenter);
    r.word->setToolTip(t.wordHint);

    // input and output beside the terminals, their labels above them
    const int fieldY = 125 - kFieldHeight / 2;
    auto* inLabel = addLabel(group, t.inLabel, onPicture(0, fieldY - 40, 104, 36));
    inLabel->setWordWrap(true);
    inLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    r.in = addField(group, t.in, onPicture(0, fieldY, kFieldWidth, kFieldHeight), t.inHint);
    auto* outLabel =
        addLabel(group, t.outLabel, onPicture(620 - kFieldWidth, fieldY - 40, 104, 36));
    outLabel->setWordWrap(true);
    outLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    r.out = addField(group, t.out, onPicture(620 - kFieldWidth, fieldY, kFieldWidth, kFieldHeight),
                     t.outHint);

    // gain at the top of the box, factor at its bottom, the note between them
    addLabel(group, QStringLiteral("a"), onPicture(230, 66, 50, kFieldHeight))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.gain = addField(group, t.gain, onPicture(286, 66, kFieldWidth, kFieldHeight), t.gainHint);
    addLabel(group, QStringLiteral("Faktor"), onPicture(230, 168, 50, kFieldHeight))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.factor =
        addField(group, t.factor, onPicture(286, 168, kFieldWidth, kFieldHeight), t.factorHint);

    auto* note = new QPlainTextEdit(group);
    note->setObjectName(t.component + QStringLiteral("_M_Hinweis"));
    note->setPlainText(
        QStringLiteral("Verstärkung:   a > 0 / Faktor > 1\nDämpfung:      a < 0 / Faktor < 1"));
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::NoFocus);
    note->setFrameShape(QFrame::NoFrame);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setGeometry(onPicture(200, 104, 232, 44));

    addLabel(group, QStringLiteral("Berechnung nach dem Drücken der Enter-Taste"),
             QRect(0, 286, 672, 20))
        ->setAlignment(Qt::AlignCenter);

    r.in->setText(t.inDesign);
    r.gain->setText(t.gainDesign);
    r.factor->setText(t.factorDesign);
    r.out->setText(t.outDesign);

    // The output field has no key handler: typing into it changes nothing else.
    const QString dBUnit = QStringLiteral(" dB");
    const FieldRule inRule{.min = QStringLiteral("1e-12"), .max = QStringLiteral("1e12")};
    const FieldRule gainRule{.messages = MessageSet::B,
                             .min = QStringLiteral("-298"),
                             .max = QStringLiteral("298"),
                             .reason = dBUnit + QStringLiteral(" ist nicht richtig !"),
                             .unit = dBUnit};
    const FieldRule factorRule{.messages = MessageSet::B, .min = t.factorMin, .max = t.factorMax};
    Ratio* ratio = &r;
    connectInputFields({
                                  {r.in, inRule, withUnit(r.unit),
                                   [this, ratio](double v) { dB_Eingang_Berechnung(*ratio, v); }},
                                  {r.gain, gainRule, fixedWith(dBUnit),
                                   [this, ratio](double v) { dB_a_Berechnung(*ratio, v); }},
                                  {r.factor, factorRule, [](double v) { return ratioText(v); },
                                   [this, ratio](double v) { dB_Faktor_Berechnung(*ratio, v); }},
                              });
    // Leaving a ratio field takes what was typed there without Enter. A text the program
    // wrote is left alone: re-reading a rounded factor ("0,00" for 1m) would turn it into 0.
    const auto onLeave = [this](EditField* field, void (dB::*leave)(Ratio&), Ratio* ratio) {
        connect(field, &EditField::left, this, [this, field, leave, ratio] {
            if (field->isEdited())
                runHandler(
                    this, [&] { (this->*leave)(*ratio); }, Report::Later);
        });
    };
    onLeave(r.gain, &dB::dB_a_Verlassen, ratio);
    onLeave(r.factor, &dB::dB_Faktor_Verlassen, ratio);
    return page;
}

void dB::reformat()
{
    reformatRatio(m_voltage);
    reformatRatio(m_power);
}

void dB::reformatRatio(Ratio& r)
{
    const double xin = readValue(r.in);
    writeValue(r.in, xin, r.unit);
    writeValue(r.out, readPlain(r.factor) * xin, r.unit);
}

QString dB::ratioText(long double f)
{
    if (f < 0.001L || f > 1000.0L)
        return exponentText(f, 2);
    return fixedText(f);
}

void dB::dB_Eingang_Berechnung(Ratio& r, double xin)
{
    const long double f = readPlain(r.factor);
    writeValue(r.out, f * xin, r.unit);
}

void dB::dB_a_Berechnung(Ratio& r, double a)
{
    writeText(r.factor, ratioText(levels::factorFromDecibels(a, r.k)));
    const double xin = readValue(r.in);
    writeValue(r.out, levels::throughGain(xin, a, r.k), r.unit);
    writeText(r.word, gainWord(signOf(a, 0)));
}

void dB::dB_Faktor_Berechnung(Ratio& r, double f)
{
    writeText(r.gain, dBText(levels::decibelsFromFactor(f, r.k)));
    const double xin = readValue(r.in);
    writeValue(r.out, static_cast<long double>(xin) * f, r.unit);
    writeText(r.word, gainWord(signOf(f, 1)));
}

void dB::dB_a_Verlassen(Ratio& r)
{
    const double a = readValue(r.gain);
    writeText(r.factor, ratioText(levels::factorFromDecibels(a, r.k)));
    writeText(r.gain, dBText(a));
    writeText(r.word, gainWord(signOf(a, 0)));
}

void dB::dB_Faktor_Verlassen(Ratio& r)
{
    const double f = readValue(r.factor);
    writeText(r.factor, ratioText(f));
    writeText(r.gain, dBText(levels::decibelsFromFactor(f, r.k)));
    const double xin = readValue(r.in);
    writeValue(r.out, static_cast<long double>(xin) * f, r.unit);
    writeText(r.word, gainWord(signOf(f, 1)));
}

} // namespace ampero
