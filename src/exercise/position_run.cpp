#include "exercise/position_run.h"

#include "exercise/exercise_run.h"
#include "exercise/exercise_texts.h"
#include "exercise/normalised_text.h"
#include "layouts/cluster_layout.h"

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

bool PositionRun::typing() const {
    return !document().Header.Type().typedQueryKinds.empty() && queryMode() == QueryMode::Typing;
}

bool PositionRun::takesPart(const ObjDataTyp& o) const {
    // Pictures cannot be typed: they show.
    return !typing() || Contains(document().Header.Type().typedQueryKinds, o.Typ);
}

void PositionRun::prepare() {
    // The input mode's "OK" stands for a panel only; far outside the page, it is never shown.
    if (typing() && std::none_of(document().Objects.begin(), document().Objects.end(),
                                 [](const ObjDataTyp& o) { return o.Typ == ObjectKind::ChoiceOk; }))
        AddObject(document(), {.Typ = ObjectKind::ChoiceOk,
                               .Cap = QStringLiteral("OK"),
                               .Kx = 100.0,
                               .Ky = 100.0,
                               .Fsize = 1});
}

bool PositionRun::asksByCard() const {
    return queryMode() == QueryMode::SingleCard;
}

void PositionRun::present() {
    const DocumentType type = document().Header.DokTyp;
    if (typing()) {
        surface().presentInput();
        return;
    }
    switch (queryMode()) {
    case QueryMode::SingleCard: {
        surface().presentCard(data().CurrentIndex);
        const ObjDataTyp& card = document().Object(entry().CardObject);
        // A picture card's panel shows no text.
        const bool picture = IsPictureQueryKind(card.Typ);
        log(PresentCardLine(type, picture ? QString() : NormaliseText(card.Cap)), Stamp::WithTime);
        break;
    }
    case QueryMode::SinglePosition:
        // Only cards and positions ask position by position.
        if (!document().Header.Type().typedQueryKinds.empty()) {
            markedTarget_ = entry().TargetObject;
            surface().markTarget(markedTarget_);
            log(PresentPositionLine(type, NormaliseText(document().Object(markedTarget_).Cap)),
                Stamp::WithTime);
            surface().redrawView();
            surface().drawInstruction();
        }
        break;
    default:
        // Free assignment: every card stays offered.
        break;
    }
}

int PositionRun::findTarget(QPointF leftMid, const QRectF& card) {
    const auto accepts = [&](int i) {
        const ObjDataTyp& o = document().Object(i);
        if (!IsDropTargetKind(o.Typ) || o.Nummer < 0 || o.State != ObjectState::Open)
            return false;
        if ((o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
            o.FrageNummer != state().CurrentQuestion)
            return false;
        return markedTarget_ < 0 || i == markedTarget_;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < document().ObjectCount(); ++i) {
            const FracRect& r = document().Object(i).CardRect;
            if (accepts(i) && (pass == 0 ? Contains(r, leftMid) : Overlaps(r, card)))
                return i;
        }
    }
    return -1;
}

bool PositionRun::judge(int card) {
    return NormaliseText(document().Object(target()).Cap) ==
           NormaliseText(document().Object(card).Cap);
}

bool PositionRun::check(int panel) {
    if (typing()) {
        checkTypedAnswers();
        return true;
    }
    if (target() < 0 || panel < 0 || panel >= static_cast<int>(list().size()))
        return false;
    const int card = list()[static_cast<size_t>(panel)].CardObject;
    if (judge(card))
        rightAction(panel, card);
    else
        wrongAction(panel, card);
    return true;
}

int PositionRun::reportedObject(int panel) {
    if (typing() || panel < 0 || panel >= static_cast<int>(list().size()))
        return target();
    return judgedObject(list()[static_cast<size_t>(panel)].CardObject);
}

void PositionRun::rightAction(int panel, int card) {
    const int solved = judgedObject(card);
    log(RightLine(document().Header.DokTyp, queryMode(), NormaliseText(document().Object(card).Cap),
                  NormaliseText(document().Object(solved).Cap)),
        Stamp::WithTime);
    showRight(panel);
    surface().setPanelLook(panel, PanelLook::Normal);
    settle(card);
    document().Object(solved).State =
        data().ZuordnungRichtigItemIndex == 1 ? ObjectState::Ticked : ObjectState::Shown;
    surface().showBanner(Banner::None);
    if (queryMode() == QueryMode::SingleCard)
        surface().hidePanel(panel);
    else
        surface().removePanel(panel);
    surface().redrawObject(solved);
    data().CorrectCount += 1;
}

