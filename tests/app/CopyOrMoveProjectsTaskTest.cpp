// The copy and move threads on real directories.
#include "CopyOrMoveProjectsTask.h"
#include "DirCopier.h"
#include "ProjectsTestSupport.h"
#include "WatchedPipe.h"

#include <QTemporaryDir>


namespace {

struct TaskRun {
    bool succeeded = false;
    int done = -1;
    QList<float> progress;
};

TaskRun runTask(const QStringList& paths, const QString& target, bool copy)
{
    CopyOrMoveProjectsTask task(nullptr, paths, target, copy);
    TaskRun run;
    QObject::connect(&task, &CopyOrMoveProjectsTask::progressChanged, &task,
                     [&run](float progress) { run.progress.append(progress); });
    task.start();
    EXPECT_TRUE(QTest::qWaitFor([&task] { return task.isFinished(); }, 20000));
    QCoreApplication::processEvents();
    run.succeeded = task.result(&run.done);
    return run;
}

} // namespace

class CopyOrMoveProjectsTaskTest : public ProjectsTest
{
};

TEST_F(CopyOrMoveProjectsTaskTest, CopiesIntoItsOwnFolderUnderFreeNamesAndMovingThereChangesNothing)
{
    const QString trip = makeProject("Trip", true, {"clip.mp4"});
    TaskRun first = runTask({trip}, projects(), true);
    EXPECT_TRUE(first.succeeded);
    EXPECT_EQ(first.done, 1);
    EXPECT_EQ(first.progress, QList<float>{1.0f});
    EXPECT_EQ(readFile(projectPath("Trip (1)/clip.mp4")), QByteArray("clip.mp4"));
    EXPECT_TRUE(runTask({trip}, projects(), true).succeeded);
    EXPECT_TRUE(isDir(projectPath("Trip (2)")));

    // The same directory spelt another way is still the same directory.
    TaskRun move = runTask({trip}, projects() + "/Trip/..", false);
    EXPECT_TRUE(move.succeeded);
    EXPECT_EQ(move.done, 0);
    ASSERT_EQ(move.progress.size(), 1);
    EXPECT_LT(move.progress.last(), 1.0f);
    EXPECT_TRUE(isDir(trip));
    EXPECT_FALSE(isDir(projectPath("Trip (3)")));
}

TEST_F(CopyOrMoveProjectsTaskTest, MovesUnderAFreeNameAndOnlyCopiesDropTheExampleMarker)
{
    const QString sample = makeProject("Sample", true, {"example.dat"});
    makeProject("Dest/Sample");
    const QString other = makeProject("Other", true, {"example.dat"});
    TaskRun copy = runTask({sample}, projectPath("Dest"), true);
    EXPECT_TRUE(copy.succeeded);
    EXPECT_TRUE(QFileInfo::exists(projectPath("Dest/Sample (1)/project.xml")));
    EXPECT_FALSE(QFileInfo::exists(projectPath("Dest/Sample (1)/example.dat")));
    EXPECT_TRUE(QFileInfo::exists(sample + "/example.dat"));

    TaskRun move = runTask({other}, projectPath("Dest"), false);
    EXPECT_TRUE(move.succeeded);
    EXPECT_EQ(move.done, 1);
    EXPECT_FALSE(isDir(other));
    EXPECT_TRUE(QFileInfo::exists(projectPath("Dest/Other/example.dat")));
}

TEST_F(CopyOrMoveProjectsTaskTest, StopsAtAVanishedItemWithoutLeavingPartOfIt)
{
    const QString a = makeProject("A"), b = makeProject("B"), c = makeProject("C");
    QDir().mkpath(projectPath("Dest"));
    ASSERT_TRUE(QDir(b).removeRecursively());
    TaskRun run = runTask({a, b, c}, projectPath("Dest"), true);
    EXPECT_FALSE(run.succeeded);
    EXPECT_EQ(run.done, 1);
    EXPECT_EQ(run.progress, QList<float>{1.0f / 3.0f});
    EXPECT_TRUE(isDir(projectPath("Dest/A")));
    EXPECT_FALSE(QFileInfo::exists(projectPath("Dest/B")));
    EXPECT_FALSE(QFileInfo::exists(projectPath("Dest/C")));
}

