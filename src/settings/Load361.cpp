#include "Load361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "IniDocument.h"
#include "Optionen361.h"
#include "pages/Page.h"
#include "ProgramState.h"
#include "StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QFile>

namespace ampero {

IniDocument readSettingsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                        .arg(path, file.errorString()));
    return IniDocument::fromBytes(file.readAll());
}

void IniFileLaden(const IniDocument& ini)
{
    const QString optionen = QStringLiteral("Optionen");
    const StoredSettings numbers(ini, punktKomma());

    const int karte = numbers.integer(QStringLiteral("Register"), QStringLiteral("Karte"), 2);
    if (karte >= 0 && karte < Form1->PageControl1->count())
        Form1->PageControl1->setCurrentIndex(karte);
    Form3->CBKurzhinweise->setChecked(
        numbers.boolean(optionen, QStringLiteral("Kurzhinweise"), false));
    Form3->Optionen_CB_AutoUpdate->setChecked(
        numbers.boolean(optionen, QStringLiteral("AutoUpdate"), false));
    const int stellen = numbers.integer(optionen, QStringLiteral("Kommastellen"), 3);
    setNachkomma(stellen);
    Form3->RG_Nachkomma->setItemIndex(stellen - 1); // decimals are not re-formatted yet
    Form3->UI_Position->setItemIndex(
        numbers.itemIndex(optionen, QStringLiteral("Pos_UI_Fenster"), 2, 2, 3));

    // Field texts take the separator in use in place of the one they were stored with.
    const QString stored = ini.value(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"))
                               .value_or(QStringLiteral(","));
    const StoredSettings texts(ini, stored.isEmpty() ? QLatin1Char(',') : stored.front());
    for (Page* page : Form1->pages())
        page->loadSettings(texts);

    // Read last: a notation other than prefix symbols re-formats every page.
    Form3->RG_Ansicht->setItemIndex(
        numbers.itemIndex(optionen, QStringLiteral("ZahlenDarstellung"), 0, 0, 3));
    Parameter_geladen = true;
}

} // namespace ampero
