#include "view/ui/password_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

std::optional<QString> AskInfoPassword(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Bitte Passwort eingeben"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* note =
        new QLabel(QStringLiteral("Der aufgerufene Infotext ist passwort-gesch\u00fctzt. Um "
                                  "ihn anzusehen, wird das Passwort ben\u00f6tigt."));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    auto* field = new QLineEdit;
    field->setEchoMode(QLineEdit::Password);
    auto* label = new QLabel(QStringLiteral("&Passwort:"));
    label->setBuddy(field);
    form->addRow(label, field);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    field->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}

} // namespace quindor
