// Every edit made in a slider popup ends in its Changed signal, the only one
// an owner writes into the project: whatever way the value moved, and however
// the popup goes away.
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"
#include "SliderPopupTestSupport.h"
#include "SwitchButton.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWheelEvent>

namespace {

const QPoint kAnchor(500, 700);

// What a popup told its owner, in order: "changing 0.51", "changed 0.52",
// "offset changed 3x8", "dismissed". Recorded by the host, so that the record
// outlives a popup deleted by the test.
class OwnerLog
{
public:
    explicit OwnerLog(QObject* owner) : _owner(owner) {}

    void listenTo(CommonSliderColorPopup* popup)
    {
        QObject::connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging, _owner,
                         [this](CommonSliderColorPopup*, float value) { add("changing", value); });
        QObject::connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged, _owner,
                         [this](CommonSliderColorPopup*, float value) { add("changed", value); });
        QObject::connect(popup, &CommonPopup::dismissed, _owner, [this] { entries << "dismissed"; });
    }
    void listenToOffset(PopupSliderColorShadowWidget* popup)
    {
        QObject::connect(popup, &PopupSliderColorShadowWidget::shadowOffsetChanged, _owner,
                         [this](PopupSliderColorShadowWidget*, QSizeF offset) {
                             entries << QString("offset changed %1x%2").arg(offset.width()).arg(offset.height());
                         });
    }
    int count(const QString& kind) const
    {
        return int(std::count_if(entries.begin(), entries.end(),
                                 [&](const QString& entry) { return entry.startsWith(kind + " "); }));
    }

    QStringList entries;

private:
    void add(const char* kind, float value) { entries << QString("%1 %2").arg(kind).arg(double(value), 0, 'f', 3); }

    QObject* _owner;
};

struct PopupCommits : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(1000, 800)); }

    // A floating transparency popup at 0.50, heard from after its set-up.
    PopupSliderWidget* transparency(QWidget* parent, bool floating)
    {
        auto* popup = new PopupSliderWidget(parent);
        if (floating)
            popup->configure(parent, "Transparency", kAnchor, 0.5f, 0, 1, false, 0.01f);
        else
            popup->configure(parent, "Transparency", 0.5f, 0, 1, false, 0.01f);
        log.listenTo(popup);
        return popup;
    }
    QWidget* card()
    {
        auto* widget = new QWidget(&host);
        widget->setGeometry(600, 100, 380, 200);
        widget->show();
        return widget;
    }
    void plusTwice(QWidget* popup)
    {
        QPushButton* plus = popup->findChild<QPushButton*>("valueUpButton");
        clickOn(host, plus);
        clickOn(host, plus);
    }
    // Waits out the commit delay and a little more: nothing else may come.
    void waitPastTheCommitDelay() { QTest::qWait(500); }
    // Waits until the popup has committed count changes, then past the delay.
    void waitForCommits(int count)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.count("changed") >= count; }, 5000))
            << "the popup never committed its change";
        waitPastTheCommitDelay();
    }

    HostWindow host;
    OwnerLog log{&host};
};

TEST_F(PopupCommits, AClickOutsideEmitsThePendingChangeOnceBeforeDismissed)
{
    QPointer<PopupSliderWidget> popup = transparency(&host, true);
    QElapsedTimer clicking;
    clicking.start();
    plusTwice(popup);
    clickWindowAt(host, QPoint(5, 795));
    if (clicking.elapsed() >= 350)
        GTEST_SKIP() << "the machine took longer than the commit delay over three clicks";
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 5000));
    waitPastTheCommitDelay();
    EXPECT_EQ(log.entries, QStringList({"changing 0.510", "changing 0.520", "changed 0.520", "dismissed"}));
}

TEST_F(PopupCommits, EscapeEmitsThePendingValueAndShadowOffsetOnce)
{
    QPointer<PopupSliderWidget> popup = transparency(&host, true);
    plusTwice(popup);
    QTest::keyClick(host.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return popup.isNull(); }, 5000));
    waitPastTheCommitDelay();
    EXPECT_EQ(log.entries, QStringList({"changing 0.510", "changing 0.520", "changed 0.520", "dismissed"}));

    log.entries.clear();
    auto* shadow = new PopupSliderColorShadowWidget(&host);
    shadow->showWithValues(&host, "Shadow", kAnchor, 0.5f, Qt::black, QSizeF(8, 8), 0, 1, 0.01f, "Blur", 1, 0, 5,
                           0.1f);
    log.listenTo(shadow);
    log.listenToOffset(shadow);
    QPointer<PopupSliderColorShadowWidget> watched(shadow);
    clickOn(host, shadow->findChild<QPushButton*>("shadowMoveRightButton"));
    QTest::keyClick(host.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }, 5000));
    waitPastTheCommitDelay();
    EXPECT_EQ(log.entries, QStringList({"offset changed 7x8", "dismissed"}));
}

TEST_F(PopupCommits, AnEmbeddedPopupDeletedByItsHostEmitsThePendingChange)
{
    auto* popup = transparency(card(), false);
    clickOn(host, popup->findChild<QPushButton*>("valueUpButton"));
    QTest::qWait(100);
    delete popup;
    waitPastTheCommitDelay();
    EXPECT_EQ(log.entries, QStringList({"changing 0.510", "changed 0.510"}));
}

