#include "view/query_fields.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace quindor {

std::optional<int> QuestionAfterKey(const HeaderDataTyp& header, int current, int key) {
    const int count = header.AnzFrageNummern;
    if (!header.Type().questions || count <= 0)
        return std::nullopt;
    switch (key) {
    case Qt::Key_Home:
        return 1;
    case Qt::Key_End:
        return count;
    case Qt::Key_Left:
        return std::clamp(current - 1, 1, count);
    case Qt::Key_Right:
        return std::clamp(current + 1, 1, count);
    default:
        return std::nullopt;
    }
}

namespace {

// -1 near the low edge, 1 near the high edge, 0 between; the low edge wins on a narrow sheet.
int Zone(int value, int start, int length) {
    if (value < start + kCoverSheetHandle)
        return -1;
    if (value >= start + length - kCoverSheetHandle)
        return 1;
    return 0;
}

} // namespace

CoverSheetPart CoverSheet::hitPart(QPoint point) const {
    if (!Rect.contains(point))
        return CoverSheetPart::None;
    const int h = Zone(point.x(), Rect.x(), Rect.width());
    const int v = Zone(point.y(), Rect.y(), Rect.height());
    if (v < 0)
        return h < 0 ? CoverSheetPart::TopLeft
                     : (h > 0 ? CoverSheetPart::TopRight : CoverSheetPart::Top);
    if (v > 0)
        return h < 0 ? CoverSheetPart::BottomLeft
                     : (h > 0 ? CoverSheetPart::BottomRight : CoverSheetPart::Bottom);
    return h < 0 ? CoverSheetPart::Left : (h > 0 ? CoverSheetPart::Right : CoverSheetPart::Body);
}

QRect CoverSheet::drag(CoverSheetPart part, const QRect& startRect, QPoint pressPoint,
                       QPoint currentPoint) {
    const QPoint delta = currentPoint - pressPoint;
    if (part == CoverSheetPart::Body)
        return startRect.translated(delta);
    const bool left = part == CoverSheetPart::Left || part == CoverSheetPart::TopLeft ||
                      part == CoverSheetPart::BottomLeft;
    const bool right = part == CoverSheetPart::Right || part == CoverSheetPart::TopRight ||
                       part == CoverSheetPart::BottomRight;
    const bool top = part == CoverSheetPart::Top || part == CoverSheetPart::TopLeft ||
                     part == CoverSheetPart::TopRight;
    const bool bottom = part == CoverSheetPart::Bottom || part == CoverSheetPart::BottomLeft ||
                        part == CoverSheetPart::BottomRight;

    int x = startRect.x();
    int y = startRect.y();
    int width = startRect.width();
    int height = startRect.height();
    // A moved left or top edge keeps the opposite edge where it was.
    if (left) {
        const int shift = std::min(delta.x(), width - kCoverSheetMinimum);
        x += shift;
        width -= shift;
    } else if (right) {
        width = std::max(kCoverSheetMinimum, width + delta.x());
    }
    if (top) {
        const int shift = std::min(delta.y(), height - kCoverSheetMinimum);
        y += shift;
        height -= shift;
    } else if (bottom) {
        height = std::max(kCoverSheetMinimum, height + delta.y());
    }
    return QRect(x, y, width, height);
}

} // namespace quindor
