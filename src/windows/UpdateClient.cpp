#include "UpdateClient.h"

#include <memory>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QStringList>
#include <QTimer>

namespace ampero {

namespace {

std::chrono::milliseconds g_timeout{15000};

// Qt keeps what the socket delivers until it is read; this bounds it between two reads.
constexpr qint64 kReadBuffer = 64 * 1024;

// The update server has no use for cookies: none are kept, none are sent.
class NoCookies : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

// What happened to one request besides what the reply tells.
struct RequestState {
    bool timedOut = false;
    bool pastDeadline = false;
    bool cancelled = false;
    bool tooLarge = false;
    bool aborted = false; // by us, for one of the reasons here
    bool begun = false;   // the first data of a download arrived
    qint64 received = 0;
    QString writeError;
    QList<QSslError> certificateErrors;
    QByteArray body;
};

bool successStatus(int status) { return status >= 200 && status < 300; }

// What was wrong with the certificate, in the user's words; Qt's own texts are English.
QString certificateText(const QList<QSslError>& errors)
{
    QStringList reasons;
    for (const QSslError& e : errors) {
        QString reason;
        switch (e.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
            reason = QStringLiteral("es ist selbst ausgestellt");
            break;
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
        case QSslError::InvalidCaCertificate:
            reason = QStringLiteral("es stammt von keiner vertrauenswürdigen Stelle");
            break;
        case QSslError::HostNameMismatch:
            reason = QStringLiteral("es gilt für einen anderen Server");
            break;
        case QSslError::CertificateExpired:
            reason = QStringLiteral("es ist abgelaufen");
            break;
        case QSslError::CertificateNotYetValid:
            reason = QStringLiteral("es ist noch nicht gültig");
            break;
        case QSslError::CertificateRevoked:
            reason = QStringLiteral("es wurde widerrufen");
            break;
        case QSslError::NoPeerCertificate:
            reason = QStringLiteral("der Server zeigt keines");
            break;
        default:
            break;
        }
        if (!reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    QString text = QStringLiteral("Das Zertifikat des Update-Servers wurde nicht anerkannt");
    if (!reasons.isEmpty())
        text += QStringLiteral(": ") + reasons.join(QStringLiteral(", "));
    return text;
}

// A failure below HTTP: the connection, TLS, the redirects or a proxy. HTTP errors with a
// status (content not found, server error) are reported by their status instead.
bool belowHttp(QNetworkReply::NetworkError error) { return error > 0 && error < 200; }

} // namespace

QString networkFailureText(QNetworkReply::NetworkError error)
{
    const QString noConnection = QStringLiteral("Keine Verbindung zum Update-Server: ");
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return noConnection + QStringLiteral("Der Server wurde nicht gefunden");
    case QNetworkReply::ConnectionRefusedError:
        return noConnection + QStringLiteral("Der Server nimmt keine Verbindung an");
    case QNetworkReply::RemoteHostClosedError:
        return noConnection + QStringLiteral("Der Server hat die Verbindung beendet");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("Zeitüberschreitung: Der Update-Server antwortet nicht");
    case QNetworkReply::SslHandshakeFailedError:
        return noConnection + QStringLiteral("Die verschlüsselte Verbindung kam nicht zustande");
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("Der Update-Server leitet die Anfrage zu oft weiter");
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral(
            "Der Update-Server leitet die Anfrage an eine unverschlüsselte Adresse weiter");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("Die Anfrage an den Update-Server wurde abgebrochen");
    case QNetworkReply::ProtocolUnknownError:
        return QStringLiteral("Der Update-Server verweist auf eine Adresse, die nicht "
                              "unterstützt wird");
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::ProtocolFailure:
        return QStringLiteral("Der Update-Server antwortet fehlerhaft");
    default:
        break;
    }
    if (error >= QNetworkReply::ProxyConnectionRefusedError &&
        error <= QNetworkReply::UnknownProxyError)
        return noConnection + QStringLiteral("Der Proxy-Server ist nicht erreichbar");
    if (error >= QNetworkReply::ContentAccessDenied)
        return QStringLiteral("Der Update-Server antwortet fehlerhaft");
    return noConnection + QStringLiteral("Das Netzwerk ist nicht erreichbar");
}

UpdateClient::UpdateClient(QObject* parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_manager->setCookieJar(new NoCookies(m_manager));
    m_manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

void UpdateClient::setTimeout(std::chrono::milliseconds timeout) { g_timeout = timeout; }

std::chrono::milliseconds UpdateClient::timeout() { return g_timeout; }

void UpdateClient::cancelAll() { emit cancelRequested(); }

void UpdateClient::get(const QUrl& url, const RequestLimits& limits, Sink sink,
                       std::function<void(const Transfer&)> done)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept",
                         "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Certificates and host names are checked; nothing older than TLS 1.2 is spoken.
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    QNetworkReply* reply = m_manager->get(request);
    reply->setReadBufferSize(kReadBuffer);
    ++m_running;
    auto state = std::make_shared<RequestState>();
    const auto status = [reply] {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    };
    const auto stop = [reply, state] {
        state->aborted = true;
        reply->abort();
    };

    // The time-out counts from the last sign of life, so a slow but steady download goes on;
    // the deadline holds for the whole request, so a server that drips a byte now and then
    // cannot keep it open for ever.
    auto* idle = new QTimer(reply);
    idle->setSingleShot(true);
    idle->setInterval(g_timeout);
    idle->start();
    connect(idle, &QTimer::timeout, reply, [state, stop] {
        state->timedOut = true;
        stop();
    });
    QTimer::singleShot(limits.deadline, reply, [state, stop] {
        state->pastDeadline = true;
        stop();
    });
    connect(this, &UpdateClient::cancelRequested, reply, [state, stop] {
        state->cancelled = true;
        stop();
    });
    connect(reply, &QNetworkReply::sslErrors, reply,
            [state](const QList<QSslError>& errors) { state->certificateErrors << errors; });
    const qint64 maxBytes = limits.maxBytes;
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, idle, state, status, stop,
                                                            maxBytes] {
        idle->start();
        // A body announced too long is not waited for.
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (successStatus(status()) && length.isValid() && length.toLongLong() > maxBytes) {
            state->tooLarge = true;
            stop();
        }
    });

