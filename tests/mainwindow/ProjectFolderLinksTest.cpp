// Links and special files that a user or another program put where the
// window keeps files of its own in a project folder: the layout, the cover,
// the media settings, the project files, the undo snapshots and their
// folder. None of them leads a write or a removal outside the folder, and
// none holds the window up.
#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MenuEntries.h"
#include "OpeningWindow.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "TimerOrder.h"
#include "WatchedPipe.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLocalServer>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

const QString kProject = QStringLiteral("5-4-3-2-1-0");
const QString kFolder = QStringLiteral("Examples");
// Renderer wait (5 s), the closing finish (1 s) and a loaded machine.
constexpr int kClosedWithinMs = 20000;
constexpr int kOpenedWithinMs = 60000;

class LinkedProjectWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::autoSave;

    bool ready() const { return _waitingHUD == nullptr || !_waitingHUD->isVisible(); }
    AVGLWidget* preview() const { return _previewWidget; }
};

// Another process that keeps putting links where the window keeps its
// files, until it goes: at each file's name a link to the user's file of
// that name, in the history folder's place a link to the user's folder (the
// folder there is moved aside first), and at free snapshot names links to
// a user's file. Each link takes its name at once, by a rename.
class LinkPlanter
{
public:
    LinkPlanter(const QString& folder, const QStringList& names, const QString& outside)
        : _folder(QFile::encodeName(folder)), _outside(QFile::encodeName(outside)), _thread([this, names] {
              for (int round = 0; !_done; ++round)
                  _plant(names, round);
          })
    {
    }
    ~LinkPlanter()
    {
        _done = true;
        _thread.join();
    }

private:
    void _plant(const QStringList& names, int round)
    {
        const QByteArray planted = _folder + "/.planted";
        for (const QString& name : names) {
            ::symlink((_outside + '/' + QFile::encodeName(name)).constData(), planted.constData());
            ::rename(planted.constData(), (_folder + '/' + QFile::encodeName(name)).constData());
        }
        const QByteArray history = _folder + "/history";
        const int snapshots = ::open(history.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (snapshots >= 0) {
            for (int number = 0; number < 10; ++number)
                ::symlinkat((_outside + "/Documents/letter.txt").constData(), snapshots,
                            QString::asprintf("project%03d.xml", number).toUtf8().constData());
            ::close(snapshots);
            ::rename(history.constData(), (history + ".aside" + QByteArray::number(round)).constData());
        }
        ::symlink((_outside + "/Documents").constData(), planted.constData());
        ::rename(planted.constData(), history.constData());
        ::unlink(planted.constData());
        std::this_thread::yield();
    }

    const QByteArray _folder;
    const QByteArray _outside;
    std::atomic<bool> _done{false};
    std::thread _thread;
};

// Opens the reading end of a named pipe once a writer may have waited on it
// for longer than the bound: the writer goes on, so that a test of a window
// that waits on the pipe ends, and it tells that a writer waited.
class PipeWriterRelease
{
public:
    explicit PipeWriterRelease(const QString& path) : _path(QFile::encodeName(path)), _thread([this] { _watch(); })
    {
    }
    ~PipeWriterRelease() { _end(); }
    // Ends the watch, after the released writer's bytes were read.
    bool releasedAWriter()
    {
        _end();
        return _released;
    }

private:
    void _end()
    {
        {
            const std::lock_guard<std::mutex> lock(_mutex);
            _done = true;
        }
        _ended.notify_all();
        if (_thread.joinable())
            _thread.join();
    }

