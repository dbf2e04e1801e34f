#include "exercise/normalised_text.h"
#include "exercise/query_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quindor {
namespace {

TEST(NormalisedText, FoldsLineBreaksBlanksAndSoftHyphens) {
    EXPECT_EQ(NormaliseText(QStringLiteral("  Fahr-\r\nrad \t")), QStringLiteral("Fahrrad"));
    EXPECT_EQ(NormaliseText(QStringLiteral("Rad-\r\nWeg")), QStringLiteral("Rad-Weg"));
    EXPECT_EQ(NormaliseText(QStringLiteral("Rad-\r\n")), QStringLiteral("Rad-"));
    EXPECT_EQ(NormaliseText(QStringLiteral("zwei\r\nZeilen\nund\rmehr")),
              QStringLiteral("zwei Zeilen und mehr"));
    // One pass each: five blanks end as two, four as one.
    EXPECT_EQ(NormaliseText(QStringLiteral("a     b")), QStringLiteral("a  b"));
    EXPECT_EQ(NormaliseText(QStringLiteral("a    b")), QStringLiteral("a b"));
    EXPECT_EQ(NormaliseText(QStringLiteral("<B>fett</B>")), QStringLiteral("<B>fett</B>"));
}

class QueryListTest : public ::testing::Test {
protected:
    int add(ObjectKind typ, const QString& cap, double kx, double ky) {
        const int i = AddObject(document, {.Typ = typ,
                                           .Ebene = 1,
                                           .Cap = cap,
                                           .FrageNummer = 0,
                                           .Kx = kx,
                                           .Ky = ky,
                                           .KAusr = 1,
                                           .Fsize = 0});
        document.Object(i).State = ObjectState::Open;
        return i;
    }
    std::vector<int> cards(const std::vector<QueryPair>& list) const {
        std::vector<int> out;
        for (const QueryPair& pair : list)
            out.push_back(pair.CardObject);
        return out;
    }
    std::vector<int> targets(const std::vector<QueryPair>& list) const {
        std::vector<int> out;
        for (const QueryPair& pair : list)
            out.push_back(pair.TargetObject);
        return out;
    }

