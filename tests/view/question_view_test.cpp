#include "core/rounding.h"
#include "document/caption_codec.h"
#include "layouts/document_layouts.h"
#include "layouts/question_layouts.h"
#include "view/learning_clicks.h"
#include "view/question_view.h"
#include "view/view_composer.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QSize kPage(870, 609);

QImage White(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The bounds of everything not white in an image.
QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

bool HasColour(const QImage& image, const QRect& area, bool (*match)(QRgb)) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

bool Green(QRgb c) {
    return qGreen(c) > 100 && qRed(c) < 60 && qBlue(c) < 60;
}

bool Red(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

class QuestionView : public ::testing::Test {
protected:
    QuestionView() {
        document.BaseImage.Image = White(kPage);
        RegisterLayouts(layouts, state);
    }

    // Three multiple-choice questions; the first answer of each is correct.
    void makeChoices() {
        document.Header.DokTyp = DocumentType::MultipleChoice;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
        for (int k = 1; k <= 3; ++k) {
            ObjDataTyp o;
            o.Typ = ObjectKind::ChoiceQuestion;
            o.Cap = JoinCommaText(
                {QStringLiteral("Frage %1").arg(k), QStringLiteral("+richtig\r\n-falsch")});
            document.Objects.push_back(o);
        }
        MultipleChoiceLayout(document, true, state);
    }

    QRect cardOf(int index) const {
        const FracRect& r = document.Object(index).CardRect;
        return QRect(
            QPoint(RoundHalfEven(r.Left * kPage.width()), RoundHalfEven(r.Top * kPage.height())),
            QPoint(RoundHalfEven(r.Right * kPage.width()) - 1,
                   RoundHalfEven(r.Bottom * kPage.height()) - 1));
    }
    QPoint centreOf(int index) const { return cardOf(index).center(); }
    int first(ObjectKind typ, int frageNummer) const {
        for (int i = 0; i < document.ObjectCount(); ++i) {
            if (document.Object(i).Typ == typ && document.Object(i).FrageNummer == frageNummer)
                return i;
        }
        return -1;
    }
    bool drawn(int index) const { return document.Object(index).CardRect.Left >= 0.0; }

    Document document;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer view{document, state, &layouts};
};

TEST_F(QuestionView, OnlyTheQuestionShownIsOnThePage) {
    makeChoices();
    view.ComposeView(kPage);
    ASSERT_EQ(state.CurrentQuestion, 1);
    for (const ObjDataTyp& o : document.Objects) {
        const bool onPage = o.CardRect.Left >= 0.0;
        if (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceOk)
            EXPECT_FALSE(onPage) << o.Typ;
        else
            EXPECT_EQ(onPage, o.FrageNummer == -1 || o.FrageNummer == 1)
                << o.Typ << " of question " << o.FrageNummer;
    }

    // The next-question control moves on; the first question's objects leave the page.
    const ClickOutcome next =
        ClickAt(view, document, state, centreOf(first(ObjectKind::NavNext, -1)));
    EXPECT_EQ(next.effect, ClickEffect::Recomposed);
    EXPECT_EQ(state.CurrentQuestion, 2);
    EXPECT_FALSE(drawn(first(ObjectKind::ChoiceText, 1)));
    EXPECT_TRUE(drawn(first(ObjectKind::ChoiceText, 2)));
    ClickAt(view, document, state, centreOf(first(ObjectKind::NavLast, -1)));
    EXPECT_EQ(state.CurrentQuestion, 3);
    ClickAt(view, document, state, centreOf(first(ObjectKind::NavNext, -1)));
    EXPECT_EQ(state.CurrentQuestion, 3);
}

TEST_F(QuestionView, ClickingAMarkerShowsWhetherItsAnswerIsRight) {
    makeChoices();
    state.CurrentQuestion = 2;
    view.ComposeView(kPage);
    const int right = first(ObjectKind::ChoiceMarker, 2);
    const int wrong = right + 2;
    ASSERT_EQ(document.Object(wrong).Typ, ObjectKind::ChoiceMarker);
    // All questions put their markers on the same spot; only the shown one is hit.
    EXPECT_EQ(view.HitTest(centreOf(right).x(), centreOf(right).y()), right);

    const QRect card = cardOf(right);
    EXPECT_FALSE(HasColour(view.pageImage(), card, Green));
    ClickAt(view, document, state, centreOf(right));
    EXPECT_EQ(document.Object(right).State, ObjectState::Shown);
    EXPECT_TRUE(HasColour(view.pageImage(), card, Green));
    EXPECT_FALSE(HasColour(view.pageImage(), card, Red));

    ClickAt(view, document, state, centreOf(wrong));
    EXPECT_EQ(document.Object(wrong).State, ObjectState::Shown);
    EXPECT_TRUE(HasColour(view.pageImage(), cardOf(wrong), Red));
    EXPECT_FALSE(HasColour(view.pageImage(), cardOf(wrong), Green));
}

// A run shows the question and its answers; the answer boxes and "OK" are left to the
// exercise panel.
TEST_F(QuestionView, ARunShowsTheAnswersButNotTheBoxesAndOk) {
    makeChoices();
    view.ComposeView(kPage);
    EXPECT_TRUE(drawn(first(ObjectKind::ChoiceMarker, 1)));
    EXPECT_FALSE(drawn(first(ObjectKind::ChoiceOk, 1)));
    RenderContext context = view.renderContext();
    context.exercise = true;
    QImage page = White(kPage);
    QPainter painter(&page);
    DrawAllObjects(document, painter, context);
    EXPECT_TRUE(drawn(first(ObjectKind::ChoiceText, 1)));
    EXPECT_TRUE(drawn(first(ObjectKind::ChoiceAnswerText, 1)));
    EXPECT_FALSE(drawn(first(ObjectKind::ChoiceMarker, 1)));
    EXPECT_FALSE(drawn(first(ObjectKind::ChoiceOk, 1)));
}

// During a run each answer of multiple choice stands at the card point the answer placement
// names; in the learning view at its own.
TEST_F(QuestionView, AnswersStandWhereThePlacementPutsThemDuringARun) {
    makeChoices();
    view.ComposeView(kPage);
    const int right = first(ObjectKind::ChoiceAnswerText, 1);
    const int wrong = right + 2;
    ASSERT_EQ(document.Object(wrong).Typ, ObjectKind::ChoiceAnswerText);
    const QRect rightAtHome = cardOf(right);
    const QRect wrongAtHome = cardOf(wrong);
    ASSERT_LT(rightAtHome.top(), wrongAtHome.top());
    std::vector<int> map(static_cast<size_t>(document.ObjectCount()));
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = static_cast<int>(i);
    std::swap(map[static_cast<size_t>(right)], map[static_cast<size_t>(wrong)]);
    view.setAnswerPlacement(map);
    view.RecomposeObjects();
    EXPECT_EQ(cardOf(right).top(), rightAtHome.top()) << "not in the learning view";
    state.ViewMode = Mode::Exercise;
    view.RecomposeObjects();
    EXPECT_EQ(cardOf(right).center().y(), wrongAtHome.center().y());
    EXPECT_EQ(cardOf(wrong).center().y(), rightAtHome.center().y());
    EXPECT_EQ(cardOf(right).left(), rightAtHome.left());
}

// Another question shown by recomposing (the question keys, a run's next question) leaves
// the same page as a whole composition.
TEST_F(QuestionView, AnotherQuestionRecomposedIsTheWholePage) {
    makeChoices();
    document.Objects[0].Cap = JoinCommaText(
        {QStringLiteral("Eine Frage, so lang, dass sie über mehrere Zeilen umbrechen muss, bevor "
                        "ihre Antworten kommen: welche?"),
         QStringLiteral("+richtig\r\n-falsch\r\n-auch falsch")});
    MultipleChoiceLayout(document, true, state);
    view.ComposeView(kPage);
    for (const int question : {2, 1, 3, 1}) {
        state.CurrentQuestion = question;
        view.RecomposeObjects();
        Document copy = document;
        ProgramState copyState = state;
        LayoutDispatch copyLayouts;
        RegisterLayouts(copyLayouts, copyState);
        ViewComposer fresh(copy, copyState, &copyLayouts);
        fresh.ComposeView(kPage);
        EXPECT_TRUE(view.pageImage() == fresh.pageImage()) << question;
    }
}

TEST_F(QuestionView, SingleQuestionOutOfRangeShowsTheFirst) {
    document.Header.DokTyp = DocumentType::Questions;
    document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::Questions);
    document.Header.AnzFrageNummern = 3;
    for (int k = 1; k <= 3; ++k) {
        AddObject(document, {.Typ = ObjectKind::QuestionText,
                             .Ebene = 1,
                             .Cap = QStringLiteral("Frage %1").arg(k),
                             .FrageNummer = k,
                             .Kx = 0.1,
                             .Ky = 0.3,
                             .KAusr = 1,
                             .Fsize = 3});
        AddObject(document, {.Typ = ObjectKind::AnswerField,
                             .Ebene = 1,
                             .Cap = QStringLiteral("Antwort %1").arg(k),
                             .FrageNummer = k,
                             .Kx = 0.2,
                             .Ky = 0.6,
                             .KAusr = 1,
                             .Fsize = 3});
    }
    state.CurrentQuestion = 5;
    view.ComposeView(kPage);
    EXPECT_EQ(state.CurrentQuestion, 1);
    EXPECT_TRUE(drawn(first(ObjectKind::QuestionText, 1)));
    EXPECT_FALSE(drawn(first(ObjectKind::QuestionText, 3)));

    // The answer is covered with a question mark; uncovered, its text is what is clicked.
    const int answer = first(ObjectKind::AnswerField, 1);
    EXPECT_EQ(view.pageImage().pixel(cardOf(answer).topLeft() + QPoint(3, 3)),
              qRgb(0xCA, 0xE4, 0xFF));
    ASSERT_EQ(ClickAt(view, document, state, centreOf(answer)).effect, ClickEffect::Redrawn);
    EXPECT_EQ(document.Object(answer).State, ObjectState::Shown);
    const QRect text = Ink(view.pageImage().copy(cardOf(answer).adjusted(-2, -2, 2, 2)));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(view.HitTest(centreOf(answer).x(), centreOf(answer).y()), answer);
}

TEST_F(QuestionView, TextLimitsOfTheQuestionKinds) {
    document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::Questions);
    AddObject(document, {.Typ = ObjectKind::QuestionText,
                         .Ebene = 1,
                         .Cap = QString(),
                         .FrageNummer = 1,
                         .Kx = 0.1,
                         .Ky = 0.3,
                         .KAusr = 1,
                         .Fsize = 0});
    AddObject(document, {.Typ = ObjectKind::AnswerField,
                         .Ebene = 1,
                         .Cap = QString(),
                         .FrageNummer = 1,
                         .Kx = 0.1,
                         .Ky = 0.3,
                         .KAusr = 1,
                         .Fsize = 0});
    EXPECT_EQ(QuestionTextLimit(document, 0, kPage), RoundHalfEven(0.64 * 609 * 0.2 / 0.64));
    EXPECT_EQ(QuestionTextLimit(document, 1, kPage), RoundHalfEven(0.64 * 609 * 0.135 / 0.64));
    document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
    AddObject(document, {.Typ = ObjectKind::ChoiceText,
                         .Ebene = 1,
                         .Cap = QString(),
                         .FrageNummer = 1,
                         .Kx = 0.1,
                         .Ky = 0.3,
                         .KAusr = 1,
                         .Fsize = 0});
    EXPECT_EQ(QuestionTextLimit(document, 2, kPage), RoundHalfEven(0.915 * 609 * 0.08 / 0.915));
    // A text answer has less room the more answers its question has.
    const int marker = AddObject(document, {.Typ = ObjectKind::ChoiceMarker,
                                            .Ebene = 1,
                                            .Cap = QStringLiteral("+"),
                                            .FrageNummer = 1,
                                            .Kx = 0.1,
                                            .Ky = 0.3,
                                            .KAusr = 1,
                                            .Fsize = 4});
    document.Object(marker).AntwortAnz = 4;
    AddObject(document, {.Typ = ObjectKind::ChoiceAnswerText,
                         .Ebene = 1,
                         .Cap = QString(),
                         .FrageNummer = 1,
                         .Kx = 0.16,
                         .Ky = 0.3,
                         .KAusr = 1,
                         .Fsize = 1});
    EXPECT_EQ(QuestionTextLimit(document, 4, kPage), 77);
}

