#pragma once

#include "document/document.h"
#include "editor/text_content.h"
#include "editor/text_input.h"
#include "editor/text_kinds.h"

#include <optional>

namespace quindor {

// What a teacher says about a document besides its content.
struct DocumentInfo {
    QString Titel;
    QString Autor;
    QString Bemerkung;
};

// A document of the kind with its title, author and remark, the default margins of its type
// and a white page, and no content yet.
Document NewTextDocument(TextKind kind, const DocumentInfo& info);

// Each puts its content into a document of its type, replacing the content it had and keeping
// everything else (free objects, colours, margins, the page). The content stays within what
// the type holds (kMaxTableRows ...); what lies beyond is not taken.
void ApplyGapText(Document& document, const QString& gapText);
void ApplyGapTable(Document& document, const TableRows& rows);
// Also makes the objects a single-question document stores: per question its header, the
// question, "Antwort:" and the answer; the five navigation controls.
void ApplySingleQuestions(Document& document, const std::vector<SingleQuestionLine>& questions);
void ApplyChoiceQuestions(Document& document, const std::vector<ChoiceSource>& questions);
void ApplyBaskets(Document& document, const std::vector<Basket>& baskets);
void ApplyPairs(Document& document, const std::vector<ElementPair>& pairs);
// The content of the kind, whichever it is.
void ApplyContent(Document& document, const TextContent& content);

// The stored caption of a multiple-choice question: the question and its answer lines ("+" in
// front of a right answer, "-" of a wrong one) as a comma text.
QString ChoiceCaption(const QString& question, const QStringList& answerLines);

// The first of title, author and remark that a document cannot store, with its fault.
std::optional<QString> CheckInfoFields(const DocumentInfo& info);
// Title, author and remark into the header, the remark's lines as documents store them.
void ApplyInfo(HeaderDataTyp& header, const DocumentInfo& info);

// A document made from text: a new one (no base), or the base with its title, author, remark
// and content replaced. Refused with the first fault of the text or of the fields.
Parsed<Document> MakeFromText(const Document* base, TextKind kind, const DocumentInfo& info,
                              const QString& text);

} // namespace quindor
