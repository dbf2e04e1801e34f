#include "document/numbering.h"
#include "view/query_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quindor {
namespace {

ObjDataTyp Field(ObjectKind typ, double ky = 0.0, double kx = 0.0, const QString& cap = QString()) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Ky = ky;
    o.Kx = kx;
    o.Cap = cap;
    return o;
}

ObjDataTyp Answer(int question, int answerCount) {
    ObjDataTyp o = Field(ObjectKind::ChoiceMarker);
    o.FrageNummer = question;
    o.AntwortAnz = answerCount;
    return o;
}

std::vector<int> Numbers(const Document& document) {
    std::vector<int> numbers;
    for (const ObjDataTyp& o : document.Objects)
        numbers.push_back(o.Nummer);
    return numbers;
}

std::vector<int> Sorted(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    return values;
}

TEST(Numbering, TopToBottomByRowThenColumn) {
    Document document;
    document.Objects = {Field(ObjectKind::QueryLabel, 0.5, 0.8), Field(ObjectKind::Gap, 0.2, 0.6),
                        Field(ObjectKind::QueryPicture, 0.2, 0.1)};
    ProgramState state;
    SetNumberingMode(document, state, Numbering::Ordered);
    EXPECT_EQ(state.NumberingMode, Numbering::Ordered);
    EXPECT_EQ(Numbers(document), (std::vector<int>{3, 2, 1}));
}

TEST(Numbering, AlphabeticalIgnoresCaseAndKeepsEqualCaptionsInListOrder) {
    Document document;
    document.Header.GeordnetArt = 1;
    document.Objects = {Field(ObjectKind::QueryLabel, 0, 0, QStringLiteral("birne")),
                        Field(ObjectKind::QueryLabel, 0, 0, QStringLiteral("Apfel")),
                        Field(ObjectKind::QueryLabel, 0, 0, QStringLiteral("apfel")),
                        Field(ObjectKind::QueryLabel, 0, 0, QStringLiteral("Birne")),
                        Field(ObjectKind::QueryLabel, 0, 0, QStringLiteral("Zitrone"))};
    ProgramState state;
    SetNumberingMode(document, state, Numbering::Ordered);
    EXPECT_EQ(Numbers(document), (std::vector<int>{3, 1, 2, 4, 5}));
}

