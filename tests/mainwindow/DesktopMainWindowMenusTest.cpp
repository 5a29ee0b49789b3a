#include "DesktopMainWindow.h"

#include "IsolatedSettings.h"
#include "LayerSegment.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "OpeningWindow.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentInspectorWidget.h"
#include "Util.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

// The desktop window with its hooks opened to the tests; the commands the
// menus reach are counted, and the "Add Transition" submenu is a plain
// menu parented as the real one will be.
class MenusWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_dismissAllPopupsAndPreview;
    using DesktopMainWindow::_dismissEditingPanels;
    using DesktopMainWindow::_dockPanelWidget;
    using DesktopMainWindow::_undockPanelWidget;
    using DesktopMainWindow::_seekToEditingTransition;
    using DesktopMainWindow::segmentInspectorWidget_onEnterEditTransition;
    using DesktopMainWindow::segmentInspectorWidget_onExitEditTransition;
    using DesktopMainWindow::setupWindowWidgets;
    using DesktopMainWindow::_enterCropMode;
    using DesktopMainWindow::_enterDrawingMode;
    using DesktopMainWindow::_enterEditingMode;
    using DesktopMainWindow::_isEditingTransitions;
    using DesktopMainWindow::_restoreToolbarScrollPosition;
    using DesktopMainWindow::_saveToolbarScrollPosition;
    using DesktopMainWindow::_updateTransitionToolbarState;
    using DesktopMainWindow::onActionViewMediaExplorerTriggered;
    using DesktopMainWindow::onActionViewSegmentInspectorTriggered;
    using DesktopMainWindow::saveLayout;

    QAction* editTransitionAction() const { return _actionEnterExitEditingTransition; }
    QAction* addTransitionAction() const { return _actionAddTransition; }
    QMenu* transitionMenu() const { return _transitionMenuBarMenu; }
    int inspectorAreaSize() const { return _inspectorAreaSize; }
    int mediaAreaSize() const { return _mediaAreaSize; }
    void setMediaAreaSize(int size) { _mediaAreaSize = size; }
    int previewAreaSize() const { return _previewAreaSize; }
    int previewSizeLevel() const { return _previewSizeLevel; }
    void setPreviewSizeLevel(int level) { _previewSizeLevel = level; }
    void setInspector(SegmentInspectorWidget* inspector) { _segmentInspectorWidget = inspector; }
    QSplitter* splitter(const char* name) const { return findChild<QSplitter*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QString::fromLatin1(name)); }

    // Shows the window until its preview has a surface; false without one.
    // Events processed before that would meet a preview still waiting.
    bool showWithPreview()
    {
        show();
        return waitFor([this] { return _previewWidget && _previewWidget->isValid(); }, 10000);
    }
    bool waitUntilOpen()
    {
        return waitFor([this] { return _waitingHUD == nullptr; }, 60000);
    }
    int editTransitionCommands = 0;
    QStringList commands;
    bool segmentAtHand = false;
    QList<QPointer<QMenu>> submenus;

protected:
    void onActionEnterExitEditingTransitionTriggered() override { ++editTransitionCommands; }
    void _segmentEditingEnterEditTransition() override { commands << QStringLiteral("enter"); }
    void _segmentEditingExitEditTransition() override { commands << QStringLiteral("exit"); }
    void _seekToTransition(int id, bool beginOrEnd) override
    {
        commands << QStringLiteral("seek %1 %2").arg(id).arg(beginOrEnd);
    }
    QMenu* _contextMenuForSegment(QWidget* parent) override
    {
        if (!segmentAtHand)
            return nullptr;
        auto* menu = new QMenu(parent);
        menu->addAction(QStringLiteral("Fade In"));
        submenus.append(menu);
        return menu;
    }
};

class DesktopMainWindowMenus : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

// One expected entry: its text (empty for a separator), shortcut, enabled
// state and whether it is checkable.
struct Entry
{
    QString text;
    QKeySequence shortcut;
    bool enabled = true;
    bool checkable = false;
};