    void _watch()
    {
        std::unique_lock<std::mutex> lock(_mutex);
        if (_ended.wait_for(lock, std::chrono::seconds(5), [this] { return _done; }))
            return;
        lock.unlock();
        const int reader = ::open(_path.constData(), O_RDONLY | O_NONBLOCK);
        char buffer[4096];
        // Drained until the writer closes its end, or for a bounded time.
        for (int round = 0; reader >= 0 && round < 500; ++round) {
            const ssize_t read = ::read(reader, buffer, sizeof buffer);
            _released = _released || read > 0;
            if (read == 0 && _released)
                break;
            if (read <= 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (reader >= 0)
            ::close(reader);
    }

    const QByteArray _path;
    std::mutex _mutex;
    std::condition_variable _ended;
    bool _done = false;
    std::atomic<bool> _released{false};
    std::thread _thread;
};

// Every file and folder below the folder, with its bytes' digest, a line
// each in order.
std::string treeBelow(const QString& folder)
{
    QStringList tree;
    QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QByteArray bytes = entries.fileInfo().isDir() ? QByteArray("folder") : readFile(path);
        tree << QDir(folder).relativeFilePath(path) + " "
                + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }
    tree.sort();
    return tree.join('\n').toStdString();
}

// What is at the path: a folder's tree, a file's digest, or the kind of
// what else is there (never opened).
std::string foundAt(const QString& path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "nothing";
    if (S_ISDIR(status.st_mode))
        return "folder\n" + treeBelow(path);
    if (S_ISREG(status.st_mode))
        return "file " + QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256).toHex().toStdString();
    return "kind " + std::to_string(status.st_mode & S_IFMT);
}

class ProjectFolderFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        markHelpTipsSeen();
        folder = ProjectManager::projectDirectory(kProject, kFolder);
        ASSERT_TRUE(outside.isValid());
    }

    void TearDown() override { delete window.data(); }

    // The project's file name becomes a link to a file of the bytes outside.
    void linkOutside(const QString& name, const QByteArray& bytes)
    {
        writeFile(outside.filePath(name), bytes);
        QFile::remove(folder + "/" + name);
        ASSERT_TRUE(QFile::link(outside.filePath(name), folder + "/" + name)) << qPrintable(name);
    }

    // False when the preview gets no GL context.
    bool open()
    {
        window = new LinkedProjectWindow(kProject, kFolder);
        // Its media library writes the settings as it goes with the window.
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        if (!waitFor([this] { return window->preview() != nullptr; }, 5000) || !window->preview()->isValid())
            return false;
        EXPECT_TRUE(waitFor([this] { return window->ready(); }, kOpenedWithinMs)) << "it stays on \"Opening...\"";
        return true;
    }

    int segments() const { return window->projectManager()->segmentCount(); }
    // The segments' "UId"s, sorted: the state the timeline shows.
    QStringList segmentUIds() const
    {
        QStringList uids;
        for (int index = 0; index < segments(); ++index)
            uids << window->projectManager()->segmentAt(index)->uid();
        uids.sort();
        return uids;
    }

    void undoTo(int count)
    {
        ASSERT_TRUE(triggerEntry(window, QStringLiteral("Undo")));
        // A busy renderer defers the undo.
        EXPECT_TRUE(waitFor([&] { return segments() == count; }, 5000))
            << "the undo did not take the text away";
    }

    void saveAndClose()
    {
        ASSERT_TRUE(triggerEntry(window, QStringLiteral("Save && Close")));
        EXPECT_TRUE(waitFor([this] { return window.isNull(); }, kClosedWithinMs)) << "the window stays";
    }

    std::string outsideTree() const { return treeBelow(outside.path()); }

    IsolatedSettings settings;
    TemporaryProduct product;
    QTemporaryDir outside;
    QString folder;
    QPointer<LinkedProjectWindow> window;
};

// Each round with the history folder linked, or its first snapshot.
class ProjectFolderLinks : public ProjectFolderFiles, public ::testing::WithParamInterface<bool>
{
};

} // namespace

