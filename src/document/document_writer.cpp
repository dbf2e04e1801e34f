#include "document/document_writer.h"

#include "core/binary_stream.h"
#include "core/win1252.h"
#include "document/caption_codec.h"
#include "document/document_keys.h"
#include "document/document_reader.h"
#include "document/png_codec.h"

#include <algorithm>

namespace quindor {

namespace {

class Writer {
public:
    bool ok() const { return ok_; }
    ByteWriter& out() { return out_; }

    void picture(const Picture& picture) {
        if (!ok_)
            return;
        // An empty base image still needs a valid stream: one opaque white pixel.
        QImage image = picture.Image;
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_RGBA8888);
            image.fill(Qt::white);
        }
        const QByteArray png = EncodePng(image);
        if (png.isEmpty())
            ok_ = false;
        out_.writeBytes(png);
    }

    void rect(const FracRect& r) {
        out_.writeDouble(r.Left);
        out_.writeDouble(r.Top);
        out_.writeDouble(r.Right);
        out_.writeDouble(r.Bottom);
    }

private:
    ByteWriter out_;
    bool ok_ = true;
};

void NormaliseObject(ObjDataTyp& o) {
    if (o.Picture.isNone()) {
        if (o.Typ == ObjectKind::QueryPicture)
            o.Typ = ObjectKind::QueryLabel;
        else if (o.Typ == ObjectKind::FixedPicture)
            o.Typ = ObjectKind::FixedLabel;
        else if (o.Typ == ObjectKind::ChoiceQuestionPicture)
            o.Typ = ObjectKind::ChoiceQuestion;
    }
    if (IsPictureKind(o.Typ) && o.Picture.isEmpty())
        o.Picture = BlankPicture();
}

bool HasAnswerPictures(const ObjDataTyp& o) {
    return (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceQuestionPicture) &&
           o.Untertyp == 1;
}

void WriteGrid(Writer& w, HeaderDataTyp& h) {
    ByteWriter& out = w.out();
    const int rows = std::clamp(h.Zeilen, 0, kGridRows);
    const int columns = std::clamp(h.Spalten, 0, kGridColumns);
    out.writeInt32(rows);
    out.writeInt32(columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            CellDataTyp& cell = h.Cell(row, column);
            out.writeText(cell.Text);
            out.writeInt32(cell.Art);
            if (!CellHasPicture(h, cell))
                continue;
            if (cell.Bild.isEmpty())
                cell.Bild = BlankPicture();
            w.picture(cell.Bild);
            out.writeText(cell.BildKenn);
            out.writeInt32(cell.Fsize);
            out.writeInt32(cell.BildkarteAnpassen);
            out.writeText(cell.Link);
            out.writeInt32(cell.PunktInUebung);
        }
    }
    out.writeInt32(h.Linie);
    out.writeInt32(h.LinieCol);
}

void WriteObject(Writer& w, ObjDataTyp& o) {
    ByteWriter& out = w.out();
    out.writeDouble(o.Sx);
    out.writeDouble(o.Sy);
    out.writeDouble(o.Kx);
    out.writeDouble(o.Ky);
    out.writeText(EncodeCaption(o.Cap));
    out.writeInt32(o.KAusr);
    out.writeInt32(o.TAusr);
    out.writeInt32(o.Ebene);
    out.writeInt32(StoredKind(o.Typ));
    out.writeInt32(o.Sline);
    out.writeInt32(o.Fsize);
    out.writeInt32(o.KAusrAkt);
    out.writeInt32(o.FrageNummer);
    out.writeInt32(o.Stil);
    out.writeInt32(o.Farbe);
    out.writeInt32(o.LinieFarbe);
    out.writeInt32(o.LinieDicke);
    out.writeInt32(o.Untertyp);
    out.writeInt32(o.AntwortAnz);
    out.writeInt32(o.ZIndex);
    out.writeInt32(o.HFarbe);
    out.writeInt32(o.HDeck);
    out.writeText(o.PktCap);
    out.writeText(o.PktCap2);
    out.writeText(o.BildKenn);
    out.writeInt32(o.BildDeck);
    out.writeInt32(o.BildkarteAnpassen);
    out.writeInt32(o.PunktInUebung);
    if (IsPictureKind(o.Typ))
        w.picture(o.Picture);
    if (HasAnswerPictures(o)) {
        const int count = std::clamp(o.AntwortAnz, 0, kAnswerPictures);
        for (int i = 0; i < count; ++i) {
            Picture& answer = o.AnswerPicture(i);
            if (answer.isEmpty())
                answer = BlankPicture();
            w.picture(answer);
        }
    }
}

} // namespace

int StoredObjectCount(const Document& document) {
    return static_cast<int>(
        std::count_if(document.Objects.begin(), document.Objects.end(),
                      [](const ObjDataTyp& o) { return !IsTransientKind(o.Typ); }));
}

QByteArray WriteDocumentBytes(Document& document) {
    Writer w;
    ByteWriter& out = w.out();
    HeaderDataTyp& h = document.Header;
    out.reserve(1 << 16);
    out.writeTextBytes(keys::CurrentMagic);
    out.writeTextBytes(keys::CurrentKeyList());
    out.writeText(h.Vers);
    out.writeText(h.Titel);
    out.writeText(h.Autor);
    out.writeText(h.Bemerkung);
    out.writeText(h.Lueckentext);
    out.writeText(h.Fragentext);
    out.writeInt32(h.AnzFrageNummern);
    out.writeInt32(StoredType(h.DokTyp));
    w.rect(h.RandErw);
    out.writeInt32(h.NumArt);
    out.writeInt32(h.GeordnetArt);
    w.rect(h.EinrueckRand);
    out.writeInt32(h.HtgdCol);
    out.writeInt32(h.BasisbildDeck);
    out.writeInt32(h.MinLuecke);
    out.writeInt32(StoredSubtype(h.DokUnterTyp));
    if (h.HasGrid())
        WriteGrid(w, h);
    if (h.HasColumnBlock()) {
        const int columns = std::clamp(h.Spalten, 0, kGridColumns);
        for (int column = 0; column < columns; ++column) {
            out.writeInt32(h.Column(column).Farbe);
            out.writeInt32(h.Column(column).Deck);
        }
    }
    out.writeTextBytes(ScramblePassword(EncodeWin1252(h.BilderPasswort)));
    out.writeText(document.FontName);
    out.writeText(h.Arbeitsblatt);
    out.writeText(h.ABAufgabe);
    out.writeInt32(h.TextCol);
    out.writeInt32(h.FragBtnHtgdCol);
    out.writeInt32(h.FragBtnTextCol);
    const bool logo = !h.ABLogo.isEmpty();
    out.writeInt32(logo ? 1 : 0);
    if (logo)
        w.picture(h.ABLogo);
    out.writeDouble(h.LogoGroesse);
    out.writeInt32(h.LogoAusricht);
    out.writeText(h.Fusszeile);
    out.writeInt32(h.FusszeileAusricht);

    for (ObjDataTyp& object : document.Objects) {
        if (!IsTransientKind(object.Typ))
            NormaliseObject(object);
    }
    out.writeInt32(StoredObjectCount(document));
    for (ObjDataTyp& object : document.Objects) {
        if (!IsTransientKind(object.Typ))
            WriteObject(w, object);
    }
    w.picture(document.BaseImage);
    return w.ok() ? out.take() : QByteArray();
}

} // namespace quindor
