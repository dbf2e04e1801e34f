#include "exercise/question_run.h"

#include "core/rounding.h"
#include "exercise/exercise_run.h"
#include "exercise/exercise_texts.h"
#include "exercise/normalised_text.h"

#include <algorithm>

namespace quindor {

namespace {

bool ContainsIgnoringCase(const QStringList& texts, const QString& text) {
    return std::any_of(texts.begin(), texts.end(), [&text](const QString& t) {
        return t.compare(text, Qt::CaseInsensitive) == 0;
    });
}

bool IsCorrectOption(const ObjDataTyp& box) {
    return box.Cap == QStringLiteral("+");
}

bool IsWrongOption(const ObjDataTyp& box) {
    return box.Cap == QStringLiteral("-");
}

// The answer boxes of a question in object order; each is followed by its answer.
std::vector<int> BoxesOf(const Document& document, int question) {
    std::vector<int> boxes;
    for (int i = 0; i + 1 < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        if (o.Typ == ObjectKind::ChoiceMarker && o.FrageNummer == question)
            boxes.push_back(i);
    }
    return boxes;
}

} // namespace

std::vector<AnswerSlot> ChooseAnswers(const Document& document, const std::vector<QueryPair>& list,
                                      int current, bool ordered, RandomGenerator& random) {
    const int n = static_cast<int>(list.size());
    if (current < 0 || current >= n)
        return {};
    const auto caption = [&](int panel) {
        return NormaliseText(document.Object(list[static_cast<size_t>(panel)].CardObject).Cap);
    };
    std::vector<bool> shown(static_cast<size_t>(n), false);
    QStringList texts;
    for (int p = 0; p < n; ++p) {
        if (list[static_cast<size_t>(p)].CardObject ==
            list[static_cast<size_t>(current)].TargetObject) {
            shown[static_cast<size_t>(p)] = true;
            texts.append(caption(p));
            break;
        }
    }
    for (int k = 1; k < kOfferedAnswers; ++k) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const int p = random.random(n);
            if (!shown[static_cast<size_t>(p)] && !ContainsIgnoringCase(texts, caption(p))) {
                shown[static_cast<size_t>(p)] = true;
                texts.append(caption(p));
                break;
            }
        }
    }
    std::vector<AnswerSlot> answers;
    for (int p = 0; p < n; ++p) {
        if (shown[static_cast<size_t>(p)])
            answers.push_back({p, static_cast<int>(answers.size())});
    }
    if (!ordered) {
        std::vector<int> free;
        for (size_t s = 0; s < answers.size(); ++s)
            free.push_back(static_cast<int>(s));
        for (AnswerSlot& answer : answers) {
            const int k = random.random(static_cast<int>(free.size()));
            answer.slot = free[static_cast<size_t>(k)];
            free.erase(free.begin() + k);
        }
    }
    return answers;
}

QRect AnswerGridCell(const FracRect& m, QSize page, int slot) {
    const double usableWidth = (1 - m.Left - m.Right) * page.width();
    const double usableHeight = (1 - m.Top - m.Bottom) * page.height();
    const int width = std::max(150, RoundHalfEven(usableWidth * 0.32));
    const int height = std::max(46, RoundHalfEven(usableHeight * 0.10));
    const int gap = std::max(20, RoundHalfEven(usableWidth * 0.02));
    const int left = RoundHalfEven(m.Left * page.width()) + 4;
    const int top = RoundHalfEven((m.Top + (1 - m.Top - m.Bottom) * 0.415 / 0.64) * page.height());
    return {left + (slot % 3) * (width + gap), top + (slot / 3) * (height + gap), width, height};
}

TickCount CountTicks(const Document& document, int question, const std::set<int>& ticked) {
    TickCount t;
    for (const int box : BoxesOf(document, question)) {
        const ObjDataTyp& o = document.Object(box);
        const bool on = ticked.count(box) != 0;
        if (IsCorrectOption(o)) {
            ++t.correctOptions;
            ++(on ? t.right : t.missing);
        } else if (IsWrongOption(o) && on) {
            ++t.wrong;
        }
    }
    return t;
}

double ChoiceScore(const TickCount& ticks) {
    if (ticks.correctOptions == 0)
        return 0.0;
    return std::max(ticks.right - ticks.wrong, 0) / static_cast<double>(ticks.correctOptions);
}

void QuestionKind::begin() {
    showAskedQuestion();
}

void QuestionKind::showAskedQuestion() {
    state().CurrentQuestion = document().Object(entry().TargetObject).FrageNummer;
}

void QuestionKind::closeAfterWrong(int pauseMilliseconds) {
    if (data().ZuordnungFalschItemIndex == 1)
        document().Object(target()).State = ObjectState::QuestionClosed;
    surface().pause(pauseMilliseconds);
    surface().hideAnswerPanels();
}

void QuestionKind::closeAfterRight() {
    surface().pause(500);
    surface().hideAnswerPanels();
}

