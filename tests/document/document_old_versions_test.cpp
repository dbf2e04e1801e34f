// Hand-assembled document files: the file layout written field by field with ByteWriter,
// for the full 2.15 key list (checked against the writer byte for byte) and for the shorter key
// lists of older versions, where every field whose key is missing is left out.
#include "core/binary_stream.h"
#include "core/win1252.h"
#include "document/caption_codec.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/png_codec.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

using test::PatternImage;
using test::SameImage;

// The 62 keys of version 2.15 in the writer's order.
// "HD-EinrückRand" is stored in Windows-1252 (u-umlaut = 0xFC).
const char* const kKeys215[] = {
    "HD-vers",
    "HD-titel",
    "HD-autor",
    "HD-bemerkung",
    "HD-lueckentext",
    "HD-fragentext",
    "HD-AnzFrageNummern",
    "HD-DokTyp",
    "HD-RandErw",
    "HD-NumArt",
    "HD-GeordnetArt",
    "HD-Einr\xFC"
    "ckRand",
    "OB-Sx",
    "OB-Sy",
    "OB-Kx",
    "OB-Ky",
    "OB-Cap",
    "OB-KAusr",
    "OB-TAusr",
    "OB-Ebene",
    "OB-Typ",
    "OB-Sline",
    "OB-Fsize",
    "OB-KAusrAkt",
    "OB-FrageNummer",
    "OB-Stil",
    "OB-Farbe",
    "OB-Untertyp",
    "OB-BildAntw",
    "OB-AntwortAnz",
    "OB-LinieFarbe",
    "OB-LinieDicke",
    "HD-HtgdCol",
    "HD-MinLuecke",
    "HD-LueckenTabelle",
    "HD-LueckenTabelleZeilen",
    "HD-LueckenTabelleSpalten",
    "HD-LueckenTabelleLinie",
    "HD-LueckenTabelleLinieCol",
    "HD-DokUnterTyp",
    "OB-ZIndex",
    "OB-HFarbe",
    "OB-HDeck",
    "OB-PktCap",
    "OB-BildKenn",
    "OB-BildkarteAnpassen",
    "OB-PunktInUebung",
    "HD-BilderPasswort",
    "HD-Schriftart",
    "HD-LueckenTabelleBild",
    "HD-Arbeitsblatt",
    "HD-ABAufgabe",
    "HD-TextCol",
    "HD-FragBtnHtgdCol",
    "HD-FragBtnTextCol",
    "HD-LueckenTabelleBildLink",
    "OB-PktHtgdDeck",
    "HD-ABLogo",
    "OB-PktCap2",
    "HD-LueckentabelleSpaltenHtgd",
    "HD-BasisbildDeck",
    "OB-BildDeck",
};
static_assert(std::size(kKeys215) == 62);

QList<QByteArray> AllKeys() {
    QList<QByteArray> keys;
    for (const char* key : kKeys215)
        keys.append(key);
    return keys;
}

QList<QByteArray> KeysUpTo(const char* last) {
    QList<QByteArray> keys;
    for (const char* key : kKeys215) {
        keys.append(key);
        if (qstrcmp(key, last) == 0)
            break;
    }
    return keys;
}

QList<QByteArray> KeysWithout(std::initializer_list<const char*> omitted) {
    QList<QByteArray> keys = AllKeys();
    for (const char* key : omitted)
        keys.removeAll(QByteArray(key));
    return keys;
}

// Writes the fields of the file layout; a field with a key is written only when the file's
// key list holds that key (as a substring, the way the reader decides).
class FileBuilder {
public:
    FileBuilder(const char* magic, const QList<QByteArray>& keys) {
        list_ = "|";
        for (const QByteArray& key : keys)
            list_ += key + "|";
        out_.writeTextBytes(magic);
        out_.writeTextBytes(list_);
    }
    bool has(const char* key) const { return list_.contains(key); }

