#pragma once

#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// "import DATEI.gift ORDNER": the questions of a GIFT file as documents in the folder (a new or
// an empty one), the report on out. 0 when a document was written, 1 otherwise (a failure also
// on err), 2 for arguments that are no command.
int RunImport(const QStringList& arguments, QTextStream& out, QTextStream& err);

// "export DOKUMENT.qdr|ORDNER AUS.gift": the questions of the document, or of every document of
// the folder, as one GIFT file, the report on out. 0 when the file was written, 1 when no
// question could be written or the file not (the message on err), 2 for wrong arguments.
int RunExport(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace quindor::doc
