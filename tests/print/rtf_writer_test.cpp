#include "print/report.h"
#include "print/rtf_writer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(RtfWriter, EscapesAndCodePage) {
    const QByteArray rtf = WriteRtf(
        {{QStringLiteral("a\\b{c}\tä€ł"), false, 9}, {QStringLiteral("Kopf"), true, 4}}, 160);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(
        rtf.contains("\\pard\\tx3200\\f0\\fs18\\b0 a\\\\b\\{c\\}\\tab \\'e4\\'80\\u322?\\par"));
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\f0\\fs8\\b Kopf\\par"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
}

TEST(Report, HeadingsAreBoldWithASmallEmptyLineAfter) {
    const std::vector<RichParagraph> paragraphs = ProtocolParagraphs(
        QStringLiteral("<tit>Übungsprotokoll\r\nTitel:\tSonne\r\n<TIT>Kommentar\r\ngut\r\n"));
    const std::vector<RichParagraph> expected = {{QStringLiteral("Übungsprotokoll"), true, 9},
                                                 {QString(), false, 4},
                                                 {QStringLiteral("Titel:\tSonne"), false, 9},
                                                 {QStringLiteral("Kommentar"), true, 9},
                                                 {QString(), false, 4},
                                                 {QStringLiteral("gut"), false, 9}};
    EXPECT_EQ(paragraphs, expected);

    QTextDocument document;
    AppendToDocument(document, paragraphs, 160);
    ASSERT_EQ(document.blockCount(), 6);
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.text(), QStringLiteral("Übungsprotokoll"));
    EXPECT_EQ(first.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(first.next().charFormat().fontPointSize(), 4);
    EXPECT_EQ(first.next().next().blockFormat().tabPositions().size(), 1);
}

// Text typed into a multi-line field ends its lines with LF alone; every kind of line break
// starts a paragraph of its own, as the report area shows it.
TEST(Report, EveryLineBreakStartsAParagraph) {
    const std::vector<RichParagraph> paragraphs =
        ProtocolParagraphs(QStringLiteral("eins\nzwei\rdrei\r\nvier\r\n"));
    const std::vector<RichParagraph> expected = {{QStringLiteral("eins"), false, 9},
                                                 {QStringLiteral("zwei"), false, 9},
                                                 {QStringLiteral("drei"), false, 9},
                                                 {QStringLiteral("vier"), false, 9}};
    EXPECT_EQ(paragraphs, expected);
    QTextDocument document;
    AppendToDocument(document, paragraphs, 160);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("eins\nzwei\ndrei\nvier"));
}

// A word processor's reader must find the text, the umlauts and the heading in the file.
TEST(RtfWriter, FileReadsBackInAnRtfReader) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("protokoll.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteRtf(
        ProtocolParagraphs(QStringLiteral("<tit>Übungsprotokoll\r\nTitel:\tGrüße aus Łódź\r\n")),
        160));
    file.close();
    QProcess reader;
    reader.start(unrtf, {QStringLiteral("--html"), path});
    ASSERT_TRUE(reader.waitForFinished(20'000));
    const QString html = QString::fromLatin1(reader.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("<b>&Uuml;bungsprotokoll"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Gr&uuml;&szlig;e aus &#321;&oacute;d&#378;")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("font-size:9pt")));
}

} // namespace
} // namespace quindor
