#include "exercise/grading.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

GradeScale Scale(int bewertSkala) {
    UebDataTyp defaults;
    GradeScale scale = ScaleOf(defaults);
    scale.BewertSkala = bewertSkala;
    return scale;
}

TEST(Statistics, QuotaAndPerformanceOfARun) {
    UebDataTyp run;
    run.CorrectCount = 8;
    run.FailedAttempts = 2;
    run.OpenCount = 2;
    run.RunQueries = 10;
    RefreshStatistics(run);
    const StatisticsTexts texts = StatisticsTextsOf(run, Participation::Individual, false);
    EXPECT_EQ(texts.quota, QStringLiteral("80.0 %"));
    EXPECT_EQ(texts.performance, QStringLiteral("66.7 %"));
    EXPECT_EQ(texts.correct, QStringLiteral("8"));
    EXPECT_EQ(texts.failed, QStringLiteral("2"));
    EXPECT_EQ(CorrectOfText(run, false), QStringLiteral("8  von  10"));
    const int grade = GradeOf(run.TotalPerformance, Scale(0));
    EXPECT_EQ(grade, 3);
    EXPECT_EQ(GradeWord(grade, 0), QStringLiteral("befriedigend"));

    // Multiple choice counts in fractions.
    run.CorrectCount = 2.5;
    EXPECT_EQ(StatisticsTextsOf(run, Participation::Individual, true).correct,
              QStringLiteral("2.50"));
    EXPECT_EQ(CorrectOfText(run, true), QStringLiteral("2.50  von  10"));
}

TEST(Statistics, ARunWithoutActionsScoresNothing) {
    UebDataTyp run;
    run.SuccessQuota = 0.5;
    run.TotalPerformance = 0.5;
    RefreshStatistics(run);
    EXPECT_EQ(run.SuccessQuota, 0.0);
    EXPECT_EQ(run.TotalPerformance, 0.0);
    EXPECT_EQ(StatisticsTextsOf(run, Participation::Individual, false).quota,
              QStringLiteral("0.0 %"));
    EXPECT_EQ(GradeOf(0.0, Scale(0)), 6);
    EXPECT_EQ(GradeOf(0.0, Scale(1)), 5);
    EXPECT_EQ(GradeOf(0.0, Scale(2)), 0);
    EXPECT_EQ(GradeOf(0.0, Scale(3)), 1);
}

TEST(Statistics, NameOfTheLearnerOrADash) {
    UebDataTyp run;
    run.LearnerName = QStringLiteral("  Ada ");
    EXPECT_EQ(StatisticsTextsOf(run, Participation::Individual, false).name,
              QStringLiteral("  Ada "));
    run.LearnerName = QStringLiteral("   ");
    EXPECT_EQ(StatisticsTextsOf(run, Participation::Individual, false).name, QStringLiteral("-"));
    run.ParticipantName = QStringLiteral("Tisch 3");
    EXPECT_EQ(StatisticsTextsOf(run, Participation::Participant, false).name,
              QStringLiteral("Tisch 3"));
}

TEST(Grades, ThresholdsCountAsReached) {
    EXPECT_EQ(GradeOf(0.85, Scale(0)), 1);
    EXPECT_EQ(GradeOf(0.8499, Scale(0)), 2);
    EXPECT_EQ(GradeOf(0.25, Scale(0)), 5);
    EXPECT_EQ(GradeOf(0.2499, Scale(0)), 6);
    EXPECT_EQ(GradeWord(6, 0), QStringLiteral("ungenügend"));
    // Five grades: below 40 % is grade 5.
    EXPECT_EQ(GradeOf(0.39, Scale(1)), 5);
    EXPECT_EQ(GradeWord(5, 1), QStringLiteral("mangelhaft"));
}

TEST(Grades, FiveIsBestOnScaleThree) {
    EXPECT_EQ(GradeOf(0.30, Scale(3)), 1);
    EXPECT_EQ(GradeWord(1, 3), QStringLiteral("mangelhaft"));
    EXPECT_EQ(GradeOf(0.90, Scale(3)), 5);
    EXPECT_EQ(GradeWord(5, 3), QStringLiteral("sehr gut"));
    EXPECT_EQ(UnitWord(3), QStringLiteral("Note"));
}

