#include "settings/ui/font_dialog.h"

#include "document/installed_fonts.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

TSchriftartForm::TSchriftartForm(const QString& currentFont, QWidget* parent)
    : QDialog(parent), fontList_(new QListWidget), preview_(new QLabel),
      okButton_(new QPushButton(QStringLiteral("OK"))),
      cancelButton_(new QPushButton(QStringLiteral("Abbrechen"))) {
    setWindowTitle(QStringLiteral("Schriftart"));

    // The document's font is in the list even when this computer lacks it (a Windows face
    // such as "Arial"), so the dialog opens on it and "OK" keeps it.
    QStringList families = QFontDatabase::families();
    if (!currentFont.isEmpty() && !families.contains(currentFont, Qt::CaseInsensitive)) {
        families.append(currentFont);
        families.sort(Qt::CaseInsensitive);
    }
    fontList_->addItems(families);
    const auto matches = fontList_->findItems(currentFont, Qt::MatchFixedString);
    if (!matches.isEmpty()) {
        fontList_->setCurrentItem(matches.first());
        fontList_->scrollToItem(matches.first(), QAbstractItemView::PositionAtCenter);
    }

    preview_->setFrameShape(QFrame::Panel);
    preview_->setFrameShadow(QFrame::Sunken);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumHeight(60);

    auto* group = new QGroupBox(QStringLiteral(" Schriftart für Dokumentendarstellung "));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(fontList_);
    groupLayout->addWidget(preview_);

    okButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(fontList_, &QListWidget::currentRowChanged, this, &TSchriftartForm::showPreview);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    showPreview();
}

QString TSchriftartForm::selectedFont() const {
    const QListWidgetItem* item = fontList_->currentItem();
    return item != nullptr ? item->text() : QString();
}

void TSchriftartForm::showPreview() {
    const QString family = selectedFont();
    QFont font = InstalledFont(family);
    font.setPointSize(20);
    preview_->setFont(font);
    preview_->setText(family);
}

std::optional<QString> FontDialog(QWidget* parent, const QString& currentFont) {
    TSchriftartForm form(currentFont, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString chosen = form.selectedFont();
    if (chosen.isEmpty() || chosen.compare(currentFont, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return chosen;
}

} // namespace quindor
