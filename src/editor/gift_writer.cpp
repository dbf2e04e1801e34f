#include "editor/gift_writer.h"

#include "document/caption_codec.h"
#include "document/markup_tags.h"
#include "editor/scratch_session.h"
#include "editor/text_kinds.h"
#include "layouts/grid_cells.h"
#include "layouts/question_sources.h"

#include <QFileInfo>

namespace quindor {

namespace {

// A gap's place in the plain text of its line while the line is cut into sentences.
constexpr char16_t kGapMark = 0xE100;

QString Weight(double percent) {
    QString text = QString::number(percent, 'f', 5);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString OneLine(const QString& caption) {
    return SplitCaptionLines(caption).join(u' ').simplified();
}

// The text without the markup tags of the text layout.
QString WithoutMarkup(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size();) {
        const MarkupTagMatch tag = MatchMarkupTag(text, i, false);
        if (tag.tag != MarkupTag::None)
            i += tag.length;
        else
            plain += text.at(i++);
    }
    return plain;
}

class DocumentWriter {
public:
    DocumentWriter(const Document& document, const QString& label, GiftExport& out)
        : h_(document.Header), document_(document), label_(label), out_(out) {
        title_ = OneLine(h_.Titel);
        if (title_.isEmpty())
            title_ = QFileInfo(label).completeBaseName();
    }

    void write() {
        notesBefore_ = out_.Notes.size();
        const std::optional<TextKind> kind = TextKindOf(h_);
        const QString typeName = DocumentTypeName(h_.DokTyp, h_.DokUnterTyp);
        if (!kind || kind == TextKind::GapTable || kind == TextKind::Cluster)
            return note(
                QStringLiteral("%1 l\u00e4sst sich nicht als GIFT schreiben; "
                               "\u00fcbersprungen.")
                    .arg(typeName.isEmpty() ? QStringLiteral("Dieser Dokumenttyp") : typeName));
        switch (*kind) {
        case TextKind::GapText:
        case TextKind::CTest:
            gaps();
            break;
        case TextKind::Questions:
            singles();
            break;
        case TextKind::Choice:
            choices();
            break;
        default:
            pairs();
            break;
        }
        if (questions_.isEmpty() && out_.Notes.size() == notesBefore_)
            note(QStringLiteral("keine Frage, die sich als GIFT schreiben l\u00e4sst."));
        if (questions_.isEmpty())
            return;
        out_.Text += QStringLiteral("// %1\n$CATEGORY: %2\n\n")
                         .arg(label_, QString(title_).replace(u'/', u'-')) +
                     questions_.join(QStringLiteral("\n\n")) + QStringLiteral("\n\n");
        out_.Questions += static_cast<int>(questions_.size());
        out_.Documents.append(
            QStringLiteral("%1: %2, %3 Frage(n)").arg(label_, typeName).arg(questions_.size()));
    }

private:
    void note(const QString& text) { out_.Notes.append(label_ + QStringLiteral(": ") + text); }
    // "::Titel 03::" and the question text.
    void add(const QString& text, const QString& answers) {
        questions_.append(QStringLiteral("::%1 %2::")
                              .arg(GiftEscaped(title_))
                              .arg(++out_.Named[title_], 2, 10, QLatin1Char('0')) +
                          text + answers);
    }

    void singles() {
        int k = 0;
        for (const SingleQuestionLine& q : ParseQuestionText(h_.Fragentext)) {
            ++k;
            if (q.Answer == kNoAnswer)
                note(QStringLiteral("Frage %1 hat keine Antwort; \u00fcbersprungen.").arg(k));
            else
                add(GiftEscaped(q.Question), QStringLiteral("{=%1}").arg(GiftEscaped(q.Answer)));
        }
    }

    void choices() {
        int k = 0;
        for (const ObjDataTyp& o : document_.Objects) {
            if (o.Typ != ObjectKind::ChoiceQuestion && o.Typ != ObjectKind::ChoiceQuestionPicture)
                continue;
            ++k;
            if (o.Untertyp == 1) {
                note(
                    QStringLiteral("Frage %1 hat Bilder als Antworten; \u00fcbersprungen.").arg(k));
                continue;
            }
            if (o.Typ == ObjectKind::ChoiceQuestionPicture)
                note(QStringLiteral("Das Bild von Frage %1 ist weggelassen.").arg(k));
            const ChoiceSource source = ParseChoiceSource(o.Cap);
            std::vector<ChoiceAnswerLine> answers;
            std::copy_if(source.Answers.begin(), source.Answers.end(), std::back_inserter(answers),
                         [](const ChoiceAnswerLine& a) { return !a.Empty; });
            const auto rights =
                std::count_if(answers.begin(), answers.end(),
                              [](const ChoiceAnswerLine& a) { return a.correct(); });
            if (rights == 0) {
                note(QStringLiteral("Frage %1 hat keine richtige Antwort; \u00fcbersprungen.")
                         .arg(k));
                continue;
            }
            // One right answer is Moodle's single choice; several share the marks, and a wrong
            // tick costs them all.
            const double share = QString(Weight(100.0 / rights)).toDouble();
            QString block = QStringLiteral("{\n");
            int given = 0;
            for (const ChoiceAnswerLine& a : answers) {
                QString sign = a.correct() ? QStringLiteral("=") : QStringLiteral("~");
                if (rights > 1 && a.correct())
                    sign = QStringLiteral("~%") +
                           Weight(++given == rights ? 100.0 - share * (rights - 1) : share) +
                           QStringLiteral("%");
                else if (rights > 1)
                    sign = QStringLiteral("~%-100%");
                block += QStringLiteral("  ") + sign + GiftEscaped(a.Text) + QLatin1Char('\n');
            }
            add(GiftEscaped(source.Question), block + QLatin1Char('}'));
        }
    }

