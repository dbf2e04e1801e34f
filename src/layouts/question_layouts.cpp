#include "layouts/question_layouts.h"

#include "core/rounding.h"
#include "document/document.h"
#include "document/numbering.h"
#include "layouts/choice_markers.h"
#include "layouts/question_sources.h"

#include <algorithm>

namespace quindor {

namespace {

// The navigation controls in their row from the left: first, previous, next, last, random.
constexpr ObjectKind kControlOrder[] = {ObjectKind::NavFirst, ObjectKind::NavPrevious,
                                        ObjectKind::NavNext, ObjectKind::NavLast,
                                        ObjectKind::NavRandom};
constexpr double kControlSpacing = 0.06;
// From the marker of an answer to the answer itself.
constexpr double kAnswerIndent = 0.06;
// "Frage Nr. k von n" small and plain above the question.
constexpr int kHeaderFsize = -5;

// What the layout creates and therefore deletes before creating it anew.
bool IsLayoutKind(ObjectKind typ) {
    return IsNavigationKind(typ) || typ == ObjectKind::StaticLabel || IsChoicePartKind(typ);
}

bool IsSourceKind(ObjectKind typ) {
    return typ == ObjectKind::ChoiceQuestion || typ == ObjectKind::ChoiceQuestionPicture;
}

// What a stored question contributes; copied, since creating objects moves the list.
struct Source {
    ObjectKind Typ = ObjectKind::ChoiceQuestion;
    int Untertyp = 0;
    QString Cap;
    Picture QuestionPicture;
    std::array<Picture, kAnswerPictures> AnswerPictures;
};

Picture LinearCopy(const Picture& source) {
    Picture copy = source;
    copy.Linear = true;
    return copy;
}

void AddQuestion(Document& document, const Source& source, int k, int n) {
    const FracRect& m = document.Header.EinrueckRand;
    const double centre = choice::CentreLine(m);
    AddObject(document, {.Typ = ObjectKind::StaticLabel,
                         .Ebene = 1,
                         .Cap = QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n),
                         .FrageNummer = k,
                         .Kx = m.Left,
                         .Ky = m.Top + 0.01,
                         .KAusr = 1,
                         .Fsize = kHeaderFsize});
    const ChoiceSource parsed = ParseChoiceSource(source.Cap);
    AddObject(document, {.Typ = ObjectKind::ChoiceText,
                         .Ebene = 1,
                         .Cap = parsed.Question,
                         .FrageNummer = k,
                         .Kx = m.Left,
                         .Ky = m.Top + 0.08,
                         .KAusr = 1,
                         .Fsize = choice::QuestionFsize(parsed.Question.size())});

    const bool pictureAnswers = source.Untertyp == 1;
    const bool twoColumns = source.Typ == ObjectKind::ChoiceQuestion && pictureAnswers;
    double x = source.Typ == ObjectKind::ChoiceQuestionPicture ? choice::MiddleColumn(m)
               : twoColumns                                    ? m.Left + 0.05
                                                               : m.Left + 0.12;
    if (source.Typ == ObjectKind::ChoiceQuestionPicture) {
        const QSize size = source.QuestionPicture.Image.size();
        const double aspect =
            size.height() > 0 ? static_cast<double>(size.width()) / size.height() : 1.0;
        const int index = AddObject(document, {.Typ = ObjectKind::ChoicePicture,
                                               .Ebene = 1,
                                               .Cap = QString(),
                                               .FrageNummer = k,
                                               .Kx = m.Left,
                                               .Ky = centre,
                                               .KAusr = 1,
                                               .Fsize = choice::QuestionPictureFsize(m, aspect)});
        document.Object(index).Picture = LinearCopy(source.QuestionPicture);
    }

