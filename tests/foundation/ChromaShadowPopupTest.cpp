#include "ColorButton.h"
#include "PopupChromaKeyWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "SliderPopupTestSupport.h"
#include "SwitchButton.h"

#include <QElapsedTimer>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace {

const QPoint kAnchor(500, 700);

// Opens a popup menu with open and hands it to answer; gives up after five
// seconds so a test never hangs on a menu that did not come.
bool answerNextMenu(const std::function<void(QMenu*)>& answer, const std::function<void()>& open)
{
    bool answered = false;
    int remainingPolls = 250;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (--remainingPolls < 0 || menu)
            timer.stop();
        if (menu) {
            answered = true;
            answer(menu);
        }
    });
    timer.start(20);
    open();
    return answered;
}

void clickFirstMenuItem(QMenu* menu)
{
    QAction* action = menu->actions().value(0);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Restore default values");
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
}

struct ChromaKeyPopup : public ::testing::Test {
    void SetUp() override
    {
        host.showFocused(QSize(1000, 800));
        panel = new QWidget(&host);
        panel->setGeometry(600, 100, 380, 320);
        panel->show();
    }

    HostWindow host;
    QWidget* panel = nullptr;
};

TEST_F(ChromaKeyPopup, SwitchOffDisablesEverythingButTheSwitchRow)
{
    auto* popup = new PopupChromaKeyWidget(panel);
    QSignalSpy switched(popup, &CommonSliderColorPopup::sliderColorPopupSwitchValueChanged);
    popup->setValues(panel, false, 70, 30, Qt::red);
    auto* switchButton = popup->findChild<SwitchButton*>("switchButton");
    EXPECT_TRUE(switchButton->isEnabled());
    for (const char* name : {"slider2", "slider3", "colorButton", "optionsButton", "titleLabel4", "valueLabel2"})
        EXPECT_FALSE(popup->findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_EQ(popup->findChild<QLabel*>("valueLabel2")->text(), "70.0");

    clickOn(host, switchButton);
    ASSERT_EQ(switched.count(), 1);
    EXPECT_TRUE(switched.last().at(1).toBool());
    for (const char* name : {"slider2", "slider3", "colorButton", "optionsButton", "titleLabel4"})
        EXPECT_TRUE(popup->findChild<QWidget*>(name)->isEnabled()) << name;

    // Switched on, the options button opens the menu to a real click.
    QSignalSpy restored(popup, &PopupChromaKeyWidget::valuesChanged);
    auto* options = popup->findChild<QPushButton*>("optionsButton");
    EXPECT_TRUE(answerNextMenu(clickFirstMenuItem, [&] { clickOn(host, options); }));
    EXPECT_EQ(restored.count(), 1);
    EXPECT_EQ(popup->findChildren<QMenu*>().size(), 0);

    auto* outside = new PopupChromaKeyWidget(panel);
    outside->setValues(panel, true, 150, 5, Qt::green);
    EXPECT_EQ(outside->findChild<QSlider*>("slider2")->value(), 0);
    EXPECT_EQ(outside->findChild<QLabel*>("valueLabel2")->text(), "0.00");
}

TEST_F(ChromaKeyPopup, RestoreEmitsDefaultsWhileSwitchedOffAndSurvivesTheOwnerDeletingThePopup)
{
    auto* popup = new PopupChromaKeyWidget(panel);
    popup->setValues(panel, false, 70, 30, Qt::red);
    QSignalSpy restored(popup, &PopupChromaKeyWidget::valuesChanged);
    QSignalSpy changing2(popup, &CommonSliderColorPopup::sliderColorPopupValue2Changing);
    QSignalSpy changed2(popup, &CommonSliderColorPopup::sliderColorPopupValue2Changed);
    EXPECT_TRUE(answerNextMenu(clickFirstMenuItem, [popup] { popup->onOptionsButtonPressed(); }));
    ASSERT_EQ(restored.count(), 1);
    EXPECT_EQ(restored.last().at(1).toInt(), 40);
    EXPECT_EQ(restored.last().at(2).toInt(), 10);
    EXPECT_EQ(restored.last().at(3).value<QColor>(), QColor(0, 255, 0));
    EXPECT_EQ(changing2.count(), 1);
    EXPECT_EQ(popup->findChild<QLabel*>("valueLabel3")->text(), "10.0");
    EXPECT_FALSE(popup->findChild<SwitchButton*>("switchButton")->value());
    QTest::qWait(500);
    EXPECT_EQ(changed2.count(), 0);

    QPointer<PopupChromaKeyWidget> watched(popup);
    EXPECT_TRUE(answerNextMenu([popup](QMenu*) { delete popup; }, [popup] { popup->onOptionsButtonPressed(); }));
    EXPECT_TRUE(watched.isNull());
}

struct ShadowPopup : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(1000, 800)); }

    PopupSliderColorShadowWidget* showFloating(const QSizeF& offset)
    {
        auto* popup = new PopupSliderColorShadowWidget(&host);
        popup->showWithValues(&host, "Shadow", kAnchor, 0.5f, Qt::black, offset, 0, 1, 0.01f, "Blur", 1, 0, 5, 0.1f);
        QTest::qWait(50);
        return popup;
    }
    static QWidget* box(QWidget* popup) { return popup->findChild<QWidget*>("shadowTopWidget"); }
    // Where the shadow falls, in the panel's coordinates.
    static QPoint shadowPlace(CommonPopup* popup)
    {
        auto* back = popup->findChild<QWidget*>("shadowBackWidget");
        return back->parentWidget()->mapTo(popup->mainWidget(), back->pos());
    }

    HostWindow host;
};

