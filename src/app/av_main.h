#pragma once

#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/title_panel.h"
#include "document/recovery_copy.h"
#include "editor/document_saving.h"
#include "editor/gift_transfer.h"
#include "exercise/ui/exercise_dialogs.h"
#include "exercise/ui/exercise_status_panel.h"
#include "exercise/ui/puzzle_options_dialog.h"
#include "exercise/ui/puzzle_panel.h"
#include "exercise/ui/uebung_pan.h"
#include "links/document_mail.h"
#include "links/link_opener.h"
#include "links/program_links.h"
#include "network/network_session.h"
#include "view/info_password.h"
#include "view/learning_clicks.h"
#include "view/ui/page_area.h"
#include "view/view_geometry.h"
#include "whiteboard/sheets.h"
#include "whiteboard/tool_tables.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QMainWindow>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <optional>

class QVBoxLayout;

namespace quindor {

class Annotator;
class AreaSelection;
class Chronicle;
class CoverSheetWidget;
class ExerciseKeyboard;
class PlaceKeyboard;
class InfoBox;
class TextInputField;
class WhiteboardToolBar;
struct WhiteboardPart;
// Frees the whiteboard's part where it is known.
struct WhiteboardPartDeleter {
    void operator()(WhiteboardPart* part) const;
};

// What the free sheet variants ask before the sheet is made: the background colour, the count
// dialog (the count as entered, not yet limited) and the table dialog. Tests answer them.
struct SheetDialogs {
    std::function<std::optional<QColor>()> colour;
    std::function<std::optional<SheetPattern>(const SheetMenuEntry& entry, int count)> count;
    std::function<std::optional<SheetPattern>()> table;
};
class LinkDialog;
class MailOptionsDialog;
class PictureEditor;
class ProgramLinkButton;
class TDokumentInhaltForm;
class TGiftBerichtForm;

// The program window: the switchboard between menus and the subsystems. It keeps the
// main-window state of the program and shows the open document.
class MainWindow : public QMainWindow, private DocumentListener {
    Q_OBJECT
public:
    explicit MainWindow(AppState& app, QWidget* parent = nullptr);

