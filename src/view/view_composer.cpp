#include "view/view_composer.h"

#include "core/rounding.h"
#include "document/numbering.h"
#include "layouts/cluster_layout.h"
#include "layouts/pair_layout.h"
#include "view/page_builder.h"

#include <QPainter>

#include <algorithm>

namespace quindor {

namespace {

// The gap, cluster and pair layouts write their text over the objects; the others lay out
// below them.
bool LayoutDrawsOverObjects(const HeaderDataTyp& header) {
    return header.Type().layoutStage == LayoutStage::OverObjects;
}

// Marks an operation under way, so the operations it calls do not announce themselves again.
class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Busy() { flag_ = was_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
    bool was_;
};

// Fills a display-sized picture with the part of a page picture: white where the part reaches
// past the page. A picture shared with another, or of another size, is made anew.
void ShowWindow(QImage& window, const QImage& page, const QRect& source) {
    if (window.size() != source.size() || !window.isDetached())
        window = QImage(source.size(), QImage::Format_ARGB32_Premultiplied);
    if (!page.rect().contains(source))
        window.fill(Qt::white);
    QPainter painter(&window);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), page, source);
}

} // namespace

ViewComposer::ViewComposer(Document& document, ProgramState& state, LayoutDispatch* layouts)
    : document_(document), state_(state), layouts_(layouts) {
    if (layouts_)
        layouts_->setPageSize([this] { return page_.size(); });
}

void ViewComposer::runLayout() {
    if (!layouts_)
        return;
    LayoutPass pass;
    pass.page = &page_;
    pass.exerciseRunning = state_.ViewMode == Mode::Exercise;
    pass.drawText = layers_[1] || pass.exerciseRunning;
    layouts_->run(document_, pass);
}

RenderContext ViewComposer::renderContext() const {
    RenderContext context;
    context.imageSize = page_.size();
    // The side of a card is judged on the page, which keeps its shape at every zoom.
    context.displayAspect = page_.isNull()
                                ? geometry_.DisplayAspect
                                : static_cast<double>(page_.width()) / std::max(1, page_.height());
    context.exercise = state_.ViewMode == Mode::Exercise;
    context.layers = layers_;
    context.currentQuestion = state_.CurrentQuestion;
    context.gapFontAdjustment = document_.Header.GapFontAdjustment;
    context.exerciseQueryMode = exerciseQueryMode_;
    context.askedTarget = askedTarget_;
    context.answerPlacement = &answerPlacement_;
    return context;
}

void ViewComposer::announce(const ViewRebuild& rebuild) {
    if (!announced_ && rebuilding)
        rebuilding(rebuild);
}

QImage& ViewComposer::overlayPicture() {
    if (overlay_.size() != display_.size()) {
        overlay_ = QImage(display_.size(), QImage::Format_RGB32);
        overlay_.fill(Qt::white);
    }
    return overlay_;
}

