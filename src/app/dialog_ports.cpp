#include "app/dialog_ports.h"

#include "print/ui/screen_room.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quindor {

namespace {

// Wide enough for the sizes and dates of the files beside their names.
constexpr QSize kFileDialogSize(800, 500);

QString PlainLines(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Answer DialogMessages::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    return showBox(kind, text, buttons, Answer::Yes);
}

Answer DialogMessages::ask(const QString& text, MessageButtons buttons, Answer defaultAnswer) {
    return showBox(MessageKind::Question, text, buttons, defaultAnswer);
}

Answer DialogMessages::showBox(MessageKind kind, const QString& text, MessageButtons buttons,
                               Answer defaultAnswer) {
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
    QMessageBox box(icon, caption, PlainLines(text), QMessageBox::NoButton, parent_);
    if (buttons == MessageButtons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = buttons == MessageButtons::YesNoCancel
                              ? box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole)
                              : nullptr;
    QPushButton* harmless = defaultAnswer == Answer::No                 ? no
                            : defaultAnswer == Answer::Cancel && cancel ? cancel
                                                                        : nullptr;
    box.setDefaultButton(harmless ? harmless : yes);
    box.setEscapeButton(harmless ? harmless : cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (cancel && box.clickedButton() == cancel)
        return Answer::Cancel;
    return Answer::No;
}

int DialogMessages::choose(const QString& caption, const QString& text, const QStringList& buttons,
                           int defaultButton) {
    QMessageBox box(QMessageBox::Question, caption, PlainLines(text), QMessageBox::NoButton,
                    parent_);
    QList<QPushButton*> added;
    for (const QString& label : buttons)
        added.append(box.addButton(label, QMessageBox::ActionRole));
    if (defaultButton >= 0 && defaultButton < added.size())
        box.setDefaultButton(added.at(defaultButton));
    if (!added.isEmpty())
        box.setEscapeButton(added.last());
    box.exec();
    return static_cast<int>(added.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

QString QtFileFilter(const QString& filters) {
    const QStringList parts = filters.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result.append(parts.at(i));
    return result.join(QStringLiteral(";;"));
}

QString DialogPickers::openFile(const QString& title, const QString& filters,
                                const QString& defaultExtension, const QString& startPath) {
    QFileDialog dialog(parent_, title, startPath, QtFileFilter(filters));
    dialog.resize(FittedToScreen(kFileDialogSize));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultExtension);
    if (QFileInfo(startPath).isFile())
        dialog.selectFile(startPath);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPickers::saveFile(const QString& title, const QString& filters,
                                const QString& defaultExtension, const QString& startPath) {
    QFileDialog dialog(parent_, title, startPath, QtFileFilter(filters));
    dialog.resize(FittedToScreen(kFileDialogSize));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPickers::chooseFolder(const QString& title, const QString& startFolder) {
    QFileDialog dialog(parent_, title, startFolder);
    dialog.resize(FittedToScreen(kFileDialogSize));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void OverrideCursorBusy::begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
void OverrideCursorBusy::end() {
    QApplication::restoreOverrideCursor();
}

} // namespace quindor
