#include "network/message_files.h"

#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quindor {
namespace {

// A share that fails to read a file until told otherwise.
class FaultyShare : public FolderPort {
public:
    std::optional<QByteArray> read(const QString& path, qint64 maxSize) override {
        return unreadable.contains(path) ? std::nullopt : FolderPort::read(path, maxSize);
    }
    QStringList unreadable;
};

class MessageFilesTest : public ::testing::Test {
protected:
    QStringList names() const {
        QStringList list = QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        list.sort();
        return list;
    }
    int collect(qint64 now = 0) {
        const int before = static_cast<int>(got.size());
        report = collector.collect(
            port,
            [this](const NetMessage& m, const QString&) {
                got.append(m.computerName + QLatin1Char('|') + m.text);
            },
            now);
        return static_cast<int>(got.size()) - before;
    }
    QString write(const QString& text) {
        QString path;
        WriteMessageFile(port, files, tn1, {text}, path);
        return path;
    }

    QTemporaryDir dir;
    ExerciseFiles files = ExerciseFiles::ofChannel(dir.path(), QStringLiteral("MASTER-1"));
    platform::HostIdentity tn1{QStringLiteral("TN1"), QStringLiteral("anna")};
    FaultyShare port;
    MessageCollector collector{files, QStringLiteral("LEHRER")};
    MessageCollector::Report report;
    QStringList got;
};

TEST_F(MessageFilesTest, WrittenUnderARandomNameCollectedAndDeleted) {
    QString path;
    ASSERT_TRUE(
        WriteMessageFile(port, files, tn1, {QStringLiteral("TN-INIT"), QStringLiteral("K")}, path));
    const QString name = QFileInfo(path).fileName();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^MASTER-1-zwknetzuebung-TN-[A-Z]{12}\\.dat$"))
                    .match(name)
                    .hasMatch())
        << name.toStdString();
    EXPECT_EQ(test::ReadFileBytes(path),
              EncodeMessageFile(QStringLiteral("anna"), QStringLiteral("TN1"),
                                QStringLiteral("TN-INIT\r\nK\r\n")));
    EXPECT_EQ(collect(), 1);
    EXPECT_EQ(got, QStringList({QStringLiteral("TN1|TN-INIT\r\nK\r\n")}));
    EXPECT_TRUE(names().isEmpty());
    EXPECT_TRUE(report.unreadable.isEmpty());
}

TEST_F(MessageFilesTest, TwoWritersAtOnceLeaveTwoFiles) {
    std::vector<QThread*> writers;
    for (int i = 0; i < 2; ++i) {
        writers.push_back(QThread::create([this, i] {
            QString path;
            FolderPort share;
            WriteMessageFile(share, files, tn1, {QStringLiteral("M%1").arg(i)}, path);
        }));
        writers.back()->start();
    }
    for (QThread* writer : writers) {
        writer->wait();
        delete writer;
    }
    EXPECT_EQ(names().size(), 2);
    EXPECT_EQ(collect(), 2);
    got.sort();
    EXPECT_EQ(got, QStringList({QStringLiteral("TN1|M0\r\n"), QStringLiteral("TN1|M1\r\n")}));
}

TEST_F(MessageFilesTest, EmptyCutAndForeignFiles) {
    const QString empty = files.folder + files.messagePrefix() + QStringLiteral("AAAAAAAAAAAA.dat");
    const QString cut = files.folder + files.messagePrefix() + QStringLiteral("BBBBBBBBBBBB.dat");
    const QString stopped =
        files.folder + files.messagePrefix() + QStringLiteral("CCCCCCCCCCCC.dat");
    const QString draft =
        files.folder + files.messagePrefix() + QStringLiteral("DDDDDDDDDDDD.dat.part");
    const QString foreign =
        files.folder + QStringLiteral("MASTER-2-zwknetzuebung-TN-EEEEEEEEEEEE.dat");
    test::WriteFileBytes(empty, QByteArray());
    test::WriteFileBytes(
        cut, EncodeMessageFile(QStringLiteral("u"), QStringLiteral("PC"), QStringLiteral("TN-INIT"))
                 .chopped(2));
    test::WriteFileBytes(stopped, EncodeMessageFile(QStringLiteral("u"), QStringLiteral("PC"),
                                                    QStringLiteral("STOP")));
    test::WriteFileBytes(draft, "halb");
    test::WriteFileBytes(foreign, "x");

    // A file cut short was read whole: it stays damaged and is reported at once.
    EXPECT_EQ(collect(), 1);
    EXPECT_EQ(got, QStringList({QStringLiteral("PC|STOP")}));
    EXPECT_EQ(report.unreadable, QStringList({cut}));
    EXPECT_EQ(names(), QStringList({QFileInfo(draft).fileName(), QFileInfo(foreign).fileName()}));
}

TEST_F(MessageFilesTest, NothingOutsideTheFolderIsTouched) {
    QTemporaryDir outside;
    const QString precious = outside.filePath(QStringLiteral("wichtig.txt"));
    test::WriteFileBytes(precious, "bleibt");
    const QString link = files.folder + files.messagePrefix() + QStringLiteral("LINKLINKLINK.dat");
    ASSERT_TRUE(QFile::link(precious, link));
    const QString fifo = files.folder + files.messagePrefix() + QStringLiteral("FIFOFIFOFIFO.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // The collector neither follows a link nor waits on a special file: the link is
    // unreadable, the pipe counts as empty; both go, what the link pointed at stays.
    EXPECT_EQ(collect(), 0);
    EXPECT_EQ(report.unreadable, QStringList({link}));
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(test::ReadFileBytes(precious), QByteArray("bleibt"));
}

TEST_F(MessageFilesTest, AFolderThatCannotBeWrittenFails) {
    const ExerciseFiles missing =
        ExerciseFiles::ofChannel(dir.filePath(QStringLiteral("fehlt")), QStringLiteral("MASTER-1"));
    QString path;
    EXPECT_FALSE(WriteMessageFile(port, missing, tn1, {QStringLiteral("TN-INIT")}, path));
    EXPECT_TRUE(path.startsWith(dir.filePath(QStringLiteral("fehlt"))));
}

TEST_F(MessageFilesTest, AFailedReadIsTriedAgainBeforeItCountsAsUnreadable) {
    const QString late = write(QStringLiteral("spät"));
    const QString lost = write(QStringLiteral("weg"));
    port.unreadable = {late, lost};
    EXPECT_EQ(collect(0), 0);
    EXPECT_EQ(collect(kReadRetryMs - 1), 0);
    EXPECT_EQ(names().size(), 2);
    // The share answers again for one of them; the other is given up.
    port.unreadable = {lost};
    EXPECT_EQ(collect(kReadRetryMs), 1);
    EXPECT_EQ(got, QStringList({QStringLiteral("TN1|spät\r\n")}));
    EXPECT_EQ(report.unreadable, QStringList({lost}));
    EXPECT_TRUE(names().isEmpty());
}

} // namespace
} // namespace quindor
