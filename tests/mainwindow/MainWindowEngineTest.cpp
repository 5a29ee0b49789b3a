#include "TestWindow.h"

#include "AVAudioSegment.h"
#include "AVPixelBuffer.h"
#include "AVVideoSegment.h"
#include "CommandLineMedia.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "TextSegment.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"
#include "UserSettings.h"
#include "VideoThumbnailsCache.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kName = QStringLiteral("Trip");

template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

class MainWindowEngine : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }

    // A movie of the project, created in the engine by its loading task.
    AVVideoSegment* addMovie(TestWindow& window, const QString& fixture)
    {
        const QString path = dir + "/" + fixture;
        QFile::copy(TestMedia::path(fixture), path);
        auto* movie = new MovieSegment(path, 0.0f, &window);
        window.projectManager()->appendSegment(movie, nullptr);
        secondId = movie->secondEngineId();
        const uint32_t id = uint32_t(movie->serialNumber());
        AVComposition* composition = window.composition();
        if (!waitUntil([&] { return composition->findSegment(id) && composition->findSegment(uint32_t(secondId)); }))
            return nullptr;
        return dynamic_cast<AVVideoSegment*>(composition->findSegment(id));
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
    int32_t secondId = 0;
};

} // namespace

TEST_F(MainWindowEngine, MovieSegmentsAreCreatedAsTheSettingsAndCacheSay)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(640, 360))
        GTEST_SKIP() << "no OpenGL context for the preview";
    UserSettings::instance()->setHardwareCodec(false);
    // The thumbnails of this file are cached already: the engine makes none.
    QImage thumbnail(32, 18, QImage::Format_ARGB32);
    thumbnail.fill(Qt::red);
    window.thumbnailsCache()->setThumbnail(dir + "/clip_h264_aac.mp4", thumbnail, 0);
    AVVideoSegment* cached = addMovie(window, QStringLiteral("clip_h264_aac.mp4"));
    ASSERT_NE(cached, nullptr);
    EXPECT_EQ(cached->thumbnailHeight(), 0u);
    EXPECT_TRUE(cached->isSoftwareOnly());
    EXPECT_NE(dynamic_cast<AVAudioSegment*>(window.composition()->findSegment(uint32_t(secondId))), nullptr);

    UserSettings::instance()->setHardwareCodec(true);
    AVVideoSegment* fresh = addMovie(window, QStringLiteral("fps60.mp4"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->thumbnailHeight(), uint32_t(Segment::trackHeight() * window.devicePixelRatioF()));
    EXPECT_FALSE(fresh->isSoftwareOnly());
    window._finishClosing();
}

// No pass has drawn a picture yet: the close makes no cover of the empty
// preview, and the movies still loading do not hold it up.
TEST_F(MainWindowEngine, ClosingBeforeAnyPictureMakesNoCoverAndSurvivesLoadingMovies)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(1920, 1080))
        GTEST_SKIP() << "no OpenGL context for the preview";
    for (int index = 0; index < 4; ++index) {
        const QString path = dir + QStringLiteral("/clip%1.mp4").arg(index);
        QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), path);
        window.projectManager()->appendSegment(new MovieSegment(path, float(index), &window), nullptr);
    }
    window.projectManager()->setModified(true);
    window._finishClosing();
    EXPECT_FALSE(QFile::exists(dir + "/shot.jpg"));
    EXPECT_TRUE(QFile::exists(dir + "/project.xml"));
    EXPECT_EQ(window.projectManager(), nullptr);
}

TEST_F(MainWindowEngine, AFixedCoverIsKept)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(1920, 1080))
        GTEST_SKIP() << "no OpenGL context for the preview";
    QImage own(100, 50, QImage::Format_RGB32);
    own.fill(Qt::green);
    ASSERT_TRUE(own.save(dir + "/shot.jpg"));
    // A picture a cover could be made from.
    window.preview()->render()->addTickets(1);
    ASSERT_TRUE(waitUntil([&] { return !window.preview()->grabWholePicture().isNull(); }));
    window.projectManager()->setFixCoverImage(true);
    window._finishClosing();
    EXPECT_EQ(QImageReader(dir + "/shot.jpg").size(), QSize(100, 50));
}

