#include "document/png_codec.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdlib>
#include <gtest/gtest.h>
#include <zlib.h>

namespace quindor {
namespace {

using test::PatternImage;
using test::SameImage;

// --- A minimal PNG assembler, to make colour types Qt does not write ------------------------

QByteArray Chunk(const char* type, const QByteArray& data) {
    QByteArray chunk;
    char length[4];
    qToBigEndian<uint32_t>(static_cast<uint32_t>(data.size()), length);
    chunk.append(length, 4);
    chunk.append(type, 4);
    chunk.append(data);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data.constData()), data.size());
    char crcBytes[4];
    qToBigEndian<uint32_t>(static_cast<uint32_t>(crc), crcBytes);
    chunk.append(crcBytes, 4);
    return chunk;
}

// rows: the raw samples of each row (filter byte 0 is added here).
QByteArray MakePng(int width, int height, int colourType, const QList<QByteArray>& rows,
                   const QList<QByteArray>& extraChunks = {}) {
    QByteArray ihdr;
    char v[4];
    qToBigEndian<uint32_t>(width, v);
    ihdr.append(v, 4);
    qToBigEndian<uint32_t>(height, v);
    ihdr.append(v, 4);
    ihdr.append(char(8));          // bit depth
    ihdr.append(char(colourType)); // colour type
    ihdr.append(3, '\0');          // compression, filter, interlace
    QByteArray raw;
    for (const QByteArray& row : rows)
        raw += '\0' + row;
    uLongf size = compressBound(raw.size());
    QByteArray compressed(static_cast<qsizetype>(size), '\0');
    compress(reinterpret_cast<Bytef*>(compressed.data()), &size,
             reinterpret_cast<const Bytef*>(raw.constData()), raw.size());
    compressed.resize(static_cast<qsizetype>(size));
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    png += Chunk("IHDR", ihdr);
    for (const QByteArray& extra : extraChunks)
        png += extra;
    png += Chunk("IDAT", compressed);
    png += Chunk("IEND", QByteArray());
    return png;
}

QByteArray B(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values)
        bytes.append(static_cast<char>(value));
    return bytes;
}

// The same PNG with its one IDAT payload cut into pieces of `piece` bytes, as other writers
// store it.
QByteArray SplitDataChunk(const QByteArray& png, qsizetype piece) {
    const qsizetype at = png.indexOf("IDAT") - 4;
    const uint32_t length = qFromBigEndian<uint32_t>(png.constData() + at);
    const QByteArray payload = png.mid(at + 8, length);
    QByteArray result = png.left(at);
    for (qsizetype offset = 0; offset < payload.size(); offset += piece)
        result += Chunk("IDAT", payload.mid(offset, piece));
    return result + png.mid(at + 12 + length);
}

// An RGBA PNG whose every row uses the one given filter type (0-4), filtered here with the
// textbook definitions.
QByteArray PngWithFilter(const QImage& source, int filter) {
    const QImage rgba = source.convertToFormat(QImage::Format_RGBA8888);
    const int size = rgba.width() * 4;
    QByteArray raw;
    const QByteArray zeros(size, '\0');
    for (int y = 0; y < rgba.height(); ++y) {
        const auto* row = rgba.constScanLine(y);
        const auto* prior =
            y > 0 ? rgba.constScanLine(y - 1) : reinterpret_cast<const uchar*>(zeros.constData());
        raw.append(static_cast<char>(filter));
        for (int i = 0; i < size; ++i) {
            const int a = i >= 4 ? row[i - 4] : 0;
            const int b = prior[i];
            const int c = i >= 4 ? prior[i - 4] : 0;
            int predictor = 0;
            if (filter == 1)
                predictor = a;
            else if (filter == 2)
                predictor = b;
            else if (filter == 3)
                predictor = (a + b) / 2;
            else if (filter == 4) {
                const int p = a + b - c;
                const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                predictor = pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
            }
            raw.append(static_cast<char>(row[i] - predictor));
        }
    }
    uLongf length = compressBound(raw.size());
    QByteArray compressed(static_cast<qsizetype>(length), '\0');
    compress(reinterpret_cast<Bytef*>(compressed.data()), &length,
             reinterpret_cast<const Bytef*>(raw.constData()), raw.size());
    compressed.resize(static_cast<qsizetype>(length));
    QByteArray ihdr;
    char v[4];
    qToBigEndian<uint32_t>(rgba.width(), v);
    ihdr.append(v, 4);
    qToBigEndian<uint32_t>(rgba.height(), v);
    ihdr.append(v, 4);
    ihdr.append(B({8, 6, 0, 0, 0}));
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", ihdr) + Chunk("IDAT", compressed) +
           Chunk("IEND", QByteArray());
}

// --- Writing -------------------------------------------------------------------------------

