// The projects page under a real window: creating a project through the
// list and the settings sheet, opening projects in the editor window, the
// edit bar, and importing an archive handed in from outside.
#include "ProjectsWidget.h"

#include "ArchiveExporter.h"
#include "DesktopMainWindow.h"
#include "FadeWaits.h"
#include "MovieSizeGridButton.h"
#include "PopupProjectSettingsWidget.h"
#include "ProjectsListWidget.h"
#include "ProjectsTestSupport.h"
#include "SegmentedControl.h"
#include "Util.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace {

const QByteArray kEmptyProject = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>\n";

QByteArray propertiesWithVersion(int version)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Properties version=\"") +
           QByteArray::number(version) +
           "\" direction=\"1\" resolution=\"1\" frameRate=\"30\" fixCoverImage=\"0\" backgroundColor=\"#ff000000\"/>\n";
}

// Every editor window, shown or not.
QList<MainWindow*> editorWindows()
{
    QList<MainWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<MainWindow*>(widget))
            windows.append(window);
    return windows;
}

MainWindow* shownEditor()
{
    QWidget* central = Util::mainWindow();
    return central ? qobject_cast<MainWindow*>(central->window()) : nullptr;
}

// Picks the entry titled text from the next menu that shows, with a real click.
void pickMenuEntryWhenShown(const QString& text)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        timer->deleteLater();
        for (QAction* action : menu->actions())
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
    });
    timer->start(20);
    QTimer::singleShot(5000, timer, [timer] { timer->deleteLater(); });
}

} // namespace

class ProjectsWidgetTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        _page = new ProjectsWidget;
        _page->resize(1000, 1000);
        _page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(_page));
    }
    void TearDown() override
    {
        qDeleteAll(editorWindows());
        delete _page;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProjectsTest::TearDown();
    }

    ProjectsListWidget& list() const { return *_page->projectsListWidget(); }
    template <typename T>
    T* part(const char* name) const
    {
        T* found = _page->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) const { return part<QPushButton>(name); }
    PopupProjectSettingsWidget* sheet() const { return _page->findChild<PopupProjectSettingsWidget*>(); }

    // A project the editor can open.
    void makeOpenableProject(const QString& name, int version = 7)
    {
        makeProject(name);
        writeFile(ProjectManager::projectXmlPath(name, QString()), kEmptyProject);
        writeFile(ProjectManager::propertiesXmlPath(name, QString()), propertiesWithVersion(version));
    }
    // Names the new project "Trip" in the list's prompt; the sheet is then up.
    void createTrip()
    {
        DialogScript dialogs({DialogScript::type("Trip")});
        _page->newProject();
        ASSERT_TRUE(dialogs.finished());
        ASSERT_NE(sheet(), nullptr);
        QTest::qWait(50);
    }
    void clickCentre(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }
    void answerSheet()
    {
        PopupProjectSettingsWidget* popup = sheet();
        QList<MovieSizeGridButton*> grid = popup->findChildren<MovieSizeGridButton*>();
        std::sort(grid.begin(), grid.end(), [](auto* a, auto* b) { return a->ratioIndex() < b->ratioIndex(); });
        ASSERT_GE(grid.size(), 4);
        clickCentre(grid.at(3));
        auto* direction = popup->findChild<SegmentedControl*>("directionSegmentedWidget");
        QTest::mouseClick(direction, Qt::LeftButton, Qt::NoModifier, QPoint(direction->width() * 3 / 4, 15));
        pickMenuEntryWhenShown("24");
        auto* rate = popup->findChild<QWidget*>("frameRateItemWidget");
        QTest::mouseClick(_page->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          rate->mapTo(_page, QPoint(40, rate->height() / 2)));
        auto* transparent = popup->findChild<QCheckBox*>("noColorCheckBox");
        QTest::mouseClick(transparent, Qt::LeftButton, Qt::NoModifier, QPoint(8, transparent->height() / 2));
        ASSERT_TRUE(transparent->isChecked());
    }

    ProjectsWidget* _page = nullptr;
};

TEST_F(ProjectsWidgetTest, NewProjectTakesTheSheetsValuesAndOpensInTheEditorAfterwards)
{
    createTrip();
    answerSheet();
    // Past the fade-in, for review.
    EXPECT_TRUE(QTest::qWaitFor([&] { return fadesEnded(*_page); }, 5000)) << "the sheet never faded in";
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    _page->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/projects-page-settings-sheet.png");

    QElapsedTimer sinceOk;
    sinceOk.start();
    QTest::keyClick(_page, Qt::Key_Return);
    EXPECT_EQ(shownEditor(), nullptr);
    const QList<QByteArray> lines = readFile(ProjectManager::propertiesXmlPath("Trip", QString())).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("<?xml version=\"1.0\""));
    EXPECT_EQ(lines[1], QByteArray("<Properties version=\"7\" direction=\"0\" resolution=\"3\" frameRate=\"24\" "
                                   "fixCoverImage=\"0\" backgroundColor=\"#00000000\"/>"));

    ASSERT_TRUE(QTest::qWaitFor([] { return shownEditor() != nullptr; }, 5000));
    EXPECT_GE(sinceOk.elapsed(), 200);
    const MainWindow* editor = shownEditor();
    EXPECT_EQ(editor->projectManager()->projectName(), "Trip");
    EXPECT_EQ(editor->projectManager()->projectFolder(), QString());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(editor->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(sheet(), nullptr);
}

