#pragma once

#include "core/messages.h"
#include "exercise/run_state.h"
#include "network/folder_port.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace quindor {

// The files of a network exercise in the communication folder, all named after the channel:
// the document (.zwk), the settings (.dat), the registration flag (.okx), the shared best list
// (.hsc) and the message files of the participants ("-TN-" and 12 letters, ".dat").
struct ExerciseFiles {
    QString folder;
    QString channel;
    QString zwk;
    QString dat;
    QString okx;
    QString hsc;

    // Empty paths when the channel cannot name a file of the folder.
    static ExerciseFiles ofChannel(const QString& folder, const QString& channel);
    bool valid() const { return !zwk.isEmpty(); }

    // The start of every message file name, and whether a file name is one (capitals and small
    // letters alike, as the file systems of the school networks treat them).
    QString messagePrefix() const;
    bool isMessageFile(const QString& fileName) const;
    // A message file being written, not yet under its final name.
    bool isMessageDraft(const QString& fileName) const;

    // The path under which a file of the folder exists, found without regard to case; the path
    // as given when there is none.
    static QString existing(const QString& path);
    // All three of .okx, .dat and .zwk exist.
    bool published() const;

    // What a clean-up left: the files it could not delete (exercise and message files), and
    // the message files among them as the listing showed them.
    struct CleanUp {
        QStringList failed;
        QList<FolderEntry> keptMessages;
    };
    // Deletes .zwk, .dat, .okx and every message file (and draft); the best list stays.
    CleanUp cleanUp(FolderPort& port) const;
    // The registration flag: written or deleted; false when that failed.
    bool writeRegistrationFlag(FolderPort& port) const;
    bool deleteRegistrationFlag(FolderPort& port) const;
};

// A channel name that names files inside the folder: not empty, no path separators, no "..",
// none of the characters file systems refuse.
bool IsSafeChannelName(const QString& channel);
// The folder with the separator the program's folders end in.
QString FolderWithSeparator(const QString& folder);

// The settings file: the initiator's computer name and the run options of fields 4 to 15.
// When the initiator receives no datagrams, a last field tells the participants to send their
// messages as files; the header line names it, so earlier readers pass over it.
QByteArray EncodeExerciseSettings(const QString& initiator, const UebDataTyp& run,
                                  bool messageFiles = false);
// The header line naming the stored fields.
QString ExerciseSettingsHeaderLine();

struct ExerciseSettingsFile {
    QString initiator;
    // `own` with the file's fields in place of its own.
    UebDataTyp run;
    // The participants send their messages as files.
    bool messageFiles = false;
};
// Reads a settings file; fields the header line does not name keep the values of `own` (its
// grade scale, scale choice and character-count option). None for a file cut short or
// holding values no writer gives (an option outside its choices, a scale that is no
// fraction).
std::optional<ExerciseSettingsFile> ParseExerciseSettings(QByteArrayView bytes,
                                                          const UebDataTyp& own);

// The computer a settings file names as the initiator of its network exercise; empty when the
// file is missing or names none.
QString ExerciseOwner(FolderPort& port, const QString& settingsPath);

// "Fehler beim Einlesen der Datei "<path>""
QString FileReadErrorMessage(const QString& path);

} // namespace quindor
