#include "document/document_writer.h"
#include "links/link_opener.h"
#include "links/link_targets.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// A program folder, a start folder and a document folder side by side, each with a trailing
// separator as the program keeps them.
class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"programm", "start", "dokumente", "dokumente/unterordner"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromLatin1(name)));
        state.ProgramFolder = folder("programm");
        state.StartFolder = folder("start");
        state.CurrentFolder = folder("dokumente");
    }

    QString folder(const char* name) const {
        return dir.path() + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('/');
    }
    void touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void writeDocument(const QString& path, const QString& title) {
        Document document;
        document.Header.Titel = title;
        document.BaseImage.Image = test::PatternImage(8, 6);
        test::WriteFileBytes(path, WriteDocumentBytes(document));
    }

    QTemporaryDir dir;
    test::SessionFixture fixture;
    ProgramState& state = fixture.state;
    test::RecordingPickers pickers;
    TopicList topics{fixture.session, fixture.state, fixture.messages, pickers};
    test::RecordingShell shell;
    LinkOpener links{fixture.session, topics, fixture.state, fixture.messages, shell};
};

TEST_F(LinkTest, WebAddressesStayAsTheyAreInAnyCase) {
    const QString document = folder("dokumente") + QStringLiteral("a.qdr");
    for (const QString& address :
         {QStringLiteral("HTTPS://Beispiel.de/Seite"), QStringLiteral("http://beispiel.de/"),
          QStringLiteral("hTtP://x")})
        EXPECT_EQ(ResolveLinkTarget(address, document, state), address);
    EXPECT_FALSE(IsWebAddress(QStringLiteral("www.beispiel.de")));
    EXPECT_FALSE(IsWebAddress(QStringLiteral("https:/kaputt")));
}

TEST_F(LinkTest, TargetsFoundInTheDocumentsThenStartThenProgramFolder) {
    const QString document = folder("dokumente") + QStringLiteral("a.qdr");
    touch(folder("programm") + QStringLiteral("nur-programm.pdf"));
    touch(folder("programm") + QStringLiteral("start-und-programm.pdf"));
    touch(folder("start") + QStringLiteral("start-und-programm.pdf"));
    touch(folder("start") + QStringLiteral("alle.pdf"));
    touch(folder("programm") + QStringLiteral("alle.pdf"));
    touch(folder("dokumente") + QStringLiteral("alle.pdf"));
    touch(folder("dokumente/unterordner") + QStringLiteral("bild.png"));

    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("nur-programm.pdf"), document, state),
              folder("programm") + QStringLiteral("nur-programm.pdf"));
    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("start-und-programm.pdf"), document, state),
              folder("start") + QStringLiteral("start-und-programm.pdf"));
    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("alle.pdf"), document, state),
              folder("dokumente") + QStringLiteral("alle.pdf"));
    // Without a document the start folder comes next.
    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("alle.pdf"), QString(), state),
              folder("start") + QStringLiteral("alle.pdf"));
    // Paths written on Windows.
    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("unterordner\\bild.png"), document, state),
              folder("dokumente/unterordner") + QStringLiteral("bild.png"));
    // Absolute paths and what exists nowhere stay as written.
    const QString absolute = folder("programm") + QStringLiteral("nur-programm.pdf");
    EXPECT_EQ(ResolveLinkTarget(absolute, document, state), absolute);
    EXPECT_EQ(ResolveLinkTarget(QStringLiteral("fehlt\\nirgends.pdf"), document, state),
              QStringLiteral("fehlt\\nirgends.pdf"));
}

TEST_F(LinkTest, TheCurrentDirectoryComesFirst) {
    const QString document = folder("dokumente") + QStringLiteral("a.qdr");
    touch(folder("start") + QStringLiteral("hier.txt"));
    touch(folder("dokumente") + QStringLiteral("hier.txt"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder("start")));
    const QString resolved = ResolveLinkTarget(QStringLiteral("hier.txt"), document, state);
    QDir::setCurrent(before);
    EXPECT_EQ(resolved, folder("start") + QStringLiteral("hier.txt"));
}

TEST_F(LinkTest, ExternalLinksOpenTheResolvedTargetAndReportFailures) {
    touch(folder("programm") + QStringLiteral("blatt.pdf"));
    shell.result = true;
    EXPECT_TRUE(links.openExternalLink(QStringLiteral("blatt.pdf")));
    EXPECT_TRUE(links.openExternalLink(QStringLiteral("HTTPS://Beispiel.de")));
    EXPECT_EQ(shell.opened, QStringList({folder("programm") + QStringLiteral("blatt.pdf"),
                                         QStringLiteral("HTTPS://Beispiel.de")}));
    EXPECT_TRUE(fixture.messages.entries().isEmpty());

    shell.result = false;
    EXPECT_FALSE(links.openExternalLink(QStringLiteral("weg\\blatt.pdf")));
    ASSERT_EQ(fixture.messages.entries().size(), 1);
    EXPECT_EQ(fixture.messages.entries().front().kind, MessageKind::Error);
    EXPECT_EQ(fixture.messages.texts().front(),
              QStringLiteral("Die Datei oder Internet-Adresse \"weg\\blatt.pdf\" kann nicht "
                             "geöffnet werden."));
}

