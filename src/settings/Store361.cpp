#include "Store361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "IniDocument.h"
#include "Load361.h"
#include "Optionen361.h"
#include "pages/Page.h"
#include "platform/Files.h"
#include "ProgramState.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace ampero {

void storeSettings(IniDocument& ini)
{
    for (const Page* page : Form1->pages())
        page->storeSettings(ini);

    const QString optionen = QStringLiteral("Optionen");
    ini.setInteger(QStringLiteral("Register"), QStringLiteral("Karte"),
                   Form1->PageControl1->currentIndex());
    ini.setInteger(optionen, QStringLiteral("Kommastellen"), nachkomma());
    ini.setInteger(optionen, QStringLiteral("Pos_UI_Fenster"), Form3->UI_Position->itemIndex());
    ini.setBool(optionen, QStringLiteral("Kurzhinweise"), Form3->CBKurzhinweise->isChecked());
    ini.setBool(optionen, QStringLiteral("AutoUpdate"), Form3->Optionen_CB_AutoUpdate->isChecked());
    ini.setInteger(optionen, QStringLiteral("ZahlenDarstellung"), Form3->RG_Ansicht->itemIndex());
    ini.setValue(QStringLiteral("Dezimalseparator"), QStringLiteral("Dezimals"),
                 QLocale::system().decimalPoint());
}

void storeAfterIncompleteLoad(IniDocument& ini, const IncompleteLoad& partial)
{
    IniDocument now;
    storeSettings(now);
    const QString separatorSection = QStringLiteral("Dezimalseparator");
    const QString separatorKey = QStringLiteral("Dezimals");
    const QString separator = now.value(separatorSection, separatorKey).value_or(QString());
    const QString from(partial.storedSeparator);
    for (const IniDocument::Entry& e : now.entries()) {
        const bool changed = partial.read.contains(e.section, e.key) ||
                             partial.snapshot.value(e.section, e.key) != e.value;
        if (changed || e.section.compare(separatorSection, Qt::CaseInsensitive) == 0) {
            ini.setValue(e.section, e.key, e.value);
            continue;
        }
        // Not loaded and not changed since: the stored text stays, in the separator the file
        // now names, as the next load would have adapted it.
        if (const auto stored = ini.value(e.section, e.key); stored && !separator.isEmpty())
            ini.setValue(e.section, e.key, QString(*stored).replace(from, separator));
    }
}

void IniFileschreiben()
{
    if (!QDir().mkpath(iniPath))
        throw Error(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden").arg(iniPath));
    const QString path = settingsFile();
    IniDocument ini = QFileInfo::exists(path) ? readSettingsFile(path) : IniDocument();
    if (const IncompleteLoad* partial = incompleteLoad())
        storeAfterIncompleteLoad(ini, *partial);
    else
        storeSettings(ini);
    writeFileAtomically(path, ini.toBytes());
}

void writeFileAtomically(const QString& path, const QByteArray& contents)
{
    // The bytes go to the temporary file's descriptor directly: a buffered QFileDevice reports
    // the whole size written and commit() misses the failed flush on a full disk. Until
    // commit() the old file stays as it was.
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        return Error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fail(file.errorString());
    const char* data = contents.constData();
    for (qsizetype left = contents.size(); left > 0;) {
        const ssize_t n = ::write(file.handle(), data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw fail(systemErrorText(n < 0 ? errno : ENOSPC));
        data += n;
        left -= n;
    }
    if (::fsync(file.handle()) != 0)
        throw fail(systemErrorText(errno));
    if (!file.commit())
        throw fail(file.errorString());
}

} // namespace ampero
