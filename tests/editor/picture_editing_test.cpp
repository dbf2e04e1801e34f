// Editing the free objects of a page: placing, dragging, the keys, deleting, undo and redo, the
// page redrawn only where it changed, and what a layout made left alone.
#include "document/document_writer.h"
#include "document/numbering.h"
#include "editor/free_objects.h"
#include "editor/picture_editing.h"
#include "layouts/document_layouts.h"

#include "sheet_image.h"
#include "support/solving_run.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

struct Page {
    Document d;
    ProgramState state;
    ViewComposer view{d, state};
    PictureEditing editing{d, view, state};

    explicit Page(QSize area = QSize(900, 600)) {
        Picture base;
        base.Image = test::NoiseImage(600, 400);
        d = *MakeLabelling({QStringLiteral("Pflanze"), {}, {}}, base, {0, 10, 7}).Value;
        view.ComposeView(area);
    }
    int label(ObjectKind kind, QPointF spot, QPointF card, const QString& text) {
        return editing.add(NewFreeObject(kind, spot, card, text, d.Header));
    }
    QPoint centreOf(int index) const { return editing.cardOnDisplay(index).center(); }
    // What composing the document from scratch draws.
    QImage composed() {
        Document copy = d;
        ViewComposer fresh(copy, state);
        fresh.ComposeView(view.pictureArea());
        return fresh.pageImage();
    }
};

TEST(PictureEditing, CardsAreDraggedAndKeyedEachMoveOneStepToUndo) {
    Page p;
    const int i =
        p.label(ObjectKind::QueryLabel, {0.5, 0.5},
                DefaultCardPoint(ObjectKind::QueryLabel, {0.5, 0.5}), QStringLiteral("Bl\u00fcte"));
    const ObjDataTyp& o = p.d.Object(i);
    // Right of the middle the card goes right, on the side the automatic rule gives.
    EXPECT_DOUBLE_EQ(o.Kx, 0.6);
    EXPECT_EQ(o.KAusrAkt, 1);
    EXPECT_GT(o.CardRect.Left, o.Kx);
    EXPECT_EQ(p.editing.selected(), i);
    EXPECT_TRUE(p.d.Header.Modified);

    const double w = p.view.pageImage().width();
    const double h = p.view.pageImage().height();
    const QPoint grab = p.centreOf(i);
    EXPECT_EQ(p.editing.objectAt(grab), i);
    EXPECT_EQ(p.editing.press(grab), EditGrip::Card);
    p.editing.drag(grab + QPoint(20, 0));
    p.editing.drag(grab + QPoint(40, 30));
    p.editing.release(grab + QPoint(40, 30));
    EXPECT_NEAR(o.Kx, 0.6 + 40 / w, 1e-9);
    EXPECT_NEAR(o.Ky, 0.5 + 30 / h, 1e-9);
    // The line stays on its spot.
    EXPECT_DOUBLE_EQ(o.Sx, 0.5);

    EXPECT_EQ(p.editing.press(p.editing.anchorOnDisplay(i)), EditGrip::Anchor);
    p.editing.drag(p.editing.anchorOnDisplay(i) - QPoint(0, 60));
    p.editing.release({});
    EXPECT_NEAR(o.Sy, 0.5 - 60 / h, 1e-9);

    p.editing.key(Qt::Key_Right, Qt::NoModifier);
    p.editing.key(Qt::Key_Left, Qt::ShiftModifier);
    p.editing.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_NEAR(o.Kx, 0.6 + 31 / w, 1e-9);
    EXPECT_NEAR(o.Sy, 0.5 - 59 / h, 1e-9);

    // Back step by step: the keys, the spot, the drag (one step), the card.
    for (int step = 0; step < 4; ++step)
        EXPECT_TRUE(p.editing.undo());
    EXPECT_NEAR(o.Kx, 0.6 + 40 / w, 1e-9);
    EXPECT_DOUBLE_EQ(o.Sy, 0.5);
    EXPECT_TRUE(p.editing.undo());
    EXPECT_DOUBLE_EQ(p.d.Object(i).Kx, 0.6);
    EXPECT_TRUE(p.editing.undo());
    EXPECT_EQ(p.d.ObjectCount(), 0);
    EXPECT_FALSE(p.editing.undo());
    EXPECT_TRUE(p.editing.redo());
    EXPECT_EQ(p.d.Object(0).Cap, QStringLiteral("Bl\u00fcte"));

    // A click without moving is no step; Delete removes, undo puts it back where it was.
    p.label(ObjectKind::FixedLabel, {0.2, 0.2}, {0.1, 0.2}, QStringLiteral("Sonne"));
    p.editing.press(p.centreOf(0));
    p.editing.release(p.centreOf(0));
    EXPECT_EQ(p.editing.selected(), 0);
    EXPECT_TRUE(p.editing.key(Qt::Key_Delete, Qt::NoModifier).handled);
    EXPECT_EQ(p.d.Object(0).Cap, QStringLiteral("Sonne"));
    EXPECT_TRUE(p.editing.undo());
    EXPECT_EQ(p.d.Object(0).Cap, QStringLiteral("Bl\u00fcte"));
    EXPECT_EQ(p.d.ObjectCount(), 2);
}

