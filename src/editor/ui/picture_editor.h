#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "editor/picture_editing.h"

#include <QObject>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QWidget;

namespace quindor {

class EditOverlay;
class PageArea;
class PictureEditPanel;

// The "Bearbeiten" mode on the picture area: mouse and keys go to the editing of the page's
// free objects, the selection and the handle of its spot are drawn over the page, the text of
// a new label is typed where it goes, pictures and documents are chosen through the pickers.
// The panel shows and changes the selected object.
class PictureEditor : public QObject {
    Q_OBJECT
public:
    // The panel goes into panelParent (owned by the editor without one).
    PictureEditor(Document& document, ViewComposer& view, ProgramState& state, Messages& messages,
                  Pickers& pickers, PageArea* area, QWidget* panelParent = nullptr);
    ~PictureEditor() override;

    PictureEditing& editing() { return editing_; }
    PictureEditPanel* panel() const { return panel_; }
    bool active() const { return active_; }
    // The page takes the mouse and the keys; the history starts empty.
    void start();
    void stop();
    // The text field of a new object, while it is shown.
    QPlainTextEdit* placingField() const;
    // Adds what a placement on the page asks for: the text typed (labels, info texts, link
    // addresses), or the picture or document chosen.
    void place(const Placement& placement);
    void undo();
    void redo();

    // Told after every change to the document.
    std::function<void()> edited;
    // "Bearbeiten beenden" in the panel.
    std::function<void()> leaveRequested;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pageEvent(QEvent* event);
    bool placingFieldEvent(QEvent* event);
    void finishPlacing(bool keep);
    struct ChosenPicture {
        Picture picture;
        // The file's name, which identifies the picture.
        QString name;
    };
    // A picture file chosen and read; the teacher is told what went wrong or was reduced.
    std::optional<ChosenPicture> choosePicture();
    void addPicture(const Placement& placement);
    void replacePicture();
    // The document a link opens, as its caption names it; empty when cancelled.
    QString chooseDocument();
    void refreshPanel();
    void hover(QPoint display);

    Document& document_;
    ViewComposer& view_;
    ProgramState& state_;
    Messages& messages_;
    Pickers& pickers_;
    PageArea* area_;
    PictureEditing editing_;
    PictureEditPanel* panel_;
    EditOverlay* overlay_;
    QPlainTextEdit* placingField_ = nullptr;
    std::optional<Placement> placing_;
    Qt::FocusPolicy areaFocus_ = Qt::NoFocus;
    bool active_ = false;
};

} // namespace quindor
