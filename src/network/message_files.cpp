#include "network/message_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace quindor {

namespace {

// Message files of many computers meet in one folder: their names come from the system's
// random source, not from the program's reproducible generator.
QString RandomLetters() {
    QString letters;
    for (int i = 0; i < 12; ++i)
        letters.append(QChar(u'A' + QRandomGenerator::system()->bounded(26)));
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
        path = files.folder + files.messagePrefix() + RandomLetters() + QStringLiteral(".dat");
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
        path = files.folder + files.messagePrefix() + RandomLetters() + QStringLiteral(".dat");
    }
    QFile::remove(draft);
    return false;
}

int CollectMessageFiles(const ExerciseFiles& files, const MessageReceiver& receiver,
                        Messages& messages) {
    if (!files.valid())
        return 0;
    const QDir dir(files.folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    int handed = 0;
    int errors = 0;
    for (const QString& name : names) {
        if (!files.isMessageFile(name))
            continue;
        const QString path = dir.filePath(name);
        const QFileInfo info(path);
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
