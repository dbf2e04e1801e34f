#pragma once

#include "core/messages.h"
#include "document/document_session.h"

#include <QString>

namespace quindor {

// Changes to the open document that nobody could be asked about (the desktop session ended,
// the program was told to stop) are kept as a copy in the user's own data folder, together
// with the name of the file they belong to, and offered at the next start.
class RecoveryCopy {
public:
    // folder: where the copy is kept; empty keeps nothing.
    explicit RecoveryCopy(const QString& folder);

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
};

} // namespace quindor
