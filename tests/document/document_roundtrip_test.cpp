// Every stored field through WriteDocumentBytes and ReadDocumentBytes, and what the writer
// normalises on the way.
#include "core/binary_stream.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/png_codec.h"
#include "support/test_support.h"

#include <QtEndian>

#include <gtest/gtest.h>
#include <zlib.h>

namespace quindor {
namespace {

using test::PatternImage;
using test::SameImage;

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

Picture Pic(int w, int h, bool alpha = false) {
    Picture p;
    p.Image = PatternImage(w, h, alpha);
    return p;
}

Document ReadBack(const QByteArray& bytes) {
    Document d;
    d.FontName = "nicht gelesen";
    ResetHeader(d.Header, {});
    EXPECT_EQ(ReadDocumentBytes(bytes, d, ReadOptions{}), ReadStatus::Ok);
    return d;
}

Document WriteAndRead(Document& d) {
    const QByteArray bytes = WriteDocumentBytes(d);
    EXPECT_FALSE(bytes.isEmpty());
    return ReadBack(bytes);
}

void FillHeader(Document& d) {
    HeaderDataTyp& h = d.Header;
    ResetHeader(h, {});
    h.Vers = "4.2";
    h.Titel = U("Stra\u00DFenverkehr \u2013 Teil 1");
    h.Autor = U("J\u00FCrgen M\u00FCller");
    h.Bemerkung = U("Zeile eins\r\nZeile zwei, mit Komma \"und\" Anf\u00FChrung");
    h.Lueckentext = U("Der <<Hund|K\u00F6ter>> bellt.");
    h.Fragentext = U("Wie hei\u00DFt das?\r\nAntwort");
    h.AnzFrageNummern = 6;
    h.RandErw = {0.125, 0.0625, 0.25, 0.5};
    h.NumArt = 1;
    h.GeordnetArt = 1;
    h.EinrueckRand = {0.011, 0.022, 0.033, 0.044};
    h.HtgdCol = 0x102030;
    h.BasisbildDeck = 55;
    h.MinLuecke = 8;
    h.BilderPasswort = U("Gr\u00FC\u00DFe \u00C4\u00D6\u00DC \u20AC");
    h.Arbeitsblatt = "AB=1;Name=0";
    h.ABAufgabe = U("Ordne zu!");
    h.TextCol = 0x0000FF;
    h.FragBtnHtgdCol = 0x00FF00;
    h.FragBtnTextCol = 0x333333;
    h.ABLogo = Pic(7, 5, true);
    h.LogoGroesse = 0.35;
    h.LogoAusricht = 1;
    h.Fusszeile = U("\u00A9 Schule am See");
    h.FusszeileAusricht = 2;
    d.FontName = "Times New Roman";
    d.BaseImage = Pic(40, 30);
}

void ExpectHeaderFields(const Document& expected, const Document& actual) {
    const HeaderDataTyp& e = expected.Header;
    const HeaderDataTyp& a = actual.Header;
    EXPECT_EQ(a.Vers, e.Vers);
    EXPECT_EQ(a.Titel, e.Titel);
    EXPECT_EQ(a.Autor, e.Autor);
    EXPECT_EQ(a.Bemerkung, e.Bemerkung);
    EXPECT_EQ(a.Lueckentext, e.Lueckentext);
    EXPECT_EQ(a.Fragentext, e.Fragentext);
    EXPECT_EQ(a.AnzFrageNummern, e.AnzFrageNummern);
    EXPECT_EQ(a.DokTyp, e.DokTyp);
    EXPECT_EQ(a.DokUnterTyp, e.DokUnterTyp);
    EXPECT_EQ(a.RandErw, e.RandErw);
    EXPECT_EQ(a.NumArt, e.NumArt);
    EXPECT_EQ(a.GeordnetArt, e.GeordnetArt);
    EXPECT_EQ(a.EinrueckRand, e.EinrueckRand);
    EXPECT_EQ(a.HtgdCol, e.HtgdCol);
    EXPECT_EQ(a.BasisbildDeck, e.BasisbildDeck);
    EXPECT_EQ(a.MinLuecke, e.MinLuecke);
    EXPECT_EQ(a.BilderPasswort, e.BilderPasswort);
    EXPECT_EQ(actual.FontName, expected.FontName);
    EXPECT_EQ(a.Arbeitsblatt, e.Arbeitsblatt);
    EXPECT_EQ(a.ABAufgabe, e.ABAufgabe);
    EXPECT_EQ(a.TextCol, e.TextCol);
    EXPECT_EQ(a.FragBtnHtgdCol, e.FragBtnHtgdCol);
    EXPECT_EQ(a.FragBtnTextCol, e.FragBtnTextCol);
    EXPECT_TRUE(SameImage(e.ABLogo.Image, a.ABLogo.Image));
    EXPECT_EQ(a.LogoGroesse, e.LogoGroesse);
    EXPECT_EQ(a.LogoAusricht, e.LogoAusricht);
    EXPECT_EQ(a.Fusszeile, e.Fusszeile);
    EXPECT_EQ(a.FusszeileAusricht, e.FusszeileAusricht);
    EXPECT_TRUE(SameImage(expected.BaseImage.Image, actual.BaseImage.Image));
}

// An object with every stored field set to a value of its own (seed makes them differ).
ObjDataTyp FullObject(ObjectKind typ, int seed) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Sx = 0.01 * seed;
    o.Sy = 0.02 * seed + 0.001;
    o.Kx = 0.5 + 0.01 * seed;
    o.Ky = 0.75 - 0.01 * seed;
    o.Cap = U("Zeile %1, mit Komma\r\n\"zitiert\" \u00E4").arg(seed);
    o.PktCap = U("Titel %1").arg(seed);
    o.PktCap2 = U("Unter\u00FCtitel %1").arg(seed);
    o.BildKenn = U("kenn-%1").arg(seed);
    o.KAusr = seed % 5;
    o.TAusr = seed % 3;
    o.Ebene = seed % 4;
    o.Untertyp = 0;
    o.Sline = 1 + seed % 3;
    o.Fsize = seed - 8;
    o.Stil = seed % 16;
    o.Farbe = 0x010203 * seed;
    o.LinieFarbe = 0x030201 * seed;
    o.HFarbe = 0x0A0B0C + seed;
    o.HDeck = 10 + seed;
    o.LinieDicke = 2 + seed;
    o.FrageNummer = seed % 7;
    o.AntwortAnz = seed % 4;
    o.KAusrAkt = 1 + seed % 4;
    o.BildDeck = 20 + seed;
    o.ZIndex = seed * 3 - 20;
    o.BildkarteAnpassen = seed % 2;
    o.PunktInUebung = (seed + 1) % 2;
    // Working fields the file does not hold: they start fresh after a load.
    o.State = ObjectState::Shown;
    o.Nummer = seed;
    o.RunCounter1 = 3;
    o.RunCounter2 = 4;
    o.CardRect = {0.1, 0.2, 0.3, 0.4};
    o.DrawnLeft = 11;
    o.DrawnTop = 12;
    o.FixedWidth = 0.3;
    o.FixedHeight = 0.2;
    return o;
}

void ExpectStoredFields(const ObjDataTyp& e, const ObjDataTyp& a, int index) {
    SCOPED_TRACE(::testing::Message() << "object " << index << " kind " << e.Typ);
    EXPECT_EQ(a.Typ, e.Typ);
    EXPECT_EQ(a.Sx, e.Sx);
    EXPECT_EQ(a.Sy, e.Sy);
    EXPECT_EQ(a.Kx, e.Kx);
    EXPECT_EQ(a.Ky, e.Ky);
    EXPECT_EQ(a.Cap, e.Cap);
    EXPECT_EQ(a.PktCap, e.PktCap);
    EXPECT_EQ(a.PktCap2, e.PktCap2);
    EXPECT_EQ(a.BildKenn, e.BildKenn);
    EXPECT_EQ(a.KAusr, e.KAusr);
    EXPECT_EQ(a.TAusr, e.TAusr);
    EXPECT_EQ(a.Ebene, e.Ebene);
    EXPECT_EQ(a.Untertyp, e.Untertyp);
    EXPECT_EQ(a.Sline, e.Sline);
    EXPECT_EQ(a.Fsize, e.Fsize);
    EXPECT_EQ(a.Stil, e.Stil);
    EXPECT_EQ(a.Farbe, e.Farbe);
    EXPECT_EQ(a.LinieFarbe, e.LinieFarbe);
    EXPECT_EQ(a.HFarbe, e.HFarbe);
    EXPECT_EQ(a.HDeck, e.HDeck);
    EXPECT_EQ(a.LinieDicke, e.LinieDicke);
    EXPECT_EQ(a.FrageNummer, e.FrageNummer);
    EXPECT_EQ(a.AntwortAnz, e.AntwortAnz);
    EXPECT_EQ(a.KAusrAkt, e.KAusrAkt);
    EXPECT_EQ(a.BildDeck, e.BildDeck);
    EXPECT_EQ(a.ZIndex, e.ZIndex);
    EXPECT_EQ(a.BildkarteAnpassen, e.BildkarteAnpassen);
    EXPECT_EQ(a.PunktInUebung, e.PunktInUebung);
    // Working fields after load.
    EXPECT_EQ(a.State, ObjectState::Covered);
    EXPECT_EQ(a.Nummer, -1);
    EXPECT_EQ(a.RunCounter1, 0);
    EXPECT_EQ(a.RunCounter2, 0);
    EXPECT_EQ(a.CardRect, (FracRect{-1, -1, -1, -1}));
    EXPECT_EQ(a.DrawnLeft, -1);
    EXPECT_EQ(a.DrawnTop, -1);
    EXPECT_EQ(a.FixedWidth, -1.0);
    EXPECT_EQ(a.FixedHeight, -1.0);
}

// Every stored kind of a free document.
const ObjectKind kStoredKinds[] = {ObjectKind::QueryLabel,       ObjectKind::FixedLabel,
                                   ObjectKind::InfoPoint,        ObjectKind::ExternalLink,
                                   ObjectKind::DocumentLink,     ObjectKind::QueryPicture,
                                   ObjectKind::FixedPicture,     ObjectKind::PictureLink,
                                   ObjectKind::AnswerField,      ObjectKind::QuestionText,
                                   ObjectKind::NavPrevious,      ObjectKind::NavNext,
                                   ObjectKind::NavFirst,         ObjectKind::NavLast,
                                   ObjectKind::NavRandom,        ObjectKind::StaticLabel,
                                   ObjectKind::ChoiceQuestion,   ObjectKind::ChoiceQuestionPicture,
                                   ObjectKind::TablePictureLink, ObjectKind::ClusterStaticText,
                                   ObjectKind::ClusterText,      ObjectKind::ClusterStaticPicture,
                                   ObjectKind::ClusterPicture,   ObjectKind::PairStaticText,
                                   ObjectKind::PairText,         ObjectKind::PairStaticPicture,
                                   ObjectKind::PairPicture};

TEST(DocumentRoundTrip, EveryHeaderAndObjectField) {
    Document d;
    FillHeader(d);
    int seed = 1;
    for (const ObjectKind typ : kStoredKinds) {
        ObjDataTyp o = FullObject(typ, seed++);
        if (IsPictureKind(typ))
            o.Picture = Pic(6 + seed % 5, 4, typ == ObjectKind::FixedPicture);
        d.Objects.push_back(o);
    }
    const Document back = WriteAndRead(d);
    ExpectHeaderFields(d, back);
    ASSERT_EQ(back.ObjectCount(), d.ObjectCount());
    for (int i = 0; i < d.ObjectCount(); ++i) {
        ExpectStoredFields(d.Object(i), back.Object(i), i);
        if (IsPictureKind(d.Object(i).Typ))
            EXPECT_TRUE(SameImage(d.Object(i).Picture.Image, back.Object(i).Picture.Image)) << i;
        else
            EXPECT_TRUE(back.Object(i).Picture.isNone()) << i;
    }
    // Not stored: the page-format and working fields of the header keep their reset values.
    EXPECT_EQ(back.Header.BildGroesseProzent, 100.0);
    EXPECT_EQ(back.Header.GapFontHeight, 0);
    EXPECT_TRUE(back.Header.FileName.isEmpty());
}

TEST(DocumentRoundTrip, PasswordIsStoredScrambled) {
    Document d;
    FillHeader(d);
    d.Header.BilderPasswort = "Geheimnis";
    const QByteArray bytes = WriteDocumentBytes(d);
    EXPECT_FALSE(bytes.contains("Geheimnis"));
    EXPECT_EQ(ReadBack(bytes).Header.BilderPasswort, "Geheimnis");
    EXPECT_EQ(ScramblePassword(ScramblePassword("abc\xE4")), QByteArray("abc\xE4"));
    EXPECT_NE(ScramblePassword("abc"), QByteArray("abc"));
}

TEST(DocumentRoundTrip, NoLogoAndEmptyDocument) {
    Document d;
    ResetHeader(d.Header, {});
    d.BaseImage = Pic(3, 3);
    const Document back = WriteAndRead(d);
    EXPECT_TRUE(back.Header.ABLogo.isNone());
    EXPECT_EQ(back.Header.ABAufgabe, U("Aufgabe: F\u00FClle die freien Felder aus!"));
    EXPECT_EQ(back.ObjectCount(), 0);
    EXPECT_EQ(back.FontName, "Arial");
}

TEST(DocumentRoundTrip, PicturesKeepAlphaAndGetTheirMarks) {
    Document d;
    FillHeader(d);
    ObjDataTyp withAlpha = FullObject(ObjectKind::FixedPicture, 1);
    withAlpha.Picture = Pic(9, 7, true);
    ObjDataTyp opaque = FullObject(ObjectKind::QueryPicture, 2);
    opaque.Picture = Pic(9, 7, false);
    d.Objects = {withAlpha, opaque};
    const Document back = WriteAndRead(d);
    const Picture& a = back.Object(0).Picture;
    EXPECT_TRUE(SameImage(withAlpha.Picture.Image, a.Image));
    EXPECT_EQ(qAlpha(a.Image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(a.Image.pixel(4, 0)), 127);
    EXPECT_TRUE(a.Blended);
    EXPECT_TRUE(a.Linear);
    const Picture& b = back.Object(1).Picture;
    EXPECT_TRUE(SameImage(opaque.Picture.Image, b.Image));
    EXPECT_TRUE(b.Linear);
    EXPECT_TRUE(back.BaseImage.Linear);
    EXPECT_TRUE(back.Header.ABLogo.Blended);
}

TEST(DocumentRoundTrip, AnswerPicturesOfChoiceQuestions) {
    Document d;
    FillHeader(d);
    ObjDataTyp q = FullObject(ObjectKind::ChoiceQuestion, 3);
    q.Untertyp = 1;
    q.AntwortAnz = 3;
    for (int i = 0; i < 3; ++i)
        q.AntwPics[static_cast<size_t>(i)] = Pic(4 + i, 3, i == 1);
    ObjDataTyp qp = FullObject(ObjectKind::ChoiceQuestionPicture, 4);
    qp.Picture = Pic(8, 8);
    qp.Untertyp = 1;
    qp.AntwortAnz = 2;
    qp.AntwPics[0] = Pic(2, 2);
    qp.AntwPics[1] = Pic(3, 3, true);
    // Untertyp 0: answers are texts, no answer picture is stored.
    ObjDataTyp textAnswers = FullObject(ObjectKind::ChoiceQuestion, 5);
    textAnswers.AntwortAnz = 3;
    textAnswers.AntwPics[0] = Pic(2, 2);
    d.Objects = {q, qp, textAnswers, FullObject(ObjectKind::FixedLabel, 6)};

    const Document back = WriteAndRead(d);
    ASSERT_EQ(back.ObjectCount(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(SameImage(q.AntwPics[static_cast<size_t>(i)].Image,
                              back.Object(0).AntwPics[static_cast<size_t>(i)].Image))
            << i;
    for (int i = 3; i < kAnswerPictures; ++i)
        EXPECT_TRUE(back.Object(0).AntwPics[static_cast<size_t>(i)].isNone()) << i;
    EXPECT_TRUE(back.Object(0).AntwPics[1].Blended);
    EXPECT_TRUE(SameImage(qp.Picture.Image, back.Object(1).Picture.Image));
    EXPECT_TRUE(SameImage(qp.AntwPics[1].Image, back.Object(1).AntwPics[1].Image));
    EXPECT_TRUE(back.Object(1).AntwPics[2].isNone());
    EXPECT_TRUE(back.Object(2).AntwPics[0].isNone());
    ExpectStoredFields(d.Object(3), back.Object(3), 3);
}

TEST(DocumentRoundTrip, AtMostTwelveAnswerPictures) {
    Document d;
    FillHeader(d);
    ObjDataTyp q = FullObject(ObjectKind::ChoiceQuestion, 3);
    q.Untertyp = 1;
    q.AntwortAnz = 14; // a damaged value: the file still holds at most 12 pictures
    for (int i = 0; i < kAnswerPictures; ++i)
        q.AntwPics[static_cast<size_t>(i)] = Pic(2 + i, 2);
    d.Objects = {q, FullObject(ObjectKind::FixedLabel, 6)};
    const Document back = WriteAndRead(d);
    ASSERT_EQ(back.ObjectCount(), 2);
    EXPECT_EQ(back.Object(0).AntwortAnz, 14);
    EXPECT_TRUE(SameImage(q.AntwPics[11].Image, back.Object(0).AntwPics[11].Image));
    ExpectStoredFields(d.Object(1), back.Object(1), 1);
}

TEST(DocumentRoundTrip, GapTableGridWithTextAndPictureCells) {
    Document d;
    FillHeader(d);
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::GapText;
    h.DokUnterTyp = DocumentSubtype::GapTable;
    h.Zeilen = 3;
    h.Spalten = 4;
    h.Linie = 1;
    h.LinieCol = 0x445566;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            CellDataTyp& cell = h.Cell(row, column);
            cell.Text = U("Z%1S%2\r\nzweite Zeile \u00FC").arg(row).arg(column);
            cell.Art = column; // column 0: text cells, 1-3: the three picture cells
            cell.Bild = Pic(3 + row, 2 + column, row == 1);
            cell.BildKenn = QString("bk%1%2").arg(row).arg(column);
            cell.Link = QString("datei%1%2.pdf").arg(row).arg(column);
            cell.Fsize = 10 * row + column;
            cell.BildkarteAnpassen = (row + column) % 2;
            cell.PunktInUebung = (row + column + 1) % 2;
        }
    }
    h.Cell(5, 5).Text = "ausserhalb"; // beyond Zeilen x Spalten: not stored
    d.Objects.push_back(FullObject(ObjectKind::FixedLabel, 1));

    const Document back = WriteAndRead(d);
    ExpectHeaderFields(d, back);
    const HeaderDataTyp& b = back.Header;
    EXPECT_EQ(b.Zeilen, 3);
    EXPECT_EQ(b.Spalten, 4);
    EXPECT_EQ(b.Linie, 1);
    EXPECT_EQ(b.LinieCol, 0x445566);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(::testing::Message() << "cell " << row << "/" << column);
            const CellDataTyp& e = h.Cell(row, column);
            const CellDataTyp& a = b.Cell(row, column);
            EXPECT_EQ(a.Text, e.Text);
            EXPECT_EQ(a.Art, e.Art);
            if (column == 0) {
                EXPECT_TRUE(a.Bild.isNone());
                EXPECT_TRUE(a.BildKenn.isEmpty());
                EXPECT_TRUE(a.Link.isEmpty());
                EXPECT_EQ(a.Fsize, 20);
                continue;
            }
            EXPECT_TRUE(SameImage(e.Bild.Image, a.Bild.Image));
            EXPECT_EQ(a.BildKenn, e.BildKenn);
            EXPECT_EQ(a.Link, e.Link);
            EXPECT_EQ(a.Fsize, e.Fsize);
            EXPECT_EQ(a.BildkarteAnpassen, e.BildkarteAnpassen);
            EXPECT_EQ(a.PunktInUebung, e.PunktInUebung);
        }
    }
    EXPECT_TRUE(b.Cell(5, 5).Text.isEmpty());
    // No column block for DokTyp 1: the column backgrounds keep their defaults.
    EXPECT_EQ(b.Column(0).Farbe, 0xBEFF7F);
    ASSERT_EQ(back.ObjectCount(), 1);
    ExpectStoredFields(d.Object(0), back.Object(0), 0);
}

