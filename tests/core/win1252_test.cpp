#include "core/win1252.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Windows-1252 code points of the bytes 0x80-0x9F, from the code page table; the five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

QByteArray AllBytes() {
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

TEST(Win1252, AllBytesRoundTrip) {
    const QByteArray bytes = AllBytes();
    const QString text = DecodeWin1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWin1252(text), bytes);
    EXPECT_TRUE(IsWin1252Representable(text));
}

TEST(Win1252, DecodesEveryByteToItsCodePoint) {
    const QString text = DecodeWin1252(AllBytes());
    for (int i = 0; i < 256; ++i) {
        const char16_t expected = (i >= 0x80 && i < 0xA0) ? kHigh[i - 0x80] : char16_t(i);
        EXPECT_EQ(text.at(i).unicode(), expected) << "byte 0x" << std::hex << i;
    }
}

TEST(Win1252, NamedMappings) {
    EXPECT_EQ(DecodeWin1252(QByteArray("\x80")), QString(QChar(0x20AC)));
    EXPECT_EQ(DecodeWin1252(QByteArray("\x9F")), QString(QChar(0x0178)));
    EXPECT_EQ(DecodeWin1252(QByteArray("\x81")), QString(QChar(0x0081)));
    EXPECT_EQ(DecodeWin1252(QByteArray("\x8D\x8F\x90\x9D")),
              QString(QChar(0x8D)) + QChar(0x8F) + QChar(0x90) + QChar(0x9D));
    EXPECT_EQ(EncodeWin1252(QString(QChar(0x20AC))), QByteArray("\x80"));
    EXPECT_EQ(EncodeWin1252(QStringLiteral("\u201EGr\u00FC\u00DFe\u201C")),
              QByteArray("\x84Gr\xFC\xDF"
                         "e\x93"));
    EXPECT_EQ(DecodeWin1252(QByteArray("Einr\xFC"
                                       "ckRand")),
              QStringLiteral("Einr\u00FCckRand"));
}

TEST(Win1252, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWin1252(QStringLiteral("a\u0100b")), QByteArray("a?b"));
    EXPECT_EQ(EncodeWin1252(QStringLiteral("\u4E2D\u6587")), QByteArray("??"));
    // U+0080 is a C1 control that the code page does not hold (byte 0x80 is the euro sign).
    EXPECT_EQ(EncodeWin1252(QString(QChar(0x0080))), QByteArray("?"));
    EXPECT_EQ(EncodeWin1252(QString(QChar(0x2000))), QByteArray("?"));
    EXPECT_FALSE(IsWin1252Representable(QStringLiteral("x\u0100")));
    EXPECT_TRUE(IsWin1252Representable(QStringLiteral("\u00C4\u00D6\u00DC\u20AC")));
}

TEST(Win1252, EmptyAndEmbeddedNul) {
    EXPECT_TRUE(DecodeWin1252(QByteArray()).isEmpty());
    EXPECT_TRUE(EncodeWin1252(QString()).isEmpty());
    const QByteArray withNul("a\0b", 3);
    EXPECT_EQ(DecodeWin1252(withNul).size(), 3);
    EXPECT_EQ(EncodeWin1252(DecodeWin1252(withNul)), withNul);
}

} // namespace
} // namespace quindor
