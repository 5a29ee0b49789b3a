#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include "AVGLTexture.h"
#include "AVPixelBuffer.h"
#include "AVVideoSegment.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

using StreamTest::fixture;
using StreamTest::waitUntil;
using Calls = StreamTest::SegmentCalls;

struct LoadedVideo {
    Calls loads;
    Calls redraws;
    Calls thumbnails;
    std::unique_ptr<AVVideoSegment> segment;
};

// A segment on the fixture, loaded, awake and sought to its start; false
// when the load or the seek did not end in time.
bool load(LoadedVideo& video, const char* name, double start, double inPoint, double usedLength,
          uint32_t thumbnailHeight = 0)
{
    video.segment = std::make_unique<AVVideoSegment>(start, inPoint, usedLength, fixture(name).constData(), 1920,
                                                     1080, thumbnailHeight);
    video.segment->setRedrawCallback(&Calls::callback, &video.redraws);
    video.segment->setThumbnailCallback(&Calls::callback, &video.thumbnails);
    video.segment->setCallback(&Calls::callback, &video.loads);
    if (!waitUntil([&] { return video.loads.count > 0; }))
        return false;
    // An asleep stream decodes nothing, so the seek completes once awake.
    video.segment->wake();
    return waitUntil([&] { return video.segment->isReady(); });
}

// Prepares at time until the frame choice has taken a frame that satisfies
// done (the decoder may not have delivered it yet).
bool prepareUntil(AVVideoSegment& segment, double time, bool drawFlag, bool playing,
                  const std::function<bool()>& done)
{
    return waitUntil([&] {
        segment.prepareAt(time, drawFlag, playing);
        return done();
    });
}

bool showsFrame(AVVideoSegment& segment, double time, int64_t ms)
{
    return prepareUntil(segment, time, true, false, [&] { return segment.shownFrameMs() == ms; });
}

} // namespace

TEST_F(GLTest, VideoSegmentMapsTimeThroughInPointAndSpeed)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 1.0, 2.0, 2.0));
    EXPECT_EQ(video.loads.argument, 0);
    EXPECT_EQ(video.segment->status(), 0);
    video.segment->setDuration(4.0);
    EXPECT_DOUBLE_EQ(video.segment->speed(), 2.0);

    // The load sought to the start: the in-point's frame.
    ASSERT_TRUE(showsFrame(*video.segment, 1.0, 2000)) << video.segment->shownFrameMs();
    EXPECT_GE(video.redraws.count, 1);

    // start + 3 s at speed 2 from in-point 2 s is media time 3.5 s.
    ASSERT_EQ(video.segment->seekTo(4.0, true), 0);
    ASSERT_TRUE(waitUntil([&] { return video.segment->isReady(); }));
    ASSERT_TRUE(showsFrame(*video.segment, 4.0, 3500)) << video.segment->shownFrameMs();

    // A time before the start maps to the in-point.
    ASSERT_EQ(video.segment->seekTo(0.0, true), 0);
    ASSERT_TRUE(waitUntil([&] { return video.segment->isReady(); }));
    ASSERT_TRUE(showsFrame(*video.segment, 1.0, 2000)) << video.segment->shownFrameMs();

    // A planar frame: three planes, the visible size as the picture size.
    ASSERT_NE(video.segment->texture(), nullptr);
    EXPECT_EQ(avTextureFormat(video.segment->texture()), uint32_t(AVTextureFormatYUV420));
    EXPECT_NE(video.segment->secondPlane(), nullptr);
    EXPECT_NE(video.segment->thirdPlane(), nullptr);
    EXPECT_EQ(video.segment->imageWidth(), 854u);
    EXPECT_EQ(video.segment->imageHeight(), 480u);
    EXPECT_GE(video.segment->frameStride(), 854);
}

// Seeks while scrubbing: one asked for while another is still under way is
// carried out after it, so the picture ends at the latest time.
TEST_F(GLTest, VideoSegmentEndsAtTheLatestOfQuickSeeks)
{
    LoadedVideo video;
    // Long enough that its reading has not ended: seeks then wait their turn.
    ASSERT_TRUE(load(video, "long64_10fps.mp4", 0.0, 0.0, 0.0));
    ASSERT_EQ(video.segment->seekTo(10.0, false), 0);
    ASSERT_EQ(video.segment->seekTo(40.0, false), 0);
    ASSERT_TRUE(waitUntil([&] { return video.segment->isReady(); }));
    // The first frame after the seeks is the latest one's, not one reached
    // by decoding on from an older position.
    ASSERT_TRUE(prepareUntil(*video.segment, 40.0, true, false, [&] { return video.segment->shownFrameMs() >= 0; }));
    EXPECT_EQ(video.segment->shownFrameMs(), 40000);
}

