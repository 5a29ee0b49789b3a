// The projects list's removals of a project folder while another process
// keeps swapping the folder and its sub-folders for links to a user's
// folder and back, through the list's own commands.
#include "FolderSwapper.h"
#include "ProjectsListWidget.h"
#include "ProjectsTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>

namespace {

// A removal the list makes, and the folder whose folders the swapper
// swaps: the one that holds the project folder being removed, or that
// folder itself (its own name then stays), made by the command.
struct RemovalCase {
    const char* what;
    std::function<QString(const QString& projects)> swappedRoot;
    std::function<void(ProjectsListWidget&)> remove;
};

void tickItem(ProjectsListWidget& list, const QString& name)
{
    QSignalSpy selection(&list, &ProjectsListWidget::editSelectionChanged);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.findItems(name, Qt::MatchExactly).first()).center());
    ASSERT_TRUE(QTest::qWaitFor([&selection] { return selection.count() == 1; }, 3000));
}

const RemovalCase kRemovals[] = {
    {"the delete command", [](const QString& projects) { return projects; },
     [](ProjectsListWidget& list) {
         list.setCurrentItem(list.findItems("Trip", Qt::MatchExactly).first());
         // A second box comes when the removal fails or finds a link.
         DialogScript script({DialogScript::click("Remove"), DialogScript::ok()});
         QTest::keyClick(list.viewport(), Qt::Key_Delete);
     }},
    // The copy breaks off at "zz.bin", past the file size limit, and goes again.
    {"a failed duplicate", [](const QString& projects) { return projects + "/Trip Copy"; },
     [](ProjectsListWidget& list) {
         list.setCurrentItem(list.findItems("Trip", Qt::MatchExactly).first());
         DialogScript script({DialogScript::ok(), DialogScript::ok()});
         FileSizeLimit limit(1024 * 1024);
         ASSERT_TRUE(QMetaObject::invokeMethod(&list, "onDuplicateActionTriggered"));
         EXPECT_TRUE(script.finished());
     }},
    {"a failed copy to a folder", [](const QString& projects) { return projects + "/Dest"; },
     [](ProjectsListWidget& list) {
         list.toggleEdit();
         tickItem(list, "Trip");
         DialogScript script({DialogScript::ok()});
         FileSizeLimit limit(1024 * 1024);
         list.copySelectedItemsToFolder("Dest");
         EXPECT_TRUE(script.finished());
     }},
};

} // namespace

class ProjectsListFolderSwapTest : public ProjectsTest
{
protected:
    // "Trip" with sixty files in six sub-folders, its notes and a file too
    // large to copy under the limit; and the folder "Dest".
    void makeTrip()
    {
        QStringList files{"notes.txt", "holiday/clip.mp4"};
        for (int index = 0; index < 60; ++index)
            files << QStringLiteral("media/%1/clip%2.mp4").arg(index % 6).arg(index);
        writeFile(makeProject("Trip", true, files) + "/zz.bin", QByteArray(2 * 1024 * 1024, 'z'));
        makeFolder("Dest");
    }
    // Empties the projects folder for the next round; the swapper has stopped.
    void clearProjects()
    {
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
        for (const QFileInfo& entry : QDir(projects()).entryInfoList(all)) {
            if (entry.isDir() && !entry.isSymLink())
                ASSERT_TRUE(QDir(entry.filePath()).removeRecursively());
            else
                ASSERT_TRUE(QFile::remove(entry.filePath()));
        }
    }
};

// Whatever each removal ends in, the user's folder stays byte for byte as it was.
TEST_F(ProjectsListFolderSwapTest, RemovalsNeverGoThroughALinkIntoAUsersFolder)
{
    constexpr int kRounds = 8;
    for (const RemovalCase& removal : kRemovals) {
        for (int round = 0; round < kRounds; ++round) {
            ASSERT_NO_FATAL_FAILURE(makeTrip());
            ProjectsListWidget list(nullptr);
            showForList(list);
            QTemporaryDir outside;
            const UserFolder user(outside.filePath("user"));
            {
                FolderSwapper swapper(removal.swappedRoot(projects()), user.path);
                removal.remove(list);
                swapper.stop();
                EXPECT_GT(swapper.swaps(), 0) << removal.what << ", round " << round;
            }
            ASSERT_TRUE(user.isUnchanged()) << removal.what << ", round " << round << ": the user's folder changed";
            ASSERT_NO_FATAL_FAILURE(clearProjects());
        }
    }
}

// Links to the user's folder that stand at sub-folders' names before the
// delete, where the swapper puts them only now and then: each goes as a
// link, and the project goes whole.
TEST_F(ProjectsListFolderSwapTest, LinksAtSubFoldersNamesGoAsLinksEveryTime)
{
    ASSERT_NO_FATAL_FAILURE(makeTrip());
    QTemporaryDir outside;
    const UserFolder user(outside.filePath("user"));
    for (const char* name : {"holiday", "media/2"}) {
        ASSERT_TRUE(QDir(projectPath("Trip/" + QString(name))).removeRecursively());
        ASSERT_TRUE(QFile::link(user.path, projectPath("Trip/" + QString(name))));
    }
    ProjectsListWidget list(nullptr);
    showForList(list);
    kRemovals[0].remove(list);
    EXPECT_TRUE(user.isUnchanged()) << "the user's folder changed";
    EXPECT_EQ(QDir(projects()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"Dest"});
}
