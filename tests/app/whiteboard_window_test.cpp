#include "app/av_main.h"
#include "document/document_writer.h"
#include "editor/document_makers.h"
#include "editor/ui/content_dialog.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "whiteboard/annotator.h"
#include "whiteboard/area_selection.h"
#include "whiteboard/chronicle.h"
#include "whiteboard/ui/ac_blatttabelle.h"
#include "whiteboard/ui/board_overlay.h"
#include "whiteboard/ui/pf_blattanzahl.h"
#include "whiteboard/ui/qdr_stempel.h"
#include "whiteboard/ui/whiteboard_toolbar.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class AnsweringPickers : public Pickers {
public:
    QString openFile(const QString& title, const QString&, const QString&,
                     const QString&) override {
        titles.append(title);
        return answer;
    }
    QString saveFile(const QString& title, const QString&, const QString&,
                     const QString&) override {
        titles.append(title);
        return answer;
    }
    QString chooseFolder(const QString&, const QString&) override { return QString(); }
    QString answer;
    QStringList titles;
};

class WhiteboardWindowTest : public ::testing::Test,
                             protected test::ProgramWindow<RecordingMessages, AnsweringPickers> {
protected:
    void SetUp() override {
        folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.ChronicleFolder = folder + QStringLiteral("chronik/");
        window.resize(1000, 700);
        window.show();
        window.FirstActivation({});
        window.setSheetDialogs({[this] { return colour; },
                                [this](const SheetMenuEntry& entry, int count) {
                                    askedCounts.append(count);
                                    std::optional<SheetPattern> pattern;
                                    if (enteredCount) {
                                        pattern = entry.pattern;
                                        pattern->count = *enteredCount;
                                    }
                                    return pattern;
                                },
                                [] { return std::optional<SheetPattern>(); }});
    }

    void mouse(QEvent::Type type, QPoint displayPoint, Qt::MouseButton button = Qt::LeftButton) {
        PageArea* page = window.pageArea();
        const QPointF at = displayPoint + page->pageRect().topLeft();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, page->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(page, &event);
    }

    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, (from + to) / 2);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to);
    }

    int entryIndex(const QString& caption) const {
        const auto& menu = SheetMenu();
        for (size_t i = 0; i < menu.size(); ++i) {
            if (menu[i].caption == caption)
                return static_cast<int>(i);
        }
        return -1;
    }

    const QImage& display() const { return app.view.displayPicture(); }
    Tool tool() { return window.annotator().tools().tool; }
    QString title() const { return app.session.document().Header.Titel; }
    QStringList chronicleFiles() const {
        return QDir(app.state.ChronicleFolder).entryList(QDir::Files);
    }
    bool tryClose() {
        QCloseEvent event;
        QCoreApplication::sendEvent(&window, &event);
        return event.isAccepted();
    }

    QString folder;
    std::optional<QColor> colour;
    std::optional<int> enteredCount;
    QList<int> askedCounts;
};