// A seek left for the one under way keeps its place in the media: the start
// moving meanwhile (a split piece pulled back to the cut) leaves its picture
// as it was asked for, whatever the new start makes of its timeline time.
TEST_F(GLTest, VideoSegmentSeekLeftForTheOneUnderWayKeepsItsMediaTime)
{
    LoadedVideo video;
    // 2 s into the timeline from 20 s into the media: the two times differ.
    ASSERT_TRUE(load(video, "long64_10fps.mp4", 2.0, 20.0, 30.0));
    // Asleep, the stream completes no seek: the second waits for the first.
    video.segment->sleep(false);
    ASSERT_EQ(video.segment->seekTo(5.0, false), 0);   // media 23 s
    ASSERT_EQ(video.segment->seekTo(12.0, false), 0);  // media 30 s
    video.segment->setStartTime(1.0);
    video.segment->wake();
    ASSERT_TRUE(waitUntil([&] { return video.segment->isReady(); }));
    // Media 30 s lies at 11 s on the timeline now.
    ASSERT_TRUE(prepareUntil(*video.segment, 11.0, true, false, [&] { return video.segment->shownFrameMs() >= 0; }));
    EXPECT_EQ(video.segment->shownFrameMs(), 30000);
}

TEST_F(GLTest, VideoSegmentHoldsAFrameAheadUntilItsTime)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 0.0, 2.0, 4.0));
    ASSERT_TRUE(showsFrame(*video.segment, 0.0, 2000));

    // The next frame (2.1 s) is 40 ms ahead of 2.06 s: held, not shown.
    ASSERT_TRUE(prepareUntil(*video.segment, 0.06, true, false,
                             [&] { return video.segment->pendingFrameMs() >= 0; }));
    EXPECT_EQ(video.segment->pendingFrameMs(), 2100);
    EXPECT_EQ(video.segment->shownFrameMs(), 2000);
    video.segment->prepareAt(0.08, true, false);
    EXPECT_EQ(video.segment->shownFrameMs(), 2000);

    video.segment->prepareAt(0.1, true, false);
    EXPECT_EQ(video.segment->shownFrameMs(), 2100);
    EXPECT_EQ(video.segment->pendingFrameMs(), -1);

    // A redraw far ahead drops the frames that are too old on the way and
    // shows the first within a frame's time (100 ms) of 3.0 s.
    ASSERT_TRUE(prepareUntil(*video.segment, 1.0, true, false,
                             [&] { return video.segment->shownFrameMs() > 2100; }));
    EXPECT_EQ(video.segment->shownFrameMs(), 2900);
}

// The queue emptied (as the timeline's thumbnail task does once a movie has
// loaded) right after a seek completed: its first picture is among what goes,
// and a paused preview, which holds a picture until its time comes, must still
// come to show the picture of the time rather than nothing.
TEST_F(GLTest, VideoSegmentShowsTheSoughtPictureAfterItsQueueIsEmptied)
{
    LoadedVideo video;
    // Loaded asleep: the load's seek to the start completes once woken.
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 0.0, 2.0, 4.0));
    // Time for the decoder to queue the sought picture and the one behind it.
    avThreadSleep(0.2);
    video.segment->flushFrames();
    EXPECT_TRUE(prepareUntil(*video.segment, 0.0, false, false, [&] { return video.segment->shownFrameMs() >= 0; }))
        << "nothing shown; held back: " << video.segment->pendingFrameMs();
    EXPECT_EQ(video.segment->shownFrameMs(), 2000);

    // Once a picture of the seek is on screen, emptying the queue keeps it.
    video.segment->flushFrames();
    EXPECT_EQ(video.segment->shownFrameMs(), 2000);
    EXPECT_TRUE(video.segment->isReady());
}

namespace {

// Prepares while playing at time until count more frames have been shown.
bool showFrames(AVVideoSegment& segment, double time, int count)
{
    for (int shown = 0; shown < count; ++shown) {
        const int64_t before = segment.shownFrameMs();
        if (!prepareUntil(segment, time, false, true, [&] { return segment.shownFrameMs() != before; }))
            return false;
    }
    return true;
}

} // namespace

