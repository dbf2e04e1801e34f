#include "whiteboard/annotator.h"

#include "core/program_state.h"
#include "document/document.h"
#include "support/test_support.h"
#include "view/view_composer.h"
#include "whiteboard/stroke_geometry.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// A plain page in a picture area of the same size, so the display shows the whole page.
class AnnotatorTest : public ::testing::Test {
protected:
    void SetUp() override { compose(QColor(128, 128, 128)); }

    void compose(const QColor& colour, QSize area = QSize(400, 300)) {
        QImage base(area, QImage::Format_ARGB32_Premultiplied);
        base.fill(colour);
        document.BaseImage.Image = base;
        view.ComposeView(area);
    }

    const QImage& display() const { return view.displayPicture(); }
    QColor at(int x, int y) const { return display().pixelColor(x, y); }

    void stroke(std::initializer_list<QPoint> points) {
        auto it = points.begin();
        annotator.press(*it);
        for (++it; it != points.end(); ++it)
            annotator.move(*it);
        annotator.release(*(points.end() - 1));
    }

    void use(Tool tool, int colour = 21, int size = 1) {
        annotator.tools().tool = tool;
        annotator.tools().colour = colour;
        annotator.tools().size = size;
    }

    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    Annotator annotator{view};
};

TEST_F(AnnotatorTest, OpaquePenPaintsItsColourAndLeavesTheCleanPicture) {
    const QImage before = display().copy();
    use(Tool::Freehand, 24);
    stroke({QPoint(50, 100), QPoint(150, 100), QPoint(250, 100)});
    EXPECT_EQ(at(150, 101), QColor(0, 0, 255));
    EXPECT_EQ(at(150, 140), QColor(128, 128, 128));
    EXPECT_TRUE(test::SameImage(before, view.cleanDisplayPicture()));
    EXPECT_TRUE(annotator.canUndo());
}

// The lines a tool draws from the first to the last point; the pen's through all points but the
// last, where it ends flat.
QList<QLine> LinesOf(Tool tool, const std::vector<QPoint>& p, int w) {
    const QPoint s = p.front(), e = p.back(), sx(e.x(), s.y()), ex(s.x(), e.y());
    const auto t = TrianglePoints(s, e);
    const auto head = ArrowBarbs(s, e, w), tail = ArrowBarbs(e, s, w);
    QList<QLine> lines{{s, e}};
    if (tool == Tool::Freehand) {
        lines.clear();
        for (size_t i = 1; i + 1 < p.size(); ++i)
            lines.append({p[i - 1], p[i]});
    } else if (tool == Tool::Arrow || tool == Tool::DoubleArrow) {
        lines << QLine(e, head[0]) << QLine(e, head[1]);
        if (tool == Tool::DoubleArrow)
            lines << QLine(s, tail[0]) << QLine(s, tail[1]);
    } else if (tool == Tool::Rectangle) {
        lines = {{s, sx}, {sx, e}, {e, ex}, {ex, s}};
    } else if (tool == Tool::Triangle) {
        lines = {{t[0], t[1]}, {t[1], t[2]}, {t[2], t[0]}};
    }
    return lines;
}

// Every pixel wholly inside the lines drawn as round-capped bands of the pen's width (by the
// painter's own pen, around the corner below right of each pixel) has the pen's colour.
TEST_F(AnnotatorTest, EveryStrokeCoversItsWholeBandAtEverySize) {
    const auto points = {QPoint(40, 150), QPoint(90, 60), QPoint(140, 240), QPoint(230, 70),
                         QPoint(350, 230)};
    for (const Tool tool : {Tool::Freehand, Tool::Line, Tool::Arrow, Tool::DoubleArrow,
                            Tool::Rectangle, Tool::Triangle}) {
        for (int size = 1; size <= kSizes; ++size) {
            for (const int colour : {24, 14}) { // blue, opaque and see-through
                compose(Qt::white);
                use(tool, colour, size);
                stroke(points);
                QImage band(display().size(), QImage::Format_RGB32);
                band.fill(Qt::white);
                QPainter painter(&band);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.translate(1, 1);
                painter.setPen(QPen(Qt::black, PenWidth(size), Qt::SolidLine, Qt::RoundCap));
                // One by one: a pixel counts only where one band covers it whole.
                for (const QLine& line : LinesOf(tool, std::vector(points), PenWidth(size)))
                    painter.drawLine(line);
                painter.end();
                int holes = 0; // white shows through (smoothing may leave a trace of it)
                for (int y = 0; y < band.height(); ++y) {
                    for (int x = 0; x < band.width(); ++x)
                        holes += band.pixel(x, y) == qRgb(0, 0, 0) && at(x, y).red() > 32;
                }
                EXPECT_EQ(holes, 0) << "tool " << int(tool) << " size " << size;
            }
        }
    }
}

