#pragma once

#include "core/program_state.h"
#include "exercise/exercise_surface.h"
#include "exercise/run_state.h"
#include "settings/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace quindor {

class Messages;

// A radio group whose value is the index of the chosen item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
               QWidget* parent = nullptr);
    int value() const { return buttons_->checkedId(); }
    void setValue(int value);
    void setItemText(int index, const QString& text);
    QAbstractButton* item(int index) const { return buttons_->button(index); }

signals:
    void changed(int value);

private:
    QButtonGroup* buttons_;
};

// The exercise settings of one document family: TUebOptForm (types 0, 1), TUebOptFragenForm
// (2, 3), TUebOptKorbForm (4) and TUebOptKreuzverbindungForm (5). The dialog shows the
// settings' options and writes every change back when it closes, whichever button closed it;
// "Übung starten" accepts it.
class ExerciseOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ExerciseOptionsDialog(OptionsFamily family, Settings& settings, QWidget* parent = nullptr);
    // Shows the dialog for a document of this type; true for "Übung starten".
    bool showFor(DocumentType type);
    // The same for a network exercise: "Netzwerk-" before the caption and the initiation note
    // in place of the show-before-start check box, both undone when the dialog closes.
    bool showForNetwork(DocumentType type);
    QLabel* networkNote() const { return networkNote_; }
    bool extended() const { return extended_; }

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void addTimeLimit(const QString& limitedItem);
    void load(DocumentType type);
    void store();
    void setExtended(bool extended);
    void queryModeChanged(int mode);
    void fitTexts();

    OptionsFamily family_;
    Settings& settings_;
    bool extended_ = false;
    RadioGroup* queryMode_ = nullptr;
    QLabel* queryModeNote_ = nullptr;
    RadioGroup* timeLimit_ = nullptr;
    QLineEdit* minutes_ = nullptr;
    QLineEdit* seconds_ = nullptr;
    RadioGroup* richtig_ = nullptr;
    RadioGroup* falsch_ = nullptr;
    RadioGroup* texte_ = nullptr;
    RadioGroup* ziele_ = nullptr;
    QWidget* extendedGroups_ = nullptr;
    QWidget* typingPanel_ = nullptr;
    QCheckBox* anzZeichen_ = nullptr;
    QCheckBox* showBefore_ = nullptr;
    QLabel* networkNote_ = nullptr;
    QString caption_;
    QPushButton* extendButton_ = nullptr;
};

// "Teilnehmername eingeben": the learner's name before a run; keeps the previous one.
QString AskLearnerName(QWidget* parent, const QString& previous);

// What the result window can do besides leaving: the best list of the exercise, and the
// entry of this run when it is offered (false when it failed).
struct ResultActions {
    std::function<void()> showProtocol;
    std::function<void()> showBestList;
    bool offerEntry = false;
    std::function<bool()> enterInBestList;
    // After a failed entry: the folders, so the learner can put the list somewhere writable.
    std::function<void()> folderDialog;
};

// The result window "Übung beendet". Returns how the learner left it.
ResultChoice ShowResultWindow(QWidget* parent, const UebDataTyp& run, Participation exerciseKind,
                              bool multipleChoice, const QString& clockLabel,
                              const QString& clockText, const ResultActions& actions = {});

// The grade-scale dialog; stores into the settings on a valid "OK".
class GradeScaleDialog : public QDialog {
    Q_OBJECT
public:
    GradeScaleDialog(Settings& settings, Messages& messages, QWidget* parent = nullptr);
    QLineEdit* gradeField(int grade) const { return grades_[static_cast<size_t>(grade - 1)]; }
    QLineEdit* pointsField(int points) const { return points_[static_cast<size_t>(points)]; }
    RadioGroup* scale() const { return scale_; }
    // "OK": checks the fields and stores them; an error keeps the dialog open.
    void accept() override;

private:
    void updateLabels();

    Settings& settings_;
    Messages& messages_;
    std::array<QLineEdit*, 6> grades_{};
    std::array<QLabel*, 6> gradeLabels_{};
    std::array<QLineEdit*, 16> points_{};
    RadioGroup* scale_;
};

// Percent with one decimal and a decimal comma, as the dialog shows it.
QString PercentField(double fraction);
// A percentage typed with a comma or a point; NaN for anything else.
double ParsePercent(const QString& text);

} // namespace quindor
