#include "MessageBoxes.h"

#include "values/Errors.h"

#include <QMessageBox>

namespace ampero {

namespace {

void showCritical(QWidget* parent, const QString& title, const QString& text)
{
    // The messages break lines with carriage returns; a Qt label breaks at "\n" only.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Critical, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void showErrorMessage(QWidget* parent, const QString& text)
{
    showCritical(parent, QStringLiteral("Fehler"), text);
}

void showStandardReport(QWidget* parent, const QString& message)
{
    showCritical(parent, QString::fromUtf16(kApplicationTitle), withFullStop(message));
}

} // namespace ampero
