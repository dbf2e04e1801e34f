// Runs of single questions and of multiple choice, from the start to the result.
#include "document/caption_codec.h"
#include "exercise/protocol.h"
#include "exercise/question_run.h"
#include "layouts/question_layouts.h"
#include "run_fixture.h"

#include <QSet>

#include <set>

namespace quindor {
namespace {

class QuestionRunTest : public test::RunFixture {
protected:
    QuestionRunTest() {
        settings.UebOptFragen.Zuordnungstexte = 0;
        settings.UebOptFragen.Zuordnungsziele = 0;
    }

    // A single-question document: per question its header, question, label and answer, the
    // answers all at the same place; the controls.
    void singleQuestions(const std::vector<std::pair<QString, QString>>& questions) {
        document.Header.DokTyp = DocumentType::Questions;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::Questions);
        const int n = static_cast<int>(questions.size());
        for (int k = 1; k <= n; ++k) {
            const auto& [question, answer] = questions[static_cast<size_t>(k - 1)];
            const auto add = [&](ObjectKind typ, const QString& cap, double x, double y) {
                return AddObject(document, {.Typ = typ,
                                            .Ebene = 1,
                                            .Cap = cap,
                                            .FrageNummer = k,
                                            .Kx = x,
                                            .Ky = y,
                                            .KAusr = 1,
                                            .Fsize = 2});
            };
            add(ObjectKind::StaticLabel, QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n), 0.1,
                0.1);
            add(ObjectKind::QuestionText, question, 0.1, 0.22);
            add(ObjectKind::StaticLabel, QStringLiteral("Antwort:"), 0.1, 0.56);
            answers.push_back(add(ObjectKind::AnswerField, answer, 0.25, 0.56));
        }
        document.Header.AnzFrageNummern = n;
    }

    // The panel (list entry) that shows an answer object.
    int panelOf(int answer) const {
        const auto& list = run.queryList();
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].CardObject == answer)
                return static_cast<int>(i);
        }
        return -1;
    }
    // The answer asked at present, and an offered answer that is not it.
    int asked() const {
        return run.queryList()[static_cast<size_t>(run.data().CurrentIndex)].TargetObject;
    }
    int offeredWrong() const {
        for (const AnswerSlot& a : surface.answers.back()) {
            if (run.queryList()[static_cast<size_t>(a.panel)].CardObject != asked())
                return a.panel;
        }
        return -1;
    }

    // A multiple-choice document made by its layout from the stored questions.
    // The question numbered `withPicture` has a picture of its own.
    void choiceQuestions(const std::vector<std::pair<QString, QStringList>>& questions,
                         int withPicture = 0) {
        document.Header.DokTyp = DocumentType::MultipleChoice;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
        for (const auto& [question, lines] : questions) {
            ObjDataTyp o;
            o.Typ = ObjectKind::ChoiceQuestion;
            if (document.ObjectCount() + 1 == withPicture) {
                o.Typ = ObjectKind::ChoiceQuestionPicture;
                o.Picture.Image = QImage(40, 30, QImage::Format_ARGB32_Premultiplied);
                o.Picture.Image.fill(Qt::blue);
            }
            o.Cap = JoinCommaText({question, lines.join(QStringLiteral("\r\n"))});
            document.Objects.push_back(o);
        }
        MultipleChoiceLayout(document, true, state);
    }
    // The answer box of question k whose answer reads `text`, and the question's "OK".
    int box(int k, const QString& text) const {
        for (int i = 0; i + 1 < document.ObjectCount(); ++i) {
            if (document.Object(i).Typ == ObjectKind::ChoiceMarker &&
                document.Object(i).FrageNummer == k && document.Object(i + 1).Cap == text)
                return i;
        }
        return -1;
    }
    int ok(int k) const {
        for (int i = 0; i < document.ObjectCount(); ++i) {
            if (document.Object(i).Typ == ObjectKind::ChoiceOk &&
                document.Object(i).FrageNummer == k)
                return i;
        }
        return -1;
    }
    void tick(int k, const QStringList& texts) {
        for (const QString& text : texts)
            run.panelReleased(box(k, text));
    }

    std::vector<int> answers;
};

