#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include "AVAnimatableImageSegment.h"
#include "AVGLTexture.h"
#include "AVImageLoader.h"
#include "AVImageSegment.h"
#include "AVImageServices.h"
#include "AVPixelBuffer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using StreamTest::fixture;
using StreamTest::waitUntil;
using Reports = StreamTest::SegmentCalls;

std::unique_ptr<AVImageSegment> imageSegment(AVImageLoader& loader, const char* name, Reports& reports)
{
    auto segment = std::make_unique<AVImageSegment>(&loader, 0.0, 4.0, fixture(name).constData(), 640, 360);
    segment->setCallback(&Reports::callback, &reports);
    return segment;
}

} // namespace

TEST(ImageLoader, QueuesAWakingSegmentOnceAndDropsItWhenItSleeps)
{
    AVImageLoader loader;
    loader.stop(true);  // nothing is taken out of the queue
    EXPECT_FALSE(loader.isRunning());
    Reports reports;
    auto segment = imageSegment(loader, "picture.png", reports);
    EXPECT_TRUE(segment->isReady());

    segment->wake();
    segment->wake();
    EXPECT_EQ(loader.queueLength(), 1u);
    EXPECT_TRUE(segment->isQueued());
    EXPECT_FALSE(segment->isReady());

    segment->sleep(false);
    EXPECT_EQ(loader.queueLength(), 0u);
    EXPECT_FALSE(segment->isQueued());
    EXPECT_TRUE(segment->isReady());
    segment->wake();
    EXPECT_EQ(loader.queueLength(), 1u);

    // Going away while queued leaves nothing behind in the queue.
    segment.reset();
    EXPECT_EQ(loader.queueLength(), 0u);
    EXPECT_EQ(reports.count, 0);
}

TEST_F(GLTest, ImageSegmentLoadsUploadsAndKeepsItsPictureWhileShown)
{
    avSetImageServicesCompositionSize(640, 360);
    AVImageLoader loader;
    Reports reports;
    auto segment = imageSegment(loader, "picture.png", reports);
    EXPECT_EQ(segment->status(), AVSegmentNotLoaded);
    segment->wake();
    ASSERT_TRUE(waitUntil([&] { return reports.count == 1; }));
    EXPECT_EQ(reports.argument, AVSegmentReady);
    EXPECT_TRUE(segment->isReady());
    EXPECT_FALSE(segment->isQueued());
    ASSERT_NE(segment->image(), nullptr);
    EXPECT_EQ(segment->imageWidth(), 320u);

    segment->prepareAt(1.0, false, false);
    ASSERT_NE(segment->texture(), nullptr);
    const std::vector<uint8_t> corner = bgraTexels(gl, segment->texture());
    EXPECT_GT(corner[2], 200);  // the red block is top-left
    EXPECT_LT(corner[0], 50);

    // Asleep but still shown: the picture stays, and waking needs no read.
    segment->sleep(false);
    EXPECT_EQ(segment->texture(), nullptr);
    EXPECT_EQ(segment->status(), AVSegmentNotLoaded);
    ASSERT_NE(segment->image(), nullptr);
    segment->wake();
    EXPECT_EQ(segment->status(), AVSegmentReady);
    EXPECT_FALSE(segment->isQueued());
    segment->prepareAt(1.0, false, false);
    EXPECT_NE(segment->texture(), nullptr);
    EXPECT_EQ(reports.count, 1);

    // For an export (or hidden) the picture goes too.
    segment->sleep(true);
    EXPECT_EQ(segment->image(), nullptr);
}

TEST(ImageLoader, UnreadablePicturesReportTheirFailure)
{
    avSetImageServicesCompositionSize(640, 360);
    AVImageLoader loader;
    Reports notPicture;
    Reports undecodable;
    auto text = imageSegment(loader, "garbage.mp4", notPicture);
    auto truncated = imageSegment(loader, "truncated.png", undecodable);
    text->wake();
    truncated->wake();
    ASSERT_TRUE(waitUntil([&] { return notPicture.count == 1 && undecodable.count == 1; }));
    EXPECT_EQ(notPicture.argument, AVSegmentPictureReadFailed);
    EXPECT_EQ(undecodable.argument, AVSegmentPictureDecodeFailed);
    EXPECT_EQ(truncated->image(), nullptr);
    EXPECT_TRUE(truncated->isReady());
    // A failed segment is not queued again.
    truncated->wake();
    EXPECT_EQ(loader.queueLength(), 0u);
}

