#pragma once

#include "document/document_model.h"

#include <QString>

#include <optional>
#include <vector>

namespace quindor {

// The document types a teacher makes from text, each with a text format of its own.
enum class TextKind { GapText, CTest, GapTable, Questions, Choice, Cluster, Pairs };

struct TextKindRow {
    TextKind kind;
    // The name on the command line.
    const char* command;
    DocumentType type;
    DocumentSubtype subtype;
    // The format in a few sentences, and a short example of it.
    const char* format;
    const char* example;
};

// What the content of a text-made document may hold.
constexpr int kMaxTableRows = kGridRows;
constexpr int kMaxTableColumns = kGridColumns;
constexpr int kMinBaskets = 2;
constexpr int kMaxBaskets = 5;
// The heading of a basket takes the first row of the grid.
constexpr int kMaxBasketItems = kGridRows - 1;
constexpr int kMaxPairs = kGridRows;

// Every kind, in the order the dialog and the help list them.
const std::vector<TextKindRow>& TextKinds();
const TextKindRow& TextKindRowOf(TextKind kind);
std::optional<TextKind> TextKindOfCommand(const QString& command);
// The kind of a document of the types 1 to 5; none for the other types.
std::optional<TextKind> TextKindOf(const HeaderDataTyp& header);
// The name the program shows for the document type.
QString TextKindName(TextKind kind);

} // namespace quindor
