#include "exercise/exercise_run.h"

#include "core/activity_guard.h"
#include "core/program_folders.h"
#include "core/rounding.h"
#include "document/numbering.h"
#include "exercise/best_list.h"
#include "exercise/exercise_options.h"
#include "exercise/exercise_texts.h"
#include "exercise/grading.h"
#include "exercise/normalised_text.h"
#include "exercise/protocol.h"
#include "platform/host_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <cmath>

namespace quindor {

void PlaySound(platform::SoundPlayer& player, Messages& messages, const Settings& settings,
               const ProgramState& state, const QString& name, bool wait) {
    player.stop();
    if (!settings.OptSound)
        return;
    QString path = name + QStringLiteral(".wav");
    if (!path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\')))
        path = state.SoundFolder + path;
    if (!QFileInfo::exists(path)) {
        messages.error(QStringLiteral("Sounddatei ") + Quoted(name) +
                       QStringLiteral(" nicht gefunden."));
        return;
    }
    player.play(path, wait);
}

ExerciseRun::ExerciseRun(Document& document, ProgramState& state, Settings& settings,
                         Messages& messages, platform::SoundPlayer& sound, ExerciseSurface& surface,
                         Clock clock)
    : document_(document), state_(state), settings_(settings), messages_(messages), sound_(sound),
      surface_(surface), clock_(std::move(clock)),
      computerName_(platform::HostIdentity::system().computerName()),
      userName_(platform::HostIdentity::system().userName()) {}

QueryMode ExerciseRun::queryMode() const {
    return static_cast<QueryMode>(run_.AbfrageModusItemIndex);
}

bool ExerciseRun::inputMode() const {
    return !document_.Header.Type().typedQueryKinds.empty() && queryMode() == QueryMode::Typing;
}

bool ExerciseRun::IndividualExerciseCommand() {
    if (state_.ViewMode == Mode::Exercise || state_.ViewMode == Mode::Puzzle) {
        messages_.information(QStringLiteral(
            "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um "
            "die aktuelle Übung vorzeitig abzubrechen."));
        return false;
    }
    return StartExercise({.showDialog = settings_.UebOptZeigen});
}

bool ExerciseRun::SettingsCommand() {
    if (state_.ViewMode == Mode::Exercise) {
        messages_.information(QStringLiteral(
            "Die Übungseinstellungen können nicht während der Übung geändert werden."));
        return false;
    }
    return surface_.showSettingsDialog() && StartExercise({});
}

bool ExerciseRun::StartExercise(const ExerciseStart& start) {
    const Participation kind = start.participation;
    if (state_.ExerciseKind == Participation::Participant && kind != Participation::Participant) {
        messages_.information(QStringLiteral(
            "Die aktuelle Netzwerk-Übung muss zunächst beendet werden, um eine eigene Übung "
            "starten zu können."));
        return false;
    }
    if (state_.ExerciseKind == Participation::Initiator) {
        messages_.information(QStringLiteral(
            "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden "
            "muss. Daher kann im Moment keine eigene Übung gestartet werden."));
        return false;
    }
    if (!MayLeaveCurrentActivity(state_, messages_))
        return false;
    if (start.showDialog && !surface_.showSettingsDialog())
        return false;
    HeaderDataTyp& h = document_.Header;
    if (kind != Participation::Participant)
        TakeOptions(settings_, h.DokTyp, run_);
    retired_ = std::move(kind_);
    kind_ = MakeRunKind(h.Type().run, *this);
    kind_->prepare();

    answerMap_ = BuildAnswerPlacementMap(document_, kind_->mixesAnswers(), state_.Random);
    const int total = kind_->markQueries(start.repeat);
    const int count = start.repeat == Repeat::All ? total : kind_->openQueries();
    if (count == 0) {
        messages_.information(QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));
        return false;
    }
    kind_->arrange(count);

    run_.LearnerName.clear();
    if (kind == Participation::Individual && settings_.OptUebNameEingabe)
        run_.LearnerName = surface_.askLearnerName();

    state_.ViewMode = Mode::Exercise;
    run_.RunQueries = count;
    run_.TotalQueries = total;
    list_ = BuildQueryList(document_, run_, state_.Random);
    for (size_t i = 0; i < list_.size(); ++i) {
        ObjDataTyp& t = document_.Object(list_[i].TargetObject);
        kind_->openTarget(t);
        t.RunCounter1 = 0;
        t.RunCounter2 = 0;
        t.Nummer = run_.ZuordnungszieleItemIndex == 2 ? 0 : static_cast<int>(i) + 1;
    }

    run_.DetailLog.clear();
    run_.SummaryLog.clear();
    state_.ExerciseKind = kind;
    run_.CorrectCount = 0;
    run_.FailedAttempts = 0;
    run_.SuccessQuota = 0;
    run_.Grade = 0;
    state_.ExerciseEndState = RunEnd::Running;
    run_.OpenCount = kind_->openQueries();
    run_.StartTicks = clock_.ticks();
    if (kind != Participation::Participant)
        run_.StartTime = clock_.now();
    run_.RemainingSeconds = run_.ZeitLimitWert;
    run_.CurrentIndex = 0;
    run_.EnteredInBestList = false;
    target_ = -1;
    elapsed_ = 0;
    // The first refresh shows this run's clock even when its text is the last run's.
    clockText_.clear();

    surface_.setAnswerPlacement(answerMap_);
    surface_.enterExercise();
    surface_.createElementPanels(list_);
    LogLine(LogSection::Detail, QStringLiteral("Übung wird gestartet"), Stamp::WithTime);
    kind_->begin();
    surface_.redrawView();
    surface_.drawInstruction();
    kind_->present();
    surface_.drawInstruction();
    refreshStatistics();
    refreshClock();
    clockRunning_ = true;
    return true;
}

void ExerciseRun::nextQuery() {
    const int n = static_cast<int>(list_.size());
    const bool byCard = kind_->asksByCard();
    for (int step = 0; step < n; ++step) {
        run_.CurrentIndex = (run_.CurrentIndex + 1) % n;
        const QueryPair& entry = list_[static_cast<size_t>(run_.CurrentIndex)];
        if (document_.Object(byCard ? entry.CardObject : entry.TargetObject).State ==
            ObjectState::Open)
            break;
    }
    kind_->present();
}

int ExerciseRun::FindDropTarget(QPointF leftMid, const QRectF& card) {
    target_ = kind_ && state_.ViewMode == Mode::Exercise ? kind_->findTarget(leftMid, card) : -1;
    if (target_ < 0)
        surface_.clearHighlight();
    return target_;
}

void ExerciseRun::CheckAction(int panel) {
    if (state_.ViewMode != Mode::Exercise || state_.ExerciseEndState != RunEnd::Running ||
        checking_ || !kind_)
        return;
    // The feedback waits for its sounds; a clock tick in the meantime must not end the run
    // under the check.
    checking_ = true;
    const auto done = qScopeGuard([this] { checking_ = false; });
    if (kind_->check(panel))
        afterAction(kind_->reportedObject(panel));
}

void ExerciseRun::panelPressed(int panel) {
    if (state_.ViewMode == Mode::Exercise && state_.ExerciseEndState == RunEnd::Running &&
        !checking_ && kind_)
        kind_->pressed(panel);
}

void ExerciseRun::panelReleased(int panel) {
    if (state_.ViewMode == Mode::Exercise && state_.ExerciseEndState == RunEnd::Running &&
        !checking_ && kind_)
        kind_->released(panel);
}

void ExerciseRun::afterAction(int reported) {
    kind_->recount();
    refreshStatistics();
    if (observer_)
        observer_->actionChecked(reported);
    target_ = -1;
    kind_->clearSelection();
    surface_.clearHighlight();
    if (run_.OpenCount > 0 && state_.ExerciseEndState == RunEnd::Running)
        nextQuery();
    else
        finishRun();
}

void ExerciseRun::finishRun() {
    clockRunning_ = false;
    if (state_.ExerciseEndState == RunEnd::Running)
        state_.ExerciseEndState = RunEnd::Completed;
    run_.Grade = GradeOf(run_.TotalPerformance, ScaleOf(run_));
    if (observer_)
        observer_->runFinished();
    // Only complete individual runs reach the best list; a partial repetition never does.
    bestListOffered_ = false;
    if (state_.ExerciseKind == Participation::Individual && run_.RunQueries == run_.TotalQueries) {
        if (settings_.OptErgebBestListEintragen)
            EnterInBestList();
        else
            bestListOffered_ = true;
    }
    ProtocolFacts facts;
    facts.computerName = computerName_;
    facts.userName = userName_;
    facts.exerciseKind = state_.ExerciseKind;
    facts.commFolder = state_.CommFolder;
    facts.commChannel = state_.CommChannel;
    facts.title = document_.Header.Titel;
    facts.fileName = document_.Header.FileName;
    facts.dokTyp = document_.Header.DokTyp;
    facts.dokUnterTyp = document_.Header.DokUnterTyp;
    run_.SummaryLog +=
        ProtocolSummary(run_, facts, document_.Header.DokTyp == DocumentType::MultipleChoice,
                        run_.ZeitLimitIndex == 1 ? QStringLiteral("Verbleibende Zeit:")
                                                 : QStringLiteral("Benötigte Zeit:"),
                        clockText_);
    surface_.protocolFinished(run_.SummaryLog + run_.DetailLog);
    while (true) {
        ResultChoice choice;
        if (settings_.OptUebErgebAnzeigen || state_.ExerciseKind == Participation::Participant) {
            choice = surface_.showResult(run_);
        } else {
            messages_.information(QStringLiteral("Die Übung ist beendet."));
        }
        if (!choice.repeat)
            break;
        // A participant repeats the network exercise as it is published now.
        const bool participant = state_.ExerciseKind == Participation::Participant;
        if (participant
                ? observer_ && observer_->repeatRequested()
                : StartExercise({.showDialog = settings_.UebOptZeigen, .repeat = choice.what}))
            return;
    }
    const Participation participation = state_.ExerciseKind;
    state_.ExerciseKind = Participation::Individual;
    takeDown();
    if (observer_)
        observer_->runLeft(participation, false);
}

bool ExerciseRun::EnterInBestList() {
    if (run_.EnteredInBestList)
        return true;
    // Only an ended, complete individual run has a result for the list.
    if (state_.ExerciseEndState == RunEnd::Running ||
        state_.ExerciseKind != Participation::Individual || run_.RunQueries != run_.TotalQueries)
        return false;
    const QString path = IndividualBestListPath(state_.BestListFolder, document_.Header.FileName);
    if (path.isEmpty())
        return false;
    const BestListDataTyp entry = RunBestListEntry(run_.LearnerName, computerName_, run_.StartTime,
                                                   elapsed_, run_.TotalPerformance);
    CreateDefaultFolder(state_, state_.BestListFolder);
    if (!AppendBestListEntry(path, entry, false, messages_))
        return false;
    run_.EnteredInBestList = true;
    bestListOffered_ = false;
    return true;
}

void ExerciseRun::AbortExercise() {
    if (state_.ViewMode != Mode::Exercise)
        return;
    if (!MayLeaveCurrentActivity(state_, messages_))
        return;
    AbortConfirmed();
}

void ExerciseRun::AbortConfirmed() {
    if (state_.ViewMode != Mode::Exercise)
        return;
    const bool wasRunning = state_.ExerciseEndState == RunEnd::Running;
    const Participation participation = state_.ExerciseKind;
    state_.ExerciseKind = Participation::Individual;
    takeDown();
    if (observer_)
        observer_->runLeft(participation, wasRunning);
}

void ExerciseRun::takeDown() {
    clockRunning_ = false;
    surface_.removeElementPanels();
    for (ObjDataTyp& o : document_.Objects) {
        if (IsRunState(o.State))
            o.State = ObjectState::Shown;
    }
    // Ended or aborted, the view starts again at the first question.
    state_.CurrentQuestion = 1;
    if (kind_)
        kind_->takeDown();
    target_ = -1;
    SetNumberingMode(document_, state_, state_.NumberingMode);
    state_.ViewMode = Mode::Learning;
    surface_.leaveExercise();
}

void ExerciseRun::Tick() {
    if (!clockRunning_ || checking_)
        return;
    refreshClock();
    if (run_.ZeitLimitIndex == 1 && run_.RemainingSeconds < 1) {
        clockRunning_ = false;
        surface_.clearHighlight();
        state_.ExerciseEndState = RunEnd::TimeLimit;
        const QString text = QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
        LogLine(LogSection::Detail, text, Stamp::WithTime);
        messages_.information(text);
        if (inputMode()) {
            kind_->check(-1);
            afterAction(kind_->reportedObject(-1));
        } else {
            finishRun();
        }
    }
}

void ExerciseRun::refreshClock() {
    elapsed_ = std::max<int64_t>(0, clock_.ticks() - run_.StartTicks);
    int shown = 0;
    if (run_.ZeitLimitIndex == 1) {
        run_.RemainingSeconds =
            std::max(0, RoundHalfEven(run_.ZeitLimitWert - static_cast<double>(elapsed_) / 1000.0));
        shown = run_.RemainingSeconds;
    } else {
        shown = static_cast<int>(elapsed_ / 1000);
    }
    const QString text = ClockText(shown);
    if (text == clockText_)
        return;
    clockText_ = text;
    surface_.refreshClock(run_.ZeitLimitIndex == 1 ? QStringLiteral("Verbleibende Zeit:")
                                                   : QStringLiteral("Benötigte Zeit:"),
                          clockText_, run_.ZeitLimitIndex != 2);
}

void ExerciseRun::refreshStatistics() {
    RefreshStatistics(run_);
    surface_.refreshStatistics(run_);
}

void ExerciseRun::playSound(const QString& name, bool wait) {
    PlaySound(sound_, messages_, settings_, state_, name, wait);
}

void ExerciseRun::LogLine(LogSection section, const QString& text, Stamp stamp) {
    if (section == LogSection::Summary) {
        run_.SummaryLog += text + QStringLiteral("\r\n");
        return;
    }
    if (stamp == Stamp::WithTime) {
        const int64_t elapsed = std::max<int64_t>(0, clock_.ticks() - run_.StartTicks);
        run_.DetailLog += ClockText(static_cast<int>(elapsed / 1000)) + QStringLiteral(" - ");
    }
    run_.DetailLog += text + QStringLiteral("\r\n");
}

} // namespace quindor
