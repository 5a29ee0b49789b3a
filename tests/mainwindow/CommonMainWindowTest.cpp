#include "CommonMainWindow.h"
#include "CustomMenuStyle.h"
#include "NavigationBar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QStyleFactory>

#include <gtest/gtest.h>

namespace {

class RecordingWindow : public CommonMainWindow
{
public:
    std::vector<std::pair<int, int>> calls; // hook number (0 other), command id

protected:
    void onNavigationCommand1(int id) override { calls.emplace_back(1, id); }
    void onNavigationCommand2(int id) override { calls.emplace_back(2, id); }
    void onNavigationCommand3(int id) override { calls.emplace_back(3, id); }
    void onNavigationCommandOther(int id) override { calls.emplace_back(0, id); }
};

} // namespace

TEST(CommonMainWindow, NavigationCommandsReachTheirHooks)
{
    RecordingWindow window;
    for (int id : {1, 2, 3, 0, 4, -1})
        window.onNavigationButtonClicked(id);
    const std::vector<std::pair<int, int>> expected{{1, 1}, {2, 2}, {3, 3}, {0, 0}, {0, 4}, {0, -1}};
    EXPECT_EQ(window.calls, expected);
}

TEST(CommonMainWindow, DoneButtonReplacesTheBarsButtons)
{
    RecordingWindow window;
    window.showDoneButton(); // without a bar: nothing to change, nothing to crash
    NavigationBar bar;
    bar.addButton(1, QStringLiteral("Back"));
    bar.addButton(3, QStringLiteral("Share"));
    window.setNavigationBar(&bar);
    window.showDoneButton();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QPushButton*> buttons = bar.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.first()->text(), QStringLiteral("Done"));
    QObject::connect(&bar, &NavigationBar::buttonClicked, &window, &CommonMainWindow::onNavigationButtonClicked);
    buttons.first()->click();
    ASSERT_EQ(window.calls.size(), 1u);
    EXPECT_EQ(window.calls.front(), std::make_pair(2, 2));
}

TEST(CustomMenuStyle, SmallIconsAre24AndTheRestProxied)
{
    auto* style = new CustomMenuStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyle* reference = QStyleFactory::create(QStringLiteral("Fusion"));
    QMenu menu;
    menu.setStyle(style);
    EXPECT_EQ(menu.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &menu), 24);
    EXPECT_NE(reference->pixelMetric(QStyle::PM_SmallIconSize), 24);
    for (auto metric : {QStyle::PM_MenuHMargin, QStyle::PM_MenuVMargin, QStyle::PM_LargeIconSize,
                        QStyle::PM_MenuPanelWidth, QStyle::PM_ToolBarIconSize})
        EXPECT_EQ(style->pixelMetric(metric), reference->pixelMetric(metric)) << metric;
    menu.setStyle(nullptr);
    delete style;
    delete reference;
}
