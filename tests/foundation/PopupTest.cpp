#include "CommonPopup.h"
#include "PopupMainWidget.h"
#include "UiMetrics.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The least a real popup has: a panel with a title, a height, and a count of
// the Return keys it was offered.
class TestPopup : public CommonPopup
{
public:
    TestPopup(QWidget* parent, int height) : CommonPopup(parent), _height(height)
    {
        auto* panel = new QWidget(this);
        panel->setObjectName("mainWidget");
        auto* label = new QLabel(panel);
        new QVBoxLayout(panel);
        panel->layout()->addWidget(label);
        setMainWidget(panel);
        setTitleLabel(label);
    }
    int popupHeight() override { return _height; }
    bool acceptByReturnKey() override
    {
        ++returns;
        return true;
    }
    using CommonPopup::titleLabel;

    int returns = 0;

private:
    int _height;
};

void deleteLaterNow()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Whether the widget kept a wheel turn (an ignored one travels on to its parent).
bool takesWheel(QWidget* widget)
{
    const QPoint at(widget->width() / 2, widget->height() / 2);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    return wheel.isAccepted();
}

TEST(PopupPlacement, PanelIsHalfThePortraitWidthAboveItsAnchorAndInsideItsParent)
{
    if (UiMetrics::portraitScreenSize() != QSize(1080, 1920))
        GTEST_SKIP() << "the placement figures assume a 1920 x 1080 screen";
    HostWindow host;
    host.showFocused(QSize(1600, 900));
    auto* popup = new TestPopup(&host, 200);
    popup->showInWidget(&host, "Colour", QPoint(100, 500));
    QWidget* panel = popup->mainWidget();
    EXPECT_EQ(popup->geometry(), QRect(0, 0, 1600, 900));
    EXPECT_EQ(panel->geometry(), QRect(10, 300, 540, 200));
    EXPECT_EQ(popup->titleLabel()->text(), "Colour");
    EXPECT_EQ(popup->titleLabel()->font().pointSizeF(), host.font().pointSizeF() + 1);

    popup->showAt(QPoint(1500, 500));
    EXPECT_EQ(panel->x(), 1600 - 540 - 9);
    popup->setAnchorOffset(30);
    popup->showAt(QPoint(800, 235));
    EXPECT_EQ(panel->geometry(), QRect(530, 10, 540, 200));  // 235 - 30 - 200 < 10

    // The overlay follows its parent; a narrow parent centres the panel.
    host.resize(550, 700);
    EXPECT_EQ(popup->geometry(), QRect(0, 0, 550, 700));
    popup->showAt(QPoint(300, 500));
    EXPECT_EQ(panel->x(), 5);
}

TEST(PopupDismissal, EscapeOrAClickOutsideDismissesAndTheClickGoesNoFurther)
{
    HostWindow host;
    host.showFocused(QSize(1600, 900));
    QPointer<TestPopup> popup = new TestPopup(&host, 200);
    QSignalSpy dismissed(popup.data(), &CommonPopup::dismissed);
    popup->showInWidget(&host, QString(), QPoint(800, 500));

    // Typing stops at the popup; a click on the panel keeps it.
    QTest::keyClick(host.edit, Qt::Key_A);
    EXPECT_TRUE(host.edit->text().isEmpty());
    clickWindowAt(host, popup->mainWidget()->geometry().center());
    EXPECT_TRUE(dismissed.isEmpty());

    const CommonPopup* shown = popup.data();
    const int pressesBefore = host.presses;
    clickWindowAt(host, QPoint(100, 800));
    ASSERT_EQ(dismissed.size(), 1);
    EXPECT_EQ(*static_cast<CommonPopup* const*>(dismissed[0][0].constData()), shown);
    EXPECT_EQ(host.presses, pressesBefore);
    deleteLaterNow();
    EXPECT_TRUE(popup.isNull());

    // With the popup gone the keyboard and the mouse reach the window again.
    QTest::keyClick(host.edit, Qt::Key_A);
    EXPECT_EQ(host.edit->text(), "a");
    clickWindowAt(host, QPoint(100, 800));
    EXPECT_EQ(host.presses, pressesBefore + 1);

    popup = new TestPopup(&host, 200);
    popup->showInWidget(&host, QString(), QPoint(800, 500));
    QTest::keyClick(host.edit, Qt::Key_Escape);
    deleteLaterNow();
    EXPECT_TRUE(popup.isNull());
}

