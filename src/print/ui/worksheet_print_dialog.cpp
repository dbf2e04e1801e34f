#include "print/ui/worksheet_print_dialog.h"

#include "print/table_print.h"
#include "print/ui/table_and_view_printing.h"
#include "print/worksheet_output.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

// The print job's name.
const QString kJobTitle = QStringLiteral("Arbeitsblatt");

QDoubleSpinBox* CentimetreField(const QString& name, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(name);
    field->setDecimals(1);
    field->setRange(0.0, 100.0);
    field->setSingleStep(0.1);
    field->setSuffix(QStringLiteral(" cm"));
    return field;
}

} // namespace

WorksheetPrintDialog::WorksheetPrintDialog(ProgramPrinter& printer,
                                           WorksheetPrintPlacement& placement,
                                           const SheetPicture& sheet, bool landscape,
                                           QWidget* parent)
    : QDialog(parent), printer_(printer), placement_(placement), sheet_(sheet),
      landscape_(landscape) {
    setObjectName(QStringLiteral("ArbeitsblattDruckenForm"));
    setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    left_ = CentimetreField(QStringLiteral("LiRandEdit"), this);
    top_ = CentimetreField(QStringLiteral("ObRandEdit"), this);
    width_ = CentimetreField(QStringLiteral("BreiteEdit"), this);
    height_ = CentimetreField(QStringLiteral("HoeheEdit"), this);
    form->addRow(QStringLiteral("&Linker Rand:"), left_);
    form->addRow(QStringLiteral("&Oberer Rand:"), top_);
    form->addRow(QStringLiteral("&Breite:"), width_);
    form->addRow(QStringLiteral("&H\u00f6he:"), height_);
    ratio_ = new QCheckBox(QStringLiteral("Korrektes &Seitenverh\u00e4ltnis"), this);
    ratio_->setObjectName(QStringLiteral("SeitRatio"));
    form->addRow(ratio_);
    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("KopienEdit"));
    copies_->setRange(1, 999);
    form->addRow(QStringLiteral("&Kopien:"), copies_);
    printerInfo_ = new QLabel(printer_.infoText(), this);
    printerInfo_->setObjectName(QStringLiteral("DruckerInfo"));
    form->addRow(printerInfo_);
    orientation_ = new QLabel(landscape ? QStringLiteral("Ausdruck erfolgt im Querformat")
                                        : QStringLiteral("Ausdruck erfolgt im Hochformat"),
                              this);
    orientation_->setObjectName(QStringLiteral("OrientLab"));
    form->addRow(orientation_);
    layout->addLayout(form);

    const WorksheetPrintPlacement values = ShownPlacement(placement_, landscape_);
    left_->setValue(values.LiRand);
    top_->setValue(values.ObRand);
    width_->setValue(values.Breite);
    height_->setValue(values.Hoehe);
    ratio_->setChecked(values.SeitRatio);
    copies_->setValue(values.Kopien);

    // With the proportion kept, the height follows the width and the width the height.
    connect(width_, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        if (adjusting_ || !ratio_->isChecked())
            return;
        adjusting_ = true;
        height_->setValue(ProportionalHeight(width, landscape_));
        adjusting_ = false;
    });
    connect(height_, &QDoubleSpinBox::valueChanged, this, [this](double height) {
        if (adjusting_ || !ratio_->isChecked())
            return;
        adjusting_ = true;
        width_->setValue(ProportionalWidth(height, landscape_));
        adjusting_ = false;
    });

    auto* buttons = new QHBoxLayout;
    auto* setup = new QPushButton(QStringLiteral("Einrichten..."), this);
    connect(setup, &QPushButton::clicked, this, [this] {
        printer_.setupDialog(this);
        printerInfo_->setText(printer_.infoText());
    });
    auto* ok = new QPushButton(QStringLiteral("Drucken"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        print();
        accept();
    });
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(setup);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QDoubleSpinBox* WorksheetPrintDialog::field(const QString& name) const {
    return findChild<QDoubleSpinBox*>(name);
}

WorksheetPrintPlacement WorksheetPrintDialog::shown() const {
    WorksheetPrintPlacement p;
    p.LiRand = left_->value();
    p.ObRand = top_->value();
    p.Breite = width_->value();
    p.Hoehe = height_->value();
    p.SeitRatio = ratio_->isChecked();
    p.Kopien = copies_->value();
    return p;
}

bool WorksheetPrintDialog::paint(QPrinter& printer) const {
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    const QPoint offset = UnprintableOffset(printer);
    const PrintRectangle r = WorksheetPrintRect(shown(), offset.x(), offset.y());
    PaintWorksheet(painter, sheet_, QRectF(r.left, r.top, r.width, r.height));
    return true;
}

void WorksheetPrintDialog::print() {
    QPrinter& target = printer_.printer();
    target.setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    target.setCopyCount(copies_->value());
    printer_.printDirect(kJobTitle, [this](QPrinter& device) { return paint(device); });
}

void WorksheetPrintDialog::done(int result) {
    placement_ = StoredPlacement(shown(), landscape_);
    QDialog::done(result);
}

} // namespace quindor