    FileBuilder& text(const QString& value) {
        out_.writeText(value);
        return *this;
    }
    FileBuilder& text(const char* key, const QString& value) {
        if (has(key))
            out_.writeText(value);
        return *this;
    }
    FileBuilder& int32(int32_t value) {
        out_.writeInt32(value);
        return *this;
    }
    FileBuilder& int32(const char* key, int32_t value) {
        if (has(key))
            out_.writeInt32(value);
        return *this;
    }
    FileBuilder& real(double value) {
        out_.writeDouble(value);
        return *this;
    }
    FileBuilder& rect(const char* key, const FracRect& r) {
        if (has(key))
            real(r.Left).real(r.Top).real(r.Right).real(r.Bottom);
        return *this;
    }
    FileBuilder& picture(const QImage& image) {
        out_.writeBytes(EncodePng(image));
        return *this;
    }
    FileBuilder& raw(QByteArrayView bytes) {
        out_.writeBytes(bytes);
        return *this;
    }
    QByteArray take() { return out_.take(); }

private:
    QByteArray list_;
    ByteWriter out_;
};

// The picture condition of a cell, with the Art the file holds (0 when it stores none).
bool CellStoresPicture(const FileBuilder& b, const HeaderDataTyp& h, const CellDataTyp& cell) {
    const int art = b.has("HD-LueckenTabelleBild") ? cell.Art : 0;
    return (h.DokTyp == DocumentType::GapText && h.DokUnterTyp == DocumentSubtype::GapTable &&
            art > 0) ||
           ((h.DokTyp == DocumentType::Cluster || h.DokTyp == DocumentType::CrossMatching) &&
            (art == 2 || art == 3));
}

// Header fields 3 to 28.
void AddHeader(FileBuilder& b, const HeaderDataTyp& h, const QString& font) {
    b.text(h.Vers).text(h.Titel).text(h.Autor).text(h.Bemerkung);
    b.text("HD-lueckentext", h.Lueckentext).text("HD-fragentext", h.Fragentext);
    b.int32("HD-AnzFrageNummern", h.AnzFrageNummern).int32("HD-DokTyp", StoredType(h.DokTyp));
    b.rect("HD-RandErw", h.RandErw).int32("HD-NumArt", h.NumArt);
    b.int32("HD-GeordnetArt", h.GeordnetArt)
        .rect("HD-Einr\xFC"
              "ckRand",
              h.EinrueckRand);
    b.int32("HD-HtgdCol", h.HtgdCol).int32("HD-BasisbildDeck", h.BasisbildDeck);
    b.int32("HD-MinLuecke", h.MinLuecke).int32("HD-DokUnterTyp", StoredSubtype(h.DokUnterTyp));
    if ((h.DokTyp == DocumentType::GapText && h.DokUnterTyp == DocumentSubtype::GapTable) ||
        h.DokTyp == DocumentType::Cluster || h.DokTyp == DocumentType::CrossMatching) {
        b.int32("HD-LueckenTabelleZeilen", h.Zeilen).int32("HD-LueckenTabelleSpalten", h.Spalten);
        for (int row = 0; row < h.Zeilen; ++row) {
            for (int column = 0; column < h.Spalten; ++column) {
                const CellDataTyp& cell = h.Cell(row, column);
                b.text(cell.Text).int32("HD-LueckenTabelleBild", cell.Art);
                if (!CellStoresPicture(b, h, cell))
                    continue;
                b.picture(cell.Bild.Image).text(cell.BildKenn).int32(cell.Fsize);
                b.int32(cell.BildkarteAnpassen);
                b.text("HD-LueckenTabelleBildLink", cell.Link);
                b.int32("HD-LueckenTabelleBildLink", cell.PunktInUebung);
            }
        }
        b.int32("HD-LueckenTabelleLinie", h.Linie).int32("HD-LueckenTabelleLinieCol", h.LinieCol);
    }
    if (h.DokTyp == DocumentType::Cluster && b.has("HD-LueckentabelleSpaltenHtgd")) {
        for (int column = 0; column < h.Spalten; ++column)
            b.int32(h.Column(column).Farbe).int32(h.Column(column).Deck);
    }
    if (b.has("HD-BilderPasswort")) {
        ByteWriter scrambled;
        scrambled.writeTextBytes(ScramblePassword(EncodeWin1252(h.BilderPasswort)));
        b.raw(scrambled.bytes());
    }
    b.text("HD-Schriftart", font).text("HD-Arbeitsblatt", h.Arbeitsblatt);
    b.text("HD-ABAufgabe", h.ABAufgabe).int32("HD-TextCol", h.TextCol);
    b.int32("HD-FragBtnHtgdCol", h.FragBtnHtgdCol).int32("HD-FragBtnTextCol", h.FragBtnTextCol);
    if (b.has("HD-ABLogo")) {
        b.int32(h.ABLogo.isNone() ? 0 : 1);
        if (!h.ABLogo.isNone())
            b.picture(h.ABLogo.Image);
        b.real(h.LogoGroesse).int32(h.LogoAusricht).text(h.Fusszeile).int32(h.FusszeileAusricht);
    }
}

