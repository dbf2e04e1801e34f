#include "view/ui/page_area.h"

#include "core/colour.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quindor {

namespace {

// The grey of the start information text.
constexpr WinColor kStartInfoColour = 0x6A6F6F;

// The start information: grey text on a nearly opaque white card with rounded corners.
class InformationCard : public QLabel {
public:
    explicit InformationCard(QWidget* parent) : QLabel(parent) {
        setObjectName(QStringLiteral("StartInfoPanel"));
        setAlignment(Qt::AlignCenter);
        setTextFormat(Qt::PlainText);
        setMargin(18);
        QFont font = this->font();
        font.setPointSize(13);
        setFont(font);
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, ToQColor(kStartInfoColour));
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 215));
            painter.drawRoundedRect(QRectF(rect()), 10, 10);
        }
        QLabel::paintEvent(event);
    }
};

} // namespace

PageArea::PageArea(QWidget* parent) : QWidget(parent), info_(new InformationCard(this)) {
    setObjectName(QStringLiteral("BildPanel"));
    setMinimumSize(320, 240);
    setMouseTracking(true);
    info_->hide();
}

void PageArea::setPage(const QImage& page) {
    page_ = &page;
    update();
}

void PageArea::updateDisplayRect(const QRect& rect) {
    if (!rect.isEmpty())
        update(rect.translated(pageRect().topLeft()));
}

void PageArea::setStartInformation(const QString& text) {
    info_->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    placeInformation();
}

void PageArea::setStartInformationVisible(bool visible) {
    info_->setVisible(visible);
    placeInformation();
}

QRect PageArea::pageRect() const {
    if (!page_ || page_->isNull())
        return QRect();
    // Centred across, right under the title strip.
    return QRect(QPoint((width() - page_->width()) / 2, 0), page_->size());
}

void PageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect target = pageRect();
    // The card area is white wherever the page does not reach.
    painter.setClipRegion(QRegion(rect()).subtracted(target));
    painter.fillRect(rect(), Qt::white);
    painter.setClipping(false);
    if (!target.isEmpty())
        painter.drawImage(target.topLeft(), *page_);
}

void PageArea::resizeEvent(QResizeEvent*) {
    placeInformation();
    emit resized();
}

void PageArea::mousePressEvent(QMouseEvent* event) {
    const QPoint point = toDisplay(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        // The right button shifts the view.
        dragging_ = true;
        dragAnchor_ = point;
        cursorBeforeDrag_.reset();
        if (testAttribute(Qt::WA_SetCursor))
            cursorBeforeDrag_ = cursor();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    emit pressed(point, event->button());
}

void PageArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = toDisplay(event->position().toPoint());
    if (dragging_) {
        emit dragged(dragAnchor_, point);
        dragAnchor_ = point;
        return;
    }
    emit hovered(point);
}

void PageArea::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::RightButton) {
        dragging_ = false;
        if (cursorBeforeDrag_)
            setCursor(*cursorBeforeDrag_);
        else
            unsetCursor();
    }
}

void PageArea::placeInformation() {
    // The information sits in the middle of the page, as large as its text needs.
    const QRect area = pageRect().isEmpty() ? rect() : pageRect();
    QSize size = info_->sizeHint().boundedTo(area.size() - QSize(16, 16));
    size = size.expandedTo(QSize(std::min(area.width() - 16, 420), 0));
    info_->setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

} // namespace quindor
