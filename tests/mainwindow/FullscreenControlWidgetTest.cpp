#include "FullscreenControlWidget.h"

#include "../foundation/SliderPopupTestSupport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The bar shown on its own, with the window's side played by the test.
class FullscreenBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
        slider = bar.findChild<QSlider*>(QStringLiteral("horizontalSlider"));
        left = bar.findChild<QLabel*>(QStringLiteral("leftLabel"));
        right = bar.findChild<QLabel*>(QStringLiteral("rightLabel"));
        ASSERT_TRUE(slider && left && right);
        QObject::connect(&bar, &FullscreenControlWidget::pauseIfPlaying, &bar,
                         [this](bool& wasPlaying) {
                             wasPlaying = playing;
                             playing = false;
                             ++pauses;
                         },
                         Qt::DirectConnection);
        QObject::connect(&bar, &FullscreenControlWidget::seekToPosition, &bar, [this](int value) { seeks << value; });
        QObject::connect(&bar, &FullscreenControlWidget::needToPlay, &bar, [this] { ++resumes; });
    }

    QPoint handleCentre() const { return sliderHandleRect(slider).center(); }

    void drag(int dx)
    {
        const QPoint start = handleCentre();
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
        // QTest's move carries no held button; the slider needs one to drag.
        QMouseEvent move(QEvent::MouseMove, start + QPoint(dx, 0), slider->mapToGlobal(start + QPoint(dx, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &move);
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, start + QPoint(dx, 0));
    }

    FullscreenControlWidget bar;
    QSlider* slider = nullptr;
    QLabel* left = nullptr;
    QLabel* right = nullptr;
    bool playing = false;
    int pauses = 0;
    int resumes = 0;
    QList<int> seeks;
};

TEST_F(FullscreenBar, HidesAfterSixTicksWhilePlayingAndNeverWhilePaused)
{
    bar.setPlaying(true);
    for (int tick = 0; tick < 5; ++tick)
        bar.autoHide();
    EXPECT_TRUE(bar.isVisible());
    bar.autoHide();
    EXPECT_FALSE(bar.isVisible());

    bar.setPlaying(false);
    EXPECT_TRUE(bar.isVisible());
    for (int tick = 0; tick < 100; ++tick)
        bar.autoHide();
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(FullscreenBar, MouseMovementRestartsTheCountdown)
{
    bar.setPlaying(true);
    for (int tick = 0; tick < 5; ++tick)
        bar.autoHide();
    bar.showControls();
    for (int tick = 0; tick < 5; ++tick)
        bar.autoHide();
    EXPECT_TRUE(bar.isVisible());
    bar.autoHide();
    EXPECT_FALSE(bar.isVisible());
    bar.showControls();
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(FullscreenBar, TheTimerItselfHidesThePlayingBar)
{
    bar.setPlaying(true);
    // Six ticks of half a second; the bound leaves room for a slow machine.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !bar.isVisible(); }, 10000));
}

TEST_F(FullscreenBar, PositionShowsElapsedAndRemainingTime)
{
    bar.setPosition(3725.0f, 7200.0f);
    EXPECT_EQ(left->text(), QStringLiteral("1:02:05"));
    EXPECT_EQ(right->text(), QStringLiteral("-57:55"));
    EXPECT_EQ(slider->value(), 51);

    bar.setPosition(59.0f, 120.0f);
    EXPECT_EQ(left->text(), QStringLiteral("00:59"));
    EXPECT_EQ(right->text(), QStringLiteral("-01:01"));
    EXPECT_EQ(slider->value(), 49);

    // The end of the movie would be 100, beyond the slider's range.
    bar.setPosition(120.0f, 120.0f);
    EXPECT_EQ(slider->value(), 99);
    EXPECT_EQ(right->text(), QStringLiteral("-00:00"));
}

TEST_F(FullscreenBar, EmptyProjectRestsAtTheStart)
{
    bar.setPosition(30.0f, 60.0f);
    bar.setPosition(0.0f, 0.0f);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(left->text(), QStringLiteral("00:00"));
    EXPECT_EQ(right->text(), QStringLiteral("-00:00"));
}

TEST_F(FullscreenBar, DragWhilePlayingPausesSeeksAndResumes)
{
    slider->resize(400, slider->height());
    bar.setPosition(10.0f, 100.0f);
    playing = true;
    bar.setPlaying(true);
    drag(120);
    EXPECT_EQ(pauses, 1);
    EXPECT_FALSE(playing);
    ASSERT_GE(seeks.size(), 2);
    EXPECT_EQ(seeks.first(), 10);
    EXPECT_GT(seeks.last(), 10);
    EXPECT_EQ(seeks.last(), slider->value());
    EXPECT_EQ(resumes, 1);
}

TEST_F(FullscreenBar, DragWhilePausedDoesNotResume)
{
    bar.setPosition(10.0f, 100.0f);
    drag(60);
    EXPECT_EQ(pauses, 1);
    EXPECT_FALSE(seeks.isEmpty());
    EXPECT_EQ(resumes, 0);
}

TEST_F(FullscreenBar, PositionDuringADragMovesOnlyTheLabels)
{
    bar.setPosition(10.0f, 100.0f);
    const QPoint start = handleCentre();
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    bar.setPosition(80.0f, 100.0f);
    EXPECT_EQ(slider->value(), 10);
    EXPECT_EQ(left->text(), QStringLiteral("01:20"));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, start);
    bar.setPosition(80.0f, 100.0f);
    EXPECT_EQ(slider->value(), 80);
}

TEST_F(FullscreenBar, KeyboardAndProgramValuesSeekNothing)
{
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    bar.setPosition(50.0f, 100.0f);
    EXPECT_TRUE(seeks.isEmpty());
}

TEST_F(FullscreenBar, EachButtonReportsItsOwnRequest)
{
    QStringList requests;
    QObject::connect(&bar, &FullscreenControlWidget::playPauseButtonClicked, [&] { requests << "play"; });
    QObject::connect(&bar, &FullscreenControlWidget::nextPositionButtonClicked, [&] { requests << "next"; });
    QObject::connect(&bar, &FullscreenControlWidget::previousPositionButtonClicked, [&] { requests << "previous"; });
    QObject::connect(&bar, &FullscreenControlWidget::fullscreenButtonClicked, [&] { requests << "leave"; });
    for (const char* name : {"previousPosButton", "playPauseButton", "nextPosButton", "fullscreenButton"})
        QTest::mouseClick(bar.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    EXPECT_EQ(requests, QStringList({"previous", "play", "next", "leave"}));
}

TEST_F(FullscreenBar, PlayButtonShowsTheCommandItWouldGive)
{
    auto* button = bar.findChild<QPushButton*>(QStringLiteral("playPauseButton"));
    const QImage pauseIcon = QIcon(QStringLiteral(":/images/navi_pause")).pixmap(25, 25).toImage();
    const QImage playIcon = QIcon(QStringLiteral(":/images/navi_play")).pixmap(25, 25).toImage();
    ASSERT_NE(pauseIcon, playIcon);
    bar.setPlaying(true);
    EXPECT_EQ(button->icon().pixmap(25, 25).toImage(), pauseIcon);
    bar.setPlaying(false);
    EXPECT_EQ(button->icon().pixmap(25, 25).toImage(), playIcon);
}

} // namespace