// A long question and a long answer wrap before the right margin and shrink to their limits.
TEST_F(QuestionView, LongTextsStayWithinMarginAndLimit) {
    makeChoices();
    const QString question =
        QStringLiteral("Welche der folgenden Aussagen \u00fcber die Pflanzen, die im Wald, auf "
                       "der Wiese und am Ufer eines Baches wachsen, treffen nach dem, was wir im "
                       "Unterricht beobachtet und besprochen haben, wirklich zu?");
    const int text = first(ObjectKind::ChoiceText, 1);
    document.Object(text).Cap = question;
    document.Object(text).Fsize = choice::QuestionFsize(question.size());
    const int answer = first(ObjectKind::ChoiceAnswerText, 1);
    document.Object(answer).Cap =
        QStringLiteral("Sie brauchen alle Licht, Wasser und N\u00e4hrstoffe aus dem Boden, "
                       "damit sie wachsen und bl\u00fchen k\u00f6nnen, und manche brauchen dazu "
                       "noch Insekten, die sie best\u00e4uben");
    view.ComposeView(kPage);
    const int right = RoundHalfEven(0.95 * kPage.width());

    for (const int index : {text, answer}) {
        QImage page = White(kPage);
        QPainter painter(&page);
        DrawObject(document, index, painter, view.renderContext());
        painter.end();
        const QRect ink = Ink(page);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_LE(ink.right(), right) << index;
        EXPECT_LE(ink.height(), QuestionTextLimit(document, index, kPage)) << index;
        // It wrapped: more than one line of the card's height.
        EXPECT_GT(ink.height(), cardOf(index).height()) << index;
    }
}

