#include "core/binary_stream.h"

#include "core/win1252.h"

#include <QtEndian>

#include <bit>

namespace quindor {

QByteArrayView ByteReader::readBytes(qsizetype size) {
    if (!ok_ || size < 0 || size > data_.size() - pos_) {
        ok_ = false;
        return QByteArrayView();
    }
    QByteArrayView view = data_.sliced(pos_, size);
    pos_ += size;
    return view;
}

bool ByteReader::skip(qsizetype size) {
    readBytes(size);
    return ok_;
}

int32_t ByteReader::readInt32() {
    const QByteArrayView bytes = readBytes(4);
    if (!ok_)
        return 0;
    return qFromLittleEndian<int32_t>(bytes.data());
}

double ByteReader::readDouble() {
    const QByteArrayView bytes = readBytes(8);
    if (!ok_)
        return 0.0;
    return std::bit_cast<double>(qFromLittleEndian<uint64_t>(bytes.data()));
}

QByteArray ByteReader::readTextBytes() {
    const int32_t size = readInt32();
    const QByteArrayView bytes = readBytes(size);
    return ok_ ? bytes.toByteArray() : QByteArray();
}

QString ByteReader::readText() {
    const int32_t size = readInt32();
    const QByteArrayView bytes = readBytes(size);
    return ok_ ? DecodeWin1252(bytes.data(), bytes.size()) : QString();
}

void ByteWriter::writeInt32(int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    buffer_.append(bytes, 4);
}

void ByteWriter::writeDouble(double value) {
    char bytes[8];
    qToLittleEndian(std::bit_cast<uint64_t>(value), bytes);
    buffer_.append(bytes, 8);
}

void ByteWriter::writeTextBytes(QByteArrayView bytes) {
    writeInt32(static_cast<int32_t>(bytes.size()));
    buffer_.append(bytes);
}

void ByteWriter::writeText(const QString& text) {
    writeTextBytes(EncodeWin1252(text));
}

} // namespace quindor