TEST_F(WhiteboardWindowTest, AClickOnTheStartPageOpensAWhiteSheetWithThePen) {
    ASSERT_TRUE(window.pageArea()->startInformationVisible());
    EXPECT_EQ(tool(), Tool::Pointer);
    mouse(QEvent::MouseButtonPress, QPoint(50, 50));
    EXPECT_FALSE(window.pageArea()->startInformationVisible());
    EXPECT_EQ(title(), QStringLiteral("Neuer Tafelanschrieb"));
    EXPECT_FALSE(app.session.header().Modified);
    EXPECT_EQ(window.titlePanel()->label()->text(), QStringLiteral(" Neuer Tafelanschrieb"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quindor - Basissystem"));
    EXPECT_EQ(app.session.document().BaseImage.Image.size(), window.pageArea()->size());
    EXPECT_EQ(display().size(), window.pageArea()->size());
    EXPECT_EQ(display().pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(tool(), Tool::Freehand);
    EXPECT_TRUE(window.whiteboardBar()->button(BoardCommand::Pen)->isChecked());
    EXPECT_FALSE(window.whiteboardBar()->button(BoardCommand::Pointer)->isChecked());
}

TEST_F(WhiteboardWindowTest, FreeCountsAreLimitedRememberedAndCancelled) {
    const int lines = entryIndex(QStringLiteral("Linien frei..."));
    enteredCount = 500;
    window.newSheetCommand(lines);
    enteredCount = 0;
    window.newSheetCommand(entryIndex(QStringLiteral("Notenlinien frei...")));
    enteredCount.reset();
    window.newSheetCommand(lines);
    // Lines start at 25, staves at 8; each remembers what was limited from the entry.
    EXPECT_EQ(askedCounts, (QList<int>{25, 8, 200}));
    // Cancelling left the staves sheet: one staff of five lines.
    int ruled = 0;
    for (int y = 0; y < display().height(); ++y)
        ruled += display().pixelColor(5, y) == QColor(184, 184, 184) ? 1 : 0;
    EXPECT_EQ(ruled, 5);
    app.session.header().Modified = true; // "Abbrechen" below keeps the count

    enteredCount = 7;
    messages.queueAnswer(Answer::Cancel);
    window.newSheetCommand(lines);
    window.newSheetCommand(lines);
    EXPECT_EQ(askedCounts.mid(3), (QList<int>{200, 200}));
}

TEST_F(WhiteboardWindowTest, ASheetTakesThePictureAreaItIsMadeIn) {
    window.newSheetCommand(entryIndex(QStringLiteral("Kariert mittel (30)")));
    window.resize(900, 600);
    QCoreApplication::processEvents();
    window.newSheetCommand(entryIndex(QStringLiteral("Leeres Blatt - tafelgr\u00fcn")));
    EXPECT_EQ(app.session.document().BaseImage.Image.size(), window.pageArea()->size());
    EXPECT_EQ(display().pixelColor(20, 20), QColor(0, 64, 0));
    colour = QColor(10, 20, 30);
    window.newSheetCommand(entryIndex(QStringLiteral("Leeres Blatt - frei...")));
    EXPECT_EQ(display().pixelColor(20, 20), QColor(10, 20, 30));
    colour.reset();
    window.newSheetCommand(entryIndex(QStringLiteral("Leeres Blatt - frei...")));
    EXPECT_EQ(display().pixelColor(20, 20), QColor(10, 20, 30));
}

TEST_F(WhiteboardWindowTest, DrawingWithTheMouseUndoAndRedo) {
    window.newSheetCommand(0);
    const QImage clean = display().copy();
    drag(QPoint(100, 100), QPoint(300, 100));
    EXPECT_EQ(display().pixelColor(200, 101), QColor(255, 0, 0));
    window.whiteboardBar()->action(BoardCommand::Undo)->trigger();
    EXPECT_TRUE(test::SameImage(clean, display()));
    window.whiteboardBar()->action(BoardCommand::Redo)->trigger();
    EXPECT_EQ(display().pixelColor(200, 101), QColor(255, 0, 0));
    // The right button moves the view: nothing is left to undo.
    mouse(QEvent::MouseButtonPress, QPoint(50, 50), Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, QPoint(50, 50), Qt::RightButton);
    EXPECT_FALSE(window.annotator().canUndo());
    EXPECT_EQ(window.pageArea()->cursor(), window.cursors().cursor(CursorPen));
    // Outside the learning view the tools do nothing.
    app.state.ViewMode = Mode::Exercise;
    const QImage before = display().copy();
    drag(QPoint(100, 200), QPoint(300, 200));
    window.whiteboardBar()->action(BoardCommand::RemoveAll)->trigger();
    EXPECT_TRUE(test::SameImage(before, display()));
    app.state.ViewMode = Mode::Learning;
}

TEST_F(WhiteboardWindowTest, SizeOrColourTurnThePointerIntoThePen) {
    window.newSheetCommand(0);
    window.selectTool(Tool::Hand);
    window.whiteboardBar()->sizeMenu()->actions().at(2)->trigger();
    EXPECT_EQ(tool(), Tool::Freehand);
    EXPECT_EQ(window.annotator().tools().size, 3);
    window.selectTool(Tool::Eraser);
    window.whiteboardBar()->colourMenu()->actions().at(10)->trigger();
    EXPECT_EQ(tool(), Tool::Eraser);
    EXPECT_EQ(window.annotator().tools().colour, 11);
    window.whiteboardBar()->presetMenu()->actions().at(4)->trigger();
    EXPECT_EQ(tool(), Tool::Rectangle);
    EXPECT_TRUE(window.whiteboardBar()->button(BoardCommand::Pen)->isChecked());
}

TEST_F(WhiteboardWindowTest, TextFieldDrawsOnEnterAndLeavesNoTraceOnEscape) {
    window.newSheetCommand(0);
    window.selectTool(Tool::Text);
    const QImage clean = display().copy();
    mouse(QEvent::MouseButtonPress, QPoint(100, 200));
    TextInputField* field = window.textField();
    ASSERT_TRUE(field->isVisible());
    window.whiteboardBar()->colourMenu()->actions().at(6)->trigger();
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(field->toolTip(),
              QStringLiteral("Text \u00fcbernehmen mit Enter, abbrechen mit ESC"));
    field->setText(QStringLiteral("Baum"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &escape);
    EXPECT_FALSE(field->isVisible());
    EXPECT_TRUE(test::SameImage(clean, display()));
    mouse(QEvent::MouseButtonPress, QPoint(100, 200));
    EXPECT_TRUE(field->text().isEmpty());
    field->setText(QStringLiteral("Baum"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &enter);
    EXPECT_FALSE(field->isVisible());
    EXPECT_FALSE(test::SameImage(clean, display()));
    window.selectTool(Tool::Freehand);
    EXPECT_FALSE(field->isVisible());
}

TEST_F(WhiteboardWindowTest, AreaLimitsTheOutputAndTakesAPastedPicture) {
    window.newSheetCommand(0);
    window.whiteboardBar()->action(BoardCommand::Area)->trigger();
    drag(QPoint(100, 100), QPoint(300, 200));
    ASSERT_TRUE(window.area().valid());
    EXPECT_EQ(window.findChild<AreaLabel*>()->text(),
              QStringLiteral(" (100,100) - (299,199)  B:200 H:100"));
    EXPECT_EQ(window.outputPicture().size(), QSize(200, 100));
    QImage square(400, 400, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(square);
    window.pastePictureCommand();
    EXPECT_EQ(display().pixelColor(200, 150), QColor(Qt::blue));
    EXPECT_EQ(display().pixelColor(140, 150), QColor(Qt::white));
    EXPECT_TRUE(messages.entries().isEmpty());
    // Pressed again, the area tool starts without an area.
    window.whiteboardBar()->action(BoardCommand::Area)->trigger();
    EXPECT_FALSE(window.area().valid());
    EXPECT_EQ(window.outputPicture().size(), display().size());
    // Dragged past the picture, the area ends at its edge.
    drag(QPoint(display().width() - 50, 100), QPoint(display().width() + 80, -30));
    EXPECT_EQ(window.outputPicture().size(), QSize(50, 100));
}

TEST_F(WhiteboardWindowTest, ClipboardPictureReplacesTheSheetWhenAskedTo) {
    QGuiApplication::clipboard()->clear();
    window.pastePictureCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Die Zwischenablage enth\u00e4lt keine Bitmap-Grafik.")));
    QGuiApplication::clipboard()->setImage(test::PatternImage(120, 80));
    messages.clear();
    messages.queueAnswer(Answer::No);
    window.pastePictureCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral(
                  "Bild aus der Zwischenablage auf den gesamten Zeichenbereich kopieren?\r\n"
                  "(Hinweis: Verwenden Sie die Bereichsauswahlfunktion, um das Bild aus der "
                  "Zwischenablage nur in einem Teilbereich der Zeichenfl\u00e4che "
                  "einzuf\u00fcgen.)\r\n\r\nM\u00f6chten Sie fortfahren und den gesamten "
                  "Zeichenbereich ersetzen?")));
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    window.pastePictureCommand();
    EXPECT_EQ(app.session.document().BaseImage.Image.size(), QSize(120, 80));
    EXPECT_EQ(title(), QStringLiteral("Neuer Tafelanschrieb"));
}

TEST_F(WhiteboardWindowTest, PictureFilesBecomeSheetsAndTheViewBecomesAFile) {
    pickers.answer = folder + QStringLiteral("bild.gif");
    window.openPictureSheetCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral(
                  "\u00d6ffnen fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.")));
    EXPECT_EQ(pickers.titles, QStringList(QStringLiteral("Bilddatei \u00f6ffnen")));
    test::PatternImage(90, 60).save(folder + QStringLiteral("bild.png"));
    pickers.answer = folder + QStringLiteral("bild.png");
    window.openPictureSheetCommand();
    EXPECT_EQ(app.session.document().BaseImage.Image.size(), QSize(90, 60));
    messages.clear();
    pickers.answer = folder + QStringLiteral("ansicht.tif");
    window.saveViewCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral(
                  "Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.")));
    EXPECT_FALSE(QFile::exists(pickers.answer));
    pickers.answer = folder + QStringLiteral("ansicht.JPG");
    window.saveViewCommand();
    EXPECT_EQ(QImage(pickers.answer).size(), display().size());
}

