#include "Update361.h"

#include "app/Ampero361.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/WindowStyles.h"
#include "schematics/Pictures.h"
#include "schematics/PictureSet.h"
#include "schematics/Schematic.h"
#include "values/Errors.h"
#include "widgets/Handlers.h"
#include "windows/UpdateClient.h"
#include "widgets/WindowKeys.h"

#include <cerrno>
#include <limits>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <sys/stat.h>

namespace ampero {

namespace {

QUrl g_server(QStringLiteral("https://www.korvan-software.de"));
UpdateLimits g_limits;

// What one slice of the extraction writes before the window gets its turn again.
constexpr qint64 kSliceBytes = 4 << 20;

QUrl serverFile(const QString& path)
{
    QUrl url = g_server;
    url.setPath(path);
    return url;
}

QUrl versionFile() { return serverFile(QStringLiteral("/Uploads/Version_AMP.txt")); }

RequestLimits versionLimits()
{
    return {g_limits.versionBytes, g_limits.versionDeadline,
            QStringLiteral("Die Versionsdatei des Update-Servers ist zu lang: mehr als %1 Byte")
                .arg(g_limits.versionBytes)};
}

RequestLimits archiveLimits()
{
    return {g_limits.archiveBytes, g_limits.archiveDeadline,
            QStringLiteral("Das Update-Archiv auf dem Server ist zu groß: mehr als %1 MB")
                .arg(g_limits.archiveBytes >> 20)};
}

// The locale-independent integer conversion: leading blanks, an optional sign, decimal digits
// or a hexadecimal number after "$" or "0x", and nothing after it, not even a line break.
int StrToInt(const QString& text)
{
    const auto fail = [&text]() -> int {
        throw Error(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(shownValue(text)));
    };
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < text.size() && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return fail();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return fail();
        value = value * base + digit;
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return fail();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return fail();
    return static_cast<int>(value);
}

// A failed request becomes the error that the standard report shows.
void throwIfFailed(const Transfer& t)
{
    if (t.outcome == Transfer::HttpError)
        throw Error(QStringLiteral("HTTP-Fehler: %1").arg(t.status));
    if (t.outcome == Transfer::Failed)
        throw Error(t.error);
}

// A picture of the catalogue as a button icon.
QIcon iconOf(const QString& name, qreal unit, const QWidget* on)
{
    const Picture& p = picture(name);
    const qreal ratio = on->devicePixelRatioF();
    QPixmap pixmap((p.size * unit * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    p.draw(Schematic(painter, unit, on->palette()));
    return QIcon(pixmap);
}

constexpr qreal kIconUnit = 10;

} // namespace

void setUpdateServer(const QUrl& base) { g_server = base; }

QUrl updateServer() { return g_server; }

void setUpdateTimeout(std::chrono::milliseconds timeout) { UpdateClient::setTimeout(timeout); }

void setUpdateLimits(const UpdateLimits& limits) { g_limits = limits; }

UpdateLimits updateLimits() { return g_limits; }

TForm9::TForm9(QWidget* owner)
    : QWidget(owner, kFixedDialog)
    , m_client(new UpdateClient(this))
    , m_slices(new QTimer(this))
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Update"));
    setFixedSize(241, 279);
    setFont(arialFont(13));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 225, 222);

    Update_L_Verfuegbar = new QLabel(QStringLiteral("           ---"), panel);
    Update_L_Verfuegbar->setObjectName(QStringLiteral("Update_L_Verfuegbar"));
    Update_L_Verfuegbar->setFont(arialFont(15, true));
    Update_L_Verfuegbar->setGeometry(14, 12, 200, 24);

    Update_B_Download = new QPushButton(QStringLiteral("Download"), panel);
    Update_B_Download->setObjectName(QStringLiteral("Update_B_Download"));
    Update_B_Download->setGeometry(14, 50, 130, 32);
    m_downloadIcon = new PictureSet(
        panel, QPoint(164, 53), kIconUnit,
        {{QStringLiteral("Update_I_Download")}, {QStringLiteral("Update_I_DownloadOK")}});
    m_downloadIcon->show(0);

    Update_PB_Download = new QProgressBar(panel);
    Update_PB_Download->setObjectName(QStringLiteral("Update_PB_Download"));
    Update_PB_Download->setGeometry(14, 92, 196, 16);
    Update_PB_Download->setRange(0, 100);
    Update_PB_Download->setValue(0);
    Update_PB_Download->setTextVisible(false);