Entry sep()
{
    return Entry{};
}

Entry on(const char* text, const QKeySequence& shortcut = QKeySequence())
{
    return Entry{QString::fromUtf8(text), shortcut, true, false};
}

Entry off(const char* text, const QKeySequence& shortcut = QKeySequence())
{
    return Entry{QString::fromUtf8(text), shortcut, false, false};
}

Entry check(const char* text)
{
    return Entry{QString::fromUtf8(text), QKeySequence(), true, true};
}

void expectEntries(QMenu* menu, const std::vector<Entry>& expected)
{
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), int(expected.size())) << menu->title().toStdString();
    for (int i = 0; i < actions.size(); ++i) {
        const Entry& entry = expected[size_t(i)];
        QAction* action = actions[i];
        const std::string where = (menu->title() + " #" + QString::number(i)).toStdString();
        if (entry.text.isEmpty()) {
            EXPECT_TRUE(action->isSeparator()) << where;
            continue;
        }
        EXPECT_EQ(action->text(), entry.text) << where;
        EXPECT_EQ(action->shortcut(), entry.shortcut) << where;
        EXPECT_EQ(action->isEnabled(), entry.enabled) << where;
        EXPECT_EQ(action->isCheckable(), entry.checkable) << where;
    }
}

QKeySequence keys(const char* text)
{
    return QKeySequence(QString::fromLatin1(text));
}

} // namespace

TEST_F(DesktopMainWindowMenus, TheMenuBarHoldsSevenMenusWithTheirEntriesInOrder)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"File", "Edit", "View", "Segment", "Transition", "Movie", "Help"}));
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions())
        EXPECT_EQ(action->menu()->parent(), &window);

    expectEntries(menuTitled(bar, "File"), {on("Save && Close")});
    expectEntries(menuTitled(bar, "Edit"), {on("Undo", QKeySequence::Undo), on("Redo", QKeySequence::Redo), sep(),
                                            on("Enter Range Selection", keys("Ctrl+R")), sep(),
                                            on("Toggle Insert/Overwite Mode", keys("Alt+I"))});
    expectEntries(menuTitled(bar, "View"), {check("Media Explorer"), check("Segment Inspector"), sep(),
                                            on("Toggle Fullscreen", keys("Ctrl+Shift+H"))});
    expectEntries(menuTitled(bar, "Segment"),
                  {on("Add File...", keys("Ctrl+Shift+F")), on("Add from Camera...", keys("Ctrl+Shift+C")),
                   on("Add from Microphone...", keys("Ctrl+Shift+M")), on("Add Text", keys("Ctrl+Shift+T")),
                   on("Add Self-Draw", keys("Ctrl+Shift+S")), sep(), off("Edit", keys("Ctrl+E")),
                   off("Duplicate", keys("Ctrl+D")), off("Remove"), sep(), off("Split", keys("Ctrl+L"))});
    expectEntries(menuTitled(bar, "Transition"), {off("Add Transition"), off("Duplicate", keys("Ctrl+Shift+D")),
                                                  off("Delete"), sep(), off("Edit Transition", keys("Ctrl+T"))});
    expectEntries(menuTitled(bar, "Movie"), {on("Play/Pause", QKeySequence(Qt::Key_Space)),
                                             on("Next Position", keys("Ctrl+Right")),
                                             on("Previous Position", keys("Ctrl+Left")), sep(), on("Export && Share"),
                                             sep(), on("Configuration...")});
    QMenu* help = menuTitled(bar, "Help");
    expectEntries(help, {on("Vidorna Help"), on("Get Vidorna on Smartphones"), sep(), on("About Vidorna")});
    EXPECT_EQ(help->actions().last()->menuRole(), QAction::AboutRole);
    EXPECT_EQ(menuTitled(bar, "Movie")->actions().last()->menuRole(), QAction::NoRole);
    EXPECT_EQ(window.transitionMenu(), menuTitled(bar, "Transition"));
}

