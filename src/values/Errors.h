#pragma once

#include <exception>
#include <QByteArray>
#include <QString>

// Errors raised inside our own code. They never leave a handler: the dispatcher that runs
// every handler catches them and shows the standard report of an unhandled error.
namespace ampero {

class Error : public std::exception {
public:
    explicit Error(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not a number where one is expected.
class ParseError : public Error {
public:
    using Error::Error;
};

// Invalid operation, division by zero or overflow in a calculation.
class FloatFault : public Error {
public:
    using Error::Error;
};

// The text of the standard report: a full stop is added when the last character sorts
// after "." (so "Gleitkommaüberlauf" gets one, a text ending in "!" or "." does not).
QString withFullStop(const QString& message);

// A value as a message quotes it: at most 100 characters, cut with "…". A message box lays
// out its whole text, and a megabyte-long name from a hand-edited file would freeze it.
QString shownValue(const QString& value);

} // namespace ampero
