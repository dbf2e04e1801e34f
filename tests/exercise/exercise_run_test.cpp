#include "support/best_list_reading.h"

#include "exercise/best_list.h"
#include "exercise/grading.h"
#include "run_fixture.h"

#include <QDir>

namespace quindor {
namespace {

class ExerciseRunTest : public test::RunFixture {};

TEST_F(ExerciseRunTest, FreeAssignmentWrongThenRight) {
    const int blatt = label(QStringLiteral("Blatt"), 0.2, 0.2);
    const int wurzel = label(QStringLiteral("Wurzel"), 0.2, 0.8);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(state.ViewMode, Mode::Exercise);
    EXPECT_EQ(surface.panels, 2u);
    EXPECT_EQ(run.data().OpenCount, 2);
    EXPECT_EQ(document.Object(blatt).State, ObjectState::Open);
    EXPECT_EQ(document.Object(blatt).Nummer, 1);
    EXPECT_EQ(document.Object(wurzel).Nummer, 2);

    ticks += 4000;
    drop(entryOfCard(blatt), wurzel);
    EXPECT_EQ(run.data().FailedAttempts, 1);
    EXPECT_EQ(surface.slid, std::vector<int>{entryOfCard(blatt)});
    EXPECT_EQ(document.Object(wurzel).State, ObjectState::Open);
    EXPECT_EQ(document.Object(wurzel).RunCounter1, 1);
    EXPECT_EQ(document.Object(blatt).RunCounter2, 1);
    EXPECT_EQ(player.played.back(), QStringLiteral("falsch1.wav wait"));

    drop(entryOfCard(blatt), blatt);
    EXPECT_EQ(run.data().CorrectCount, 1);
    EXPECT_EQ(document.Object(blatt).State, ObjectState::Shown);
    EXPECT_EQ(surface.removed, std::vector<int>{entryOfCard(blatt)});
    EXPECT_EQ(player.played.back(), QStringLiteral("richtig1.wav"));
    EXPECT_EQ(surface.banners, (std::vector<Banner>{Banner::Wrong, Banner::Right}));
    EXPECT_EQ(run.data().OpenCount, 1);
    EXPECT_EQ(run.data().SuccessQuota, 0.5);

    const QStringList lines = detailLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("00:00 - Übung wird gestartet"));
    EXPECT_EQ(lines[1], QStringLiteral("00:04 - FALSCH - Text-/Bildkärtchen \"Blatt\" wird der "
                                       "Position von \"Wurzel\" zugeordnet"));
    EXPECT_EQ(lines[2], QStringLiteral("00:04 - RICHTIG - Text-/Bildkärtchen \"Blatt\" wird der "
                                       "richtigen Position zugeordnet"));

    drop(entryOfCard(wurzel), wurzel);
    // The run ended: result window, then back to the learning view with every caption shown.
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].CorrectCount, 2);
    EXPECT_EQ(surface.results[0].Grade, GradeOf(2.0 / 3.0, ScaleOf(run.data())));
    EXPECT_EQ(state.ExerciseEndState, RunEnd::Completed);
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    EXPECT_EQ(surface.calls.back(), "leave");
}

TEST_F(ExerciseRunTest, ADropWithoutTargetCountsNothing) {
    label(QStringLiteral("Blatt"), 0.2, 0.2);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(run.FindDropTarget(QPointF(0.6, 0.6), QRectF(0.6, 0.6, 0.05, 0.05)), -1);
    run.CheckAction(0);
    EXPECT_EQ(run.data().FailedAttempts, 0);
    EXPECT_EQ(run.data().CorrectCount, 0);
    EXPECT_EQ(detailLines().size(), 1);
}

TEST_F(ExerciseRunTest, TargetUnderTheLeftEdgeFirstThenAnyOverlap) {
    const int left = label(QStringLiteral("links"), 0.2, 0.5);
    const int right = label(QStringLiteral("rechts"), 0.3, 0.5);
    ASSERT_TRUE(run.StartExercise({}));
    // The left edge's midpoint lies on the right field, the card overlaps both.
    const QRectF card(QPointF(0.29, 0.49), QPointF(0.5, 0.52));
    EXPECT_EQ(run.FindDropTarget(QPointF(0.29, 0.5), card), right);
    // Off every field with its left edge, the first field the card overlaps counts.
    const QRectF wide(QPointF(0.1, 0.49), QPointF(0.5, 0.52));
    EXPECT_EQ(run.FindDropTarget(QPointF(0.1, 0.5), wide), left);
    // Right and bottom edges belong to the next field, not to this one.
    const FracRect& r = document.Object(left).CardRect;
    EXPECT_EQ(run.FindDropTarget(QPointF(r.Right, r.Top), QRectF()), -1);
    EXPECT_EQ(run.FindDropTarget(QPointF(r.Left, r.Top), QRectF()), left);
}