const std::vector<std::pair<QString, QString>> kCapitals = {
    {QStringLiteral("Hauptstadt von Frankreich?"), QStringLiteral("Paris")},
    {QStringLiteral("Hauptstadt von Italien?"), QStringLiteral("Rom")},
    {QStringLiteral("Hauptstadt von Spanien?"), QStringLiteral("Madrid")},
    {QStringLiteral("Hauptstadt von Polen?"), QStringLiteral("Warschau")},
    {QStringLiteral("Hauptstadt von Irland?"), QStringLiteral("Dublin")},
    {QStringLiteral("Hauptstadt von Norwegen?"), QStringLiteral("Oslo")},
    {QStringLiteral("Hauptstadt von Ungarn?"), QStringLiteral("Budapest")},
};

TEST_F(QuestionRunTest, SingleQuestionsAskedInOrderWithAWrongAnswerAskedAgain) {
    singleQuestions(kCapitals);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(run.data().RunQueries, 7);
    EXPECT_EQ(run.data().OpenCount, 7);
    // Answers as cards in alphabetical order, questions in their order.
    EXPECT_EQ(document.Object(run.queryList()[0].CardObject).Cap, QStringLiteral("Budapest"));
    EXPECT_EQ(asked(), answers[0]);
    EXPECT_EQ(state.CurrentQuestion, 1);

    // Six answers offered, the solution among them, in panel order on the first places.
    ASSERT_EQ(surface.answers.size(), 1u);
    const std::vector<AnswerSlot>& offered = surface.answers[0];
    ASSERT_EQ(offered.size(), 6u);
    QStringList texts;
    for (size_t i = 0; i < offered.size(); ++i) {
        EXPECT_EQ(offered[i].slot, static_cast<int>(i));
        if (i > 0) {
            EXPECT_LT(offered[i - 1].panel, offered[i].panel);
        }
        const int card = run.queryList()[static_cast<size_t>(offered[i].panel)].CardObject;
        texts.append(QLatin1Char('"') + document.Object(card).Cap + QLatin1Char('"') +
                     (card == answers[0] ? QStringLiteral(" (Lösung)") : QString()));
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("\"Paris\" (Lösung)")));
    const QStringList start = detailLines();
    ASSERT_EQ(start.size(), 4);
    EXPECT_EQ(start[1], QStringLiteral("00:00 - Frage Nr. 1"));
    EXPECT_EQ(start[2], QStringLiteral("Hauptstadt von Frankreich?"));
    EXPECT_EQ(start[3],
              QStringLiteral("Antwortmöglichkeiten: ") + texts.join(QStringLiteral(", ")));
    EXPECT_TRUE(run.data().DetailLog.contains(QStringLiteral("gestartet\r\n\r\n00:00 - Frage")));

    // A wrong answer counts on the question's answer only, and the next question follows.
    const int wrong = offeredWrong();
    const QString wrongText =
        document.Object(run.queryList()[static_cast<size_t>(wrong)].CardObject).Cap;
    ticks += 3000;
    run.panelReleased(wrong);
    EXPECT_EQ(run.data().FailedAttempts, 1);
    EXPECT_EQ(document.Object(answers[0]).RunCounter1, 1);
    for (const QueryPair& e : run.queryList())
        EXPECT_EQ(document.Object(e.CardObject).RunCounter2, 0);
    EXPECT_EQ(document.Object(answers[0]).State, ObjectState::Open);
    EXPECT_EQ(surface.banners, std::vector<Banner>{Banner::Wrong});
    EXPECT_EQ(surface.paused, 1000);
    EXPECT_EQ(surface.answerPanelsHidden, 1);
    EXPECT_TRUE(detailLines().contains(QStringLiteral("00:03 - FALSCH - Gewählte Antwort: \"") +
                                       wrongText + QLatin1Char('"')));
    EXPECT_EQ(state.CurrentQuestion, 2);
    EXPECT_EQ(asked(), answers[1]);

    // Right answers to all the others; the failed question comes again at the end.
    for (int k = 2; k <= 7; ++k)
        run.panelReleased(panelOf(asked()));
    EXPECT_EQ(state.CurrentQuestion, 1);
    EXPECT_EQ(run.data().CorrectCount, 6);
    EXPECT_EQ(surface.paused, 1000 + 6 * 1000);
    run.panelReleased(panelOf(asked()));
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].CorrectCount, 7);
    EXPECT_EQ(surface.results[0].FailedAttempts, 1);
    EXPECT_EQ(surface.results[0].OpenCount, 0);
    EXPECT_TRUE(
        detailLines().contains(QStringLiteral("00:03 - RICHTIG - Gewählte Antwort: \"Paris\"")));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    EXPECT_EQ(document.Object(answers[0]).State, ObjectState::Shown);
}

