#pragma once

#include <QFont>
#include <QString>

namespace quindor {

// Whether captions in this font family are drawn in that face on this computer: the family is
// installed (compared case-insensitively), or it is one of the common Windows faces for which a
// metric-compatible face is installed (Arial, Times New Roman, Courier New), so that line breaks
// and widths come out as the author saw them.
bool IsFontInstalled(const QString& family);

// The installed family that draws captions in this font family, by the same rule: the family
// itself, or its installed metric-compatible face; empty when neither is installed. Asking for
// the installed face spares the system its search for a fallback.
QString InstalledFamily(const QString& family);
// A font of that installed family, or of the name as it stands when none is installed.
QFont InstalledFont(const QString& family);

// The family the system really draws for a font name (after its substitutions).
QString DrawnFontFamily(const QString& family);

} // namespace quindor
