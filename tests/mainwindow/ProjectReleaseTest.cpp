#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "EditScrollArea.h"
#include "EventCounter.h"
#include "HelpTipsSeen.h"
#include "ImmutableFolder.h"
#include "IsolatedSettings.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SavedSegments.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "SteppedApplication.h"
#include "Util.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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
    using DesktopMainWindow::_scrollToTime;
    using DesktopMainWindow::_seekPreview;

    bool hasPreview() const { return _previewWidget != nullptr; }
    bool previewValid() const { return _previewWidget && _previewWidget->isValid(); }
    bool ready() const { return _waitingHUD == nullptr || !_waitingHUD->isVisible(); }
    EditScrollArea* timeline() const { return _timeline; }
    QWidget* preview() const { return _previewWidget; }
    bool playing() const { return _playing; }
};

QString projectFile(const QString& name)
{
    return ProjectManager::projectDirectory(kProject, kFolder) + QStringLiteral("/") + name;
}

int savedTexts()
{
    return savedSegments(projectFile(QStringLiteral("project.xml")), QStringLiteral("TEXT"));
}

// The entry of the popup menu shown now, its submenus included.
QAction* popupEntry(const QString& text)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QList<QMenu*> menus{menu};
    while (menu && !menus.isEmpty()) {
        for (QAction* action : menus.takeFirst()->actions()) {
            if (action->text() == text)
                return action;
            if (action->menu())
                menus << action->menu();
        }
    }
    return nullptr;
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

namespace {

// A place where a step of the window turns the event loop before it is
// done, and how the user gets the window there.
struct LoopInsideAStep
{
    const char* name;
    // Where the window is before the user's command.
    enum class Start { AsOpened, TileSelected, TileEdited, TileEditedPlaying, Playing } start;
    // The user's command, handled as the event loop hands it over.
    std::function<void(ReleasingWindow*, Segment*)> command;
    // True while the command's own loop turns: the closing comes due then.
    std::function<bool(ReleasingWindow*)> insideTheStep;
    // The entry the user chooses in a popup menu the command shows.
    const char* chosenEntry;
    int addedSegments;
};

void PrintTo(const LoopInsideAStep& place, std::ostream* out)
{
    *out << place.name;
}

// A tile has begun its editing (the timeline names it only once the
// window's step for it has returned).
bool editing(ReleasingWindow* window)
{
    const auto tiles = window->timeline()->findChildren<SegmentWidget*>();
    return std::any_of(tiles.begin(), tiles.end(), [](SegmentWidget* tile) { return tile->isEditing(); });
}

bool showingMenu(ReleasingWindow*)
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
}

void later(ReleasingWindow* window, std::function<void()> command)
{
    QTimer::singleShot(0, window, std::move(command));
}

// The enabled command of that name (two commands share a name where one
// serves a tile and the other its transitions).
void chooseEntry(ReleasingWindow* window, const char* text)
{
    later(window, [window, text] {
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->text() == QString::fromUtf8(text) && action->isEnabled())
                return action->trigger();
        }
        ADD_FAILURE() << "no enabled command " << text;
    });
}

const LoopInsideAStep kLoopsInsideSteps[] = {
    {"TheNewTilesEditor", LoopInsideAStep::Start::AsOpened,
     [](ReleasingWindow* window, Segment*) { chooseEntry(window, "Add Text"); },
     [](ReleasingWindow* window) { return editing(window) && !showingMenu(window); }, nullptr, 1},
    {"TheSplitsQuestion", LoopInsideAStep::Start::TileEdited,
     [](ReleasingWindow* window, Segment*) { chooseEntry(window, "Split"); }, showingMenu,
     "Don't shorten the transition(s)", 1},
    {"TheGutterWait", LoopInsideAStep::Start::TileSelected,
     [](ReleasingWindow* window, Segment*) { chooseEntry(window, "Edit Transitions"); }, editing, nullptr, 0},
    {"ThePlayingWait", LoopInsideAStep::Start::TileEditedPlaying,
     [](ReleasingWindow* window, Segment* segment) {
         // The timeline's report that a trim of the segment's start ended.
         later(window, [window, segment] { emit window->timeline()->editScrollAreaReloadPreviewForSegment(segment, true); });
     },
     [](ReleasingWindow* window) { return window->playing(); }, nullptr, 0},
    {"TheIdleRendererWait", LoopInsideAStep::Start::Playing,
     [](ReleasingWindow* window, Segment*) { chooseEntry(window, "Save && Close"); },
     [](ReleasingWindow* window) { return !window->ready(); }, nullptr, 0},
    {"TheTransitionListsWait", LoopInsideAStep::Start::TileSelected,
     [](ReleasingWindow* window, Segment* segment) {
         auto* tile = qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
         later(window, [tile] { QTest::mouseClick(tile, Qt::RightButton, {}, tile->rect().center()); });
     },
     [](ReleasingWindow* window) { return editing(window) && !showingMenu(window); }, "Custom Transition", 0},
};