    // The command-line arguments (without the program) for the first activation.
    void setArguments(const QStringList& arguments) { arguments_ = arguments; }
    // Runs once, the first time the window becomes active: settings, command line, topics.
    void FirstActivation(const QStringList& arguments);
    void UpdateModeControls();
    void UpdateTitle();
    // The desktop session ends: with questions allowed the program closes as on "Beenden"
    // (false when the user keeps it running), otherwise it ends without them.
    bool sessionEnding(bool mayAsk);
    // Ends the program without a question (the session ends, the system asks the program to
    // stop): a participant leaves its network exercise, an initiator removes its exercise
    // files, the settings are written, and unsaved changes are kept for the next start.
    void endWithoutQuestions();
    bool CloseCommand();
    void OpenDocumentCommand();
    void HelpCommand();
    void SetToolBarSide(bool left);
    // Folds the tool area away to give the page the whole width, or brings it back.
    void setToolsCollapsed(bool collapsed);
    void FontCommand();
    void ShowDocumentProperties();
    // The learning view.
    void ComposeView();
    void SetLayer(int layer, bool visible);
    void SetZoom(ZoomLevel level);
    void SetNumbering(Numbering mode, bool recompose);
    void ShowInfoBox(int index);
    void pagePressed(QPoint point, Qt::MouseButton button);
    // Opens what a click on the page named: a point's info box, a link's target.
    void openClicked(const ClickOutcome& outcome);
    // The exercise commands.
    void IndividualExerciseCommand();
    void AbortExerciseCommand();
    void ExerciseSettingsCommand();
    void GradeScaleCommand();
    // The sliding puzzle on the page: its options, then the board over the work area.
    void SlidingPuzzleCommand();
    PuzzlePanel* puzzlePanel() const { return puzzlePanel_; }
    PuzzleStatusPanel* puzzleStatusPanel() { return &puzzleStatus(); }
    // Tests answer the puzzle's options themselves and set its clock.
    void setPuzzleDialog(std::function<bool(TSPuzzleOptForm&)> answer) {
        puzzleAnswer_ = std::move(answer);
    }
    void setPuzzleClock(std::function<int64_t()> ticks) { puzzleTicks_ = std::move(ticks); }
    // Mail and program links.
    void MailDocumentCommand();
    void ProgramLinksCommand();
    LinkOpener& linkOpener() { return *links_; }
    // The keyboard's way through a run and through the places of the page.
    ExerciseKeyboard* exerciseKeyboard() const { return exerciseKeyboard_; }
    PlaceKeyboard* pageKeyboard() const { return pageKeyboard_; }
    // Tests answer the mail options and the link dialog themselves.
    void setMailDialog(std::function<std::optional<MailOption>(MailOptionsDialog&)> answer) {
        mailAnswer_ = std::move(answer);
    }
    void setLinkDialog(std::function<bool(LinkDialog&)> answer) {
        linkDialogAnswer_ = std::move(answer);
    }
    // The best list of the open document (or of the network exercise) in its window.
    void ShowBestList(bool network);
    void FolderCommand();
    // The view picture on paper or on the clipboard.
    void PrintViewCommand();
    void CopyViewCommand();
    // The worksheet of the open document (learning view only).
    void worksheetCommand();
    // Documents made from text: a new one, the open one's content changed; and saving.
    void newDocumentCommand();
    void editContentCommand();
    bool saveCommand();
    bool saveAsCommand();
    // The "Bearbeiten" mode on the open document; leaving it asks to save when askSave is set.
    bool startPictureEditing();
    bool leavePictureEditing(bool askSave);
    bool pictureEditing() const;
    // Made when the mode is first used.
    PictureEditor* pictureEditor();
    // Brings the recovery copy up to date (every half minute from the first activation).
    void keepRecoveryCopy();
    // Tests answer the content dialog themselves (true: OK).
    void setContentDialog(std::function<bool(TDokumentInhaltForm&)> answer) {
        contentAnswer_ = std::move(answer);
    }
    // Questions of Moodle's GIFT format in and out; tests take the report's window themselves.
    void importGiftCommand();
    void exportGiftCommand();
    void setGiftReport(std::function<void(TGiftBerichtForm&)> answer) {
        giftReportAnswer_ = std::move(answer);
    }
    ExerciseRun& exerciseRun() { return *run_; }
    ExercisePanel* exercisePanel() const { return exercisePanel_; }
    ExerciseStatusPanel* exerciseStatusPanel() { return &exerciseStatus(); }
    // The protocol of the last run; made when first needed.
    class ProtocolWindow* protocolWindow();
    // Tests answer the dialogs around a run themselves.
    void setExerciseDialogs(std::function<bool()> settings, std::function<QString()> name,
                            std::function<ResultChoice(const UebDataTyp&)> result);

    // The network exercise.
    NetworkSession& network() { return *network_; }
    // The teacher's control display, made when first needed.
    class TMasterProtForm* controlDisplay();
    void communicationCommand();
    // Tests answer the join dialog themselves.
    void setJoinDialog(std::function<std::optional<QString>()> dialog);

    TitlePanel* titlePanel() const { return title_; }
    PageArea* pageArea() const { return page_; }
    QMenu* topicMenu() const { return topicMenu_; }
    QAction* action(const QString& name) const;
    const CursorTable& cursors() const { return cursors_; }
    // Tests answer the info-point password themselves.
    void setPasswordPrompt(PasswordPrompt prompt) { passwordPrompt_ = std::move(prompt); }

    // The whiteboard: its tools on the learning view, sheets and the chronicle.
    void selectTool(Tool tool);
    void newSheetCommand(int entry);
    // False when nothing was filed.
    bool fileInChronicleCommand();
    void recallFromChronicle(int listIndex);
    void openPictureSheetCommand();
    void pastePictureCommand();
    void leaveSheetCommand();
    void removeDrawingsCommand();
    void undoDrawingCommand();
    void redoDrawingCommand();
    void saveViewCommand();
    void saveChroniclePdfCommand();
    void stampConfigureCommand();
    // The view, or the chosen area of it while the area tool is active.
    QImage outputPicture() const;
    Annotator& annotator();
    Chronicle& chronicle();
    AreaSelection& area();
    WhiteboardToolBar* whiteboardBar() const;
    // The text tool's input field; null until the tool is first used.
    TextInputField* textField() const;
    void setSheetDialogs(SheetDialogs dialogs);