void AddObjectBlock(FileBuilder& b, const ObjDataTyp& o) {
    b.real(o.Sx).real(o.Sy).real(o.Kx).real(o.Ky).text(EncodeCaption(o.Cap));
    b.int32(o.KAusr)
        .int32(o.TAusr)
        .int32(o.Ebene)
        .int32(StoredKind(o.Typ))
        .int32(o.Sline)
        .int32(o.Fsize);
    b.int32(o.KAusrAkt);
    b.int32("OB-FrageNummer", o.FrageNummer).int32("OB-Stil", o.Stil).int32("OB-Farbe", o.Farbe);
    b.int32("OB-LinieFarbe", o.LinieFarbe).int32("OB-LinieDicke", o.LinieDicke);
    b.int32("OB-Untertyp", o.Untertyp).int32("OB-AntwortAnz", o.AntwortAnz);
    b.int32("OB-ZIndex", o.ZIndex).int32("OB-HFarbe", o.HFarbe).int32("OB-HDeck", o.HDeck);
    b.text("OB-PktCap", o.PktCap).text("OB-PktCap2", o.PktCap2).text("OB-BildKenn", o.BildKenn);
    b.int32("OB-BildDeck", o.BildDeck).int32("OB-BildkarteAnpassen", o.BildkarteAnpassen);
    b.int32("OB-PunktInUebung", o.PunktInUebung);
    if (o.Typ == ObjectKind::QueryPicture || o.Typ == ObjectKind::FixedPicture ||
        o.Typ == ObjectKind::PictureLink || o.Typ == ObjectKind::ChoiceQuestionPicture)
        b.picture(o.Picture.Image);
    if (b.has("OB-BildAntw") &&
        (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceQuestionPicture) &&
        o.Untertyp == 1) {
        for (int i = 0; i < o.AntwortAnz; ++i)
            b.picture(o.AntwPics[static_cast<size_t>(i)].Image);
    }
}

QByteArray BuildFile(const char* magic, const QList<QByteArray>& keys, const Document& d) {
    FileBuilder b(magic, keys);
    AddHeader(b, d.Header, d.FontName);
    b.int32(d.ObjectCount());
    for (const ObjDataTyp& o : d.Objects)
        AddObjectBlock(b, o);
    b.picture(d.BaseImage.Image);
    return b.take();
}

