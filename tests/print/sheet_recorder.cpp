#include "sheet_recorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace quindor::test {

namespace {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(SheetRecorder& recorder)
        : QPaintEngine(QPaintEngine::AllFeatures), recorder_(recorder) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform)
            transform_ = state.transform();
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            brush_ = state.brush();
    }

    void drawTextItem(const QPointF& point, const QTextItem& item) override {
        recorder_.texts.push_back({item.text(), transform_.map(point), pen_.color(), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            recorder_.lines.push_back({transform_.map(lines[i]), pen_.color()});
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            recorder_.lines.push_back({transform_.map(QLineF(lines[i])), pen_.color()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            recorder_.rects.push_back(
                {transform_.mapRect(rects[i]), colourOf(pen_), colourOf(brush_)});
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            recorder_.rects.push_back(
                {transform_.mapRect(QRectF(rects[i])), colourOf(pen_), colourOf(brush_)});
    }
    void drawPixmap(const QRectF& rect, const QPixmap&, const QRectF&) override {
        recorder_.images.push_back(transform_.mapRect(rect));
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF&,
                   Qt::ImageConversionFlags) override {
        recorder_.images.push_back(transform_.mapRect(rect));
        recorder_.pictures.push_back(image);
    }
    // The painter hands lines and rectangles over as polygons and paths here.
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        if (count == 2) {
            recorder_.lines.push_back({transform_.map(QLineF(points[0], points[1])), pen_.color()});
            return;
        }
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        drawPath(path);
    }
    void drawPath(const QPainterPath& path) override {
        recorder_.rects.push_back(
            {transform_.mapRect(path.boundingRect()), colourOf(pen_), colourOf(brush_)});
    }

private:
    static QColor colourOf(const QPen& pen) {
        return pen.style() == Qt::NoPen ? QColor() : pen.color();
    }
    static QColor colourOf(const QBrush& brush) {
        return brush.style() == Qt::NoBrush ? QColor() : brush.color();
    }

    SheetRecorder& recorder_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
};

} // namespace

SheetRecorder::SheetRecorder(QSize size)
    : size_(size), engine_(std::make_unique<RecordingEngine>(*this)) {}

SheetRecorder::~SheetRecorder() = default;

QPaintEngine* SheetRecorder::paintEngine() const {
    return engine_.get();
}

int SheetRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return size_.width() * 254 / 960;
    case PdmHeightMM:
        return size_.height() * 254 / 960;
    case PdmNumColors:
        return 256;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

std::vector<SheetRecorder::Text> SheetRecorder::textsIn(const QColor& colour) const {
    std::vector<Text> result;
    for (const Text& t : texts) {
        if (t.colour.rgb() == colour.rgb())
            result.push_back(t);
    }
    return result;
}

bool SheetRecorder::hasText(const QString& piece) const {
    for (const Text& t : texts) {
        if (t.text.contains(piece))
            return true;
    }
    return false;
}

std::unique_ptr<SheetRecorder> RecordSheet(const SheetPicture& sheet) {
    auto recorder = std::make_unique<SheetRecorder>(sheet.size());
    QPainter painter(recorder.get());
    sheet.replay(painter);
    return recorder;
}

} // namespace quindor::test
