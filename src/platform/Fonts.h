#pragma once

#include <QFont>

namespace ampero {

// "Arial" of the window designs: Liberation Sans has its metrics.
QFont arialFont(int pixelSize, bool bold = false);

} // namespace ampero
