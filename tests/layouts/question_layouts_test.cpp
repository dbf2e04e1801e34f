#include "document/caption_codec.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "layouts/choice_markers.h"
#include "layouts/question_layouts.h"
#include "layouts/question_sources.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindor {
namespace {

constexpr double kEps = 1e-9;

// A multiple-choice document with the default margins L 0.05, T 0.04, R 0.05, B 0.045.
struct ChoiceDocument {
    ChoiceDocument() {
        document.Header.DokTyp = DocumentType::MultipleChoice;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
    }

    ObjDataTyp& add(ObjectKind typ, const QString& cap, int untertyp = 0) {
        ObjDataTyp o;
        o.Typ = typ;
        o.Untertyp = untertyp;
        o.Cap = cap;
        document.Objects.push_back(o);
        return document.Objects.back();
    }
    ObjDataTyp& question(const QString& text, const QStringList& answers, int untertyp = 0) {
        return add(ObjectKind::ChoiceQuestion,
                   JoinCommaText({text, answers.join(QStringLiteral("\r\n"))}), untertyp);
    }

    void regenerate() { MultipleChoiceLayout(document, true, state); }

    std::vector<const ObjDataTyp*> of(ObjectKind typ, int frageNummer = 0) const {
        std::vector<const ObjDataTyp*> found;
        for (const ObjDataTyp& o : document.Objects) {
            if (o.Typ == typ && (frageNummer == 0 || o.FrageNummer == frageNummer))
                found.push_back(&o);
        }
        return found;
    }

    Document document;
    ProgramState state;
};

QImage Image(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkCyan);
    return image;
}

TEST(ChoiceLayout, FourTextAnswersStandInRowsAroundTheCentreLine) {
    ChoiceDocument f;
    f.question(
        QStringLiteral("Welche Zahlen sind gerade?"),
        {QStringLiteral("+2"), QStringLiteral("-3"), QStringLiteral("+4"), QStringLiteral("-5")});
    f.regenerate();

    const auto markers = f.of(ObjectKind::ChoiceMarker);
    ASSERT_EQ(markers.size(), 4u);
    const double rows[] = {0.285, 0.435, 0.585, 0.735};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(markers[i]->Ky, rows[i], kEps);
        EXPECT_NEAR(markers[i]->Kx, 0.05 + 0.12, kEps);
        EXPECT_EQ(markers[i]->AntwortAnz, 4);
        EXPECT_EQ(markers[i]->Fsize, 4);
        EXPECT_EQ(markers[i]->FrageNummer, 1);
        // Every marker is directly followed by its answer, on its row.
        const ObjDataTyp& answer = *(markers[i] + 1);
        EXPECT_EQ(answer.Typ, ObjectKind::ChoiceAnswerText);
        EXPECT_NEAR(answer.Ky, rows[i], kEps);
        EXPECT_NEAR(answer.Kx, 0.05 + 0.12 + 0.06, kEps);
        EXPECT_EQ(answer.Fsize, 1);
    }
    EXPECT_EQ(markers[0]->Cap, QStringLiteral("+"));
    EXPECT_EQ((markers[1] + 1)->Cap, QStringLiteral("3"));
    const auto ok = f.of(ObjectKind::ChoiceOk);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_NEAR(ok[0]->Ky, 0.885, kEps);
    EXPECT_NEAR(ok[0]->Kx, 0.17, kEps);
    EXPECT_EQ(ok[0]->Cap, QStringLiteral("OK"));

    // A correct answer carries the tick, a wrong one the bar.
    EXPECT_EQ(markers[0]->Picture.Image, ChoiceMarkerPicture(true).Image);
    EXPECT_EQ(markers[1]->Picture.Image, ChoiceMarkerPicture(false).Image);
    EXPECT_TRUE(markers[0]->Picture.Linear);
}

