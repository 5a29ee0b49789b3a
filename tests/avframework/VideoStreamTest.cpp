#include "AVEngine.h"
#include "AVVideoStream.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <memory>
#include <thread>
#include <tuple>

using namespace StreamTest;

namespace {

// A video stream opened on its load thread.
std::unique_ptr<AVVideoStream> loadVideo(const char* name, int32_t* result = nullptr)
{
    auto stream = std::make_unique<AVVideoStream>(fixture(name).constData(), 0, 0);
    auto load = std::make_unique<Load>();
    stream->startLoad(false, &Load::callback, load.get());
    EXPECT_TRUE(waitUntil([&] { return load->done.load() && !stream->isLoading(); })) << name;
    if (result)
        *result = load->result;
    else
        EXPECT_EQ(load->result, 0) << name;
    if (!load->done)
        load.release(); // the load thread may still report into it
    return stream;
}

// Awake and seeked; the first frame decoded at time.
Frame firstFrameAt(AVVideoStream& stream, double time, SeekReports* reports = nullptr)
{
    stream.awaken();
    stream.seek(time, reports ? &SeekReports::callback : nullptr, reports, true);
    Frame frame;
    EXPECT_TRUE(popFrame(stream, frame));
    return frame;
}

// Pixel (x, y) of BGRA rows, as blue, green, red, alpha.
const uint8_t* pixel(const uint8_t* data, int width, int x, int y)
{
    return data + (size_t(y) * width + x) * 4;
}

} // namespace

class VideoFormatCodes : public ::testing::TestWithParam<std::tuple<const char*, uint32_t, uint32_t>> {};

TEST_P(VideoFormatCodes, DecodedLayoutAndColourCode)
{
    const auto [name, format, colour] = GetParam();
    auto stream = loadVideo(name);
    const Frame frame = firstFrameAt(*stream, 0.0);
    EXPECT_EQ(frame.format, format);
    EXPECT_EQ(frame.colour, colour);
    ASSERT_FALSE(frame.bytes.empty());
    if (format == AVVideoFrameBGRA) {
        // Half-transparent red, premultiplied: red about equal to alpha.
        const uint8_t* p = pixel(frame.bytes.data(), frame.stride, frame.width / 2, frame.height / 2);
        EXPECT_NEAR(p[3], 128, 12);
        EXPECT_NEAR(p[2], p[3], 12);
        EXPECT_LT(p[0], 20);
    }
}

// The untagged 320x240 clips are standard definition: BT.601 (100).
INSTANTIATE_TEST_SUITE_P(Files, VideoFormatCodes,
                         ::testing::Values(std::make_tuple("clip_h264_aac.mp4", 1u, 0u),
                                           std::make_tuple("fullrange.mp4", 1u, 110u),
                                           std::make_tuple("hevc10.mp4", 8u, 100u),
                                           std::make_tuple("vp9_alpha.webm", 0u, 0u)));

TEST(VideoStream, OddChromaWidthKeepsChromaPlanesAligned)
{
    auto stream = loadVideo("bars854.mp4");
    const Frame frame = firstFrameAt(*stream, 0.0);
    ASSERT_EQ(frame.format, AVVideoFrameYUV420P);
    ASSERT_EQ(frame.width, 854);
    ASSERT_EQ(frame.height, 480);
    const int chromaPitch = frame.stride / 2;
    const int chromaRows = (frame.height + 1) / 2;
    ASSERT_EQ(frame.bytes.size(), size_t(frame.stride) * frame.height + 2 * size_t(chromaPitch) * chromaRows);
    const uint8_t* u = frame.bytes.data() + size_t(frame.stride) * frame.height;
    const uint8_t* v = u + size_t(chromaPitch) * chromaRows;
    // Left half red (U 90, V 240), right half blue (U 240, V 110), on every row.
    for (int row : {0, chromaRows / 2, chromaRows - 1}) {
        EXPECT_NEAR(u[row * chromaPitch + 100], 90, 4) << row;
        EXPECT_NEAR(v[row * chromaPitch + 100], 240, 4) << row;
        EXPECT_NEAR(u[row * chromaPitch + 400], 240, 4) << row;
        EXPECT_NEAR(v[row * chromaPitch + 400], 110, 4) << row;
    }
}