    Update_B_Install = new QPushButton(QStringLiteral("Installieren"), panel);
    Update_B_Install->setObjectName(QStringLiteral("Update_B_Install"));
    Update_B_Install->setGeometry(14, 128, 130, 32);
    Update_B_Install->setEnabled(false);
    // the installer needs administrator rights
    Update_B_Install->setIcon(iconOf(QStringLiteral("Update_I_Admin"), 7, Update_B_Install));
    Update_B_Install->setIconSize(QSize(18, 18));
    Update_B_Install->setToolTip(QStringLiteral("benötigt Administratorrechte"));
    m_installIcon = new PictureSet(
        panel, QPoint(164, 131), kIconUnit,
        {{QStringLiteral("Update_I_Install")}, {QStringLiteral("Update_I_InstallOK")}});
    m_installIcon->show(0);

    Update_CB_ProgStart = new QCheckBox(QStringLiteral("Programm starten"), panel);
    Update_CB_ProgStart->setObjectName(QStringLiteral("Update_CB_ProgStart"));
    Update_CB_ProgStart->setGeometry(14, 178, 196, 24);

    Button1 = new QPushButton(QStringLiteral("Fertig"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(145, 241, 88, 30);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    m_client->workBegin = [this](qint64 expected) { IdHTTP1WorkBegin(expected); };
    m_client->work = [this](qint64 received) { IdHTTP1Work(received); };
    m_client->workEnd = [this] { IdHTTP1WorkEnd(); };

    connectHandler(Update_B_Download, &QPushButton::clicked, this, &TForm9::Update_B_DownloadClick);
    connectHandler(Update_B_Install, &QPushButton::clicked, this, &TForm9::Update_B_InstallClick);
    connectHandler(Timer1, &QTimer::timeout, this, &TForm9::Timer1Timer);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    m_slices->setInterval(0);
    connectHandler(m_slices, &QTimer::timeout, this, &TForm9::extractSlice);
    addWindowKeys(this, kHelpContext, QStringLiteral("Update"));
}

TForm9::~TForm9()
{
    m_client->cancelAll();
    stopExtraction();
    delete m_downloadIcon;
    delete m_installIcon;
}

bool TForm9::busy() const { return m_client->busy() || m_extraction; }

void TForm9::updateButtons()
{
    // Nothing more is started while the window waits for the server.
    const bool waiting = m_checks > 0 || m_downloading || m_extraction;
    Update_B_Download->setEnabled(m_updateAvailable && !waiting);
    Update_CB_ProgStart->setEnabled(m_updateAvailable);
    Update_B_Install->setEnabled(m_installReady && !waiting);
}

// The download gets a folder of its own, new each time, so that nothing of the user's in the
// download folder is overwritten, and closing removes only what the download made.
QString TForm9::makeUpdateFolder()
{
    const QString name = DownloadOrdner + QStringLiteral("AmperoV") + VersionaufServer;
    for (int n = 1; n < 100; ++n) {
        const QString folder = n == 1 ? name : name + QStringLiteral("-%1").arg(n);
        if (::mkdir(QFile::encodeName(folder).constData(), 0755) == 0)
            return folder + QLatin1Char('/');
        if (errno != EEXIST)
            throw Error(QStringLiteral("Der Ordner %1 kann nicht erstellt werden: %2")
                            .arg(folder, systemErrorText(errno)));
    }
    throw Error(QStringLiteral("Der Ordner %1 kann nicht erstellt werden: %2")
                    .arg(name, systemErrorText(EEXIST)));
}

void TForm9::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) // not when the window comes back from the task bar
        FormShow();
}

void TForm9::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

QString TForm9::getWinSpecialFolder(int csidl)
{
    QString folder;
    switch (csidl) {
    case 5:
        folder = documentsFolder();
        break;
    case 26:
        folder = applicationDataFolder();
        break;
    case 38:
        folder = programsFolder();
        break;
    default:
        break;
    }
    if (folder.isEmpty())
        return {};
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void TForm9::FormShow()
{
    const QString documents = getWinSpecialFolder(5);
    DownloadOrdner = documents.isEmpty() ? QString() : documents + QStringLiteral("Temp/");
    ProgrammOrdner = programFolder() + QLatin1Char('/');
    // Nothing to download until the server has named a newer release.
    m_updateAvailable = false;
    ++m_checks;
    updateButtons();
    m_client->get(versionFile(), versionLimits(), nullptr, [this](const Transfer& t) {
        --m_checks;
        runHandler(this, [this, &t] { versionReceived(t); });
        updateButtons();
    });
}

void TForm9::versionReceived(const Transfer& t)
{
    if (t.outcome == Transfer::Cancelled)
        return;
    throwIfFailed(t);
    VersionaufServer = QString::fromUtf8(t.body);
    if (StrToInt(VersionaufServer) <= kRelease) {
        Update_L_Verfuegbar->setText(QStringLiteral("Programm ist aktuell"));
    } else {
        Update_L_Verfuegbar->setText(QStringLiteral("Update ist verfügbar"));
        m_updateAvailable = true;
    }
}

void TForm9::automaticCheck()
{
    if (g_server.isEmpty())
        return; // no server to ask
    m_client->get(versionFile(), versionLimits(), nullptr, [this](const Transfer& t) {
        runHandler(parentWidget(), [this, &t] {
            if (t.outcome == Transfer::Cancelled)
                return;
            throwIfFailed(t);
            if (StrToInt(QString::fromUtf8(t.body)) > kRelease)
                showWindow(this);
        });
    });
}

void TForm9::Update_B_DownloadClick()
{
    if (m_checks > 0 || m_downloading || m_extraction || !m_updateAvailable)
        return;
    runHandler(this, [this] {
        // A second download before closing starts afresh; the first one's files go, unless
        // an installer started from them may still need them.
        FormClose();
        m_installerStarted = false;
        m_made = {};
        if (DownloadOrdner.isEmpty())
            throw Error(QStringLiteral("Der Dokumente-Ordner ist unbekannt"));
        if (!QFileInfo::exists(DownloadOrdner)) {
            if (!QDir().mkpath(DownloadOrdner))
                throw Error(
                    QStringLiteral("Der Ordner %1 kann nicht erstellt werden").arg(DownloadOrdner));
            m_madeDownloadFolder = true;
        }
        m_folder = makeUpdateFolder();
        m_made.folders << m_folder.chopped(1);
        const QString path =
            m_folder + QStringLiteral("AmperoV") + VersionaufServer + QStringLiteral(".zip");
        auto archive = std::make_shared<NewFile>();
        archive->create(path);
        m_made.files << path;
        m_downloading = true;
        updateButtons();
        const QUrl url = serverFile(QStringLiteral("/Uploads/AmperoV") + VersionaufServer +
                                    QStringLiteral(".zip"));
        const auto sink = [archive](QByteArrayView data) {
            try {
                archive->write(data);
            } catch (const Error& e) {
                return e.message();
            }
            return QString();
        };
        m_client->get(url, archiveLimits(), sink, [this, archive](const Transfer& t) {
            m_downloading = false;
            runHandler(this, [this, &t, &archive] { downloadEnded(t, *archive); });
            updateButtons();
        });
    });
}

void TForm9::downloadEnded(const Transfer& t, NewFile& archive)
{
    // An incomplete archive is of no use: it goes, and nothing is extracted from it.
    const auto discard = [this, &archive] {
        try {
            archive.finish(false);
        } catch (const Error&) {
        }
        QFile::remove(archive.path());
        m_made.files.removeAll(archive.path());
    };
    if (t.outcome != Transfer::Done) {
        discard();
        if (t.outcome == Transfer::HttpError)
            showPlainMessage(this, QStringLiteral("HTTP-Fehler: %1").arg(t.status));
        else
            throwIfFailed(t);
        return;
    }
    try {
        archive.finish(true); // a full disk may show only now
    } catch (const Error&) {
        discard();
        throw;
    }
    m_extraction = std::make_unique<ArchiveExtraction>(archive.path(), m_folder, m_made,
                                                       g_limits.extraction);
    Update_PB_Download->setRange(0, 1000);
    Update_PB_Download->setValue(0);
    m_slices->start();
}

void TForm9::extractSlice()
{
    if (!m_extraction)
        return;
    // No further slice while this one runs: a message box it shows would let one in.
    m_slices->stop();
    bool ended = true; // an error ends it as well
    runHandler(this, [this, &ended] {
        ended = m_extraction->step(kSliceBytes);
        const qint64 total = qMax<qint64>(1, m_extraction->total());
        Update_PB_Download->setValue(static_cast<int>(m_extraction->written() * 1000 / total));
        if (ended) {
            m_downloadIcon->show(QStringLiteral("Update_I_DownloadOK"));
            m_installReady = true;
        }
    });
    if (ended) {
        stopExtraction();
        updateButtons();
    } else if (m_extraction) {
        m_slices->start();
    }
}

void TForm9::stopExtraction()
{
    m_slices->stop();
    if (!m_extraction)
        return;
    m_extraction.reset();
    Update_PB_Download->setValue(0);
}

void TForm9::IdHTTP1WorkBegin(qint64 expected)
{
    const qint64 most = std::numeric_limits<int>::max();
    Update_PB_Download->setRange(0, static_cast<int>(qBound<qint64>(0, expected, most)));
    Update_PB_Download->setValue(0);
}

void TForm9::IdHTTP1Work(qint64 received)
{
    const qint64 most = std::numeric_limits<int>::max();
    Update_PB_Download->setValue(static_cast<int>(qMin(received, most)));
}

void TForm9::IdHTTP1WorkEnd()
{
    Update_PB_Download->setRange(0, qMax(1, Update_PB_Download->maximum()));
    Update_PB_Download->setValue(0);
}

void TForm9::Update_B_InstallClick()
{
    // The installer came with the archive: it is started where the archive put it, never
    // looked up elsewhere.
    const int code = openProgram(m_folder + QStringLiteral("Updater1.exe"), m_folder);
    if (code >= 32) {
        m_installIcon->show(QStringLiteral("Update_I_InstallOK"));
        m_installerStarted = true;
        if (Update_CB_ProgStart->isChecked())
            Timer1->start();
    } else {
        showPlainMessage(this, QStringLiteral("Fehler Updater: ") + ShellExecuteErrorMessage(code));
    }
}

void TForm9::Timer1Timer()
{
    Timer1->stop();
    const int code = openProgram(ProgrammOrdner + QStringLiteral("AmperoV") + VersionaufServer +
                                     QStringLiteral(".exe"),
                                 ProgrammOrdner);
    if (code >= 32)
        endProgramNow();
    else
        showPlainMessage(this, QStringLiteral("Fehler Start: ") + ShellExecuteErrorMessage(code));
}

void TForm9::Button1Click() { close(); }

void TForm9::FormClose()
{
    m_client->cancelAll(); // a running download ends and takes its incomplete archive along
    stopExtraction();
    if (m_installerStarted)
        return; // the installer may still be reading what the archive brought
    // Only what the download made goes; anything else in the folder stays.
    for (const QString& file : std::as_const(m_made.files))
        QFile::remove(file);
    for (auto folder = m_made.folders.crbegin(); folder != m_made.folders.crend(); ++folder)
        QDir().rmdir(*folder); // only when empty
    if (m_madeDownloadFolder)
        QDir().rmdir(DownloadOrdner);
    m_made = {};
    m_madeDownloadFolder = false;
    // The files are gone, so is what could be installed from them.
    m_installReady = false;
    m_downloadIcon->show(0);
    m_installIcon->show(0);
    updateButtons();
}

QString TForm9::ShellExecuteErrorMessage(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral(
            "Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte waren ungültig");
    case 2:
        return QStringLiteral("Datei wurde nicht gefunden.");
    case 3:
        return QStringLiteral("Verzeichnis wurde nicht gefunden.");
    case 5:
        return QStringLiteral("Fehler beim gemeinsamen Zugriff auf eine Datei im Netz oder Fehler "
                              "beim Zugriff auf eine gesperrte Datei im Netz.");
    case 6:
        return QStringLiteral("Bibliothek forderte separate Datensegmente für jede Task an.");
    case 8:
        return QStringLiteral("Zuwenig Speicher, um die Anwendung zu starten.");
    case 10:
        return QStringLiteral("Falsche Windows-Version.");
    case 11:
        return QStringLiteral("Ungültige ausführbare Datei. Entweder keine Windows-Anwendung oder "
                              "Fehler in der EXE-Datei.");
    case 12:
        return QStringLiteral("Anwendung für ein anderes Betriebssystem.");
    case 13:
        return QStringLiteral("Anwendung für MS-DOS 4.0.");
    case 14:
        return QStringLiteral("Typ der ausführbaren Datei unbekannt.");
    case 15:
        return QStringLiteral(
            "Versuch, eine Real-Mode-Anwendung (für eine frühere Windows-Version) zu laden.");
    case 16:
        return QStringLiteral("Versuch, eine zweite Instanz einer ausführbaren Datei mit mehreren "
                              "Datensegmenten die nicht als nur lesbar gekennzeichnet waren, zu "
                              "laden.");
    case 19:
        return QStringLiteral("Versuch, eine komprimierte ausführbare Datei zu laden.\r\nDie Datei "
                              "muß dekomprimiert werden, bevor sie geladen werden kann.");
    case 20:
        return QStringLiteral("Ungültige dynamische Linkbibliothek (DLL).\r\nEine der DLLs, die "
                              "benötigt wurde, um die Anwendung auszuführen, war beschädigt.");
    default:
        return QStringLiteral("Ein Unbekannter Fehler ist aufgetreten. (%1)").arg(code);
    }
}

} // namespace ampero
