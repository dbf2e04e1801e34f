#pragma once

#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// "worksheet FILE.qdr OUT.pdf [--variant 0|1|2] [--seed N]" writes the worksheet of a document
// (or the complete or overlay solution) with the settings stored in it; "worksheet FOLDER
// OUT.pdf [--seed N]" writes every document of a topic folder, each worksheet followed by its
// complete solution. The sheets go onto A4 pages as the print dialog places them. The seed
// (1 to 10000) fixes the order of cross-matching elements; without one it is drawn. 0 on
// success, 1 when a document cannot be loaded or the file not written, 2 for wrong arguments.
int RunWorksheet(const QStringList& arguments, QTextStream& err);

} // namespace quindor::doc