TEST_F(ExerciseRunTest, EqualCaptionsAreInterchangeable) {
    const int a = label(QStringLiteral("Ast"), 0.2, 0.2);
    const int b = label(QStringLiteral(" Ast "), 0.5, 0.2);
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), b);
    EXPECT_EQ(run.data().CorrectCount, 1);
    EXPECT_EQ(document.Object(a).State, ObjectState::Open);
    drop(entryOfCard(b), a);
    EXPECT_EQ(run.data().CorrectCount, 2);
    EXPECT_EQ(state.ViewMode, Mode::Learning);
}

TEST_F(ExerciseRunTest, SingleCardAndSinglePosition) {
    settings.UebOpt.AbfrageModus = 1;
    const int top = label(QStringLiteral("oben"), 0.5, 0.1);
    const int bottom = label(QStringLiteral("unten"), 0.5, 0.9);
    ASSERT_TRUE(run.StartExercise({}));
    // Cards in alphabetical order: "oben" first.
    ASSERT_EQ(surface.presented, std::vector<int>{0});
    EXPECT_EQ(run.queryList()[0].CardObject, top);
    EXPECT_EQ(detailLines().back(), QStringLiteral("00:00 - Text-/Bildkärtchen \"oben\" soll der "
                                                   "richtigen Position zugeordnet werden"));
    drop(0, bottom);
    // Wrong: the card waits and is hidden; the next card is offered.
    EXPECT_EQ(surface.hidden, std::vector<int>{0});
    EXPECT_EQ(surface.presented, (std::vector<int>{0, 1}));
    drop(1, bottom);
    EXPECT_EQ(surface.presented, (std::vector<int>{0, 1, 0}));
    drop(0, top);
    EXPECT_EQ(state.ViewMode, Mode::Learning);

    // Single position: only the marked position takes a card.
    settings.UebOpt.AbfrageModus = 2;
    surface.results.clear();
    ASSERT_TRUE(run.StartExercise({}));
    ASSERT_EQ(surface.marked, std::vector<int>{top});
    EXPECT_EQ(detailLines().back(),
              QStringLiteral("00:00 - Der Position \"oben\" soll das richtige Text- oder "
                             "Bildkärtchen zugeordnet werden"));
    const FracRect& r = document.Object(bottom).CardRect;
    EXPECT_EQ(run.FindDropTarget(QPointF(r.Left + 0.01, r.Top + 0.01), QRectF()), -1);
    drop(entryOfCard(bottom), top);
    const QStringList lines = detailLines();
    EXPECT_EQ(lines[lines.size() - 2],
              QStringLiteral("00:00 - FALSCH - Der Position von \"oben\" wird das "
                             "Text-/Bildkärtchen \"unten\" zugeordnet"));
    // The next position is asked; the failed one comes again after it.
    EXPECT_EQ(surface.marked, (std::vector<int>{top, bottom}));
    drop(entryOfCard(bottom), bottom);
    EXPECT_EQ(surface.marked, (std::vector<int>{top, bottom, top}));
    drop(entryOfCard(top), top);
    EXPECT_EQ(state.ViewMode, Mode::Learning);
}

