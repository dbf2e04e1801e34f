#pragma once

#include "exercise/best_list.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace quindor {

// A file of the communication folder as a listing shows it.
struct FolderEntry {
    QString name;
    qint64 size = 0;
    // Milliseconds since the epoch.
    qint64 modified = 0;
    // A plain file, neither a link nor a special file.
    bool plain = true;
    bool operator==(const FolderEntry&) const = default;
};

// The file operations of the network exercise on the communication folder. A share may hold
// every operation for a while before it answers, as a school network that stops answering
// does; `holdMilliseconds` plays that. The port keeps no state, so any thread may use it.
class FolderPort {
public:
    explicit FolderPort(int holdMilliseconds = 0) : hold_(holdMilliseconds) {}
    virtual ~FolderPort() = default;

    // The files of the folder, links and special files included; empty when it cannot be
    // listed.
    virtual QList<FolderEntry> list(const QString& folder);
    // The whole file when it is at most `maxSize` bytes; none when it cannot be opened or read.
    virtual std::optional<QByteArray> read(const QString& path, qint64 maxSize);
    // True when the file is gone afterwards (also when it was gone before).
    virtual bool remove(const QString& path);
    virtual bool exists(const QString& path);
    // A new file with these bytes; fails where a file of the name exists.
    virtual bool create(const QString& path, const QByteArray& bytes);
    // A new name; fails where a file of that name exists.
    virtual bool rename(const QString& from, const QString& to);
    // Replaces the whole file, so a failure leaves the old one as it was.
    virtual bool replace(const QString& path, const QByteArray& bytes);
    // Appends an entry to a best list with the retries of the best-list writers.
    virtual bool appendBestList(const QString& path, const BestListDataTyp& entry);

protected:
    void hold() const;

private:
    int hold_;
};

} // namespace quindor
