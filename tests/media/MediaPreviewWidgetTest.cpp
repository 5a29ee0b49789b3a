// The media preview with real media: videos play through Qt Multimedia and
// are turned by their metadata, music plays from files and the resources,
// pictures and GIFs show with only the close button enabled.
#include "LocalFilesTestSupport.h"
#include "MediaPreviewControlWidget.h"
#include "MediaPreviewWidget.h"
#include "SoundServer.h"
#include "TestMedia.h"

#include <QGraphicsVideoItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMediaPlayer>
#include <QMovie>
#include <QSignalSpy>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

using LocalFilesTest::runFfmpeg;

namespace {

// Generous: a loaded two-core machine starts a pipeline slowly.
constexpr int kPlayWaitMs = 30000;
const char* const kMusicArtwork = ":/images/media-explorer/music_preview_artwork_preview";

QPixmap filled(int width, int height, const QColor& colour)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

// Which of the fixtures' three colours (red, green, blue) a pixel is closest to.
char colourClass(const QColor& colour)
{
    if (colour.red() > colour.green() && colour.red() > colour.blue())
        return 'r';
    return colour.green() > colour.blue() ? 'g' : 'b';
}

// The colour classes of a 5 x 5 grid over the picture, away from the block
// edges at a quarter and three quarters.
QString colourGrid(const QImage& image)
{
    QString grid;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column)
            grid += colourClass(image.pixelColor(int(image.width() * (0.1 + 0.2 * column)),
                                                 int(image.height() * (0.1 + 0.2 * row))));
        grid += '/';
    }
    return grid;
}

double rotationOf(const QTransform& transform)
{
    const double degrees = std::atan2(transform.m12(), transform.m11()) * 180.0 / M_PI;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

class MediaPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qRegisterMetaType<MediaPreviewControlWidget*>();
        preview = std::make_unique<MediaPreviewWidget>(nullptr);
        preview->resize(400, 400);
        preview->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    }

    // Shows an item with sound, muted at once: other tests listen to the
    // null sink that every test plays into.
    void showMuted(const QString& mediaId, int type, const QString& filePath, const QPixmap& image,
                   const QString& metadata)
    {
        preview->showMedia(mediaId, type, filePath, image, metadata);
        player()->setMuted(true);
    }

    MediaPreviewControlWidget* bar() const { return preview->findChild<MediaPreviewControlWidget*>(); }
    QMediaPlayer* player() const { return preview->findChild<QMediaPlayer*>(); }
    QLabel* label(const char* name) const { return preview->findChild<QLabel*>(name); }
    QSlider* slider() const { return bar()->findChild<QSlider*>("horizontalSlider"); }
    // A point of the slider, in the preview window, at a fraction of its width.
    QPoint sliderPoint(double fraction) const
    {
        return slider()->mapTo(preview.get(), QPoint(int(slider()->width() * fraction), slider()->height() / 2));
    }
    QGraphicsView* view() const { return preview->findChild<QGraphicsView*>(); }
    QGraphicsVideoItem* videoItem() const
    {
        const QList<QGraphicsItem*> items = view()->scene()->items();
        return items.isEmpty() ? nullptr : dynamic_cast<QGraphicsVideoItem*>(items.first());
    }
    // Short clips end before a slow machine sees them far along: play them
    // again whenever they end.
    void playAgainWhenEnded()
    {
        QObject::connect(player(), &QMediaPlayer::mediaStatusChanged, preview.get(), [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia)
                player()->play();
        });
    }
    bool waitUntilPlayedPast(qint64 ms) const
    {
        return QTest::qWaitFor(
            [&] { return player() && player()->state() == QMediaPlayer::PlayingState && player()->position() > ms; },
            kPlayWaitMs);
    }
    void keepScreenshot(const QString& name) const
    {
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        preview->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/media-preview-" + name + ".png");
    }

    std::unique_ptr<MediaPreviewWidget> preview;
};

