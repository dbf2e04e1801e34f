#include "document/document.h"
#include "document/document_model.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quindor {
namespace {

using test::PatternImage;
using test::SessionFixture;

constexpr WinColor kColumnCycle[5] = {0xBEFF7F, 0xBF7FFF, 0xFFC080, 0x7FBEFF, 0xFF7FBE};

Picture SomePicture() {
    Picture p;
    p.Image = PatternImage(4, 3);
    return p;
}

// Fills a session with a gap-table document (DokTyp 1/1) whose every header field is changed.
void FillGapTable(DocumentSession& session) {
    HeaderDataTyp& h = session.header();
    h.FileName = QStringLiteral("/tmp/tabelle.qdr");
    h.Vers = "3.1";
    h.Titel = "Tiere";
    h.DokTyp = DocumentType::GapText;
    h.DokUnterTyp = DocumentSubtype::GapTable;
    h.Zeilen = 16;
    h.Spalten = 12;
    h.Linie = 1;
    h.LinieCol = 0x123456;
    h.MinLuecke = 9;
    h.HtgdCol = 0;
    h.BasisbildDeck = 30;
    h.TextCol = 0x00FF00;
    h.EinrueckRand = {0.1, 0.2, 0.3, 0.4};
    h.RandErw = {0.1, 0.2, 0.3, 0.4};
    h.ABAufgabe = "Los!";
    h.ABLogo = SomePicture();
    h.LogoGroesse = 0.5;
    h.LogoAusricht = 0;
    h.Modified = true;
    h.BildGroesseProzent = 80;
    h.MinZIndex = -4;
    h.MaxZIndex = 9;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            CellDataTyp& cell = h.Cell(row, column);
            cell.Text = QStringLiteral("Zelle %1/%2").arg(row).arg(column);
            cell.Art = 1 + (row + column) % 3;
            cell.Bild = SomePicture();
            cell.BildKenn = "k";
            cell.Link = "l";
            cell.Fsize = 77;
            cell.BildkarteAnpassen = 1;
            cell.PunktInUebung = 1;
        }
    }
    for (int column = 0; column < kGridColumns; ++column)
        h.Column(column) = ColumnDataTyp{0x010101 * column, 90};
}

