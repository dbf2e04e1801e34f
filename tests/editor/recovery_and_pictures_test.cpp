// The recovery copy of unsaved work kept while the program runs, pictures read for documents, and a
// labelling document made from a picture.
#include "document/document_writer.h"
#include "document/recovery_copy.h"
#include "editor/free_objects.h"

#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace quindor {
namespace {

// The copy is kept while the program runs: written after a change, left alone while nothing
// changed, removed when the changes are saved; a copy an earlier run left waits for the offer.
TEST(RecoveryKeeper, CopiesUnsavedChangesUntilTheyAreSaved) {
    QTemporaryDir dir;
    const RecoveryCopy copy(dir.filePath(QStringLiteral("daten")));
    test::SessionFixture f;
    Picture base;
    base.Image = test::PatternImage(80, 60);
    f.session.installDocument(*MakeLabelling({QStringLiteral("Pflanze"), {}, {}}, base, {}).Value,
                              true);
    Document& d = f.session.document();
    d.Header.FileName = dir.filePath(QStringLiteral("pflanze.qdr"));
    RecoveryKeeper keeper(copy);
    d.Header.Modified = false;
    keeper.keep(f.session);
    EXPECT_FALSE(copy.waiting());

    d.Header.Modified = true;
    keeper.keep(f.session);
    ASSERT_TRUE(copy.waiting());
    EXPECT_EQ(copy.originalFile(), d.Header.FileName);
    const QByteArray first = test::ReadFileBytes(copy.copyPath());
    d.Header.Titel = QStringLiteral("Die Pflanze");
    keeper.keep(f.session);
    EXPECT_EQ(test::ReadFileBytes(copy.copyPath()), first);
    keeper.changed();
    keeper.keep(f.session);
    EXPECT_NE(test::ReadFileBytes(copy.copyPath()), first);

    d.Header.Modified = false;
    keeper.keep(f.session);
    EXPECT_FALSE(copy.waiting());

    d.Header.Modified = true;
    ASSERT_TRUE(copy.keep(f.session));
    RecoveryKeeper started(copy);
    started.discard();
    EXPECT_TRUE(copy.waiting());
}

// Two programs at once keep two copies. The next start is offered the copy of the one that
// crashed (its lock names a process that is gone), never the copy of the one still running.
TEST(RecoveryClaim, EachRunningProgramKeepsItsOwnCopy) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("daten"));
    test::SessionFixture f;
    f.session.installDocument(Document(), true);
    f.session.header().Modified = true;
    const RecoveryClaim running = RecoveryClaim::take(folder);
    ASSERT_TRUE(running.copy().keep(f.session));
    const pid_t crashed = fork();
    if (crashed == 0) {
        const RecoveryClaim claim = RecoveryClaim::take(folder);
        _exit(claim.copy().waiting() ? 1 : 0);
    }
    int status = -1;
    waitpid(crashed, &status, 0);
    ASSERT_EQ(status, 0) << "a running program's copy is not taken";
    const RecoveryCopy left(folder, QStringLiteral("Wiederherstellung-2"));
    ASSERT_TRUE(left.keep(f.session));

    const RecoveryClaim next = RecoveryClaim::take(folder);
    EXPECT_EQ(next.copy().copyPath(), left.copyPath());
    next.copy().discard();
    EXPECT_TRUE(running.copy().waiting());
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
