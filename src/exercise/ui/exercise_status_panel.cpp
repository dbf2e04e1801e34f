#include "exercise/ui/exercise_status_panel.h"

#include "exercise/grading.h"

#include <QGridLayout>

namespace quindor {

ExerciseStatusPanel::ExerciseStatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("UebStatusPan"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The tool column is narrow: small labels, the values bold beside them, the clock below.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int row = 0;
    const auto add = [&](const QString& label, const char* name) {
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        QFont bold = small;
        bold.setBold(true);
        value->setFont(bold);
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(value, row, 1, Qt::AlignRight);
        ++row;
        return value;
    };
    name_ = add(QStringLiteral("Name:"), "NameValue");
    correct_ = add(QStringLiteral("Richtig gelöst:"), "RichtigValue");
    failed_ = add(QStringLiteral("Fehlversuche:"), "FehlValue");
    quota_ = add(QStringLiteral("Akt. Erfolgsquote:"), "QuoteValue");
    performance_ = add(QStringLiteral("Gesamtleistung:"), "LeistungValue");
    clockLabel_ = new QLabel(QStringLiteral("Benötigte Zeit:"), this);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("ZeitValue"));
    QFont big = small;
    big.setBold(true);
    big.setPointSize(14);
    clock_->setFont(big);
    // The clock is wide: it gets a row of its own below its label.
    grid->addWidget(clockLabel_, row, 0, 1, 2);
    grid->addWidget(clock_, row + 1, 0, 1, 2, Qt::AlignRight);
    // The labels keep their whole text; the values take what is left.
    grid->setColumnStretch(1, 1);
    for (int r = 0; r < row; ++r) {
        if (QWidget* label = grid->itemAtPosition(r, 0)->widget())
            label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    }
}

void ExerciseStatusPanel::setStatistics(const UebDataTyp& run, Participation exerciseKind,
                                        bool multipleChoice) {
    const StatisticsTexts texts = StatisticsTextsOf(run, exerciseKind, multipleChoice);
    name_->setText(texts.name);
    correct_->setText(texts.correct + QStringLiteral(" von  ") + QString::number(run.RunQueries));
    failed_->setText(texts.failed);
    quota_->setText(texts.quota);
    performance_->setText(texts.performance);
}

void ExerciseStatusPanel::setClock(const QString& label, const QString& text, bool visible) {
    clockLabel_->setText(label);
    if (clock_->text() != text)
        clock_->setText(text);
    clockLabel_->setVisible(visible);
    clock_->setVisible(visible);
}

} // namespace quindor
