#pragma once

#include "document/document.h"

#include <QHash>
#include <QStringList>

namespace quindor {

// The questions of documents as GIFT text, and what went into it.
struct GiftExport {
    QString Text;
    int Questions = 0;
    // One line per document written: its name, type and questions.
    QStringList Documents;
    // What could not be written, and why.
    QStringList Notes;
    // The questions named so far after each title: names go on counting where several
    // documents share a title.
    QHash<QString, int> Named;
};

// The text with the characters GIFT reads as its own (~ = # { } : and the backslash) escaped;
// a line break becomes \n.
QString GiftEscaped(const QString& text);

// Appends the questions of a document under a "$CATEGORY:" of its title: single questions as
// short answers, multiple-choice questions (several right answers with weights), each gap of a
// gap text or C-test as a missing-word question of its sentence, the pairs of a
// cross-matching document as one matching question. The other types, and what GIFT cannot
// hold (pictures), are left out with a note. label names the document (its file name).
void ExportDocument(const Document& document, const QString& label, GiftExport& out);

// The documents of the files, each read as the program loads it; a file that is the open
// document (given) is taken as it is shown, unsaved changes included.
GiftExport ExportFiles(const QStringList& paths, const Document* open = nullptr);

// The report of an export to the file target.
QString ExportReport(const GiftExport& out, const QString& target);

} // namespace quindor
