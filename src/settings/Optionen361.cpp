#include "Optionen361.h"

#include "platform/WindowStyles.h"

namespace ampero {

TForm3::TForm3(QWidget* owner)
    : QWidget(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("  Optionen"));
    setFixedSize(519, 318);
}

} // namespace ampero
