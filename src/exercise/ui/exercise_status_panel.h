#pragma once

#include "core/program_state.h"
#include "exercise/run_state.h"

#include <QFrame>
#include <QLabel>

namespace quindor {

// The status of a run beside the exercise ("UebStatusPan"): the learner, the counts, the
// quotas and the clock.
class ExerciseStatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit ExerciseStatusPanel(QWidget* parent = nullptr);

    void setStatistics(const UebDataTyp& run, Participation exerciseKind, bool multipleChoice);
    void setClock(const QString& label, const QString& text, bool visible);
    QString clockLabel() const { return clockLabel_->text(); }
    QString clockText() const { return clock_->text(); }
    QLabel* value(const QString& name) const { return findChild<QLabel*>(name); }

private:
    QLabel* name_;
    QLabel* correct_;
    QLabel* failed_;
    QLabel* quota_;
    QLabel* performance_;
    QLabel* clockLabel_;
    QLabel* clock_;
};

} // namespace quindor
