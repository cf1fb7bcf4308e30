#pragma once

#include <QByteArrayView>
#include <QString>

namespace ampero {

// The German text for a system error number (errno). A full disk, a quota and a file size
// limit all read "Kein Platz mehr auf dem Datenträger".
QString systemErrorText(int error);

// A file this program creates and writes, unbuffered, so that every failure (a full disk
// above all) shows at the write that meets it and not in a flush nobody checks. It is never
// an existing file: creating fails when the name is taken, even by a dangling link. Errors
// throw ampero::Error with a German text.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile(); // closes without any check; call finish() to learn whether all went well

    // Creates the file; throws when it exists or cannot be made.
    void create(const QString& path);
    void write(QByteArrayView data);
    // Writes everything through to the disk (when `sync`) and closes; throws on failure.
    void finish(bool sync);
    bool isOpen() const { return m_fd >= 0; }
    qint64 written() const { return m_written; }
    const QString& path() const { return m_path; }

private:
    [[noreturn]] void fail(int error) const;

    int m_fd = -1;
    qint64 m_written = 0;
    QString m_path;
};

// Bytes free for this user on the file system that holds `path`, -1 when unknown.
qint64 freeSpace(const QString& path);

} // namespace ampero
