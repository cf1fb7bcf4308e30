#include "Update361.h"

#include "platform/WindowStyles.h"

namespace ampero {

TForm9::TForm9(QWidget* owner)
    : QWidget(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Update"));
    setFixedSize(241, 279);
}

} // namespace ampero
