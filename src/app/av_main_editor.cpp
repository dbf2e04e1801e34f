// Making documents from text in the program window: "Neu...", "Inhalt bearbeiten...",
// "Speichern" and "Speichern unter..." in the file menu.
#include "app/av_main.h"

#include "core/activity_guard.h"
#include "editor/content_preview.h"
#include "editor/document_saving.h"
#include "editor/free_objects.h"
#include "editor/ui/content_dialog.h"

#include <QMenuBar>

namespace quindor {

void MainWindow::createEditorCommands() {
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("DateiMenu"));
    saving_ = std::make_unique<DocumentSaving>(app_.session, app_.topics, app_.state, app_.pickers);
    const auto item = [this, menu](const char* name, const QString& text, const char* before,
                                   const QKeySequence& shortcut = QKeySequence()) {
        auto* created = new QAction(text, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(shortcut);
        menu->insertAction(action(QString::fromLatin1(before)), created);
        return created;
    };
    connect(item("NeuItem", QStringLiteral("&Neu..."), "OeffnenItem"), &QAction::triggered, this,
            &MainWindow::newDocumentCommand);
    connect(item("SpeichernItem", QStringLiteral("&Speichern"), "SchliessenItem",
                 QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::saveCommand);
    connect(item("SpeichernUnterItem", QStringLiteral("Speichern &unter..."), "SchliessenItem"),
            &QAction::triggered, this, &MainWindow::saveAsCommand);
    connect(
        item("InhaltBearbeitenItem", QStringLiteral("&Inhalt bearbeiten..."), "EigenschaftenItem"),
        &QAction::triggered, this, &MainWindow::editContentCommand);
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateEditorActions);
}

bool MainWindow::hasSavableDocument() const {
    // A document from a file, or one made here; not the start page or a bare sheet.
    const HeaderDataTyp& h = app_.session.header();
    return app_.state.ViewMode == Mode::Learning && (!h.FileName.isEmpty() || h.Modified);
}

void MainWindow::updateEditorActions() {
    const bool document = hasSavableDocument();
    action(QStringLiteral("NeuItem"))->setEnabled(app_.state.ViewMode == Mode::Learning);
    action(QStringLiteral("SpeichernItem"))->setEnabled(document);
    action(QStringLiteral("SpeichernUnterItem"))->setEnabled(document);
    action(QStringLiteral("InhaltBearbeitenItem"))
        ->setEnabled(document && TextKindOf(app_.session.header()).has_value());
}

void MainWindow::newDocumentCommand() {
    // The dialog shows what it makes in the view: the editing of the open one ends first.
    if (!leavePictureEditing(false))
        return;
    if (app_.state.ViewMode != Mode::Learning ||
        !MayLeaveCurrentActivity(app_.state, app_.messages) || !app_.session.mayReplaceDocument())
        return;
    TDokumentInhaltForm dialog(app_.messages, this);
    dialog.startNew(TextKind::GapText);
    dialog.setPageFormat(app_.session.pageFormatDefaults());
    dialog.choosePictureFile = [this] {
        return app_.pickers.openFile(
            QStringLiteral("Bild w\u00e4hlen"),
            QStringLiteral("Bilder (*.png *.jpg *.jpeg *.bmp *.gif)|*.png;*.jpg;*.jpeg;*.bmp;*.gif|"
                           "Alle Dateien (*.*)|*.*"),
            QStringLiteral("png"), app_.state.CurrentFolder);
    };
    if (runContentDialog(dialog)) {
        app_.session.installDocument(dialog.made().Value.value(), true);
        app_.topics.ReadTopicList();
        updateEditorActions();
        // A picture is labelled next.
        if (dialog.labelling())
            startPictureEditing();
    }
}

void MainWindow::editContentCommand() {
    const Document& open = app_.session.document();
    const std::optional<ContentText> content = ContentTextOf(open);
    if (!hasSavableDocument() || !content || !leavePictureEditing(false))
        return;
    // The preview redraws the page: drawings not yet filed are offered first, as on any change
    // of the shown document.
    const auto& keepDrawings = app_.session.hooks().keepDrawings;
    if (app_.state.ViewMode != Mode::Learning ||
        !MayLeaveCurrentActivity(app_.state, app_.messages) || (keepDrawings && !keepDrawings()))
        return;
    if (!content->ok()) {
        app_.messages.information(content->Refusal);
        return;
    }
    TDokumentInhaltForm dialog(app_.messages, this);
    dialog.startEdit(open, *content);
    if (runContentDialog(dialog)) {
        app_.session.installDocument(dialog.made().Value.value(), false);
        updateEditorActions();
    }
}

bool MainWindow::runContentDialog(TDokumentInhaltForm& dialog) {
    // The learning view shows what the dialog makes; the start information gives way to it or
    // shows the fault of the text.
    ContentPreview preview(app_.session, app_.state);
    const bool informationShown = page_->startInformationVisible();
    dialog.preview = [this, &preview, &dialog](const Parsed<Document>& made, int question) {
        // A faulty text shows its fault on an empty page of the type.
        preview.show(made.ok() ? *made.Value : dialog.emptyDocument(), question);
        page_->setStartInformation(made.Error.message());
        page_->setStartInformationVisible(!made.ok());
        documentChanged();
    };
    dialog.refresh();
    const bool accepted =
        (contentAnswer_ ? contentAnswer_(dialog) : dialog.exec() == QDialog::Accepted) &&
        dialog.made().ok();
    dialog.preview = nullptr;
    preview.restore();
    page_->setStartInformation(StartInformationText());
    page_->setStartInformationVisible(informationShown && !accepted);
    // What OK made is shown when it is installed.
    if (!accepted)
        documentChanged();
    return accepted;
}

bool MainWindow::saveCommand() {
    if (!hasSavableDocument() || !saving_->save())
        return false;
    recovery_.discard();
    return true;
}

bool MainWindow::saveAsCommand() {
    if (!hasSavableDocument() || !saving_->saveAs())
        return false;
    recovery_.discard();
    return true;
}

} // namespace quindor
