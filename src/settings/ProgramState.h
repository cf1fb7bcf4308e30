#pragma once

#include <QString>

namespace ampero {

// The settings folder, without a trailing separator (decided when the main window shows).
extern QString iniPath;
// Set once the settings file or the factory defaults are loaded; until then a change of the
// decimals re-formats nothing.
extern bool Parameter_geladen;

// iniPath + "/AmperoV361.ini"
QString settingsFile();

} // namespace ampero
