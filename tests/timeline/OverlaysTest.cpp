#include "TimelineTestSupport.h"

#include "SegmentDraggingFrameWidget.h"
#include "SegmentDraggingOperationWidget.h"
#include "SelectionOperationWidget.h"
#include "TooltipButton.h"

#include <QPushButton>
#include <QSignalSpy>

using OverlaysTest = TimelineFixture;

TEST_F(OverlaysTest, OperationPanelHitsTenPixelsAroundItsButtons)
{
    setAnimationsEnabled(false);
    auto* panel = new SegmentDraggingOperationWidget(content);
    panel->showAtRect(content, QRect(0, 0, 1000, 300), false);
    // Right-aligned 20 px in, 10 px above the bottom.
    EXPECT_EQ(panel->geometry(), QRect(1000 - 1 - 20 - 180, 299 - 10 - 60, 180, 60));
    const QRect trash = panel->trashButton()->geometry();
    EXPECT_EQ(panel->hitTest(QPoint(trash.right() + 10, trash.center().y())), 1);
    EXPECT_TRUE(panel->trashButton()->isHighlighted());
    EXPECT_EQ(panel->hitTest(QPoint(trash.right() + 11, trash.center().y())), -1);
    EXPECT_FALSE(panel->trashButton()->isHighlighted());
    const QRect duplicate = panel->duplicateButton()->geometry();
    EXPECT_EQ(panel->hitTest(QPoint(duplicate.center().x(), duplicate.top() - 10)), 0);
    EXPECT_TRUE(panel->duplicateButton()->isHighlighted());
    EXPECT_EQ(panel->trashButton()->tooltipText, "Remove");

    panel->showAtRect(content, QRect(0, 0, 1000, 300), true);
    EXPECT_EQ(panel->size(), QSize(100, 60));
    // Where the duplicate button was, only the remove button can be hit.
    EXPECT_NE(panel->hitTest(duplicate.center()), 0);
    EXPECT_FALSE(panel->duplicateButton()->isHighlighted());
    EXPECT_EQ(panel->hitTest(panel->trashButton()->geometry().center()), 1);
}

TEST_F(OverlaysTest, OperationPanelSlidesUpFromTheBottom)
{
    auto* panel = new SegmentDraggingOperationWidget(content);
    panel->showAtRect(content, QRect(0, 0, 1000, 300), false);
    EXPECT_EQ(panel->y(), 299);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->y() == 299 - 70; }, 5000)) << "the panel never slid up";
}

TEST_F(OverlaysTest, SelectionBarCentresItselfAndReportsItsCommands)
{
    auto* bar = new SelectionOperationWidget(content);
    bar->show();
    bar->updatePosition(content);
    EXPECT_EQ(bar->geometry(), QRect((1800 - 350) / 2, 300 - 30 - 45, 350, 45));
    QSignalSpy commands(bar, &SelectionOperationWidget::selectionOperationWidgetCommandClicked);
    for (QPushButton* button : {bar->deleteButton(), bar->cancelSelectionButton(), bar->insertBlankButton()})
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(button, QPoint(5, 5)));
    ASSERT_EQ(commands.count(), 3);
    EXPECT_EQ(commands.at(0).at(1).toInt(), 2);
    EXPECT_EQ(commands.at(1).at(1).toInt(), 0);
    EXPECT_EQ(commands.at(2).at(1).toInt(), 1);
    EXPECT_EQ(bar->insertBlankButton()->text(), "Insert blank");
}

TEST_F(OverlaysTest, DropFrameIsAThreePixelRoundedFrame)
{
    auto* frame = new SegmentDraggingFrameWidget(QColor(255, 255, 0, 204), content);
    frame->setGeometry(0, 0, 100, 44);
    frame->setStyleSheet("background-color: transparent;");
    frame->show();
    const QImage picture = frame->grab().toImage();
    EXPECT_EQ(qAlpha(picture.pixel(1, 22)), 204);
    EXPECT_EQ(qRed(picture.pixel(1, 22)) * 255 / 204, 255);
    EXPECT_EQ(qAlpha(picture.pixel(2, 22)), 204);
    EXPECT_EQ(qAlpha(picture.pixel(4, 22)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(50, 22)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(98, 22)), 204);
}
