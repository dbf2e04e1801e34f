#pragma once

#include <QByteArray>
#include <QString>

namespace quindor::platform {

// A file held under a lock that every reader and writer of the program takes: readers share
// it, a writer has it alone. On Linux these are open-file-description record locks (fcntl),
// which local disks and network shares (NFS, SMB) honour across computers; on Windows the
// share mode of the open itself.
class LockedFile {
public:
    enum class Mode { SharedRead, ExclusiveWrite };

    LockedFile() = default;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();

    // Opens the file (a writer creates it) and takes the lock, waiting up to waitMs for
    // other holders to let go. False when the file cannot be opened or stays locked.
    bool open(const QString& path, Mode mode, int waitMs);
    bool isOpen() const;
    // The whole content; false on a read error.
    bool readAll(QByteArray& out);
    qint64 size() const;
    // Cuts the file to size bytes.
    bool truncate(qint64 size);
    // Writes the bytes at offset and waits until they reached the disk (or the server);
    // false unless every byte got there.
    bool writeAt(qint64 offset, const QByteArray& bytes);
    void close();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace quindor::platform
