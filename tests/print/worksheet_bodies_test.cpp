// The bodies of the question, basket and table documents on a worksheet, the answer bank, the
// fitted text sizes and the vector files.
#include "core/rounding.h"
#include "document/caption_codec.h"
#include "layouts/cluster_layout.h"
#include "print/worksheet_canvas.h"
#include "print/worksheet_output.h"
#include "support/test_support.h"
#include "worksheet_fixture.h"

#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

using test::BuildSheet;
using test::FindText;
using test::kAnswerRed;
using test::SheetRecorder;
using test::SheetTextHeight;

// The number of the first and the last question printed.
std::pair<int, int> PrintedQuestions(const SheetRecorder& sheet) {
    int first = 0;
    int last = 0;
    for (const SheetRecorder::Text& t : sheet.texts) {
        const qsizetype dot = t.text.indexOf(QStringLiteral(". "));
        bool ok = false;
        const int number = dot > 0 ? t.text.left(dot).toInt(&ok) : 0;
        if (!ok || t.colour != Qt::black)
            continue;
        if (first == 0)
            first = number;
        last = number;
    }
    return {first, last};
}

Document SingleQuestionDocument(int count) {
    Document d;
    d.Header.DokTyp = DocumentType::Questions;
    QStringList lines;
    for (int k = 1; k <= count; ++k) {
        lines.append(
            QStringLiteral("Wie hei\u00dft die Pflanze Nummer %1 auf dem Bild?//Antwort %1")
                .arg(k));
        if (k <= 3)
            AddObject(d, {.Typ = ObjectKind::AnswerField,
                          .Ebene = 1,
                          .Cap = QStringLiteral("Antwort %1").arg(k),
                          .FrageNummer = k});
    }
    // Empty lines do not count.
    lines.insert(2, QStringLiteral("   "));
    d.Header.Fragentext = lines.join(QStringLiteral("\r\n"));
    return d;
}

TEST(WorksheetQuestions, AQuestionThatDoesNotFitStartsTheNextSheet) {
    const Document d = SingleQuestionDocument(40);
    WorksheetSettings s;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const auto [first, last] = PrintedQuestions(*sheet);
    EXPECT_EQ(first, 1);
    ASSERT_GT(last, 3);
    ASSERT_LT(last, 40);
    // The line below the last question printed stays clear of the bottom.
    double lowest = 0;
    for (const SheetRecorder::Line& l : sheet->lines) {
        if (l.line.x1() == 0 && l.line.x2() == 1000 && l.line.y1() < 1500)
            lowest = std::max(lowest, l.line.y1());
    }
    EXPECT_LT(lowest, 1625 - 1.5 * SheetTextHeight(d, 25));

    s.AbFrageEdit = last + 1;
    const auto next = BuildSheet(d, s, WorksheetVariant::Worksheet);
    EXPECT_EQ(PrintedQuestions(*next).first, last + 1);
    // The answers stand where the worksheet leaves their room.
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);
    const auto answers = solution->textsIn(kAnswerRed);
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.front().text.trimmed(), QStringLiteral("Antwort %1").arg(last + 1));
    ASSERT_EQ(overlay->texts.size(), answers.size());
    EXPECT_EQ(overlay->texts.front().baseline, answers.front().baseline);
    EXPECT_TRUE(next->textsIn(kAnswerRed).empty());
}

TEST(WorksheetQuestions, TheBankListsTheAnswersFromTheFirstQuestionPrinted) {
    const Document d = SingleQuestionDocument(5);
    WorksheetSettings s;
    s.AbFrageEdit = 2;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    EXPECT_TRUE(FindText(*sheet, QStringLiteral("Antwort 2 - Antwort 3")));
}

Document ChoiceDocument() {
    Document d;
    d.Header.DokTyp = DocumentType::MultipleChoice;
    const int withPicture =
        AddObject(d, {.Typ = ObjectKind::ChoiceQuestionPicture,
                      .Ebene = 1,
                      .Cap = JoinCommaText({QStringLiteral("Was zeigt das Bild?"),
                                            QStringLiteral("+Apfel\r\n-Birne\r\n-Banane")})});
    d.Object(withPicture).Picture.Image = test::PatternImage(200, 100);
    AddObject(d, {.Typ = ObjectKind::ChoiceQuestion,
                  .Ebene = 1,
                  .Cap = JoinCommaText({QStringLiteral("Welche Farbe hat der Himmel?"),
                                        QStringLiteral("+Blau\r\n-Gr\u00fcn")})});
    return d;
}

