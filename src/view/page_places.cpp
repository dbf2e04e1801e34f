#include "view/page_places.h"

#include "document/object_state.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quindor {

namespace {

bool IsOpenedPoint(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::InfoPoint:
    case ObjectKind::ExternalLink:
    case ObjectKind::DocumentLink:
    case ObjectKind::PictureLink:
    case ObjectKind::TablePictureLink:
        return true;
    default:
        return false;
    }
}

QString NavigationName(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::NavPrevious:
        return QStringLiteral("Vorherige Frage");
    case ObjectKind::NavNext:
        return QStringLiteral("Nächste Frage");
    case ObjectKind::NavFirst:
        return QStringLiteral("Erste Frage");
    case ObjectKind::NavLast:
        return QStringLiteral("Letzte Frage");
    default:
        return QStringLiteral("Zufällige Frage");
    }
}

QString PlaceName(const ObjDataTyp& o) {
    const QString label = SpokenText(o.PktCap);
    const QString caption = SpokenText(o.Cap);
    switch (o.Typ) {
    case ObjectKind::InfoPoint:
        return QStringLiteral("Infopunkt ") + label;
    case ObjectKind::ExternalLink:
        return QStringLiteral("Link ") + label + QStringLiteral(": ") + caption;
    case ObjectKind::DocumentLink:
        return QStringLiteral("Dokument-Link ") + label + QStringLiteral(": ") + caption;
    case ObjectKind::PictureLink:
    case ObjectKind::TablePictureLink:
        return QStringLiteral("Bild-Link: ") + caption;
    case ObjectKind::AnswerField:
    case ObjectKind::ChoiceMarker:
        return QStringLiteral("Antwort: ") + caption;
    default:
        break;
    }
    if (IsNavigationKind(o.Typ))
        return NavigationName(o.Typ);
    const QString field = QStringLiteral("Abfragefeld") +
                          (o.Nummer > 0 ? QLatin1Char(' ') + QString::number(o.Nummer) : QString());
    return o.State == ObjectState::Covered ? field + QStringLiteral(", abgedeckt")
                                           : field + QStringLiteral(": ") + caption;
}

} // namespace

void SortInReadingOrder(std::vector<PagePlace>& places) {
    const auto band = [](const PagePlace& p) {
        return static_cast<int>(std::floor((p.area.Top + p.area.Bottom) / 2 * 50));
    };
    std::stable_sort(places.begin(), places.end(), [&](const PagePlace& a, const PagePlace& b) {
        const int ba = band(a), bb = band(b);
        return ba != bb ? ba < bb : a.area.Left < b.area.Left;
    });
}

QString SpokenText(const QString& caption) {
    static const QRegularExpression kTags(QStringLiteral("<[^<>]*>"));
    return QString(caption)
        .remove(kTags)
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .simplified();
}

std::vector<PagePlace> PagePlaces(const ViewComposer& view, const Document& document,
                                  int currentQuestion, bool exerciseOnly) {
    const RenderContext context = view.renderContext();
    std::vector<PagePlace> places;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        const FracRect& r = o.CardRect;
        if (!context.layerVisible(o.Ebene) || r.Right <= r.Left || r.Bottom <= r.Top)
            continue;
        const bool answer =
            (o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
            o.FrageNummer == currentQuestion;
        const bool clickable = exerciseOnly ? IsOpenedPoint(o.Typ) && o.PunktInUebung == 1
                                            : IsClickableKind(o.Typ) || answer;
        if (clickable)
            places.push_back({i, 0, r, PlaceName(o)});
    }
    SortInReadingOrder(places);
    return places;
}

} // namespace quindor
