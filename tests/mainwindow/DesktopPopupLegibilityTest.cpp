#include "DesktopMainWindow.h"

#include "AssetLoadingThreadPool.h"
#include "CommonPopup.h"
#include "IsolatedSettings.h"
#include "OpeningWindow.h"
#include "ProjectTestSupport.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

const QString kExample = QStringLiteral("5-4-3-2-1-0");
const QString kExamples = QStringLiteral("Examples");

class LegibilityWindow : public DesktopMainWindow
{
public:
    using DesktopMainWindow::DesktopMainWindow;

    CommonPopup* popup() const { return qobject_cast<CommonPopup*>(_currentPopup.data()); }
    bool showOpened()
    {
        resize(1600, 900);
        show();
        return waitFor([this] { return _previewWidget && _previewWidget->isValid() && !_waitingHUD; }, 60000)
               && waitFor([] { return AssetLoadingThreadPool::instance()->activeThreadCount() == 0; }, 30000);
    }
};

// Relative luminance as the web's contrast rules define it.
double luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a widget shows in the window's picture: the colour most of its area
// has (what lies behind its text) and the pixel that stands out most from it.
struct Ink
{
    QRgb background = 0;
    QRgb text = 0;
};

Ink inkOf(const QImage& shot, QWidget* window, QWidget* widget)
{
    const QRect area = QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()) & shot.rect();
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    Ink ink;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            ink.background = colour;
        }
    }
    for (const auto& entry : counts)
        if (contrast(entry.first, ink.background) > contrast(ink.text, ink.background))
            ink.text = entry.first;
    return ink;
}

QMenu* menuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

QAction* actionTitled(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

class DesktopPopupLegibility : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(ProjectManager::copyExampleProjects()); }

    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(DesktopPopupLegibility, TheExportPopupFromTheMovieMenuShowsLightTextOnItsDarkPanel)
{
    LegibilityWindow window(kExample, kExamples);
    ASSERT_FALSE(window.isOpenFailed());
    if (!window.showOpened())
        GTEST_SKIP() << "no OpenGL context for the preview";
    actionTitled(menuTitled(window.menuBar(), QStringLiteral("Movie")), QStringLiteral("Export && Share"))->trigger();
    ASSERT_NE(window.popup(), nullptr);
    QTest::qWait(400);
    const QImage shot = window.grab().toImage();
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    shot.save(QStringLiteral(VIDORNA_ARTEFACT_DIR "/desktop-export-popup.png"));
    for (const char* name : {"resolutionLabel", "resolutionDetailLabel", "label540p", "label720p", "label1080p",
                             "label2k", "label4k", "frameRateLabel", "frameRateButton", "videoCodecLabel",
                             "videoCodecButton", "nameLabel", "nameLineEdit", "locationLabel", "locationValueLabel",
                             "exportButton"}) {
        QWidget* widget = window.popup()->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        const Ink ink = inkOf(shot, &window, widget);
        EXPECT_GT(luminance(ink.text), luminance(ink.background)) << name;
        EXPECT_GE(contrast(ink.text, ink.background), 4.5) << name;
    }
}
