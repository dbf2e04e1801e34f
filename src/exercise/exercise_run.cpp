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

namespace {

bool Contains(const FracRect& r, QPointF p) {
    return p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom;
}

bool Overlaps(const FracRect& r, const QRectF& card) {
    return r.Left < card.right() && card.left() < r.Right && r.Top < card.bottom() &&
           card.top() < r.Bottom;
}

} // namespace

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

bool ExerciseRun::isQueryObject(const ObjDataTyp& o) const {
    return Contains(document_.Header.Type().queryKinds, o.Typ);
}

int ExerciseRun::countState(ObjectState value) const {
    int n = 0;
    for (const ObjDataTyp& o : document_.Objects)
        n += o.State == value;
    return n;
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
    // Questions, multiple choice, baskets and pairs have no checked run yet: a run that could
    // never judge an answer would hold the learner until the abort.
    if (document_.Header.Type().queryKinds != RowOf(DocumentType::Labelling).queryKinds) {
        messages_.information(ExerciseNotAvailableMessage(document_.Header));
        return false;
    }
    if (start.showDialog && !surface_.showSettingsDialog())
        return false;
    HeaderDataTyp& h = document_.Header;
    if (kind != Participation::Participant)
        TakeOptions(settings_, h.DokTyp, run_);
    const bool typing = inputMode();

    // The input mode's "OK" stands for a panel only; far outside the page, it is never shown.
    if (typing && std::none_of(document_.Objects.begin(), document_.Objects.end(),
                               [](const ObjDataTyp& o) { return o.Typ == ObjectKind::ChoiceOk; }))
        AddObject(document_, {.Typ = ObjectKind::ChoiceOk,
                              .Cap = QStringLiteral("OK"),
                              .Kx = 100.0,
                              .Ky = 100.0,
                              .Fsize = 1});

    answerMap_ = BuildAnswerPlacementMap(
        document_, h.DokTyp == DocumentType::MultipleChoice && run_.ZuordnungstexteItemIndex != 0,
        state_.Random);

    int total = 0;
    for (ObjDataTyp& o : document_.Objects) {
        if (!isQueryObject(o)) {
            if (Contains(h.Type().idleKinds, o.Typ))
                o.State = ObjectState::Shown;
            continue;
        }
        const bool asked = start.repeat == Repeat::All || o.RunCounter1 >= 1 || o.RunCounter2 >= 1;
        o.State = asked ? ObjectState::Open : ObjectState::Shown;
        // Pictures cannot be typed: they show.
        if (typing && !Contains(h.Type().typedQueryKinds, o.Typ))
            o.State = ObjectState::Shown;
        o.RunCounter1 = 0;
        o.RunCounter2 = 0;
        if (!typing || Contains(h.Type().typedQueryKinds, o.Typ))
            ++total;
    }
    const int count = start.repeat == Repeat::All ? total : countState(ObjectState::Open);
    if (count == 0) {
        messages_.information(QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));
        return false;
    }

    run_.LearnerName.clear();
    if (kind == Participation::Individual && settings_.OptUebNameEingabe)
        run_.LearnerName = surface_.askLearnerName();

    state_.ViewMode = Mode::Exercise;
    run_.RunQueries = count;
    run_.TotalQueries = total;
    list_ = BuildQueryList(document_, run_, state_.Random);
    const bool pairs = h.DokTyp == DocumentType::CrossMatching;
    for (size_t i = 0; i < list_.size(); ++i) {
        ObjDataTyp& t = document_.Object(list_[i].TargetObject);
        t.State = pairs ? ObjectState::PairOpen : ObjectState::Open;
        // No line joins a pair before the learner joins it.
        if (pairs)
            t.Sline = 0;
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
    run_.OpenCount = pairs ? static_cast<int>(list_.size()) / 2 : countState(ObjectState::Open);
    run_.StartTicks = clock_.ticks();
    if (kind != Participation::Participant)
        run_.StartTime = clock_.now();
    run_.RemainingSeconds = run_.ZeitLimitWert;
    run_.CurrentIndex = 0;
    run_.EnteredInBestList = false;
    target_ = -1;
    markedTarget_ = -1;
    elapsed_ = 0;
    // The first refresh shows this run's clock even when its text is the last run's.
    clockText_.clear();

    surface_.enterExercise();
    surface_.createElementPanels(list_);
    LogLine(LogSection::Detail, QStringLiteral("Übung wird gestartet"), Stamp::WithTime);
    if (h.Type().questions)
        state_.CurrentQuestion = document_.Object(list_.front().TargetObject).FrageNummer;
    surface_.redrawView();
    surface_.drawInstruction();
    presentQuery();
    surface_.drawInstruction();
    refreshStatistics();
    refreshClock();
    clockRunning_ = true;
    return true;
}

