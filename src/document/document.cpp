#include "document/document.h"

#include "core/rounding.h"

#include <algorithm>

namespace quindor {

void ResetHeader(HeaderDataTyp& header, const PageFormatDefaults& pageFormat) {
    header = HeaderDataTyp();
    header.SeitRatioArt = pageFormat.SeitRatioArt;
    header.SeitRatioBreite = pageFormat.SeitRatioBreite;
    header.SeitRatioHoehe = pageFormat.SeitRatioHoehe;
    header.EinrueckRand = DefaultEinrueckRand(DocumentType::Labelling);
}

void ClearObjects(Document& document) {
    document.Objects.clear();
}

int AddObject(Document& document, const NewObject& fields) {
    ObjDataTyp object;
    // Everything not named here starts at zero, empty or none.
    object.Working() = ObjectWorkingFields{};
    object.Nummer = 0;
    object.Partner = 0;
    object.CardRect = FracRect{};
    object.DrawnLeft = 0;
    object.DrawnTop = 0;
    object.HFarbe = 0;
    object.LinieDicke = 0;
    object.Cap = fields.Cap;
    object.State = ObjectState::Covered;
    object.Ebene = fields.Ebene;
    object.Typ = fields.Typ;
    object.Sline = 0;
    object.Fsize = fields.Fsize;
    object.KAusr = fields.KAusr;
    object.TAusr = 0;
    object.Kx = fields.Kx;
    object.Ky = fields.Ky;
    object.Sx = fields.Kx;
    object.Sy = fields.Ky;
    object.BildDeck = 100;
    object.Farbe = document.Header.TextCol;
    object.HDeck = IsPointKind(fields.Typ) ? 100 : 0;
    object.FrageNummer = fields.FrageNummer;
    document.Objects.push_back(std::move(object));
    return document.ObjectCount() - 1;
}

void DeleteObject(Document& document, int index) {
    if (index < 0 || index >= document.ObjectCount())
        return;
    document.Objects.erase(document.Objects.begin() + index);
}

double ComputeBildGroesseProzent(const FracRect& randErw, int w, int h) {
    const int pageW = RoundHalfEven((1.0 + randErw.Left + randErw.Right) * w);
    const int pageH = RoundHalfEven((1.0 + randErw.Top + randErw.Bottom) * h);
    // A damaged margin could make the page vanish; the base image then fills it.
    if (pageW <= 0 || pageH <= 0)
        return 100.0;
    return std::max(static_cast<double>(w) / pageW, static_cast<double>(h) / pageH) * 100.0;
}

void ApplyPageFormat(HeaderDataTyp& header, int baseWidth, int baseHeight) {
    if (baseWidth <= 0 || baseHeight <= 0)
        return;
    const double w = baseWidth;
    const double h = baseHeight;
    double f = w;
    double g = h;
    double ex = 0.0;
    double ey = 0.0;
    if (header.SeitRatioArt == 1 && header.SeitRatioBreite > 0 && header.SeitRatioHoehe > 0) {
        const double t = static_cast<double>(header.SeitRatioBreite) / header.SeitRatioHoehe;
        if (t >= w / h) {
            g = h;
            f = RoundHalfEven(h * t);
        } else {
            f = w;
            g = RoundHalfEven(w / t);
        }
        ex = (f / w - 1.0) / 2.0;
        ey = (g / h - 1.0) / 2.0;
    }
    const double size = header.BildGroesseProzent > 0.0 ? header.BildGroesseProzent / 100.0 : 1.0;
    const double mx = (f / size - f) / 2.0 / w;
    const double my = (g / size - g) / 2.0 / h;
    const double totalX = 2.0 * (mx + ex);
    const double totalY = 2.0 * (my + ey);
    header.RandErw.Left = totalX * header.BildPosXProzent / 100.0;
    header.RandErw.Top = totalY * header.BildPosYProzent / 100.0;
    header.RandErw.Right = totalX - header.RandErw.Left;
    header.RandErw.Bottom = totalY - header.RandErw.Top;
}

} // namespace quindor