TEST(ResetDocument, GapTableDocumentBecomesEmpty) {
    SessionFixture f;
    f.session.setPageFormatDefaults({0, 16, 9});
    FillGapTable(f.session);
    f.session.AddObject({.Typ = ObjectKind::QueryLabel,
                         .Ebene = 1,
                         .Cap = "bleibt",
                         .FrageNummer = -1,
                         .Kx = 0.5,
                         .Ky = 0.5,
                         .KAusr = 0,
                         .Fsize = 0});
    f.state.TopicIndex = 3;
    f.state.CurrentQuestion = 4;

    f.session.ResetDocument();
    const HeaderDataTyp& h = f.session.header();
    int cells = 0;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const CellDataTyp& cell = h.Cell(row, column);
            EXPECT_TRUE(cell.Text.isEmpty());
            EXPECT_TRUE(cell.Bild.isNone());
            EXPECT_EQ(cell.Art, 0);
            EXPECT_TRUE(cell.BildKenn.isEmpty());
            EXPECT_TRUE(cell.Link.isEmpty());
            EXPECT_EQ(cell.Fsize, 20);
            EXPECT_EQ(cell.BildkarteAnpassen, 0);
            EXPECT_EQ(cell.PunktInUebung, 0);
            ++cells;
        }
    }
    EXPECT_EQ(cells, 192);
    for (int column = 0; column < kGridColumns; ++column) {
        EXPECT_EQ(h.Column(column).Farbe, kColumnCycle[column % 5]) << column;
        EXPECT_EQ(h.Column(column).Deck, 50) << column;
    }
    // The remaining reset values of the header table.
    EXPECT_TRUE(h.FileName.isEmpty());
    EXPECT_EQ(h.Vers, "1.00");
    EXPECT_TRUE(h.Titel.isEmpty());
    EXPECT_EQ(h.Zeilen, 5);
    EXPECT_EQ(h.Spalten, 2);
    EXPECT_EQ(h.Linie, 0);
    EXPECT_EQ(h.LinieCol, 0xC0C0C0);
    EXPECT_EQ(h.DokTyp, DocumentType::Labelling);
    EXPECT_EQ(h.DokUnterTyp, DocumentSubtype::Plain);
    EXPECT_FALSE(h.Modified);
    EXPECT_EQ(h.RandErw, (FracRect{0, 0, 0, 0}));
    EXPECT_EQ(h.EinrueckRand, (FracRect{0, 0, 0, 0}));
    EXPECT_EQ(h.SeitRatioArt, 0);
    EXPECT_EQ(h.SeitRatioBreite, 16);
    EXPECT_EQ(h.SeitRatioHoehe, 9);
    EXPECT_EQ(h.BildGroesseProzent, 100.0);
    EXPECT_EQ(h.BildPosXProzent, 50.0);
    EXPECT_EQ(h.BildPosYProzent, 50.0);
    EXPECT_EQ(h.TextCol, 0);
    EXPECT_EQ(h.HtgdCol, 0xFFFFFF);
    EXPECT_EQ(h.FragBtnHtgdCol, 0xFF0000);
    EXPECT_EQ(h.FragBtnTextCol, 0xFFFFFF);
    EXPECT_EQ(h.MinLuecke, 3);
    EXPECT_EQ(h.MinZIndex, 0);
    EXPECT_EQ(h.MaxZIndex, 0);
    EXPECT_EQ(h.ABAufgabe, QString::fromUtf8("Aufgabe: F\u00FClle die freien Felder aus!"));
    EXPECT_TRUE(h.ABLogo.isNone());
    EXPECT_EQ(h.LogoGroesse, 0.2);
    EXPECT_EQ(h.LogoAusricht, 2);
    EXPECT_EQ(h.FusszeileAusricht, 0);
    EXPECT_EQ(h.BasisbildDeck, 100);
    EXPECT_EQ(f.state.TopicIndex, -1);
    EXPECT_EQ(f.state.CurrentQuestion, 0);
    // The object list is not touched.
    ASSERT_EQ(f.session.document().ObjectCount(), 1);
    EXPECT_EQ(f.session.document().Object(0).Cap, "bleibt");
}

TEST(ResetDocument, RemembersThePreviousDocumentOnlyWhenItHasAName) {
    SessionFixture f;
    f.session.header().FileName = "/docs/a.qdr";
    f.session.ResetDocument();
    EXPECT_EQ(f.state.PreviousDocument, "/docs/a.qdr");
    // A document without file name (a new sheet) never replaces it.
    f.session.ResetDocument();
    EXPECT_EQ(f.state.PreviousDocument, "/docs/a.qdr");
    f.session.header().FileName = "/docs/b.qdr";
    f.session.ResetDocument();
    EXPECT_EQ(f.state.PreviousDocument, "/docs/b.qdr");
}

TEST(ClearAndCloseDocument, ClearEmptiesObjectsCloseShowsTheStartPicture) {
    SessionFixture f;
    test::CountingListener listener;
    f.session.addListener(listener);
    const int& cleared = listener.cleared;
    const int& closed = listener.closed;
    FillGapTable(f.session);
    f.session.document().BaseImage = SomePicture();
    f.session.AddObject({.Typ = ObjectKind::FixedLabel,
                         .Ebene = 1,
                         .Cap = "x",
                         .FrageNummer = -1,
                         .Kx = 0,
                         .Ky = 0,
                         .KAusr = 0,
                         .Fsize = 0});

    f.session.ClearDocument();
    EXPECT_EQ(f.session.document().ObjectCount(), 0);
    EXPECT_TRUE(f.session.header().FileName.isEmpty());
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(closed, 0);

    FillGapTable(f.session);
    f.session.AddObject({.Typ = ObjectKind::FixedLabel,
                         .Ebene = 1,
                         .Cap = "x",
                         .FrageNummer = -1,
                         .Kx = 0,
                         .Ky = 0,
                         .KAusr = 0,
                         .Fsize = 0});
    f.session.CloseDocument();
    EXPECT_EQ(f.session.document().ObjectCount(), 0);
    EXPECT_FALSE(f.session.header().Modified);
    EXPECT_TRUE(f.session.header().FileName.isEmpty());
    EXPECT_TRUE(
        test::SameImage(f.session.startPicture().Image, f.session.document().BaseImage.Image));
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(closed, 1);
}