#define REQUIRE_SOUND_SERVER()                                                                                   \
    if (!SoundServer::pulseAudioRuns())                                                                           \
    GTEST_SKIP() << "PulseAudio is not running: the player has no sound output"

} // namespace

TEST_F(MediaPreviewTest, VideoPlaysAndTheBarCountsUp)
{
    REQUIRE_SOUND_SERVER();
    QSignalSpy shown(preview.get(), &MediaPreviewWidget::displayMediaPreviewControlWidgetExternal);
    showMuted("7", 1, TestMedia::path("clip_h264_aac.mp4"), filled(1280, 720, Qt::blue), "0:02;1280x720;0");
    EXPECT_EQ(preview->filePath(), "7");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.first().at(0).value<MediaPreviewControlWidget*>(), bar());
    // 16:9 fitted into 400 x 400: y = 87.5, rounded up.
    EXPECT_EQ(view()->geometry(), QRect(0, 88, 400, 225));
    EXPECT_EQ(videoItem()->sceneBoundingRect(), QRectF(0, 0, 400, 225));
    EXPECT_TRUE(view()->isVisible());
    playAgainWhenEnded();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return player()->state() == QMediaPlayer::PlayingState && label("leftLabel")->text() == "00:01";
        },
        kPlayWaitMs))
        << "state " << player()->state() << ", left label " << label("leftLabel")->text().toStdString();
    EXPECT_GT(slider()->value(), 0);
    EXPECT_EQ(label("rightLabel")->text(), "-00:00");
    EXPECT_TRUE(bar()->findChild<QWidget*>("playPauseButton")->isEnabled());
    keepScreenshot("video");
}

TEST_F(MediaPreviewTest, VideoClickedBeforeItsThumbnailStillPlays)
{
    REQUIRE_SOUND_SERVER();
    // The library had neither its facts nor its picture yet.
    showMuted("8", 1, TestMedia::path("clip_h264_aac.mp4"), QPixmap(), QString());
    EXPECT_EQ(view()->geometry(), QRect(0, 0, 400, 400));
    EXPECT_TRUE(videoItem()->transform().isIdentity());
    EXPECT_TRUE(waitUntilPlayedPast(500)) << "state " << player()->state() << ", position " << player()->position();
}

TEST_F(MediaPreviewTest, RotatedVideoIsTurnedLikeFfmpegTurnsIt)
{
    QTemporaryDir folder;
    const QString referencePath = folder.filePath("upright.png");
    // ffmpeg applies the display matrix when it decodes.
    ASSERT_TRUE(runFfmpeg({"-i", TestMedia::path("rotated90.mp4"), "-frames:v", "1"}, referencePath));
    const QImage reference(referencePath);
    ASSERT_EQ(reference.size(), QSize(240, 320));

    preview->showMedia("9", 1, TestMedia::path("rotated90.mp4"), QPixmap::fromImage(reference), "0:01;240x320;90");
    EXPECT_EQ(view()->geometry(), QRect(50, 0, 300, 400));
    EXPECT_EQ(videoItem()->size(), QSizeF(400, 300));
    EXPECT_EQ(videoItem()->sceneBoundingRect(), QRectF(0, 0, 300, 400));
    playAgainWhenEnded();
    const QString expected = colourGrid(reference.scaled(300, 400));
    QString grabbed;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            grabbed = colourGrid(view()->grab().toImage());
            return grabbed == expected;
        },
        kPlayWaitMs))
        << "grabbed " << grabbed.toStdString() << ", ffmpeg " << expected.toStdString();
    const QImage shot = view()->grab().toImage();
    EXPECT_EQ(colourClass(shot.pixelColor(280, 20)), 'r') << "red at the top right";
    EXPECT_EQ(colourClass(shot.pixelColor(20, 380)), 'g') << "green at the bottom left";
    keepScreenshot("rotated90");
}