TEST_F(PopupCommits, WheelNotchesCommitOnceAfterTheLastNotch)
{
    auto* popup = transparency(&host, true);
    QSlider* slider = popup->findChild<QSlider*>("slider");
    const QPoint over = centreIn(host, slider);
    QElapsedTimer sinceLastNotch;
    for (int notch = 0; notch < 3; ++notch) {
        // Through the window, which hands it to the widget under the pointer.
        QWheelEvent wheel(over, host.mapToGlobal(over), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(host.windowHandle(), &wheel);
        sinceLastNotch.start();
    }
    EXPECT_EQ(log.count("changing"), 3);
    EXPECT_GT(slider->value(), 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.count("changed") > 0; }, 5000));
    EXPECT_GE(sinceLastNotch.elapsed(), 350);
    waitPastTheCommitDelay();
    EXPECT_EQ(log.count("changed"), 1);
    EXPECT_EQ(log.entries.last(), QString("changed %1").arg(slider->value() / 1000.0, 0, 'f', 3));
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(PopupCommits, HomeOnAFocusedSliderCommitsZeroAndTurnsTheOptionsOff)
{
    auto* popup = new PopupSliderColor1Switch2SlidersWidget(&host);
    popup->configure(&host, "Stroke", kAnchor, 0.5f, Qt::red, 0, 1, 0.01f, "Width", 2, 0, 10, 1, "Blur", 1, 0, 10, 1,
                     "Outline", true);
    log.listenTo(popup);
    QSlider* slider = popup->findChild<QSlider*>("slider");
    ASSERT_TRUE(popup->findChild<QSlider*>("slider2")->isEnabled());
    // A click on the handle gives the slider the keyboard.
    const QRect handle = sliderHandleRect(slider);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, slider->mapTo(&host, handle.center()));
    ASSERT_EQ(QApplication::focusWidget(), slider);
    waitPastTheCommitDelay();
    log.entries.clear();

    QTest::keyClick(host.windowHandle(), Qt::Key_Home);
    EXPECT_EQ(log.entries, QStringList({"changing 0.000"}));
    waitForCommits(1);
    EXPECT_EQ(log.entries, QStringList({"changing 0.000", "changed 0.000"}));
    EXPECT_FALSE(popup->findChild<QSlider*>("slider2")->isEnabled());
    EXPECT_FALSE(popup->findChild<QSlider*>("slider3")->isEnabled());
    EXPECT_FALSE(popup->findChild<SwitchButton*>("switchButton")->isEnabled());

    // Arrow keys step too, and a run of them commits once.
    QTest::keyClick(host.windowHandle(), Qt::Key_Right);
    QTest::keyClick(host.windowHandle(), Qt::Key_Right);
    waitForCommits(2);
    EXPECT_EQ(log.count("changed"), 2);
    EXPECT_EQ(log.entries.last(), QString("changed %1").arg(slider->value() / 1000.0, 0, 'f', 3));
    EXPECT_TRUE(popup->findChild<QSlider*>("slider2")->isEnabled());
}

// The marker's place on a laid-out slider: over the default value's position.
QRect expectedMarker(const QSlider* slider, float value)
{
    const QRect groove = slider->geometry();
    const int x = int(float(groove.x() - 3) + float(groove.width()) * value * 1000 / float(slider->maximum()) + 9.0f);
    return QRect(x, groove.center().y() - 25, 3, 50);
}

TEST_F(PopupCommits, AMarkerSetBeforeTheShowSitsWhereOneSetAfterItSits)
{
    for (const bool floating : {true, false}) {
        QWidget* parents[2] = {&host, &host};
        if (!floating)
            parents[0] = card(), parents[1] = card();
        PopupSliderColorWidget* popups[2];
        for (int order = 0; order < 2; ++order) {
            auto* popup = new PopupSliderColorWidget(parents[order]);
            popup->setPercentFormat(true);
            const bool markerFirst = order == 0;
            if (markerFirst)
                popup->setDefaultValueMarker(1.0f, 0.1f);
            if (floating)
                popup->configure(parents[order], "Volume", kAnchor, 0.5f, Qt::white, 0, 2, 0.01f);
            else
                popup->configure(parents[order], "Volume", 0.5f, Qt::white, 0, 2, 0.01f);
            if (!markerFirst)
                popup->setDefaultValueMarker(1.0f, 0.1f);
            popups[order] = popup;
        }
        QTest::qWait(50);
        QRect markers[2];
        for (int order = 0; order < 2; ++order) {
            markers[order] = popups[order]->findChild<QWidget*>("defaultValueMarker")->geometry();
            const QRect expected = expectedMarker(popups[order]->findChild<QSlider*>("slider"), 1.0f);
            EXPECT_NEAR(markers[order].x(), expected.x(), 1) << "floating " << floating << " order " << order;
            EXPECT_NEAR(markers[order].y(), expected.y(), 1) << "floating " << floating << " order " << order;
        }
        EXPECT_NEAR(markers[0].x(), markers[1].x(), 1);
        EXPECT_NEAR(markers[0].y(), markers[1].y(), 1);
        EXPECT_GT(markers[0].x(), 60);
        delete popups[0];
        delete popups[1];
    }
}

} // namespace
