// The crash handler in a child process of the test: the dump it writes for a
// fault, an abort and a stack overflow, the reporter it starts with the
// details, and the report's message.
#include "CrashHandler.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kReporterWaitMs = 20000;

// Deeper than any stack: the limit is only there to keep the compiler from
// calling the recursion endless.
int recurseDeeply(long depth)
{
    volatile char frame[512];
    frame[0] = char(depth);
    if (depth > (1L << 40))
        return frame[0];
    return recurseDeeply(depth + 1) + frame[0];
}

void writeTo(uintptr_t address)
{
    volatile uintptr_t at = address;
    *reinterpret_cast<volatile int*>(at) = 1;
}

class CrashHandlerTest : public ::testing::Test
{
protected:
    // The child's wait status after crash() ran with the handler installed,
    // writing into folder (dumpFolder() when empty).
    int crashInChild(const std::function<void()>& crash, const QString& folder = QString())
    {
        // Writes the arguments the handler appends, one a line.
        const QStringList reporter{"/bin/sh", "-c", "printf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"$0\"",
                                   reported()};
        const pid_t child = fork();
        if (child == 0) {
            if (CrashHandler::install(folder.isEmpty() ? dumpFolder() : folder, reporter))
                crash();
            _exit(3);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }
    QString dumpFolder() const { return _root.filePath("DumpCrashes"); }
    QString reported() const { return _root.filePath("reported.txt"); }
    // What the reporter was started with; empty when it did not come.
    QStringList reporterArguments(int waitMs = kReporterWaitMs) const
    {
        QFile file(reported());
        for (int waited = 0; !file.exists() && waited < waitMs; waited += 20)
            QThread::msleep(20);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    static QString read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static bool hasBacktrace(const QString& dump)
    {
        return dump.section("Backtrace:\n", 1).contains(QRegularExpression("\\[0x[0-9a-f]+\\]\n"));
    }

    QTemporaryDir _root;
};

TEST_F(CrashHandlerTest, AFaultIsDumpedReportedAndEndsTheProcessBySignal)
{
    const int status = crashInChild([] { writeTo(0x10); });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);

    const QStringList arguments = reporterArguments();
    ASSERT_EQ(arguments.size(), 4) << arguments.join('|').toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d{14}\\.dmp$").match(arguments[0]).hasMatch()) << arguments[0].toStdString();
    EXPECT_EQ(arguments[1], dumpFolder());
    EXPECT_EQ(arguments[2], "11");
    EXPECT_EQ(arguments[3], "10");
    const QString dump = read(dumpFolder() + "/" + arguments[0]);
    EXPECT_TRUE(dump.startsWith("Crash report\nSignal: 11 (SIGSEGV)\nAddress: 0x10\nBacktrace:\n")) << dump.toStdString();
    EXPECT_TRUE(hasBacktrace(dump)) << dump.toStdString();

    EXPECT_EQ(CrashHandler::reportMessage(arguments[0], arguments[1], arguments[2].toInt(), arguments[3]),
              "App crash catched!\n\nError code: 0xb\nError address: 0x10\n\nCrash report '" + arguments[0]
                  + "' has been saved to " + dumpFolder());
}

TEST_F(CrashHandlerTest, AnAbortIsDumpedUnderItsOwnSignal)
{
    const int status = crashInChild([] { std::abort(); });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGABRT);
    const QStringList arguments = reporterArguments();
    ASSERT_EQ(arguments.size(), 4);
    EXPECT_EQ(arguments[2], "6");
    EXPECT_TRUE(read(dumpFolder() + "/" + arguments[0]).contains("Signal: 6 (SIGABRT)\nAddress: 0x0\n"));
}

// The handler cannot run on the stack that overflowed.
TEST_F(CrashHandlerTest, AStackOverflowIsDumpedFromTheAlternateStack)
{
    const int status = crashInChild([] { recurseDeeply(0); });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);
    const QStringList arguments = reporterArguments();
    ASSERT_EQ(arguments.size(), 4);
    EXPECT_TRUE(hasBacktrace(read(dumpFolder() + "/" + arguments[0])));
}

TEST_F(CrashHandlerTest, WithoutADumpFolderNothingIsReportedButTheSignalStillEnds)
{
    // The folder's parent is a file: the folder cannot be made.
    QFile blocker(_root.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QStringList reporter{"/bin/sh", "-c", "echo started > \"$0\"", reported()};
    const pid_t child = fork();
    if (child == 0) {
        if (CrashHandler::install(blocker.fileName() + "/DumpCrashes", reporter))
            raise(SIGBUS);
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGBUS);
    EXPECT_TRUE(reporterArguments(1000).isEmpty());
}

TEST_F(CrashHandlerTest, AProgramFolderThatCannotBeWrittenSendsTheReportToTheDataFolder)
{
    // A file stands where the program's folder would hold its reports: nothing
    // can be made there, not even by root.
    const QString program = _root.filePath("program");
    QFile blocker(program);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", _root.filePath("data").toUtf8());
    const QString folder = CrashHandler::chooseDumpFolder(program);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedData);
    EXPECT_TRUE(dataFolder.startsWith(_root.filePath("data/"))) << dataFolder.toStdString();
    ASSERT_EQ(folder, dataFolder + "/DumpCrashes");
    EXPECT_TRUE(QFileInfo(folder).isDir()) << "made before any crash";

    const int status = crashInChild([] { writeTo(0x20); }, folder);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    const QStringList arguments = reporterArguments();
    ASSERT_EQ(arguments.size(), 4) << arguments.join('|').toStdString();
    EXPECT_EQ(arguments[1], folder);
    EXPECT_TRUE(read(folder + "/" + arguments[0]).startsWith("Crash report\nSignal: 11 (SIGSEGV)\nAddress: 0x20\n"));
    EXPECT_TRUE(CrashHandler::reportMessage(arguments[0], arguments[1], 11, arguments[3])
                    .endsWith("has been saved to " + folder));
}

TEST_F(CrashHandlerTest, AWritableProgramFolderKeepsTheReportsBesideTheProgram)
{
    const QString program = _root.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(CrashHandler::chooseDumpFolder(program), program + "/DumpCrashes");
    EXPECT_FALSE(QFileInfo::exists(program + "/DumpCrashes")) << "made only by a crash";
    // An existing folder is used as it is, and no probe is left in it.
    ASSERT_TRUE(QDir(program).mkdir("DumpCrashes"));
    EXPECT_EQ(CrashHandler::chooseDumpFolder(program), program + "/DumpCrashes");
    EXPECT_TRUE(QDir(program + "/DumpCrashes").isEmpty());
}

TEST(CrashReportTest, TheReporterRefusesArgumentsThatAreNoReport)
{
    EXPECT_EQ(CrashHandler::showReport({"20261207103814.dmp", "/tmp"}), 1);
    EXPECT_EQ(CrashHandler::showReport({"20261207103814.dmp", "/tmp", "eleven", "0"}), 1);
}

} // namespace
