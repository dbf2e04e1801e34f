#include "core/binary_stream.h"
#include "core/colour.h"

#include <gtest/gtest.h>

#include <limits>

namespace quindor {
namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray LengthPrefix(int32_t length) {
    ByteWriter out;
    out.writeInt32(length);
    return out.take();
}

TEST(ByteWriter, IntegersAndFloatsAreLittleEndian) {
    ByteWriter out;
    out.writeInt32(0x01020304);
    out.writeInt32(-2);
    out.writeDouble(1.0);
    EXPECT_EQ(out.bytes(), Bytes({0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0,
                                  0xF0, 0x3F}));
}

TEST(ByteWriter, TextIsCountThenWin1252BytesWithoutTerminator) {
    ByteWriter out;
    out.writeText(QStringLiteral("Gr\u00FC\u00DFe \u20AC"));
    out.writeText(QString());
    EXPECT_EQ(out.bytes(), Bytes({7, 0, 0, 0, 'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80, 0, 0, 0, 0}));
}

TEST(ByteReader, ReadsWhatTheWriterWrote) {
    ByteWriter out;
    out.writeInt32(std::numeric_limits<int32_t>::min());
    out.writeInt32(0x7FFFFFFF);
    out.writeDouble(-0.035);
    out.writeText(QStringLiteral("\u00C4nderungen \u2026"));
    out.writeTextBytes("HD-Einr\xFC"
                       "ckRand");
    const QByteArray bytes = out.take();

    ByteReader in(bytes);
    EXPECT_EQ(in.readInt32(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(in.readInt32(), 0x7FFFFFFF);
    EXPECT_EQ(in.readDouble(), -0.035);
    EXPECT_EQ(in.readText(), QStringLiteral("\u00C4nderungen \u2026"));
    EXPECT_EQ(in.readTextBytes(), QByteArray("HD-Einr\xFC"
                                             "ckRand"));
    EXPECT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.position(), bytes.size());
}

TEST(ByteReader, NegativeLengthFails) {
    const QByteArray bytes = LengthPrefix(-1) + QByteArray(16, 'x');
    ByteReader in(bytes);
    EXPECT_TRUE(in.readText().isEmpty());
    EXPECT_FALSE(in.ok());
}

TEST(ByteReader, OversizedLengthFailsWithoutAllocating) {
    // A length of 2 GiB over a 20-byte buffer must fail, not try to allocate 2 GiB.
    for (const int32_t length : {0x7FFFFFFF, 0x40000000, 17}) {
        const QByteArray bytes = LengthPrefix(length) + QByteArray(16, 'x');
        ByteReader in(bytes);
        EXPECT_TRUE(in.readTextBytes().isEmpty()) << length;
        EXPECT_FALSE(in.ok()) << length;
        ByteReader in2(bytes);
        EXPECT_TRUE(in2.readText().isEmpty()) << length;
        EXPECT_FALSE(in2.ok()) << length;
    }
    // Exactly the remaining bytes is fine.
    const QByteArray exact = LengthPrefix(16) + QByteArray(16, 'x');
    ByteReader in(exact);
    EXPECT_EQ(in.readTextBytes(), QByteArray(16, 'x'));
    EXPECT_TRUE(in.ok());
}

TEST(ByteReader, TruncationFails) {
    const QByteArray three = Bytes({1, 2, 3});
    ByteReader a(three);
    EXPECT_EQ(a.readInt32(), 0);
    EXPECT_FALSE(a.ok());

    const QByteArray seven = Bytes({0, 0, 0, 0, 0, 0, 0});
    ByteReader b(seven);
    EXPECT_EQ(b.readDouble(), 0.0);
    EXPECT_FALSE(b.ok());

    ByteReader c(QByteArrayView{});
    c.readInt32();
    EXPECT_FALSE(c.ok());
}

TEST(ByteReader, FailureIsSticky) {
    // A bad length, then plenty of well-formed bytes: everything after the failure reads as zero.
    ByteWriter out;
    out.writeInt32(-5);
    out.writeInt32(42);
    out.writeDouble(2.5);
    out.writeText(QStringLiteral("abc"));
    const QByteArray bytes = out.take();

    ByteReader in(bytes);
    in.readText();
    ASSERT_FALSE(in.ok());
    EXPECT_EQ(in.readInt32(), 0);
    EXPECT_EQ(in.readDouble(), 0.0);
    EXPECT_TRUE(in.readText().isEmpty());
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.remaining(), 0);
}

TEST(Colour, RedIsTheLowByte) {
    EXPECT_EQ(MakeWinColor(255, 0, 0), 0x0000FF);
    EXPECT_EQ(MakeWinColor(0, 0, 255), 0xFF0000);
    EXPECT_EQ(MakeWinColor(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(RedOf(0xFD5F00), 0x00);
    EXPECT_EQ(GreenOf(0xFD5F00), 0x5F);
    EXPECT_EQ(BlueOf(0xFD5F00), 0xFD);
    EXPECT_EQ(WinColorToArgb(0x563412), 0xFF123456u);
    EXPECT_EQ(ArgbToWinColor(0xFF123456u), 0x563412);
}

} // namespace
} // namespace quindor
