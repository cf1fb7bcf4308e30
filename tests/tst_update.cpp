// The update window, the info window and the update check at start, against HTTPS servers on
// this machine whose certificates come from a test CA made when the test starts.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "platform/Folders.h"
#include "platform/Shell.h"
#include "schematics/PictureWidget.h"
#include "settings/Optionen361.h"
#include "support/Driver.h"
#include "widgets/PageControl.h"
#include "windows/Info361.h"
#include "windows/Update361.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zip.h>

using namespace ampero;

namespace {

// What the server answers for a path.
struct Response {
    int status = 200;
    QByteArray body;
    QByteArray location = {}; // a redirect's target
    bool endless = false;     // the body repeated for ever, no length given
    int dripMs = 0;           // the body a byte at a time, one every so many milliseconds
};

// A small HTTPS server: one request per connection, answers from a table of paths, and keeps
// every request's path and headers.
class HttpsServer : public QObject {
public:
    struct Request {
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };

    bool start(const QSslCertificate& certificate, const QSslKey& key)
    {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate);
        tls.setPrivateKey(key);
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        tls.setCaCertificates({});
        m_server.setSslConfiguration(tls);
        connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
        return m_server.listen(QHostAddress::LocalHost);
    }
    QUrl base() const { return QUrl(QStringLiteral("https://127.0.0.1:%1").arg(m_server.serverPort())); }

    QMap<QByteArray, Response> routes;
    QList<Request> requests;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        Request request;
        request.path = lines.value(0).split(' ').value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers[lines[i].left(colon).trimmed().toLower()] =
                    lines[i].mid(colon + 1).trimmed();
        }
        requests << request;
        m_buffers.remove(socket);

        const Response r = routes.value(request.path, Response{404, "not here"});
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (r.endless || r.dripMs > 0) {
            QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\n";
            if (r.dripMs > 0)
                head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
            socket->write(head + "Connection: close\r\n\r\n");
            auto* feed = new QTimer(socket);
            const QByteArray chunk = r.endless ? r.body.repeated(64 * 1024 / r.body.size() + 1)
                                               : QByteArray();
            auto at = std::make_shared<qsizetype>(0);
            connect(feed, &QTimer::timeout, socket, [socket, chunk, r, at] {
                if (r.endless) {
                    while (socket->bytesToWrite() < 1024 * 1024)
                        socket->write(chunk);
                } else if (*at < r.body.size()) {
                    socket->write(r.body.mid((*at)++, 1));
                }
            });
            feed->start(r.endless ? 1 : r.dripMs);
            return;
        }
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\n";
        answer += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        answer += "Connection: close\r\nSet-Cookie: sitzung=42; Path=/\r\n";
        if (!r.location.isEmpty())
            answer += "Location: " + r.location + "\r\n";
        socket->write(answer + "\r\n" + r.body);
        socket->disconnectFromHost();
    }

    QSslServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

// Makes the CA, the certificates and the keys with the openssl tool.
class TestCertificates {
public:
    explicit TestCertificates(const QString& folder)
        : m_folder(folder)
    {
    }

