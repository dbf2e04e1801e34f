#include "document/document_type.h"

#include <algorithm>
#include <array>

namespace quindor {

namespace {

using K = ObjectKind;

const std::vector<ObjectKind> kEveryQueryField = {K::QueryLabel,
                                                  K::Gap,
                                                  K::QueryPicture,
                                                  K::ChoiceQuestion,
                                                  K::ChoiceQuestionPicture,
                                                  K::TableQueryPicture,
                                                  K::ClusterText,
                                                  K::ClusterPicture,
                                                  K::PairText,
                                                  K::PairPicture};

const std::array<DocumentTypeRow, 6>& Rows() {
    static const std::array<DocumentTypeRow, 6> rows = {{
        {DocumentType::Labelling,
         "Freie Text-Bild-/Bild-Text-Zuordnung",
         {},
         {0.0, 0.0, 0.0, 0.0},
         DocumentTypeRow::Grid::None,
         false,
         LayoutStage::None,
         false,
         false,
         kEveryQueryField,
         {K::QueryLabel, K::Gap, K::QueryPicture, K::TableQueryPicture},
         {K::QueryLabel, K::Gap},
         true,
         {},
         OptionsFamily::Labelling,
         true,
         {"Ziehe die Kärtchen an die jeweils richtige Position!",
          "Ziehe das Kärtchen an die richtige Position!",
          "Ziehe das richtige Kärtchen an die markierte Position!",
          // Typing the labels of a picture: told like the gap text's typing mode.
          "Fülle die Eingabefelder richtig aus!"},
         RunStyle::Positions},
        {DocumentType::GapText,
         "",
         {"Lückentext", "Tabellarische Text-Bild-/Bild-Text-Zuordnung", "C-Test"},
         {0.035, 0.01, 0.035, 0.0},
         DocumentTypeRow::Grid::GapTableOnly,
         false,
         LayoutStage::OverObjects,
         true,
         false,
         kEveryQueryField,
         {K::QueryLabel, K::Gap, K::QueryPicture, K::TableQueryPicture},
         {K::QueryLabel, K::Gap},
         true,
         {},
         OptionsFamily::Labelling,
         true,
         {"Ziehe die Lückentexte an die jeweils richtige Position!",
          "Ziehe den Lückentext an die richtige Position!",
          "Ziehe den richtigen Lückentext an die markierte Position!",
          "Fülle die Textlücken richtig aus!"},
         RunStyle::Positions},
        {DocumentType::Questions,
         "Einzelfragen",
         {},
         {0.1, 0.165, 0.05, 0.195},
         DocumentTypeRow::Grid::None,
         false,
         LayoutStage::UnderObjects,
         false,
         true,
         {K::AnswerField},
         {K::AnswerField},
         {},
         false,
         {},
         OptionsFamily::Questions,
         false,
         {"Klicke auf die richtige Antwort!"},
         RunStyle::Questions},
        {DocumentType::MultipleChoice,
         "Multiple-Choice-Fragen",
         {},
         {0.05, 0.04, 0.05, 0.045},
         DocumentTypeRow::Grid::None,
         false,
         LayoutStage::UnderObjects,
         true,
         true,
         {K::ChoiceMarker},
         {K::ChoiceQuestion, K::ChoiceQuestionPicture},
         {},
         false,
         {},
         OptionsFamily::Questions,
         false,
         {"Markiere alle zutreffenden Antworten!"},
         RunStyle::Choice},
        {DocumentType::Cluster,
         "Cluster-Übung",
         {},
         {0.035, 0.03, 0.035, 0.03},
         DocumentTypeRow::Grid::Always,
         true,
         LayoutStage::OverObjects,
         true,
         false,
         kEveryQueryField,
         {K::ClusterText, K::ClusterPicture},
         {},
         true,
         {K::QueryLabel, K::QueryPicture},
         OptionsFamily::Cluster,
         true,
         {"Ziehe die Kärtchen in den jeweils richtigen Korb!",
          "Ziehe das Kärtchen in den richtigen Korb!"},
         RunStyle::Baskets},
        {DocumentType::CrossMatching,
         "Über-Kreuz-Zuordnung",
         {},
         {0.035, 0.03, 0.035, 0.03},
         DocumentTypeRow::Grid::Always,
         false,
         LayoutStage::OverObjects,
         true,
         false,
         kEveryQueryField,
         {K::PairText, K::PairPicture},
         {},
         false,
         {K::QueryLabel, K::QueryPicture},
         OptionsFamily::CrossMatching,
         false,
         {"Klicke zusammen- gehörige Elemente nacheinander an, um diese mit einer Linie zu "
          "verbinden!"},
         RunStyle::Pairs},
    }};
    return rows;
}

} // namespace

bool IsKnownType(DocumentType type) {
    return StoredType(type) >= 0 && StoredType(type) < static_cast<int32_t>(Rows().size());
}

const DocumentTypeRow& RowOf(DocumentType type) {
    return Rows()[static_cast<size_t>(IsKnownType(type) ? StoredType(type) : 0)];
}

bool Contains(const std::vector<ObjectKind>& kinds, ObjectKind kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

QString DocumentTypeName(DocumentType type, DocumentSubtype subtype) {
    if (!IsKnownType(type))
        return QString();
    const DocumentTypeRow& row = RowOf(type);
    if (row.subtypeNames.empty())
        return QString::fromUtf8(row.name);
    const int32_t index = StoredSubtype(subtype);
    if (index < 0 || index >= static_cast<int32_t>(row.subtypeNames.size()))
        return QString();
    return QString::fromUtf8(row.subtypeNames[static_cast<size_t>(index)]);
}

} // namespace quindor
