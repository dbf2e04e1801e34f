#include "editor/text_parsers.h"

#include "editor/c_test.h"

namespace quindor {

namespace {

const QString kGapHint = QStringLiteral("eine L\u00fccke wird als <<Antwort>> geschrieben.");

// Checks the gaps of one line (or cell) and counts them; the fault, if any.
std::optional<QString> CheckGaps(const QString& text, int& gaps) {
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf(QStringLiteral("<<"), from);
        const qsizetype stray = text.indexOf(QStringLiteral(">>"), from);
        if (stray >= 0 && (open < 0 || stray < open))
            return QStringLiteral("\">>\" schlie\u00dft eine L\u00fccke, die nicht ge\u00f6ffnet "
                                  "wurde.");
        if (open < 0)
            return std::nullopt;
        const qsizetype close = text.indexOf(QStringLiteral(">>"), open + 2);
        if (close < 0)
            return QStringLiteral("Eine L\u00fccke wird mit \"<<\" ge\u00f6ffnet, aber in dieser "
                                  "Zeile nicht mit \">>\" geschlossen.");
        const QString content = text.mid(open + 2, close - open - 2);
        if (content.contains(QStringLiteral("<<")))
            return QStringLiteral("Eine L\u00fccke wird ge\u00f6ffnet, bevor die vorige mit "
                                  "\">>\" geschlossen ist.");
        if (content.section(QLatin1Char('|'), 0, 0).trimmed().isEmpty())
            return QStringLiteral("Eine L\u00fccke hat keine Antwort.");
        ++gaps;
        from = close + 2;
    }
}

QString JoinLines(const std::vector<InputLine>& lines) {
    QStringList texts;
    for (const InputLine& line : lines)
        texts.append(line.Text);
    return texts.join(QStringLiteral("\r\n"));
}

Parsed<TextContent> ParseGapText(const std::vector<InputLine>& lines) {
    int gaps = 0;
    for (const InputLine& line : lines) {
        if (const std::optional<QString> fault = CheckGaps(line.Text, gaps))
            return Parsed<TextContent>::failure(line.Number, *fault);
    }
    if (gaps == 0)
        return Parsed<TextContent>::failure(0, QStringLiteral("Der Text hat keine L\u00fccke; ") +
                                                   kGapHint);
    return {JoinLines(lines), {}};
}

Parsed<TextContent> ParseCTest(const std::vector<InputLine>& lines) {
    for (const InputLine& line : lines) {
        if (line.Text.contains(QStringLiteral("<<")) || line.Text.contains(QStringLiteral(">>")))
            return Parsed<TextContent>::failure(
                line.Number, QStringLiteral("Ein C-Test ist Text ohne \"<<\" und \">>\"; die "
                                            "L\u00fccken setzt das Programm selbst."));
    }
    const QString made = MakeCTest(JoinLines(lines));
    if (!made.contains(QStringLiteral("<<")))
        return Parsed<TextContent>::failure(
            0, QStringLiteral("Der C-Test ergibt keine L\u00fccke: Zwischen dem ersten und dem "
                              "letzten Satz m\u00fcssen mindestens zwei W\u00f6rter mit zwei oder "
                              "mehr Buchstaben stehen."));
    return {made, {}};
}

Parsed<TextContent> ParseGapTable(const std::vector<InputLine>& lines) {
    TableRows rows;
    int gaps = 0;
    for (const InputLine& line : lines) {
        if (line.blank())
            continue;
        if (static_cast<int>(rows.size()) == kMaxTableRows)
            return Parsed<TextContent>::failure(
                line.Number,
                QStringLiteral("Die Tabelle hat mehr als %1 Zeilen.").arg(kMaxTableRows));
        QStringList cells = line.Text.split(QLatin1Char('\t'));
        if (cells.size() > kMaxTableColumns)
            return Parsed<TextContent>::failure(
                line.Number,
                QStringLiteral("Die Zeile hat mehr als %1 Spalten.").arg(kMaxTableColumns));
        for (QString& cell : cells) {
            cell = cell.trimmed();
            if (const std::optional<QString> fault = CheckGaps(cell, gaps))
                return Parsed<TextContent>::failure(line.Number, *fault);
        }
        rows.push_back(cells);
    }
    if (gaps == 0)
        return Parsed<TextContent>::failure(
            0, QStringLiteral("Die Tabelle hat keine L\u00fccke; ") + kGapHint);
    return {rows, {}};
}

Parsed<TextContent> ParseQuestions(const std::vector<InputLine>& lines) {
    const QString form = QStringLiteral("; eine Zeile lautet Frage // Antwort.");
    std::vector<SingleQuestionLine> questions;
    for (const InputLine& line : lines) {
        if (line.blank())
            continue;
        const qsizetype separator = line.Text.indexOf(QStringLiteral("//"));
        const QString question = line.Text.left(separator).trimmed();
        const QString answer = separator < 0 ? QString() : line.Text.mid(separator + 2).trimmed();
        if (separator >= 0 && question.isEmpty())
            return Parsed<TextContent>::failure(line.Number,
                                                QStringLiteral("Die Frage fehlt") + form);
        if (answer.isEmpty())
            return Parsed<TextContent>::failure(line.Number,
                                                QStringLiteral("Die Antwort fehlt") + form);
        questions.push_back({question, answer});
    }
    return {questions, {}};
}

Parsed<TextContent> ParseChoices(const std::vector<InputLine>& lines) {
    std::vector<ChoiceSource> questions;
    for (const std::vector<InputLine>& block : InputBlocks(lines)) {
        ChoiceSource question;
        question.Question = block.front().Text.trimmed();
        bool right = false;
        for (size_t i = 1; i < block.size(); ++i) {
            const InputLine& line = block[i];
            const QString text = line.Text.trimmed();
            if (!text.startsWith(QLatin1Char('+')) && !text.startsWith(QLatin1Char('-')))
                return Parsed<TextContent>::failure(
                    line.Number, QStringLiteral("Eine Antwort beginnt mit \"+\" (richtig) oder "
                                                "\"-\" (falsch)."));
            if (static_cast<int>(question.Answers.size()) == kMaxChoiceAnswers)
                return Parsed<TextContent>::failure(
                    line.Number,
                    QStringLiteral("Die Frage hat mehr als %1 Antworten.").arg(kMaxChoiceAnswers));
            ChoiceAnswerLine answer{false, text.front(), text.mid(1).trimmed()};
            if (answer.Text.isEmpty())
                return Parsed<TextContent>::failure(line.Number,
                                                    QStringLiteral("Die Antwort ist leer."));
            right = right || answer.correct();
            question.Answers.push_back(answer);
        }
        const int at = block.front().Number;
        if (question.Answers.empty())
            return Parsed<TextContent>::failure(at, QStringLiteral("Die Frage hat keine Antwort."));
        if (!right)
            return Parsed<TextContent>::failure(
                at, QStringLiteral("Die Frage hat keine richtige Antwort (mit \"+\")."));
        questions.push_back(question);
    }
    return {questions, {}};
}

Parsed<TextContent> ParseBaskets(const std::vector<InputLine>& lines) {
    const auto blocks = InputBlocks(lines);
    std::vector<Basket> baskets;
    for (const std::vector<InputLine>& block : blocks) {
        const int at = block.front().Number;
        if (static_cast<int>(baskets.size()) == kMaxBaskets)
            return Parsed<TextContent>::failure(
                at, QStringLiteral("Mehr als %1 K\u00f6rbe; eine Cluster-\u00dcbung hat %2 bis %1 "
                                   "K\u00f6rbe.")
                        .arg(kMaxBaskets)
                        .arg(kMinBaskets));
        Basket basket{block.front().Text.trimmed(), {}};
        if (block.size() == 1)
            return Parsed<TextContent>::failure(
                at, QStringLiteral("Der Korb \"%1\" hat keine K\u00e4rtchen.").arg(basket.Heading));
        for (size_t i = 1; i < block.size(); ++i) {
            if (static_cast<int>(basket.Items.size()) == kMaxBasketItems)
                return Parsed<TextContent>::failure(
                    block[i].Number,
                    QStringLiteral("Der Korb \"%1\" hat mehr als %2 K\u00e4rtchen.")
                        .arg(basket.Heading)
                        .arg(kMaxBasketItems));
            basket.Items.append(block[i].Text.trimmed());
        }
        baskets.push_back(basket);
    }
    if (baskets.size() < static_cast<size_t>(kMinBaskets))
        return Parsed<TextContent>::failure(
            blocks.front().front().Number,
            QStringLiteral("Nur ein Korb; eine Cluster-\u00dcbung hat %1 bis %2 K\u00f6rbe, durch "
                           "Leerzeilen getrennt.")
                .arg(kMinBaskets)
                .arg(kMaxBaskets));
    return {baskets, {}};
}

Parsed<TextContent> ParsePairs(const std::vector<InputLine>& lines) {
    std::vector<ElementPair> pairs;
    for (const InputLine& line : lines) {
        if (line.blank())
            continue;
        if (static_cast<int>(pairs.size()) == kMaxPairs)
            return Parsed<TextContent>::failure(
                line.Number, QStringLiteral("Mehr als %1 Paare.").arg(kMaxPairs));
        QStringList parts = line.Text.split(QLatin1Char('\t'));
        if (parts.size() > 2)
            return Parsed<TextContent>::failure(
                line.Number, QStringLiteral("Die Zeile hat mehr als zwei Elemente."));
        if (parts.size() == 1) {
            const qsizetype separator = line.Text.indexOf(QStringLiteral(" = "));
            if (separator >= 0)
                parts = QStringList{line.Text.left(separator), line.Text.mid(separator + 3)};
        }
        const QString left = parts.at(0).trimmed();
        const QString right = parts.value(1).trimmed();
        if (right.isEmpty())
            return Parsed<TextContent>::failure(
                line.Number, QStringLiteral("Das rechte Element fehlt; die Elemente werden durch "
                                            "einen Tabulator oder \" = \" getrennt."));
        if (left.isEmpty())
            return Parsed<TextContent>::failure(line.Number,
                                                QStringLiteral("Das linke Element fehlt."));
        pairs.push_back({left, right});
    }
    return {pairs, {}};
}

} // namespace

