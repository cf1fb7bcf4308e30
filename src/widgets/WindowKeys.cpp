#include "WindowKeys.h"

#include "platform/Help.h"
#include "widgets/Handlers.h"

#include <QShortcut>
#include <QWidget>

namespace ampero {

void addWindowKeys(QWidget* window, int helpContext, const QString& title)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    connectHandler(f1, &QShortcut::activated, window,
                   [helpContext, title] { openHelp(helpContext, title); });
}

} // namespace ampero
