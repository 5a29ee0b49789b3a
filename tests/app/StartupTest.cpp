// The program as a user starts it: the start window's place on the screen,
// one instance per user (a later start hands its file over and ends, also to
// a busy instance or one still starting; a name left by a dead instance is
// taken over) and the crash report.
#include "ProgramSession.h"

#include <QDateTime>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <ostream>

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}

namespace {

// Bounds for a loaded machine; how fast it goes is measured in bench/.
constexpr int kWindowWaitMs = 30000;
constexpr int kExitWaitMs = 20000;
// How long a running instance or another start stays busy at most: long
// enough for a later start to get as far as asking it, on a loaded machine too.
constexpr int kBusyMs = 10000;

const QString kProgramClass = QStringLiteral("vidorna");

sockaddr_un socketAddress(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::min(size_t(name.size()), sizeof(address.sun_path) - 1));
    return address;
}

// A socket bound to the path and not listening (yet), as an instance leaves
// it that died or that is still starting; -1 when it cannot be bound.
int bindSocket(const QString& path)
{
    const sockaddr_un address = socketAddress(path);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Connections the stopped instance at the path takes later, made and closed
// until its queue refuses more, as a run of starts before fills it: how
// many it took, or -1 when the queue never filled.
int fillQueueOfConnections(const QString& path)
{
    const sockaddr_un address = socketAddress(path);
    for (int made = 0; made < 1000; ++made) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        const int result = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        const int error = errno;
        close(fd);
        if (result != 0)
            return error == EAGAIN ? made : -1;
    }
    return -1;
}

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = session.start();
        if (!missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
    }

    // The first instance, once its window shows.
    QProcess* startFirst()
    {
        QProcess* first = session.launch();
        startWindow = session.waitForWindow([this] { return session.windowsOfClass(kProgramClass); }, kWindowWaitMs);
        return startWindow.isEmpty() ? nullptr : first;
    }
    // The name the running instance listens on.
    QString instanceName() const { return session.runtimeFolder() + QString("/vidorna-%1").arg(getuid()); }
    // An empty file: the question comes before anything is read.
    QString emptyFile(const QString& name) const
    {
        const QString path = session.root() + "/" + name;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) ? path : QString();
    }
    // Stays busy until the later start gives up waiting: it ends or shows a
    // window of its own, at most kBusyMs.
    void stayBusyWhileWaitedFor(QProcess* later)
    {
        const auto shown = [&] {
            const QStringList windows = session.windowsOfClass(kProgramClass);
            return std::any_of(windows.begin(), windows.end(),
                               [&](const QString& window) { return session.processOf(window) == later->processId(); });
        };
        waitUntil([&] { return later->state() != QProcess::Running || shown(); }, kBusyMs);
    }
    QString waitForWindowNamed(const QString& title)
    {
        return session.waitForWindow([&] { return session.windowsNamed(title); }, kWindowWaitMs);
    }
    QStringList projects() const
    {
        return QDir(session.projectsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // The example project written into an archive; empty when projtool fails.
    QString packExample()
    {
        QProcess* pack = session.launchProgram(
            VIDORNA_PROJTOOL, {"pack", session.projectsFolder() + "/Examples/5-4-3-2-1-0", session.root() + "/packed"});
        if (!pack->waitForFinished(60000) || pack->exitCode() != 0)
            return QString();
        const QRegularExpressionMatch done =
            QRegularExpression("^message 100 (.+)$", QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(pack->readAllStandardOutput()));
        return done.captured(1).trimmed();
    }

    ProgramSession session{VIDORNA_PROGRAM};
    QString startWindow;
};

TEST_F(StartupTest, TheStartWindowShowsCentredAndALaterStartWithoutFileJustEnds)
{
    QProcess* first = startFirst();
    ASSERT_NE(first, nullptr) << "no start window";
    EXPECT_EQ(session.geometry(startWindow), QRect(384, 108, 1152, 864));
    EXPECT_EQ(session.processOf(startWindow), first->processId());

    QProcess* second = session.launch();
    ASSERT_TRUE(second->waitForFinished(kExitWaitMs));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(session.windowsOfClass(kProgramClass), QStringList{startWindow});
}

TEST_F(StartupTest, AProjectNamedRelativeToAnotherFolderIsImportedByTheRunningInstance)
{
    QProcess* first = startFirst();
    ASSERT_NE(first, nullptr) << "no start window";
    const QString archive = packExample();
    ASSERT_FALSE(archive.isEmpty()) << "projtool pack failed";
    const QString elsewhere = session.root() + "/elsewhere";
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::rename(archive, elsewhere + "/trip.vidornaproject"));
    const QStringList before = projects();

    QProcess* second = session.launch({"trip.vidornaproject"}, elsewhere);
    ASSERT_TRUE(second->waitForFinished(kExitWaitMs));
    EXPECT_EQ(second->exitCode(), 0);
    const QString question = session.waitForWindow([this] { return session.windowsNamed("Import Project"); }, kWindowWaitMs);
    ASSERT_FALSE(question.isEmpty()) << "the running instance did not ask";
    EXPECT_EQ(session.processOf(question), first->processId());
    ASSERT_TRUE(session.pressKey(question, "Return"));

    QStringList added;
    EXPECT_TRUE(waitUntil(
        [&] {
            added = projects();
            for (const QString& name : before)
                added.removeAll(name);
            return added.size() == 1 && QFileInfo::exists(session.projectsFolder() + "/" + added[0] + "/project.xml");
        },
        kWindowWaitMs))
        << added.join(", ").toStdString();
}

