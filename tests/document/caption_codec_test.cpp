#include "document/caption_codec.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// --- Writing -------------------------------------------------------------------------------

TEST(CaptionEncode, PlainLinesAreWrittenAsTheyAreAndJoinedWithCommas) {
    EXPECT_EQ(EncodeCaption(S("Haus")), S("Haus"));
    EXPECT_EQ(EncodeCaption(S("Haus\r\nBaum")), S("Haus,Baum"));
    EXPECT_EQ(EncodeCaption(S("Gr\u00FC\u00DFe")), S("Gr\u00FC\u00DFe"));
}

TEST(CaptionEncode, LineEndsAtCrLfOrCrLf) {
    EXPECT_EQ(EncodeCaption(S("a\nb")), S("a,b"));
    EXPECT_EQ(EncodeCaption(S("a\rb")), S("a,b"));
    EXPECT_EQ(EncodeCaption(S("a\r\nb\nc\rd")), S("a,b,c,d"));
    // A final terminator ends the last line; it does not start another one.
    EXPECT_EQ(EncodeCaption(S("a\r\n")), S("a"));
    // LF CR is two line ends.
    EXPECT_EQ(EncodeCaption(S("a\n\rb")), S("a,,b"));
}

TEST(CaptionEncode, BlanksCommasQuotesAndControlsAreQuoted) {
    EXPECT_EQ(EncodeCaption(S("rote Beete")), S("\"rote Beete\""));
    EXPECT_EQ(EncodeCaption(S("a,b")), S("\"a,b\""));
    EXPECT_EQ(EncodeCaption(S("Tab\there")), S("\"Tab\there\""));
    EXPECT_EQ(EncodeCaption(S("say \"hi\"")), S("\"say \"\"hi\"\"\""));
    EXPECT_EQ(EncodeCaption(S("\"")), S("\"\"\"\""));
    EXPECT_EQ(EncodeCaption(QString(QChar(0x01))), QString("\"") + QChar(0x01) + "\"");
}

TEST(CaptionEncode, EmptyCaptionAndEmptyLines) {
    EXPECT_EQ(EncodeCaption(QString()), QString());
    // A caption of exactly one empty line: two double quotes.
    EXPECT_EQ(EncodeCaption(S("\r\n")), S("\"\""));
    EXPECT_EQ(EncodeCaption(S("\n")), S("\"\""));
    // Empty lines among others are written as they are (empty).
    EXPECT_EQ(EncodeCaption(S("a\r\n\r\nb")), S("a,,b"));
}

TEST(CaptionEncode, SpecExampleTwoLines) {
    // First line with blanks and a comma, second beginning and ending with a double quote.
    const QString caption = S("rote Beete, gekocht\r\n\"Zitat\"");
    const QString stored = EncodeCaption(caption);
    EXPECT_EQ(stored, S("\"rote Beete, gekocht\",\"\"\"Zitat\"\"\""));
    EXPECT_EQ(DecodeCaption(stored), caption);
}

// --- Reading -------------------------------------------------------------------------------

TEST(CaptionDecode, ItemsAreJoinedWithCrLf) {
    EXPECT_EQ(DecodeCaption(S("Haus,Baum")), S("Haus\r\nBaum"));
    EXPECT_EQ(DecodeCaption(S("Haus")), S("Haus"));
    EXPECT_EQ(DecodeCaption(QString()), QString());
}

TEST(CaptionDecode, UnquotedItemEndsAtBlankOrControl) {
    EXPECT_EQ(DecodeCaption(S("rote Beete")), S("rote\r\nBeete"));
    EXPECT_EQ(DecodeCaption(S("a\tb")), S("a\r\nb"));
    // Blanks around the comma are skipped.
    EXPECT_EQ(DecodeCaption(S("a , b")), S("a\r\nb"));
}

