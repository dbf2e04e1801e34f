#include "layouts/gap_table_layout.h"

#include "document/document_session.h"
#include "layout_fixture.h"
#include "layouts/document_layouts.h"
#include "support/test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

using test::LayoutFixture;

constexpr WinColor kGrid = 0x00C08040;

Picture SmallPicture() {
    Picture picture;
    picture.Image = test::PatternImage(16, 12);
    return picture;
}

class GapTableLayoutTest : public ::testing::Test {
protected:
    GapTableLayoutTest() {
        HeaderDataTyp& h = f.document.Header;
        h.Zeilen = 5;
        h.Spalten = 2;
        h.LinieCol = kGrid;
    }

    CellDataTyp& cell(int row, int column) { return f.document.Header.Cell(row, column); }
    void pictureCell(int row, int column, int art, int fsize = 20) {
        CellDataTyp& c = cell(row, column);
        c.Art = art;
        c.Bild = SmallPicture();
        c.Fsize = fsize;
    }
    void layout(bool regenerate = true, bool drawText = true) {
        GapTableLayout(f.document, f.pass(regenerate, drawText), f.state);
    }
    QRgb pixel(int x, int y) const { return f.page.pixel(x, y); }
    QRgb gridColour() const { return QColor::fromRgb(WinColorToArgb(kGrid)).rgba(); }

    LayoutFixture f{DocumentSubtype::GapTable};
};

TEST_F(GapTableLayoutTest, ColumnsShareTheWidthBetweenTheMargins) {
    const GapTableGeometry g = ComputeGapTableGeometry(f.document, QSize(870, 600));
    EXPECT_EQ(g.left, 30);
    EXPECT_EQ(g.rightEdge, 840);
    EXPECT_EQ(g.columnGap, 24);
    EXPECT_EQ(g.columnWidth, 393);
    EXPECT_EQ(g.columnX(1), 447);
    EXPECT_EQ(g.separatorX(1), 435);
    EXPECT_EQ(GapTablePictureHeight(20, QSize(870, 600)), 86);
}

TEST_F(GapTableLayoutTest, EveryCellKindMakesItsObject) {
    HeaderDataTyp& h = f.document.Header;
    h.Zeilen = 2;
    pictureCell(0, 0, 1);
    cell(0, 0).BildKenn = QStringLiteral("Apfel");
    cell(0, 0).BildkarteAnpassen = 1;
    pictureCell(0, 1, 2, 40);
    pictureCell(1, 0, 3);
    cell(1, 0).Link = QStringLiteral("ziel.qdr");
    cell(1, 0).PunktInUebung = 1;
    cell(1, 1).Text = QStringLiteral("der <<Apfel>> und die <<Birne|Birnen>>");
    layout();

    ASSERT_EQ(f.document.ObjectCount(), 5);
    const std::vector<ObjectKind> kinds = {
        ObjectKind::TableStaticPicture, ObjectKind::TableQueryPicture, ObjectKind::TablePictureLink,
        ObjectKind::Gap, ObjectKind::Gap};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(f.document.Object(i).Typ, kinds[static_cast<size_t>(i)]) << i;

    const ObjDataTyp& still = f.document.Object(0);
    EXPECT_EQ(still.Cap, QString());
    EXPECT_EQ(still.Ebene, 1);
    EXPECT_EQ(still.KAusr, 4);
    EXPECT_EQ(still.Fsize, 20);
    EXPECT_EQ(still.FrageNummer, 0);
    EXPECT_EQ(still.BildKenn, QStringLiteral("Apfel"));
    EXPECT_EQ(still.BildkarteAnpassen, 1);
    EXPECT_EQ(still.PunktInUebung, 0);
    EXPECT_TRUE(still.Picture.Linear);
    EXPECT_TRUE(test::SameImage(cell(0, 0).Bild.Image, still.Picture.Image));
    EXPECT_DOUBLE_EQ(still.Kx, (30 + 393 / 2.0) / 870);
    EXPECT_DOUBLE_EQ(still.Ky, 6 / 600.0 + 0.0035);

    const ObjDataTyp& query = f.document.Object(1);
    EXPECT_EQ(query.Fsize, 40);
    EXPECT_DOUBLE_EQ(query.Kx, (447 + 393 / 2.0) / 870);

    // The second row starts below the higher picture of the first.
    const ObjDataTyp& link = f.document.Object(2);
    EXPECT_EQ(link.Cap, QStringLiteral("ziel.qdr"));
    EXPECT_EQ(link.PunktInUebung, 1);
    EXPECT_DOUBLE_EQ(link.Ky, (6 + GapTablePictureHeight(40, QSize(870, 600))) / 600.0 + 0.0035);

    EXPECT_EQ(f.document.Object(3).Cap, QStringLiteral("Apfel"));
    EXPECT_EQ(f.document.Object(4).BildKenn, QStringLiteral("|Birne|Birnen|"));
    // Gaps lie in their column.
    EXPECT_GT(f.document.Object(3).Kx, 447 / 870.0);
}