void QuestionRun::present() {
    showAskedQuestion();
    const std::vector<AnswerSlot> answers =
        ChooseAnswers(document(), list(), data().CurrentIndex, data().ZuordnungstexteItemIndex == 0,
                      state().Random);
    surface().presentAnswers(answers);
    const int answer = entry().TargetObject;
    const int question = document().Object(answer).FrageNummer;
    QString text;
    for (const ObjDataTyp& o : document().Objects) {
        if (o.Typ == ObjectKind::QuestionText && o.FrageNummer == question) {
            text = o.Cap;
            break;
        }
    }
    std::vector<AnswerOption> options;
    for (const AnswerSlot& a : answers) {
        const int card = list()[static_cast<size_t>(a.panel)].CardObject;
        options.push_back({NormaliseText(document().Object(card).Cap), card == answer});
    }
    log(QString(), Stamp::Plain);
    log(QuestionHeadLine(question, NormaliseText(text)), Stamp::WithTime);
    log(AnswerOptionsLine(options, QStringLiteral(" (Lösung)")), Stamp::Plain);
    surface().redrawView();
    surface().drawInstruction();
}

void QuestionRun::released(int panel) {
    target() = entry().TargetObject;
    RunKind::released(panel);
}

bool QuestionRun::check(int panel) {
    if (target() < 0 || panel < 0 || panel >= static_cast<int>(list().size()))
        return false;
    ObjDataTyp& answer = document().Object(target());
    const QString chosen =
        NormaliseText(document().Object(list()[static_cast<size_t>(panel)].CardObject).Cap);
    const QString solution = NormaliseText(answer.Cap);
    const DocumentType type = document().Header.DokTyp;
    if (chosen == solution) {
        log(RightLine(type, queryMode(), chosen, solution), Stamp::WithTime);
        showRight(panel);
        closeAfterRight();
        surface().setPanelLook(panel, PanelLook::Normal);
        answer.State =
            data().ZuordnungRichtigItemIndex == 1 ? ObjectState::Ticked : ObjectState::Shown;
        surface().showBanner(Banner::None);
        data().CorrectCount += 1;
        return true;
    }
    log(WrongLine(type, queryMode(), chosen, solution), Stamp::WithTime);
    showWrong(panel);
    closeAfterWrong(900);
    surface().setPanelLook(panel, PanelLook::Normal);
    surface().showBanner(Banner::None);
    answer.RunCounter1 += 1;
    data().FailedAttempts += 1;
    return true;
}

void ChoiceRun::present() {
    showAskedQuestion();
    ticked_.clear();
    const int question = state().CurrentQuestion;
    surface().presentChoice(question);
    QString text;
    bool picture = false;
    for (const ObjDataTyp& o : document().Objects) {
        if (o.FrageNummer != question)
            continue;
        if (o.Typ == ObjectKind::ChoiceText && text.isNull())
            text = NormaliseText(o.Cap);
        picture = picture || o.Typ == ObjectKind::ChoicePicture;
    }
    if (picture)
        text += QStringLiteral(" (Bild)");
    std::vector<AnswerOption> options;
    for (const int box : BoxesOf(document(), question))
        options.push_back({NormaliseText(document().Object(box + 1).Cap),
                           IsCorrectOption(document().Object(box))});
    log(QString(), Stamp::Plain);
    log(QuestionHeadLine(question, text), Stamp::WithTime);
    log(AnswerOptionsLine(options, QStringLiteral(" (zutreffend)")), Stamp::Plain);
    surface().redrawView();
    surface().drawInstruction();
}

void ChoiceRun::released(int panel) {
    if (panel < 0 || panel >= document().ObjectCount())
        return;
    const ObjDataTyp& o = document().Object(panel);
    const int asked = document().Object(entry().TargetObject).FrageNummer;
    if (o.FrageNummer != asked)
        return;
    if (o.Typ == ObjectKind::ChoiceMarker) {
        // Ticking is never judged: only "OK" judges the ticks.
        const bool on = ticked_.insert(panel).second;
        if (!on)
            ticked_.erase(panel);
        surface().setTicked(panel, on);
    } else if (o.Typ == ObjectKind::ChoiceOk) {
        target() = entry().TargetObject;
        RunKind::released(panel);
    }
}

bool ChoiceRun::check(int panel) {
    if (target() < 0 || panel < 0 || panel >= document().ObjectCount() ||
        document().Object(panel).Typ == ObjectKind::ChoiceMarker)
        return false;
    ObjDataTyp& question = document().Object(target());
    const TickCount ticks = CountTicks(document(), question.FrageNummer, ticked_);
    QStringList chosen;
    for (const int box : BoxesOf(document(), question.FrageNummer)) {
        if (ticked_.count(box))
            chosen.append(NormaliseText(document().Object(box + 1).Cap));
    }
    const bool right = ticks.wrong == 0 && ticks.missing == 0;
    log(ChoiceVerdictLines(right, chosen, ticks), Stamp::WithTime);
    if (right) {
        showRight(panel);
        closeAfterRight();
        surface().setPanelLook(panel, PanelLook::Normal);
        question.State =
            data().ZuordnungRichtigItemIndex == 1 ? ObjectState::Ticked : ObjectState::Shown;
        surface().showBanner(Banner::None);
        data().CorrectCount += 1;
        return true;
    }
    // Partly right: the counts say what was missing, and stay a little longer.
    const bool partly = ticks.right >= 1;
    showWrong(panel, partly ? &ticks : nullptr);
    closeAfterWrong(partly ? 1900 : 900);
    surface().setPanelLook(panel, PanelLook::Normal);
    surface().showBanner(Banner::None);
    question.RunCounter1 += 1;
    const double score = ChoiceScore(ticks);
    data().CorrectCount += score;
    data().FailedAttempts += 1 - score;
    return true;
}

} // namespace quindor
