#pragma once

#include "print/ui/program_printer.h"
#include "print/worksheet_settings.h"

#include "print/sheet_picture.h"
#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>

namespace quindor {

// "Arbeitsblatt drucken": where the sheet goes on the paper and how many copies. A landscape
// sheet shows the values turned; they go back into the portrait case when the dialog closes,
// and stay for the program run.
class WorksheetPrintDialog : public QDialog {
    Q_OBJECT
public:
    WorksheetPrintDialog(ProgramPrinter& printer, WorksheetPrintPlacement& placement,
                         const SheetPicture& sheet, bool landscape, QWidget* parent = nullptr);

    QDoubleSpinBox* field(const QString& name) const;
    QCheckBox* ratioBox() const { return ratio_; }
    QString printerInfo() const { return printerInfo_->text(); }
    QString orientationText() const { return orientation_->text(); }
    // The placement as shown now.
    WorksheetPrintPlacement shown() const;

    // Prints on the program's printer, on paper turned like the sheet.
    void print();
    // The sheet onto a printer that is set up already; false when the job did not start.
    bool paint(QPrinter& printer) const;

    void done(int result) override;

private:
    ProgramPrinter& printer_;
    WorksheetPrintPlacement& placement_;
    const SheetPicture& sheet_;
    bool landscape_;
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
    QCheckBox* ratio_;
    QSpinBox* copies_;
    QLabel* printerInfo_;
    QLabel* orientation_;
    bool adjusting_ = false;
};

} // namespace quindor
