#include "SpannungStrom.h"

#include "platform/WindowStyles.h"

namespace ampero {

SpannungStromFenster::SpannungStromFenster(const QString& name, const QString& caption,
                                           QWidget* owner)
    : QWidget(owner, kFixedWindow)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(560, 470);
    // beside the main window, 10 pixels to the right of it
    if (owner)
        move(owner->x() + owner->frameGeometry().width() + 10, owner->y());
}

} // namespace ampero