TEST_F(MediaPreviewTest, RotationFieldTurnsTheItemInsideTheView)
{
    struct Case {
        const char* metadata;
        double rotation;
    };
    const Case cases[] = {{"0:01;240x320;90", 90},  {";;270", 270},           {"0:01;240x320;180", 180},
                          {"0:01;240x320;45", 0},  {"0:01;240x320", 0},      {"0:01;240x320;", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.metadata);
        preview->showMedia("10", 1, TestMedia::path("rotated90.mp4"), filled(240, 320, Qt::black), c.metadata);
        EXPECT_EQ(view()->geometry(), QRect(50, 0, 300, 400));
        EXPECT_NEAR(rotationOf(videoItem()->transform()), c.rotation, 1e-6);
        const bool sideways = c.rotation == 90 || c.rotation == 270;
        EXPECT_EQ(videoItem()->size(), sideways ? QSizeF(400, 300) : QSizeF(300, 400));
        // Whatever the turn, the item fills the view from its top-left corner.
        const QRectF bounds = videoItem()->sceneBoundingRect();
        EXPECT_NEAR(bounds.x(), 0, 1e-9);
        EXPECT_NEAR(bounds.y(), 0, 1e-9);
        EXPECT_NEAR(bounds.width(), 300, 1e-9);
        EXPECT_NEAR(bounds.height(), 400, 1e-9);
        EXPECT_EQ(view()->mapFromScene(QPointF(0, 0)), QPoint(0, 0));
        EXPECT_EQ(view()->mapFromScene(QPointF(300, 400)), QPoint(300, 400));
    }
    // A resize lays the turned item out again.
    preview->resize(800, 400);
    EXPECT_EQ(view()->geometry(), QRect(250, 0, 300, 400));
}

TEST_F(MediaPreviewTest, BuiltInMusicPlaysFromTheResourcesWithTheBuiltInArtwork)
{
    REQUIRE_SOUND_SERVER();
    showMuted("11", 3, ":/music/v1/Love.mp3", filled(192, 192, Qt::darkGray), "29.11;1");
    EXPECT_EQ(player()->media().request().url(), QUrl("qrc:/music/v1/Love.mp3"));
    EXPECT_TRUE(waitUntilPlayedPast(500)) << "state " << player()->state() << ", error "
                                          << player()->errorString().toStdString();
    QLabel* artwork = label("artworkLabel");
        EXPECT_EQ(artwork->pixmap(Qt::ReturnByValue).toImage(), QPixmap(kMusicArtwork).toImage());
    EXPECT_EQ(artwork->geometry(), QRect(0, 0, 400, 400));
    EXPECT_TRUE(artwork->hasScaledContents());
    EXPECT_TRUE(bar()->findChild<QWidget*>("horizontalSlider")->isEnabled());
    keepScreenshot("music");
}

TEST_F(MediaPreviewTest, MusicWithItsOwnCoverShowsTheCover)
{
    REQUIRE_SOUND_SERVER();
    const QPixmap cover = filled(191, 192, QColor(200, 40, 90));
    showMuted("12", 3, TestMedia::path("tone440.wav"), cover, "00:03");
    EXPECT_TRUE(waitUntilPlayedPast(500)) << "state " << player()->state();
    QLabel* artwork = label("artworkLabel");
        EXPECT_EQ(artwork->pixmap(Qt::ReturnByValue).toImage(), cover.toImage());
    // Smaller than its place both ways: shown at its own size.
    EXPECT_EQ(artwork->geometry(), QRect(1, 0, 398, 400));
    EXPECT_FALSE(artwork->hasScaledContents());
}

