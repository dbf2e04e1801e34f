#include "exercise/keyboard_targets.h"

#include "document/object_state.h"

#include <algorithm>

namespace quindor {

FracRect BasketArea(const HeaderDataTyp& header, int basket) {
    const FracRect& m = header.EinrueckRand;
    const int baskets = std::max(1, header.Spalten);
    const double w = (1.0 - m.Left - m.Right) / baskets;
    return {m.Left + (basket - 1) * w, m.Top, m.Left + basket * w, 1.0 - m.Bottom};
}

std::vector<PagePlace> CardTargets(const Document& document, int currentQuestion, int askedTarget) {
    std::vector<PagePlace> places;
    const HeaderDataTyp& header = document.Header;
    if (header.Type().baskets) {
        const int baskets = std::clamp(header.Spalten, 0, kGridColumns);
        for (int k = 1; k <= baskets; ++k)
            places.push_back({-1, k, BasketArea(header, k),
                              QStringLiteral("Korb %1 von %2").arg(k).arg(baskets)});
        return places;
    }
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        if (!IsDropTargetKind(o.Typ) || o.Nummer < 0 || o.State != ObjectState::Open)
            continue;
        if ((o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
            o.FrageNummer != currentQuestion)
            continue;
        if (askedTarget >= 0 && i != askedTarget)
            continue;
        places.push_back({i, 0, o.CardRect, QString()});
    }
    SortInReadingOrder(places);
    const int count = static_cast<int>(places.size());
    for (int k = 0; k < count; ++k) {
        PagePlace& place = places[static_cast<size_t>(k)];
        const ObjDataTyp& o = document.Object(place.object);
        place.name = (o.Typ == ObjectKind::Gap ? QStringLiteral("Lücke %1 von %2")
                                               : QStringLiteral("Position %1 von %2"))
                         .arg(k + 1)
                         .arg(count);
        if (o.Nummer > 0)
            place.name += QStringLiteral(", Nummer %1").arg(o.Nummer);
    }
    return places;
}

} // namespace quindor