TEST(AddObject, SetsTheNamedFieldsAndZeroesTheRest) {
    Document d;
    d.Header.TextCol = 0x3366CC;
    const int index = AddObject(d, {.Typ = ObjectKind::QueryLabel,
                                    .Ebene = 3,
                                    .Cap = "Wort",
                                    .FrageNummer = 4,
                                    .Kx = 0.75,
                                    .Ky = 0.25,
                                    .KAusr = 2,
                                    .Fsize = 5});
    ASSERT_EQ(index, 0);
    const ObjDataTyp& o = d.Object(index);
    EXPECT_EQ(o.Cap, "Wort");
    EXPECT_EQ(o.State, ObjectState::Covered);
    EXPECT_EQ(o.Ebene, 3);
    EXPECT_EQ(o.Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(o.Sline, 0);
    EXPECT_EQ(o.Fsize, 5);
    EXPECT_EQ(o.KAusr, 2);
    EXPECT_EQ(o.TAusr, 0);
    EXPECT_EQ(o.Kx, 0.75);
    EXPECT_EQ(o.Ky, 0.25);
    EXPECT_EQ(o.Sx, 0.75);
    EXPECT_EQ(o.Sy, 0.25);
    EXPECT_EQ(o.FixedWidth, -1.0);
    EXPECT_EQ(o.FixedHeight, -1.0);
    EXPECT_EQ(o.BildDeck, 100);
    EXPECT_EQ(o.Farbe, 0x3366CC);
    EXPECT_EQ(o.HDeck, 0);
    EXPECT_EQ(o.FrageNummer, 4);
    EXPECT_EQ(o.HFarbe, 0);
    EXPECT_EQ(o.LinieDicke, 0);
    EXPECT_EQ(o.ZIndex, 0);
    EXPECT_TRUE(o.PktCap.isEmpty());
    EXPECT_TRUE(o.Picture.isNone());

    EXPECT_EQ(AddObject(d, {.Typ = ObjectKind::FixedLabel,
                            .Ebene = 1,
                            .Cap = QString(),
                            .FrageNummer = -1,
                            .Kx = 0,
                            .Ky = 0,
                            .KAusr = 0,
                            .Fsize = 0}),
              1);
    EXPECT_EQ(d.ObjectCount(), 2);
}

TEST(AddObject, PointKindsGetOpaqueCards) {
    Document d;
    for (const ObjectKind typ :
         {ObjectKind::InfoPoint, ObjectKind::ExternalLink, ObjectKind::DocumentLink})
        EXPECT_EQ(d.Object(AddObject(d, {.Typ = typ,
                                         .Ebene = 2,
                                         .Cap = QString(),
                                         .FrageNummer = -1,
                                         .Kx = 0,
                                         .Ky = 0,
                                         .KAusr = 0,
                                         .Fsize = 0}))
                      .HDeck,
                  100)
            << StoredKind(typ);
    for (const ObjectKind typ :
         {ObjectKind::QueryLabel, ObjectKind::FixedLabel, ObjectKind::QueryPicture,
          ObjectKind::ChoiceQuestion, ObjectKind::ClusterStaticText})
        EXPECT_EQ(d.Object(AddObject(d, {.Typ = typ,
                                         .Ebene = 1,
                                         .Cap = QString(),
                                         .FrageNummer = -1,
                                         .Kx = 0,
                                         .Ky = 0,
                                         .KAusr = 0,
                                         .Fsize = 0}))
                      .HDeck,
                  0)
            << StoredKind(typ);
}

Document ThreeObjects() {
    Document d;
    for (const char* cap : {"A", "B", "C"})
        AddObject(d, {.Typ = ObjectKind::FixedLabel,
                      .Ebene = 1,
                      .Cap = cap,
                      .FrageNummer = -1,
                      .Kx = 0,
                      .Ky = 0,
                      .KAusr = 0,
                      .Fsize = 0});
    return d;
}

QStringList Caps(const Document& d) {
    QStringList caps;
    for (const ObjDataTyp& o : d.Objects)
        caps.append(o.Cap);
    return caps;
}

TEST(DeleteObject, RemovesOneAndMovesTheRestDown) {
    Document d = ThreeObjects();
    DeleteObject(d, 0);
    EXPECT_EQ(Caps(d), QStringList({"B", "C"}));

    d = ThreeObjects();
    DeleteObject(d, 2); // the last: nothing moves
    EXPECT_EQ(Caps(d), QStringList({"A", "B"}));

    d = ThreeObjects();
    DeleteObject(d, 1);
    EXPECT_EQ(Caps(d), QStringList({"A", "C"}));
}

TEST(DeleteObject, IndexOutsideTheListChangesNothing) {
    Document d = ThreeObjects();
    DeleteObject(d, -1);
    DeleteObject(d, 3);
    DeleteObject(d, 1000);
    EXPECT_EQ(Caps(d), QStringList({"A", "B", "C"}));
    Document empty;
    DeleteObject(empty, 0);
    EXPECT_EQ(empty.ObjectCount(), 0);
}

TEST(GridAccess, OutOfBoundsIsAProgrammingError) {
    HeaderDataTyp h;
    EXPECT_NO_THROW(h.Cell(15, 11));
    EXPECT_NO_THROW(h.Cell(0, 0));
    EXPECT_THROW(h.Cell(16, 0), std::out_of_range);
    EXPECT_THROW(h.Cell(0, 12), std::out_of_range);
    EXPECT_THROW(h.Cell(-1, 0), std::out_of_range);
    EXPECT_THROW(h.Cell(0, -1), std::out_of_range);
    EXPECT_NO_THROW(h.Column(11));
    EXPECT_THROW(h.Column(12), std::out_of_range);
    EXPECT_THROW(h.Column(-1), std::out_of_range);
    const HeaderDataTyp& c = h;
    EXPECT_THROW(c.Cell(16, 11), std::out_of_range);

    ObjDataTyp o;
    EXPECT_NO_THROW(o.AnswerPicture(11));
    EXPECT_THROW(o.AnswerPicture(12), std::out_of_range);
    EXPECT_THROW(o.AnswerPicture(-1), std::out_of_range);
}

TEST(DocumentTypeName, EveryRowOfTheTable) {
    EXPECT_EQ(DocumentTypeName(TypeFromStored(0), SubtypeFromStored(0)),
              QString::fromUtf8("Freie Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(0), SubtypeFromStored(5)),
              QString::fromUtf8("Freie Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(1), SubtypeFromStored(0)),
              QString::fromUtf8("L\u00FCckentext"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(1), SubtypeFromStored(1)),
              QString::fromUtf8("Tabellarische Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(1), SubtypeFromStored(2)),
              QString::fromUtf8("C-Test"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(2), SubtypeFromStored(0)),
              QString::fromUtf8("Einzelfragen"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(2), SubtypeFromStored(3)),
              QString::fromUtf8("Einzelfragen"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(3), SubtypeFromStored(0)),
              QString::fromUtf8("Multiple-Choice-Fragen"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(3), SubtypeFromStored(1)),
              QString::fromUtf8("Multiple-Choice-Fragen"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(4), SubtypeFromStored(0)),
              QString::fromUtf8("Cluster-\u00DCbung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(4), SubtypeFromStored(2)),
              QString::fromUtf8("Cluster-\u00DCbung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(5), SubtypeFromStored(0)),
              QString::fromUtf8("\u00DCber-Kreuz-Zuordnung"));
    EXPECT_EQ(DocumentTypeName(TypeFromStored(5), SubtypeFromStored(9)),
              QString::fromUtf8("\u00DCber-Kreuz-Zuordnung"));
    EXPECT_TRUE(DocumentTypeName(TypeFromStored(6), SubtypeFromStored(0)).isEmpty());
    EXPECT_TRUE(DocumentTypeName(TypeFromStored(-1), SubtypeFromStored(0)).isEmpty());

    SessionFixture f;
    f.session.header().DokTyp = DocumentType::Cluster;
    EXPECT_EQ(f.session.DocumentTypeName(), QString::fromUtf8("Cluster-\u00DCbung"));
}

TEST(DocumentModel, EinrueckRandDefaultsByDokTyp) {
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::Labelling), (FracRect{0, 0, 0, 0}));
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::GapText), (FracRect{0.035, 0.01, 0.035, 0}));
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::Questions), (FracRect{0.1, 0.165, 0.05, 0.195}));
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::MultipleChoice),
              (FracRect{0.05, 0.04, 0.05, 0.045}));
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::Cluster), (FracRect{0.035, 0.03, 0.035, 0.03}));
    EXPECT_EQ(DefaultEinrueckRand(DocumentType::CrossMatching),
              (FracRect{0.035, 0.03, 0.035, 0.03}));
    EXPECT_EQ(DefaultEinrueckRand(TypeFromStored(7)), (FracRect{0, 0, 0, 0}));
}

