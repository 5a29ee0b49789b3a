// The projects list's commands on a real projects directory, with their
// prompts and messages answered as a user would.
#include "SegmentAttributes.h"
#include "ProjectsListWidget.h"
#include "ProjectsTestSupport.h"

#include <QSignalSpy>

namespace {

const QByteArray kNewProjectXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>";
const QByteArray kNewPropertiesXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Properties version=\"7\"/>";

QStringList entriesOf(const QString& directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

void selectByName(QListWidget& list, const QString& name)
{
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    list.setCurrentItem(found.first());
}

// Ticks items in edit mode by clicking them.
void tick(ProjectsListWidget& list, const QStringList& names)
{
    QSignalSpy selection(&list, &ProjectsListWidget::editSelectionChanged);
    for (const QString& name : names) {
        const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.first()).center());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return selection.count() == names.size(); }, 3000));
}

void invoke(QObject& object, const char* slot)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(&object, slot));
}

} // namespace

class ProjectsListCommandsTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        _list = std::make_unique<ProjectsListWidget>(nullptr);
        connect();
    }
    void connect()
    {
        QObject::connect(_list.get(), &ProjectsListWidget::issueShowTextMessage,
                         [this](const QString& text) { messages.append(text); });
    }
    ProjectsListWidget& list() { return *_list; }
    void show() { showForList(*_list); }
    // Waits until the deferred listing has run and selected name.
    void settle(const QString& name)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return list().currentItem() && list().currentItem()->text() == name; }, 5000))
            << "the list never selected " << name.toStdString();
    }

    QStringList messages;

private:
    std::unique_ptr<ProjectsListWidget> _list;
};

TEST_F(ProjectsListCommandsTest, NewMovieTwiceWritesTheEmptyProjectFilesUnderFreeNames)
{
    show();
    QSignalSpy created(&list(), &ProjectsListWidget::newProjectCreated);
    DialogScript first({DialogScript::ok()});
    list().newProject();
    DialogScript second({DialogScript::ok()});
    list().newProject();
    EXPECT_EQ(first.seen(), QStringList{"prompt: New Movie"});
    EXPECT_EQ(second.seen(), QStringList{"prompt: New Movie 1"});
    ASSERT_EQ(created.count(), 2);
    EXPECT_EQ(created.last(), (QVariantList{"New Movie 1", ""}));
    for (const QString& name : QStringList{"New Movie", "New Movie 1"}) {
        EXPECT_EQ(readFile(projectPath(name + "/project.xml")), kNewProjectXml);
        EXPECT_EQ(readFile(projectPath(name + "/properties.xml")), kNewPropertiesXml);
    }
    EXPECT_EQ(list().currentRow(), 0);

    // The storage reads them as an empty project of format version 7.
    ProjectManager manager;
    EXPECT_EQ(manager.loadProperties("New Movie", ""), 0);
    EXPECT_EQ(manager.version(), 7.0f);
    SegmentRecords records;
    EXPECT_EQ(ProjectManager::loadSegments(records, "New Movie", ""), 0);
    EXPECT_TRUE(records.empty());
}

// A disk that fills while the new project's files are written: the user is
// told, and no cut file stands for a project.
TEST_F(ProjectsListCommandsTest, ANewMovieOnAFullDiskLeavesNoCutFile)
{
    show();
    DialogScript script({DialogScript::ok()});
    {
        FileSizeLimit limit(20);
        list().newProject();
    }
    EXPECT_EQ(messages, QStringList{"Failed to create movie file"});
    EXPECT_EQ(entriesOf(projects() + "/New Movie"), QStringList());
}

TEST_F(ProjectsListCommandsTest, RefusedNamesAreOfferedAgainAndCreateNothingAnywhere)
{
    makeProject("Trip");
    show();
    const QStringList before = entriesOf(productFolder());
    const QString outside = QFileInfo(projects() + "/..").canonicalFilePath();
    DialogScript script({DialogScript::type("Trip"), DialogScript::ok(), DialogScript::type("../x"),
                         DialogScript::ok(), DialogScript::type("a/b"), DialogScript::ok(), DialogScript::cancel()});
    list().newProject();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.seen(), (QStringList{"prompt: New Movie", "Wrong Name / The named movie already exists",
                                          "prompt: Trip",
                                          "Wrong Name / A name cannot be empty, \".\" or \"..\", or hold \"/\".",
                                          "prompt: ../x", "Wrong Name / A name cannot be empty, \".\" or \"..\", or hold \"/\".",
                                          "prompt: a/b"}));
    EXPECT_EQ(entriesOf(productFolder()), before);
    EXPECT_EQ(entriesOf(projects()), QStringList{"Trip"});
    EXPECT_EQ(entriesOf(projects() + "/Trip"), QStringList{"project.xml"});
    EXPECT_FALSE(QFileInfo::exists(outside + "/x"));

    DialogScript folder({DialogScript::type("../y"), DialogScript::ok(), DialogScript::cancel()});
    list().newFolder();
    EXPECT_EQ(folder.seen().last(), "prompt: ../y");
    EXPECT_EQ(entriesOf(projects()), QStringList{"Trip"});
    EXPECT_FALSE(QFileInfo::exists(outside + "/y"));
}

