// The media preview's control bar on its own: the times it shows, what a
// drag on its slider asks for, and which controls a still item leaves on.
#include "MediaPreviewControlWidget.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(QSize(20, 20)).toImage();
}

class MediaPreviewBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.resize(524, 52);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    QLabel* label(const char* name) { return bar.findChild<QLabel*>(name); }
    QPushButton* button(const char* name) { return bar.findChild<QPushButton*>(name); }
    QSlider* slider() { return bar.findChild<QSlider*>("horizontalSlider"); }
    // A point of the slider, in the bar's window, at a fraction of its width.
    QPoint sliderPoint(double fraction)
    {
        return slider()->mapTo(&bar, QPoint(int(slider()->width() * fraction), slider()->height() / 2));
    }

    MediaPreviewControlWidget bar{nullptr};
};

} // namespace

TEST_F(MediaPreviewBarTest, TimesAndSliderFollowThePosition)
{
    bar.setTime(0.5f, 2.0f);
    EXPECT_EQ(slider()->value(), 25);
    EXPECT_EQ(label("leftLabel")->text(), "00:00");
    EXPECT_EQ(label("rightLabel")->text(), "-00:01");

    bar.setTime(3600.0f, 7265.0f);
    EXPECT_EQ(slider()->value(), 49);
    EXPECT_EQ(label("leftLabel")->text(), "1:00:00");
    EXPECT_EQ(label("rightLabel")->text(), "-1:01:05");

    bar.setTime(3599.0f, 3600.0f);
    EXPECT_EQ(label("leftLabel")->text(), "59:59");
    EXPECT_EQ(label("rightLabel")->text(), "-00:01");

    // At the very end the slider stops at the last value of its range.
    bar.setTime(3600.0f, 3600.0f);
    EXPECT_EQ(slider()->value(), 99);

    // An unknown duration leaves the slider at its start.
    bar.setTime(0.0f, 0.0f);
    EXPECT_EQ(slider()->value(), 0);
    EXPECT_EQ(label("leftLabel")->text(), "00:00");
    EXPECT_EQ(label("rightLabel")->text(), "-00:00");
}

TEST_F(MediaPreviewBarTest, DragAsksToPauseSeeksAndResumesOnlyAPlayingItem)
{
    QSignalSpy seeks(&bar, &MediaPreviewControlWidget::seekToPosition);
    QSignalSpy resumes(&bar, &MediaPreviewControlWidget::needToPlay);
    bool answer = true;
    int asked = 0;
    QObject::connect(&bar, &MediaPreviewControlWidget::pauseIfPlaying, &bar,
            [&](bool& playing) {
                ++asked;
                playing = answer;
                // A pausing player reports its position straight away.
                bar.setTime(0.1f, 2.0f);
            },
            Qt::DirectConnection);

    // The program moving the slider is no seek.
    bar.setTime(1.0f, 2.0f);
    EXPECT_EQ(slider()->value(), 50);
    EXPECT_EQ(seeks.count(), 0);

    // A click on the groove jumps there: the seek carries the new value.
    QTest::mousePress(bar.windowHandle(), Qt::LeftButton, {}, sliderPoint(0.8));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(seeks.count(), 1);
    const int pressedAt = seeks.takeFirst().at(0).toInt();
    EXPECT_GT(pressedAt, 65);
    // Held down, the slider is the user's: the player's position moves nothing.
    bar.setTime(0.2f, 2.0f);
    EXPECT_EQ(slider()->value(), pressedAt);
    EXPECT_EQ(label("leftLabel")->text(), "00:00");
    QTest::mouseMove(bar.windowHandle(), sliderPoint(0.3));
    ASSERT_GE(seeks.count(), 1);
    EXPECT_LT(seeks.last().at(0).toInt(), 45);
    QTest::mouseRelease(bar.windowHandle(), Qt::LeftButton, {}, sliderPoint(0.3));
    EXPECT_EQ(resumes.count(), 1);
    bar.setTime(1.0f, 2.0f);
    EXPECT_EQ(slider()->value(), 50);

    // An item that was not playing stays as it was.
    answer = false;
    QTest::mousePress(bar.windowHandle(), Qt::LeftButton, {}, sliderPoint(0.6));
    QTest::mouseRelease(bar.windowHandle(), Qt::LeftButton, {}, sliderPoint(0.6));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(resumes.count(), 1);
}

TEST_F(MediaPreviewBarTest, DisabledControlsKeepCloseAndShowTheGreyPlayIcon)
{
    QSignalSpy closes(&bar, &MediaPreviewControlWidget::closeButtonClicked);
    QSignalSpy playPauses(&bar, &MediaPreviewControlWidget::playPauseButtonClicked);
    bar.setControlsEnabled(false);
    bar.setPlaying(false);
    EXPECT_TRUE(button("closeButton")->isEnabled());
    EXPECT_FALSE(button("playPauseButton")->isEnabled());
    EXPECT_FALSE(slider()->isEnabled());
    EXPECT_FALSE(label("leftLabel")->isEnabled());
    EXPECT_FALSE(label("rightLabel")->isEnabled());
    EXPECT_EQ(iconImage(button("playPauseButton")->icon()),
              iconImage(QIcon(":/images/media-explorer/videoPreviewPlay_dis")));
    QTest::mouseClick(button("playPauseButton"), Qt::LeftButton);
    QTest::mouseClick(button("closeButton"), Qt::LeftButton);
    EXPECT_EQ(playPauses.count(), 0);
    EXPECT_EQ(closes.count(), 1);

    bar.setControlsEnabled(true);
    bar.setPlaying(false);
    EXPECT_EQ(iconImage(button("playPauseButton")->icon()),
              iconImage(QIcon(":/images/media-explorer/videoPreviewPlay")));
    bar.setPlaying(true);
    EXPECT_EQ(iconImage(button("playPauseButton")->icon()),
              iconImage(QIcon(":/images/media-explorer/videoPreviewPause")));
    QTest::mouseClick(button("playPauseButton"), Qt::LeftButton);
    EXPECT_EQ(playPauses.count(), 1);
}
