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
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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
    const bool written =
        copy.isOpen() && copy.write(bytes) == bytes.size() && copy.flush() && copy.rename(path);
    if (!written && copy.exists())
        copy.remove();
    return written;
}

} // namespace quindor
