#include "editor/document_makers.h"

#include "document/caption_codec.h"
#include "editor/text_parsers.h"

#include <algorithm>

namespace quindor {

namespace {

constexpr WinColor kHeaderColour = MakeWinColor(40, 70, 140);
constexpr WinColor kAnswerColour = MakeWinColor(0, 110, 40);
// The answer line of a single question, below the top margin in page heights: above the answer
// cards of a run, which start at 0.415 of the height between the margins.
constexpr double kAnswerLine = 0.33;
// The white page of a new document: landscape as the screens it is shown on, in the program's
// page proportions of 10 : 7.
constexpr QSize kPage(1000, 700);

void RemoveObjects(Document& document, bool (*generated)(ObjectKind)) {
    auto& objects = document.Objects;
    objects.erase(std::remove_if(objects.begin(), objects.end(),
                                 [generated](const ObjDataTyp& o) { return generated(o.Typ); }),
                  objects.end());
}

bool IsSingleQuestionKind(ObjectKind kind) {
    return kind == ObjectKind::AnswerField || kind == ObjectKind::QuestionText ||
           kind == ObjectKind::StaticLabel || IsNavigationKind(kind);
}

bool IsChoiceKind(ObjectKind kind) {
    return kind == ObjectKind::ChoiceQuestion || kind == ObjectKind::ChoiceQuestionPicture ||
           kind == ObjectKind::StaticLabel || IsNavigationKind(kind) || IsChoicePartKind(kind);
}

ObjDataTyp QuestionObject(ObjectKind typ, int frageNummer, const QString& cap, double x, double y) {
    ObjDataTyp o;
    o.Typ = typ;
    o.Ebene = IsNavigationKind(typ) ? 2 : 1;
    o.FrageNummer = frageNummer;
    o.Cap = cap;
    o.Sx = o.Kx = x;
    o.Sy = o.Ky = y;
    o.KAusr = 1;
    return o;
}

// Every cell back to its empty state; the grid keeps its lines and basket colours.
void ClearGrid(HeaderDataTyp& header) {
    for (auto& row : header.Zellen)
        std::fill(row.begin(), row.end(), CellDataTyp{});
}

} // namespace

Document NewTextDocument(TextKind kind, const DocumentInfo& info) {
    const TextKindRow& row = TextKindRowOf(kind);
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = row.type;
    h.DokUnterTyp = row.subtype;
    h.EinrueckRand = DefaultEinrueckRand(row.type);
    h.Titel = info.Titel;
    h.Autor = info.Autor;
    h.Bemerkung = info.Bemerkung;
    // C-test gaps are short: the gap shows the length of the missing half.
    if (kind == TextKind::CTest)
        h.MinLuecke = 2;
    if (kind == TextKind::GapTable || kind == TextKind::Cluster)
        h.Linie = 1;
    QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    d.BaseImage.Image = page;
    d.BaseImage.Linear = true;
    return d;
}

void ApplyGapText(Document& document, const QString& gapText) {
    document.Header.Lueckentext = gapText;
    RemoveObjects(document, [](ObjectKind kind) { return kind == ObjectKind::Gap; });
}

void ApplyGapTable(Document& document, const TableRows& rows) {
    HeaderDataTyp& h = document.Header;
    ClearGrid(h);
    const int count = std::min(static_cast<int>(rows.size()), kMaxTableRows);
    int columns = 1;
    for (int r = 0; r < count; ++r) {
        const QStringList& cells = rows[static_cast<size_t>(r)];
        const int used = std::min(static_cast<int>(cells.size()), kMaxTableColumns);
        columns = std::max(columns, used);
        for (int c = 0; c < used; ++c)
            h.Cell(r, c).Text = cells.at(c);
    }
    h.Zeilen = std::max(count, 1);
    h.Spalten = columns;
    RemoveObjects(document, [](ObjectKind kind) {
        return kind == ObjectKind::Gap || IsTablePictureKind(kind);
    });
}

void ApplySingleQuestions(Document& document, const std::vector<SingleQuestionLine>& questions) {
    HeaderDataTyp& h = document.Header;
    const FracRect& m = h.EinrueckRand;
    const int n = static_cast<int>(questions.size());
    h.Fragentext.clear();
    RemoveObjects(document, IsSingleQuestionKind);
    for (int k = 1; k <= n; ++k) {
        const SingleQuestionLine& q = questions[static_cast<size_t>(k - 1)];
        h.Fragentext += q.Question + QStringLiteral(" // ") + q.Answer + QStringLiteral("\r\n");
        ObjDataTyp header = QuestionObject(ObjectKind::StaticLabel, k,
                                           QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n),
                                           m.Left, m.Top - 0.07);
        header.Fsize = 2;
        header.Stil = 1;
        header.Farbe = kHeaderColour;
        document.Objects.push_back(header);
        ObjDataTyp question =
            QuestionObject(ObjectKind::QuestionText, k, q.Question, m.Left, m.Top + 0.06);
        question.Fsize = 4;
        document.Objects.push_back(question);
        // The answer line stays clear of the grid of answer cards a run lays out below it.
        ObjDataTyp label = QuestionObject(ObjectKind::StaticLabel, k, QStringLiteral("Antwort:"),
                                          m.Left, m.Top + kAnswerLine);
        label.Fsize = 2;
        label.Stil = 1;
        document.Objects.push_back(label);
        ObjDataTyp answer = QuestionObject(ObjectKind::AnswerField, k, q.Answer, m.Left + 0.15,
                                           m.Top + kAnswerLine);
        answer.Fsize = 4;
        answer.Farbe = kAnswerColour;
        document.Objects.push_back(answer);
    }
    h.AnzFrageNummern = n;
    // The controls in the row below the answer, as in multiple-choice documents.
    const ObjectKind controls[] = {ObjectKind::NavFirst, ObjectKind::NavPrevious,
                                   ObjectKind::NavNext, ObjectKind::NavLast, ObjectKind::NavRandom};
    for (int i = 0; i < 5; ++i)
        document.Objects.push_back(
            QuestionObject(controls[i], -1, QString(), m.Left + 0.06 * i, 1 - m.Bottom + 0.1));
}