TEST_F(ProjectsListCommandsTest, NewFolderRenameAndDuplicate)
{
    makeProject("X", true, {"clip.mp4"});
    makeProject("Sample", true, {"example.dat"});
    show();
    DialogScript folder({DialogScript::type("Trips")});
    list().newFolder();
    EXPECT_TRUE(QFileInfo::exists(projectPath("Trips/.folder")));

    settle("Trips");
    selectByName(list(), "X");
    DialogScript duplicates({DialogScript::ok()});
    invoke(list(), "onDuplicateActionTriggered");
    settle("X Copy");
    selectByName(list(), "X");
    DialogScript again({DialogScript::ok()});
    invoke(list(), "onDuplicateActionTriggered");
    EXPECT_EQ(duplicates.seen(), QStringList{"prompt: X Copy"});
    EXPECT_EQ(again.seen(), QStringList{"prompt: X Copy 1"});
    EXPECT_EQ(readFile(projectPath("X Copy 1/clip.mp4")), QByteArray("clip.mp4"));

    settle("X Copy 1");
    selectByName(list(), "Sample");
    DialogScript example({DialogScript::type("Mine")});
    invoke(list(), "onDuplicateActionTriggered");
    EXPECT_TRUE(QFileInfo::exists(projectPath("Mine/project.xml")));
    EXPECT_FALSE(QFileInfo::exists(projectPath("Mine/example.dat")));
    EXPECT_TRUE(QFileInfo::exists(projectPath("Sample/example.dat")));

    settle("Mine");
    selectByName(list(), "X Copy");
    DialogScript rename({DialogScript::type("X"), DialogScript::ok(), DialogScript::type("Renamed")});
    invoke(list(), "onRenameActionTriggered");
    EXPECT_EQ(rename.seen(), (QStringList{"prompt: X Copy", "Rename Failed / An item with the name \"X\" already exists",
                                          "prompt: X"}));
    EXPECT_FALSE(isDir(projectPath("X Copy")));
    EXPECT_TRUE(isDir(projectPath("Renamed")));
    settle("Renamed");
    EXPECT_EQ(list().currentItem()->text(), "Renamed");
}

TEST_F(ProjectsListCommandsTest, AFailedDuplicateLeavesNoPartialCopy)
{
    // Writes past the file size limit fail, so the copy breaks off after "a-small.bin".
    const QString x = makeProject("X", true, {"a-small.bin"});
    writeFile(x + "/big.bin", QByteArray(2 * 1024 * 1024, 'x'));
    show();
    selectByName(list(), "X");
    QSignalSpy waiting(&list(), &ProjectsListWidget::issueShowWaitingHUD);
    QSignalSpy done(&list(), &ProjectsListWidget::issueHideWaitingHUD);
    DialogScript script({DialogScript::ok(), DialogScript::ok()});
    {
        FileSizeLimit limit(1024 * 1024);
        invoke(list(), "onDuplicateActionTriggered");
    }
    EXPECT_EQ(script.seen(), (QStringList{"prompt: X Copy", " / Failed to duplicate movie"}));
    EXPECT_EQ(entriesOf(projects()), QStringList{"X"});
    EXPECT_EQ(waiting.count(), 1);
    EXPECT_EQ(done.count(), 1);
}