// In every order of answers and questions each question is asked once and solved.
TEST_F(QuestionRunTest, SingleQuestionsInEveryOrder) {
    singleQuestions(kCapitals);
    for (int texte = 0; texte <= 1; ++texte) {
        for (int ziele = 0; ziele <= 1; ++ziele) {
            settings.UebOptFragen.Zuordnungstexte = texte;
            settings.UebOptFragen.Zuordnungsziele = ziele;
            surface.answers.clear();
            ASSERT_TRUE(run.StartExercise({}));
            QSet<int> questions;
            for (int step = 0; step < 7; ++step) {
                questions.insert(state.CurrentQuestion);
                EXPECT_EQ(document.Object(asked()).FrageNummer, state.CurrentQuestion);
                run.panelReleased(panelOf(asked()));
            }
            EXPECT_EQ(questions.size(), 7);
            EXPECT_EQ(state.ViewMode, Mode::Learning) << texte << ziele;
            EXPECT_EQ(surface.results.back().CorrectCount, 7);
            // Random places: every offer takes the places 0 to 5, whatever the panel order.
            for (const std::vector<AnswerSlot>& offer : surface.answers) {
                std::set<int> places;
                for (const AnswerSlot& a : offer)
                    places.insert(a.slot);
                EXPECT_EQ(places, (std::set<int>{0, 1, 2, 3, 4, 5}));
            }
        }
    }
}

TEST_F(QuestionRunTest, EachQuestionOnlyOnce) {
    settings.UebOptFragen.ZuordnungFalsch = 1;
    singleQuestions({kCapitals.begin(), kCapitals.begin() + 3});
    ASSERT_TRUE(run.StartExercise({}));
    run.panelReleased(offeredWrong());
    EXPECT_EQ(document.Object(answers[0]).State, ObjectState::QuestionClosed);
    EXPECT_EQ(run.data().OpenCount, 2);
    run.panelReleased(panelOf(asked()));
    run.panelReleased(panelOf(asked()));
    // Never asked again: the run ends with the closed question neither right nor open.
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].CorrectCount, 2);
    EXPECT_EQ(surface.results[0].FailedAttempts, 1);
    EXPECT_EQ(surface.results[0].OpenCount, 0);
    EXPECT_DOUBLE_EQ(surface.results[0].TotalPerformance, 2.0 / 3.0);
    EXPECT_EQ(document.Object(answers[0]).State, ObjectState::Shown);
}