TEST_F(WhiteboardWindowTest, TheChronicleFilesRecallsAndAsksAtTheEnd) {
    window.newSheetCommand(0);
    for (int i = 0; i < 3; ++i) {
        drag(QPoint(50 + i * 40, 50), QPoint(50 + i * 40, 250));
        window.fileInChronicleCommand();
    }
    EXPECT_EQ(chronicleFiles().size(), 3);
    EXPECT_TRUE(window.annotator().filed());
    const QList<QAction*> entries = window.whiteboardBar()->chronicleMenu()->entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries.at(0)->text().startsWith(QStringLiteral("Nr. 003 - ")));
    EXPECT_TRUE(entries.at(2)->text().startsWith(QStringLiteral("Nr. 001 - ")));
    EXPECT_EQ(title(), QStringLiteral("Tafelanschrieb ") + entries.at(0)->text());
    EXPECT_TRUE(window.whiteboardBar()->chronicleMenu()->actions().at(0)->text() ==
                QStringLiteral("Aktueller Bildschirm"));

    // The first screenshot comes back as a sheet, with one stroke only.
    entries.at(2)->trigger();
    EXPECT_EQ(title(), QStringLiteral("Tafelanschrieb ") + entries.at(2)->text());
    EXPECT_EQ(display().pixelColor(51, 150), QColor(255, 0, 0));
    EXPECT_EQ(display().pixelColor(91, 150), QColor(Qt::white));
    EXPECT_FALSE(window.annotator().filed());

    messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(tryClose());
    EXPECT_TRUE(messages.texts().last().startsWith(
        QStringLiteral("3 Chronik-Screenshots wurden im Ordner ")));
    EXPECT_EQ(chronicleFiles().size(), 3);
    messages.queueAnswer(Answer::Yes);
    messages.queueChoice(1);
    EXPECT_FALSE(tryClose());
    EXPECT_TRUE(chronicleFiles().isEmpty());
    EXPECT_TRUE(window.whiteboardBar()->chronicleMenu()->entries().isEmpty());
}