TEST_F(GLTest, VideoSegmentRaisesAndResetsTheStepMultiplierByLag)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "long64_10fps.mp4", 0.0, 60.0, 15.0));
    // The load sought while asleep: its first frame is the first measured,
    // on time (0.1 s ahead of its interval's end).
    ASSERT_TRUE(prepareUntil(*video.segment, 0.0, false, true, [&] { return video.segment->shownFrameMs() >= 0; }));
    EXPECT_EQ(video.segment->stepMultiplier(), 1u);

    // Played at 61.05 s: the frames 60.1 .. 60.9 s, each shown until 0.1 s
    // later, lag 0.45 s; 0.395 s on average with the first.
    ASSERT_TRUE(showFrames(*video.segment, 1.05, 9));
    EXPECT_EQ(video.segment->stepMultiplier(), 3u);

    // Ten frames each shown at its own time (no lag) reset it.
    double time = 1.05;
    for (int shown = 0; shown < 10; ++shown) {
        const int64_t before = video.segment->shownFrameMs();
        ASSERT_TRUE(waitUntil([&] {
            video.segment->prepareAt(time, false, true);
            if (video.segment->pendingFrameMs() >= 0)
                time = double(video.segment->pendingFrameMs()) / 1000.0 - 60.0;
            return video.segment->shownFrameMs() != before;
        })) << "no frame after " << before;
    }
    EXPECT_EQ(video.segment->stepMultiplier(), 1u);
}

// Above half a second behind the decoder skips more: four from 0.5 s, five
// from 1.0 s on average.
TEST_F(GLTest, VideoSegmentSkipsMoreFramesTheFurtherItLags)
{
    for (const auto& [lag, multiplier] : {std::pair{0.6, 4u}, std::pair{1.1, 5u}}) {
        LoadedVideo video;
        ASSERT_TRUE(load(video, "long64_10fps.mp4", 0.0, 60.0, 15.0));
        ASSERT_TRUE(prepareUntil(*video.segment, 0.0, false, true, [&] { return video.segment->shownFrameMs() >= 0; }));
        // Frames 60.1 .. 60.9 s played at 60 s + time, each shown until 0.1 s
        // later, and the first one 0.1 s ahead: ten lags adding up to
        // 9 x time - 5.5 s.
        ASSERT_TRUE(showFrames(*video.segment, (10.0 * lag + 5.5) / 9.0, 9)) << lag;
        EXPECT_EQ(video.segment->stepMultiplier(), multiplier) << "lag " << lag;
    }
}

// Only a picture whose display interval is over before the time lags, by
// the rule a pass shows frames by: one still on screen for it is the right
// one, however far into it the time is.
TEST_F(GLTest, VideoSegmentShowsAnOlderFrameOnlyPastTheShownFramesInterval)
{
    LoadedVideo video;
    // From 1 s on the timeline, 2 s into the media at speed 2.
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 1.0, 2.0, 2.0));
    video.segment->setDuration(4.0);
    ASSERT_TRUE(showsFrame(*video.segment, 1.0, 2000));
    // Media 2.08 s lies within the 2.0 s frame's interval, 2.12 s past it.
    EXPECT_FALSE(video.segment->showsOlderFrameThan(1.16));
    EXPECT_TRUE(video.segment->showsOlderFrameThan(1.24));
    // Media 2.0995 s: the 2.1 s frame is due within the tolerance a pass
    // shows frames by, and a pass there would show it; 2.098 s is before it.
    EXPECT_TRUE(video.segment->showsOlderFrameThan(1.199));
    EXPECT_FALSE(video.segment->showsOlderFrameThan(1.196));
    // Outside the piece its picture is not what the time shows.
    EXPECT_FALSE(video.segment->showsOlderFrameThan(0.5));
    EXPECT_FALSE(video.segment->showsOlderFrameThan(5.0));
}

// The same lag behind starts the catch-up wherever the piece starts in its file.
TEST_F(GLTest, VideoSegmentCatchesUpOnTheSameLagAtAnyInPoint)
{
    for (const double inPoint : {0.5, 40.0}) {
        LoadedVideo video;
        ASSERT_TRUE(load(video, "long64_10fps.mp4", 0.0, inPoint, 15.0));
        ASSERT_TRUE(prepareUntil(*video.segment, 0.0, false, true, [&] { return video.segment->shownFrameMs() >= 0; }));
        // 0.35 s behind on average, the first frame counted as above.
        ASSERT_TRUE(showFrames(*video.segment, 1.0, 9)) << inPoint;
        EXPECT_EQ(video.segment->stepMultiplier(), 3u) << "in-point " << inPoint;
    }
}

