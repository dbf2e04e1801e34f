// DocumentSession: loading through the hooks and layouts, the atomic writer, the save question
// and the preview.
#include "document/document_writer.h"
#include "support/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QFontDatabase>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quindor {
namespace {

using test::PatternImage;
using test::ReadFileBytes;
using test::SameImage;
using test::WriteFileBytes;

QString WriteErrorText(const QString& path) {
    return QString::fromUtf8("Die Datei \"") + path +
           QString::fromUtf8("\" kann nicht geschrieben werden. M\u00F6gliche Ursachen:\r\n"
                             "- Ung\u00FCltiger Ordner oder Dateiname\r\n"
                             "- Fehlende Schreibzugriffsberechtigung im Netzwerk");
}

class Session : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Puts a small document into the session without a file name.
    void fill(DocumentType dokTyp = DocumentType::Labelling) {
        HeaderDataTyp& h = f_.session.header();
        h.Titel = QString::fromUtf8("Bl\u00FCten");
        h.Vers = "1.07";
        h.DokTyp = dokTyp;
        h.RandErw = {0.125, 0.0625, 0.25, 0.5};
        h.Modified = true;
        f_.session.AddObject({.Typ = ObjectKind::QueryLabel,
                              .Ebene = 1,
                              .Cap = "Stempel",
                              .FrageNummer = -1,
                              .Kx = 0.6,
                              .Ky = 0.4,
                              .KAusr = 0,
                              .Fsize = 0});
        f_.session.AddObject({.Typ = ObjectKind::InfoPoint,
                              .Ebene = 2,
                              .Cap = "Info-Text",
                              .FrageNummer = -1,
                              .Kx = 0.3,
                              .Ky = 0.2,
                              .KAusr = 0,
                              .Fsize = 0});
        f_.session.document().BaseImage.Image = PatternImage(40, 30);
    }

    QTemporaryDir dir_;
    test::SessionFixture f_;
};

// --- Loading ------------------------------------------------------------------------------

TEST_F(Session, LoadSetsFileNameFolderAndClearsModified) {
    fill();
    const QString file = path("blueten.qdr");
    ASSERT_TRUE(f_.session.WriteDocument(file, false));

    test::SessionFixture g;
    g.state.TopicIndex = 4;
    g.state.CurrentFolder = "/anderswo/";
    test::CountingListener listener;
    g.session.addListener(listener);
    const int& loaded = listener.loaded;
    const bool& remembered = listener.rememberedFolder;
    ASSERT_TRUE(g.session.LoadDocument(file, true));
    EXPECT_TRUE(g.messages.texts().isEmpty());
    const HeaderDataTyp& h = g.session.header();
    EXPECT_EQ(h.FileName, file);
    EXPECT_FALSE(h.Modified);
    EXPECT_EQ(h.Titel, QString::fromUtf8("Bl\u00FCten"));
    EXPECT_EQ(g.state.TopicIndex, -1);
    EXPECT_EQ(g.state.CurrentFolder, dir_.path() + "/");
    EXPECT_EQ(loaded, 1);
    EXPECT_TRUE(remembered);
    ASSERT_EQ(g.session.document().ObjectCount(), 2);
    EXPECT_EQ(g.session.document().Object(1).PktCap, "");
    EXPECT_TRUE(
        SameImage(f_.session.document().BaseImage.Image, g.session.document().BaseImage.Image));
    // W = round(1.375 * 40) = 55, H = round(1.5625 * 30) = round(46.875) = 47.
    EXPECT_DOUBLE_EQ(h.BildGroesseProzent, std::max(40.0 / 55.0, 30.0 / 47.0) * 100.0);

    // rememberFolder = false (the network participant) leaves the folder alone.
    g.state.CurrentFolder = "/anderswo/";
    ASSERT_TRUE(g.session.LoadDocument(file, false));
    EXPECT_EQ(g.state.CurrentFolder, "/anderswo/");
    EXPECT_FALSE(remembered);
    // The second load remembered the first document.
    EXPECT_EQ(g.state.PreviousDocument, file);
}

TEST_F(Session, BildGroesseProzentRoundsHalvesToEven) {
    // Page size W = round((1 + L + R) x w), H = round((1 + T + B) x h); each case has one
    // product at .5, where rounding halves up would give 90.9 % instead of 100 %.
    const struct {
        FracRect randErw;
        int w, h;
    } cases[] = {
        {{0.0625, 0.05, 0.0625, 0.05}, 4, 10}, // W = round(4.5) = 4, H = 11
        {{0.05, 0.125, 0.05, 0.125}, 10, 2},   // W = 11, H = round(2.5) = 2
    };
    for (const auto& c : cases) {
        f_.session.header().RandErw = c.randErw;
        f_.session.document().BaseImage.Image = PatternImage(c.w, c.h);
        ASSERT_TRUE(f_.session.WriteDocument(path("klein.qdr"), false));
        ASSERT_TRUE(f_.session.LoadDocument(path("klein.qdr"), true));
        EXPECT_DOUBLE_EQ(f_.session.header().BildGroesseProzent, 100.0) << c.w << "x" << c.h;
    }
}

