// The whiteboard's part of the program window: the tool buttons and their menu, the tools at
// work on the picture area, sheets, pictures from files and the clipboard, and the chronicle.
#include "app/av_main.h"

#include "core/file_replace.h"
#include "core/rounding.h"
#include "view/ui/cover_sheet_widget.h"
#include "whiteboard/annotator.h"
#include "whiteboard/area_selection.h"
#include "whiteboard/chronicle.h"
#include "whiteboard/chronicle_pdf.h"
#include "whiteboard/picture_files.h"
#include "whiteboard/sheet_document.h"
#include "whiteboard/ui/ac_blatttabelle.h"
#include "whiteboard/ui/board_overlay.h"
#include "whiteboard/ui/pf_blattanzahl.h"
#include "whiteboard/ui/qdr_stempel.h"
#include "whiteboard/ui/whiteboard_toolbar.h"

#include <QClipboard>
#include <QColorDialog>
#include <QDateTime>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace quindor {

namespace {

// Hands the events of one object to a function.
class FunctionFilter : public QObject {
public:
    FunctionFilter(std::function<bool(QEvent*)> filter, QObject* parent)
        : QObject(parent), filter_(std::move(filter)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override { return filter_(event); }

private:
    std::function<bool(QEvent*)> filter_;
};

QSize ThumbnailSize(const QScreen* screen) {
    const QSize size = screen ? screen->geometry().size() : QSize(1920, 1080);
    return QSize(RoundHalfEven(size.width() * 120.0 / std::max(1, size.height())), 120);
}

} // namespace

struct WhiteboardPart {
    WhiteboardPart(AppState& app, QSize thumbnails)
        : annotator(app.view), chronicle(app.state, app.messages), thumbnailSize(thumbnails) {}