// The question comes before anything is read, so the files can be empty.
TEST_F(StartupTest, AFirstStartOpensItsFirstArgumentAndALaterStartHandsOverItsLast)
{
    const QString project = session.root() + "/trip.vidornaproject";
    const QString other = session.root() + "/notes.txt";
    for (const QString& path : {project, other}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto question = [this] {
        return session.waitForWindow([this] { return session.windowsNamed("Import Project"); }, kWindowWaitMs);
    };

    QProcess* first = session.launch({project, other});
    const QString asked = question();
    ASSERT_FALSE(asked.isEmpty()) << "the first start did not open its first argument";
    EXPECT_EQ(session.windowsOfClass(kProgramClass).size(), 2) << "the question comes with the start window";
    ASSERT_TRUE(session.pressKey(asked, "Escape"));
    ASSERT_TRUE(waitUntil([this] { return session.windowsNamed("Import Project").isEmpty(); }, kWindowWaitMs));

    QProcess* second = session.launch({other, project});
    ASSERT_TRUE(second->waitForFinished(kExitWaitMs));
    EXPECT_EQ(second->exitCode(), 0);
    const QString askedAgain = question();
    ASSERT_FALSE(askedAgain.isEmpty()) << "the later start did not hand over its last argument";
    EXPECT_EQ(session.processOf(askedAgain), first->processId());
}

// An archive that is a named pipe is refused at once, with a box, and the
// program then quits at once and cleanly: no import waits on the pipe.
TEST_F(StartupTest, AnArchiveThatIsANamedPipeIsRefusedAndTheProgramQuitsCleanly)
{
    const QString archive = session.root() + "/pipe.vidornaproject";
    ASSERT_EQ(mkfifo(QFile::encodeName(archive).constData(), 0600), 0);
    const auto onlyWindow = [this](const std::function<QStringList()>& search) {
        return session.waitForWindow(search, kWindowWaitMs);
    };
    QProcess* program = session.launch({archive});
    const QString question = onlyWindow([this] { return session.windowsNamed("Import Project"); });
    ASSERT_FALSE(question.isEmpty()) << "the program did not ask";
    ASSERT_TRUE(session.pressKey(question, "Return"));

    const QString refusal = onlyWindow([this] { return session.windowsNamed("Import Failed"); });
    ASSERT_FALSE(refusal.isEmpty()) << "the import was not refused";
    ASSERT_TRUE(session.pressKey(refusal, "Return"));
    const QString window = onlyWindow([this] { return session.windowsOfClass(kProgramClass); });
    ASSERT_FALSE(window.isEmpty()) << "no start window after the box";
    ASSERT_TRUE(session.pressKey(window, "ctrl+w"));
    ASSERT_TRUE(program->waitForFinished(kExitWaitMs)) << "the program did not quit";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
}

TEST_F(StartupTest, TheHelpMenusLastEntryShowsTheAboutBox)
{
    ASSERT_NE(startFirst(), nullptr) << "no start window";
    // Alt alone highlights the menu bar: Help is the second menu, About its last entry.
    ASSERT_TRUE(session.pressKey(startWindow, "alt"));
    ASSERT_TRUE(session.runXdotool({"key", "--delay", "200", "Right", "Down", "Up", "Return"}));
    const QString about =
        session.waitForWindow([this] { return session.windowsNamed("About Vidorna"); }, kWindowWaitMs);
    ASSERT_FALSE(about.isEmpty()) << "no About box";
    EXPECT_EQ(session.geometry(about).size(), QSize(300, 340));
}

TEST_F(StartupTest, ANameLeftByAnInstanceThatDiedIsTakenOver)
{
    // A socket bound and closed without listening, as a killed instance leaves it.
    const int fd = bindSocket(instanceName());
    ASSERT_GE(fd, 0);
    close(fd);

    ASSERT_NE(startFirst(), nullptr) << "no start window";
    QProcess* second = session.launch();
    ASSERT_TRUE(second->waitForFinished(kExitWaitMs)) << "the later start did not find the first";
    EXPECT_EQ(second->exitCode(), 0);
}

// A start that comes while another start has bound the name but does not
// listen on it yet (a name that refuses, as one left by a dead instance)
// waits for that start and hands its file over instead of taking the name.
TEST_F(StartupTest, ALaterStartWaitsForAnotherStartStillTakingTheName)
{
    const QString project = emptyFile("trip.vidornaproject");
    ASSERT_FALSE(project.isEmpty());
    QLockFile otherStart(instanceName() + ".lock");
    ASSERT_TRUE(otherStart.tryLock(0));
    const int fd = bindSocket(instanceName());
    ASSERT_GE(fd, 0);

    QProcess* later = session.launch({project});
    // The other start is slow to get from binding to listening.
    stayBusyWhileWaitedFor(later);
    ASSERT_EQ(::listen(fd, 50), 0);
    QLocalServer otherInstance;
    ASSERT_TRUE(otherInstance.listen(fd));
    otherStart.unlock();

    ASSERT_TRUE(otherInstance.waitForNewConnection(kExitWaitMs)) << "the later start took the name";
    std::unique_ptr<QLocalSocket> request(otherInstance.nextPendingConnection());
    QByteArray text;
    EXPECT_TRUE(waitUntil(
        [&] {
            request->waitForReadyRead(20);
            text += request->readAll();
            return request->state() == QLocalSocket::UnconnectedState;
        },
        kExitWaitMs))
        << "the later start did not end its text";
    EXPECT_EQ(QString::fromUtf8(text), project);
    EXPECT_EQ(later->state(), QProcess::Running) << "the later start did not wait for the answer";
    request.reset();
    ASSERT_TRUE(later->waitForFinished(kExitWaitMs)) << "the later start did not end once answered";
    EXPECT_EQ(later->exitCode(), 0);
    EXPECT_TRUE(session.windowsOfClass(kProgramClass).isEmpty());
}

// A running instance busy for a while (stopped: to its socket the same as a
// starved or blocked main thread) gets a later start's file when it can,
// also when starts before have filled its queue of connections. The later
// start ends once the file is taken, and no second instance comes.
struct BusyInstance
{
    const char* name;
    bool queueFull;
};

void PrintTo(const BusyInstance& busy, std::ostream* out)
{
    *out << busy.name;
}

const BusyInstance kBusyInstances[] = {{"WithRoomInItsQueue", false}, {"WithItsQueueFull", true}};

class BusyInstanceTest : public StartupTest, public ::testing::WithParamInterface<BusyInstance>
{
};

TEST_P(BusyInstanceTest, GetsALaterStartsFileWhenItCanAndStaysTheOnlyInstance)
{
    const QString project = emptyFile("trip.vidornaproject");
    ASSERT_FALSE(project.isEmpty());
    QProcess* first = startFirst();
    ASSERT_NE(first, nullptr) << "no start window";
    const pid_t firstId = pid_t(first->processId());

    ASSERT_EQ(::kill(firstId, SIGSTOP), 0);
    if (GetParam().queueFull) {
        ASSERT_GT(fillQueueOfConnections(instanceName()), 0) << "the queue of connections never filled";
    }
    QProcess* second = session.launch({project});
    stayBusyWhileWaitedFor(second);
    ASSERT_EQ(::kill(firstId, SIGCONT), 0);

    ASSERT_TRUE(second->waitForFinished(kExitWaitMs)) << "the later start did not end";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    const QString question = waitForWindowNamed("Import Project");
    ASSERT_FALSE(question.isEmpty()) << "the running instance did not ask";
    EXPECT_EQ(session.processOf(question), first->processId());
    EXPECT_EQ(first->state(), QProcess::Running);
    for (const QString& window : session.windowsOfClass(kProgramClass))
        EXPECT_EQ(session.processOf(window), first->processId()) << "a second instance shows a window";
}

INSTANTIATE_TEST_SUITE_P(Startup, BusyInstanceTest, ::testing::ValuesIn(kBusyInstances),
                         [](const ::testing::TestParamInfo<BusyInstance>& info) { return info.param.name; });

TEST_F(StartupTest, ACrashLeavesADumpAndAReportWindow)
{
    QDir dumps(QFileInfo(VIDORNA_PROGRAM).path() + "/DumpCrashes");
    const QStringList before = dumps.entryList({"*.dmp"}, QDir::Files);
    QProcess* first = startFirst();
    ASSERT_NE(first, nullptr) << "no start window";

    const QString earliest = QDateTime::currentDateTime().toString("yyyyMMddhhmmss");
    ASSERT_EQ(::kill(pid_t(first->processId()), SIGSEGV), 0);
    ASSERT_TRUE(first->waitForFinished(kExitWaitMs));
    const QString latest = QDateTime::currentDateTime().toString("yyyyMMddhhmmss");
    EXPECT_EQ(first->exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(first->exitCode(), SIGSEGV);

    const QString report = session.waitForWindow([this] { return session.windowsNamed("Crash Occurs"); }, kWindowWaitMs);
    ASSERT_FALSE(report.isEmpty()) << "no report window";
    EXPECT_NE(session.processOf(report), first->processId());
    EXPECT_TRUE(session.pressKey(report, "Return"));
    EXPECT_TRUE(waitUntil([&] { return session.windowsNamed("Crash Occurs").isEmpty(); }, kExitWaitMs));

    QStringList added = dumps.entryList({"*.dmp"}, QDir::Files);
    for (const QString& name : before)
        added.removeAll(name);
    ASSERT_EQ(added.size(), 1);
    const QString stamp = added[0].chopped(4);
    EXPECT_TRUE(stamp >= earliest && stamp <= latest) << stamp.toStdString();
    QFile dump(dumps.filePath(added[0]));
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(dump.readAll());
    dump.remove();
    EXPECT_TRUE(text.contains("Signal: 11 (SIGSEGV)\n")) << text.toStdString();
    const QString backtrace = text.section("Backtrace:\n", 1);
    EXPECT_TRUE(backtrace.contains(QRegularExpression("\\[0x[0-9a-f]+\\]\n"))) << text.toStdString();
}

TEST_F(StartupTest, AsRootTheHelpRowOpensTheDefaultBrowserAndTheProgramKeepsRunning)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the root user's help goes to the default browser";
    // The desktop's opener, as the program finds it on PATH: it notes the address.
    const QString bin = session.root() + "/bin";
    const QString opened = session.root() + "/opened.txt";
    ASSERT_TRUE(QDir().mkpath(bin));
    QFile opener(bin + "/xdg-open");
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QString("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(opened).toUtf8());
    opener.close();
    opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + path);
    QProcess* first = startFirst();
    qputenv("PATH", path);
    ASSERT_NE(first, nullptr) << "no start window";

    // The Help row is the third 75-pixel tile of the left column, under the menu bar.
    ASSERT_TRUE(session.runXdotool({"mousemove", "--window", startWindow, "50", "212", "click", "1"}));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(opened).size() > 0; }, kWindowWaitMs)) << "no browser was asked";
    QFile note(opened);
    ASSERT_TRUE(note.open(QIODevice::ReadOnly));
    const QString address = QString::fromUtf8(note.readAll()).trimmed();
    EXPECT_TRUE(address.contains("branch=help")) << address.toStdString();
    EXPECT_EQ(first->state(), QProcess::Running) << "the web engine ended the program";
    EXPECT_EQ(session.windowsOfClass(kProgramClass), QStringList{startWindow});
}

