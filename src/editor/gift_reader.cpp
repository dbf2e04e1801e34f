#include "editor/gift_reader.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace quindor {

namespace {

// While the structure of a question is read, each escaped character stands in the private use
// area, so that no search for the format's own characters finds it.
const QString kEscapable = QStringLiteral("~=#{}:\\n");
constexpr char16_t kEscapeBase = 0xE000;

QString Protect(const QString& raw) {
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const qsizetype escaped =
            raw.at(i) == u'\\' && i + 1 < raw.size() ? kEscapable.indexOf(raw.at(i + 1)) : -1;
        if (escaped >= 0) {
            text += QChar(static_cast<char16_t>(kEscapeBase + escaped));
            ++i;
        } else {
            text += raw.at(i);
        }
    }
    return text;
}

QString Release(QString text) {
    for (QChar& c : text) {
        const int escaped = c.unicode() - kEscapeBase;
        if (escaped >= 0 && escaped < kEscapable.size())
            c = kEscapable.at(escaped) == u'n' ? QChar(u'\n') : kEscapable.at(escaped);
    }
    return text;
}

enum class TextFormat { Moodle, Html, Plain, Markdown };

// Takes a leading "[html]", "[moodle]", "[plain]" or "[markdown]" off the text.
std::optional<TextFormat> TakeFormat(QString& text) {
    static const std::pair<QString, TextFormat> tags[] = {
        {QStringLiteral("[html]"), TextFormat::Html},
        {QStringLiteral("[moodle]"), TextFormat::Moodle},
        {QStringLiteral("[plain]"), TextFormat::Plain},
        {QStringLiteral("[markdown]"), TextFormat::Markdown}};
    const QString start = text.trimmed();
    for (const auto& [tag, format] : tags) {
        if (start.startsWith(tag, Qt::CaseInsensitive)) {
            text = start.mid(tag.size());
            return format;
        }
    }
    return std::nullopt;
}

QString HtmlText(QString html) {
    // A "<" that opens no tag ("3 < 5") is text.
    static const QRegularExpression lone(QStringLiteral("<(?![A-Za-z/!?])"));
    html.replace(lone, QStringLiteral("&lt;"));
    QString text = QTextDocumentFragment::fromHtml(html).toPlainText();
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    return text.replace(QChar::Nbsp, u' ');
}

QString MarkdownText(QString text) {
    static const QRegularExpression link(QStringLiteral(R"(\[([^\]]*)\]\([^)]*\))"));
    static const QRegularExpression strong(QStringLiteral(R"((\*\*|__)(.+?)\1)"));
    static const QRegularExpression emphasis(
        QStringLiteral(R"((?<![\w*])([*_])(?!\s)(.+?)(?<!\s)\1(?![\w*]))"));
    static const QRegularExpression code(QStringLiteral("`([^`]*)`"));
    return text.replace(link, QStringLiteral("\\1"))
        .replace(strong, QStringLiteral("\\2"))
        .replace(emphasis, QStringLiteral("\\2"))
        .replace(code, QStringLiteral("\\1"));
}

// A piece of a question as plain text: the markup of its format reduced, the line breaks of the
// file as blanks, "\n" (and <br>, <p> in HTML) as line breaks, blanks collapsed; a blank at
// either end stays one blank.
QString PlainText(const QString& piece, TextFormat format) {
    if (piece.isEmpty())
        return {};
    QString text = piece;
    if (format == TextFormat::Html || format == TextFormat::Moodle)
        text = HtmlText(text);
    else
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (format == TextFormat::Markdown)
        text = MarkdownText(text);
    QStringList lines = Release(text).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();
    if (lines.isEmpty())
        return QStringLiteral(" ");
    const QString blank = QStringLiteral(" ");
    return (piece.front().isSpace() ? blank : QString()) + lines.join(QLatin1Char('\n')) +
           (piece.back().isSpace() ? blank : QString());
}

// An answer is one line.
QString AnswerText(const QString& piece, TextFormat format) {
    return PlainText(piece, format).simplified();
}

struct Block {
    int line = 0;
    QString text;
};

class QuestionParser {
public:
    QuestionParser(const Block& block, const QString& category, GiftFile& file)
        : block_(block), file_(file) {
        question_.Line = block.line;
        question_.Category = category;
    }

    void parse() {
        QString rest = Protect(block_.text).trimmed();
        if (rest.startsWith(QStringLiteral("::"))) {
            const qsizetype end = rest.indexOf(QStringLiteral("::"), 2);
            if (end < 0)
                return fault(QStringLiteral("Der Name nach \"::\" wird nicht mit \"::\" "
                                            "geschlossen."));
            question_.Name = Release(rest.mid(2, end - 2)).simplified();
            rest = rest.mid(end + 2);
        }
        format_ = TakeFormat(rest).value_or(TextFormat::Moodle);
        const qsizetype open = rest.indexOf(u'{');
        const qsizetype close = rest.indexOf(u'}');
        if (close >= 0 && (open < 0 || close < open))
            return fault(QStringLiteral("\"}\" schlie\u00dft keine Antworten; ein \"}\" im Text "
                                        "wird als \\} geschrieben."));
        if (open < 0) {
            question_.Text = PlainText(rest, format_);
            return keep();
        }
        if (close < 0)
            return fault(QStringLiteral("\"{\" wird nicht mit \"}\" geschlossen."));
        if (rest.indexOf(u'{', open + 1) >= 0)
            return fault(QStringLiteral("Die Frage hat mehr als ein \"{\"; ein \"{\" im Text "
                                        "wird als \\{ geschrieben."));
        if (rest.indexOf(u'}', close + 1) >= 0)
            return fault(QStringLiteral("Die Frage hat mehr als ein \"}\"; ein \"}\" im Text "
                                        "wird als \\} geschrieben."));
        question_.Text = PlainText(rest.left(open), format_);
        question_.After = PlainText(rest.mid(close + 1), format_);
        if (readAnswers(rest.mid(open + 1, close - open - 1)))
            keep();
    }

private:
    void keep() { file_.Questions.push_back(question_); }
    void fault(const QString& text) { file_.Faults.push_back({block_.line, text}); }