    const int count = static_cast<int>(parsed.Answers.size());
    const int rows = twoColumns ? (count + 1) / 2 : count;
    const double step = choice::RowStep(m, count, rows, pictureAnswers);
    const double middleRow = (rows - 1) / 2.0;
    int shift = 0;
    for (int i = 0; i < count; ++i) {
        const ChoiceAnswerLine& answer = parsed.Answers[static_cast<size_t>(i)];
        if (answer.Empty)
            continue;
        // The second column starts with the first answer past the rows of the first, even
        // when the line at that place is empty.
        if (twoColumns && i >= rows && shift == 0) {
            x = choice::MiddleColumn(m);
            shift = -rows;
        }
        const double y = (i + shift - middleRow) * step + centre;
        const int marker = AddObject(document, {.Typ = ObjectKind::ChoiceMarker,
                                                .Ebene = 1,
                                                .Cap = QString(answer.Marker),
                                                .FrageNummer = k,
                                                .Kx = x,
                                                .Ky = y,
                                                .KAusr = 1,
                                                .Fsize = 4});
        document.Object(marker).AntwortAnz = count;
        document.Object(marker).Picture = ChoiceMarkerPicture(answer.correct());
        if (pictureAnswers) {
            const int index = AddObject(document, {.Typ = ObjectKind::ChoiceAnswerPicture,
                                                   .Ebene = 1,
                                                   .Cap = answer.Text,
                                                   .FrageNummer = k,
                                                   .Kx = x + kAnswerIndent,
                                                   .Ky = y,
                                                   .KAusr = 1,
                                                   .Fsize = RoundHalfEven(step * 240) - 10});
            document.Object(index).Picture =
                LinearCopy(source.AnswerPictures[static_cast<size_t>(i)]);
        } else {
            AddObject(document, {.Typ = ObjectKind::ChoiceAnswerText,
                                 .Ebene = 1,
                                 .Cap = answer.Text,
                                 .FrageNummer = k,
                                 .Kx = x + kAnswerIndent,
                                 .Ky = y,
                                 .KAusr = 1,
                                 .Fsize = 1});
        }
    }
    const double okRow = rows - middleRow - (pictureAnswers ? 0.1 : 0.0);
    AddObject(document, {.Typ = ObjectKind::ChoiceOk,
                         .Ebene = 1,
                         .Cap = QStringLiteral("OK"),
                         .FrageNummer = k,
                         .Kx = x,
                         .Ky = okRow * step + centre,
                         .KAusr = 1,
                         .Fsize = 1});
}

void Regenerate(Document& document, ProgramState& state) {
    std::erase_if(document.Objects, [](const ObjDataTyp& o) { return IsLayoutKind(o.Typ); });
    std::vector<Source> sources;
    for (ObjDataTyp& o : document.Objects) {
        if (!IsSourceKind(o.Typ))
            continue;
        sources.push_back({o.Typ, o.Untertyp, o.Cap, o.Picture, o.AntwPics});
        // A run asks the stored question and shows the parts of its number: whatever number
        // the file gave it, it is the question it is counted as.
        o.FrageNummer = static_cast<int>(sources.size());
    }
    const FracRect& m = document.Header.EinrueckRand;
    // Header, question, picture, OK and up to twelve markers with their answers.
    document.Objects.reserve(document.Objects.size() + 5 + sources.size() * 28);
    const double controlsY = 1 - m.Bottom - 0.03;
    for (size_t i = 0; i < std::size(kControlOrder); ++i)
        AddObject(document, {.Typ = kControlOrder[i],
                             .Ebene = 2,
                             .Cap = QString(),
                             .FrageNummer = -1,
                             .Kx = m.Left + kControlSpacing * static_cast<double>(i),
                             .Ky = controlsY,
                             .KAusr = 1,
                             .Fsize = 0});
    const int n = static_cast<int>(sources.size());
    for (int k = 1; k <= n; ++k)
        AddQuestion(document, sources[static_cast<size_t>(k - 1)], k, n);

    document.Header.AnzFrageNummern = n;
    SetNumberingMode(document, state, state.NumberingMode);
    if (state.ViewMode != Mode::Exercise) {
        for (ObjDataTyp& o : document.Objects) {
            if (o.Typ == ObjectKind::ChoiceMarker)
                o.State = ObjectState::Covered;
        }
    }
}

} // namespace

namespace choice {

int QuestionFsize(qsizetype length) {
    const qsizetype beyond = std::max<qsizetype>(0, length - 60);
    return static_cast<int>(std::max<qsizetype>(-1, 5 - beyond / 12));
}

double CentreLine(const FracRect& m) {
    return (1 - m.Top - m.Bottom) * 0.47 / 0.915 + m.Top;
}

double MiddleColumn(const FracRect& m) {
    return (1 - m.Left - m.Right) * 0.45 / 0.9 + m.Left;
}

double RowStep(const FracRect& m, int count, int rows, bool pictureAnswers) {
    const double cap = pictureAnswers ? 0.2 : 0.15;
    return (1 - m.Top - m.Bottom) * std::min(cap, (count * 0.1 / 12 + 0.6) / std::max(1, rows)) /
           0.915;
}

int QuestionPictureFsize(const FracRect& m, double aspect) {
    const int start = RoundHalfEven((1 - m.Left - m.Right) * 120 / 0.95);
    return RoundHalfEven(start / (std::max(aspect, 1.05) / 1.05));
}

} // namespace choice

void KeepCurrentQuestionInRange(const HeaderDataTyp& header, ProgramState& state) {
    if (state.CurrentQuestion < 1 || state.CurrentQuestion > header.AnzFrageNummern)
        state.CurrentQuestion = header.AnzFrageNummern < 1 ? -1 : 1;
}

void SingleQuestionLayout(Document& document, ProgramState& state) {
    if (document.Header.DokTyp == DocumentType::Questions)
        KeepCurrentQuestionInRange(document.Header, state);
}

void MultipleChoiceLayout(Document& document, bool regenerate, ProgramState& state) {
    if (document.Header.DokTyp != DocumentType::MultipleChoice)
        return;
    if (regenerate)
        Regenerate(document, state);
    KeepCurrentQuestionInRange(document.Header, state);
}

} // namespace quindor
