#include "Optionen361.h"

namespace ampero {

TForm3::TForm3(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("  Optionen"));
    setFixedSize(519, 318);
}

} // namespace ampero
