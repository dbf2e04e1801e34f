#include "network/ui/join_dialog.h"

#include "core/colour.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quindor {

TNetzUebungTnStartForm::TNetzUebungTnStartForm(Messages& messages, std::function<Check()> check,
                                               QWidget* parent)
    : QDialog(parent), messages_(messages), check_(std::move(check)), TNameEdit(new QLineEdit),
      status_(new QLabel), join_(new QPushButton(QStringLiteral("Teilnehmen"))),
      NetzCheckTimer1(new QTimer(this)) {
    setObjectName(QStringLiteral("TNetzUebungTnStartForm"));
    setWindowTitle(QStringLiteral("An Netzwerk-Übung teilnehmen"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral(" Übungsteilnehmer "), this);
    auto* row = new QHBoxLayout(group);
    auto* label = new QLabel(QStringLiteral("&Name:"), group);
    TNameEdit->setObjectName(QStringLiteral("TNameEdit"));
    TNameEdit->setMaxLength(20);
    label->setBuddy(TNameEdit);
    row->addWidget(label);
    row->addWidget(TNameEdit, 1);
    layout->addWidget(group);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setMinimumHeight(40);
    status_->setAlignment(Qt::AlignCenter);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    join_->setObjectName(QStringLiteral("TeilnehmenBtn"));
    join_->setDefault(true);
    connect(join_, &QPushButton::clicked, this, &TNetzUebungTnStartForm::joinClicked);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(join_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    NetzCheckTimer1->setObjectName(QStringLiteral("NetzCheckTimer1"));
    NetzCheckTimer1->setInterval(500);
    connect(NetzCheckTimer1, &QTimer::timeout, this, &TNetzUebungTnStartForm::checkNow);
    resize(420, sizeHint().height());
}

void TNetzUebungTnStartForm::setStatus(const QString& text, const QColor& colour) {
    status_->setText(text);
    QPalette palette = status_->palette();
    palette.setColor(QPalette::WindowText, colour);
    status_->setPalette(palette);
}

void TNetzUebungTnStartForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    join_->setEnabled(false);
    setStatus(QStringLiteral("Bitte warten..."), ToQColor(MakeWinColor(0, 0, 0)));
    NetzCheckTimer1->start();
    TNameEdit->setFocus();
}

void TNetzUebungTnStartForm::checkNow() {
    const Check check = check_();
    join_->setEnabled(check.available);
    if (check.available)
        setStatus(QStringLiteral("Netzwerk-Übung verfügbar: ") + check.title,
                  ToQColor(MakeWinColor(0, 128, 0)));
    else
        setStatus(QStringLiteral("Netzwerk-Übung nicht initiiert. Bitte warten..."),
                  ToQColor(MakeWinColor(255, 0, 0)));
}

void TNetzUebungTnStartForm::joinClicked() {
    if (TNameEdit->text().isEmpty()) {
        messages_.information(QStringLiteral("Bitte Name oder Rechnernummer eintragen!"));
        TNameEdit->setFocus();
        return;
    }
    accept();
}

void TNetzUebungTnStartForm::done(int result) {
    NetzCheckTimer1->stop();
    QDialog::done(result);
}

} // namespace quindor