TEST_F(ProjectsListCommandsTest, QuittingDuringADuplicateLetsTheCopyFinish)
{
    const QString x = makeProject("X", true, {"media/clip.mp4"});
    show();
    selectByName(list(), "X");
    // The program is asked to quit while the copy runs, which ends every
    // event loop at once.
    const auto acceptThenQuit = [](QWidget* dialog) {
        DialogScript::ok()(dialog);
        QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
    };
    DialogScript script({acceptThenQuit});
    QTimer::singleShot(0, [this] { invoke(list(), "onDuplicateActionTriggered"); });
    QCoreApplication::exec();
    EXPECT_EQ(script.seen(), QStringList{"prompt: X Copy"});
    EXPECT_EQ(readFile(projectPath("X Copy/media/clip.mp4")), QByteArray("media/clip.mp4"));
    // Taken as the success it was: the copy is listed and selected.
    settle("X Copy");
    ASSERT_NE(list().currentItem(), nullptr);
    EXPECT_EQ(list().currentItem()->text(), "X Copy");
}

TEST_F(ProjectsListCommandsTest, CopiesIntoItsOwnFolderAndMovingThereChangesNothing)
{
    makeProject("Trip");
    show();
    for (const QString& expected : QStringList{"Trip (1)", "Trip (2)"}) {
        list().toggleEdit();
        tick(list(), {"Trip"});
        list().copySelectedItemsToFolder("");
        list().toggleEdit();
        EXPECT_TRUE(isDir(projectPath(expected)));
    }
    list().toggleEdit();
    tick(list(), {"Trip"});
    list().moveSelectedItemsToFolder("");
    EXPECT_EQ(entriesOf(projects()), (QStringList{"Trip", "Trip (1)", "Trip (2)"}));
    EXPECT_EQ(messages, (QStringList{"1 item(s) copied", "1 item(s) copied", "0 item(s) moved"}));
}

TEST_F(ProjectsListCommandsTest, ABatchStopsAtAVanishedDirectoryWithoutAPartialCopy)
{
    makeProject("A");
    makeProject("B");
    makeProject("C");
    makeFolder("Dest");
    show();
    list().toggleEdit();
    tick(list(), {"A", "B", "C"});
    ASSERT_TRUE(QDir(projectPath("B")).removeRecursively());
    DialogScript failure({DialogScript::ok()});
    list().copySelectedItemsToFolder("Dest");
    EXPECT_EQ(failure.seen(), QStringList{" / Failed to duplicate movie"});
    EXPECT_EQ(entriesOf(projectPath("Dest")), (QStringList{".folder", "A"}));
    EXPECT_EQ(entriesOf(projectPath("C")), QStringList{"project.xml"});
}

TEST_F(ProjectsListCommandsTest, MovingAFolderMovesItsProjectsAndDeletesIt)
{
    makeFolder("Trips");
    makeProject("Trips/Paris");
    makeProject("Trips/Rome");
    makeFolder("Other");
    show();
    list().toggleEdit();
    tick(list(), {"Trips"});
    list().moveSelectedItemsToFolder("Other");
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trips")));
    EXPECT_EQ(entriesOf(projectPath("Other")), (QStringList{".folder", "Paris", "Rome"}));
    EXPECT_EQ(messages, QStringList{"2 item(s) moved"});

    // An empty folder moves as nothing and is deleted; a copy keeps it.
    makeFolder("Nothing");
    list().reload();
    tick(list(), {"Nothing"});
    list().copySelectedItemsToFolder("Other");
    EXPECT_TRUE(isDir(projectPath("Nothing")));
    tick(list(), {"Nothing"});
    list().moveSelectedItemsToFolder("Other");
    EXPECT_FALSE(QFileInfo::exists(projectPath("Nothing")));
    EXPECT_EQ(messages, (QStringList{"2 item(s) moved", "0 item(s) copied", "0 item(s) moved"}));
    EXPECT_EQ(entriesOf(projectPath("Other")), (QStringList{".folder", "Paris", "Rome"}));
}

TEST_F(ProjectsListCommandsTest, RemoveDeletesNothingWhenTheWorkingFolderIsGone)
{
    makeProject("Trip");
    show();
    // Where the process stands: a path that is not there must never mean this folder.
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    writeFile(current.path() + "/marker", "keep");
    ASSERT_TRUE(QDir(productFolder()).removeRecursively());
    writeFile(productFolder(), "a plain file");
    selectByName(list(), "Trip");
    DialogScript script({DialogScript::click("Remove"), DialogScript::ok()});
    QTest::keyClick(list().viewport(), Qt::Key_Delete);
    QDir::setCurrent(previous);
    EXPECT_EQ(script.seen(), (QStringList{"Remove Item / Do you really want to remove item \"Trip\"?",
                                          " / Failed to remove the item(s)"}));
    EXPECT_EQ(readFile(current.path() + "/marker"), QByteArray("keep"));
    EXPECT_EQ(readFile(productFolder()), QByteArray("a plain file"));
}

