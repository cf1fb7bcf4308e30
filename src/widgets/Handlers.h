#pragma once

#include <QObject>
#include <functional>
#include <type_traits>

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

// Connects a signal (a click, a toggle, a timer) to an event handler of `receiver` that runs
// through runHandler. The handler is a member function of the receiver or any callable; the
// signal's arguments are not passed on.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        runHandler(receiver, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (receiver->*handler)();
            else
                handler();
        });
    });
}

} // namespace ampero
