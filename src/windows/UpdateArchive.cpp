#include "UpdateArchive.h"

#include "platform/Files.h"
#include "values/Errors.h"

#include <vector>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <zip.h>

namespace ampero {

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// libzip's own texts are English.
QString zipErrorText(int code)
{
    switch (code) {
    case ZIP_ER_NOZIP:
        return QStringLiteral("Es ist keine ZIP-Datei");
    case ZIP_ER_INCONS:
        return QStringLiteral("Sein Inhaltsverzeichnis passt nicht zu den Einträgen");
    case ZIP_ER_CRC:
        return QStringLiteral("Die Prüfsumme eines Eintrags stimmt nicht");
    case ZIP_ER_EOF:
        return QStringLiteral("Es endet vorzeitig");
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("Ein Eintrag ist mit einem unbekannten Verfahren gepackt");
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return QStringLiteral("Ein Eintrag ist verschlüsselt");
    case ZIP_ER_ZLIB:
        return QStringLiteral("Ein Eintrag lässt sich nicht entpacken");
    case ZIP_ER_MEMORY:
        return QStringLiteral("Zu wenig Arbeitsspeicher");
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        return QStringLiteral("Es kann nicht gelesen werden");
    default:
        return QStringLiteral("Fehler %1 beim Lesen des Archivs").arg(code);
    }
}

[[noreturn]] void damaged(int code)
{
    throw Error(QStringLiteral("Das Update-Archiv ist beschädigt: ") + zipErrorText(code));
}

[[noreturn]] void refuse(const QString& name)
{
    throw Error(QStringLiteral("Das Update-Archiv ist unzulässig, der Eintrag „%1“ führt aus "
                               "dem Download-Ordner hinaus. Es wird nichts weiter entpackt")
                    .arg(shownValue(name)));
}

qint64 megabytes(qint64 bytes) { return (bytes + (qint64(1) << 20) - 1) >> 20; }

struct Entry {
    zip_uint64_t index;
    QString name;     // as the archive writes it
    QString relative; // the clean path inside the folder
    bool folder;
    mode_t mode;       // 0 when the archive keeps no Unix permissions
    zip_uint64_t size; // as declared
};

// The entry's path inside the folder, or an empty text when it would lead outside.
QString insidePath(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/')); // archives made on other systems
    if (path.startsWith(QLatin1Char('/')) || (path.size() > 1 && path[1] == QLatin1Char(':')) ||
        path.contains(QChar(0)))
        return {};
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            return {};
        if (part != QLatin1String("."))
            parts << part;
    }
    return parts.join(QLatin1Char('/'));
}

std::vector<Entry> readEntries(zip_t* archive, const ArchiveLimits& limits)
{
    std::vector<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > limits.maxEntries)
        throw Error(QStringLiteral("Das Update-Archiv ist unzulässig: Es hat mehr als %1 Einträge")
                        .arg(limits.maxEntries));
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (!raw || zip_stat_index(archive, index, 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_SIZE))
            damaged(zip_error_code_zip(zip_get_error(archive)));
        Entry e{index, QString::fromUtf8(raw), {}, false, 0, stat.size};
        e.relative = insidePath(e.name);
        e.folder = e.name.endsWith(QLatin1Char('/')) || e.name.endsWith(QLatin1Char('\\'));
        if (e.relative.isEmpty() && !e.folder)
            refuse(e.name);
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX) {
            e.mode = static_cast<mode_t>(attributes >> 16);
            if (S_ISLNK(e.mode))
                refuse(e.name); // a link could point anywhere
            if (S_ISDIR(e.mode))
                e.folder = true;
        }
        if (!e.relative.isEmpty())
            entries.push_back(e);
    }
    return entries;
}

// Creates the folders up to `path` one by one, each checked to lie inside `root` after any
// link on the way is resolved.
void makeFolders(const QString& root, const QString& relative, const QString& name,
                 ExtractedFiles& made)
{
    QString path = root;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        const QFileInfo info(path);
        if (info.isSymLink())
            refuse(name);
        if (!info.exists()) {
            if (!QDir().mkdir(path))
                throw Error(QStringLiteral("Der Ordner %1 kann nicht erstellt werden").arg(path));
            made.folders << path;
        } else if (!info.isDir()) {
            throw Error(QStringLiteral("%1 ist kein Ordner").arg(path));
        }
    }
}

// The archive's permissions, never more than read, write and run.
void setPermissions(const QString& target, mode_t mode)
{
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const auto allow = [&](mode_t bit, QFileDevice::Permission p) {
        if (mode & bit)
            permissions |= p;
    };
    allow(S_IXUSR, QFileDevice::ExeOwner);
    allow(S_IRGRP, QFileDevice::ReadGroup);
    allow(S_IXGRP, QFileDevice::ExeGroup);
    allow(S_IROTH, QFileDevice::ReadOther);
    allow(S_IXOTH, QFileDevice::ExeOther);
    QFile::setPermissions(target, permissions);
}

} // namespace

