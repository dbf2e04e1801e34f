#include "app/title_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace quindor {

TitlePanel::TitlePanel(QWidget* parent)
    : QWidget(parent), label_(new QLabel), previous_(new QToolButton), next_(new QToolButton) {
    setObjectName(QStringLiteral("TitelPanel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 4, 4, 4);
    // The title's large face is taken on with the first title: the start has no title, and the
    // buttons beside it give the strip its height either way.
    titleFont_ = label_->font();
    titleFont_.setPointSize(16);
    titleFont_.setBold(true);
    label_->setCursor(Qt::PointingHandCursor);
    label_->installEventFilter(this);
    label_->setTextFormat(Qt::PlainText);
    row->addWidget(label_, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(1);
    previous_->setArrowType(Qt::UpArrow);
    previous_->setToolTip(QStringLiteral("vorheriges Dokument \u00f6ffnen"));
    previous_->setAccessibleName(QStringLiteral("vorheriges Dokument \u00f6ffnen"));
    next_->setArrowType(Qt::DownArrow);
    next_->setToolTip(QStringLiteral("n\u00e4chstes Dokument \u00f6ffnen"));
    next_->setAccessibleName(QStringLiteral("n\u00e4chstes Dokument \u00f6ffnen"));
    for (QToolButton* button : {previous_, next_}) {
        button->setFixedSize(22, 15);
        button->setAutoRaise(true);
        buttons->addWidget(button);
    }
    row->addLayout(buttons);
    connect(previous_, &QToolButton::clicked, this, &TitlePanel::previousRequested);
    connect(next_, &QToolButton::clicked, this, &TitlePanel::nextRequested);
    refresh();
}

void TitlePanel::setTitle(const QString& prefix, const QString& title) {
    prefix_ = prefix;
    title_ = title;
    empty_ = false;
    refresh();
}

void TitlePanel::clearTitle() {
    empty_ = true;
    refresh();
}

void TitlePanel::toggleTitle() {
    shown_ = !shown_;
    refresh();
}

void TitlePanel::refresh() {
    if (empty_) {
        label_->setText(QString());
        label_->setToolTip(QString());
        return;
    }
    label_->setFont(titleFont_);
    if (shown_) {
        label_->setText(prefix_ + (title_.isEmpty() ? QStringLiteral("(ohne Titel)") : title_));
        label_->setToolTip(QStringLiteral("Titel verbergen"));
    } else {
        label_->setText(prefix_ + QStringLiteral("?"));
        label_->setToolTip(QStringLiteral("Titel anzeigen"));
    }
}

bool TitlePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        toggleTitle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quindor
