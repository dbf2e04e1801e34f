#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document.h"
#include "exercise/exercise_surface.h"
#include "exercise/query_list.h"
#include "exercise/run_kind.h"
#include "exercise/run_observer.h"
#include "exercise/run_state.h"
#include "platform/sound_player.h"
#include "settings/settings.h"

#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quindor {

// Plays one of the program's sounds (a name without folder comes from the sound folder and
// gets ".wav"), when sound is switched on; whatever plays is stopped first either way. A
// missing file is reported and nothing plays.
void PlaySound(platform::SoundPlayer& player, Messages& messages, const Settings& settings,
               const ProgramState& state, const QString& name, bool wait);

// How a run starts: with the settings dialog first or not, asking everything or only what
// failed, for this computer's own exercise or a network participant's.
struct ExerciseStart {
    bool showDialog = false;
    Repeat repeat = Repeat::All;
    Participation participation = Participation::Individual;
};

// The two running texts of a run: the summary and the detailed course (section 2 belongs to
// a network initiator's solution text).
enum class LogSection { Summary = 0, Detail = 1, Solution = 2 };
// Whether a detail line starts with the run's time.
enum class Stamp { Plain, WithTime };

// The one exercise run: its start, the queries one after the other, the check of every
// action with its feedback and counters, the clock, the end with its result and repeat, and
// the abort. What the learner sees and does goes through the surface.
class ExerciseRun {
public:
    struct Clock {
        // A millisecond counter.
        std::function<int64_t()> ticks;
        // Local date and time as a day count with the time as fraction.
        std::function<double()> now;
    };

    ExerciseRun(Document& document, ProgramState& state, Settings& settings, Messages& messages,
                platform::SoundPlayer& sound, ExerciseSurface& surface, Clock clock);

    // The layouts of the document types: a cross-matching run lays its pairs out anew when
    // it ends.
    void setLayouts(const LayoutDispatch* layouts) { layouts_ = layouts; }

    // "Individual-Übung": refused while a run or puzzle is active.
    bool IndividualExerciseCommand();
    // "Übungseinstellungen...": the dialog of the document type, which may start a run at once;
    // refused during a run.
    bool SettingsCommand();
    bool StartExercise(const ExerciseStart& start);
    void AbortExercise();
    // Takes the run down when the learner has already agreed to leave it (another command).
    void AbortConfirmed();
    // Every 100 ms while the clock runs.
    void Tick();
    bool clockRunning() const { return clockRunning_; }

    // The target under a dragged card (its rectangle and the midpoint of its left edge, in page
    // fractions): the current target afterwards, an object, or on basket documents the number
    // of the basket under the card's centre; -1 for none.
    int FindDropTarget(QPointF leftMid, const QRectF& card);
    int currentTarget() const { return target_; }
    // Checks what an element panel (by the number of its name) did on the current target; -1
    // checks every input field of the input mode.
    void CheckAction(int panel);
    // The mouse goes down or up on an element panel: a drag ends, an answer is chosen, a box
    // ticked, "OK" pressed, an element of a pair selected.
    void panelPressed(int panel);
    void panelReleased(int panel);

    void LogLine(LogSection section, const QString& text, Stamp stamp);

    // The best list of the document: whether the ended run may still be entered (a complete
    // individual run not entered automatically), and the entry itself; at most once per run.
    bool bestListOffered() const { return bestListOffered_; }
    bool EnterInBestList();
    // Who learns of the checked actions, the end and the leaving of runs; none by default.
    void setObserver(RunObserver* observer) { observer_ = observer; }
    // A participant's run takes the initiator's options (and scale) and the key, name and start
    // of its join; set before StartExercise for a participant.
    void setParticipantData(const UebDataTyp& network) { run_ = network; }
    // The PC's name as best lists record it.
    void setComputerName(const QString& name) { computerName_ = name; }
    void setUserName(const QString& name) { userName_ = name; }

    const UebDataTyp& data() const { return run_; }
    const std::vector<QueryPair>& queryList() const { return list_; }
    const std::vector<int>& answerMap() const { return answerMap_; }
    // The clock's text and the run's duration so far, as last refreshed.
    QString clockText() const { return clockText_; }
    int64_t elapsedMilliseconds() const { return elapsed_; }
    bool inputMode() const;
    QueryMode queryMode() const;

    // What the run of the document type does on its own; null before the first start.
    const RunKind* kind() const { return kind_.get(); }

private:
    friend class RunKind;

    void nextQuery();
    // After a checked action; the object it is reported for, -1 for none.
    void afterAction(int reported);
    void finishRun();
    void takeDown();
    void refreshClock();
    void refreshStatistics();
    void playSound(const QString& name, bool wait);

    Document& document_;
    ProgramState& state_;
    Settings& settings_;
    Messages& messages_;
    platform::SoundPlayer& sound_;
    ExerciseSurface& surface_;
    Clock clock_;
    const LayoutDispatch* layouts_ = nullptr;

    UebDataTyp run_;
    std::unique_ptr<RunKind> kind_;
    // The kind of the run before, kept until the next start: a repeat starts from inside the
    // check of the run that ended.
    std::unique_ptr<RunKind> retired_;
    std::vector<QueryPair> list_;
    std::vector<int> answerMap_;
    int target_ = -1;
    bool clockRunning_ = false;
    bool checking_ = false;
    bool bestListOffered_ = false;
    QString computerName_;
    QString userName_;
    int64_t elapsed_ = 0;
    QString clockText_;
    RunObserver* observer_ = nullptr;
};

} // namespace quindor