TEST(PopupDismissal, NotDismissableHoldsAndReturnStillReachesThePopup)
{
    HostWindow host;
    host.showFocused(QSize(1600, 900));
    QPointer<TestPopup> popup = new TestPopup(&host, 200);
    popup->setNotDismissable(true);
    popup->showInWidget(&host, QString(), QPoint(800, 500));
    QTest::keyClick(host.edit, Qt::Key_Escape);
    clickWindowAt(host, QPoint(100, 800));
    QTest::keyClick(&host, Qt::Key_Return);
    QTest::keyClick(host.edit, Qt::Key_Enter);
    deleteLaterNow();
    ASSERT_FALSE(popup.isNull());
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->returns, 2);

    // The wheel turns nothing behind a floating popup.
    EXPECT_TRUE(takesWheel(popup));
    // Receivers release their pointer on the signal: a second call must not signal again.
    QSignalSpy dismissed(popup.data(), &CommonPopup::dismissed);
    popup->dismiss();
    popup->dismiss();
    EXPECT_EQ(dismissed.size(), 1);
    deleteLaterNow();
    EXPECT_TRUE(popup.isNull());
}

TEST(PopupDismissal, WindowShortcutsWaitWhileAFloatingPopupIsShown)
{
    HostWindow host;
    int plays = 0;
    auto* play = new QAction("Play/Pause", &host);
    play->setShortcut(Qt::Key_Space);
    host.addAction(play);
    QObject::connect(play, &QAction::triggered, [&plays]() { ++plays; });
    // A focused view that, unlike a line edit, leaves Space to the shortcut.
    auto* view = new QWidget(&host);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setGeometry(300, 100, 100, 100);
    host.showFocused(QSize(800, 600));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Space);
    ASSERT_EQ(plays, 1);

    QPointer<TestPopup> popup = new TestPopup(&host, 200);
    popup->showInWidget(&host, QString(), QPoint(400, 500));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(plays, 1);
    QTest::keyClick(view, Qt::Key_Escape);
    deleteLaterNow();
    EXPECT_TRUE(popup.isNull());
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(plays, 2);
}

TEST(PopupDismissal, KeysStayStoppedAfterTheWindowWasInactiveYetReachThePopupsOwnFields)
{
    HostWindow host;
    host.showFocused(QSize(800, 600));
    QWidget elsewhere;
    showForInput(elsewhere, QSize(200, 200));
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_EQ(QApplication::focusWidget(), nullptr);

    // Shown while the user is in another window.
    QPointer<TestPopup> popup = new TestPopup(&host, 200);
    auto* field = new QLineEdit(popup->mainWidget());
    popup->mainWidget()->layout()->addWidget(field);
    popup->showInWidget(&host, QString(), QPoint(400, 500));
    QApplication::setActiveWindow(&host);
    ASSERT_EQ(QApplication::focusWidget(), host.edit);
    QTest::keyClick(host.edit, Qt::Key_A);
    EXPECT_TRUE(host.edit->text().isEmpty());

    // Minimised and restored while typing into the popup.
    field->setFocus();
    host.setWindowState(Qt::WindowMinimized);
    QApplication::setActiveWindow(nullptr);
    host.setWindowState(Qt::WindowNoState);
    QApplication::setActiveWindow(&host);
    ASSERT_EQ(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_B);
    EXPECT_EQ(field->text(), "b");
    QTest::keyClick(field, Qt::Key_Escape);
    deleteLaterNow();
    EXPECT_TRUE(popup.isNull());
}