TEST(Numbering, RandomIsAReproduciblePermutation) {
    Document document;
    for (int i = 0; i < 12; ++i)
        document.Objects.push_back(
            Field(i % 2 == 0 ? ObjectKind::QueryLabel : ObjectKind::TableQueryPicture));
    ProgramState state;
    state.Random.seed(4711);
    SetNumberingMode(document, state, Numbering::Random);
    const std::vector<int> first = Numbers(document);
    std::vector<int> expected(12);
    for (int i = 0; i < 12; ++i)
        expected[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(Sorted(first), expected);
    EXPECT_NE(first, expected);

    state.Random.seed(4711);
    SetNumberingMode(document, state, Numbering::Random);
    EXPECT_EQ(Numbers(document), first);
}

TEST(Numbering, QuestionMarksAndKindsOutsideTheNumbers) {
    Document document;
    document.Objects = {Field(ObjectKind::QueryLabel), Field(ObjectKind::ChoiceQuestion),
                        Field(ObjectKind::ChoiceQuestionPicture), Field(ObjectKind::FixedLabel),
                        Field(ObjectKind::PairPicture)};
    ProgramState state;
    SetNumberingMode(document, state, Numbering::QuestionMarks);
    EXPECT_EQ(Numbers(document), (std::vector<int>{0, -1, -1, -1, 0}));
    // Question objects in the order are uncovered; kinds outside it are left alone.
    EXPECT_EQ(document.Objects[1].State, ObjectState::Shown);
    EXPECT_EQ(document.Objects[2].State, ObjectState::Shown);
    EXPECT_EQ(document.Objects[0].State, ObjectState::Covered);
    EXPECT_EQ(document.Objects[3].State, ObjectState::Covered);
}

TEST(Numbering, SingleQuestionAnswerFieldsAlwaysShowQuestionMarks) {
    Document document;
    document.Header.DokTyp = DocumentType::Questions;
    document.Objects = {Field(ObjectKind::AnswerField), Field(ObjectKind::QueryLabel),
                        Field(ObjectKind::AnswerField)};
    ProgramState state;
    for (Numbering mode : {Numbering::Ordered, Numbering::Random}) {
        SetNumberingMode(document, state, mode);
        EXPECT_EQ(document.Objects[0].Nummer, 0);
        EXPECT_EQ(document.Objects[2].Nummer, 0);
        // Only the answer fields are numbered in a question document.
        EXPECT_EQ(document.Objects[1].Nummer, -1);
    }
}

TEST(Numbering, MultipleChoiceNumbersEachQuestionsAnswersAnew) {
    Document document;
    document.Header.DokTyp = DocumentType::MultipleChoice;
    document.Objects = {
        Answer(1, 4), Answer(1, 4), Answer(1, 4), Answer(1, 4), Field(ObjectKind::QuestionText),
        Answer(2, 3), Answer(2, 3), Answer(2, 3)};
    ProgramState state;
    SetNumberingMode(document, state, Numbering::Ordered);
    EXPECT_EQ(Numbers(document), (std::vector<int>{1, 2, 3, 4, -1, 1, 2, 3}));

    SetNumberingMode(document, state, Numbering::QuestionMarks);
    EXPECT_EQ(Numbers(document), (std::vector<int>{0, 0, 0, 0, -1, 0, 0, 0}));

    for (uint32_t seed = 1; seed <= 20; ++seed) {
        state.Random.seed(seed);
        SetNumberingMode(document, state, Numbering::Random);
        const std::vector<int> n = Numbers(document);
        EXPECT_EQ(Sorted({n[0], n[1], n[2], n[3]}), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(Sorted({n[5], n[6], n[7]}), (std::vector<int>{1, 2, 3}));
    }
}

TEST(Numbering, AnswersWithAnEmptyLineTakeNumbersOfTheFullQuestion) {
    Document document;
    document.Header.DokTyp = DocumentType::MultipleChoice;
    document.Objects = {Answer(1, 4), Answer(1, 4), Answer(1, 4)};
    ProgramState state;
    SetNumberingMode(document, state, Numbering::Ordered);
    EXPECT_EQ(Numbers(document), (std::vector<int>{1, 2, 3}));

    for (uint32_t seed = 1; seed <= 20; ++seed) {
        state.Random.seed(seed);
        SetNumberingMode(document, state, Numbering::Random);
        std::vector<int> n = Sorted(Numbers(document));
        EXPECT_TRUE(std::adjacent_find(n.begin(), n.end()) == n.end());
        EXPECT_GE(n.front(), 1);
        EXPECT_LE(n.back(), 4);
    }
}

TEST(NumberLabel, LettersNumbersAndQuestionMarks) {
    Document document;
    document.Objects.resize(1);
    auto label = [&](int number) {
        document.Objects[0].Nummer = number;
        return NumberLabel(document, 0);
    };
    EXPECT_EQ(label(0), QStringLiteral("?"));
    EXPECT_EQ(label(-1), QStringLiteral("?"));
    EXPECT_EQ(label(27), QStringLiteral("27"));
    document.Header.NumArt = 1;
    EXPECT_EQ(label(1), QStringLiteral("A"));
    EXPECT_EQ(label(26), QStringLiteral("Z"));
    EXPECT_EQ(label(27), QStringLiteral("A'"));
    EXPECT_EQ(label(52), QStringLiteral("Z'"));
    EXPECT_EQ(label(53), QStringLiteral("A''"));
    EXPECT_EQ(label(0), QStringLiteral("?"));
}

TEST(Covering, KindSetsAndToggling) {
    for (int typ : {0, 3, 6, 10, 24, 32, 41, 43, 51, 53})
        EXPECT_TRUE(IsCoverableKind(KindFromStored(typ))) << typ;
    for (int typ : {1, 2, 7, 20, 21, 40, 42, 50, 52})
        EXPECT_FALSE(IsCoverableKind(KindFromStored(typ))) << typ;

    Document document;
    document.Objects = {Field(ObjectKind::AnswerField), Answer(2, 4),
                        Field(ObjectKind::QueryLabel)};
    document.Objects[0].FrageNummer = 1;
    EXPECT_TRUE(IsNumberedField(document, 0, 1));
    EXPECT_FALSE(IsNumberedField(document, 0, 2));
    EXPECT_TRUE(IsNumberedField(document, 1, 2));
    EXPECT_FALSE(IsNumberedField(document, 1, 1));
    EXPECT_TRUE(IsNumberedField(document, 2, -1));

    UncoverAll(document);
    ToggleCover(document.Objects[1]);
    EXPECT_EQ(document.Objects[0].State, ObjectState::Shown);
    EXPECT_EQ(document.Objects[1].State, ObjectState::Covered);
    ToggleCover(document.Objects[1]);
    EXPECT_EQ(document.Objects[1].State, ObjectState::Shown);
    // A field in a run state is covered by a click, not uncovered.
    document.Objects[2].State = ObjectState::Ticked;
    ToggleCover(document.Objects[2]);
    EXPECT_EQ(document.Objects[2].State, ObjectState::Covered);
    CoverAll(document);
    for (const ObjDataTyp& o : document.Objects)
        EXPECT_EQ(o.State, ObjectState::Covered);
}

TEST(QuestionNavigation, ButtonsClampAndRandomNeverRepeats) {
    RandomGenerator random(99);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavPrevious, 1, 5, random), 1);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavPrevious, 3, 5, random), 2);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavNext, 5, 5, random), 5);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavFirst, 4, 5, random), 1);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavLast, 1, 5, random), 5);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavRandom, 1, 1, random), 1);
    EXPECT_EQ(QuestionAfterButton(ObjectKind::NavNext, 0, 0, random), 0);

    for (int count : {2, 3, 7}) {
        int current = 1;
        std::vector<bool> seen(static_cast<size_t>(count) + 1, false);
        for (int i = 0; i < 300; ++i) {
            const int next = QuestionAfterButton(ObjectKind::NavRandom, current, count, random);
            ASSERT_NE(next, current);
            ASSERT_GE(next, 1);
            ASSERT_LE(next, count);
            seen[static_cast<size_t>(next)] = true;
            current = next;
        }
        EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), count);
    }
}

