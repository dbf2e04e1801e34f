#include "print/ui/worksheet_preview.h"

#include "print/worksheet_output.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace quindor {

namespace {

// The border around the page, on each side.
constexpr int kBorder = 20;

// Paints the rendered page inside its border.
class PreviewPage : public QWidget {
public:
    PreviewPage(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        painter.drawImage(QPoint(kBorder, kBorder), picture_);
    }

private:
    const QImage& picture_;
};

} // namespace

WorksheetPreview::WorksheetPreview(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("VorschauPanel"));
    page_ = new PreviewPage(picture_, this);
    page_->setObjectName(QStringLiteral("VorschauBild"));
    page_->installEventFilter(this);
    setWidget(page_);
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void WorksheetPreview::setSheet(const SheetPicture& sheet, bool landscape) {
    sheet_ = sheet;
    landscape_ = landscape;
    fit();
}

QSize WorksheetPreview::pageSize() const {
    return page_->size();
}

void WorksheetPreview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fit();
}

void WorksheetPreview::fit() {
    const QSize size = WorksheetPreviewSize(viewport()->size(), landscape_);
    if (size != page_->size())
        page_->resize(size);
    render();
}

void WorksheetPreview::render() {
    const QSize inner = page_->size() - QSize(2 * kBorder, 2 * kBorder);
    if (inner.isEmpty() || sheet_.isNull()) {
        picture_ = QImage();
    } else {
        picture_ = QImage(inner, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::white);
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        PaintWorksheet(painter, sheet_, QRectF(QPointF(0, 0), QSizeF(inner)));
    }
    page_->update();
}

bool WorksheetPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched != page_)
        return QScrollArea::eventFilter(watched, event);
    QScrollBar* bar = verticalScrollBar();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        dragging_ = true;
        dragFrom_ = mouse->globalPosition().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        if (!dragging_)
            break;
        const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        bar->setValue(bar->value() - (now.y() - dragFrom_.y()));
        dragFrom_ = now;
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        break;
    case QEvent::Wheel:
        bar->setValue(bar->value() - static_cast<QWheelEvent*>(event)->angleDelta().y() / 2);
        return true;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quindor
