#pragma once

#include "core/messages.h"
#include "document/document_session.h"

#include <QString>

#include <memory>

class QLockFile;

namespace quindor {

// Changes to the open document that nobody could be asked about (the desktop session ended,
// the program was told to stop) are kept as a copy in the user's own data folder, together
// with the name of the file they belong to, and offered at the next start.
class RecoveryCopy {
public:
    // folder: where the copy is kept; empty keeps nothing. name: the copy's file name without
    // its extension.
    explicit RecoveryCopy(const QString& folder,
                          const QString& name = QStringLiteral("Wiederherstellung"));

    QString copyPath() const;
    // One look at the file system: whether a kept copy waits to be offered.
    bool waiting() const;
    // Writes the open document as a whole file, never half of one; false when it failed.
    bool keep(DocumentSession& session) const;
    // The file the waiting copy belongs to; empty for a document that never had one.
    QString originalFile() const;
    // Asks whether to restore the waiting copy. "Wiederherstellen" opens it as the modified
    // document of its own file, "Verwerfen" deletes it; a copy that could not be read, or a
    // question left unanswered, waits for the next start. True when the copy was restored.
    bool offer(DocumentSession& session, Messages& messages) const;
    void discard() const;

    static QString offerCaption() { return QStringLiteral("Wiederherstellung"); }
    static QString offerText(const QString& originalFile);

private:
    QString namePath() const;

    QString folder_;
    QString name_;
};

// The copy of one running program. Programs of one account each hold their own, so that none
// offers, overwrites or removes the copy of another that still runs; the copy of a program that
// ended, or crashed, is free for the next start.
class RecoveryClaim {
public:
    // Holds no copy and keeps nothing.
    RecoveryClaim();
    RecoveryClaim(RecoveryClaim&&) noexcept;
    RecoveryClaim& operator=(RecoveryClaim&&) noexcept;
    ~RecoveryClaim();

    // The first free copy that waits to be offered, else the first free one.
    static RecoveryClaim take(const QString& folder);

    const RecoveryCopy& copy() const { return copy_; }

private:
    RecoveryCopy copy_{QString()};
    std::unique_ptr<QLockFile> lock_;
};

// Keeps the copy up to date while the program runs, so that a crash, a killed program or a
// power cut loses at most what changed since the last keep: an unsaved document is written
// when it changed since its last copy (or has none yet), and its copy goes once the changes are
// saved or given up. Only a copy this program wrote is removed; one an earlier run left waits
// for the question at the start.
class RecoveryKeeper {
public:
    explicit RecoveryKeeper(RecoveryCopy copy) : copy_(std::move(copy)) {}

    // The open document changed.
    void changed() { pending_ = true; }
    // Called from time to time.
    void keep(DocumentSession& session);
    // The document was saved, or another took its place after the save question.
    void discard();

private:
    RecoveryCopy copy_;
    bool pending_ = false;
    bool written_ = false;
};

} // namespace quindor
