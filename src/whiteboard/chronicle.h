#pragma once

#include "core/messages.h"
#include "core/program_state.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace quindor {

// One screenshot filed in this run of the program.
struct ChronicleEntry {
    int number = 0;
    QString path;
    QDateTime filed;

    // "Nr. 003 - 10:15 Uhr"
    QString caption() const;
};

// "20240131-101503-003.png" for the third screenshot, filed on 31 January 2024 at 10:15:03.
QString ChronicleFileName(const QDateTime& filed, int number);
QString ChronicleCaption(int number, const QTime& filed);
// The question at the end of the program about the screenshots of this run.
QString ChronicleCleanUpQuestion(int count, const QString& folder);

// The screenshots filed since the program started: numbered from 1 in filing order, never
// written over another file.
class Chronicle {
public:
    Chronicle(const ProgramState& state, Messages& messages);

    // Writes the picture as the next screenshot into the chronicle folder (made when it is
    // missing). Nothing is filed, and the number stays free, when that fails; the user has
    // been told why.
    std::optional<ChronicleEntry> file(const QImage& picture, const QDateTime& now);
    const std::vector<ChronicleEntry>& entries() const { return entries_; }
    int counter() const { return counter_; }

    // At the end of the program: asks whether to delete this run's screenshots, and does so on
    // Yes. False when the user cancels the end.
    bool cleanUpAtExit();

private:
    const ProgramState& state_;
    Messages& messages_;
    int counter_ = 0;
    std::vector<ChronicleEntry> entries_;
};

} // namespace quindor
