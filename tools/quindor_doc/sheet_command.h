#pragma once

#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// "sheet KIND OUT.pdf|OUT.png [--size WxH] [--count N] [--rows R --columns C]": draws a
// whiteboard sheet with the program's own drawing. A PNG is W x H pixels (default 1920 x 1080);
// a PDF is one A4 page, upright unless W > H, with the sheet drawn at the page's proportions W
// pixels wide (default 1240). Counts, rows and columns are limited as in the program. 0 on
// success, 1 when the file cannot be written, 2 for wrong arguments.
int RunSheet(const QStringList& arguments, QTextStream& err);

} // namespace quindor::doc
