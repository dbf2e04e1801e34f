#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// "new TYP AUS.qdr [--titel T] [--autor A] [--bemerkung B] [EINGABE.txt]": a document made
// from the text of the file or of standard input. 0 written, 1 refused (the message on err,
// nothing written), 2 for arguments that are no command; "new --help" shows the formats.
int RunNew(const QStringList& arguments, QIODevice& standardInput, QTextStream& out,
           QTextStream& err);

// The formats with an example each, as "new --help" shows them.
QString NewHelpText();

} // namespace quindor::doc
