// Files the reader refuses: the messages in order, and the no-document state afterwards.
#include "core/binary_stream.h"
#include "document/document_writer.h"
#include "document/png_codec.h"
#include "support/test_support.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace quindor {
namespace {

using test::PatternImage;
using test::ReadFileBytes;
using test::SameImage;
using test::WriteFileBytes;

QString ReadErrorText(const QString& path) {
    return QString::fromUtf8("Die Datei \"") + path +
           QString::fromUtf8("\" kann nicht gelesen werden. M\u00F6gliche Ursachen:\r\n"
                             "- Datei existiert nicht\r\n"
                             "- Ung\u00FCltiges Dateiformat\r\n"
                             "- Fehlende Lesezugriffsberechtigung im Netzwerk");
}

const QString kNewerVersionText = QString::fromUtf8(
    "Das ausgew\u00E4hlte Dokument wurde mit einer neueren Programmversion erstellt und kann "
    "deshalb mit der vorliegenden Quindor-Version nicht ge\u00F6ffnet werden.");
const QString kInvalidFormatText = QString::fromUtf8("Ung\u00FCltiges Dateiformat.");

// A good document: title, one object, a gap-table grid when gapTable.
QByteArray GoodDocumentBytes(bool gapTable = false, int objects = 1) {
    Document d;
    ResetHeader(d.Header, {});
    d.Header.Titel = "Gut";
    if (gapTable) {
        d.Header.DokTyp = DocumentType::GapText;
        d.Header.DokUnterTyp = DocumentSubtype::GapTable;
    }
    for (int i = 0; i < objects; ++i)
        AddObject(d, {.Typ = ObjectKind::FixedLabel,
                      .Ebene = 1,
                      .Cap = "Objekt",
                      .FrageNummer = -1,
                      .Kx = 0.5,
                      .Ky = 0.5,
                      .KAusr = 0,
                      .Fsize = 0});
    d.BaseImage.Image = PatternImage(40, 30);
    return WriteDocumentBytes(d);
}

class Refusals : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        good_ = path("good.qdr");
        WriteFileBytes(good_, GoodDocumentBytes());
        f_.session.addListener(listener_);
        // A document is open when the bad file comes.
        ASSERT_TRUE(f_.session.LoadDocument(good_, true));
        ASSERT_EQ(f_.session.document().ObjectCount(), 1);
        f_.messages.clear();
        listener_.closed = 0;
        listener_.beforeLoads = 0;
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Writes bytes to bad.qdr and tries to load it; returns the path.
    QString loadBad(const QByteArray& bytes) {
        const QString bad = path("bad.qdr");
        WriteFileBytes(bad, bytes);
        EXPECT_FALSE(f_.session.LoadDocument(bad, true));
        return bad;
    }

    void expectMessages(const QStringList& texts) {
        EXPECT_EQ(f_.messages.texts(), texts);
        for (const auto& entry : f_.messages.entries()) {
            EXPECT_EQ(entry.kind, MessageKind::Error);
            EXPECT_EQ(entry.buttons, MessageButtons::Ok);
        }
    }

    void expectNoDocument() {
        const Document& d = f_.session.document();
        EXPECT_TRUE(d.Header.FileName.isEmpty());
        EXPECT_FALSE(f_.session.hasDocument());
        EXPECT_EQ(d.ObjectCount(), 0);
        EXPECT_TRUE(d.Header.Titel.isEmpty());
        EXPECT_EQ(d.Header.DokTyp, DocumentType::Labelling);
        EXPECT_FALSE(d.Header.Modified);
        EXPECT_TRUE(SameImage(f_.session.startPicture().Image, d.BaseImage.Image));
        EXPECT_EQ(listener_.closed, 1);
        EXPECT_EQ(f_.state.PreviousDocument, good_);
    }

    QTemporaryDir dir_;
    QString good_;
    test::CountingListener listener_;
    test::SessionFixture f_;
};

QByteArray WithMagic(QByteArray bytes, const QByteArray& magic) {
    // The magic is the first string: a 4-byte count (8) and eight characters.
    bytes.replace(4, 8, magic);
    return bytes;
}