TEST_F(AnnotatorTest, SeeThroughColourTakesTheDarkerChannelAndNeverDarkensItself) {
    compose(QColor(200, 100, 50));
    use(Tool::Freehand, 12); // yellow, see-through
    stroke({QPoint(50, 100), QPoint(350, 100)});
    // Yellow (255, 255, 0) over (200, 100, 50): red and green stay, blue goes.
    EXPECT_EQ(at(200, 101), QColor(200, 100, 0));
    // White around the stroke leaves the picture as it was.
    EXPECT_EQ(at(200, 112), QColor(200, 100, 50));
    // Crossing itself: the crossing is no darker than a single pass.
    stroke({QPoint(200, 20), QPoint(200, 280)});
    EXPECT_EQ(at(200, 101), QColor(200, 100, 0));
    EXPECT_EQ(at(201, 200), QColor(200, 100, 0));
}

TEST_F(AnnotatorTest, ShapePreviewLeavesNoTraceAndTheReleaseDrawsTheShape) {
    const QImage before = display().copy();
    use(Tool::Rectangle, 26);
    annotator.press(QPoint(20, 20));
    annotator.move(QPoint(300, 250));
    annotator.move(QPoint(100, 80));
    // The first preview ran along x = 300; it is gone again.
    EXPECT_EQ(at(300, 150), QColor(128, 128, 128));
    // The current one inverts the picture below it.
    EXPECT_EQ(at(100, 50), QColor(127, 127, 127));
    annotator.release(QPoint(100, 80));
    EXPECT_EQ(at(101, 50), QColor(0, 0, 0));
    EXPECT_EQ(at(60, 50), QColor(128, 128, 128));
    annotator.undo();
    EXPECT_TRUE(test::SameImage(before, display()));
}

TEST_F(AnnotatorTest, AnArrowOfNoLengthStillHasItsHead) {
    use(Tool::Arrow, 26);
    stroke({QPoint(200, 150)});
    // Below the round dot of the shaft, the two barbs.
    int marked = 0;
    for (int y = 154; y < 162; ++y) {
        for (int x = 190; x < 212; ++x)
            marked += at(x, y) != QColor(128, 128, 128) ? 1 : 0;
    }
    EXPECT_GE(marked, 20);
}

TEST_F(AnnotatorTest, AStampIsPressedOnceHoweverTheMouseMoves) {
    use(Tool::Stamp, 26, 1);
    annotator.press(QPoint(200, 150));
    const QImage once = display().copy();
    annotator.move(QPoint(220, 160));
    annotator.press(QPoint(240, 170));
    annotator.move(QPoint(260, 180));
    EXPECT_TRUE(test::SameImage(once, display()));
    annotator.release(QPoint(260, 180));
    EXPECT_FALSE(test::SameImage(view.cleanDisplayPicture(), display()));
}

TEST_F(AnnotatorTest, EmptyTextDrawsNothingAndLeavesNothingToUndo) {
    const QImage before = display().copy();
    annotator.drawText(QPoint(10, 10), QString(), QFont(QStringLiteral("Arial"), 18));
    EXPECT_TRUE(test::SameImage(before, display()));
    EXPECT_FALSE(annotator.canUndo());
    annotator.drawText(QPoint(10, 10), QStringLiteral("Hallo"), QFont(QStringLiteral("Arial"), 18));
    EXPECT_FALSE(test::SameImage(before, display()));
    EXPECT_TRUE(annotator.canUndo());
}

TEST_F(AnnotatorTest, EraserTakesTheSquareBackFromTheCleanPicture) {
    use(Tool::Freehand, 21, 4);
    stroke({QPoint(50, 150), QPoint(350, 150)});
    use(Tool::Eraser, 21, 1);
    stroke({QPoint(100, 150)});
    EXPECT_EQ(at(100, 151), QColor(128, 128, 128));
    EXPECT_EQ(at(115, 151), QColor(128, 128, 128));
    EXPECT_EQ(at(117, 151), QColor(255, 0, 0));
}

TEST_F(AnnotatorTest, UndoAndRedoStepThroughTheLastTwentyActions) {
    use(Tool::Freehand, 26);
    for (int i = 0; i < 25; ++i)
        stroke({QPoint(10 + i * 15, 30), QPoint(10 + i * 15, 200)});
    const QImage drawn = display().copy();
    int undone = 0;
    while (annotator.undo())
        ++undone;
    EXPECT_EQ(undone, UndoHistory::kMaxSteps);
    // The five oldest strokes are beyond recall; the others are gone.
    EXPECT_EQ(at(11, 100), QColor(0, 0, 0));
    EXPECT_EQ(at(11 + 5 * 15, 100), QColor(128, 128, 128));
    while (annotator.redo()) {
    }
    EXPECT_TRUE(test::SameImage(drawn, display()));
    // Each step keeps only what it changed.
    EXPECT_LT(annotator.history().bytes(), 20 * 2 * 6 * 64 * 64 * 4);
}

