#include "whiteboard/ui/pf_blattanzahl.h"

#include "whiteboard/sheets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

TBlattAnzahlForm::TBlattAnzahlForm(QWidget* parent)
    : QDialog(parent), AnzEdit(new QSpinBox),
      StrichfarbeBtn(new ColourButton(QStringLiteral("\u2026"), ToQColor(kRuleGrey))),
      HintergrundfarbeBtn(new ColourButton(QStringLiteral("\u2026"), ToQColor(kSheetWhite))) {
    setObjectName(QStringLiteral("TBlattAnzahlForm"));
    AnzEdit->setObjectName(QStringLiteral("AnzEdit"));
    // Any number can be typed; the variant's limits apply when the sheet is made.
    AnzEdit->setRange(0, 999);
    StrichfarbeBtn->setObjectName(QStringLiteral("StrichfarbeBtn"));
    HintergrundfarbeBtn->setObjectName(QStringLiteral("HintergrundfarbeBtn"));
    auto* group = new QGroupBox(QStringLiteral(" Freie Eingabe "));
    auto* form = new QFormLayout(group);
    const auto row = [form](const QString& text, QWidget* field) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("&Anzahl:"), AnzEdit);
    row(QStringLiteral("&Linienfarbe:"), StrichfarbeBtn);
    row(QStringLiteral("&Hintergrundfarbe:"), HintergrundfarbeBtn);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TBlattAnzahlForm::prepare(const QString& caption, int count) {
    setWindowTitle(caption);
    AnzEdit->setValue(count);
    AnzEdit->selectAll();
}

} // namespace quindor
