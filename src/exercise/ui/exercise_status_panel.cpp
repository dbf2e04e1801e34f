#include "exercise/ui/exercise_status_panel.h"

#include "exercise/grading.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quindor {

ExerciseStatusPanel::ExerciseStatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("UebStatusPan"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The tool column is narrow: small labels, the values bold beside them, the clock below.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(5, 5, 5, 5);
    rows->setSpacing(2);
    // Each row on its own: a value takes whatever its own label leaves, and one still too
    // wide (the two-decimal counts of multiple choice) breaks at a blank instead of pushing
    // the label out.
    const auto add = [&](const QString& label, const char* name) {
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        QFont bold = small;
        bold.setBold(true);
        value->setFont(bold);
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* caption = new QLabel(label, this);
        caption->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(caption);
        row->addWidget(value, 1);
        rows->addLayout(row);
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
    rows->addWidget(clockLabel_);
    rows->addWidget(clock_, 0, Qt::AlignRight);
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