TEST_F(ProjectsWidgetTest, SheetDismissedWithoutOkKeepsTheListsFileAndOpensNothing)
{
    createTrip();
    const QString properties = ProjectManager::propertiesXmlPath("Trip", QString());
    const QByteArray written = readFile(properties);
    ASSERT_TRUE(written.contains("version=\"7\""));
    answerSheet();
    QTest::keyClick(_page, Qt::Key_Escape);
    QTest::qWait(500);
    EXPECT_EQ(readFile(properties), written);
    EXPECT_TRUE(editorWindows().isEmpty());
}

TEST_F(ProjectsWidgetTest, AFailedWriteIsReportedAndOpensNothing)
{
    createTrip();
    QStringList messages;
    QObject::connect(_page, &ProjectsWidget::issueShowTextMessage, [&](const QString& text) { messages << text; });
    // The project went away while the sheet was up.
    ASSERT_TRUE(QDir(ProjectManager::projectDirectory("Trip", QString())).removeRecursively());
    QTest::keyClick(_page, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{"Failed to open project file"});
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trip")));
    QTest::qWait(500);
    EXPECT_TRUE(editorWindows().isEmpty());
}

TEST_F(ProjectsWidgetTest, ADamagedProjectIsRefused)
{
    makeProject("Broken", false);
    DialogScript dialogs({DialogScript::ok()});
    emit list().oneProjectClicked("Broken", QString(), true);
    EXPECT_EQ(dialogs.seen(), QStringList{"Open Movie Failed / This movie is damaged, you cannot open it."});
    EXPECT_TRUE(editorWindows().isEmpty());
}

TEST_F(ProjectsWidgetTest, TheOpenProjectComesBackAndAnotherIsRefused)
{
    makeOpenableProject("Trip");
    makeOpenableProject("Other");
    emit list().oneProjectClicked("Trip", QString(), false);
    QPointer<MainWindow> editor = shownEditor();
    ASSERT_FALSE(editor.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    // The page tells the list which project the editor holds.
    list().reload();
    const QList<QListWidgetItem*> tile = list().findItems("Trip", Qt::MatchExactly);
    ASSERT_EQ(tile.size(), 1);
    list().setCurrentItem(tile.first());
    DialogScript rename({DialogScript::ok()});
    ASSERT_TRUE(QMetaObject::invokeMethod(&list(), "onRenameActionTriggered"));
    EXPECT_EQ(rename.seen(), QStringList{"Movie In Use / \"Trip\" is open in the editor. Close the movie first."});

    editor->showMinimized();
    QTest::qWait(100);
    _page->activateWindow();
    emit list().oneProjectClicked("Trip", QString(), false);
    EXPECT_EQ(editorWindows().size(), 1);
    ASSERT_FALSE(editor.isNull());
    EXPECT_FALSE(editor->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor, 3000));

    DialogScript dialogs({DialogScript::ok()});
    emit list().oneProjectClicked("Other", QString(), false);
    EXPECT_EQ(dialogs.seen(), QStringList{"Open Failed / This project cannot be opened at this time."});
    ASSERT_EQ(editorWindows().size(), 1);
    EXPECT_EQ(editorWindows().first()->projectManager()->projectName(), "Trip");
}

TEST_F(ProjectsWidgetTest, ANewerProjectLeavesNoWindowOnScreen)
{
    makeOpenableProject("Future", 8);
    DialogScript dialogs({DialogScript::ok()});
    emit list().oneProjectClicked("Future", QString(), false);
    EXPECT_TRUE(dialogs.finished());
    for (MainWindow* window : editorWindows())
        EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editorWindows().isEmpty());
    EXPECT_EQ(shownEditor(), nullptr);
}

