#include "AnimatedLabel.h"
#include "CommonPopupHelpTipWidget.h"
#include "IsolatedSettings.h"
#include "TipManager.h"
#include "WidgetTestSupport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>

namespace {

// An editor window with a widget to point at, over an isolated settings store.
class HelpTips : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setOrganizationName("Peltrane");
        QCoreApplication::setApplicationName("Vidorna");
        anchor = new QPushButton("Segment", &host);
        host.showFocused(QSize(1200, 800));
    }

    CommonPopupHelpTipWidget* shownTip(TipManager& manager)
    {
        return qobject_cast<CommonPopupHelpTipWidget*>(manager.currentTip());
    }

    int balloonsOnScreen()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return host.findChildren<PopupMainWidget*>().size();
    }

    IsolatedSettings isolated;
    HostWindow host;
    QPushButton* anchor = nullptr;
};

TEST_F(HelpTips, GotItFinishesTheTipForGoodAndOnlyItCloses)
{
    anchor->setGeometry(400, 600, 100, 40);
    TipManager manager;
    ASSERT_TRUE(manager.showTipDelayed("SegmentOperationDoubleTapTip", anchor, &host, 0));
    CommonPopupHelpTipWidget* tip = shownTip(manager);
    ASSERT_NE(tip, nullptr);
    PopupMainWidget* balloon = tip->panel();
    // Above the anchor's top edge, arrow down onto its middle.
    EXPECT_EQ(balloon->geometry(), QRect(450 - 150, 600 - 260, 300, 260));
    EXPECT_EQ(balloon->arrowSide(), PopupArrowBottom);
    EXPECT_EQ(balloon->mapTo(&host, balloon->arrowPoint()), QPoint(450, 600));
    EXPECT_EQ(tip->helpTextLabel()->text(),
              "Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.");
    EXPECT_EQ(tip->okButton()->text(), "Got it");
    // The picture starts after its delay.
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip->animatedLabel()->movie()->state() == QMovie::Running; }, 5000))
        << "the tip's picture never started";
    const QSize picture = tip->animatedLabel()->movie()->scaledSize();
    EXPECT_NEAR(double(picture.width()) / picture.height(), 795.0 / 391, 0.02);

    // Escape and clicks beside the balloon leave it; those reach the window.
    QTest::keyClick(host.edit, Qt::Key_Escape);
    const int presses = host.presses;
    clickWindowAt(host, QPoint(1000, 100));
    EXPECT_EQ(host.presses, presses + 1);
    EXPECT_TRUE(manager.isShowingTip());

    clickWindowAt(host, tip->okButton()->mapTo(&host, tip->okButton()->rect().center()));
    EXPECT_FALSE(manager.isShowingTip());
    EXPECT_EQ(balloonsOnScreen(), 0);
    EXPECT_TRUE(manager.isFinished("SegmentOperationDoubleTapTip"));
    QSettings store;
    store.beginGroup("Tip");
    EXPECT_EQ(store.childKeys(), QStringList{"SegmentOperationDoubleTapTip"});
    EXPECT_TRUE(store.value("SegmentOperationDoubleTapTip").toBool());

    TipManager later;
    EXPECT_FALSE(later.showTipDelayed("SegmentOperationDoubleTapTip", anchor, &host, 0));
    EXPECT_TRUE(later.showTipDelayed("SegmentOperationPressAndDragTip", anchor, &host, 0));
    EXPECT_EQ(shownTip(later)->panel()->size(), QSize(300, 300));
}

TEST_F(HelpTips, TipNearTheRightEdgeKeepsNinePixelsAndItsArrowOnTheAnchor)
{
    anchor->setGeometry(1140, 100, 40, 40);
    TipManager manager;
    ASSERT_TRUE(manager.showTipDelayed("MediaExplorerHelpTip", anchor, &host, 0));
    PopupMainWidget* balloon = shownTip(manager)->panel();
    EXPECT_EQ(balloon->geometry(), QRect(1200 - 300 - 9, 120, 300, 340));
    EXPECT_EQ(balloon->arrowSide(), PopupArrowTop);
    const QPoint tip = balloon->mapTo(&host, balloon->arrowPoint());
    EXPECT_EQ(tip, QPoint(1160, 120));
    // The arrow is painted there, in the balloon's colour.
    const QImage shot = host.grab().toImage();
    EXPECT_TRUE(near(shot.pixelColor(tip + QPoint(0, 8)), QColor(54, 200, 255), 20));
    EXPECT_FALSE(near(shot.pixelColor(tip + QPoint(-20, 8)), QColor(54, 200, 255), 20));

    // After the window shrinks the balloon is placed again, still inside.
    host.resize(1100, 800);
    anchor->move(1040, 100);
    manager.relayoutCurrentTip();
    EXPECT_EQ(balloon->x(), 1100 - 300 - 9);
    EXPECT_EQ(balloon->mapTo(&host, balloon->arrowPoint()), QPoint(1060, 120));

    // Without its anchor the balloon is placed from the origin, inside the window.
    delete anchor;
    manager.relayoutCurrentTip();
    EXPECT_EQ(balloon->pos(), QPoint(10, 0));

    // The balloon is not the tip's child, yet it goes with the tip.
    delete manager.currentTip();
    EXPECT_FALSE(manager.isShowingTip());
    EXPECT_EQ(balloonsOnScreen(), 0);
}

TEST_F(HelpTips, RepeatedRequestsShowOneTrackedTip)
{
    TipManager manager;
    ASSERT_TRUE(manager.showTipDelayed("SegmentOperationPressAndDragTip", anchor, &host, 30));
    ASSERT_TRUE(manager.showTipDelayed("SegmentOperationPressAndDragTip", anchor, &host, 30));
    EXPECT_FALSE(manager.isShowingTip());
    ASSERT_TRUE(QTest::qWaitFor([&] { return manager.isShowingTip(); }, 5000)) << "the delayed tip never showed";
    EXPECT_EQ(balloonsOnScreen(), 1);
    manager.closeCurrentTip();
    EXPECT_EQ(balloonsOnScreen(), 0);
    EXPECT_FALSE(manager.isFinished("SegmentOperationPressAndDragTip"));

    // A finished name closes the tip on screen and shows none.
    manager.closeTipAndMarkShown("MediaExplorerHelpTip");
    ASSERT_TRUE(manager.showTipDelayed("SegmentOperationPressAndDragTip", anchor, &host, 0));
    EXPECT_FALSE(manager.showTipDelayed("MediaExplorerHelpTip", anchor, &host, 0));
    EXPECT_FALSE(manager.isShowingTip());
    EXPECT_EQ(balloonsOnScreen(), 0);

    // Names without a tip, and parents gone before the delay ends, show nothing.
    EXPECT_TRUE(manager.showTipDelayed("ToolButtonHelpTip", anchor, &host, 0));
    EXPECT_FALSE(manager.isShowingTip());
    auto* doomed = new QWidget(&host);
    ASSERT_TRUE(manager.showTipDelayed("SegmentOperationDoubleTapTip", nullptr, doomed, 20));
    delete doomed;
    QTest::qWait(80);  // past the delay: nothing may show
    EXPECT_FALSE(manager.isShowingTip());
}

} // namespace