ObjDataTyp MakeObject(ObjectKind typ, const QString& cap) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Cap = cap;
    o.Sx = 0.1;
    o.Sy = 0.2;
    o.Kx = 0.3;
    o.Ky = 0.4;
    o.KAusr = 1;
    o.TAusr = 2;
    o.Ebene = 1;
    o.Sline = 1;
    o.Fsize = 3;
    o.KAusrAkt = 4;
    o.FrageNummer = 2;
    o.Stil = 5;
    o.Farbe = 0x123456;
    o.LinieFarbe = 0x654321;
    o.LinieDicke = 3;
    o.ZIndex = 7;
    o.HFarbe = 0x00AA00;
    o.HDeck = 40;
    o.PktCap = "Titel";
    o.PktCap2 = "Zeile 2";
    o.BildKenn = "kenn";
    o.BildDeck = 60;
    o.BildkarteAnpassen = 1;
    o.PunktInUebung = 1;
    if (typ == ObjectKind::QueryPicture || typ == ObjectKind::FixedPicture ||
        typ == ObjectKind::PictureLink || typ == ObjectKind::ChoiceQuestionPicture)
        o.Picture.Image = PatternImage(5, 4, typ == ObjectKind::FixedPicture);
    return o;
}

// A free document with one object of each of the interesting kinds.
Document SampleDocument(DocumentType dokTyp = DocumentType::Labelling) {
    Document d;
    ResetHeader(d.Header, {});
    d.Header.Vers = "2.00";
    d.Header.Titel = QString::fromUtf8("Alte \u00DCbung");
    d.Header.DokTyp = dokTyp;
    d.Header.EinrueckRand = {0.5, 0.25, 0.125, 0.0625};
    d.Header.HtgdCol = 0x000000;
    d.Header.BasisbildDeck = 20;
    d.Header.MinLuecke = 7;
    d.FontName = "Courier New";
    d.Objects.push_back(MakeObject(ObjectKind::QueryLabel, "Wort"));
    d.Objects.push_back(MakeObject(ObjectKind::InfoPoint, "Erkl\u00E4rung"));
    d.Objects.push_back(MakeObject(ObjectKind::ExternalLink, "http://x.de"));
    d.Objects.push_back(MakeObject(ObjectKind::DocumentLink, "b.qdr"));
    d.Objects.push_back(MakeObject(ObjectKind::QueryPicture, "Bild"));
    ObjDataTyp choice = MakeObject(ObjectKind::ChoiceQuestion, "Frage,a,b");
    choice.Untertyp = 1;
    choice.AntwortAnz = 2;
    choice.AntwPics[0].Image = PatternImage(3, 3, true);
    choice.AntwPics[1].Image = PatternImage(4, 2);
    d.Objects.push_back(choice);
    d.Objects.push_back(MakeObject(ObjectKind::FixedLabel, "Ende"));
    d.BaseImage.Image = PatternImage(20, 10);
    return d;
}

ReadStatus Read(const QByteArray& bytes, Document& d) {
    ResetHeader(d.Header, {});
    return ReadDocumentBytes(bytes, d, ReadOptions{});
}

// --- The 2.15 layout --------------------------------------------------------------------

TEST(DocumentFileLayout, WriterKeyListIsThe62KeysOf215InOrder) {
    QByteArray expected = "|";
    for (const char* key : kKeys215)
        expected += QByteArray(key) + "|";
    Document d = SampleDocument();
    const QByteArray file = WriteDocumentBytes(d);
    ByteReader in(file);
    EXPECT_EQ(in.readTextBytes(), QByteArray("QDR-2.15"));
    EXPECT_EQ(in.readTextBytes(), expected);
}

TEST(DocumentFileLayout, WriterOutputEqualsTheHandAssembledFile) {
    for (const DocumentType dokTyp :
         {DocumentType::Labelling, DocumentType::GapText, DocumentType::Cluster}) {
        Document d = SampleDocument(dokTyp);
        HeaderDataTyp& h = d.Header;
        h.BilderPasswort = QString::fromUtf8("Gr\u00FCn");
        h.Arbeitsblatt = "ab";
        h.ABLogo.Image = PatternImage(3, 2);
        h.Fusszeile = "Fuss";
        h.RandErw = {0.01, 0.02, 0.03, 0.04};
        if (dokTyp == DocumentType::GapText) {
            h.DokUnterTyp = DocumentSubtype::GapTable;
            h.Zeilen = 2;
            h.Spalten = 2;
            h.Cell(0, 1).Art = 2;
            h.Cell(0, 1).Bild.Image = PatternImage(2, 2);
            h.Cell(0, 1).Link = "link";
        } else if (dokTyp == DocumentType::Cluster) {
            h.Zeilen = 1;
            h.Spalten = 3;
            h.Cell(0, 2).Art = 3;
            h.Cell(0, 2).Bild.Image = PatternImage(2, 2);
            h.Column(1).Farbe = 0x111111;
        }
        h.Cell(0, 0).Text = "Zelle";
        const QByteArray expected = BuildFile("QDR-2.15", AllKeys(), d);
        EXPECT_EQ(WriteDocumentBytes(d), expected) << "DokTyp " << dokTyp;
        Document back;
        EXPECT_EQ(Read(expected, back), ReadStatus::Ok) << "DokTyp " << dokTyp;
    }
}

