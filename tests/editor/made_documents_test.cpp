// Every type made from text, as the program makes it: it loads, runs as an exercise in every
// query mode of its type, prints as worksheet and solution, reads back as it was written,
// and gives its text back for editing.
#include "document/document_writer.h"
#include "editor/content_text.h"
#include "editor/document_makers.h"
#include "layouts/document_layouts.h"

#include "sheet_image.h"
#include "support/solving_run.h"

#include <QTemporaryDir>

namespace quindor {
namespace {

QByteArray Bytes(Document document) {
    return WriteDocumentBytes(document);
}

TEST(MadeDocuments, EveryTypeRunsPrintsAndReadsBackAsWritten) {
    QTemporaryDir dir;
    for (const TextKindRow& row : TextKinds()) {
        const QString name = QLatin1String(row.command);
        const Parsed<Document> made =
            MakeFromText(nullptr, row.kind,
                         {QStringLiteral("Titel"), QStringLiteral("Autorin"),
                          QStringLiteral("Zeile 1\nZeile 2")},
                         QString::fromUtf8(row.example));
        ASSERT_TRUE(made.ok()) << made.Error.message().toStdString();
        test::SessionFixture f;
        RegisterLayouts(f.session.layouts(), f.state);
        f.session.installDocument(*made.Value, true);
        EXPECT_TRUE(f.session.header().Modified);
        EXPECT_EQ(f.session.header().Bemerkung, QStringLiteral("Zeile 1\r\nZeile 2"));
        const QString path = dir.filePath(name + QStringLiteral(".qdr"));
        ASSERT_TRUE(f.session.WriteDocument(path, true));
        const QByteArray written = test::ReadFileBytes(path);

        ASSERT_TRUE(f.session.LoadDocument(path, false)) << name.toStdString();
        EXPECT_TRUE(f.messages.texts().isEmpty());
        const Document loaded = f.session.document();
        EXPECT_EQ(TextKindOf(loaded.Header), row.kind);
        EXPECT_EQ(Bytes(loaded), written) << name.toStdString();

        // The text for editing makes the same document again.
        const std::optional<ContentText> text = ContentTextOf(loaded);
        ASSERT_TRUE(text && text->ok()) << name.toStdString();
        const Parsed<Document> again =
            MakeFromText(&loaded, row.kind,
                         {QStringLiteral("Titel"), QStringLiteral("Autorin"),
                          QStringLiteral("Zeile 1\r\nZeile 2")},
                         text->Text);
        ASSERT_TRUE(again.ok()) << again.Error.message().toStdString();
        f.session.installDocument(*again.Value, false);
        EXPECT_EQ(f.session.header().FileName, loaded.Header.FileName);
        EXPECT_EQ(Bytes(f.session.document()), written) << name.toStdString();

        for (const test::QueryModeSetting& mode : test::QueryModesOf(row.type)) {
            ASSERT_TRUE(f.session.LoadDocument(path, false));
            const test::SolvedRun run = test::SolveExercise(f, mode);
            ASSERT_TRUE(run.started) << name.toStdString();
            ASSERT_EQ(run.results.size(), 1u) << name.toStdString();
            EXPECT_GT(run.queries, 1) << name.toStdString();
            EXPECT_EQ(run.results[0].CorrectCount, run.queries) << name.toStdString();
            EXPECT_EQ(run.results[0].OpenCount, 0) << name.toStdString();
        }
        // The solution sheet shows what the worksheet asks.
        ASSERT_TRUE(f.session.LoadDocument(path, false));
        const QImage worksheet =
            test::SheetImage(f.session.document(), WorksheetVariant::Worksheet);
        EXPECT_NE(worksheet, test::SheetImage(f.session.document(), WorksheetVariant::Solution))
            << name.toStdString();
        EXPECT_TRUE(f.messages.texts().isEmpty()) << f.messages.texts().join('\n').toStdString();
    }
}

// The objects a single-question document stores, and the grid of baskets and pairs.
TEST(MadeDocuments, QuestionsBasketsAndPairsTakeTheirPlaces) {
    const Parsed<Document> questions =
        MakeFromText(nullptr, TextKind::Questions, {},
                     QStringLiteral("Hauptstadt von Italien? // Rom\nZwei mal drei? // sechs"));
    ASSERT_TRUE(questions.ok());
    const Document& q = *questions.Value;
    EXPECT_EQ(q.Header.AnzFrageNummern, 2);
    EXPECT_EQ(q.Header.Fragentext,
              QStringLiteral("Hauptstadt von Italien? // Rom\r\nZwei mal drei? // sechs\r\n"));
    std::vector<std::pair<ObjectKind, QString>> second;
    int controls = 0;
    for (const ObjDataTyp& o : q.Objects) {
        if (o.FrageNummer == 2)
            second.emplace_back(o.Typ, o.Cap);
        controls += IsNavigationKind(o.Typ) && o.FrageNummer == -1;
        EXPECT_GE(o.Kx, 0.0);
        EXPECT_LT(o.Ky, 1.0);
    }
    EXPECT_EQ(controls, 5);
    // The answer line stays above the answer cards of a run, with room for its text.
    const FracRect& m = q.Header.EinrueckRand;
    const double answerCards = m.Top + (1 - m.Top - m.Bottom) * 0.415 / 0.64;
    for (const ObjDataTyp& o : q.Objects) {
        if (o.FrageNummer == 2 && o.Typ != ObjectKind::QuestionText) {
            EXPECT_LT(o.Ky, answerCards - 0.05) << o.Cap.toStdString();
        }
    }
    EXPECT_EQ(second, (std::vector<std::pair<ObjectKind, QString>>{
                          {ObjectKind::StaticLabel, QStringLiteral("Frage Nr. 2 von 2")},
                          {ObjectKind::QuestionText, QStringLiteral("Zwei mal drei?")},
                          {ObjectKind::StaticLabel, QStringLiteral("Antwort:")},
                          {ObjectKind::AnswerField, QStringLiteral("sechs")}}));

    const Parsed<Document> baskets = MakeFromText(
        nullptr, TextKind::Cluster, {}, QStringLiteral("Obst\nApfel\n\nTiere\nHund\nKatze"));
    ASSERT_TRUE(baskets.ok());
    const HeaderDataTyp& h = baskets.Value->Header;
    EXPECT_EQ(h.Spalten, 2);
    EXPECT_EQ(h.Zeilen, 3);
    EXPECT_EQ(h.Cell(0, 1).Text, QStringLiteral("Tiere"));
    EXPECT_EQ(h.Cell(0, 1).Art, 0);
    EXPECT_EQ(h.Cell(2, 1).Text, QStringLiteral("Katze"));
    EXPECT_EQ(h.Cell(2, 1).Art, 1);
    EXPECT_TRUE(h.Cell(2, 0).Text.isEmpty());
}

TEST(MadeDocuments, ContentWithPicturesIsNotEditedAsText) {
    Parsed<Document> made =
        MakeFromText(nullptr, TextKind::Pairs, {}, QStringLiteral("Hund = bellen"));
    ASSERT_TRUE(made.ok());
    made.Value->Header.Cell(0, 1).Art = 3;
    made.Value->Header.Cell(0, 1).Bild.Image = test::PatternImage(8, 8);
    const std::optional<ContentText> text = ContentTextOf(*made.Value);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Refusal, QStringLiteral("Der Inhalt dieses Dokuments enth\u00e4lt Bilder und "
                                            "l\u00e4sst sich deshalb nicht als Text bearbeiten."));
    EXPECT_TRUE(text->Text.isEmpty());
}

} // namespace
} // namespace quindor
