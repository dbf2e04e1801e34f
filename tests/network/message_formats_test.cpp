#include "network/envelope.h"
#include "network/message_formats.h"

#include "core/win1252.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(MessageFormats, FixedUsesAPointWhateverTheRegion) {
    QLocale::setDefault(kGerman);
    EXPECT_EQ(FixedText(12.0, 0), QStringLiteral("12"));
    EXPECT_EQ(FixedText(2.5, 2), QStringLiteral("2.50"));
    EXPECT_EQ(FixedText(66.66666, 1), QStringLiteral("66.7"));
    EXPECT_EQ(FixedText(12345.0, 1), QStringLiteral("12345.0"));
    QLocale::setDefault(QLocale::c());
}

TEST(MessageFormats, RealIsTheGeneralTextOfTheRegion) {
    EXPECT_EQ(RealText(0.0, kGerman), QStringLiteral("0"));
    EXPECT_EQ(RealText(0.5, kGerman), QStringLiteral("0,5"));
    EXPECT_EQ(RealText(0.5, kEnglish), QStringLiteral("0.5"));
    EXPECT_EQ(RealText(1.0, kGerman), QStringLiteral("1"));
    EXPECT_EQ(RealText(-2.25, kGerman), QStringLiteral("-2,25"));
    // 15 significant digits, trailing zeros dropped.
    EXPECT_EQ(RealText(1.0 / 3.0, kGerman), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(RealText(45678.5123456789, kGerman), QStringLiteral("45678,5123456789"));
    // Fixed down to 0.00001, scientific below and beyond 15 integer digits.
    EXPECT_EQ(RealText(0.00001, kGerman), QStringLiteral("0,00001"));
    EXPECT_EQ(RealText(0.0000015, kGerman), QStringLiteral("1,5E-6"));
    EXPECT_EQ(RealText(999999999999999.0, kGerman), QStringLiteral("999999999999999"));
    EXPECT_EQ(RealText(1e20, kGerman), QStringLiteral("1E20"));
    EXPECT_EQ(RealText(123456789012345678.0, kEnglish), QStringLiteral("1.23456789012346E17"));
}

TEST(MessageFormats, RealsGoThereAndBack) {
    for (const double value : {0.0, 0.85, 1.0 / 3.0, 45678.5123456789, 1.5e-7, -3.0, 2e18}) {
        const std::optional<double> back = StrictReal(RealText(value, kGerman));
        ASSERT_TRUE(back) << value;
        EXPECT_NEAR(*back, value, std::abs(value) * 1e-14) << value;
    }
}

TEST(MessageFormats, StrictConversionsRefuseAnythingButTheNumber) {
    EXPECT_EQ(StrictInteger(QStringLiteral("17")), 17);
    EXPECT_EQ(StrictInteger(QStringLiteral("-1")), -1);
    EXPECT_EQ(StrictInteger(QStringLiteral("  4")), 4);
    for (const char* bad : {"", "1.5", "x", "4 ", "99999999999", "1e3", "--2"})
        EXPECT_FALSE(StrictInteger(QString::fromLatin1(bad))) << bad;

    EXPECT_EQ(StrictReal(QStringLiteral("0,85")), 0.85);
    EXPECT_EQ(StrictReal(QStringLiteral(" 1,5E-6 ")), 1.5e-6);
    EXPECT_EQ(StrictReal(QStringLiteral("3")), 3.0);
    // A participant set to a decimal point reaches a teacher set to a comma.
    EXPECT_EQ(StrictReal(QStringLiteral("0.85")), 0.85);
    for (const char* bad : {"", ",", "1,2,3", "1.000,5", "abc", "1E999", "nan", "inf"})
        EXPECT_FALSE(StrictReal(QString::fromLatin1(bad))) << bad;
}

TEST(MessageFormats, LenientCountsReadBlanksAndRubbish) {
    EXPECT_EQ(LenientInteger(QStringLiteral("3")), 3);
    EXPECT_EQ(LenientInteger(QStringLiteral(" 1 2 ")), 12);
    EXPECT_EQ(LenientInteger(QStringLiteral("2.5")), 2);
    EXPECT_EQ(LenientInteger(QStringLiteral("3.5")), 4);
    EXPECT_EQ(LenientInteger(QStringLiteral("x")), 0);
    EXPECT_EQ(LenientInteger(QString()), 0);
}

TEST(MessageFormats, ClockTimeHasSecondsAndNoZone) {
    EXPECT_EQ(ClockTimeText(QTime(9, 5, 7), kGerman), QStringLiteral("09:05:07"));
    EXPECT_EQ(ClockTimeText(QTime(14, 30, 0), kEnglish), QStringLiteral("2:30:00 PM"));
}

TEST(Envelope, DatagramCarriesNamesAndLines) {
    const QByteArray bytes = ComposeDatagram(QStringLiteral("lehrer"), QStringLiteral("PC-07"),
                                             {QStringLiteral("TN-INIT"), QStringLiteral("Jörg")});
    EXPECT_EQ(bytes,
              EncodeWin1252(QStringLiteral("Message\r\nlehrer\r\nPC-07\r\nTN-INIT\r\nJörg\r\n")));
    const std::optional<NetMessage> message = ParseDatagram(bytes);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->computerName, QStringLiteral("PC-07"));
    EXPECT_EQ(message->userName, QStringLiteral("lehrer"));
    EXPECT_EQ(message->text, QStringLiteral("TN-INIT\r\nJörg\r\n"));
    EXPECT_EQ(SplitMessageLines(message->text),
              QStringList({QStringLiteral("TN-INIT"), QStringLiteral("Jörg")}));
}

TEST(Envelope, ForeignAndCutDatagramsAreDropped) {
    for (const char* bad : {"", "Message", "Messages\r\nu\r\nPC\r\nx", "message\r\nu\r\nPC\r\n",
                            "Message\r\nu\r\nPC", "XMessage\r\nu\r\nPC\r\n"})
        EXPECT_FALSE(ParseDatagram(QByteArray(bad))) << bad;
    // Any line end will do, also without text behind the names.
    const std::optional<NetMessage> bare = ParseDatagram("Message\nu\rPC\n");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->computerName, QStringLiteral("PC"));
    EXPECT_TRUE(bare->text.isEmpty());
}

TEST(Envelope, MessageFileHoldsFourTexts) {
    const QByteArray bytes =
        EncodeMessageFile(QStringLiteral("anna"), QStringLiteral("PC-12"), QStringLiteral("A\r\n"));
    // Lengths and bytes: "Message", "anna", "PC-12", "A\r\n".
    EXPECT_EQ(bytes.size(), 4 + 7 + 4 + 4 + 4 + 5 + 4 + 3);
    const std::optional<NetMessage> message = ParseMessageFile(bytes);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->userName, QStringLiteral("anna"));
    EXPECT_EQ(message->computerName, QStringLiteral("PC-12"));
    EXPECT_EQ(message->text, QStringLiteral("A\r\n"));
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(ParseMessageFile(bytes.left(cut))) << cut;
}

} // namespace
} // namespace quindor
