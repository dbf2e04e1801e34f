#include "print/sheet_picture.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace quindor {

namespace {

constexpr int kResolution = 96;

// Half the size, each pixel the mean of four, channel by channel. Pictures of 32-bit pixels keep
// their format (a picture with straight alpha lets the colour of transparent pixels tint their
// neighbours a little at its edges); others are converted first.
QImage Halved(const QImage& image) {
    const QImage::Format format = image.format();
    const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                        format == QImage::Format_ARGB32_Premultiplied;
    const QImage source =
        direct ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage half(source.width() / 2, source.height() / 2, source.format());
    const int width = half.width();
    const int height = half.height();
    constexpr quint32 kMask = 0x00FF00FF;
    // Two channels at a time, each with room for the sum of four and half of it to round.
    constexpr quint32 kRound = 0x00020002;
    // Whether every pixel is opaque: such a picture is handed on without alpha, which files
    // store more cheaply.
    quint32 alpha = 0xFF000000;
    for (int y = 0; y < height; ++y) {
        const auto* upper = reinterpret_cast<const quint32*>(source.constScanLine(2 * y));
        const auto* lower = reinterpret_cast<const quint32*>(source.constScanLine(2 * y + 1));
        auto* out = reinterpret_cast<quint32*>(half.scanLine(y));
        for (int x = 0; x < width; ++x, upper += 2, lower += 2) {
            const quint32 a = upper[0], b = upper[1], c = lower[0], d = lower[1];
            const quint32 evens = (a & kMask) + (b & kMask) + (c & kMask) + (d & kMask) + kRound;
            const quint32 odds = ((a >> 8) & kMask) + ((b >> 8) & kMask) + ((c >> 8) & kMask) +
                                 ((d >> 8) & kMask) + kRound;
            out[x] = ((evens >> 2) & kMask) | (((odds >> 2) & kMask) << 8);
            alpha &= out[x];
        }
    }
    if (alpha == 0xFF000000 && half.format() != QImage::Format_RGB32)
        half.reinterpretAsFormat(QImage::Format_RGB32);
    return half;
}

// The picture halved as often as it stays at least `dpi` fine where the painter puts it on its
// device: between dpi and twice that, at the cost of a quick mean of four pixels.
QImage Reduced(const QPainter& painter, const QRectF& rect, const QImage& image, int dpi) {
    if (dpi <= 0 || image.isNull())
        return image;
    const QRectF placed = painter.transform().mapRect(rect);
    const QPaintDevice* device = painter.device();
    const double width = placed.width() / device->logicalDpiX() * dpi;
    const double height = placed.height() / device->logicalDpiY() * dpi;
    QImage reduced = image;
    while (reduced.width() >= 2 * width && reduced.height() >= 2 * height && reduced.width() > 1 &&
           reduced.height() > 1)
        reduced = Halved(reduced);
    return reduced;
}

// Keeps every state change and drawing call as a command that repeats it on another painter.
// The painter hands the engine untransformed coordinates with the transformation in its state,
// so a command sets the recorded transformation onto the base of the replay first.
class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(std::vector<SheetPicture::Command>& commands)
        : QPaintEngine(QPaintEngine::AllFeatures), commands_(commands) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform) {
            add([t = state.transform()](QPainter& p, const SheetPicture::Replay& r) {
                p.setTransform(t * r.base);
            });
        }
        if (flags & DirtyPen)
            add([pen = state.pen()](QPainter& p, const SheetPicture::Replay&) { p.setPen(pen); });
        if (flags & DirtyBrush)
            add([brush = state.brush()](QPainter& p, const SheetPicture::Replay&) {
                p.setBrush(brush);
            });
        if (flags & DirtyBrushOrigin) {
            add([origin = state.brushOrigin()](QPainter& p, const SheetPicture::Replay&) {
                p.setBrushOrigin(origin);
            });
        }
        if (flags & DirtyBackground) {
            add([brush = state.backgroundBrush()](QPainter& p, const SheetPicture::Replay&) {
                p.setBackground(brush);
            });
        }
        if (flags & DirtyBackgroundMode) {
            add([mode = state.backgroundMode()](QPainter& p, const SheetPicture::Replay&) {
                p.setBackgroundMode(mode);
            });
        }
        if (flags & DirtyFont)
            add([font = state.font()](QPainter& p, const SheetPicture::Replay&) {
                p.setFont(font);
            });
        if (flags & DirtyHints) {
            add([hints = state.renderHints()](QPainter& p, const SheetPicture::Replay&) {
                p.setRenderHints(~hints, false);
                p.setRenderHints(hints, true);
            });
        }
        if (flags & DirtyCompositionMode) {
            add([mode = state.compositionMode()](QPainter& p, const SheetPicture::Replay&) {
                p.setCompositionMode(mode);
            });
        }
        if (flags & DirtyOpacity) {
            add([opacity = state.opacity()](QPainter& p, const SheetPicture::Replay&) {
                p.setOpacity(opacity);
            });
        }
        // A new clip comes with the switch turned on; a restore that drops the clip sends the
        // switch on with no clip at all. So the switch alone counts only without a clip.
        const bool clipChanged = flags & (DirtyClipRegion | DirtyClipPath);
        if ((flags & DirtyClipEnabled) && !clipChanged) {
            add([on = state.isClipEnabled()](QPainter& p, const SheetPicture::Replay&) {
                p.setClipping(on);
            });
        }
        if (flags & DirtyClipRegion) {
            add([region = state.clipRegion(),
                 op = state.clipOperation()](QPainter& p, const SheetPicture::Replay&) {
                if (op == Qt::NoClip)
                    p.setClipping(false);
                else
                    p.setClipRegion(region, op);
            });
        }
        if (flags & DirtyClipPath) {
            add([path = state.clipPath(), op = state.clipOperation()](QPainter& p,
                                                                      const SheetPicture::Replay&) {
                if (op == Qt::NoClip)
                    p.setClipping(false);
                else
                    p.setClipPath(path, op);
            });
        }
    }

    void drawRects(const QRectF* rects, int count) override {
        add([r = std::vector<QRectF>(rects, rects + count)](QPainter& p,
                                                            const SheetPicture::Replay&) {
            p.drawRects(r.data(), static_cast<int>(r.size()));
        });
    }
    void drawRects(const QRect* rects, int count) override {
        add([r = std::vector<QRect>(rects, rects + count)](QPainter& p,
                                                           const SheetPicture::Replay&) {
            p.drawRects(r.data(), static_cast<int>(r.size()));
        });
    }
    void drawLines(const QLineF* lines, int count) override {
        add([l = std::vector<QLineF>(lines, lines + count)](QPainter& p,
                                                            const SheetPicture::Replay&) {
            p.drawLines(l.data(), static_cast<int>(l.size()));
        });
    }
    void drawLines(const QLine* lines, int count) override {
        add([l = std::vector<QLine>(lines, lines + count)](QPainter& p,
                                                           const SheetPicture::Replay&) {
            p.drawLines(l.data(), static_cast<int>(l.size()));
        });
    }
    void drawEllipse(const QRectF& rect) override {
        add([rect](QPainter& p, const SheetPicture::Replay&) { p.drawEllipse(rect); });
    }
    void drawPath(const QPainterPath& path) override {
        add([path](QPainter& p, const SheetPicture::Replay&) { p.drawPath(path); });
    }
    void drawPoints(const QPointF* points, int count) override {
        add([pts = std::vector<QPointF>(points, points + count)](QPainter& p,
                                                                 const SheetPicture::Replay&) {
            p.drawPoints(pts.data(), static_cast<int>(pts.size()));
        });
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        add([pts = std::vector<QPointF>(points, points + count),
             mode](QPainter& p, const SheetPicture::Replay&) {
            const int n = static_cast<int>(pts.size());
            if (mode == PolylineMode)
                p.drawPolyline(pts.data(), n);
            else
                p.drawPolygon(pts.data(), n,
                              mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        });
    }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override {
        add([rect, pixmap, source](QPainter& p, const SheetPicture::Replay&) {
            p.drawPixmap(rect, pixmap, source);
        });
    }
    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap,
                         const QPointF& offset) override {
        add([rect, pixmap, offset](QPainter& p, const SheetPicture::Replay&) {
            p.drawTiledPixmap(rect, pixmap, offset);
        });
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        add([rect, image, source, flags](QPainter& p, const SheetPicture::Replay& r) {
            if (r.pictureDpi <= 0) {
                p.drawImage(rect, image, source, flags);
                return;
            }
            const QImage part =
                source == QRectF(image.rect()) ? image : image.copy(source.toAlignedRect());
            const QImage reduced = Reduced(p, rect, part, r.pictureDpi);
            p.drawImage(rect, reduced, QRectF(reduced.rect()), flags);
        });
    }
    void drawTextItem(const QPointF& point, const QTextItem& item) override {
        add([point, text = item.text(), font = item.font()](QPainter& p,
                                                            const SheetPicture::Replay&) {
            // The pen of the text stays; only the font is the item's own.
            const QFont before = p.font();
            p.setFont(font);
            p.drawText(point, text);
            p.setFont(before);
        });
    }

private:
    void add(SheetPicture::Command command) { commands_.push_back(std::move(command)); }

    std::vector<SheetPicture::Command>& commands_;
};

} // namespace

void SheetPicture::replay(QPainter& painter, int pictureDpi) const {
    if (!commands_)
        return;
    painter.save();
    const Replay replay{painter.transform(), pictureDpi};
    for (const Command& command : *commands_)
        command(painter, replay);
    painter.restore();
}

SheetPictureDevice::SheetPictureDevice(QSize size)
    : size_(size), commands_(std::make_shared<std::vector<SheetPicture::Command>>()),
      engine_(std::make_unique<RecordingEngine>(*commands_)) {}

SheetPictureDevice::~SheetPictureDevice() = default;

QPaintEngine* SheetPictureDevice::paintEngine() const {
    return engine_.get();
}

SheetPicture SheetPictureDevice::picture() const {
    SheetPicture picture;
    picture.size_ = size_;
    picture.commands_ = commands_;
    return picture;
}

int SheetPictureDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return qRound(size_.width() * 25.4 / kResolution);
    case PdmHeightMM:
        return qRound(size_.height() * 25.4 / kResolution);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kResolution;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace quindor