TEST(DocumentModel, KindClassesAndPointDefaults) {
    EXPECT_EQ(DefaultPointTitle(KindFromStored(2)), "Info");
    EXPECT_EQ(DefaultPointTitle(KindFromStored(4)), "Link");
    EXPECT_EQ(DefaultPointTitle(KindFromStored(5)), "Dok.");
    EXPECT_TRUE(DefaultPointTitle(KindFromStored(0)).isEmpty());
    EXPECT_EQ(DefaultPointColour(KindFromStored(2)), 0xFD5F00);
    EXPECT_EQ(DefaultPointColour(KindFromStored(4)), 0x2F35A4);
    EXPECT_EQ(DefaultPointColour(KindFromStored(5)), 0x4A9829);
    for (int typ = -1; typ <= 60; ++typ) {
        const ObjectKind kind = KindFromStored(typ);
        EXPECT_EQ(IsPointKind(kind), kind == ObjectKind::InfoPoint ||
                                         kind == ObjectKind::ExternalLink ||
                                         kind == ObjectKind::DocumentLink)
            << typ;
        EXPECT_EQ(IsPictureKind(kind),
                  kind == ObjectKind::QueryPicture || kind == ObjectKind::FixedPicture ||
                      kind == ObjectKind::PictureLink || kind == ObjectKind::ChoiceQuestionPicture)
            << typ;
        EXPECT_EQ(IsTransientKind(kind), kind == ObjectKind::Gap || (typ >= 22 && typ <= 27) ||
                                             kind == ObjectKind::TableStaticPicture ||
                                             kind == ObjectKind::TableQueryPicture)
            << typ;
    }
}

TEST(DocumentModel, GridBelongsToGapTablesClustersAndCrossMatching) {
    HeaderDataTyp h;
    const struct {
        int typ, sub;
        bool grid, columns;
    } rows[] = {
        {0, 0, false, false}, {1, 0, false, false}, {1, 1, true, false}, {1, 2, false, false},
        {2, 1, false, false}, {3, 1, false, false}, {4, 0, true, true},  {5, 0, true, false},
    };
    for (const auto& row : rows) {
        h.DokTyp = TypeFromStored(row.typ);
        h.DokUnterTyp = SubtypeFromStored(row.sub);
        EXPECT_EQ(h.HasGrid(), row.grid) << row.typ << "/" << row.sub;
        EXPECT_EQ(h.HasColumnBlock(), row.columns) << row.typ << "/" << row.sub;
    }
}

} // namespace
} // namespace quindor