    const auto consume = [reply, sink, state, status, stop, maxBytes] {
        if (!reply->isOpen() || state->aborted)
            return;
        const QByteArray data = reply->readAll();
        if (data.isEmpty())
            return;
        state->received += data.size();
        const bool success = successStatus(status());
        if (state->received > maxBytes) {
            // An error's body is not kept anyway; the status alone is reported.
            state->tooLarge = success;
            stop();
            return;
        }
        if (!success)
            return; // the body of an error status is not kept
        if (!sink) {
            state->body += data;
            return;
        }
        if (QString error = sink(data); !error.isEmpty()) {
            state->writeError = std::move(error);
            stop();
        }
    };
    connect(reply, &QNetworkReply::readyRead, reply, [idle, consume] {
        idle->start();
        consume();
    });
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [this, sink, state, status](qint64 received, qint64 total) {
                if (!sink || received == 0 || !successStatus(status()) || state->aborted)
                    return;
                if (!state->begun) {
                    state->begun = true;
                    if (workBegin)
                        workBegin(total);
                }
                if (work)
                    work(received);
            });

    const QString tooLarge = limits.tooLarge;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, state, status, consume, done, tooLarge] {
                consume();
                --m_running;
                if (state->begun && workEnd)
                    workEnd();
                Transfer t;
                t.status = status();
                const QNetworkReply::NetworkError error = reply->error();
                if (state->cancelled) {
                    t.outcome = Transfer::Cancelled;
                } else if (state->timedOut) {
                    t.error = networkFailureText(QNetworkReply::TimeoutError);
                } else if (state->pastDeadline) {
                    t.error = QStringLiteral(
                        "Zeitüberschreitung: Die Antwort des Update-Servers dauert zu lange");
                } else if (state->tooLarge) {
                    t.error = tooLarge;
                } else if (!state->writeError.isEmpty()) {
                    t.error = state->writeError;
                } else if (!state->certificateErrors.isEmpty()) {
                    t.error = certificateText(state->certificateErrors);
                } else if (!state->aborted && belowHttp(error)) {
                    // before the status: a redirect that fails keeps the redirect's status
                    t.error = networkFailureText(error);
                } else if (t.status != 0 && !successStatus(t.status)) {
                    t.outcome = Transfer::HttpError;
                } else if (error != QNetworkReply::NoError) {
                    t.error = networkFailureText(error);
                } else {
                    t.outcome = Transfer::Done;
                    t.body = state->body;
                }
                reply->deleteLater();
                done(t);
            });
}

} // namespace ampero
