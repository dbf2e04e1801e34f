// The sample questions, multiple-choice quizzes, baskets and pairs can be solved in every mode
// their settings offer, in runs without a window.
#include "layouts/document_layouts.h"

#include "support/solving_run.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QString kSamples = QStringLiteral(QUINDOR_SAMPLES_DIR);

TEST(SampleRuns, QuestionsChoicesBasketsAndPairsAreSolvedInEveryMode) {
    for (const char* sample : {"06_Einzelfragen.qdr", "07_Verkehrszeichen-Quiz.qdr",
                               "08_Bilder-Quiz.qdr", "09_Sortieren.qdr", "10_Zuordnen.qdr"}) {
        const QString name = QLatin1String(sample);
        test::SessionFixture probe;
        ASSERT_TRUE(probe.session.LoadDocument(QDir(kSamples).filePath(name), false));
        const auto modes = test::QueryModesOf(probe.session.header().DokTyp);
        for (size_t mode = 0; mode < modes.size(); ++mode) {
            test::SessionFixture f;
            RegisterLayouts(f.session.layouts(), f.state);
            ASSERT_TRUE(f.session.LoadDocument(QDir(kSamples).filePath(name), false));
            const test::SolvedRun run = test::SolveExercise(f, modes[mode]);
            ASSERT_TRUE(run.started) << sample << " mode " << mode;
            EXPECT_GT(run.queries, 0);
            ASSERT_EQ(run.results.size(), 1u) << sample << " mode " << mode;
            const UebDataTyp& result = run.results[0];
            EXPECT_EQ(result.OpenCount, 0) << sample << " mode " << mode;
            EXPECT_EQ(result.CorrectCount, run.queries) << sample << " mode " << mode;
            EXPECT_EQ(result.FailedAttempts, 0) << sample << " mode " << mode;
            EXPECT_TRUE(f.messages.texts().isEmpty()) << sample;
        }
    }
}

} // namespace
} // namespace quindor
