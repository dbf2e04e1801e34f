// Runs of cluster documents (cards into baskets) and of cross-matching documents (pairs).
#include "document/layout_dispatch.h"
#include "layouts/cluster_layout.h"
#include "layouts/document_layouts.h"
#include "layouts/pair_layout.h"
#include "run_fixture.h"

namespace quindor {
namespace {

class GridRunTest : public test::RunFixture {
protected:
    GridRunTest() {
        RegisterLayouts(layouts, state);
        layouts.setPageSize([] { return QSize(870, 640); });
        run.setLayouts(&layouts);
    }

    void grid(DocumentType type, int rows, int columns) {
        HeaderDataTyp& h = document.Header;
        h.DokTyp = type;
        h.EinrueckRand = DefaultEinrueckRand(type);
        h.Zeilen = rows;
        h.Spalten = columns;
    }
    void cell(int row, int column, const QString& text, int art) {
        CellDataTyp& c = document.Header.Cell(row, column);
        c.Text = text;
        c.Art = art;
    }
    int object(const QString& caption) const {
        for (int i = 0; i < document.ObjectCount(); ++i) {
            if (document.Object(i).Cap.trimmed() == caption)
                return i;
        }
        return -1;
    }
    int entryOf(int card) const {
        const auto& list = run.queryList();
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].CardObject == card)
                return static_cast<int>(i);
        }
        return -1;
    }

    LayoutDispatch layouts;
};

// Records the objects the run reports its checked actions for.
class ReportedObjects : public RunObserver {
public:
    void actionChecked(int target) override { objects.push_back(target); }
    void runFinished() override {}
    bool repeatRequested() override { return false; }
    void runLeft(Participation, bool) override {}
    std::vector<int> objects;
};

// Three baskets with a heading each and three cards.
class BasketRunTest : public GridRunTest {
protected:
    BasketRunTest() {
        grid(DocumentType::Cluster, 4, 3);
        const char* cells[4][3] = {{"Obst", "Tiere", "Farben"},
                                   {"Apfel", "Hund", "Rot"},
                                   {"Birne", "", "Blau"},
                                   {"Kirsche", "Katze", ""}};
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column)
                cell(row, column, QString::fromUtf8(cells[row][column]), row == 0 ? 0 : 1);
        }
        layouts.run(document, true);
    }

    // A card dragged with its centre into basket k (1 for the first).
    int dropInto(int card, int basket) {
        const FracRect& m = document.Header.EinrueckRand;
        const double w = (1 - m.Left - m.Right) / document.Header.Spalten;
        const QPointF centre(m.Left + (basket - 0.5) * w, 0.5);
        const QRectF rect(centre - QPointF(0.1, 0.03), centre + QPointF(0.1, 0.03));
        const int target = run.FindDropTarget(QPointF(rect.left(), centre.y()), rect);
        run.panelReleased(entryOf(card));
        return target;
    }
};

