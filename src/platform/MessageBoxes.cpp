#include "MessageBoxes.h"

#include "values/Errors.h"

#include <QMessageBox>

namespace ampero {

namespace {

void showBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text)
{
    // The messages break lines with carriage returns; a Qt label breaks at "\n" only.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void showCritical(QWidget* parent, const QString& title, const QString& text)
{
    showBox(QMessageBox::Critical, parent, title, text);
}

} // namespace

void showErrorMessage(QWidget* parent, const QString& text)
{
    showCritical(parent, QStringLiteral("Fehler"), text);
}

void showPlainMessage(QWidget* parent, const QString& text)
{
    showBox(QMessageBox::NoIcon, parent, QString::fromUtf16(kApplicationTitle), text);
}

void showStandardReport(QWidget* parent, const QString& message)
{
    showCritical(parent, QString::fromUtf16(kApplicationTitle), withFullStop(message));
}

} // namespace ampero
