// Arbitrary bytes as the update archive, extracted into an empty folder in small slices, as
// the update window does: whatever happens, nothing is written outside that folder, nothing
// inside it is a link, and removing what the extraction says it made leaves the folder empty.
#include "values/Errors.h"
#include "windows/UpdateArchive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace ampero;

namespace {

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir base;
    const QString archive = base.path() + QStringLiteral("/update.zip");
    const QString target = base.path() + QStringLiteral("/Download");
    {
        QFile file(archive);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail(QStringLiteral("cannot write ") + archive);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QDir(target).removeRecursively();
    QDir().mkpath(target);

    ExtractedFiles made;
    try {
        ArchiveExtraction extraction(archive, target, made);
        while (!extraction.step(16 * 1024)) {
        }
        if (extraction.written() != extraction.total())
            fail(QStringLiteral("written %1 bytes of %2")
                     .arg(extraction.written())
                     .arg(extraction.total()));
    } catch (const Error&) {
    }

    const QString root = QFileInfo(target).canonicalFilePath() + QLatin1Char('/');
    for (const QString& path : made.files + made.folders)
        if (!QFileInfo(path).absoluteFilePath().startsWith(root))
            fail(QStringLiteral("written outside the folder: ") + path);
    const QStringList beside =
        QDir(base.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (beside != QStringList{QStringLiteral("Download"), QStringLiteral("update.zip")})
        fail(QStringLiteral("beside the folder: ") + beside.join(QLatin1Char(' ')));
    QDirIterator it(target, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isSymLink())
            fail(QStringLiteral("a link was extracted: ") + info.filePath());
        if (!info.canonicalFilePath().startsWith(root))
            fail(QStringLiteral("outside the folder: ") + info.filePath());
    }

    // The clean-up at closing removes exactly this; nothing may be left over.
    for (const QString& file : std::as_const(made.files))
        QFile::remove(file);
    for (auto folder = made.folders.crbegin(); folder != made.folders.crend(); ++folder)
        QDir().rmdir(*folder);
    const QStringList left =
        QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (!left.isEmpty())
        fail(QStringLiteral("made but not noted: ") + left.join(QLatin1Char(' ')));
    return 0;
}
