#pragma once

#include "print/sheet_picture.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace quindor::test {

// What a sheet draws, in sheet units: a paint device that keeps every text, line, shape and
// picture drawn on it with the colours in force.
class SheetRecorder : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF baseline;
        QColor colour;
        QFont font;
    };
    struct Line {
        QLineF line;
        QColor colour;
    };
    struct Rect {
        QRectF rect;
        QColor pen;   // invalid without a pen
        QColor brush; // invalid without a brush
    };

    explicit SheetRecorder(QSize size);
    ~SheetRecorder() override;

    std::vector<Text> texts;
    std::vector<Line> lines;
    // Rectangles, and the bounds of every other shape, filled or outlined.
    std::vector<Rect> rects;
    std::vector<QRectF> images;
    // The pictures themselves, as drawn.
    std::vector<QImage> pictures;

    QPaintEngine* paintEngine() const override;

    // The texts in one colour, and whether any text contains a piece.
    std::vector<Text> textsIn(const QColor& colour) const;
    bool hasText(const QString& piece) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<QPaintEngine> engine_;
};

// Replays a sheet at its own size into a recorder.
std::unique_ptr<SheetRecorder> RecordSheet(const SheetPicture& sheet);

} // namespace quindor::test