TEST_F(Session, LoadRunsTheLayoutOfTheDocumentType) {
    for (int dokTyp = 0; dokTyp <= 5; ++dokTyp) {
        test::SessionFixture g;
        QList<int> runs;
        bool regenerate = false;
        int objectsSeen = -1;
        for (int typ = 0; typ <= 5; ++typ) {
            g.session.layouts().registerLayout(TypeFromStored(typ),
                                               [&, typ](Document& d, const LayoutPass& pass) {
                                                   runs.append(typ);
                                                   regenerate = pass.regenerate;
                                                   objectsSeen = d.ObjectCount();
                                               });
        }
        test::SessionFixture w;
        w.session.header().DokTyp = TypeFromStored(dokTyp);
        w.session.AddObject({.Typ = ObjectKind::FixedLabel, .Cap = "x", .KAusr = 0});
        const QString file = path(QString("typ%1.qdr").arg(dokTyp));
        ASSERT_TRUE(w.session.WriteDocument(file, false));
        ASSERT_TRUE(g.session.LoadDocument(file, true));
        // Free pages and single questions get no layout at load: their objects are stored.
        if (dokTyp == 0 || dokTyp == 2) {
            EXPECT_TRUE(runs.isEmpty()) << dokTyp;
        } else {
            EXPECT_EQ(runs, QList<int>({dokTyp}));
            EXPECT_TRUE(regenerate);
            EXPECT_EQ(objectsSeen, 1);
        }
    }
}

TEST_F(Session, LoadHandsFontAndWorksheetToTheHooks) {
    fill();
    f_.session.document().FontName = "Nirgendwo Sans";
    f_.session.header().Arbeitsblatt = "AB-alt";
    f_.session.header().ABAufgabe = "Aufgabe X";
    f_.session.hooks().serializeWorksheet = [] { return QStringLiteral("AB-frisch"); };
    ASSERT_TRUE(f_.session.WriteDocument(path("font.qdr"), true));
    // The freshly serialised worksheet settings are stored back into the header.
    EXPECT_EQ(f_.session.header().Arbeitsblatt, "AB-frisch");

    test::SessionFixture g;
    QString worksheet, task;
    g.session.hooks().fontInstalled = [](const QString& name) { return name == "Arial"; };
    g.session.hooks().worksheetRead = [&](const QString& w, const QString& t) {
        worksheet = w;
        task = t;
    };
    ASSERT_TRUE(g.session.LoadDocument(path("font.qdr"), true));
    EXPECT_EQ(g.session.document().FontName, "Arial");
    EXPECT_EQ(worksheet, "AB-frisch");
    EXPECT_EQ(task, "Aufgabe X");

    g.session.hooks().fontInstalled = [](const QString&) { return true; };
    ASSERT_TRUE(g.session.LoadDocument(path("font.qdr"), true));
    EXPECT_EQ(g.session.document().FontName, "Nirgendwo Sans");
}

