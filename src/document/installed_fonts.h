#pragma once

#include <QString>

namespace quindor {

// Whether captions in this font family are drawn in that face on this computer: the family is
// installed (compared case-insensitively), or it is one of the common Windows faces for which a
// metric-compatible face is installed (Arial, Times New Roman, Courier New), so that line breaks
// and widths come out as the author saw them.
bool IsFontInstalled(const QString& family);

// The family the system really draws for a font name (after its substitutions).
QString DrawnFontFamily(const QString& family);

} // namespace quindor