std::vector<QRectF> TickBoxes(const SheetRecorder& sheet, int t25) {
    std::vector<QRectF> boxes;
    for (const SheetRecorder::Rect& r : sheet.rects) {
        if (r.pen == Qt::black && !r.brush.isValid() && std::abs(r.rect.width() - t25) <= 1 &&
            std::abs(r.rect.height() - t25) <= 1)
            boxes.push_back(r.rect);
    }
    return boxes;
}

TEST(WorksheetChoice, AQuestionWithAPictureHasItsAnswersBesideIt) {
    const Document d = ChoiceDocument();
    const WorksheetSettings s;
    const int t25 = SheetTextHeight(d, 25);
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const std::vector<QRectF> boxes = TickBoxes(*sheet, t25);
    ASSERT_EQ(boxes.size(), 5u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(boxes[static_cast<size_t>(i)].left(), 498);
    for (int i = 3; i < 5; ++i)
        EXPECT_EQ(boxes[static_cast<size_t>(i)].left(), 48);
    // Eight lines high, but at most 0.45 page widths wide; the next question starts below it.
    ASSERT_EQ(sheet->images.size(), 1u);
    const QRectF picture = sheet->images.front();
    EXPECT_EQ(picture.left(), 20);
    const int wide = 2 * 8 * t25;
    EXPECT_EQ(picture.width(), std::min(wide, 450));
    EXPECT_EQ(picture.height(), wide > 450 ? RoundHalfEven(8.0 * t25 * 450 / wide) : 8 * t25);
    const auto second = std::find_if(sheet->texts.begin(), sheet->texts.end(), [](const auto& t) {
        return t.text.startsWith(QStringLiteral("2. "));
    });
    ASSERT_NE(second, sheet->texts.end());
    EXPECT_GT(second->baseline.y(), picture.bottom() + t25 * 0.5);

    // The solutions put the ticks into the boxes; the overlay has them alone.
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);
    EXPECT_EQ(solution->images.size(), 6u);
    ASSERT_EQ(overlay->images.size(), 5u);
    for (size_t i = 0; i < boxes.size(); ++i)
        EXPECT_NEAR(overlay->images[i].left(), boxes[i].left(), 1) << i;
    EXPECT_TRUE(overlay->texts.empty());
    EXPECT_TRUE(overlay->rects.empty());
}

Document ClusterDocument() {
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::Cluster;
    h.EinrueckRand = DefaultEinrueckRand(DocumentType::Cluster);
    h.Zeilen = 2;
    h.Spalten = 2;
    h.Cell(0, 0).Text = QStringLiteral("Obst");
    h.Cell(0, 1).Text = QStringLiteral("Tiere");
    h.Cell(1, 0).Art = 1;
    h.Cell(1, 0).Text = QStringLiteral("Apfel");
    h.Cell(1, 1).Art = 1;
    h.Cell(1, 1).Text = QStringLiteral("Hund");
    ProgramState state;
    LayoutPass pass;
    pass.regenerate = true;
    pass.pageSize = test::kTestPage;
    ClusterLayout(d, pass, state);
    return d;
}

TEST(WorksheetCluster, TheItemsGoOnLinesInTheirBaskets) {
    const Document d = ClusterDocument();
    WorksheetSettings s;
    s.ABNameBox = s.ABKlasseBox = s.ABDatumBox = false;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);
    EXPECT_TRUE(sheet->hasText(QStringLiteral("Obst")));
    EXPECT_TRUE(FindText(*sheet, QStringLiteral("Apfel - Hund")));
    EXPECT_TRUE(sheet->textsIn(kAnswerRed).empty());
    // Two lines, one pixel apart, for each of the two items.
    const auto black = [](const SheetRecorder& s) {
        return std::count_if(s.lines.begin(), s.lines.end(), [](const SheetRecorder::Line& l) {
            return l.colour == Qt::black && l.line.y1() == l.line.y2() && l.line.length() < 400;
        });
    };
    EXPECT_EQ(black(*sheet), 4);
    EXPECT_EQ(black(*solution), 4);
    EXPECT_EQ(black(*overlay), 0);
    const auto answers = solution->textsIn(kAnswerRed);
    ASSERT_EQ(answers.size(), 2u);
    ASSERT_EQ(overlay->texts.size(), 2u);
    for (size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(overlay->texts[i].text, answers[i].text);
        EXPECT_EQ(overlay->texts[i].baseline, answers[i].baseline);
    }
    EXPECT_FALSE(overlay->hasText(QStringLiteral("Obst")));
}

