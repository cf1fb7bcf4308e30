#pragma once

class QString;
class QWidget;

namespace ampero {

// The keys of a secondary window: Esc closes it, as its close button does, and F1 opens its
// own help topic (`title` names it where the help file has no topic of that number). Both
// work from every control of the window.
void addWindowKeys(QWidget* window, int helpContext, const QString& title);

} // namespace ampero