TEST(ChoiceLayout, FivePictureAnswersFillTwoColumns) {
    ChoiceDocument f;
    ObjDataTyp& q =
        f.question(QStringLiteral("Was schwimmt?"),
                   {QStringLiteral("+Fisch"), QStringLiteral("-Stein"), QStringLiteral("+Ente"),
                    QStringLiteral("-Nagel"), QStringLiteral("+Boot")},
                   1);
    for (int i = 0; i < 5; ++i)
        q.AnswerPicture(i).Image = Image(10 + i, 10);
    f.regenerate();

    const auto markers = f.of(ObjectKind::ChoiceMarker);
    ASSERT_EQ(markers.size(), 5u);
    // Three rows; the step is capped at 0.2 for picture answers.
    const double centre = 0.51;
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(markers[static_cast<size_t>(i)]->Kx, 0.1, kEps) << i;
        EXPECT_NEAR(markers[static_cast<size_t>(i)]->Ky, (i - 1) * 0.2 + centre, kEps) << i;
    }
    for (int i = 3; i < 5; ++i) {
        EXPECT_NEAR(markers[static_cast<size_t>(i)]->Kx, 0.5, kEps) << i;
        EXPECT_NEAR(markers[static_cast<size_t>(i)]->Ky, (i - 4) * 0.2 + centre, kEps) << i;
    }
    for (size_t i = 0; i < 5; ++i) {
        const ObjDataTyp& answer = *(markers[i] + 1);
        ASSERT_EQ(answer.Typ, ObjectKind::ChoiceAnswerPicture);
        EXPECT_EQ(answer.Picture.Image.width(), 10 + static_cast<int>(i));
        EXPECT_EQ(answer.Fsize, 38);
        EXPECT_NEAR(answer.Kx, markers[i]->Kx + 0.06, kEps);
    }
    EXPECT_EQ((markers[2] + 1)->Cap, QStringLiteral("Ente"));
    // "OK" under the second column, a little higher than a full row step below.
    const auto ok = f.of(ObjectKind::ChoiceOk);
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_NEAR(ok[0]->Kx, 0.5, kEps);
    EXPECT_NEAR(ok[0]->Ky, (3 - 1 - 0.1) * 0.2 + centre, kEps);
}

TEST(ChoiceLayout, QuestionWithPictureHasItsAnswersInTheMiddle) {
    ChoiceDocument f;
    f.add(ObjectKind::ChoiceQuestionPicture,
          JoinCommaText({QStringLiteral("Breit"), QStringLiteral("+a")}))
        .Picture.Image = Image(210, 100);
    f.add(ObjectKind::ChoiceQuestionPicture,
          JoinCommaText({QStringLiteral("Hoch"), QStringLiteral("+a")}))
        .Picture.Image = Image(50, 100);
    f.regenerate();

    const auto pictures = f.of(ObjectKind::ChoicePicture);
    ASSERT_EQ(pictures.size(), 2u);
    // round(0.9 x 120 / 0.95) = 114, halved for a picture twice as wide as 1.05 : 1.
    EXPECT_EQ(pictures[0]->Fsize, 57);
    EXPECT_EQ(pictures[1]->Fsize, 114);
    EXPECT_NEAR(pictures[0]->Kx, 0.05, kEps);
    EXPECT_NEAR(pictures[0]->Ky, 0.51, kEps);
    EXPECT_EQ(pictures[0]->Picture.Image.size(), QSize(210, 100));
    EXPECT_TRUE(pictures[0]->Picture.Linear);
    EXPECT_NEAR(f.of(ObjectKind::ChoiceMarker)[0]->Kx, 0.5, kEps);
}

TEST(ChoiceLayout, QuestionTextSizeShrinksWithItsLength) {
    EXPECT_EQ(choice::QuestionFsize(60), 5);
    EXPECT_EQ(choice::QuestionFsize(71), 5);
    EXPECT_EQ(choice::QuestionFsize(72), 4);
    EXPECT_EQ(choice::QuestionFsize(84), 3);
    EXPECT_EQ(choice::QuestionFsize(200), -1);

    ChoiceDocument f;
    // Trailing blanks of the question do not count.
    f.question(QString(84, QLatin1Char('x')) + QStringLiteral("   "), {QStringLiteral("+a")});
    f.question(QString(200, QLatin1Char('y')), {QStringLiteral("+a")});
    f.regenerate();
    const auto texts = f.of(ObjectKind::ChoiceText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->Cap, QString(84, QLatin1Char('x')));
    EXPECT_EQ(texts[0]->Fsize, 3);
    EXPECT_EQ(texts[1]->Fsize, -1);
    EXPECT_NEAR(texts[0]->Ky, 0.04 + 0.08, kEps);
}

TEST(ChoiceLayout, QuestionWithoutAnswersOffersOneCorrectAnswer) {
    ChoiceDocument f;
    f.add(ObjectKind::ChoiceQuestion, QStringLiteral("\"Nur eine Frage\""));
    f.add(ObjectKind::ChoiceQuestion,
          JoinCommaText({QStringLiteral("Leer"), QStringLiteral(" \r\n ")}));
    f.regenerate();
    for (int k = 1; k <= 2; ++k) {
        const auto markers = f.of(ObjectKind::ChoiceMarker, k);
        ASSERT_EQ(markers.size(), 1u);
        EXPECT_EQ(markers[0]->Cap, QStringLiteral("+"));
        EXPECT_EQ(markers[0]->AntwortAnz, 1);
        EXPECT_EQ((markers[0] + 1)->Cap, QStringLiteral("Antwort"));
        EXPECT_NEAR(markers[0]->Ky, 0.51, kEps);
    }
}