    void pairs() {
        QStringList lines;
        for (int r = 0; r < h_.Zeilen; ++r) {
            const CellDataTyp& left = h_.Cell(r, 0);
            const CellDataTyp& right = h_.Cell(r, 1);
            const QString l = OneLine(left.Text);
            const QString rt = OneLine(right.Text);
            if (IsPictureCell(left.Art) || IsPictureCell(right.Art))
                note(QStringLiteral("Paar %1 hat ein Bild; \u00fcbersprungen.").arg(r + 1));
            else if (l.isEmpty() || rt.isEmpty())
                note(QStringLiteral("Paar %1 hat eine leere Seite; \u00fcbersprungen.").arg(r + 1));
            else
                lines.append(QStringLiteral("  =%1 -> %2\n").arg(GiftEscaped(l), GiftEscaped(rt)));
        }
        // Moodle asks for three pairs at least.
        if (lines.size() < 3) {
            note(QStringLiteral("Eine Zuordnung braucht in Moodle mindestens drei Paare; "
                                "\u00fcbersprungen."));
            return;
        }
        add(GiftEscaped(title_ + QStringLiteral(": Ordne richtig zu.")),
            QStringLiteral("{\n") + lines.join(QString()) + QLatin1Char('}'));
    }

    // Each gap becomes a missing-word question of its sentence, the other gaps of the sentence
    // filled in with their first answer.
    void gaps() {
        for (const QString& line : SplitCaptionLines(h_.Lueckentext)) {
            QString plain;
            QList<QStringList> gaps;
            qsizetype from = 0;
            while (true) {
                const qsizetype open = line.indexOf(QStringLiteral("<<"), from);
                const qsizetype close =
                    open < 0 ? -1 : line.indexOf(QStringLiteral(">>"), open + 2);
                if (close < 0)
                    break;
                plain += WithoutMarkup(line.mid(from, open - from)) + QChar(kGapMark);
                QStringList answers = line.mid(open + 2, close - open - 2).split(u'|');
                for (QString& answer : answers)
                    answer = answer.simplified();
                answers.removeAll(QString());
                gaps.append(answers);
                from = close + 2;
            }
            plain += WithoutMarkup(line.mid(from));
            int gap = 0;
            qsizetype start = 0;
            for (qsizetype i = 0; i < plain.size(); ++i) {
                const bool end =
                    i + 1 == plain.size() ||
                    (QStringLiteral(".!?").contains(plain.at(i)) && plain.at(i + 1).isSpace());
                if (end) {
                    gap = sentenceQuestions(plain.mid(start, i + 1 - start).trimmed(), gaps, gap);
                    start = i + 1;
                }
            }
        }
    }

    // The questions of one sentence whose first gap is gaps[first]; the next gap's index.
    int sentenceQuestions(const QString& sentence, const QList<QStringList>& gaps, int first) {
        const int count = static_cast<int>(sentence.count(QChar(kGapMark)));
        for (int asked = first; asked < first + count; ++asked) {
            if (gaps.at(asked).isEmpty()) {
                note(QStringLiteral("Eine L\u00fccke ohne Antwort ist \u00fcbersprungen."));
                continue;
            }
            QString text;
            int gap = first;
            for (const QChar c : sentence) {
                if (c != QChar(kGapMark)) {
                    text += GiftEscaped(QString(c));
                    continue;
                }
                const QStringList& answers = gaps.at(gap);
                if (gap++ != asked) {
                    text += GiftEscaped(answers.value(0));
                    continue;
                }
                QStringList options;
                for (const QString& answer : answers)
                    options.append(QLatin1Char('=') + GiftEscaped(answer));
                text += QLatin1Char('{') + options.join(QLatin1Char(' ')) + QLatin1Char('}');
            }
            add(text, QString());
        }
        return first + count;
    }

    const HeaderDataTyp& h_;
    const Document& document_;
    QString label_;
    GiftExport& out_;
    QString title_;
    QStringList questions_;
    qsizetype notesBefore_ = 0;
};

} // namespace

QString GiftEscaped(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            escaped += QStringLiteral("\\n");
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            continue;
        }
        if (QStringLiteral("~=#{}:\\").contains(c))
            escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

void ExportDocument(const Document& document, const QString& label, GiftExport& out) {
    DocumentWriter(document, label, out).write();
}

GiftExport ExportFiles(const QStringList& paths, const Document* open) {
    GiftExport out;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (open && QFileInfo(open->Header.FileName) == file) {
            ExportDocument(*open, file.fileName(), out);
            continue;
        }
        ScratchSession scratch;
        if (scratch.session.LoadDocument(path, false))
            ExportDocument(scratch.session.document(), file.fileName(), out);
        else
            out.Notes.append(file.fileName() + QStringLiteral(": ") +
                             scratch.messages.texts()
                                 .join(QLatin1Char(' '))
                                 .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    }
    return out;
}

QString ExportReport(const GiftExport& out, const QString& target) {
    QString report = QStringLiteral("GIFT-Export nach \"%1\"\n").arg(target);
    if (out.Questions == 0)
        report += QStringLiteral("\nKeine Frage l\u00e4sst sich als GIFT schreiben; es wurde keine "
                                 "Datei geschrieben.\n");
    else
        report += QStringLiteral("\n%1 Frage(n) aus %2 Dokument(en):\n")
                      .arg(out.Questions)
                      .arg(out.Documents.size()) +
                  QStringLiteral("  ") + out.Documents.join(QStringLiteral("\n  ")) +
                  QLatin1Char('\n');
    if (!out.Notes.isEmpty())
        report += QStringLiteral("\nHinweise (%1):\n  ").arg(out.Notes.size()) +
                  out.Notes.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
    return report;
}

} // namespace quindor
