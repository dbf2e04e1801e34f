#include "links/ui/mail_options_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quindor {

MailOptionsDialog::MailOptionsDialog(QWidget* parent)
    : QDialog(parent), options_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("MailForm"));
    setWindowTitle(QStringLiteral("Dokument per E-Mail versenden"));
    auto* group = new QGroupBox(QStringLiteral(" Versandoptionen "), this);
    group->setObjectName(QStringLiteral("MailGroup"));
    auto* items = new QVBoxLayout(group);
    const QString captions[] = {
        QStringLiteral(" nur &Dokument versenden "),
        QStringLiteral(" Dokument und Quindor-&Basissystem (exe) zusammen versenden "),
        QStringLiteral(" Dokument und Quindor-Basissystem (&zip) zusammen versenden ")};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(captions[i], group);
        item->setObjectName(QStringLiteral("MailOption%1").arg(i));
        options_->addButton(item, i);
        items->addWidget(item);
    }
    auto* note = new QLabel(QStringLiteral("(der Empfänger benötigt das Quindor-Basissystem oder "
                                           "das Autorensystem, um die Datei öffnen zu können)"),
                            group);
    note->setWordWrap(true);
    items->addWidget(note);
    setOption(MailOption::DocumentOnly);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addWidget(buttons);
}

void MailOptionsDialog::setOption(MailOption option) {
    options_->button(static_cast<int>(option))->setChecked(true);
}

std::optional<MailOption> MailOptionsDialog::choose() {
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return option();
}

} // namespace quindor
