#pragma once

#include "IniDocument.h"
#include "StoredSettings.h"

#include <QChar>

class QString;

namespace ampero {

// Reads the settings file (throws Error when it cannot be read).
IniDocument readSettingsFile(const QString& path);

// Fills every window from the settings file, page by page in tab order. An error stops the
// loading where it happens and leaves Parameter_geladen false.
void IniFileLaden(const IniDocument& ini);

// What a load that stopped at an error leaves for the writer, so that closing loses none of
// the values the file holds beyond the stop: the keys that were read, and what storing
// would have written at that moment.
struct IncompleteLoad {
    ReadKeys read;
    QChar storedSeparator; // the separator the file's texts were written with
    IniDocument snapshot;
};
// The last load's, or nullptr when it was complete (or the factory defaults were loaded).
const IncompleteLoad* incompleteLoad();
void forgetIncompleteLoad();

} // namespace ampero
