#include "Optionen361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "platform/Fonts.h"
#include "platform/WindowStyles.h"
#include "ProgramState.h"
#include "values/DisplayOptions.h"
#include "widgets/Handlers.h"
#include "widgets/RadioGroup.h"
#include "windows/SpannungStrom.h"
#include "widgets/WindowKeys.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ampero {

TForm3::TForm3(QWidget* owner)
    : QWidget(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("  Optionen"));
    setFixedSize(519, 318);
    setFont(arialFont(13));

    auto* allgemein = new QGroupBox(QStringLiteral(" Allgemein "), this);
    allgemein->setGeometry(12, 10, 240, 128);
    auto* checks = new QVBoxLayout(allgemein);
    const auto addCheck = [&](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, allgemein);
        box->setObjectName(QLatin1String(name));
        checks->addWidget(box);
        return box;
    };
    CBKurzhinweise = addCheck("CBKurzhinweise", QStringLiteral("Kurzhinweise  anzeigen"));
    Optionen_CB_AutoUpdate =
        addCheck("Optionen_CB_AutoUpdate", QStringLiteral("automatisch nach Updates sehen"));
    CB_Vordergrund = addCheck("CB_Vordergrund", QStringLiteral("immer im Vordergrund"));
    checks->addStretch();

    UI_Position = new RadioGroup(QStringLiteral("UI_Position"), QStringLiteral("U / I - Fenster"),
                                 {QStringLiteral("über dem Hauptfenster"),
                                  QStringLiteral("links neben dem Hauptfenster"),
                                  QStringLiteral("rechts neben dem Hauptfenster")},
                                 this);
    UI_Position->setGeometry(266, 10, 241, 128);
    RG_Nachkomma = new RadioGroup(
        QStringLiteral("RG_Nachkomma"), QStringLiteral(" Nachkommastellen "),
        {QStringLiteral("1 Stelle"), QStringLiteral("2 Stellen"), QStringLiteral("3 Stellen")},
        this);
    RG_Nachkomma->setGeometry(12, 150, 240, 116);
    RG_Ansicht = new RadioGroup(QStringLiteral("RG_Ansicht"), QStringLiteral(" Ergebnis Ansicht "),
                                {QStringLiteral("mit Präfix Symbol"),
                                 QStringLiteral("wissenschaftliche Notation (SCI)"),
                                 QStringLiteral("technische Notation (ENG)")},
                                this);
    RG_Ansicht->setGeometry(266, 150, 241, 116);
    RG_Ansicht->setItemIndex(0);

    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(407, 278, 100, 30);

    connectHandler(CBKurzhinweise, &QCheckBox::toggled, this, &TForm3::CBKurzhinweiseClick);
    connectHandler(CB_Vordergrund, &QCheckBox::toggled, this, &TForm3::CB_VordergrundClick);
    RG_Nachkomma->setClickHandler([this] { RG_NachkommaClick(); });
    RG_Ansicht->setClickHandler([this] { RG_AnsichtClick(); });
    UI_Position->setClickHandler([this] { UI_PositionClick(); });
    connectHandler(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    addWindowKeys(this, kHelpContext, QStringLiteral("Optionen"));
}

void TForm3::CBKurzhinweiseClick() { Form1->setHintsShown(CBKurzhinweise->isChecked()); }

void TForm3::CB_VordergrundClick() { Form1->setStaysOnTop(CB_Vordergrund->isChecked()); }

void TForm3::RG_NachkommaClick()
{
    if (RG_Nachkomma->itemIndex() < 0)
        return;
    setNachkomma(RG_Nachkomma->itemIndex() + 1);
    if (Parameter_geladen)
        Anzeige_Format();
}

void TForm3::RG_AnsichtClick()
{
    if (RG_Ansicht->itemIndex() >= 0)
        setNotation(static_cast<Notation>(RG_Ansicht->itemIndex()));
    Anzeige_Format();
}

void TForm3::UI_PositionClick()
{
    if (!Form4)
        return;
    switch (UI_Position->itemIndex()) {
    case 0: // über dem Hauptfenster
        Form4->placeOn(Side::Over);
        break;
    case 1: // links neben dem Hauptfenster
        Form4->placeOn(Side::Left);
        break;
    case 2: // rechts neben dem Hauptfenster
        Form4->placeOn(Side::Right);
        break;
    default:
        break;
    }
}

void TForm3::Button1Click() { hide(); }

void TForm3::Anzeige_Format()
{
    for (Page* page : Form1->pages())
        page->reformat();
}

} // namespace ampero