// --- Older versions ---------------------------------------------------------------------

TEST(OldVersions, Vkl101WithKeysUpToLinieDickeLoadsWithDefaults) {
    const Document source = SampleDocument();
    const QList<QByteArray> keys = KeysUpTo("OB-LinieDicke");
    ASSERT_EQ(keys.size(), 32);
    const QByteArray file = BuildFile("VKL-1.01", keys, source);

    Document d;
    d.FontName = "Verdana"; // the font name of the previous document
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    const HeaderDataTyp& h = d.Header;
    EXPECT_EQ(h.Vers, "2.00");
    EXPECT_EQ(h.Titel, QString::fromUtf8("Alte \u00DCbung"));
    EXPECT_EQ(h.EinrueckRand, (FracRect{0.5, 0.25, 0.125, 0.0625})); // the key is in the list
    EXPECT_EQ(h.MinLuecke, 3);
    EXPECT_EQ(h.HtgdCol, 0xFFFFFF);
    EXPECT_EQ(h.BasisbildDeck, 100);
    EXPECT_EQ(h.DokUnterTyp, DocumentSubtype::Plain);
    EXPECT_FALSE(h.HasGrid());
    EXPECT_EQ(h.Zeilen, 5);
    EXPECT_EQ(h.Spalten, 2);
    EXPECT_TRUE(h.BilderPasswort.isEmpty());
    EXPECT_EQ(h.ABAufgabe, QString::fromUtf8("Aufgabe: F\u00FClle die freien Felder aus!"));
    EXPECT_EQ(h.TextCol, 0);
    EXPECT_EQ(h.FragBtnHtgdCol, 0xFF0000);
    EXPECT_EQ(h.FragBtnTextCol, 0xFFFFFF);
    EXPECT_EQ(d.FontName, "Verdana");
    EXPECT_TRUE(h.ABLogo.isNone());
    EXPECT_EQ(h.LogoGroesse, 0.2);
    EXPECT_EQ(h.LogoAusricht, 2);
    EXPECT_EQ(h.MinZIndex, 0);
    EXPECT_EQ(h.MaxZIndex, 0);

    ASSERT_EQ(d.ObjectCount(), 7);
    const struct {
        ObjectKind typ;
        const char* title;
        WinColor card;
    } points[] = {{ObjectKind::InfoPoint, "Info", 0xFD5F00},
                  {ObjectKind::ExternalLink, "Link", 0x2F35A4},
                  {ObjectKind::DocumentLink, "Dok.", 0x4A9829}};
    for (int i = 0; i < 3; ++i) {
        const ObjDataTyp& p = d.Object(1 + i);
        ASSERT_EQ(p.Typ, points[i].typ);
        EXPECT_EQ(p.PktCap, points[i].title);
        EXPECT_EQ(p.Farbe, 0xFFFFFF) << "read as 0x123456, replaced";
        EXPECT_EQ(p.HFarbe, points[i].card);
        EXPECT_EQ(p.HDeck, 100);
    }
    const ObjDataTyp& label = d.Object(0);
    EXPECT_EQ(label.Cap, "Wort");
    EXPECT_EQ(label.FrageNummer, 2);
    EXPECT_EQ(label.Stil, 5);
    EXPECT_EQ(label.Farbe, 0x123456);
    EXPECT_EQ(label.LinieFarbe, 0x654321);
    EXPECT_EQ(label.LinieDicke, 3);
    EXPECT_EQ(label.ZIndex, 0);
    EXPECT_EQ(label.HFarbe, 0xFFFFFF);
    EXPECT_EQ(label.HDeck, 0);
    EXPECT_TRUE(label.PktCap.isEmpty());
    EXPECT_TRUE(label.PktCap2.isEmpty());
    EXPECT_TRUE(label.BildKenn.isEmpty());
    EXPECT_EQ(label.BildDeck, 100);
    EXPECT_EQ(label.BildkarteAnpassen, 0);
    EXPECT_EQ(label.PunktInUebung, 0);
    EXPECT_TRUE(SameImage(source.Object(4).Picture.Image, d.Object(4).Picture.Image));
    // "OB-BildAntw" is in the list: the answer pictures are there.
    const ObjDataTyp& choice = d.Object(5);
    EXPECT_EQ(choice.Untertyp, 1);
    EXPECT_EQ(choice.AntwortAnz, 2);
    EXPECT_TRUE(SameImage(source.Object(5).AntwPics[0].Image, choice.AntwPics[0].Image));
    EXPECT_TRUE(SameImage(source.Object(5).AntwPics[1].Image, choice.AntwPics[1].Image));
    EXPECT_TRUE(choice.AntwPics[2].isNone());
    EXPECT_EQ(d.Object(6).Cap, "Ende");
    EXPECT_TRUE(SameImage(source.BaseImage.Image, d.BaseImage.Image));
}

