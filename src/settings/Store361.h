#pragma once

class QByteArray;
class QString;

namespace ampero {

class IniDocument;
struct IncompleteLoad;

// Sets every key the program writes, from the current state of all windows.
void storeSettings(IniDocument& ini);

// The same after a load that stopped at an error: a key that was not loaded is set only when
// its value differs from what storing gave when the load stopped (the user changed it);
// otherwise its stored text stays.
void storeAfterIncompleteLoad(IniDocument& ini, const IncompleteLoad& partial);

// Writes the settings file into iniPath, creating the folder when needed. Keys the program
// does not write survive, and so do the values beyond a load that stopped at an error.
// Throws Error when the file cannot be written.
void IniFileschreiben();

// Replaces a file as a whole: the new contents go to a temporary file that is renamed over
// the old one, so a crash or a full disk never leaves half a file. Throws Error.
void writeFileAtomically(const QString& path, const QByteArray& contents);

} // namespace ampero
