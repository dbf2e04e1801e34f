#include "app/info_box.h"

#include "document/caption_codec.h"
#include "document/markup_layout.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quindor {

InfoBox::InfoBox(QWidget* parent)
    : QDialog(parent), scroll_(new QScrollArea), picture_(new QLabel) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    setObjectName(QStringLiteral("InfoBox"));
    scroll_->setWidget(picture_);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->viewport()->setStyleSheet(QStringLiteral("background: white;"));
    picture_->installEventFilter(this);
    picture_->setCursor(Qt::OpenHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(QStringLiteral("In Zwischenablage"));
    auto* close = new QPushButton(QStringLiteral("Schlie\u00dfen"));
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(plain_); });
    connect(close, &QPushButton::clicked, this, [this] {
        scroll_->verticalScrollBar()->setValue(0);
        hide();
    });
    resize(460, 300);
}

QString InfoBox::PlainInfoText(const QString& markedUpText) {
    static const QRegularExpression tags(QStringLiteral("</?[biu]>"),
                                         QRegularExpression::CaseInsensitiveOption);
    return QString(markedUpText).remove(tags);
}

void InfoBox::showText(const QString& markedUpText) {
    plain_ = PlainInfoText(markedUpText);
    const int width = std::max(100, scroll_->viewport()->width() - 30);
    const Picture text = RenderTextPicture(SplitCaptionLines(markedUpText), width, 14, 0xFFFFFF);
    picture_->setPixmap(QPixmap::fromImage(text.Image));
    picture_->resize(text.Image.size());
    const int frame = height() - scroll_->viewport()->height();
    resize(width + 30 + 2 * scroll_->frameWidth() + 20,
           std::min(566, text.Image.height() + frame + 34));
    scroll_->verticalScrollBar()->setValue(0);
    show();
    raise();
}

bool InfoBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            // Dragging the text moves it with the mouse.
            dragging_ = true;
            pressY_ = mouse->globalPosition().toPoint().y();
            pressScroll_ = scroll_->verticalScrollBar()->value();
            picture_->setCursor(Qt::ClosedHandCursor);
        }
        return true;
    case QEvent::MouseMove:
        if (dragging_)
            scroll_->verticalScrollBar()->setValue(pressScroll_ + pressY_ -
                                                   mouse->globalPosition().toPoint().y());
        return true;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        picture_->setCursor(Qt::OpenHandCursor);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace quindor