TEST_F(ExerciseRunTest, TypedAnswersWithAlternatives) {
    document.Header.DokTyp = DocumentType::GapText;
    settings.UebOpt.AbfrageModus = 3;
    std::vector<int> gaps;
    for (int i = 0; i < 5; ++i) {
        gaps.push_back(label(QStringLiteral("vier"), 0.1 + i * 0.15, 0.5, ObjectKind::Gap));
        document.Object(gaps.back()).BildKenn = QStringLiteral("|vier|Vier|4|");
    }
    label(QString(), 0.5, 0.9, ObjectKind::TableQueryPicture);
    ASSERT_TRUE(run.StartExercise({}));
    // The hidden "OK" object and no field for the picture.
    EXPECT_EQ(document.Objects.back().Typ, ObjectKind::ChoiceOk);
    EXPECT_EQ(document.Objects.back().Kx, 100.0);
    EXPECT_EQ(surface.panels, 5u);
    EXPECT_EQ(run.data().RunQueries, 5);
    surface.fields = {{0, QStringLiteral("vier")},
                      {1, QStringLiteral("Vier")},
                      {2, QStringLiteral("VIER")},
                      {3, QStringLiteral("  vier   ")},
                      {4, QStringLiteral("<4>")}};
    run.CheckAction(-1);
    EXPECT_EQ(run.data().CorrectCount, 3);
    EXPECT_EQ(run.data().FailedAttempts, 2);
    EXPECT_EQ(surface.fieldLooks[1], PanelLook::Right);
    EXPECT_EQ(surface.fieldLooks[2], PanelLook::Wrong);
    const QStringList lines = detailLines();
    EXPECT_TRUE(lines.contains(
        QStringLiteral("00:00 - RICHTIG - Texteingabe \"vier\" wurde richtig eingegeben")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "00:00 - RICHTIG - alternative Texteingabe \"Vier\" für \"vier\" eingegeben")));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("00:00 - FALSCH - Texteingabe \"VIER\" statt \"vier\" eingegeben")));
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    // A second run finds the "OK" object and adds none.
    const int count = document.ObjectCount();
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(document.ObjectCount(), count);
}

TEST_F(ExerciseRunTest, RedCrossClosesThePosition) {
    settings.UebOpt.ZuordnungFalsch = 1;
    settings.UebOpt.ZuordnungRichtig = 1;
    const int a = label(QStringLiteral("A"), 0.2, 0.2);
    const int b = label(QStringLiteral("B"), 0.2, 0.5);
    label(QStringLiteral("C"), 0.2, 0.8);
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), b);
    EXPECT_EQ(document.Object(b).State, ObjectState::Crossed);
    EXPECT_EQ(run.data().OpenCount, 2);
    // A closed position takes no card.
    const FracRect& r = document.Object(b).CardRect;
    EXPECT_EQ(run.FindDropTarget(QPointF(r.Left + 0.01, r.Top + 0.01), QRectF()), -1);
    drop(entryOfCard(a), a);
    EXPECT_EQ(document.Object(a).State, ObjectState::Ticked);
    // The closed position is neither right nor open; C still is.
    EXPECT_EQ(run.data().OpenCount, 1);
    EXPECT_DOUBLE_EQ(run.data().TotalPerformance, 1.0 / 3.0);
}

TEST_F(ExerciseRunTest, RepeatAsksOnlyWhatFailed) {
    const int a = label(QStringLiteral("A"), 0.2, 0.2);
    const int b = label(QStringLiteral("B"), 0.2, 0.5);
    const int c = label(QStringLiteral("C"), 0.2, 0.8);
    surface.resultChoices = {{true, Repeat::FailedOnly}};
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), b);
    drop(entryOfCard(a), a);
    drop(entryOfCard(b), b);
    drop(entryOfCard(c), c);
    // The result window chose to repeat what failed: target b and card a.
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(state.ViewMode, Mode::Exercise);
    EXPECT_EQ(run.data().RunQueries, 2);
    EXPECT_EQ(run.data().TotalQueries, 3);
    EXPECT_EQ(document.Object(a).State, ObjectState::Open);
    EXPECT_EQ(document.Object(b).State, ObjectState::Open);
    EXPECT_EQ(document.Object(c).State, ObjectState::Shown);
    EXPECT_EQ(document.Object(a).Nummer, 1);
    EXPECT_EQ(document.Object(b).Nummer, 2);
    EXPECT_EQ(document.Object(a).RunCounter1 + document.Object(a).RunCounter2, 0);
    EXPECT_EQ(run.data().CorrectCount, 0);
}