TEST(PngCodec, WritesRgbaColourType6WithLevel5) {
    const QByteArray png = EncodePng(PatternImage(9, 5, true));
    ASSERT_GT(png.size(), 33);
    EXPECT_EQ(png.left(8), QByteArray("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(png.mid(12, 4), "IHDR");
    EXPECT_EQ(qFromBigEndian<uint32_t>(png.constData() + 16), 9u);
    EXPECT_EQ(qFromBigEndian<uint32_t>(png.constData() + 20), 5u);
    EXPECT_EQ(png.at(24), 8); // bits per channel
    EXPECT_EQ(png.at(25), 6); // RGB with alpha
    // The zlib header of the first IDAT names the level class: levels 2-5 give 0x5E.
    const qsizetype idat = png.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    EXPECT_EQ(static_cast<unsigned char>(png.at(idat + 5)) & 0xC0, 0x40)
        << "zlib FLEVEL of level 5 is 1";
    EXPECT_EQ(PngStreamLength(png), png.size());
}

TEST(PngCodec, AlphaSurvivesARoundTrip) {
    const QImage source = PatternImage(17, 11, true);
    Picture picture;
    ASSERT_TRUE(DecodePng(EncodePng(source), picture));
    EXPECT_TRUE(SameImage(source, picture.Image));
    EXPECT_TRUE(picture.Image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(picture.Image.pixel(0, 0)), 0);
    EXPECT_TRUE(picture.Blended);
    EXPECT_TRUE(picture.Linear);
}

TEST(PngCodec, PremultipliedSourceIsWrittenStraight) {
    QImage source(2, 1, QImage::Format_ARGB32_Premultiplied);
    source.setPixelColor(0, 0, QColor(200, 100, 50, 128));
    source.setPixelColor(1, 0, QColor(10, 20, 30, 255));
    Picture picture;
    ASSERT_TRUE(DecodePng(EncodePng(source), picture));
    EXPECT_EQ(picture.Image.pixelColor(1, 0), QColor(10, 20, 30, 255));
    EXPECT_EQ(picture.Image.pixelColor(0, 0).alpha(), 128);
    EXPECT_NEAR(picture.Image.pixelColor(0, 0).red(), 200, 2);
}

TEST(PngCodec, WrittenPngsAreReadByAnIndependentDecoder) {
    // Noise makes the encoder use every row filter; Qt's own PNG reader checks the result.
    for (const QImage& source : {test::NoiseImage(61, 47, 3), PatternImage(33, 20, true)}) {
        const QByteArray png = EncodePng(source);
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(png, "PNG"));
        EXPECT_TRUE(SameImage(source, decoded));
    }
}

TEST(PngCodec, WritesTheWholeStreamAsOneDataChunk) {
    // A reader can then inflate straight from the file's bytes.
    const QImage source = test::NoiseImage(700, 500, 5);
    const QByteArray png = EncodePng(source);
    EXPECT_EQ(png.count("IDAT"), 1);
    EXPECT_EQ(PngStreamLength(png), png.size());
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_TRUE(SameImage(source, picture.Image));
}

// --- Reading -------------------------------------------------------------------------------

TEST(PngCodec, OpaqueRgbPngIsOpaqueAndNotBlended) {
    const QByteArray png = MakePng(2, 1, 2, {B({255, 0, 0, 0, 0, 255})});
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_EQ(picture.Image.pixelColor(0, 0), QColor(255, 0, 0, 255));
    EXPECT_EQ(picture.Image.pixelColor(1, 0), QColor(0, 0, 255, 255));
    EXPECT_FALSE(picture.Blended);
    EXPECT_TRUE(picture.Linear);
}

TEST(PngCodec, GreyWithAlphaCopiesTheAlpha) {
    const QByteArray png = MakePng(3, 1, 4, {B({10, 0, 128, 77, 250, 255})});
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_EQ(picture.Image.pixelColor(0, 0), QColor(10, 10, 10, 0));
    EXPECT_EQ(picture.Image.pixelColor(1, 0), QColor(128, 128, 128, 77));
    EXPECT_EQ(picture.Image.pixelColor(2, 0), QColor(250, 250, 250, 255));
    EXPECT_TRUE(picture.Blended);
    EXPECT_TRUE(picture.Linear);
}

TEST(PngCodec, TransparencyChunkLeavesPixelsOpaque) {
    // Only colour types 4 and 6 carry per-pixel alpha into the picture.
    const QByteArray trns = Chunk("tRNS", B({0, 255, 0, 0, 0, 0})); // red is transparent
    const QByteArray png = MakePng(2, 1, 2, {B({255, 0, 0, 0, 255, 0})}, {trns});
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_EQ(picture.Image.pixelColor(0, 0), QColor(255, 0, 0, 255));
    EXPECT_EQ(picture.Image.pixelColor(1, 0), QColor(0, 255, 0, 255));
}

TEST(PngCodec, PalettePngTakesTheColours) {
    const QByteArray plte = Chunk("PLTE", B({0, 0, 0, 0x12, 0x34, 0x56}));
    const QByteArray png = MakePng(2, 1, 3, {B({1, 0})}, {plte});
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_EQ(picture.Image.pixelColor(0, 0), QColor(0x12, 0x34, 0x56, 255));
    EXPECT_EQ(picture.Image.pixelColor(1, 0), QColor(0, 0, 0, 255));
}

TEST(PngCodec, QtWrittenRgbaPngIsRead) {
    const QImage image = test::NoiseImage(53, 29, 11);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"));
    ASSERT_EQ(png.at(25), 6);
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_TRUE(SameImage(image, picture.Image));
    EXPECT_TRUE(picture.Blended);
    EXPECT_TRUE(picture.Linear);
}

TEST(PngCodec, QtWrittenPngIsRead) {
    QImage image = PatternImage(6, 4);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB32).save(&buffer, "PNG"));
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_TRUE(SameImage(image, picture.Image));
}

