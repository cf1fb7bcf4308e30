#pragma once

#include <QString>

namespace ampero {

// The folder of the running program, without a trailing separator.
QString programFolder();
// Lets a test start the program as if it ran from another folder.
void setProgramFolder(const QString& folder);

// The programs folder, under which the installed program lives ("/opt").
QString programsFolder();
// The per-user application data folder ($XDG_CONFIG_HOME, by default ~/.config).
QString applicationDataFolder();

// The user's documents folder, without a trailing separator; a test may set another.
QString documentsFolder();
void setDocumentsFolder(const QString& folder);

// Where the settings file lives for a program started from `folder`: the per-user folder
// for the installed program, the program's own folder for any other copy.
QString settingsFolderFor(const QString& folder);

} // namespace ampero
