// "Neu...", "Inhalt bearbeiten...", "Speichern" and "Speichern unter..." in the program window:
// the preview behind the dialog, what Cancel and OK leave, and where a new document is saved.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "editor/document_makers.h"
#include "editor/ui/content_dialog.h"
#include "program_window.h"

#include <QFile>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class EditorWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        window.resize(1000, 700);
        window.FirstActivation({folder});
    }

    // Answers the dialog with a type and a text, pressing OK or Cancel.
    void answer(TextKind kind, const QString& text, bool ok) {
        window.setContentDialog([=](TDokumentInhaltForm& dialog) {
            dialog.setKind(kind);
            dialog.setText(text);
            if (!ok)
                return false;
            dialog.accept();
            return dialog.result() == QDialog::Accepted;
        });
    }

    QString folder;
};

TEST_F(EditorWindowTest, ThePreviewShowsWhatIsMadeAndCancelBringsBackTheOpenDocument) {
    Document gaps =
        *MakeFromText(nullptr, TextKind::GapText, {QStringLiteral("L\u00fccken"), {}, {}},
                      QStringLiteral("Im <<Osten>> und im <<Westen>>."))
             .Value;
    QFile file(folder + QStringLiteral("a.qdr"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteDocumentBytes(gaps));
    file.close();
    ASSERT_TRUE(app.session.LoadDocument(file.fileName(), true));
    app.topics.ReadTopicList();
    ASSERT_EQ(app.state.TopicIndex, 0);
    app.session.document().Object(1).State = ObjectState::Shown;
    app.session.header().Modified = true;
    const QByteArray before = WriteDocumentBytes(app.session.document());

    window.setContentDialog([this](TDokumentInhaltForm& dialog) {
        dialog.setKind(TextKind::Choice);
        dialog.setText(QStringLiteral("Wer?\n+ ich\n- du"));
        dialog.refresh();
        EXPECT_EQ(app.session.header().DokTyp, DocumentType::MultipleChoice);
        EXPECT_FALSE(window.pageArea()->startInformationVisible());
        dialog.setText(QStringLiteral("Wer?\n- du"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        const QString fault =
            QStringLiteral("Zeile 1: Die Frage hat keine richtige Antwort (mit \"+\").");
        EXPECT_EQ(messages.texts().last(), fault);
        EXPECT_EQ(window.pageArea()->startInformation()->text(), fault);
        EXPECT_TRUE(window.pageArea()->startInformationVisible());
        return false;
    });
    messages.queueAnswer(Answer::No);
    window.newDocumentCommand();
    EXPECT_EQ(messages.texts().first(),
              QStringLiteral("\u00c4nderungen im aktuellen Dokument unter \"%1\" speichern?")
                  .arg(file.fileName()));
    const Document& open = app.session.document();
    EXPECT_EQ(open.Header.FileName, file.fileName());
    EXPECT_TRUE(open.Header.Modified);
    EXPECT_EQ(app.state.TopicIndex, 0);
    EXPECT_EQ(open.Object(1).State, ObjectState::Shown);
    EXPECT_EQ(WriteDocumentBytes(app.session.document()), before);
    EXPECT_FALSE(window.pageArea()->startInformationVisible());
}

TEST_F(EditorWindowTest, ANewDocumentIsUnsavedUntilSavedIntoTheTopicFolder) {
    answer(TextKind::Pairs, QStringLiteral("Hund = bellen\nKatze = miauen"), true);
    window.newDocumentCommand();
    const HeaderDataTyp& h = app.session.header();
    EXPECT_EQ(h.DokTyp, DocumentType::CrossMatching);
    EXPECT_TRUE(h.FileName.isEmpty());
    EXPECT_TRUE(h.Modified);
    // Closing asks for it as for any modified document.
    messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(window.CloseCommand());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Aktuelles Dokument speichern?"));

    pickers.saveAnswer = folder + QStringLiteral("tiere");
    ASSERT_TRUE(window.saveCommand());
    EXPECT_EQ(pickers.lastTitle, QStringLiteral("Dokument speichern"));
    EXPECT_EQ(pickers.lastStart, folder + QStringLiteral("Neues Dokument.qdr"));
    EXPECT_EQ(h.FileName, folder + QStringLiteral("tiere.qdr"));
    EXPECT_FALSE(h.Modified);
    ASSERT_EQ(app.topics.entries().size(), 1);
    EXPECT_EQ(app.state.TopicIndex, 0);

    // The content changed again, and its file cannot be written any more (it is gone: tests
    // run with rights that write even read-only files).
    answer(TextKind::Pairs, QStringLiteral("Hund = bellen\nKatze = miauen\nKuh = muhen"), true);
    window.editContentCommand();
    EXPECT_EQ(h.Zeilen, 3);
    EXPECT_EQ(h.FileName, folder + QStringLiteral("tiere.qdr"));
    EXPECT_TRUE(h.Modified);
    QFile::remove(h.FileName);
    pickers.saveAnswer = folder + QStringLiteral("tiere2.QDR");
    ASSERT_TRUE(window.saveCommand());
    EXPECT_EQ(pickers.titles.size(), 2);
    EXPECT_EQ(pickers.lastStart, folder + QStringLiteral("tiere.qdr"));
    EXPECT_EQ(h.FileName.toStdString(), (folder + QStringLiteral("tiere2.QDR")).toStdString());
    EXPECT_EQ(app.topics.entries().size(), 1);
}

} // namespace
} // namespace quindor
