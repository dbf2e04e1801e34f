#pragma once

#include "core/messages.h"
#include "network/envelope.h"
#include "network/exercise_files.h"
#include "platform/host_identity.h"

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
bool WriteMessageFile(const ExerciseFiles& files, const platform::HostIdentity& identity,
                      const QStringList& lines, QString& path);

// The largest message file read; a larger one is unreadable.
constexpr qint64 kMaxMessageFileSize = 64 * 1024;
// At most this many read errors are shown per collection; further unreadable files of the same
// collection are deleted without a word, so a folder full of rubbish cannot bury the teacher in
// message boxes.
constexpr int kMaxCollectErrors = 5;

// Hands one message to the initiator's receiver; false when the receiver stopped on it.
using MessageReceiver = std::function<bool(const NetMessage&)>;

// Collects every message file of the channel, the oldest first: each non-empty file is read
// and handed over;
// a file that cannot be read, or whose message the receiver stops, is reported with the
// collector's read error. Every file is deleted afterwards, read or not. Returns how many
// files were handed over.
int CollectMessageFiles(const ExerciseFiles& files, const MessageReceiver& receiver,
                        Messages& messages);

} // namespace quindor
