#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/random_generator.h"
#include "print/ui/program_printer.h"
#include "print/ui/worksheet_preview.h"
#include "print/worksheet_sheet.h"

#include "print/sheet_picture.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace quindor {

// "Arbeitsblatt": the worksheet of the open document with its settings and a live preview,
// printed, exported as PDF or SVG, or copied. The settings belong to the program run and are
// written with the document when it is saved; closing hands the task back to the document
// without marking it changed. Every opening draws its own seed for the order of
// cross-matching elements, which preview, print and export then share.
class TArbeitsblattForm : public QDialog {
    Q_OBJECT
public:
    struct Ports {
        Messages& messages;
        Pickers& pickers;
        ProgramPrinter& printer;
    };

    // source: the open document and what the learning view shows of it.
    TArbeitsblattForm(WorksheetState& state, Document& document, const WorksheetSource& source,
                      RandomGenerator& random, Ports ports, QWidget* parent = nullptr);

    uint32_t seed() const { return seed_; }
    const SheetPicture& sheet() const { return sheet_; }
    WorksheetPreview* preview() const { return preview_; }
    template <typename T> T* control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    // "Vorschau aktualisieren": the sheet from the settings shown.
    void buildSheet();
    // "Zurücksetzen": the document's stored settings and task again.
    void resetSettings();
    // "Exportieren...", "In Zwischenablage kopieren", "Drucken...".
    void exportSheet();
    void copySheet();
    void printSheet();

    void done(int result) override;

private:
    QWidget* createSettings();
    QGroupBox* createFreePanel();
    QGroupBox* createPicturePanel();
    QGroupBox* createQuestionPanel();
    void connectChanges();
    void showPanels();
    // Between the controls and the settings.
    void showSettings();
    void readControls();
    void settingsChanged();

    WorksheetState& state_;
    WorksheetSettings& settings_;
    Document& document_;
    WorksheetSource source_;
    Ports ports_;
    uint32_t seed_;
    bool orientationChanged_ = false;
    bool showing_ = false;
    SheetPicture sheet_;

    QButtonGroup* mode_;
    QButtonGroup* orientation_;
    QCheckBox* name_;
    QCheckBox* klasse_;
    QCheckBox* datum_;
    QCheckBox* titleCheck_;
    QLineEdit* title_;
    QPlainTextEdit* task_;
    QCheckBox* bank_;
    QCheckBox* objects_;
    QComboBox* blankSize_;
    QWidget* blankSizeRow_;
    QGroupBox* freePanel_;
    QCheckBox* baseImage0_;
    QCheckBox* drawings_;
    QGroupBox* picturePanel_;
    QCheckBox* baseImage_;
    QDoubleSpinBox* size_;
    QDoubleSpinBox* x_;
    QDoubleSpinBox* y_;
    QCheckBox* fullWidth_;
    QCheckBox* margins_;
    QSpinBox* font_;
    QGroupBox* questionPanel_;
    QSpinBox* firstQuestion_;
    WorksheetPreview* preview_;
};

} // namespace quindor