TEST(VideoSegment, TrimsClampAndLengthsComeFromTheMedia)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 0.0, 1.0, 2.0));
    video.segment->setTrimStart(-1.0);
    EXPECT_DOUBLE_EQ(video.segment->inPoint(), 0.0);
    video.segment->setTrimStart(100.0);
    EXPECT_DOUBLE_EQ(video.segment->inPoint(), 2.0);  // the old in-point plus the used length
    video.segment->setTrimDuration(-3.0);
    EXPECT_DOUBLE_EQ(video.segment->usedLength(), 0.0);
    EXPECT_DOUBLE_EQ(video.segment->speed(), 1.0);  // no length, no new ratio

    // Without a used length the whole media is used, at speed 1.
    LoadedVideo whole;
    ASSERT_TRUE(load(whole, "frames854_10fps.mp4", 0.0, 0.0, 0.0));
    EXPECT_NEAR(whole.segment->usedLength(), 6.0, 0.11);
    EXPECT_DOUBLE_EQ(whole.segment->duration(), whole.segment->usedLength());
    EXPECT_DOUBLE_EQ(whole.segment->speed(), 1.0);

    // From an in-point on, only the media left after it: the segment ends
    // with the media rather than two seconds past it.
    LoadedVideo rest;
    ASSERT_TRUE(load(rest, "frames854_10fps.mp4", 0.0, 2.0, 0.0));
    EXPECT_NEAR(rest.segment->usedLength(), rest.segment->mediaDuration() - 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(rest.segment->duration(), rest.segment->usedLength());
    EXPECT_DOUBLE_EQ(rest.segment->speed(), 1.0);
}

TEST(VideoSegment, CollectsSixteenThumbnails)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "frames854_10fps.mp4", 0.0, 0.0, 0.0, 90));
    // Thumbnails arrive while the stream opens, before the load report.
    EXPECT_EQ(video.segment->thumbnailCount(), AVVideoSegment::kThumbnailCount);
    EXPECT_EQ(video.thumbnails.count, 1);
    EXPECT_EQ(video.thumbnails.argument, AVVideoSegment::kThumbnailCount);
    ASSERT_NE(video.segment->thumbnail(15), nullptr);
    EXPECT_EQ(video.segment->thumbnail(15)->width, 160u);
    EXPECT_EQ(video.segment->thumbnail(15)->height, 90u);
    EXPECT_EQ(video.segment->thumbnail(16), nullptr);
    EXPECT_EQ(video.segment->thumbnail(-1), nullptr);
    video.segment->clearThumbnails();
    EXPECT_EQ(video.segment->thumbnailCount(), 0);
}

// A tile removed just as its movie finishes loading: the load thread is still
// in the segment's completion, which reaches the stream through the segment.
TEST(VideoSegment, DeletedAsItsLoadCompletesEndsTheLoadFirst)
{
    const QByteArray path = fixture("fps60.mp4");
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 80 && clock.elapsed() < 5000; ++round) {
        Calls loads;
        auto segment = std::make_unique<AVVideoSegment>(0.0, path.constData(), 640, 360, 0);
        segment->setCallback(&Calls::callback, &loads);
        // The completion sets the status first and then goes on with the
        // stream: watched without pause, so that the deletion comes meanwhile.
        QElapsedTimer wait;
        wait.start();
        while (segment->status() == AVSegmentNotLoaded && wait.elapsed() < 5000) {
        }
        ASSERT_NE(segment->status(), AVSegmentNotLoaded) << "round " << round << ": no load in 5 s";
        segment.reset();
    }
}

TEST(VideoSegment, LoadFailureIsReportedAndStopsSeeking)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "garbage.mp4", 0.0, 0.0, 0.0));
    EXPECT_NE(video.segment->status(), 0);
    EXPECT_EQ(video.loads.argument, video.segment->status());
    EXPECT_EQ(video.segment->seekTo(0.0, true), video.segment->status());
}