TEST(OldVersions, OnlyTheAlwaysPresentObjectFields) {
    const QByteArray file = BuildFile("VKL-1.01", KeysUpTo("OB-KAusrAkt"), SampleDocument());
    Document d;
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    ASSERT_EQ(d.ObjectCount(), 7);
    const ObjDataTyp& o = d.Object(0);
    EXPECT_EQ(o.Kx, 0.3);
    EXPECT_EQ(o.KAusrAkt, 4);
    EXPECT_EQ(o.FrageNummer, -1);
    EXPECT_EQ(o.Stil, 0);
    EXPECT_EQ(o.Farbe, 0);
    EXPECT_EQ(o.LinieFarbe, 0);
    EXPECT_EQ(o.LinieDicke, 1);
    EXPECT_EQ(o.Untertyp, 0);
    EXPECT_EQ(o.AntwortAnz, 0);
    // Without "OB-BildAntw" no answer picture is read.
    EXPECT_TRUE(d.Object(5).AntwPics[0].isNone());
    EXPECT_EQ(d.Object(6).Cap, "Ende");
}

TEST(OldVersions, WithoutPktHtgdDeckPointsAreOpaqueEvenThoughHDeckIsRead) {
    const QByteArray file =
        BuildFile("QDR-2.10", KeysWithout({"OB-PktHtgdDeck"}), SampleDocument());
    Document d;
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.Object(i).HDeck, 100) << i;
        EXPECT_EQ(d.Object(i).PktCap, "Titel") << i;
        EXPECT_EQ(d.Object(i).Farbe, 0x123456) << i;
        EXPECT_EQ(d.Object(i).HFarbe, 0x00AA00) << i;
    }
    EXPECT_EQ(d.Object(0).HDeck, 40);
    EXPECT_EQ(d.Object(6).HDeck, 40);
    EXPECT_EQ(d.Object(0).ZIndex, 7);
    EXPECT_EQ(d.Header.MaxZIndex, 7);
}

