#include "app/exercise_status_panel.h"

#include "exercise/grading.h"

#include <QFormLayout>

namespace quindor {

ExerciseStatusPanel::ExerciseStatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("UebStatusPan"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(6, 6, 6, 6);
    form->setVerticalSpacing(3);
    const auto row = [&](const QString& label, const char* name) {
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(name));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        form->addRow(label, value);
        return value;
    };
    name_ = row(QStringLiteral("Name:"), "NameValue");
    correct_ = row(QStringLiteral("Richtig gelöst:"), "RichtigValue");
    failed_ = row(QStringLiteral("Fehlversuche:"), "FehlValue");
    quota_ = row(QStringLiteral("Akt. Erfolgsquote:"), "QuoteValue");
    performance_ = row(QStringLiteral("Gesamtleistung:"), "LeistungValue");
    clockLabel_ = new QLabel(QStringLiteral("Benötigte Zeit:"), this);
    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("ZeitValue"));
    QFont big = clock_->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    clock_->setFont(big);
    form->addRow(clockLabel_, clock_);
}

void ExerciseStatusPanel::setStatistics(const UebDataTyp& run, int exerciseKind,
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
