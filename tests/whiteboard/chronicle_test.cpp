#include "whiteboard/chronicle.h"
#include "whiteboard/chronicle_pdf.h"

#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QDateTime kMorning(QDate(2024, 1, 31), QTime(10, 15, 3));

class ChronicleTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.ChronicleFolder = dir.path() + QStringLiteral("/chronik/");
        picture.fill(Qt::darkGreen);
    }

    QStringList files() const {
        return QDir(state.ChronicleFolder).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir dir;
    ProgramState state;
    RecordingMessages messages;
    Chronicle chronicle{state, messages};
    QImage picture{64, 48, QImage::Format_ARGB32_Premultiplied};
};

TEST(ChronicleNames, FileNameAndCaptionCarryDateTimeAndNumber) {
    EXPECT_EQ(ChronicleFileName(kMorning, 3), QStringLiteral("20240131-101503-003.png"));
    EXPECT_EQ(ChronicleCaption(3, kMorning.time()), QStringLiteral("Nr. 003 - 10:15 Uhr"));
    EXPECT_EQ(ChronicleFileName(kMorning, 1000), QStringLiteral("20240131-101503-1000.png"));
    EXPECT_EQ(ChronicleCaption(1000, QTime(8, 5)), QStringLiteral("Nr. 1000 - 08:05 Uhr"));
}

TEST_F(ChronicleTest, FilesNumberedScreenshotsIntoAFolderMadeForThem) {
    const auto first = chronicle.file(picture, kMorning);
    const auto second = chronicle.file(picture, kMorning);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(QFileInfo(first->path).fileName(), QStringLiteral("20240131-101503-001.png"));
    EXPECT_EQ(QFileInfo(second->path).fileName(), QStringLiteral("20240131-101503-002.png"));
    EXPECT_EQ(second->caption(), QStringLiteral("Nr. 002 - 10:15 Uhr"));
    EXPECT_EQ(chronicle.counter(), 2);
    EXPECT_EQ(files().size(), 2);
    EXPECT_TRUE(messages.texts().isEmpty());
    const QImage written(first->path);
    EXPECT_EQ(written.size(), picture.size());
    // Made as any new file of the user: where others may open those, they may open it.
    QFile ordinary(dir.path() + QStringLiteral("/neu"));
    ASSERT_TRUE(ordinary.open(QIODevice::WriteOnly));
    EXPECT_EQ(QFileInfo(first->path).permissions(), ordinary.permissions());
    EXPECT_EQ(written.pixelColor(3, 3), QColor(Qt::darkGreen));
}

TEST_F(ChronicleTest, AFolderThatCannotBeMadeFilesNothing) {
    test::WriteFileBytes(dir.path() + QStringLiteral("/datei"), "x");
    state.ChronicleFolder = dir.path() + QStringLiteral("/datei/chronik/");
    EXPECT_FALSE(chronicle.file(picture, kMorning));
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Verzeichnis f\u00fcr Chronik-Screenshots konnte nicht "
                                         "erstellt werden:\r\n") +
                          state.ChronicleFolder));
    EXPECT_EQ(chronicle.counter(), 0);
}

TEST_F(ChronicleTest, AnExistingFileIsNeverWrittenOverAndItsNumberStaysFree) {
    QDir().mkpath(state.ChronicleFolder);
    const QString taken = state.ChronicleFolder + QStringLiteral("20240131-101503-001.png");
    test::WriteFileBytes(taken, "earlier run");
    EXPECT_FALSE(chronicle.file(picture, kMorning));
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Datei konnte nicht erstellt werden:\r\n") +
                          QDir::toNativeSeparators(taken)));
    EXPECT_EQ(test::ReadFileBytes(taken), QByteArray("earlier run"));
    EXPECT_EQ(chronicle.counter(), 0);
    EXPECT_TRUE(chronicle.entries().empty());
    // No half-made file is left behind either.
    EXPECT_EQ(files(), QStringList(QStringLiteral("20240131-101503-001.png")));
    const auto next = chronicle.file(picture, kMorning.addSecs(1));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->number, 1);
}

TEST_F(ChronicleTest, NoScreenshotsNoQuestionAtTheEnd) {
    EXPECT_TRUE(chronicle.cleanUpAtExit());
    EXPECT_TRUE(messages.entries().isEmpty());
}

TEST_F(ChronicleTest, TheEndAsksAboutOneScreenshot) {
    chronicle.file(picture, kMorning);
    messages.queueAnswer(Answer::No);
    EXPECT_TRUE(chronicle.cleanUpAtExit());
    ASSERT_EQ(messages.entries().size(), 1);
    EXPECT_EQ(messages.entries().front().buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.entries().front().defaultAnswer, Answer::No);
    EXPECT_EQ(messages.entries().front().text,
              QStringLiteral("1 Chronik-Screenshot wurde im Ordner ") + state.ChronicleFolder +
                  QStringLiteral(" als PNG-Bilddatei abgelegt.\r\nSoll diese jetzt gel\u00f6scht "
                                 "werden?"));
    EXPECT_EQ(files().size(), 1);
}

TEST_F(ChronicleTest, YesDeletesOnlyThisRunsScreenshots) {
    QDir().mkpath(state.ChronicleFolder);
    test::WriteFileBytes(state.ChronicleFolder + QStringLiteral("20230101-080000-001.png"), "old");
    chronicle.file(picture, kMorning);
    chronicle.file(picture, kMorning);
    chronicle.file(picture, kMorning.addSecs(60));
    messages.queueAnswer(Answer::Yes);
    EXPECT_TRUE(chronicle.cleanUpAtExit());
    EXPECT_EQ(messages.texts().front(),
              QStringLiteral("3 Chronik-Screenshots wurden im Ordner ") + state.ChronicleFolder +
                  QStringLiteral(" als PNG-Bilddateien abgelegt.\r\nSollen diese jetzt "
                                 "gel\u00f6scht werden?"));
    EXPECT_EQ(files(), QStringList(QStringLiteral("20230101-080000-001.png")));
    EXPECT_EQ(chronicle.counter(), 0);
    EXPECT_TRUE(chronicle.entries().empty());
}

TEST_F(ChronicleTest, CancelKeepsTheProgramAndTheFiles) {
    chronicle.file(picture, kMorning);
    chronicle.file(picture, kMorning);
    messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(chronicle.cleanUpAtExit());
    EXPECT_EQ(files().size(), 2);
    EXPECT_EQ(chronicle.counter(), 2);
}

TEST_F(ChronicleTest, PdfHasAPagePerReadableScreenshot) {
    chronicle.file(picture, kMorning);
    chronicle.file(picture, kMorning);
    chronicle.file(picture, kMorning);
    QFile::remove(chronicle.entries().at(1).path);
    int missing = -1;
    const QByteArray pdf = ChroniclePdf(chronicle.entries(), &missing);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(missing, 1);
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              2);
    std::vector<ChronicleEntry> gone = {chronicle.entries().at(1)};
    EXPECT_TRUE(ChroniclePdf(gone).isEmpty());
}

} // namespace
} // namespace quindor
