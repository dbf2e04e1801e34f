#pragma once

#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// "render FILE OUT.png [--width W] [--height H] [--uncovered] [--numbering 0|1|2]": composes
// the page as the learning view shows it in a picture area of W x H pixels (default 1280 x 900)
// and writes it as PNG. 0 on success, 1 when the document cannot be loaded or the picture not
// written, 2 for wrong arguments.
int RunRender(const QStringList& arguments, QTextStream& err);

} // namespace quindor::doc
