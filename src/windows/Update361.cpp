#include "Update361.h"

namespace ampero {

TForm9::TForm9(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Update"));
    setFixedSize(241, 279);
}

} // namespace ampero
