#pragma once

#include "print/sheet_picture.h"
#include <QImage>
#include <QPoint>
#include <QScrollArea>

namespace quindor {

// The preview of the worksheet: the sheet on a grey border, as large as the room allows in the
// sheet's proportion and centred. Dragging with the left button and the mouse wheel scroll it.
class WorksheetPreview : public QScrollArea {
    Q_OBJECT
public:
    explicit WorksheetPreview(QWidget* parent = nullptr);

    void setSheet(const SheetPicture& sheet, bool landscape);
    // The picture shown, at the size of the page inside its border.
    const QImage& picture() const { return picture_; }
    QSize pageSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void render();

    QWidget* page_;
    SheetPicture sheet_;
    bool landscape_ = false;
    QImage picture_;
    QPoint dragFrom_;
    bool dragging_ = false;
};

} // namespace quindor
