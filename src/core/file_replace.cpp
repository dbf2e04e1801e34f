#include "core/file_replace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace quindor {

bool ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Never fall back to writing in place.
    file.setDirectWriteFallback(false);
    // The buffer is flushed before the commit: a write that fails on the way to the disk (a
    // full disk, a quota) would otherwise still be committed, an empty file over a good one.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && file.commit();
    if (!written)
        file.cancelWriting();
    return written;
}

bool WriteNewFile(const QString& path, const QByteArray& bytes) {
    // Opened as new, the copy is made as an ordinary file, not with a temporary file's
    // owner-only mode, which the name would keep.
    QFile copy;
    for (int attempt = 0; attempt < 16 && !copy.isOpen(); ++attempt) {
        copy.setFileName(QFileInfo(path).absolutePath() + QStringLiteral("/.neu-") +
                         QString::number(QRandomGenerator::global()->generate64(), 36));
        copy.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!copy.isOpen())
        return false;
    const QString copyName = copy.fileName();
    const bool written = copy.write(bytes) == bytes.size() && copy.flush() && copy.rename(path);
    if (!written) {
        // A copy whose data did not reach the disk cannot be closed without an error, and
        // QFile::remove() keeps a file whose close failed: the name is removed on its own.
        copy.close();
        QFile::remove(copyName);
    }
    return written;
}

} // namespace quindor
