#include "ui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString probe(const QString& lockPath, const QString& mode, QProcess& process)
{
    process.start(QStringLiteral(PROBE_PATH), {lockPath, mode});
    EXPECT_TRUE(process.waitForReadyRead(60000));
    return QString::fromUtf8(process.readLine()).trimmed();
}

QString check(const QString& lockPath)
{
    QProcess process;
    const QString answer = probe(lockPath, QStringLiteral("check"), process);
    process.waitForFinished(60000);
    return answer;
}

void kill(QProcess& process)
{
    process.kill(); // SIGKILL: the holder dies without removing its lock
    process.waitForFinished(60000);
}

} // namespace

TEST(SingleInstance, ASecondProcessSeesTheFirstAndTakesOverALockLeftByACrash)
{
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(QStringLiteral("suite.lock"));
    EXPECT_EQ(check(lockPath), "first");

    QProcess holder;
    ASSERT_EQ(probe(lockPath, QStringLiteral("hold"), holder), "locked");
    EXPECT_EQ(check(lockPath), "running");

    kill(holder);
    ASSERT_TRUE(QFile::exists(lockPath)) << "the crashed holder leaves its lock behind";
    EXPECT_EQ(check(lockPath), "first");
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotBlockStartUp)
{
    velmora::ui::SingleInstance instance(QStringLiteral("/proc/no-such-folder/suite.lock"));
    EXPECT_FALSE(instance.anotherCopyRunning());
}

TEST(SingleInstance, TheRunningSuiteHoldsTheLockUntilItDies)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess suite;
    suite.setProcessEnvironment(environment);
    suite.start(QStringLiteral(SUITE_PATH), {});
    ASSERT_TRUE(suite.waitForStarted(60000));
    // The suite holds the lock once the lock file names it as its owner (the
    // file is made empty and its owner written after). The waits are bounds
    // only: a start-up among many tests running at once can take long.
    const QString lockPath = QDir(runtime.path()).filePath(QStringLiteral("velmora-suite.lock"));
    const QByteArray owner = QByteArray::number(suite.processId());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QFile lock(lockPath);
            return lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed() == owner;
        },
        60000));

    EXPECT_EQ(check(lockPath), "running");
    kill(suite);
    EXPECT_EQ(check(lockPath), "first");
}
