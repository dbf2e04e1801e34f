#include "platform/locked_file.h"

#include <QElapsedTimer>
#include <QThread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quindor::platform {

LockedFile::~LockedFile() {
    close();
}

#ifdef _WIN32

bool LockedFile::open(const QString& path, Mode mode, int waitMs) {
    close();
    const bool write = mode == Mode::ExclusiveWrite;
    QElapsedTimer timer;
    timer.start();
    while (true) {
        HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                               write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                               write ? 0 : FILE_SHARE_READ, nullptr,
                               write ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            handle_ = h;
            return true;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION || timer.elapsed() >= waitMs)
            return false;
        QThread::msleep(2);
    }
}

bool LockedFile::isOpen() const {
    return handle_ != nullptr;
}

bool LockedFile::readAll(QByteArray& out) {
    out.clear();
    LARGE_INTEGER size;
    if (!handle_ || !GetFileSizeEx(handle_, &size))
        return false;
    out.resize(static_cast<qsizetype>(size.QuadPart));
    SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
    DWORD read = 0;
    return ReadFile(handle_, out.data(), static_cast<DWORD>(out.size()), &read, nullptr) &&
           read == static_cast<DWORD>(out.size());
}

qint64 LockedFile::size() const {
    LARGE_INTEGER size;
    return handle_ && GetFileSizeEx(handle_, &size) ? size.QuadPart : -1;
}

bool LockedFile::truncate(qint64 size) {
    LARGE_INTEGER position;
    position.QuadPart = size;
    return handle_ && SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN) &&
           SetEndOfFile(handle_);
}

bool LockedFile::writeAt(qint64 offset, const QByteArray& bytes) {
    LARGE_INTEGER position;
    position.QuadPart = offset;
    if (!handle_ || !SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN))
        return false;
    DWORD written = 0;
    return WriteFile(handle_, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == static_cast<DWORD>(bytes.size()) && FlushFileBuffers(handle_);
}

void LockedFile::close() {
    if (handle_)
        CloseHandle(handle_);
    handle_ = nullptr;
}

#else

namespace {

bool Lock(int fd, bool write) {
    struct flock lock {};
    lock.l_type = write ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
#ifdef F_OFD_SETLK
    // Held by this open file, so that two opens within one process exclude each other too.
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
#else
    return fcntl(fd, F_SETLK, &lock) == 0;
#endif
}

} // namespace

bool LockedFile::open(const QString& path, Mode mode, int waitMs) {
    close();
    const bool write = mode == Mode::ExclusiveWrite;
    const QByteArray name = path.toLocal8Bit();
    const int fd = ::open(name.constData(), write ? (O_RDWR | O_CREAT) : O_RDONLY, 0644);
    if (fd < 0)
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!Lock(fd, write)) {
        if ((errno != EAGAIN && errno != EACCES) || timer.elapsed() >= waitMs) {
            ::close(fd);
            return false;
        }
        QThread::msleep(2);
    }
    fd_ = fd;
    return true;
}

bool LockedFile::isOpen() const {
    return fd_ >= 0;
}

qint64 LockedFile::size() const {
    struct stat info {};
    return fd_ >= 0 && fstat(fd_, &info) == 0 ? static_cast<qint64>(info.st_size) : -1;
}

bool LockedFile::readAll(QByteArray& out) {
    out.clear();
    const qint64 total = size();
    if (total < 0 || lseek(fd_, 0, SEEK_SET) != 0)
        return false;
    out.resize(static_cast<qsizetype>(total));
    qint64 done = 0;
    while (done < total) {
        const ssize_t n = ::read(fd_, out.data() + done, static_cast<size_t>(total - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool LockedFile::truncate(qint64 size) {
    while (fd_ >= 0) {
        if (ftruncate(fd_, static_cast<off_t>(size)) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
    return false;
}

bool LockedFile::writeAt(qint64 offset, const QByteArray& bytes) {
    if (fd_ < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done),
                     static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    // The bytes reach the disk (or the server) before the lock is let go.
    return fsync(fd_) == 0;
}

void LockedFile::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

#endif

} // namespace quindor::platform