Parsed<TextContent> ParseText(TextKind kind, const QString& text) {
    const std::vector<InputLine> lines = InputLines(text);
    if (lines.empty())
        return Parsed<TextContent>::failure(0, QStringLiteral("Der Text ist leer."));
    if (const std::optional<FormatError> fault = CheckStorable(lines))
        return Parsed<TextContent>::failure(*fault);
    switch (kind) {
    case TextKind::GapText:
        return ParseGapText(lines);
    case TextKind::CTest:
        return ParseCTest(lines);
    case TextKind::GapTable:
        return ParseGapTable(lines);
    case TextKind::Questions:
        return ParseQuestions(lines);
    case TextKind::Choice:
        return ParseChoices(lines);
    case TextKind::Cluster:
        return ParseBaskets(lines);
    case TextKind::Pairs:
        return ParsePairs(lines);
    }
    return Parsed<TextContent>::failure(0, QString());
}

QString ContentSummary(const TextContent& content) {
    struct Summary {
        QString operator()(const QString& text) const {
            return QStringLiteral("%1 L\u00fccke(n)").arg(text.count(QStringLiteral("<<")));
        }
        QString operator()(const TableRows& rows) const {
            int gaps = 0;
            for (const QStringList& row : rows)
                gaps += static_cast<int>(row.join(QString()).count(QStringLiteral("<<")));
            return QStringLiteral("%1 Zeile(n), %2 L\u00fccke(n)").arg(rows.size()).arg(gaps);
        }
        QString operator()(const std::vector<SingleQuestionLine>& questions) const {
            return QStringLiteral("%1 Frage(n)").arg(questions.size());
        }
        QString operator()(const std::vector<ChoiceSource>& questions) const {
            return QStringLiteral("%1 Frage(n)").arg(questions.size());
        }
        QString operator()(const std::vector<Basket>& baskets) const {
            qsizetype items = 0;
            for (const Basket& basket : baskets)
                items += basket.Items.size();
            return QStringLiteral("%1 K\u00f6rbe, %2 K\u00e4rtchen").arg(baskets.size()).arg(items);
        }
        QString operator()(const std::vector<ElementPair>& pairs) const {
            return QStringLiteral("%1 Paar(e)").arg(pairs.size());
        }
    };
    return std::visit(Summary{}, content);
}

int QuestionOfLine(TextKind kind, const QString& text, int line) {
    if (kind != TextKind::Questions && kind != TextKind::Choice)
        return 0;
    int question = 0;
    bool open = false;
    for (const InputLine& input : InputLines(text)) {
        if (input.Number > line)
            break;
        if (input.blank()) {
            open = false;
            continue;
        }
        if (kind == TextKind::Questions || !open)
            ++question;
        open = true;
    }
    return std::max(question, 1);
}

} // namespace quindor
