#include "document/document_reader.h"

#include "core/binary_stream.h"
#include "core/win1252.h"
#include "document/caption_codec.h"
#include "document/document_keys.h"
#include "document/png_codec.h"

#include <algorithm>

namespace quindor {

namespace {

constexpr char kPasswordKey = static_cast<char>(0xA5);
// Smallest object block: four floats, an empty caption and seven integers.
constexpr qsizetype kMinObjectBytes = 4 * 8 + 4 + 7 * 4;

class KeySet {
public:
    explicit KeySet(QByteArray list) : list_(std::move(list)) {}
    // Presence is a substring test on the stored list, as old readers did it.
    bool has(const char* key) const { return list_.contains(key); }

private:
    QByteArray list_;
};

bool ReadPicture(ByteReader& in, Picture& picture) {
    const QByteArrayView rest = in.peekRest();
    const qsizetype length = PngStreamLength(rest);
    if (length < 0 || !DecodePng(rest.first(length), picture, in.writableRest())) {
        in.fail();
        return false;
    }
    in.skip(length);
    return true;
}

FracRect ReadRect(ByteReader& in) {
    FracRect r;
    r.Left = in.readDouble();
    r.Top = in.readDouble();
    r.Right = in.readDouble();
    r.Bottom = in.readDouble();
    return r;
}

bool ReadGrid(ByteReader& in, const KeySet& keys, HeaderDataTyp& h) {
    if (keys.has(keys::TabelleZeilen))
        h.Zeilen = in.readInt32();
    if (keys.has(keys::TabelleSpalten))
        h.Spalten = in.readInt32();
    if (!in.ok() || h.Zeilen < 0 || h.Zeilen > kGridRows || h.Spalten < 0 ||
        h.Spalten > kGridColumns)
        return false;
    for (int row = 0; row < h.Zeilen; ++row) {
        for (int column = 0; column < h.Spalten; ++column) {
            CellDataTyp& cell = h.Cell(row, column);
            cell.Text = in.readText();
            if (keys.has(keys::TabelleBild))
                cell.Art = in.readInt32();
            if (!in.ok())
                return false;
            if (!CellHasPicture(h, cell))
                continue;
            if (keys.has(keys::TabelleBild)) {
                if (!ReadPicture(in, cell.Bild))
                    return false;
                cell.BildKenn = in.readText();
                cell.Fsize = in.readInt32();
                cell.BildkarteAnpassen = in.readInt32();
            }
            if (keys.has(keys::TabelleBildLink)) {
                cell.Link = in.readText();
                cell.PunktInUebung = in.readInt32();
            }
        }
    }
    if (keys.has(keys::TabelleLinie))
        h.Linie = in.readInt32();
    if (keys.has(keys::TabelleLinieCol))
        h.LinieCol = in.readInt32();
    return in.ok();
}

bool ReadHeader(ByteReader& in, const KeySet& keys, Document& document,
                const ReadOptions& options) {
    HeaderDataTyp& h = document.Header;
    h.Vers = in.readText();
    h.Titel = in.readText();
    h.Autor = in.readText();
    h.Bemerkung = in.readText();
    if (keys.has(keys::Lueckentext))
        h.Lueckentext = in.readText();
    if (keys.has(keys::Fragentext))
        h.Fragentext = in.readText();
    if (keys.has(keys::AnzFrageNummern))
        h.AnzFrageNummern = in.readInt32();
    if (keys.has(keys::DokTyp))
        h.DokTyp = TypeFromStored(in.readInt32());
    if (keys.has(keys::RandErw))
        h.RandErw = ReadRect(in);
    if (keys.has(keys::NumArt))
        h.NumArt = in.readInt32();
    if (keys.has(keys::GeordnetArt))
        h.GeordnetArt = in.readInt32();
    h.EinrueckRand = keys.has(keys::EinrueckRand) ? ReadRect(in) : DefaultEinrueckRand(h.DokTyp);
    if (keys.has(keys::HtgdCol))
        h.HtgdCol = in.readInt32();
    if (keys.has(keys::BasisbildDeck))
        h.BasisbildDeck = in.readInt32();
    if (keys.has(keys::MinLuecke))
        h.MinLuecke = in.readInt32();
    if (keys.has(keys::DokUnterTyp))
        h.DokUnterTyp = SubtypeFromStored(in.readInt32());
    if (!in.ok())
        return false;

    for (auto& row : h.Zellen)
        row.fill(CellDataTyp());
    if (h.HasGrid() && !ReadGrid(in, keys, h))
        return false;
    if (h.HasColumnBlock() && keys.has(keys::SpaltenHtgd)) {
        for (int column = 0; column < h.Spalten; ++column) {
            ColumnDataTyp& c = h.Column(column);
            c.Farbe = in.readInt32();
            c.Deck = in.readInt32();
        }
    }
    if (keys.has(keys::BilderPasswort))
        h.BilderPasswort = DecodeWin1252(ScramblePassword(in.readTextBytes()));
    if (keys.has(keys::Schriftart)) {
        document.FontName = in.readText();
        if (options.fontInstalled && !options.fontInstalled(document.FontName))
            document.FontName = QStringLiteral("Arial");
    }
    if (keys.has(keys::Arbeitsblatt))
        h.Arbeitsblatt = in.readText();
    if (keys.has(keys::ABAufgabe))
        h.ABAufgabe = in.readText();
    if (keys.has(keys::TextCol))
        h.TextCol = in.readInt32();
    if (keys.has(keys::FragBtnHtgdCol))
        h.FragBtnHtgdCol = in.readInt32();
    if (keys.has(keys::FragBtnTextCol))
        h.FragBtnTextCol = in.readInt32();
    if (keys.has(keys::ABLogo)) {
        const int32_t flag = in.readInt32();
        if (!in.ok())
            return false;
        h.ABLogo.clear();
        if (flag == 1 && !ReadPicture(in, h.ABLogo))
            return false;
        h.LogoGroesse = in.readDouble();
        h.LogoAusricht = in.readInt32();
        h.Fusszeile = in.readText();
        h.FusszeileAusricht = in.readInt32();
    }
    if (options.worksheetRead && in.ok())
        options.worksheetRead(h.Arbeitsblatt, h.ABAufgabe);
    return in.ok();
}

bool ReadObject(ByteReader& in, const KeySet& keys, ObjDataTyp& o) {
    o.Sx = in.readDouble();
    o.Sy = in.readDouble();
    o.Kx = in.readDouble();
    o.Ky = in.readDouble();
    o.Cap = DecodeCaption(in.readText());
    o.KAusr = in.readInt32();
    o.TAusr = in.readInt32();
    o.Ebene = in.readInt32();
    o.Typ = KindFromStored(in.readInt32());
    o.Sline = in.readInt32();
    o.Fsize = in.readInt32();
    o.KAusrAkt = in.readInt32();

    // A field whose key the file lacks keeps the record's default.
    const auto readInt = [&](const char* key, int32_t& field) {
        if (keys.has(key))
            field = in.readInt32();
    };
    const auto readText = [&](const char* key, QString& field) {
        if (keys.has(key))
            field = in.readText();
    };
    readInt(keys::FrageNummer, o.FrageNummer);
    readInt(keys::Stil, o.Stil);
    readInt(keys::Farbe, o.Farbe);
    readInt(keys::LinieFarbe, o.LinieFarbe);
    readInt(keys::LinieDicke, o.LinieDicke);
    readInt(keys::Untertyp, o.Untertyp);
    readInt(keys::AntwortAnz, o.AntwortAnz);
    readInt(keys::ZIndex, o.ZIndex);
    readInt(keys::HFarbe, o.HFarbe);
    readInt(keys::HDeck, o.HDeck);
    o.PktCap = DefaultPointTitle(o.Typ);
    readText(keys::PktCap, o.PktCap);
    readText(keys::PktCap2, o.PktCap2);
    readText(keys::BildKenn, o.BildKenn);
    readInt(keys::BildDeck, o.BildDeck);
    readInt(keys::BildkarteAnpassen, o.BildkarteAnpassen);
    readInt(keys::PunktInUebung, o.PunktInUebung);
    if (!in.ok())
        return false;

    if (IsPointKind(o.Typ)) {
        if (!keys.has(keys::PktHtgdDeck))
            o.HDeck = 100;
        if (!keys.has(keys::PktCap)) {
            o.Farbe = 0xFFFFFF;
            o.HFarbe = DefaultPointColour(o.Typ);
        }
    }
    if (IsPictureKind(o.Typ) && !ReadPicture(in, o.Picture))
        return false;
    if (keys.has(keys::BildAntw) &&
        (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceQuestionPicture) &&
        o.Untertyp == 1) {
        const int count = std::clamp(o.AntwortAnz, 0, kAnswerPictures);
        for (int i = 0; i < count; ++i) {
            if (!ReadPicture(in, o.AnswerPicture(i)))
                return false;
        }
    }
    // Working fields start fresh after every load.
    o.Working() = ObjectWorkingFields{};
    return true;
}

ReadStatus ReadDocument(ByteReader& in, Document& document, const ReadOptions& options,
                        ReadDetails* details);

// Magic check shared by the full reader and the preview.
ReadStatus CheckMagic(const QByteArray& magic) {
    const QByteArray prefix = magic.left(4);
    if (magic.size() < 4 || (prefix != "QDR-" && prefix != "VKL-"))
        return ReadStatus::InvalidFormat;
    if (magic.mid(4, 4) > QByteArrayView(keys::CurrentVersion))
        return ReadStatus::NewerVersion;
    return ReadStatus::Ok;
}

} // namespace

QByteArray ScramblePassword(QByteArrayView bytes) {
    QByteArray result = bytes.toByteArray();
    for (char& c : result)
        c = static_cast<char>(c ^ kPasswordKey);
    return result;
}

ReadStatus ReadDocumentBytes(QByteArrayView bytes, Document& document, const ReadOptions& options,
                             ReadDetails* details) {
    ByteReader in(bytes);
    return ReadDocument(in, document, options, details);
}

ReadStatus ReadDocumentBuffer(QByteArray& bytes, Document& document, const ReadOptions& options) {
    // data() detaches a shared buffer first, so no other holder sees the scratch use.
    char* writable = bytes.data();
    ByteReader in(QByteArrayView(writable, bytes.size()), writable);
    return ReadDocument(in, document, options, nullptr);
}

bool ReadDocumentDetails(QByteArrayView bytes, ReadDetails& details) {
    ByteReader in(bytes);
    details.Magic = in.readTextBytes();
    details.KeyList = in.readTextBytes();
    return in.ok();
}

namespace {

ReadStatus ReadDocument(ByteReader& in, Document& document, const ReadOptions& options,
                        ReadDetails* details) {
    const QByteArray magic = in.readTextBytes();
    if (!in.ok())
        return ReadStatus::ReadError;
    const ReadStatus magicStatus = CheckMagic(magic);
    if (magicStatus != ReadStatus::Ok)
        return magicStatus;
    ClearObjects(document);

    const QByteArray keyList = in.readTextBytes();
    if (!in.ok())
        return ReadStatus::ReadError;
    if (details) {
        details->Magic = magic;
        details->KeyList = keyList;
    }
    const KeySet keys(keyList);
    if (!ReadHeader(in, keys, document, options))
        return ReadStatus::ReadError;

    const int32_t count = in.readInt32();
    if (!in.ok() || count < 0 || count > in.remaining() / kMinObjectBytes)
        return ReadStatus::ReadError;
    // Fresh records: a field the file lacks keeps its default.
    document.Objects.assign(static_cast<size_t>(count), ObjDataTyp{});
    HeaderDataTyp& h = document.Header;
    h.MinZIndex = 0;
    h.MaxZIndex = 0;
    for (ObjDataTyp& object : document.Objects) {
        if (!ReadObject(in, keys, object))
            return ReadStatus::ReadError;
        h.MinZIndex = std::min(h.MinZIndex, object.ZIndex);
        h.MaxZIndex = std::max(h.MaxZIndex, object.ZIndex);
    }
    if (!ReadPicture(in, document.BaseImage))
        return ReadStatus::ReadError;
    return ReadStatus::Ok;
}

} // namespace

bool ReadPreviewBytes(QByteArrayView bytes, HeaderDataTyp& header) {
    ByteReader in(bytes);
    const QByteArray magic = in.readTextBytes();
    if (!in.ok() || magic.size() < 4 || (!magic.startsWith("QDR-") && !magic.startsWith("VKL-")))
        return false;
    in.readTextBytes();
    header.Vers = in.readText();
    header.Titel = in.readText();
    return in.ok();
}

} // namespace quindor