TEST_F(BasketRunTest, AWrongBasketThenTheRightOne) {
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(run.data().RunQueries, 7);
    EXPECT_EQ(surface.panels, 7u);
    const int birne = object(QStringLiteral("Birne"));
    const int kirsche = object(QStringLiteral("Kirsche"));
    // Question marks on every card.
    EXPECT_EQ(document.Object(birne).Nummer, 0);

    EXPECT_EQ(dropInto(birne, 2), 2);
    EXPECT_EQ(run.data().FailedAttempts, 1);
    // The failed attempt counts on the card, both as target and as card.
    EXPECT_EQ(document.Object(birne).RunCounter1, 1);
    EXPECT_EQ(document.Object(birne).RunCounter2, 1);
    EXPECT_EQ(surface.slid, std::vector<int>{entryOf(birne)});
    EXPECT_EQ(document.Object(birne).State, ObjectState::Open);
    EXPECT_EQ(detailLines().back(), QStringLiteral("00:00 - FALSCH - Text-/Bildkärtchen \"Birne\" "
                                                   "wird dem falschen Korb zugeordnet"));

    // Right: the solved card goes to the lowest open place of its basket, the card there
    // takes its place.
    const double birneY = document.Object(birne).Ky;
    const double kirscheY = document.Object(kirsche).Ky;
    ASSERT_LT(birneY, kirscheY);
    EXPECT_EQ(dropInto(birne, 1), 1);
    EXPECT_EQ(run.data().CorrectCount, 1);
    EXPECT_EQ(document.Object(birne).State, ObjectState::Shown);
    EXPECT_EQ(document.Object(birne).Ky, kirscheY);
    EXPECT_EQ(document.Object(kirsche).Ky, birneY);
    EXPECT_EQ(surface.removed, std::vector<int>{entryOf(birne)});
    EXPECT_EQ(detailLines().back(), QStringLiteral("00:00 - RICHTIG - Text-/Bildkärtchen \"Birne\" "
                                                   "wird dem richtigen Korb zugeordnet"));
    EXPECT_EQ(run.data().OpenCount, 6);

    // A card outside every basket has no target and counts nothing.
    EXPECT_EQ(run.FindDropTarget(QPointF(0.01, 0.5), QRectF(0.0, 0.45, 0.02, 0.1)), -1);
    run.panelReleased(entryOf(kirsche));
    EXPECT_EQ(run.data().FailedAttempts + run.data().CorrectCount, 2);

    const char* baskets[][2] = {{"Apfel", "1"}, {"Kirsche", "1"}, {"Hund", "2"},
                                {"Katze", "2"}, {"Rot", "3"},     {"Blau", "3"}};
    for (const auto& [card, basket] : baskets)
        dropInto(object(QString::fromUtf8(card)), QString::fromLatin1(basket).toInt());
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].CorrectCount, 7);
    EXPECT_EQ(surface.results[0].FailedAttempts, 1);
    EXPECT_EQ(state.ViewMode, Mode::Learning);
}

// The network initiator numbers a cluster's cards and a pair's left element (the right one
// being asked): a checked action is reported for those, whatever the target was.
TEST_F(BasketRunTest, ActionsAreReportedForTheCard) {
    ReportedObjects reported;
    run.setObserver(&reported);
    ASSERT_TRUE(run.StartExercise({}));
    const int birne = object(QStringLiteral("Birne"));
    const int hund = object(QStringLiteral("Hund"));
    dropInto(birne, 2);
    dropInto(birne, 1);
    dropInto(hund, 2);
    EXPECT_EQ(reported.objects, (std::vector<int>{birne, birne, hund}));
}

TEST_F(BasketRunTest, OneCardAtATime) {
    settings.UebOptKorb.AbfrageModus = 1;
    ASSERT_TRUE(run.StartExercise({}));
    ASSERT_EQ(surface.presented, std::vector<int>{0});
    const int first = run.queryList()[0].CardObject;
    const int wrongBasket = document.Object(first).BildKenn == BasketTag(1) ? 2 : 1;
    dropInto(first, wrongBasket);
    // Two blanks before "zugeordnet" when one card is asked at a time; the next card follows.
    const QStringList lines = detailLines();
    EXPECT_TRUE(
        lines[lines.size() - 2].endsWith(QStringLiteral("wird dem falschen Korb  zugeordnet")));
    EXPECT_TRUE(lines.back().endsWith(QStringLiteral("soll dem richtigen Korb zugeordnet werden")));
    EXPECT_EQ(surface.hidden, std::vector<int>{0});
    EXPECT_EQ(surface.presented, (std::vector<int>{0, 1}));
    EXPECT_EQ(surface.paused, 100 + 900);
    EXPECT_TRUE(surface.slid.empty());
}

TEST_F(GridRunTest, BasketTagsAndSettingsOfClusterRuns) {
    settings.UebOptKorb.AbfrageModus = 1;
    settings.UebOpt.Zuordnungstexte = 0;
    grid(DocumentType::Cluster, 2, 2);
    cell(0, 0, QStringLiteral("Hund"), 1);
    cell(0, 1, QStringLiteral("Amsel"), 1);
    cell(1, 1, QStringLiteral("Meise"), 1);
    layouts.run(document, true);
    ASSERT_TRUE(run.StartExercise({}));
    // Cards mixed and targets with question marks, whatever the other dialogs hold.
    EXPECT_EQ(run.data().ZuordnungstexteItemIndex, 1);
    EXPECT_EQ(run.data().ZuordnungszieleItemIndex, 2);
    EXPECT_EQ(document.Object(object(QStringLiteral("Meise"))).BildKenn, BasketTag(2));
}