TEST(VideoStream, RotatedClipReportsTurnedSizeAndUprightStill)
{
    auto stream = loadVideo("rotated90.mp4");
    uint32_t width = 0;
    uint32_t height = 0;
    stream->size(&width, &height);
    EXPECT_EQ(stream->rotation(), 90u);
    EXPECT_EQ(width, 240u);
    EXPECT_EQ(height, 320u);
    int32_t bytes = 0;
    uint8_t* still = stream->decodeImageAt(0.5, &bytes);
    ASSERT_NE(still, nullptr);
    ASSERT_EQ(bytes, 240 * 320 * 4);
    // The red corner block turns from top left to top right, green to bottom left.
    EXPECT_GT(pixel(still, 240, 230, 10)[2], 200);
    EXPECT_GT(pixel(still, 240, 10, 310)[1], 100);
    EXPECT_GT(pixel(still, 240, 10, 10)[0], 200);
    std::free(still);
    // A picture that cannot be made (no size) is refused, not turned.
    int32_t w = -1;
    int32_t h = -1;
    double at = 0.0;
    EXPECT_EQ(stream->grabImageAt(0.5, AVSize{0.0f, 0.0f}, false, &w, &h, &bytes, &at), nullptr);
}

TEST(VideoStream, SeekDeliversFrameAtTargetAndReportsOnce)
{
    auto stream = loadVideo("video_only_4s.mp4");
    SeekReports reports;
    const Frame frame = firstFrameAt(*stream, 2.0, &reports);
    EXPECT_NEAR(frame.time, 2.0, stream->frameDuration() + 1e-6);
    ASSERT_TRUE(waitUntil([&] { return reports.count > 0; }));
    EXPECT_NEAR(reports.time.load(), frame.time, 1e-6);
    Frame next;
    EXPECT_TRUE(popFrame(*stream, next));
    EXPECT_GT(next.time, frame.time);
    EXPECT_EQ(reports.count.load(), 1);
}

TEST(VideoStream, SecondQuickSeekDropsTheFirstOnesFrames)
{
    auto stream = loadVideo("video_only_4s.mp4");
    stream->awaken();
    SeekReports first;
    SeekReports second;
    stream->seek(0.5, &SeekReports::callback, &first, true);
    stream->seek(3.0, &SeekReports::callback, &second, true);
    for (int i = 0; i < 10; ++i) {
        Frame frame;
        ASSERT_TRUE(popFrame(*stream, frame));
        EXPECT_GE(frame.time, 3.0 - stream->frameDuration() - 1e-6) << i;
    }
    EXPECT_EQ(first.count.load(), 0);
    EXPECT_EQ(second.count.load(), 1);
}

TEST(VideoStream, AReportGoesOnlyToTheSeekItAnswers)
{
    // The second seek comes while the first one's frame may be on its way:
    // that frame must not be reported to the second seek's callback.
    auto stream = loadVideo("video_only_4s.mp4");
    stream->awaken();
    for (int round = 0; round < 120; ++round) { // the second seek 0 to 12 ms after the first
        SeekReports first;
        SeekReports second;
        stream->seek(0.5, &SeekReports::callback, &first, true);
        std::this_thread::sleep_for(std::chrono::microseconds(100 * round));
        stream->seek(3.0, &SeekReports::callback, &second, true);
        ASSERT_TRUE(waitUntil([&] { return second.count > 0; })) << round;
        avThreadSleep(0.01);
        EXPECT_EQ(second.count.load(), 1) << round;
        EXPECT_NEAR(second.time.load(), 3.0, stream->frameDuration() + 1e-6) << round;
    }
}

TEST(VideoStream, SeeksAreClampedToTheMedia)
{
    auto stream = loadVideo("video_only_4s.mp4");
    AVVideoStream neverLoaded(fixture("video_only_4s.mp4").constData(), 0, 0);
    neverLoaded.seek(1.0, nullptr, nullptr, true); // ignored: no read thread
    EXPECT_FALSE(neverLoaded.isAtEnd());

    SeekReports reports;
    stream->awaken();
    stream->seek(100.0, &SeekReports::callback, &reports, true);
    EXPECT_TRUE(stream->isAtEnd());
    ASSERT_TRUE(waitUntil([&] { return reports.count > 0; }));
    EXPECT_NEAR(reports.time.load(), stream->duration(), 2 * stream->frameDuration());

    const Frame frame = firstFrameAt(*stream, -3.0);
    EXPECT_FALSE(stream->isAtEnd());
    EXPECT_NEAR(frame.time, 0.0, 1e-6);
}