// One click on the start window's new-movie tile while another program's
// window has the focus: true when the new-movie prompt came.
bool clickNewMovieTileWhileAnotherWindowIsActive(ProgramSession& session, const QString& startWindow)
{
    // Another program's window, away from the start window.
    session.launchProgram("xmessage", {"-geometry", "+1700+1000", "elsewhere"});
    const QString other = session.waitForWindow([&] { return session.windowsOfClass("Xmessage"); }, kWindowWaitMs);
    EXPECT_FALSE(other.isEmpty()) << "no other window";
    session.runXdotool({"windowactivate", "--sync", other});
    session.runXdotool({"windowfocus", "--sync", other});
    EXPECT_TRUE(waitUntil([&] { return session.xdotool({"getwindowfocus"}).value(0) == other; }, kWindowWaitMs));
    // Qt lets a window go inactive only a moment after it lost the focus.
    QThread::msleep(1000);
    // The tile is the first of the grid beside the 100-pixel column, under
    // the menu bar and the tool bar; the button is held as a person holds it.
    EXPECT_TRUE(session.runXdotool(
        {"mousemove", "--window", startWindow, "180", "170", "mousedown", "1", "sleep", "0.3", "mouseup", "1"}));
    return !session.waitForWindow([&] { return session.windowsNamed("New Movie"); }, 10000).isEmpty();
}

