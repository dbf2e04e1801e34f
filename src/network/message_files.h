#pragma once

#include "network/envelope.h"
#include "network/exercise_files.h"
#include "network/folder_port.h"
#include "platform/host_identity.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

namespace quindor {

// Messages as files of the communication folder: a participant writes each message into a file
// of its own, the initiator collects and deletes them.

// Writes the lines as a message file under a name of 12 capitals (from the clock, so that one
// computer's names sort as written, and at random). The file is written
// under a draft name and gets its final name only when complete, never replacing another
// file, so the collector meets whole messages only. False when it failed; `path` names the
// file either way.
bool WriteMessageFile(FolderPort& port, const ExerciseFiles& files,
                      const platform::HostIdentity& identity, const QStringList& lines,
                      QString& path);

// The largest message file read; a larger one is unreadable.
constexpr qint64 kMaxMessageFileSize = 64 * 1024;
// At most this many read errors are shown per collection; further unreadable files of the same
// collection are deleted without a word, so a folder full of rubbish cannot bury the teacher in
// message boxes.
constexpr int kMaxCollectErrors = 5;
// A file that cannot be opened or read is tried again for this long before it counts as
// unreadable: the files are renamed into place whole, so a failed read is the share's.
constexpr qint64 kReadRetryMs = 3000;

// "Die Datei "<path>" kann nicht gelöscht werden. ..." for one file or several, with what the
// folder's rights must allow.
QString DeleteErrorMessage(const QStringList& paths);

// The collector of one network exercise's message files. It runs on the folder worker, one
// collection after the other, and remembers between them what it must not take again: files it
// handed over but could not delete (by name, size and modification time, for the life of the
// network exercise) and files it could not read yet.
class MessageCollector {
public:
    MessageCollector(ExerciseFiles files, QString computerName)
        : files_(std::move(files)), computerName_(std::move(computerName)) {}

    // What a collection leaves to be said on the owner's side.
    struct Report {
        // The files that could not be read, each for the collector's read error.
        QStringList unreadable;
        // A message file that could not be deleted; named once per network exercise.
        QString undeletable;
        // The computer that published a network exercise of its own on the channel; this
        // collector then touched nothing.
        QString replacedBy;
    };
    // Gets every message read, with the path of its file, in the order written.
    using Deliver = std::function<void(const NetMessage& message, const QString& path)>;

    // One collection; `nowMs` is a steady clock's time, which paces the retries.
    Report collect(FolderPort& port, const Deliver& deliver, qint64 nowMs);
    // Files that stay where they are: never handed over.
    void keep(const QList<FolderEntry>& entries);

private:
    static QString keyOf(const FolderEntry& entry);
    bool ownsChannel(FolderPort& port, const QList<FolderEntry>& entries, Report& report);
    // Deletes a handled file; one that stays is remembered.
    void discard(FolderPort& port, const FolderEntry& entry, Report& report);

    ExerciseFiles files_;
    QString computerName_;
    QSet<QString> kept_;
    // The time of the first failed read, by file name.
    QHash<QString, qint64> retrying_;
    bool undeletableTold_ = false;
    // The settings file as last found naming this computer.
    FolderEntry ownSettings_;
};

} // namespace quindor