TEST(PictureEditing, AddingTakesOnePressFromTheSpotToTheCard) {
    Page p;
    p.editing.setAdding(ObjectKind::QueryLabel);
    EXPECT_EQ(p.editing.press({100, 300}), EditGrip::Placing);
    const std::optional<Placement> drawn = p.editing.release({300, 200});
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->kind, ObjectKind::QueryLabel);
    EXPECT_EQ(drawn->spot, p.view.geometry().ScreenToPage(100, 300));
    EXPECT_EQ(drawn->cardPoint, p.view.geometry().ScreenToPage(300, 200));
    // The next press selects again; a click near the left edge puts the card to the right.
    EXPECT_FALSE(p.editing.adding());
    p.editing.setAdding(ObjectKind::FixedLabel);
    p.editing.press({10, 100});
    const std::optional<Placement> clicked = p.editing.release({10, 100});
    ASSERT_TRUE(clicked);
    EXPECT_GT(clicked->cardPoint.x(), clicked->spot.x());
}

// Every edit redraws only where something changed; the page must be what composing it anew
// draws, numbers of the covered fields and the snapshot that uncovering copies from included.
TEST(PictureEditing, RedrawnAreasGiveThePageComposingDraws) {
    Page p;
    const int top = p.label(ObjectKind::QueryLabel, {0.3, 0.3}, {0.2, 0.3}, QStringLiteral("oben"));
    const int low =
        p.label(ObjectKind::QueryLabel, {0.6, 0.7}, {0.7, 0.7}, QStringLiteral("unten"));
    const int sun =
        p.label(ObjectKind::FixedLabel, {0.7, 0.25}, {0.8, 0.25}, QStringLiteral("Sonne"));
    // Without a background the uncovered card shows what lies beneath it.
    p.d.Object(top).HDeck = 0;
    CoverAll(p.d);
    p.view.ComposeView(p.view.pictureArea());
    EXPECT_EQ(p.view.pageImage(), p.composed());

    // Dragged above the other, the lower label takes number 1.
    p.editing.press(p.centreOf(low));
    p.editing.drag(p.centreOf(low) - QPoint(0, 330));
    p.editing.release({});
    EXPECT_EQ(p.d.Object(low).Nummer, 1);
    EXPECT_EQ(p.d.Object(top).Nummer, 2);
    EXPECT_EQ(p.view.pageImage(), p.composed());

    ObjDataTyp bold = p.d.Object(sun);
    p.editing.select(sun);
    bold.Stil = 1;
    bold.Cap = QStringLiteral("Sonnenlicht");
    bold.Sline = 0;
    p.editing.change(bold);
    EXPECT_EQ(p.view.pageImage(), p.composed());
    // The fixed label moved over the covered field and away again: uncovering it shows no
    // trace of the label.
    const QPoint away = p.centreOf(sun);
    p.editing.press(away);
    p.editing.drag(p.centreOf(top));
    p.editing.release({});
    p.editing.press(p.centreOf(sun));
    p.editing.drag(away);
    p.editing.release({});
    ToggleCover(p.d.Object(top));
    p.view.RedrawObject(top);
    EXPECT_EQ(p.view.pageImage(), p.composed());

    p.editing.select(low);
    p.editing.removeSelected();
    EXPECT_EQ(p.view.pageImage(), p.composed());
    p.editing.undo();
    p.editing.undo();
    EXPECT_EQ(p.view.pageImage(), p.composed());
}

