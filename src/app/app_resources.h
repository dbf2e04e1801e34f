#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QMap>

#include <functional>

namespace quindor {

// The program's own cursors, by the slot numbers the tools use.
enum CursorSlot {
    CursorDrag = -12,
    CursorLibraryDrag = -13,
    CursorEraser = 3,
    CursorMoveCard = 4,
    CursorTextInput = 7,
    CursorHand = 8,
    CursorPen = 9,
    CursorStamp = 10,
};

class CursorTable {
public:
    // Registers every cursor of the program (resource names DRAGBLACK, RADIER32, PFEILMOVE,
    // TEXTEINGABE, HAND, STIFT5, STEMPEL) under its slot; each is drawn on first use.
    void registerProgramCursors();
    QCursor cursor(int slot) const;
    bool has(int slot) const { return makers_.contains(slot); }

private:
    QMap<int, std::function<QCursor()>> makers_;
    mutable QMap<int, QCursor> cursors_;
};

// Background pictures of the window areas; the panel colours are sampled from them so that
// the panels match.
struct WindowPictures {
    QImage mainBackground;
    QImage boardPicture;
    QColor windowColour;
    QColor learningPanelColour;
    QColor cardPanelColour;
    QColor infoPanelColour;
    QColor statusPanelColour;

    static WindowPictures create();
};

} // namespace quindor
