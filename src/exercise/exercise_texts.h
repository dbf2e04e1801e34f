#pragma once

#include "core/program_state.h"
#include "document/document_type.h"

#include <QString>

namespace quindor {

// The instruction of the exercise panel for a document type and query mode.
QString InstructionText(DocumentType type, QueryMode mode);
// "mm:ss", minutes with two digits or more.
QString ClockText(int seconds);
// x in straight double quotes.
QString Quoted(const QString& text);

// Detail lines of a checked assignment (card and target as normalised captions), for the
// document types whose cards are assigned to positions, answers or baskets, and for joined
// elements.
QString RightLine(DocumentType type, QueryMode mode, const QString& card, const QString& target);
QString WrongLine(DocumentType type, QueryMode mode, const QString& card, const QString& target);

// Detail lines of the presentation of a single card or a single position.
QString PresentCardLine(DocumentType type, const QString& caption);
QString PresentPositionLine(DocumentType type, const QString& caption);

} // namespace quindor