TEST_F(Refusals, NewerVersion) {
    const QString bad = loadBad(WithMagic(GoodDocumentBytes(), "QDR-2.16"));
    expectMessages({kNewerVersionText, ReadErrorText(bad)});
    expectNoDocument();
}

TEST_F(Refusals, NewerVersionWithOldMagicAndOtherVersionTexts) {
    for (const char* magic : {"VKL-2.20", "QDR-3.00", "QDR-9   "}) {
        f_.messages.clear();
        const QString bad = loadBad(WithMagic(GoodDocumentBytes(), magic));
        expectMessages({kNewerVersionText, ReadErrorText(bad)});
    }
}

TEST_F(Refusals, OlderAndEqualVersionsAreAccepted) {
    for (const char* magic : {"QDR-2.15", "VKL-2.15", "QDR-2.05", "QDR-1.00"}) {
        WriteFileBytes(path("ok.qdr"), WithMagic(GoodDocumentBytes(), magic));
        EXPECT_TRUE(f_.session.LoadDocument(path("ok.qdr"), true)) << magic;
    }
    EXPECT_TRUE(f_.messages.texts().isEmpty());
}

TEST_F(Refusals, WrongMagic) {
    for (const char* magic : {"XYZ-2.15", "qdr-2.15", "ZWK-1.00"}) {
        f_.messages.clear();
        listener_.closed = 0;
        const QString bad = loadBad(WithMagic(GoodDocumentBytes(), magic));
        expectMessages({kInvalidFormatText, ReadErrorText(bad)});
        expectNoDocument();
    }
}

TEST_F(Refusals, EmptyFileIsAReadError) {
    const QString bad = loadBad(QByteArray());
    expectMessages({ReadErrorText(bad)});
    expectNoDocument();
}

TEST_F(Refusals, FileCutRightAfterTheKeyList) {
    const QByteArray good = GoodDocumentBytes();
    ByteReader in(good);
    in.readTextBytes();
    in.readTextBytes();
    ASSERT_TRUE(in.ok());
    const QString bad = loadBad(good.left(in.position()));
    expectMessages({ReadErrorText(bad)});
    expectNoDocument();
}

TEST_F(Refusals, FileCutAnywhereIsAReadError) {
    const QByteArray good = GoodDocumentBytes(true, 2);
    for (const qsizetype size :
         {qsizetype(3), qsizetype(20), good.size() / 3, good.size() / 2, good.size() - 1}) {
        f_.messages.clear();
        const QString bad = loadBad(good.left(size));
        expectMessages({ReadErrorText(bad)});
        EXPECT_EQ(f_.session.document().ObjectCount(), 0) << size;
    }
}

// Position of Zeilen in a file of the current version: after magic, key list, six strings,
// AnzFrageNummern, DokTyp, RandErw, NumArt, GeordnetArt, EinrueckRand and four integers.
qsizetype ZeilenOffset(const QByteArray& bytes) {
    ByteReader in(bytes);
    for (int i = 0; i < 8; ++i)
        in.readTextBytes();
    in.skip(2 * 4 + 32 + 2 * 4 + 32 + 4 * 4);
    EXPECT_TRUE(in.ok());
    return in.position();
}

TEST_F(Refusals, GridWithMoreThan16RowsOr12Columns) {
    const QByteArray good = GoodDocumentBytes(true);
    const qsizetype offset = ZeilenOffset(good);
    {
        ByteReader check(good.mid(offset));
        ASSERT_EQ(check.readInt32(), 5); // Zeilen as written
        ASSERT_EQ(check.readInt32(), 2); // Spalten
    }
    QByteArray rows = good;
    qToLittleEndian<int32_t>(17, rows.data() + offset);
    QString bad = loadBad(rows);
    expectMessages({ReadErrorText(bad)});
    expectNoDocument();

    f_.messages.clear();
    QByteArray columns = good;
    qToLittleEndian<int32_t>(13, columns.data() + offset + 4);
    bad = loadBad(columns);
    expectMessages({ReadErrorText(bad)});
}

