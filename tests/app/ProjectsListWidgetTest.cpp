// The projects list over a generated projects directory: order, subtitles,
// flags, folders, links, and navigation by real events.
#include "ProjectsListWidget.h"
#include "ProjectsListWidgetItemDelegate.h"
#include "ProjectsTestSupport.h"
#include "WatchedPipe.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using Delegate = ProjectsListWidgetItemDelegate;

QStringList rowNames(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names.append(list.item(row)->text());
    return names;
}

QString subtitle(const QListWidget& list, const QString& name)
{
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? QString("<missing>") : found.first()->data(Delegate::SubtitleRole).toString();
}

bool flag(const QListWidget& list, const QString& name, int role)
{
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    return !found.isEmpty() && found.first()->data(role).toBool();
}

} // namespace

class ProjectsListWidgetTest : public ProjectsTest
{
protected:
    // Today at noon: every time below shows as "Today".
    QDateTime at(int seconds) const { return QDateTime(QDate::currentDate(), QTime(12, 0)).addSecs(seconds); }

    void makeLibrary()
    {
        makeProject("Alpha");
        makeProject("Beta");
        makeProject("Gamma");
        makeProject("Broken", false, {"shot.jpg"});
        makeProject("Sample", true, {"example.dat"});
        makeFolder("Trips");
        makeProject("Trips/Paris");
        makeProject("Trips/Rome");
        makeProject("Trips/Oslo");
        makeFolder("Solo");
        makeProject("Solo/Only");
        makeFolder("Nothing");
        setModified(projectPath("Alpha/project.xml"), at(10));
        setModified(projectPath("Beta/project.xml"), at(30));
        setModified(projectPath("Gamma/project.xml"), at(30));
        setModified(projectPath("Broken"), at(20));
        setModified(projectPath("Trips/Paris/project.xml"), at(5));
        setModified(projectPath("Trips/Rome/project.xml"), at(60));
        setModified(projectPath("Trips/Oslo/project.xml"), at(1));
        setModified(projectPath("Solo/Only/project.xml"), at(4));
        setModified(projectPath("Nothing"), at(-400 * 24 * 3600));
        // Its own time would put the folder first: its projects' times count.
        setModified(projectPath("Solo"), at(3600));
    }
};

TEST_F(ProjectsListWidgetTest, ListsNewestFirstWithSubtitlesFlagsAndTheExampleLast)
{
    makeLibrary();
    ProjectsListWidget list(nullptr);
    showForList(list);
    EXPECT_EQ(rowNames(list), (QStringList{"/NEW/", "Trips", "Beta", "Gamma", "Broken", "Alpha", "Solo", "Nothing",
                                           "Sample"}));
    EXPECT_EQ(subtitle(list, "Trips"), "(3 Items)");
    EXPECT_EQ(subtitle(list, "Solo"), "(1 Item)");
    EXPECT_EQ(subtitle(list, "Nothing"), "(Empty)");
    EXPECT_EQ(subtitle(list, "Beta"), "Today");
    EXPECT_EQ(subtitle(list, "Broken"), "Today");
    EXPECT_EQ(subtitle(list, "Sample"), "");
    EXPECT_EQ(subtitle(list, "/NEW/"), "");
    EXPECT_TRUE(flag(list, "Broken", Delegate::DamagedRole));
    EXPECT_FALSE(flag(list, "Alpha", Delegate::DamagedRole));
    EXPECT_TRUE(flag(list, "Trips", Delegate::FolderRole));
    EXPECT_FALSE(flag(list, "Beta", Delegate::FolderRole));
    EXPECT_EQ(list.item(1)->sizeHint(), QSize(140, 178));
}

// A project or a folder reached by a link is listed as any other; one back
// to the projects directory is listed once, as a project without a file.
TEST_F(ProjectsListWidgetTest, FoldersThatAreLinksAreListedAsEveryOther)
{
    makeProject("Alpha");
    makeFolder("Trips");
    makeProject("Trips/Paris");
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkpath("Away");
    writeFile(elsewhere.path() + "/Away/project.xml", "<Project/>");
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/Away", projectPath("Away")));
    ASSERT_TRUE(QFile::link(projectPath("Trips"), projectPath("Journeys")));
    ASSERT_TRUE(QFile::link(projects(), projectPath("Loop")));
    ASSERT_TRUE(QFile::link(projectPath("Alpha"), projectPath("Trips/AlphaLink")));
    ProjectsListWidget list(nullptr);
    showForList(list);
    QStringList names = rowNames(list);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QStringList{"/NEW/", "Alpha", "Away", "Journeys", "Loop", "Trips"}));
    EXPECT_FALSE(flag(list, "Away", Delegate::DamagedRole));
    EXPECT_TRUE(flag(list, "Loop", Delegate::DamagedRole));
    EXPECT_TRUE(flag(list, "Journeys", Delegate::FolderRole));
    EXPECT_EQ(subtitle(list, "Trips"), "(2 Items)");
}

