#include "view/ui/cover_sheet_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace quindor {

CoverSheetWidget::CoverSheetWidget(QWidget* pictureArea) : QWidget(pictureArea) {
    setObjectName(QStringLiteral("AbdeckblattPanel"));
    setMouseTracking(true);
    hide();
}

void CoverSheetWidget::showSheet() {
    sheet_.Show(parentWidget()->size());
    setGeometry(sheet_.Rect);
    show();
    raise();
}

void CoverSheetWidget::hideSheet() {
    sheet_.Hide();
    hide();
}

void CoverSheetWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(kCoverSheetColour));
    // Faint grips show where the edges can be taken.
    painter.setPen(QColor(0, 0, 0, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawRect(rect().adjusted(kCoverSheetHandle, kCoverSheetHandle, -kCoverSheetHandle - 1,
                                     -kCoverSheetHandle - 1));
}

void CoverSheetWidget::updateCursor(QPoint areaPoint) {
    switch (sheet_.hitPart(areaPoint)) {
    case CoverSheetPart::Left:
    case CoverSheetPart::Right:
        setCursor(Qt::SizeHorCursor);
        break;
    case CoverSheetPart::Top:
    case CoverSheetPart::Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case CoverSheetPart::TopLeft:
    case CoverSheetPart::BottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case CoverSheetPart::TopRight:
    case CoverSheetPart::BottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    default:
        setCursor(Qt::OpenHandCursor);
        break;
    }
}

void CoverSheetWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressPoint_ = mapToParent(event->position().toPoint());
    grabbed_ = sheet_.hitPart(pressPoint_);
    startRect_ = sheet_.Rect;
}

void CoverSheetWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = mapToParent(event->position().toPoint());
    if (grabbed_ == CoverSheetPart::None) {
        updateCursor(point);
        return;
    }
    sheet_.Rect = CoverSheet::drag(grabbed_, startRect_, pressPoint_, point);
    setGeometry(sheet_.Rect);
}

void CoverSheetWidget::mouseReleaseEvent(QMouseEvent*) {
    grabbed_ = CoverSheetPart::None;
}

} // namespace quindor
