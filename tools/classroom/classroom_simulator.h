#pragma once

#include "platform/host_resolver.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

namespace quindor {

// A class of simulated participants for tests and benchmarks: each finds the published
// network exercise, reads its files and sends the messages of a whole run as a participant
// would (the join, one action per wrong attempt and per solved query, the end and the
// best-list entry), through datagrams or message files, at full speed or paced. Every
// participant is a thread of its own with its own computer name.
struct ClassroomOptions {
    QString folder;
    QString channel;
    int participants = 30;
    // Datagrams (message files when the teacher's computer cannot be reached), or the folder.
    bool datagrams = true;
    // The chance of a wrong attempt before each right one, at most maxMistakes in a row.
    double mistakeRate = 0.2;
    int maxMistakes = 2;
    // The pause between two actions of one participant; 0 sends at full speed (also without
    // the pauses before the end messages).
    int paceMilliseconds = 0;
    uint32_t seed = 1;
    // Computer names are the prefix and a three-digit number.
    QString computerPrefix = QStringLiteral("SIM");
    // How long to wait for the exercise to be published.
    int waitMilliseconds = 10'000;
};

struct ClassroomResult {
    int participants = 0;
    // Queries per participant, action messages and all messages sent.
    int queries = 0;
    int actions = 0;
    int messages = 0;
    // Messages that could not be handed on (neither as datagram nor as file).
    int failed = 0;
    std::chrono::steady_clock::time_point lastSend;
};

// Runs the class to the end of every run. None, with the reason, when no exercise was
// published in time or its files could not be read.
std::optional<ClassroomResult> RunClassroom(const ClassroomOptions& options,
                                            platform::HostResolver resolver, QString* error);

} // namespace quindor