// Without a test's answer the session asks this computer: a font it lacks is drawn in Arial,
// which the system draws in a metric-compatible face.
TEST_F(Session, MissingFontOfThisComputerFallsBackToArial) {
    fill();
    f_.session.document().FontName = "Nirgendwo Sans";
    ASSERT_TRUE(f_.session.WriteDocument(path("fehlend.qdr"), true));
    test::SessionFixture g;
    ASSERT_TRUE(g.session.LoadDocument(path("fehlend.qdr"), true));
    EXPECT_EQ(g.session.document().FontName, "Arial");

    EXPECT_FALSE(IsFontInstalled(QStringLiteral("Nirgendwo Sans")));
    const QString installed = QFontDatabase::families().value(0);
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_TRUE(IsFontInstalled(installed.toUpper())) << "compared case-insensitively";
    // Arial is drawn in a face with the same metrics wherever one is installed.
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        EXPECT_TRUE(IsFontInstalled(QStringLiteral("arial")));
        EXPECT_EQ(DrawnFontFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    }
    // The installed face is asked for directly: the family itself, else its substitute.
    EXPECT_EQ(InstalledFamily(installed), installed);
    EXPECT_TRUE(InstalledFamily(QStringLiteral("Nirgendwo Sans")).isEmpty());
    EXPECT_EQ(InstalledFont(QStringLiteral("Nirgendwo Sans")).family(), "Nirgendwo Sans");
    if (!QFontDatabase::families().contains(QStringLiteral("Arial")) &&
        QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(InstalledFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(InstalledFont(QStringLiteral("Arial")).family(), "Liberation Sans");
    }
}

// --- Writing ------------------------------------------------------------------------------

TEST_F(Session, WriteSucceedsAndSetsFileNameWhenAsked) {
    fill();
    const QString file = path("neu.qdr");
    ASSERT_TRUE(f_.session.WriteDocument(file, false));
    EXPECT_TRUE(f_.session.header().FileName.isEmpty());
    EXPECT_TRUE(f_.session.header().Modified);
    EXPECT_TRUE(ReadFileBytes(file).startsWith(QByteArray("\x08\0\0\0QDR-2.15", 12)));

    ASSERT_TRUE(f_.session.WriteDocument(file, true));
    EXPECT_EQ(f_.session.header().FileName, file);
    EXPECT_FALSE(f_.session.header().Modified);
    EXPECT_TRUE(f_.messages.texts().isEmpty());
    EXPECT_EQ(ReadFileBytes(file), WriteDocumentBytes(f_.session.document()));
}

TEST_F(Session, WriteIntoAMissingFolderFails) {
    fill();
    const QString file = path("gibt-es-nicht/doc.qdr");
    EXPECT_FALSE(f_.session.WriteDocument(file, true));
    ASSERT_EQ(f_.messages.entries().size(), 1);
    EXPECT_EQ(f_.messages.entries()[0].kind, MessageKind::Error);
    EXPECT_EQ(f_.messages.texts()[0], WriteErrorText(file));
    EXPECT_EQ(f_.messages.texts()[0], DocumentSession::WriteErrorMessage(file));
    EXPECT_TRUE(f_.session.header().FileName.isEmpty());
    EXPECT_TRUE(f_.session.header().Modified);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(Session, WriteOverADirectoryOrInsideAFileFails) {
    fill();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("ordner.qdr"));
    const QString folder = path("ordner.qdr");
    EXPECT_FALSE(f_.session.WriteDocument(folder, true));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString plain = path("datei.qdr");
    WriteFileBytes(plain, "kein Ordner");
    const QString inside = plain + "/x.qdr";
    EXPECT_FALSE(f_.session.WriteDocument(inside, true));
    EXPECT_EQ(ReadFileBytes(plain), QByteArray("kein Ordner"));
    EXPECT_EQ(f_.messages.texts(), QStringList({WriteErrorText(folder), WriteErrorText(inside)}));
    EXPECT_TRUE(f_.session.header().FileName.isEmpty());
}

// Limits the size of files this process writes (effective for root too), for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool ok_ = false;
};

TEST_F(Session, FailedWriteLeavesTheExistingFileUnchanged) {
    fill();
    const QString file = path("gut.qdr");
    ASSERT_TRUE(f_.session.WriteDocument(file, true));
    const QByteArray before = ReadFileBytes(file);

    // A much larger document (a noise picture does not compress) that cannot be written
    // completely.
    f_.session.document().BaseImage.Image = test::NoiseImage(200, 200);
    f_.session.header().Modified = true;
    ASSERT_GT(WriteDocumentBytes(f_.session.document()).size(), before.size() + 20000);
    {
        FileSizeLimit limit(static_cast<rlim_t>(before.size() + 1000));
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(f_.session.WriteDocument(file, true));
    }
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_EQ(f_.messages.texts(), QStringList({WriteErrorText(file)}));
    EXPECT_TRUE(f_.session.header().Modified);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"gut.qdr"}));
}

// --- The save question ----------------------------------------------------------------------

TEST_F(Session, UnmodifiedDocumentNeedsNoQuestion) {
    f_.session.header().FileName = path("x.qdr");
    f_.session.header().Modified = false;
    EXPECT_TRUE(f_.session.AskSaveChanges());
    EXPECT_TRUE(f_.messages.entries().isEmpty());
}

TEST_F(Session, QuestionTextsWithAndWithoutFileName) {
    fill();
    f_.messages.queueAnswer(Answer::No);
    EXPECT_TRUE(f_.session.AskSaveChanges());
    f_.session.header().FileName = path("a.qdr");
    f_.messages.queueAnswer(Answer::No);
    EXPECT_TRUE(f_.session.AskSaveChanges());
    ASSERT_EQ(f_.messages.entries().size(), 2);
    EXPECT_EQ(f_.messages.texts()[0], QString::fromUtf8("Aktuelles Dokument speichern?"));
    EXPECT_EQ(f_.messages.texts()[1],
              QString::fromUtf8("\u00C4nderungen im aktuellen Dokument unter \"") + path("a.qdr") +
                  QString::fromUtf8("\" speichern?"));
    for (const auto& entry : f_.messages.entries()) {
        EXPECT_EQ(entry.kind, MessageKind::Question);
        EXPECT_EQ(entry.buttons, MessageButtons::YesNoCancel);
    }
    // No wrote nothing.
    EXPECT_FALSE(QFileInfo::exists(path("a.qdr")));
    EXPECT_TRUE(f_.session.header().Modified);
}

