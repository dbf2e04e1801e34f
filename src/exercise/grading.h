#pragma once

#include "core/program_state.h"
#include "exercise/run_state.h"

#include <QColor>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace quindor {

// The grade scale as the settings and the run keep it.
struct GradeScale {
    std::array<double, 7> NoteMinQuote{};
    std::array<double, 17> PunkteMinQuote{};
    int BewertSkala = 0;
};

GradeScale ScaleOf(const UebDataTyp& run);

// Success quota and total performance of the run from its counters.
void RefreshStatistics(UebDataTyp& run);
// The grade (scales 0, 1, 3) or the points (scale 2) for a total performance.
int GradeOf(double performance, const GradeScale& scale);
// "sehr gut" ... "ungenügend" for a grade or points of the scale.
QString GradeWord(int grade, int bewertSkala);
// The word that names what GradeOf gives: "Note" or "Punkte".
QString UnitWord(int bewertSkala);
// Colour of grade word index 0 ("sehr gut") to 5 ("ungenügend").
QColor GradeColour(int wordIndex);

// Texts of the status display and the result window.
struct StatisticsTexts {
    QString name;
    QString correct;
    QString failed;
    QString quota;
    QString performance;
};
// Counts with two decimals on multiple-choice documents, without otherwise; percentages
// with one decimal and " %"; always a decimal point.
StatisticsTexts StatisticsTextsOf(const UebDataTyp& run, Participation exerciseKind,
                                  bool multipleChoice);
// "Richtig gelöst:" of the result window: the count, two blanks, "von  " and the queries.
QString CorrectOfText(const UebDataTyp& run, bool multipleChoice);

// The grade-scale dialog's check of its fields in percent: grades 1 to 6 (index 0 to 5) and
// points 0 to 15. The error text of the first pair out of order, or nothing.
std::optional<QString> CheckGradeScaleFields(const std::array<double, 6>& grades,
                                             const std::array<double, 16>& points);

// The scale picture of the result window with the performance marked, into a picture of the
// given size (the caller has filled the background).
void DrawGradeScalePicture(QPainter& painter, QSize size, const GradeScale& scale,
                           double performance);

} // namespace quindor
