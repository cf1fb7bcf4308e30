#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct chmFile;

namespace ampero {

// A compiled HTML help file, read with libchm. Object paths start with "/".
class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // False when the file cannot be opened or is no compiled help file.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }

    bool contains(const QString& path) const;
    // The object's bytes; empty when it is missing or cannot be read in full.
    QByteArray read(const QString& path) const;
    // Paths of all stored files (no folders, no internal objects).
    QStringList files() const { return m_files; }

    // Names from the file's system object, as the compiler wrote them; empty when absent.
    QString contentsFile() const { return m_contents; }
    QString indexFile() const { return m_index; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString title() const { return m_title; }

private:
    void readSystem();

    chmFile* m_file = nullptr;
    QStringList m_files;
    QString m_contents, m_index, m_defaultTopic, m_title;
};

} // namespace ampero
