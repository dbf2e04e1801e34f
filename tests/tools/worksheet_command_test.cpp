#include "quindor_doc/worksheet_command.h"
#include "tool_process.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor::doc {
namespace {

QString Sample(const char* name) {
    return QStringLiteral(QUINDOR_SAMPLES_DIR "/") + QLatin1String(name);
}

int Worksheet(const QStringList& arguments, QString* errors = nullptr) {
    QString text;
    QTextStream err(&text);
    const int result = RunWorksheet(arguments, err);
    err.flush();
    if (errors)
        *errors = text;
    return result;
}

// The text layer of one page of a PDF, as a reader extracts it.
class PdfText : public ::testing::Test {
protected:
    void SetUp() override {
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext_.isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString page(const QString& pdf, int number) const {
        const test::ToolRun run = test::RunTool(
            pdftotext_, {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                         QString::number(number), pdf, QStringLiteral("-")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out;
    }
    // pdftotext ends every page with a form feed.
    int pages(const QString& pdf) const {
        const test::ToolRun run = test::RunTool(pdftotext_, {pdf, QStringLiteral("-")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return static_cast<int>(run.out.count(QLatin1Char('\f')));
    }

    QString pdftotext_;
    QTemporaryDir dir_;
};

TEST_F(PdfText, TheWorksheetOfADocumentHasItsFieldsTitleAndBlanks) {
    const QString sheet = dir_.filePath(QStringLiteral("blatt.pdf"));
    ASSERT_EQ(Worksheet({Sample("06_Einzelfragen.qdr"), sheet}), 0);
    const QString text = page(sheet, 1);
    for (const char* word : {"Name", "Klasse", "Datum", "Pflanzen-Quiz", "Erstellt mit Quindor."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    // The answers stand only in the bank, not below their questions.
    EXPECT_FALSE(text.contains(QStringLiteral("Boden auf?\nMit den Wurzeln")));

    const QString solution = dir_.filePath(QStringLiteral("loesung.pdf"));
    ASSERT_EQ(Worksheet({Sample("06_Einzelfragen.qdr"), solution, QStringLiteral("--variant"),
                         QStringLiteral("1")}),
              0);
    EXPECT_TRUE(page(solution, 1).contains(QStringLiteral("Boden auf?\nMit den Wurzeln")));
    EXPECT_EQ(pages(solution), 1);
}

TEST_F(PdfText, AFolderGivesEachWorksheetFollowedByItsSolution) {
    QTemporaryDir folder;
    for (const char* name : {"02_Lueckentext.qdr", "06_Einzelfragen.qdr"})
        ASSERT_TRUE(QFile::copy(Sample(name), folder.filePath(QString::fromLatin1(name))));
    const QString sheets = dir_.filePath(QStringLiteral("einheit.pdf"));
    ASSERT_EQ(Worksheet({folder.path(), sheets, QStringLiteral("--seed"), QStringLiteral("17")}),
              0);
    EXPECT_EQ(pages(sheets), 4);
    const QString gaps = page(sheets, 1);
    EXPECT_TRUE(gaps.contains(QStringLiteral("Was Pflanzen zum Leben brauchen")));
    EXPECT_FALSE(gaps.contains(QStringLiteral("Wasser und N\u00e4hrstoffe")));
    EXPECT_TRUE(page(sheets, 2).contains(QStringLiteral("Wasser und N\u00e4hrstoffe")));
    EXPECT_TRUE(page(sheets, 3).contains(QStringLiteral("Pflanzen-Quiz")));
    EXPECT_TRUE(page(sheets, 4).contains(QStringLiteral("Mit den Wurzeln")));
}

TEST(WorksheetCommand, RefusesWrongArgumentsAndReportsWhatFails) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("blatt.pdf"));
    EXPECT_EQ(Worksheet({Sample("01_Pflanze.qdr")}), 2);
    EXPECT_EQ(Worksheet({Sample("01_Pflanze.qdr"), out, QStringLiteral("--variant"),
                         QStringLiteral("3")}),
              2);
    EXPECT_EQ(
        Worksheet({Sample("01_Pflanze.qdr"), out, QStringLiteral("--seed"), QStringLiteral("0")}),
        2);
    EXPECT_EQ(Worksheet({Sample("01_Pflanze.qdr"), out, QStringLiteral("--seed")}), 2);
    // A folder always gives worksheets with their solutions.
    EXPECT_EQ(Worksheet({QStringLiteral(QUINDOR_SAMPLES_DIR), out, QStringLiteral("--variant"),
                         QStringLiteral("1")}),
              2);
    QString errors;
    EXPECT_EQ(
        Worksheet({Sample("01_Pflanze.qdr"), dir.filePath(QStringLiteral("blatt.png"))}, &errors),
        1);
    EXPECT_EQ(
        errors,
        QStringLiteral("Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.\n"));
    EXPECT_EQ(Worksheet({dir.filePath(QStringLiteral("fehlt.qdr")), out}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("fehlt.qdr")));
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(Worksheet({dir.path(), out}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("keine Dokumente")));
}

} // namespace
} // namespace quindor::doc
