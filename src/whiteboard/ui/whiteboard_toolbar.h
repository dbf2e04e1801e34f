#pragma once

#include "whiteboard/stamps.h"
#include "whiteboard/tool_tables.h"
#include "whiteboard/ui/chronicle_menu.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace quindor {

// What the whiteboard's buttons and menu items ask for.
enum class BoardCommand {
    Pointer,
    Hand,
    Pen,
    Eraser,
    Stamp,
    Text,
    Area,
    Size,
    Colour,
    RemoveAll,
    Undo,
    Redo,
    Copy,
    Save,
    Print,
    NewSheet,
    FileInChronicle,
    Chronicle,
    OpenPicture,
    Paste,
    Leave,
    ChroniclePdf,
};

// The whiteboard's part of the tool area: the tool buttons with their menus (pen presets,
// sizes, colours, stamps, sheets, chronicle) and one action per command, which the window's
// menu shares. It only shows the tool state and reports what was chosen.
class WhiteboardToolBar : public QWidget {
    Q_OBJECT
public:
    WhiteboardToolBar(QSize thumbnailSize, QWidget* parent = nullptr);

    QAction* action(BoardCommand command) const { return actions_.value(command); }
    // The button of a command; commands only in the menu (redo, the chronicle PDF) have none.
    QToolButton* button(BoardCommand command) const { return buttons_.value(command); }
    QMenu* presetMenu() const { return presetMenu_; }
    QMenu* sizeMenu() const { return sizeMenu_; }
    QMenu* colourMenu() const { return colourMenu_; }
    QMenu* stampMenu() const { return stampMenu_; }
    QMenu* sheetMenu() const { return sheetMenu_; }
    ChronicleMenu* chronicleMenu() const { return chronicleMenu_; }

    // Presses the button of the tool (the pen button for the freehand pen and the shapes).
    void showTool(Tool tool);
    void showPreset(int preset, const QColor& colour);
    void showSize(int size);
    void showColour(int colourId);
    void showStamp(int number);
    // The stamps of the menu; their pictures are drawn when the menu first shows them.
    void setStamps(const StampTable& stamps);

    // Opens a menu below the command's button, or 50 pixels left of and 100 pixels above its
    // lower-left corner.
    void popupBelow(QMenu* menu, BoardCommand command);
    void popupBeside(QMenu* menu, BoardCommand command);

signals:
    void commandTriggered(BoardCommand command);
    void presetChosen(int preset);
    void sizeChosen(int size);
    void colourChosen(int colourId);
    void stampChosen(int number);
    void stampConfigureChosen();
    void sheetChosen(int entry);

private:
    QAction* makeAction(BoardCommand command, const char* name, const QString& text,
                        const QIcon& icon, bool checkable = false);
    QToolButton* makeButton(BoardCommand command, const char* name);
    void createMenus();
    void drawStampIcons();

    QMap<BoardCommand, QAction*> actions_;
    QMap<BoardCommand, QToolButton*> buttons_;
    QMenu* presetMenu_;
    QMenu* sizeMenu_;
    QMenu* colourMenu_;
    QMenu* stampMenu_;
    QMenu* sheetMenu_;
    ChronicleMenu* chronicleMenu_;
    QList<QAction*> stampEntries_;
    StampTable stamps_ = StampTable::defaults();
    bool stampIconsDue_ = true;
};

} // namespace quindor
