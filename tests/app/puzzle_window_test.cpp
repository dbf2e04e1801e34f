// The sliding puzzle in the program window, driven through its tiles and keys.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "exercise/ui/puzzle_panel.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Records the messages; a hook sees the window as it is while a message shows.
class WatchedMessages : public RecordingMessages {
public:
    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override {
        if (whileShown)
            whileShown();
        return RecordingMessages::show(kind, text, buttons);
    }
    std::function<void()> whileShown;
};

void Press(QWidget* widget) {
    const QPoint local(3, 3);
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(local), QPointF(widget->mapToGlobal(local)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void Key(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class PuzzleWindowTest : public ::testing::Test,
                         protected test::ProgramWindow<WatchedMessages, test::RecordingPickers> {
protected:
    void SetUp() override {
        const QString folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.SoundFolder = folder;
        for (const char* name : {"richtig1.wav", "falsch1.wav"}) {
            QFile file(folder + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        Document document;
        document.Header.Titel = QStringLiteral("Muster");
        document.BaseImage.Image = test::PatternImage(600, 400);
        QFile file(folder + QStringLiteral("muster.qdr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDocumentBytes(document));
        file.close();
        window.resize(1100, 800);
        window.show();
        window.FirstActivation({folder + QStringLiteral("muster.qdr")});
        window.setPuzzleClock([this] { return ticks; });
        window.setPuzzleDialog([this](TSPuzzleOptForm& options) {
            options.setTilesPerSide(tilesPerSide);
            options.setNeighboursOnly(neighboursOnly);
            return confirm;
        });
    }

    PuzzlePanel* panel() const { return window.puzzlePanel(); }
    const TSchiebepuzzle& puzzle() const { return panel()->puzzle(); }
    QString status(const char* name) {
        return window.puzzleStatusPanel()->value(QString::fromLatin1(name))->text();
    }
    int visibleTiles() const {
        int n = 0;
        for (PuzzleTile* tile : panel()->findChildren<PuzzleTile*>())
            n += tile->isVisible();
        return n;
    }
    // With every tile clickable, each click puts one tile home: the tile that belongs where
    // the gap is, or, with the gap at home, any tile out of place.
    void solveByClicks() {
        const int n = puzzle().size();
        for (int guard = 0; guard < 4 * n * n && app.state.ViewMode == Mode::Puzzle; ++guard) {
            const QPoint gap = puzzle().gap();
            int tile = gap.y() * n + gap.x();
            if (tile == puzzle().hiddenTile()) {
                for (tile = 0;
                     tile < n * n - 1 && puzzle().placeOf(tile) == QPoint(tile % n, tile / n);
                     ++tile) {
                }
            }
            Press(panel()->tile(tile));
        }
    }

    int64_t ticks = 1000;
    int tilesPerSide = 3;
    bool neighboursOnly = true;
    bool confirm = true;
};

TEST_F(PuzzleWindowTest, StartsAShuffledBoardOverTheWorkArea) {
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_FALSE(window.pageArea()->isVisible());
    EXPECT_FALSE(window.titlePanel()->isVisible());
    EXPECT_EQ(visibleTiles(), 8);
    EXPECT_FALSE(panel()->tile(8)->isVisible());
    EXPECT_GE(puzzle().outOfPlace(), 1);
    auto* learning = window.findChild<QToolButton*>(QStringLiteral("LernansichtBtn"));
    auto* individual = window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"));
    EXPECT_EQ(learning->text(), QStringLiteral("Übung abbrechen"));
    EXPECT_TRUE(individual->isChecked());
    EXPECT_FALSE(window.action(QStringLiteral("OeffnenItem"))->isEnabled());

    // The tiles keep the page's aspect and lie centred on the panel's grey board.
    const PuzzleBoard& board = puzzle().board();
    const double pageAspect = double(app.view.pageImage().width()) / app.view.pageImage().height();
    EXPECT_NEAR(double(board.tileWidth) / board.tileHeight, pageAspect, 0.05);
    EXPECT_NEAR(board.left * 2 + 3 * board.tileWidth, panel()->width(), 1);
    EXPECT_NEAR(board.top * 2 + 3 * board.tileHeight, panel()->height(), 1);
    EXPECT_EQ(panel()->geometry().size(), window.exercisePanel()->geometry().size());
    EXPECT_EQ(panel()->tile(0)->size(), QSize(board.tileWidth + 1, board.tileHeight + 1));

    EXPECT_TRUE(window.puzzleStatusPanel()->isVisible());
    EXPECT_EQ(status("RichtigValue"), QString::number(puzzle().inPlace()) + " von  9");
    EXPECT_EQ(status("FalschValue"), QString::number(puzzle().outOfPlace()));
    EXPECT_EQ(status("ZuegeValue"), QStringLiteral("0"));
    EXPECT_EQ(status("ZeitValue"), QStringLiteral("00:00"));

    // A second start and an exercise wait for the end of this one.
    window.SlidingPuzzleCommand();
    window.IndividualExerciseCommand();
    const QString busy =
        QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung "
                       "abbrechen\", um die aktuelle Übung vorzeitig abzubrechen.");
    EXPECT_EQ(messages.texts(), QStringList({busy, busy}));
    EXPECT_EQ(app.state.ViewMode, Mode::Puzzle);
}

TEST_F(PuzzleWindowTest, TilesMoveByClicksAndArrowKeys) {
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    const int n = puzzle().size();
    QPoint gap = puzzle().gap();
    // A tile beside the gap moves into it; one diagonally beside it does not.
    const QPoint beside = gap.x() > 0 ? gap - QPoint(1, 0) : gap + QPoint(1, 0);
    const QPoint far(gap.x() > 0 ? gap.x() - 1 : 1, gap.y() > 0 ? gap.y() - 1 : 1);
    const int farTile = puzzle().tileAt(far.x(), far.y());
    Press(panel()->tile(farTile));
    EXPECT_EQ(puzzle().moves(), 0);
    EXPECT_EQ(panel()->tile(farTile)->cursor().shape(), Qt::ArrowCursor);
    const int tile = puzzle().tileAt(beside.x(), beside.y());
    EXPECT_EQ(panel()->tile(tile)->cursor().shape(), Qt::PointingHandCursor);
    Press(panel()->tile(tile));
    EXPECT_EQ(puzzle().moves(), 1);
    EXPECT_EQ(puzzle().placeOf(tile), gap);
    EXPECT_EQ(panel()->tile(tile)->geometry(), puzzle().tileRect(tile));
    EXPECT_EQ(status("ZuegeValue"), QStringLiteral("1"));

    // Arrow keys on the board: Up takes the tile below the gap, Down the one above it.
    gap = puzzle().gap();
    const int key = gap.y() < n - 1 ? Qt::Key_Up : Qt::Key_Down;
    const QPoint from = gap + QPoint(0, key == Qt::Key_Up ? 1 : -1);
    const int keyed = puzzle().tileAt(from.x(), from.y());
    Key(panel(), key);
    EXPECT_EQ(puzzle().placeOf(keyed), gap);
    EXPECT_EQ(status("ZuegeValue"), QStringLiteral("2"));

    // A tile chosen with the keyboard moves with Space, and says what it is.
    gap = puzzle().gap();
    const QPoint next = gap.x() > 0 ? gap - QPoint(1, 0) : gap + QPoint(1, 0);
    PuzzleTile* chosen = panel()->tile(puzzle().tileAt(next.x(), next.y()));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chosen);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name),
              QStringLiteral("Puzzleteil %1").arg(chosen->tile() + 1));
    EXPECT_TRUE(chosen->accessibleDescription().endsWith(QStringLiteral(", verschiebbar")));
    EXPECT_EQ(chosen->focusPolicy(), Qt::StrongFocus);
    Key(chosen, Qt::Key_Space);
    EXPECT_EQ(puzzle().placeOf(chosen->tile()), gap);
    EXPECT_EQ(status("ZuegeValue"), QStringLiteral("3"));
}

TEST_F(PuzzleWindowTest, SolvedPuzzleShowsTheWholePictureAndReturnsToTheView) {
    tilesPerSide = 6;
    neighboursOnly = false;
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    EXPECT_EQ(visibleTiles(), 35);
    bool wholeWhenTold = false;
    messages.whileShown = [&] {
        wholeWhenTold = panel()->tile(35)->isVisible() && puzzle().solved();
    };
    solveByClicks();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Das Schiebepuzzle ist gelöst!")});
    EXPECT_TRUE(wholeWhenTold);
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("richtig1.wav")});
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(window.pageArea()->isVisible());
    EXPECT_FALSE(window.puzzleStatusPanel()->isVisible());
    EXPECT_FALSE(window.findChild<QTimer*>(QStringLiteral("ZeitTimer"))->isActive());
    EXPECT_TRUE(window.action(QStringLiteral("OeffnenItem"))->isEnabled());
}

TEST_F(PuzzleWindowTest, AbortAsksFirst) {
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    messages.queueAnswer(Answer::No);
    window.AbortExerciseCommand();
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\n"
                             "Übung wirklich abbrechen?"));
    EXPECT_EQ(app.state.ViewMode, Mode::Puzzle);
    EXPECT_TRUE(panel()->isVisible());
    messages.queueAnswer(Answer::Yes);
    window.AbortExerciseCommand();
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(panel()->findChildren<PuzzleTile*>().isEmpty() ||
                !panel()->findChildren<PuzzleTile*>().first()->isVisible());
    EXPECT_TRUE(window.pageArea()->isVisible());
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(PuzzleWindowTest, ARunStartedFromTheSettingsEndsThePuzzleOnlyWhenAgreed) {
    Document document;
    document.BaseImage.Image = test::PatternImage(600, 400);
    AddObject(document, {.Typ = ObjectKind::QueryLabel,
                         .Ebene = 1,
                         .Cap = QStringLiteral("Feld"),
                         .FrageNummer = -1,
                         .Kx = 0.5,
                         .Ky = 0.5,
                         .KAusr = 1,
                         .Fsize = 0});
    const QString path = dir.path() + QStringLiteral("/feld.qdr");
    test::WriteFileBytes(path, WriteDocumentBytes(document));
    ASSERT_TRUE(app.session.LoadDocument(path, true));
    window.setExerciseDialogs([] { return true; }, [] { return QStringLiteral("Ada"); },
                              [](const UebDataTyp&) { return ResultChoice{}; });
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    messages.queueAnswer(Answer::No);
    window.ExerciseSettingsCommand();
    EXPECT_EQ(app.state.ViewMode, Mode::Puzzle);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\n"
                             "Übung wirklich abbrechen?"));
    messages.queueAnswer(Answer::Yes);
    window.ExerciseSettingsCommand();
    EXPECT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(panel()->running());
    EXPECT_FALSE(window.puzzleStatusPanel()->isVisible());
}

