// Which picture the engine draws for a time: every frame once when a clip is
// rendered at its own rate (as the exporter renders), the target's own frame
// right after a seek, on variable-rate clips and on MPEG-TS too. The clips
// name their frames: frame n is grey 16 + 4 (n mod 50).

#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVGLFramebuffer.h"
#include "AVVideoPictures.h"
#include "AVVideoSegment.h"
#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kSide = 64;
constexpr int kRate = 44100;

// The number (mod 50) a numbered picture shows from its luma level.
int numberOfLuma(int luma)
{
    return int(std::lround((luma - 16) / 4.0));
}

// The same from a picture converted to RGB (video levels expanded).
int numberOfGrey(int grey)
{
    return numberOfLuma(int(std::lround(grey * 219.0 / 255.0)) + 16);
}

// The frame whose display interval holds media time t at rate.
int frameAt(double t, double rate)
{
    return int(std::floor(t * rate + 1e-6));
}

class FrameChoiceTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        composition = std::make_unique<AVComposition>(kSide, kSide, kRate, 2, renderer);
    }

    // The number the composed picture's centre shows, -1 when none is drawn.
    int composedNumber()
    {
        AVGLFramebuffer* front = composition->frontFramebuffer();
        if (!front)
            return -1;
        AVGLRenderer::bindFramebuffer(renderer, front);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(front->color, &stride);
        if (!pixels)
            return -1;
        const uint8_t* centre = pixels + size_t(kSide / 2) * stride + kSide / 2 * 4;
        const int number = centre[3] == 0 ? -1 : numberOfGrey(centre[1]);
        std::free(pixels);
        return number;
    }

    // Renders the composition as the exporter does, one pass per output
    // frame at rate, and checks that each frame during the clip (placed at
    // start, from the in-point on, length seconds of it, clipRate frames a
    // second) shows the source frame of its time.
    // frameOfTime, when given, names the source frame at a media time in
    // place of the constant clipRate.
    void exportAndCheck(const char* name, double rate, double start, double inPoint, double length,
                        double clipRate = 0.0, const std::function<int(double)>& frameOfTime = {})
    {
        if (clipRate <= 0.0)
            clipRate = rate;
        SCOPED_TRACE(testing::Message() << name << " at " << start << " s from " << inPoint << " s");
        auto* video = new AVVideoSegment(start, inPoint, length, fixture(name).constData(), kSide, kSide, 0);
        composition->addSegment(video, 1);
        ASSERT_TRUE(waitUntil([&] { return video->status() == 0; }));
        composition->seek(0.0, true);
        composition->renderAt(0.0, 0, 0, AVComposition::kRenderAudio | AVComposition::kRenderVideo, 1);
        int wrong = 0;
        for (int n = 0; n / rate < start + length - 1e-9; ++n) {
            const double t = n / rate;
            ASSERT_TRUE(waitUntil([&] { return composition->areLayersReadyAt(t); })) << t;
            composition->renderAt(t, 0, 1, AVComposition::kRenderVideo, 1);
            if (t < start - 1e-9)
                continue;
            const double mediaTime = t - start + inPoint;
            const int expected = (frameOfTime ? frameOfTime(mediaTime) : frameAt(mediaTime, clipRate)) % 50;
            const int shown = composedNumber();
            wrong += shown != expected;
            EXPECT_EQ(shown, expected) << "output frame " << n;
            if (wrong > 3)
                break;
        }
        EXPECT_EQ(video->stepMultiplier(), 1u);
        composition->removeSegment(1);
    }

    std::unique_ptr<AVComposition> composition;
};

struct LoadedClip {
    SegmentCalls loads;
    std::unique_ptr<AVVideoSegment> segment;
};

// A segment on the whole clip at 0, loaded and awake.
bool loadClip(LoadedClip& clip, const char* name)
{
    clip.segment =
        std::make_unique<AVVideoSegment>(0.0, 0.0, 0.0, fixture(name).constData(), kSide, kSide, 0);
    clip.segment->setCallback(&SegmentCalls::callback, &clip.loads);
    if (!waitUntil([&] { return clip.loads.count > 0; }))
        return false;
    clip.segment->wake();
    return waitUntil([&] { return clip.segment->isReady(); }) && clip.segment->status() == 0;
}