TEST_F(QuestionRunTest, RepeatAsksTheFailedQuestionsOnly) {
    singleQuestions({kCapitals.begin(), kCapitals.begin() + 4});
    surface.resultChoices = {{true, Repeat::FailedOnly}};
    ASSERT_TRUE(run.StartExercise({}));
    run.panelReleased(offeredWrong());
    while (state.ViewMode == Mode::Exercise && surface.results.empty())
        run.panelReleased(panelOf(asked()));
    ASSERT_EQ(surface.results.size(), 1u);
    ASSERT_EQ(state.ViewMode, Mode::Exercise);
    EXPECT_EQ(run.data().RunQueries, 1);
    EXPECT_EQ(run.data().TotalQueries, 4);
    EXPECT_EQ(asked(), answers[0]);
    EXPECT_EQ(state.CurrentQuestion, 1);
    // Only the answers of the repeat are at hand.
    EXPECT_EQ(surface.answers.back().size(), 1u);
    run.panelReleased(panelOf(asked()));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
}

// Answers of the same text in any case are offered once; with fewer distinct answers than six
// all of them are offered.
TEST(ChooseAnswersTest, DistinctTextsOnly) {
    Document document;
    std::vector<QueryPair> list;
    for (const char* text : {"Paris", "paris", "PARIS ", "Rom", "Oslo"}) {
        const int i =
            AddObject(document, {.Typ = ObjectKind::AnswerField, .Cap = QString::fromLatin1(text)});
        list.push_back({i, i});
    }
    RandomGenerator random;
    for (int seed = 1; seed <= 20; ++seed) {
        random.seed(static_cast<uint32_t>(seed));
        const std::vector<AnswerSlot> offer = ChooseAnswers(document, list, 1, false, random);
        ASSERT_EQ(offer.size(), 3u) << seed;
        EXPECT_EQ(offer[0].panel, 1) << "the solution, whatever else";
        EXPECT_EQ(offer[1].panel, 3);
        EXPECT_EQ(offer[2].panel, 4);
    }
}

TEST(AnswerGridTest, ThreeColumnsBelowTheQuestion) {
    // Margins of single questions on a page of 870 x 620: usable 739.5 x 396.8 pixels.
    const FracRect margins{0.1, 0.165, 0.05, 0.195};
    const QSize page(870, 620);
    EXPECT_EQ(AnswerGridCell(margins, page, 0), QRect(91, 360, 237, 46));
    EXPECT_EQ(AnswerGridCell(margins, page, 4), QRect(91 + 257, 360 + 66, 237, 46));
    // Small pages keep panels of at least 150 x 46, 20 pixels apart.
    EXPECT_EQ(AnswerGridCell(margins, QSize(300, 200), 2).size(), QSize(150, 46));
    EXPECT_EQ(AnswerGridCell(margins, QSize(300, 200), 2).left(),
              AnswerGridCell(margins, QSize(300, 200), 0).left() + 2 * 170);
}

