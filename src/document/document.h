#pragma once

#include "document/document_model.h"

#include <QString>

#include <vector>

namespace quindor {

// The open document: header, object list (in drawing and file order), the document font and
// the base image. There is one per program (two in tests that simulate two PCs).
struct Document {
    HeaderDataTyp Header;
    std::vector<ObjDataTyp> Objects;
    QString FontName = QStringLiteral("Arial");
    Picture BaseImage;

    ObjDataTyp& Object(int index) { return Objects.at(static_cast<size_t>(index)); }
    const ObjDataTyp& Object(int index) const { return Objects.at(static_cast<size_t>(index)); }
    int ObjectCount() const { return static_cast<int>(Objects.size()); }
};

// Page-format values that a new empty document takes from the settings.
struct PageFormatDefaults {
    int32_t SeitRatioArt = 1;
    int32_t SeitRatioBreite = 10;
    int32_t SeitRatioHoehe = 7;
};

// Header to its reset values (cell pictures and the logo released), with the page format from
// the settings. The object list is left alone.
void ResetHeader(HeaderDataTyp& header, const PageFormatDefaults& pageFormat);
// Releases every object with its pictures.
void ClearObjects(Document& document);
// The fields a layout gives a new object; every other field starts at zero, empty or none.
struct NewObject {
    ObjectKind Typ = ObjectKind::QueryLabel;
    int32_t Ebene = 1;
    QString Cap;
    int32_t FrageNummer = -1;
    double Kx = 0.0;
    double Ky = 0.0;
    int32_t KAusr = 1;
    int32_t Fsize = 0;
};

// Appends a generated object (covered, at its card point, in the text colour) and returns its
// index.
int AddObject(Document& document, const NewObject& fields);
// Removes one object; an index outside the list changes nothing.
void DeleteObject(Document& document, int index);

// Sets RandErw from the page-format fields of the header and the base image size, so that the
// page gets its aspect ratio and the base image its size and position on it.
void ApplyPageFormat(HeaderDataTyp& header, int baseWidth, int baseHeight);
// Size of the base image relative to the page, percent, for a base image of w x h pixels.
double ComputeBildGroesseProzent(const FracRect& randErw, int w, int h);

} // namespace quindor
