// The drawing tool strip driven by real clicks: the 200 ms command delay,
// selection and highlight, the remembered selection and the row layout.

#include "DrawingPanelsTestSupport.h"
#include "DrawingToolsWidget.h"
#include "IsolatedSettings.h"
#include "TooltipButton.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The strip's buttons in order: switch, pencil, the shape set, text, picture,
// undo, clear, save.
const std::vector<int> kStripOrder{10334, 10301, 10309, 10335, 10336, 10337, 10310, 10311, 10312, 10313,
                                   10316, 10317, 10314, 10315, 10318, 10319, 10320, 10321, 10324, 10325,
                                   10322, 10323, 10326, 10327, 10329, 10330, 10306, 10305, 10328};

class DrawingToolStripTest : public ::testing::Test {
protected:
    std::unique_ptr<DrawingToolsWidget> showStrip(int width = 700)
    {
        auto strip = std::make_unique<DrawingToolsWidget>(true);
        strip->resize(width, 200);
        strip->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
        return strip;
    }

    static std::vector<int> highlightedCommands(const DrawingToolsWidget& strip)
    {
        std::vector<int> ids;
        for (TooltipButton* button : strip.buttons()) {
            if (button->isHighlighted())
                ids.push_back(button->commandId);
        }
        return ids;
    }

    IsolatedSettings settings;
};

TEST_F(DrawingToolStripTest, EveryButtonSendsItsCommandAfterTheDelayAndOnlySelectablesMoveTheHighlight)
{
    auto strip = showStrip();
    std::vector<int> order;
    for (TooltipButton* button : strip->buttons())
        order.push_back(button->commandId);
    ASSERT_EQ(order, kStripOrder);
    QSignalSpy commands(strip.get(), &DrawingToolsWidget::drawingToolsWidgetOnCommand);
    int selected = 10301;
    for (TooltipButton* button : strip->buttons()) {
        const int id = button->commandId;
        SCOPED_TRACE(id);
        commands.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(commands.wait(5000)) << "the command never came";
        EXPECT_GE(clock.elapsed(), 200);
        ASSERT_EQ(commands.size(), 1);
        EXPECT_EQ(commands[0][1].toInt(), id);
        EXPECT_FLOAT_EQ(commands[0][2].toFloat(), 0.0f);
        const bool oneShot = id == 10305 || id == 10306 || id == 10328 || id == 10334;
        EXPECT_EQ(DrawingToolsWidget::isOneShotCommand(id), oneShot);
        if (!oneShot)
            selected = id;
        EXPECT_EQ(strip->selectedCommandId(), selected);
        EXPECT_EQ(highlightedCommands(*strip), std::vector<int>{selected});
    }
    saveArtefact(*strip, "drawing-tool-strip");
}

TEST_F(DrawingToolStripTest, TheSelectionIsRememberedAcrossStrips)
{
    {
        auto strip = showStrip();
        QSignalSpy commands(strip.get(), &DrawingToolsWidget::drawingToolsWidgetOnCommand);
        QTest::mouseClick(strip->buttons()[11], Qt::LeftButton);
        ASSERT_TRUE(commands.wait(5000)) << "the command never came";
        // A one-shot afterwards is never stored.
        QTest::mouseClick(strip->buttons()[27], Qt::LeftButton);
        ASSERT_TRUE(commands.wait(5000)) << "the command never came";
    }
    EXPECT_EQ(QSettings().value("DrawingToolsView/SelectedCmdId").toInt(), 10317);
    auto strip = showStrip();
    EXPECT_EQ(strip->selectedCommandId(), 10317);
    EXPECT_EQ(strip->buttons()[11]->toolTip(), "Filled Ellipse");
    EXPECT_EQ(highlightedCommands(*strip), std::vector<int>{10317});
}

TEST_F(DrawingToolStripTest, ButtonsWrapIntoRowsOfSquareCells)
{
    auto strip = showStrip(200);
    // Four 44-pixel cells fit in 200 pixels; 29 buttons make eight rows.
    EXPECT_EQ(strip->sizeForWidth(200), QSize(200, 7 * 44 + 43));
    EXPECT_EQ(strip->sizeForWidth(44 * 29), QSize(44 * 29, 43));
    EXPECT_EQ(strip->buttons()[3]->geometry(), QRect(132, 0, 44, 44));
    EXPECT_EQ(strip->buttons()[4]->geometry(), QRect(0, 44, 44, 44));
    EXPECT_EQ(strip->buttons()[28]->geometry(), QRect(0, 7 * 44, 44, 44));
    saveArtefact(*strip, "drawing-tool-strip-rows");
}

TEST_F(DrawingToolStripTest, IconsComeFromTheResourcesAndScaleToTheToolBarHeight)
{
    EXPECT_EQ(DrawingCommonToolsWidget::iconPath(10309), ":/images/drawing/line");
    EXPECT_EQ(DrawingCommonToolsWidget::selectedIconPath(10309), ":/images/drawing/line_");
    EXPECT_EQ(DrawingCommonToolsWidget::iconPath(10334), ":/images/drawing/");
    EXPECT_EQ(DrawingCommonToolsWidget::selectedIconPath(10334), ":/images/drawing/");
    EXPECT_EQ(DrawingCommonToolsWidget::iconPath(10338), ":/images/drawing/");
    EXPECT_EQ(DrawingCommonToolsWidget::commandToolTip(10337), "Arrow Line");
    EXPECT_EQ(DrawingCommonToolsWidget::commandToolTip(10300), "");
    auto strip = showStrip();
    for (TooltipButton* button : strip->buttons()) {
        SCOPED_TRACE(button->commandId);
        EXPECT_EQ(button->iconSize(), QSize(22, 22));
        EXPECT_FALSE(button->icon().isNull());
    }
    for (const char* name : {"pencil_rubber_switch", "freehand", "clear", "heart2", "save", "openPicture", "textOk"}) {
        EXPECT_FALSE(QPixmap(QString(":/images/drawing/") + name).isNull()) << name;
        EXPECT_FALSE(QPixmap(QString(":/images/drawing/") + name + "_").isNull()) << name;
    }
    // A wide picture keeps its aspect; a missing one takes the square box.
    EXPECT_EQ(strip->addButton(":/images/voice_audio_meter", "", 10307)->iconSize(), QSize(300 * 22 / 24, 22));
    EXPECT_EQ(strip->addButton(":/images/drawing/missing", "", 10307)->iconSize(), QSize(22, 22));
}

} // namespace