TEST_F(ProjectsWidgetTest, EditModeSwapsTheBarsAndEnablesByTicksAndLevel)
{
    makeProject("Trip");
    makeFolder("Trips");
    makeProject("Trips/Paris");
    list().reload();
    clickCentre(button("editButton"));
    EXPECT_TRUE(list().isEditing());
    EXPECT_FALSE(button("backButton")->isVisible());
    EXPECT_FALSE(button("importButton")->isVisible());
    EXPECT_EQ(button("editButton")->text(), "Done");
    EXPECT_TRUE(part<QWidget>("bottomToolbar")->isVisible());
    EXPECT_TRUE(button("editNewFolderButton")->isEnabled());
    for (const char* name : {"editCopyToButton", "editMoveToButton", "editDeleteButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;

    const QList<QListWidgetItem*> found = list().findItems("Trip", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(found.first()).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return button("editDeleteButton")->isEnabled(); }, 3000));
    for (const char* name : {"editCopyToButton", "editMoveToButton", "editDeleteButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;

    clickCentre(button("editButton"));
    EXPECT_TRUE(button("backButton")->isVisible());
    EXPECT_EQ(button("editButton")->text(), "Edit");
    EXPECT_FALSE(part<QWidget>("bottomToolbar")->isVisible());

    QSignalSpy titles(_page, &ProjectsWidget::titleChanged);
    list().changeDirectory("Trips");
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.last().first().toString(), "Trips");
    EXPECT_TRUE(button("backButton")->isEnabled());
    clickCentre(button("editButton"));
    EXPECT_FALSE(button("editNewFolderButton")->isEnabled());
    clickCentre(button("editButton"));
    clickCentre(button("backButton"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return _page->title() == "Movies"; }, 3000));
    EXPECT_FALSE(button("backButton")->isEnabled());
}

// What the edit bar shows of one of its buttons: how many of the pixels
// over the button are light (an enabled picture) and how many grey (its
// disabled form), against the bar's dark background.
struct ButtonInk {
    int light = 0;
    int grey = 0;
};

ButtonInk inkOf(QWidget* bar, QPushButton* button)
{
    const QImage picture = bar->grab(button->geometry()).toImage();
    ButtonInk ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int gray = qGray(picture.pixel(x, y));
            ink.light += gray > 200 ? 1 : 0;
            ink.grey += gray > 90 && gray < 130 ? 1 : 0;
        }
    }
    return ink;
}

TEST_F(ProjectsWidgetTest, TheEditBarShowsItsPicturesEnabledAndDisabled)
{
    makeProject("Trip");
    list().reload();
    clickCentre(button("editButton"));
    QWidget* bar = part<QWidget>("bottomToolbar");
    ASSERT_TRUE(bar->isVisible());
    const char* const names[] = {"editNewFolderButton", "editCopyToButton", "editMoveToButton", "editDeleteButton"};
    // New folder is on at the top level; the others wait for a tick.
    for (const char* name : names) {
        const ButtonInk ink = inkOf(bar, button(name));
        if (button(name)->isEnabled()) {
            EXPECT_GT(ink.light, 40) << name;
        } else {
            EXPECT_EQ(ink.light, 0) << name;
            EXPECT_GT(ink.grey, 40) << name;
        }
    }
    const QList<QListWidgetItem*> found = list().findItems("Trip", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(found.first()).center());
    ASSERT_TRUE(QTest::qWaitFor([this] { return button("editDeleteButton")->isEnabled(); }, 3000));
    for (const char* name : names)
        EXPECT_GT(inkOf(bar, button(name)).light, 40) << name;
    const QString artefacts = QStringLiteral(VIDORNA_ARTEFACT_DIR);
    QDir().mkpath(artefacts);
    bar->grab().save(artefacts + "/projects-edit-bar.png");
}

TEST_F(ProjectsWidgetTest, ImportingAskedFromOutsideGoesIntoTheShownLevel)
{
    makeOpenableProject("Trip");
    QTemporaryDir output;
    ArchiveExporter exporter("Trip", QString(), output.path());
    exporter.start();
    ASSERT_TRUE(exporter.wait(20000));
    const QString archive = output.path() + "/Trip.vidornaproject";
    ASSERT_TRUE(QFileInfo::exists(archive));
    makeFolder("Trips");
    list().changeDirectory("Trips");

    DialogScript cancel({DialogScript::click("Cancel")});
    _page->importProject(archive);
    EXPECT_EQ(cancel.seen(), QStringList{"Import Project / Do you want to import project \"Trip.vidornaproject\" "
                                         "into Vidorna?"});
    QTest::qWait(300);
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trips/Trip")));

    QStringList messages;
    QObject::connect(_page, &ProjectsWidget::issueShowTextMessage, [&](const QString& text) { messages << text; });
    DialogScript import({DialogScript::click("Import")});
    _page->importProject(archive);
    ASSERT_TRUE(import.finished());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 20000));
    EXPECT_EQ(messages.last(), "Import Completed");
    EXPECT_EQ(readFile(projectPath("Trips/Trip/project.xml")).isEmpty(), false);
    EXPECT_FALSE(QFileInfo::exists(projectPath("Trip (1)")));
}