class ProjectReleaseInsideAStep : public ProjectRelease, public ::testing::WithParamInterface<LoopInsideAStep>
{
protected:
    // The first picture of the countdown with a transition of its own.
    Segment* pictureWithTransition() const
    {
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            if (segment->transitionCount() > 0 && segment->duration() > 0.5f && manager->segmentWidgetFor(segment))
                return segment;
        }
        return nullptr;
    }

    // The play-head in the middle of the segment, the segment's tile
    // selected or edited, playback running, as the place asks.
    bool bringTo(LoopInsideAStep::Start start, Segment* segment)
    {
        using Start = LoopInsideAStep::Start;
        auto* tile = qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
        const float middle = segment->rangeStart() + segment->duration() / 2.0f;
        window->_scrollToTime(middle, false);
        window->_seekPreview(middle, true);
        if (start == Start::TileSelected)
            window->timeline()->setSelectedSegmentWidget(tile);
        if (start == Start::TileEdited || start == Start::TileEditedPlaying) {
            window->timeline()->setSelectedSegmentWidget(tile);
            tile->setEditing(true, false);
            if (!QTest::qWaitFor([&] { return editing(window); }, 10000))
                return false;
        }
        if (start == Start::TileEditedPlaying || start == Start::Playing) {
            if (!triggerEntry(window, QStringLiteral("Play/Pause")))
                return false;
            return QTest::qWaitFor([&] { return window->playing(); }, 10000);
        }
        return true;
    }
};

} // namespace

// Whatever step of the window turns the event loop, the closing that comes
// due inside it waits until that step is over: the step goes on with its
// project, the project is saved as the step left it and released outside
// every step, and the window closes once.
TEST_P(ProjectReleaseInsideAStep, TheClosingWaitsForTheStepThatTurnedTheLoop)
{
    const LoopInsideAStep& place = GetParam();
    if (!openExample())
        GTEST_SKIP() << "no OpenGL context for the preview";
    Segment* segment = pictureWithTransition();
    ASSERT_NE(segment, nullptr) << "the example has no picture with a transition";
    const int segments = window->projectManager()->segmentCount();
    ASSERT_TRUE(bringTo(place.start, segment)) << "the window never got to where the command starts";

    int releasedAtDepth = -1;
    QObject::connect(window->preview(), &QObject::destroyed,
                     [&] { releasedAtDepth = SteppedApplication::stepDepth(); });
    EventCounter hides(window, QEvent::Hide);

    // Ticks at every turn of the loop; a tick inside another step means
    // that step turned the loop.
    bool closingCameDue = false;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!closingCameDue && SteppedApplication::stepDepth() > 1 && place.insideTheStep(window)) {
            closingCameDue = true;
            window->_finishClosing();
        }
        if (place.chosenEntry && showingMenu(window)) {
            QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QAction* entry = popupEntry(QString::fromUtf8(place.chosenEntry));
            ASSERT_NE(entry, nullptr) << "the menu has no entry " << place.chosenEntry;
            menu->close();
            entry->trigger();
        }
    });
    probe.start();
    place.command(window, segment);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closingCameDue || window.isNull(); }, 20000))
        << "the command never turned the loop inside its step";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull() || !window->projectManager(); }, 30000))
        << "the window never closed";
    probe.stop();
    EXPECT_LE(releasedAtDepth, 1) << "the project was released under a step still under way";
    outliveTheRelease();
    EXPECT_EQ(hides.count, 1) << "the window closed more than once";
    EXPECT_EQ(savedSegments(projectFile(QStringLiteral("project.xml"))), segments + place.addedSegments);
}

