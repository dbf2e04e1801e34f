#pragma once

#include "print/table_print.h"
#include "print/ui/program_printer.h"

#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>

namespace quindor {

// Prints a table on the program's printer after the print dialog (which also prints to a PDF
// file).
void PrintTableWithDialog(QWidget* parent, ProgramPrinter& printer, const PrintTableData& table,
                          const QString& title);
// The same printout in a print preview, from which it can be printed.
void PreviewTable(QWidget* parent, ProgramPrinter& printer, const PrintTableData& table,
                  const QString& title);
// The table onto a printer that is set up already; false when the job did not start.
bool PrintTableOn(QPrinter& printer, const PrintTableData& table);

// The printable area of a printer: the paper and the unprintable top-left margin, in 0.1 mm.
QSize PaperTenthMillimetres(const QPrinter& printer);
QPoint UnprintableOffset(const QPrinter& printer);

// "Ansicht drucken": where on the paper the view picture goes, with the proportion kept on
// request. The values stay while the program runs.
class ViewPrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit ViewPrintDialog(ProgramPrinter& printer, QWidget* parent = nullptr);

    // The picture to print and its proportion (width / height).
    void setPicture(const QImage& picture);
    QDoubleSpinBox* widthField() const { return width_; }
    QDoubleSpinBox* heightField() const { return height_; }
    QCheckBox* ratioBox() const { return ratio_; }
    QString printerInfo() const { return printerInfo_->text(); }
    // The picture's rectangle on the paper in 0.1 mm, the unprintable offset taken off.
    QRect printRect(QPoint offset) const;
    void print();
    void preview();

private:
    void refreshPrinter();
    bool paint(QPrinter& printer);

    ProgramPrinter& printer_;
    QImage picture_;
    double aspect_ = 1.0;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
    QCheckBox* ratio_;
    QSpinBox* copies_;
    QLabel* printerInfo_;
    bool adjusting_ = false;
};

} // namespace quindor
