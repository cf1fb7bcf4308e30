#include "UpdateArchive.h"

#include "values/Errors.h"

#include <memory>
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

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

[[noreturn]] void refuse(const QString& name)
{
    throw Error(QStringLiteral("Das Update-Archiv ist unzulässig, der Eintrag „%1“ führt aus "
                               "dem Download-Ordner hinaus. Es wird nichts weiter entpackt")
                    .arg(name));
}

struct Entry {
    zip_uint64_t index;
    QString name;     // as the archive writes it
    QString relative; // the clean path inside the folder
    bool folder;
    mode_t mode; // 0 when the archive keeps no Unix permissions
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

std::vector<Entry> readEntries(zip_t* archive)
{
    std::vector<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
        if (!raw)
            throw Error(QString::fromLocal8Bit(zip_strerror(archive)));
        Entry e{index, QString::fromUtf8(raw), {}, false, 0};
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

void writeEntry(zip_t* archive, const Entry& e, const QString& target, ExtractedFiles& made)
{
    std::unique_ptr<zip_file_t, ZipFileCloser> in(zip_fopen_index(archive, e.index, 0));
    if (!in)
        throw Error(QString::fromLocal8Bit(zip_strerror(archive)));
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Error(QStringLiteral("Die Datei %1 kann nicht erstellt werden").arg(target));
    made.files << target;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(in.get(), buffer, sizeof buffer);
        if (n < 0)
            throw Error(QStringLiteral("Das Update-Archiv ist beschädigt: ") +
                        QString::fromLocal8Bit(zip_file_strerror(in.get())));
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            throw Error(QStringLiteral("Die Datei %1 kann nicht geschrieben werden").arg(target));
    }
    out.close();
    if (e.mode != 0) { // the archive's permissions, never more than read, write and run
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        const auto allow = [&](mode_t bit, QFileDevice::Permission p) {
            if (e.mode & bit)
                permissions |= p;
        };
        allow(S_IXUSR, QFileDevice::ExeOwner);
        allow(S_IRGRP, QFileDevice::ReadGroup);
        allow(S_IXGRP, QFileDevice::ExeGroup);
        allow(S_IROTH, QFileDevice::ReadOther);
        allow(S_IXOTH, QFileDevice::ExeOther);
        out.setPermissions(permissions);
    }
}

} // namespace

void extractArchive(const QString& archivePath, const QString& folder, ExtractedFiles& made)
{
    int code = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(
        zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive)
        throw Error(QStringLiteral("Das Update-Archiv kann nicht geöffnet werden: ") +
                    zipErrorText(code));
    const std::vector<Entry> entries = readEntries(archive.get());

    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        throw Error(QStringLiteral("Der Ordner %1 fehlt").arg(folder));
    for (const Entry& e : entries) {
        const QString parent = e.folder ? e.relative : e.relative.section(QLatin1Char('/'), 0, -2);
        makeFolders(root, parent, e.name, made);
        if (e.folder)
            continue;
        const QString target = root + QLatin1Char('/') + e.relative;
        const QFileInfo existing(target);
        if (existing.isSymLink())
            refuse(e.name);
        if (existing.exists() && !existing.isFile())
            throw Error(QStringLiteral("%1 ist keine Datei").arg(target));
        writeEntry(archive.get(), e, target, made);
    }
}

} // namespace ampero
