#include "network/message_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <chrono>

namespace quindor {

namespace {

// The 12 letters of a message file name: ten from the clock in microseconds, so that the
// names of one computer's messages sort in the order they were written (the clock comes round
// again after four years), and two from the system's random source.
QString NameLetters() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    uint64_t value =
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    QString letters(12, QLatin1Char('A'));
    for (int i = 9; i >= 0; --i) {
        letters[i] = QChar(u'A' + static_cast<char16_t>(value % 26));
        value /= 26;
    }
    for (int i = 10; i < 12; ++i)
        letters[i] = QChar(u'A' + QRandomGenerator::system()->bounded(26));
    return letters;
}

std::optional<NetMessage> ReadMessageFile(const QString& path) {
    const QFileInfo info(path);
    // A link or a special file is nothing a participant writes.
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxMessageFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxMessageFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ParseMessageFile(bytes);
}

} // namespace

bool WriteMessageFile(const ExerciseFiles& files, const platform::HostIdentity& identity,
                      const QStringList& lines, QString& path) {
    path = files.folder + files.messagePrefix() + QStringLiteral(".dat");
    if (!files.valid())
        return false;
    const QByteArray bytes =
        EncodeMessageFile(identity.userName(), identity.computerName(), JoinMessageLines(lines));
    do {
        path = files.folder + files.messagePrefix() + NameLetters() + QStringLiteral(".dat");
    } while (QFileInfo::exists(path));
    const QString draft = path + QStringLiteral(".part");
    QFile file(draft);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        file.close();
        QFile::remove(draft);
        return false;
    }
    file.close();
    // The final name is taken only where no file has it; a name just taken by another
    // computer is drawn again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (QFile::rename(draft, path))
            return true;
        if (!QFileInfo::exists(path))
            break;
        path = files.folder + files.messagePrefix() + NameLetters() + QStringLiteral(".dat");
    }
    QFile::remove(draft);
    return false;
}

int CollectMessageFiles(const ExerciseFiles& files, const MessageReceiver& receiver,
                        Messages& messages) {
    if (!files.valid())
        return 0;
    const QDir dir(files.folder);
    // In the order written: the oldest first, and within one moment by name, which a
    // participant's clock letters keep in order. A row ends with the last message.
    QFileInfoList found;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (files.isMessageFile(info.fileName()))
            found.append(info);
    }
    std::stable_sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const qint64 at = a.lastModified().toMSecsSinceEpoch();
        const qint64 bt = b.lastModified().toMSecsSinceEpoch();
        return at != bt ? at < bt : a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    int handed = 0;
    int errors = 0;
    for (const QFileInfo& info : found) {
        const QString path = info.filePath();
        // An empty file is deleted unread.
        if (info.isSymLink() || info.size() > 0) {
            const std::optional<NetMessage> message = ReadMessageFile(path);
            const bool accepted = message && receiver(*message);
            if (message)
                ++handed;
            if (!accepted && errors++ < kMaxCollectErrors)
                messages.error(FileReadErrorMessage(QDir::toNativeSeparators(path)));
        }
        QFile::remove(path);
    }
    return handed;
}

} // namespace quindor
