#pragma once

#include <QString>
#include <QStringList>

namespace ampero {

// What an extraction put on disk, in the order it was made: files, and the folders it had to
// create, so that exactly these can be removed again.
struct ExtractedFiles {
    QStringList files;
    QStringList folders;
};

// Extracts the ZIP archive into `folder` (which exists). Every entry must stay inside it: an
// absolute path, a ".." step, a link in the archive or a link on the way out of the folder
// stops the extraction before anything is written for that entry. Names of the archive are
// checked all before the first file is written. Errors throw ampero::Error; `made` holds what
// was written up to then.
void extractArchive(const QString& archive, const QString& folder, ExtractedFiles& made);

} // namespace ampero