TEST(Grades, PointsAndTheirWords) {
    EXPECT_EQ(GradeOf(0.5, Scale(2)), 6);
    EXPECT_EQ(GradeWord(6, 2), QStringLiteral("ausreichend"));
    EXPECT_EQ(GradeOf(0.2, Scale(2)), 0);
    EXPECT_EQ(GradeWord(0, 2), QStringLiteral("ungenügend"));
    EXPECT_EQ(GradeOf(1.0, Scale(2)), 15);
    EXPECT_EQ(GradeOf(0.95, Scale(2)), 15);
    EXPECT_EQ(GradeOf(0.9499, Scale(2)), 14);
    const std::vector<std::pair<int, const char*>> words = {
        {15, "sehr gut"},    {13, "sehr gut"},    {12, "gut"},        {10, "gut"},
        {9, "befriedigend"}, {7, "befriedigend"}, {6, "ausreichend"}, {4, "ausreichend"},
        {3, "mangelhaft"},   {1, "mangelhaft"},   {0, "ungenügend"}};
    for (const auto& [points, word] : words)
        EXPECT_EQ(GradeWord(points, 2), QString::fromUtf8(word)) << points;
    EXPECT_EQ(UnitWord(2), QStringLiteral("Punkte"));
    EXPECT_EQ(UnitWord(0), QStringLiteral("Note"));
}

TEST(GradeScaleFields, TheFirstPairOutOfOrderIsNamed) {
    const std::array<double, 6> grades = {85, 70, 55, 40, 25, 0};
    std::array<double, 16> points{};
    for (int n = 1; n <= 15; ++n)
        points[static_cast<size_t>(n)] = 20 + 5 * n;
    EXPECT_FALSE(CheckGradeScaleFields(grades, points));

    EXPECT_EQ(CheckGradeScaleFields({70, 85, 55, 40, 25, 0}, points),
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                             "Der Wert für Note 1 darf nicht kleiner sein als der Wert für Note "
                             "2."));
    EXPECT_EQ(CheckGradeScaleFields({101, 70, 55, 40, 25, 0}, points)->right(45),
              QStringLiteral("Wert für Note 1 darf nicht kleiner sein als der Wert für Note 2.")
                  .right(45));
    // Equal neighbours are allowed (an empty band); a negative value is not.
    EXPECT_FALSE(CheckGradeScaleFields({85, 85, 55, 40, 0, 0}, points));
    EXPECT_EQ(CheckGradeScaleFields({85, 70, 55, 40, -1, 0}, points),
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                             "Der Wert für Note 5 darf nicht kleiner sein als der Wert für Note "
                             "6."));

    // The grades are checked first; then the points from the top.
    std::array<double, 16> wrongPoints = points;
    wrongPoints[3] = wrongPoints[4] + 1;
    EXPECT_EQ(CheckGradeScaleFields({70, 85, 55, 40, 25, 0}, wrongPoints)->contains(u"Note 1"),
              true);
    EXPECT_EQ(CheckGradeScaleFields(grades, wrongPoints),
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                             "Der Wert für 4 Punkte darf nicht kleiner sein als der Wert für 3 "
                             "Punkte."));
    wrongPoints = points;
    wrongPoints[15] = 100.5;
    EXPECT_EQ(CheckGradeScaleFields(grades, wrongPoints),
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n"
                             "Der Wert für 15 Punkte darf nicht kleiner sein als der Wert für 14 "
                             "Punkte."));
}

// The bar's colours at the middle of each band, and the empty sixth band of scale 1.
TEST(GradeScalePicture, BandsInTheirColours) {
    const QSize size(200, 224); // usable height 200
    const auto render = [&](int bewertSkala, double performance) {
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        DrawGradeScalePicture(painter, size, Scale(bewertSkala), performance);
        return picture;
    };
    const auto yOf = [](double v) { return 12 + static_cast<int>(std::lround((1 - v) * 200)); };
    const QImage grades = render(0, 0.667);
    // Left of the label in the middle of the bar, inside the band between 85 % and 70 %.
    EXPECT_EQ(grades.pixelColor(84, yOf(0.775)), GradeColour(1));
    EXPECT_EQ(grades.pixelColor(84, yOf(0.125)), GradeColour(5));
    EXPECT_EQ(grades.pixelColor(84, yOf(0.925)), GradeColour(0));
    // The performance mark right of the bar.
    EXPECT_EQ(grades.pixelColor(125, yOf(0.667)), QColor(Qt::black));

    const QImage five = render(1, 0.5);
    EXPECT_EQ(five.pixelColor(84, yOf(0.125)), GradeColour(4));

    const QImage points = render(2, 0.5);
    EXPECT_EQ(points.pixelColor(84, yOf(0.975)), GradeColour(0)); // 15 points
    EXPECT_EQ(points.pixelColor(84, yOf(0.125)), GradeColour(5)); // 0 points
}

} // namespace
} // namespace quindor