    bool readAnswers(QString body) {
        // General feedback ends the answers.
        body = body.left(body.indexOf(QStringLiteral("####"))).trimmed();
        if (body.isEmpty()) {
            question_.Kind = GiftKind::Essay;
            return true;
        }
        if (body.startsWith(u'#')) {
            question_.Kind = GiftKind::Numerical;
            return true;
        }
        const QString head = body.section(u'#', 0, 0).trimmed().toUpper();
        if (head == u"T" || head == u"TRUE" || head == u"F" || head == u"FALSE") {
            question_.Kind = GiftKind::TrueFalse;
            question_.Truth = head.startsWith(u'T');
            return true;
        }
        const qsizetype first = body.indexOf(QRegularExpression(QStringLiteral("[~=]")));
        // One right answer may go without its "=".
        if (first < 0)
            body.prepend(u'=');
        else if (first > 0) {
            fault(QStringLiteral("Vor der ersten Antwort steht Text ohne \"=\" oder \"~\"."));
            return false;
        }
        // The answers in their order with their signs; whether they pair is known once all
        // are read.
        std::vector<std::pair<bool, QString>> answers;
        for (qsizetype start = 0; start < body.size();) {
            qsizetype end = start + 1;
            while (end < body.size() && body.at(end) != u'~' && body.at(end) != u'=')
                ++end;
            answers.emplace_back(body.at(start) == u'=', body.mid(start + 1, end - start - 1));
            start = end;
        }
        const auto tilde = [](const auto& a) { return !a.first; };
        const auto arrow = [](const auto& a) { return a.second.contains(QStringLiteral("->")); };
        question_.Kind =
            std::any_of(answers.begin(), answers.end(), tilde)   ? GiftKind::MultipleChoice
            : std::any_of(answers.begin(), answers.end(), arrow) ? GiftKind::Matching
                                                                 : GiftKind::ShortAnswer;
        const bool pairs = question_.Kind == GiftKind::Matching;
        if (pairs && !std::all_of(answers.begin(), answers.end(), arrow)) {
            fault(QStringLiteral("Ein Paar der Zuordnung hat kein \"->\"."));
            return false;
        }
        for (const auto& [equals, text] : answers)
            addAnswer(equals, text, pairs);
        return true;
    }

    void addAnswer(bool equals, QString text, bool paired) {
        static const QRegularExpression weight(
            QStringLiteral(R"(^\s*%\s*(-?\d+(?:[.,]\d+)?)\s*%)"));
        // The answer's feedback follows its "#".
        text = text.section(u'#', 0, 0);
        GiftAnswer answer{equals, equals ? 100.0 : 0.0, {}, {}};
        const QRegularExpressionMatch weighted = weight.match(text);
        if (weighted.hasMatch()) {
            answer.Weight = weighted.captured(1).replace(u',', u'.').toDouble();
            text = text.mid(weighted.capturedEnd());
        }
        const qsizetype arrow = paired ? text.indexOf(QStringLiteral("->")) : -1;
        answer.Text = AnswerText(arrow < 0 ? text : text.left(arrow), format_);
        if (arrow >= 0)
            answer.Match = AnswerText(text.mid(arrow + 2), format_);
        question_.Answers.push_back(answer);
    }

    const Block& block_;
    GiftFile& file_;
    GiftQuestion question_;
    TextFormat format_ = TextFormat::Moodle;
};

} // namespace

QString GiftQuestion::label() const {
    if (!Name.isEmpty())
        return Name;
    const QString text = (Text + After).simplified();
    if (text.isEmpty())
        return QStringLiteral("(ohne Text)");
    return text.size() <= 40 ? text : text.left(40).trimmed() + QStringLiteral("\u2026");
}

GiftFile ReadGift(const QString& text) {
    GiftFile file;
    QString category;
    // Blocks of lines between blank lines; comment lines are left out without ending a block.
    std::vector<InputLine> lines;
    for (const InputLine& line : InputLines(text)) {
        if (!line.Text.trimmed().startsWith(QStringLiteral("//")))
            lines.push_back(line);
    }
    for (std::vector<InputLine>& block : InputBlocks(lines)) {
        auto next = block.begin();
        for (; next != block.end() && next->Text.trimmed().startsWith(QStringLiteral("$CATEGORY:"));
             ++next)
            category = next->Text.trimmed().mid(10).trimmed();
        if (next == block.end())
            continue;
        Block question{next->Number, {}};
        for (; next != block.end(); ++next)
            question.text += next->Text + QLatin1Char('\n');
        QuestionParser(question, category, file).parse();
    }
    return file;
}

} // namespace quindor
