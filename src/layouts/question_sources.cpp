#include "layouts/question_sources.h"

#include "document/caption_codec.h"

#include <QStringList>

namespace quindor {

namespace {

QString TrimmedEnd(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

ChoiceAnswerLine AnswerLine(const QString& line) {
    ChoiceAnswerLine answer;
    // An indented line still names its marker first.
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return answer;
    answer.Empty = false;
    answer.Marker = trimmed.front();
    answer.Text = trimmed.mid(1).trimmed();
    return answer;
}

} // namespace

std::vector<SingleQuestionLine> ParseQuestionText(const QString& fragentext) {
    std::vector<SingleQuestionLine> questions;
    for (const QString& line : SplitCaptionLines(fragentext)) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype separator = line.indexOf(QStringLiteral("//"));
        if (separator < 0) {
            questions.push_back({line.trimmed(), kNoAnswer});
            continue;
        }
        questions.push_back({line.left(separator).trimmed(), line.mid(separator + 2).trimmed()});
    }
    return questions;
}

ChoiceSource ParseChoiceSource(const QString& cap) {
    const QStringList items = SplitCommaText(cap);
    ChoiceSource source;
    if (!items.isEmpty())
        source.Question = TrimmedEnd(items.at(0));
    const QStringList lines =
        items.size() > 1 ? SplitCaptionLines(items.at(1).trimmed()) : QStringList();
    for (qsizetype i = 0; i < lines.size() && i < kMaxChoiceAnswers; ++i)
        source.Answers.push_back(AnswerLine(lines.at(i)));
    if (source.Answers.empty())
        source.Answers.push_back(AnswerLine(QStringLiteral("+ Antwort")));
    return source;
}

} // namespace quindor