void ViewComposer::ComposeView(QSize pictureArea) {
    if (pictureArea.isEmpty())
        return;
    announce({});
    const Busy busy(announced_);
    pictureArea_ = pictureArea;
    const QImage base = ReducedBaseImage(document_);
    const QSize baseSize = base.isNull() ? QSize(870, 600) : base.size();
    const PageFit fit =
        FitPage(PageSizeOf(document_.Header, baseSize), pictureArea, geometry_.ZoomFactor);
    geometry_.DisplayAspect =
        static_cast<double>(fit.drawnSize.width()) / std::max(1, fit.drawnSize.height());
    // Keep the centre of the visible part.
    FracRect& view = geometry_.ViewRect;
    const double vw = fit.visibleWidth;
    const double vh = fit.visibleHeight;
    const double left = std::clamp((view.Left + view.Right) / 2 - vw / 2, 0.0, 1.0 - vw);
    const double top = std::clamp((view.Top + view.Bottom) / 2 - vh / 2, 0.0, 1.0 - vh);
    view = {left, top, left + vw, top + vh};
    geometry_.DisplaySize = fit.drawnSize;

    // The page image is the fitted page enlarged by the zoom, so it keeps the page's aspect
    // whatever the shape of the picture area; the display shows the part that fits.
    const QSize pageSize = fit.zoomedSize;
    const bool baseVisible = layers_[0] || state_.ViewMode == Mode::Exercise;
    page_ = RenderPage(document_, base, pageSize, baseVisible);
    if (baseVisible) {
        // The baskets belong to the page's background, below every card.
        QPainter painter(&page_);
        DrawBasketBackground(document_, painter, page_.size(), state_.ViewMode == Mode::Exercise);
    }
    geometry_.PageImageSize = page_.size();
    const bool overObjects = LayoutDrawsOverObjects(document_.Header);
    if (!overObjects)
        runLayout();
    background_ = page_;
    if (overObjects)
        runLayout();
    static_ = page_;
    const auto& objects = document_.Objects;
    // A painter makes the picture its own (a copy); without anything to draw it stays shared.
    if (std::any_of(objects.begin(), objects.end(),
                    [](const ObjDataTyp& o) { return IsFixedKind(o.Typ); })) {
        QPainter painter(&static_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const RenderContext context = renderContext();
        for (int i = 0; i < document_.ObjectCount(); ++i) {
            if (IsFixedKind(document_.Objects[static_cast<size_t>(i)].Typ))
                DrawObject(document_, i, painter, context);
        }
    }
    RecomposeObjects();
}

void ViewComposer::drawQueryAppearance(QPainter& painter) {
    const RenderContext context = renderContext();
    RenderContext noLines = context;
    noLines.drawLines = false;
    for (int i = 0; i < document_.ObjectCount(); ++i) {
        if (IsNumberedKind(document_.Objects[static_cast<size_t>(i)].Typ))
            DrawObject(document_, i, painter, noLines);
    }
}

void ViewComposer::RecomposeObjects() {
    if (background_.isNull())
        return;
    announce({});
    const Busy busy(announced_);
    // An empty page (the start picture) needs no copy of its own: a painter on the shared
    // picture would make one only to draw nothing.
    const bool overObjects = LayoutDrawsOverObjects(document_.Header);
    if (document_.ObjectCount() > 0 || overObjects) {
        restoreBackground();
        QRegion ink;
        RenderContext context = renderContext();
        context.ink = &ink;
        QPainter painter(&page_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawAllObjects(document_, painter, context);
        // The gap, cluster and pair layouts write their text over the objects, and the query
        // fields are drawn once more above that text.
        if (overObjects) {
            painter.end();
            runLayout();
            painter.begin(&page_);
            painter.setRenderHint(QPainter::TextAntialiasing);
            drawQueryAppearance(painter);
        }
        inked_ = ink;
        // Where a layout writes is not known: the next time the whole background goes in.
        inkKnown_ = !overObjects;
    } else {
        page_ = background_;
    }
    // Until a tool draws on the view the clean page is the page itself (shared, not copied).
    clean_ = page_;
    ShowViewWindow();
}

void ViewComposer::restoreBackground() {
    const bool ownBuffer =
        page_.size() == background_.size() && page_.format() == background_.format() &&
        page_.constBits() != background_.constBits() && page_.constBits() != static_.constBits();
    if (!ownBuffer) {
        page_ = background_;
        return;
    }
    // The page keeps its buffer: let go of the pictures that share it, and put the background
    // back where the objects painted (all of it when that is not known). A fresh full-HD
    // page costs more in allocating and copying than the objects cost in drawing.
    clean_ = QImage();
    if (display_.constBits() == page_.constBits()) {
        display_ = QImage();
        cleanDisplay_ = QImage();
    }
    QPainter painter(&page_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!inkKnown_) {
        painter.drawImage(0, 0, background_);
        return;
    }
    for (const QRect& area : inked_& QRegion(page_.rect()))
        painter.drawImage(area.topLeft(), background_, area);
}

void ViewComposer::ShowViewWindow() {
    geometry_.ViewOrigin = QPoint(RoundHalfEven(page_.width() * geometry_.ViewRect.Left),
                                  RoundHalfEven(page_.height() * geometry_.ViewRect.Top));
    const QRect source(geometry_.ViewOrigin, geometry_.DisplaySize);
    if (source == page_.rect()) {
        // The whole page is visible: the display pictures share the page pictures.
        display_ = page_;
        cleanDisplay_ = clean_;
        return;
    }
    if (cleanDisplay_.constBits() == display_.constBits())
        cleanDisplay_ = QImage();
    ShowWindow(display_, page_, source);
    // Until a tool draws on the view, the clean display picture is the same picture.
    if (clean_.constBits() == page_.constBits())
        cleanDisplay_ = display_;
    else
        ShowWindow(cleanDisplay_, clean_, source);
}

int ViewComposer::HitTest(int x, int y) const {
    const QPointF point = geometry_.ScreenToPage(x, y);
    const RenderContext context = renderContext();
    const std::vector<int> order = DrawingOrder(document_);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const ObjDataTyp& o = document_.Objects[static_cast<size_t>(*it)];
        if (!context.layerVisible(o.Ebene))
            continue;
        const bool question =
            (o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
            o.FrageNummer == state_.CurrentQuestion;
        if (!IsClickableKind(o.Typ) && !question)
            continue;
        if (o.CardRect.contains(point))
            return *it;
    }
    return -1;
}

void ViewComposer::RedrawObject(int index) {
    if (page_.isNull() || index < 0 || index >= document_.ObjectCount())
        return;
    announce({ViewRebuildReason::ObjectRedraw});
    const Busy busy(announced_);
    // A picture that shares the page takes the page with the new card; the others take only the
    // card's area, so that the clean pictures never take drawings. Sharing pictures let go of
    // their picture first, so that drawing on it copies nothing.
    const auto shared = [](const QImage& a, const QImage& b) {
        return a.constBits() == b.constBits();
    };
    const bool cleanIsPage = shared(clean_, page_);
    const bool displayIsPage = shared(display_, page_);
    const bool cleanDisplayIsDisplay = shared(cleanDisplay_, display_);
    const bool cleanDisplayIsClean = shared(cleanDisplay_, clean_);
    if (cleanIsPage)
        clean_ = QImage();
    if (displayIsPage)
        display_ = QImage();
    if (cleanDisplayIsDisplay || cleanDisplayIsClean)
        cleanDisplay_ = QImage();
    const QRegion ink = drawCard(page_, index);
    inked_ += ink;
    if (cleanIsPage)
        clean_ = page_;
    else
        drawCard(clean_, index);
    const ObjDataTyp& drawn = document_.Objects[static_cast<size_t>(index)];
    const QRect card(QPoint(RoundHalfEven(drawn.CardRect.Left * page_.width()),
                            RoundHalfEven(drawn.CardRect.Top * page_.height())),
                     QPoint(RoundHalfEven(drawn.CardRect.Right * page_.width()),
                            RoundHalfEven(drawn.CardRect.Bottom * page_.height())));
    const QRect area = (card.adjusted(-1, -1, 1, 1) | ink.boundingRect()).intersected(page_.rect());
    if (displayIsPage)
        display_ = page_;
    else
        copyCardArea(display_, page_, area);
    if (cleanDisplayIsDisplay)
        cleanDisplay_ = display_;
    else if (cleanDisplayIsClean)
        cleanDisplay_ = clean_;
    else
        copyCardArea(cleanDisplay_, clean_, area);
}

QRegion ViewComposer::drawCard(QImage& picture, int index) {
    const ObjDataTyp& o = document_.Objects[static_cast<size_t>(index)];
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (o.State != ObjectState::Covered && o.CardRect.Left >= 0.0) {
        // Give the covered card area back its picture from before the objects were drawn,
        // with the pixel around it that the smoothed outline of a run's number mark reaches.
        const QRect area = QRect(QPoint(RoundHalfEven(o.CardRect.Left * picture.width()),
                                        RoundHalfEven(o.CardRect.Top * picture.height())),
                                 QPoint(RoundHalfEven(o.CardRect.Right * picture.width()) - 1,
                                        RoundHalfEven(o.CardRect.Bottom * picture.height()) - 1))
                               .adjusted(-1, -1, 1, 1)
                               .intersected(static_.rect());
        painter.drawImage(area.topLeft(), static_, area);
    }
    RenderContext context = renderContext();
    // Lines run beneath the other objects and stay as they are, except a pair's: it runs
    // between the columns, where no card lies, and comes with the pair joined.
    context.drawLines = IsPairKind(o.Typ);
    QRegion ink;
    context.ink = &ink;
    DrawObject(document_, index, painter, context);
    return ink;
}

void ViewComposer::copyCardArea(QImage& window, const QImage& page, const QRect& area) const {
    const QRect visible = area.translated(-geometry_.ViewOrigin).intersected(window.rect());
    if (visible.isEmpty())
        return;
    QPainter painter(&window);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(visible.topLeft(), page, visible.translated(geometry_.ViewOrigin));
}

bool ViewComposer::SetZoom(ZoomLevel level) {
    if (level == geometry_.Zoom)
        return false;
    const bool recompose = state_.ViewMode == Mode::Learning && !pictureArea_.isEmpty();
    if (recompose)
        announce({ViewRebuildReason::Zoom, geometry_.Zoom, level});
    const Busy busy(announced_);
    geometry_.Zoom = level;
    geometry_.ZoomFactor = ZoomFactorOf(level);
    if (recompose)
        ComposeView(pictureArea_);
    return true;
}

bool ViewComposer::ZoomIn() {
    if (geometry_.Zoom == ZoomLevel::Percent200)
        return false;
    return SetZoom(geometry_.Zoom == ZoomLevel::Percent100 ? ZoomLevel::Percent150
                                                           : ZoomLevel::Percent200);
}

bool ViewComposer::ZoomOut() {
    if (geometry_.Zoom == ZoomLevel::Percent100)
        return false;
    return SetZoom(geometry_.Zoom == ZoomLevel::Percent200 ? ZoomLevel::Percent150
                                                           : ZoomLevel::Percent100);
}

void ViewComposer::DragView(QPoint from, QPoint to) {
    if (page_.isNull())
        return;
    announce({ViewRebuildReason::Pan});
    const Busy busy(announced_);
    FracRect& view = geometry_.ViewRect;
    const double vw = view.Right - view.Left;
    const double vh = view.Bottom - view.Top;
    const double left = std::clamp(
        view.Left + static_cast<double>(from.x() - to.x()) / page_.width(), 0.0, 1.0 - vw);
    const double top = std::clamp(
        view.Top + static_cast<double>(from.y() - to.y()) / page_.height(), 0.0, 1.0 - vh);
    view = {left, top, left + vw, top + vh};
    ShowViewWindow();
}

void ViewComposer::commitDrawings() {
    if (page_.isNull() || display_.isNull() || display_.constBits() == page_.constBits())
        return;
    const QRect target = QRect(geometry_.ViewOrigin, display_.size()).intersected(page_.rect());
    if (target == page_.rect() && display_.size() == page_.size()) {
        page_ = display_;
        return;
    }
    QPainter painter(&page_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), display_, target.translated(-geometry_.ViewOrigin));
}

void ViewComposer::removeDrawings() {
    if (clean_.isNull())
        return;
    page_ = clean_;
    ShowViewWindow();
}

bool ViewComposer::releasePageSharing() {
    const bool wholePage = display_.constBits() == page_.constBits();
    clean_ = QImage();
    if (wholePage) {
        display_ = QImage();
        cleanDisplay_ = QImage();
    }
    return wholePage;
}

QRect ViewComposer::showChangedArea(const QRect& area, bool wholePage) {
    clean_ = page_;
    if (wholePage) {
        display_ = page_;
        cleanDisplay_ = clean_;
        return area.intersected(page_.rect());
    }
    const QRect visible = area.translated(-geometry_.ViewOrigin).intersected(display_.rect());
    if (!visible.isEmpty()) {
        cleanDisplay_ = QImage();
        QPainter p(&display_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(visible.topLeft(), page_, visible.translated(geometry_.ViewOrigin));
    }
    cleanDisplay_ = display_;
    return visible;
}

QRect ViewComposer::objectArea(int index) const {
    if (index < 0 || index >= document_.ObjectCount() || page_.isNull())
        return QRect();
    const ObjDataTyp& o = document_.Objects[static_cast<size_t>(index)];
    if (o.CardRect.Left < 0.0)
        return QRect();
    const double w = page_.width();
    const double h = page_.height();
    QRect area(QPoint(RoundHalfEven(o.CardRect.Left * w), RoundHalfEven(o.CardRect.Top * h)),
               QPoint(RoundHalfEven(o.CardRect.Right * w), RoundHalfEven(o.CardRect.Bottom * h)));
    const int thick = std::max(0, o.LinieDicke);
    if ((o.Sline == 1 || o.Sline == kPairLineForm) && thick > 0) {
        const QPoint anchor(RoundHalfEven(o.Sx * w), RoundHalfEven(o.Sy * h));
        const QPoint cardPoint(RoundHalfEven(o.Kx * w), RoundHalfEven(o.Ky * h));
        // A pair's line reaches 50 pixels beyond both of its ends.
        const int reach = o.Sline == kPairLineForm ? 50 : 0;
        area |= QRect(anchor, cardPoint)
                    .normalized()
                    .adjusted(-thick - reach, -thick, thick + reach, thick);
    }
    // Outlines and smoothed edges reach a little beyond the shapes, as the drawing records.
    const int bleed = 3 + RoundHalfEven(w / 870.0);
    return area.adjusted(-bleed, -bleed, bleed, bleed);
}

QRect ViewComposer::redrawArea(QRegion area, const std::vector<int>& placed) {
    if (page_.isNull() || background_.isNull())
        return QRect();
    if (LayoutDrawsOverObjects(document_.Header)) {
        // The layout's text lies over the objects: only composing anew puts both back.
        ComposeView(pictureArea_);
        return QRect(QPoint(0, 0), display_.size());
    }
    announce({ViewRebuildReason::ObjectRedraw});
    const Busy busy(announced_);
    const RenderContext context = renderContext();
    if (!placed.empty()) {
        // Drawn where nothing shows, only to learn where the cards go now.
        QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter measure(&scratch);
        for (const int index : placed) {
            if (index >= 0 && index < document_.ObjectCount()) {
                DrawObject(document_, index, measure, context);
                area += objectArea(index);
            }
        }
    }
    area &= QRegion(page_.rect());
    if (area.isEmpty())
        return QRect();
    std::vector<int> reaching;
    for (int i = 0; i < document_.ObjectCount(); ++i) {
        if (area.intersects(objectArea(i)))
            reaching.push_back(i);
    }
    const auto restore = [this, &area](QImage& target) {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& part : area)
            painter.drawImage(part.topLeft(), background_, part);
    };
    // The snapshot that uncovering copies from keeps the fixed objects where they are now.
    restore(static_);
    {
        QPainter painter(&static_);
        painter.setClipRegion(area);
        painter.setRenderHint(QPainter::TextAntialiasing);
        for (const int i : reaching) {
            if (IsFixedKind(document_.Objects[static_cast<size_t>(i)].Typ))
                DrawObject(document_, i, painter, context);
        }
    }
    const bool wholePage = releasePageSharing();
    restore(page_);
    {
        QPainter painter(&page_);
        painter.setClipRegion(area);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // In drawing order, the covered fields last, as DrawAllObjects has them.
        const std::vector<int> order = DrawingOrder(document_);
        for (int pass = 0; pass < 2; ++pass) {
            for (const int i : order) {
                const ObjDataTyp& o = document_.Objects[static_cast<size_t>(i)];
                if (IsCoveredQueryField(o) == (pass == 1) &&
                    std::binary_search(reaching.begin(), reaching.end(), i))
                    DrawObject(document_, i, painter, context);
            }
        }
    }
    inked_ += area;
    return showChangedArea(area.boundingRect(), wholePage);
}

} // namespace quindor