// Four pairs of query texts.
class PairRunTest : public GridRunTest {
protected:
    PairRunTest() {
        grid(DocumentType::CrossMatching, 4, 2);
        const char* pairs[4][2] = {
            {"Hund", "bellt"}, {"Katze", "miaut"}, {"Kuh", "muht"}, {"Ente", "quakt"}};
        for (int row = 0; row < 4; ++row) {
            cell(row, 0, QString::fromLatin1(pairs[row][0]), 1);
            cell(row, 1, QString::fromLatin1(pairs[row][1]), 1);
        }
        layouts.run(document, true);
    }

    void join(const QString& first, const QString& second) {
        run.panelPressed(object(first));
        run.panelReleased(object(first));
        run.panelPressed(object(second));
        run.panelReleased(object(second));
    }
    int pairObjects() const {
        int n = 0;
        for (const ObjDataTyp& o : document.Objects)
            n += IsPairKind(o.Typ);
        return n;
    }
    // Every right-hand element in its own row, with its line.
    void expectLaidOut() const {
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const ObjDataTyp& o = document.Object(i);
            EXPECT_EQ(o.State, ObjectState::Shown) << i;
            if (o.Partner < i) {
                EXPECT_EQ(o.Ky, o.Sy) << i;
                EXPECT_EQ(o.Sline, kPairLineForm) << i;
            }
        }
    }
};

TEST_F(PairRunTest, AWrongPairThenARightOneAndTheLayoutAtTheEnd) {
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(run.data().RunQueries, 4);
    EXPECT_EQ(run.data().OpenCount, 4);
    EXPECT_EQ(surface.panels, 8u);
    for (const ObjDataTyp& o : document.Objects) {
        EXPECT_EQ(o.State, ObjectState::PairOpen);
        EXPECT_EQ(o.Sline, 0);
        // Every right-hand element stands in another pair's row.
        if (o.Partner < &o - document.Objects.data()) {
            EXPECT_NE(o.Ky, o.Sy);
        }
    }

    // Selecting: the same element twice stays selected, another of its column moves the mark.
    const int hund = object(QStringLiteral("Hund"));
    const int katze = object(QStringLiteral("Katze"));
    run.panelPressed(hund);
    run.panelPressed(hund);
    EXPECT_TRUE(surface.marks[hund]);
    run.panelPressed(katze);
    EXPECT_FALSE(surface.marks[hund]);
    EXPECT_TRUE(surface.marks[katze]);

    join(QStringLiteral("Hund"), QStringLiteral("miaut"));
    const int miaut = object(QStringLiteral("miaut"));
    EXPECT_EQ(run.data().FailedAttempts, 1);
    EXPECT_EQ(run.data().OpenCount, 4);
    for (const int element : {hund, miaut}) {
        EXPECT_EQ(document.Object(element).RunCounter1, 1);
        EXPECT_EQ(document.Object(element).RunCounter2, 1);
    }
    EXPECT_FALSE(surface.marks[hund]);
    EXPECT_FALSE(surface.marks[miaut]);
    EXPECT_EQ(detailLines().back(),
              QStringLiteral("00:00 - FALSCH - \"Hund\" wird mit \"miaut\" verbunden"));

    // From right to left: joined, the line drawn by the right-hand element.
    join(QStringLiteral("bellt"), QStringLiteral("Hund"));
    const int bellt = object(QStringLiteral("bellt"));
    EXPECT_EQ(run.data().CorrectCount, 1);
    EXPECT_EQ(run.data().OpenCount, 3);
    EXPECT_EQ(document.Object(bellt).Sline, kPairLineForm);
    EXPECT_EQ(document.Object(hund).Sline, 0);
    EXPECT_EQ(document.Object(hund).State, ObjectState::Shown);
    EXPECT_EQ(surface.hidden, (std::vector<int>{bellt, hund}));
    EXPECT_EQ(detailLines().back(),
              QStringLiteral("00:00 - RICHTIG - \"bellt\" wird mit \"Hund\" verbunden"));

    join(QStringLiteral("Katze"), QStringLiteral("miaut"));
    join(QStringLiteral("Kuh"), QStringLiteral("muht"));
    join(QStringLiteral("quakt"), QStringLiteral("Ente"));
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].CorrectCount, 4);
    EXPECT_EQ(surface.results[0].OpenCount, 0);
    // Laid out anew: every element in its own row, joined to its partner, nothing doubled.
    EXPECT_EQ(pairObjects(), 8);
    expectLaidOut();
}

