#include "Load361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "IniDocument.h"
#include "Optionen361.h"
#include "pages/Page.h"
#include "platform/Files.h"
#include "ProgramState.h"
#include "Store361.h"
#include "StoredSettings.h"
#include "values/DisplayOptions.h"
#include "values/Errors.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <QCheckBox>
#include <QFile>
#include <QScopeGuard>
#include <sys/stat.h>
#include <unistd.h>

namespace ampero {

namespace {

std::optional<IncompleteLoad> g_incompleteLoad;

// A settings file is a few kilobytes; anything far larger is no settings file.
constexpr qsizetype kMaxSettingsFile = qsizetype(16) << 20;

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
    const auto fail = [&path](const QString& why) {
        throw Error(
            QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2").arg(path, why));
    };
    // Opened without waiting, so that a FIFO in the file's place cannot hold up the start;
    // only a regular file of a sensible size is read (a link to one is fine).
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(systemErrorText(errno));
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        fail(systemErrorText(errno));
    if (!S_ISREG(info.st_mode))
        fail(QStringLiteral("Sie ist keine gewöhnliche Datei"));
    if (info.st_size > kMaxSettingsFile)
        fail(QStringLiteral("Sie ist größer als %1 MB").arg(kMaxSettingsFile >> 20));
    QByteArray bytes;
    // One byte more than allowed tells a file that grew since fstat().
    bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + size, static_cast<size_t>(bytes.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(systemErrorText(errno));
        if (n == 0)
            break;
        size += n;
        if (size > kMaxSettingsFile)
            fail(QStringLiteral("Sie ist größer als %1 MB").arg(kMaxSettingsFile >> 20));
        if (size == bytes.size())
            bytes.resize(qMin<qsizetype>(bytes.size() * 2, kMaxSettingsFile + 1));
    }
    bytes.truncate(size);
    return IniDocument::fromBytes(bytes);
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