TEST(TickCountTest, ScoresOfPartlyRightAnswers) {
    Document document;
    const auto add = [&](const char* marker, int question) {
        const int i = AddObject(document, {.Typ = ObjectKind::ChoiceMarker,
                                           .Cap = QString::fromLatin1(marker),
                                           .FrageNummer = question});
        AddObject(document,
                  {.Typ = ObjectKind::ChoiceAnswerText, .Cap = QString(), .FrageNummer = question});
        return i;
    };
    const int a = add("+", 1), b = add("+", 1), c = add("+", 1), d = add("-", 1), odd = add("?", 1);
    add("+", 2);
    // Two of three correct ticks and one wrong: a third right, two thirds failed.
    TickCount t = CountTicks(document, 1, {a, b, d});
    EXPECT_EQ(t, (TickCount{3, 2, 1, 1}));
    EXPECT_DOUBLE_EQ(ChoiceScore(t), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(ChoiceScore(CountTicks(document, 1, {d})), 0.0);
    EXPECT_DOUBLE_EQ(ChoiceScore(CountTicks(document, 1, {a, b, c})), 1.0);
    // A box marked neither "+" nor "-" counts nowhere, ticked or not.
    EXPECT_EQ(CountTicks(document, 1, {a, b, c, odd}), (TickCount{3, 3, 0, 0}));
    EXPECT_DOUBLE_EQ(ChoiceScore(TickCount{0, 0, 1, 0}), 0.0);
}

const std::vector<std::pair<QString, QStringList>> kChoices = {
    {QStringLiteral("Welche sind Früchte?"),
     {QStringLiteral("+Apfel"), QStringLiteral("+Birne"), QStringLiteral("-Stein"),
      QStringLiteral("-Holz")}},
    {QStringLiteral("Welche sind Tiere?"),
     {QStringLiteral("+Hund"), QStringLiteral("+Katze"), QStringLiteral("-Tisch")}},
    {QStringLiteral("Welche Farbe hat der Himmel?"),
     {QStringLiteral("+Blau"), QStringLiteral("-Grün")}},
};

TEST_F(QuestionRunTest, MultipleChoiceRightPartlyRightAndWrong) {
    settings.UebOptFragen.ZuordnungFalsch = 1;
    choiceQuestions(kChoices);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(run.data().RunQueries, 3);
    EXPECT_EQ(state.CurrentQuestion, 1);
    EXPECT_EQ(surface.choices, std::vector<int>{1});
    // Given order: every answer keeps its place.
    for (int i = 0; i < document.ObjectCount(); ++i)
        EXPECT_EQ(surface.placement[static_cast<size_t>(i)], i);
    QStringList lines = detailLines();
    EXPECT_EQ(lines[1], QStringLiteral("00:00 - Frage Nr. 1"));
    EXPECT_EQ(lines[2], QStringLiteral("Welche sind Früchte?"));
    EXPECT_EQ(lines[3], QStringLiteral("Antwortmöglichkeiten: \"Apfel\" (zutreffend), \"Birne\" "
                                       "(zutreffend), \"Stein\", \"Holz\""));

    // Ticking is not judged; a box of another question does not tick.
    tick(1, {QStringLiteral("Apfel"), QStringLiteral("Stein"), QStringLiteral("Birne"),
             QStringLiteral("Stein")});
    tick(2, {QStringLiteral("Hund")});
    EXPECT_TRUE(surface.ticks[box(1, QStringLiteral("Apfel"))]);
    EXPECT_FALSE(surface.ticks[box(1, QStringLiteral("Stein"))]);
    EXPECT_EQ(surface.ticks.count(box(2, QStringLiteral("Hund"))), 0u);
    EXPECT_EQ(run.data().CorrectCount + run.data().FailedAttempts, 0);
    run.panelReleased(ok(1));
    EXPECT_EQ(run.data().CorrectCount, 1);
    EXPECT_EQ(surface.banners, std::vector<Banner>{Banner::Right});
    EXPECT_EQ(surface.paused, 1000);
    lines = detailLines();
    EXPECT_TRUE(lines.contains(
        QStringLiteral("00:00 - RICHTIG - Gewählte Antwort(en): \"Apfel\", \"Birne\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Häkchen - richtig: 2 - falsch: 0 - fehlend: 0")));

    // Partly right: the tick counts instead of the banner, a longer pause, half a point.
    EXPECT_EQ(state.CurrentQuestion, 2);
    EXPECT_EQ(surface.choices, (std::vector<int>{1, 2}));
    tick(2, {QStringLiteral("Hund")});
    run.panelReleased(ok(2));
    EXPECT_EQ(surface.tickCounts, std::vector<TickCount>{(TickCount{2, 1, 0, 1})});
    EXPECT_EQ(surface.banners, std::vector<Banner>{Banner::Right});
    EXPECT_EQ(surface.paused, 1000 + 100 + 1900);
    EXPECT_DOUBLE_EQ(run.data().CorrectCount, 1.5);
    EXPECT_DOUBLE_EQ(run.data().FailedAttempts, 0.5);
    lines = detailLines();
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "00:00 - FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): \"Hund\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Häkchen - richtig: 1 - falsch: 0 - fehlend: 1")));

    // Wrong: the wrong banner and nothing scored.
    tick(3, {QStringLiteral("Grün")});
    run.panelReleased(ok(3));
    EXPECT_EQ(surface.banners, (std::vector<Banner>{Banner::Right, Banner::Wrong}));
    EXPECT_EQ(surface.paused, 1000 + 2000 + 100 + 900);
    ASSERT_EQ(surface.results.size(), 1u);
    const UebDataTyp& result = surface.results[0];
    EXPECT_DOUBLE_EQ(result.CorrectCount, 1.5);
    EXPECT_DOUBLE_EQ(result.FailedAttempts, 1.5);
    EXPECT_DOUBLE_EQ(result.SuccessQuota, 0.5);
    EXPECT_DOUBLE_EQ(result.TotalPerformance, 0.5);
    EXPECT_EQ(result.OpenCount, 0);
    // Counts with two decimals in the protocol.
    EXPECT_TRUE(surface.protocol.contains(QStringLiteral("Richtig zugeordnet:\t1.50  von  3")));
    EXPECT_TRUE(surface.protocol.contains(QStringLiteral("Fehlversuche:\t1.50")));
    EXPECT_TRUE(
        surface.protocol.contains(QStringLiteral("Abfragemodus:\tjede Frage nur einmal stellen")));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    // The learning view starts again at the first question.
    EXPECT_EQ(state.CurrentQuestion, 1);
}