TEST_F(DesktopMainWindowMenus, WindowShortcutsWorkWithTheMenuBarHidden)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    // Keys wait until the project is open.
    if (!window.showWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.menuBar()->hide();
    QSignalSpy triggered(window.editTransitionAction(), &QAction::triggered);

    // Disabled as created: the shortcut reaches nothing.
    QTest::keySequence(&window, keys("Ctrl+T"));
    EXPECT_EQ(window.editTransitionCommands, 0);

    window.editTransitionAction()->setEnabled(true);
    QTest::keySequence(&window, keys("Ctrl+T"));
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(window.editTransitionCommands, 1);
    // Every menu command except the submenu holder is one of the window's own actions.
    const QList<QAction*> own = window.actions();
    for (QAction* action : window.transitionMenu()->actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_EQ(own.contains(action), action != window.addTransitionAction()) << action->text().toStdString();
    }
}

TEST_F(DesktopMainWindowMenus, AddTransitionGetsAFreshSubmenuAtEveryOpeningAndTheOldOneGoes)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    QMenu* menu = window.transitionMenu();

    emit menu->aboutToShow();
    EXPECT_EQ(window.addTransitionAction()->menu(), nullptr);
    EXPECT_FALSE(window.addTransitionAction()->isEnabled());

    window.segmentAtHand = true;
    emit menu->aboutToShow();
    emit menu->aboutToShow();
    ASSERT_EQ(window.submenus.size(), 2);
    EXPECT_TRUE(window.submenus[0].isNull());
    EXPECT_EQ(window.addTransitionAction()->menu(), window.submenus[1].data());
    EXPECT_EQ(menu->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    // Taken out and put back before the transition "Duplicate".
    EXPECT_EQ(menu->actions().indexOf(window.addTransitionAction()), 0);
    EXPECT_EQ(menu->actions().value(1)->shortcut(), keys("Ctrl+Shift+D"));

    window.segmentAtHand = false;
    emit menu->aboutToShow();
    EXPECT_TRUE(window.submenus[1].isNull());
    EXPECT_EQ(window.addTransitionAction()->menu(), nullptr);
}

TEST_F(DesktopMainWindowMenus, ViewTogglesOpenAndCloseTheMediaAndInspectorAreas)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    window.show();
    QSplitter* top = window.splitter("topAreaSplitter");
    QSplitter* main = window.splitter("mainSplitter");
    QMenu* view = menuTitled(window.menuBar(), "View");
    QAction* media = view->actions().value(0);
    QAction* inspector = view->actions().value(1);
    const int available = QGuiApplication::primaryScreen()->availableGeometry().width();

    // The media area shuts and remembers its width.
    const int open = top->sizes().value(0);
    ASSERT_GT(open, 0);
    window.onActionViewMediaExplorerTriggered();
    EXPECT_EQ(top->sizes().value(0), 0);
    EXPECT_FALSE(media->isChecked());
    EXPECT_EQ(window.mediaAreaSize(), open);

    // Without a known width it reopens at four tenths of the screen.
    window.setMediaAreaSize(-1);
    window.onActionViewMediaExplorerTriggered();
    EXPECT_EQ(window.mediaAreaSize(), available * 4 / 10);
    EXPECT_NEAR(top->sizes().value(0), available * 4 / 10, 2);
    EXPECT_TRUE(media->isChecked());

    // A narrow remembered width reopens at the minimum.
    window.onActionViewMediaExplorerTriggered();
    window.setMediaAreaSize(200);
    window.onActionViewMediaExplorerTriggered();
    EXPECT_EQ(window.mediaAreaSize(), 350);
    EXPECT_NEAR(top->sizes().value(0), 350, 2);

    // The inspector area opens at its minimum and the View menu shows it.
    ASSERT_EQ(main->sizes().value(1), 0);
    window.onActionViewSegmentInspectorTriggered();
    EXPECT_NEAR(main->sizes().value(1), 300, 2);
    emit view->aboutToShow();
    EXPECT_TRUE(inspector->isChecked());
    EXPECT_TRUE(media->isChecked());

    // While a segment is edited it cannot be closed.
    main->setCollapsible(1, false);
    window.onActionViewSegmentInspectorTriggered();
    EXPECT_NEAR(main->sizes().value(1), 300, 2);
    main->setCollapsible(1, true);
    window.onActionViewSegmentInspectorTriggered();
    EXPECT_EQ(main->sizes().value(1), 0);
    emit view->aboutToShow();
    EXPECT_FALSE(inspector->isChecked());
}

