#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace quindor {

// Sequential little-endian reader over a byte buffer. The first failed read (past the end, a
// negative or oversized length) marks the reader failed; later reads return zero values, so
// a caller checks ok() at the points where it decides.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : data_(data) {}
    // A reader whose caller lends the bytes as scratch space to the consumers of peekRest().
    ByteReader(QByteArrayView data, char* writable) : data_(data), writable_(writable) {}

    bool ok() const { return ok_; }
    void fail() { ok_ = false; }
    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    bool atEnd() const { return pos_ >= data_.size(); }

    int32_t readInt32();
    double readDouble();
    // Length-prefixed text: int32 byte count, then that many Windows-1252 bytes.
    QString readText();
    QByteArray readTextBytes();
    // The next size bytes without copying; an empty view and failure when fewer remain.
    QByteArrayView readBytes(qsizetype size);
    // The rest of the buffer from the current position, without consuming it.
    QByteArrayView peekRest() const { return ok_ ? data_.sliced(pos_) : QByteArrayView(); }
    // The same bytes as peekRest(), writable, when the caller lent them; else null.
    char* writableRest() const { return ok_ && writable_ ? writable_ + pos_ : nullptr; }
    bool skip(qsizetype size);

private:
    QByteArrayView data_;
    char* writable_ = nullptr;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

class ByteWriter {
public:
    void writeInt32(int32_t value);
    void writeDouble(double value);
    void writeText(const QString& text);
    void writeTextBytes(QByteArrayView bytes);
    void writeBytes(QByteArrayView bytes) { buffer_.append(bytes); }

    const QByteArray& bytes() const { return buffer_; }
    QByteArray take() { return std::move(buffer_); }
    void reserve(qsizetype size) { buffer_.reserve(size); }

private:
    QByteArray buffer_;
};

} // namespace quindor
