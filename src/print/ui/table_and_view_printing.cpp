#include "print/ui/table_and_view_printing.h"

#include "core/rounding.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quindor {

QSize PaperTenthMillimetres(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    return QSize(RoundHalfEven(paper.width() * 10), RoundHalfEven(paper.height() * 10));
}

QPoint UnprintableOffset(const QPrinter& printer) {
    const QRectF page = printer.pageRect(QPrinter::Millimeter);
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    return QPoint(RoundHalfEven((page.left() - paper.left()) * 10),
                  RoundHalfEven((page.top() - paper.top()) * 10));
}

bool PrintTableOn(QPrinter& printer, const PrintTableData& table) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    PrintTable(painter, table, PaperTenthMillimetres(printer), UnprintableOffset(printer),
               [&printer] { printer.newPage(); });
    return true;
}

void PrintTableWithDialog(QWidget* parent, ProgramPrinter& printer, const PrintTableData& table,
                          const QString& title) {
    printer.printWithDialog(parent, title,
                            [&table](QPrinter& target) { return PrintTableOn(target, table); });
}

void PreviewTable(QWidget* parent, ProgramPrinter& printer, const PrintTableData& table,
                  const QString& title) {
    printer.preview(parent, title,
                    [&table](QPrinter& target) { return PrintTableOn(target, table); });
}

namespace {

// The print job's name for the view.
const QString kViewTitle = QStringLiteral("Ansicht");

QDoubleSpinBox* CentimetreField(const QString& name, double value, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setObjectName(name);
    field->setDecimals(1);
    field->setRange(0.0, 100.0);
    field->setSingleStep(0.5);
    field->setSuffix(QStringLiteral(" cm"));
    field->setValue(value);
    return field;
}

} // namespace

ViewPrintDialog::ViewPrintDialog(ProgramPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
    setObjectName(QStringLiteral("AnsichtDruckenForm"));
    setWindowTitle(QStringLiteral("Ansicht drucken"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    left_ = CentimetreField(QStringLiteral("LiRandEdit"), 2.0, this);
    top_ = CentimetreField(QStringLiteral("ObRandEdit"), 2.0, this);
    width_ = CentimetreField(QStringLiteral("BreiteEdit"), 17.0, this);
    height_ = CentimetreField(QStringLiteral("HoeheEdit"), 17.0, this);
    form->addRow(QStringLiteral("&Linker Rand:"), left_);
    form->addRow(QStringLiteral("&Oberer Rand:"), top_);
    form->addRow(QStringLiteral("&Breite:"), width_);
    form->addRow(QStringLiteral("&Höhe:"), height_);
    ratio_ = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"), this);
    ratio_->setObjectName(QStringLiteral("SeitRatio"));
    ratio_->setChecked(true);
    form->addRow(ratio_);
    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("KopienEdit"));
    copies_->setRange(1, 999);
    form->addRow(QStringLiteral("&Kopien:"), copies_);
    printerInfo_ = new QLabel(this);
    printerInfo_->setObjectName(QStringLiteral("DruckerInfo"));
    form->addRow(printerInfo_);
    layout->addLayout(form);

    connect(width_, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        if (adjusting_ || !ratio_->isChecked())
            return;
        adjusting_ = true;
        height_->setValue(width / aspect_);
        adjusting_ = false;
    });
    connect(height_, &QDoubleSpinBox::valueChanged, this, [this](double height) {
        if (adjusting_ || !ratio_->isChecked())
            return;
        adjusting_ = true;
        width_->setValue(height * aspect_);
        adjusting_ = false;
    });
    connect(ratio_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            height_->setValue(width_->value() / aspect_);
    });

    auto* buttons = new QHBoxLayout;
    auto* setup = new QPushButton(QStringLiteral("Einrichten..."), this);
    connect(setup, &QPushButton::clicked, this, [this] {
        printer_.setupDialog(this);
        refreshPrinter();
    });
    auto* preview = new QPushButton(QStringLiteral("Vorschau..."), this);
    connect(preview, &QPushButton::clicked, this, &ViewPrintDialog::preview);
    auto* ok = new QPushButton(QStringLiteral("Drucken"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        print();
        accept();
    });
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(setup);
    buttons->addWidget(preview);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    refreshPrinter();
}

void ViewPrintDialog::setPicture(const QImage& picture) {
    picture_ = picture;
    aspect_ = picture.isNull()
                  ? 1.0
                  : static_cast<double>(picture.width()) / std::max(1, picture.height());
    refreshPrinter();
    if (ratio_->isChecked())
        height_->setValue(width_->value() / aspect_);
}

void ViewPrintDialog::refreshPrinter() {
    printerInfo_->setText(printer_.infoText());
}

QRect ViewPrintDialog::printRect(QPoint offset) const {
    const int left = std::max(0, RoundHalfEven(left_->value() * 100) - offset.x());
    const int top = std::max(0, RoundHalfEven(top_->value() * 100) - offset.y());
    return QRect(left, top, RoundHalfEven(width_->value() * 100),
                 RoundHalfEven(height_->value() * 100));
}

bool ViewPrintDialog::paint(QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(printRect(UnprintableOffset(printer)), picture_);
    return true;
}

void ViewPrintDialog::print() {
    printer_.printer().setCopyCount(copies_->value());
    printer_.printDirect(kViewTitle, [this](QPrinter& target) { return paint(target); });
}

void ViewPrintDialog::preview() {
    printer_.preview(this, kViewTitle, [this](QPrinter& target) { return paint(target); });
}

} // namespace quindor