struct ArchiveExtraction::State {
    explicit State(ExtractedFiles& m)
        : made(m)
    {
    }
    ExtractedFiles& made;
    std::unique_ptr<zip_t, ZipCloser> archive;
    std::vector<Entry> entries;
    QString root;
    size_t next = 0; // the entry being written, or the next to start
    std::unique_ptr<zip_file_t, ZipFileCloser> in;
    NewFile out;
    qint64 total = 0;
    qint64 written = 0;
    std::vector<char> buffer = std::vector<char>(64 * 1024);

    // Opens the next file to write; false when there is none left.
    bool startEntry();
    void endEntry();
};

ArchiveExtraction::ArchiveExtraction(const QString& archivePath, const QString& folder,
                                     ExtractedFiles& made, const ArchiveLimits& limits)
    : m(std::make_unique<State>(made))
{
    int code = 0;
    m->archive.reset(
        zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!m->archive)
        throw Error(QStringLiteral("Das Update-Archiv kann nicht geöffnet werden: ") +
                    zipErrorText(code));
    m->entries = readEntries(m->archive.get(), limits);

    m->root = QFileInfo(folder).canonicalFilePath();
    if (m->root.isEmpty())
        throw Error(QStringLiteral("Der Ordner %1 fehlt").arg(folder));
    // The declared sizes, checked before anything is written; writing keeps to them.
    for (const Entry& e : m->entries) {
        if (!e.folder && e.size > zip_uint64_t(limits.maxBytes - m->total))
            throw Error(QStringLiteral("Das Update-Archiv ist unzulässig: Ausgepackt wäre es "
                                       "größer als %1 MB")
                            .arg(megabytes(limits.maxBytes)));
        if (!e.folder)
            m->total += static_cast<qint64>(e.size);
    }
    const qint64 free = freeSpace(m->root);
    if (free >= 0 && free - limits.reserve < m->total)
        throw Error(QStringLiteral("Kein Platz mehr auf dem Datenträger: Das Update braucht "
                                   "%1 MB, frei sind %2 MB")
                        .arg(megabytes(m->total))
                        .arg(megabytes(qMax<qint64>(0, free - limits.reserve))));
}

ArchiveExtraction::~ArchiveExtraction() = default;

qint64 ArchiveExtraction::total() const { return m->total; }

qint64 ArchiveExtraction::written() const { return m->written; }

bool ArchiveExtraction::State::startEntry()
{
    while (next < entries.size()) {
        const Entry& e = entries[next];
        const QString parent = e.folder ? e.relative : e.relative.section(QLatin1Char('/'), 0, -2);
        makeFolders(root, parent, e.name, made);
        if (e.folder) {
            ++next;
            continue;
        }
        const QString target = root + QLatin1Char('/') + e.relative;
        const QFileInfo existing(target);
        if (existing.isSymLink())
            refuse(e.name);
        if (existing.exists() && !existing.isFile())
            throw Error(QStringLiteral("%1 ist keine Datei").arg(target));
        in.reset(zip_fopen_index(archive.get(), e.index, 0));
        if (!in)
            damaged(zip_error_code_zip(zip_get_error(archive.get())));
        out.create(target); // never over a file that is there
        made.files << target;
        return true;
    }
    return false;
}

void ArchiveExtraction::State::endEntry()
{
    const Entry& e = entries[next];
    out.finish(false);
    in.reset();
    if (e.mode != 0)
        setPermissions(out.path(), e.mode);
    ++next;
}

bool ArchiveExtraction::step(qint64 budget)
{
    qint64 spent = 0;
    while (spent < budget) {
        if (!m->in) {
            if (!m->startEntry())
                return true;
            spent += 4096; // a file costs time, however small
        }
        const Entry& e = m->entries[m->next];
        const zip_int64_t n = zip_fread(m->in.get(), m->buffer.data(), m->buffer.size());
        if (n < 0)
            damaged(zip_error_code_zip(zip_file_get_error(m->in.get())));
        if (n == 0) {
            if (static_cast<zip_uint64_t>(m->out.written()) != e.size)
                throw Error(QStringLiteral("Das Update-Archiv ist beschädigt: Der Eintrag „%1“ "
                                           "ist kürzer als angegeben")
                                .arg(shownValue(e.name)));
            m->endEntry();
            continue;
        }
        // An entry that yields more than it declares stops here, not at its checksum.
        if (static_cast<zip_uint64_t>(m->out.written() + n) > e.size)
            throw Error(QStringLiteral("Das Update-Archiv ist beschädigt: Der Eintrag „%1“ ist "
                                       "länger als angegeben")
                            .arg(shownValue(e.name)));
        m->out.write(QByteArrayView(m->buffer.data(), n));
        m->written += n;
        spent += n;
    }
    return m->next == m->entries.size() && !m->in;
}

void extractArchive(const QString& archive, const QString& folder, ExtractedFiles& made,
                    const ArchiveLimits& limits)
{
    ArchiveExtraction extraction(archive, folder, made, limits);
    while (!extraction.step(qint64(1) << 30)) {
    }
}

} // namespace ampero
