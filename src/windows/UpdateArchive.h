#pragma once

#include <memory>
#include <QString>
#include <QStringList>

namespace ampero {

// What an extraction put on disk, in the order it was made: files, and the folders it had to
// create, so that exactly these can be removed again.
struct ExtractedFiles {
    QStringList files;
    QStringList folders;
};

// What an archive may hold: an update is a few megabytes, so anything far beyond is a broken
// or hostile archive, refused before it fills the disk.
struct ArchiveLimits {
    qint64 maxBytes = qint64(1) << 30; // all entries together, extracted
    qint64 maxEntries = 10000;
    qint64 reserve = qint64(64) << 20; // left free on the disk after extracting
};

// Extracts a ZIP archive into `folder` (which exists), a slice at a time, so that the window
// goes on while it works. Every entry must stay inside the folder: an absolute path, a ".."
// step, a link in the archive or a link on the way out of the folder stops the extraction
// before anything is written for that entry. Nothing that exists is overwritten. Names and
// sizes are checked all before the first file is written: the sizes the archive declares
// must fit the limits and the free space, and no entry may yield more than it declares.
// Errors throw ampero::Error; `made` holds what was written up to then.
class ArchiveExtraction {
public:
    ArchiveExtraction(const QString& archive, const QString& folder, ExtractedFiles& made,
                      const ArchiveLimits& limits = {});
    ~ArchiveExtraction();

    // Writes up to about `budget` bytes; true once everything is extracted.
    bool step(qint64 budget);
    qint64 total() const; // bytes to write, as declared
    qint64 written() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

// The whole extraction at once.
void extractArchive(const QString& archive, const QString& folder, ExtractedFiles& made,
                    const ArchiveLimits& limits = {});

} // namespace ampero