TEST(DocumentRoundTrip, ClusterDocumentWithColumnBlock) {
    Document d;
    FillHeader(d);
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::Cluster;
    h.Zeilen = 2;
    h.Spalten = 3;
    for (int column = 0; column < 3; ++column) {
        h.Column(column) = ColumnDataTyp{0x101010 * (column + 1), 10 + column};
        for (int row = 0; row < 2; ++row) {
            CellDataTyp& cell = h.Cell(row, column);
            cell.Text = QString("K%1%2").arg(row).arg(column);
            cell.Art = row * 3 + column; // 0..5: only Art 2 and 3 are picture cells here
            cell.Bild = Pic(2, 2);
            cell.BildKenn = "bk";
        }
    }
    h.Column(5) = ColumnDataTyp{0x777777, 99}; // beyond Spalten: not stored
    const Document back = WriteAndRead(d);
    const HeaderDataTyp& b = back.Header;
    EXPECT_EQ(b.DokTyp, DocumentType::Cluster);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(b.Column(column).Farbe, 0x101010 * (column + 1));
        EXPECT_EQ(b.Column(column).Deck, 10 + column);
        for (int row = 0; row < 2; ++row) {
            const CellDataTyp& a = b.Cell(row, column);
            const bool picture = a.Art == 2 || a.Art == 3;
            EXPECT_EQ(a.Art, row * 3 + column);
            EXPECT_EQ(a.Text, h.Cell(row, column).Text);
            EXPECT_EQ(a.Bild.isNone(), !picture) << row << "/" << column;
            EXPECT_EQ(a.BildKenn, picture ? "bk" : "");
        }
    }
    EXPECT_EQ(b.Column(5).Farbe, 0xBEFF7F); // column 5: entry 5 mod 5 of the defaults
    EXPECT_EQ(b.Column(5).Deck, 50);
}

