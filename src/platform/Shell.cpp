#include "Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ampero {

namespace {

std::function<void(const QString&)>& linkOpener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}

std::function<void()>& programEnd()
{
    static std::function<void()> end;
    return end;
}

// The shell's codes, named as the shell names them.
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kAccessDenied = 5;
constexpr int kBadFormat = 11;

// A file this system can run: a program in ELF format or a script with "#!".
bool runnableFormat(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = f.read(4);
    return start == QByteArrayLiteral("\x7f"
                                      "ELF") ||
           start.startsWith("#!");
}

} // namespace

int openProgram(const QString& file, const QString& workingFolder)
{
    const QFileInfo info(file);
    // A bare name would be looked up in the working folder, where any file of that name runs.
    if (info.isRelative() || !info.dir().exists())
        return kPathNotFound;
    if (!info.exists())
        return kFileNotFound;
    if (!info.isFile() || !info.isExecutable())
        return kAccessDenied;
    if (!runnableFormat(file))
        return kBadFormat;
    QProcess process;
    process.setProgram(info.absoluteFilePath());
    process.setWorkingDirectory(workingFolder);
    return process.startDetached() ? kShellStarted : kBadFormat;
}

void openLink(const QString& link)
{
    if (linkOpener()) {
        linkOpener()(link);
        return;
    }
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

void setLinkOpener(std::function<void(const QString&)> opener) { linkOpener() = std::move(opener); }

void endProgramNow()
{
    if (programEnd()) {
        programEnd()();
        return;
    }
    // Leaves the event loop; the windows stay open until the process ends.
    QCoreApplication::exit(0);
}

void setProgramEnd(std::function<void()> end) { programEnd() = std::move(end); }

} // namespace ampero
