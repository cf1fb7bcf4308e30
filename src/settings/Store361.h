#pragma once

class QByteArray;
class QString;

namespace ampero {

class IniDocument;

// Sets every key the program writes, from the current state of all windows.
void storeSettings(IniDocument& ini);

// Writes the settings file into iniPath, creating the folder when needed. Keys the program
// does not write survive. Throws Error when the file cannot be written.
void IniFileschreiben();

// Replaces a file as a whole: the new contents go to a temporary file that is renamed over
// the old one, so a crash or a full disk never leaves half a file. Throws Error.
void writeFileAtomically(const QString& path, const QByteArray& contents);

} // namespace ampero
