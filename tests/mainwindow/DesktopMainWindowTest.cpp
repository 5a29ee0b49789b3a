#include "DesktopMainWindow.h"

#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProgressHUD.h"
#include "ProjectTestSupport.h"
#include "Util.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>

#include <gtest/gtest.h>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

// The desktop window with its protected state opened to the tests.
class DesktopWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;
    using DesktopMainWindow::createTaskbarProgress;
    using DesktopMainWindow::hideTaskbarProgress;
    using DesktopMainWindow::setTaskbarProgressValue;

    ProgressHUD* waitingHUD() const { return _waitingHUD; }
    int previewSizeLevel() const { return _previewSizeLevel; }
    float previewScale() const { return _previewScale; }
    AVGLWidget* preview() const { return _previewWidget; }

    template <typename T>
    T* part(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }
    QSplitter* splitter(const char* name) const { return part<QSplitter>(name); }
    QPushButton* button(const char* name) const { return part<QPushButton>(name); }
};

class DesktopMainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(DesktopMainWindowTest, TheExampleOpensInTheFormAndIsFoundAsTheEditorWindow)
{
    DesktopWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    EXPECT_EQ(window.objectName(), QStringLiteral("DesktopMainWindow"));
    EXPECT_EQ(window.windowTitle(), kExample);
    window.show();
    EXPECT_EQ(Util::mainWindow(), window.centralWidget());
    for (const char* name : {"mainSplitter", "rootAreaSplitter", "topAreaSplitter"})
        EXPECT_NE(window.splitter(name), nullptr) << name;
    for (const char* name : {"previewScaleButton", "previewQualityButton", "fullscreenButton", "previousPosButton",
                             "playPauseButton", "nextPosButton", "undoButton", "projectSettingsButton", "shareButton",
                             "hideInspectorAreaButton"})
        EXPECT_NE(window.button(name), nullptr) << name;
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(waitFor([&] { return window.waitingHUD() == nullptr; }, 60000));
    EXPECT_GT(window.projectManager()->segmentCount(), 0);
    // The preview surface fills the playback area inside the preview area.
    QWidget* playback = window.part<QWidget>("playbackWidget");
    EXPECT_EQ(window.preview()->parentWidget(), playback);
    EXPECT_EQ(playback->parentWidget(), window.part<QWidget>("previewAreaWidget"));
}