void ExerciseRun::presentQuery() {
    if (list_.empty())
        return;
    const DocumentType type = document_.Header.DokTyp;
    const QueryPair& entry = list_[static_cast<size_t>(run_.CurrentIndex)];
    if (inputMode()) {
        surface_.presentInput();
        return;
    }
    switch (queryMode()) {
    case QueryMode::SingleCard: {
        surface_.presentCard(run_.CurrentIndex);
        const ObjDataTyp& card = document_.Object(entry.CardObject);
        // A picture card's panel shows no text.
        const bool picture = IsPictureQueryKind(card.Typ);
        LogLine(LogSection::Detail,
                PresentCardLine(type, picture ? QString() : NormaliseText(card.Cap)),
                Stamp::WithTime);
        break;
    }
    case QueryMode::SinglePosition:
        // Only cards and positions ask position by position.
        if (!document_.Header.Type().typedQueryKinds.empty()) {
            markedTarget_ = entry.TargetObject;
            surface_.markTarget(markedTarget_);
            LogLine(LogSection::Detail,
                    PresentPositionLine(type, NormaliseText(document_.Object(markedTarget_).Cap)),
                    Stamp::WithTime);
            surface_.redrawView();
            surface_.drawInstruction();
        }
        break;
    default:
        // Free assignment: every card stays offered.
        break;
    }
}

void ExerciseRun::nextQuery() {
    const int n = static_cast<int>(list_.size());
    const bool byCard = queryMode() == QueryMode::SingleCard;
    for (int step = 0; step < n; ++step) {
        run_.CurrentIndex = (run_.CurrentIndex + 1) % n;
        const QueryPair& entry = list_[static_cast<size_t>(run_.CurrentIndex)];
        if (document_.Object(byCard ? entry.CardObject : entry.TargetObject).State ==
            ObjectState::Open)
            break;
    }
    presentQuery();
}