TEST(WorksheetGapTable, QueryPicturesShowOnlyOnTheSolutions) {
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::GapText;
    h.DokUnterTyp = DocumentSubtype::GapTable;
    h.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
    h.Zeilen = 2;
    h.Spalten = 2;
    h.Linie = 1;
    h.LinieCol = MakeWinColor(128, 128, 128);
    h.Cell(0, 0).Art = 2;
    h.Cell(0, 0).Bild.Image = test::PatternImage(64, 64);
    h.Cell(0, 1).Text = QStringLiteral("Das ist ein <<Stoppschild>>.");
    h.Cell(1, 0).Art = 1;
    h.Cell(1, 0).Bild.Image = test::PatternImage(64, 32);
    h.Cell(1, 1).Text = QStringLiteral("Hier gilt <<Vorfahrt>>.");
    const WorksheetSettings s;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);
    EXPECT_EQ(sheet->images.size(), 1u);
    ASSERT_EQ(solution->images.size(), 2u);
    ASSERT_EQ(overlay->images.size(), 1u);
    EXPECT_EQ(overlay->images.front(), solution->images.front());
    const auto grid = [](const SheetRecorder& s) {
        return std::count_if(s.lines.begin(), s.lines.end(), [](const SheetRecorder::Line& l) {
            return l.colour == QColor(128, 128, 128);
        });
    };
    // Below the first row and between the columns, on every variant.
    EXPECT_EQ(grid(*sheet), 2);
    EXPECT_EQ(grid(*overlay), 2);
    // The learner writes the picture's name on a line below it.
    const QRectF picture = overlay->images.front();
    const auto below = [&picture](const SheetRecorder& s) {
        return std::any_of(s.lines.begin(), s.lines.end(), [&](const SheetRecorder::Line& l) {
            return l.colour == Qt::black && l.line.y1() > picture.bottom() &&
                   l.line.y1() < picture.bottom() + 20 && l.line.x1() < picture.left();
        });
    };
    EXPECT_TRUE(below(*sheet));
    EXPECT_FALSE(below(*overlay));
    EXPECT_EQ(overlay->textsIn(kAnswerRed).size(), 2u);
}

TEST(WorksheetBank, PicturesFirstThenTheTextsInAlphabeticalOrder) {
    Document d;
    for (const char* cap : {"Zweig", "Apfel", "bl\u00fcte", "apfel", "Nord-\r\nsee"}) {
        AddObject(d, {.Typ = ObjectKind::QueryLabel,
                      .Ebene = 1,
                      .Cap = QString::fromUtf8(cap),
                      .FrageNummer = -1,
                      .Kx = 0.5,
                      .Ky = 0.5});
    }
    for (int i = 0; i < 2; ++i) {
        const int picture = AddObject(d, {.Typ = ObjectKind::QueryPicture,
                                          .Ebene = 1,
                                          .Cap = QStringLiteral("Bild"),
                                          .FrageNummer = -1,
                                          .Kx = 0.3,
                                          .Ky = 0.3});
        d.Object(picture).Picture.Image = test::PatternImage(40 + 40 * i, 40);
    }
    WorksheetSettings s;
    s.ABNameBox = s.ABKlasseBox = s.ABDatumBox = false;
    s.AufgMemo.clear();
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const int t22 = SheetTextHeight(d, 22);
    ASSERT_GE(sheet->images.size(), 2u);
    EXPECT_EQ(sheet->images[0].top(), 0);
    EXPECT_EQ(sheet->images[0].height(), 2 * t22);
    EXPECT_EQ(sheet->images[1].left(),
              sheet->images[0].right() + QFontMetrics(sheet->texts.front().font, sheet.get())
                                             .horizontalAdvance(QStringLiteral(" - ")));
    const SheetRecorder::Text* texts =
        FindText(*sheet, QString::fromUtf8("Apfel - apfel - bl\u00fcte - Nordsee - Zweig"));
    ASSERT_TRUE(texts);
    EXPECT_GT(texts->baseline.y(), sheet->images[0].bottom());
}

