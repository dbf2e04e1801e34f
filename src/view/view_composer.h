#pragma once

#include "core/program_state.h"
#include "document/document.h"
#include "document/layout_dispatch.h"
#include "view/object_renderer.h"
#include "view/view_geometry.h"

#include <QImage>

#include <array>

namespace quindor {

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
    int askedTarget() const { return askedTarget_; }

    const QImage& pageImage() const { return page_; }
    const QImage& backgroundSnapshot() const { return background_; }
    const QImage& staticSnapshot() const { return static_; }
    const QImage& cleanPageImage() const { return clean_; }
    const QImage& displayPicture() const { return display_; }
    const QImage& cleanDisplayPicture() const { return cleanDisplay_; }

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
    // Zoom; true when the level changed.
    bool SetZoom(ZoomLevel level);
    bool ZoomIn();
    bool ZoomOut();
    // Moves the visible part by a drag from one display point to another.
    void DragView(QPoint from, QPoint to);

    RenderContext renderContext() const;

private:
    void drawQueryAppearance(QPainter& painter);
    // The document type's layout, without regenerating, on the page image.
    void runLayout();

    Document& document_;
    ProgramState& state_;
    LayoutDispatch* layouts_;
    ViewGeometry geometry_;
    std::array<bool, 4> layers_{true, true, true, true};
    QueryMode exerciseQueryMode_ = QueryMode::Free;
    int askedTarget_ = -1;
    QSize pictureArea_;
    QImage page_;
    QImage background_;
    QImage static_;
    QImage clean_;
    QImage display_;
    QImage cleanDisplay_;
};

} // namespace quindor