TEST(OldVersions, WithoutPktCapPointsGetDefaultTitlesAndColours) {
    // "OB-PktCap" is a substring of "OB-PktCap2": both must be missing for the key to be absent.
    const QByteArray file =
        BuildFile("QDR-2.00", KeysWithout({"OB-PktCap", "OB-PktCap2"}), SampleDocument());
    Document d;
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    const struct {
        ObjectKind typ;
        const char* title;
        WinColor card;
    } points[] = {{ObjectKind::InfoPoint, "Info", 0xFD5F00},
                  {ObjectKind::ExternalLink, "Link", 0x2F35A4},
                  {ObjectKind::DocumentLink, "Dok.", 0x4A9829}};
    for (int i = 0; i < 3; ++i) {
        const ObjDataTyp& p = d.Object(1 + i);
        EXPECT_EQ(p.PktCap, points[i].title);
        EXPECT_TRUE(p.PktCap2.isEmpty());
        EXPECT_EQ(p.Farbe, 0xFFFFFF);
        EXPECT_EQ(p.HFarbe, points[i].card);
        EXPECT_EQ(p.HDeck, 40) << "OB-PktHtgdDeck is present: HDeck as read";
    }
    EXPECT_TRUE(d.Object(0).PktCap.isEmpty());
    EXPECT_EQ(d.Object(0).Farbe, 0x123456);
    EXPECT_EQ(d.Object(0).HFarbe, 0x00AA00);
}

TEST(OldVersions, KeyPresenceIsASubstringTest) {
    // Without "OB-PktCap" itself, "OB-PktCap2" still contains it: the title is read.
    const QByteArray file = BuildFile("QDR-2.00", KeysWithout({"OB-PktCap"}), SampleDocument());
    Document d;
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    EXPECT_EQ(d.Object(1).PktCap, "Titel");
    EXPECT_EQ(d.Object(1).HFarbe, 0x00AA00);
    EXPECT_EQ(d.Object(6).Cap, "Ende");
}

TEST(OldVersions, EinrueckRandDefaultsByDokTypWhenTheKeyIsAbsent) {
    const FracRect expected[] = {{0, 0, 0, 0},
                                 {0.035, 0.01, 0.035, 0},
                                 {0.1, 0.165, 0.05, 0.195},
                                 {0.05, 0.04, 0.05, 0.045},
                                 {0.035, 0.03, 0.035, 0.03},
                                 {0.035, 0.03, 0.035, 0.03},
                                 {0, 0, 0, 0}};
    for (int dokTyp = 0; dokTyp <= 6; ++dokTyp) {
        Document source = SampleDocument(TypeFromStored(dokTyp));
        const QByteArray file = BuildFile("QDR-1.50",
                                          KeysWithout({"HD-Einr\xFC"
                                                       "ckRand"}),
                                          source);
        Document d;
        ASSERT_EQ(Read(file, d), ReadStatus::Ok) << dokTyp;
        EXPECT_EQ(d.Header.EinrueckRand, expected[dokTyp]) << dokTyp;
        EXPECT_EQ(StoredType(d.Header.DokTyp), dokTyp) << "an unknown type stays readable";
        EXPECT_EQ(d.ObjectCount(), 7);
    }
}

TEST(OldVersions, GridWithoutPictureKeysHoldsOnlyTexts) {
    Document source = SampleDocument(DocumentType::GapText);
    source.Header.DokUnterTyp = DocumentSubtype::GapTable;
    source.Header.Zeilen = 2;
    source.Header.Spalten = 2;
    source.Header.Cell(1, 1).Text = "unten rechts";
    source.Header.Cell(1, 0).Art = 1; // not stored without "HD-LueckenTabelleBild"
    const QByteArray file = BuildFile(
        "QDR-2.05", KeysWithout({"HD-LueckenTabelleBild", "HD-LueckenTabelleBildLink"}), source);
    Document d;
    ASSERT_EQ(Read(file, d), ReadStatus::Ok);
    EXPECT_EQ(d.Header.Cell(1, 1).Text, "unten rechts");
    EXPECT_EQ(d.Header.Cell(1, 0).Art, 0);
    EXPECT_TRUE(d.Header.Cell(1, 0).Bild.isNone());
    EXPECT_EQ(d.ObjectCount(), 7);
}

} // namespace
} // namespace quindor