TEST_F(DesktopMainWindowMenus, EasingNamesComeFromTheTransitionsCode)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    LayerSegment picture(nullptr);
    picture.setType(QStringLiteral("IMAGE"));
    picture.setRangeDuration(10);
    ASSERT_EQ(picture.addTransitionAtTime(1, 3), 1);

    EXPECT_EQ(window.easingFunctionName(&picture, 0), QStringLiteral("Linear"));
    const std::vector<std::pair<int, const char*>> names = {
        {1, "Linear"}, {2, "Smooth In"}, {4, "Smooth InOut"}, {7, "Circular InOut"},
        {8, "Back In"}, {12, "Elastic Out"}, {16, "Bounce InOut"}, {0, ""}, {17, ""}};
    for (const auto& [code, name] : names) {
        picture.setTransitionEasingFunction(1, code);
        EXPECT_EQ(window.easingFunctionName(&picture, 1), QString::fromLatin1(name)) << code;
    }
}

TEST_F(DesktopMainWindowMenus, SavedLayoutIsWhatTheNextWindowOpensWith)
{
    int inspectorSize = 0;
    int mediaSize = 0;
    int previewSize = 0;
    {
        MenusWindow window(kExample, kExamples);
        ASSERT_FALSE(window.isOpenFailed());
        window.show();
        window.onActionViewSegmentInspectorTriggered();
        QSplitter* main = window.splitter("mainSplitter");
        main->setSizes({main->sizes()[0] - 120, main->sizes()[1] + 120});
        emit main->splitterMoved(main->sizes()[0], 1);
        QSplitter* root = window.splitter("rootAreaSplitter");
        root->setSizes({root->sizes()[0] - 50, root->sizes()[1] + 50});
        emit root->splitterMoved(root->sizes()[0], 1);
        window.onActionViewMediaExplorerTriggered();
        window.setPreviewSizeLevel(2);
        inspectorSize = window.inspectorAreaSize();
        mediaSize = window.mediaAreaSize();
        previewSize = window.previewAreaSize();
        ASSERT_GT(inspectorSize, 300);
        ASSERT_NE(mediaSize, QGuiApplication::primaryScreen()->availableGeometry().width() * 4 / 10);
        ASSERT_GT(previewSize, 200);
        window.saveLayout();
    }
    MenusWindow reopened(kExample, kExamples);
    ASSERT_FALSE(reopened.isOpenFailed());
    EXPECT_EQ(reopened.inspectorAreaSize(), inspectorSize);
    EXPECT_EQ(reopened.mediaAreaSize(), mediaSize);
    EXPECT_EQ(reopened.previewAreaSize(), previewSize);
    EXPECT_EQ(reopened.previewSizeLevel(), 2);
    EXPECT_EQ(reopened.splitter("topAreaSplitter")->sizes().value(0), 0);
}

