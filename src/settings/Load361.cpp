#include "Load361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "IniDocument.h"
#include "Optionen361.h"
#include "pages/Page.h"
#include "ProgramState.h"
#include "Store361.h"
#include "StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <optional>
#include <QCheckBox>
#include <QFile>

namespace ampero {

namespace {

std::optional<IncompleteLoad> g_incompleteLoad;

void fillFromFile(const IniDocument& ini, ReadKeys& read, QChar& storedSeparator)
{
    const QString optionen = QStringLiteral("Optionen");
    const StoredSettings numbers(ini, punktKomma(), &read);

    const int karte = numbers.integer(QStringLiteral("Register"), QStringLiteral("Karte"), 2);
    if (karte >= 0 && karte < Form1->PageControl1->count())
        Form1->PageControl1->setCurrentIndex(karte);
    Form3->CBKurzhinweise->setChecked(
        numbers.boolean(optionen, QStringLiteral("Kurzhinweise"), false));
    Form3->Optionen_CB_AutoUpdate->setChecked(
        numbers.boolean(optionen, QStringLiteral("AutoUpdate"), false));
    const int stellen = numbers.integer(optionen, QStringLiteral("Kommastellen"), 3);
    setNachkomma(stellen);
    // decimals are not re-formatted yet; below 1 no item is selected
    Form3->RG_Nachkomma->setItemIndex(stellen >= 1 ? stellen - 1 : -1);
    Form3->UI_Position->setItemIndex(
        numbers.itemIndex(optionen, QStringLiteral("Pos_UI_Fenster"), 2, 2, 3));

    // Field texts take the separator in use in place of the one they were stored with.
    const QString stored = ini.value(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"))
                               .value_or(QStringLiteral(","));
    storedSeparator = stored.isEmpty() ? QLatin1Char(',') : stored.front();
    const StoredSettings texts(ini, storedSeparator, &read);
    for (Page* page : Form1->pages())
        page->loadSettings(texts);

    // Read last: a notation other than prefix symbols re-formats every page.
    Form3->RG_Ansicht->setItemIndex(
        numbers.itemIndex(optionen, QStringLiteral("ZahlenDarstellung"), 0, 0, 3));
}

} // namespace

const IncompleteLoad* incompleteLoad() { return g_incompleteLoad ? &*g_incompleteLoad : nullptr; }

void forgetIncompleteLoad() { g_incompleteLoad.reset(); }

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
    forgetIncompleteLoad();
    ReadKeys read;
    QChar storedSeparator = QLatin1Char(',');
    try {
        fillFromFile(ini, read, storedSeparator);
    } catch (...) {
        // The key read last may be the one whose value failed, before it reached its field.
        read.forgetLast();
        IncompleteLoad partial{std::move(read), storedSeparator, IniDocument()};
        storeSettings(partial.snapshot);
        g_incompleteLoad = std::move(partial);
        throw;
    }
    Parameter_geladen = true;
}

} // namespace ampero