TEST(QuestionNavigation, KeysClampAndActOnlyInQuestionDocuments) {
    HeaderDataTyp header;
    header.DokTyp = DocumentType::MultipleChoice;
    header.AnzFrageNummern = 4;
    EXPECT_EQ(QuestionAfterKey(header, 3, Qt::Key_Home), 1);
    EXPECT_EQ(QuestionAfterKey(header, 2, Qt::Key_End), 4);
    EXPECT_EQ(QuestionAfterKey(header, 1, Qt::Key_Left), 1);
    EXPECT_EQ(QuestionAfterKey(header, 3, Qt::Key_Left), 2);
    EXPECT_EQ(QuestionAfterKey(header, 4, Qt::Key_Right), 4);
    // After a reset the pointer is 0; stepping lands on the first question.
    EXPECT_EQ(QuestionAfterKey(header, 0, Qt::Key_Right), 1);
    EXPECT_EQ(QuestionAfterKey(header, 0, Qt::Key_Left), 1);
    EXPECT_FALSE(QuestionAfterKey(header, 2, Qt::Key_Up));

    header.DokTyp = DocumentType::Questions;
    EXPECT_EQ(QuestionAfterKey(header, 2, Qt::Key_Right), 3);
    header.AnzFrageNummern = 0;
    EXPECT_FALSE(QuestionAfterKey(header, 0, Qt::Key_Home));
    header.AnzFrageNummern = 4;
    header.DokTyp = DocumentType::Labelling;
    EXPECT_FALSE(QuestionAfterKey(header, 2, Qt::Key_Home));
}