TEST_F(GapTableLayoutTest, EmptyTextRowsTakeNoHeight) {
    HeaderDataTyp& h = f.document.Header;
    h.Zeilen = 3;
    pictureCell(2, 0, 2);
    layout();
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_DOUBLE_EQ(f.document.Object(0).Ky, 6 / 600.0 + 0.0035);
}

TEST_F(GapTableLayoutTest, GridLinesOnlyWhenAskedForAndShown) {
    cell(0, 0).Text = QStringLiteral("Zeile eins");
    cell(1, 0).Text = QStringLiteral("Zeile zwei");
    const int y = 400;
    layout();
    EXPECT_NE(pixel(435, y), gridColour());

    f.document.Header.Linie = 1;
    f.page.fill(Qt::white);
    layout(true, false);
    EXPECT_TRUE(f.pageIsWhite());

    layout(true, true);
    // The vertical line reaches from the top margin to the bottom of the last row; the rows
    // of empty text end where the second row ended.
    EXPECT_EQ(pixel(435, 6), gridColour());
    EXPECT_EQ(pixel(434, 20), 0xFFFFFFFFu);
    int rowBottom = -1;
    for (int yy = 6; yy < 600 && rowBottom < 0; ++yy) {
        if (pixel(40, yy) == gridColour())
            rowBottom = yy;
    }
    ASSERT_GT(rowBottom, 6);
    EXPECT_EQ(pixel(30, rowBottom), gridColour());
    EXPECT_EQ(pixel(839, rowBottom), gridColour());
    EXPECT_EQ(pixel(29, rowBottom), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(841, rowBottom), 0xFFFFFFFFu);
    EXPECT_NE(pixel(435, y), gridColour());
}

TEST_F(GapTableLayoutTest, OneRowHasOnlyTheVerticalLines) {
    HeaderDataTyp& h = f.document.Header;
    h.Zeilen = 1;
    h.Spalten = 3;
    h.Linie = 1;
    for (int j = 0; j < 3; ++j)
        pictureCell(0, j, 1);
    layout();
    const GapTableGeometry g = ComputeGapTableGeometry(f.document, f.page.size());
    const int height = GapTablePictureHeight(20, f.page.size());
    for (int j = 1; j < 3; ++j) {
        EXPECT_EQ(pixel(g.separatorX(j), 6 + height / 2), gridColour()) << j;
        EXPECT_EQ(pixel(g.separatorX(j), 6 + height + 2), 0xFFFFFFFFu) << j;
    }
    EXPECT_NE(pixel(g.left + 2, 6 + height), gridColour());
}