TEST(ChoiceLayout, EmptyAnswerLineKeepsItsPlace) {
    ChoiceDocument f;
    f.question(QStringLiteral("Frage"), {QStringLiteral("+eins"), QStringLiteral("   "),
                                         QStringLiteral("-drei"), QStringLiteral("-vier")});
    f.regenerate();
    const auto markers = f.of(ObjectKind::ChoiceMarker);
    ASSERT_EQ(markers.size(), 3u);
    for (const ObjDataTyp* m : markers)
        EXPECT_EQ(m->AntwortAnz, 4);
    EXPECT_NEAR(markers[0]->Ky, 0.285, kEps);
    EXPECT_NEAR(markers[1]->Ky, 0.585, kEps);
    EXPECT_EQ((markers[1] + 1)->Cap, QStringLiteral("drei"));
    // Ordered numbering counts only the answers there are.
    EXPECT_EQ(markers[0]->Nummer, 1);
    EXPECT_EQ(markers[1]->Nummer, 2);
    EXPECT_EQ(markers[2]->Nummer, 3);
}

TEST(ChoiceLayout, AtMostTwelveAnswersTakePart) {
    ChoiceDocument f;
    QStringList answers;
    for (int i = 0; i < 14; ++i)
        answers.append(QStringLiteral("-a%1").arg(i));
    f.question(QStringLiteral("Viele"), answers);
    f.regenerate();
    const auto markers = f.of(ObjectKind::ChoiceMarker);
    ASSERT_EQ(markers.size(), 12u);
    EXPECT_EQ(markers[0]->AntwortAnz, 12);
    EXPECT_EQ((markers[11] + 1)->Cap, QStringLiteral("a11"));
    // Twelve rows still leave the "OK" on the page.
    EXPECT_LT(f.of(ObjectKind::ChoiceOk)[0]->Ky, 1.0);
}

TEST(ChoiceLayout, SourceCaptionIsACommaText) {
    ChoiceDocument f;
    // Quotes doubled inside a quoted item, a comma and a line break within the answer block,
    // and a third item that is ignored.
    f.add(ObjectKind::ChoiceQuestion,
          QStringLiteral("\"Was hei\u00dft \"\"gro\u00df\"\"?  \",\"+Ein Haus, hoch\r\n  "
                         "-Eine Maus\",\"Rest\""));
    f.regenerate();
    ASSERT_EQ(f.of(ObjectKind::ChoiceText).size(), 1u);
    EXPECT_EQ(f.of(ObjectKind::ChoiceText)[0]->Cap,
              QStringLiteral("Was hei\u00dft \"gro\u00df\"?"));
    const auto markers = f.of(ObjectKind::ChoiceMarker);
    ASSERT_EQ(markers.size(), 2u);
    EXPECT_EQ((markers[0] + 1)->Cap, QStringLiteral("Ein Haus, hoch"));
    EXPECT_EQ(markers[1]->Cap, QStringLiteral("-"));
    EXPECT_EQ((markers[1] + 1)->Cap, QStringLiteral("Eine Maus"));
}

