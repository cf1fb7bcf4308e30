#pragma once

#include <QString>

namespace ampero {

// The compiled help file; it lies beside the executable.
inline constexpr char16_t kHelpFileName[] = u"AMPV36_Help.chm";

// Opens the help viewer at a context number (70 … 210 for the pages, 155 … 205 for the
// voltage and current windows), or raises it there when it is already open. `topic` names the
// page or window for the reader when the file holds no topic of that number.
void openHelp(int context, const QString& topic);

// Reads the help from another file (tests); an empty path returns to the one beside the
// executable. The viewer reads the file anew at its next opening.
void setHelpFile(const QString& path);
QString helpFile();

} // namespace ampero
