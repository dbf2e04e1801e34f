#pragma once

#include "document/object_kind.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace quindor {

// The document types (HeaderDataTyp::DokTyp). A file may hold a value not named here; such a
// document opens as a freely placed page.
enum class DocumentType : int32_t {
    Labelling = 0,      // text and picture cards placed freely on a picture
    GapText = 1,        // gap text, gap table or C-test (the subtype tells)
    Questions = 2,      // single questions
    MultipleChoice = 3, //
    Cluster = 4,        // cards sorted into baskets
    CrossMatching = 5,  // pairs joined by a line
};

// The subtypes of gap-text documents (HeaderDataTyp::DokUnterTyp).
enum class DocumentSubtype : int32_t {
    Plain = 0,    // gap text
    GapTable = 1, // table of text and picture cells
    CTest = 2,    //
};

constexpr int32_t StoredType(DocumentType type) {
    return static_cast<int32_t>(type);
}
constexpr DocumentType TypeFromStored(int32_t value) {
    return static_cast<DocumentType>(value);
}
constexpr int32_t StoredSubtype(DocumentSubtype subtype) {
    return static_cast<int32_t>(subtype);
}
constexpr DocumentSubtype SubtypeFromStored(int32_t value) {
    return static_cast<DocumentSubtype>(value);
}

// When the layout of a type draws into the page: under the objects (questions), over them
// (gap texts, baskets, pairs), or not at all.
enum class LayoutStage { None, UnderObjects, OverObjects };

// Which settings dialog, and which stored settings, a run of the type takes.
enum class OptionsFamily { Labelling = 0, Questions = 1, Cluster = 2, CrossMatching = 3 };

// How a run of the type asks and judges: cards dragged onto positions (or typed into them),
// answers of single questions clicked, multiple-choice answers ticked and confirmed, cards
// dragged into baskets, elements joined in pairs.
enum class RunStyle { Positions, Questions, Choice, Baskets, Pairs };

// Everything that depends on the document type, one row per type: a new type is added by
// filling its row (and writing its layout).
struct DocumentTypeRow {
    DocumentType type;
    // The name shown for the type; the gap-text type names each subtype.
    const char* name;
    std::vector<const char*> subtypeNames;
    // The default layout margins (EinrueckRand): left, top, right, bottom.
    double margins[4];
    // The grid of cells belongs to the document: never, for the gap-table subtype, always.
    enum class Grid { None, GapTableOnly, Always } grid;
    bool baskets; // cards go into baskets, drawn as coloured columns (SpaltenHtgd)
    LayoutStage layoutStage;
    bool layoutAtLoad; // the layout creates its objects anew at every load
    // The page shows one question at a time (CurrentQuestion, the question keys and buttons);
    // the numbering counts the answers of each question in list order.
    bool questions;
    // What the numbering takes: the question answers, or every query field.
    std::vector<ObjectKind> numberedKinds;
    // The objects a run asks, and those it asks in the typing mode (none: no typing mode).
    std::vector<ObjectKind> queryKinds;
    std::vector<ObjectKind> typedQueryKinds;
    // The cards of the run stack in the card column (the others are answers or elements).
    bool cardColumn;
    // Objects that take no part in a run and show their content during it.
    std::vector<ObjectKind> idleKinds;
    OptionsFamily family;
    // Whether the settings name a query mode and the protocol lists it with the time limit.
    bool queryModes;
    // The instruction of the exercise panel, by query mode (the last one for every higher).
    std::vector<const char*> instructions;
    RunStyle run;
};

const DocumentTypeRow& RowOf(DocumentType type);
// Unknown stored types are shown and run as freely placed pages.
bool IsKnownType(DocumentType type);
bool Contains(const std::vector<ObjectKind>& kinds, ObjectKind kind);

// Name of a document type as shown to the user; empty for an unknown type or subtype.
QString DocumentTypeName(DocumentType type, DocumentSubtype subtype);

} // namespace quindor