TEST_F(MediaPreviewTest, SingleFrameGifIsAStillWithOnlyCloseEnabled)
{
    const QString path = TestMedia::path("single_frame.gif");
    const QPixmap image(path);
    ASSERT_EQ(image.size(), QSize(40, 20));
    preview->showMedia("13", 2, path, image, "40x20");
    QLabel* picture = label("pictureLabel");
    EXPECT_EQ(picture->movie(), nullptr);
    EXPECT_EQ(preview->findChild<QMovie*>(), nullptr);
        EXPECT_EQ(picture->pixmap(Qt::ReturnByValue).toImage(), image.toImage());
    EXPECT_EQ(picture->geometry(), QRect(0, 100, 400, 200));
    EXPECT_EQ(player(), nullptr);
    EXPECT_TRUE(bar()->findChild<QWidget*>("closeButton")->isEnabled());
    for (const char* name : {"playPauseButton", "horizontalSlider", "leftLabel", "rightLabel"})
        EXPECT_FALSE(bar()->findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_EQ(label("leftLabel")->text(), "00:00");
    EXPECT_EQ(label("rightLabel")->text(), "-00:00");
}

TEST_F(MediaPreviewTest, AnimatedGifRunsAtTheSizeOfItsFrames)
{
    // A thumbnail of another shape: the layout follows the animation's frames.
    preview->showMedia("14", 2, TestMedia::path("animation.gif"), filled(100, 100, Qt::gray), "160x120");
    QLabel* picture = label("pictureLabel");
    ASSERT_NE(picture->movie(), nullptr);
    EXPECT_EQ(picture->movie()->state(), QMovie::Running);
    EXPECT_EQ(picture->geometry(), QRect(0, 50, 400, 300));
    EXPECT_FALSE(picture->hasScaledContents());

    // A cached GIF of the search page has no suffix: its type says what it is.
    QTemporaryDir folder;
    const QString cached = folder.filePath("cached-gif");
    ASSERT_TRUE(QFile::copy(TestMedia::path("animation.gif"), cached));
    preview->showMedia("15", 4, cached, filled(100, 100, Qt::gray), QString());
    ASSERT_NE(label("pictureLabel")->movie(), nullptr);
    EXPECT_EQ(preview->findChildren<QMovie*>().size(), 1) << "the earlier animation is gone";
    EXPECT_FALSE(bar()->findChild<QWidget*>("playPauseButton")->isEnabled());
}

TEST_F(MediaPreviewTest, PicturesAreScaledOnlyWhenLargerThanTheirPlace)
{
    preview->showMedia("16", 2, TestMedia::path("picture.png"), QPixmap(TestMedia::path("picture.png")), "320x240");
    QLabel* picture = label("pictureLabel");
    EXPECT_EQ(picture->geometry(), QRect(0, 50, 400, 300));
    EXPECT_FALSE(picture->hasScaledContents());
    keepScreenshot("picture");
    preview->showMedia("17", 2, TestMedia::path("picture.png"), filled(800, 600, Qt::blue), "800x600");
    EXPECT_TRUE(picture->hasScaledContents());
}

TEST_F(MediaPreviewTest, SliderDragPausesAndResumesAPlayingItemOnly)
{
    // 75 s without sound: long enough to drag on any machine.
    preview->showMedia("18", 1, TestMedia::path("long64_10fps.mp4"), filled(64, 48, Qt::blue), "1:15;64x48;0");
    // Pressed at once, while the player still loads: the seek waits for it.
    ASSERT_EQ(player()->mediaStatus(), QMediaPlayer::LoadingMedia);
    QWindow* window = preview->windowHandle();
    const QPoint threeQuarters = sliderPoint(0.75);
    QTest::mousePress(window, Qt::LeftButton, {}, threeQuarters);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->state() == QMediaPlayer::PausedState; }, kPlayWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->position() > 45000 && player()->position() < 65000; },
                                kPlayWaitMs))
        << "position " << player()->position();
    const QPoint half = sliderPoint(0.5);
    QTest::mouseMove(window, half);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->position() > 30000 && player()->position() < 45000; },
                                kPlayWaitMs))
        << "position " << player()->position();
    QTest::mouseRelease(window, Qt::LeftButton, {}, half);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->state() == QMediaPlayer::PlayingState; }, kPlayWaitMs));
    EXPECT_TRUE(waitUntilPlayedPast(30000));

    // Paused by the button, a drag leaves it paused.
    QTest::mouseClick(bar()->findChild<QWidget*>("playPauseButton"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->state() == QMediaPlayer::PausedState; }, kPlayWaitMs));
    QTest::mousePress(window, Qt::LeftButton, {}, threeQuarters);
    QTest::mouseRelease(window, Qt::LeftButton, {}, threeQuarters);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player()->position() > 45000; }, kPlayWaitMs))
        << "position " << player()->position();
    QTest::qWait(500);
    EXPECT_EQ(player()->state(), QMediaPlayer::PausedState);
}

