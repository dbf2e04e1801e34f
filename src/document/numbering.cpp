#include "document/numbering.h"

#include <QCollator>

#include <algorithm>
#include <vector>

namespace quindor {

namespace {

// Selection sort: the first of equal entries keeps its place, as the order on screen expects.
template <typename Less> void SelectionSort(std::vector<int>& order, Less less) {
    for (size_t i = 0; i < order.size(); ++i) {
        size_t smallest = i;
        for (size_t j = i + 1; j < order.size(); ++j) {
            if (less(order[j], order[smallest]))
                smallest = j;
        }
        std::swap(order[i], order[smallest]);
    }
}

std::vector<int> NumberingOrder(const Document& document, Numbering mode, RandomGenerator& random) {
    std::vector<int> order;
    const std::vector<ObjectKind>& kinds = document.Header.Type().numberedKinds;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        if (Contains(kinds, document.Objects[static_cast<size_t>(i)].Typ))
            order.push_back(i);
    }
    // Question answers keep their order; each question numbers its own (below).
    if (document.Header.Type().questions)
        return order;
    const auto& objects = document.Objects;
    if (mode == Numbering::Ordered && document.Header.GeordnetArt == 1) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        SelectionSort(order, [&](int a, int b) {
            return collator.compare(objects[static_cast<size_t>(a)].Cap,
                                    objects[static_cast<size_t>(b)].Cap) < 0;
        });
    } else if (mode == Numbering::Ordered) {
        SelectionSort(order, [&](int a, int b) {
            const ObjDataTyp& oa = objects[static_cast<size_t>(a)];
            const ObjDataTyp& ob = objects[static_cast<size_t>(b)];
            return oa.Ky < ob.Ky || (oa.Ky == ob.Ky && oa.Kx < ob.Kx);
        });
    } else if (mode == Numbering::Random) {
        const int count = static_cast<int>(order.size());
        for (int i = 0; i < count; ++i)
            std::swap(order[static_cast<size_t>(i)],
                      order[static_cast<size_t>(random.random(count))]);
    }
    return order;
}

// 1..n in random empty places (mode 2) or in order.
std::vector<int> AnswerPermutation(int n, bool shuffled, RandomGenerator& random) {
    std::vector<int> places(static_cast<size_t>(n), 0);
    for (int value = 1; value <= n; ++value) {
        if (!shuffled) {
            places[static_cast<size_t>(value - 1)] = value;
            continue;
        }
        int slot = random.random(n);
        while (places[static_cast<size_t>(slot)] != 0)
            slot = random.random(n);
        places[static_cast<size_t>(slot)] = value;
    }
    return places;
}

} // namespace

bool IsNumberedField(const Document& document, int index, int currentQuestion) {
    const ObjDataTyp& o = document.Objects.at(static_cast<size_t>(index));
    if (IsNumberedKind(o.Typ))
        return true;
    return (o.Typ == ObjectKind::AnswerField || o.Typ == ObjectKind::ChoiceMarker) &&
           o.FrageNummer == currentQuestion;
}

void SetNumberingMode(Document& document, ProgramState& state, Numbering mode) {
    state.NumberingMode = mode;
    const std::vector<int> order = NumberingOrder(document, mode, state.Random);
    std::vector<int> permutation;
    int permutationQuestion = 0;
    size_t next = 0;
    bool firstAnswer = true;
    for (size_t p = 0; p < order.size(); ++p) {
        ObjDataTyp& o = document.Objects[static_cast<size_t>(order[p])];
        if (IsNumberedKind(o.Typ)) {
            o.Nummer = mode != Numbering::QuestionMarks ? static_cast<int>(p) + 1 : 0;
        } else if (o.Typ == ObjectKind::ChoiceMarker) {
            if (firstAnswer || o.FrageNummer != permutationQuestion) {
                // Each question numbers its answers anew; at most twelve take part.
                permutation = AnswerPermutation(std::clamp(o.AntwortAnz, 0, kAnswerPictures),
                                                mode == Numbering::Random, state.Random);
                permutationQuestion = o.FrageNummer;
                next = 0;
                firstAnswer = false;
            }
            const int value = next < permutation.size() ? permutation[next] : 0;
            ++next;
            o.Nummer = mode != Numbering::QuestionMarks ? value : 0;
        } else if (o.Typ == ObjectKind::AnswerField) {
            o.Nummer = 0;
        } else {
            o.Nummer = -1;
            o.State = ObjectState::Shown;
        }
    }
}

QString NumberLabel(const Document& document, int index) {
    const int n = document.Objects.at(static_cast<size_t>(index)).Nummer;
    if (n < 1)
        return QStringLiteral("?");
    if (document.Header.NumArt == 1)
        return QChar(u'A' + (n - 1) % 26) + QString((n - 1) / 26, QLatin1Char('\''));
    return QString::number(n);
}

void CoverAll(Document& document) {
    for (ObjDataTyp& o : document.Objects)
        o.State = ObjectState::Covered;
}

void UncoverAll(Document& document) {
    for (ObjDataTyp& o : document.Objects)
        o.State = ObjectState::Shown;
}

void ToggleCover(ObjDataTyp& object) {
    object.State = object.State == ObjectState::Covered ? ObjectState::Shown : ObjectState::Covered;
}

int QuestionAfterButton(ObjectKind buttonKind, int current, int count, RandomGenerator& random) {
    if (count <= 0)
        return current;
    switch (buttonKind) {
    case ObjectKind::NavPrevious:
        return std::max(1, current - 1);
    case ObjectKind::NavNext:
        return std::min(count, current + 1);
    case ObjectKind::NavFirst:
        return 1;
    case ObjectKind::NavLast:
        return count;
    case ObjectKind::NavRandom: {
        if (count == 1)
            return 1;
        int drawn = current;
        while (drawn == current)
            drawn = 1 + random.random(count);
        return drawn;
    }
    default:
        return current;
    }
}

} // namespace quindor