// Question texts are measured and drawn with one layout; it must break and place every line as
// the painter's own wrapped text does, to the pixel: line breaks, a word too long for the line
// (cut at the box), tabs and an empty text included.
TEST(QuestionText, DrawnAsThePainterDrawsWrappedText) {
    const QStringList texts = {
        QStringLiteral("Welche Bilder zeigen Obst?"),
        QStringLiteral("Ein langer Fragetext, der \u00fcber mehrere Zeilen umbrochen wird, weil "
                       "er nicht in eine Zeile passt."),
        QStringLiteral("Donaudampfschifffahrtsgesellschaftskapit\u00e4n"),
        QStringLiteral("Zeile eins\nZeile zwei\r\nZeile\tdrei"), QString()};
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    for (const int pixels : {11, 22, 31}) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        font.setBold(pixels == 22);
        for (const QString& text : texts) {
            const QRect box(10, 20, 200, 40);
            QImage drawn = White(QSize(260, 400));
            QPainter painter(&drawn);
            const QRect taken = DrawQuestionText(painter, ObjectKind::QuestionText, box, 3, text,
                                                 font, 1000, Qt::blue);
            painter.end();
            const QRect inner = box.adjusted(3, 0, -3, 0);
            const int height =
                QFontMetrics(font)
                    .boundingRect(QRect(inner.left(), 0, inner.width(), 1000000), flags, text)
                    .height();
            EXPECT_EQ(taken.height(), height) << pixels << text.toStdString();
            QImage expected = White(QSize(260, 400));
            QPainter reference(&expected);
            reference.setFont(font);
            reference.setPen(Qt::blue);
            reference.drawText(QRect(inner.left(), taken.top(), inner.width(), height), flags,
                               text);
            reference.end();
            EXPECT_TRUE(test::SameImage(drawn, expected)) << pixels << text.toStdString();
        }
    }
}

} // namespace
} // namespace quindor
