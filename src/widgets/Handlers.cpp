#include "Handlers.h"

#include "platform/MessageBoxes.h"
#include "values/Errors.h"
#include "values/FloatGuard.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ampero {

namespace {

void report(QWidget* context, const QString& message, Report when)
{
    if (when == Report::Now) {
        showStandardReport(context, message);
        return;
    }
    QPointer<QWidget> guarded(context);
    QTimer::singleShot(0, [guarded, message] { showStandardReport(guarded, message); });
}

} // namespace

void runHandler(QWidget* context, const std::function<void()>& handler, Report when)
{
    try {
        clearFloatFaults();
        handler();
        checkFloatFaults();
    } catch (const Error& e) {
        report(context, e.message(), when);
    } catch (const std::exception& e) {
        report(context, QString::fromLocal8Bit(e.what()), when);
    }
}

} // namespace ampero