    static QString StartInformationText();
    static QString ApplicationCaption() { return QStringLiteral("Quindor - Basissystem"); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the window does when the session changes the document.
    void beforeLoad() override;
    void prepareView() override;
    void documentLoaded(bool rememberFolder) override;
    void documentCleared() override;
    void documentClosed() override;

    void createMenus();
    void createFileMenu();
    void createTopicMenu();
    void createOptionsMenu();
    void createDisplayMenu();
    void createHelpMenu();
    void createLearningMenu();
    void createLearningButtons();
    void createExerciseMenu();
    void createWorksheetCommand();
    void createEditorCommands();
    void createPictureEditorCommands();
    void showEditingState();
    // A document took the place of the open one: the mode ends, the recovery copy follows.
    void pictureDocumentReplaced();
    // From the first activation on, unsaved changes are copied every half minute.
    void startKeepingRecovery();
    void updateEditorActions();
    // Shows the dialog with its preview in the view; true when it ended with OK.
    bool runContentDialog(TDokumentInhaltForm& dialog);
    bool hasSavableDocument() const;
    void createGiftCommands();
    void showGiftReport(const QString& caption, const QString& report);
    void setupExercise();
    void createNetworkMenu();
    void setupNetwork();
    void updateNetworkControls();
    void placeExercisePanel();
    // What the exercise panel leaves to the window, without the dialogs.
    void connectExercisePanel();
    void exerciseEntered();
    void exerciseLeft();
    void setupPuzzle();
    void refreshPuzzleStatus();
    void puzzleSolved();
    // The abort of a puzzle after its question; false when the learner goes on.
    bool abortPuzzle();
    void takeDownPuzzle();
    void setupLinks();
    void setupKeyboard();
    void showProgramLinks();
    void programLinkPressed(int index, bool rightButton);
    ExerciseOptionsDialog* optionsDialog(DocumentType type);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showDisplay();
    void pageHovered(QPoint point);
    bool viewKey(QKeyEvent* event);
    QAction* addAction(QMenu* menu, const QString& name, const QString& text,
                       const QKeySequence& shortcut = QKeySequence());
    void rebuildTopicEntries();
    void documentChanged();
    void switchFrame(bool fullScreen);
    // The tool area and its fold button as the mode and the folding want them.
    void showToolArea();
    void relayout();
    // Closes the document after the activity guard and the save question, and before these
    // the chronicle's question about the drawings when asked to; false when it stays.
    bool closeDocument(bool offerDrawings);
    // The close guards in order; false keeps the program running.
    bool confirmClose();
    // What follows a confirmed close; runs once.
    void finishClosing();
    // The changes kept when the program last ended without asking; true when restored.
    bool offerRecoveryCopy();
    void readSettings();
    void writeSettings();
    void showOptions();
    // The whiteboard's part of the window.
    void createWhiteboard();
    bool whiteboardMouse(QEvent* event);
    TextInputField& textInput();
    ExerciseStatusPanel& exerciseStatus();
    PuzzleStatusPanel& puzzleStatus();
    void whiteboardSettingsRead();
    // The chronicle's question at the end; false keeps the program running.
    bool chronicleCleanUp();
    void showArea();
    void penInsteadOfPointer();
    // Before the screen goes: offers to file it in the chronicle when it holds drawings not
    // filed, or, leaving a sheet, whenever it was not filed. False when the user stays, or
    // filing was asked for and failed.
    bool offerScreenToChronicle(bool evenWithoutDrawings);
    void installSheet(const QImage& picture, const QString& title);

    AppState& app_;
    CursorTable cursors_;
    WindowPictures pictures_;
    TitlePanel* title_;
    PageArea* page_;
    QWidget* toolArea_;
    QToolButton* collapseButton_;
    bool toolsCollapsed_ = false;
    QLabel* boardPicture_;
    QWidget* workArea_;
    QMenu* topicMenu_ = nullptr;
    QActionGroup* topicGroup_ = nullptr;
    QList<QAction*> topicActions_;
    QAction* topicColumns_ = nullptr;
    QAction* toolLeft_ = nullptr;
    QAction* toolRight_ = nullptr;
    // The six on/off options with the setting each stands for.
    QList<std::pair<QAction*, bool Settings::*>> options_;
    bool closeConfirmed_ = false;
    bool settingsRead_ = false;
    QStringList arguments_;
    bool firstActivationRunning_ = false;
    QMenu* learningMenu_ = nullptr;
    std::array<QAction*, 3> numberingItems_{};
    std::array<QAction*, 3> zoomItems_{};
    std::array<QAction*, 4> layerItems_{};
    std::array<QCheckBox*, 4> layerBoxes_{};
    InfoBox* infoBox_ = nullptr;
    CoverSheetWidget* coverSheet_ = nullptr;
    // The properties dialog opens on the tab it last showed.
    int propertiesTab_ = 0;
    PasswordPrompt passwordPrompt_;
    // The run and where it happens.
    ExercisePanel* exercisePanel_ = nullptr;
    // The status panels of a run and of the puzzle share one place at the window's right
    // edge; each is made when first shown.
    QWidget* statusDock_ = nullptr;
    QVBoxLayout* statusSlot_ = nullptr;
    ExerciseStatusPanel* statusPanel_ = nullptr;
    class ProtocolWindow* protocolWindow_ = nullptr;
    // The printer and the view print dialog keep their settings while the program runs.
    class ViewPrintDialog* viewPrint_ = nullptr;
    std::unique_ptr<ExerciseRun> run_;
    QTimer* zeitTimer_ = nullptr;
    std::array<std::unique_ptr<ExerciseOptionsDialog>, 4> optionDialogs_;
    QString learnerName_;
    // The learning view's controls that give way to the run.
    QList<QWidget*> learningTools_;
    QToolButton* learningButton_ = nullptr;
    QToolButton* exerciseButton_ = nullptr;
    std::unique_ptr<WhiteboardPart, WhiteboardPartDeleter> board_;
    // The network exercise and its windows.
    platform::HostResolver resolver_ = platform::HostResolver::fromEnvironment();
    std::unique_ptr<NetworkSession> network_;
    class TMasterProtForm* controlDisplay_ = nullptr;
    QMenu* teacherMenu_ = nullptr;
    QToolButton* joinButton_ = nullptr;
    // The sliding puzzle.
    PuzzlePanel* puzzlePanel_ = nullptr;
    PuzzleStatusPanel* puzzleStatus_ = nullptr;
    TSPuzzleOptForm* puzzleOptions_ = nullptr;
    std::function<bool(TSPuzzleOptForm&)> puzzleAnswer_;
    std::function<int64_t()> puzzleTicks_;
    // Mail and links.
    std::unique_ptr<LinkOpener> links_;
    std::array<ProgramLinkButton*, kProgramLinkCount> linkButtons_{};
    MailOptionsDialog* mailOptions_ = nullptr;
    std::function<std::optional<MailOption>(MailOptionsDialog&)> mailAnswer_;
    std::function<bool(LinkDialog&)> linkDialogAnswer_;
    ExerciseKeyboard* exerciseKeyboard_ = nullptr;
    PlaceKeyboard* pageKeyboard_ = nullptr;
    // Saving, and the content dialog's answer in tests.
    std::unique_ptr<DocumentSaving> saving_;
    std::function<bool(TDokumentInhaltForm&)> contentAnswer_;
    std::unique_ptr<GiftTransfer> gift_;
    std::function<void(TGiftBerichtForm&)> giftReportAnswer_;
    // The picture editor with its menu item, tool button and history shortcuts.
    PictureEditor* pictureEditor_ = nullptr;
    QAction* editAction_ = nullptr;
    QToolButton* editButton_ = nullptr;
    std::array<QAction*, 2> editHistory_{};
    // This program's own recovery copy, taken at the first activation, given up at the end.
    RecoveryClaim recoveryClaim_;
    RecoveryKeeper recovery_{RecoveryCopy(QString())};
    QTimer* recoveryTimer_ = nullptr;
};

} // namespace quindor