namespace {

TextSegment* addText(TestWindow& window, float start, float duration, int track)
{
    auto* text = new TextSegment(QStringLiteral("caption"), start, duration, &window, nullptr);
    text->setTrackId(track);
    window.projectManager()->appendSegment(text, nullptr);
    return text;
}

double engineStart(TestWindow& window, const Segment* segment)
{
    AVSegment* engineSegment = window.composition()->findSegment(uint32_t(segment->serialNumber()));
    return engineSegment ? engineSegment->startTime() : -1.0;
}

} // namespace

TEST_F(MainWindowEngine, InsertModeFrontTrimPullsTheTrackUp)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(640, 360))
        GTEST_SKIP() << "no OpenGL context for the preview";
    TextSegment* first = addText(window, 0.0f, 10.0f, 1);
    TextSegment* second = addText(window, 10.0f, 10.0f, 1);
    TextSegment* third = addText(window, 20.0f, 10.0f, 1);
    TextSegment* otherTrack = addText(window, 5.0f, 10.0f, 2);
    // Each text reaches the engine on its own loading task: wait for all four.
    ASSERT_TRUE(waitUntil([&] {
        for (TextSegment* text : {first, second, third, otherTrack})
            if (engineStart(window, text) < 0.0)
                return false;
        return true;
    }));
    window.projectManager()->setModified(false);

    window.beginEditing(first);
    EXPECT_FALSE(window._applySegmentTiming(first, false));
    EXPECT_FALSE(window.projectManager()->isModified());

    first->setStartTime(2.0f);
    ASSERT_TRUE(window._applySegmentTiming(first, false));
    EXPECT_FLOAT_EQ(first->rangeStart(), 0.0f);
    EXPECT_FLOAT_EQ(first->duration(), 8.0f);
    EXPECT_FLOAT_EQ(second->rangeStart(), 8.0f);
    EXPECT_FLOAT_EQ(third->rangeStart(), 18.0f);
    EXPECT_FLOAT_EQ(otherTrack->rangeStart(), 5.0f);
    EXPECT_NEAR(engineStart(window, second), 8.0, 1e-5);
    EXPECT_NEAR(engineStart(window, third), 18.0, 1e-5);
    EXPECT_NEAR(window.composition()->findSegment(uint32_t(first->serialNumber()))->duration(), 8.0, 1e-5);
    EXPECT_TRUE(window.projectManager()->isModified());

    // A change within the tolerance moves nothing else but reaches the engine.
    first->setEndTime(8.0005f);
    ASSERT_TRUE(window._applySegmentTiming(first, false));
    EXPECT_FLOAT_EQ(second->rangeStart(), 8.0f);
    EXPECT_NEAR(window.composition()->findSegment(uint32_t(first->serialNumber()))->duration(), 8.0005, 1e-4);
    window._finishClosing();
}

TEST_F(MainWindowEngine, GrabAnswersWithTheFrameOrNullWhenAnotherIsPending)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(640, 360))
        GTEST_SKIP() << "no OpenGL context for the preview";
    // Snapshots are of video layers: the picture of the movie at its own size.
    AVVideoSegment* video = addMovie(window, QStringLiteral("clip_h264_aac.mp4"));
    ASSERT_NE(video, nullptr);
    Segment* movie = window.projectManager()->segmentAt(0);
    window.engine()->setSegmentFlag2(movie->serialNumber(), 1);
    ASSERT_TRUE(waitUntil([&] { return video->imageWidth() > 0; }));
    AVPixelBuffer* frame = window._grabSegmentImage(movie);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(avPixelBufferWidth(frame), video->imageWidth());
    EXPECT_EQ(avPixelBufferHeight(frame), video->imageHeight());
    avPixelBufferFree(frame);

    // A request of someone else is pending: the composition refuses at once.
    static std::atomic<int> otherAnswers{0};
    window.composition()->requestSegmentSnapshot(
        uint32_t(movie->serialNumber()),
        [](AVComposition*, AVSegment*, uint8_t* pixels, int32_t, int32_t, void*) {
            std::free(pixels);
            ++otherAnswers;
        },
        nullptr);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(window._grabSegmentImage(movie), nullptr);
    EXPECT_LT(clock.elapsed(), 2500) << "waited for the bound instead of taking the refusal";
    window._finishClosing();
}

