#include "whiteboard/ui/board_overlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quindor {

PageOverlay::PageOverlay(QWidget* area) : QWidget(area) {
    setObjectName(QStringLiteral("BereichOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(area->rect());
    area->installEventFilter(this);
}

bool PageOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void PageOverlay::setCrosshair(std::optional<QPoint> point) {
    if (crosshair_ == point)
        return;
    crosshair_ = point;
    update();
}

void PageOverlay::setArea(const QRect& area) {
    if (area_ == area)
        return;
    area_ = area;
    update();
}

void PageOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (crosshair_) {
        painter.setPen(QPen(QColor(0, 0, 0, 150), 0, Qt::DotLine));
        painter.drawLine(0, crosshair_->y(), width(), crosshair_->y());
        painter.drawLine(crosshair_->x(), 0, crosshair_->x(), height());
    }
    if (!area_.isEmpty()) {
        painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
        painter.drawRect(area_.adjusted(0, 0, -1, -1));
    }
}

AreaLabel::AreaLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("BereichLabel"));
    setStyleSheet(QStringLiteral("background: #FFFBE6; color: black; border: 1px solid #808080;"));
    setCursor(Qt::SizeAllCursor);
    hide();
}

void AreaLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        anchor_ = event->globalPosition().toPoint();
}

void AreaLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint now = event->globalPosition().toPoint();
    emit dragged(now - anchor_);
    anchor_ = now;
}

TextInputField::TextInputField(QWidget* area) : QLineEdit(area) {
    setObjectName(QStringLiteral("TexteingabeEdit"));
    setToolTip(QStringLiteral("Text \u00fcbernehmen mit Enter, abbrechen mit ESC"));
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setStyleSheet(QStringLiteral("QLineEdit { background: rgba(255, 255, 255, 90); "
                                 "border: 1px dotted #808080; padding: 0px; }"));
    connect(this, &QLineEdit::textChanged, this, &TextInputField::fit);
    hide();
}

void TextInputField::place(QPoint lowerLeft, const QFont& font, const QColor& colour, int margin,
                           int maxWidth) {
    setFont(font);
    setColour(colour);
    margin_ = margin;
    maxWidth_ = maxWidth;
    lowerLeft_ = lowerLeft;
    fit();
    show();
    raise();
    setFocus();
}

void TextInputField::fit() {
    const QFontMetrics metrics(font());
    const int width =
        std::min(metrics.horizontalAdvance(text()) + margin_, std::max(margin_, maxWidth_));
    const int height = metrics.height() + 2;
    const QWidget* area = parentWidget();
    // Kept inside the picture area.
    const int left = std::clamp(lowerLeft_.x(), 0, std::max(0, area->width() - width));
    const int top = std::clamp(lowerLeft_.y() - height, 0, std::max(0, area->height() - height));
    setGeometry(left, top, width, height);
}

QPoint TextInputField::textOrigin() const {
    // The line edit keeps two pixels beside the text and centres the line in its height.
    const QFontMetrics metrics(font());
    return pos() + QPoint(1 + 2, (height() - metrics.height()) / 2);
}

void TextInputField::setColour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, colour);
    setPalette(palette);
}

void TextInputField::dismiss() {
    hide();
    clear();
}

void TextInputField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString entry = text();
        emit entered(entry);
        dismiss();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        dismiss();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace quindor