// Named pipes as the covers of a project and of one in a folder: drawing the
// tiles never waits on them, and the tiles show no picture.
TEST_F(ProjectsListWidgetTest, CoversThatAreNamedPipesAreNeverOpened)
{
    makeProject("Piped");
    makeFolder("Trips");
    makeProject("Trips/Paris");
    WatchedPipe cover(projectPath("Piped/shot.jpg"));
    WatchedPipe folderCover(projectPath("Trips/Paris/shot.jpg"));
    ASSERT_TRUE(cover.isMade() && folderCover.isMade());
    ProjectsListWidget list(nullptr);
    showForList(list);
    list.viewport()->grab();
    QStringList names = rowNames(list);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QStringList{"/NEW/", "Piped", "Trips"}));
    EXPECT_EQ(cover.readers(), 0) << "the project's cover was opened";
    EXPECT_EQ(folderCover.readers(), 0) << "the cover of the folder's project was opened";
}

TEST_F(ProjectsListWidgetTest, AnEmptyDirectoryListsOnlyTheNewMovieTile)
{
    ProjectsListWidget list(nullptr);
    showForList(list);
    EXPECT_EQ(rowNames(list), QStringList{"/NEW/"});
}

TEST_F(ProjectsListWidgetTest, DoubleClickEntersAFolderAndBackspaceLeavesIt)
{
    makeLibrary();
    ProjectsListWidget list(nullptr);
    showForList(list);
    QSignalSpy entered(&list, &ProjectsListWidget::projectFolderEntered);
    QListWidgetItem* trips = list.findItems("Trips", Qt::MatchExactly).first();
    doubleClickItem(list, trips);
    ASSERT_TRUE(QTest::qWaitFor([&] { return entered.count() == 1; }, 3000));
    EXPECT_EQ(entered.first().first().toString(), "Trips");
    EXPECT_TRUE(list.isInFolder());
    // Inside a folder the link is skipped and the projects are newest first.
    EXPECT_EQ(rowNames(list), (QStringList{"/NEW/", "Rome", "Paris", "Oslo"}));

    QSignalSpy opened(&list, &ProjectsListWidget::oneProjectClicked);
    list.setCurrentRow(2);
    QTest::keyClick(list.viewport(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened.count() == 1; }, 3000));
    EXPECT_EQ(opened.first(), (QVariantList{"Paris", "Trips", false}));

    QTest::keyClick(list.viewport(), Qt::Key_Backspace);
    EXPECT_FALSE(list.isInFolder());
    EXPECT_EQ(entered.last().first().toString(), "");
    EXPECT_EQ(list.currentItem()->text(), "Trips");

    // A folder name that is not plain leads nowhere.
    list.changeDirectory("..");
    EXPECT_FALSE(list.isInFolder());
    EXPECT_EQ(entered.count(), 2);
}

TEST_F(ProjectsListWidgetTest, OpeningADamagedProjectSaysSoAndEditModeTicksByClicks)
{
    makeLibrary();
    ProjectsListWidget list(nullptr);
    showForList(list);
    QSignalSpy opened(&list, &ProjectsListWidget::oneProjectClicked);
    QListWidgetItem* broken = list.findItems("Broken", Qt::MatchExactly).first();
    doubleClickItem(list, broken);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened.count() == 1; }, 3000));
    EXPECT_EQ(opened.first(), (QVariantList{"Broken", "", true}));

    QSignalSpy selection(&list, &ProjectsListWidget::editSelectionChanged);
    list.toggleEdit();
    QListWidgetItem* alpha = list.findItems("Alpha", Qt::MatchExactly).first();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(alpha).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return selection.count() == 1; }, 3000));
    EXPECT_EQ(selection.last().first().toInt(), 1);
    EXPECT_TRUE(alpha->data(Delegate::TickedRole).toBool());
    // The new-movie tile does nothing in edit mode, double-clicks neither.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    doubleClickItem(list, broken);
    QTest::qWait(300);
    EXPECT_EQ(opened.count(), 1);
    QTest::keyClick(list.viewport(), Qt::Key_Escape);
    EXPECT_FALSE(list.isEditing());
    EXPECT_FALSE(alpha->data(Delegate::TickedRole).toBool());
}

TEST_F(ProjectsListWidgetTest, ATileListedAgainBeforeItsClickIsHandledIsLeftAlone)
{
    makeLibrary();
    ProjectsListWidget list(nullptr);
    showForList(list);
    QSignalSpy opened(&list, &ProjectsListWidget::oneProjectClicked);
    QSignalSpy selection(&list, &ProjectsListWidget::editSelectionChanged);
    // Clicks are handled from the event loop; a deferred listing may run first
    // and delete the tile the click named.
    list.setCurrentItem(list.findItems("Alpha", Qt::MatchExactly).first());
    QTest::keyClick(list.viewport(), Qt::Key_Return);
    list.reload();
    QTest::qWait(100);
    EXPECT_EQ(opened.count(), 0);
    list.toggleEdit();
    const QRect beta = list.visualItemRect(list.findItems("Beta", Qt::MatchExactly).first());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, beta.center());
    list.reload();
    QTest::qWait(100);
    EXPECT_EQ(selection.count(), 0);
    for (int row = 0; row < list.count(); ++row)
        EXPECT_FALSE(list.item(row)->data(Delegate::TickedRole).toBool()) << row;

    // With nothing current, Return still starts a new movie.
    list.toggleEdit();
    list.setCurrentItem(nullptr);
    DialogScript prompt({DialogScript::cancel()});
    QTest::keyClick(list.viewport(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompt.finished(); }, 3000));
    EXPECT_EQ(prompt.seen(), QStringList{"prompt: New Movie"});
}
