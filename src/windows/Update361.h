#pragma once

#include <chrono>
#include <memory>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "windows/UpdateArchive.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ampero {

class NewFile;
class PictureSet;
class UpdateClient;
struct Transfer;

// The release number of this program (version 3.6.1).
inline constexpr int kRelease = 361;

// The update server's base address (scheme, host and port); the files lie under "/Uploads/".
// An empty address leaves out the check at start (tests that do not serve updates).
void setUpdateServer(const QUrl& base);
QUrl updateServer();
// How long a request may go without a sign of life from the server before it fails.
void setUpdateTimeout(std::chrono::milliseconds timeout);

// What the server may send: the version file is a number of a few digits, the archive an
// update of a few megabytes; each request has a deadline as a whole.
struct UpdateLimits {
    qint64 versionBytes = 64;
    std::chrono::milliseconds versionDeadline{60000};
    qint64 archiveBytes = qint64(256) << 20;
    std::chrono::milliseconds archiveDeadline{30 * 60000};
    ArchiveLimits extraction;
};
void setUpdateLimits(const UpdateLimits& limits);
UpdateLimits updateLimits();

// The update window: tells whether a newer release is on the server, downloads and extracts
// its archive, starts its installer and, if asked, the new program.
class TForm9 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 235; // its help topic
    explicit TForm9(QWidget* owner);
    ~TForm9() override;

    QLabel* Update_L_Verfuegbar = nullptr;
    QPushButton* Update_B_Download = nullptr;
    QProgressBar* Update_PB_Download = nullptr;
    QPushButton* Update_B_Install = nullptr;
    QCheckBox* Update_CB_ProgStart = nullptr;
    QPushButton* Button1 = nullptr; // "Fertig"
    QTimer* Timer1 = nullptr;

    QString VersionaufServer;
    QString DownloadOrdner; // with a trailing separator
    QString ProgrammOrdner; // with a trailing separator

    void FormShow();
    void FormClose();
    void Update_B_DownloadClick();
    void Update_B_InstallClick();
    void Timer1Timer();
    void IdHTTP1WorkBegin(qint64 expected);
    void IdHTTP1Work(qint64 received);
    void IdHTTP1WorkEnd();
    void Button1Click();

    // The check at program start: fetches the version file and shows this window when the
    // server holds a newer release. Errors go to the standard report over the main window.
    void automaticCheck();

    // The message for a result code of the shell's "open".
    static QString ShellExecuteErrorMessage(int code);
    // The path of a shell special folder (5 documents, 26 application data, 38 programs) with
    // a trailing separator, empty for any other.
    static QString getWinSpecialFolder(int csidl);

    // A request of the window is running (a check or a download), or an extraction.
    bool busy() const;
    // The folder the last download went into, of its own (with a trailing separator).
    QString updateFolder() const { return m_folder; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void versionReceived(const Transfer& transfer);
    void downloadEnded(const Transfer& transfer, NewFile& archive);
    void extractSlice();
    void stopExtraction();
    void updateButtons();
    QString makeUpdateFolder();

    UpdateClient* m_client;
    PictureSet* m_downloadIcon;
    PictureSet* m_installIcon;
    int m_checks = 0; // checks of the version file running
    bool m_downloading = false;
    std::unique_ptr<ArchiveExtraction> m_extraction;
    QTimer* m_slices; // runs the extraction a slice at a time
    QString m_folder; // the download's own folder inside DownloadOrdner
    bool m_updateAvailable = false;
    bool m_installReady = false;
    bool m_madeDownloadFolder = false;
    bool m_installerStarted = false;
    ExtractedFiles m_made; // what the download put into the download folder
};

} // namespace ampero