TEST_F(Refusals, ObjectCountBeyondTheFileFailsFast) {
    // No objects: the count sits right before the base image.
    Document d;
    ResetHeader(d.Header, {});
    d.BaseImage.Image = PatternImage(40, 30);
    const QByteArray good = WriteDocumentBytes(d);
    const qsizetype offset = good.size() - EncodePng(d.BaseImage.Image).size() - 4;
    ASSERT_EQ(ByteReader(good.mid(offset)).readInt32(), 0);
    for (const int32_t count : {0x7FFFFFFF, 1000000, 1000, -1}) {
        f_.messages.clear();
        QByteArray bytes = good;
        qToLittleEndian<int32_t>(count, bytes.data() + offset);
        QElapsedTimer timer;
        timer.start();
        const QString bad = loadBad(bytes);
        EXPECT_LT(timer.elapsed(), 2000) << count;
        expectMessages({ReadErrorText(bad)});
        EXPECT_EQ(f_.session.document().ObjectCount(), 0);
    }
}

TEST_F(Refusals, PngCutShort) {
    // The base image is the last field: cut inside it.
    const QByteArray good = GoodDocumentBytes();
    QString bad = loadBad(good.left(good.size() - 30));
    expectMessages({ReadErrorText(bad)});
    expectNoDocument();

    // A picture object whose PNG is damaged in the middle of the file.
    Document d;
    ResetHeader(d.Header, {});
    ObjDataTyp picture;
    picture.Typ = ObjectKind::FixedPicture;
    picture.Picture.Image = PatternImage(30, 30);
    d.Objects.push_back(picture);
    d.BaseImage.Image = PatternImage(10, 10);
    QByteArray bytes = WriteDocumentBytes(d);
    const qsizetype idat = bytes.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    bytes.remove(idat + 10, 8); // the chunk now runs into what follows
    f_.messages.clear();
    bad = loadBad(bytes);
    expectMessages({ReadErrorText(bad)});
}

TEST_F(Refusals, MissingFileLeavesTheOpenDocumentUntouched) {
    const int& pointer = listener_.beforeLoads;
    f_.session.header().Modified = true;
    const QImage base = f_.session.document().BaseImage.Image;
    const QString missing = path("fehlt.qdr");
    EXPECT_FALSE(f_.session.LoadDocument(missing, true));
    ASSERT_EQ(f_.messages.entries().size(), 1);
    EXPECT_EQ(f_.messages.entries()[0].kind, MessageKind::Error);
    EXPECT_EQ(f_.messages.texts()[0], QString::fromUtf8("Die Datei \"") + missing +
                                          QString::fromUtf8("\" existiert nicht."));
    EXPECT_EQ(f_.messages.texts()[0], DocumentSession::MissingFileMessage(missing));
    EXPECT_EQ(pointer, 1);
    const Document& d = f_.session.document();
    EXPECT_EQ(d.Header.FileName, good_);
    EXPECT_EQ(d.Header.Titel, "Gut");
    EXPECT_TRUE(d.Header.Modified);
    EXPECT_EQ(d.ObjectCount(), 1);
    EXPECT_TRUE(SameImage(base, d.BaseImage.Image));
    EXPECT_EQ(listener_.closed, 0);
    EXPECT_TRUE(f_.state.PreviousDocument.isEmpty());
}

TEST(RefusalMessages, StaticTextsMatchTheSpec) {
    EXPECT_EQ(DocumentSession::InvalidFormatMessage(), kInvalidFormatText);
    EXPECT_EQ(DocumentSession::NewerVersionMessage(), kNewerVersionText);
    EXPECT_EQ(DocumentSession::ReadErrorMessage("/a/b.qdr"), ReadErrorText("/a/b.qdr"));
    EXPECT_EQ(DocumentSession::MissingFileMessage("/a/b.qdr"),
              QString::fromUtf8("Die Datei \"/a/b.qdr\" existiert nicht."));
}

} // namespace
} // namespace quindor