TEST(VideoStream, SleepParksTheQueuesAndAwakenIsIdempotent)
{
    auto stream = loadVideo("video_only_4s.mp4");
    EXPECT_TRUE(stream->awaken());
    EXPECT_FALSE(stream->awaken());
    firstFrameAt(*stream, 1.0);
    EXPECT_TRUE(stream->sleep());
    EXPECT_FALSE(stream->sleep());
    int32_t size = -1;
    EXPECT_EQ(stream->popFrame(&size, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, true), nullptr);
    EXPECT_EQ(size, 0);
    // Awake again, it picks up where a new seek puts it.
    const Frame frame = firstFrameAt(*stream, 3.0);
    EXPECT_NEAR(frame.time, 3.0, stream->frameDuration() + 1e-6);
}

TEST(VideoStream, DecoderClosedWhileAsleepReopensOnAwaken)
{
    AVEngine::setCodecFlag(1);
    auto stream = loadVideo("video_only_4s.mp4");
    const Frame before = firstFrameAt(*stream, 2.0);
    for (int round = 0; round < 3; ++round) {
        stream->sleep();
        const Frame after = firstFrameAt(*stream, 2.0);
        EXPECT_EQ(after.time, before.time);
        EXPECT_EQ(after.bytes, before.bytes);
    }
    AVEngine::setCodecFlag(0);
}

TEST(VideoStream, HardwareAllowedDecodesLikeSoftwareOnly)
{
    // No hardware device opens here: the stream must fall back to software
    // and deliver the very same pictures, 10-bit included.
    for (const char* name : {"clip_h264_aac.mp4", "hevc10.mp4"}) {
        auto software = loadVideo(name);
        software->setSoftwareOnly(true);
        auto allowed = loadVideo(name);
        ASSERT_FALSE(allowed->isSoftwareOnly());
        const Frame a = firstFrameAt(*software, 0.5);
        const Frame b = firstFrameAt(*allowed, 0.5);
        EXPECT_EQ(a.format, b.format) << name;
        EXPECT_EQ(a.time, b.time) << name;
        EXPECT_EQ(a.bytes, b.bytes) << name;
    }
}

TEST(VideoStream, StillPicturesWhilePlayingDoNotDisturbTheFile)
{
    auto stream = loadVideo("video_only_4s.mp4");
    firstFrameAt(*stream, 0.0);
    for (double t : {3.5, 1.0, 2.5}) {
        int32_t bytes = 0;
        uint8_t* still = stream->decodeImageAt(t, &bytes);
        ASSERT_NE(still, nullptr) << t;
        EXPECT_EQ(bytes, 320 * 240 * 4);
        EXPECT_GT(pixel(still, 320, 5, 5)[2], 200); // red block top left
        std::free(still);
        Frame frame;
        EXPECT_TRUE(popFrame(*stream, frame)) << t;
    }
    SeekReports reports;
    const Frame frame = firstFrameAt(*stream, 2.0, &reports);
    EXPECT_NEAR(frame.time, 2.0, stream->frameDuration() + 1e-6);
}

namespace {

// What a thumbnail pass delivered.
struct Thumbnails {
    std::atomic<int> starts{0};
    std::vector<std::pair<uint32_t, uint32_t>> sizes;
    std::atomic<int> missing{0};

    static void start(AVVideoStream*, void* context) { ++static_cast<Thumbnails*>(context)->starts; }
    static void picture(AVVideoStream*, int32_t, AVPixelBuffer* picture, void* context)
    {
        auto* thumbnails = static_cast<Thumbnails*>(context);
        if (!picture) {
            ++thumbnails->missing;
            return;
        }
        thumbnails->sizes.emplace_back(picture->width, picture->height);
        avPixelBufferFree(picture);
    }
};

std::vector<float> sixteenthsOfTheMedia()
{
    std::vector<float> times;
    for (int i = 0; i < 16; ++i)
        times.push_back(i / 16.0f);
    return times;
}

// Thumbnail passes that each wait, bounded, at their start for the other
// to start too, and count whether it did.
struct MeetingPasses {
    std::atomic<int> started{0};
    std::atomic<int> met{0};

