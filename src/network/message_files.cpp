#include "network/message_files.h"

#include <QDir>
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

QString Quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace

QString DeleteErrorMessage(const QStringList& paths) {
    // A few names say enough; a share that refuses every delete may leave hundreds.
    constexpr qsizetype kNamed = 3;
    QStringList quoted;
    for (const QString& path : paths.mid(0, kNamed))
        quoted.append(Quoted(path));
    if (paths.size() > kNamed)
        quoted.append(QStringLiteral("%1 weitere").arg(paths.size() - kNamed));
    const QString what = paths.size() == 1
                             ? QStringLiteral("Die Datei ") + quoted.first() +
                                   QStringLiteral(" kann nicht gelöscht werden.")
                             : QStringLiteral("Die Dateien ") + quoted.join(QStringLiteral(", ")) +
                                   QStringLiteral(" können nicht gelöscht werden.");
    return what + QStringLiteral("\r\nDie Zugriffsrechte des Kommunikationsordners müssen es "
                                 "diesem Rechner erlauben, Dateien zu löschen.");
}

bool WriteMessageFile(FolderPort& port, const ExerciseFiles& files,
                      const platform::HostIdentity& identity, const QStringList& lines,
                      QString& path) {
    path = files.folder + files.messagePrefix() + QStringLiteral(".dat");
    if (!files.valid())
        return false;
    const QByteArray bytes =
        EncodeMessageFile(identity.userName(), identity.computerName(), JoinMessageLines(lines));
    path = files.folder + files.messagePrefix() + NameLetters() + QStringLiteral(".dat");
    const QString draft = path + QStringLiteral(".part");
    if (!port.create(draft, bytes))
        return false;
    // The final name is taken only where no file has it; a name just taken by another
    // computer is drawn again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (port.rename(draft, path))
            return true;
        if (!port.exists(path))
            break;
        path = files.folder + files.messagePrefix() + NameLetters() + QStringLiteral(".dat");
    }
    port.remove(draft);
    return false;
}

QString MessageCollector::keyOf(const FolderEntry& entry) {
    return entry.name + QLatin1Char('|') + QString::number(entry.size) + QLatin1Char('|') +
           QString::number(entry.modified);
}

void MessageCollector::keep(const QList<FolderEntry>& entries) {
    for (const FolderEntry& entry : entries)
        kept_.insert(keyOf(entry));
}

bool MessageCollector::ownsChannel(FolderPort& port, const QList<FolderEntry>& entries,
                                   Report& report) {
    const QString settingsName = QFileInfo(files_.dat).fileName();
    const auto settings = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& e) {
        return e.name.compare(settingsName, Qt::CaseInsensitive) == 0;
    });
    // Without a settings file nobody else has taken the channel.
    if (settings == entries.end() || *settings == ownSettings_)
        return true;
    const QString owner = ExerciseOwner(port, files_.folder + settings->name);
    if (owner.isEmpty() || owner.compare(computerName_, Qt::CaseInsensitive) == 0) {
        ownSettings_ = *settings;
        return true;
    }
    report.replacedBy = owner;
    return false;
}

void MessageCollector::discard(FolderPort& port, const FolderEntry& entry, Report& report) {
    const QString path = files_.folder + entry.name;
    retrying_.remove(entry.name);
    if (port.remove(path))
        return;
    kept_.insert(keyOf(entry));
    if (!undeletableTold_) {
        undeletableTold_ = true;
        report.undeletable = path;
    }
}

MessageCollector::Report MessageCollector::collect(FolderPort& port, const Deliver& deliver,
                                                   qint64 nowMs) {
    Report report;
    if (!files_.valid())
        return report;
    const QList<FolderEntry> entries = port.list(files_.folder);
    if (!ownsChannel(port, entries, report))
        return report;
    // In the order written: the oldest first, and within one moment by name, which a
    // participant's clock letters keep in order. A row ends with the last message.
    QList<FolderEntry> found;
    for (const FolderEntry& entry : entries) {
        if (files_.isMessageFile(entry.name) && !kept_.contains(keyOf(entry)))
            found.append(entry);
    }
    std::stable_sort(found.begin(), found.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return a.modified != b.modified ? a.modified < b.modified
                                        : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    QSet<QString> seen;
    for (const FolderEntry& entry : found) {
        seen.insert(entry.name);
        const QString path = files_.folder + entry.name;
        // An empty file (or a pipe) is deleted unread; a link or an oversized file is nothing
        // a participant writes.
        if (entry.size > 0) {
            std::optional<QByteArray> bytes;
            if (entry.plain && entry.size <= kMaxMessageFileSize) {
                bytes = port.read(path, kMaxMessageFileSize);
                if (!bytes) {
                    const qint64 first = retrying_.value(entry.name, nowMs);
                    retrying_.insert(entry.name, first);
                    if (nowMs - first < kReadRetryMs)
                        continue;
                }
            }
            const std::optional<NetMessage> message =
                bytes ? ParseMessageFile(*bytes) : std::nullopt;
            if (message)
                deliver(*message, path);
            else
                report.unreadable.append(path);
        }
        discard(port, entry, report);
    }
    // Files gone meanwhile need no more tries.
    for (auto it = retrying_.begin(); it != retrying_.end();)
        it = seen.contains(it.key()) ? std::next(it) : retrying_.erase(it);
    return report;
}

} // namespace quindor
