#include "app/print_commands.h"

#include "core/rounding.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
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

void PrintTableOn(QPrinter& printer, const PrintTableData& table) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    PrintTable(painter, table, PaperTenthMillimetres(printer), UnprintableOffset(printer),
               [&printer] { printer.newPage(); });
}

void PrintTableWithDialog(QWidget* parent, const PrintTableData& table, const QString& title) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        PrintTableOn(printer, table);
}

void PreviewTable(QWidget* parent, const PrintTableData& table, const QString& title) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&table](QPrinter* target) { PrintTableOn(*target, table); });
    preview.exec();
}

namespace {

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

ViewPrintDialog::ViewPrintDialog(QPrinter& printer, QWidget* parent)
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
        QPageSetupDialog dialog(&printer_, this);
        dialog.exec();
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
    const QString name = printer_.printerName();
    if (name.isEmpty() && printer_.outputFormat() != QPrinter::PdfFormat) {
        printerInfo_->setText(QStringLiteral("- Kein Drucker -"));
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    const QString port = info.isNull() ? printer_.outputFileName() : info.location();
    printerInfo_->setText(name.isEmpty() ? QStringLiteral("PDF an ") + port
                                         : name + QStringLiteral(" an ") + port);
}

QRect ViewPrintDialog::printRect(QPoint offset) const {
    const int left = std::max(0, RoundHalfEven(left_->value() * 100) - offset.x());
    const int top = std::max(0, RoundHalfEven(top_->value() * 100) - offset.y());
    return QRect(left, top, RoundHalfEven(width_->value() * 100),
                 RoundHalfEven(height_->value() * 100));
}

void ViewPrintDialog::paint(QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(printRect(UnprintableOffset(printer)), picture_);
}

void ViewPrintDialog::print() {
    printer_.setCopyCount(copies_->value());
    paint(printer_);
}

void ViewPrintDialog::preview() {
    QPrintPreviewDialog dialog(&printer_, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { paint(*target); });
    dialog.exec();
}

} // namespace quindor
