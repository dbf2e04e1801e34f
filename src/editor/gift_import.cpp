#include "editor/gift_import.h"

#include "core/win1252.h"
#include "editor/document_makers.h"
#include "editor/document_saving.h"
#include "editor/scratch_session.h"
#include "editor/text_parsers.h"

#include <QDir>
#include <QFileInfo>

namespace quindor {

namespace {

// One question in the text format of its document type, read by that format's parser.
struct Piece {
    TextKind Kind;
    TextContent Content;
};

void Append(TextContent& into, const TextContent& more) {
    std::visit(
        [&more](auto& list) {
            using List = std::decay_t<decltype(list)>;
            const List& tail = std::get<List>(more);
            if constexpr (std::is_same_v<List, QString>)
                list += QStringLiteral("\r\n") + tail;
            else
                list.insert(list.end(), tail.begin(), tail.end());
        },
        into);
}

// The characters a document cannot store become "?".
QString Storable(const QString& text) {
    QString result;
    for (const QChar c : text)
        result += IsWin1252Representable(QString(c)) ? c : QChar(u'?');
    return result;
}

QString OneLine(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

// The answers a gap or a single question takes: those with the most marks; the answers that
// earn part of them are left out.
struct RightAnswers {
    QStringList Full;
    QStringList Partial;
};

RightAnswers RightAnswersOf(const GiftQuestion& q) {
    const auto right = [](const GiftAnswer& a) { return a.Equals || a.Weight > 0; };
    double top = -1;
    for (const GiftAnswer& a : q.Answers) {
        if (right(a))
            top = std::max(top, a.Weight);
    }
    RightAnswers answers;
    for (const GiftAnswer& a : q.Answers) {
        if (!right(a))
            continue;
        if (a.Weight >= top)
            answers.Full.append(a.Text);
        else
            answers.Partial.append(QStringLiteral("%1 (%2 %)").arg(a.Text).arg(a.Weight));
    }
    return answers;
}

class Importer {
public:
    Importer(GiftImport& out, const QString& fileTitle, const QString& source)
        : out_(out), fileTitle_(fileTitle),
          remark_(
              Storable(QStringLiteral("Aus der GIFT-Datei \"%1\" \u00fcbernommen.").arg(source))) {}

    void run(const GiftFile& file) {
        const bool anyAnswers =
            std::any_of(file.Questions.begin(), file.Questions.end(),
                        [](const GiftQuestion& q) { return q.Kind != GiftKind::Description; });
        out_.Faults = file.Faults;
        if (!anyAnswers && file.Faults.empty()) {
            out_.Refusal = QStringLiteral("Die Datei enth\u00e4lt keine GIFT-Fragen: Keine Frage "
                                          "hat Antworten in { }.");
            return;
        }
        QString category;
        for (const GiftQuestion& q : file.Questions) {
            if (q.Category != category) {
                flush(category);
                category = q.Category;
            }
            std::optional<Piece> piece = convert(q);
            if (!piece)
                continue;
            auto group = std::find_if(groups_.begin(), groups_.end(),
                                      [&piece](const Group& g) { return g.kind == piece->Kind; });
            if (group == groups_.end())
                group = groups_.insert(groups_.end(), Group{piece->Kind, {}});
            group->pieces.push_back(*piece);
        }
        flush(category);
    }

private:
    struct Group {
        TextKind kind;
        std::vector<Piece> pieces;
    };

    FormatError entry(const GiftQuestion& q, const QString& text) const {
        return {q.Line, QStringLiteral("\"%1\": %2").arg(q.label(), text)};
    }
    std::optional<Piece> skip(const GiftQuestion& q, const QString& reason) {
        out_.Skipped.push_back(entry(q, reason));
        return std::nullopt;
    }
    void leaveOut(const GiftQuestion& q, const QString& what, const QStringList& answers) {
        if (!answers.isEmpty())
            out_.LeftOut.push_back(entry(q, what + answers.join(QStringLiteral(", "))));
    }
    // The question's text in the format of the kind, as that format's parser reads it.
    std::optional<Piece> parsed(const GiftQuestion& q, TextKind kind, const QString& text) {
        const Parsed<TextContent> content = ParseText(kind, text);
        if (!content.ok())
            return skip(q, content.Error.Text);
        return Piece{kind, *content.Value};
    }

    std::optional<Piece> convert(const GiftQuestion& q) {
        const QString text =
            OneLine(q.missingWord() ? q.Text + QStringLiteral(" _____ ") + q.After : q.Text);
        switch (q.Kind) {
        case GiftKind::Numerical:
            return skip(q, QStringLiteral("Numerische Frage; kein Dokumenttyp fragt so."));
        case GiftKind::Essay:
            return skip(q, QStringLiteral("Freitext-Frage; kein Dokumenttyp fragt so."));
        case GiftKind::Description:
            return skip(q, QStringLiteral("Beschreibung ohne Antworten; kein Dokumenttyp fragt "
                                          "so."));
        case GiftKind::Matching:
            return pairs(q);
        case GiftKind::MultipleChoice:
        case GiftKind::ShortAnswer:
            if (q.missingWord())
                return gap(q);
            break;
        case GiftKind::TrueFalse:
            break;
        }
        if (text.isEmpty())
            return skip(q, QStringLiteral("Die Frage hat keinen Text."));
        return q.Kind == GiftKind::ShortAnswer ? single(q, text) : choice(q, text);
    }

    std::optional<Piece> choice(const GiftQuestion& q, const QString& text) {
        QStringList lines{text};
        bool anyRight = q.Kind == GiftKind::TrueFalse;
        if (q.Kind == GiftKind::TrueFalse) {
            lines << (q.Truth ? QStringLiteral("+ Wahr") : QStringLiteral("- Wahr"))
                  << (q.Truth ? QStringLiteral("- Falsch") : QStringLiteral("+ Falsch"));
        }
        for (const GiftAnswer& a : q.Answers) {
            const bool right = a.Equals || a.Weight > 0;
            anyRight = anyRight || right;
            lines << (right ? QStringLiteral("+ ") : QStringLiteral("- ")) + a.Text;
        }
        if (!anyRight)
            return skip(q, QStringLiteral("Die Frage hat keine richtige Antwort."));
        return parsed(q, TextKind::Choice, lines.join(QLatin1Char('\n')));
    }

    std::optional<Piece> single(const GiftQuestion& q, const QString& text) {
        if (text.contains(QStringLiteral("//")))
            return skip(q, QStringLiteral("Die Frage enth\u00e4lt \"//\", das in Einzelfragen "
                                          "Frage und Antwort trennt."));
        const RightAnswers answers = RightAnswersOf(q);
        std::optional<Piece> piece =
            parsed(q, TextKind::Questions, text + QStringLiteral(" // ") + answers.Full.front());
        if (piece) {
            leaveOut(q,
                     QStringLiteral("Eine Einzelfrage hat eine Antwort; weitere richtige "
                                    "Antworten weggelassen: "),
                     answers.Full.mid(1));
            leaveOut(q, QStringLiteral("Antworten mit Teilpunkten weggelassen: "), answers.Partial);
        }
        return piece;
    }

    std::optional<Piece> gap(const GiftQuestion& q) {
        const RightAnswers answers = RightAnswersOf(q);
        if (answers.Full.isEmpty())
            return skip(q, QStringLiteral("Die Frage hat keine richtige Antwort."));
        if ((q.Text + q.After).contains(QStringLiteral("<<")) ||
            (q.Text + q.After).contains(QStringLiteral(">>")))
            return skip(q, QStringLiteral("Der Text enth\u00e4lt \"<<\" oder \">>\", die im "
                                          "L\u00fcckentext L\u00fccken bilden."));
        for (const QString& answer : answers.Full) {
            if (answer.contains(u'|') || answer.contains(QStringLiteral("<<")) ||
                answer.contains(QStringLiteral(">>")))
                return skip(q, QStringLiteral("Die Antwort \"%1\" enth\u00e4lt \"|\", \"<<\" oder "
                                              "\">>\", die im L\u00fcckentext L\u00fccken "
                                              "bilden.")
                                   .arg(answer));
        }
        std::optional<Piece> piece =
            parsed(q, TextKind::GapText,
                   (q.Text + QStringLiteral("<<") + answers.Full.join(u'|') + QStringLiteral(">>") +
                    q.After)
                       .trimmed());
        if (piece)
            leaveOut(q, QStringLiteral("Antworten mit Teilpunkten weggelassen: "), answers.Partial);
        return piece;
    }

    std::optional<Piece> pairs(const GiftQuestion& q) {
        std::vector<ElementPair> pairs;
        QStringList distractors;
        for (const GiftAnswer& a : q.Answers) {
            if (a.Text.isEmpty()) {
                distractors.append(a.Match);
                continue;
            }
            if (a.Match.isEmpty())
                return skip(q,
                            QStringLiteral("Das Paar \"%1\" hat keine rechte Seite.").arg(a.Text));
            const std::optional<Piece> pair =
                parsed(q, TextKind::Pairs, a.Text + QLatin1Char('\t') + a.Match);
            if (!pair)
                return std::nullopt;
            pairs.push_back(std::get<std::vector<ElementPair>>(pair->Content).front());
        }
        if (pairs.empty())
            return skip(q, QStringLiteral("Die Zuordnung hat kein Paar."));
        leaveOut(q,
                 QStringLiteral("Eine \u00dcber-Kreuz-Zuordnung hat keine Ablenker; weggelassen: "),
                 distractors);
        return Piece{TextKind::Pairs, pairs};
    }

    // The documents of the questions of one category.
    void flush(const QString& category) {
        const QStringList parts = category.split(u'/', Qt::SkipEmptyParts);
        QString title = parts.isEmpty() ? QString() : parts.constLast().trimmed();
        if (title.isEmpty() || title.startsWith(u'$'))
            title = fileTitle_;
        title = Storable(title);
        for (const Group& group : groups_) {
            if (group.kind != TextKind::Pairs) {
                TextContent content = group.pieces.front().Content;
                for (size_t i = 1; i < group.pieces.size(); ++i)
                    Append(content, group.pieces[i].Content);
                make(title, group.kind, content, static_cast<int>(group.pieces.size()));
                continue;
            }
            // A pair document holds kMaxPairs; a question stays whole where it fits.
            std::vector<ElementPair> pairs;
            int questions = 0;
            for (const Piece& piece : group.pieces) {
                const auto& more = std::get<std::vector<ElementPair>>(piece.Content);
                if (!pairs.empty() && pairs.size() + more.size() > size_t(kMaxPairs)) {
                    make(title, TextKind::Pairs, pairs, questions);
                    pairs.clear();
                    questions = 0;
                }
                ++questions;
                for (const ElementPair& pair : more) {
                    if (pairs.size() == size_t(kMaxPairs)) {
                        make(title, TextKind::Pairs, pairs, questions);
                        pairs.clear();
                        questions = 1;
                    }
                    pairs.push_back(pair);
                }
            }
            make(title, TextKind::Pairs, pairs, questions);
        }
        groups_.clear();
    }

    void make(const QString& title, TextKind kind, const TextContent& content, int questions) {
        ImportedDocument document{kind,
                                  title,
                                  questions,
                                  ContentSummary(content),
                                  NewTextDocument(kind, {title, {}, remark_}),
                                  {}};
        ApplyContent(document.Made, content);
        out_.Documents.push_back(document);
    }

    GiftImport& out_;
    QString fileTitle_;
    QString remark_;
    std::vector<Group> groups_;
};

QString Lines(const std::vector<FormatError>& entries) {
    QString text;
    for (const FormatError& entry : entries)
        text += QStringLiteral("  ") + entry.message() + QLatin1Char('\n');
    return text;
}

} // namespace

GiftImport ImportGift(const GiftFile& file, const QString& fileTitle, const QString& source) {
    GiftImport import;
    Importer(import, fileTitle, source).run(file);
    return import;
}

GiftImport ImportGiftFile(const QByteArray& bytes, const QString& path) {
    if (bytes.contains('\0')) {
        GiftImport refused;
        refused.Refusal = QStringLiteral("Die Datei ist keine Textdatei und damit keine "
                                         "GIFT-Datei.");
        return refused;
    }
    const Parsed<QString> decoded = DecodeInput(bytes);
    const QString text = decoded.ok() ? *decoded.Value : DecodeWin1252(bytes);
    const QFileInfo file(path);
    GiftImport import = ImportGift(ReadGift(text), file.completeBaseName(), file.fileName());
    if (!decoded.ok())
        import.Note = QStringLiteral("Zeile %1 ist nicht in UTF-8 geschrieben; die Datei wurde "
                                     "als Windows-1252 gelesen.")
                          .arg(decoded.Error.Line);
    return import;
}

QString WriteImport(GiftImport& import, const QString& folder) {
    if (import.Documents.empty())
        return {};
    const QFileInfo info(folder);
    const QDir dir(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("\"%1\" ist kein Ordner.").arg(folder);
    if (info.exists() &&
        !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Ordner \"%1\" ist nicht leer; die Dokumente werden in einen "
                              "neuen oder leeren Ordner geschrieben.")
            .arg(folder);
    if (!info.exists() && !QDir().mkpath(folder))
        return QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(folder);
    const int width =
        std::max(2, static_cast<int>(QString::number(import.Documents.size()).size()));
    int number = 0;
    for (ImportedDocument& document : import.Documents) {
        const QString name = QStringLiteral("%1_").arg(++number, width, 10, QLatin1Char('0')) +
                             FileNameOfTitle(document.Titel);
        const QString path = dir.filePath(name);
        if (QFileInfo::exists(path))
            return QStringLiteral("Die Datei \"%1\" gibt es schon; sie wird nicht "
                                  "\u00fcberschrieben.")
                .arg(path);
        ScratchSession scratch;
        scratch.session.installDocument(document.Made, true);
        if (!scratch.session.WriteDocument(path, false))
            return scratch.messages.texts()
                .join(QLatin1Char('\n'))
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        document.FileName = name;
    }
    return {};
}

QString ImportReport(const GiftImport& import, const QString& path, const QString& folder,
                     const QString& writeError) {
    QString report = QStringLiteral("GIFT-Import aus \"%1\"\n").arg(path);
    if (!import.Note.isEmpty())
        report += import.Note + QLatin1Char('\n');
    if (!import.Refusal.isEmpty())
        return report + import.Refusal + QLatin1Char('\n');
    QString written;
    int count = 0;
    for (const ImportedDocument& d : import.Documents) {
        if (d.FileName.isEmpty())
            continue;
        ++count;
        written += QStringLiteral("  %1: %2, %3 Frage(n)")
                       .arg(d.FileName, TextKindName(d.Kind))
                       .arg(d.Questions);
        if (d.Kind == TextKind::GapText || d.Kind == TextKind::Pairs)
            written += QStringLiteral(", ") + d.Summary;
        written += QLatin1Char('\n');
    }
    report += count == 0 ? QStringLiteral("\nKein Dokument geschrieben.\n")
                         : QStringLiteral("\n%1 Dokument(e) in den Ordner \"%2\" geschrieben:\n")
                                   .arg(count)
                                   .arg(folder) +
                               written;
    if (!writeError.isEmpty())
        report += QStringLiteral("\nFehler beim Schreiben: ") + writeError + QLatin1Char('\n');
    const std::pair<QString, const std::vector<FormatError>*> sections[] = {
        {QStringLiteral("\u00dcbersprungene Fragen"), &import.Skipped},
        {QStringLiteral("Weggelassen"), &import.LeftOut},
        {QStringLiteral("Nicht lesbare Fragen"), &import.Faults}};
    for (const auto& [heading, entries] : sections) {
        if (!entries->empty())
            report +=
                QStringLiteral("\n%1 (%2):\n").arg(heading).arg(entries->size()) + Lines(*entries);
    }
    return report;
}

} // namespace quindor