TEST_F(StartupTest, TheFirstClickOnATileOfAnInactiveWindowActs)
{
    if (QStandardPaths::findExecutable("xmessage").isEmpty())
        GTEST_SKIP() << "xmessage is needed for another program's window";
    ASSERT_NE(startFirst(), nullptr) << "no start window";
    EXPECT_TRUE(clickNewMovieTileWhileAnotherWindowIsActive(session, startWindow)) << "the click was lost";
}

// Under a window manager the click that makes the window active too.
TEST_F(StartupTest, UnderAWindowManagerTheFirstClickOnATileOfAnInactiveWindowActs)
{
    if (QStandardPaths::findExecutable("openbox").isEmpty() || QStandardPaths::findExecutable("xmessage").isEmpty()
        || QStandardPaths::findExecutable("xprop").isEmpty())
        GTEST_SKIP() << "openbox, xmessage and xprop are needed (scripts/install-deps installs openbox)";
    QProcess* manager = session.launchProgram("openbox", {"--sm-disable"});
    // A running manager names its window on the root window.
    const auto managing = [&] {
        QProcess* check = session.launchProgram("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
        return check->waitForFinished(10000) && check->readAllStandardOutput().contains("window id");
    };
    ASSERT_TRUE(waitUntil([&] { return manager->state() != QProcess::Running || managing(); }, kWindowWaitMs));
    ASSERT_EQ(manager->state(), QProcess::Running) << "openbox did not start";
    ASSERT_NE(startFirst(), nullptr) << "no start window";
    EXPECT_TRUE(clickNewMovieTileWhileAnotherWindowIsActive(session, startWindow)) << "the click was lost";
}

} // namespace
