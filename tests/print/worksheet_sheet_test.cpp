// The worksheet's page: where the fields, title, task and footer stand, and the bodies that
// show the document's page, on the worksheet and its two solutions.
#include "core/rounding.h"
#include "layouts/pair_layout.h"
#include "support/test_support.h"
#include "worksheet_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace quindor {
namespace {

using test::BuildSheet;
using test::FindText;
using test::kAnswerRed;
using test::SheetAscent;
using test::SheetRecorder;
using test::SheetTextHeight;

bool HasLine(const SheetRecorder& sheet, QLineF line) {
    const auto near = [](QPointF a, QPointF b) { return (a - b).manhattanLength() < 0.01; };
    return std::any_of(sheet.lines.begin(), sheet.lines.end(), [&](const SheetRecorder::Line& l) {
        return (near(l.line.p1(), line.p1()) && near(l.line.p2(), line.p2())) ||
               (near(l.line.p1(), line.p2()) && near(l.line.p2(), line.p1()));
    });
}

::testing::AssertionResult Near(QPointF actual, QPointF expected) {
    if (std::abs(actual.x() - expected.x()) <= 1.0 && std::abs(actual.y() - expected.y()) <= 1.0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.x() << ", " << actual.y() << ") is not near (" << expected.x() << ", "
           << expected.y() << ")";
}

// The blanks: rectangles filled white without an outline of their own.
std::vector<QRectF> Blanks(const SheetRecorder& sheet) {
    std::vector<QRectF> blanks;
    for (const SheetRecorder::Rect& r : sheet.rects) {
        if (!r.pen.isValid() && r.brush.isValid() && r.brush == Qt::white)
            blanks.push_back(r.rect);
    }
    return blanks;
}

int AddQueryLabel(Document& d, const QString& cap, double kx, double ky, double sx, int side) {
    const int i = AddObject(d, {.Typ = ObjectKind::QueryLabel,
                                .Ebene = 1,
                                .Cap = cap,
                                .FrageNummer = -1,
                                .Kx = kx,
                                .Ky = ky,
                                .KAusr = side,
                                .Fsize = 0});
    ObjDataTyp& o = d.Object(i);
    o.Sx = sx;
    o.Sline = 1;
    o.LinieDicke = 1;
    o.LinieFarbe = MakeWinColor(0, 0, 128);
    return i;
}

Document LabellingDocument() {
    Document d;
    d.Header.Titel = QStringLiteral("Die Teile einer Pflanze");
    AddQueryLabel(d, QString::fromUtf8("Bl\u00fcte"), 0.6, 0.3, 0.4, 1);
    AddQueryLabel(d, QStringLiteral("Wurzel"), 0.3, 0.7, 0.5, 3);
    AddObject(d, {.Typ = ObjectKind::FixedLabel,
                  .Ebene = 1,
                  .Cap = QStringLiteral("Sonnenlicht"),
                  .FrageNummer = -1,
                  .Kx = 0.2,
                  .Ky = 0.2,
                  .KAusr = 4,
                  .Fsize = 0});
    const int point = AddObject(d, {.Typ = ObjectKind::InfoPoint,
                                    .Ebene = 2,
                                    .Cap = QStringLiteral("Erkl\u00e4rung"),
                                    .FrageNummer = -1,
                                    .Kx = 0.8,
                                    .Ky = 0.8,
                                    .KAusr = 1,
                                    .Fsize = 0});
    d.Object(point).PktCap = QStringLiteral("Info");
    d.Object(AddQueryLabel(d, QStringLiteral("Versteckt"), 0.8, 0.5, 0.7, 1)).Ebene = 2;
    return d;
}

WorksheetSettings SettingsFor(const Document& d) {
    WorksheetSettings s;
    s.TitelEdit = d.Header.Titel;
    s.AufgMemo = d.Header.ABAufgabe;
    return s;
}

TEST(WorksheetHeader, FieldsTitleTaskAndFooterStandWhereTheSheetPutsThem) {
    Document d = LabellingDocument();
    WorksheetSettings s = SettingsFor(d);
    s.AufgMemo = QStringLiteral("Aufgabe: Beschrifte die Pflanze!  \r\n");
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const int t18 = SheetTextHeight(d, 18);
    const int a18 = SheetAscent(d, 18);
    const struct {
        const char* label;
        double x;
        double end;
    } fields[] = {{"Name:", 0, 500}, {"Klasse:", 500, 750}, {"Datum:", 750, 1000}};
    for (const auto& field : fields) {
        const SheetRecorder::Text* text = FindText(*sheet, QString::fromLatin1(field.label));
        ASSERT_TRUE(text) << field.label;
        EXPECT_TRUE(Near(text->baseline, QPointF(field.x, a18))) << field.label;
        EXPECT_TRUE(HasLine(*sheet, QLineF(field.x, t18, field.end, t18))) << field.label;
    }

    const int t30 = SheetTextHeight(d, 30, true);
    const int titleTop = RoundHalfEven(t18 * 2.5) + RoundHalfEven(t18 * 0.5);
    const SheetRecorder::Text* title = FindText(*sheet, d.Header.Titel);
    ASSERT_TRUE(title);
    EXPECT_NEAR(title->baseline.y(), titleTop + SheetAscent(d, 30, true), 1.0);
    QFont bold(d.FontName);
    bold.setPixelSize(30);
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold, sheet.get()).horizontalAdvance(d.Header.Titel);
    EXPECT_NEAR(title->baseline.x() + titleWidth / 2.0, 500, 1.0);
    bool framed = false;
    for (const SheetRecorder::Rect& r : sheet->rects) {
        framed = framed || (r.pen == Qt::black && r.rect.left() == 0 && r.rect.width() == 1000 &&
                            r.rect.top() == titleTop - RoundHalfEven(t30 * 0.3) &&
                            std::abs(r.rect.bottom() - (titleTop + RoundHalfEven(t30 * 1.3))) <= 1);
    }
    EXPECT_TRUE(framed);

    // The task without its trailing blanks, directly below the title's room.
    const SheetRecorder::Text* task =
        FindText(*sheet, QStringLiteral("Aufgabe: Beschrifte die Pflanze!"));
    ASSERT_TRUE(task);
    EXPECT_TRUE(
        Near(task->baseline, QPointF(0, titleTop + RoundHalfEven(t30 * 2.0) + SheetAscent(d, 25))));

    const int t15 = SheetTextHeight(d, 15);
    const SheetRecorder::Text* made = FindText(*sheet, QStringLiteral("Erstellt mit Quindor."));
    ASSERT_TRUE(made);
    EXPECT_TRUE(Near(made->baseline, QPointF(0, 1625 - t15 + SheetAscent(d, 15))));
    EXPECT_TRUE(HasLine(*sheet, QLineF(0, 1625 - t15, 1000, 1625 - t15)));
}

TEST(WorksheetHeader, WithoutFieldsTheTitleMovesUpAndTheFooterTextGoesBelowTheLine) {
    Document d = LabellingDocument();
    d.Header.Fusszeile = QStringLiteral("Klasse 3b");
    d.Header.FusszeileAusricht = 2;
    WorksheetSettings s = SettingsFor(d);
    s.ABNameBox = s.ABKlasseBox = s.ABDatumBox = false;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    EXPECT_FALSE(sheet->hasText(QStringLiteral("Name:")));
    const SheetRecorder::Text* title = FindText(*sheet, d.Header.Titel);
    ASSERT_TRUE(title);
    EXPECT_NEAR(title->baseline.y(),
                RoundHalfEven(SheetTextHeight(d, 18) * 0.5) + SheetAscent(d, 30, true), 1.0);
    const int t15 = SheetTextHeight(d, 15);
    const SheetRecorder::Text* footer = FindText(*sheet, d.Header.Fusszeile);
    ASSERT_TRUE(footer);
    QFont font(d.FontName);
    font.setPixelSize(15);
    EXPECT_TRUE(
        Near(footer->baseline +
                 QPointF(QFontMetrics(font, sheet.get()).horizontalAdvance(d.Header.Fusszeile), 0),
             QPointF(1000, 1625 - t15 + SheetAscent(d, 15))));
    EXPECT_TRUE(HasLine(*sheet, QLineF(0, 1625 - 2 * t15, 1000, 1625 - 2 * t15)));
}

TEST(WorksheetHeader, TheLogoTakesItsShareOfThePortraitWidth) {
    Document d = LabellingDocument();
    d.Header.ABLogo.Image = test::PatternImage(300, 150);
    d.Header.LogoGroesse = 0.2;
    d.Header.LogoAusricht = 1;
    WorksheetSettings s = SettingsFor(d);
    s.OrientRadio = 1;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    ASSERT_FALSE(sheet->images.empty());
    EXPECT_EQ(sheet->images.front(), QRectF((1625 - 200) / 2, 0, 200, 100));
    const SheetRecorder::Text* name = FindText(*sheet, QStringLiteral("Name:"));
    ASSERT_TRUE(name);
    EXPECT_NEAR(name->baseline.y(), 100 + SheetTextHeight(d, 15) + SheetAscent(d, 18), 1.0);

    // A size from a damaged file stays between nothing and the page's whole width.
    s.OrientRadio = 0;
    d.Header.LogoGroesse = 1e7;
    EXPECT_EQ(BuildSheet(d, s, WorksheetVariant::Worksheet)->images.front(),
              QRectF(0, 0, 1000, 500));
    d.Header.LogoGroesse = -5;
    const auto none = BuildSheet(d, s, WorksheetVariant::Worksheet);
    EXPECT_NEAR(FindText(*none, QStringLiteral("Name:"))->baseline.y(),
                SheetTextHeight(d, 15) + SheetAscent(d, 18), 1.0);
}

TEST(WorksheetLabelling, AnswersFallIntoTheBlanksOfTheWorksheet) {
    const Document d = LabellingDocument();
    const WorksheetSettings s = SettingsFor(d);
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);

