#include "editor/ui/gift_report_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

TGiftBerichtForm::TGiftBerichtForm(const QString& caption, const QString& report, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TGiftBerichtForm"));
    setWindowTitle(caption);
    text_->setObjectName(QStringLiteral("BerichtMemo"));
    text_->setAccessibleName(QStringLiteral("Bericht"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setPlainText(report);
    auto* copy = new QPushButton(QStringLiteral("In Zwischenablage &kopieren"), this);
    auto* close = new QPushButton(QStringLiteral("Schlie\u00dfen"), this);
    close->setObjectName(QStringLiteral("SchliessenBtn"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(720, 460);
    close->setFocus();
}

QString TGiftBerichtForm::report() const {
    return text_->toPlainText();
}

} // namespace quindor