TEST_F(PairRunTest, ActionsAreReportedForTheLeftElementInEitherOrder) {
    ReportedObjects reported;
    run.setObserver(&reported);
    ASSERT_TRUE(run.StartExercise({}));
    join(QStringLiteral("Hund"), QStringLiteral("miaut"));
    join(QStringLiteral("miaut"), QStringLiteral("Katze"));
    join(QStringLiteral("Kuh"), QStringLiteral("muht"));
    const int hund = object(QStringLiteral("Hund"));
    const int katze = object(QStringLiteral("Katze"));
    const int kuh = object(QStringLiteral("Kuh"));
    EXPECT_EQ(reported.objects, (std::vector<int>{hund, katze, kuh}));
}

TEST_F(PairRunTest, AbortLaysThePairsOutAgain) {
    ASSERT_TRUE(run.StartExercise({}));
    join(QStringLiteral("Hund"), QStringLiteral("bellt"));
    messages.queueAnswer(Answer::Yes);
    run.AbortExercise();
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    EXPECT_EQ(pairObjects(), 8);
    expectLaidOut();
    EXPECT_TRUE(surface.results.empty());
}

TEST_F(PairRunTest, ARepeatAsksTheFailedPairsAsWholes) {
    surface.resultChoices = {{true, Repeat::FailedOnly}};
    ASSERT_TRUE(run.StartExercise({}));
    join(QStringLiteral("Hund"), QStringLiteral("miaut"));
    join(QStringLiteral("Hund"), QStringLiteral("bellt"));
    join(QStringLiteral("Katze"), QStringLiteral("miaut"));
    join(QStringLiteral("Kuh"), QStringLiteral("muht"));
    join(QStringLiteral("Ente"), QStringLiteral("quakt"));
    ASSERT_EQ(surface.results.size(), 1u);
    ASSERT_EQ(state.ViewMode, Mode::Exercise);
    EXPECT_EQ(run.data().RunQueries, 2);
    EXPECT_EQ(run.data().TotalQueries, 4);
    EXPECT_EQ(run.data().OpenCount, 2);
    const QStringList asked = {QStringLiteral("Hund"), QStringLiteral("bellt"),
                               QStringLiteral("Katze"), QStringLiteral("miaut")};
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        const bool repeated = asked.contains(o.Cap.trimmed());
        EXPECT_EQ(o.State, repeated ? ObjectState::PairOpen : ObjectState::Shown) << i;
        // The two right-hand elements asked change rows; the others stand joined in their own.
        if (o.Partner < i) {
            EXPECT_EQ(o.Ky == o.Sy, !repeated) << i;
            EXPECT_EQ(o.Sline, repeated ? 0 : kPairLineForm) << i;
        }
    }
    join(QStringLiteral("Hund"), QStringLiteral("bellt"));
    join(QStringLiteral("Katze"), QStringLiteral("miaut"));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    expectLaidOut();
}

// A pair with a static element cannot be joined (only query elements have buttons): it takes
// no part, and a document of such pairs only has nothing to ask.
TEST_F(GridRunTest, PairsWithAStaticElementAreNotAsked) {
    grid(DocumentType::CrossMatching, 2, 2);
    cell(0, 0, QStringLiteral("Hund"), 0);
    cell(0, 1, QStringLiteral("bellt"), 1);
    cell(1, 0, QStringLiteral("Katze"), 1);
    cell(1, 1, QStringLiteral("miaut"), 0);
    layouts.run(document, true);
    EXPECT_FALSE(run.StartExercise({}));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
}

} // namespace
} // namespace quindor