TEST_F(AnnotatorTest, UndoAfterZoomReturnsToTheZoomAndThePictureOfThen) {
    use(Tool::Freehand, 26);
    stroke({QPoint(20, 20), QPoint(380, 280)});
    const QImage drawn = display().copy();
    view.SetZoom(ZoomLevel::Percent150);
    EXPECT_EQ(at(200, 150), QColor(128, 128, 128));
    ASSERT_TRUE(annotator.undo());
    EXPECT_EQ(view.geometry().Zoom, ZoomLevel::Percent100);
    EXPECT_TRUE(test::SameImage(drawn, display()));
    ASSERT_TRUE(annotator.undo());
    EXPECT_TRUE(test::SameImage(view.cleanDisplayPicture(), display()));
    ASSERT_TRUE(annotator.redo());
    ASSERT_TRUE(annotator.redo());
    EXPECT_EQ(view.geometry().Zoom, ZoomLevel::Percent150);
}

TEST_F(AnnotatorTest, PanningAndOtherRebuildsLeaveNothingToUndo) {
    use(Tool::Freehand, 26);
    stroke({QPoint(20, 20), QPoint(380, 280)});
    annotator.commitDrawings();
    EXPECT_FALSE(annotator.canUndo());
    stroke({QPoint(20, 280), QPoint(380, 20)});
    view.ComposeView(QSize(400, 300));
    EXPECT_FALSE(annotator.canUndo());
    annotator.setFiled(true);
    view.DragView(QPoint(0, 0), QPoint(5, 5));
    EXPECT_FALSE(annotator.filed());
}

TEST_F(AnnotatorTest, CommittedDrawingsSurviveMovingTheView) {
    view.SetZoom(ZoomLevel::Percent200);
    use(Tool::Freehand, 26);
    stroke({QPoint(150, 100), QPoint(250, 100)});
    annotator.commitDrawings();
    view.DragView(QPoint(200, 150), QPoint(250, 150));
    EXPECT_EQ(at(250, 101), QColor(0, 0, 0));
    view.DragView(QPoint(250, 150), QPoint(200, 150));
    EXPECT_EQ(at(200, 101), QColor(0, 0, 0));
}

TEST_F(AnnotatorTest, RemoveAllCanBeUndoneForTheVisiblePartOnly) {
    view.SetZoom(ZoomLevel::Percent200);
    use(Tool::Freehand, 26);
    stroke({QPoint(10, 100), QPoint(60, 100)});
    annotator.commitDrawings();
    // Move the committed stroke out of sight, then draw another.
    view.DragView(QPoint(300, 150), QPoint(100, 150));
    stroke({QPoint(200, 200), QPoint(300, 200)});
    const QImage drawn = display().copy();
    annotator.removeAll();
    EXPECT_TRUE(test::SameImage(view.cleanDisplayPicture(), display()));
    ASSERT_TRUE(annotator.undo());
    EXPECT_TRUE(test::SameImage(drawn, display()));
    annotator.commitDrawings();
    view.DragView(QPoint(100, 150), QPoint(300, 150));
    EXPECT_EQ(at(30, 101), QColor(128, 128, 128));
}

// A field redrawn on its own gives only its card to the clean pictures: the eraser and "Alle
// Zeichnungen entfernen" still take every drawing away, shown or committed, on the whole page
// and on a part of it.
TEST_F(AnnotatorTest, RedrawingAFieldKeepsTheDrawingsOutOfTheCleanPictures) {
    AddObject(document, {.Cap = QStringLiteral("Wurzel"), .Kx = 0.5, .Ky = 0.5});
    const QColor grey(128, 128, 128);
    for (const ZoomLevel zoom : {ZoomLevel::Percent100, ZoomLevel::Percent200}) {
        view.SetZoom(zoom);
        compose(grey);
        use(Tool::Freehand, 26, 4);
        stroke({QPoint(50, 230), QPoint(350, 230)});
        annotator.commitDrawings();
        view.DragView(QPoint(0, 0), QPoint(0, 0));
        stroke({QPoint(50, 270), QPoint(350, 270)});
        document.Object(0).State = ObjectState::Shown;
        view.RedrawObject(0);
        use(Tool::Eraser, 26, 1);
        stroke({QPoint(100, 230), QPoint(100, 270)});
        EXPECT_EQ(at(100, 231), grey);
        EXPECT_EQ(at(100, 271), grey);
        annotator.removeAll();
        EXPECT_EQ(at(200, 231), grey);
        EXPECT_EQ(at(200, 271), grey);
    }
}

TEST_F(AnnotatorTest, PastedPictureFillsTheAreaWithItsProportions) {
    QImage picture(400, 400, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::red);
    annotator.pastePicture(picture, QRect(100, 100, 200, 100));
    EXPECT_EQ(at(160, 150), QColor(255, 0, 0));
    EXPECT_EQ(at(140, 150), QColor(128, 128, 128));
    EXPECT_EQ(at(260, 150), QColor(128, 128, 128));
    EXPECT_EQ(document.BaseImage.Image.pixelColor(160, 150), QColor(128, 128, 128));
}

} // namespace
} // namespace quindor
