#include "DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "PopupProjectSettingsWidget.h"
#include "ProjectTestSupport.h"
#include "TimelineMetrics.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

class EventsWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using MainWindow::_fullScreen;
    AVGLWidget* preview() const { return _previewWidget; }
    bool openedWithPreview()
    {
        resize(1600, 900);
        show();
        return QTest::qWaitForWindowExposed(this)
            && waitFor([this] { return _previewWidget && _previewWidget->isValid() && !_waitingHUD; }, 60000);
    }
};

class DesktopWindowEventsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

// The track headers stand at the timeline's left edge, as wide as its
// margin and short of its scroll bar, and follow it when it resizes.
TEST_F(DesktopWindowEventsTest, TheGutterFollowsTheTimeline)
{
    EventsWindow window(kExample, kExamples);
    if (!window.openedWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    auto* timeline = window.findChild<EditScrollArea*>();
    auto* gutter = window.findChild<GutterScrollArea*>();
    ASSERT_NE(timeline, nullptr);
    ASSERT_NE(gutter, nullptr);
    const auto expected = [&] {
        return QRect(timeline->x(), timeline->y(), TimelineMetrics::leftMargin(), timeline->height() - 15);
    };
    EXPECT_TRUE(waitFor([&] { return gutter->geometry() == expected(); }, 3000));
    window.resize(1400, 700);
    EXPECT_TRUE(waitFor([&] { return timeline->height() < 400 && gutter->geometry() == expected(); }, 3000))
        << timeline->height();
}

// A double click on the picture switches to full screen and back.
TEST_F(DesktopWindowEventsTest, DoubleClickOnThePreviewTogglesFullScreen)
{
    EventsWindow window(kExample, kExamples);
    if (!window.openedWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    QTest::mouseDClick(window.preview(), Qt::LeftButton);
    EXPECT_TRUE(window._fullScreen);
    QTest::qWait(200);
    QTest::mouseDClick(window.preview(), Qt::LeftButton);
    EXPECT_FALSE(window._fullScreen);
}

// The settings button opens the project settings beside it; finishing
// applies and closes it.
TEST_F(DesktopWindowEventsTest, ProjectSettingsOpenFromTheirButtonAndFinishing)
{
    EventsWindow window(kExample, kExamples);
    if (!window.openedWithPreview())
        GTEST_SKIP() << "no OpenGL context for the preview";
    window.findChild<QPushButton*>(QStringLiteral("projectSettingsButton"))->click();
    auto* popup = qobject_cast<PopupProjectSettingsWidget*>(window.currentPopup());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->presentationMode(), 3);
    EXPECT_EQ(popup->resolution(), window.projectManager()->resolution());
    emit popup->popupProjectSettingsWidgetDidFinish(popup);
    EXPECT_TRUE(waitFor([&] { return window.currentPopup() == nullptr; }, 3000));
}