TEST_F(GapTableLayoutTest, RelayoutMovesOnlyTheCardPoints) {
    pictureCell(0, 0, 2);
    cell(0, 1).Text = QStringLiteral("die <<Katze>>");
    pictureCell(1, 0, 3);
    layout();
    ASSERT_EQ(f.document.ObjectCount(), 3);
    f.document.Object(0).State = ObjectState::Ticked;
    const ObjDataTyp before = f.document.Object(2);

    f.resize(QSize(600, 900));
    layout(false);
    ASSERT_EQ(f.document.ObjectCount(), 3);
    EXPECT_EQ(f.document.Object(0).State, ObjectState::Ticked);
    EXPECT_EQ(f.document.Object(1).Typ, ObjectKind::Gap);
    // The second row starts lower on the narrower, taller page; the anchor stays.
    const ObjDataTyp& after = f.document.Object(2);
    EXPECT_EQ(after.Typ, ObjectKind::TablePictureLink);
    EXPECT_EQ(after.Sx, before.Sx);
    EXPECT_EQ(after.Sy, before.Sy);
    EXPECT_NE(after.Ky, before.Ky);
}

TEST_F(GapTableLayoutTest, AnEmptyLinkStillMakesAnObject) {
    pictureCell(0, 0, 3);
    layout();
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_EQ(f.document.Object(0).Cap, QString());
}

TEST_F(GapTableLayoutTest, EmptyGridsMakeNothing) {
    for (const auto& [rows, columns] : {std::pair{0, 2}, {3, 0}}) {
        f.document.Header.Zeilen = rows;
        f.document.Header.Spalten = columns;
        pictureCell(0, 0, 2);
        layout();
        EXPECT_EQ(f.document.ObjectCount(), 0) << rows << " x " << columns;
    }
}

TEST_F(GapTableLayoutTest, TooMuchTextShrinksTheFont) {
    QStringList lines(40, QStringLiteral("eine Zeile mit <<L\u00fccke>>"));
    cell(0, 0).Text = lines.join(QStringLiteral("\r\n"));
    layout();
    EXPECT_LT(f.document.Header.GapFontHeight, 0);
    EXPECT_GT(f.document.Header.GapFontHeight, -22);
    EXPECT_EQ(f.document.Header.GapFontAdjustment, -22 - f.document.Header.GapFontHeight);
    EXPECT_EQ(f.ofKind(ObjectKind::Gap).size(), 40u);
}

TEST(GapTableLoad, StoredPictureLinksAreNeverDoubled) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tabelle.qdr"));
    test::SessionFixture writer;
    RegisterLayouts(writer.session.layouts(), writer.state);
    HeaderDataTyp& h = writer.session.header();
    h.DokTyp = DocumentType::GapText;
    h.DokUnterTyp = DocumentSubtype::GapTable;
    h.Zeilen = 2;
    h.Spalten = 2;
    for (int row = 0; row < 2; ++row) {
        h.Cell(row, 0).Art = 3;
        h.Cell(row, 0).Bild = SmallPicture();
        h.Cell(row, 0).Link = QStringLiteral("ziel%1.qdr").arg(row);
        h.Cell(row, 1).Text = QStringLiteral("das <<Wort>>");
    }
    writer.session.layouts().run(writer.session.document(), true);
    ASSERT_EQ(writer.session.document().ObjectCount(), 4);
    ASSERT_TRUE(writer.session.WriteDocument(file, false));

    for (int load = 0; load < 2; ++load) {
        test::SessionFixture reader;
        RegisterLayouts(reader.session.layouts(), reader.state);
        ASSERT_TRUE(reader.session.LoadDocument(file, false));
        const Document& d = reader.session.document();
        int links = 0;
        int gaps = 0;
        for (const ObjDataTyp& o : d.Objects) {
            links += o.Typ == ObjectKind::TablePictureLink;
            gaps += o.Typ == ObjectKind::Gap;
        }
        EXPECT_EQ(links, 2);
        EXPECT_EQ(gaps, 2);
        EXPECT_EQ(d.ObjectCount(), 4);
        EXPECT_EQ(d.Object(0).Cap, QStringLiteral("ziel0.qdr"));
        ASSERT_TRUE(reader.session.WriteDocument(file, false));
    }
}

} // namespace
} // namespace quindor