TEST_F(MediaPreviewTest, BarFloatsOverTheBottomUntilDocked)
{
    // Closing a preview that never showed anything is harmless.
    QSignalSpy hiddenEarly(preview.get(), &MediaPreviewWidget::hideMediaPreviewControlWidgetExternal);
    preview->close();
    EXPECT_EQ(hiddenEarly.count(), 0);

    preview->showMedia("19", 2, TestMedia::path("picture.png"), filled(320, 240, Qt::blue), "320x240");
    EXPECT_EQ(bar()->parentWidget(), preview.get());
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(bar()->geometry(), QRect(20, 400 - 20 - 52, 360, 52));
    preview->resize(600, 500);
    EXPECT_EQ(bar()->geometry(), QRect(20, 500 - 20 - 52, 560, 52));

    QSignalSpy pressedClose(preview.get(), &MediaPreviewWidget::didPressClose);
    QTest::mouseClick(bar()->findChild<QWidget*>("closeButton"), Qt::LeftButton);
    EXPECT_EQ(pressedClose.count(), 1);
    QSignalSpy hidden(preview.get(), &MediaPreviewWidget::hideMediaPreviewControlWidgetExternal);
    MediaPreviewControlWidget* floating = bar();
    preview->close();
    EXPECT_TRUE(preview->filePath().isEmpty());
    ASSERT_EQ(hidden.count(), 1);
    EXPECT_EQ(hidden.first().at(0).value<MediaPreviewControlWidget*>(), floating);
    EXPECT_FALSE(floating->isVisible());
    EXPECT_TRUE(preview->isVisible()) << "the caller hides the preview";

    // Docked in a panel of the main window, the bar is the panel's to place.
    QWidget panel;
    auto* panelLayout = new QVBoxLayout(&panel);
    QObject::connect(preview.get(), &MediaPreviewWidget::displayMediaPreviewControlWidgetExternal, &panel,
            [&](MediaPreviewControlWidget* controlWidget) { panelLayout->addWidget(controlWidget); });
    panel.resize(300, 80);
    panel.show();
    preview->showMedia("20", 2, TestMedia::path("picture.png"), filled(320, 240, Qt::blue), "320x240");
    ASSERT_EQ(floating->parentWidget(), &panel);
    const QRect docked = floating->geometry();
    preview->resize(700, 450);
    EXPECT_EQ(floating->geometry(), docked);
    EXPECT_TRUE(floating->isVisible());
    // Taken back out before the panel goes.
    panelLayout->removeWidget(floating);
    floating->setParent(preview.get());
}

TEST_F(MediaPreviewTest, NextItemStopsThePlayingOne)
{
    REQUIRE_SOUND_SERVER();
    showMuted("21", 3, TestMedia::path("tone440.wav"), filled(10, 10, Qt::red), "00:03");
    QPointer<QMediaPlayer> first = player();
    ASSERT_TRUE(waitUntilPlayedPast(0));
    preview->showMedia("22", 2, TestMedia::path("picture.png"), filled(320, 240, Qt::blue), "320x240");
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(player(), nullptr);
    EXPECT_EQ(preview->filePath(), "22");
    EXPECT_TRUE(label("artworkLabel")->pixmap(Qt::ReturnByValue).isNull());
}
