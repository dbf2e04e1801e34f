#pragma once

#include "core/random_generator.h"

#include <QString>

namespace quindor {

// What the learning view shows and which commands are open.
enum class Mode : int { Learning = 2, Exercise = 3, Puzzle = 4 };
// Whose exercise runs on this computer: its own, a network exercise it takes part in, or one
// it leads.
enum class Participation : int { Individual = 0, Participant = 1, Initiator = 2 };
// How the last run ended (or that it still runs).
enum class RunEnd : int { Running = 0, Completed = 1, Aborted = 2, TimeLimit = 3 };
// How a run of cards and positions asks (the settings' "Abfragemodus"): all cards at once, one
// card at a time, one position at a time, or typed answers.
enum class QueryMode : int { Free = 0, SingleCard = 1, SinglePosition = 2, Typing = 3 };

// How the query fields are numbered: question marks, in order, at random.
enum class Numbering : int { QuestionMarks = 0, Ordered = 1, Random = 2 };

// Program-wide state of the main window and the program folders. Folders are kept with a
// trailing separator, as the rest of the program joins file names to them directly.
struct ProgramState {
    Mode ViewMode = Mode::Learning;
    Participation ExerciseKind = Participation::Individual;
    RunEnd ExerciseEndState = RunEnd::Running;
    int TopicIndex = -1;
    Numbering NumberingMode = Numbering::Ordered;
    bool FirstActivation = true;
    bool Closing = false;
    bool ResizeEnabled = true;

    QString ProgramFolder;
    // Where the default protocol, best-list and chronicle folders lie: the program's folder,
    // or the user's data folder when the program's folder cannot be written.
    QString DataFolder;
    QString SoundFolder;
    QString HelpFolder;
    QString ChronicleFolder;
    QString ProtocolFolder;
    QString BestListFolder;
    QString CommFolder;
    QString SetupFolder;
    QString CentralIniPath;
    // The user's own data folder, where unsaved changes wait when the program had to end
    // without asking; empty keeps none.
    QString RecoveryFolder;
    QString CommChannel = QStringLiteral("MASTER-1");

    QString StartFolder;
    QString CurrentFolder;
    QString CommandLineDocument;
    // The document shown before the current one ("previously shown document" of the topics).
    QString PreviousDocument;
    // Index of the question shown by the question layouts.
    int CurrentQuestion = 0;

    RandomGenerator Random;
};

} // namespace quindor
