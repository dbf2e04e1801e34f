#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace quindor {

// What a run asks again: everything, or only what was not solved at the first attempt.
enum class Repeat { All = 0, FailedOnly = 1 };

// The state of the one exercise run, valid from its start until the next start.
struct UebDataTyp {
    int32_t TotalQueries = 0;
    int32_t RunQueries = 0;
    // Fractional for multiple choice.
    double CorrectCount = 0.0;
    double FailedAttempts = 0.0;
    double SuccessQuota = 0.0;
    double TotalPerformance = 0.0;
    int32_t Grade = 0;
    // The millisecond counter passes 2^31 after 25 days of uptime.
    int64_t StartTicks = 0;
    double StartTime = 0.0;
    int32_t DocumentAreaWidth = 0;
    // The options copied at the start.
    int32_t RiFaRueckmeldungItemIndex = 0;
    int32_t ZuordnungRichtigItemIndex = 0;
    int32_t ZuordnungFalschItemIndex = 0;
    int32_t ZuordnungstexteItemIndex = 0;
    int32_t ZuordnungszieleItemIndex = 0;
    int32_t AbfrageModusItemIndex = 0;
    int32_t ZeitLimitIndex = 0;
    int32_t ZeitLimitWert = 0;
    int32_t RemainingSeconds = 0;
    int32_t OpenCount = 0;
    // ExerciseEndState and ExerciseKind are the main window's (ProgramState): one variable each.
    int32_t CurrentIndex = 0;
    QString DetailLog;
    QString SummaryLog;
    QString InitiatorName;
    QString ParticipantKey;
    QString ParticipantName;
    QString LearnerName;
    bool EnteredInBestList = false;
    // The grade scale as it was at the start.
    std::array<double, 7> NoteMinQuote = {1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
    std::array<double, 17> PunkteMinQuote = {0.0,  0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60,
                                             0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95, 1.0};
    int32_t BewertSkala = 0;
    int32_t AnzZeichenVorgeben = 0;
};

} // namespace quindor