    EXPECT_TRUE(sheet->textsIn(kAnswerRed).empty());
    EXPECT_TRUE(sheet->hasText(QStringLiteral("Sonnenlicht")));
    const std::vector<QRectF> blanks = Blanks(*sheet);
    ASSERT_EQ(blanks.size(), 2u);
    const std::vector<SheetRecorder::Text> answers = solution->textsIn(kAnswerRed);
    ASSERT_EQ(answers.size(), 2u);
    for (const SheetRecorder::Text& answer : answers) {
        const bool inBlank = std::any_of(blanks.begin(), blanks.end(), [&](const QRectF& b) {
            return b.contains(answer.baseline);
        });
        EXPECT_TRUE(inBlank) << answer.text.toStdString();
    }

    // The overlay: the answers in the same places and nothing else.
    ASSERT_EQ(overlay->texts.size(), answers.size());
    for (size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(overlay->texts[i].text, answers[i].text);
        EXPECT_EQ(overlay->texts[i].baseline, answers[i].baseline);
        EXPECT_EQ(overlay->texts[i].colour, kAnswerRed);
    }
    EXPECT_TRUE(overlay->lines.empty());
    EXPECT_TRUE(overlay->rects.empty());

    // The bank lists the answers asked for; the info layer and its points stay off the sheet.
    EXPECT_TRUE(FindText(*sheet, QString::fromUtf8("Bl\u00fcte - Wurzel")));
    for (const auto* s : {sheet.get(), solution.get(), overlay.get()}) {
        EXPECT_FALSE(s->hasText(QStringLiteral("Versteckt")));
        EXPECT_FALSE(s->hasText(QStringLiteral("Info")));
    }
}