TEST(CoverSheet, HandlesAlongEdgesAndCorners) {
    CoverSheet sheet;
    sheet.Show(QSize(400, 300));
    EXPECT_TRUE(sheet.Visible);
    EXPECT_EQ(sheet.Rect, QRect(0, 0, 400, 300));
    sheet.Rect = QRect(100, 100, 400, 300);
    EXPECT_EQ(sheet.hitPart({100, 100}), CoverSheetPart::TopLeft);
    EXPECT_EQ(sheet.hitPart({499, 100}), CoverSheetPart::TopRight);
    EXPECT_EQ(sheet.hitPart({139, 399}), CoverSheetPart::BottomLeft);
    EXPECT_EQ(sheet.hitPart({460, 360}), CoverSheetPart::BottomRight);
    EXPECT_EQ(sheet.hitPart({300, 139}), CoverSheetPart::Top);
    EXPECT_EQ(sheet.hitPart({300, 380}), CoverSheetPart::Bottom);
    EXPECT_EQ(sheet.hitPart({120, 250}), CoverSheetPart::Left);
    EXPECT_EQ(sheet.hitPart({470, 250}), CoverSheetPart::Right);
    EXPECT_EQ(sheet.hitPart({140, 140}), CoverSheetPart::Body);
    EXPECT_EQ(sheet.hitPart({459, 359}), CoverSheetPart::Body);
    EXPECT_EQ(sheet.hitPart({99, 250}), CoverSheetPart::None);
    EXPECT_EQ(sheet.hitPart({500, 250}), CoverSheetPart::None);
    sheet.Hide();
    EXPECT_FALSE(sheet.Visible);
}

TEST(CoverSheet, DraggingMovesTheBodyOrTheGrabbedEdges) {
    const QRect start(100, 100, 400, 300);
    const QPoint press(300, 250);
    auto drag = [&](CoverSheetPart part, int dx, int dy) {
        return CoverSheet::drag(part, start, press, press + QPoint(dx, dy));
    };
    EXPECT_EQ(drag(CoverSheetPart::Body, -30, 20), QRect(70, 120, 400, 300));
    EXPECT_EQ(drag(CoverSheetPart::Left, 50, 20), QRect(150, 100, 350, 300));
    EXPECT_EQ(drag(CoverSheetPart::Right, 50, 20), QRect(100, 100, 450, 300));
    EXPECT_EQ(drag(CoverSheetPart::Top, 20, -40), QRect(100, 60, 400, 340));
    EXPECT_EQ(drag(CoverSheetPart::Bottom, 20, -40), QRect(100, 100, 400, 260));
    EXPECT_EQ(drag(CoverSheetPart::TopLeft, -10, 10), QRect(90, 110, 410, 290));
    EXPECT_EQ(drag(CoverSheetPart::BottomRight, -10, 10), QRect(100, 100, 390, 310));
    EXPECT_EQ(drag(CoverSheetPart::TopRight, 10, 10), QRect(100, 110, 410, 290));
    EXPECT_EQ(drag(CoverSheetPart::BottomLeft, 10, 10), QRect(110, 100, 390, 310));
    EXPECT_EQ(drag(CoverSheetPart::None, 10, 10), start);

    // Shrinking stops at the minimum; a dragged left or top edge leaves the other edge put.
    const QRect narrow = drag(CoverSheetPart::Left, 1000, 0);
    EXPECT_EQ(narrow.width(), kCoverSheetMinimum);
    EXPECT_EQ(narrow.x() + narrow.width(), start.x() + start.width());
    EXPECT_EQ(drag(CoverSheetPart::Right, -1000, 0).width(), kCoverSheetMinimum);
    const QRect low = drag(CoverSheetPart::Top, 0, 1000);
    EXPECT_EQ(low.height(), kCoverSheetMinimum);
    EXPECT_EQ(low.y() + low.height(), start.y() + start.height());
    EXPECT_EQ(drag(CoverSheetPart::Bottom, 0, -1000).height(), kCoverSheetMinimum);
}

} // namespace
} // namespace quindor
