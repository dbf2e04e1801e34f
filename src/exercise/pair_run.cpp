#include "exercise/pair_run.h"

#include "document/layout_dispatch.h"
#include "exercise/exercise_run.h"
#include "exercise/exercise_texts.h"
#include "exercise/normalised_text.h"
#include "layouts/pair_layout.h"

namespace quindor {

namespace {

bool IsQueryElement(const ObjDataTyp& o) {
    return o.Typ == ObjectKind::PairText || o.Typ == ObjectKind::PairPicture;
}

// The partner of a query element when it is a query element naming it back: only such pairs
// can be joined, since only query elements get buttons.
int QueryPartner(const Document& document, int index) {
    const ObjDataTyp& o = document.Object(index);
    if (!IsQueryElement(o) || o.Partner < 0 || o.Partner >= document.ObjectCount())
        return -1;
    const ObjDataTyp& p = document.Object(o.Partner);
    return IsQueryElement(p) && p.Partner == index ? o.Partner : -1;
}

// Every right-hand element back in its own row with its line, as the layout made them.
void RestoreRows(Document& document) {
    RestoreRightHandOrder(document);
    for (int i = 0; i < document.ObjectCount(); ++i) {
        ObjDataTyp& o = document.Object(i);
        if (IsPairKind(o.Typ) && o.Partner >= 0 && o.Partner < i)
            o.Sline = kPairLineForm;
    }
}

} // namespace

bool PairRun::isLeftElement(int index) const {
    return document().Object(index).Partner > index;
}

int PairRun::markQueries(Repeat repeat) {
    // A repeat starts from the rows of the layout, whatever the last run left.
    RestoreRows(document());
    const DocumentTypeRow& type = document().Header.Type();
    int total = 0;
    for (int i = 0; i < document().ObjectCount(); ++i) {
        ObjDataTyp& o = document().Object(i);
        if (Contains(type.idleKinds, o.Typ))
            o.State = ObjectState::Shown;
        if (!IsQueryElement(o))
            continue;
        const int partner = QueryPartner(document(), i);
        if (partner < 0) {
            o.State = ObjectState::Shown;
            o.RunCounter1 = 0;
            o.RunCounter2 = 0;
            continue;
        }
        if (partner < i)
            continue;
        // The pair is asked again as a whole when either element failed.
        ObjDataTyp& p = document().Object(partner);
        const bool asked = repeat == Repeat::All || o.RunCounter1 >= 1 || o.RunCounter2 >= 1 ||
                           p.RunCounter1 >= 1 || p.RunCounter2 >= 1;
        for (ObjDataTyp* element : {&o, &p}) {
            element->State = asked ? ObjectState::Open : ObjectState::Shown;
            element->RunCounter1 = 0;
            element->RunCounter2 = 0;
        }
        ++total;
    }
    return total;
}

int PairRun::openQueries() const {
    return (countState(ObjectState::Open) + countState(ObjectState::PairOpen)) / 2;
}

void PairRun::arrange(int queries) {
    // The shuffle mixes the right-hand elements numbered 1 to `queries`. Numbered for the
    // moment in that order, the right-hand elements of the pairs asked are the ones mixed, also
    // when a repeat asks only some pairs; the others keep their rows.
    std::vector<std::pair<int, int>> numbers;
    int next = 1;
    for (const bool asked : {true, false}) {
        for (int i = 0; i < document().ObjectCount(); ++i) {
            ObjDataTyp& o = document().Object(i);
            if (!IsQueryElement(o) || o.FrageNummer <= 0 || (o.State == ObjectState::Open) != asked)
                continue;
            numbers.emplace_back(i, o.FrageNummer);
            o.FrageNummer = next++;
        }
    }
    ShuffleRightHandElements(document(), queries, 0, state().Random);
    for (const auto& [index, number] : numbers)
        document().Object(index).FrageNummer = number;
}

void PairRun::openTarget(ObjDataTyp& target) const {
    target.State = ObjectState::PairOpen;
    // No line joins a pair before the learner joins it.
    target.Sline = 0;
}

void PairRun::present() {
    // The buttons are laid out beside their elements once; after that the learner goes on
    // with any pair.
    if (laidOut_)
        return;
    laidOut_ = true;
    surface().layoutElementPanels();
}

void PairRun::unmarkAll() {
    for (const QueryPair& e : list())
        surface().setMarked(e.TargetObject, false);
}

void PairRun::pressed(int panel) {
    if (panel < 0 || panel >= document().ObjectCount() ||
        document().Object(panel).State != ObjectState::PairOpen)
        return;
    if (first_ >= 0 && panel != first_ && isLeftElement(panel) != isLeftElement(first_)) {
        second_ = panel;
        surface().setMarked(panel, true);
        return;
    }
    unmarkAll();
    first_ = panel;
    second_ = -1;
    surface().setMarked(panel, true);
}

void PairRun::released(int panel) {
    if (second_ < 0 || panel != second_)
        return;
    target() = second_;
    RunKind::released(panel);
}

bool PairRun::check(int panel) {
    if (first_ < 0 || second_ < 0 || panel != second_)
        return false;
    ObjDataTyp& a = document().Object(first_);
    ObjDataTyp& b = document().Object(second_);
    const DocumentType type = document().Header.DokTyp;
    const QString first = NormaliseText(a.Cap);
    const QString second = NormaliseText(b.Cap);
    if (a.BildKenn == b.BildKenn) {
        data().OpenCount -= 1;
        log(RightLine(type, queryMode(), first, second), Stamp::WithTime);
        showRight(panel);
        surface().setPanelLook(panel, PanelLook::Normal);
        surface().hidePanel(first_);
        surface().hidePanel(second_);
        // The element further right draws the line back to its partner; drawing it again
        // shows the line (nothing else on the page changes).
        const int further = b.Kx > a.Kx ? second_ : first_;
        document().Object(further).Sline = kPairLineForm;
        surface().redrawObject(further);
        surface().drawInstruction();
        a.State = ObjectState::Shown;
        b.State = ObjectState::Shown;
        surface().showBanner(Banner::None);
        data().CorrectCount += 1;
        return true;
    }
    log(WrongLine(type, queryMode(), first, second), Stamp::WithTime);
    showWrong(panel);
    unmarkAll();
    surface().setPanelLook(panel, PanelLook::Normal);
    surface().showBanner(Banner::None);
    for (ObjDataTyp* element : {&a, &b}) {
        element->RunCounter1 += 1;
        element->RunCounter2 += 1;
    }
    data().FailedAttempts += 1;
    return true;
}

int PairRun::reportedObject(int /*panel*/) {
    if (second_ >= 0 && document().Object(second_).FrageNummer > 0)
        return first_;
    return second_;
}

void PairRun::clearSelection() {
    first_ = -1;
    second_ = -1;
}

void PairRun::takeDown() {
    if (layouts())
        layouts()->run(document(), true);
    else
        RestoreRows(document());
    for (ObjDataTyp& o : document().Objects) {
        if (IsPairKind(o.Typ))
            o.State = ObjectState::Shown;
    }
}

} // namespace quindor