TEST(WorksheetLabelling, BlanksGrowTowardsTheSideTheirCardLiesOn) {
    const auto blank = [](int side, int size) {
        Document d;
        AddQueryLabel(d, QStringLiteral("Stempel"), 0.5, 0.5, side == 3 ? 0.6 : 0.4, side);
        WorksheetSettings s;
        s.KaestchengroesseCombo = size;
        const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
        const std::vector<QRectF> blanks = Blanks(*sheet);
        EXPECT_EQ(blanks.size(), 1u);
        return blanks.empty() ? QRectF() : blanks.front();
    };
    const QRectF rightSmall = blank(1, 0);
    const QRectF rightLarge = blank(1, 15);
    EXPECT_DOUBLE_EQ(rightLarge.left(), rightSmall.left());
    EXPECT_GT(rightLarge.right(), rightSmall.right() + 10);
    const QRectF leftSmall = blank(3, 0);
    const QRectF leftLarge = blank(3, 15);
    EXPECT_DOUBLE_EQ(leftLarge.right(), leftSmall.right());
    EXPECT_LT(leftLarge.left(), leftSmall.left() - 10);
    const QRectF belowSmall = blank(4, 0);
    const QRectF belowLarge = blank(4, 15);
    EXPECT_NEAR(belowSmall.left() - belowLarge.left(), belowLarge.right() - belowSmall.right(),
                1.5);
    // No size chosen: narrower than at 50 %.
    EXPECT_LT(blank(1, -1).width(), rightSmall.width());
}

Document GapTextDocument(const QString& text) {
    Document d;
    d.Header.DokTyp = DocumentType::GapText;
    d.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
    d.Header.Lueckentext = text;
    return d;
}

