#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "EditScrollArea.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <utility>

namespace {

const QString kProject = QStringLiteral("5-4-3-2-1-0");
const QString kFolder = QStringLiteral("Examples");
// Past the longest delay the window gives a new tile (its editing opens
// 750 ms after it was added), with room for a loaded machine.
constexpr qint64 kPastTheDelaysMs = 2000;

class ReleasingWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    // The close's last step: save, release the project, close the window.
    using DesktopMainWindow::_finishClosing;

    bool hasPreview() const { return _previewWidget != nullptr; }
    bool previewValid() const { return _previewWidget && _previewWidget->isValid(); }
    bool ready() const { return _waitingHUD == nullptr || !_waitingHUD->isVisible(); }
    EditScrollArea* timeline() const { return _timeline; }
};

QString projectFile(const QString& name)
{
    return ProjectManager::projectDirectory(kProject, kFolder) + QStringLiteral("/") + name;
}

int savedTexts()
{
    QFile file(projectFile(QStringLiteral("project.xml")));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader reader(&file);
    int texts = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.attributes().value(QStringLiteral("Type")) == QStringLiteral("TEXT"))
            ++texts;
    }
    return texts;
}

QAction* editEntry(QMainWindow* window, const QString& text)
{
    return entryTitled(menuTitled(window->menuBar(), QStringLiteral("Edit")), text);
}

class ProjectRelease : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        markHelpTipsSeen();
    }

    void TearDown() override { delete window.data(); }

    // The example opened in the desktop window, which is never deleted on
    // close: it outlives its project, as a closed window does until its
    // deletion comes round.
    bool openExample()
    {
        window = new ReleasingWindow(kProject, kFolder);
        window->show();
        if (!QTest::qWaitFor([this] { return window->hasPreview(); }, 5000) || !window->previewValid())
            return false;
        QApplication::setActiveWindow(window);
        return QTest::qWaitFor([this] { return window->ready(); }, 60000);
    }

    // Events go on being handled, the window alive, until every delay the
    // window had set for the released project has come due.
    void outliveTheRelease()
    {
        QElapsedTimer sinceRelease;
        sinceRelease.start();
        ASSERT_EQ(window->projectManager(), nullptr) << "the project was not released";
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull() || sinceRelease.elapsed() > kPastTheDelaysMs; },
                                    kPastTheDelaysMs + 10000));
        ASSERT_FALSE(window.isNull());
        EXPECT_EQ(window->projectManager(), nullptr);
        EXPECT_FALSE(window->isVisible());
        // The tiles went with the segments they showed.
        EXPECT_EQ(window->timeline()->trackWidgetCount(), 0);
        EXPECT_EQ(window->timeline()->editingSegmentWidget(), nullptr);
        EXPECT_FALSE(editEntry(window, QStringLiteral("Undo"))->isEnabled());
        EXPECT_FALSE(editEntry(window, QStringLiteral("Redo"))->isEnabled());
    }

    IsolatedSettings settings;
    QPointer<ReleasingWindow> window;
};

} // namespace

// Two texts added and the close's last step straight after, as on a machine
// too busy to open the new tiles for editing first: the texts are saved, and
// the editing that was due for them never comes.
TEST_F(ProjectRelease, TextsAddedJustBeforeTheCloseAreSavedAndNeverOpenedAfterIt)
{
    if (!openExample())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int texts = savedTexts();
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    window->_finishClosing();
    outliveTheRelease();
    EXPECT_EQ(savedTexts(), texts + 2);
}

// The close's last step comes the moment a new text's tile has opened for
// editing: the inspector's refresh set for that tile is then still due.
TEST_F(ProjectRelease, AnInspectorRefreshDueAtTheCloseNeverComes)
{
    if (!openExample())
        GTEST_SKIP() << "no OpenGL context for the preview";
    bool released = false;
    QObject hook;
    QObject::connect(
        window, &MainWindow::segmentEditingStateChanged, &hook,
        [&] {
            if (!std::exchange(released, true))
                window->_finishClosing();
        },
        Qt::QueuedConnection);
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return released; }, 20000)) << "the new text never opened for editing";
    outliveTheRelease();
}

// A project that fails to load closes its window: the history commands go
// off with it, and one triggered all the same (a shortcut already on its
// way) does nothing.
TEST_F(ProjectRelease, HistoryCommandsGoOffWhenAFailedOpenClosesTheWindow)
{
    writeFile(projectFile(QStringLiteral("project.xml")), "<Project><Segment Type=\"TEXT\"><Transitions>");
    QString title;
    ModalDialogAnswerer answerer([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        ModalDialogAnswerer::accept()(dialog);
    });
    window = new ReleasingWindow(kProject, kFolder);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->projectManager() == nullptr; }, 30000));
    EXPECT_EQ(title, QStringLiteral("Open Project Failed"));
    QAction* undo = editEntry(window, QStringLiteral("Undo"));
    QAction* redo = editEntry(window, QStringLiteral("Redo"));
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_FALSE(triggerEntry(window, QStringLiteral("Undo")));
    undo->trigger();
    redo->trigger();
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->projectManager(), nullptr);
    EXPECT_FALSE(window->isVisible());
}