int ExerciseRun::FindDropTarget(QPointF leftMid, const QRectF& card) {
    target_ = -1;
    const auto accepts = [&](int i) {
        const ObjDataTyp& o = document_.Object(i);
        if (!IsDropTargetKind(o.Typ) || o.Nummer < 0 || o.State != ObjectState::Open)
            return false;
        if ((o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
            o.FrageNummer != state_.CurrentQuestion)
            return false;
        return markedTarget_ < 0 || i == markedTarget_;
    };
    for (int pass = 0; pass < 2 && target_ < 0; ++pass) {
        for (int i = 0; i < document_.ObjectCount(); ++i) {
            const FracRect& r = document_.Object(i).CardRect;
            if (accepts(i) && (pass == 0 ? Contains(r, leftMid) : Overlaps(r, card))) {
                target_ = i;
                break;
            }
        }
    }
    if (target_ < 0)
        surface_.clearHighlight();
    return target_;
}

void ExerciseRun::CheckAction(int listIndex) {
    if (state_.ViewMode != Mode::Exercise || state_.ExerciseEndState != RunEnd::Running ||
        checking_)
        return;
    // The feedback waits for its sounds; a clock tick in the meantime must not end the run
    // under the check.
    checking_ = true;
    const auto done = qScopeGuard([this] { checking_ = false; });
    if (inputMode()) {
        checkTypedAnswers();
        afterAction();
        return;
    }
    if (target_ < 0 || listIndex < 0 || listIndex >= static_cast<int>(list_.size()))
        return;
    const int target = target_;
    const ObjDataTyp& card = document_.Object(list_[static_cast<size_t>(listIndex)].CardObject);
    if (card.Typ == ObjectKind::ChoiceMarker)
        return;
    const bool right = NormaliseText(document_.Object(target).Cap) == NormaliseText(card.Cap);
    if (right)
        rightAction(listIndex, target);
    else
        wrongAction(listIndex, target);
    afterAction();
}

void ExerciseRun::rightAction(int listIndex, int target) {
    const int card = list_[static_cast<size_t>(listIndex)].CardObject;
    LogLine(LogSection::Detail,
            RightLine(document_.Header.DokTyp, queryMode(),
                      NormaliseText(document_.Object(card).Cap),
                      NormaliseText(document_.Object(target).Cap)),
            Stamp::WithTime);
    surface_.showBanner(Banner::Right);
    surface_.setPanelLook(listIndex, PanelLook::Right);
    playSound(QStringLiteral("richtig1"), false);
    refreshClock();
    surface_.pause(500);
    surface_.setPanelLook(listIndex, PanelLook::Normal);
    document_.Object(target).State =
        run_.ZuordnungRichtigItemIndex == 1 ? ObjectState::Ticked : ObjectState::Shown;
    surface_.showBanner(Banner::None);
    if (queryMode() == QueryMode::SingleCard)
        surface_.hidePanel(listIndex);
    else
        surface_.removePanel(listIndex);
    surface_.redrawObject(target);
    run_.CorrectCount += 1;
}

void ExerciseRun::wrongAction(int listIndex, int target) {
    const int card = list_[static_cast<size_t>(listIndex)].CardObject;
    LogLine(LogSection::Detail,
            WrongLine(document_.Header.DokTyp, queryMode(),
                      NormaliseText(document_.Object(card).Cap),
                      NormaliseText(document_.Object(target).Cap)),
            Stamp::WithTime);
    surface_.setPanelLook(listIndex, PanelLook::Wrong);
    surface_.showBanner(Banner::Wrong);
    playSound(QStringLiteral("falsch1"), true);
    refreshClock();
    surface_.pause(100);
    if (queryMode() == QueryMode::SingleCard) {
        surface_.pause(900);
        surface_.hidePanel(listIndex);
    } else {
        surface_.slideHome(listIndex);
    }
    if (run_.ZuordnungFalschItemIndex == 1) {
        document_.Object(target).State = ObjectState::Crossed;
        surface_.redrawObject(target);
    }
    surface_.setPanelLook(listIndex, PanelLook::Normal);
    surface_.showBanner(Banner::None);
    document_.Object(target).RunCounter1 += 1;
    document_.Object(card).RunCounter2 += 1;
    run_.FailedAttempts += 1;
}

void ExerciseRun::checkTypedAnswers() {
    for (size_t i = 0; i < list_.size(); ++i) {
        const int index = static_cast<int>(i);
        ObjDataTyp& target = document_.Object(list_[i].TargetObject);
        if (surface_.fieldVisible(index)) {
            const QString typed = surface_.fieldText(index);
            const QString answer = NormaliseText(typed);
            const QString caption = NormaliseText(target.Cap);
            if (answer == caption) {
                LogLine(LogSection::Detail,
                        QStringLiteral("RICHTIG - Texteingabe ") + Quoted(caption) +
                            QStringLiteral(" wurde richtig eingegeben"),
                        Stamp::WithTime);
                surface_.setFieldLook(index, PanelLook::Right);
                run_.CorrectCount += 1;
            } else if (target.Typ == ObjectKind::Gap &&
                       target.BildKenn.contains(QLatin1Char('|') + answer + QLatin1Char('|'))) {
                LogLine(LogSection::Detail,
                        QStringLiteral("RICHTIG - alternative Texteingabe ") + Quoted(typed) +
                            QStringLiteral(" für ") + Quoted(caption) +
                            QStringLiteral(" eingegeben"),
                        Stamp::WithTime);
                surface_.setFieldLook(index, PanelLook::Right);
                run_.CorrectCount += 1;
            } else {
                LogLine(LogSection::Detail,
                        QStringLiteral("FALSCH - Texteingabe ") + Quoted(typed) +
                            QStringLiteral(" statt ") + Quoted(caption) +
                            QStringLiteral(" eingegeben"),
                        Stamp::WithTime);
                surface_.setFieldLook(index, PanelLook::Wrong);
                run_.FailedAttempts += 1;
                target.RunCounter1 += 1;
            }
        }
        // Every solution shows afterwards, also where no field was offered.
        target.State = ObjectState::Shown;
    }
    if (run_.FailedAttempts != 0) {
        playSound(QStringLiteral("falsch1"), true);
        refreshClock();
        surface_.pause(100);
    } else {
        surface_.showBanner(Banner::Right);
        playSound(QStringLiteral("richtig1"), false);
        refreshClock();
        surface_.pause(500);
    }
    surface_.showBanner(Banner::None);
    surface_.redrawView();
}

void ExerciseRun::afterAction() {
    // Pairs count themselves as they are joined.
    if (document_.Header.DokTyp != DocumentType::CrossMatching)
        run_.OpenCount = countState(ObjectState::Open);
    refreshStatistics();
    if (observer_)
        observer_->actionChecked(target_);
    target_ = -1;
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
    takeDown(false);
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
    takeDown(wasRunning);
    if (observer_)
        observer_->runLeft(participation, wasRunning);
}

void ExerciseRun::takeDown(bool wasRunning) {
    clockRunning_ = false;
    surface_.removeElementPanels();
    for (ObjDataTyp& o : document_.Objects) {
        if (IsRunState(o.State))
            o.State = ObjectState::Shown;
    }
    if (wasRunning)
        state_.CurrentQuestion = 1;
    target_ = -1;
    markedTarget_ = -1;
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
            checkTypedAnswers();
            afterAction();
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
