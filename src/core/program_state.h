#pragma once

#include "core/random_generator.h"

#include <QString>

namespace quindor {

// What the learning view shows and which commands are open.
enum ViewModeValue { ViewLearning = 2, ViewExercise = 3, ViewPuzzle = 4 };
enum ExerciseKindValue { ExerciseIndividual = 0, ExerciseParticipant = 1, ExerciseInitiator = 2 };
enum ExerciseEndStateValue { EndRunning = 0, EndCompleted = 1, EndAborted = 2, EndTimeLimit = 3 };
enum NumberingModeValue { NumberingQuestionMarks = 0, NumberingOrdered = 1, NumberingRandom = 2 };

// Program-wide state of the main window and the program folders. Folders are kept with a
// trailing separator, as the rest of the program joins file names to them directly.
struct ProgramState {
    int ViewMode = ViewLearning;
    int ExerciseKind = ExerciseIndividual;
    int ExerciseEndState = EndRunning;
    int TopicIndex = -1;
    int NumberingMode = NumberingOrdered;
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
    QString CommChannel = QStringLiteral("MASTER-1");

    QString StartFolder;
    QString CurrentFolder;
    QString CommandLineDocument;
    // The document shown before the current one ("previously shown document" of the topics).
    QString PreviousDocument;
    // What the open command's file dialog shows first: a preset file, else a folder.
    QString OpenDialogFile;
    QString OpenDialogFolder;
    // Index of the question shown by the question layouts.
    int CurrentQuestion = 0;

    RandomGenerator Random;
};

} // namespace quindor
