#include "exercise/exercise_options.h"
#include "exercise/exercise_texts.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(ExerciseOptions, EachTypeTakesItsOwnDialog) {
    Settings settings;
    settings.UebOpt = {3, 1, QStringLiteral("2"), QStringLiteral("30"), 1, 1, 0, 2, true};
    settings.UebOptFragen.ZuordnungFalsch = 1;
    settings.UebOptFragen.Zuordnungstexte = 0;
    settings.UebOptFragen.Zuordnungsziele = 0;
    settings.UebOptKorb.AbfrageModus = 1;
    settings.BewertSkala = 2;
    settings.NoteMinQuote[1] = 0.9;

    UebDataTyp run;
    TakeOptions(settings, DocumentType::GapText, run);
    EXPECT_EQ(run.AbfrageModusItemIndex, 3);
    EXPECT_EQ(run.ZeitLimitIndex, 1);
    EXPECT_EQ(run.ZeitLimitWert, 150);
    EXPECT_EQ(run.ZuordnungRichtigItemIndex, 1);
    EXPECT_EQ(run.ZuordnungFalschItemIndex, 1);
    EXPECT_EQ(run.ZuordnungstexteItemIndex, 0);
    EXPECT_EQ(run.ZuordnungszieleItemIndex, 2);
    EXPECT_EQ(run.AnzZeichenVorgeben, 1);
    EXPECT_EQ(run.BewertSkala, 2);
    EXPECT_EQ(run.NoteMinQuote[1], 0.9);

    TakeOptions(settings, DocumentType::MultipleChoice, run);
    EXPECT_EQ(run.AbfrageModusItemIndex, 0);
    EXPECT_EQ(run.ZuordnungRichtigItemIndex, 0);
    EXPECT_EQ(run.ZuordnungFalschItemIndex, 1);
    EXPECT_EQ(run.ZuordnungstexteItemIndex, 0);
    EXPECT_EQ(run.AnzZeichenVorgeben, 0);

    TakeOptions(settings, DocumentType::Cluster, run);
    EXPECT_EQ(run.AbfrageModusItemIndex, 1);
    EXPECT_EQ(run.ZuordnungstexteItemIndex, 1);
    EXPECT_EQ(run.ZuordnungszieleItemIndex, 2);

    // Cross-matching always runs with the fixed values.
    TakeOptions(settings, DocumentType::CrossMatching, run);
    EXPECT_EQ(run.AbfrageModusItemIndex, 0);
    EXPECT_EQ(run.ZuordnungstexteItemIndex, 1);
    EXPECT_EQ(run.ZuordnungszieleItemIndex, 2);
    EXPECT_EQ(run.ZeitLimitIndex, 0);
    EXPECT_EQ(run.ZeitLimitWert, 180);
}

TEST(ExerciseOptions, TimeLimitFromTheTypedFields) {
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("0"), QStringLiteral("0")), 0);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("59"), QStringLiteral("59")), 3599);
    EXPECT_EQ(TimeLimitSeconds(QString(), QStringLiteral("7")), 7);
    // Stored values are only as good as the store: nothing outside 0 to 59 counts.
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("99999999"), QStringLiteral("5")), 5);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("2"), QStringLiteral("60")), 120);
    EXPECT_EQ(TimeLimitSeconds(QStringLiteral("-3"), QStringLiteral("+4")), 0);
}

TEST(ExerciseTexts, ClockAndLines) {
    EXPECT_EQ(ClockText(0), QStringLiteral("00:00"));
    EXPECT_EQ(ClockText(75), QStringLiteral("01:15"));
    EXPECT_EQ(ClockText(100 * 60 + 5), QStringLiteral("100:05"));
    EXPECT_EQ(InstructionText(DocumentType::GapText, QueryMode::Typing),
              QStringLiteral("Fülle die Textlücken richtig aus!"));
    EXPECT_EQ(InstructionText(DocumentType::Labelling, QueryMode::Free),
              QStringLiteral("Ziehe die Kärtchen an die jeweils richtige Position!"));
    EXPECT_EQ(RightLine(DocumentType::GapText, QueryMode::SinglePosition, QStringLiteral("a"),
                        QStringLiteral("b")),
              QStringLiteral("RICHTIG - Der Lücke \"b\" wird der richtige Lückentext zugeordnet"));
    EXPECT_EQ(WrongLine(DocumentType::GapText, QueryMode::SingleCard, QStringLiteral("a"),
                        QStringLiteral("b")),
              QStringLiteral("FALSCH - Lückentext \"a\" wird der Lücke von \"b\" zugeordnet"));
    EXPECT_EQ(
        WrongLine(DocumentType::Cluster, QueryMode::SingleCard, QStringLiteral("a"), QString()),
        QStringLiteral("FALSCH - Text-/Bildkärtchen \"a\" wird dem falschen Korb  "
                       "zugeordnet"));
    EXPECT_EQ(PresentCardLine(DocumentType::GapText, QStringLiteral("Osten")),
              QStringLiteral("Lückentext \"Osten\" soll der richtigen Lücke zugeordnet werden"));
}

} // namespace
} // namespace quindor