INSTANTIATE_TEST_SUITE_P(Steps, ProjectReleaseInsideAStep, ::testing::ValuesIn(kLoopsInsideSteps),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

// The closing comes due inside the first modal box that comes up, as many
// times as asked; a turn of the loop later the box is answered with the
// button of that text. Tells whether the project was released while a box
// was up.
class ClosingInsideABox
{
public:
    ClosingInsideABox(ReleasingWindow* window, int closings, const QString& answer)
    {
        QObject::connect(window->preview(), &QObject::destroyed, &_probe,
                         [this] { releasedUnderABox = QApplication::activeModalWidget() != nullptr; });
        _probe.setInterval(0);
        QObject::connect(&_probe, &QTimer::timeout, [this, window, closings, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!cameDue) {
                cameDue = true;
                for (int closing = 0; closing < closings; ++closing)
                    window->_finishClosing();
                return;
            }
            ModalDialogAnswerer::clickButton(answer)(box);
        });
        _probe.start();
    }

    bool cameDue = false;
    bool releasedUnderABox = false;

private:
    QTimer _probe;
};

// How the user presses a button of the window: the window system's own
// input, not a step the program set itself.
struct PressOfAButton
{
    const char* name;
    std::function<void(ReleasingWindow*, QPushButton*)> press;
};

void PrintTo(const PressOfAButton& press, std::ostream* out)
{
    *out << press.name;
}

const PressOfAButton kPresses[] = {
    {"Click",
     [](ReleasingWindow* window, QPushButton* button) {
         QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, button->mapTo(window, button->rect().center()));
     }},
    // Space is the window's Play/Pause: Return presses a button that takes it.
    {"ReturnKey",
     [](ReleasingWindow* window, QPushButton* button) {
         button->setAutoDefault(true);
         button->setFocus();
         QTest::keyClick(window->windowHandle(), Qt::Key_Return);
     }},
};

class ProjectReleaseInsideABoxOfAPress : public ProjectRelease, public ::testing::WithParamInterface<PressOfAButton>
{
};

} // namespace

// A box opened straight from the user's click or key, the closing comes due
// twice while it is up: both wait until the box has returned, and the
// window closes once, its project saved.
TEST_P(ProjectReleaseInsideABoxOfAPress, ClosingsDueInsideTheBoxWaitForItToReturn)
{
    if (!openExample())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int segments = window->projectManager()->segmentCount();
    auto* button = new QPushButton(QStringLiteral("Ask"), window);
    button->setGeometry(window->width() / 2, window->height() / 2, 120, 40);
    button->show();
    button->raise();
    bool boxReturned = false;
    QObject::connect(button, &QPushButton::clicked, [&] {
        Util::showMessageBox(window.data(), QStringLiteral("Question"), QStringLiteral("A box of the click"),
                             QMessageBox::Question);
        boxReturned = true;
    });
    EventCounter hides(window, QEvent::Hide);
    ClosingInsideABox closing(window, 2, QStringLiteral("OK"));

    GetParam().press(window, button);
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxReturned; }, 20000)) << "the press never opened the box";
    EXPECT_TRUE(closing.cameDue);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull() || !window->projectManager(); }, 30000))
        << "the window never closed";
    EXPECT_FALSE(closing.releasedUnderABox) << "the project was released while the box was up";
    outliveTheRelease();
    EXPECT_EQ(hides.count, 1) << "the window closed more than once";
    EXPECT_EQ(savedSegments(projectFile(QStringLiteral("project.xml"))), segments);
}

INSTANTIATE_TEST_SUITE_P(Presses, ProjectReleaseInsideABoxOfAPress, ::testing::ValuesIn(kPresses),
                         [](const auto& info) { return std::string(info.param.name); });

// Save & Close cannot write the folder and asks whether to close without
// saving; a closing that comes due while that box is up waits for the
// answer, and the window closes once, its folder as it was.
TEST_F(ProjectRelease, AClosingDueInsideTheFailedSavesBoxWaitsForTheAnswer)
{
    if (!openExample())
        GTEST_SKIP() << "no OpenGL context for the preview";
    const int segments = savedSegments(projectFile(QStringLiteral("project.xml")));
    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Add Text")));
    ImmutableFolder locked(ProjectManager::projectDirectory(kProject, kFolder));
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    EventCounter hides(window, QEvent::Hide);
    ClosingInsideABox closing(window, 1, QStringLiteral("Close Without Saving"));

    ASSERT_TRUE(triggerEntry(window, QStringLiteral("Save && Close")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull() || !window->projectManager(); }, 30000))
        << "the window never closed";
    EXPECT_TRUE(closing.cameDue) << "the failed save asked nothing";
    EXPECT_FALSE(closing.releasedUnderABox) << "the project was released while the box was up";
    outliveTheRelease();
    EXPECT_EQ(hides.count, 1) << "the window closed more than once";
    locked.lift();
    EXPECT_EQ(savedSegments(projectFile(QStringLiteral("project.xml"))), segments);
}
