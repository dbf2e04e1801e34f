// GIFT import and export from the file menu: the folder asked, the documents opened as the
// topic folder, the report shown.
#include "app/av_main.h"
#include "editor/ui/gift_report_dialog.h"
#include "program_window.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class GiftWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        folder = dir.path();
        app.state.ProgramFolder = folder + QLatin1Char('/');
        window.FirstActivation({folder});
        window.setGiftReport([this](TGiftBerichtForm& form) { report = form.report(); });
    }

    QString folder;
    QString report;
};

TEST_F(GiftWindowTest, ImportOpensItsTopicFolderAndExportTakesTheWholeFolder) {
    const QString gift = folder + QStringLiteral("/fragen.gift");
    test::WriteFileBytes(gift, "Hund? {=bellt}\n\nWelche? {~a =b}\n\nWie geht es? {}\n");
    // The folder chosen holds the GIFT file: the documents go into a new folder in it.
    pickers.openAnswer = gift;
    pickers.folderAnswer = folder;
    messages.queueAnswer(Answer::Yes);
    window.action(QStringLiteral("GiftImportItem"))->trigger();
    const QString inside = folder + QStringLiteral("/fragen");
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Der Ordner \"%1\" ist nicht leer.\r\nDie Dokumente in "
                                         "den neuen Ordner \"%2\" schreiben?")
                              .arg(folder, inside)});
    EXPECT_EQ(app.session.header().FileName, inside + QStringLiteral("/01_fragen.qdr"));
    EXPECT_EQ(app.session.header().DokTyp, DocumentType::Questions);
    EXPECT_EQ(app.topics.entries().size(), 2);
    EXPECT_EQ(app.state.TopicIndex, 0);
    EXPECT_TRUE(report.startsWith(QStringLiteral("GIFT-Import aus \"%1\"\n\n2 Dokument(e) in den "
                                                 "Ordner \"%2\" geschrieben:\n")
                                      .arg(gift, inside)))
        << report.toStdString();
    EXPECT_TRUE(report.contains(
        QStringLiteral("Zeile 5: \"Wie geht es?\": Freitext-Frage; kein Dokumenttyp fragt so.")));

    messages.queueChoice(1);
    pickers.saveAnswer = folder + QStringLiteral("/aus.gift");
    window.action(QStringLiteral("GiftExportItem"))->trigger();
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Nur das ge\u00f6ffnete Dokument oder alle 2 Dokumente des Ordners "
                             "exportieren?"));
    EXPECT_TRUE(report.contains(QStringLiteral("2 Frage(n) aus 2 Dokument(en):")));
    EXPECT_EQ(test::ReadFileBytes(pickers.saveAnswer),
              "// 01_fragen.qdr\n$CATEGORY: fragen\n\n::fragen 01::Hund?{=bellt}\n\n"
              "// 02_fragen.qdr\n$CATEGORY: fragen\n\n::fragen 02::Welche?{\n  ~a\n  =b\n}\n\n");
}

} // namespace
} // namespace quindor
