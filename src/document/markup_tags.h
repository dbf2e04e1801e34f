#pragma once

#include <QString>

namespace quindor {

// The inline tags of marked-up texts.
enum class MarkupTag {
    None,
    BoldOn,
    BoldOff,
    ItalicOn,
    ItalicOff,
    UnderlineOn,
    UnderlineOff,
    ColourOn,   // "<@COL=rrggbb>": removed, the colour stays
    ColourOff,  // "</@COL>"
    Rule,       // "<@LINIE>"
    PositionX,  // "<@POSX=nn%>"
    RightField, // "<@REB=nn>"
    GapOpen,    // "<<", gap modes only
    GapClose,   // ">>", gap modes only
};

struct MarkupTagMatch {
    MarkupTag tag = MarkupTag::None;
    int length = 0;
    int number = 0; // nn of "<@POSX=nn%>" and "<@REB=nn>"
};

// The tag that starts at index pos of text, compared without regard to case. A colour tag is any
// 13 characters that agree with "<@COL=000000>" once every 0-9 and A-F of both is read as "0";
// the position and field tags take any two decimal digits. Gap markers only when gapMarkers.
MarkupTagMatch MatchMarkupTag(const QString& text, qsizetype pos, bool gapMarkers);

} // namespace quindor
