// The "Bearbeiten" mode in the program window: the menu item and tool button, the editor's
// panel in the tool area in place of the whiteboard's, what leaving the mode asks, and the
// recovery copy of unsaved work kept up to date while the program runs.
#include "app/av_main.h"

#include "editor/ui/picture_edit_panel.h"
#include "editor/ui/picture_editor.h"
#include "whiteboard/ui/whiteboard_toolbar.h"

#include <QColorDialog>
#include <QMenuBar>
#include <QVBoxLayout>

namespace quindor {

namespace {

// How often unsaved work is copied: a crash loses at most this much.
constexpr int kRecoveryMilliseconds = 30'000;
// The tool area is wider while the editor's fields are in it.
constexpr int kToolAreaWidth = 188;
constexpr int kEditingToolAreaWidth = 240;

} // namespace

void MainWindow::createPictureEditorCommands() {
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("DateiMenu"));
    editAction_ = new QAction(QStringLiteral("&Bearbeiten"), this);
    editAction_->setObjectName(QStringLiteral("BearbeitenItem"));
    editAction_->setCheckable(true);
    editAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    menu->insertAction(action(QStringLiteral("EigenschaftenItem")), editAction_);
    connect(editAction_, &QAction::triggered, this, [this](bool on) {
        if (on)
            startPictureEditing();
        else
            leavePictureEditing(true);
    });
    editButton_ = new QToolButton(toolArea_);
    editButton_->setObjectName(QStringLiteral("BearbeitenBtn"));
    editButton_->setText(QStringLiteral("Bearbeiten"));
    editButton_->setToolTip(
        QStringLiteral("Karten, Bilder und Punkte des Dokuments setzen und \u00e4ndern"));
    editButton_->setAccessibleName(editButton_->toolTip());
    editButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    editButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    editButton_->setDefaultAction(editAction_);
    editButton_->setText(QStringLiteral("Bearbeiten"));
    // Below the worksheet, above the whiteboard; the panel opens beneath it.
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    tools->insertWidget(
        tools->indexOf(toolArea_->findChild<QToolButton*>(QStringLiteral("ArbeitsblattBtn"))) + 1,
        editButton_);
    learningTools_.append(editButton_);
    // While the mode is on, Ctrl+Z and Ctrl+Y undo edits rather than drawings.
    const auto historyItem = [this](const char* name, const QString& text,
                                    const QKeySequence& shortcut, void (PictureEditor::*step)()) {
        auto* item = new QAction(text, this);
        item->setObjectName(QString::fromLatin1(name));
        item->setShortcut(shortcut);
        item->setEnabled(false);
        QWidget::addAction(item);
        connect(item, &QAction::triggered, this, [this, step] {
            if (pictureEditor_ && pictureEditor_->active())
                (pictureEditor_->*step)();
        });
        return item;
    };
    editHistory_ = {historyItem("BearbeitenRueckgaengigItem",
                                QStringLiteral("R\u00fcckg\u00e4ngig"),
                                QKeySequence(Qt::CTRL | Qt::Key_Z), &PictureEditor::undo),
                    historyItem("BearbeitenWiederholenItem", QStringLiteral("Wiederholen"),
                                QKeySequence(Qt::CTRL | Qt::Key_Y), &PictureEditor::redo)};
}

bool MainWindow::pictureEditing() const {
    return pictureEditor_ && pictureEditor_->active();
}

PictureEditor* MainWindow::pictureEditor() {
    if (!pictureEditor_) {
        pictureEditor_ = new PictureEditor(app_.session.document(), app_.view, app_.state,
                                           app_.messages, app_.pickers, page_, toolArea_);
        PictureEditPanel* panel = pictureEditor_->panel();
        panel->hide();
        auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
        tools->insertWidget(tools->indexOf(editButton_) + 1, panel);
        panel->chooseColour = [this](const QColor& current,
                                     const QString& title) -> std::optional<QColor> {
            const QColor chosen = QColorDialog::getColor(current, this, title);
            return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
        };
        pictureEditor_->edited = [this] {
            recovery_.changed();
            updateEditorActions();
        };
        pictureEditor_->leaveRequested = [this] { leavePictureEditing(true); };
    }
    return pictureEditor_;
}

bool MainWindow::startPictureEditing() {
    if (pictureEditing())
        return true;
    if (!hasSavableDocument()) {
        showEditingState();
        if (app_.state.ViewMode == Mode::Learning)
            app_.messages.information(
                QStringLiteral("Bitte zuerst ein Dokument \u00f6ffnen oder mit \"Datei / "
                               "Neu...\" ein neues anlegen; dann lassen sich seine Karten, "
                               "Bilder und Punkte bearbeiten."));
        return false;
    }
    selectTool(Tool::Pointer);
    PictureEditor* editor = pictureEditor();
    // The whiteboard gives way: its drawings go, its tools and shortcuts rest.
    ComposeView();
    editor->start();
    showEditingState();
    return true;
}

bool MainWindow::leavePictureEditing(bool askSave) {
    if (!pictureEditing())
        return true;
    pictureEditor_->editing().commit();
    if (askSave && !app_.session.AskSaveChanges()) {
        showEditingState();
        return false;
    }
    pictureEditor_->stop();
    showEditingState();
    return true;
}

void MainWindow::showEditingState() {
    const bool on = pictureEditing();
    editAction_->setChecked(on);
    for (QAction* item : editHistory_)
        item->setEnabled(on);
    WhiteboardToolBar* bar = whiteboardBar();
    bar->setVisible(!on && app_.state.ViewMode == Mode::Learning);
    for (int command = 0; command <= static_cast<int>(BoardCommand::ChroniclePdf); ++command) {
        if (QAction* item = bar->action(static_cast<BoardCommand>(command)))
            item->setEnabled(!on);
    }
    if (auto* board = findChild<QMenu*>(QStringLiteral("TafelanschriebMenu")))
        board->menuAction()->setEnabled(!on);
    boardPicture_->setVisible(!on);
    if (toolArea_->maximumWidth() != (on ? kEditingToolAreaWidth : kToolAreaWidth))
        toolArea_->setFixedWidth(on ? kEditingToolAreaWidth : kToolAreaWidth);
    if (pictureEditor_)
        pictureEditor_->panel()->setVisible(on);
}

void MainWindow::pictureDocumentReplaced() {
    // The session asked to save the document it replaced: its changes are kept or given up.
    if (pictureEditing()) {
        pictureEditor_->stop();
        showEditingState();
    }
    recovery_.discard();
    if (app_.session.header().Modified)
        recovery_.changed();
}

void MainWindow::startKeepingRecovery() {
    recovery_ = RecoveryKeeper(recoveryClaim_.copy());
    if (!recoveryTimer_) {
        recoveryTimer_ = new QTimer(this);
        recoveryTimer_->setInterval(kRecoveryMilliseconds);
        connect(recoveryTimer_, &QTimer::timeout, this, &MainWindow::keepRecoveryCopy);
    }
    recoveryTimer_->start();
}

void MainWindow::keepRecoveryCopy() {
    recovery_.keep(app_.session);
}

} // namespace quindor
