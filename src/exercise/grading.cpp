#include "exercise/grading.h"

#include "core/colour.h"
#include "core/rounding.h"

#include <QFont>
#include <QPainter>

namespace quindor {

namespace {

const std::array<const char*, 6> kGradeWords = {"sehr gut",    "gut",        "befriedigend",
                                                "ausreichend", "mangelhaft", "ungenügend"};

QString Percent(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString Count(double count, bool multipleChoice) {
    return QString::number(count, 'f', multipleChoice ? 2 : 0);
}

} // namespace

GradeScale ScaleOf(const UebDataTyp& run) {
    return {run.NoteMinQuote, run.PunkteMinQuote, run.BewertSkala};
}

void RefreshStatistics(UebDataTyp& run) {
    const double tried = run.CorrectCount + run.FailedAttempts;
    run.SuccessQuota = tried > 0 ? run.CorrectCount / tried : 0.0;
    const double all = tried + run.OpenCount;
    run.TotalPerformance = all > 0 ? run.CorrectCount / all : 0.0;
}

int GradeOf(double performance, const GradeScale& scale) {
    const auto& grades = scale.NoteMinQuote;
    switch (scale.BewertSkala) {
    case 1:
    case 3: {
        for (int g = 1; g <= 4; ++g) {
            if (performance >= grades[static_cast<size_t>(g)])
                return scale.BewertSkala == 1 ? g : 6 - g;
        }
        return scale.BewertSkala == 1 ? 5 : 1;
    }
    case 2:
        for (int n = 15; n >= 0; --n) {
            if (performance >= scale.PunkteMinQuote[static_cast<size_t>(n)])
                return n;
        }
        return 0;
    default:
        for (int g = 1; g <= 5; ++g) {
            if (performance >= grades[static_cast<size_t>(g)])
                return g;
        }
        return 6;
    }
}

QString GradeWord(int grade, int bewertSkala) {
    int index = grade - 1;
    if (bewertSkala == 2)
        index = (18 - grade) / 3 - 1;
    else if (bewertSkala == 3)
        index = 5 - grade;
    if (index < 0 || index > 5)
        return QString();
    return QString::fromUtf8(kGradeWords[static_cast<size_t>(index)]);
}

QString UnitWord(int bewertSkala) {
    return bewertSkala == 2 ? QStringLiteral("Punkte") : QStringLiteral("Note");
}

QColor GradeColour(int wordIndex) {
    static constexpr std::array<WinColor, 6> kColours = {
        MakeWinColor(0, 255, 0),   MakeWinColor(191, 255, 0), MakeWinColor(255, 255, 0),
        MakeWinColor(255, 224, 0), MakeWinColor(255, 160, 0), MakeWinColor(255, 0, 0)};
    return ToQColor(kColours[static_cast<size_t>(std::clamp(wordIndex, 0, 5))]);
}

StatisticsTexts StatisticsTextsOf(const UebDataTyp& run, Participation exerciseKind,
                                  bool multipleChoice) {
    StatisticsTexts texts;
    texts.name = exerciseKind == Participation::Participant ? run.ParticipantName : run.LearnerName;
    if (texts.name.trimmed().isEmpty())
        texts.name = QStringLiteral("-");
    texts.correct = Count(run.CorrectCount, multipleChoice);
    texts.failed = Count(run.FailedAttempts, multipleChoice);
    texts.quota = Percent(run.SuccessQuota);
    texts.performance = Percent(run.TotalPerformance);
    return texts;
}

QString CorrectOfText(const UebDataTyp& run, bool multipleChoice) {
    return Count(run.CorrectCount, multipleChoice) + QStringLiteral("  von  ") +
           QString::number(run.RunQueries);
}

std::optional<QString> CheckGradeScaleFields(const std::array<double, 6>& grades,
                                             const std::array<double, 16>& points) {
    const QString range = QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n");
    const auto outOfOrder = [](double first, double second) {
        return first < 0.0 || first > 100.0 || first < second;
    };
    for (int g = 1; g <= 5; ++g) {
        if (outOfOrder(grades[static_cast<size_t>(g - 1)], grades[static_cast<size_t>(g)])) {
            return range + QStringLiteral("Der Wert für Note %1 darf nicht kleiner sein als der "
                                          "Wert für Note %2.")
                               .arg(g)
                               .arg(g + 1);
        }
    }
    for (int n = 15; n >= 1; --n) {
        if (outOfOrder(points[static_cast<size_t>(n)], points[static_cast<size_t>(n - 1)])) {
            return range + QStringLiteral("Der Wert für %1 Punkte darf nicht kleiner sein als der "
                                          "Wert für %2 Punkte.")
                               .arg(n)
                               .arg(n - 1);
        }
    }
    return std::nullopt;
}

void DrawGradeScalePicture(QPainter& painter, QSize size, const GradeScale& scale,
                           double performance) {
    const int barLeft = RoundHalfEven(size.width() * 0.4);
    const int barRight = RoundHalfEven(size.width() * 0.6);
    const int top = 12;
    const int usable = size.height() - 24;
    const auto yOf = [&](double v) { return top + RoundHalfEven((1.0 - v) * usable); };

    QFont small(QStringLiteral("Arial"));
    small.setPointSize(7);
    small.setBold(true);
    painter.save();
    painter.setFont(small);
    const auto band = [&](double upper, double lower, int colourIndex, int label) {
        const QRect rect(QPoint(barLeft, yOf(upper)), QPoint(barRight - 1, yOf(lower)));
        painter.fillRect(rect, GradeColour(colourIndex));
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, QString::number(label));
    };
    const auto tick = [&](double v) {
        const int y = yOf(v);
        painter.setPen(Qt::black);
        painter.drawLine(barLeft - 4, y, barLeft - 1, y);
        const QString text = QString::number(RoundHalfEven(v * 100.0)) + QLatin1Char('%');
        painter.drawText(QRect(0, y - 8, barLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter, text);
    };

    if (scale.BewertSkala == 2) {
        const auto& q = scale.PunkteMinQuote;
        for (int n = 15; n >= 0; --n)
            band(q[static_cast<size_t>(n + 1)], q[static_cast<size_t>(n)], (18 - n) / 3 - 1, n);
        for (int n = 16; n >= 0; --n)
            tick(q[static_cast<size_t>(n)]);
    } else {
        std::array<double, 7> q = scale.NoteMinQuote;
        // The five-grade scales end with grade 5: its band reaches down to 0 %.
        if (scale.BewertSkala == 1 || scale.BewertSkala == 3)
            q[5] = 0.0;
        for (int g = 1; g <= 6; ++g) {
            if (q[static_cast<size_t>(g - 1)] != q[static_cast<size_t>(g)])
                band(q[static_cast<size_t>(g - 1)], q[static_cast<size_t>(g)], g - 1,
                     scale.BewertSkala == 3 ? 6 - g : g);
        }
        for (double v : q)
            tick(v);
    }

    const int y = yOf(performance);
    painter.setPen(Qt::black);
    painter.drawLine(barRight, y, barRight + 10, y);
    QFont mark(QStringLiteral("Arial"));
    mark.setPointSize(8);
    mark.setBold(true);
    painter.setFont(mark);
    painter.drawText(QRect(barRight + 15, y - 10, std::max(0, size.width() - barRight - 15), 20),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(performance * 100.0, 'f', 1) + QLatin1Char('%'));
    painter.restore();
}

} // namespace quindor