TEST(DocumentRoundTrip, ZIndexRangeOverZeroAndAllObjects) {
    const struct {
        std::vector<int> z;
        int min, max;
    } cases[] = {{{5, -3, 2}, -3, 5}, {{3, 7}, 0, 7}, {{-4, -9}, -9, 0}, {{}, 0, 0}};
    for (const auto& c : cases) {
        Document d;
        FillHeader(d);
        for (const int z : c.z) {
            ObjDataTyp o = FullObject(ObjectKind::FixedLabel, 1);
            o.ZIndex = z;
            d.Objects.push_back(o);
        }
        const QByteArray bytes = WriteDocumentBytes(d);
        Document back;
        ResetHeader(back.Header, {});
        back.Header.MinZIndex = -100; // stale values must not survive
        back.Header.MaxZIndex = 100;
        ASSERT_EQ(ReadDocumentBytes(bytes, back, ReadOptions{}), ReadStatus::Ok);
        EXPECT_EQ(back.Header.MinZIndex, c.min);
        EXPECT_EQ(back.Header.MaxZIndex, c.max);
    }
}

// --- What the writer normalises ----------------------------------------------------------

TEST(DocumentWriter, GeneratedKindsAreNeverStored) {
    Document d;
    FillHeader(d);
    const ObjectKind transient[] = {ObjectKind::Gap,
                                    ObjectKind::ChoiceText,
                                    ObjectKind::ChoicePicture,
                                    ObjectKind::ChoiceMarker,
                                    ObjectKind::ChoiceAnswerText,
                                    ObjectKind::ChoiceOk,
                                    ObjectKind::ChoiceAnswerPicture,
                                    ObjectKind::TableStaticPicture,
                                    ObjectKind::TableQueryPicture};
    d.Objects.push_back(FullObject(ObjectKind::QueryLabel, 1));
    for (const ObjectKind typ : transient) {
        ObjDataTyp o = FullObject(typ, StoredKind(typ));
        o.Picture = Pic(2, 2);
        d.Objects.push_back(o);
    }
    d.Objects.push_back(FullObject(ObjectKind::TablePictureLink, 2));
    EXPECT_EQ(StoredObjectCount(d), 2);
    const QByteArray bytes = WriteDocumentBytes(d);
    const Document back = ReadBack(bytes);
    ASSERT_EQ(back.ObjectCount(), 2);
    EXPECT_EQ(back.Object(0).Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(back.Object(1).Typ, ObjectKind::TablePictureLink);
    // The generated objects stay in memory.
    EXPECT_EQ(d.ObjectCount(), 11);
}

TEST(DocumentWriter, PictureKindsWithoutPictureBecomeTextKinds) {
    Document d;
    FillHeader(d);
    d.Objects = {FullObject(ObjectKind::QueryPicture, 1), FullObject(ObjectKind::FixedPicture, 2),
                 FullObject(ObjectKind::ChoiceQuestionPicture, 3),
                 FullObject(ObjectKind::PictureLink, 4)};
    const Document back = WriteAndRead(d);
    // The change stays in the open document.
    EXPECT_EQ(d.Object(0).Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(d.Object(1).Typ, ObjectKind::FixedLabel);
    EXPECT_EQ(d.Object(2).Typ, ObjectKind::ChoiceQuestion);
    EXPECT_TRUE(d.Object(0).Picture.isNone());
    ASSERT_EQ(back.ObjectCount(), 4);
    EXPECT_EQ(back.Object(0).Typ, ObjectKind::QueryLabel);
    EXPECT_TRUE(back.Object(0).Picture.isNone());
    EXPECT_EQ(back.Object(1).Typ, ObjectKind::FixedLabel);
    EXPECT_EQ(back.Object(2).Typ, ObjectKind::ChoiceQuestion);
    // A picture link keeps its kind and gets the blank picture, in memory and in the file.
    EXPECT_EQ(d.Object(3).Typ, ObjectKind::PictureLink);
    ASSERT_FALSE(d.Object(3).Picture.isNone());
    EXPECT_TRUE(SameImage(BlankPicture().Image, d.Object(3).Picture.Image));
    EXPECT_TRUE(d.Object(3).Picture.Linear);
    EXPECT_EQ(back.Object(3).Typ, ObjectKind::PictureLink);
    EXPECT_TRUE(SameImage(BlankPicture().Image, back.Object(3).Picture.Image));
    // Every other field of the normalised object is stored as it was.
    ObjDataTyp expected = FullObject(ObjectKind::QueryPicture, 1);
    expected.Typ = ObjectKind::QueryLabel;
    ExpectStoredFields(expected, back.Object(0), 0);
}

TEST(DocumentWriter, FileStartsWithTheCurrentMagic) {
    Document d;
    FillHeader(d);
    const QByteArray bytes = WriteDocumentBytes(d);
    ByteReader in(bytes);
    EXPECT_EQ(in.readTextBytes(), QByteArray("QDR-2.15"));
}

TEST(DocumentReader, ReadingFromALentBufferGivesTheSameDocument) {
    // The loader lends its file buffer to the reader; the pictures (one of them stored by
    // another writer in many small chunks) come out the same as from a read-only view.
    Document d;
    FillHeader(d);
    d.BaseImage.Image = test::NoiseImage(90, 70, 3);
    AddObject(d, {.Typ = ObjectKind::QueryPicture,
                  .Cap = QStringLiteral("Bild"),
                  .FrageNummer = 1,
                  .Kx = 0.3,
                  .Ky = 0.2,
                  .KAusr = 0,
                  .Fsize = 20});
    d.Object(0).Picture = Pic(12, 9, true);
    QByteArray bytes = WriteDocumentBytes(d);
    const QByteArray ownPng = EncodePng(d.BaseImage.Image);
    ASSERT_TRUE(bytes.endsWith(ownPng));
    // Re-chunk the base image (the file's last field) into IDAT chunks of 200 bytes.
    const qsizetype at = ownPng.indexOf("IDAT") - 4;
    const QByteArray payload = ownPng.mid(at + 8, ownPng.size() - at - 12 - 12);
    QByteArray split = ownPng.left(at);
    for (qsizetype offset = 0; offset < payload.size(); offset += 200) {
        const QByteArray part = payload.mid(offset, 200);
        QByteArray typed = QByteArray("IDAT") + part;
        char length[4];
        qToBigEndian<uint32_t>(static_cast<uint32_t>(part.size()), length);
        char crc[4];
        qToBigEndian<uint32_t>(
            static_cast<uint32_t>(
                crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), typed.size())),
            crc);
        split += QByteArray(length, 4) + typed + QByteArray(crc, 4);
    }
    split += ownPng.right(12);
    bytes = bytes.left(bytes.size() - ownPng.size()) + split;
    ASSERT_GT(bytes.count("IDAT"), 3);

    const Document fromView = ReadBack(bytes);
    Document fromBuffer;
    fromBuffer.FontName = "nicht gelesen";
    ResetHeader(fromBuffer.Header, {});
    QByteArray lent = bytes;
    ASSERT_EQ(ReadDocumentBuffer(lent, fromBuffer, ReadOptions{}), ReadStatus::Ok);
    EXPECT_TRUE(SameImage(d.BaseImage.Image, fromView.BaseImage.Image));
    EXPECT_TRUE(SameImage(d.BaseImage.Image, fromBuffer.BaseImage.Image));
    ASSERT_EQ(fromBuffer.ObjectCount(), 1);
    EXPECT_TRUE(SameImage(d.Object(0).Picture.Image, fromBuffer.Object(0).Picture.Image));
    EXPECT_EQ(fromBuffer.Header.Titel, d.Header.Titel);
}

TEST(DocumentReader, DetailsAreTheFirstTwoFields) {
    Document d;
    FillHeader(d);
    const QByteArray bytes = WriteDocumentBytes(d);
    ReadDetails details;
    ASSERT_TRUE(ReadDocumentDetails(bytes.left(2000), details));
    EXPECT_EQ(details.Magic, QByteArray("QDR-2.15"));
    EXPECT_TRUE(details.KeyList.startsWith("|HD-vers|"));
    EXPECT_FALSE(ReadDocumentDetails(bytes.left(20), details));
}

} // namespace
} // namespace quindor
