#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document.h"
#include "document/document_reader.h"
#include "document/document_session.h"
#include "editor/scratch_session.h"

#include <QStringList>
#include <QTextStream>

namespace quindor::doc {

// A document session as the program has one, without a window: the layouts of the types
// registered, every message recorded.
using ToolSession = ScratchSession;

// Messages for standard error, one a line, CR LF as line breaks.
void PrintMessages(const QStringList& messages, QTextStream& err);

// A document as the program's loader sees it, with the messages the loader would show.
struct LoadedDocument {
    bool ok = false;
    QStringList messages;
    Document document;
    ReadDetails details;
    QString storedFontName;  // the font the file names, before any fallback
    int currentQuestion = 0; // the question the load left shown (question documents)
};

LoadedDocument LoadForInspection(const QString& path);

// Files as given; each folder replaced by its .qdr and .zwk files (any case), sorted by name.
// Folders without documents are reported in emptyFolders.
QStringList CollectDocuments(const QStringList& paths, QStringList* emptyFolders = nullptr);

// Loader messages for a report: every line indented, CR LF as line breaks.
QString IndentMessages(const QStringList& messages);

// Summary of a loaded document; storedFontName is the font the file names.
QString InfoText(const QString& path, const Document& document, const QString& storedFontName);

// The commands; each returns the process exit status.
int RunInfo(const QString& path, QTextStream& out, QTextStream& err);
int RunDump(const QString& path, QTextStream& out, QTextStream& err);
int RunCheck(const QStringList& paths, QTextStream& out);
int RunRewrite(const QString& in, const QString& outPath, QTextStream& err);
// The ranked best list as the best-list window's text.
int RunBestList(const QString& path, QTextStream& out, QTextStream& err);

} // namespace quindor::doc