TEST_F(QuestionRunTest, MultipleChoiceAsksAWrongQuestionAgainAndKnowsNoTicks) {
    choiceQuestions({kChoices[2],
                     {QStringLiteral("Welche Zahl ist gerade?"),
                      {QStringLiteral("-Eins"), QStringLiteral("-Drei")}}});
    ASSERT_TRUE(run.StartExercise({}));
    run.panelReleased(ok(1));
    EXPECT_TRUE(detailLines().contains(QStringLiteral(
        "00:00 - FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): - keine -")));
    // Without any correct option, nothing ticked is the right answer.
    EXPECT_EQ(state.CurrentQuestion, 2);
    run.panelReleased(ok(2));
    EXPECT_EQ(run.data().CorrectCount, 1);
    // The failed question again, its ticks cleared.
    EXPECT_EQ(state.CurrentQuestion, 1);
    EXPECT_TRUE(surface.ticks.empty());
    tick(1, {QStringLiteral("Blau")});
    run.panelReleased(ok(1));
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_DOUBLE_EQ(surface.results[0].CorrectCount, 2.0);
    EXPECT_DOUBLE_EQ(surface.results[0].FailedAttempts, 1.0);
    EXPECT_EQ(document.Object(box(1, QStringLiteral("Blau")) - 1).RunCounter2, 0);
}

TEST_F(QuestionRunTest, MixedAnswersChangePlacesWithinTheirQuestion) {
    settings.UebOptFragen.Zuordnungstexte = 1;
    settings.UebOptFragen.Zuordnungsziele = 1;
    choiceQuestions(kChoices, 2);
    state.Random.seed(7);
    ASSERT_TRUE(run.StartExercise({}));
    // The question with a picture is announced so.
    for (int k = 0; k < 3; ++k) {
        if (state.CurrentQuestion == 2) {
            EXPECT_TRUE(detailLines().contains(QStringLiteral("Welche sind Tiere? (Bild)")));
        }
        run.panelReleased(ok(state.CurrentQuestion));
    }
    const std::vector<int>& map = surface.placement;
    ASSERT_EQ(map.size(), static_cast<size_t>(document.ObjectCount()));
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        const ObjDataTyp& place = document.Object(map[static_cast<size_t>(i)]);
        if (o.Typ == ObjectKind::ChoiceMarker) {
            EXPECT_EQ(place.Typ, ObjectKind::ChoiceMarker);
        }
        EXPECT_EQ(place.FrageNummer, o.FrageNummer);
    }
}

} // namespace
} // namespace quindor
