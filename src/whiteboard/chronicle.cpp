#include "whiteboard/chronicle.h"

#include "core/program_folders.h"
#include "whiteboard/picture_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

namespace {

QString Number(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace

QString ChronicleEntry::caption() const {
    return ChronicleCaption(number, filed.time());
}

QString ChronicleFileName(const QDateTime& filed, int number) {
    return filed.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') + Number(number) +
           QStringLiteral(".png");
}

QString ChronicleCaption(int number, const QTime& filed) {
    return QStringLiteral("Nr. ") + Number(number) + QStringLiteral(" - ") +
           filed.toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr");
}

QString ChronicleCleanUpQuestion(int count, const QString& folder) {
    if (count == 1)
        return QStringLiteral("1 Chronik-Screenshot wurde im Ordner ") + folder +
               QStringLiteral(" als PNG-Bilddatei abgelegt.\r\nSoll diese jetzt gel\u00f6scht "
                              "werden?");
    return QString::number(count) + QStringLiteral(" Chronik-Screenshots wurden im Ordner ") +
           folder +
           QStringLiteral(" als PNG-Bilddateien abgelegt.\r\nSollen diese jetzt gel\u00f6scht "
                          "werden?");
}

Chronicle::Chronicle(const ProgramState& state, Messages& messages)
    : state_(state), messages_(messages) {}

std::optional<ChronicleEntry> Chronicle::file(const QImage& picture, const QDateTime& now) {
    const QString& folder = state_.ChronicleFolder;
    CreateDefaultFolder(state_, folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        messages_.error(
            QStringLiteral("Verzeichnis f\u00fcr Chronik-Screenshots konnte nicht erstellt "
                           "werden:\r\n") +
            folder);
        return std::nullopt;
    }
    ++counter_;
    ChronicleEntry entry{counter_, QDir(folder).filePath(ChronicleFileName(now, counter_)), now};
    if (!WriteNewPictureFile(picture, entry.path, messages_)) {
        --counter_;
        return std::nullopt;
    }
    entries_.push_back(entry);
    return entry;
}

bool Chronicle::cleanUpAtExit() {
    if (counter_ <= 0)
        return true;
    // Deleting is never the answer of a mere Enter or Escape.
    const Answer answer =
        messages_.question(ChronicleCleanUpQuestion(counter_, state_.ChronicleFolder),
                           MessageButtons::YesNoCancel, Answer::No);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes) {
        for (const ChronicleEntry& entry : entries_)
            QFile::remove(entry.path);
        entries_.clear();
        counter_ = 0;
    }
    return true;
}

} // namespace quindor
