#include "document/document_session.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace quindor {

namespace {

// The picture is designed at this size; it is drawn anew at any other.
constexpr int kDesignWidth = 870;
constexpr int kDesignHeight = 609;
// The frame: a band of 6 pixels around a rectangle 18 pixels inside, with rounded corners.
constexpr double kEdge = 18;
constexpr double kRadius = 14;
constexpr double kHalfBand = 3;
constexpr int kFrameAlpha = 60;
constexpr int kLineAlpha = 28;

const QColor kTop(0x3C, 0x5A, 0x73);
const QColor kBottom(0x24, 0x3B, 0x4E);

int Mix(int from, int to, double share) {
    return static_cast<int>(from + (to - from) * share + 0.5);
}

// The board: a vertical gradient, one colour per row taken at the row's middle. Rows of the
// same colour are copied from the one before.
void FillBoard(QImage& image, const QRect& area, const QRect& clip) {
    QRgb previous = 0;
    const QRgb* previousRow = nullptr;
    const auto width = static_cast<size_t>(clip.width());
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const double share = (y - area.top() + 0.5) / area.height();
        const QRgb colour =
            qRgb(Mix(kTop.red(), kBottom.red(), share), Mix(kTop.green(), kBottom.green(), share),
                 Mix(kTop.blue(), kBottom.blue(), share));
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y)) + clip.left();
        if (previousRow && colour == previous)
            std::memcpy(row, previousRow, width * sizeof(QRgb));
        else
            std::fill(row, row + width, colour);
        previous = colour;
        previousRow = row;
    }
}

double Overlap(double from, double to, int pixel) {
    return std::clamp(std::min(to, pixel + 1.0) - std::max(from, static_cast<double>(pixel)), 0.0,
                      1.0);
}

// White laid over a rectangle of the image (device pixels, fractions at its edges covered in
// part), as an antialiasing painter would.
void Whiten(QImage& image, const QRectF& rect, const QRect& clip, int alpha) {
    const int top = std::max(clip.top(), static_cast<int>(std::floor(rect.top())));
    const int bottom = std::min(clip.bottom(), static_cast<int>(std::ceil(rect.bottom())) - 1);
    const int left = std::max(clip.left(), static_cast<int>(std::floor(rect.left())));
    const int right = std::min(clip.right(), static_cast<int>(std::ceil(rect.right())) - 1);
    if (top > bottom || left > right)
        return;
    // The share of white per column in 1/65536, scaled by each row's cover below.
    std::vector<int> columns(static_cast<size_t>(right - left + 1));
    for (int x = left; x <= right; ++x)
        columns[static_cast<size_t>(x - left)] =
            static_cast<int>(alpha / 255.0 * Overlap(rect.left(), rect.right(), x) * 65536 + 0.5);
    for (int y = top; y <= bottom; ++y) {
        const int rowCover = static_cast<int>(Overlap(rect.top(), rect.bottom(), y) * 256 + 0.5);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = left; x <= right; ++x) {
            const int a = columns[static_cast<size_t>(x - left)] * rowCover >> 8;
            const QRgb c = row[x];
            const auto over = [a](int channel) {
                return channel + (((255 - channel) * a + 32768) >> 16);
            };
            row[x] = qRgba(over(qRed(c)), over(qGreen(c)), over(qBlue(c)), qAlpha(c));
        }
    }
}

} // namespace

void DrawStartPicture(QImage& image, const QRect& area) {
    const QRect clip = area & image.rect();
    if (clip.isEmpty())
        return;
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied) {
        QImage drawn(area.size(), QImage::Format_ARGB32_Premultiplied);
        DrawStartPicture(drawn, drawn.rect());
        QPainter(&image).drawImage(area.topLeft(), drawn);
        return;
    }
    // A calm slate-blue board with a light frame and faint lines to write on: the surface the
    // program shows before a document is chosen.
    FillBoard(image, area, clip);
    const double sx = static_cast<double>(area.width()) / kDesignWidth;
    const double sy = static_cast<double>(area.height()) / kDesignHeight;
    const auto mapped = [&](double x, double y, double w, double h) {
        return QRectF(area.left() + x * sx, area.top() + y * sy, w * sx, h * sy);
    };
    // The frame's straight bands are laid by hand (a painter would spread a tall narrow fill
    // over threads for little), its four quarter rings by a painter.
    const double right = kDesignWidth - kEdge;
    const double bottom = kDesignHeight - kEdge;
    const double across = right - kEdge - 2 * kRadius;
    const double down = bottom - kEdge - 2 * kRadius;
    Whiten(image, mapped(kEdge + kRadius, kEdge - kHalfBand, across, 2 * kHalfBand), clip,
           kFrameAlpha);
    Whiten(image, mapped(kEdge + kRadius, bottom - kHalfBand, across, 2 * kHalfBand), clip,
           kFrameAlpha);
    Whiten(image, mapped(kEdge - kHalfBand, kEdge + kRadius, 2 * kHalfBand, down), clip,
           kFrameAlpha);
    Whiten(image, mapped(right - kHalfBand, kEdge + kRadius, 2 * kHalfBand, down), clip,
           kFrameAlpha);
    // The lines, two pixels high with their square ends.
    for (int y = 120; y < kDesignHeight - 60; y += 60)
        Whiten(image, mapped(69, y - 1, kDesignWidth - 138, 2), clip, kLineAlpha);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(clip);
    painter.translate(area.topLeft());
    painter.scale(sx, sy);
    painter.setPen(
        QPen(QColor(255, 255, 255, kFrameAlpha), 2 * kHalfBand, Qt::SolidLine, Qt::FlatCap));
    const QPointF corners[] = {{kEdge, kEdge},
                               {right - 2 * kRadius, kEdge},
                               {right - 2 * kRadius, bottom - 2 * kRadius},
                               {kEdge, bottom - 2 * kRadius}};
    const int starts[] = {90, 0, 270, 180};
    for (int i = 0; i < 4; ++i)
        painter.drawArc(QRectF(corners[i], QSizeF(2 * kRadius, 2 * kRadius)), starts[i] * 16,
                        90 * 16);
}

Picture BuiltInStartPicture() {
    // Kept at a third of its design size: it is shown drawn anew at the size of the view, and
    // the small copy spares the start two megabytes of fresh memory.
    QImage image(kDesignWidth / 3, kDesignHeight / 3, QImage::Format_ARGB32_Premultiplied);
    DrawStartPicture(image, image.rect());
    Picture picture;
    picture.Image = image;
    picture.Linear = true;
    picture.Redraw = DrawStartPicture;
    picture.RedrawKey = image.cacheKey();
    return picture;
}

} // namespace quindor
