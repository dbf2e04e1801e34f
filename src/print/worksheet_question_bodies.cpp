// The bodies of question documents: the questions one below the other from the first one
// asked for, as many as fit, each with the room for its answer.
#include "core/rounding.h"
#include "layouts/choice_markers.h"
#include "layouts/question_sources.h"
#include "print/worksheet_canvas.h"

namespace quindor {

namespace {

constexpr int kQuestionEm = 25;
constexpr WinColor kAnswerColour = 0x0000FF;
constexpr int kPictureAnswers = 1;

// Lays out the questions from the first one asked for: each is measured first and printed only
// when it ends above the bottom room of the page. A frame closes the questions printed.
void DrawQuestions(SheetCanvas& c, int count, const std::function<int(int index, bool draw)>& one) {
    const int t25 = c.textHeight(c.font(kQuestionEm));
    const double limit = c.height - 1.5 * t25;
    int firstTop = -1;
    for (int i = 0; i < count; ++i) {
        if (i + 1 < c.settings.AbFrageEdit)
            continue;
        if (one(i, false) >= limit)
            break;
        if (firstTop < 0)
            firstTop = c.y;
        c.y = one(i, true);
    }
    if (firstTop >= 0 && c.sheetContent())
        c.frame(0, firstTop, c.width, c.y + 1);
}

QString Numbered(int number, const QString& text) {
    return QString::number(number) + QStringLiteral(". ") + text;
}

} // namespace

void DrawSingleQuestionBody(SheetCanvas& c) {
    const std::vector<SingleQuestionLine> questions =
        ParseQuestionText(c.document.Header.Fragentext);
    const int left = RoundHalfEven(c.width * 0.02);
    const int areaRight = RoundHalfEven(c.width * 0.97);
    DrawQuestions(c, static_cast<int>(questions.size()), [&](int index, bool draw) {
        const SingleQuestionLine& q = questions[static_cast<size_t>(index)];
        const MarkupLayoutParams question =
            c.layoutParams(kQuestionEm, areaRight, draw && c.sheetContent());
        int y = LayoutParagraph(question, Numbered(index + 1, q.Question), c.y, left);
        // The answer's room stays free on the worksheet.
        MarkupLayoutParams answer = c.layoutParams(kQuestionEm, areaRight, draw && c.answers());
        answer.colour = kAnswerColour;
        y = LayoutParagraph(answer, q.Answer, y, left);
        if (draw && c.sheetContent())
            c.line(0, y, c.width, y);
        return y;
    });
}

void DrawChoiceBody(SheetCanvas& c) {
    std::vector<const ObjDataTyp*> sources;
    for (const ObjDataTyp& o : c.document.Objects) {
        if (o.Typ == ObjectKind::ChoiceQuestion || o.Typ == ObjectKind::ChoiceQuestionPicture)
            sources.push_back(&o);
    }
    const int w = c.width;
    const int left = RoundHalfEven(w * 0.02);
    const int areaRight = RoundHalfEven(w * 0.97);
    const int t25 = c.textHeight(c.font(kQuestionEm));
    DrawQuestions(c, static_cast<int>(sources.size()), [&](int index, bool draw) {
        const ObjDataTyp& o = *sources[static_cast<size_t>(index)];
        const bool sheet = draw && c.sheetContent();
        const ChoiceSource source = ParseChoiceSource(o.Cap);
        const MarkupLayoutParams text = c.layoutParams(kQuestionEm, areaRight, sheet);
        const int bottom =
            LayoutText(text, Numbered(index + 1, source.Question.trimmed()), c.y, left);
        const int a = bottom + RoundHalfEven(t25 * 0.35);
        int ax = RoundHalfEven(w * 0.05);
        int columnBottom = a;
        if (o.Typ == ObjectKind::ChoiceQuestionPicture && !o.Picture.isEmpty()) {
            const QSize size = o.Picture.Image.size();
            int ph = 8 * t25;
            int pw = RoundHalfEven(double(ph) * size.width() / size.height());
            if (pw > w * 0.45) {
                ph = RoundHalfEven(8.0 * t25 * w * 0.45 / pw);
                pw = RoundHalfEven(w * 0.45);
            }
            if (sheet) {
                const QRect place(left, a, pw, ph);
                c.painter.fillRect(place, Qt::white);
                c.painter.drawImage(place, o.Picture.Image);
            }
            columnBottom = a + RoundHalfEven(ph + t25 * 0.5) + RoundHalfEven(t25 * 0.25);
            ax = RoundHalfEven(w * 0.5);
        }
        int y = a - RoundHalfEven(t25 * 0.5);
        const bool pictures = o.Untertyp == kPictureAnswers;
        const bool twoColumns = pictures && o.Typ == ObjectKind::ChoiceQuestion;
        const int lines = static_cast<int>(source.Answers.size());
        for (int i = 0; i < lines; ++i) {
            const ChoiceAnswerLine& line = source.Answers[static_cast<size_t>(i)];
            if (line.Empty)
                continue;
            if (twoColumns && i == (lines + 1) / 2) {
                // The second column starts at the top again.
                ax = RoundHalfEven(w * 0.5);
                columnBottom = y + RoundHalfEven(t25 * 0.9);
                y = a - RoundHalfEven(t25 * 0.5);
            }
            if (pictures)
                y += RoundHalfEven(t25 * 1.5);
            const int boxTop = RoundHalfEven(y + t25 * 0.5);
            const int boxBottom = RoundHalfEven(y + t25 * 1.5);
            if (draw && c.answers())
                c.painter.drawImage(
                    QRect(QPoint(ax - 2, boxTop), QPoint(ax + t25 - 3, boxBottom - 1)),
                    ChoiceMarkerPicture(line.correct()).Image);
            if (sheet)
                c.frame(ax - 2, boxTop, ax + t25 - 2, boxBottom);
            const int answerX = RoundHalfEven(ax + w * 0.05);
            if (!pictures) {
                y = LayoutParagraph(text, line.Text, y, answerX) - RoundHalfEven(t25 * 0.4);
                continue;
            }
            const Picture& picture = o.AnswerPicture(i);
            const int height = 4 * t25;
            y -= t25;
            if (sheet && !picture.isEmpty()) {
                const QSize size = picture.Image.size();
                const int width = RoundHalfEven(double(height) * size.width() / size.height());
                c.painter.drawImage(QRect(answerX, y, width, height), picture.Image);
            }
            y += height;
        }
        y = std::max(columnBottom, y + RoundHalfEven(t25 * 0.9));
        if (sheet)
            c.line(0, y, w, y);
        return y;
    });
}

} // namespace quindor
