#include "Info361.h"

#include "platform/WindowStyles.h"

namespace ampero {

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Info"));
    setFixedSize(401, 502);
}

} // namespace ampero