    Annotator annotator;
    Chronicle chronicle;
    QSize thumbnailSize;
    WhiteboardToolBar* bar = nullptr;
    PageOverlay* overlay = nullptr;
    AreaLabel* label = nullptr;
    TextInputField* text = nullptr;
    QFont textFont;
    AreaSelection area;
    bool selecting = false;
    SheetCounts counts;
    SheetDialogs dialogs;
    TBlattAnzahlForm* countDialog = nullptr;
    TBlattTabelleForm* tableDialog = nullptr;
    // The left button moves the view with the hand tool.
    bool handDragging = false;
    QPoint handAnchor;
};

void WhiteboardPartDeleter::operator()(WhiteboardPart* part) const {
    delete part;
}

Annotator& MainWindow::annotator() {
    return board_->annotator;
}

Chronicle& MainWindow::chronicle() {
    return board_->chronicle;
}

AreaSelection& MainWindow::area() {
    return board_->area;
}

WhiteboardToolBar* MainWindow::whiteboardBar() const {
    return board_->bar;
}

TextInputField* MainWindow::textField() const {
    return board_->text;
}

TextInputField& MainWindow::textInput() {
    // Made when the text tool first places it.
    WhiteboardPart& b = *board_;
    if (!b.text) {
        b.text = new TextInputField(page_);
        connect(b.text, &TextInputField::entered, this, [this](const QString& text) {
            const QPoint at = board_->text->textOrigin() - page_->pageRect().topLeft();
            page_->updateDisplayRect(board_->annotator.drawText(at, text, board_->textFont));
        });
    }
    return *b.text;
}

void MainWindow::setSheetDialogs(SheetDialogs dialogs) {
    board_->dialogs = std::move(dialogs);
}

void MainWindow::createWhiteboard() {
    board_.reset(new WhiteboardPart(app_, ThumbnailSize(screen())));
    WhiteboardPart& b = *board_;
    b.bar = new WhiteboardToolBar(b.thumbnailSize, toolArea_);
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    tools->insertWidget(tools->count() - 1, b.bar);
    learningTools_.append(b.bar);
    b.overlay = new PageOverlay(page_);
    if (coverSheet_)
        b.overlay->stackUnder(coverSheet_);
    page_->installEventFilter(
        new FunctionFilter([this](QEvent* e) { return whiteboardMouse(e); }, this));
    app_.session.hooks().keepDrawings = [this] { return offerScreenToChronicle(false); };

    // The dialogs of the free sheets are made when first asked for and keep their values
    // while the program runs.
    b.dialogs.colour = [this]() -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(Qt::white, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    b.dialogs.count = [this](const SheetMenuEntry& entry,
                             int count) -> std::optional<SheetPattern> {
        if (!board_->countDialog)
            board_->countDialog = new TBlattAnzahlForm(this);
        TBlattAnzahlForm* dialog = board_->countDialog;
        dialog->prepare(entry.dialogCaption, count);
        if (dialog->exec() != QDialog::Accepted)
            return std::nullopt;
        SheetPattern pattern = entry.pattern;
        pattern.count = dialog->count();
        pattern.line = ArgbToWinColor(dialog->lineColour().rgb());
        pattern.background = ArgbToWinColor(dialog->background().rgb());
        return pattern;
    };
    b.dialogs.table = [this]() -> std::optional<SheetPattern> {
        if (!board_->tableDialog)
            board_->tableDialog = new TBlattTabelleForm(this);
        if (board_->tableDialog->exec() != QDialog::Accepted)
            return std::nullopt;
        return board_->tableDialog->table();
    };

    WhiteboardToolBar* bar = b.bar;
    connect(bar, &WhiteboardToolBar::commandTriggered, this, [this](BoardCommand command) {
        // The tools belong to the learning view; their shortcuts do nothing in a run.
        if (app_.state.ViewMode != Mode::Learning)
            return;
        WhiteboardPart& b = *board_;
        ToolState& state = b.annotator.tools();
        switch (command) {
        case BoardCommand::Pointer:
            return selectTool(Tool::Pointer);
        case BoardCommand::Hand:
            return selectTool(Tool::Hand);
        case BoardCommand::Pen:
            selectTool(PenPresetTool(state.preset));
            return b.bar->popupBelow(b.bar->presetMenu(), BoardCommand::Pen);
        case BoardCommand::Eraser:
            return selectTool(Tool::Eraser);
        case BoardCommand::Stamp:
            selectTool(Tool::Stamp);
            return b.bar->popupBeside(b.bar->stampMenu(), BoardCommand::Stamp);
        case BoardCommand::Text:
            if (b.text && !b.text->isVisible())
                b.text->clear();
            return selectTool(Tool::Text);
        case BoardCommand::Area:
            // Pressed again, the tool starts over without an area.
            if (state.tool == Tool::Area) {
                b.area.clear();
                showArea();
            }
            return selectTool(Tool::Area);
        case BoardCommand::Size:
            return b.bar->popupBelow(b.bar->sizeMenu(), BoardCommand::Size);
        case BoardCommand::Colour:
            return b.bar->popupBeside(b.bar->colourMenu(), BoardCommand::Colour);
        case BoardCommand::RemoveAll:
            return removeDrawingsCommand();
        case BoardCommand::Undo:
            return undoDrawingCommand();
        case BoardCommand::Redo:
            return redoDrawingCommand();
        case BoardCommand::Copy:
            return CopyViewCommand();
        case BoardCommand::Save:
            return saveViewCommand();
        case BoardCommand::Print:
            return PrintViewCommand();
        case BoardCommand::NewSheet:
            return b.bar->popupBelow(b.bar->sheetMenu(), BoardCommand::NewSheet);
        case BoardCommand::FileInChronicle:
            fileInChronicleCommand();
            return;
        case BoardCommand::Chronicle:
            return b.bar->popupBelow(b.bar->chronicleMenu(), BoardCommand::Chronicle);
        case BoardCommand::OpenPicture:
            return openPictureSheetCommand();
        case BoardCommand::Paste:
            return pastePictureCommand();
        case BoardCommand::Leave:
            return leaveSheetCommand();
        case BoardCommand::ChroniclePdf:
            return saveChroniclePdfCommand();
        }
    });
    connect(bar, &WhiteboardToolBar::presetChosen, this, [this](int preset) {
        board_->annotator.tools().preset = preset;
        selectTool(PenPresetTool(preset));
    });
    const auto penIfPointing = [this] {
        const Tool tool = board_->annotator.tools().tool;
        if (tool == Tool::Pointer || tool == Tool::Hand)
            selectTool(Tool::Freehand);
    };
    connect(bar, &WhiteboardToolBar::sizeChosen, this, [this, penIfPointing](int size) {
        board_->annotator.tools().size = size;
        board_->bar->showSize(size);
        penIfPointing();
    });
    connect(bar, &WhiteboardToolBar::colourChosen, this, [this, penIfPointing](int colour) {
        ToolState& state = board_->annotator.tools();
        state.colour = colour;
        board_->bar->showColour(colour);
        board_->bar->showPreset(state.preset, board_->annotator.colour());
        // An open text field shows its text in the colour it will be drawn in.
        if (board_->text)
            board_->text->setColour(board_->annotator.colour());
        penIfPointing();
    });
    connect(bar, &WhiteboardToolBar::stampChosen, this, [this](int number) {
        board_->annotator.tools().stamp = number;
        board_->bar->showStamp(number);
    });
    connect(bar, &WhiteboardToolBar::stampConfigureChosen, this,
            &MainWindow::stampConfigureCommand);
    connect(bar, &WhiteboardToolBar::sheetChosen, this, &MainWindow::newSheetCommand);
    connect(bar->chronicleMenu(), &ChronicleMenu::entryChosen, this,
            &MainWindow::recallFromChronicle);

    // The menu items share the buttons' actions.
    QMenu* menu = learningMenu_->addMenu(QStringLiteral("&Tafelanschrieb"));
    menu->setObjectName(QStringLiteral("TafelanschriebMenu"));
    for (const BoardCommand command :
         {BoardCommand::Pointer, BoardCommand::Hand, BoardCommand::Pen, BoardCommand::Eraser,
          BoardCommand::Stamp, BoardCommand::Text, BoardCommand::Area})
        menu->addAction(bar->action(command));
    menu->addSeparator();
    const std::pair<QMenu*, QString> submenus[] = {
        {bar->presetMenu(), QStringLiteral("&Zeichenstift")},
        {bar->sizeMenu(), QStringLiteral("&Gr\u00f6\u00dfe")},
        {bar->colourMenu(), QStringLiteral("&Farbe")},
        {bar->stampMenu(), QStringLiteral("&Symbolstempel")}};
    for (const auto& [submenu, title] : submenus) {
        submenu->setTitle(title);
        menu->addMenu(submenu);
    }
    menu->addSeparator();
    for (const BoardCommand command :
         {BoardCommand::RemoveAll, BoardCommand::Undo, BoardCommand::Redo, BoardCommand::Copy,
          BoardCommand::Save, BoardCommand::Print})
        menu->addAction(bar->action(command));
    menu->addSeparator();
    bar->sheetMenu()->setTitle(QStringLiteral("&Neues Blatt"));
    menu->addMenu(bar->sheetMenu());
    for (const BoardCommand command :
         {BoardCommand::FileInChronicle, BoardCommand::ChroniclePdf, BoardCommand::OpenPicture,
          BoardCommand::Paste, BoardCommand::Leave})
        menu->addAction(bar->action(command));
    // The shortcuts work wherever the window has the focus.
    addActions({bar->action(BoardCommand::Undo), bar->action(BoardCommand::Redo)});

    selectTool(Tool::Pointer);
}

void MainWindow::beforeLoad() {
    // A loaded document starts with the pointer.
    if (board_ && board_->annotator.tools().tool != Tool::Pointer)
        selectTool(Tool::Pointer);
}

void MainWindow::whiteboardSettingsRead() {
    WhiteboardPart& b = *board_;
    b.annotator.stamps() = StampTable::fromSettings(app_.settings);
    b.bar->setStamps(b.annotator.stamps());
    b.bar->showStamp(b.annotator.tools().stamp);
}

void MainWindow::selectTool(Tool tool) {
    WhiteboardPart& b = *board_;
    b.annotator.tools().tool = tool;
    if (IsPenTool(tool))
        b.annotator.tools().preset = PenPresetOf(tool);
    b.bar->showTool(tool);
    b.bar->showPreset(b.annotator.tools().preset, b.annotator.colour());
    if (tool != Tool::Text && b.text)
        b.text->hide();
    if (tool != Tool::Area) {
        b.area.clear();
        b.overlay->setCrosshair(std::nullopt);
        showArea();
    }
    int slot = CursorPen;
    switch (tool) {
    case Tool::Pointer:
    case Tool::Area:
        page_->unsetCursor();
        return;
    case Tool::Hand:
        slot = CursorHand;
        break;
    case Tool::Eraser:
        slot = CursorEraser;
        break;
    case Tool::Stamp:
        slot = CursorStamp;
        break;
    case Tool::Text:
        slot = CursorTextInput;
        break;
    default:
        break;
    }
    page_->setCursor(cursors_.cursor(slot));
}

void MainWindow::showArea() {
    WhiteboardPart& b = *board_;
    if (!b.area.valid()) {
        b.overlay->setArea(QRect());
        if (b.label)
            b.label->hide();
        return;
    }
    const QRect area = b.area.rect().translated(page_->pageRect().topLeft());
    b.overlay->setArea(area);
    // The label over the area is made when the first area is chosen.
    if (!b.label) {
        b.label = new AreaLabel(page_);
        connect(b.label, &AreaLabel::dragged, this, [this](QPoint delta) {
            board_->area.moveBy(delta, app_.view.displayPicture().rect());
            showArea();
        });
    }
    b.label->setText(b.area.label());
    b.label->adjustSize();
    // Above the area's top-left corner, kept inside the picture area.
    b.label->move(std::clamp(area.left(), 0, std::max(0, page_->width() - b.label->width())),
                  std::max(0, area.top() - b.label->height()));
    b.label->show();
    b.label->raise();
}

bool MainWindow::whiteboardMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool mouseEvent =
        press || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    // The window may be going: its whiteboard part is then gone before the picture area.
    if ((!mouseEvent && type != QEvent::Leave) || !board_ || app_.state.ViewMode != Mode::Learning)
        return false;
    WhiteboardPart& b = *board_;
    const Tool tool = b.annotator.tools().tool;
    if (type == QEvent::Leave) {
        b.overlay->setCrosshair(std::nullopt);
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint widgetPoint = mouse->position().toPoint();
    const QPoint point = page_->toDisplay(widgetPoint);
    const Qt::MouseButton button = mouse->button();

    if (press) {
        // A click on the start page opens a white sheet.
        if (page_->startInformationVisible()) {
            newSheetCommand(0);
            return true;
        }
        if (button == Qt::RightButton) {
            // The view moves: the drawings go into the page first.
            b.annotator.commitDrawings();
            return false;
        }
        if (button != Qt::LeftButton || tool == Tool::Pointer)
            return false;
        if (tool == Tool::Hand) {
            b.annotator.commitDrawings();
            b.handDragging = true;
            b.handAnchor = point;
            return true;
        }
        if (tool == Tool::Area) {
            b.area.start(point, app_.view.displayPicture().rect());
            b.selecting = true;
            showArea();
            return true;
        }
        if (tool == Tool::Text) {
            const int size = b.annotator.tools().size;
            b.textFont = QFont(QStringLiteral("Arial"));
            // The field shows the text as large as it will be drawn into the picture.
            b.textFont.setPixelSize(RoundHalfEven(TextPointSize(size) * 96.0 / 72.0));
            textInput().place(widgetPoint, b.textFont, b.annotator.colour(), 35 * size,
                              app_.view.displayPicture().width());
            return true;
        }
        page_->updateDisplayRect(b.annotator.press(point));
        return true;
    }

    if (type == QEvent::MouseMove) {
        if (b.handDragging) {
            app_.view.DragView(b.handAnchor, point);
            b.handAnchor = point;
            showDisplay();
            return true;
        }
        if ((mouse->buttons() & Qt::RightButton) || tool == Tool::Pointer)
            return false;
        if (tool == Tool::Area) {
            b.overlay->setCrosshair(widgetPoint);
            if (b.selecting && (mouse->buttons() & Qt::LeftButton)) {
                b.area.stretch(point);
                showArea();
            }
            return true;
        }
        if (b.annotator.pressed() && (mouse->buttons() & Qt::LeftButton))
            page_->updateDisplayRect(b.annotator.move(point));
        return true;
    }

    // The release.
    if (button != Qt::LeftButton)
        return false;
    if (b.handDragging) {
        b.handDragging = false;
        return true;
    }
    if (tool == Tool::Area && b.selecting) {
        b.selecting = false;
        b.area.finish(point);
        showArea();
        return true;
    }
    if (b.annotator.pressed()) {
        page_->updateDisplayRect(b.annotator.release(point));
        return true;
    }
    return false;
}

QImage MainWindow::outputPicture() const {
    const WhiteboardPart& b = *board_;
    const bool area = b.annotator.tools().tool == Tool::Area;
    return OutputPicture(app_.view.displayPicture(), area ? &b.area : nullptr);
}

void MainWindow::removeDrawingsCommand() {
    board_->annotator.removeAll();
    showDisplay();
}

void MainWindow::undoDrawingCommand() {
    if (!board_->annotator.undo())
        return;
    zoomItems_[static_cast<size_t>(app_.view.geometry().Zoom)]->setChecked(true);
    showDisplay();
}

void MainWindow::redoDrawingCommand() {
    if (!board_->annotator.redo())
        return;
    zoomItems_[static_cast<size_t>(app_.view.geometry().Zoom)]->setChecked(true);
    showDisplay();
}

void MainWindow::saveViewCommand() {
    const QString path = app_.pickers.saveFile(
        QStringLiteral("Ansicht in Bilddatei speichern"),
        QStringLiteral("Alle Dateien (*.*)|*.*|PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|Bitmap "
                       "(*.bmp)|*.bmp"),
        QStringLiteral("png"), app_.state.CurrentFolder);
    if (path.isEmpty())
        return;
    if (!HasPictureExtension(path)) {
        app_.messages.error(QStringLiteral(
            "Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung."));
        return;
    }
    WritePictureFile(outputPicture(), path, app_.messages);
}

void MainWindow::stampConfigureCommand() {
    WhiteboardPart& b = *board_;
    TStempelForm dialog(b.annotator.stamps(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    b.annotator.stamps() = dialog.stamps();
    b.annotator.stamps().toSettings(app_.settings);
    b.bar->setStamps(b.annotator.stamps());
    b.bar->showStamp(b.annotator.tools().stamp);
}

void MainWindow::penInsteadOfPointer() {
    const Tool tool = board_->annotator.tools().tool;
    if (tool == Tool::Pointer || tool == Tool::Hand)
        selectTool(Tool::Freehand);
}

void MainWindow::installSheet(const QImage& picture, const QString& title) {
    InstallSheet(app_.session, picture, title);
    penInsteadOfPointer();
    documentChanged();
}

void MainWindow::newSheetCommand(int entry) {
    const auto& menu = SheetMenu();
    if (entry < 0 || entry >= static_cast<int>(menu.size()))
        return;
    WhiteboardPart& b = *board_;
    const SheetMenuEntry& chosen = menu[static_cast<size_t>(entry)];
    std::optional<SheetPattern> pattern = chosen.pattern;
    switch (chosen.dialog) {
    case SheetDialog::None:
        break;
    case SheetDialog::Colour:
        if (const std::optional<QColor> colour = b.dialogs.colour())
            pattern->background = ArgbToWinColor(colour->rgb());
        else
            pattern.reset();
        break;
    case SheetDialog::Count:
        pattern = b.dialogs.count(chosen, b.counts.of(chosen.pattern.kind));
        if (pattern)
            pattern->count = ClampCount(pattern->kind, pattern->count);
        break;
    case SheetDialog::Table:
        pattern = b.dialogs.table();
        if (pattern)
            pattern = ClampTable(*pattern);
        break;
    }
    if (!pattern || !app_.session.mayReplaceDocument())
        return;
    // Remembered once the sheet is made: a cancelled save question changes nothing.
    if (chosen.dialog == SheetDialog::Count)
        b.counts.of(pattern->kind) = pattern->count;
    page_->setStartInformationVisible(false);
    installSheet(MakeSheet(*pattern, page_->size()), NewSheetTitle());
}

bool MainWindow::fileInChronicleCommand() {
    WhiteboardPart& b = *board_;
    const QImage& display = app_.view.displayPicture();
    if (display.isNull())
        return false;
    const std::optional<ChronicleEntry> entry =
        b.chronicle.file(display, QDateTime::currentDateTime());
    if (!entry)
        return false;
    b.bar->chronicleMenu()->addEntry(entry->number - 1, entry->caption(), display);
    // A sheet takes the screenshot's name; a document keeps its own title, which it may save.
    if (app_.session.header().FileName.isEmpty()) {
        app_.session.header().Titel = ChronicleSheetTitle(entry->caption());
        UpdateTitle();
    }
    b.annotator.setFiled(true);
    return true;
}

bool MainWindow::offerScreenToChronicle(bool evenWithoutDrawings) {
    if (app_.state.ViewMode != Mode::Learning || page_->startInformationVisible() ||
        board_->annotator.filed() || (!evenWithoutDrawings && !app_.view.hasDrawings()))
        return true;
    // Filing is the harmless answer; "Abbrechen" stays on the screen.
    switch (app_.messages.question(QStringLiteral("Soll das Bild in die Chronik abgelegt werden?"),
                                   MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        return fileInChronicleCommand();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::recallFromChronicle(int listIndex) {
    const std::vector<ChronicleEntry>& entries = board_->chronicle.entries();
    if (listIndex < 0 || listIndex >= static_cast<int>(entries.size()) ||
        !app_.session.mayReplaceDocument())
        return;
    const ChronicleEntry entry = entries[static_cast<size_t>(listIndex)];
    QImage picture;
    {
        BusyScope busy(app_.busy);
        picture = ReadPictureFile(entry.path);
    }
    if (picture.isNull()) {
        app_.messages.error(DocumentSession::ReadErrorMessage(entry.path));
        return;
    }
    installSheet(picture, ChronicleSheetTitle(entry.caption()));
}

void MainWindow::openPictureSheetCommand() {
    if (!app_.session.mayReplaceDocument())
        return;
    const QString path = app_.pickers.openFile(
        QStringLiteral("Bilddatei \u00f6ffnen"),
        QStringLiteral("PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|Alle Dateien "
                       "(*.*)|*.*"),
        QStringLiteral("png"), app_.state.CurrentFolder);
    if (path.isEmpty())
        return;
    if (!HasPictureExtension(path)) {
        app_.messages.error(QStringLiteral(
            "\u00d6ffnen fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung."));
        return;
    }
    const QImage picture = ReadPictureFile(path);
    if (picture.isNull()) {
        app_.messages.error(DocumentSession::ReadErrorMessage(path));
        return;
    }
    installSheet(picture, NewSheetTitle());
}

void MainWindow::pastePictureCommand() {
    if (!app_.session.AskSaveChanges())
        return;
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) {
        app_.messages.information(
            QStringLiteral("Die Zwischenablage enth\u00e4lt keine Bitmap-Grafik."));
        return;
    }
    WhiteboardPart& b = *board_;
    if (b.annotator.tools().tool == Tool::Area && b.area.valid()) {
        page_->updateDisplayRect(b.annotator.pastePicture(picture, b.area.rect()));
        return;
    }
    if (app_.messages.question(
            QStringLiteral("Bild aus der Zwischenablage auf den gesamten Zeichenbereich "
                           "kopieren?\r\n(Hinweis: Verwenden Sie die Bereichsauswahlfunktion, um "
                           "das Bild aus der Zwischenablage nur in einem Teilbereich der "
                           "Zeichenfl\u00e4che einzuf\u00fcgen.)\r\n\r\nM\u00f6chten Sie "
                           "fortfahren und den gesamten Zeichenbereich ersetzen?"),
            MessageButtons::YesNo, Answer::No) != Answer::Yes ||
        !offerScreenToChronicle(false))
        return;
    installSheet(picture, NewSheetTitle());
}

void MainWindow::leaveSheetCommand() {
    // Asked once, also for a screen without drawings; a failed filing keeps the sheet.
    if (!offerScreenToChronicle(true))
        return;
    const int question = app_.state.CurrentQuestion;
    // The previous document replaces only a closed sheet: a cancelled or failed save keeps it.
    if (!closeDocument(false))
        return;
    app_.topics.OpenPreviousDocument();
    const HeaderDataTyp& header = app_.session.header();
    if (header.Type().questions && header.AnzFrageNummern >= 1) {
        app_.state.CurrentQuestion = std::clamp(question, 1, header.AnzFrageNummern);
        app_.view.RecomposeObjects();
        showDisplay();
    }
}

void MainWindow::saveChroniclePdfCommand() {
    const std::vector<ChronicleEntry>& entries = board_->chronicle.entries();
    if (entries.empty()) {
        app_.messages.information(
            QStringLiteral("Seit dem Programmstart wurden keine Chronik-Screenshots abgelegt."));
        return;
    }
    const QString path = app_.pickers.saveFile(QStringLiteral("Chronik als PDF speichern"),
                                               QStringLiteral("PDF-Dokument (*.pdf)|*.pdf"),
                                               QStringLiteral("pdf"), app_.state.ChronicleFolder);
    if (path.isEmpty())
        return;
    int missing = 0;
    const QByteArray pdf = ChroniclePdf(entries, &missing);
    if (pdf.isEmpty()) {
        app_.messages.error(QStringLiteral(
            "Die Chronik-Screenshots dieser Sitzung k\u00f6nnen nicht mehr gelesen werden."));
        return;
    }
    if (!ReplaceFileContent(path, pdf)) {
        app_.messages.error(CannotCreateMessage(path));
        return;
    }
    if (missing > 0)
        app_.messages.information(
            QStringLiteral("Nicht mehr lesbare Chronik-Screenshots wurden ausgelassen: %1")
                .arg(missing));
}

bool MainWindow::chronicleCleanUp() {
    WhiteboardPart& b = *board_;
    if (!b.chronicle.cleanUpAtExit())
        return false;
    if (b.chronicle.entries().empty())
        b.bar->chronicleMenu()->clearEntries();
    return true;
}

} // namespace quindor