TEST(PopupDismissal, EmbeddedPopupFillsItsHostAndLetsInputPass)
{
    HostWindow host;
    host.showFocused(QSize(800, 600));
    QPointer<TestPopup> popup = new TestPopup(&host, 200);
    popup->showFullscreenInWidget(&host, "Inspector");
    EXPECT_TRUE(popup->isFullscreen());
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(0, 0, 800, 600));

    QTest::keyClick(host.edit, Qt::Key_Escape);
    QTest::keyClick(host.edit, Qt::Key_B);
    clickWindowAt(host, QPoint(700, 500));
    deleteLaterNow();
    ASSERT_FALSE(popup.isNull());
    EXPECT_EQ(host.edit->text(), "b");
    EXPECT_FALSE(popup->tryDismiss());

    EXPECT_FALSE(takesWheel(popup));
    popup->resize(300, 200);
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(0, 0, 300, 200));
}

TEST(PopupPanelStyle, CornerModesRoundTheTopOrAllCorners)
{
    HostWindow host;
    host.setStyleSheet("HostWindow { background: black; }");
    host.setAutoFillBackground(true);
    host.setPalette(QPalette(Qt::black));
    host.showFocused(QSize(1600, 900));
    auto* popup = new TestPopup(&host, 200);
    popup->setBackgroundColor(QColor(255, 0, 0));
    popup->showInWidget(&host, QString(), QPoint(800, 500));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fadesEnded(*popup); }, 5000)) << "the popup never faded in";
    const QRect panel = popup->mainWidget()->geometry();
    auto redAt = [&](const QPoint& p) { return near(host.grab().toImage().pixelColor(p), Qt::red, 30); };
    const QPoint topLeft = panel.topLeft() + QPoint(1, 1);
    const QPoint bottomLeft = panel.bottomLeft() + QPoint(1, -1);
    EXPECT_FALSE(redAt(topLeft));
    EXPECT_TRUE(redAt(bottomLeft));
    EXPECT_TRUE(redAt(panel.center()));

    popup->setCornerMode(4);
    popup->showAt(QPoint(800, 500));
    EXPECT_FALSE(redAt(bottomLeft));
    popup->applyMainWidgetStyle(popup->mainWidget(), 0, 4);
    EXPECT_TRUE(redAt(topLeft));
    EXPECT_TRUE(redAt(bottomLeft));
}

bool paintedAt(PopupMainWidget& widget, int x, int y)
{
    return near(widget.grab().toImage().pixelColor(x, y), Qt::red, 40);
}

TEST(PopupMainWidgetTest, ArrowTipLiesOnItsEdgeAndOnlyTheOriginMeansNone)
{
    PopupMainWidget widget;
    widget.setFillColor(Qt::red);
    widget.setPalette(QPalette(Qt::black));
    widget.resize(200, 100);
    EXPECT_TRUE(paintedAt(widget, 2, 10));  // no arrow: the whole widget

    widget.setArrowSide(PopupArrowLeft);
    widget.setArrowPoint(QPoint(0, 40));
    EXPECT_TRUE(paintedAt(widget, 3, 40));
    EXPECT_FALSE(paintedAt(widget, 3, 10));
    EXPECT_FALSE(paintedAt(widget, 3, 60));
    EXPECT_TRUE(paintedAt(widget, 100, 50));

    widget.setArrowSide(PopupArrowBottom);
    widget.setArrowPoint(QPoint(150, 0));
    EXPECT_TRUE(paintedAt(widget, 150, 96));
    EXPECT_FALSE(paintedAt(widget, 50, 96));
    EXPECT_TRUE(paintedAt(widget, 50, 50));

    widget.setArrowSide(7);  // no such side: nothing is drawn
    widget.update();
    EXPECT_FALSE(paintedAt(widget, 100, 50));
}

TEST(PopupMainWidgetTest, AReleaseInsideReportsAClick)
{
    PopupMainWidget widget;
    showForInput(widget, QSize(200, 100));
    QSignalSpy clicks(&widget, &PopupMainWidget::mainWidgetClicked);
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(clicks.size(), 1);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(250, 50));
    EXPECT_EQ(clicks.size(), 1);
}

} // namespace
