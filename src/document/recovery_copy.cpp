#include "document/recovery_copy.h"

#include "core/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace quindor {

namespace {
// More programs than this at once under one account keep no copy.
constexpr int kRecoveryPlaces = 16;
} // namespace

RecoveryCopy::RecoveryCopy(const QString& folder, const QString& name)
    : folder_(folder), name_(name) {}

QString RecoveryCopy::copyPath() const {
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(name_ + QStringLiteral(".qdr"));
}

QString RecoveryCopy::namePath() const {
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(name_ + QStringLiteral(".txt"));
}

bool RecoveryCopy::waiting() const {
    return !folder_.isEmpty() && QFileInfo::exists(copyPath());
}

bool RecoveryCopy::keep(DocumentSession& session) const {
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return false;
    const QByteArray bytes = session.documentBytes();
    // The name goes first: the copy itself is what the next start looks for.
    return !bytes.isEmpty() && ReplaceFileContent(namePath(), session.header().FileName.toUtf8()) &&
           ReplaceFileContent(copyPath(), bytes);
}

QString RecoveryCopy::originalFile() const {
    QFile file(namePath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString RecoveryCopy::offerText(const QString& originalFile) {
    if (originalFile.isEmpty())
        return QStringLiteral("Beim letzten Beenden des Programms war das aktuelle Dokument noch "
                              "nicht gespeichert. Es wurde aufbewahrt.\r\n\r\nDokument "
                              "wiederherstellen oder verwerfen?");
    return QStringLiteral("Beim letzten Beenden des Programms waren \u00c4nderungen im Dokument "
                          "\"") +
           QDir::toNativeSeparators(originalFile) +
           QStringLiteral(
               "\" noch nicht gespeichert. Sie wurden aufbewahrt.\r\n\r\n\u00c4nderungen "
               "wiederherstellen oder verwerfen?");
}

bool RecoveryCopy::offer(DocumentSession& session, Messages& messages) const {
    if (!waiting())
        return false;
    const QString original = originalFile();
    const int choice =
        messages.choose(offerCaption(), offerText(original),
                        {QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}, 0);
    if (choice == 1)
        discard();
    if (choice != 0 || !session.LoadDocument(copyPath(), false))
        return false;
    // The changes belong to their own file, which they have not reached yet.
    HeaderDataTyp& header = session.header();
    header.FileName = original;
    header.Modified = true;
    discard();
    return true;
}

void RecoveryCopy::discard() const {
    QFile::remove(copyPath());
    QFile::remove(namePath());
}

RecoveryClaim::RecoveryClaim() = default;
RecoveryClaim::RecoveryClaim(RecoveryClaim&&) noexcept = default;
RecoveryClaim& RecoveryClaim::operator=(RecoveryClaim&&) noexcept = default;
RecoveryClaim::~RecoveryClaim() = default;

RecoveryClaim RecoveryClaim::take(const QString& folder) {
    RecoveryClaim claim;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return claim;
    for (int place = 1; place <= kRecoveryPlaces; ++place) {
        const QString name = place == 1 ? QStringLiteral("Wiederherstellung")
                                        : QStringLiteral("Wiederherstellung-%1").arg(place);
        RecoveryCopy copy(folder, name);
        const bool waiting = copy.waiting();
        // Past the first free place, only a waiting copy is worth more.
        if (claim.lock_ && !waiting)
            continue;
        auto lock =
            std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
        // Held until the program ends; the lock of a program that is gone is taken over.
        lock->setStaleLockTime(0);
        if (!lock->tryLock())
            continue;
        claim.copy_ = copy;
        claim.lock_ = std::move(lock);
        if (waiting)
            break;
    }
    return claim;
}

void RecoveryKeeper::keep(DocumentSession& session) {
    if (!session.header().Modified) {
        discard();
        return;
    }
    if (written_ && !pending_)
        return;
    // A failed write is tried again the next time.
    if (copy_.keep(session)) {
        written_ = true;
        pending_ = false;
    }
}

void RecoveryKeeper::discard() {
    if (written_)
        copy_.discard();
    pending_ = false;
    written_ = false;
}

} // namespace quindor