TEST_F(ExerciseRunTest, CompleteRunsReachTheBestListOnce) {
    QTemporaryDir lists;
    state.BestListFolder = lists.path() + QLatin1Char('/');
    document.Header.FileName = QStringLiteral("/themen/Pflanze.qdr");
    run.setComputerName(QStringLiteral("PC-7"));
    settings.OptUebNameEingabe = true;
    settings.OptErgebBestListEintragen = true;
    const int a = label(QStringLiteral("A"), 0.2, 0.2);
    const int b = label(QStringLiteral("B"), 0.2, 0.5);
    const int c = label(QStringLiteral("C"), 0.2, 0.8);
    surface.resultChoices = {{true, Repeat::FailedOnly}};
    ASSERT_TRUE(run.StartExercise({}));
    ticks += 12'000;
    drop(entryOfCard(a), b);
    drop(entryOfCard(a), a);
    drop(entryOfCard(b), b);
    drop(entryOfCard(c), c);
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_TRUE(surface.results[0].EnteredInBestList);
    EXPECT_FALSE(run.EnterInBestList()) << "not while the repeat runs";
    const QString file = lists.filePath(QStringLiteral("Pflanze.hsc"));
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Name, QStringLiteral("Ada"));
    EXPECT_EQ(entries[0].Rechner, QStringLiteral("PC-7"));
    EXPECT_EQ(entries[0].Dauer, 12'000);
    EXPECT_EQ(entries[0].Beginn, 46000.5);
    EXPECT_DOUBLE_EQ(entries[0].Leistung, 3.0 / 4.0);

    // The repeat of what failed (A and B of three) is a partial run: never entered, never
    // offered.
    ASSERT_EQ(state.ViewMode, Mode::Exercise);
    EXPECT_EQ(run.data().RunQueries, 2);
    drop(entryOfCard(a), a);
    drop(entryOfCard(b), b);
    EXPECT_FALSE(run.bestListOffered());
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    EXPECT_EQ(entries.size(), 1u);

    // Without the automatic entry a complete run offers it.
    settings.OptErgebBestListEintragen = false;
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), a);
    drop(entryOfCard(b), b);
    drop(entryOfCard(c), c);
    EXPECT_TRUE(run.bestListOffered());
    EXPECT_FALSE(surface.results.back().EnteredInBestList);
    EXPECT_TRUE(run.EnterInBestList());
    EXPECT_FALSE(run.bestListOffered());
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    EXPECT_EQ(entries.size(), 2u);
}

TEST_F(ExerciseRunTest, TimeLimitOfNothingEndsAtTheFirstTick) {
    settings.UebOpt.Zeitlimit = 1;
    settings.UebOpt.ZLimitMin = QStringLiteral("0");
    settings.UebOpt.ZLimitSek = QStringLiteral("0");
    label(QStringLiteral("A"), 0.2, 0.2);
    label(QStringLiteral("B"), 0.2, 0.5);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(surface.clock, QStringLiteral("Verbleibende Zeit: 00:00"));
    run.Tick();
    const QString text = QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
    EXPECT_TRUE(messages.texts().contains(text));
    EXPECT_EQ(detailLines().back(), QStringLiteral("00:00 - ") + text);
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.results[0].OpenCount, 2);
    EXPECT_EQ(surface.results[0].TotalPerformance, 0.0);
    EXPECT_EQ(state.ExerciseEndState, RunEnd::TimeLimit);
    EXPECT_FALSE(run.clockRunning());

    // In the input mode the fields are checked first.
    document.Header.DokTyp = DocumentType::GapText;
    settings.UebOpt.AbfrageModus = 3;
    ASSERT_TRUE(run.StartExercise({}));
    surface.fields = {{0, QStringLiteral("A")}, {1, QStringLiteral("x")}};
    run.Tick();
    ASSERT_EQ(surface.results.size(), 2u);
    EXPECT_EQ(surface.results[1].CorrectCount, 1);
    EXPECT_EQ(surface.results[1].FailedAttempts, 1);
}