    static void start(AVVideoStream*, void* context)
    {
        auto* passes = static_cast<MeetingPasses*>(context);
        ++passes->started;
        if (waitUntil([passes] { return passes->started.load() == 2; }))
            ++passes->met;
    }
    static void picture(AVVideoStream*, int32_t, AVPixelBuffer* picture, void*) { avPixelBufferFree(picture); }
};

} // namespace

// Opening a project loads its movies side by side: one stream's thumbnails
// do not wait for another's.
TEST(VideoStream, ThumbnailPassesOfTwoStreamsRunAtOnce)
{
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "a single core takes one thumbnail pass at a time";
    MeetingPasses passes;
    const std::vector<float> times = sixteenthsOfTheMedia();
    Load first;
    Load second;
    AVVideoStream one(fixture("clip_h264_aac.mp4").constData(), 0, 0);
    AVVideoStream other(fixture("clip_h264_aac.mp4").constData(), 0, 0);
    one.startLoadWithThumbnails(&Load::callback, &first, 16, times.data(), 64, 36, &MeetingPasses::start,
                                &MeetingPasses::picture, &passes);
    other.startLoadWithThumbnails(&Load::callback, &second, 16, times.data(), 64, 36, &MeetingPasses::start,
                                  &MeetingPasses::picture, &passes);
    ASSERT_TRUE(waitUntil([&] { return first.done && second.done; }, 30.0));
    EXPECT_EQ(passes.met.load(), 2) << "a thumbnail pass waited for the other to end";
}

TEST(VideoStream, ThumbnailPassDeliversSixteenEvenWidthPictures)
{
    Thumbnails collected;
    const std::vector<float> times = sixteenthsOfTheMedia();
    const int height = 64;
    const float width = std::trunc(height * 16.0f / 9.0f); // 113: odd
    Load load; // outlives the stream, whose load thread reports into it
    AVVideoStream stream(fixture("clip_h264_aac.mp4").constData(), 0, 0);
    stream.startLoadWithThumbnails(&Load::callback, &load, 16, times.data(), width, float(height),
                                   &Thumbnails::start, &Thumbnails::picture, &collected);
    ASSERT_TRUE(waitUntil([&] { return load.done.load(); }));
    EXPECT_EQ(load.result, 0);
    EXPECT_EQ(collected.starts.load(), 1);
    EXPECT_EQ(collected.missing.load(), 0);
    ASSERT_EQ(collected.sizes.size(), 16u);
    for (const auto& [w, h] : collected.sizes) {
        EXPECT_EQ(w, 114u);
        EXPECT_EQ(h, 64u);
    }
    // The stream still plays from the start afterwards.
    EXPECT_NEAR(firstFrameAt(stream, 0.0).time, 0.0, 1e-6);
}

TEST(VideoStream, ALoadAskedForAgainKeepsEachRequestsPictures)
{
    // Asked again while the first load still runs, the stream finishes the
    // first request before it takes the second.
    Thumbnails first;
    Thumbnails second;
    const std::vector<float> times = sixteenthsOfTheMedia();
    Load firstLoad;
    Load secondLoad;
    AVVideoStream stream(fixture("clip_h264_aac.mp4").constData(), 0, 0);
    stream.startLoadWithThumbnails(&Load::callback, &firstLoad, 16, times.data(), 64, 36, &Thumbnails::start,
                                   &Thumbnails::picture, &first);
    stream.startLoadWithThumbnails(&Load::callback, &secondLoad, 4, times.data(), 32, 18, &Thumbnails::start,
                                   &Thumbnails::picture, &second);
    ASSERT_TRUE(waitUntil([&] { return firstLoad.done && secondLoad.done; }));
    EXPECT_EQ(first.sizes.size(), 16u);
    EXPECT_EQ(second.sizes.size(), 4u);
    EXPECT_EQ(first.starts.load(), 1);
    EXPECT_EQ(second.starts.load(), 1);
}

