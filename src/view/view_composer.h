#pragma once

#include "core/program_state.h"
#include "document/document.h"
#include "document/layout_dispatch.h"
#include "view/object_renderer.h"
#include "view/view_geometry.h"

#include <QImage>

#include <array>
#include <functional>

namespace quindor {

// Why the display picture is about to be refilled from the page, dropping what the tools drew
// on it since the last commit.
enum class ViewRebuildReason { Compose, Zoom, Pan, ObjectRedraw };
struct ViewRebuild {
    ViewRebuildReason reason = ViewRebuildReason::Compose;
    // For a zoom: the level before and after.
    ZoomLevel fromZoom = ZoomLevel::Percent100;
    ZoomLevel toZoom = ZoomLevel::Percent100;
};

// The pictures of the learning view and the operations that build them from the document.
class ViewComposer {
public:
    // With layouts, the page is laid out by the document type's layout, and the layouts learn
    // the size of the page shown.
    ViewComposer(Document& document, ProgramState& state, LayoutDispatch* layouts = nullptr);
    ViewComposer(const ViewComposer&) = delete;
    ViewComposer& operator=(const ViewComposer&) = delete;

    ViewGeometry& geometry() { return geometry_; }
    const ViewGeometry& geometry() const { return geometry_; }
    std::array<bool, 4>& layers() { return layers_; }
    // What a run shows of its open targets: its query mode and the position asked.
    void setExerciseQuery(QueryMode queryMode, int askedTarget) {
        exerciseQueryMode_ = queryMode;
        askedTarget_ = askedTarget;
    }
    // Where the answers of multiple choice stand during a run (BuildAnswerPlacementMap).
    void setAnswerPlacement(std::vector<int> map) { answerPlacement_ = std::move(map); }
    int askedTarget() const { return askedTarget_; }

    const QImage& pageImage() const { return page_; }
    // The picture area the page was last composed for.
    QSize pictureArea() const { return pictureArea_; }
    const QImage& backgroundSnapshot() const { return background_; }
    const QImage& staticSnapshot() const { return static_; }
    const QImage& cleanPageImage() const { return clean_; }
    const QImage& displayPicture() const { return display_; }
    const QImage& cleanDisplayPicture() const { return cleanDisplay_; }
    // The display picture the drawing tools paint into, in place.
    QImage& drawingPicture() { return display_; }
    // Display-sized scratch picture of the see-through pens: white wherever they have not
    // drawn (only its colour channels count). Made on first use.
    QImage& overlayPicture();

    // Told before the display picture is refilled, while it still shows the drawings.
    std::function<void(const ViewRebuild&)> rebuilding;

    // Rebuilds the page for a picture area of the given size, and the display picture.
    void ComposeView(QSize pictureArea);
    // Redraws the objects on the background snapshot (after object states changed).
    void RecomposeObjects();
    // Copies the visible part of the page into the display pictures.
    void ShowViewWindow();
    // Index of the clickable object under a display point, -1 for none.
    int HitTest(int x, int y) const;
    // Draws one object again after its state changed; an uncovered field gets its card area
    // back from the static snapshot first. No full recomposition.
    void RedrawObject(int index);
    // The part of the page image an object painted when it was last drawn: its card and the
    // line to its anchor. Empty for an object not drawn.
    QRect objectArea(int index) const;
    // Redraws the page within an area after objects changed there (moved, restyled, added or
    // removed): the background comes back and every object reaching into the area is drawn
    // again in its order, as RecomposeObjects draws them. The objects `placed` are placed
    // anew first, so that where they go now is redrawn as well. A page whose layout writes
    // over the objects is composed anew. Returns the part of the display picture that changed.
    QRect redrawArea(QRegion area, const std::vector<int>& placed);
    // Zoom; true when the level changed.
    bool SetZoom(ZoomLevel level);
    bool ZoomIn();
    bool ZoomOut();
    // Moves the visible part by a drag from one display point to another.
    void DragView(QPoint from, QPoint to);
    // Copies the display picture with its drawings into the page image at the view origin, so
    // that moving the view keeps them.
    void commitDrawings();
    // The page image without any drawing, shown at the same place.
    void removeDrawings();
    // Drawings are on the view: shown, or committed into the page.
    bool hasDrawings() const { return display_ != cleanDisplay_ || page_ != clean_; }

    RenderContext renderContext() const;

private:
    void drawQueryAppearance(QPainter& painter);
    // Draws one object again on a page picture, over its card area as the static snapshot
    // shows it; returns where it painted.
    QRegion drawCard(QImage& picture, int index);
    // Copies an area of a page picture into the display-sized picture of its visible part.
    void copyCardArea(QImage& window, const QImage& page, const QRect& area) const;
    // The page image becomes the background snapshot again.
    void restoreBackground();
    // The document type's layout, without regenerating, on the page image.
    void runLayout();
    // Tells `rebuilding`, once per outermost rebuild.
    void announce(const ViewRebuild& rebuild);
    // Lets go of the pictures that share the page image, so drawing on it copies nothing;
    // true when the display showed the whole page.
    bool releasePageSharing();
    // Shows a changed part of the page image in the display pictures; returns it there.
    QRect showChangedArea(const QRect& area, bool wholePage);

    Document& document_;
    ProgramState& state_;
    LayoutDispatch* layouts_;
    ViewGeometry geometry_;
    std::array<bool, 4> layers_{true, true, true, true};
    QueryMode exerciseQueryMode_ = QueryMode::Free;
    int askedTarget_ = -1;
    std::vector<int> answerPlacement_;
    // What the objects painted on the page since its background went in, when that is known.
    QRegion inked_;
    bool inkKnown_ = false;
    QSize pictureArea_;
    QImage page_;
    QImage background_;
    QImage static_;
    QImage clean_;
    QImage display_;
    QImage cleanDisplay_;
    QImage overlay_;
    bool announced_ = false;
};

} // namespace quindor