TEST_F(LinkTest, WebPagesNameTheBrowserWhenTheyCannotOpen) {
    EXPECT_FALSE(links.openWebPage(QStringLiteral("file:///hilfe/index.html")));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("file:///hilfe/index.html")});
    EXPECT_EQ(fixture.messages.texts(),
              QStringList{QStringLiteral(
                  "Die Datei \"file:///hilfe/index.html\" kann nicht geöffnet werden. Sie "
                  "benötigen einen Webbrowser (z.B. Firefox) um dieses Dokument "
                  "anzusehen.")});
}

TEST_F(LinkTest, DocumentLinksLoadTheTargetAndFollowItsFolder) {
    writeDocument(folder("dokumente/unterordner") + QStringLiteral("tiere.qdr"),
                  QStringLiteral("Tiere"));
    writeDocument(folder("dokumente/unterordner") + QStringLiteral("pflanzen.qdr"),
                  QStringLiteral("Pflanzen"));
    writeDocument(folder("dokumente") + QStringLiteral("start.qdr"), QStringLiteral("Start"));
    ASSERT_TRUE(
        fixture.session.LoadDocument(folder("dokumente") + QStringLiteral("start.qdr"), true));
    EXPECT_TRUE(links.openDocumentLink(QStringLiteral("unterordner\\tiere.qdr")));
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("Tiere"));
    EXPECT_EQ(QDir::cleanPath(state.CurrentFolder),
              QDir::cleanPath(folder("dokumente/unterordner")));
    ASSERT_EQ(topics.entries().size(), 2);
    EXPECT_EQ(state.TopicIndex, 1);

    EXPECT_FALSE(links.openDocumentLink(QStringLiteral("fehlt.qdr")));
    EXPECT_EQ(fixture.messages.texts(),
              QStringList{QStringLiteral("Die Datei \"fehlt.qdr\" existiert nicht.")});
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("Tiere"));
}

TEST_F(LinkTest, ALinkToASubfolderMakesItTheTopicFolderAndClosesTheDocument) {
    writeDocument(folder("dokumente") + QStringLiteral("start.qdr"), QStringLiteral("Start"));
    writeDocument(folder("dokumente/unterordner") + QStringLiteral("tiere.qdr"),
                  QStringLiteral("Tiere"));
    ASSERT_TRUE(
        fixture.session.LoadDocument(folder("dokumente") + QStringLiteral("start.qdr"), true));
    EXPECT_TRUE(links.openDocumentLink(QStringLiteral("unterordner\\")));
    EXPECT_EQ(state.CurrentFolder, folder("dokumente/unterordner"));
    EXPECT_FALSE(fixture.session.hasDocument());
    ASSERT_EQ(topics.entries().size(), 1);
    EXPECT_EQ(topics.entries().front().Titel, QStringLiteral("Tiere"));
    EXPECT_TRUE(fixture.messages.entries().isEmpty());

    // A folder given with its whole path is taken as it is.
    EXPECT_TRUE(links.openDocumentLink(folder("start")));
    EXPECT_EQ(state.CurrentFolder, folder("start"));

    // A folder that is not there is told, and the topic folder stays.
    EXPECT_FALSE(links.openDocumentLink(QStringLiteral("gibtsnicht\\")));
    EXPECT_EQ(fixture.messages.texts(),
              QStringList{QStringLiteral("Der Ordner \"gibtsnicht\\\" existiert nicht.")});
    EXPECT_EQ(state.CurrentFolder, folder("start"));
}

TEST_F(LinkTest, DocumentLinksAskToSaveAndToLeaveFirst) {
    writeDocument(folder("dokumente") + QStringLiteral("start.qdr"), QStringLiteral("Start"));
    writeDocument(folder("dokumente") + QStringLiteral("ziel.qdr"), QStringLiteral("Ziel"));
    ASSERT_TRUE(
        fixture.session.LoadDocument(folder("dokumente") + QStringLiteral("start.qdr"), true));
    fixture.session.header().Modified = true;
    fixture.messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(links.openDocumentLink(QStringLiteral("ziel.qdr")));
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("Start"));
    EXPECT_EQ(fixture.messages.entries().size(), 1) << "the save question";
    fixture.session.header().Modified = false;

    bool asked = false;
    links.setLeaveActivity([&] {
        asked = true;
        return false;
    });
    writeDocument(folder("dokumente/unterordner") + QStringLiteral("ziel.qdr"),
                  QStringLiteral("Ziel"));
    EXPECT_FALSE(links.openDocumentLink(QStringLiteral("ziel.qdr")));
    EXPECT_TRUE(asked);
    EXPECT_NE(fixture.session.header().Titel, QStringLiteral("Ziel"));
}

TEST_F(LinkTest, PictureLinksOpenDocumentsInTheProgramAndOtherFilesOutside) {
    writeDocument(folder("dokumente") + QStringLiteral("Ziel.QDR"), QStringLiteral("Ziel"));
    shell.result = true;
    fixture.session.header().FileName = folder("dokumente") + QStringLiteral("x.qdr");
    EXPECT_TRUE(links.openPictureLink(QStringLiteral("Ziel.QDR")));
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("Ziel"));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(links.openPictureLink(QStringLiteral("https://beispiel.de/ziel.qdr.html")));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("https://beispiel.de/ziel.qdr.html")});
}

} // namespace
} // namespace quindor
