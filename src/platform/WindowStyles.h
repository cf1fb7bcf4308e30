#pragma once

#include <Qt>

namespace ampero {

// Fixed-size windows with a system menu and a close box; the main window adds minimise,
// the small windows (info, options, update) are dialogs.
inline constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::WindowTitleHint |
                                                Qt::WindowSystemMenuHint |
                                                Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
inline constexpr Qt::WindowFlags kFixedDialog = kFixedWindow | Qt::Dialog;

} // namespace ampero