TEST(PictureEditing, LayoutObjectsStayAsTheLayoutMadeThemAndPartnersFollowTheList) {
    test::SessionFixture f;
    RegisterLayouts(f.session.layouts(), f.state);
    const Parsed<Document> pairs =
        MakeFromText(nullptr, TextKind::Pairs, {}, QStringLiteral("Hund = bellen\nKatze = miauen"));
    ASSERT_TRUE(pairs.ok());
    f.session.installDocument(*pairs.Value, true);
    Document& d = f.session.document();
    ViewComposer view(d, f.state, &f.session.layouts());
    view.ComposeView({900, 600});
    PictureEditing editing(d, view, f.state);
    for (int i = 0; i < d.ObjectCount(); ++i) {
        EXPECT_FALSE(editing.isEditable(i));
        EXPECT_EQ(editing.objectAt(editing.cardOnDisplay(i).center()), -1);
    }
    const auto partnersHold = [&d] {
        for (int i = 0; i < d.ObjectCount(); ++i) {
            const int partner = d.Object(i).Partner;
            if (partner >= 0 && d.Object(partner).Partner != i)
                return false;
        }
        return true;
    };
    ASSERT_GE(d.Object(0).Partner, 0);
    ObjectEditHistory& history = editing.history();
    history.insert(0, NewFreeObject(ObjectKind::FixedLabel, {0.5, 0.1}, {0.5, 0.1},
                                    QStringLiteral("Paare"), d.Header));
    EXPECT_TRUE(editing.isEditable(0));
    EXPECT_TRUE(partnersHold());
    history.undo();
    EXPECT_TRUE(partnersHold());
    history.redo();
    history.remove(0);
    EXPECT_TRUE(partnersHold());
}

// A picture labelled in the editor is saved, reads back as it was written, runs in every query
// mode and prints as worksheet with both solution sheets.
TEST(PictureEditing, ALabelledPictureRunsInEveryQueryModeAndPrints) {
    Page p;
    const char* const parts[] = {"Bl\u00fcte", "Stiel", "Wurzel"};
    for (int i = 0; i < 3; ++i)
        p.label(ObjectKind::QueryLabel, {0.5, 0.2 + 0.3 * i}, {0.75, 0.2 + 0.3 * i},
                QString::fromUtf8(parts[i]));
    p.label(ObjectKind::FixedLabel, {0.1, 0.9}, {0.1, 0.9}, QStringLiteral("Boden"));
    ObjDataTyp info = NewFreeObject(ObjectKind::InfoPoint, {0.2, 0.5}, {0.2, 0.5},
                                    QStringLiteral("<B>Wasser</B>\nund Licht"), p.d.Header);
    info.BildKenn = QStringLiteral("Lehrer");
    p.editing.add(info);
    Picture leaf;
    leaf.Image = test::PatternImage(40, 30);
    p.editing.add(NewFreeObject(ObjectKind::QueryPicture, {0.3, 0.3}, {0.2, 0.2}, QString(),
                                p.d.Header, leaf));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pflanze.qdr"));
    test::SessionFixture f;
    f.session.document() = p.d;
    ASSERT_TRUE(f.session.WriteDocument(path, true));
    ASSERT_TRUE(f.session.LoadDocument(path, false));
    EXPECT_EQ(WriteDocumentBytes(f.session.document()), test::ReadFileBytes(path));
    EXPECT_EQ(f.session.document().Object(4).Cap, QStringLiteral("<B>Wasser</B>\r\nund Licht"));
    for (const test::QueryModeSetting& mode : test::QueryModesOf(DocumentType::Labelling)) {
        ASSERT_TRUE(f.session.LoadDocument(path, false));
        const test::SolvedRun run = test::SolveExercise(f, mode);
        ASSERT_TRUE(run.started);
        ASSERT_EQ(run.results.size(), 1u);
        EXPECT_GE(run.queries, 3);
        EXPECT_EQ(run.results[0].CorrectCount, run.queries);
    }
    const QImage worksheet = test::SheetImage(f.session.document(), WorksheetVariant::Worksheet);
    EXPECT_NE(worksheet, test::SheetImage(f.session.document(), WorksheetVariant::Solution));
    EXPECT_NE(worksheet, test::SheetImage(f.session.document(), WorksheetVariant::Overlay));
    EXPECT_TRUE(f.messages.texts().isEmpty());
}

} // namespace
} // namespace quindor