namespace {

// Frame n of a counted movie shows n in binary: twelve columns, the lowest
// bit at the left, white where a bit is set.
bool makeCountedMovie(const QString& path)
{
    return makeMedia({"-f", "lavfi", "-i",
                      "color=c=black:s=192x108:r=30:d=4,"
                      "geq=lum='if(bitand(N\\,pow(2\\,floor(X*12/W)))\\,235\\,16)':cb=128:cr=128",
                      "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-g", "30", path});
}

int countedNumber(const QImage& picture)
{
    if (picture.isNull())
        return -1;
    int number = 0;
    for (int bit = 0; bit < 12; ++bit) {
        if (qGray(picture.pixel((2 * bit + 1) * picture.width() / 24, picture.height() / 2)) > 128)
            number |= 1 << bit;
    }
    return number;
}

} // namespace

// A preview that cannot keep up (here a hidden one, which the driver waits
// for up to a tenth of a second a frame) falls behind while playing; paused,
// it shows the picture of the play-head's time all the same.
TEST_F(MainWindowEngine, APausedPreviewShowsThePictureOfThePlayHeadsTime)
{
    TestWindow window(kName, QString());
    if (!window.startEngine(384, 216))
        GTEST_SKIP() << "no OpenGL context for the preview";
    UserSettings::instance()->setHardwareCodec(false);
    const QString path = dir + "/counted.mp4";
    ASSERT_TRUE(makeCountedMovie(path));
    auto* movie = new MovieSegment(path, 0.0f, &window);
    window.projectManager()->appendSegment(movie, nullptr);
    AVComposition* composition = window.composition();
    ASSERT_TRUE(waitUntil([&] { return composition->duration() > 3.0; }, 5000)) << "the movie did not load";
    window.engine()->setSegmentFlag2(movie->serialNumber(), 1);

    AVRender* render = window.engine()->renderer();
    render->setWaitForPresent(1);
    window.preview()->hide();
    window.engine()->togglePlayback();
    ASSERT_TRUE(waitUntil([&] { return render->currentTime() >= 1.0; }, 5000)) << "playback did not start";
    window.engine()->pause();
    ASSERT_TRUE(waitUntil([&] { return !render->isPlaying(); }, 5000)) << "the pause never took effect";

    window.preview()->show();
    const double time = render->currentTime();
    // The frame whose interval holds the time, as the engine picks it (to the millisecond).
    const int expected = int(std::floor((time + 0.001) * 30.0));
    int shown = -1;
    const bool settled = waitUntil(
        [&] {
            shown = countedNumber(window.preview()->grabWholePicture());
            return shown == expected;
        },
        5000);
    EXPECT_TRUE(settled) << "shows frame " << shown << ", not " << expected << ", at " << time << " s";
    window._finishClosing();
}

namespace {

class EndingWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    bool reachedEnd() const { return _reachedEnd; }
};

} // namespace