TEST_F(ProjectsListCommandsTest, RemoveAsksAndDeletesTheTickedItems)
{
    makeProject("A");
    makeProject("B");
    makeProject("C");
    show();
    list().toggleEdit();
    tick(list(), {"A", "C"});
    DialogScript cancel({DialogScript::click("Cancel")});
    QTest::keyClick(list().viewport(), Qt::Key_Delete);
    EXPECT_EQ(entriesOf(projects()), (QStringList{"A", "B", "C"}));
    QSignalSpy selection(&list(), &ProjectsListWidget::editSelectionChanged);
    DialogScript remove({DialogScript::click("Remove")});
    QTest::keyClick(list().viewport(), Qt::Key_Delete);
    EXPECT_EQ(remove.seen(), QStringList{"Remove Item(s) / Do you really want to remove 2 item(s)?"});
    EXPECT_EQ(entriesOf(projects()), QStringList{"B"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return selection.count() == 1; }, 3000));
    EXPECT_EQ(selection.last().first().toInt(), 0);
    EXPECT_EQ(list().count(), 2);
}

TEST_F(ProjectsListCommandsTest, TheOpenProjectAndItsFolderCannotBeRemovedRenamedOrMoved)
{
    makeProject("Trip");
    makeFolder("Trips");
    makeProject("Trips/Paris");
    makeFolder("Other");
    list().setOpenProjectHook([this] { return projects() + "/Trips/../Trip"; });
    show();
    const QString refusal = "Movie In Use / \"Trip\" is open in the editor. Close the movie first.";
    selectByName(list(), "Trip");
    DialogScript remove({DialogScript::click("Remove"), DialogScript::ok()});
    QTest::keyClick(list().viewport(), Qt::Key_Delete);
    EXPECT_EQ(remove.seen().last(), refusal);
    DialogScript rename({DialogScript::ok()});
    invoke(list(), "onRenameActionTriggered");
    EXPECT_EQ(rename.seen(), QStringList{refusal});
    EXPECT_TRUE(isDir(projectPath("Trip")));

    list().setOpenProjectHook([this] { return projectPath("Trips/Paris"); });
    list().toggleEdit();
    tick(list(), {"Trips"});
    DialogScript move({DialogScript::ok()});
    list().moveSelectedItemsToFolder("Other");
    EXPECT_EQ(move.seen(), QStringList{"Movie In Use / \"Trips\" is open in the editor. Close the movie first."});
    EXPECT_TRUE(isDir(projectPath("Trips/Paris")));
    EXPECT_EQ(entriesOf(projectPath("Other")), QStringList{".folder"});
}

TEST_F(ProjectsListCommandsTest, MovingAFolderLosesNoProjectItDidNotList)
{
    makeFolder("Trips");
    makeProject("Trips/Paris");
    makeProject("Trips/.Secret");
    makeFolder("Other");
    show();
    list().toggleEdit();
    tick(list(), {"Trips"});
    // Made after the listing, so the move does not know of it.
    makeProject("Trips/Late");
    list().moveSelectedItemsToFolder("Other");
    EXPECT_EQ(entriesOf(projectPath("Other")), (QStringList{".Secret", ".folder", "Paris"}));
    EXPECT_EQ(entriesOf(projectPath("Trips")), (QStringList{".folder", "Late"}));
    EXPECT_EQ(messages, QStringList{"2 item(s) moved"});
}

TEST_F(ProjectsListCommandsTest, RemoveOfANameThatBecameALinkLeavesWhatItLeadsTo)
{
    makeProject("Trip");
    show();
    QTemporaryDir elsewhere;
    writeFile(elsewhere.path() + "/keep.mp4", "keep");
    ASSERT_TRUE(QDir(projectPath("Trip")).removeRecursively());
    ASSERT_TRUE(QFile::link(elsewhere.path(), projectPath("Trip")));
    selectByName(list(), "Trip");
    DialogScript script({DialogScript::click("Remove"), DialogScript::ok()});
    QTest::keyClick(list().viewport(), Qt::Key_Delete);
    EXPECT_EQ(script.seen().last().toStdString(),
              "Failed to remove the item(s) / \"Trip\" is a link to a folder elsewhere. It is kept, so that what "
              "that folder holds is not removed with it.");
    EXPECT_EQ(readFile(elsewhere.path() + "/keep.mp4"), QByteArray("keep"));
}