TEST(WorksheetGapText, AnswersStandOnTheBlanksOfTheWorksheet) {
    const Document d = GapTextDocument(
        QStringLiteral("Die Sonne geht im <<Osten>> auf.\r\nIm <<Westen|westen>> geht sie unter."));
    const WorksheetSettings s;
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Worksheet);
    const auto solution = BuildSheet(d, s, WorksheetVariant::Solution);
    const auto overlay = BuildSheet(d, s, WorksheetVariant::Overlay);
    EXPECT_TRUE(sheet->textsIn(kAnswerRed).empty());
    const std::vector<SheetRecorder::Text> answers = solution->textsIn(kAnswerRed);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].text, QStringLiteral(" Osten"));
    EXPECT_EQ(answers[1].text, QStringLiteral(" Westen"));
    for (const SheetRecorder::Text& answer : answers) {
        const QFontMetrics metrics(answer.font, sheet.get());
        const bool underlined = std::any_of(
            sheet->lines.begin(), sheet->lines.end(), [&](const SheetRecorder::Line& l) {
                return std::abs(l.line.x1() - answer.baseline.x()) < 0.01 &&
                       l.line.y1() == l.line.y2() &&
                       l.line.y1() > answer.baseline.y() - metrics.ascent() &&
                       l.line.y1() <= answer.baseline.y() + metrics.descent() + 1;
            });
        EXPECT_TRUE(underlined) << answer.text.toStdString();
    }
    ASSERT_EQ(overlay->texts.size(), answers.size());
    for (size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(overlay->texts[i].baseline, answers[i].baseline);
        EXPECT_EQ(overlay->texts[i].colour, kAnswerRed);
    }
    EXPECT_TRUE(overlay->lines.empty());
}

int BodyFontSize(const SheetRecorder& sheet) {
    for (const SheetRecorder::Text& t : sheet.texts) {
        if (t.text.contains(QStringLiteral("Sonne")))
            return t.font.pixelSize();
    }
    return -1;
}