// Played to the end faster than the decoder keeps up (three times the speed,
// through a hidden preview), the preview comes to show the piece's last
// picture, not the one it had reached, and the end stays reached.
TEST_F(MainWindowEngine, PlaybackThatReachesTheEndShowsTheLastPicture)
{
    EndingWindow window(kName, QString());
    if (!window.startEngine(384, 216))
        GTEST_SKIP() << "no OpenGL context for the preview";
    UserSettings::instance()->setHardwareCodec(false);
    const QString path = dir + "/counted.mp4";
    ASSERT_TRUE(makeCountedMovie(path));
    // Media 0.5 .. 3.0 s at speed 3: frame 89 is the last; frame 90 begins where the piece ends.
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, QStringLiteral("MOVIE"));
    Segment::setStringAttribute(attributes.get(), SegmentKey::File, path);
    Segment::setIntAttribute(attributes.get(), SegmentKey::TrackId, 1);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeStart, 0.0f);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 2.5f);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::TrimStart, 0.5f);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::TrimDuration, 2.5f);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::Speed, 3.0f);
    auto* movie = new MovieSegment(std::move(attributes), &window, false);
    window.projectManager()->appendSegment(movie, nullptr);
    AVComposition* composition = window.composition();
    ASSERT_TRUE(waitUntil([&] { return composition->duration() > 0.8; }, 5000)) << "the movie did not load";
    ASSERT_NEAR(composition->duration(), 2.5 / 3.0, 1e-3);
    window.engine()->setSegmentFlag2(movie->serialNumber(), 1);

    AVRender* render = window.engine()->renderer();
    render->setWaitForPresent(1);
    window.preview()->hide();
    window.engine()->togglePlayback();
    ASSERT_TRUE(waitUntil([&] { return window.reachedEnd(); }, 10000)) << "playback did not reach the end";
    window.preview()->show();
    int shown = -1;
    const bool last = waitUntil(
        [&] {
            shown = countedNumber(window.preview()->grabWholePicture());
            return shown == 89;
        },
        5000);
    EXPECT_TRUE(last) << "shows frame " << shown << " at the end";
    EXPECT_TRUE(window.reachedEnd());
    EXPECT_DOUBLE_EQ(render->currentTime(), composition->duration());
    window._finishClosing();
}

namespace {

// Notes, as each stop of playback is reported, whether the window sought the
// movie then: a seek leaves it without a picture until the sought one comes.
class PausingWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    AVVideoSegment* movie = nullptr;
    QList<bool> soughtAtStops;

protected:
    void onAVRenderStatusChanged(int status) override
    {
        TestWindow::onAVRenderStatusChanged(status);
        if (status == AVRender::StateStopped && movie)
            soughtAtStops << (!movie->isReady() || movie->shownFrameMs() < 0);
    }
};

} // namespace

// A movie of one picture every two seconds, which any preview keeps up with,
// paused within its first picture: the preview shows the play-head's
// picture already, and the pause seeks nothing.
TEST_F(MainWindowEngine, APauseOverAPictureThatKeptUpSeeksNothing)
{
    PausingWindow window(kName, QString());
    if (!window.startEngine(384, 216))
        GTEST_SKIP() << "no OpenGL context for the preview";
    UserSettings::instance()->setHardwareCodec(false);
    const QString path = dir + "/slow.mp4";
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "testsrc2=s=192x108:r=1/2:d=8", "-c:v", "libx264", "-preset",
                           "veryfast", "-pix_fmt", "yuv420p", path}));
    auto* segment = new MovieSegment(path, 0.0f, &window);
    window.projectManager()->appendSegment(segment, nullptr);
    AVComposition* composition = window.composition();
    ASSERT_TRUE(waitUntil([&] { return composition->duration() > 6.0; }, 5000)) << "the movie did not load";
    window.movie = dynamic_cast<AVVideoSegment*>(composition->findSegment(uint32_t(segment->serialNumber())));
    ASSERT_NE(window.movie, nullptr);
    window.engine()->setSegmentFlag2(segment->serialNumber(), 1);

    AVRender* render = window.engine()->renderer();
    window.engine()->togglePlayback();
    ASSERT_TRUE(waitUntil([&] { return render->currentTime() >= 0.2 && window.movie->shownFrameMs() >= 0; }, 5000))
        << "playback did not show the movie";
    window.engine()->pause();
    ASSERT_TRUE(waitUntil([&] { return !window.soughtAtStops.isEmpty(); }, 5000)) << "the stop was never reported";
    ASSERT_LT(render->currentTime(), 2.0) << "paused past the first picture: nothing to tell";
    EXPECT_FALSE(window.soughtAtStops.first()) << "the pause sought again a picture that kept up";
    window._finishClosing();
}
