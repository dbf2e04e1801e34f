#include "view/learning_clicks.h"

#include "document/numbering.h"

namespace quindor {

ClickOutcome ClickAt(ViewComposer& view, Document& document, ProgramState& state, QPoint point) {
    if (state.ViewMode != ViewLearning)
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
    switch (o.Typ) {
    case KindInfoPoint:
        return {ClickEffect::OpenInfo, index, QString()};
    case KindExternalLink:
        return {ClickEffect::OpenExternal, index, o.Cap};
    case KindDocumentLink:
        return {ClickEffect::OpenDocument, index, o.Cap};
    case KindPictureLink:
    case KindTablePictureLink:
        return {o.Cap.endsWith(QLatin1String(".qdr"), Qt::CaseInsensitive)
                    ? ClickEffect::OpenDocument
                    : ClickEffect::OpenExternal,
                index, o.Cap};
    default:
        break;
    }
    if (o.Typ >= KindNavPrevious && o.Typ <= KindNavRandom && document.Header.AnzFrageNummern > 0) {
        state.CurrentQuestion = QuestionAfterButton(o.Typ, state.CurrentQuestion,
                                                    document.Header.AnzFrageNummern, state.Random);
        view.RecomposeObjects();
        return {ClickEffect::Recomposed, index, QString()};
    }
    return {};
}

} // namespace quindor
