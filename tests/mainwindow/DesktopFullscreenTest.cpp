#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "EditScrollArea.h"
#include "FullscreenControlWidget.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"

#include <QApplication>
#include <QBoxLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The desktop window with its full-screen state opened to the tests.
class FullscreenWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::_currentScrollTime;
    using DesktopMainWindow::_dismissAllPopupsAndPreview;
    using DesktopMainWindow::_togglePlayback;

    bool isFullScreenMode() const { return _fullScreen; }
    bool playing() const { return _playing; }
    bool ready() const { return _waitingHUD == nullptr; }
    AVGLWidget* preview() const { return _previewWidget; }
    QWidget* previewArea() const { return _previewArea; }
    EditScrollArea* timeline() const { return _timeline; }
    FullscreenControlWidget* bar() const { return findChild<FullscreenControlWidget*>(); }
    QSplitter* mainSplitter() const { return findChild<QSplitter*>(QStringLiteral("mainSplitter")); }
    QBoxLayout* rightAreaLayout() const { return findChild<QBoxLayout*>(QStringLiteral("rightAreaVerticalLayout")); }
};

class DesktopFullscreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ProjectManager::copyExampleProjects());
        window = new FullscreenWindow(QStringLiteral("5-4-3-2-1-0"), QStringLiteral("Examples"));
        ASSERT_FALSE(window->isOpenFailed());
        window->show();
        if (!waitFor([this] { return window->preview() != nullptr; }, 5000) || !window->preview()->isValid())
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_TRUE(waitFor([this] { return window->ready(); }, 60000));
        QApplication::setActiveWindow(window);
    }

    void TearDown() override { delete window; }

    void pressToggleShortcut()
    {
        QTest::keyClick(window, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();
    }

    // The bar centred, 100 px above the bottom of the central widget.
    void expectBarPlaced()
    {
        FullscreenControlWidget* bar = window->bar();
        ASSERT_NE(bar, nullptr);
        const QWidget* central = window->centralWidget();
        const QPoint topLeft = bar->mapTo(window->centralWidget(), QPoint(0, 0));
        EXPECT_EQ(topLeft.x(), (central->width() - bar->width()) / 2);
        EXPECT_EQ(topLeft.y() + bar->height(), central->height() - 100);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    FullscreenWindow* window = nullptr;
};

} // namespace

TEST_F(DesktopFullscreenTest, ShortcutMovesThePreviewIntoTheScreenAndBack)
{
    QWidget* area = window->previewArea();
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());
    EXPECT_EQ(area->parentWidget(), window->centralWidget());
    EXPECT_TRUE(window->mainSplitter()->isHidden());
    EXPECT_TRUE(window->menuBar()->isHidden());
    EXPECT_TRUE(window->isFullScreen());
    // Without a window manager the screen-filling size may never come: the
    // placement is checked against whatever size the window has.
    QCoreApplication::processEvents();
    expectBarPlaced();
    EXPECT_TRUE(window->bar()->isVisible());

    for (const QSize& size : {QSize(1280, 720), QSize(1600, 900)}) {
        window->resize(size);
        ASSERT_TRUE(waitFor([&] { return window->centralWidget()->width() == size.width(); }, 3000));
        expectBarPlaced();
    }

    // The menu bar is gone; the shortcut still reaches the window.
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->bar(), nullptr);
    EXPECT_EQ(window->rightAreaLayout()->indexOf(area), 0);
    EXPECT_FALSE(window->mainSplitter()->isHidden());
    EXPECT_FALSE(window->menuBar()->isHidden());
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(DesktopFullscreenTest, RefusedWhileTheWaitingOverlayIsUp)
{
    window->showWaitingHUD(QStringLiteral("busy"));
    pressToggleShortcut();
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_EQ(window->bar(), nullptr);
    window->hideWaitingHUD();
    pressToggleShortcut();
    EXPECT_TRUE(window->isFullScreenMode());
}

TEST_F(DesktopFullscreenTest, SliderSeekAndPauseReachThePlayback)
{
    pressToggleShortcut();
    FullscreenControlWidget* bar = window->bar();
    ASSERT_NE(bar, nullptr);
    const float duration = window->projectManager()->duration();
    ASSERT_GT(duration, 1.0f);

    emit bar->seekToPosition(50);
    // Within one timeline pixel of half the length.
    EXPECT_NEAR(window->_currentScrollTime(), duration / 2.0f, 0.05f);

    window->_togglePlayback();
    ASSERT_TRUE(waitFor([this] { return window->playing(); }, 5000));
    bool wasPlaying = false;
    emit bar->pauseIfPlaying(wasPlaying);
    EXPECT_TRUE(wasPlaying);
    EXPECT_TRUE(waitFor([this] { return !window->playing(); }, 5000));
    emit bar->pauseIfPlaying(wasPlaying);
    EXPECT_FALSE(wasPlaying);
}

TEST_F(DesktopFullscreenTest, DismissalLeavesFullScreenThenRangeSelectionThenTheTileEditing)
{
    auto tiles = window->timeline()->findChildren<SegmentWidget*>();
    ASSERT_FALSE(tiles.isEmpty());
    SegmentWidget* tile = tiles.first();
    window->timeline()->setSelectedSegmentWidget(tile);
    tile->setEditing(true, false);
    window->timeline()->setRangeSelectionMode(true);
    pressToggleShortcut();
    ASSERT_TRUE(window->isFullScreenMode());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->isFullScreenMode());
    EXPECT_TRUE(window->timeline()->isRangeSelectionMode());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(window->timeline()->isRangeSelectionMode());
    EXPECT_TRUE(tile->isEditing());

    EXPECT_TRUE(window->_dismissAllPopupsAndPreview());
    EXPECT_FALSE(tile->isEditing());

    window->timeline()->setSelectedSegmentWidget(nullptr);
    EXPECT_FALSE(window->_dismissAllPopupsAndPreview());
}
