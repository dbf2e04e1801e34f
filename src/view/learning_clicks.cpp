#include "view/learning_clicks.h"

#include "document/numbering.h"

namespace quindor {

namespace {

// What opening a point or link means.
ClickOutcome OpenPoint(const ObjDataTyp& o, int index) {
    switch (o.Typ) {
    case ObjectKind::InfoPoint:
        return {ClickEffect::OpenInfo, index, QString()};
    case ObjectKind::ExternalLink:
        return {ClickEffect::OpenExternal, index, o.Cap};
    case ObjectKind::DocumentLink:
        return {ClickEffect::OpenDocument, index, o.Cap};
    case ObjectKind::PictureLink:
    case ObjectKind::TablePictureLink:
        return {ClickEffect::OpenPictureLink, index, o.Cap};
    default:
        return {};
    }
}

} // namespace

ClickOutcome ExerciseClickAt(const ViewComposer& view, const Document& document, QPoint point) {
    const int index = view.HitTest(point.x(), point.y());
    if (index < 0 || document.Object(index).PunktInUebung != 1)
        return {};
    return OpenPoint(document.Object(index), index);
}

ClickOutcome ClickAt(ViewComposer& view, Document& document, ProgramState& state, QPoint point) {
    if (state.ViewMode != Mode::Learning)
        return {};
    const int index = view.HitTest(point.x(), point.y());
    if (index < 0)
        return {};
    ObjDataTyp& o = document.Object(index);
    if (IsCoverableKind(o.Typ)) {
        ToggleCover(o);
        view.RedrawObject(index);
        return {ClickEffect::Redrawn, index, QString()};
    }
    const ClickOutcome opened = OpenPoint(o, index);
    if (opened.effect != ClickEffect::None)
        return opened;
    if (o.Typ >= ObjectKind::NavPrevious && o.Typ <= ObjectKind::NavRandom &&
        document.Header.AnzFrageNummern > 0) {
        state.CurrentQuestion = QuestionAfterButton(o.Typ, state.CurrentQuestion,
                                                    document.Header.AnzFrageNummern, state.Random);
        view.RecomposeObjects();
        return {ClickEffect::Recomposed, index, QString()};
    }
    return {};
}

} // namespace quindor