TEST(CaptionDecode, QuotedItems) {
    EXPECT_EQ(DecodeCaption(S("\"rote Beete, gekocht\"")), S("rote Beete, gekocht"));
    EXPECT_EQ(DecodeCaption(S("\"say \"\"hi\"\"\"")), S("say \"hi\""));
    EXPECT_EQ(DecodeCaption(S("\"a\",\"b c\"")), S("a\r\nb c"));
    // Without a closing quote the item runs to the end.
    EXPECT_EQ(DecodeCaption(S("x,\"abc, def")), S("x\r\nabc, def"));
}

TEST(CaptionDecode, TwoDoubleQuotesAreOneEmptyItem) {
    EXPECT_EQ(DecodeCaption(S("\"\"")), QString());
    EXPECT_EQ(DecodeCaption(S("\"\",b")), S("\r\nb"));
}

TEST(CaptionDecode, EmptyItemsBetweenCommas) {
    EXPECT_EQ(DecodeCaption(S("a,,b")), S("a\r\n\r\nb"));
}

TEST(CaptionDecode, LeadingControlCharactersAreSkipped) {
    EXPECT_EQ(DecodeCaption(S("\t  \r\nabc")), S("abc"));
    EXPECT_EQ(DecodeCaption(QString(QChar(0x01)) + S(" \"q\"")), S("q"));
}

TEST(CaptionDecode, TrailingCommaAddsNoItem) {
    EXPECT_EQ(DecodeCaption(S("a,b,")), S("a\r\nb"));
    EXPECT_EQ(DecodeCaption(S("a,b, ")), S("a\r\nb"));
}

TEST(CaptionDecode, TrailingLineBreaksAreRemoved) {
    EXPECT_EQ(DecodeCaption(S("a,\"\"")), S("a"));
    EXPECT_EQ(DecodeCaption(S("a,,")), S("a"));
    EXPECT_EQ(DecodeCaption(S("\"x\r\n\n\r\"")), S("x"));
    // Inner line breaks of a quoted item stay.
    EXPECT_EQ(DecodeCaption(S("\"x\r\ny\"")), S("x\r\ny"));
}

TEST(CaptionCodec, RoundTrips) {
    const char* const captions[] = {
        "Haus",
        "rote Beete, gekocht\r\n\"Zitat\"",
        "a\r\n\r\nb",
        "Tab\there",
        "x,y,z",
        "\"",
        "\"\"",
        "Gr\u00FC\u00DFe, \u00C4rger\r\n\u20AC 5",
        " f\u00FChrend",
        "Ende ",
        "1,2\r\n3 4\r\n\"5\"",
    };
    for (const char* caption : captions)
        EXPECT_EQ(DecodeCaption(EncodeCaption(S(caption))), S(caption)) << caption;
}

// The comma text of a multiple-choice question keeps line breaks inside a quoted item, while
// a blank ends an item without quotes.
TEST(CaptionCodec, CommaTextItems) {
    EXPECT_EQ(SplitCommaText(S("\"Frage, lang\",\"+ja\r\n-nein\"")),
              QStringList({"Frage, lang", "+ja\r\n-nein"}));
    EXPECT_EQ(SplitCommaText(S("zwei Wörter,,\"\"\"x\"\"\"")),
              QStringList({"zwei", S("Wörter"), "", "\"x\""}));
    const QStringList items{"", "a b", "c", "\"", "1\r\n2"};
    EXPECT_EQ(SplitCommaText(JoinCommaText(items)), items);
    EXPECT_EQ(JoinCommaText({""}), S("\"\""));
    EXPECT_EQ(JoinCommaText({}), QString());
}

TEST(CaptionCodec, SplitLines) {
    EXPECT_EQ(SplitCaptionLines(QString()), QStringList());
    EXPECT_EQ(SplitCaptionLines(S("a")), QStringList({"a"}));
    EXPECT_EQ(SplitCaptionLines(S("a\r\nb\n")), QStringList({"a", "b"}));
    EXPECT_EQ(SplitCaptionLines(S("\r\n")), QStringList({""}));
    EXPECT_EQ(SplitCaptionLines(S("\r\n\r\n")), QStringList({"", ""}));
}

} // namespace
} // namespace quindor
