#include "TimelineTestSupport.h"

#include "ScrollableToolBar.h"
#include "TextEditWidget.h"
#include "TooltipButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>

namespace {

const QString kIcon = ":/images/duplicate_opr";

// Runs action on the open popup menu as soon as one shows (bounded).
void onPopupMenu(const std::function<void(QMenu*)>& action)
{
    auto* poll = new QTimer;
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [poll, action, tries]() mutable {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu && ++tries < 200)
            return;
        poll->stop();
        poll->deleteLater();
        if (menu)
            action(menu);
    });
    poll->start(10);
}

} // namespace

class ToolBarTest : public TimelineFixture
{
protected:
    // A 44 px command button: a 22 px icon of a square picture and 20 px padding.
    ScrollableToolBar* barOf(int width)
    {
        auto* bar = new ScrollableToolBar(content);
        bar->setGeometry(0, 0, width, 44);
        bar->show();
        return bar;
    }
};

TEST_F(ToolBarTest, ButtonsAreSizedFromTheirIconsAndAMissingIconIsEmpty)
{
    ScrollableToolBar* bar = barOf(600);
    TooltipButton* first = bar->addButton(kIcon, kIcon, "First", 7, 0, true);
    TooltipButton* separator = bar->addIconButton(":/images/toolbar/tb_right_indicator", true);
    TooltipButton* missing = bar->addButton(":/images/no-such-picture", "", "Missing", 9, 0, true);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 42, 44));
    EXPECT_EQ(first->iconSize(), QSize(22, 22));
    EXPECT_EQ(separator->geometry(), QRect(42, 0, 30, 44));
    EXPECT_EQ(missing->geometry(), QRect(72, 0, 20, 44));
    EXPECT_EQ(bar->contentWidth(), 92);
    EXPECT_EQ(bar->buttonForCommand(7), first);
    EXPECT_EQ(first->commandId, 7);
    EXPECT_EQ(first->toolTip(), "First");
    bar->setButtonToolTip(9, "Renamed");
    EXPECT_EQ(missing->toolTip(), "Renamed");

    QSignalSpy clicks(bar, &ScrollableToolBar::scrollableToolBarButtonClicked);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(first, QPoint(20, 20)));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(1).toInt(), 7);

    bar->removeAllButtons();
    EXPECT_EQ(bar->buttonForCommand(7), nullptr);
    EXPECT_EQ(bar->buttonForCommand(9), nullptr);
    EXPECT_EQ(bar->contentWidth(), 0);
}

TEST_F(ToolBarTest, OverflowHidesWhatDoesNotFitWithTheSeparatorBeforeIt)
{
    ScrollableToolBar* roomy = barOf(600);
    roomy->setScrollingDisabled(true);
    for (int command = 1; command <= 4; ++command)
        roomy->addButton(kIcon, kIcon, QString("Command %1").arg(command), command, 0, true);
    EXPECT_EQ(roomy->overflowButton(), nullptr);
    EXPECT_FALSE(roomy->isOverflowActive());

    // 20 px of indicators leave 210: four 42 px buttons and the separator fit.
    ScrollableToolBar* bar = barOf(230);
    for (int command = 1; command <= 4; ++command)
        bar->addButton(kIcon, kIcon, QString("Command %1").arg(command), command, 0, true);
    TooltipButton* separator = bar->addIconButton(":/images/toolbar/tb_right_indicator", true);
    TooltipButton* untitled = bar->addButton(kIcon, kIcon, "", 6, 0, true);
    TooltipButton* last = bar->addButton(kIcon, kIcon, "Command 7", 7, 0, true);
    bar->setScrollingDisabled(true);
    ASSERT_TRUE(bar->isOverflowActive());
    ASSERT_NE(bar->overflowButton(), nullptr);
    EXPECT_TRUE(bar->overflowButton()->isVisible());
    EXPECT_EQ(bar->hiddenButtons(), (QList<TooltipButton*>{untitled, separator, last}));
    EXPECT_FALSE(separator->isVisible());
    EXPECT_TRUE(bar->buttonForCommand(4)->isVisible());

    QSignalSpy clicks(bar, &ScrollableToolBar::scrollableToolBarButtonClicked);
    QStringList listed;
    onPopupMenu([&](QMenu* menu) {
        for (QAction* action : menu->actions())
            listed << action->text();
        menu->setActiveAction(menu->actions().first());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      inWindow(bar->overflowButton(), QPoint(5, 5)));
    EXPECT_EQ(listed, (QStringList{"", "Command 7"}));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(1).toInt(), 6);

    bar->setScrollingDisabled(false);
    EXPECT_FALSE(bar->overflowButton()->isVisible());
    EXPECT_TRUE(separator->isVisible());
    EXPECT_TRUE(bar->hiddenButtons().isEmpty());
}