    bool make()
    {
        const QString ec = QStringLiteral("ec:%1").arg(file("ec.param"));
        return run({"ecparam", "-name", "prime256v1", "-out", file("ec.param")}) &&
               run({"req", "-x509", "-newkey", ec, "-nodes", "-keyout", file("ca.key"), "-out",
                    file("ca.crt"), "-days", "2", "-subj", "/CN=Ampero Test CA"}) &&
               signedFor("server", "IP:127.0.0.1,DNS:localhost", ec) &&
               signedFor("wronghost", "DNS:update.example.org", ec) &&
               run({"req", "-x509", "-newkey", ec, "-nodes", "-keyout", file("self.key"),
                    "-out", file("self.crt"), "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                    "subjectAltName=IP:127.0.0.1"});
    }

    QSslCertificate certificate(const char* name) const
    {
        return QSslCertificate::fromPath(file(QString::fromLatin1(name) + ".crt")).value(0);
    }
    QSslKey key(const char* name) const
    {
        QFile f(file(QString::fromLatin1(name) + ".key"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QSslKey(&f, QSsl::Ec);
    }

private:
    QString file(const QString& name) const { return m_folder + "/" + name; }

    bool signedFor(const QString& name, const QString& names, const QString& ec)
    {
        QFile ext(file(name + ".ext"));
        if (!ext.open(QIODevice::WriteOnly))
            return false;
        ext.write("basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\nsubjectAltName=" +
                  names.toLatin1() + "\n");
        ext.close();
        return run({"req", "-newkey", ec, "-nodes", "-keyout", file(name + ".key"), "-out",
                    file(name + ".csr"), "-subj", "/CN=" + name}) &&
               run({"x509", "-req", "-in", file(name + ".csr"), "-CA", file("ca.crt"), "-CAkey",
                    file("ca.key"), "-CAcreateserial", "-out", file(name + ".crt"), "-days", "2",
                    "-extfile", file(name + ".ext")});
    }

    static bool run(const QStringList& arguments)
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"), arguments);
        if (!openssl.waitForFinished(10000) || openssl.exitCode() != 0) {
            qWarning("openssl %s: %s", qPrintable(arguments.join(' ')),
                     openssl.readAllStandardError().constData());
            return false;
        }
        return true;
    }

    QString m_folder;
};

struct ZipEntry {
    QByteArray name;
    QByteArray data;
    mode_t mode = S_IFREG | 0644;
    bool deflated = false;
};

// A ZIP archive of these entries, Unix permissions kept.
QByteArray zipOf(const QList<ZipEntry>& entries, const QString& folder)
{
    const QString path = folder + "/archiv.zip";
    QFile::remove(path);
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        qFatal("zip_open failed");
    for (const ZipEntry& e : entries) {
        zip_source_t* source = zip_source_buffer(archive, e.data.constData(), e.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, e.name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            qFatal("zip_file_add failed");
        zip_set_file_compression(archive, index, e.deflated ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX,
                                         static_cast<zip_uint32_t>(e.mode) << 16);
    }
    if (zip_close(archive) != 0)
        qFatal("zip_close failed");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no archive");
    return f.readAll();
}

// The archive with the uncompressed size of its only entry changed to `size`, in the local
// header and in the central directory alike, as a hostile archive declares it.
QByteArray withDeclaredSize(QByteArray zip, quint32 size)
{
    const auto put = [&zip, size](qsizetype at) {
        for (int i = 0; i < 4; ++i)
            zip[at + i] = char((size >> (8 * i)) & 0xFF);
    };
    put(22);                    // local file header
    put(zip.indexOf("PK\1\2") + 24); // central directory
    return zip;
}

// The size a file of this process may reach, for the test of a full disk without root: a
// write beyond it fails as on a full disk (SIGXFSZ ignored, it returns EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};

const QByteArray kInstaller = "#!/bin/sh\necho gestartet > gestartet\n";

// Runs the event loop until the condition holds. Unlike QTest::qWaitFor it does not sleep
// between rounds, so a handshake between client and server in this one thread goes at speed.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || clock.elapsed() > milliseconds)
            loop.quit();
    });
    poll.start(1);
    if (!condition())
        loop.exec();
    return condition();
}

bool waitUntilIdle() { return waitFor([] { return !Form9->busy(); }); }

// Shows the update window anew, as the info window's button does, and waits for its check.
QList<driver::Box> showUpdateWindow()
{
    return driver::boxesDuring([] {
        Form9->hide();
        Form9->show();
        QVERIFY(waitUntilIdle());
    });
}

QList<driver::Box> click(QPushButton* button)
{
    return driver::boxesDuring([button] {
        QVERIFY(button->isEnabled());
        button->click();
        QVERIFY(waitUntilIdle());
    });
}

bool shown(const char* picture) { return driver::find<PictureWidget>(picture)->isVisible(); }

QStringList filesIn(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

Q_DECLARE_METATYPE(Response)

class TestUpdate : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_docs, m_program, m_outside, m_work;
    HttpsServer m_server, m_wrongHost, m_selfSigned;
    QTcpServer m_silent; // accepts and never answers
    int m_requestsWhenShown = -1;
    bool m_mainVisibleWhenShown = false;

    QString temp() const { return m_docs + "/Temp/"; }

    void serve(const QByteArray& version, const QList<ZipEntry>& archive = {})
    {
        m_server.routes["/Uploads/Version_AMP.txt"] = {200, version};
        if (!archive.isEmpty())
            m_server.routes["/Uploads/AmperoV" + version + ".zip"] = {200, zipOf(archive, m_work)};
    }

    // The window shown with an update on offer, from a clean state.
    void offer(const QList<ZipEntry>& archive)
    {
        setUpdateServer(m_server.base());
        serve("362", archive);
        QVERIFY(showUpdateWindow().isEmpty());
        QVERIFY(Form9->Update_B_Download->isEnabled());
    }

private slots:
    void initTestCase()
    {
        for (const char* folder : {"docs", "program", "outside", "work"})
            QVERIFY(QDir(m_root.path()).mkdir(folder));
        m_docs = m_root.filePath("docs");
        m_program = m_root.filePath("program");
        m_outside = m_root.filePath("outside");
        m_work = m_root.filePath("work");

        TestCertificates certificates(m_work);
        QVERIFY(certificates.make());
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        // only the test CA: quicker handshakes, and nothing else is trusted
        tls.setCaCertificates({certificates.certificate("ca")});
        QSslConfiguration::setDefaultConfiguration(tls);
        QVERIFY(m_server.start(certificates.certificate("server"), certificates.key("server")));
        QVERIFY(m_wrongHost.start(certificates.certificate("wronghost"),
                                  certificates.key("wronghost")));
        QVERIFY(m_selfSigned.start(certificates.certificate("self"), certificates.key("self")));
        QVERIFY(m_silent.listen(QHostAddress::LocalHost));

        // A start with the automatic check switched on, and a newer release on the server.
        setUpdateServer(m_server.base());
        setDocumentsFolder(m_docs);
        setProgramFolder(m_program);
        QFile ini(m_program + "/AmperoV361.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("\xEF\xBB\xBF[Optionen]\nAutoUpdate=1\n");
        ini.close();
        serve("362");
        createForms();
        m_requestsWhenShown = m_server.requests.size();
        m_mainVisibleWhenShown = Form1->isVisible();
        QVERIFY(driver::activate(Form1));
        setUpdateTimeout(std::chrono::seconds(5));
    }

    void cleanupTestCase() { setLinkOpener({}); }

    void theCheckAtStartShowsTheWindowOnceTheMainWindowIsUp()
    {
        QCOMPARE(m_requestsWhenShown, 0);
        QVERIFY(m_mainVisibleWhenShown);
        QVERIFY(waitFor([] { return Form9->isVisible() && !Form9->busy(); }));
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("Update ist verfügbar"));
        Form9->close();
    }

    void theCheckAtStart_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("shows");
        QTest::addColumn<QString>("report");
        QTest::newRow("361: nothing") << 200 << QByteArray("361") << false << "";
        QTest::newRow("362 in hexadecimal") << 200 << QByteArray("0x16A") << true << "";
        QTest::newRow("a line break is no number")
            << 200 << QByteArray("362\n") << false << "'362\n' ist kein gültiger Integerwert.";
        QTest::newRow("HTTP error") << 500 << QByteArray("kaputt") << false << "HTTP-Fehler: 500.";
        // a gigabyte took 3.6 GB of memory, an endless one ended the program
        QTest::newRow("a megabyte of digits")
            << 200 << QByteArray(1 << 20, '0') << false
            << "Die Versionsdatei des Update-Servers ist zu lang: mehr als 64 Byte.";
    }
    void theCheckAtStart()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, version);
        QFETCH(bool, shows);
        QFETCH(QString, report);
        Form9->close();
        m_server.routes["/Uploads/Version_AMP.txt"] = {status, version};
        const auto boxes = driver::boxesDuring([] {
            Form9->automaticCheck();
            QVERIFY(waitUntilIdle());
        });
        QCOMPARE(Form9->isVisible(), shows);
        if (report.isEmpty()) {
            QVERIFY(boxes.isEmpty());
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
            QCOMPARE(boxes[0].text, report);
            QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        }
        Form9->close();
        // the main window goes on working
        Form1->PageControl1->setCurrentIndex(2);
        const auto later = driver::boxesDuring([] { driver::enter("dBm_E_R", "75"); });
        QVERIFY(later.isEmpty());
        QVERIFY2(driver::text("dBm_E_R").startsWith("75") && driver::text("dBm_E_R") != "75",
                 qPrintable(driver::text("dBm_E_R")));
    }

    void theWindowChecksTheServer_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QString>("report");
        const QString design = "           ---";
        QTest::newRow("361") << QByteArray("361") << "Programm ist aktuell" << false << "";
        QTest::newRow("362") << QByteArray("362") << "Update ist verfügbar" << true << "";
        QTest::newRow("blanks and sign") << QByteArray("  +400") << "Update ist verfügbar" << true
                                         << "";
        QTest::newRow("$ hexadecimal") << QByteArray("$100") << "Programm ist aktuell" << false
                                       << "";
        QTest::newRow("line break") << QByteArray("362\r\n") << design << false
                                    << "'362\n' ist kein gültiger Integerwert.";
        QTest::newRow("text") << QByteArray("neu") << design << false
                              << "'neu' ist kein gültiger Integerwert.";
        QTest::newRow("empty") << QByteArray() << design << false
                               << "'' ist kein gültiger Integerwert.";
    }
    void theWindowChecksTheServer()
    {
        QFETCH(QByteArray, version);
        QFETCH(QString, label);
        QFETCH(bool, offered);
        QFETCH(QString, report);
        setUpdateServer(m_server.base());
        Form9->Update_L_Verfuegbar->setText("           ---");
        serve(version);
        const auto boxes = showUpdateWindow();
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), label);
        QCOMPARE(Form9->Update_B_Download->isEnabled(), offered);
        QCOMPARE(Form9->Update_CB_ProgStart->isEnabled(), offered);
        QCOMPARE(boxes.size(), report.isEmpty() ? 0 : 1);
        if (!report.isEmpty())
            QCOMPARE(boxes[0].text, report);
    }

    void requestsFollowRedirectsAndCarryNoCookies()
    {
        setUpdateServer(m_server.base());
        m_server.routes["/Uploads/Version_AMP.txt"] = {302, "", "/Uploads/neu/Version.txt"};
        m_server.routes["/Uploads/neu/Version.txt"] = {200, "362"};
        m_server.requests.clear();
        QVERIFY(showUpdateWindow().isEmpty());
        QVERIFY(showUpdateWindow().isEmpty());
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("Update ist verfügbar"));
        QCOMPARE(m_server.requests.size(), 4);
        for (const HttpsServer::Request& r : m_server.requests) {
            QCOMPARE(r.headers.value("user-agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
            QCOMPARE(r.headers.value("accept"),
                     QByteArray("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
            QVERIFY2(!r.headers.contains("cookie"), r.headers.value("cookie").constData());
        }
    }

    void untrustedServersAreRefused_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("report");
        QTest::newRow("self-signed certificate")
            << 0 << "Das Zertifikat des Update-Servers wurde nicht anerkannt: es ist selbst "
                    "ausgestellt.";
        QTest::newRow("certificate for another host")
            << 1 << "Das Zertifikat des Update-Servers wurde nicht anerkannt: es gilt für einen "
                    "anderen Server.";
    }
    void untrustedServersAreRefused()
    {
        QFETCH(int, which);
        QFETCH(QString, report);
        HttpsServer& untrusted = which == 0 ? m_selfSigned : m_wrongHost;
        untrusted.routes["/Uploads/Version_AMP.txt"] = {200, "362"};
        untrusted.routes["/Uploads/AmperoV362.zip"] = {200, zipOf({{"a.txt", "a"}}, m_work)};

        setUpdateServer(untrusted.base());
        Form9->Update_L_Verfuegbar->setText("           ---");
        const auto boxes = showUpdateWindow();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, report);
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("           ---"));
        QVERIFY(!Form9->Update_B_Download->isEnabled());

        // nor does a download from it get anything
        offer({{"a.txt", "a"}});
        setUpdateServer(untrusted.base());
        const auto download = click(Form9->Update_B_Download);
        QCOMPARE(download.size(), 1);
        QCOMPARE(download[0].text, report);
        QVERIFY(untrusted.requests.isEmpty());
        QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "AmperoV362.zip"));
        QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "a.txt"));
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        Form9->close();
    }

    // While the server keeps silent the program goes on working, until the time-out ends
    // the request with the standard report.
    void aSilentServerTimesOut()
    {
        setUpdateTimeout(std::chrono::milliseconds(800));
        setUpdateServer(QUrl(QStringLiteral("https://127.0.0.1:%1").arg(m_silent.serverPort())));
        Form1->PageControl1->setCurrentIndex(2);
        QElapsedTimer clock;
        clock.start();
        const auto boxes = driver::boxesDuring([] {
            Form9->hide();
            Form9->show();
            driver::enter("dBm_E_R", "60");
            QVERIFY(Form9->busy()); // still waiting, and the field took the entry meanwhile
            QVERIFY(driver::text("dBm_E_R").startsWith("60") && driver::text("dBm_E_R") != "60");
            QVERIFY(waitUntilIdle());
        });
        setUpdateTimeout(std::chrono::seconds(5));
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Zeitüberschreitung: Der Update-Server antwortet nicht."));
        QVERIFY(!Form9->Update_B_Download->isEnabled());
        Form9->close();
    }

    void anHttpErrorOfTheDownloadStopsThere()
    {
        offer({{"a.txt", "a"}});
        m_server.routes.remove("/Uploads/AmperoV362.zip");
        const auto boxes = click(Form9->Update_B_Download);
        QCOMPARE(boxes.size(), 1); // no second report about the archive
        QCOMPARE(boxes[0].text, QString("HTTP-Fehler: 404"));
        QCOMPARE(boxes[0].title, QString("Ampero V3.60"));
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        QVERIFY(shown("Update_I_Download"));
        QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "AmperoV362.zip"));
        Form9->close();
    }

    void theDownloadFillsTheBarExtractsAndTheCloseRemovesOnlyIt()
    {
        // The user's own files in the download folder, some named as the archive's are, and
        // a link of the user's to a folder outside: none is touched.
        QVERIFY(QDir().mkpath(temp()));
        const QStringList theirs{"meins.txt", "Updater1.exe", "AmperoV362.zip", "AmperoV362-2"};
        for (const QString& name : theirs) {
            QFile mine(temp() + name);
            QVERIFY(mine.open(QIODevice::WriteOnly));
            mine.write("gehört dem Benutzer");
        }
        QVERIFY(QDir().mkdir(temp() + "AmperoV362"));
        QVERIFY(QFile::link(m_outside, temp() + "weg"));

        QByteArray big(400 * 1024, Qt::Uninitialized);
        for (char& c : big)
            c = char(QRandomGenerator::global()->bounded(256));
        offer({{"Updater1.exe", kInstaller, S_IFREG | 0755},
               {"AmperoV362.exe", big},
               {"daten/", {}, S_IFDIR | 0755},
               {"daten/liesmich.txt", "neu"},
               {"meins.txt", "aus dem Archiv"},
               {"weg/x.txt", "böse"}});
        const int size = int(m_server.routes["/Uploads/AmperoV362.zip"].body.size());
        QList<int> values;
        int maximum = -1;
        connect(Form9->Update_PB_Download, &QProgressBar::valueChanged, this, [&](int v) {
            values << v;
            maximum = qMax(maximum, Form9->Update_PB_Download->maximum());
        });
        QVERIFY(click(Form9->Update_B_Download).isEmpty());
        disconnect(Form9->Update_PB_Download, nullptr, this, nullptr);

        QCOMPARE(maximum, size);
        QVERIFY(values.contains(size));
        QCOMPARE(values.last(), 0);
        // a folder of its own, neither "AmperoV362" nor "AmperoV362-2", which are the user's
        const QString own = temp() + "AmperoV362-3/";
        QCOMPARE(Form9->updateFolder(), own);
        QCOMPARE(filesIn(own), QStringList({"AmperoV362.exe", "AmperoV362.zip", "Updater1.exe",
                                            "daten", "daten/liesmich.txt", "meins.txt", "weg",
                                            "weg/x.txt"}));
        QFile extracted(own + "AmperoV362.exe");
        QVERIFY(extracted.open(QIODevice::ReadOnly));
        QCOMPARE(extracted.readAll(), big);
        QVERIFY(QFileInfo(own + "Updater1.exe").isExecutable());
        QCOMPARE(filesIn(m_outside), QStringList());
        QVERIFY(shown("Update_I_DownloadOK"));
        QVERIFY(!shown("Update_I_Download"));
        QVERIFY(Form9->Update_B_Install->isEnabled());

        Form9->Button1->click(); // "Fertig"
        QVERIFY(!Form9->isVisible());
        QCOMPARE(filesIn(temp()), QStringList({"AmperoV362", "AmperoV362-2", "AmperoV362.zip",
                                               "Updater1.exe", "meins.txt", "weg"}));
        for (const QString& name : theirs) {
            QFile mine(temp() + name);
            QVERIFY(mine.open(QIODevice::ReadOnly));
            QCOMPARE(mine.readAll(), QByteArray("gehört dem Benutzer"));
        }
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        for (const QString& name : theirs + QStringList{"weg"})
            QVERIFY(QFile::remove(temp() + name));
        QVERIFY(QDir().rmdir(temp() + "AmperoV362"));
        QVERIFY(QDir().rmdir(temp()));
    }

    // Nothing of an archive lands outside the download folder.
    void entriesLeavingTheFolderAreRefused_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("mode");
        QTest::newRow("..") << QByteArray("../x.txt") << int(S_IFREG | 0644);
        QTest::newRow(".. further in") << QByteArray("daten/../../x.txt") << int(S_IFREG | 0644);
        QTest::newRow("absolute") << QFile::encodeName(m_outside + "/x.txt") << int(S_IFREG | 0644);
        QTest::newRow("backslashes") << QByteArray("..\\x.txt") << int(S_IFREG | 0644);
        QTest::newRow("a link in the archive") << QByteArray("x.txt") << int(S_IFLNK | 0777);
    }
    void entriesLeavingTheFolderAreRefused()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, mode);
        const QByteArray data = S_ISLNK(mode) ? QFile::encodeName(m_outside) : "böse";
        offer({{name, data, mode_t(mode)}, {"Updater1.exe", kInstaller, S_IFREG | 0755}});
        const auto boxes = click(Form9->Update_B_Download);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains("führt aus dem Download-Ordner hinaus"),
                 qPrintable(boxes[0].text));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(filesIn(m_outside), QStringList());
        QVERIFY(!QFileInfo::exists(m_docs + "/x.txt"));
        QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "Updater1.exe")); // names come first
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        QVERIFY(shown("Update_I_Download"));
        Form9->close();
        QCOMPARE(filesIn(m_outside), QStringList());
    }

    // A full disk while the archive arrives or while it is extracted: said so in German, and
    // nothing half-written is left or offered for installing. A buffered file used to report
    // every write as done and lose the failure in a flush nobody checked.
    void aFullDiskIsReported_data()
    {
        QTest::addColumn<bool>("inTheDownload");
        QTest::newRow("download") << true;
        QTest::newRow("extraction") << false;
    }
    void aFullDiskIsReported()
    {
        QFETCH(bool, inTheDownload);
        QByteArray random(400 * 1024, Qt::Uninitialized);
        for (char& c : random)
            c = char(QRandomGenerator::global()->bounded(256));
        // a small archive that extracts to 2 MB, or a large one
        offer({{"Updater1.exe", kInstaller, S_IFREG | 0755},
               inTheDownload ? ZipEntry{"daten.bin", random}
                             : ZipEntry{"daten.bin", QByteArray(2 << 20, '\0'), S_IFREG | 0644,
                                        true}});
        QList<driver::Box> boxes;
        {
            FileSizeLimit disk(200 * 1024);
            boxes = click(Form9->Update_B_Download);
        }
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.endsWith(": Kein Platz mehr auf dem Datenträger."),
                 qPrintable(boxes[0].text));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        QVERIFY(shown("Update_I_Download"));
        if (inTheDownload)
            QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "AmperoV362.zip"));
        const QString own = Form9->updateFolder();
        Form9->close();
        QVERIFY(!QFileInfo::exists(own));
    }

    // An archive is checked against what it declares before anything is written, and
    // writing keeps to it: a zip bomb, an entry longer than it says, more than the disk holds.
    void archivesBeyondTheirBoundsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("report");
        QTest::newRow("declares 3.8 GB")
            << "bomb" << "Das Update-Archiv ist unzulässig: Ausgepackt wäre es größer als 1024 MB.";
        QTest::newRow("yields more than it declares")
            << "longer"
            << "Das Update-Archiv ist beschädigt: Der Eintrag „null.bin“ ist länger als angegeben.";
        QTest::newRow("more than the free space")
            << "full" << "Kein Platz mehr auf dem Datenträger: Das Update braucht 3 MB, frei sind "
                         "0 MB.";
        QTest::newRow("too many entries")
            << "many" << "Das Update-Archiv ist unzulässig: Es hat mehr als 3 Einträge.";
    }
    void archivesBeyondTheirBoundsAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, report);
        const UpdateLimits before = updateLimits();
        UpdateLimits limits = before;
        if (kind == "full")
            limits.extraction.reserve = qint64(1) << 60;
        if (kind == "many")
            limits.extraction.maxEntries = 3;
        setUpdateLimits(limits);
        QList<ZipEntry> entries{{"Updater1.exe", kInstaller, S_IFREG | 0755},
                                {"null.bin", QByteArray(2 << 20, '\0'), S_IFREG | 0644, true}};
        if (kind == "many")
            entries << ZipEntry{"a", "a"} << ZipEntry{"b", "b"};
        offer(entries);
        if (kind == "bomb" || kind == "longer") {
            QByteArray& zip = m_server.routes["/Uploads/AmperoV362.zip"].body;
            zip = withDeclaredSize(zipOf({entries[1]}, m_work), kind == "bomb" ? 0xF0000000u : 1000);
        }
        QElapsedTimer clock;
        clock.start();
        const auto boxes = click(Form9->Update_B_Download);
        setUpdateLimits(before);
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, report);
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        const QString own = Form9->updateFolder();
        if (kind == "longer")
            QVERIFY(QFileInfo(own + "null.bin").size() <= 1000);
        else
            QCOMPARE(filesIn(own), QStringList{"AmperoV362.zip"});
        Form9->close();
        QVERIFY(!QFileInfo::exists(own));
    }

    // An endless download filled the disk; a body announced too long is not even begun.
    void theDownloadIsCapped_data()
    {
        QTest::addColumn<bool>("endless");
        QTest::newRow("endless") << true;
        QTest::newRow("announced too long") << false;
    }
    void theDownloadIsCapped()
    {
        QFETCH(bool, endless);
        const UpdateLimits before = updateLimits();
        UpdateLimits limits = before;
        limits.archiveBytes = 1 << 20;
        setUpdateLimits(limits);
        offer({{"a.txt", "a"}});
        m_server.routes["/Uploads/AmperoV362.zip"] =
            endless ? Response{200, "PK", {}, true} : Response{200, QByteArray(3 << 20, 'x')};
        const auto boxes = click(Form9->Update_B_Download);
        setUpdateLimits(before);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text,
                 QString("Das Update-Archiv auf dem Server ist zu groß: mehr als 1 MB."));
        QVERIFY(!QFileInfo::exists(Form9->updateFolder() + "AmperoV362.zip"));
        QVERIFY(!Form9->Update_B_Install->isEnabled());
        Form9->close();
    }

    // A hostile version file: endless, long, or long and no number. Only a few dozen bytes
    // are read, and a message quotes at most 100 characters.
    void theVersionFileIsBounded_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("report");
        const QString tooLong = "Die Versionsdatei des Update-Servers ist zu lang: mehr als 64 Byte.";
        QTest::newRow("endless zeros") << Response{200, "0", {}, true} << tooLong;
        QTest::newRow("a megabyte of text") << Response{200, QByteArray(1 << 20, 'x')} << tooLong;
        QTest::newRow("64 bytes of text")
            << Response{200, QByteArray(64, 'x')}
            << "'" + QString(64, 'x') + "' ist kein gültiger Integerwert.";
    }
    void theVersionFileIsBounded()
    {
        QFETCH(Response, response);
        QFETCH(QString, report);
        setUpdateServer(m_server.base());
        Form9->Update_L_Verfuegbar->setText("           ---");
        m_server.routes["/Uploads/Version_AMP.txt"] = response;
        QElapsedTimer clock;
        clock.start();
        const auto boxes = showUpdateWindow();
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, report);
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("           ---"));
        QVERIFY(!Form9->Update_B_Download->isEnabled());
        Form9->close();
    }

    // Failures of the network in German, never Qt's English, and a redirect that fails says
    // why instead of "HTTP-Fehler: 302".
    void networkFailuresInGerman_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("report");
        QTest::newRow("nothing listens")
            << "closed" << "Keine Verbindung zum Update-Server: Der Server nimmt keine Verbindung an.";
        QTest::newRow("redirect to where nothing listens")
            << "redirect closed"
            << "Keine Verbindung zum Update-Server: Der Server nimmt keine Verbindung an.";
        QTest::newRow("host not found")
            << "unknown host" << "Keine Verbindung zum Update-Server: Der Server wurde nicht gefunden.";
        QTest::newRow("redirect loop")
            << "loop" << "Der Update-Server leitet die Anfrage zu oft weiter.";
        QTest::newRow("redirect to HTTP")
            << "http" << "Der Update-Server leitet die Anfrage an eine unverschlüsselte Adresse weiter.";
        QTest::newRow("a byte now and then")
            << "drip" << "Zeitüberschreitung: Die Antwort des Update-Servers dauert zu lange.";
    }
    void networkFailuresInGerman()
    {
        QFETCH(QString, kind);
        QFETCH(QString, report);
        QTcpServer gone;
        QVERIFY(gone.listen(QHostAddress::LocalHost));
        const QString closed = QString("https://127.0.0.1:%1").arg(gone.serverPort());
        gone.close();
        const UpdateLimits before = updateLimits();
        UpdateLimits limits = before;
        limits.versionDeadline = std::chrono::milliseconds(1500);
        setUpdateLimits(limits);
        setUpdateTimeout(std::chrono::milliseconds(800));

        setUpdateServer(m_server.base());
        Response& version = m_server.routes["/Uploads/Version_AMP.txt"];
        if (kind == "closed")
            setUpdateServer(QUrl(closed));
        else if (kind == "unknown host")
            setUpdateServer(QUrl("https://update.nicht-vorhanden.invalid"));
        else if (kind == "redirect closed")
            version = {302, "", (closed + "/Uploads/Version_AMP.txt").toLatin1()};
        else if (kind == "loop")
            version = {302, "", "/Uploads/Version_AMP.txt"};
        else if (kind == "http")
            version = {302, "", "http://127.0.0.1:1/Uploads/Version_AMP.txt"};
        else
            version = {200, QByteArray(60, '3'), {}, false, 100}; // within the time-out each
        Form9->Update_L_Verfuegbar->setText("           ---");
        QElapsedTimer clock;
        clock.start();
        const auto boxes = showUpdateWindow();
        setUpdateTimeout(std::chrono::seconds(5));
        setUpdateLimits(before);
        QVERIFY(clock.elapsed() < 4000);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, report);
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("           ---"));
        Form9->close();
    }

    // An installer that the archive did not bring is not started from the working folder.
    void aMissingInstallerIsReported()
    {
        QTemporaryDir working;
        QFile trap(working.filePath("Updater1.exe"));
        QVERIFY(trap.open(QIODevice::WriteOnly));
        trap.write(kInstaller);
        trap.close();
        trap.setPermissions(trap.permissions() | QFileDevice::ExeOwner);
        const QString before = QDir::currentPath();
        QDir::setCurrent(working.path());

        offer({{"liesmich.txt", "kein Installer"}});
        QVERIFY(click(Form9->Update_B_Download).isEmpty());
        const auto boxes = click(Form9->Update_B_Install);
        QDir::setCurrent(before);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Fehler Updater: Datei wurde nicht gefunden."));
        QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
        QVERIFY(shown("Update_I_Install"));
        QVERIFY(!QFileInfo::exists(working.filePath("gestartet")));
        Form9->close();
    }

    void theInstallerAndTheNewProgramStart()
    {
        int ends = 0;
        setProgramEnd([&ends] { ++ends; });
        offer({{"Updater1.exe", kInstaller, S_IFREG | 0755}});
        QVERIFY(click(Form9->Update_B_Download).isEmpty());

        // without "Programm starten" this program goes on
        Form9->Update_CB_ProgStart->setChecked(false);
        QVERIFY(click(Form9->Update_B_Install).isEmpty());
        QVERIFY(shown("Update_I_InstallOK"));
        // it ran in the download folder
        QVERIFY(waitFor([] { return QFileInfo::exists(Form9->updateFolder() + "gestartet"); }));
        QVERIFY(!Form9->Timer1->isActive());

        // with it, the new release starts half a second later and this program ends
        QCOMPARE(Form9->Timer1->interval(), 500);
        Form9->Timer1->setInterval(10); // the test need not wait
        Form9->Update_CB_ProgStart->setChecked(true);
        auto boxes = driver::boxesDuring([] {
            Form9->Update_B_Install->click();
            QVERIFY(Form9->Timer1->isActive());
            QVERIFY(waitFor([] { return !Form9->Timer1->isActive(); }));
        });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QString("Fehler Start: Datei wurde nicht gefunden."));
        QCOMPARE(ends, 0);

        QFile program(m_program + "/AmperoV362.exe");
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\nexit 0\n");
        program.close();
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        boxes = driver::boxesDuring([&ends] {
            Form9->Update_B_Install->click();
            QVERIFY(waitFor([&ends] { return ends == 1; }));
        });
        Form9->Timer1->setInterval(500);
        QVERIFY(boxes.isEmpty());
        QVERIFY(!Form9->Timer1->isActive());
        setProgramEnd({});

        // the installer may still need the files: closing leaves them
        Form9->close();
        QVERIFY(QFileInfo::exists(Form9->updateFolder() + "Updater1.exe"));
    }

    void shellMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << 0
                           << "Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte "
                              "waren ungültig";
        QTest::newRow("19") << 19
                            << "Versuch, eine komprimierte ausführbare Datei zu laden.\r\nDie Datei "
                               "muß dekomprimiert werden, bevor sie geladen werden kann.";
        QTest::newRow("unknown") << 7 << "Ein Unbekannter Fehler ist aufgetreten. (7)";
    }
    void shellMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(TForm9::ShellExecuteErrorMessage(code), message);
    }

    void shellCodesOfThisDesktop()
    {
        const QDir folder(m_work);
        const auto write = [&folder](const char* name, const QByteArray& data, bool executable) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(data);
            f.close();
            if (executable)
                f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        };
        write("text.txt", "kein Programm", false);
        write("daten.bin", "kein Programm", true);
        write("script", "#!/bin/sh\nexit 0\n", true);
        QCOMPARE(openProgram(folder.filePath("fehlt"), folder.path()), 2);
        QCOMPARE(openProgram(folder.filePath("fehlt/auch"), folder.path()), 3);
        QCOMPARE(openProgram("script", folder.path()), 3); // never looked up in the working folder
        QCOMPARE(openProgram(folder.filePath("text.txt"), folder.path()), 5);
        QCOMPARE(openProgram(folder.filePath("daten.bin"), folder.path()), 11);
        QVERIFY(openProgram(folder.filePath("script"), folder.path()) >= 32);
    }

    void theInfoWindow()
    {
        QStringList links;
        setLinkOpener([&links](const QString& link) { links << link; });
        Form2->StaticText4->setText("alt");
        Form1->Button4->click();
        QVERIFY(Form2->isVisible());
        QCOMPARE(Form2->windowTitle(), QString(" Info"));
        QCOMPARE(Form2->StaticText4->text(), QString(" Build: 12.08.2021"));
        QCOMPARE(Form2->Memo1->toPlainText(),
                 QString(" Dieses Programm ist leider nicht fehlerfrei!\n\n"
                         " Fehlermeldungen oder Anregungen zur Verbesserung \n"
                         " bitte, per E-Mail, an den Autor senden. Danke"));

        // the note and the contributors take turns
        QCOMPARE(Form2->Credits->text(), QString("Danke"));
        QVERIFY(Form2->Memo1->isVisible() && !Form2->LBCredits1->isVisible());
        for (const char* caption : {"Hinweis", "Credits", "Hinweis"}) {
            const bool listBefore = Form2->LBCredits1->isVisible();
            QTest::mouseClick(Form2->Credits, Qt::LeftButton);
            QCOMPARE(Form2->Credits->text(), QString(caption));
            QCOMPARE(Form2->LBCredits1->isVisible(), !listBefore);
            QCOMPARE(Form2->Memo1->isVisible(), listBefore);
        }
        QVERIFY(Form2->LBCredits1->count() > 0);

        QTest::mouseClick(Form2->L_EMail, Qt::LeftButton);
        QTest::mouseClick(Form2->L_HomePage, Qt::LeftButton);
        QCOMPARE(links,
                 QStringList({"mailto:rozerar@korvan-software.de ?Subject= AMP V3.6.1    Build "
                              "vom:  12.08.2021&Body=Bitte eine kurze Beschreibung des Fehler:"
                              "%0D%0A%0D%0A%0D%0A%0D%0AWas soll am Programm verbessert werden?"
                              "%0D%0A%0D%0A%0D%0A%0D%0AAnregungen ...:",
                              "https://www.korvan-software.de/"}));
        QCOMPARE(Form2->L_HomePage->cursor().shape(), Qt::PointingHandCursor);

        // "nach Updates suchen" shows the update window, which asks the server at once
        Form9->close();
        setUpdateServer(m_server.base());
        serve("362");
        m_server.requests.clear();
        QVERIFY(driver::boxesDuring([] {
                    Form2->Update_B_Updates->click();
                    QVERIFY(waitUntilIdle());
                }).isEmpty());
        QVERIFY(Form9->isVisible());
        QCOMPARE(m_server.requests.size(), 1);
        QCOMPARE(Form9->Update_L_Verfuegbar->text(), QString("Update ist verfügbar"));
        Form9->close();

        Form2->OK->click(); // "Schliessen"
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form1->isVisible());
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
