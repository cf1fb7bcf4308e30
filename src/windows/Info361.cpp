#include "Info361.h"

namespace ampero {

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Info"));
    setFixedSize(401, 502);
}

} // namespace ampero
