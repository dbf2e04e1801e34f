#pragma once

#include <QString>
#include <QStringList>

namespace quindor {

// Captions are stored as a comma list of their lines: a line holding a control character or
// blank (codes 0-32), a double quote or a comma is quoted, with inner quotes doubled.
QString EncodeCaption(const QString& caption);
// Parses a stored comma list back into lines joined with CR LF; trailing CR and LF removed.
QString DecodeCaption(const QString& stored);
// The items of a comma text: an item in double quotes runs to its closing quote (a doubled quote
// stands for one, line breaks belong to the item); any other item ends at a blank, a control
// character or a comma. The text ends at its first NUL.
QStringList SplitCommaText(const QString& text);
// The comma text of items: an item holding a control character or blank, a double quote or a
// comma is quoted, with inner quotes doubled; a single empty item is written as "".
QString JoinCommaText(const QStringList& items);
// The lines of a caption: a line ends at CR, LF or CR LF; a final unterminated line counts.
QStringList SplitCaptionLines(const QString& caption);

} // namespace quindor
