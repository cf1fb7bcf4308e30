#pragma once

#include <chrono>
#include <functional>
#include <QByteArray>
#include <QByteArrayView>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace ampero {

// How a request ended.
struct Transfer {
    enum Outcome {
        Done,      // status 2xx, the body received in full
        HttpError, // the server answered with an error status
        Failed,    // no answer: connection, certificate, time-out, size; `error` says which
        Cancelled, // the window was closed meanwhile
    };
    Outcome outcome = Failed;
    int status = 0;
    QByteArray body; // when no sink was given
    QString error;   // German, for the standard report
};

// What one request may take.
struct RequestLimits {
    qint64 maxBytes = 0;               // a longer body fails the request; `tooLarge` says how
    std::chrono::milliseconds deadline; // the whole request, however steadily data come
    QString tooLarge;                  // the message for a body over maxBytes
};

// The German text for a failure of the network below HTTP (no status from the server).
QString networkFailureText(QNetworkReply::NetworkError error);

// The update window's HTTPS client. Requests run while the event loop goes on, so the windows
// stay usable; each ends by calling its `done` once. The server's certificate and host name are
// verified against the default TLS configuration's CAs, TLS 1.2 or newer; redirects are followed
// (never from HTTPS to HTTP), cookies are neither stored nor sent.
class UpdateClient : public QObject {
    Q_OBJECT
public:
    // Takes the body piece by piece; returns an error text (German) to stop the request, or an
    // empty text to go on.
    using Sink = std::function<QString(QByteArrayView data)>;

    explicit UpdateClient(QObject* parent = nullptr);

    // Fetches `url`. The body is kept in the Transfer, or handed to `sink` as it arrives.
    void get(const QUrl& url, const RequestLimits& limits, Sink sink,
             std::function<void(const Transfer&)> done);
    // Ends every running request with Cancelled.
    void cancelAll();
    bool busy() const { return m_running > 0; }

    // A request that receives nothing for this long fails.
    static void setTimeout(std::chrono::milliseconds timeout);
    static std::chrono::milliseconds timeout();

    // The progress of a download into a sink: the expected size when the first data arrive
    // (-1 when the server does not say), the bytes received so far, and the end.
    std::function<void(qint64 expected)> workBegin;
    std::function<void(qint64 received)> work;
    std::function<void()> workEnd;

signals:
    void cancelRequested();

private:
    QNetworkAccessManager* m_manager;
    int m_running = 0;
};

} // namespace ampero
