#include "document/document_writer.h"
#include "document/topic_list.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class TopicListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        fixture.state.CurrentFolder = folder;
        fixture.state.StartFolder = folder;
    }

    void writeDocument(const QString& name, const QString& title) {
        Document document;
        document.Header.Titel = title;
        document.BaseImage.Image = test::PatternImage(8, 6);
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDocumentBytes(document));
    }

    QStringList titles() const {
        QStringList list;
        for (const ThemenDataTyp& entry : topics.entries())
            list.append(entry.Titel);
        return list;
    }

    QTemporaryDir dir;
    QString folder;
    test::SessionFixture fixture;
    test::RecordingPickers pickers;
    TopicList topics{fixture.session, fixture.state, fixture.messages, pickers};
};

TEST_F(TopicListTest, EmptyFolderListsNothingAndReportsZero) {
    topics.ReadTopicList();
    EXPECT_TRUE(topics.entries().isEmpty());
    topics.NextTopic();
    topics.PreviousTopic();
    EXPECT_FALSE(fixture.session.hasDocument());
    topics.RereadFolderCommand();
    ASSERT_EQ(fixture.messages.entries().size(), 1);
    EXPECT_EQ(fixture.messages.entries().front().kind, MessageKind::Information);
    EXPECT_EQ(fixture.messages.texts().front(),
              QStringLiteral("0 Themendokument(e) eingelesen.\r\nW\u00e4hlen Sie das "
                             "gew\u00fcnschte Dokument im Men\u00fc \"Themenauswahl\"."));
}

TEST_F(TopicListTest, SortsByLowerCaseNameAndSkipsWhatIsNoDocument) {
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("B"));
    writeDocument(QStringLiteral("A.qdr"), QStringLiteral("A"));
    writeDocument(QStringLiteral("c.QDR"), QStringLiteral("C"));
    QFile junk(folder + QStringLiteral("kaputt.qdr"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a document");
    junk.close();
    QDir(folder).mkdir(QStringLiteral("ordner.qdr"));
    topics.ReadTopicList();
    EXPECT_EQ(titles(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(topics.entries().at(1).Schluessel, QStringLiteral("b.qdr"));
    EXPECT_EQ(topics.entries().at(0).Pfad, folder + QStringLiteral("A.qdr"));
}

TEST_F(TopicListTest, CaptionsNumberTheFirstNineWithAccelerators) {
    const ThemenDataTyp titled{QStringLiteral("  Vulkane"), folder + "v.qdr", "v.qdr"};
    const ThemenDataTyp blank{QStringLiteral("   "), folder + "Leer.qdr", "leer.qdr"};
    EXPECT_EQ(TopicMenuCaption(8, titled), QStringLiteral("&9:    Vulkane"));
    EXPECT_EQ(TopicMenuCaption(9, titled), QStringLiteral("10:    Vulkane"));
    EXPECT_EQ(TopicMenuCaption(0, blank), QStringLiteral("&1:  Leer.qdr"));
    EXPECT_EQ(TopicColumnBreak(30), -1);
    EXPECT_EQ(TopicColumnBreak(31), 11);
    EXPECT_EQ(TopicTitlePrefix(-1), QStringLiteral(" "));
    EXPECT_EQ(TopicTitlePrefix(2), QStringLiteral("(3) "));
}

TEST_F(TopicListTest, NextAndPreviousStopAtTheEndsAndStartAtTheFirst) {
    writeDocument(QStringLiteral("1.qdr"), QStringLiteral("Eins"));
    writeDocument(QStringLiteral("2.qdr"), QStringLiteral("Zwei"));
    writeDocument(QStringLiteral("3.qdr"), QStringLiteral("Drei"));
    topics.ReadTopicList();
    ASSERT_EQ(fixture.state.TopicIndex, -1);
    topics.PreviousTopic();
    EXPECT_EQ(fixture.state.TopicIndex, 0);
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("Eins"));
    topics.NextTopic();
    topics.NextTopic();
    EXPECT_EQ(fixture.state.TopicIndex, 2);
    const QString last = fixture.session.header().FileName;
    topics.NextTopic();
    EXPECT_EQ(fixture.state.TopicIndex, 2);
    EXPECT_EQ(fixture.session.header().FileName, last);
    EXPECT_EQ(fixture.state.PreviousDocument, folder + QStringLiteral("2.qdr"));
    EXPECT_TRUE(fixture.messages.entries().isEmpty());
}

TEST_F(TopicListTest, ListingFindsTheOpenDocumentAndNothingMovesOutsideTheLearningView) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("A"));
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("B"));
    ASSERT_TRUE(fixture.session.LoadDocument(folder + QStringLiteral("b.qdr"), true));
    topics.ReadTopicList();
    EXPECT_EQ(fixture.state.TopicIndex, 1);
    fixture.state.ViewMode = Mode::Exercise;
    topics.PreviousTopic();
    EXPECT_EQ(fixture.state.TopicIndex, 1);
}

