#include "document/numbering.h"
#include "editor/c_test.h"
#include "layouts/document_layouts.h"
#include "make_samples/sample_documents.h"
#include "tools/tool_process.h"
#include "view/view_composer.h"

#include "support/solving_run.h"
#include "support/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace quindor {
namespace {

const QString kSamples = QStringLiteral(QUINDOR_SAMPLES_DIR);

std::vector<const ObjDataTyp*> OfKind(const Document& d, ObjectKind typ) {
    std::vector<const ObjDataTyp*> found;
    for (const ObjDataTyp& o : d.Objects) {
        if (o.Typ == typ)
            found.push_back(&o);
    }
    return found;
}

// What a teacher calls an object: its caption, or the name of its picture.
QString NameOf(const ObjDataTyp& o) {
    return o.Cap.isEmpty() ? o.BildKenn : o.Cap;
}

// Loads like the program does and insists on silence.
class SampleFolder : public ::testing::Test {
protected:
    SampleFolder() { RegisterLayouts(fixture.session.layouts(), fixture.state); }

    const Document& load(const QString& name) {
        const QString path = QDir(kSamples).filePath(name);
        EXPECT_TRUE(fixture.session.LoadDocument(path, true)) << name.toStdString();
        EXPECT_TRUE(fixture.messages.texts().isEmpty())
            << fixture.messages.texts().join('\n').toStdString();
        return fixture.session.document();
    }

    test::SessionFixture fixture;
};

TEST_F(SampleFolder, PlantLabelsPointAtTheirSpots) {
    const Document& d = load(QStringLiteral("01_Pflanze.qdr"));
    EXPECT_EQ(d.Header.DokTyp, DocumentType::Labelling);
    EXPECT_EQ(d.Header.Autor, QStringLiteral("Quindor-Beispiele"));
    const auto labels = OfKind(d, ObjectKind::QueryLabel);
    EXPECT_GE(labels.size(), 5u);
    EXPECT_LE(labels.size(), 8u);
    for (const ObjDataTyp* o : labels) {
        EXPECT_EQ(o->Ebene, 1);
        EXPECT_EQ(o->Sline, 1);
        EXPECT_EQ(o->LinieDicke, 2);
        EXPECT_NE(o->LinieFarbe, 0);
        EXPECT_EQ(o->HDeck, 100);
        EXPECT_GT(std::abs(o->Kx - o->Sx) + std::abs(o->Ky - o->Sy), 0.05) << o->Cap.toStdString();
    }
    EXPECT_GE(OfKind(d, ObjectKind::FixedLabel).size(), 2u);

    const auto info = OfKind(d, ObjectKind::InfoPoint);
    ASSERT_FALSE(info.empty());
    EXPECT_EQ(info[0]->Ebene, 2);
    EXPECT_EQ(info[0]->PktCap, QStringLiteral("Info"));
    EXPECT_TRUE(info[0]->Cap.contains(QStringLiteral("<B>")));

    // The link must lead to a document of the same folder.
    const auto links = OfKind(d, ObjectKind::DocumentLink);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(QDir(kSamples).filePath(links[0]->Cap)));
    EXPECT_EQ(OfKind(d, ObjectKind::ExternalLink).size(), 1u);
    EXPECT_LT(d.Header.MinZIndex, d.Header.MaxZIndex);
}

TEST_F(SampleFolder, GapTextAndCTestCarryTheirGaps) {
    const Document& gaps = load(QStringLiteral("02_Lueckentext.qdr"));
    EXPECT_EQ(gaps.Header.DokTyp, DocumentType::GapText);
    EXPECT_EQ(gaps.Header.DokUnterTyp, DocumentSubtype::Plain);
    EXPECT_TRUE(gaps.Header.Lueckentext.contains(QStringLiteral("<<vier|Vier|4>>.")));
    EXPECT_EQ(gaps.BaseImage.Image.size(), QSize(870, 1100));
    // The gaps become objects in text order, numbered.
    const auto gapObjects = OfKind(gaps, ObjectKind::Gap);
    ASSERT_EQ(gapObjects.size(), 8u);
    EXPECT_EQ(gapObjects.size(), gaps.Objects.size());
    EXPECT_EQ(gapObjects[0]->Cap, QStringLiteral("N\u00e4hrstoffe"));
    EXPECT_EQ(gapObjects[5]->BildKenn, QStringLiteral("|vier|Vier|4|"));
    EXPECT_EQ(gapObjects[7]->Cap, QStringLiteral("Samen"));

    const Document& ctest = load(QStringLiteral("03_C-Test.qdr"));
    EXPECT_EQ(ctest.Header.DokTyp, DocumentType::GapText);
    EXPECT_EQ(ctest.Header.DokUnterTyp, DocumentSubtype::CTest);
    EXPECT_GE(ctest.Header.Lueckentext.count(QStringLiteral("<<")), 20);
    EXPECT_EQ(ctest.Header.Lueckentext.count(QStringLiteral("<<")),
              ctest.Header.Lueckentext.count(QStringLiteral(">>")));
    EXPECT_EQ(static_cast<qsizetype>(OfKind(ctest, ObjectKind::Gap).size()),
              ctest.Header.Lueckentext.count(QStringLiteral("<<")));
}

