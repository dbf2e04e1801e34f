#pragma once

#include <cstdint>

namespace quindor {

// What an object is (ObjDataTyp::Typ). The kinds below 10 are the objects an author places
// freely; the others come from the layouts of the document types. A file may hold a value
// not named here; it is kept as it is.
enum class ObjectKind : int32_t {
    QueryLabel = 0,      // text card whose caption is asked for
    FixedLabel = 1,      // text card always shown
    InfoPoint = 2,       // opens an explanation
    Gap = 3,             // a gap of a gap text
    ExternalLink = 4,    // point that opens a file or web address
    DocumentLink = 5,    // point that opens another document
    QueryPicture = 6,    // picture whose content is asked for
    FixedPicture = 7,    //
    PictureLink = 8,     // picture that opens a file or document
    AnswerField = 10,    // answer of a single question
    QuestionText = 11,   // question of a single question
    NavPrevious = 12,    // controls of the question layouts
    NavNext = 13,        //
    NavFirst = 14,       //
    NavLast = 15,        //
    NavRandom = 16,      //
    StaticLabel = 17,    // headings of the question layouts
    ChoiceQuestion = 20, // a multiple-choice question with its answers
    ChoiceQuestionPicture = 21,
    ChoiceText = 22,       // generated parts of a multiple-choice question
    ChoicePicture = 23,    //
    ChoiceMarker = 24,     // the tick box of an answer
    ChoiceAnswerText = 25, //
    ChoiceOk = 26,         //
    ChoiceAnswerPicture = 27,
    TableStaticPicture = 31, // gap-table cells: 30 + the cell's Art
    TableQueryPicture = 32,  //
    TablePictureLink = 33,   //
    ClusterStaticText = 40,  // cluster cards: 40 + the cell's Art
    ClusterText = 41,        //
    ClusterStaticPicture = 42,
    ClusterPicture = 43,    //
    PairStaticText = 50,    // cross-matching elements: 50 + the cell's Art
    PairText = 51,          //
    PairStaticPicture = 52, //
    PairPicture = 53,       //
};

// The kind as it stands in a file, and back.
constexpr int32_t StoredKind(ObjectKind kind) {
    return static_cast<int32_t>(kind);
}
constexpr ObjectKind KindFromStored(int32_t value) {
    return static_cast<ObjectKind>(value);
}
// A kind counted on from a first one (the table and grid layouts: first + cell Art).
constexpr ObjectKind KindAfter(ObjectKind first, int steps) {
    return static_cast<ObjectKind>(static_cast<int32_t>(first) + steps);
}

// Info, external-link and document-link points.
bool IsPointKind(ObjectKind kind);
// Kinds that carry their own picture in the file.
bool IsPictureKind(ObjectKind kind);
// Kinds the layouts generate anew and the writer never stores.
bool IsTransientKind(ObjectKind kind);
// Navigation controls of the question layouts.
bool IsNavigationKind(ObjectKind kind);
bool IsChoicePartKind(ObjectKind kind);
bool IsTablePictureKind(ObjectKind kind);
bool IsClusterKind(ObjectKind kind);
bool IsPairKind(ObjectKind kind);
// Cards drawn from their picture (when they have one).
bool IsPictureCardKind(ObjectKind kind);
// The picture items of baskets and pairs: without a picture they stay blank, since their only
// text is their identity, which would tell the learner the answer.
bool IsBasketOrPairPictureKind(ObjectKind kind);
// Query fields that carry a number and the covered look.
bool IsNumberedKind(ObjectKind kind);
// What a click in the learning view covers and uncovers.
bool IsCoverableKind(ObjectKind kind);
// What the numbering order takes in documents without questions.
bool TakesPartInNumbering(ObjectKind kind);
// What reacts to a click on the page.
bool IsClickableKind(ObjectKind kind);
// Objects that never change their look: drawn once into the static snapshot.
bool IsFixedKind(ObjectKind kind);
// Targets a dragged card can be dropped on.
bool IsDropTargetKind(ObjectKind kind);
// Query objects whose card shows a picture in the exercise panel.
bool IsPictureQueryKind(ObjectKind kind);

} // namespace quindor