TEST_F(ShadowPopup, BoxSitsOffsetEffectFollowsTheSlidersAndQuickArrowClicksCommitOnce)
{
    auto* popup = showFloating(QSizeF(8, 8));
    EXPECT_FALSE(popup->findChild<QWidget*>("shadowBackWidget")->isVisible());
    EXPECT_EQ(box(popup)->pos(), shadowPlace(popup) - QPoint(8, 8));

    auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(box(popup)->graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_NEAR(effect->color().alphaF(), 0.5, 0.01);
    EXPECT_DOUBLE_EQ(effect->blurRadius(), 8.0);
    popup->setValue2(2.5f);
    EXPECT_DOUBLE_EQ(effect->blurRadius(), 20.0);
    popup->findChild<QSlider*>("slider")->setValue(250);
    EXPECT_NEAR(effect->color().alphaF(), 0.25, 0.01);

    QSignalSpy changing(popup, &PopupSliderColorShadowWidget::shadowOffsetChanging);
    QSignalSpy changed(popup, &PopupSliderColorShadowWidget::shadowOffsetChanged);
    auto* right = popup->findChild<QPushButton*>("shadowMoveRightButton");
    QElapsedTimer clicking;
    clicking.start();
    for (int i = 0; i < 5; ++i)
        clickOn(host, right);
    if (clicking.elapsed() >= 350)
        GTEST_SKIP() << "the machine took longer than the commit delay over five clicks";
    ASSERT_EQ(changing.count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(changing.at(i).at(1).toSizeF(), QSizeF(7 - i, 8));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 5000));
    QTest::qWait(400);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.last().at(1).toSizeF(), QSizeF(3, 8));

    clickOn(host, popup->findChild<QPushButton*>("shadowMoveDownButton"));
    EXPECT_EQ(changing.last().at(1).toSizeF(), QSizeF(3, 7));
    EXPECT_EQ(box(popup)->pos(), shadowPlace(popup) - QPoint(3, 7));
}

TEST_F(ShadowPopup, DraggingTheBoxReportsMovesCommitsOnReleaseAndStaysInsideThePanel)
{
    auto* popup = showFloating(QSizeF(0, 0));
    QSignalSpy changing(popup, &PopupSliderColorShadowWidget::shadowOffsetChanging);
    QSignalSpy changed(popup, &PopupSliderColorShadowWidget::shadowOffsetChanged);
    const QPoint start = centreIn(host, box(popup));
    dragFrom(host, start, QPoint(20, 10));
    EXPECT_EQ(changing.count(), 2);
    EXPECT_EQ(changing.last().at(1).toSizeF(), QSizeF(-20, -10));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.last().at(1).toSizeF(), QSizeF(-20, -10));

    // Far beyond the left edge, the box's centre stops 10 px inside.
    const QPoint moved = centreIn(host, box(popup));
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, moved);
    QTest::mouseMove(host.windowHandle(), moved - QPoint(2000, 0));
    EXPECT_EQ(box(popup)->x(), 10 - box(popup)->width() / 2);
    QTest::mouseMove(host.windowHandle(), moved + QPoint(2000, 0));
    EXPECT_EQ(box(popup)->x(), popup->mainWidget()->width() - 10 - box(popup)->width() / 2);
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, moved + QPoint(2000, 0));
    EXPECT_EQ(changed.count(), 2);
    const QSizeF offset = changed.last().at(1).toSizeF();
    EXPECT_EQ(box(popup)->pos(), shadowPlace(popup) - QPoint(int(offset.width()), int(offset.height())));
}

TEST_F(ShadowPopup, PressesBesideTheBoxNeitherDragNorDismissButOutsideThePanelDismiss)
{
    auto* popup = showFloating(QSizeF(4, 4));
    QPointer<PopupSliderColorShadowWidget> watched(popup);
    QSignalSpy changing(popup, &PopupSliderColorShadowWidget::shadowOffsetChanging);
    const QPoint title = centreIn(host, popup->findChild<QLabel*>("titleLabel"));
    dragFrom(host, title, QPoint(30, 0));
    EXPECT_EQ(changing.count(), 0);
    EXPECT_TRUE(popup->isVisible());

    // Opacity released at 0 switches the offset controls off.
    clickSliderEnd(host, popup->findChild<QSlider*>("slider"), false);
    EXPECT_FALSE(box(popup)->isEnabled());
    EXPECT_FALSE(popup->findChild<QPushButton*>("shadowMoveLeftButton")->isEnabled());
    EXPECT_FALSE(popup->findChild<QSlider*>("slider2")->isEnabled());
    clickOn(host, box(popup));
    EXPECT_EQ(changing.count(), 0);

    clickWindowAt(host, QPoint(5, 795));
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }, 5000));
}

TEST_F(ShadowPopup, EmbeddedPadPlacesTheBoxWhenResized)
{
    auto* panel = new QWidget(&host);
    panel->setGeometry(500, 50, 380, 330);
    panel->show();
    auto* popup = new PopupSliderColorShadowWidget(panel);
    popup->showFullscreenWithValues(panel, "Shadow", 0.8f, Qt::black, QSizeF(6, -3), 0, 1, 0.01f, "Blur", 1, 0, 5,
                                    0.1f);
    QTest::qWait(50);
    EXPECT_EQ(box(popup)->pos(), shadowPlace(popup) - QPoint(6, -3));
    // The embedding panel sizes its popup itself.
    panel->resize(460, 400);
    popup->resize(460, 400);
    QTest::qWait(50);
    EXPECT_EQ(popup->mainWidget()->size(), QSize(460, 400));
    EXPECT_EQ(box(popup)->pos(), shadowPlace(popup) - QPoint(6, -3));
}

} // namespace
