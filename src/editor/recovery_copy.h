#pragma once

#include "document/document.h"
#include "document/document_reader.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace quindor {

// The recovery copy of the open document: its unsaved changes kept in a file of the user's data
// folder, so that a crash, a killed program or a power cut loses at most what changed since the
// copy was last written. The copy is one file, written whole and renamed over the last one, so
// there is never half of it. It names the document's own file, which a restored document keeps.
class RecoveryCopy {
public:
    // No folder: nothing is kept.
    explicit RecoveryCopy(QString folder = QString()) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }
    QString path() const;
    bool exists() const;

    // Something in the document changed: the next keep writes the copy.
    void changed() { pending_ = true; }
    // Called from time to time: an unsaved document is written when it changed since the last
    // copy (or has none yet); a document without unsaved changes has none. `prepare` is given
    // the copy to write (the worksheet settings go in as a save puts them).
    void keep(const Document& document, const std::function<void(Document&)>& prepare = {});
    // The document was saved, or its changes given up (another document took its place): the
    // copy this program wrote goes.
    void discard();
    // The copy an earlier run left goes unrestored.
    void removeLeft();
    // The copy an earlier run left was restored: it is this program's now.
    void adopt() { written_ = exists(); }

    struct Found {
        Document document;
        // The file the document was opened from or last saved to; empty for a new one.
        QString originalPath;
        QDateTime written;
    };
    // The copy left by an earlier run; none when there is none or it cannot be read.
    std::optional<Found> read(const ReadOptions& options) const;
    // What the next start asks before it restores the copy, with its two answers.
    static QString offerText(const Found& found);
    static QStringList offerButtons();

private:
    bool write(const Document& document, const std::function<void(Document&)>& prepare);

    QString folder_;
    bool pending_ = false;
    bool written_ = false;
};

} // namespace quindor
