#pragma once

#include "document/document.h"
#include "editor/document_makers.h"

#include <QPointF>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace quindor {

// The objects an author places on a page, as opposed to those a layout makes: labels,
// pictures, points and links. Only these are edited; the layout makes its own anew.
bool IsFreeKind(ObjectKind kind);

// What a teacher adds on a page, in the order the editor offers them.
struct FreeKindRow {
    ObjectKind kind;
    // The name in the editor, and what the tool does.
    const char* name;
    const char* hint;
};
const std::vector<FreeKindRow>& FreeKinds();
const FreeKindRow& FreeKindRowOf(ObjectKind kind);
// The kinds an object may be turned into: labels into labels, pictures into pictures, points
// into points.
std::vector<ObjectKind> KindsLike(ObjectKind kind);

// A new object of the kind pointing at `spot` with its card at `cardPoint` (page fractions),
// placed on the side the view's automatic rule gives. Its text is the caption of a label, the
// explanation of an info point or the target of a link; a picture card takes `picture`.
ObjDataTyp NewFreeObject(ObjectKind kind, QPointF spot, QPointF cardPoint, const QString& text,
                         const HeaderDataTyp& header, const Picture& picture = Picture());
// Where the card of a label goes when the teacher only clicks the spot: beside it, towards the
// nearer edge of the page where the labels of a picture usually stand (the other way when the
// spot lies too close to that edge); a point stands on its spot.
QPointF DefaultCardPoint(ObjectKind kind, QPointF spot);
// The object turned into another kind of its family; a point whose title and colours were the
// defaults of its kind takes those of the new kind.
ObjDataTyp WithKind(const ObjDataTyp& object, ObjectKind kind);

// A picture read from a file for a document, with what the teacher is told.
struct DocumentPicture {
    Picture Pic;
    // The error when the file is no picture; otherwise empty.
    QString Error;
    // Set when the picture was reduced: what the teacher is told about it.
    QString Notice;
    bool ok() const { return Error.isEmpty(); }
};
// The longest side a base image keeps: what the view shows at full size.
constexpr int kBaseImageMaxSide = 2000;
// The longest side a picture card keeps; cards are small on the page.
constexpr int kCardPictureMaxSide = 1000;
// Reads PNG, JPEG, BMP or GIF (whatever Qt reads); a picture whose longer side exceeds
// maxSide is read reduced to it, keeping its shape.
DocumentPicture ReadDocumentPicture(const QString& path, int maxSide);

// A labelling document on the picture: its title, author and remark, the page format of the
// settings around the picture, no objects yet. Refused when a field cannot be stored or there
// is no picture.
Parsed<Document> MakeLabelling(const DocumentInfo& info, const Picture& base,
                               const PageFormatDefaults& pageFormat);

} // namespace quindor