TEST_F(Session, CancelStops) {
    fill();
    f_.session.header().FileName = path("a.qdr");
    f_.messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(f_.session.AskSaveChanges());
    EXPECT_FALSE(QFileInfo::exists(path("a.qdr")));
    EXPECT_TRUE(f_.session.header().Modified);
}

TEST_F(Session, YesWritesTheDocument) {
    fill();
    f_.session.header().FileName = path("a.qdr");
    f_.messages.queueAnswer(Answer::Yes);
    EXPECT_TRUE(f_.session.AskSaveChanges());
    EXPECT_TRUE(QFileInfo::exists(path("a.qdr")));
    EXPECT_FALSE(f_.session.header().Modified);
    EXPECT_EQ(f_.messages.entries().size(), 1);

    // Without a file name Yes writes where the caller's dialog says.
    test::SessionFixture g;
    g.session.header().Modified = true;
    g.messages.queueAnswer(Answer::Yes);
    g.session.hooks().askSaveFileName = [this] { return path("b.qdr"); };
    EXPECT_TRUE(g.session.AskSaveChanges());
    EXPECT_EQ(g.session.header().FileName, path("b.qdr"));
    EXPECT_TRUE(QFileInfo::exists(path("b.qdr")));
}

TEST_F(Session, YesFailsWhenTheWriteFails) {
    fill();
    const QString file = path("fehlt/a.qdr");
    f_.session.header().FileName = file;
    f_.messages.queueAnswer(Answer::Yes);
    EXPECT_FALSE(f_.session.AskSaveChanges());
    ASSERT_EQ(f_.messages.entries().size(), 2);
    EXPECT_EQ(f_.messages.entries()[1].kind, MessageKind::Error);
    EXPECT_EQ(f_.messages.texts()[1], WriteErrorText(file));
    EXPECT_TRUE(f_.session.header().Modified);
}

// --- Preview ------------------------------------------------------------------------------

TEST_F(Session, PreviewReadsTitleAndVersion) {
    fill();
    ASSERT_TRUE(f_.session.WriteDocument(path("p.qdr"), false));
    HeaderDataTyp h;
    ASSERT_TRUE(DocumentSession::ReadDocumentPreview(path("p.qdr"), h));
    EXPECT_EQ(h.Titel, QString::fromUtf8("Bl\u00FCten"));
    EXPECT_EQ(h.Vers, "1.07");
    EXPECT_TRUE(f_.messages.entries().isEmpty());
}

TEST_F(Session, PreviewOfLongTitle) {
    f_.session.header().Titel = QString(100000, QChar(u'\u00E4'));
    ASSERT_TRUE(f_.session.WriteDocument(path("lang.qdr"), false));
    HeaderDataTyp h;
    ASSERT_TRUE(DocumentSession::ReadDocumentPreview(path("lang.qdr"), h));
    EXPECT_EQ(h.Titel, f_.session.header().Titel);
}

TEST_F(Session, PreviewRefusesMissingAndForeignFiles) {
    HeaderDataTyp h;
    EXPECT_FALSE(DocumentSession::ReadDocumentPreview(path("fehlt.qdr"), h));
    fill();
    ASSERT_TRUE(f_.session.WriteDocument(path("p.qdr"), false));
    QByteArray bytes = ReadFileBytes(path("p.qdr"));
    bytes.replace(4, 4, "XYZ-");
    WriteFileBytes(path("fremd.qdr"), bytes);
    EXPECT_FALSE(DocumentSession::ReadDocumentPreview(path("fremd.qdr"), h));
    WriteFileBytes(path("leer.qdr"), QByteArray());
    EXPECT_FALSE(DocumentSession::ReadDocumentPreview(path("leer.qdr"), h));
    // The preview does not look at the version: old and newer magics both give a title.
    bytes.replace(4, 8, "VKL-1.01");
    WriteFileBytes(path("alt.qdr"), bytes);
    EXPECT_TRUE(DocumentSession::ReadDocumentPreview(path("alt.qdr"), h));
    bytes.replace(4, 8, "QDR-2.16");
    WriteFileBytes(path("neuer.qdr"), bytes);
    EXPECT_TRUE(DocumentSession::ReadDocumentPreview(path("neuer.qdr"), h));
    EXPECT_EQ(h.Titel, QString::fromUtf8("Bl\u00FCten"));
    EXPECT_TRUE(f_.messages.entries().isEmpty());
}

} // namespace
} // namespace quindor
