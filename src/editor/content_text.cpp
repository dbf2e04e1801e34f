#include "editor/content_text.h"

#include "document/caption_codec.h"
#include "editor/c_test.h"
#include "layouts/question_sources.h"

namespace quindor {

namespace {

const QString kPictures = QStringLiteral(
    "Der Inhalt dieses Dokuments enth\u00e4lt Bilder und l\u00e4sst sich deshalb nicht als Text "
    "bearbeiten.");
const QString kCellLines = QStringLiteral(
    "Eine Zelle dieses Dokuments hat mehrere Zeilen; der Inhalt l\u00e4sst sich deshalb nicht "
    "als Text bearbeiten.");

QString TextLines(const QString& stored) {
    return SplitCaptionLines(stored).join(QLatin1Char('\n'));
}

// The texts of the grid cells in use, column by column of each row; a refusal when a cell
// holds a picture or several lines.
bool GridTexts(const HeaderDataTyp& h, std::vector<QStringList>& rows, QString& refusal) {
    for (int r = 0; r < h.Zeilen; ++r) {
        QStringList cells;
        for (int c = 0; c < h.Spalten; ++c) {
            const CellDataTyp& cell = h.Cell(r, c);
            if (CellHasPicture(h, cell) || !cell.Bild.isNone()) {
                refusal = kPictures;
                return false;
            }
            if (SplitCaptionLines(cell.Text).size() > 1) {
                refusal = kCellLines;
                return false;
            }
            cells.append(cell.Text);
        }
        rows.push_back(cells);
    }
    return true;
}

QString ChoiceText(const Document& d, QString& refusal) {
    QStringList blocks;
    for (const ObjDataTyp& o : d.Objects) {
        if (o.Typ != ObjectKind::ChoiceQuestion && o.Typ != ObjectKind::ChoiceQuestionPicture)
            continue;
        if (o.Typ == ObjectKind::ChoiceQuestionPicture || o.Untertyp == 1) {
            refusal = kPictures;
            return {};
        }
        const ChoiceSource source = ParseChoiceSource(o.Cap);
        QStringList lines{source.Question};
        for (const ChoiceAnswerLine& answer : source.Answers) {
            if (!answer.Empty)
                lines.append((answer.correct() ? QStringLiteral("+ ") : QStringLiteral("- ")) +
                             answer.Text);
        }
        blocks.append(lines.join(QLatin1Char('\n')));
    }
    return blocks.join(QStringLiteral("\n\n"));
}

// Baskets: the heading in the first row, the cards below it; a basket without a text heading
// or with fixed texts among its cards does not fit the format.
QString BasketText(const HeaderDataTyp& h, const std::vector<QStringList>& rows, QString& refusal) {
    QStringList blocks;
    for (int c = 0; c < h.Spalten; ++c) {
        QStringList lines;
        for (int r = 0; r < h.Zeilen; ++r) {
            const QString& text = rows[static_cast<size_t>(r)].at(c);
            // The heading must be there; an empty card leaves no gap in the text.
            if (text.trimmed().isEmpty() && r > 0)
                continue;
            if (text.trimmed().isEmpty() || (h.Cell(r, c).Art == 0) != (r == 0)) {
                refusal =
                    QStringLiteral("Die K\u00f6rbe dieses Dokuments haben nicht die Form "
                                   "\u00dcberschrift und K\u00e4rtchen; der Inhalt l\u00e4sst "
                                   "sich deshalb nicht als Text bearbeiten.");
                return {};
            }
            lines.append(text.trimmed());
        }
        blocks.append(lines.join(QLatin1Char('\n')));
    }
    return blocks.join(QStringLiteral("\n\n"));
}

} // namespace

std::optional<ContentText> ContentTextOf(const Document& document) {
    const HeaderDataTyp& h = document.Header;
    const std::optional<TextKind> kind = TextKindOf(h);
    if (!kind)
        return std::nullopt;
    ContentText content;
    content.Kind = *kind;
    std::vector<QStringList> rows;
    switch (*kind) {
    case TextKind::GapText:
        content.Text = TextLines(h.Lueckentext);
        break;
    case TextKind::CTest:
        content.Text = TextLines(RemoveGaps(h.Lueckentext));
        break;
    case TextKind::GapTable:
        if (GridTexts(h, rows, content.Refusal)) {
            QStringList lines;
            for (const QStringList& cells : rows)
                lines.append(cells.join(QLatin1Char('\t')));
            content.Text = lines.join(QLatin1Char('\n'));
        }
        break;
    case TextKind::Questions: {
        QStringList lines;
        for (const SingleQuestionLine& q : ParseQuestionText(h.Fragentext))
            lines.append(q.Question + QStringLiteral(" // ") + q.Answer);
        content.Text = lines.join(QLatin1Char('\n'));
        break;
    }
    case TextKind::Choice:
        content.Text = ChoiceText(document, content.Refusal);
        break;
    case TextKind::Cluster:
        if (GridTexts(h, rows, content.Refusal))
            content.Text = BasketText(h, rows, content.Refusal);
        break;
    case TextKind::Pairs:
        if (GridTexts(h, rows, content.Refusal)) {
            QStringList lines;
            for (const QStringList& cells : rows)
                lines.append(cells.value(0).trimmed() + QLatin1Char('\t') +
                             cells.value(1).trimmed());
            content.Text = lines.join(QLatin1Char('\n'));
        }
        break;
    }
    if (!content.ok())
        content.Text.clear();
    return content;
}

} // namespace quindor
