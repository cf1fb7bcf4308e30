#pragma once

#include <QString>

namespace ampero {

// The ohm sign every calculation writes, and the Greek capital omega with which a few fields
// re-display their own entry. They look alike; the escapes keep them apart in the code.
inline const QString kOhm = QStringLiteral("\u2126");
inline const QString kOmega = QStringLiteral("\u03A9");

} // namespace ampero