TEST_F(ExerciseRunTest, ClockCountsUpWithoutLimit) {
    label(QStringLiteral("A"), 0.2, 0.2);
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(surface.clock, QStringLiteral("Benötigte Zeit: 00:00"));
    ticks += 75'400;
    run.Tick();
    EXPECT_EQ(surface.clock, QStringLiteral("Benötigte Zeit: 01:15"));
    EXPECT_EQ(run.elapsedMilliseconds(), 75'400);
}

// The clock of a new run shows from its start, whatever the last run's clock showed.
TEST_F(ExerciseRunTest, ClockOfANewRunShowsAtOnce) {
    settings.UebOpt.Zeitlimit = 1;
    settings.UebOpt.ZLimitMin = QStringLiteral("0");
    settings.UebOpt.ZLimitSek = QStringLiteral("0");
    label(QStringLiteral("A"), 0.2, 0.2);
    ASSERT_TRUE(run.StartExercise({}));
    run.Tick();
    ASSERT_EQ(surface.results.size(), 1u);
    EXPECT_EQ(surface.clock, QStringLiteral("Verbleibende Zeit: 00:00"));

    settings.UebOpt.Zeitlimit = 0;
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_EQ(surface.clock, QStringLiteral("Benötigte Zeit: 00:00"));
    EXPECT_TRUE(surface.clockVisible);
    run.AbortExercise();

    settings.UebOpt.Zeitlimit = 2;
    ASSERT_TRUE(run.StartExercise({}));
    EXPECT_FALSE(surface.clockVisible);
}

// The millisecond counter runs past 2^31 after 25 days: runs still last as long as they last.
TEST_F(ExerciseRunTest, ClockAfterWeeksOfUptime) {
    ticks = 3'000'000'000;
    settings.UebOpt.Zeitlimit = 1;
    settings.UebOpt.ZLimitMin = QStringLiteral("3");
    settings.UebOpt.ZLimitSek = QStringLiteral("0");
    label(QStringLiteral("A"), 0.2, 0.2);
    ASSERT_TRUE(run.StartExercise({}));
    ticks += 1000;
    run.Tick();
    EXPECT_TRUE(run.clockRunning());
    EXPECT_EQ(surface.clock, QStringLiteral("Verbleibende Zeit: 02:59"));
    EXPECT_EQ(run.elapsedMilliseconds(), 1000);
    EXPECT_TRUE(surface.results.empty());
}

TEST_F(ExerciseRunTest, AbortShowsEveryCaption) {
    const int a = label(QStringLiteral("A"), 0.2, 0.2);
    const int b = label(QStringLiteral("B"), 0.2, 0.5);
    settings.UebOpt.ZuordnungFalsch = 1;
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), b);
    messages.queueAnswer(Answer::No);
    run.AbortExercise();
    EXPECT_EQ(state.ViewMode, Mode::Exercise);
    messages.queueAnswer(Answer::Yes);
    run.AbortExercise();
    EXPECT_EQ(state.ViewMode, Mode::Learning);
    EXPECT_EQ(document.Object(a).State, ObjectState::Shown);
    EXPECT_EQ(document.Object(b).State, ObjectState::Shown);
    EXPECT_FALSE(run.clockRunning());
    EXPECT_TRUE(surface.results.empty());
}

TEST_F(ExerciseRunTest, StartsThatAreRefused) {
    // Nothing to ask is said before the settings would be offered.
    EXPECT_FALSE(run.StartExercise({.showDialog = true}));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_EQ(state.ViewMode, Mode::Learning);

    label(QStringLiteral("A"), 0.2, 0.2);
    surface.settingsAnswer = false;
    EXPECT_FALSE(run.StartExercise({.showDialog = true}));
    EXPECT_FALSE(run.SettingsCommand());
    EXPECT_EQ(state.ViewMode, Mode::Learning);

    state.ExerciseKind = Participation::Initiator;
    EXPECT_FALSE(run.StartExercise({}));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst "
                             "beendet werden muss. Daher kann im Moment keine eigene Übung "
                             "gestartet werden."));
    state.ExerciseKind = Participation::Participant;
    EXPECT_FALSE(run.StartExercise({}));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine "
                             "eigene Übung starten zu können."));
    state.ExerciseKind = Participation::Individual;

    surface.settingsAnswer = true;
    ASSERT_TRUE(run.IndividualExerciseCommand());
    EXPECT_FALSE(run.IndividualExerciseCommand());
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung "
                             "abbrechen\", um die aktuelle Übung vorzeitig abzubrechen."));
    EXPECT_FALSE(run.SettingsCommand());
    EXPECT_EQ(
        messages.texts().back(),
        QStringLiteral("Die Übungseinstellungen können nicht während der Übung geändert werden."));
}

TEST_F(ExerciseRunTest, MissingSoundIsReportedAndTheRunGoesOn) {
    QFile::remove(sounds.filePath(QStringLiteral("falsch1.wav")));
    const int a = label(QStringLiteral("A"), 0.2, 0.2);
    const int b = label(QStringLiteral("B"), 0.2, 0.5);
    ASSERT_TRUE(run.StartExercise({}));
    drop(entryOfCard(a), b);
    EXPECT_EQ(messages.texts().back(), QStringLiteral("Sounddatei \"falsch1\" nicht gefunden."));
    EXPECT_EQ(run.data().FailedAttempts, 1);
    // Sound switched off: nothing plays and nothing is missed.
    settings.OptSound = false;
    const size_t shown = messages.texts().size();
    drop(entryOfCard(a), b);
    EXPECT_EQ(messages.texts().size(), shown);
}

} // namespace
} // namespace quindor
