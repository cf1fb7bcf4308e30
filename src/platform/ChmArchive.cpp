#include "ChmArchive.h"

#include <algorithm>
#include <cerrno>
#include <chm_lib.h>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ampero {

namespace {

// Larger objects or files are no help file: refuse them rather than trust a damaged length.
constexpr LONGUINT64 kMaxObject = 64u * 1024u * 1024u;
constexpr qsizetype kMaxTotal = 256 * 1024 * 1024;
// A damaged file may keep the unpacker busy for ever.
constexpr int kTimeoutMs = 10000;

// In the child only plain system calls: it writes each object as path length, path, data
// length and data, and ends with a path length of 0.
bool writeAll(int fd, const void* data, size_t size)
{
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

struct Unpacking {
    int fd;
    bool ok = true;
};

int unpackObject(chmFile* file, chmUnitInfo* unit, void* context)
{
    auto* unpacking = static_cast<Unpacking*>(context);
    const size_t pathLength = std::strlen(unit->path);
    // Folders and the storage's own section data are no objects of the help.
    if (pathLength == 0 || unit->path[0] != '/' || unit->path[pathLength - 1] == '/')
        return CHM_ENUMERATOR_CONTINUE;
    if (unit->length > kMaxObject) {
        unpacking->ok = false;
        return CHM_ENUMERATOR_FAILURE;
    }
    const auto length = static_cast<size_t>(unit->length);
    void* data = std::malloc(length > 0 ? length : 1);
    if (!data ||
        chm_retrieve_object(file, unit, static_cast<unsigned char*>(data), 0,
                            static_cast<LONGINT64>(length)) != static_cast<LONGINT64>(length)) {
        std::free(data);
        unpacking->ok = false;
        return CHM_ENUMERATOR_FAILURE;
    }
    const auto pathSize = static_cast<quint32>(pathLength);
    const auto dataSize = static_cast<quint64>(length);
    const bool written = writeAll(unpacking->fd, &pathSize, sizeof pathSize) &&
                         writeAll(unpacking->fd, unit->path, pathLength) &&
                         writeAll(unpacking->fd, &dataSize, sizeof dataSize) &&
                         writeAll(unpacking->fd, data, length);
    std::free(data);
    if (!written) {
        unpacking->ok = false;
        return CHM_ENUMERATOR_FAILURE;
    }
    return CHM_ENUMERATOR_CONTINUE;
}

// Little-endian numbers of the file's headers.
quint64 littleEndian(const unsigned char* at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

// A number of the directory: 7 bits a byte, most significant first, the high bit set on all
// bytes but the last. False when it runs past `end`.
bool encodedInteger(const unsigned char*& at, const unsigned char* end, quint64& value)
{
    value = 0;
    for (int i = 0; i < 9 && at < end; ++i) {
        const unsigned char byte = *at++;
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

bool readAt(int fd, void* into, size_t size, off_t offset)
{
    auto* at = static_cast<char*>(into);
    while (size > 0) {
        const ssize_t n = ::pread(fd, at, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return true;
}

// Every object of the directory's listing chunks, walked from the first chunk on. libchm's
// own enumeration starts at the chunk the header names as the first, and chmcmd names the
// second one there once the directory grows past one chunk: the objects of the first,
// "/#SYSTEM" among them, would be missed and the help taken for damaged.
bool unpackDirectory(const char* path, chmFile* file, Unpacking& unpacking)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = false;
    unsigned char itsf[0x58];
    unsigned char itsp[0x54];
    if (readAt(fd, itsf, sizeof itsf, 0) && std::memcmp(itsf, "ITSF", 4) == 0) {
        const quint64 directory = littleEndian(itsf + 0x48, 8);
        const quint64 directorySize = littleEndian(itsf + 0x50, 8);
        if (directory < quint64(kMaxTotal) && directorySize < quint64(kMaxTotal) &&
            readAt(fd, itsp, sizeof itsp, static_cast<off_t>(directory)) &&
            std::memcmp(itsp, "ITSP", 4) == 0) {
            const quint64 headerSize = littleEndian(itsp + 0x08, 4);
            const quint64 chunkSize = littleEndian(itsp + 0x10, 4);
            if (headerSize >= sizeof itsp && chunkSize >= 0x20 && chunkSize <= 0x10000 &&
                headerSize < directorySize) {
                const quint64 chunks = (directorySize - headerSize) / chunkSize;
                ok = true;
                std::vector<unsigned char> chunk(chunkSize);
                // Every listing chunk in the order of the file: a damaged chain of links
                // cannot loop, and none is left out.
                for (quint64 c = 0; c < chunks && ok; ++c) {
                    const off_t at = static_cast<off_t>(directory + headerSize + c * chunkSize);
                    if (!readAt(fd, chunk.data(), chunkSize, at)) {
                        ok = false;
                        break;
                    }
                    if (std::memcmp(chunk.data(), "PMGL", 4) != 0)
                        continue; // an index chunk
                    const quint64 freeSpace = littleEndian(chunk.data() + 4, 4);
                    if (freeSpace > chunkSize - 0x14) {
                        ok = false;
                        break;
                    }
                    const unsigned char* entry = chunk.data() + 0x14;
                    const unsigned char* end = chunk.data() + chunkSize - freeSpace;
                    while (entry < end && ok) {
                        quint64 nameSize = 0, space = 0, start = 0, length = 0;
                        if (!encodedInteger(entry, end, nameSize) ||
                            nameSize > CHM_MAX_PATHLEN ||
                            nameSize > static_cast<quint64>(end - entry)) {
                            ok = false;
                            break;
                        }
                        chmUnitInfo unit{};
                        std::memcpy(unit.path, entry, nameSize);
                        unit.path[nameSize] = '\0';
                        entry += nameSize;
                        if (!encodedInteger(entry, end, space) ||
                            !encodedInteger(entry, end, start) ||
                            !encodedInteger(entry, end, length)) {
                            ok = false;
                            break;
                        }
                        unit.space = static_cast<int>(space);
                        unit.start = static_cast<LONGUINT64>(start);
                        unit.length = static_cast<LONGUINT64>(length);
                        ok = unpackObject(file, &unit, &unpacking) == CHM_ENUMERATOR_CONTINUE;
                    }
                }
            }
        }
    }
    ::close(fd);
    return ok && unpacking.ok;
}

[[noreturn]] void unpackInChild(const char* path, int fd)
{
    chmFile* file = chm_open(path);
    if (!file)
        ::_exit(2);
    Unpacking unpacking{fd};
    const bool ok = unpackDirectory(path, file, unpacking);
    chm_close(file);
    const quint32 end = 0;
    if (!ok || !writeAll(fd, &end, sizeof end))
        ::_exit(3);
    ::_exit(0);
}

// Everything the child writes, or nothing when it takes too long or writes too much. With an
// application running, the wait goes on in an event loop, so that a damaged file that keeps
// the child busy does not freeze the windows meanwhile (they repaint, timers run; input waits).
QByteArray readChild(int fd, pid_t child, bool& complete)
{
    QByteArray bytes;
    complete = false;
    char buffer[65536];
    // Reads what is there; false once the child is done or the transfer has failed.
    const auto drain = [&]() {
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK;
            if (n == 0) {
                complete = true;
                return false;
            }
            bytes.append(buffer, n);
            if (bytes.size() > kMaxTotal)
                return false;
        }
    };
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QSocketNotifier readable(fd, QSocketNotifier::Read);
        QObject::connect(&readable, &QSocketNotifier::activated, &loop, [&] {
            if (!drain())
                loop.quit();
        });
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        if (drain())
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        QElapsedTimer clock;
        clock.start();
        while (drain()) {
            const qint64 left = kTimeoutMs - clock.elapsed();
            pollfd ready{fd, POLLIN, 0};
            const int polled = left > 0 ? ::poll(&ready, 1, static_cast<int>(left)) : 0;
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled <= 0)
                break;
        }
    }
    if (!complete)
        ::kill(child, SIGKILL);
    return bytes;
}

} // namespace

QString ChmArchive::absolute(const QString& path)
{
    return path.startsWith(u'/') ? path : u'/' + path;
}

bool ChmArchive::open(const QString& path)
{
    close();
    if (!QFile::exists(path))
        return false;
    const QByteArray name = QFile::encodeName(path);
    int channel[2];
    if (::pipe(channel) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return false;
    }
    if (child == 0) {
        ::close(channel[0]);
        unpackInChild(name.constData(), channel[1]);
    }
    ::close(channel[1]);
    bool complete = false;
    const QByteArray bytes = readChild(channel[0], child, complete);
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;

    // Objects as the child wrote them; anything that does not add up is a damaged transfer.
    qsizetype at = 0;
    const auto take = [&](void* into, qsizetype size) {
        if (at + size > bytes.size())
            return false;
        std::memcpy(into, bytes.constData() + at, static_cast<size_t>(size));
        at += size;
        return true;
    };
    for (;;) {
        quint32 pathSize = 0;
        if (!take(&pathSize, sizeof pathSize)) {
            close();
            return false;
        }
        if (pathSize == 0)
            break;
        quint64 dataSize = 0;
        if (pathSize > CHM_MAX_PATHLEN || at + pathSize > bytes.size()) {
            close();
            return false;
        }
        const QString objectPath = QString::fromUtf8(bytes.constData() + at, pathSize);
        at += pathSize;
        if (!take(&dataSize, sizeof dataSize) ||
            dataSize > static_cast<quint64>(bytes.size() - at)) {
            close();
            return false;
        }
        m_objects.insert(objectPath, bytes.mid(at, static_cast<qsizetype>(dataSize)));
        at += static_cast<qsizetype>(dataSize);
    }
    m_open = true;
    readSystem();
    return true;
}

void ChmArchive::close()
{
    m_open = false;
    m_objects.clear();
    m_contents.clear();
    m_index.clear();
    m_defaultTopic.clear();
}

QStringList ChmArchive::files() const
{
    QStringList paths;
    for (auto it = m_objects.cbegin(); it != m_objects.cend(); ++it)
        if (!it.key().startsWith(u"/#") && !it.key().startsWith(u"/$"))
            paths.append(it.key());
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The system object: a version word, then records of code, length and a text that ends in NUL;
// codes 0, 1 and 2 name the contents, the index and the start topic.
void ChmArchive::readSystem()
{
    const QByteArray system = read(QStringLiteral("/#SYSTEM"));
    const auto word = [&system](qsizetype at) {
        return static_cast<quint32>(static_cast<quint8>(system[at])) |
               static_cast<quint32>(static_cast<quint8>(system[at + 1])) << 8;
    };
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const quint32 code = word(at);
        const qsizetype length = word(at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        QByteArray text = system.mid(at, length);
        if (const qsizetype end = text.indexOf('\0'); end >= 0)
            text.truncate(end);
        const QString value = text.isEmpty() ? QString() : absolute(QString::fromUtf8(text));
        switch (code) {
        case 0:
            m_contents = value;
            break;
        case 1:
            m_index = value;
            break;
        case 2:
            m_defaultTopic = value;
            break;
        default:
            break;
        }
        at += length;
    }
    // A compiler that leaves out a record still stores the files themselves.
    for (const QString& file : files()) {
        if (m_contents.isEmpty() && file.endsWith(u".hhc", Qt::CaseInsensitive))
            m_contents = file;
        if (m_index.isEmpty() && file.endsWith(u".hhk", Qt::CaseInsensitive))
            m_index = file;
    }
}

} // namespace ampero
