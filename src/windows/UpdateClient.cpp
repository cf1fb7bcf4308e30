#include "UpdateClient.h"

#include <memory>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslError>
#include <QStringList>
#include <QTimer>

namespace ampero {

namespace {

std::chrono::milliseconds g_timeout{15000};

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
    bool cancelled = false;
    bool begun = false; // the first data of a download arrived
    QString writeError;
    QStringList certificateErrors;
    QByteArray body;
};

bool successStatus(int status) { return status >= 200 && status < 300; }

} // namespace

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

void UpdateClient::get(const QUrl& url, QIODevice* file, std::function<void(const Transfer&)> done)
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
    ++m_running;
    auto state = std::make_shared<RequestState>();
    const auto status = [reply] {
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    };

    // The time-out counts from the last sign of life, so a slow but steady download goes on.
    auto* idle = new QTimer(reply);
    idle->setSingleShot(true);
    idle->setInterval(g_timeout);
    idle->start();
    connect(idle, &QTimer::timeout, reply, [reply, state] {
        state->timedOut = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::metaDataChanged, idle, [idle] { idle->start(); });
    connect(this, &UpdateClient::cancelRequested, reply, [reply, state] {
        state->cancelled = true;
        reply->abort();
    });
    connect(reply, &QNetworkReply::sslErrors, reply, [state](const QList<QSslError>& errors) {
        for (const QSslError& e : errors)
            state->certificateErrors << e.errorString();
    });

    const auto consume = [reply, file, state, status] {
        if (!reply->isOpen())
            return; // aborted
        const QByteArray data = reply->readAll();
        if (data.isEmpty() || !successStatus(status()) || !state->writeError.isEmpty())
            return; // the body of an error status is not kept
        if (!file) {
            state->body += data;
            return;
        }
        if (file->write(data) != data.size()) {
            state->writeError = file->errorString();
            reply->abort();
        }
    };
    connect(reply, &QNetworkReply::readyRead, reply, [idle, consume] {
        idle->start();
        consume();
    });
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [this, file, state, status](qint64 received, qint64 total) {
                if (!file || received == 0 || !successStatus(status()))
                    return;
                if (!state->begun) {
                    state->begun = true;
                    if (workBegin)
                        workBegin(total);
                }
                if (work)
                    work(received);
            });

    connect(reply, &QNetworkReply::finished, this, [this, reply, state, status, consume, done] {
        consume();
        --m_running;
        if (state->begun && workEnd)
            workEnd();
        Transfer t;
        t.status = status();
        if (state->cancelled) {
            t.outcome = Transfer::Cancelled;
        } else if (state->timedOut) {
            t.error = QStringLiteral("Zeitüberschreitung: Der Update-Server antwortet nicht");
        } else if (!state->certificateErrors.isEmpty()) {
            t.error = QStringLiteral("Das Zertifikat des Update-Servers wurde nicht anerkannt: ") +
                      state->certificateErrors.join(QStringLiteral("; "));
        } else if (!state->writeError.isEmpty()) {
            t.error =
                QStringLiteral("Die Datei kann nicht geschrieben werden: ") + state->writeError;
        } else if (t.status != 0 && !successStatus(t.status)) {
            t.outcome = Transfer::HttpError;
        } else if (reply->error() != QNetworkReply::NoError) {
            t.error = QStringLiteral("Keine Verbindung zum Update-Server: ") + reply->errorString();
        } else {
            t.outcome = Transfer::Done;
            t.body = state->body;
        }
        reply->deleteLater();
        done(t);
    });
}

} // namespace ampero