TEST_F(WhiteboardWindowTest, LeavingAnUnfiledSheetOffersTheChronicle) {
    window.newSheetCommand(0);
    messages.queueAnswer(Answer::No);
    window.leaveSheetCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Soll das Bild in die Chronik abgelegt werden?")));
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    window.newSheetCommand(0);
    window.fileInChronicleCommand();
    messages.clear();
    window.leaveSheetCommand();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(chronicleFiles().size(), 1);
}

// Drawings not filed are offered to the chronicle before anything discards them; "Abbrechen",
// a failed filing or a cancelled save keep the sheet with its drawings.
TEST_F(WhiteboardWindowTest, UnfiledDrawingsAreOfferedBeforeAnythingDiscardsThem) {
    Document document;
    document.BaseImage.Image = test::PatternImage(60, 40);
    const QString path = folder + QStringLiteral("b.qdr");
    test::WriteFileBytes(path, WriteDocumentBytes(document));
    ASSERT_TRUE(app.session.LoadDocument(path, true));
    app.topics.ReadTopicList();
    window.newSheetCommand(0);
    window.fileInChronicleCommand();
    drag(QPoint(100, 100), QPoint(300, 100));
    for (int i = 0; i < 4; ++i)
        messages.queueAnswer(Answer::Cancel);
    window.newSheetCommand(0);
    window.recallFromChronicle(0);
    app.topics.NextTopic();
    window.leaveSheetCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(4, QStringLiteral("Soll das Bild in die Chronik abgelegt werden?")));
    app.state.ChronicleFolder = path + QStringLiteral("/chronik/");
    window.leaveSheetCommand();
    app.session.header().Modified = true;
    messages.queueAnswer(Answer::No);
    messages.queueAnswer(Answer::Cancel);
    window.leaveSheetCommand();
    EXPECT_EQ(display().pixelColor(200, 101), QColor(255, 0, 0));
    messages.queueAnswer(Answer::No);
    messages.queueAnswer(Answer::No);
    window.leaveSheetCommand();
    EXPECT_EQ(app.session.header().FileName, path);
}