TEST(VideoStream, FrameStepThinsHighRates)
{
    auto stream = loadVideo("fps60.mp4");
    EXPECT_NEAR(stream->frameRate(), 60.0, 0.01);
    EXPECT_EQ(stream->frameStep(), 2u);
    stream->setMinimumFrameRate(60);
    EXPECT_EQ(stream->frameStep(), 1u);
    stream->setMinimumFrameRate(30);
    stream->setSpeed(2.0);
    EXPECT_EQ(stream->frameStep(), 1u);
    stream->setSpeed(1.0);
    stream->setStepMultiplier(3);
    EXPECT_EQ(stream->frameStep(), 6u);
    stream->setStepMultiplier(1);
    // Delivered frames are two frame durations apart.
    Frame a;
    Frame b;
    firstFrameAt(*stream, 0.0);
    ASSERT_TRUE(popFrame(*stream, a));
    ASSERT_TRUE(popFrame(*stream, b));
    EXPECT_NEAR(b.time - a.time, 2.0 / 60.0, 1e-3);
}

class UnplayableVideo : public ::testing::TestWithParam<std::tuple<const char*, int32_t>> {};

TEST_P(UnplayableVideo, FailsWithItsCode)
{
    const auto [name, expected] = GetParam();
    int32_t result = 0;
    auto stream = loadVideo(name, &result);
    if (expected != 0)
        EXPECT_EQ(result, expected);
    else
        EXPECT_LT(result, 0); // FFmpeg's own open error
    EXPECT_EQ(stream->isOpen(), expected == AVStreamNoVideoStream);
}

INSTANTIATE_TEST_SUITE_P(Files, UnplayableVideo,
                         ::testing::Values(std::make_tuple("audio_only.m4a", int32_t(AVStreamNoVideoStream)),
                                           std::make_tuple("truncated.mp4", 0),
                                           std::make_tuple("garbage.mp4", 0)));

TEST(VideoStream, AudioOnlyFileKeepsItsTagsReadable)
{
    int32_t result = 0;
    auto stream = loadVideo("audio_only.m4a", &result);
    ASSERT_EQ(result, AVStreamNoVideoStream);
    const AVDictionaryEntry* title = av_dict_get(stream->formatContext()->metadata, "title", nullptr, 0);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title->value, "Tone Title");
    // A later open finds the file open and still no picture in it.
    EXPECT_EQ(stream->open(false), AVStreamNoVideoStream);
}

TEST(VideoStream, TruncatedStreamDecodesToItsEnd)
{
    auto stream = loadVideo("truncated.ts");
    firstFrameAt(*stream, 0.0);
    Frame frame;
    int frames = 1;
    while (popFrame(*stream, frame) && frames < 1000)
        ++frames;
    EXPECT_TRUE(stream->decodeEnded());
    EXPECT_GT(frames, 5);
    EXPECT_LT(frames, 60); // two seconds at 30 fps, cut in half
}

TEST(VideoStream, DestroyedInAnyStateWithoutHanging)
{
    std::atomic<int> pictures{0};
    auto onPicture = [](AVVideoStream*, int32_t, AVPixelBuffer* picture, void* context) {
        ++*static_cast<std::atomic<int>*>(context);
        avPixelBufferFree(picture);
    };
    const std::vector<float> times(16, 0.5f);
    for (int round = 0; round < 5; ++round) {
        // Mid-load, inside the thumbnail pass.
        auto loading = std::make_unique<AVVideoStream>(fixture("clip_h264_aac.mp4").constData(), 0, 0);
        loading->startLoadWithThumbnails(nullptr, nullptr, 16, times.data(), 160, 90, nullptr, onPicture, &pictures);
        avThreadSleep(0.002 * round);
        loading.reset();
        // Awake with full queues that nobody empties, a seek pending.
        auto playing = loadVideo("video_only_4s.mp4");
        playing->awaken();
        playing->seek(1.0, nullptr, nullptr, true);
        avThreadSleep(0.002 * round);
        playing->seek(2.0, nullptr, nullptr, true);
        playing.reset();
    }
    // Nothing runs on after a stream is gone.
    const int delivered = pictures;
    avThreadSleep(0.1);
    EXPECT_EQ(pictures.load(), delivered);
}

