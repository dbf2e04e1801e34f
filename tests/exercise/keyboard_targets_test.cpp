#include "exercise/keyboard_targets.h"
#include "layouts/cluster_layout.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

// An open, numbered target whose card covers the given area.
int AddTarget(Document& document, ObjectKind kind, const FracRect& area, int number) {
    const int index = AddObject(document, {.Typ = kind,
                                           .Ebene = 1,
                                           .Cap = QStringLiteral("Ziel %1").arg(number),
                                           .FrageNummer = -1,
                                           .Kx = area.Left,
                                           .Ky = area.Top,
                                           .KAusr = 1,
                                           .Fsize = 0});
    ObjDataTyp& o = document.Object(index);
    o.CardRect = area;
    o.Nummer = number;
    o.State = ObjectState::Open;
    return index;
}

TEST(KeyboardTargets, OpenTargetsInReadingOrderWithTheirNumbers) {
    Document document;
    const int right = AddTarget(document, ObjectKind::Gap, {0.6, 0.105, 0.7, 0.14}, 2);
    const int left = AddTarget(document, ObjectKind::Gap, {0.1, 0.1, 0.2, 0.13}, 5);
    const int below = AddTarget(document, ObjectKind::QueryLabel, {0.05, 0.5, 0.2, 0.55}, 1);
    const int done = AddTarget(document, ObjectKind::Gap, {0.3, 0.3, 0.4, 0.34}, 3);
    document.Object(done).State = ObjectState::Shown;
    const int unnumbered = AddTarget(document, ObjectKind::Gap, {0.3, 0.4, 0.4, 0.44}, 4);
    document.Object(unnumbered).Nummer = -1;
    AddTarget(document, ObjectKind::FixedLabel, {0.3, 0.6, 0.4, 0.64}, 6);

    const std::vector<PagePlace> places = CardTargets(document, 0, -1);
    ASSERT_EQ(places.size(), 3u);
    // The two gaps share a line (their middles lie within a fiftieth of the page).
    EXPECT_EQ(places[0].object, left);
    EXPECT_EQ(places[1].object, right);
    EXPECT_EQ(places[2].object, below);
    EXPECT_EQ(places[0].name, QStringLiteral("Lücke 1 von 3, Nummer 5"));
    EXPECT_EQ(places[2].name, QStringLiteral("Position 3 von 3, Nummer 1"));
    EXPECT_EQ(places[1].area.Left, 0.6);

    // Single position: only the one asked.
    const std::vector<PagePlace> asked = CardTargets(document, 0, right);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].object, right);
    EXPECT_EQ(asked[0].name, QStringLiteral("Lücke 1 von 1, Nummer 2"));
}

TEST(KeyboardTargets, AnswersOnlyOfTheQuestionShown) {
    Document document;
    const int first = AddTarget(document, ObjectKind::AnswerField, {0.1, 0.1, 0.3, 0.2}, 1);
    const int second = AddTarget(document, ObjectKind::AnswerField, {0.1, 0.3, 0.3, 0.4}, 2);
    document.Object(first).FrageNummer = 1;
    document.Object(second).FrageNummer = 2;
    const std::vector<PagePlace> places = CardTargets(document, 2, -1);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].object, second);
}

TEST(KeyboardTargets, BasketsOfAClusterAreWhereTheDragFindsThem) {
    Document document;
    document.Header.DokTyp = DocumentType::Cluster;
    document.Header.EinrueckRand = {0.035, 0.03, 0.035, 0.03};
    document.Header.Spalten = 3;
    const FracRect second = BasketArea(document.Header, 2);
    EXPECT_DOUBLE_EQ(second.Left, 0.035 + 0.31);
    EXPECT_DOUBLE_EQ(second.Right, 0.035 + 0.62);
    EXPECT_DOUBLE_EQ(second.Top, 0.03);
    EXPECT_DOUBLE_EQ(second.Bottom, 0.97);

    const std::vector<PagePlace> places = CardTargets(document, 0, -1);
    ASSERT_EQ(places.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        const PagePlace& basket = places[static_cast<size_t>(k - 1)];
        EXPECT_EQ(basket.basket, k);
        EXPECT_EQ(basket.object, -1);
        EXPECT_EQ(basket.name, QStringLiteral("Korb %1 von 3").arg(k));
        const QPointF centre((basket.area.Left + basket.area.Right) / 2,
                             (basket.area.Top + basket.area.Bottom) / 2);
        EXPECT_EQ(BasketAt(document.Header, centre), k);
    }
}

} // namespace
} // namespace quindor