TEST(ChoiceLayout, HeadersControlsAndQuestionNumbers) {
    ChoiceDocument f;
    f.document.Header.EinrueckRand = {0.1, 0.1, 0.1, 0.1};
    for (int k = 0; k < 3; ++k)
        f.question(QStringLiteral("F%1").arg(k + 1), {QStringLiteral("+a"), QStringLiteral("-b")});
    // A stored question numbered wrongly still carries the number of its parts afterwards.
    f.document.Objects[1].FrageNummer = 7;
    f.regenerate();

    EXPECT_EQ(f.document.Header.AnzFrageNummern, 3);
    const auto stored = f.of(ObjectKind::ChoiceQuestion);
    ASSERT_EQ(stored.size(), 3u);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(stored[static_cast<size_t>(k - 1)]->FrageNummer, k);
    EXPECT_EQ(f.state.CurrentQuestion, 1);
    const auto headers = f.of(ObjectKind::StaticLabel);
    ASSERT_EQ(headers.size(), 3u);
    EXPECT_EQ(headers[1]->Cap, QStringLiteral("Frage Nr. 2 von 3"));
    EXPECT_EQ(headers[1]->Fsize, -5);
    EXPECT_EQ(headers[1]->Stil, 0);
    EXPECT_NEAR(headers[1]->Kx, 0.1, kEps);
    EXPECT_NEAR(headers[1]->Ky, 0.11, kEps);
    // The margins move the centre line: (1 - 0.2) x 0.47 / 0.915 + 0.1.
    EXPECT_NEAR(choice::CentreLine(f.document.Header.EinrueckRand), 0.8 * 0.47 / 0.915 + 0.1, kEps);

    // Five controls in a row above the bottom margin, for every question.
    const ObjectKind controls[] = {ObjectKind::NavFirst, ObjectKind::NavPrevious,
                                   ObjectKind::NavNext, ObjectKind::NavLast, ObjectKind::NavRandom};
    for (int i = 0; i < 5; ++i) {
        const auto found = f.of(controls[i]);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0]->FrageNummer, -1);
        EXPECT_EQ(found[0]->Ebene, 2);
        EXPECT_NEAR(found[0]->Kx, 0.1 + 0.06 * i, kEps);
        EXPECT_NEAR(found[0]->Ky, 1 - 0.1 - 0.03, kEps);
    }
    for (const ObjDataTyp& o : f.document.Objects) {
        if (o.Typ >= ObjectKind::ChoiceText && o.Typ <= ObjectKind::ChoiceAnswerPicture) {
            EXPECT_GE(o.FrageNummer, 1);
            EXPECT_EQ(o.Ebene, 1);
            EXPECT_EQ(o.KAusr, 1);
            EXPECT_EQ(o.Sx, o.Kx);
            EXPECT_EQ(o.HDeck, 0);
        }
    }
}

TEST(ChoiceLayout, DocumentWithoutQuestions) {
    ChoiceDocument f;
    f.state.CurrentQuestion = 4;
    f.add(ObjectKind::FixedLabel, QStringLiteral("frei"));
    f.regenerate();
    EXPECT_EQ(f.document.Header.AnzFrageNummern, 0);
    EXPECT_EQ(f.state.CurrentQuestion, -1);
    EXPECT_EQ(f.document.ObjectCount(), 6);
    for (const ObjectKind typ : {ObjectKind::NavPrevious, ObjectKind::NavNext, ObjectKind::NavFirst,
                                 ObjectKind::NavLast, ObjectKind::NavRandom})
        EXPECT_EQ(f.of(typ).size(), 1u);
}

TEST(ChoiceLayout, RegeneratingReplacesWhatItMadeAndKeepsTheRest) {
    ChoiceDocument f;
    f.question(QStringLiteral("Eins"), {QStringLiteral("+a"), QStringLiteral("-b")});
    f.add(ObjectKind::FixedLabel, QStringLiteral("frei"));
    // Controls and labels stored with the document are made anew.
    f.add(ObjectKind::StaticLabel, QStringLiteral("Frage Nr. 1 von 9"));
    f.add(ObjectKind::NavNext, QString());
    f.regenerate();
    const int count = f.document.ObjectCount();
    f.document.Object(count - 2).State = ObjectState::Shown;
    f.regenerate();
    EXPECT_EQ(f.document.ObjectCount(), count);
    EXPECT_EQ(f.of(ObjectKind::StaticLabel).size(), 1u);
    EXPECT_EQ(f.of(ObjectKind::StaticLabel)[0]->Cap, QStringLiteral("Frage Nr. 1 von 1"));
    EXPECT_EQ(f.of(ObjectKind::NavNext).size(), 1u);
    EXPECT_EQ(f.of(ObjectKind::FixedLabel).size(), 1u);
    EXPECT_EQ(f.of(ObjectKind::ChoiceQuestion).size(), 1u);
    // Fresh markers are covered again.
    for (const ObjDataTyp* m : f.of(ObjectKind::ChoiceMarker))
        EXPECT_EQ(m->State, ObjectState::Covered);
    // Without regenerating nothing is made or moved.
    MultipleChoiceLayout(f.document, false, f.state);
    EXPECT_EQ(f.document.ObjectCount(), count);
}

TEST(ChoiceLayout, GeneratedPartsAreNeverWrittenAndComeBackAtLoad) {
    ChoiceDocument f;
    f.question(QStringLiteral("Eins"), {QStringLiteral("+a"), QStringLiteral("-b")});
    f.question(QStringLiteral("Zwei"), {QStringLiteral("-c"), QStringLiteral("+d")});
    f.regenerate();
    const int generated = f.document.ObjectCount();

    Document read;
    ASSERT_EQ(ReadDocumentBytes(WriteDocumentBytes(f.document), read, ReadOptions()),
              ReadStatus::Ok);
    for (const ObjDataTyp& o : read.Objects)
        EXPECT_FALSE(IsChoicePartKind(o.Typ)) << o.Typ;
    // Sources, controls and headers are stored: 2 + 5 + 2.
    EXPECT_EQ(read.ObjectCount(), 9);
    ProgramState state;
    MultipleChoiceLayout(read, true, state);
    EXPECT_EQ(read.ObjectCount(), generated);
}

