#include "document/object_kind.h"

namespace quindor {

namespace {

bool Between(ObjectKind kind, ObjectKind first, ObjectKind last) {
    return StoredKind(kind) >= StoredKind(first) && StoredKind(kind) <= StoredKind(last);
}

} // namespace

bool IsPointKind(ObjectKind kind) {
    return kind == ObjectKind::InfoPoint || kind == ObjectKind::ExternalLink ||
           kind == ObjectKind::DocumentLink;
}

bool IsPictureKind(ObjectKind kind) {
    return kind == ObjectKind::QueryPicture || kind == ObjectKind::FixedPicture ||
           kind == ObjectKind::PictureLink || kind == ObjectKind::ChoiceQuestionPicture;
}

bool IsTransientKind(ObjectKind kind) {
    return kind == ObjectKind::Gap || IsChoicePartKind(kind) ||
           kind == ObjectKind::TableStaticPicture || kind == ObjectKind::TableQueryPicture;
}

bool IsNavigationKind(ObjectKind kind) {
    return Between(kind, ObjectKind::NavPrevious, ObjectKind::NavRandom);
}

bool IsChoicePartKind(ObjectKind kind) {
    return Between(kind, ObjectKind::ChoiceText, ObjectKind::ChoiceAnswerPicture);
}

bool IsTablePictureKind(ObjectKind kind) {
    return Between(kind, ObjectKind::TableStaticPicture, ObjectKind::TablePictureLink);
}

bool IsClusterKind(ObjectKind kind) {
    return Between(kind, ObjectKind::ClusterStaticText, ObjectKind::ClusterPicture);
}

bool IsPairKind(ObjectKind kind) {
    return Between(kind, ObjectKind::PairStaticText, ObjectKind::PairPicture);
}

bool IsPictureCardKind(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::QueryPicture:
    case ObjectKind::FixedPicture:
    case ObjectKind::PictureLink:
    case ObjectKind::ChoicePicture:
    case ObjectKind::ChoiceMarker:
    case ObjectKind::ChoiceAnswerPicture:
    case ObjectKind::TableStaticPicture:
    case ObjectKind::TableQueryPicture:
    case ObjectKind::TablePictureLink:
    case ObjectKind::ClusterStaticPicture:
    case ObjectKind::ClusterPicture:
    case ObjectKind::PairStaticPicture:
    case ObjectKind::PairPicture:
        return true;
    default:
        return false;
    }
}

bool IsBasketOrPairPictureKind(ObjectKind kind) {
    return kind == ObjectKind::ClusterStaticPicture || kind == ObjectKind::ClusterPicture ||
           kind == ObjectKind::PairStaticPicture || kind == ObjectKind::PairPicture;
}

bool IsNumberedKind(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::QueryLabel:
    case ObjectKind::Gap:
    case ObjectKind::QueryPicture:
    case ObjectKind::TableQueryPicture:
    case ObjectKind::ClusterText:
    case ObjectKind::ClusterPicture:
    case ObjectKind::PairText:
    case ObjectKind::PairPicture:
        return true;
    default:
        return false;
    }
}

bool IsCoverableKind(ObjectKind kind) {
    return IsNumberedKind(kind) || kind == ObjectKind::AnswerField ||
           kind == ObjectKind::ChoiceMarker;
}

bool TakesPartInNumbering(ObjectKind kind) {
    return IsNumberedKind(kind) || kind == ObjectKind::ChoiceQuestion ||
           kind == ObjectKind::ChoiceQuestionPicture;
}

bool IsClickableKind(ObjectKind kind) {
    return IsNumberedKind(kind) || IsPointKind(kind) || IsNavigationKind(kind) ||
           kind == ObjectKind::PictureLink || kind == ObjectKind::TablePictureLink;
}

bool IsFixedKind(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::FixedLabel:
    case ObjectKind::InfoPoint:
    case ObjectKind::ExternalLink:
    case ObjectKind::DocumentLink:
    case ObjectKind::FixedPicture:
    case ObjectKind::PictureLink:
    case ObjectKind::TableStaticPicture:
    case ObjectKind::TablePictureLink:
    case ObjectKind::ClusterStaticText:
    case ObjectKind::ClusterStaticPicture:
    case ObjectKind::PairStaticText:
    case ObjectKind::PairStaticPicture:
        return true;
    default:
        return false;
    }
}

bool IsDropTargetKind(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::QueryLabel:
    case ObjectKind::Gap:
    case ObjectKind::QueryPicture:
    case ObjectKind::AnswerField:
    case ObjectKind::ChoiceMarker:
    case ObjectKind::TableQueryPicture:
    case ObjectKind::ClusterText:
    case ObjectKind::ClusterPicture:
        return true;
    default:
        return false;
    }
}

bool IsPictureQueryKind(ObjectKind kind) {
    return kind == ObjectKind::QueryPicture || kind == ObjectKind::TableQueryPicture ||
           kind == ObjectKind::ClusterPicture;
}

} // namespace quindor