QString ChoiceCaption(const QString& question, const QStringList& answerLines) {
    return JoinCommaText({question, answerLines.join(QStringLiteral("\r\n"))});
}

void ApplyChoiceQuestions(Document& document, const std::vector<ChoiceSource>& questions) {
    RemoveObjects(document, IsChoiceKind);
    int k = 0;
    for (const ChoiceSource& question : questions) {
        QStringList lines;
        for (size_t i = 0;
             i < question.Answers.size() && i < static_cast<size_t>(kMaxChoiceAnswers); ++i) {
            const ChoiceAnswerLine& answer = question.Answers[i];
            lines.append((answer.correct() ? QStringLiteral("+") : QStringLiteral("-")) +
                         answer.Text);
        }
        document.Objects.push_back(QuestionObject(ObjectKind::ChoiceQuestion, ++k,
                                                  ChoiceCaption(question.Question, lines), 0, 0));
    }
    document.Header.AnzFrageNummern = k;
}

void ApplyBaskets(Document& document, const std::vector<Basket>& baskets) {
    HeaderDataTyp& h = document.Header;
    ClearGrid(h);
    const int count = std::min(static_cast<int>(baskets.size()), kMaxBaskets);
    int rows = 1;
    for (int c = 0; c < count; ++c) {
        const Basket& basket = baskets[static_cast<size_t>(c)];
        h.Cell(0, c).Text = basket.Heading;
        const int items = std::min(static_cast<int>(basket.Items.size()), kMaxBasketItems);
        for (int r = 0; r < items; ++r) {
            CellDataTyp& cell = h.Cell(r + 1, c);
            cell.Text = basket.Items.at(r);
            cell.Art = 1;
        }
        rows = std::max(rows, items + 1);
    }
    h.Zeilen = rows;
    h.Spalten = std::max(count, 1);
    RemoveObjects(document, IsClusterKind);
}

void ApplyPairs(Document& document, const std::vector<ElementPair>& pairs) {
    HeaderDataTyp& h = document.Header;
    ClearGrid(h);
    const int count = std::min(static_cast<int>(pairs.size()), kMaxPairs);
    for (int r = 0; r < count; ++r) {
        const ElementPair& pair = pairs[static_cast<size_t>(r)];
        h.Cell(r, 0) = CellDataTyp{pair.Left, {}, 1, {}, {}, 20, 0, 0};
        h.Cell(r, 1) = CellDataTyp{pair.Right, {}, 1, {}, {}, 20, 0, 0};
    }
    h.Zeilen = std::max(count, 1);
    h.Spalten = 2;
    RemoveObjects(document, IsPairKind);
}

void ApplyContent(Document& document, const TextContent& content) {
    struct Apply {
        Document& d;
        void operator()(const QString& text) const { ApplyGapText(d, text); }
        void operator()(const TableRows& rows) const { ApplyGapTable(d, rows); }
        void operator()(const std::vector<SingleQuestionLine>& q) const {
            ApplySingleQuestions(d, q);
        }
        void operator()(const std::vector<ChoiceSource>& q) const { ApplyChoiceQuestions(d, q); }
        void operator()(const std::vector<Basket>& baskets) const { ApplyBaskets(d, baskets); }
        void operator()(const std::vector<ElementPair>& pairs) const { ApplyPairs(d, pairs); }
    };
    std::visit(Apply{document}, content);
}

std::optional<QString> CheckInfoFields(const DocumentInfo& info) {
    const std::pair<const char*, const QString*> fields[] = {
        {"Der Titel", &info.Titel}, {"Der Autor", &info.Autor}, {"Die Bemerkung", &info.Bemerkung}};
    for (const auto& [name, value] : fields) {
        if (std::optional<QString> fault = CheckStorableField(QString::fromUtf8(name), *value))
            return fault;
    }
    return std::nullopt;
}

void ApplyInfo(HeaderDataTyp& header, const DocumentInfo& info) {
    header.Titel = info.Titel;
    header.Autor = info.Autor;
    header.Bemerkung = QString(info.Bemerkung)
                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                           .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

Parsed<Document> MakeFromText(const Document* base, TextKind kind, const DocumentInfo& info,
                              const QString& text) {
    if (const std::optional<QString> fault = CheckInfoFields(info))
        return Parsed<Document>::failure(0, *fault);
    const Parsed<TextContent> content = ParseText(kind, text);
    if (!content.ok())
        return Parsed<Document>::failure(content.Error);
    Document document = base ? *base : NewTextDocument(kind, info);
    ApplyInfo(document.Header, info);
    ApplyContent(document, *content.Value);
    return {document, {}};
}

} // namespace quindor
