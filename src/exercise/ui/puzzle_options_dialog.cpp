#include "exercise/ui/puzzle_options_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

TSPuzzleOptForm::TSPuzzleOptForm(QWidget* parent)
    : QDialog(parent), clickable_(new RadioGroup(QStringLiteral("AnklickbarkeitRadio"),
                                                 QStringLiteral(" Anklickbarkeit "),
                                                 {QStringLiteral(" Nur Nachbarteile anklickbar "),
                                                  QStringLiteral(" Jedes Teil anklickbar ")},
                                                 this)),
      tiles_(new RadioGroup(QStringLiteral("TeileRadio"), QStringLiteral(" Puzzle-Teile "),
                            {QStringLiteral(" 3 x 3"), QStringLiteral(" 4 x 4"),
                             QStringLiteral(" 5 x 5"), QStringLiteral(" 6 x 6")},
                            this)) {
    setObjectName(QStringLiteral("SPuzzleOptForm"));
    setWindowTitle(QStringLiteral("Einstellungen zum Schiebepuzzle"));
    clickable_->setValue(0);
    tiles_->setValue(0);
    auto* groups = new QHBoxLayout;
    groups->addWidget(clickable_);
    groups->addWidget(tiles_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start =
        buttons->addButton(QStringLiteral("Schiebepuzzle starten"), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("StartenBtn"));
    start->setDefault(true);
    buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("SchliessenBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(groups);
    column->addWidget(buttons);
}

} // namespace quindor