TEST_F(SampleFolder, SignTableHasEveryCellKind) {
    const Document& d = load(QStringLiteral("05_Verkehrszeichen.qdr"));
    EXPECT_EQ(d.Header.DokTyp, DocumentType::GapText);
    EXPECT_EQ(d.Header.DokUnterTyp, DocumentSubtype::GapTable);
    EXPECT_EQ(d.Header.Linie, 1);
    EXPECT_EQ(OfKind(d, ObjectKind::TableStaticPicture).size(), 1u);
    EXPECT_EQ(OfKind(d, ObjectKind::TableQueryPicture).size(), 2u);
    const auto links = OfKind(d, ObjectKind::TablePictureLink);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(QDir(kSamples).filePath(links[0]->Cap)));
    EXPECT_EQ(links[0]->PunktInUebung, 1);
    EXPECT_EQ(OfKind(d, ObjectKind::Gap).size(), 4u);
    for (const ObjDataTyp* query : OfKind(d, ObjectKind::TableQueryPicture)) {
        EXPECT_FALSE(query->BildKenn.isEmpty());
        EXPECT_GE(query->Nummer, 1);
    }
}

TEST_F(SampleFolder, SchoolWayKeepsItsPictures) {
    const Document& d = load(QStringLiteral("04_Schulweg.qdr"));
    const auto query = OfKind(d, ObjectKind::QueryPicture);
    ASSERT_GE(query.size(), 2u);
    for (const ObjDataTyp* o : query) {
        EXPECT_FALSE(o->Picture.isEmpty());
        EXPECT_FALSE(o->BildKenn.isEmpty());
        EXPECT_TRUE(o->Picture.Blended);
    }
    const auto fixed = OfKind(d, ObjectKind::FixedPicture);
    ASSERT_EQ(fixed.size(), 1u);
    EXPECT_FALSE(fixed[0]->Picture.isEmpty());
    EXPECT_GE(OfKind(d, ObjectKind::QueryLabel).size(), 3u);
}

// Every card belongs to one of the three baskets, and each basket has text and picture cards
// under its heading.
TEST_F(SampleFolder, SortingSampleFillsThreeBaskets) {
    const Document& d = load(QStringLiteral("09_Sortieren.qdr"));
    EXPECT_EQ(d.Header.DokTyp, DocumentType::Cluster);
    EXPECT_EQ(d.Header.Spalten, 3);
    EXPECT_EQ(OfKind(d, ObjectKind::ClusterStaticText).size(), 3u);
    for (int basket = 1; basket <= 3; ++basket) {
        const QString tag = QStringLiteral("Korb#%1").arg(basket);
        int texts = 0;
        int pictures = 0;
        for (const ObjDataTyp& o : d.Objects) {
            texts += o.Typ == ObjectKind::ClusterText && o.BildKenn == tag;
            pictures +=
                o.Typ == ObjectKind::ClusterPicture && o.BildKenn == tag && !o.Picture.isEmpty();
        }
        EXPECT_GE(texts, 2) << basket;
        EXPECT_GE(pictures, 2) << basket;
    }
}

// Pairs of two query elements each (a run pairs them by their places in the list), with
// pictures on either side.
TEST_F(SampleFolder, PairSampleJoinsTextsAndPictures) {
    const Document& d = load(QStringLiteral("10_Zuordnen.qdr"));
    EXPECT_EQ(d.Header.DokTyp, DocumentType::CrossMatching);
    ASSERT_EQ(d.ObjectCount(), 2 * d.Header.Zeilen);
    bool pictureLeft = false;
    bool pictureRight = false;
    for (int i = 0; i < d.ObjectCount(); i += 2) {
        const ObjDataTyp& left = d.Object(i);
        const ObjDataTyp& right = d.Object(i + 1);
        EXPECT_TRUE(left.Typ == ObjectKind::PairText || left.Typ == ObjectKind::PairPicture);
        EXPECT_TRUE(right.Typ == ObjectKind::PairText || right.Typ == ObjectKind::PairPicture);
        EXPECT_EQ(left.BildKenn, right.BildKenn);
        EXPECT_EQ(right.Partner, i);
        pictureLeft = pictureLeft || left.Typ == ObjectKind::PairPicture;
        pictureRight = pictureRight || right.Typ == ObjectKind::PairPicture;
    }
    EXPECT_TRUE(pictureLeft);
    EXPECT_TRUE(pictureRight);
}

