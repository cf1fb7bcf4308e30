#pragma once

#include <functional>
#include <QString>

namespace ampero {

// The desktop shell: starting a program, opening a link, ending this program.

// What opening a program returns when it started; failures return the shell's codes below 32.
inline constexpr int kShellStarted = 42;

// Starts a program file, named by its absolute path, without arguments, in `workingFolder`.
// Returns kShellStarted, or the shell's code of the failure: 2 file not found, 3 folder not
// found (or no absolute path), 5 access denied (not an executable file), 11 not a program this
// system can run.
int openProgram(const QString& file, const QString& workingFolder);

// Opens a web address or a "mailto:" link in the desktop's browser or mail program. Spaces
// and the like are encoded on the way; what the program does with it is not reported.
void openLink(const QString& link);
// Lets a test receive the links instead of opening them (an empty function opens them again).
void setLinkOpener(std::function<void(const QString&)> opener);

// Ends this program at once: its windows are not closed, so nothing is written on the way.
void endProgramNow();
// Lets a test see the end instead of ending (an empty function ends again).
void setProgramEnd(std::function<void()> end);

} // namespace ampero
