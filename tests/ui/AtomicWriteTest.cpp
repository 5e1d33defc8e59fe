#include "QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using velmora::ui::writeFileAtomically;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the process's files unable to grow past `bytes`, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

class AtomicWrite : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("reading.zcm"));
};

TEST_F(AtomicWrite, CreatesAndReplacesWholeFiles)
{
    ASSERT_TRUE(writeFileAtomically(path, "first version"));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    EXPECT_EQ(contents(path), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.zcm")});
}

TEST_F(AtomicWrite, AFailedWriteLeavesTheOldFileAndNoDebris)
{
    ASSERT_TRUE(writeFileAtomically(path, "kept"));
    {
        FileSizeLimit fullDisk(16);
        EXPECT_FALSE(writeFileAtomically(path, QByteArray(4096, 'x')));
    }
    EXPECT_EQ(contents(path), "kept");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.zcm")});
}

TEST_F(AtomicWrite, RefusesPathsItCannotWrite)
{
    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("missing/folder/x.zcm")), "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.zcm")));
    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("x.zcm")), "x"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("x.zcm"))).isDir());
}
