#include "network/folder_port.h"

#include "core/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace quindor {

void FolderPort::hold() const {
    if (hold_ > 0)
        QThread::msleep(static_cast<unsigned long>(hold_));
}

QList<FolderEntry> FolderPort::list(const QString& folder) {
    hold();
    QList<FolderEntry> entries;
    const QFileInfoList infos = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : infos)
        entries.append({info.fileName(), info.size(), info.lastModified().toMSecsSinceEpoch(),
                        info.isFile() && !info.isSymLink()});
    return entries;
}

std::optional<QByteArray> FolderPort::read(const QString& path, qint64 maxSize) {
    hold();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxSize)
        return std::nullopt;
    return bytes;
}

bool FolderPort::remove(const QString& path) {
    hold();
    if (QFile::remove(path))
        return true;
    // A link that points nowhere does not exist for QFileInfo::exists, yet stays.
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

bool FolderPort::exists(const QString& path) {
    hold();
    return QFileInfo::exists(path);
}

bool FolderPort::create(const QString& path, const QByteArray& bytes) {
    hold();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    if (file.write(bytes) == bytes.size() && file.flush()) {
        file.close();
        return true;
    }
    file.close();
    QFile::remove(path);
    return false;
}

bool FolderPort::rename(const QString& from, const QString& to) {
    hold();
    return QFile::rename(from, to);
}

bool FolderPort::replace(const QString& path, const QByteArray& bytes) {
    hold();
    return ReplaceFileContent(path, bytes);
}

bool FolderPort::appendBestList(const QString& path, const BestListDataTyp& entry) {
    hold();
    // The caller says what failed, on its own thread.
    RecordingMessages unshown;
    return AppendBestListEntry(path, entry, true, unshown);
}

} // namespace quindor