// A segment removed from the time line while its file is read must not get
// the picture afterwards, and the loader must carry on with the others.
TEST(ImageLoader, SegmentsGoingAwayDuringTheirReadAreLeftAlone)
{
    avSetImageServicesCompositionSize(1920, 1080);
    AVImageLoader loader;
    Reports goneReports;
    auto gone = imageSegment(loader, "photo_4000x3000.jpg", goneReports);
    Reports laterReports;
    auto later = imageSegment(loader, "picture.png", laterReports);
    gone->wake();
    AVImageSegment* const goneAddress = gone.get();
    const bool caughtReading = waitUntil([&] { return loader.currentSegment() == goneAddress; }, 5.0);
    gone.reset();
    later->wake();
    ASSERT_TRUE(waitUntil([&] { return laterReports.count == 1; }));
    EXPECT_EQ(laterReports.argument, AVSegmentReady);
    EXPECT_EQ(goneReports.count, 0);
    if (!caughtReading)
        GTEST_SKIP() << "the large picture was read before the segment could be removed during the read";
}

TEST(ImageLoader, DestroyedWhileItsWorkerWaits)
{
    for (int i = 0; i < 20; ++i) {
        auto loader = std::make_unique<AVImageLoader>();
        EXPECT_TRUE(loader->isRunning());
        loader.reset();  // joins the worker before its mutex and condition go
    }
}

namespace {

struct Requests {
    std::atomic<int32_t> lastMs{-1};
    std::atomic<int32_t> lastSegment{-1};
    std::atomic<bool> answer{true};
};
Requests g_requests;

// The application side: a 64 x 32 picture, red in its top-left pixel.
uint8_t* answerRequest(void* owner, int32_t segmentId, int32_t timeMs, int32_t, int32_t, int32_t* width,
                       int32_t* height)
{
    auto* requests = static_cast<Requests*>(owner);
    requests->lastMs = timeMs;
    requests->lastSegment = segmentId;
    if (!requests->answer)
        return nullptr;
    *width = 64;
    *height = 32;
    auto* bytes = static_cast<uint8_t*>(std::calloc(64 * 32, 4));
    bytes[2] = 255;
    bytes[3] = 255;
    return bytes;
}

} // namespace

TEST_F(GLTest, AnimatedImageAsksForTheFrameOfItsLocalTime)
{
    avSetImageServicesCompositionSize(640, 360);
    avSetImageRequestCallback(&answerRequest, &g_requests);
    AVAnimatableImageSegment segment(2.0, 4.0, "anim.gif", 640, 360);
    segment.setId(17);
    EXPECT_EQ(segment.status(), AVSegmentReady);

    segment.prepareAt(2.0 + 1.2345, false, false);
    EXPECT_EQ(g_requests.lastMs, 1234);
    EXPECT_EQ(g_requests.lastSegment, 17);
    ASSERT_NE(segment.texture(), nullptr);
    EXPECT_EQ(segment.imageWidth(), 64u);
    EXPECT_EQ(segment.image(), nullptr);  // uploaded and freed at once
    EXPECT_EQ(bgraTexels(gl, segment.texture())[2], 255);

    // No picture: status 2, and the last texture stays.
    g_requests.answer = false;
    segment.prepareAt(3.0, false, false);
    EXPECT_EQ(segment.status(), 2);
    EXPECT_NE(segment.texture(), nullptr);

    // Only segments of status 0 are prepared: the next composition's wake
    // lets it ask again, and the picture that has come meanwhile shows.
    segment.wake();
    EXPECT_EQ(segment.status(), AVSegmentReady);
    g_requests.answer = true;
    segment.prepareAt(3.5, false, false);
    EXPECT_EQ(g_requests.lastMs, 1500);
    EXPECT_EQ(segment.status(), AVSegmentReady);

    segment.sleep(false);
    EXPECT_EQ(segment.texture(), nullptr);
    EXPECT_EQ(segment.status(), AVSegmentReady);
    avSetImageRequestCallback(nullptr, nullptr);
}
