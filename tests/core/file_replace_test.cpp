#include "core/file_replace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quindor {
namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(fehlt)");
}

// A disk that fills up half-way through a write, made with the file size limit of the process.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &before_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before_;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit before_{};
    void (*signal_)(int) = nullptr;
};

TEST(FileReplace, AWriteThatFailsOnTheWayToTheDiskLeavesTheGoodFile) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("gut.qdr"));
    const QString fresh = dir.filePath(QStringLiteral("neu.qdr"));
    ASSERT_TRUE(ReplaceFileContent(good, "alt"));
    const QByteArray big(6000, 'x');
    {
        FullDisk full;
        EXPECT_FALSE(ReplaceFileContent(good, big));
        EXPECT_FALSE(WriteNewFile(fresh, big));
    }
    EXPECT_EQ(Content(good), QByteArray("alt"));
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"gut.qdr"});
    EXPECT_TRUE(ReplaceFileContent(good, big));
    EXPECT_EQ(Content(good), big);
}

} // namespace
} // namespace quindor
