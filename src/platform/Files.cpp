#include "Files.h"

#include "values/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace ampero {

QString systemErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Kein Platz mehr auf dem Datenträger");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert");
    case ENOENT:
        return QStringLiteral("Datei oder Ordner nicht gefunden");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner");
    case EEXIST:
        return QStringLiteral("Die Datei ist schon vorhanden");
    case EISDIR:
        return QStringLiteral("Es ist ein Ordner");
    case ELOOP:
        return QStringLiteral("Der Pfad führt über eine Verknüpfung");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele offene Dateien");
    case ENOMEM:
        return QStringLiteral("Zu wenig Arbeitsspeicher");
    default:
        return QStringLiteral("Systemfehler %1").arg(error);
    }
}

NewFile::~NewFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void NewFile::fail(int error) const
{
    throw Error(QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                    .arg(m_path, systemErrorText(error)));
}

void NewFile::create(const QString& path)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_path = path;
    m_written = 0;
    m_fd = ::open(QFile::encodeName(path).constData(),
                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        const int error = errno;
        throw Error(QStringLiteral("Die Datei %1 kann nicht erstellt werden: %2")
                        .arg(path, systemErrorText(error)));
    }
}

void NewFile::write(QByteArrayView data)
{
    const char* at = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        if (n == 0)
            fail(ENOSPC);
        at += n;
        left -= n;
        m_written += n;
    }
}

void NewFile::finish(bool sync)
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (sync && ::fsync(fd) != 0 && errno != EINVAL) {
        const int error = errno;
        ::close(fd);
        fail(error);
    }
    if (::close(fd) != 0 && errno != EINTR)
        fail(errno);
}

qint64 freeSpace(const QString& path)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return static_cast<qint64>(info.f_bavail) * static_cast<qint64>(info.f_frsize);
}

} // namespace ampero