TEST_F(DesktopMainWindowMenus, EditingModesDisableTheControlBarAndReachTheInspector)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    const char* const buttons[] = {"playPauseButton", "undoButton", "projectSettingsButton", "shareButton"};
    // Without an inspector the modes still hold the control bar.
    window._enterCropMode(true);
    for (const char* name : buttons)
        EXPECT_FALSE(window.button(name)->isEnabled()) << name;
    EXPECT_TRUE(window.button("nextPosButton")->isEnabled());
    window._enterCropMode(false);
    for (const char* name : buttons)
        EXPECT_TRUE(window.button(name)->isEnabled()) << name;

    auto* inspector = new SegmentInspectorWidget(&window);
    window.setInspector(inspector);
    window._enterDrawingMode(true);
    EXPECT_TRUE(inspector->isEditingModeOn());
    EXPECT_EQ(inspector->editingModeTitle(), QStringLiteral("Drawing..."));
    EXPECT_EQ(inspector->editingMode(), 2);
    window._enterEditingMode(false);
    EXPECT_FALSE(inspector->isEditingModeOn());
    EXPECT_EQ(inspector->editingModeTitle(), QStringLiteral("Editing..."));
    EXPECT_EQ(inspector->editingMode(), 1);
    window._enterCropMode(true);
    EXPECT_EQ(inspector->editingModeTitle(), QStringLiteral("Cropping..."));
    EXPECT_EQ(inspector->editingMode(), 0);
}

TEST_F(DesktopMainWindowMenus, InspectorHooksFollowItsTransitionModeAndScrollOffset)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    window.show();
    // No inspector yet: nothing to answer, nothing stored.
    EXPECT_FALSE(window._isEditingTransitions());
    QHash<QString, QVariant> state;
    window._saveToolbarScrollPosition(state);
    EXPECT_TRUE(state.isEmpty());

    auto* inspector = new SegmentInspectorWidget(&window);
    inspector->resize(300, 400);
    inspector->show();
    window.setInspector(inspector);
    window._updateTransitionToolbarState();
    EXPECT_TRUE(window._isEditingTransitions());
    // Its sections' panel made tall enough to scroll.
    inspector->findChild<QScrollArea*>()->widget()->setFixedHeight(3000);
    QApplication::processEvents();

    inspector->setScrollPosition(640);
    window._saveToolbarScrollPosition(state);
    EXPECT_EQ(state.value("offset").toInt(), 640);
    inspector->setScrollPosition(0);
    window._restoreToolbarScrollPosition(state);
    EXPECT_EQ(inspector->scrollPosition(), 640);
    window._restoreToolbarScrollPosition({});
    EXPECT_EQ(inspector->scrollPosition(), 0);
}

TEST_F(DesktopMainWindowMenus, EscapeClosesAnOpenInspectorAreaLast)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    window.show();
    QSplitter* main = window.splitter("mainSplitter");
    EXPECT_FALSE(window._dismissAllPopupsAndPreview());
    window.onActionViewSegmentInspectorTriggered();
    ASSERT_GT(main->sizes().value(1), 0);
    EXPECT_TRUE(window._dismissAllPopupsAndPreview());
    EXPECT_EQ(main->sizes().value(1), 0);
    EXPECT_FALSE(window._dismissAllPopupsAndPreview());
}

