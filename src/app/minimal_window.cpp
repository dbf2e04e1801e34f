#include "app/minimal_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

Answer DialogMessages::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString caption = QStringLiteral("Information");
    switch (kind) {
    case MessageKind::Information:
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        caption = QStringLiteral("Warnung");
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        caption = QStringLiteral("Fehler");
        break;
    case MessageKind::Question:
        icon = QMessageBox::Question;
        caption = QStringLiteral("Best\u00e4tigen");
        break;
    }
    QMessageBox box(icon, caption, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::NoButton, parent_);
    switch (buttons) {
    case MessageButtons::Ok:
        box.addButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        break;
    case MessageButtons::YesNoCancel:
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

void OverrideCursorBusy::begin() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void OverrideCursorBusy::end() { QApplication::restoreOverrideCursor(); }

MinimalWindow::MinimalWindow(ProgramState& state)
    : state_(state), messages_(this), session_(state, messages_, busy_),
      topics_(new QListWidget), picture_(new QLabel), title_(new QLabel) {
    setWindowTitle(QStringLiteral("Quindor - Basissystem"));
    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    auto* column = new QVBoxLayout;
    title_->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(400, 300);
    column->addWidget(title_);
    column->addWidget(picture_, 1);
    row->addLayout(column, 1);
    topics_->setMaximumWidth(300);
    row->addWidget(topics_);
    setCentralWidget(central);
    setMinimumSize(700, 500);
    connect(topics_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        session_.LoadDocument(item->data(Qt::UserRole).toString(), true);
        showDocument();
    });
    session_.hooks().fontInstalled = [](const QString&) { return true; };
    showDocument();
}

void MinimalWindow::openArgument(const QString& argument) {
    const QFileInfo info(argument);
    if (info.isDir()) {
        state_.StartFolder = info.absoluteFilePath() + QLatin1Char('/');
    } else {
        state_.StartFolder = info.absolutePath() + QLatin1Char('/');
        session_.LoadDocument(info.absoluteFilePath(), true);
    }
    state_.CurrentFolder = state_.StartFolder;
    fillTopicList();
    showDocument();
}

void MinimalWindow::fillTopicList() {
    topics_->clear();
    const QDir folder(state_.CurrentFolder);
    for (const QFileInfo& file :
         folder.entryInfoList({QStringLiteral("*.qdr")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        HeaderDataTyp preview;
        if (!DocumentSession::ReadDocumentPreview(file.absoluteFilePath(), preview))
            continue;
        auto* item = new QListWidgetItem(preview.Titel.trimmed().isEmpty() ? file.fileName()
                                                                           : preview.Titel);
        item->setData(Qt::UserRole, file.absoluteFilePath());
        topics_->addItem(item);
    }
}

void MinimalWindow::showDocument() {
    const HeaderDataTyp& h = session_.header();
    title_->setText(h.FileName.isEmpty() ? QString() : h.Titel);
    QString caption = QStringLiteral("Quindor - Basissystem");
    if (!h.FileName.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(h.FileName).fileName();
    setWindowTitle(caption);
    const QImage& image = session_.document().BaseImage.Image;
    picture_->setPixmap(QPixmap::fromImage(image).scaled(900, 650, Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
}

} // namespace quindor
