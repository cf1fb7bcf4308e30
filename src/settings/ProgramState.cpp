#include "ProgramState.h"

namespace ampero {

QString iniPath;
bool Parameter_geladen = false;

QString settingsFile() { return iniPath + QStringLiteral("/AmperoV361.ini"); }

} // namespace ampero