TEST(PngCodec, EveryRowFilterIsReconstructed) {
    // Each filter on its own, the first row included (it has a row of zeros above it); the
    // rows are rebuilt in the buffer they were inflated into, one filter byte further up.
    const QImage source = test::NoiseImage(37, 9, 21);
    for (int filter = 0; filter <= 4; ++filter) {
        Picture picture;
        ASSERT_TRUE(DecodePng(PngWithFilter(source, filter), picture)) << filter;
        EXPECT_TRUE(SameImage(source, picture.Image)) << filter;
    }
}

TEST(PngCodec, DataInSeveralChunksIsJoined) {
    const QImage source = test::NoiseImage(120, 80, 9);
    const QByteArray png = SplitDataChunk(EncodePng(source), 1000);
    ASSERT_GT(png.count("IDAT"), 5);
    Picture picture;
    ASSERT_TRUE(DecodePng(png, picture));
    EXPECT_TRUE(SameImage(source, picture.Image));
    // Joined in the lent buffer instead of a copy: the same pixels.
    QByteArray lent = png;
    Picture inPlace;
    ASSERT_TRUE(DecodePng(lent, inPlace, lent.data()));
    EXPECT_TRUE(SameImage(source, inPlace.Image));
}

TEST(PngCodec, AFailedJoinInTheLentBufferPutsTheBytesBack) {
    // Damaged compressed data with valid chunk checksums: the fast path joins the chunks in
    // place, fails to inflate, and must hand the general decoder the stream as it was.
    QByteArray png = SplitDataChunk(EncodePng(test::NoiseImage(60, 40, 4)), 500);
    const qsizetype second = png.indexOf("IDAT", png.indexOf("IDAT") + 4);
    const uint32_t length = qFromBigEndian<uint32_t>(png.constData() + second - 4);
    for (int i = 0; i < 40; ++i)
        png[second + 4 + 100 + i] = static_cast<char>(0xFF);
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(png.constData() + second), 4 + length);
    qToBigEndian<uint32_t>(static_cast<uint32_t>(crc), png.data() + second + 4 + length);
    QByteArray lent = png;
    Picture picture;
    EXPECT_FALSE(DecodePng(lent, picture, lent.data()));
    EXPECT_EQ(lent, png);
}

TEST(PngStreamLength, ConsumesExactlyThePngsOwnChunks) {
    const QByteArray png = EncodePng(PatternImage(5, 5, true));
    EXPECT_EQ(PngStreamLength(png + QByteArray("trailing bytes")), png.size());
    EXPECT_EQ(PngStreamLength(png + png), png.size());
}

TEST(PngStreamLength, RefusesCutAndForeignData) {
    const QByteArray png = EncodePng(PatternImage(5, 5));
    EXPECT_EQ(PngStreamLength(png.left(png.size() - 1)), -1);
    EXPECT_EQ(PngStreamLength(png.left(40)), -1);
    EXPECT_EQ(PngStreamLength(png.left(8)), -1);
    EXPECT_EQ(PngStreamLength(QByteArray("GIF89a and more bytes")), -1);
    EXPECT_EQ(PngStreamLength(QByteArray()), -1);
    // A chunk length far beyond the data.
    QByteArray huge = png;
    qToBigEndian<uint32_t>(0x7FFFFFF0u, huge.data() + 8);
    EXPECT_EQ(PngStreamLength(huge), -1);
}

TEST(PngCodec, DamagedPicturesAreRefused) {
    Picture picture;
    const QByteArray png = EncodePng(PatternImage(8, 8));
    EXPECT_FALSE(DecodePng(png.left(png.size() - 20), picture)); // cut inside IDAT
    EXPECT_FALSE(DecodePng(QByteArray("not a png"), picture));
    // An IHDR that claims far more pixels than the compressed data can hold.
    QByteArray bomb = MakePng(1, 1, 6, {B({1, 2, 3, 4})});
    qToBigEndian<uint32_t>(30000u, bomb.data() + 16);
    qToBigEndian<uint32_t>(30000u, bomb.data() + 20);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bomb.constData() + 12), 17);
    qToBigEndian<uint32_t>(static_cast<uint32_t>(crc), bomb.data() + 29);
    EXPECT_FALSE(DecodePng(bomb, picture));
}

} // namespace
} // namespace quindor
