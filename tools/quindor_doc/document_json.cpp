#include "quindor_doc/document_json.h"

#include "core/win1252.h"
#include "document/document_keys.h"

#include <QJsonArray>

#include <algorithm>

namespace quindor::doc {

namespace {

QJsonArray RectJson(const FracRect& r) {
    return QJsonArray{r.Left, r.Top, r.Right, r.Bottom};
}

QJsonObject HeaderJson(const HeaderDataTyp& h) {
    QJsonObject o;
    o["FileName"] = h.FileName;
    o["Vers"] = h.Vers;
    o["Titel"] = h.Titel;
    o["Autor"] = h.Autor;
    o["Bemerkung"] = h.Bemerkung;
    o["Lueckentext"] = h.Lueckentext;
    o["Fragentext"] = h.Fragentext;
    o["AnzFrageNummern"] = h.AnzFrageNummern;
    o["DokTyp"] = StoredType(h.DokTyp);
    o["DokUnterTyp"] = StoredSubtype(h.DokUnterTyp);
    o["RandErw"] = RectJson(h.RandErw);
    o["NumArt"] = h.NumArt;
    o["GeordnetArt"] = h.GeordnetArt;
    o["EinrueckRand"] = RectJson(h.EinrueckRand);
    o["HtgdCol"] = h.HtgdCol;
    o["BasisbildDeck"] = h.BasisbildDeck;
    o["MinLuecke"] = h.MinLuecke;
    if (h.HasGrid()) {
        o["Zeilen"] = h.Zeilen;
        o["Spalten"] = h.Spalten;
        o["Linie"] = h.Linie;
        o["LinieCol"] = h.LinieCol;
    }
    o["BilderPasswort"] = h.BilderPasswort;
    o["Arbeitsblatt"] = h.Arbeitsblatt;
    o["ABAufgabe"] = h.ABAufgabe;
    o["TextCol"] = h.TextCol;
    o["FragBtnHtgdCol"] = h.FragBtnHtgdCol;
    o["FragBtnTextCol"] = h.FragBtnTextCol;
    o["ABLogo"] = PictureJson(h.ABLogo);
    o["LogoGroesse"] = h.LogoGroesse;
    o["LogoAusricht"] = h.LogoAusricht;
    o["Fusszeile"] = h.Fusszeile;
    o["FusszeileAusricht"] = h.FusszeileAusricht;
    o["MinZIndex"] = h.MinZIndex;
    o["MaxZIndex"] = h.MaxZIndex;
    o["BildGroesseProzent"] = h.BildGroesseProzent;
    return o;
}

QJsonObject CellJson(const CellDataTyp& cell) {
    QJsonObject o;
    o["Text"] = cell.Text;
    o["Bild"] = PictureJson(cell.Bild);
    o["Art"] = cell.Art;
    o["BildKenn"] = cell.BildKenn;
    o["Link"] = cell.Link;
    o["Fsize"] = cell.Fsize;
    o["BildkarteAnpassen"] = cell.BildkarteAnpassen;
    o["PunktInUebung"] = cell.PunktInUebung;
    return o;
}

// Rows and columns in use; a damaged count never reaches past the grid.
QJsonArray GridJson(const HeaderDataTyp& h) {
    const int rows = std::clamp(h.Zeilen, 0, kGridRows);
    const int columns = std::clamp(h.Spalten, 0, kGridColumns);
    QJsonArray grid;
    for (int row = 0; row < rows; ++row) {
        QJsonArray cells;
        for (int column = 0; column < columns; ++column)
            cells.append(CellJson(h.Cell(row, column)));
        grid.append(cells);
    }
    return grid;
}

QJsonArray ColumnsJson(const HeaderDataTyp& h) {
    QJsonArray columns;
    for (int column = 0; column < std::clamp(h.Spalten, 0, kGridColumns); ++column) {
        const ColumnDataTyp& c = h.Column(column);
        columns.append(QJsonObject{{"Farbe", c.Farbe}, {"Deck", c.Deck}});
    }
    return columns;
}

QJsonObject ObjectJson(const ObjDataTyp& ob) {
    QJsonObject o;
    o["Sx"] = ob.Sx;
    o["Sy"] = ob.Sy;
    o["Kx"] = ob.Kx;
    o["Ky"] = ob.Ky;
    o["Cap"] = ob.Cap;
    o["KAusr"] = ob.KAusr;
    o["TAusr"] = ob.TAusr;
    o["Ebene"] = ob.Ebene;
    o["Typ"] = StoredKind(ob.Typ);
    o["Sline"] = ob.Sline;
    o["Fsize"] = ob.Fsize;
    o["KAusrAkt"] = ob.KAusrAkt;
    o["FrageNummer"] = ob.FrageNummer;
    o["Stil"] = ob.Stil;
    o["Farbe"] = ob.Farbe;
    o["LinieFarbe"] = ob.LinieFarbe;
    o["LinieDicke"] = ob.LinieDicke;
    o["Untertyp"] = ob.Untertyp;
    o["AntwortAnz"] = ob.AntwortAnz;
    o["ZIndex"] = ob.ZIndex;
    o["HFarbe"] = ob.HFarbe;
    o["HDeck"] = ob.HDeck;
    o["PktCap"] = ob.PktCap;
    o["PktCap2"] = ob.PktCap2;
    o["BildKenn"] = ob.BildKenn;
    o["BildDeck"] = ob.BildDeck;
    o["BildkarteAnpassen"] = ob.BildkarteAnpassen;
    o["PunktInUebung"] = ob.PunktInUebung;
    // Set by the layouts of grid documents, never stored.
    o["FixedWidth"] = ob.FixedWidth;
    o["FixedHeight"] = ob.FixedHeight;
    o["Partner"] = ob.Partner;
    o["Picture"] = PictureJson(ob.Picture);
    QJsonArray answers;
    for (const Picture& answer : ob.AntwPics)
        answers.append(PictureJson(answer));
    o["AntwPics"] = answers;
    // The working fields of the view and the runs, as the load and the layouts left them.
    o["FixedWidth"] = ob.FixedWidth;
    o["FixedHeight"] = ob.FixedHeight;
    o["State"] = static_cast<int>(ob.State);
    o["Nummer"] = ob.Nummer;
    o["Partner"] = ob.Partner;
    o["RunCounter1"] = ob.RunCounter1;
    o["RunCounter2"] = ob.RunCounter2;
    o["CardRect"] = RectJson(ob.CardRect);
    o["DrawnLeft"] = ob.DrawnLeft;
    o["DrawnTop"] = ob.DrawnTop;
    return o;
}

} // namespace

QJsonValue PictureJson(const Picture& picture) {
    if (picture.isNone())
        return QJsonValue::Null;
    return QJsonObject{{"width", picture.Image.width()}, {"height", picture.Image.height()}};
}

QJsonObject DocumentToJson(const Document& document, const ReadDetails& details) {
    const HeaderDataTyp& h = document.Header;
    QJsonObject root;
    root["magic"] = DecodeWin1252(details.Magic);
    QJsonArray keyList;
    for (const QByteArray& key : keys::SplitKeyList(details.KeyList))
        keyList.append(DecodeWin1252(key));
    root["keys"] = keyList;
    root["header"] = HeaderJson(h);
    root["font"] = document.FontName;
    if (h.HasGrid())
        root["grid"] = GridJson(h);
    if (h.HasColumnBlock())
        root["columns"] = ColumnsJson(h);
    QJsonArray objects;
    for (const ObjDataTyp& object : document.Objects)
        objects.append(ObjectJson(object));
    root["objects"] = objects;
    root["baseImage"] = PictureJson(document.BaseImage);
    return root;
}

} // namespace quindor::doc
