#include "exercise/query_list.h"

#include "core/program_state.h"
#include "exercise/normalised_text.h"

#include <QCollator>

#include <functional>

namespace quindor {

namespace {

// The objects a run asks in the query mode of the document type.
bool IsQueryKind(const Document& document, ObjectKind kind, QueryMode mode) {
    const DocumentTypeRow& type = document.Header.Type();
    if (mode == QueryMode::Typing && !type.typedQueryKinds.empty())
        return Contains(type.typedQueryKinds, kind);
    return Contains(type.queryKinds, kind);
}

QString RandomIdentity(RandomGenerator& random) {
    QString letters;
    for (int i = 0; i < 20; ++i)
        letters += QChar(u'a' + random.random(26));
    return letters;
}

// Exchanges every entry with one drawn from the whole list.
void Shuffle(std::vector<int>& items, RandomGenerator& random) {
    const int n = static_cast<int>(items.size());
    for (int i = 0; i < n; ++i)
        std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(random.random(n))]);
}

// Selection sort: the smallest of the rest to the front, the first one on ties.
void SelectionSort(std::vector<int>& items, const std::function<bool(int, int)>& less) {
    for (size_t i = 0; i < items.size(); ++i) {
        size_t smallest = i;
        for (size_t j = i + 1; j < items.size(); ++j) {
            if (less(items[j], items[smallest]))
                smallest = j;
        }
        std::swap(items[i], items[smallest]);
    }
}

} // namespace

std::vector<QueryPair> BuildQueryList(Document& document, const UebDataTyp& run,
                                      RandomGenerator& random) {
    const DocumentType type = document.Header.DokTyp;
    const QueryMode mode = static_cast<QueryMode>(run.AbfrageModusItemIndex);
    std::vector<int> cards;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        if (o.State == ObjectState::Open && IsQueryKind(document, o.Typ, mode))
            cards.push_back(i);
    }
    for (int i : cards) {
        ObjDataTyp& o = document.Object(i);
        if (type == DocumentType::CrossMatching) {
            if (o.Typ == ObjectKind::PairPicture)
                o.Cap = o.BildKenn + QStringLiteral(" (Bildkennung)");
        } else if (IsPictureQueryKind(o.Typ)) {
            o.Cap = o.BildKenn.trimmed().isEmpty()
                        ? RandomIdentity(random) + QStringLiteral(" (Zufallskennung für Bild)")
                        : o.BildKenn + QStringLiteral(" (Bildkennung)");
        }
    }
    std::vector<int> targets = cards;
    // Typed answers and pairs keep the order of the page.
    const bool typing =
        mode == QueryMode::Typing && !document.Header.Type().typedQueryKinds.empty();
    const bool ordered = !(typing || type == DocumentType::CrossMatching);
    if (ordered) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        // Multiple-choice questions keep their order; single-question answers never mix here.
        if (type != DocumentType::MultipleChoice) {
            if (run.ZuordnungstexteItemIndex != 0 && type != DocumentType::Questions) {
                Shuffle(cards, random);
            } else {
                std::vector<QString> normalised(static_cast<size_t>(document.ObjectCount()));
                for (int i : cards)
                    normalised[static_cast<size_t>(i)] = NormaliseText(document.Object(i).Cap);
                SelectionSort(cards, [&](int a, int b) {
                    return collator.compare(normalised[static_cast<size_t>(a)],
                                            normalised[static_cast<size_t>(b)]) < 0;
                });
            }
        }
        if (run.ZuordnungszieleItemIndex != 0) {
            Shuffle(targets, random);
        } else if (type != DocumentType::MultipleChoice) {
            if (document.Header.GeordnetArt == 1) {
                SelectionSort(targets, [&](int a, int b) {
                    return collator.compare(document.Object(a).Cap, document.Object(b).Cap) < 0;
                });
            } else {
                SelectionSort(targets, [&](int a, int b) {
                    const ObjDataTyp& oa = document.Object(a);
                    const ObjDataTyp& ob = document.Object(b);
                    return oa.Ky < ob.Ky || (oa.Ky == ob.Ky && oa.Kx < ob.Kx);
                });
            }
        }
    }
    std::vector<QueryPair> list;
    list.reserve(cards.size());
    for (size_t i = 0; i < cards.size(); ++i)
        list.push_back({cards[i], targets[i]});
    return list;
}

std::vector<int> BuildAnswerPlacementMap(const Document& document, bool mix,
                                         RandomGenerator& random) {
    const int n = document.ObjectCount();
    std::vector<int> map(static_cast<size_t>(n), -1);
    if (mix) {
        for (int i = 0; i < n; ++i) {
            const ObjDataTyp& box = document.Object(i);
            if (box.Typ != ObjectKind::ChoiceMarker)
                continue;
            const auto isFreeBox = [&](int j) {
                const ObjDataTyp& o = document.Object(j);
                return o.Typ == ObjectKind::ChoiceMarker && o.FrageNummer == box.FrageNummer &&
                       map[static_cast<size_t>(j)] == -1;
            };
            int free = 0;
            for (int j = 0; j < n; ++j)
                free += isFreeBox(j);
            if (free == 0)
                continue;
            // Counting the free boxes as the walk passes them, round and round if need be.
            int steps = random.random(std::max(1, box.AntwortAnz)) % free + 1;
            int j = i;
            while (true) {
                j = (j + 1) % n;
                if (isFreeBox(j) && --steps == 0)
                    break;
            }
            map[static_cast<size_t>(j)] = i;
            if (j + 1 < n && i + 1 < n)
                map[static_cast<size_t>(j + 1)] = i + 1;
        }
    }
    for (int i = 0; i < n; ++i) {
        if (map[static_cast<size_t>(i)] == -1)
            map[static_cast<size_t>(i)] = i;
    }
    return map;
}

} // namespace quindor