// No query field of a sample lies under another card, at the sizes a teacher meets.
TEST_F(SampleFolder, NoFieldHidesAnother) {
    const QStringList names = QDir(kSamples).entryList({QStringLiteral("*.qdr")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        Document& d = const_cast<Document&>(load(name));
        ViewComposer composer(d, fixture.state, &fixture.session.layouts());
        for (const QSize area : {QSize(870, 600), QSize(1280, 800), QSize(1900, 1000)}) {
            composer.ComposeView(area);
            for (int i = 0; i < d.ObjectCount(); ++i) {
                const ObjDataTyp& field = d.Object(i);
                if (!IsNumberedKind(field.Typ))
                    continue;
                const FracRect& a = field.CardRect;
                for (int j = 0; j < d.ObjectCount(); ++j) {
                    const FracRect& b = d.Object(j).CardRect;
                    if (j == i || b.Right <= b.Left)
                        continue;
                    const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom &&
                                         b.Top < a.Bottom;
                    EXPECT_FALSE(overlap)
                        << name.toStdString() << " at " << area.width() << "x" << area.height()
                        << ": \"" << field.Cap.toStdString() << "\" under \""
                        << NameOf(d.Object(j)).toStdString() << "\"";
                }
            }
        }
    }
}

TEST(CTest, SecondHalfOfEverySecondWordBecomesAGap) {
    EXPECT_EQ(GapEverySecondWord(QStringLiteral("Der Hase sitzt im Gras.")),
              QStringLiteral("Der Ha<<se>> sitzt i<<m>> Gras."));
    // Odd lengths lose the larger half; punctuation and one-letter words stay out.
    EXPECT_EQ(GapEverySecondWord(QStringLiteral("Die Katze schl\u00e4ft, a der Hund bellt.")),
              QStringLiteral("Die Ka<<tze>> schl\u00e4ft, a d<<er>> Hund be<<llt>>."));
}

TEST(SampleCorpus, SeedsAreSmallAndLoadSilently) {
    QTemporaryDir dir;
    const test::ToolRun run =
        test::RunTool(QStringLiteral(MAKE_SAMPLES_PATH), {QStringLiteral("--corpus"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList names = QDir(dir.path()).entryList({QStringLiteral("*.qdr")}, QDir::Files);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(samples::CorpusDocuments().size()));

    bool gridPicture = false, cluster = false, answerPictures = false;
    for (const QString& name : names) {
        const QString path = QDir(dir.path()).filePath(name);
        EXPECT_LT(QFileInfo(path).size(), 20 * 1024) << name.toStdString();
        test::SessionFixture f;
        ASSERT_TRUE(f.session.LoadDocument(path, false)) << name.toStdString();
        EXPECT_TRUE(f.messages.texts().isEmpty());
        const Document& d = f.session.document();
        gridPicture = gridPicture || (d.Header.DokTyp == DocumentType::GapText &&
                                      d.Header.DokUnterTyp == DocumentSubtype::GapTable &&
                                      !d.Header.Cell(0, 0).Bild.isEmpty());
        cluster = cluster || d.Header.DokTyp == DocumentType::Cluster;
        answerPictures =
            answerPictures || std::any_of(d.Objects.begin(), d.Objects.end(), [](const auto& o) {
                return o.Typ == ObjectKind::ChoiceQuestion && !o.AntwPics[0].isEmpty();
            });
    }
    EXPECT_TRUE(gridPicture);
    EXPECT_TRUE(cluster);
    EXPECT_TRUE(answerPictures);
}

TEST_F(SampleFolder, EveryLabellingAndGapSampleRunsInEveryQueryMode) {
    for (const char* name : {"01_Pflanze.qdr", "02_Lueckentext.qdr", "03_C-Test.qdr",
                             "04_Schulweg.qdr", "05_Verkehrszeichen.qdr"}) {
        for (const test::QueryModeSetting& mode : test::QueryModesOf(DocumentType::Labelling)) {
            test::SessionFixture f;
            RegisterLayouts(f.session.layouts(), f.state);
            ASSERT_TRUE(
                f.session.LoadDocument(QDir(kSamples).filePath(QLatin1String(name)), false));
            const test::SolvedRun run = test::SolveExercise(f, mode);
            ASSERT_TRUE(run.started) << name;
            EXPECT_GT(run.queries, 0);
            ASSERT_EQ(run.results.size(), 1u) << name;
            EXPECT_EQ(run.results[0].OpenCount, 0) << name;
            EXPECT_EQ(run.results[0].CorrectCount, run.queries) << name;
            EXPECT_EQ(f.state.ViewMode, Mode::Learning);
        }
    }
}

} // namespace
} // namespace quindor
