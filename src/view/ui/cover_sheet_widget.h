#pragma once

#include "view/query_fields.h"

#include <QWidget>

namespace quindor {

// The cover sheet over the picture area: a plain panel the teacher drags over parts of the
// page; its body moves it, the handles along its edges and corners resize it.
class CoverSheetWidget : public QWidget {
    Q_OBJECT
public:
    explicit CoverSheetWidget(QWidget* pictureArea);
    void showSheet();
    void hideSheet();
    const CoverSheet& sheet() const { return sheet_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateCursor(QPoint areaPoint);

    CoverSheet sheet_;
    CoverSheetPart grabbed_ = CoverSheetPart::None;
    QRect startRect_;
    QPoint pressPoint_;
};

} // namespace quindor