// Colours smeared at widths like 854 when the chroma rows were taken with
// the decoder's line size: the planes must hold exactly the decoded samples.
TEST_F(GLTest, VideoSegmentUploadsEveryPlaneOfAnOddChromaWidth)
{
    QFile reference(TestMedia::path("bars854_frame0.yuv"));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    const QByteArray planes = reference.readAll();
    const int width = 854, height = 480, chromaWidth = 427, chromaHeight = 240;
    ASSERT_EQ(planes.size(), width * height + 2 * chromaWidth * chromaHeight);

    LoadedVideo video;
    ASSERT_TRUE(load(video, "bars854.mp4", 0.0, 0.0, 0.0));
    ASSERT_TRUE(showsFrame(*video.segment, 0.0, 0));

    const auto expectRows = [&](const AVGLTexture* texture, int offset, int visibleWidth, int rows) {
        ASSERT_NE(texture, nullptr);
        ASSERT_GE(texture->width, visibleWidth);
        ASSERT_EQ(texture->height, rows);
        const std::vector<uint8_t> texels =
            storedTexels(gl, texture, GL_RED, GL_UNSIGNED_BYTE, size_t(texture->width) * texture->height);
        int mismatches = 0;
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < visibleWidth; ++x)
                mismatches += texels[size_t(y) * texture->width + x] != uint8_t(planes[offset + y * visibleWidth + x]);
        }
        EXPECT_EQ(mismatches, 0);
    };
    expectRows(video.segment->texture(), 0, width, height);
    expectRows(video.segment->secondPlane(), width * height, chromaWidth, chromaHeight);
    expectRows(video.segment->thirdPlane(), width * height + chromaWidth * chromaHeight, chromaWidth, chromaHeight);

    // Asleep for an export, the segment gives up every texture.
    video.segment->sleep(true);
    EXPECT_EQ(video.segment->texture(), nullptr);
    EXPECT_EQ(video.segment->secondPlane(), nullptr);
    EXPECT_EQ(video.segment->imageWidth(), 0u);
}

TEST_F(GLTest, VideoSegmentUploadsTenBitPlanesAsSixteenBitTextures)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "hevc10.mp4", 0.0, 0.0, 0.0));
    ASSERT_TRUE(showsFrame(*video.segment, 0.0, 0));
    ASSERT_EQ(video.segment->frameFormat(), 8u) << "the decoder gave another layout";
    const AVGLTexture* luma = video.segment->texture();
    ASSERT_NE(luma, nullptr);
    EXPECT_EQ(avTextureFormat(luma), uint32_t(AVTextureFormatYUV420P16));
    EXPECT_EQ(luma->width, video.segment->frameStride() / 2);  // two bytes a sample
    EXPECT_EQ(luma->height, 240);
    ASSERT_NE(video.segment->thirdPlane(), nullptr);
    EXPECT_EQ(video.segment->thirdPlane()->width, video.segment->frameStride() / 4);
    EXPECT_EQ(video.segment->thirdPlane()->height, 120);
    // Mid-grey areas of the test picture hold 10-bit samples, not bytes.
    const std::vector<uint8_t> samples =
        storedTexels(gl, luma, GL_RED, GL_UNSIGNED_SHORT, size_t(luma->width) * luma->height * 2);
    uint16_t largest = 0;
    for (size_t i = 0; i + 1 < samples.size(); i += 2)
        largest = std::max<uint16_t>(largest, uint16_t(samples[i] | samples[i + 1] << 8));
    EXPECT_GT(largest, 255);
    EXPECT_LE(largest, 1023);
    EXPECT_EQ(video.segment->imageWidth(), 320u);
}

// Paused, a picture more than a second behind its time is left to a seek,
// which gets there sooner than decoding every frame on the way: the pass
// shows the next picture only, however far behind.
TEST_F(GLTest, VideoSegmentPausedFarBehindShowsOnlyTheNextPicture)
{
    LoadedVideo video;
    ASSERT_TRUE(load(video, "long64_10fps.mp4", 0.0, 0.0, 0.0));
    for (const double behind : {1.5, 5.0}) {
        ASSERT_EQ(video.segment->seekTo(0.0, true), 0);
        ASSERT_TRUE(waitUntil([&] { return video.segment->isReady(); }));
        ASSERT_TRUE(showsFrame(*video.segment, 0.0, 0)) << video.segment->shownFrameMs();
        ASSERT_TRUE(prepareUntil(*video.segment, behind, false, false,
                                 [&] { return video.segment->shownFrameMs() != 0; }));
        EXPECT_EQ(video.segment->shownFrameMs(), 100) << behind << " s behind: decoded on instead of a seek";
    }
}
