#include "ui/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using velmora::ui::WriteResult;
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
    QStringList files() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("reading.zcm"));
};

TEST_F(AtomicWrite, CreatesAndReplacesWholeFiles)
{
    ASSERT_EQ(writeFileAtomically(path, "first version"), WriteResult::Written);
    ASSERT_EQ(writeFileAtomically(path, "second"), WriteResult::Written);
    EXPECT_EQ(contents(path), "second");
    EXPECT_EQ(files(), QStringList{QStringLiteral("reading.zcm")});
}

TEST_F(AtomicWrite, AFullDiskLeavesTheOldFileAndNoDebris)
{
    ASSERT_EQ(writeFileAtomically(path, "kept"), WriteResult::Written);
    {
        FileSizeLimit fullDisk(16);
        EXPECT_EQ(writeFileAtomically(path, QByteArray(4096, 'x')), WriteResult::DiskFull);
    }
    EXPECT_EQ(contents(path), "kept");
    EXPECT_EQ(files(), QStringList{QStringLiteral("reading.zcm")});
}

TEST_F(AtomicWrite, NamesWhyAPathCannotBeWritten)
{
    ASSERT_EQ(writeFileAtomically(path, "kept"), WriteResult::Written);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.zcm")));
    EXPECT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("folder.zcm")), "x"), WriteResult::FolderInTheWay);
    EXPECT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("missing/x.zcm")), "x"), WriteResult::FolderMissing);
    EXPECT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("reading.zcm/x.zcm")), "x"),
              WriteResult::FolderMissing)
        << "a file where the folder should be";
    EXPECT_EQ(contents(path), "kept");
    EXPECT_EQ((QStringList{QStringLiteral("folder.zcm"), QStringLiteral("reading.zcm")}), files());
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("folder.zcm"))).isEmpty());
}

// The kernel's own folder refuses new files even to the superuser, so this
// holds wherever the tests run.
TEST_F(AtomicWrite, AFolderThatRefusesNewFilesIsNamed)
{
    if (!QFileInfo(QStringLiteral("/sys")).isDir())
        GTEST_SKIP() << "no /sys on this system";
    EXPECT_EQ(writeFileAtomically(QStringLiteral("/sys/velmora-reading.zcm"), "x"), WriteResult::FolderRefuses);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/sys/velmora-reading.zcm")));
}

TEST_F(AtomicWrite, AReadOnlyFileIsNamedAndKept)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes read-only files";
    ASSERT_EQ(writeFileAtomically(path, "kept"), WriteResult::Written);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    EXPECT_EQ(writeFileAtomically(path, "x"), WriteResult::FileLocked);
    EXPECT_EQ(contents(path), "kept");
    EXPECT_EQ(files(), QStringList{QStringLiteral("reading.zcm")});
}
