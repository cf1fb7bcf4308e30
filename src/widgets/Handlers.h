#pragma once

#include <functional>

class QWidget;

namespace ampero {

enum class Report {
    Now,   // the report opens at once (Enter, clicks)
    Later, // after the running event, for handlers that run while the focus moves
};

// Runs one event handler. It starts with clean floating-point flags, checks them when the
// handler ends, and turns any error into the standard report of an unhandled error (title
// "Ampero V3.60", full-stop rule). Nothing throws back into Qt's event loop; fields the
// handler wrote before the error keep their new text.
void runHandler(QWidget* context, const std::function<void()>& handler,
                Report report = Report::Now);

} // namespace ampero