TEST(VideoPictures, QuarterTurnsAreClockwise)
{
    // A 3 x 2 picture of pixels numbered 1..6 in reading order:  1 2 3 / 4 5 6.
    auto make = [] {
        auto* pixels = static_cast<uint32_t*>(std::malloc(6 * 4));
        for (uint32_t i = 0; i < 6; ++i)
            pixels[i] = i + 1;
        return reinterpret_cast<uint8_t*>(pixels);
    };
    const std::vector<std::tuple<uint32_t, int32_t, std::vector<uint32_t>>> cases{
        {90, 2, {4, 1, 5, 2, 6, 3}},
        {180, 3, {6, 5, 4, 3, 2, 1}},
        {270, 2, {3, 6, 2, 5, 1, 4}},
        {45, 3, {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& [rotation, turnedWidth, expected] : cases) {
        int32_t width = 3;
        int32_t height = 2;
        uint8_t* turned = avRotateBGRA(make(), &width, &height, rotation);
        ASSERT_NE(turned, nullptr);
        EXPECT_EQ(width, turnedWidth) << rotation;
        EXPECT_EQ(width * height, 6);
        const auto* p = reinterpret_cast<const uint32_t*>(turned);
        EXPECT_EQ(std::vector<uint32_t>(p, p + 6), expected) << rotation;
        std::free(turned);
    }
}

namespace {

// An NV12 picture of 8 x 4: luma 100, chroma 60 and 200, rows 32 bytes apart.
AVFramePtr nv12Picture()
{
    AVFramePtr frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_NV12;
    frame->width = 8;
    frame->height = 4;
    if (av_frame_get_buffer(frame.get(), 32) < 0)
        return nullptr;
    std::memset(frame->data[0], 100, size_t(frame->linesize[0]) * 4);
    for (int i = 0; i < frame->linesize[1] * 2; i += 2) {
        frame->data[1][i] = 60;
        frame->data[1][i + 1] = 200;
    }
    return frame;
}

} // namespace

TEST(VideoPictures, DecodedPlanesGoAsTheyAreUnlessTheirRowsSplitATexel)
{
    AVFramePtr decoded = nv12Picture();
    ASSERT_NE(decoded, nullptr);
    ASSERT_EQ(decoded->linesize[0], 32);
    SwsContextPtr scaler;
    AVStreamFrame entry;
    ASSERT_TRUE(avBuildVideoEntry(decoded.get(), 8, 4, scaler, entry));
    EXPECT_EQ(entry.format, uint32_t(AVVideoFrameNV12));
    ASSERT_NE(entry.picture, nullptr);
    EXPECT_EQ(entry.data, nullptr);
    EXPECT_EQ(decoded->buf[0], nullptr) << "the picture's reference moves into the entry";
    EXPECT_EQ(entry.stride, 32);
    EXPECT_EQ(entry.size, 32 * 4 + 32 * 2);
    // Packed for popFrame: the luma rows, then the chroma rows at the same pitch.
    const AVMallocPtr packed(avPackPicture(entry.picture.get()));
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(packed.get()[32 * 4 - 1], 100);
    EXPECT_EQ(packed.get()[32 * 4], 60);
    EXPECT_EQ(packed.get()[32 * 5 + 7], 200);

    // Interleaved chroma rows 9 bytes apart would start mid-texel: converted instead.
    AVFramePtr odd = nv12Picture();
    ASSERT_NE(odd, nullptr);
    odd->linesize[1] = 9;
    AVStreamFrame converted;
    ASSERT_TRUE(avBuildVideoEntry(odd.get(), 8, 4, scaler, converted));
    EXPECT_EQ(converted.format, uint32_t(AVVideoFrameBGRA));
    EXPECT_EQ(converted.picture, nullptr);
    EXPECT_NE(converted.data, nullptr);
    EXPECT_EQ(converted.size, 8 * 4 * 4);
    EXPECT_NE(odd->buf[0], nullptr) << "a converted picture stays with the decoder";
}