TEST_F(DesktopMainWindowMenus, AnEditedSegmentShowsTheInspectorUntilTheEditingEnds)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    window.show();
    QSplitter* main = window.splitter("mainSplitter");
    QWidget* placeholder = window.findChild<QWidget*>(QStringLiteral("noEditingSegmentTextLabel"));
    QPushButton* hide = window.button("hideInspectorAreaButton");

    // Without an inspector the hook leaves the collapsed area alone.
    window.setupWindowWidgets(nullptr, 0.0f);
    EXPECT_EQ(main->sizes().value(1), 0);

    auto* inspector = new SegmentInspectorWidget(window.findChild<QWidget*>(QStringLiteral("inspectorAreaWidget")));
    inspector->hide();
    window.setInspector(inspector);
    LayerSegment picture(nullptr);
    window.setupWindowWidgets(&picture, 1.0f);
    EXPECT_EQ(inspector->segment(), &picture);
    EXPECT_TRUE(inspector->isVisible());
    EXPECT_TRUE(placeholder->isHidden());
    EXPECT_TRUE(hide->isHidden());
    EXPECT_NEAR(main->sizes().value(1), 300, 2);
    EXPECT_FALSE(main->isCollapsible(1));
    // The Hide button's way and the View menu's both leave it open now.
    window.onActionViewSegmentInspectorTriggered();
    EXPECT_NEAR(main->sizes().value(1), 300, 2);

    inspector->enterTransitionEditMode();
    window._dismissEditingPanels();
    EXPECT_TRUE(inspector->isHidden());
    EXPECT_FALSE(inspector->isTransitionEditMode());
    EXPECT_FALSE(placeholder->isHidden());
    EXPECT_FALSE(hide->isHidden());
    EXPECT_TRUE(main->isCollapsible(1));
    window.onActionViewSegmentInspectorTriggered();
    EXPECT_EQ(main->sizes().value(1), 0);
}

TEST_F(DesktopMainWindowMenus, ADockedPanelTakesTheControlBarsPlaceAndGivesItBack)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    window.show();
    QWidget* bar = window.findChild<QWidget*>(QStringLiteral("rightAreaControlWidget"));
    QWidget* rightArea = window.findChild<QWidget*>(QStringLiteral("rightAreaWidget"));
    auto* panel = new QWidget;
    window._dockPanelWidget(panel);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(panel->parentWidget(), rightArea);
    EXPECT_EQ(panel->minimumHeight(), 44);
    EXPECT_EQ(panel->maximumHeight(), 44);
    EXPECT_GE(rightArea->layout()->indexOf(panel), 0);

    window._undockPanelWidget(panel);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(rightArea->layout()->indexOf(panel), -1);
    delete panel;
}

TEST_F(DesktopMainWindowMenus, AboutVidornaRunsTheAboutDialogOverTheWindow)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    Util::setAboutDialogFactory([](QWidget* parent) { return new QDialog(parent); });
    QWidget* shownOver = nullptr;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        shownOver = dialog->parentWidget();
        ModalDialogAnswerer::reject()(dialog);
    });
    menuTitled(window.menuBar(), "Help")->actions().last()->trigger();
    Util::setAboutDialogFactory(nullptr);
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(shownOver, &window);
}

TEST_F(DesktopMainWindowMenus, SeekingToAnEditedTransitionPutsTheInspectorInTransitionModeFirst)
{
    MenusWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(window.waitUntilOpen());
    // No inspector: the seek goes at once.
    window._seekToEditingTransition(nullptr, 2, true);
    EXPECT_EQ(window.commands, QStringList({"seek 2 1"}));

    auto* inspector = new SegmentInspectorWidget(&window);
    window.setInspector(inspector);
    window.commands.clear();
    window._seekToEditingTransition(nullptr, 3, false);
    EXPECT_TRUE(inspector->isTransitionEditMode());
    EXPECT_EQ(window.commands, QStringList({"enter"}));
    // The delayed seek finds no tile in editing and is dropped.
    QTest::qWait(400);
    EXPECT_EQ(window.commands, QStringList({"enter"}));
    // Already in transition mode: straight to the seek.
    window._seekToEditingTransition(nullptr, 3, false);
    EXPECT_EQ(window.commands, QStringList({"enter", "seek 3 0"}));

    window.commands.clear();
    inspector->exitTransitionEditMode(nullptr);
    window.segmentInspectorWidget_onEnterEditTransition(inspector);
    EXPECT_TRUE(inspector->isTransitionEditMode());
    EXPECT_EQ(window.commands, QStringList({"enter"}));
    // Leaving needs a tile in editing; without one nothing changes.
    window.segmentInspectorWidget_onExitEditTransition(inspector);
    EXPECT_TRUE(inspector->isTransitionEditMode());
    EXPECT_EQ(window.commands, QStringList({"enter"}));
}
