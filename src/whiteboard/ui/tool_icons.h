#pragma once

#include "whiteboard/tool_tables.h"

#include <QIcon>

namespace quindor {

// The pictures of the whiteboard's buttons and menu entries, drawn by the program.
enum class BoardIcon {
    Pointer,
    Hand,
    Eraser,
    Stamp,
    Text,
    Area,
    RemoveAll,
    Undo,
    Copy,
    Save,
    Print,
    Sheet,
    FileInChronicle,
    Chronicle,
    OpenPicture,
    Paste,
    Leave,
};

QIcon BoardIconOf(BoardIcon icon);
// The pen preset's shape in the pen colour.
QIcon PenPresetIcon(int preset, const QColor& colour = Qt::black);
// A line of the size's width.
QIcon SizeIcon(int size);
// A swatch of the colour; see-through colours are shown over a chequered ground.
QIcon ColourIcon(int colourId);

} // namespace quindor