// The history folder, or its first snapshot, and the layout, the cover, the
// media settings and both project files are links to a user's folder and
// files. Through two edits, an undo and Save & Close, all of these stay as
// they were, and the project folder holds the project with its edit.
TEST_P(ProjectFolderLinks, TheLinkedFolderAndFilesStayAsTheyWereThroughEditsAnUndoAndSaveAndClose)
{
    const bool snapshotLinked = GetParam();
    ASSERT_TRUE(QDir().mkpath(outside.filePath("Documents/deeper")));
    writeFile(outside.filePath("Documents/letter.txt"), "Dear all,\n");
    writeFile(outside.filePath("Documents/deeper/photo.jpg"), "not a picture\n");
    if (snapshotLinked) {
        ASSERT_TRUE(QDir().mkpath(folder + "/history"));
        ASSERT_TRUE(QFile::link(outside.filePath("Documents/letter.txt"), folder + "/history/project000.xml"));
    } else {
        ASSERT_TRUE(QFile::link(outside.filePath("Documents"), folder + "/history"));
    }
    const QByteArray project = readFile(folder + "/project.xml");
    linkOutside("project.xml", project);
    linkOutside("properties.xml", readFile(folder + "/properties.xml"));
    linkOutside("layout.xml", "my notes\n");
    linkOutside("shot.jpg", "my picture\n");
    // A comment that a write of the settings would not keep.
    linkOutside("media.config", "[LocalFiles]\n; my clips\nDir=/media/clips\n");
    const std::string before = outsideTree();

    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int count = segments();
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ASSERT_EQ(segments(), count + 2);
    undoTo(count + 1);
    saveAndClose();

    EXPECT_EQ(outsideTree(), before);
    // The cover is written only from a preview that shows every layer: not
    // always so right after an undo.
    for (const char* name : {"project.xml", "properties.xml", "layout.xml", "media.config"}) {
        const QFileInfo file(folder + "/" + name);
        EXPECT_TRUE(file.isFile() && !file.isSymLink()) << name << " is not a file of the project's own";
    }
    EXPECT_FALSE(QFileInfo(folder + "/history").exists() || QFileInfo(folder + "/history").isSymLink());
    EXPECT_EQ(readFile(folder + "/project.xml").count("Type=\"TEXT\""), project.count("Type=\"TEXT\"") + 1)
        << "the edit kept is not in the project";
}

INSTANTIATE_TEST_SUITE_P(FolderOrSnapshot, ProjectFolderLinks, ::testing::Bool());

namespace {

// What the window finds where its history folder goes: at its own name, or
// at every name a session may take.
enum class FoundHistory {
    OldSnapshots,
    File,
    Pipe,
    SessionsThatNeverClosed,
    KilledSessionsWithGaps,
    EveryNameAPipe,
    EveryNameAFolderHoldingAFolder,
    EveryNameAFile
};

class FoundHistoryFolder : public ProjectFolderFiles, public ::testing::WithParamInterface<FoundHistory>
{
};

std::string foundHistoryName(const ::testing::TestParamInfo<FoundHistory>& info)
{
    const char* const names[] = {"OldSnapshots",           "File",           "Pipe",
                                 "SessionsThatNeverClosed", "KilledSessionsWithGaps", "EveryNameAPipe",
                                 "EveryNameAFolderHoldingAFolder", "EveryNameAFile"};
    return names[int(info.param)];
}

// "history", then "history-2" to "history-100": every name a session's
// folder may take beside the project.
QStringList historyFolderNames(const QString& history)
{
    QStringList names{history};
    for (int number = 2; number <= 100; ++number)
        names << history + "-" + QString::number(number);
    return names;
}

std::string foundAtEach(const QStringList& paths)
{
    std::string found;
    for (const QString& path : paths)
        found += path.toStdString() + ": " + foundAt(path) + "\n";
    return found;
}

} // namespace

