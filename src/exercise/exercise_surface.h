#pragma once

#include "exercise/query_list.h"
#include "exercise/run_state.h"

#include <QString>

#include <vector>

namespace quindor {

enum class PanelLook { Normal, Right, Wrong };
enum class Banner { None, Right, Wrong };

// What the run asks of the result window: leave to the learning view, or repeat the run.
struct ResultChoice {
    bool repeat = false;
    Repeat what = Repeat::All;
};

// One answer of a single question offered: its panel and its place on the answer grid (0 the
// top left one, three a row).
struct AnswerSlot {
    int panel = -1;
    int slot = 0;
    bool operator==(const AnswerSlot&) const = default;
};

// The ticks of a multiple-choice answer against its correct options.
struct TickCount {
    int correctOptions = 0;
    int right = 0;
    int wrong = 0;
    int missing = 0;
    bool operator==(const TickCount&) const = default;
};

// The surface the learner works on during a run: the exercise panel with its element panels
// beside the document view, and the dialogs around a run. Element panels are named by a number:
// their position in the query list (input fields, cards and answers), or the index of their
// object (the answer boxes and "OK"s of multiple choice, the buttons of pairs).
class ExerciseSurface {
public:
    virtual ~ExerciseSurface() = default;

    // Dialogs around the start: the settings of the document type (false: not confirmed) and
    // the learner's name.
    virtual bool showSettingsDialog() = 0;
    virtual QString askLearnerName() = 0;
    // The run's result window; returns how it was left.
    virtual ResultChoice showResult(const UebDataTyp& run) = 0;
    // The complete protocol of the run that ended, before its result window.
    virtual void protocolFinished(const QString& protocol) = 0;

    // The run begins or ends: the learning view's tools and picture give way to the exercise
    // panel, or come back.
    virtual void enterExercise() = 0;
    virtual void leaveExercise() = 0;

    virtual void createElementPanels(const std::vector<QueryPair>& list) = 0;
    // Where the answers of multiple choice stand during the run (entry x: the object at whose
    // card point object x stands).
    virtual void setAnswerPlacement(const std::vector<int>& map) = 0;
    virtual void removeElementPanels() = 0;
    // Lays the visible panels out again (stacks, input fields over their targets).
    virtual void layoutElementPanels() = 0;
    // Single card: only this entry's card is shown, at the right of the card column.
    virtual void presentCard(int listIndex) = 0;
    // Input mode: the fields over their targets (the first time with their placeholders).
    virtual void presentInput() = 0;
    // Single question: only these answers, on the answer grid.
    virtual void presentAnswers(const std::vector<AnswerSlot>& answers) = 0;
    // Multiple choice: only the answer boxes and "OK" of this question, none ticked.
    virtual void presentChoice(int question) = 0;
    virtual void setTicked(int box, bool ticked) = 0;
    // Pairs: the selection mark of an element's button.
    virtual void setMarked(int panel, bool marked) = 0;
    virtual void hidePanel(int panel) = 0;
    // Every card and answer panel of the run.
    virtual void hideAnswerPanels() = 0;
    virtual void removePanel(int panel) = 0;
    virtual void setPanelLook(int panel, PanelLook look) = 0;
    // A rejected card goes back to where its drag began.
    virtual void slideHome(int listIndex) = 0;
    // Input fields: what the learner typed, and whether the field is shown.
    virtual QString fieldText(int listIndex) = 0;
    virtual bool fieldVisible(int listIndex) = 0;
    virtual void setFieldLook(int listIndex, PanelLook look) = 0;

    // The banner; None also hides the tick counts.
    virtual void showBanner(Banner banner) = 0;
    virtual void showTickCount(const TickCount& ticks) = 0;
    virtual void drawInstruction() = 0;
    virtual void clearHighlight() = 0;
    // Marks the position asked in single-position mode.
    virtual void markTarget(int object) = 0;
    virtual void redrawObject(int object) = 0;
    virtual void redrawView() = 0;
    virtual void refreshClock(const QString& label, const QString& text, bool visible) = 0;
    virtual void refreshStatistics(const UebDataTyp& run) = 0;
    // A pause that keeps painting but takes no input.
    virtual void pause(int milliseconds) = 0;
};

} // namespace quindor