TEST(ChoiceLayout, OtherDocumentTypesAreLeftAlone) {
    ChoiceDocument f;
    f.document.Header.DokTyp = DocumentType::Questions;
    f.question(QStringLiteral("Eins"), {QStringLiteral("+a")});
    f.state.CurrentQuestion = 7;
    f.regenerate();
    EXPECT_EQ(f.document.ObjectCount(), 1);
    EXPECT_EQ(f.state.CurrentQuestion, 7);
}

TEST(QuestionLayouts, CurrentQuestionStaysInRange) {
    Document d;
    d.Header.DokTyp = DocumentType::Questions;
    d.Header.AnzFrageNummern = 3;
    ProgramState state;
    for (const auto& [before, after] :
         std::vector<std::pair<int, int>>{{5, 1}, {0, 1}, {-1, 1}, {2, 2}, {3, 3}, {4, 1}}) {
        state.CurrentQuestion = before;
        SingleQuestionLayout(d, state);
        EXPECT_EQ(state.CurrentQuestion, after) << before;
    }
    d.Header.AnzFrageNummern = 0;
    state.CurrentQuestion = 1;
    SingleQuestionLayout(d, state);
    EXPECT_EQ(state.CurrentQuestion, -1);
    // A layout of another type keeps its hands off.
    d.Header.DokTyp = DocumentType::Labelling;
    state.CurrentQuestion = 9;
    SingleQuestionLayout(d, state);
    EXPECT_EQ(state.CurrentQuestion, 9);
}

TEST(QuestionText, EmptyLinesDoNotCountAndAMissingAnswerIsDashes) {
    const auto questions = ParseQuestionText(
        QStringLiteral(" Wie hei\u00dft die Hauptstadt?  //  Berlin \r\n   \r\nWarum?\r\n"));
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].Question, QStringLiteral("Wie hei\u00dft die Hauptstadt?"));
    EXPECT_EQ(questions[0].Answer, QStringLiteral("Berlin"));
    EXPECT_EQ(questions[1].Question, QStringLiteral("Warum?"));
    EXPECT_EQ(questions[1].Answer, QStringLiteral("---"));
    // Only the first "//" separates; the answer may hold another.
    const auto url = ParseQuestionText(QStringLiteral("Adresse? // https://a.de"));
    ASSERT_EQ(url.size(), 1u);
    EXPECT_EQ(url[0].Answer, QStringLiteral("https://a.de"));
    EXPECT_TRUE(ParseQuestionText(QString()).empty());
}

TEST(ChoiceMarkers, TickAndBarOnAFramedWhiteSquare) {
    const QImage tick = ChoiceMarkerPicture(true).Image;
    const QImage bar = ChoiceMarkerPicture(false).Image;
    for (const QImage& image : {tick, bar}) {
        ASSERT_EQ(image.size(), QSize(65, 65));
        EXPECT_EQ(image.pixel(0, 0), qRgb(180, 180, 180));
        EXPECT_EQ(image.pixel(64, 32), qRgb(180, 180, 180));
        EXPECT_EQ(image.pixel(32, 64), qRgb(180, 180, 180));
        EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
        for (int y = 0; y < 65; ++y) {
            for (int x = 0; x < 65; ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), 255);
        }
    }
    // The bar covers x 8 to 56 and y 30 to 33, nothing more.
    EXPECT_EQ(bar.pixel(8, 30), qRgb(255, 0, 0));
    EXPECT_EQ(bar.pixel(56, 33), qRgb(255, 0, 0));
    EXPECT_EQ(bar.pixel(7, 31), qRgb(255, 255, 255));
    EXPECT_EQ(bar.pixel(57, 31), qRgb(255, 255, 255));
    EXPECT_EQ(bar.pixel(30, 29), qRgb(255, 255, 255));
    EXPECT_EQ(bar.pixel(30, 34), qRgb(255, 255, 255));
    // The tick runs from the left down to the bottom point and up to the top right.
    for (const QPoint p : {QPoint(8, 41), QPoint(16, 55), QPoint(32, 37), QPoint(54, 9)})
        EXPECT_EQ(tick.pixel(p), qRgb(0, 128, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(tick.pixel(45, 45), qRgb(255, 255, 255));
    EXPECT_EQ(tick.pixel(10, 10), qRgb(255, 255, 255));
}

} // namespace
} // namespace quindor