    Document document;
    UebDataTyp run;
    RandomGenerator random{7};
};

TEST_F(QueryListTest, TargetsTopToBottomThenLeftToRightCardsAlphabetical) {
    add(ObjectKind::QueryLabel, QStringLiteral("birne"), 0.8, 0.5);
    add(ObjectKind::QueryLabel, QStringLiteral("  Apfel "), 0.6, 0.2);
    add(ObjectKind::QueryLabel, QStringLiteral("Apfel"), 0.1, 0.2);
    const int other = add(ObjectKind::FixedLabel, QStringLiteral("fest"), 0.0, 0.0);
    document.Object(other).State = ObjectState::Open;
    const std::vector<QueryPair> list = BuildQueryList(document, run, random);
    EXPECT_EQ(targets(list), (std::vector<int>{2, 1, 0}));
    // Equal normalised captions keep their order.
    EXPECT_EQ(cards(list), (std::vector<int>{1, 2, 0}));
}

TEST_F(QueryListTest, AlphabeticalTargetsUseTheStoredCaption) {
    document.Header.GeordnetArt = 1;
    add(ObjectKind::QueryLabel, QStringLiteral("Zebra"), 0.1, 0.1);
    add(ObjectKind::QueryLabel, QStringLiteral(" zebra"), 0.1, 0.2);
    add(ObjectKind::QueryLabel, QStringLiteral("affe"), 0.1, 0.3);
    EXPECT_EQ(targets(BuildQueryList(document, run, random)), (std::vector<int>{1, 2, 0}));
}

TEST_F(QueryListTest, ShufflesArePermutationsAndOnlyOpenObjectsTakePart) {
    for (int i = 0; i < 12; ++i)
        add(ObjectKind::Gap, QStringLiteral("w%1").arg(i), i / 12.0, 0.5);
    document.Object(3).State = ObjectState::Shown;
    run.ZuordnungstexteItemIndex = 1;
    run.ZuordnungszieleItemIndex = 1;
    const std::vector<QueryPair> list = BuildQueryList(document, run, random);
    ASSERT_EQ(list.size(), 11u);
    std::vector<int> c = cards(list);
    std::vector<int> t = targets(list);
    EXPECT_NE(c, t);
    std::sort(c.begin(), c.end());
    std::sort(t.begin(), t.end());
    const std::vector<int> open = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(c, open);
    EXPECT_EQ(t, open);
}

TEST_F(QueryListTest, TypingKeepsObjectOrderAndLeavesPicturesOut) {
    add(ObjectKind::Gap, QStringLiteral("b"), 0.5, 0.9);
    add(ObjectKind::QueryPicture, QString(), 0.5, 0.5);
    add(ObjectKind::QueryLabel, QStringLiteral("a"), 0.5, 0.1);
    run.AbfrageModusItemIndex = 3;
    run.ZuordnungstexteItemIndex = 1;
    const std::vector<QueryPair> list = BuildQueryList(document, run, random);
    EXPECT_EQ(list, (std::vector<QueryPair>{{0, 0}, {2, 2}}));
}

TEST_F(QueryListTest, PictureCardsGetAnIdentity) {
    const int named = add(ObjectKind::QueryPicture, QString(), 0.1, 0.1);
    document.Object(named).BildKenn = QStringLiteral("Apfel");
    const int twin = add(ObjectKind::TableQueryPicture, QString(), 0.2, 0.1);
    document.Object(twin).BildKenn = QStringLiteral("Apfel");
    const int blank = add(ObjectKind::QueryPicture, QString(), 0.3, 0.1);
    document.Object(blank).BildKenn = QStringLiteral("  ");
    const int other = add(ObjectKind::QueryPicture, QString(), 0.4, 0.1);
    BuildQueryList(document, run, random);
    EXPECT_EQ(document.Object(named).Cap, QStringLiteral("Apfel (Bildkennung)"));
    EXPECT_EQ(document.Object(twin).Cap, document.Object(named).Cap);
    const QString suffix = QStringLiteral(" (Zufallskennung für Bild)");
    for (int i : {blank, other}) {
        const QString cap = document.Object(i).Cap;
        ASSERT_TRUE(cap.endsWith(suffix)) << cap.toStdString();
        const QString letters = cap.chopped(suffix.size());
        EXPECT_EQ(letters.size(), 20);
        EXPECT_TRUE(std::all_of(letters.begin(), letters.end(),
                                [](QChar c) { return c >= u'a' && c <= u'z'; }));
    }
    EXPECT_NE(document.Object(blank).Cap, document.Object(other).Cap);
}

TEST_F(QueryListTest, SingleQuestionCardsAreAlwaysSorted) {
    document.Header.DokTyp = DocumentType::Questions;
    add(ObjectKind::AnswerField, QStringLiteral("c"), 0.1, 0.1);
    add(ObjectKind::AnswerField, QStringLiteral("a"), 0.2, 0.2);
    add(ObjectKind::AnswerField, QStringLiteral("b"), 0.3, 0.3);
    run.ZuordnungstexteItemIndex = 1;
    EXPECT_EQ(cards(BuildQueryList(document, run, random)), (std::vector<int>{1, 2, 0}));
}

// Question q with `answers` boxes, each followed by its answer object.
void AddChoiceQuestion(Document& document, int q, int answers) {
    AddObject(document, {.Typ = ObjectKind::ChoiceQuestion,
                         .Ebene = 1,
                         .Cap = QStringLiteral("Frage %1").arg(q),
                         .FrageNummer = q,
                         .Kx = 0,
                         .Ky = 0,
                         .KAusr = 0,
                         .Fsize = 0});
    for (int a = 0; a < answers; ++a) {
        const int box = AddObject(document, {.Typ = ObjectKind::ChoiceMarker,
                                             .Ebene = 1,
                                             .Cap = QString(),
                                             .FrageNummer = q,
                                             .Kx = 0,
                                             .Ky = 0,
                                             .KAusr = 0,
                                             .Fsize = 0});
        document.Object(box).AntwortAnz = answers;
        AddObject(document, {.Typ = ObjectKind::ChoiceAnswerText,
                             .Ebene = 1,
                             .Cap = QStringLiteral("Antwort %1.%2").arg(q).arg(a),
                             .FrageNummer = q,
                             .Kx = 0,
                             .Ky = 0,
                             .KAusr = 0,
                             .Fsize = 0});
    }
}

TEST(AnswerPlacement, WithoutMixingEverythingStays) {
    Document document;
    AddChoiceQuestion(document, 1, 4);
    RandomGenerator random(3);
    const std::vector<int> map = BuildAnswerPlacementMap(document, false, random);
    for (int i = 0; i < document.ObjectCount(); ++i)
        EXPECT_EQ(map[static_cast<size_t>(i)], i);
}

TEST(AnswerPlacement, MixedBoxesTradePlacesWithinTheirQuestion) {
    Document document;
    AddChoiceQuestion(document, 1, 4);
    AddChoiceQuestion(document, 2, 3);
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RandomGenerator random(seed);
        const std::vector<int> map = BuildAnswerPlacementMap(document, true, random);
        std::set<int> places;
        for (int x = 0; x < document.ObjectCount(); ++x) {
            const ObjDataTyp& o = document.Object(x);
            const int at = map[static_cast<size_t>(x)];
            if (o.Typ == ObjectKind::ChoiceMarker) {
                EXPECT_EQ(document.Object(at).Typ, ObjectKind::ChoiceMarker);
                EXPECT_EQ(document.Object(at).FrageNummer, o.FrageNummer);
                places.insert(at);
                // The answer moves with its box.
                EXPECT_EQ(map[static_cast<size_t>(x + 1)], at + 1);
            } else if (o.Typ == ObjectKind::ChoiceQuestion) {
                EXPECT_EQ(at, x);
            }
        }
        EXPECT_EQ(places.size(), 7u) << seed;
    }
}

} // namespace
} // namespace quindor
