#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace ampero {

// A compiled HTML help file, read with libchm. Object paths start with "/".
//
// libchm trusts the file: a damaged one can make it write through a null pointer or loop.
// So a child process unpacks the whole file and hands the objects over a pipe; whatever
// happens to the child, the program only learns that the file cannot be read. A help file is
// small, so keeping all of it in memory costs little.
class ChmArchive {
public:
    // False when the file cannot be opened, is no compiled help file or cannot be unpacked.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_open; }

    bool contains(const QString& path) const { return m_objects.contains(absolute(path)); }
    // The object's bytes; empty when it is missing.
    QByteArray read(const QString& path) const { return m_objects.value(absolute(path)); }
    // Paths of all stored files, sorted (no folders, no internal objects).
    QStringList files() const;

    // Names from the file's system object, as the compiler wrote them; empty when absent.
    QString contentsFile() const { return m_contents; }
    QString indexFile() const { return m_index; }
    QString defaultTopic() const { return m_defaultTopic; }

private:
    static QString absolute(const QString& path);
    void readSystem();

    bool m_open = false;
    QHash<QString, QByteArray> m_objects;
    QString m_contents, m_index, m_defaultTopic;
};

} // namespace ampero
