// The recovery copy of unsaved work, pictures read for documents, and a labelling document
// made from a picture.
#include "document/document_writer.h"
#include "editor/free_objects.h"
#include "editor/recovery_copy.h"

#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

Document Labelled(const QString& title) {
    Picture base;
    base.Image = test::PatternImage(80, 60);
    Document d = *MakeLabelling({title, {}, {}}, base, {0, 10, 7}).Value;
    d.Objects.push_back(NewFreeObject(ObjectKind::QueryLabel, {0.4, 0.5}, {0.3, 0.5},
                                      QStringLiteral("Wurzel"), d.Header));
    return d;
}

TEST(RecoveryCopy, KeepsUnsavedChangesUntilSavedOrGivenUp) {
    QTemporaryDir dir;
    RecoveryCopy copy(dir.filePath(QStringLiteral("Wiederherstellung")));
    Document d = Labelled(QStringLiteral("Pflanze"));
    d.Header.FileName = QStringLiteral("/schule/bio/pflanze.qdr");
    copy.keep(d);
    EXPECT_FALSE(copy.exists());

    d.Header.Modified = true;
    copy.keep(d);
    ASSERT_TRUE(copy.exists());
    std::optional<RecoveryCopy::Found> found = copy.read({});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->originalPath, QStringLiteral("/schule/bio/pflanze.qdr"));
    EXPECT_EQ(found->document.Header.FileName, found->originalPath);
    ASSERT_EQ(found->document.ObjectCount(), 1);
    EXPECT_EQ(found->document.Object(0).Cap, QStringLiteral("Wurzel"));
    EXPECT_TRUE(RecoveryCopy::offerText(*found).contains(QStringLiteral("\"Pflanze\"")));
    EXPECT_EQ(RecoveryCopy::offerButtons(),
              (QStringList{QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}));

    // Written again only after a change.
    d.Objects[0].Cap = QStringLiteral("Wurzeln");
    copy.keep(d);
    EXPECT_EQ(copy.read({})->document.Object(0).Cap, QStringLiteral("Wurzel"));
    copy.changed();
    copy.keep(d);
    EXPECT_EQ(copy.read({})->document.Object(0).Cap, QStringLiteral("Wurzeln"));

    // Saved: the copy goes.
    d.Header.Modified = false;
    copy.keep(d);
    EXPECT_FALSE(copy.exists());

    // A copy cut short is no document to restore; one left by another run stays until the
    // teacher decides.
    d.Header.Modified = true;
    copy.keep(d);
    const QByteArray bytes = test::ReadFileBytes(copy.path());
    test::WriteFileBytes(copy.path(), bytes.left(bytes.size() / 2));
    EXPECT_FALSE(copy.read({}));
    RecoveryCopy later(copy.folder());
    later.discard();
    EXPECT_TRUE(later.exists());
    later.removeLeft();
    EXPECT_FALSE(later.exists());
}

TEST(DocumentPictures, LargePicturesAreReducedAndTheTeacherIsTold) {
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("foto.png"));
    ASSERT_TRUE(test::PatternImage(4000, 3000).save(large));
    const DocumentPicture reduced = ReadDocumentPicture(large, kBaseImageMaxSide);
    ASSERT_TRUE(reduced.ok());
    EXPECT_EQ(reduced.Pic.Image.size(), QSize(2000, 1500));
    EXPECT_EQ(reduced.Notice,
              QStringLiteral("Das Bild \"foto.png\" ist 4000 x 3000 Pixel gro\u00df. Damit das "
                             "Dokument handlich bleibt und schnell angezeigt wird, wurde es auf "
                             "2000 x 1500 Pixel verkleinert."));
    const DocumentPicture small = ReadDocumentPicture(large, 5000);
    EXPECT_EQ(small.Pic.Image.size(), QSize(4000, 3000));
    EXPECT_TRUE(small.Notice.isEmpty());

    const QString text = dir.filePath(QStringLiteral("notiz.png"));
    test::WriteFileBytes(text, "kein Bild");
    const DocumentPicture refused = ReadDocumentPicture(text, kBaseImageMaxSide);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.Error, QStringLiteral("Die Datei \"%1\" kann nicht als Bild gelesen werden. "
                                            "Bilder im Format PNG, JPEG, BMP oder GIF k\u00f6nnen "
                                            "verwendet werden.")
                                 .arg(QDir::toNativeSeparators(text)));
}

TEST(DocumentPictures, ALabellingDocumentTakesThePageFormatAroundItsPicture) {
    Picture base;
    base.Image = test::PatternImage(800, 400);
    const Parsed<Document> made =
        MakeLabelling({QStringLiteral("Karte"), {}, {}}, base, {1, 10, 7});
    ASSERT_TRUE(made.ok());
    const FracRect& r = made.Value->Header.RandErw;
    EXPECT_NEAR(r.Left, 0.0, 1e-9);
    EXPECT_NEAR(r.Top, 0.2, 1e-9);
    EXPECT_NEAR(r.Bottom, 0.2, 1e-9);
    EXPECT_EQ(made.Value->Header.DokTyp, DocumentType::Labelling);
    EXPECT_EQ(MakeLabelling({}, Picture(), {}).Error.Text,
              QStringLiteral("Bitte w\u00e4hlen Sie das Bild, das beschriftet werden soll."));
}

} // namespace
} // namespace quindor