TEST_F(TopicListTest, RefusedGuardsLeaveDocumentAndIndexAlone) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("A"));
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("B"));
    topics.ReadTopicList();
    topics.OpenTopic(0);
    fixture.session.header().Modified = true;
    fixture.messages.queueAnswer(Answer::Cancel);
    topics.OpenTopic(1);
    EXPECT_EQ(fixture.state.TopicIndex, 0);
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("A"));

    fixture.session.header().Modified = false;
    fixture.state.ViewMode = Mode::Exercise;
    fixture.messages.queueAnswer(Answer::No);
    topics.OpenTopic(1);
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("A"));
    EXPECT_EQ(fixture.messages.texts().last(),
              QStringLiteral("Die aktuelle \u00dcbung ist noch nicht beendet.\r\n"
                             "\u00dcbung wirklich abbrechen?"));
}

TEST_F(TopicListTest, AMissingTopicFileKeepsTheCurrentDocument) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("A"));
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("B"));
    topics.ReadTopicList();
    topics.OpenTopic(0);
    QFile::remove(folder + QStringLiteral("b.qdr"));
    topics.OpenTopic(1);
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("A"));
    EXPECT_EQ(fixture.state.TopicIndex, 0);
    EXPECT_EQ(fixture.messages.texts().last(),
              DocumentSession::MissingFileMessage(folder + QStringLiteral("b.qdr")));
}

TEST_F(TopicListTest, StartPageAndPreviousDocument) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("A"));
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("B"));
    topics.ReadTopicList();
    topics.OpenTopic(0);
    topics.OpenTopic(1);
    topics.OpenPreviousDocument();
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("A"));
    EXPECT_EQ(fixture.state.TopicIndex, 0);

    topics.GoToStartPage();
    EXPECT_FALSE(fixture.session.hasDocument());
    EXPECT_EQ(topics.entries().size(), 2);
    EXPECT_EQ(fixture.state.TopicIndex, -1);

    fixture.state.CommandLineDocument = folder + QStringLiteral("b.qdr");
    topics.GoToStartPage();
    EXPECT_EQ(fixture.session.header().Titel, QStringLiteral("B"));
    EXPECT_EQ(fixture.state.TopicIndex, 1);
}

TEST_F(TopicListTest, ChoosingAFolderClosesTheDocumentAndCountsItsTopics) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("A"));
    topics.ReadTopicList();
    topics.OpenTopic(0);
    QTemporaryDir other;
    pickers.folderAnswer = other.path();
    topics.ChooseFolderCommand();
    EXPECT_EQ(pickers.lastTitle, QStringLiteral("Aktuellen Ordner w\u00e4hlen"));
    EXPECT_FALSE(fixture.session.hasDocument());
    EXPECT_TRUE(topics.entries().isEmpty());
    EXPECT_TRUE(fixture.state.CurrentFolder.startsWith(other.path()));
    EXPECT_TRUE(fixture.messages.texts().last().startsWith(QStringLiteral("0 Themendokument(e)")));

    pickers.folderAnswer.clear();
    fixture.messages.clear();
    topics.ChooseFolderCommand();
    EXPECT_TRUE(fixture.messages.entries().isEmpty());
}

TEST_F(TopicListTest, TopicListTextHasHeadingAndNumberedLines) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Alpen"));
    writeDocument(QStringLiteral("b.qdr"), QString());
    topics.ReadTopicList();
    EXPECT_EQ(topics.TopicListText(),
              QStringLiteral("<TIT>Themenliste\r\n1: Alpen\r\n2: b.qdr\r\n"));
}

} // namespace
} // namespace quindor
