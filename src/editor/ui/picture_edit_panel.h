#pragma once

#include "document/document_model.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace quindor {

// The editor's panel in the tool area: what a press on the page adds, and the fields of the
// selected object (kind, text, size, side, style, colours, line), with delete, undo and redo.
// It shows what it is given and reports what the teacher changed; every control has a German
// label and a tooltip.
class PictureEditPanel : public QWidget {
    Q_OBJECT
public:
    explicit PictureEditPanel(QWidget* parent = nullptr);

    // The selected object's fields, or none selected.
    void showObject(const ObjDataTyp* object);
    // The add tool pressed; none: selecting.
    void showAdding(std::optional<ObjectKind> kind);
    void showHistory(bool canUndo, bool canRedo);
    QPlainTextEdit* textEdit() const { return text_; }
    QToolButton* addButton(ObjectKind kind) const;
    QSpinBox* sizeBox() const { return size_; }
    QComboBox* sideBox() const { return side_; }
    QComboBox* kindBox() const { return kind_; }
    QCheckBox* lineBox() const { return line_; }
    QCheckBox* backgroundBox() const { return background_; }

    // Told of every change of the selected object; `finished` is false while the teacher is
    // still typing, so that the change shows at once and becomes one step when done.
    std::function<void(const ObjDataTyp& after, bool finished)> edited;
    std::function<void(std::optional<ObjectKind> kind)> addingChosen;
    std::function<void()> deleteRequested;
    std::function<void()> undoRequested;
    std::function<void()> redoRequested;
    std::function<void()> leaveRequested;
    // Replaces the picture of the selected picture card; the window asks for the file.
    std::function<void()> pictureRequested;
    // Chooses the document a link opens; the window asks for the file.
    std::function<void()> documentRequested;
    // The colour dialog; tests answer it. None: cancelled.
    std::function<std::optional<QColor>(const QColor& current, const QString& title)> chooseColour;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    // A copy of the shown object changed by `change`, reported.
    void report(const std::function<void(ObjDataTyp&)>& change, bool finished = true);
    void pickColour(WinColor ObjDataTyp::*field, const QString& title);
    void showFieldsOf(ObjectKind kind);

    std::optional<ObjDataTyp> shown_;
    QButtonGroup* tools_;
    QLabel* none_;
    QScrollArea* fieldsArea_;
    QGroupBox* fields_;
    QComboBox* kind_;
    QLabel* textLabel_;
    QPlainTextEdit* text_;
    QPushButton* chooseFile_;
    QLabel* titleLabel_;
    QLineEdit* title_;
    QLabel* passwordLabel_;
    QLineEdit* password_;
    QLabel* sizeLabel_;
    QSpinBox* size_;
    QLabel* sideLabel_;
    QComboBox* side_;
    QLabel* styleLabel_;
    QWidget* styleRow_;
    QToolButton* bold_;
    QToolButton* italic_;
    QToolButton* underline_;
    QComboBox* align_;
    QPushButton* textColour_;
    QCheckBox* background_;
    QPushButton* backgroundColour_;
    QCheckBox* line_;
    QPushButton* lineColour_;
    QSpinBox* thickness_;
    QPushButton* delete_;
    QPushButton* undo_;
    QPushButton* redo_;
};

} // namespace quindor
