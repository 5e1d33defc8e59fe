#include "kit/SiteTexts.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1; // -1 when the program did not end by itself
    QString out;
    QString err;
};

// Runs the real program as it starts on a machine without any display, with
// a runtime folder of its own, where a starting suite would take its lock.
Outcome runSuite(const QStringList& arguments, const QTemporaryDir& runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess suite;
    suite.setProcessEnvironment(environment);
    suite.start(QStringLiteral(SUITE_PATH), arguments);
    if (!suite.waitForFinished(20000))
        suite.kill();
    Outcome outcome;
    if (suite.exitStatus() == QProcess::NormalExit)
        outcome.exitCode = suite.exitCode();
    outcome.out = QString::fromUtf8(suite.readAllStandardOutput());
    outcome.err = QString::fromUtf8(suite.readAllStandardError());
    return outcome;
}

QStringList runtimeEntries(const QTemporaryDir& runtime)
{
    return QDir(runtime.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(CommandLine, VersionAndHelpAnswerWithoutADisplayAndLeaveTheLockAlone)
{
    QTemporaryDir runtime;

    const Outcome version = runSuite({QStringLiteral("--version")}, runtime);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("Velmora Suite " VELMORA_PROJECT_VERSION "\n"));
    EXPECT_EQ(version.err, QString());

    const Outcome help = runSuite({QStringLiteral("--help")}, runtime);
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: velmora-suite [--help | --version]\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("\n  --help "))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("\n  --version "))) << help.out.toStdString();
    EXPECT_EQ(help.err, QString());

    EXPECT_EQ(runtimeEntries(runtime), QStringList());
}

TEST(CommandLine, AnyOtherArgumentGetsTheUsageOnStandardErrorAndExitCode2)
{
    QTemporaryDir runtime;
    const QString usage = runSuite({QStringLiteral("--help")}, runtime).out;
    ASSERT_FALSE(usage.isEmpty());

    const QStringList cases[] = {
        {QStringLiteral("--verbose")},
        {QStringLiteral("version")},
        {QStringLiteral("--version=2")},
        {QString()},
        {QStringLiteral("-platform"), QStringLiteral("offscreen")},
        {QStringLiteral("--version"), QStringLiteral("--help")},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const Outcome outcome = runSuite(arguments, runtime);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(outcome.out, QString());
        EXPECT_TRUE(outcome.err.startsWith(QStringLiteral("velmora-suite: "))) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.endsWith(usage)) << outcome.err.toStdString();
    }
    const Outcome unknown = runSuite({QStringLiteral("--verbose")}, runtime);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("'--verbose'"))) << unknown.err.toStdString();
    EXPECT_EQ(runtimeEntries(runtime), QStringList());
}

TEST(Version, TheFrameCaptionNamesTheProjectVersion)
{
    EXPECT_EQ(QString(velmora::kit::texts::kFrameCaption), QStringLiteral("Velmora Suite v" VELMORA_PROJECT_VERSION));
}
