// The "Bearbeiten" mode in the program window: a labelling document made from a picture and
// labelled by mouse, the whiteboard resting meanwhile, the save question on leaving, and the
// recovery copy of the edits.
#include "app/av_main.h"
#include "editor/free_objects.h"
#include "editor/ui/content_dialog.h"
#include "editor/ui/picture_edit_panel.h"
#include "editor/ui/picture_editor.h"
#include "program_window.h"
#include "whiteboard/ui/whiteboard_toolbar.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class PictureEditorWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.RecoveryFolder = folder + QStringLiteral("daten");
        window.resize(1000, 700);
        ASSERT_TRUE(test::PatternImage(600, 400).save(folder + QStringLiteral("bild.png")));
    }

    void click(QPoint displayPoint) {
        PageArea* page = window.pageArea();
        const QPointF at = displayPoint + page->pageRect().topLeft();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, page->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(page, &event);
        }
    }
    bool boardUndoEnabled() {
        return window.whiteboardBar()->action(BoardCommand::Undo)->isEnabled();
    }

    QString folder;
};

TEST_F(PictureEditorWindowTest, ANewPictureIsLabelledInTheModeAndLeavingAsksToSave) {
    window.FirstActivation({folder});
    // The start page has nothing to edit.
    window.action(QStringLiteral("BearbeitenItem"))->trigger();
    EXPECT_FALSE(window.pictureEditing());
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Bitte zuerst ein Dokument \u00f6ffnen oder mit \"Datei / Neu...\" "
                             "ein neues anlegen; dann lassen sich seine Karten, Bilder und Punkte "
                             "bearbeiten."));
    window.setContentDialog([this](TDokumentInhaltForm& dialog) {
        dialog.setLabelling();
        dialog.setInfo({QStringLiteral("Pflanze"), {}, {}});
        EXPECT_TRUE(dialog.setPicture(folder + QStringLiteral("bild.png")));
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    window.newDocumentCommand();
    const Document& d = app.session.document();
    EXPECT_EQ(d.Header.DokTyp, DocumentType::Labelling);
    EXPECT_EQ(d.BaseImage.Image.size(), QSize(600, 400));
    ASSERT_TRUE(window.pictureEditing());
    EXPECT_TRUE(window.action(QStringLiteral("BearbeitenItem"))->isChecked());
    EXPECT_FALSE(boardUndoEnabled());

    PictureEditor* editor = window.pictureEditor();
    editor->panel()->addButton(ObjectKind::QueryLabel)->click();
    click({300, 200});
    QPlainTextEdit* field = editor->placingField();
    ASSERT_TRUE(field);
    field->setPlainText(QStringLiteral("Wurzel"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &enter);
    ASSERT_EQ(d.ObjectCount(), 1);
    EXPECT_EQ(d.Object(0).Cap, QStringLiteral("Wurzel"));
    EXPECT_EQ(d.Object(0).Typ, ObjectKind::QueryLabel);
    // Ctrl+Z takes the label back, not a drawing.
    window.action(QStringLiteral("BearbeitenRueckgaengigItem"))->trigger();
    EXPECT_EQ(d.ObjectCount(), 0);
    window.action(QStringLiteral("BearbeitenWiederholenItem"))->trigger();
    EXPECT_EQ(d.ObjectCount(), 1);

    // An exercise waits for the save question; Cancel keeps the mode.
    messages.queueAnswer(Answer::Cancel);
    window.IndividualExerciseCommand();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Aktuelles Dokument speichern?"));
    EXPECT_TRUE(window.pictureEditing());
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    messages.queueAnswer(Answer::No);
    EXPECT_TRUE(window.leavePictureEditing(true));
    EXPECT_FALSE(window.pictureEditing());
    EXPECT_TRUE(boardUndoEnabled());
    EXPECT_TRUE(app.session.header().Modified);
    EXPECT_EQ(d.ObjectCount(), 1);
}

TEST_F(PictureEditorWindowTest, EditsAreCopiedForRecoveryUntilSaved) {
    window.FirstActivation({folder});
    window.setContentDialog([this](TDokumentInhaltForm& dialog) {
        dialog.setLabelling();
        dialog.setPicture(folder + QStringLiteral("bild.png"));
        dialog.accept();
        return true;
    });
    window.newDocumentCommand();
    window.pictureEditor()->editing().add(NewFreeObject(ObjectKind::QueryLabel, {0.5, 0.5},
                                                        {0.6, 0.5}, QStringLiteral("Stiel"),
                                                        app.session.header()));
    const RecoveryCopy copy(app.state.RecoveryFolder);
    window.keepRecoveryCopy();
    ASSERT_TRUE(copy.waiting());
    EXPECT_TRUE(copy.originalFile().isEmpty());
    pickers.saveAnswer = folder + QStringLiteral("bild.qdr");
    ASSERT_TRUE(window.saveCommand());
    EXPECT_FALSE(copy.waiting());
}

} // namespace
} // namespace quindor
