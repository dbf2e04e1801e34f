#pragma once

#include "core/colour.h"
#include "document/document_model.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace quindor {

// The question shown after Home, End, Left or Right (Qt::Key values) in a single-question or
// multiple-choice document; nothing for other keys, other document types or no questions, so
// the window leaves the key to others and does not recompose.
std::optional<int> QuestionAfterKey(const HeaderDataTyp& header, int current, int key);

constexpr WinColor kCoverSheetColour = 0xB8C7C7;
constexpr int kCoverSheetHandle = 40;
// Two handles and a grabbable body in each direction.
constexpr int kCoverSheetMinimum = 3 * kCoverSheetHandle;

enum class CoverSheetPart {
    None,
    Body,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// The movable panel over the picture area, in picture-area pixels.
struct CoverSheet {
    QRect Rect;
    bool Visible = false;

    void Show(QSize area) {
        Rect = QRect(QPoint(0, 0), area);
        Visible = true;
    }
    void Hide() { Visible = false; }

    // The handle under a point: strips of kCoverSheetHandle pixels inside the edges, squares in
    // the corners; None outside the sheet.
    CoverSheetPart hitPart(QPoint point) const;
    // The sheet after the part grabbed at pressPoint has been dragged to currentPoint: the body
    // moves, a handle moves its edges; the opposite edges stay.
    static QRect drag(CoverSheetPart part, const QRect& startRect, QPoint pressPoint,
                      QPoint currentPoint);
};

} // namespace quindor