// The number of the first picture a seek to time draws, read back from the
// luma texture; -1 when none comes.
int firstDrawnAfterSeek(QOpenGLFunctions_3_2_Core* gl, AVVideoSegment& segment, double time)
{
    segment.seekTo(time, true);
    if (!waitUntil([&] { return segment.isReady(); }))
        return -1;
    if (!waitUntil([&] {
            segment.prepareAt(time, true, false);
            return segment.shownFrameMs() >= 0;
        }))
        return -1;
    const AVGLTexture* luma = segment.texture();
    if (!luma || segment.frameFormat() != AVVideoFrameYUV420P)
        return -1;
    const std::vector<uint8_t> texels =
        storedTexels(gl, luma, GL_RED, GL_UNSIGNED_BYTE, size_t(luma->width) * luma->height);
    return numberOfLuma(texels[size_t(luma->height / 2) * luma->width + 8]);
}

} // namespace

TEST_F(FrameChoiceTest, ExportAtTheClipsRateShowsEveryFrameOnce)
{
    for (double start : {0.0, 0.5, 4.5, 10.0})
        exportAndCheck("numbered_30fps.mp4", 30.0, start, 0.0, 2.0);
    for (double inPoint : {16.0 / 30, 29.0 / 30})
        exportAndCheck("numbered_30fps.mp4", 30.0, 4.5, inPoint, 2.0);
}

TEST_F(FrameChoiceTest, ExportAtNtscRateShowsEveryFrameOnce)
{
    exportAndCheck("numbered_2997fps.mp4", 30000.0 / 1001, 4.5, 0.0, 2.0);
}

// Into a project of another rate a clip neither falls behind (more frames
// than the output) nor runs ahead (fewer).
TEST_F(FrameChoiceTest, ExportAtAnotherRateShowsTheFrameOfEachTime)
{
    exportAndCheck("numbered_30fps.mp4", 25.0, 0.5, 0.0, 3.0, 30.0);
    exportAndCheck("numbered_25fps.mp4", 30.0, 0.5, 0.0, 1.9, 25.0);
}

TEST_F(FrameChoiceTest, SeeksDrawTheTargetsFrameFirst)
{
    struct Case {
        const char* name;
        double rate;
        std::vector<int> frames;
    };
    const Case cases[] = {{"numbered_30fps.mp4", 30.0, {16, 17, 29}},
                          {"numbered_23976fps.mp4", 24000.0 / 1001, {12}},
                          {"numbered_25fps.mp4", 25.0, {12, 29}}};
    for (const Case& c : cases) {
        LoadedClip clip;
        ASSERT_TRUE(loadClip(clip, c.name)) << c.name;
        for (int frame : c.frames)
            EXPECT_EQ(firstDrawnAfterSeek(gl, *clip.segment, frame / c.rate), frame % 50) << c.name << " " << frame;
    }
}

// Played from the start with the clock half a frame into each frame: every
// frame is on time, however large that half frame is against media times
// near 0, so decoding is not thinned.
TEST_F(FrameChoiceTest, PlaybackOnTimeNearTheStartKeepsEveryFrame)
{
    LoadedClip clip;
    ASSERT_TRUE(loadClip(clip, "numbered_30fps.mp4"));
    for (int frame = 0; frame < 30; ++frame) {
        const double time = (frame + 0.5) / 30;
        ASSERT_TRUE(waitUntil([&] {
            clip.segment->prepareAt(time, false, true);
            return clip.segment->shownFrameMs() == std::lround(frame * 1000 / 30.0);
        }, 3.0)) << frame << " " << clip.segment->shownFrameMs();
    }
    EXPECT_EQ(clip.segment->stepMultiplier(), 1u);
}

