#pragma once

#include "document/document.h"
#include "editor/text_kinds.h"

namespace quindor {

// The content of an open document in the text format of its kind, for editing it again; or,
// when the format cannot hold it (pictures in the content, a cell of several lines), why not.
struct ContentText {
    TextKind Kind = TextKind::GapText;
    QString Text;
    QString Refusal;
    bool ok() const { return Refusal.isEmpty(); }
};

// None for the documents of the types outside 1 to 5.
std::optional<ContentText> ContentTextOf(const Document& document);

} // namespace quindor