TEST_F(ToolBarTest, BarDeletedWhileItsMenuIsOpen)
{
    QPointer<ScrollableToolBar> bar = barOf(120);
    bar->setScrollingDisabled(true);
    for (int command = 1; command <= 4; ++command)
        bar->addButton(kIcon, kIcon, QString("Command %1").arg(command), command, 0, true);
    ASSERT_TRUE(bar->isOverflowActive());
    QSignalSpy clicks(bar.data(), &ScrollableToolBar::scrollableToolBarButtonClicked);
    bool menuShown = false;
    // A command handled meanwhile closes the panel that owns the bar.
    onPopupMenu([&](QMenu*) {
        menuShown = true;
        delete bar.data();
    });
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      inWindow(bar->overflowButton(), QPoint(5, 5)));
    EXPECT_TRUE(menuShown);
    EXPECT_TRUE(bar.isNull());
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(ToolBarTest, PlacementDockingDimmingAndFades)
{
    setAnimationsEnabled(false);
    ScrollableToolBar* bar = barOf(600);
    bar->placeAtBottom(44, 0);
    EXPECT_EQ(bar->geometry(), QRect(0, int(299 - 44 * 1.5), 1800, 44));
    bar->slideUp();
    EXPECT_TRUE(bar->isDocked());
    EXPECT_EQ(bar->pos(), QPoint(0, 299 - 44));
    bar->setDimmed();
    EXPECT_GT(bar->y(), 299 - 44);
    EXPECT_TRUE(bar->testAttribute(Qt::WA_TransparentForMouseEvents));
    bar->undim();
    EXPECT_EQ(bar->pos(), QPoint(0, 299 - 44));
    EXPECT_FALSE(bar->testAttribute(Qt::WA_TransparentForMouseEvents));
    bar->fadeOut();
    EXPECT_TRUE(bar->isHidden());
    bar->fadeIn();
    EXPECT_FALSE(bar->isHidden());

    setAnimationsEnabled(true);
    bar->fadeOut();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->isHidden(); }, 5000)) << "the bar never faded out";
    bar->fadeIn();
    EXPECT_TRUE(bar->isVisible());
    QPointer<ScrollableToolBar> guard(bar);
    bar->dismiss();
    ASSERT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 5000)) << "the dismissed bar never went";
}

TEST_F(ToolBarTest, TooltipBubbleFollowsTheHighlight)
{
    auto* button = new TooltipButton(kIcon, kIcon, content);
    button->setGeometry(100, 100, 40, 40);
    button->show();
    button->tooltipText = "Remove";
    button->showBubbleWhenHighlighted = true;
    button->setHighlighted(true);
    EXPECT_TRUE(button->isBubbleShown());
    button->setHighlighted(false);
    EXPECT_FALSE(button->isBubbleShown());

    // Unhighlighted before the delay ran out: no bubble.
    button->bubbleDelay = 100;
    button->setHighlighted(true);
    button->setHighlighted(false);
    // Past the delay: the bubble may not come.
    QTest::qWait(200);
    EXPECT_FALSE(button->isBubbleShown());
    button->setHighlighted(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->isBubbleShown(); }, 5000)) << "the bubble never came";

    button->setEnabled(false);
    EXPECT_FALSE(button->isHighlighted());
    EXPECT_FALSE(button->isBubbleShown());
    button->setChecked(true);
    button->setEnabled(true);
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(button->isHighlighted());
}

TEST_F(ToolBarTest, CornerMarkerIsWhiteOrBlueWhenHighlighted)
{
    auto* button = new TooltipButton(content);
    button->setFlat(true);
    button->setGeometry(0, 0, 40, 40);
    button->setCornerMarker(TooltipButton::BottomLeft);
    button->show();
    EXPECT_TRUE(nearColor(button->grab().toImage().pixel(6, 33), QColor(255, 255, 255), 10));
    button->setHighlighted(true);
    EXPECT_TRUE(nearColor(button->grab().toImage().pixel(6, 33), QColor(54, 200, 255), 10));
    EXPECT_FALSE(nearColor(button->grab().toImage().pixel(33, 6), QColor(54, 200, 255), 10));
}

TEST(TextEditWidget, PastesPlainTextAndFlagsIt)
{
    TextEditWidget edit;
    auto* rich = new QMimeData;
    rich->setHtml("<b>Bold</b> words");
    rich->setText("Bold words");
    QApplication::clipboard()->setMimeData(rich, QClipboard::Clipboard);
    edit.paste();
    QApplication::clipboard()->clear();
    EXPECT_EQ(edit.toPlainText(), "Bold words");
    EXPECT_TRUE(edit.isPasted());
    EXPECT_FALSE(edit.toHtml().contains("font-weight:600"));

    TextEditWidget other;
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml("<b>Bold</b>");
    QApplication::clipboard()->setMimeData(htmlOnly, QClipboard::Clipboard);
    other.paste();
    QApplication::clipboard()->clear();
    EXPECT_EQ(other.toPlainText(), "Bold");
    EXPECT_TRUE(other.toHtml().contains("font-weight:600"));
    EXPECT_FALSE(other.isPasted());
}
