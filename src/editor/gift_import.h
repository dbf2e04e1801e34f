#pragma once

#include "document/document.h"
#include "editor/gift_reader.h"
#include "editor/text_kinds.h"

#include <QByteArray>

namespace quindor {

// A document made from GIFT questions.
struct ImportedDocument {
    TextKind Kind = TextKind::Choice;
    QString Titel;
    // The GIFT questions it holds, and its content in short ("3 Lücke(n)").
    int Questions = 0;
    QString Summary;
    Document Made;
    // The file name in the folder, once written.
    QString FileName;
};

// What an import made of a GIFT file and what it could not take; every entry names the line
// where its question starts.
struct GiftImport {
    std::vector<ImportedDocument> Documents;
    // Questions that no document type asks, or that no document can hold.
    std::vector<FormatError> Skipped;
    // What imported questions left out: further answers, partial credit, distractors.
    std::vector<FormatError> LeftOut;
    // Questions that cannot be read.
    std::vector<FormatError> Faults;
    // Why the file gave nothing at all; empty when it is GIFT.
    QString Refusal;
    // A remark on the file as a whole (its encoding).
    QString Note;
};

// Maps each question to the document type that asks it the same way: multiple choice and
// true/false to multiple-choice questions, short answers to single questions, matching to
// cross-matching pairs, missing words to a gap text. Within the questions of one category
// that follow each other, those of one type form one document (pairs split at what the type
// holds), titled by the category's last part or, without a category, by fileTitle. The remark
// of each document names the source file.
GiftImport ImportGift(const GiftFile& file, const QString& fileTitle, const QString& source);

// A GIFT file's bytes imported: UTF-8 with or without a byte-order mark; a file that is no
// UTF-8 is read as Windows-1252, with a note.
GiftImport ImportGiftFile(const QByteArray& bytes, const QString& path);

// Writes the documents into the folder (a new one, or an existing empty one) as
// "NN_Titel.qdr", laid out as the program saves them; an existing file is never overwritten.
// Nothing is written when there is no document. Empty on success, else the message.
QString WriteImport(GiftImport& import, const QString& folder);

// The report of an import: the documents written with their questions, the questions skipped
// and why, what was left out, the questions that cannot be read, and a failed write.
QString ImportReport(const GiftImport& import, const QString& path, const QString& folder,
                     const QString& writeError);

} // namespace quindor
