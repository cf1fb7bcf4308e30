#pragma once

#include <chrono>
#include <functional>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

namespace ampero {

// How a request ended.
struct Transfer {
    enum Outcome {
        Done,      // status 2xx, the body received in full
        HttpError, // the server answered with an error status
        Failed,    // no answer: connection, certificate, time-out; `error` says which
        Cancelled, // the window was closed meanwhile
    };
    Outcome outcome = Failed;
    int status = 0;
    QByteArray body; // when no file was given
    QString error;
};

// The update window's HTTPS client. Requests run while the event loop goes on, so the windows
// stay usable; each ends by calling its `done` once. The server's certificate and host name are
// verified against the default TLS configuration's CAs, TLS 1.2 or newer; redirects are followed
// (never from HTTPS to HTTP), cookies are neither stored nor sent.
class UpdateClient : public QObject {
    Q_OBJECT
public:
    explicit UpdateClient(QObject* parent = nullptr);

    // Fetches `url`. The body is kept in the Transfer, or written into `file` as it arrives.
    void get(const QUrl& url, QIODevice* file, std::function<void(const Transfer&)> done);
    // Ends every running request with Cancelled.
    void cancelAll();
    bool busy() const { return m_running > 0; }

    // A request that receives nothing for this long fails.
    static void setTimeout(std::chrono::milliseconds timeout);
    static std::chrono::milliseconds timeout();

    // The progress of a download into a file: the expected size when the first data arrive
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