TEST_F(CopyOrMoveProjectsTaskTest, AVanishedDestinationFolderIsNotMadeAgain)
{
    // Made again, the folder would lack its marker and be listed as a damaged
    // project holding the copies.
    const QString a = makeProject("A");
    for (const bool copy : {true, false}) {
        TaskRun run = runTask({a}, projectPath("Gone"), copy);
        EXPECT_FALSE(run.succeeded);
        EXPECT_EQ(run.done, 0);
        EXPECT_FALSE(QFileInfo::exists(projectPath("Gone")));
    }
    EXPECT_TRUE(isDir(a));
}

TEST_F(CopyOrMoveProjectsTaskTest, RemovesAFailedCopyOfAnItem)
{
    // Writes past the file size limit fail (whatever the user's rights), so
    // the copy breaks off half-way, after "a-small.bin" went through.
    const QString a = makeProject("A", true, {"a-small.bin"});
    writeFile(a + "/big.bin", QByteArray(2 * 1024 * 1024, 'x'));
    QDir().mkpath(projectPath("Dest"));
    TaskRun run;
    {
        FileSizeLimit limit(1024 * 1024);
        run = runTask({a}, projectPath("Dest"), true);
    }
    EXPECT_FALSE(run.succeeded);
    EXPECT_EQ(run.done, 0);
    EXPECT_TRUE(run.progress.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(projectPath("Dest/A")));
    EXPECT_TRUE(QFileInfo::exists(a + "/big.bin"));
}

// Links in a project to a named pipe and to a device that never ends: the
// copy neither waits on them nor reads without end (a file size limit ends
// such a read here), and leaves them out as it leaves named pipes out. A
// link to a regular file is copied as that file.
TEST_F(CopyOrMoveProjectsTaskTest, ACopyLeavesOutWhatIsNoRegularFile)
{
    const QString a = makeProject("A", true, {"clip.mp4"});
    QTemporaryDir elsewhere;
    WatchedPipe pipe(elsewhere.path() + "/fifo");
    ASSERT_TRUE(pipe.isMade());
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/fifo", a + "/piped.mp4"));
    ASSERT_TRUE(QFile::link("/dev/zero", a + "/noise.wav"));
    ASSERT_TRUE(QFile::link(a + "/clip.mp4", a + "/linked.mp4"));
    QDir().mkpath(projectPath("Dest"));
    TaskRun run;
    {
        FileSizeLimit limit(1024 * 1024);
        run = runTask({a}, projectPath("Dest"), true);
    }
    EXPECT_TRUE(run.succeeded);
    EXPECT_EQ(QDir(projectPath("Dest/A")).entryList(QDir::Files | QDir::System, QDir::Name),
              (QStringList{"clip.mp4", "linked.mp4", "project.xml"}));
    EXPECT_EQ(pipe.readers(), 0);
}

TEST_F(CopyOrMoveProjectsTaskTest, AnEmptyBatchSucceedsWithoutProgressAndANeverRunTaskFails)
{
    TaskRun run = runTask({}, projects(), false);
    EXPECT_TRUE(run.succeeded);
    EXPECT_EQ(run.done, 0);
    EXPECT_TRUE(run.progress.isEmpty());

    CopyOrMoveProjectsTask idle(nullptr, {makeProject("A")}, projects(), true);
    int done = -1;
    EXPECT_FALSE(idle.result(&done));
    EXPECT_EQ(done, 0);
}

TEST_F(CopyOrMoveProjectsTaskTest, DirCopierCopiesEverythingAndRefusesAVanishedSource)
{
    const QString trip = makeProject("Trip", true, {"media/clip.mp4"});
    DirCopier copier(nullptr, trip, projectPath("Trip Copy"));
    EXPECT_FALSE(copier.succeeded());
    copier.start();
    ASSERT_TRUE(copier.wait(20000));
    EXPECT_TRUE(copier.succeeded());
    EXPECT_EQ(readFile(projectPath("Trip Copy/media/clip.mp4")), QByteArray("media/clip.mp4"));

    DirCopier missing(nullptr, projectPath("Gone"), projectPath("Gone Copy"));
    missing.start();
    ASSERT_TRUE(missing.wait(20000));
    EXPECT_FALSE(missing.succeeded());
    EXPECT_FALSE(QFileInfo::exists(projectPath("Gone Copy")));
}
