#include "Fonts.h"

#include <QStringList>

namespace ampero {

QFont arialFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace ampero