// "Inhalt bearbeiten..." redraws the page with its preview, so it offers the drawings first.
TEST_F(WhiteboardWindowTest, EditingTheContentOffersUnfiledDrawingsFirst) {
    const QString path = folder + QStringLiteral("g.qdr");
    Document gaps =
        *MakeFromText(nullptr, TextKind::GapText, {}, QStringLiteral("Im <<Osten>>.")).Value;
    test::WriteFileBytes(path, WriteDocumentBytes(gaps));
    ASSERT_TRUE(app.session.LoadDocument(path, true));
    window.selectTool(Tool::Freehand);
    drag(QPoint(100, 100), QPoint(300, 100));
    bool dialogShown = false;
    window.setContentDialog([&](TDokumentInhaltForm&) { return dialogShown = true, false; });
    messages.queueAnswer(Answer::Cancel);
    window.editContentCommand();
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Soll das Bild in die Chronik abgelegt werden?")));
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(display().pixelColor(200, 101), QColor(255, 0, 0));
}

TEST_F(WhiteboardWindowTest, ADocumentKeepsItsTitleWhenItsScreenIsFiled) {
    Document document;
    document.Header.Titel = QStringLiteral("Bienen");
    document.BaseImage.Image = test::PatternImage(60, 40);
    const QString path = folder + QStringLiteral("b.qdr");
    test::WriteFileBytes(path, WriteDocumentBytes(document));
    window.selectTool(Tool::Stamp);
    ASSERT_TRUE(app.session.LoadDocument(path, true));
    EXPECT_EQ(tool(), Tool::Pointer);
    window.fileInChronicleCommand();
    EXPECT_EQ(title(), QStringLiteral("Bienen"));
    EXPECT_EQ(chronicleFiles().size(), 1);
}

// The stamp menu shows each stamp's picture once it opens, also after the stamps changed.
TEST(WhiteboardStampMenu, PicturesComeWithTheMenu) {
    WhiteboardToolBar bar(QSize(80, 60), nullptr);
    QMenu* menu = bar.stampMenu();
    QAction* first = menu->findChild<QAction*>(QStringLiteral("Stempel1Item"));
    ASSERT_NE(first, nullptr);
    emit menu->aboutToShow();
    EXPECT_FALSE(first->icon().isNull());
    const QImage before = first->icon().pixmap(18, 18).toImage();
    StampTable changed = StampTable::defaults();
    changed.setStamp(1, changed.stamp(2));
    bar.setStamps(changed);
    emit menu->aboutToShow();
    EXPECT_NE(first->icon().pixmap(18, 18).toImage(), before);
}

TEST(WhiteboardDialogs, CountAndTableDialogsTakeAnyNumberAndLimitIt) {
    TBlattAnzahlForm count;
    count.prepare(QStringLiteral("Lineatur 3. Klasse"), 8);
    EXPECT_EQ(count.windowTitle(), QStringLiteral("Lineatur 3. Klasse"));
    EXPECT_EQ(count.count(), 8);
    count.AnzEdit->setValue(500);
    EXPECT_EQ(count.count(), 500);
    EXPECT_EQ(count.lineColour(), QColor(184, 184, 184));
    EXPECT_EQ(count.background(), QColor(Qt::white));

    TBlattTabelleForm table;
    EXPECT_EQ(table.windowTitle(), QStringLiteral("Blatt mit Tabelle"));
    EXPECT_EQ(table.table().rows, 6);
    EXPECT_EQ(table.table().columns, 3);
    table.show();
    EXPECT_FALSE(table.LinksEdit->isVisible());
    const int shortHeight = table.sizeHint().height();
    table.FreiraumCheck->setChecked(true);
    EXPECT_TRUE(table.LinksEdit->isVisible());
    EXPECT_GT(table.sizeHint().height(), shortHeight);
    table.ZeilenEdit->setValue(999);
    table.RechtsEdit->setValue(150);
    EXPECT_EQ(table.table().rows, 200);
    EXPECT_EQ(table.table().marginRight, 100);
}

TEST(WhiteboardDialogs, StampDialogShowsAndReturnsEachRow) {
    TStempelForm dialog(StampTable::defaults());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Stempelsymbole konfigurieren"));
    EXPECT_EQ(dialog.fontList(1)->currentText(), QStringLiteral("Wingdings"));
    EXPECT_EQ(dialog.characterList(1)->count(), 255);
    EXPECT_EQ(dialog.characterList(1)->currentText(), QStringLiteral("\u2714"));
    EXPECT_EQ(dialog.characterList(7)->currentText(), QStringLiteral("+"));
    dialog.characterList(7)->setCurrentIndex(0x3D - 1);
    EXPECT_EQ(dialog.stamps().stamp(7).character, QChar(u'='));
    EXPECT_EQ(dialog.stamps().stamp(2).character, QChar(0xFB));
}

} // namespace
} // namespace quindor