TEST_F(PuzzleWindowTest, CancelledOptionsLeaveTheView) {
    confirm = false;
    window.SlidingPuzzleCommand();
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_FALSE(
        window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->isChecked());
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(PuzzleWindowTest, ResizeKeepsTheBoardAndTheMoves) {
    tilesPerSide = 4;
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    const QPoint gap = puzzle().gap();
    Press(panel()->tile(puzzle().tileAt(gap.x() > 0 ? gap.x() - 1 : 1, gap.y())));
    ASSERT_EQ(puzzle().moves(), 1);
    std::vector<QPoint> places;
    for (int tile = 0; tile < 16; ++tile)
        places.push_back(puzzle().placeOf(tile));
    const int before = puzzle().board().tileWidth;
    window.resize(900, 650);
    QCoreApplication::processEvents();
    EXPECT_LT(puzzle().board().tileWidth, before);
    EXPECT_EQ(puzzle().moves(), 1);
    for (int tile = 0; tile < 16; ++tile) {
        EXPECT_EQ(puzzle().placeOf(tile), places[static_cast<size_t>(tile)]);
        EXPECT_EQ(panel()->tile(tile)->geometry(), puzzle().tileRect(tile));
    }
}

// Each tile shows its own part of the picture, whether the board takes the picture at about
// its size or at a fraction of it.
TEST(PuzzlePanelPicture, EveryTileShowsItsPartAtAnySize) {
    const int n = 3;
    QImage picture(900, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    const auto colour = [](int k) { return QColor::fromHsv(k * 40, 255, 200); };
    for (int k = 0; k < n * n; ++k)
        painter.fillRect((k % n) * 300, (k / n) * 200, 300, 200, colour(k));
    painter.end();
    RandomGenerator random;
    for (const QSize area : {QSize(946, 644), QSize(420, 300)}) {
        QWidget parent;
        parent.resize(area);
        auto* panel = new PuzzlePanel(random, &parent);
        panel->start(n, true, picture, 0);
        for (int k = 0; k < n * n; ++k) {
            PuzzleTile* tile = panel->tile(k);
            const QImage shown = tile->grab().toImage();
            EXPECT_EQ(shown.pixel(shown.width() / 2, shown.height() / 2), colour(k).rgb())
                << "tile " << k << " at " << area.width();
            // Right inside the border the part begins: no neighbour's colour there.
            EXPECT_EQ(shown.pixel(2, 2), colour(k).rgb()) << "tile " << k;
        }
    }
}

TEST_F(PuzzleWindowTest, ClockTicksWithTheWindowsTimer) {
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    ticks = 1000 + 61'500;
    QElapsedTimer waited;
    waited.start();
    while (status("ZeitValue") != QStringLiteral("01:01") && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(status("ZeitValue"), QStringLiteral("01:01"));
}

TEST_F(PuzzleWindowTest, StatusLineFollowsTheOption) {
    window.action(QStringLiteral("StatusinfoItem"))->trigger();
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    EXPECT_FALSE(window.puzzleStatusPanel()->isVisible());
    EXPECT_FALSE(window.exerciseStatusPanel()->isVisible());
    // At once, and the tools that hold the abort cannot be folded away.
    window.action(QStringLiteral("StatusinfoItem"))->trigger();
    EXPECT_TRUE(window.puzzleStatusPanel()->isVisible());
    EXPECT_FALSE(window.findChild<QToolButton*>(QStringLiteral("WerkzeugKlappKnopf"))->isVisible());
}

} // namespace
} // namespace quindor