TEST(WorksheetBank, CaptionsAreFlattenedToOneLine) {
    EXPECT_EQ(FlattenCaption(QStringLiteral("Nord-\r\nsee")), QStringLiteral("Nordsee"));
    EXPECT_EQ(FlattenCaption(QString::fromUtf8("Baden-\r\nW\u00fcrttemberg")),
              QString::fromUtf8("Baden-W\u00fcrttemberg"));
    EXPECT_EQ(FlattenCaption(QStringLiteral(" zwei\r\nZeilen\n")), QStringLiteral("zwei Zeilen"));
    EXPECT_EQ(FlattenCaption(QStringLiteral("a   b")), QStringLiteral("a b"));
    EXPECT_EQ(FlattenCaption(QStringLiteral("a - b")), QStringLiteral("a - b"));
}

TEST(WorksheetFontSizes, StartAtTheAdjustmentAndStepDownInHalvesBelow48) {
    EXPECT_DOUBLE_EQ(WorksheetStartSize(0), 48.0);
    EXPECT_EQ(WorksheetFontEm(WorksheetStartSize(0)), 30);
    EXPECT_DOUBLE_EQ(WorksheetStartSize(10), 64.0);
    EXPECT_EQ(WorksheetFontEm(WorksheetStartSize(10)), 40);
    EXPECT_DOUBLE_EQ(WorksheetStartSize(1), 49.0);
    EXPECT_DOUBLE_EQ(WorksheetFontStep(48.0 - 1e-6), 47.5);
    EXPECT_DOUBLE_EQ(WorksheetFontStep(47.5 - 1e-6), 47.0);
    EXPECT_DOUBLE_EQ(WorksheetFontStep(56.0 - 1e-6), 55.0);
    EXPECT_DOUBLE_EQ(WorksheetFontStep(58.0 - 1e-6), 56.0);
}

TEST(WorksheetExport, PdfAndSvgByTheirExtensionAnythingElseRefused) {
    QTemporaryDir dir;
    Document d;
    d.Header.Titel = QStringLiteral("Blatt");
    WorksheetSettings s;
    s.TitelEdit = d.Header.Titel;
    WorksheetSource source;
    source.document = &d;
    WorksheetRequest request;
    const SheetPicture sheet = BuildWorksheet(source, s, request);
    RecordingMessages messages;
    for (const char* name : {"blatt.bmp", "blatt.emf", "blatt"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        messages.clear();
        EXPECT_FALSE(ExportWorksheet(path, sheet, {}, messages)) << name;
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral(
                      "Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.")});
        EXPECT_FALSE(QFileInfo::exists(path)) << name;
    }
    messages.clear();
    const QString pdf = dir.filePath(QStringLiteral("blatt.PDF"));
    ASSERT_TRUE(ExportWorksheet(pdf, sheet, {}, messages));
    EXPECT_TRUE(test::ReadFileBytes(pdf).startsWith("%PDF"));
    // On A4 paper, or on the paper the printer is set up for.
    EXPECT_TRUE(test::ReadFileBytes(pdf).contains("/MediaBox [0 0 595.000000 842.000000]"));
    ASSERT_TRUE(ExportWorksheet(pdf, sheet, {QPageSize(QPageSize::A5), {}, true}, messages));
    EXPECT_TRUE(test::ReadFileBytes(pdf).contains("/MediaBox [0 0 595.000000 420.000000]"));
    const QString svg = dir.filePath(QStringLiteral("blatt.Svg"));
    ASSERT_TRUE(ExportWorksheet(svg, sheet, {}, messages));
    const QByteArray svgBytes = test::ReadFileBytes(svg);
    EXPECT_TRUE(svgBytes.contains("<svg"));
    EXPECT_TRUE(svgBytes.contains("viewBox=\"0 0 1001 1625\""));
    EXPECT_TRUE(messages.texts().isEmpty());

    const QString nowhere = dir.filePath(QStringLiteral("fehlt/blatt.pdf"));
    EXPECT_FALSE(ExportWorksheet(nowhere, sheet, {}, messages));
    EXPECT_EQ(messages.texts(), QStringList{DocumentSession::WriteErrorMessage(nowhere)});

    std::unique_ptr<QMimeData> clip(WorksheetMimeData(sheet));
    EXPECT_TRUE(clip->hasImage());
    EXPECT_TRUE(clip->data(QStringLiteral("image/svg+xml")).contains("<svg"));
}

} // namespace
} // namespace quindor
