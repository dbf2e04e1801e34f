#include "core/file_replace.h"

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

} // namespace quindor