TEST(WorksheetGapText, TheFontAdjustmentSetsTheStartingSizeAndLongTextsShrink) {
    const Document d = GapTextDocument(QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    WorksheetSettings s;
    EXPECT_EQ(BodyFontSize(*BuildSheet(d, s, WorksheetVariant::Worksheet)), 30);
    s.MaxFontSize = 10;
    EXPECT_EQ(BodyFontSize(*BuildSheet(d, s, WorksheetVariant::Worksheet)), 40);
    s.MaxFontSize = -10;
    EXPECT_EQ(BodyFontSize(*BuildSheet(d, s, WorksheetVariant::Worksheet)), 20);

    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines.append(
            QStringLiteral("Die Sonne geht im <<Osten>> auf, und sie geht im Westen unter."));
    const Document longText = GapTextDocument(lines.join(QStringLiteral("\r\n")));
    s.MaxFontSize = 0;
    const auto sheet = BuildSheet(longText, s, WorksheetVariant::Worksheet);
    const int size = BodyFontSize(*sheet);
    EXPECT_LT(size, 30);
    EXPECT_GT(size, 5);
    double lowest = 0;
    for (const SheetRecorder::Text& t : sheet->texts) {
        if (t.text.contains(QStringLiteral("Sonne")))
            lowest = std::max(lowest, t.baseline.y());
    }
    EXPECT_LT(lowest, 1625 - SheetTextHeight(longText, 15));
}

// An answer bank and a text too long for the page get smaller text: nothing runs over the
// footer, and every gap keeps its answer.
TEST(WorksheetGapText, ALongBankAndALongTextStayAboveTheFooter) {
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines.append(QStringLiteral("Im Satz %1 steht <<eine lange Antwort Nummer %1>>.").arg(i));
    Document d = GapTextDocument(lines.join(QStringLiteral("\r\n")));
    for (int i = 0; i < 150; ++i)
        AddObject(d, {.Typ = ObjectKind::Gap,
                      .Ebene = 1,
                      .Cap = QStringLiteral("eine lange Antwort Nummer %1").arg(i)});
    const auto sheet = BuildSheet(d, WorksheetSettings{}, WorksheetVariant::Solution);
    const double footer = 1625 - SheetTextHeight(d, 15);
    for (const SheetRecorder::Text& t : sheet->texts) {
        if (t.text.contains(QStringLiteral("Antwort")) || t.text.contains(QStringLiteral("Satz"))) {
            EXPECT_LT(t.baseline.y(), footer) << t.text.toStdString();
        }
    }
    EXPECT_EQ(sheet->textsIn(kAnswerRed).size(), 150u);
}

TEST(WorksheetGapText, ATurnedPageRefitsTheBasePictureOnce) {
    Document d = GapTextDocument(QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    d.BaseImage.Image = test::PatternImage(870, 609);
    WorksheetSettings s;
    s.OrientRadio = 1;
    s.BasisbildY = 3.0;
    WorksheetSource source;
    source.document = &d;
    source.pageImageSize = test::kTestPage;
    WorksheetRequest request{WorksheetVariant::Worksheet, 7, true};
    const auto sheet = test::RecordSheet(BuildWorksheet(source, s, request));
    EXPECT_FALSE(request.orientationChanged);
    EXPECT_DOUBLE_EQ(s.BasisbildY, 0.0);
    // Too high at the full width of 1625: the picture fills the room down to the footer.
    ASSERT_FALSE(sheet->images.empty());
    const QRectF picture = sheet->images.front();
    const double bottomLimit = 1000 - SheetTextHeight(d, 15);
    EXPECT_LT(s.BasisbildGroesse, 100.0);
    EXPECT_LE(picture.bottom(), bottomLimit);
    EXPECT_GT(picture.bottom(), bottomLimit - 3);
    EXPECT_NEAR(picture.center().x(), 1625 / 2.0, 1.0);

    // The next build keeps what the user then sets.
    s.BasisbildGroesse = 30.0;
    const auto again = test::RecordSheet(BuildWorksheet(source, s, request));
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, 30.0);
    EXPECT_DOUBLE_EQ(again->images.front().width(), RoundHalfEven(0.3 * 1625));
}

Document PairDocument() {
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::CrossMatching;
    h.EinrueckRand = DefaultEinrueckRand(DocumentType::CrossMatching);
    h.Zeilen = 6;
    h.Spalten = 2;
    h.LinieCol = MakeWinColor(0, 160, 0);
    for (int r = 0; r < h.Zeilen; ++r) {
        for (int c = 0; c < 2; ++c) {
            h.Cell(r, c).Art = 1;
            h.Cell(r, c).Text = QStringLiteral("%1%2").arg(c == 0 ? 'L' : 'R').arg(r + 1);
        }
    }
    ProgramState state;
    LayoutPass pass;
    pass.regenerate = true;
    pass.pageSize = test::kTestPage;
    PairLayout(d, pass, state);
    return d;
}

std::map<QString, QPointF> RightHandPlaces(const SheetRecorder& sheet) {
    std::map<QString, QPointF> places;
    for (const SheetRecorder::Text& t : sheet.texts) {
        if (t.text.trimmed().startsWith(u'R'))
            places[t.text.trimmed()] = t.baseline;
    }
    return places;
}

TEST(WorksheetPairs, TheSeedFixesTheOrderAndTheOpenDocumentKeepsItsOwn) {
    const Document d = PairDocument();
    std::vector<double> rows;
    for (const ObjDataTyp& o : d.Objects)
        rows.push_back(o.Ky);
    const WorksheetSettings s;
    const auto first = RightHandPlaces(*BuildSheet(d, s, WorksheetVariant::Solution, 5));
    ASSERT_EQ(first.size(), 6u);
    EXPECT_EQ(RightHandPlaces(*BuildSheet(d, s, WorksheetVariant::Worksheet, 5)), first);
    bool another = false;
    for (uint32_t seed = 6; seed < 30 && !another; ++seed)
        another = RightHandPlaces(*BuildSheet(d, s, WorksheetVariant::Solution, seed)) != first;
    EXPECT_TRUE(another);
    // No element stays in its own row.
    const auto sheet = BuildSheet(d, s, WorksheetVariant::Solution, 5);
    for (int r = 1; r <= 6; ++r) {
        const auto left =
            std::find_if(sheet->texts.begin(), sheet->texts.end(), [r](const auto& t) {
                return t.text.trimmed() == QStringLiteral("L%1").arg(r);
            });
        ASSERT_NE(left, sheet->texts.end());
        EXPECT_NE(first.at(QStringLiteral("R%1").arg(r)).y(), left->baseline.y());
    }
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(d.Objects[i].Ky, rows[i]);
}

TEST(WorksheetPairs, TheWorksheetShowsOnlyTheEndsOfTheLines) {
    const Document d = PairDocument();
    const WorksheetSettings s;
    const auto count = [&](WorksheetVariant variant) {
        const auto sheet = BuildSheet(d, s, variant);
        return std::count_if(
            sheet->lines.begin(), sheet->lines.end(),
            [](const SheetRecorder::Line& l) { return l.colour == QColor(0, 160, 0); });
    };
    const auto ends = count(WorksheetVariant::Worksheet);
    EXPECT_GT(ends, 0);
    EXPECT_EQ(count(WorksheetVariant::Solution), ends * 3 / 2);
    EXPECT_EQ(count(WorksheetVariant::Overlay), ends * 3 / 2);
}

} // namespace
} // namespace quindor
