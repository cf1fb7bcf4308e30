#pragma once

class QString;

namespace ampero {

class IniDocument;

// Reads the settings file (throws Error when it cannot be read).
IniDocument readSettingsFile(const QString& path);

// Fills every window from the settings file, page by page in tab order. An error stops the
// loading where it happens and leaves Parameter_geladen false.
void IniFileLaden(const IniDocument& ini);

} // namespace ampero
