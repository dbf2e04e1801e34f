#pragma once

#include <QString>
#include <QStringList>

namespace quindor {

// Captions are stored as a comma list of their lines: a line holding a control character or
// blank (codes 0-32), a double quote or a comma is quoted, with inner quotes doubled.
QString EncodeCaption(const QString& caption);
// Parses a stored comma list back into lines joined with CR LF; trailing CR and LF removed.
QString DecodeCaption(const QString& stored);
// The lines of a caption: a line ends at CR, LF or CR LF; a final unterminated line counts.
QStringList SplitCaptionLines(const QString& caption);

} // namespace quindor
