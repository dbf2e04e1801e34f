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
    QFont titleFont = label_->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    label_->setFont(titleFont);
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
    refresh();
}

void TitlePanel::toggleTitle() {
    shown_ = !shown_;
    refresh();
}

void TitlePanel::refresh() {
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
