#include "whiteboard/ui/ac_blatttabelle.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

QSpinBox* Field(const char* name, int value) {
    auto* field = new QSpinBox;
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(0, 999);
    field->setValue(value);
    return field;
}

QPushButton* Step(const QString& text, QSpinBox* field, int by) {
    auto* button = new QPushButton(text);
    button->setFixedWidth(28);
    QObject::connect(button, &QPushButton::clicked, field,
                     [field, by] { field->setValue(field->value() + by); });
    return button;
}

} // namespace

TBlattTabelleForm::TBlattTabelleForm(QWidget* parent)
    : QDialog(parent), ZeilenEdit(Field("ZeilenEdit", 6)), SpaltenEdit(Field("SpaltenEdit", 3)),
      StrichfarbeBtn(new ColourButton(QStringLiteral("\u2026"), ToQColor(kRuleGrey))),
      HintergrundfarbeBtn(new ColourButton(QStringLiteral("\u2026"), ToQColor(kSheetWhite))),
      FreiraumCheck(new QCheckBox(QStringLiteral("&Freiraum um die Tabelle einstellen"))),
      LinksEdit(Field("LinksEdit", 5)), RechtsEdit(Field("RechtsEdit", 5)),
      ObenEdit(Field("ObenEdit", 5)), UntenEdit(Field("UntenEdit", 5)), margins_(new QWidget) {
    setObjectName(QStringLiteral("TBlattTabelleForm"));
    setWindowTitle(QStringLiteral("Blatt mit Tabelle"));
    StrichfarbeBtn->setObjectName(QStringLiteral("StrichfarbeBtn"));
    HintergrundfarbeBtn->setObjectName(QStringLiteral("HintergrundfarbeBtn"));
    FreiraumCheck->setObjectName(QStringLiteral("FreiraumCheck"));
    auto* group = new QGroupBox(QStringLiteral(" &Tabellengr\u00f6\u00dfe und -farbe "));
    auto* grid = new QGridLayout(group);
    const auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    int row = 0;
    for (const auto& [text, field] : {std::pair{QStringLiteral("&Zeilen:"), ZeilenEdit},
                                      {QStringLiteral("&Spalten:"), SpaltenEdit}}) {
        grid->addWidget(label(text, field), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(Step(QStringLiteral("+"), field, 1), row, 2);
        grid->addWidget(Step(QStringLiteral("-"), field, -1), row, 3);
        ++row;
    }
    grid->addWidget(label(QStringLiteral("&Linienfarbe:"), StrichfarbeBtn), row, 0);
    grid->addWidget(StrichfarbeBtn, row++, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("&Hintergrundfarbe:"), HintergrundfarbeBtn), row, 0);
    grid->addWidget(HintergrundfarbeBtn, row++, 1, 1, 3);
    grid->addWidget(FreiraumCheck, row++, 0, 1, 4);
    auto* margins = new QGridLayout(margins_);
    margins->setContentsMargins(0, 0, 0, 0);
    int cell = 0;
    for (const auto& [text, field] : {std::pair{QStringLiteral("Links (%):"), LinksEdit},
                                      {QStringLiteral("Rechts (%):"), RechtsEdit},
                                      {QStringLiteral("Oben (%):"), ObenEdit},
                                      {QStringLiteral("Unten (%):"), UntenEdit}}) {
        margins->addWidget(label(text, field), cell / 2, (cell % 2) * 2);
        margins->addWidget(field, cell / 2, (cell % 2) * 2 + 1);
        ++cell;
    }
    grid->addWidget(margins_, row, 0, 1, 4);
    margins_->hide();
    // The margins only show or hide; the dialog grows and shrinks with them.
    connect(FreiraumCheck, &QCheckBox::toggled, this, [this](bool on) {
        margins_->setVisible(on);
        adjustSize();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

SheetPattern TBlattTabelleForm::table() const {
    SheetPattern pattern;
    pattern.kind = SheetKind::Table;
    pattern.rows = ZeilenEdit->value();
    pattern.columns = SpaltenEdit->value();
    pattern.marginLeft = LinksEdit->value();
    pattern.marginRight = RechtsEdit->value();
    pattern.marginTop = ObenEdit->value();
    pattern.marginBottom = UntenEdit->value();
    pattern.line = ArgbToWinColor(StrichfarbeBtn->colour().rgb());
    pattern.background = ArgbToWinColor(HintergrundfarbeBtn->colour().rgb());
    return ClampTable(pattern);
}

} // namespace quindor