// Rendering offline (an export) asks for frame after frame faster than the
// decoder gives them: each pass waits for its frame instead of repeating
// the last one.
TEST_F(FrameChoiceTest, OfflineRenderingWaitsForEachFrame)
{
    LoadedClip clip;
    ASSERT_TRUE(loadClip(clip, "frames854_10fps.mp4"));
    clip.segment->setWaitsForFrames(true);
    int repeated = 0;
    for (int frame = 0; frame < 60; ++frame) {
        clip.segment->prepareAt(frame / 10.0, false, true);
        repeated += clip.segment->shownFrameMs() != frame * 100;
    }
    EXPECT_EQ(repeated, 0);
}

// 40 frames at 30 fps, then one in three (10 fps), exported at 30 fps: the
// slow frames (1.333, 1.433, ... s) fall between output frames, and each
// output frame shows the last source frame at or before its time.
TEST_F(FrameChoiceTest, ExportOfAVariableRateClipShowsTheLastFrameAtOrBeforeEachTime)
{
    const auto lastFrameAtOrBefore = [](double t) {
        const int frame = frameAt(t, 30.0);
        return frame < 40 ? frame : frame - (frame - 40) % 3;
    };
    exportAndCheck("numbered_vfr_40.mp4", 30.0, 0.0, 0.0, 3.5, 30.0, lastFrameAtOrBefore);
    exportAndCheck("numbered_vfr_40.mp4", 30.0, 0.5, 1.0, 2.5, 30.0, lastFrameAtOrBefore);
}

// Frames come every 33 ms for 2 s, then every 100 ms (an average of 20 fps):
// the picture for a time is the one whose own interval holds it.
TEST_F(FrameChoiceTest, VariableRateClipsDrawTheFrameThatHoldsTheTime)
{
    LoadedClip clip;
    ASSERT_TRUE(loadClip(clip, "numbered_vfr.mp4"));
    for (int frame = 10; frame < 20; ++frame)
        EXPECT_EQ(firstDrawnAfterSeek(gl, *clip.segment, frame / 30.0 + 0.0005), frame) << frame;
    EXPECT_EQ(firstDrawnAfterSeek(gl, *clip.segment, 3.05), 90 % 50);
    EXPECT_EQ(firstDrawnAfterSeek(gl, *clip.segment, 3.0), 90 % 50);
}

// MPEG-TS from 1000 s on: the picture at 3.0 s is the clip's frame at 3.0 s,
// and the mix has its beeps at whole seconds.
TEST_F(FrameChoiceTest, TransportStreamPictureAndSoundCountFromTheirStart)
{
    LoadedClip clip;
    ASSERT_TRUE(loadClip(clip, "numbered_beeps_1000.ts"));
    EXPECT_EQ(firstDrawnAfterSeek(gl, *clip.segment, 3.0), 90 % 50);

    auto* sound = new AVAudioSegment(0.0, fixture("numbered_beeps_1000.ts").constData(), kRate, 2);
    composition->addSegment(sound, 2);
    ASSERT_TRUE(waitUntil([&] { return sound->status() == 0 && sound->isReady(); }));
    composition->seek(0.0, true);
    std::vector<int16_t> left;
    std::vector<uint8_t> window(size_t(kRate) * 4);
    for (double t = 0.0; t < 5.5; t += 0.5) {
        ASSERT_TRUE(waitUntil([&] {
            composition->mixAudio(t, 1, 1, 0);
            return composition->isMixComplete() != 0;
        })) << t;
        double position = -1.0;
        const int32_t bytes = composition->readAudio(window.data(), int32_t(window.size()), &position);
        ASSERT_EQ(position, double(left.size())) << t;
        for (int32_t i = 0; i + 3 < bytes; i += 4)
            left.push_back(qFromLittleEndian<qint16>(window.data() + i));
    }
    const std::vector<double> beeps = onsets(left, kRate);
    ASSERT_GE(beeps.size(), 5u);
    for (size_t beep = 0; beep < 5; ++beep)
        EXPECT_NEAR(beeps[beep], double(beep), 0.002) << "beep " << beep;
}