void PositionRun::wrongAction(int panel, int card) {
    log(WrongLine(document().Header.DokTyp, queryMode(), NormaliseText(document().Object(card).Cap),
                  NormaliseText(document().Object(target()).Cap)),
        Stamp::WithTime);
    showWrong(panel);
    if (queryMode() == QueryMode::SingleCard) {
        surface().pause(900);
        surface().hidePanel(panel);
    } else {
        surface().slideHome(panel);
    }
    const int failed = judgedObject(card);
    if (data().ZuordnungFalschItemIndex == 1) {
        document().Object(failed).State = ObjectState::Crossed;
        surface().redrawObject(failed);
    }
    surface().setPanelLook(panel, PanelLook::Normal);
    surface().showBanner(Banner::None);
    document().Object(failed).RunCounter1 += 1;
    document().Object(card).RunCounter2 += 1;
    data().FailedAttempts += 1;
}

void PositionRun::checkTypedAnswers() {
    for (size_t i = 0; i < list().size(); ++i) {
        const int index = static_cast<int>(i);
        ObjDataTyp& target = document().Object(list()[i].TargetObject);
        if (surface().fieldVisible(index)) {
            const QString typed = surface().fieldText(index);
            const QString answer = NormaliseText(typed);
            const QString caption = NormaliseText(target.Cap);
            if (answer == caption) {
                log(QStringLiteral("RICHTIG - Texteingabe ") + Quoted(caption) +
                        QStringLiteral(" wurde richtig eingegeben"),
                    Stamp::WithTime);
                surface().setFieldLook(index, PanelLook::Right);
                data().CorrectCount += 1;
            } else if (target.Typ == ObjectKind::Gap &&
                       target.BildKenn.contains(QLatin1Char('|') + answer + QLatin1Char('|'))) {
                log(QStringLiteral("RICHTIG - alternative Texteingabe ") + Quoted(typed) +
                        QStringLiteral(" für ") + Quoted(caption) + QStringLiteral(" eingegeben"),
                    Stamp::WithTime);
                surface().setFieldLook(index, PanelLook::Right);
                data().CorrectCount += 1;
            } else {
                log(QStringLiteral("FALSCH - Texteingabe ") + Quoted(typed) +
                        QStringLiteral(" statt ") + Quoted(caption) + QStringLiteral(" eingegeben"),
                    Stamp::WithTime);
                surface().setFieldLook(index, PanelLook::Wrong);
                data().FailedAttempts += 1;
                target.RunCounter1 += 1;
            }
        }
        // Every solution shows afterwards, also where no field was offered.
        target.State = ObjectState::Shown;
    }
    if (data().FailedAttempts != 0) {
        playSound(QStringLiteral("falsch1"), true);
        refreshClock();
        surface().pause(100);
    } else {
        surface().showBanner(Banner::Right);
        playSound(QStringLiteral("richtig1"), false);
        refreshClock();
        surface().pause(500);
    }
    surface().showBanner(Banner::None);
    surface().redrawView();
}

int BasketRun::findTarget(QPointF, const QRectF& card) {
    // Baskets fill the page between the margins: a card outside all of them has no target.
    const int basket = BasketAt(document().Header, card.center());
    return basket >= 1 ? basket : -1;
}

bool BasketRun::judge(int card) {
    return document().Object(card).BildKenn == BasketTag(target());
}

void BasketRun::settle(int card) {
    // The solved card takes the lowest open place of its basket; the card that stood there
    // moves up into the place the solved card had.
    std::vector<ObjDataTyp>& objects = document().Objects;
    const ObjDataTyp& solved = objects[static_cast<size_t>(card)];
    int lowest = card;
    for (size_t i = 0; i < objects.size(); ++i) {
        const ObjDataTyp& o = objects[i];
        if (o.State == ObjectState::Open && o.BildKenn == solved.BildKenn &&
            o.Ky > objects[static_cast<size_t>(lowest)].Ky)
            lowest = static_cast<int>(i);
    }
    if (lowest == card)
        return;
    std::swap(objects[static_cast<size_t>(lowest)].Ky, objects[static_cast<size_t>(card)].Ky);
    surface().redrawObject(lowest);
}

} // namespace quindor
