#pragma once

#include <QString>

namespace ampero {

// Opens the help at a context number (70 … 210 for the pages, 155 … 205 for the voltage
// and current windows). `topic` names the page or window for the reader.
void openHelp(int context, const QString& topic);

} // namespace ampero
