#include "Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace ampero {

namespace {
QString g_programFolder;
QString g_documentsFolder;
const QString kVendorFolder = QStringLiteral("/Korvan_Software/Ampero");
} // namespace

QString programFolder()
{
    return g_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : g_programFolder;
}

void setProgramFolder(const QString& folder) { g_programFolder = folder; }

QString programsFolder() { return QStringLiteral("/opt"); }

QString applicationDataFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty())
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString documentsFolder()
{
    if (!g_documentsFolder.isEmpty())
        return g_documentsFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void setDocumentsFolder(const QString& folder) { g_documentsFolder = folder; }

QString settingsFolderFor(const QString& folder)
{
    // An exact, case-sensitive comparison: any other copy keeps its settings beside itself.
    if (folder == programsFolder() + kVendorFolder)
        return applicationDataFolder() + kVendorFolder;
    return folder;
}

} // namespace ampero