// The history folder that the window finds at the open holds 1,100
// snapshots of a session that never closed, or a plain file or a named
// pipe stands in its place, or killed sessions left their folders at every
// name a session may take or at two of them with gaps between, or every
// such name holds a named pipe, a folder that holds a folder (as an
// archive's entries "history/x/y" … "history-100/x/y" leave them) or a
// file: three edits are still recorded and undone one by one from the Edit
// menu, and what was found stays as it was, the pipes and the folders also
// through the close. The close leaves no folder behind, neither in the
// project nor in the program's cache, and takes every killed session's
// folder with it.
TEST_P(FoundHistoryFolder, ThreeEditsAreUndoneOneByOneAndWhatWasFoundStays)
{
    const QString history = folder + "/history";
    const FoundHistory kind = GetParam();
    QStringList killed;
    if (kind == FoundHistory::SessionsThatNeverClosed)
        killed = historyFolderNames(history);
    else if (kind == FoundHistory::KilledSessionsWithGaps)
        killed = QStringList{history + "-3", history + "-7"};
    const bool everyName = kind >= FoundHistory::EveryNameAPipe;
    const QStringList held = everyName                                    ? historyFolderNames(history)
                             : kind == FoundHistory::KilledSessionsWithGaps ? killed
                                                                          : QStringList{history};
    std::unique_ptr<WatchedPipe> pipe;
    if (kind == FoundHistory::OldSnapshots) {
        ASSERT_TRUE(QDir().mkpath(history));
        for (int number = 0; number < 1100; ++number)
            writeFile(history + QString::asprintf("/project%03d.xml", number), "<Project/>\n");
    } else if (kind == FoundHistory::Pipe) {
        pipe = std::make_unique<WatchedPipe>(history);
        ASSERT_TRUE(pipe->isMade());
    } else if (kind == FoundHistory::File) {
        writeFile(history, "my notes\n");
    }
    for (const QString& name : killed) {
        ASSERT_TRUE(QDir().mkpath(name));
        writeFile(name + "/project000.xml", "<Project/>\n");
    }
    for (const QString& name : everyName ? held : QStringList()) {
        if (kind == FoundHistory::EveryNameAFolderHoldingAFolder) {
            ASSERT_TRUE(QDir().mkpath(name + "/x"));
            writeFile(name + "/x/y", "y\n");
        } else if (kind == FoundHistory::EveryNameAFile) {
            writeFile(name, "my notes\n");
        } else {
            ASSERT_EQ(mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        }
    }
    const std::string found = foundAtEach(held);
    const QStringList folders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";

    QList<QStringList> before;
    for (int edit = 0; edit < 3; ++edit) {
        before << segmentUIds();
        ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
        ASSERT_EQ(segments(), before.last().size() + 1);
    }
    for (ProgressHUD* message : window->findChildren<ProgressHUD*>())
        EXPECT_NE(message->messageLabel()->text().toStdString(), "Failed to record operation");
    for (int edit = 2; edit >= 0; --edit) {
        ASSERT_TRUE(triggerEntry(window, QStringLiteral("Undo")));
        // A busy renderer defers the undo.
        EXPECT_TRUE(waitFor([&] { return segmentUIds() == before.at(edit); }, 10000))
            << "the undo of edit " << edit + 1 << " shows " << segments() << " segments for "
            << before.at(edit).size() << ", or other ones";
    }
    EXPECT_EQ(foundAtEach(held), found);
    saveAndClose();

    // The plain files go with the close's tidy, as any file the project
    // does not name; the killed sessions' folders go as the program's own.
    if (pipe) {
        EXPECT_EQ(pipe->readers(), 0) << "the pipe was opened";
    }
    if (kind == FoundHistory::Pipe || kind == FoundHistory::EveryNameAPipe
        || kind == FoundHistory::EveryNameAFolderHoldingAFolder) {
        EXPECT_EQ(foundAtEach(held), found);
    }
    for (const QString& left : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        EXPECT_TRUE(folders.contains(left)) << qPrintable(left) << " was left behind";
    for (const QString& name : killed)
        EXPECT_FALSE(QFileInfo::exists(name)) << qPrintable(name) << ": a killed session's folder stayed";
    EXPECT_EQ(treeBelow(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/ProjectHistory"), "")
        << "the snapshots stayed in the cache";
}

INSTANTIATE_TEST_SUITE_P(AtTheOpen, FoundHistoryFolder,
                         ::testing::Values(FoundHistory::OldSnapshots, FoundHistory::File, FoundHistory::Pipe,
                                           FoundHistory::SessionsThatNeverClosed, FoundHistory::KilledSessionsWithGaps,
                                           FoundHistory::EveryNameAPipe,
                                           FoundHistory::EveryNameAFolderHoldingAFolder,
                                           FoundHistory::EveryNameAFile),
                         foundHistoryName);

namespace {

// Another session of the window's project, as a second window or another
// person's program on a shared project folder keeps it: its whole state is
// the label of its one segment.
class OtherSession
{
public:
    explicit OtherSession(const QString& label)
    {
        _manager.setProjectName(kProject);
        _manager.setProjectFolder(kFolder);
        _manager.appendSegment(_segment, nullptr);
        _show(label);
    }
    // Records the shown state, then shows the next one.
    void edit(const QString& label)
    {
        EXPECT_EQ(_manager.recordSnapshot(kProject, kFolder), 0) << "the snapshot before " << qPrintable(label);
        _show(label);
    }
    // The state the step shows, or why it shows none.
    std::string undo() { return _shown(_manager.undo()); }
    std::string redo() { return _shown(_manager.redo()); }
    // As the window's close does.
    void close() { _manager.removeHistory(kProject, kFolder); }

private:
    void _show(const QString& label) { Segment::setStringAttribute(_segment->attributes(), "Label", label); }
    std::string _shown(const ProjectManager::HistoryStep& step)
    {
        if (step.unreadable)
            return "unreadable";
        if (!step.records || step.records->size() != 1)
            return "nothing";
        const QString label = Segment::stringAttribute(step.records->front().get(), "Label");
        _show(label);
        return label.toStdString();
    }

    ProjectManager _manager;
    FakeMediaSegment* _segment = new FakeMediaSegment(QStringLiteral("IMAGE"));
};

} // namespace

// Two sessions of one project at once, as two windows or two people on a
// shared project folder hold it, and a third opened and closed meanwhile:
// no session's first snapshot and no close takes the snapshots of another
// live session, and each undoes and redoes its own edits after another one
// closed.
TEST_F(ProjectFolderFiles, EachSessionOfOneProjectKeepsItsUndoWhenAnotherOneClosesOrBegins)
{
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int count = segments();
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    OtherSession other(QStringLiteral("T0"));
    other.edit(QStringLiteral("T1"));
    {
        OtherSession third(QStringLiteral("U0"));
        third.edit(QStringLiteral("U1"));
        EXPECT_EQ(third.undo(), "U0");
        third.close();
    }
    undoTo(count);
    EXPECT_EQ(other.undo(), "T0");
    EXPECT_EQ(other.redo(), "T1");
    saveAndClose();
    EXPECT_EQ(other.undo(), "T0") << "after the window's close";
    EXPECT_EQ(other.redo(), "T1") << "after the window's close";
    other.close();
    EXPECT_FALSE(QFileInfo::exists(folder + "/history") || QFileInfo::exists(folder + "/history-2"));
}

// Links that another process keeps putting back at every name while the
// window records edits, saves and closes: nothing is written through them,
// and every file and folder of the user's stays as it was.
TEST_F(ProjectFolderFiles, LinksPutBackAtEveryNameWhileTheWindowWritesLeadNoWriteOutside)
{
    ASSERT_TRUE(QDir().mkpath(outside.filePath("Documents")));
    writeFile(outside.filePath("Documents/letter.txt"), "Dear all,\n");
    writeFile(outside.filePath("Documents/project000.xml"), "my own project000.xml\n");
    const QStringList names{"project.xml", "properties.xml", "layout.xml", "shot.jpg", "media.config"};
    // The project files' copies read as this version's: the save goes ahead.
    for (const QString& name : names)
        writeFile(outside.filePath(name), name.startsWith("pro") ? readFile(folder + "/" + name) : "mine\n");
    const std::string before = outsideTree();
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int count = segments();
    {
        LinkPlanter planter(folder, names, outside.path());
        for (int round = 0; round < 60; ++round) {
            ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
            window->autoSave();
        }
        ASSERT_EQ(segments(), count + 60);
        // The newest text's editor opens 750 ms after it was added; the
        // close comes after that.
        whenTimerRunsOut(1000, [] { return true; });
        saveAndClose();
    }
    EXPECT_EQ(outsideTree(), before);
}

// Another version's snapshot at the first snapshot's name, and a folder at
// the second's: the edits are recorded around them and undone, and both
// stay as they are; the folder, with what it holds, also through the close.
TEST_F(ProjectFolderFiles, EditsPassOverSnapshotNamesTheWindowDidNotWriteAndUndo)
{
    const QString history = folder + "/history";
    ASSERT_TRUE(QDir().mkpath(history + "/project001.xml"));
    const QByteArray foreign = "<Project xmlns=\"urn:x-newer\"><Segment Type=\"TEXT\"/></Project>";
    writeFile(history + "/project000.xml", foreign);
    writeFile(history + "/project001.xml/kept.txt", "kept\n");
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int count = segments();
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    for (ProgressHUD* message : window->findChildren<ProgressHUD*>())
        EXPECT_NE(message->messageLabel()->text().toStdString(), "Failed to record operation");
    undoTo(count + 1);
    undoTo(count);
    EXPECT_EQ(readFile(history + "/project000.xml"), foreign);
    saveAndClose();
    EXPECT_EQ(readFile(history + "/project001.xml/kept.txt"), "kept\n") << "the folder was removed";
}

// A history folder that is a link to a user's folder, in a project opened
// and closed without an edit: the close removes the link alone.
TEST_F(ProjectFolderFiles, ClosingWithoutAnEditKeepsTheFolderTheHistoryLinksTo)
{
    ASSERT_TRUE(QDir().mkpath(outside.filePath("Documents/deeper")));
    writeFile(outside.filePath("Documents/letter.txt"), "Dear all,\n");
    writeFile(outside.filePath("Documents/deeper/photo.jpg"), "not a picture\n");
    ASSERT_TRUE(QFile::link(outside.filePath("Documents"), folder + "/history"));
    const std::string before = outsideTree();
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    saveAndClose();
    EXPECT_EQ(outsideTree(), before);
}

// A named pipe that another program left at the first snapshot's name: the
// first edit neither waits on it nor replaces it, and its undo works.
TEST_F(ProjectFolderFiles, AFirstEditPassesANamedPipeInTheHistoryAndUndoes)
{
    ASSERT_TRUE(QDir().mkpath(folder + "/history"));
    const QString pipe = folder + "/history/project000.xml";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int count = segments();
    PipeWriterRelease release(pipe);
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    EXPECT_FALSE(release.releasedAWriter()) << "the edit waited on the named pipe";
    ASSERT_EQ(segments(), count + 1);
    struct stat status;
    EXPECT_TRUE(lstat(QFile::encodeName(pipe).constData(), &status) == 0 && S_ISFIFO(status.st_mode))
        << "the named pipe was replaced";
    undoTo(count);
    saveAndClose();
}

// A cover that is a link to a user's picture is replaced by a cover of the
// project's own, and the picture stays as it was.
TEST_F(ProjectFolderFiles, ACoverThatIsALinkIsReplacedAndWhatItLeadsToStays)
{
    linkOutside("shot.jpg", "my picture\n");
    if (!open())
        GTEST_SKIP() << "no OpenGL context for the preview";
    saveAndClose();
    EXPECT_EQ(readFile(outside.filePath("shot.jpg")), "my picture\n");
    const QFileInfo cover(folder + "/shot.jpg");
    EXPECT_TRUE(cover.isFile() && !cover.isSymLink()) << "the cover is not the project's own";
    EXPECT_FALSE(QImage(cover.filePath()).isNull());
}

// A cover that is a named pipe or a socket is left as it is, as a layout or
// settings file of that kind is.
TEST_F(ProjectFolderFiles, ACoverThatIsNoRegularFileIsNeitherWaitedOnNorReplaced)
{
    const QString cover = folder + "/shot.jpg";
    for (const bool socket : {false, true}) {
        QFile::remove(cover);
        std::unique_ptr<WatchedPipe> pipe;
        QLocalServer server;
        if (socket)
            ASSERT_TRUE(server.listen(cover)) << qPrintable(server.errorString());
        else
            pipe = std::make_unique<WatchedPipe>(cover);
        ASSERT_TRUE(socket || pipe->isMade());
        if (!open())
            GTEST_SKIP() << "no OpenGL context for the preview";
        saveAndClose();
        const QFileInfo left(cover);
        EXPECT_TRUE(left.exists() && !left.isFile()) << "the cover was replaced, socket: " << socket;
        EXPECT_TRUE(socket || pipe->readers() == 0) << "the cover was opened";
    }
}
