#include "dBrel.h"

#include "rf/Levels.h"
#include "schematics/PictureWidget.h"
#include "settings/IniDocument.h"
#include "settings/StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"
#include "widgets/Colours.h"
#include "widgets/EditField.h"
#include "widgets/Fields.h"
#include "widgets/InputFields.h"

#include <QGroupBox>
#include <QLabel>

namespace ampero {

QString dBrel_Einheit = QStringLiteral("V");

namespace {

using levels::F1;
using levels::F10;
using levels::F20;
using levels::F3;
using levels::F6;

constexpr int kFieldWidth = 118;
constexpr int kFieldHeight = 22;

const QString kSection = QStringLiteral("dBrel");

QString dBText(long double a) { return fixedText(a) + QStringLiteral(" dB"); }

long double voltageFactor(long double dB) { return levels::factorFromDecibels(dB, 20); }
long double voltageDecibels(long double ratio) { return levels::decibelsFromFactor(ratio, 20); }

} // namespace

dBrel::dBrel(QWidget* parent)
    : Page(parent)
{
    auto* group = new QGroupBox(QStringLiteral(" dB relativ "), this);
    group->setGeometry(6, 6, 676, 384);
    setWindowColours(group, kCream, Qt::black);

    // the step values, left
    buildStepBox(group, QRect(12, 24, 214, 164),
                 {{"+20 dB", "dBrelU_E_p20dB"},
                  {"+10 dB", "dBrelU_E_p10dB"},
                  {"+6 dB", "dBrelU_E_p6dB"},
                  {"+3 dB", "dBrelU_E_p3dB"},
                  {"+1 dB", "dBrelU_E_p1dB"}});
    buildStepBox(group, QRect(12, 196, 214, 164),
                 {{"-1 dB", "dBrelU_E_m1dB"},
                  {"-3 dB", "dBrelU_E_m3dB"},
                  {"-6 dB", "dBrelU_E_m6dB"},
                  {"-10 dB", "dBrelU_E_m10dB"},
                  {"-20 dB", "dBrelU_E_m20dB"}});

    // the reference between the two level diagrams, middle
    (new PictureWidget(QStringLiteral("dBrel_I_plus"), 10, group))->move(236, 28);
    auto* refLabel =
        addLabel(group, QStringLiteral("Referenzwert = 0dB"), QRect(236, 168, 220, 18));
    refLabel->setAlignment(Qt::AlignCenter);
    addField(group, QStringLiteral("dBrelU_E_0dB"), QRect(287, 188, kFieldWidth, kFieldHeight),
             QStringLiteral("Eingabe des Referenzwertes"));
    (new PictureWidget(QStringLiteral("dBrel_I_minus"), 10, group))->move(236, 220);

    // the comparison values, right
    const auto box = [group](const QString& caption, const QRect& geometry) {
        auto* b = new QGroupBox(caption, group);
        b->setGeometry(geometry);
        return b;
    };
    const auto sign = [](QWidget* parent, const QString& text, int y) {
        addLabel(parent, text, QRect(14, y, 40, kFieldHeight))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    QGroupBox* above = box(QStringLiteral(" > Referenzwert "), QRect(468, 20, 196, 96));
    addField(above, QStringLiteral("dBrelU_E_pUdB"), QRect(60, 28, kFieldWidth, kFieldHeight));
    sign(above, QStringLiteral("+"), 60);
    addField(above, QStringLiteral("dBrelU_E_pdB"), QRect(60, 60, kFieldWidth, kFieldHeight),
             QStringLiteral("Eingabe "));
    QGroupBox* band = box(QStringLiteral(" > - < Referenzwert  "), QRect(468, 124, 196, 122));
    addField(band, QStringLiteral("dBrelU_E_pmUdBo"), QRect(60, 28, kFieldWidth, kFieldHeight));
    sign(band, QStringLiteral("±"), 58);
    addField(band, QStringLiteral("dBrelU_E_pmdB"), QRect(60, 58, kFieldWidth, kFieldHeight),
             QStringLiteral("Eingabe "));
    addField(band, QStringLiteral("dBrelU_E_pmUdBu"), QRect(60, 88, kFieldWidth, kFieldHeight));
    QGroupBox* below = box(QStringLiteral(" < Referenzwert "), QRect(468, 254, 196, 96));
    addField(below, QStringLiteral("dBrelU_E_mdB"), QRect(60, 28, kFieldWidth, kFieldHeight));
    sign(below, QStringLiteral("-"), 60);
    addField(below, QStringLiteral("dBrelU_E_mUdB"), QRect(60, 60, kFieldWidth, kFieldHeight));

    addLabel(group, QStringLiteral("Berechnung nach Drücken der Enter-Taste"),
             QRect(0, 358, 676, 20))
        ->setAlignment(Qt::AlignCenter);

    for (EditField* f : group->findChildren<EditField*>())
        f->setText(QStringLiteral(" 775"));
    field("dBrelU_E_pdB")->setText(QStringLiteral(" 4"));
    field("dBrelU_E_mdB")->setText(QStringLiteral(" 4"));
    field("dBrelU_E_pmdB")->setText(QStringLiteral(" 1"));

    // The reference comes back from the settings in prefix form (the notation follows after
    // loading); the step and comparison values are recomputed, not stored. Values below 1 V
    // carry their prefix, as the page shows them after any entry.
    EditField* ref = field("dBrelU_E_0dB");
    persistence()
        .section(QStringLiteral("dBrel"))
        .text(ref, "Ref-Zahl", "775,000", "775,000 mV")
        .afterLoad(
            [ref] { writeText(ref, Zahlenausgabe(Zahleneingabe(ref->text())) + dBrel_Einheit); })
        .text(field("dBrelU_E_pdB"), "plusdB", "1,500", "4,500 dB")
        .text(field("dBrelU_E_mdB"), "minusdB", "2,500", "4,500 dB")
        .text(field("dBrelU_E_pmdB"), "plusminusdB", "1,000", "1,000 dB")
        .custom("Anzeige", {}, [](IniDocument& ini, const QString& section, const QString& key) {
            ini.setInteger(section, key, static_cast<int>(notation()));
        });
    const std::pair<const char*, const char*> results[] = {
        {"dBrelU_E_p20dB", "7,750 V"},     {"dBrelU_E_p10dB", "2,451 V"},
        {"dBrelU_E_p6dB", "1,546 V"},      {"dBrelU_E_p3dB", "1,095 V"},
        {"dBrelU_E_p1dB", "869,564 mV"},   {"dBrelU_E_m1dB", "690,719 mV"},
        {"dBrelU_E_m3dB", "548,658 mV"},   {"dBrelU_E_m6dB", "388,420 mV"},
        {"dBrelU_E_m10dB", "245,077 mV"},  {"dBrelU_E_m20dB", "77,500 mV"},
        {"dBrelU_E_pUdB", "1,301 V"},      {"dBrelU_E_pmUdBo", "820,922 mV"},
        {"dBrelU_E_pmUdBu", "731,647 mV"}, {"dBrelU_E_mUdB", "461,638 mV"},
    };
    for (const auto& [name, text] : results)
        persistence().factoryText(field(name), QString::fromUtf8(text));

    // Tab runs from the reference through the comparison boxes, top to bottom.
    const char* const tabOrder[] = {"dBrelU_E_0dB",    "dBrelU_E_pUdB", "dBrelU_E_pdB",
                                    "dBrelU_E_pmUdBo", "dBrelU_E_pmdB", "dBrelU_E_pmUdBu",
                                    "dBrelU_E_mdB",    "dBrelU_E_mUdB"};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(field(tabOrder[i - 1]), field(tabOrder[i]));

    const auto value = [this](const char* name, const char* min, const char* max, int eingabe) {
        return InputField{field(name),
                          {.min = QLatin1String(min), .max = QLatin1String(max)},
                          [](double v) { return displayWithUnit(v, dBrel_Einheit); },
                          [this, eingabe](double) { dBrel_Berechnung(eingabe); }};
    };
    const auto decibels = [this](const char* name, const char* min, const char* max, int eingabe) {
        return InputField{field(name),
                          {.min = QLatin1String(min), .max = QLatin1String(max)},
                          fixedWith(QStringLiteral(" dB")),
                          [this, eingabe](double) { dBrel_Berechnung(eingabe); }};
    };
    connectInputFields({
        value("dBrelU_E_0dB", "1e-24", "1e24", 0),
        decibels("dBrelU_E_pdB", "0", "120", 1),
        value("dBrelU_E_pUdB", "1e-28", "1e28", 2),
        decibels("dBrelU_E_pmdB", "1e-28", "1e28", 3),
        value("dBrelU_E_pmUdBo", "1e-28", "1e28", 4),
        value("dBrelU_E_pmUdBu", "1e-28", "1e28", 5),
        decibels("dBrelU_E_mdB", "0", "120", 6),
        value("dBrelU_E_mUdB", "1e-28", "1e28", 7),
    });
}

QWidget* dBrel::buildStepBox(QWidget* parent, const QRect& geometry,
                             const std::initializer_list<std::pair<const char*, const char*>>& rows)
{
    auto* box = new QGroupBox(parent);
    box->setGeometry(geometry);
    int y = 14;
    for (const auto& [label, name] : rows) {
        addLabel(box, QLatin1String(label), QRect(10, y, 66, kFieldHeight))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EditField* step =
            addField(box, QLatin1String(name), QRect(84, y, kFieldWidth, kFieldHeight));
        step->setReadOnly(true);
        step->setFocusPolicy(Qt::ClickFocus); // results: Tab runs through the inputs only
        y += 29;
    }
    return box;
}

EditField* dBrel::field(const char* name) const
{
    return findChild<EditField*>(QLatin1String(name));
}

void dBrel::dBrel_Berechnung(int Eingabe)
{
    const auto volts = [this](const char* name, long double v) {
        writeValue(field(name), v, dBrel_Einheit);
    };
    const auto decibels = [this](const char* name, long double a) {
        writeText(field(name), dBText(a));
    };
    const auto read = [this](const char* name) -> long double { return readValue(field(name)); };

    const long double ref = read("dBrelU_E_0dB");
    switch (Eingabe) {
    case 0: {
        volts("dBrelU_E_p1dB", ref * F1);
        volts("dBrelU_E_p3dB", ref * F3);
        volts("dBrelU_E_p6dB", ref * F6);
        volts("dBrelU_E_p10dB", ref * F10);
        volts("dBrelU_E_p20dB", ref * F20);
        volts("dBrelU_E_m1dB", ref / F1);
        volts("dBrelU_E_m3dB", ref / F3);
        volts("dBrelU_E_m6dB", ref / F6);
        volts("dBrelU_E_m10dB", ref / F10);
        volts("dBrelU_E_m20dB", ref / F20);
        volts("dBrelU_E_pUdB", ref * voltageFactor(read("dBrelU_E_pdB")));
        const long double half = levels::halfBandFactor(read("dBrelU_E_pmdB"));
        volts("dBrelU_E_pmUdBo", ref * half);
        volts("dBrelU_E_pmUdBu", ref / half);
        volts("dBrelU_E_mUdB", ref / voltageFactor(read("dBrelU_E_mdB")));
        break;
    }
    case 1:
        volts("dBrelU_E_pUdB", ref * voltageFactor(read("dBrelU_E_pdB")));
        break;
    case 2:
        decibels("dBrelU_E_pdB", voltageDecibels(read("dBrelU_E_pUdB") / ref));
        break;
    case 3: {
        const long double half = levels::halfBandFactor(read("dBrelU_E_pmdB"));
        volts("dBrelU_E_pmUdBo", ref * half);
        volts("dBrelU_E_pmUdBu", ref / half);
        break;
    }
    case 4: {
        const long double upper = read("dBrelU_E_pmUdBo");
        const long double band = levels::bandFromUpper(upper, ref);
        decibels("dBrelU_E_pmdB", band);
        volts("dBrelU_E_pmUdBu", upper / voltageFactor(band));
        break;
    }
    case 5: {
        const long double lower = read("dBrelU_E_pmUdBu");
        const long double band = levels::bandFromLower(lower, ref);
        decibels("dBrelU_E_pmdB", band);
        volts("dBrelU_E_pmUdBo", voltageFactor(band) * lower);
        break;
    }
    case 6:
        volts("dBrelU_E_mUdB", ref / voltageFactor(read("dBrelU_E_mdB")));
        break;
    case 7:
        decibels("dBrelU_E_mdB", voltageDecibels(ref / read("dBrelU_E_mUdB")));
        break;
    default:
        break;
    }
}

void dBrel::loadSettings(const StoredSettings& stored)
{
    Page::loadSettings(stored);
    dBrel_Berechnung(0);
}

void dBrel::reformat()
{
    EditField* ref = field("dBrelU_E_0dB");
    writeValue(ref, readValue(ref), dBrel_Einheit);
    dBrel_Berechnung(0);
}

} // namespace ampero
