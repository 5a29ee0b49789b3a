#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVEngine.h"
#include "AVImageLoader.h"
#include "AVLayerSegment.h"
#include "AVSegmentHold.h"
#include "AVTextSegment.h"
#include "AVTransition.h"
#include "AVVideoSegment.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;
constexpr int32_t kLayer = 1;
constexpr int32_t kText = 2;
constexpr int32_t kMovie = 3;
constexpr int32_t kMovieSound = 4;
constexpr int32_t kUnknown = 99;
constexpr float kHalfPi = float(M_PI / 2);

// Every value a property id can reach on a layer, in one list.
std::vector<float> fingerprint(AVLayerSegment* layer)
{
    const AVAnimatedValues v = layer->staticValues();
    const AVLayerStyle s = layer->style();
    std::vector<float> all = {v.transparency, v.position.x, v.position.y, v.scale.x, v.scale.y, v.rotation,
                              v.rotationX, v.rotationY, v.anchor.x, v.anchor.y, v.cropTopLeft.x, v.cropTopLeft.y,
                              v.cropBottomRight.x, v.cropBottomRight.y, s.borderWidth, s.borderColor.x,
                              s.cornerRadius, s.shadowOpacity, s.shadowOffset.x, s.shadowRadius, s.shadowColor.x,
                              float(s.borderStroke), float(s.strokeTolerance), float(s.strokeStrength),
                              float(s.chromaKeyEnabled), float(s.chromaKeySensitivity), float(s.chromaKeySmoothing),
                              s.chromaKeyColor.x, float(s.perspective)};
    for (int i = 0; i < kAVEffectColorCount; ++i)
        all.push_back(float(v.effectColor[i]));
    for (int i = 0; i < kAVCornerCount; ++i)
        all.insert(all.end(), {v.pointOffset[i].x, v.pointOffset[i].y});
    all.insert(all.end(), v.feathering, v.feathering + kAVFeatheringCount);
    return all;
}

// A facade without a renderer over a composition holding a plain layer, a
// text and a movie (picture and sound under two ids).
class EngineFacadeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.createTextSegment(kText, "Facade", 0.0f, 2.0f);
        composition.addSegment(new AVLayerSegment(0.0, 2.0, kWidth, kHeight), kLayer);
        engine.createVideoSegment(kMovie, fixture("clip_h264_aac.mp4").constData(), 0.0f, 0.0f, 0.0f, 32, 1);
        engine.createAudioSegment(kMovieSound, fixture("clip_h264_aac.mp4").constData(), 0.0f, 0.0f, 0.0f);
        ASSERT_TRUE(waitUntil([&] {
            return segment(kMovie)->status() != AVSegmentNotLoaded && segment(kMovieSound)->status() != AVSegmentNotLoaded;
        }));
    }

    AVSegment* segment(int32_t id) { return composition.findSegment(uint32_t(id)); }
    AVLayerSegment* layer(int32_t id) { return static_cast<AVLayerSegment*>(segment(id)); }
    AVAudioSegment* sound() { return static_cast<AVAudioSegment*>(segment(kMovieSound)); }

    AVComposition composition{kWidth, kHeight, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr};
    AVImageLoader loader;
    AVEngine engine{&composition, &loader, nullptr};
};

TEST_F(EngineFacadeTest, PropertiesAreShapedOnTheirWayIn)
{
    engine.setSegmentProperty(kLayer, 1, 1.5f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().transparency, 1.0f);
    engine.setSegmentProperty(kLayer, 1, -0.2f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().transparency, 0.0f);
    engine.setSegmentProperty(kLayer, 4, kHalfPi, 0, 0, 0);
    EXPECT_NEAR(layer(kLayer)->staticValues().rotation, 90.0f, 1e-4);
    engine.setSegmentProperty(kLayer, 6, -kHalfPi, 0, 0, 0);
    EXPECT_NEAR(layer(kLayer)->staticValues().rotationY, -90.0f, 1e-4);
    engine.setSegmentProperty(kLayer, 2, 0.25f, 0.75f, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().position.x, 0.25f);
    EXPECT_EQ(layer(kLayer)->staticValues().position.y, 0.75f);

    // Only exactly 1 after truncation switches on.
    const std::vector<std::pair<float, uint8_t>> switches = {{1.0f, 1}, {2.0f, 0}, {1.9f, 1}, {0.5f, 0}};
    for (const auto& [value, on] : switches) {
        engine.setSegmentProperty(kLayer, 40, value, 0, 0, 0);
        EXPECT_EQ(layer(kLayer)->style().borderStroke, on) << value;
    }
    engine.setSegmentProperty(kLayer, 51, 42.9f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->style().chromaKeySensitivity, 42u);
    engine.setSegmentProperty(kLayer, 22, -37.8f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().effectColor[2], -37);
    engine.setSegmentProperty(kLayer, 61, 0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_EQ(layer(kLayer)->style().shadowColor.z, 0.3f);
    EXPECT_EQ(layer(kLayer)->style().shadowColor.w, 1.0f) << "a colour of three is opaque";
    engine.setSegmentProperty(kLayer, 68, 0.1f, -0.2f, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().pointOffset[2].y, -0.2f);
    engine.setSegmentProperty(kLayer, 74, 0.3f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->staticValues().feathering[3], 0.3f);
}

TEST_F(EngineFacadeTest, PropertiesReachOnlyTheKindTheyBelongTo)
{
    // The volume goes to the movie's sound id, never to its picture.
    engine.setSegmentProperty(kMovie, 15, 0.3f, 0, 0, 0);
    EXPECT_EQ(sound()->volume(), 1.0f);
    engine.setSegmentProperty(kMovieSound, 15, 0.3f, 0, 0, 0);
    EXPECT_FLOAT_EQ(sound()->volume(), 0.3f);
    engine.setSegmentProperty(kMovieSound, 15, -1.0f, 0, 0, 0);
    EXPECT_EQ(sound()->volume(), 0.0f);

    // Corner radius has no effect on a text; the text's own rows skip other layers.
    engine.setSegmentProperty(kText, 12, 0.2f, 0, 0, 0);
    EXPECT_EQ(layer(kText)->style().cornerRadius, 0.0f);
    engine.setSegmentProperty(kLayer, 12, 0.2f, 0, 0, 0);
    EXPECT_EQ(layer(kLayer)->style().cornerRadius, 0.2f);
    const std::vector<float> before = fingerprint(layer(kLayer));
    for (int32_t id : {16, 17, 19, 30, 31, 32})
        engine.setSegmentProperty(kLayer, id, 0.5f, 0.5f, 0.5f, 0.5f);
    EXPECT_EQ(fingerprint(layer(kLayer)), before);
}

TEST_F(EngineFacadeTest, IdsWithoutEffectChangeNothing)
{
    std::vector<int32_t> ignored = {0, 75, -1, 1000, 15, 65, 18, 29};
    for (int32_t id = 33; id <= 39; ++id)
        ignored.push_back(id);
    for (int32_t id = 43; id <= 49; ++id)
        ignored.push_back(id);
    for (int32_t id = 54; id <= 59; ++id)
        ignored.push_back(id);
    ignored.insert(ignored.end(), {62, 63, 64});
    const std::vector<float> before = fingerprint(layer(kLayer));
    for (int32_t id : ignored)
        engine.setSegmentProperty(kLayer, id, 0.7f, 0.7f, 0.7f, 0.7f);
    EXPECT_EQ(fingerprint(layer(kLayer)), before);
    // A sound segment takes volume and pitch only.
    engine.setSegmentProperty(kMovieSound, 1, 0.5f, 0, 0, 0);
    EXPECT_EQ(sound()->volume(), 1.0f);
}

TEST_F(EngineFacadeTest, AnimationStatesTakeTheAnimatableIds)
{
    engine.addAnimation(kLayer, 7, 0.0f, 1.0f, 14);
    AVAnimation* group = layer(kLayer)->findAnimation(7);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->easingType(), AVEasingBounceIn);
    layer(kLayer)->releaseAnimation(7);

    engine.setAnimationState(kLayer, 7, true, 4, float(M_PI), 0);
    engine.setAnimationState(kLayer, 7, false, 4, kHalfPi, 0);
    engine.setAnimationState(kLayer, 7, false, 25, 12.6f, 0);
    engine.setAnimationState(kLayer, 7, true, 72, 0.4f, 0);
    engine.setAnimationState(kLayer, 7, true, 15, 0.5f, 0);   // volume: not on a layer
    engine.setAnimationState(kLayer, 7, true, 10, 0.5f, 0);   // border width: not animatable
    engine.setAnimationState(kLayer, 8, true, 1, 0.5f, 0);    // no such group
    engine.setAnimationEasing(kLayer, 7, 4);
    group = layer(kLayer)->findAnimation(7);
    ASSERT_NE(group, nullptr);
    ASSERT_NE(group->transition(AVSlotRotate), nullptr);
    EXPECT_NEAR(group->transition(AVSlotRotate)->fromX(), 180.0f, 1e-4);
    EXPECT_NEAR(group->transition(AVSlotRotate)->toX(), 90.0f, 1e-4);
    ASSERT_NE(group->transition(AVAnimation::effectColorSlot(5)), nullptr);
    EXPECT_EQ(group->transition(AVAnimation::effectColorSlot(5))->toX(), 12.0f);
    ASSERT_NE(group->transition(AVAnimation::featheringSlot(26)), nullptr);
    EXPECT_EQ(group->transition(AVAnimation::featheringSlot(26))->fromX(), 0.4f);
    EXPECT_EQ(group->transition(AVSlotVolume), nullptr);
    EXPECT_EQ(group->easingType(), AVEasingSmoothstep);
    layer(kLayer)->releaseAnimation(7);

    // On the sound id only the volume animates.
    engine.addAnimation(kMovieSound, 1, 0.0f, 1.0f, 1);
    engine.setAnimationState(kMovieSound, 1, false, 15, 0.25f, 0);
    engine.setAnimationState(kMovieSound, 1, false, 1, 0.25f, 0);
    group = sound()->findAnimation(1);
    ASSERT_NE(group, nullptr);
    ASSERT_NE(group->transition(AVSlotVolume), nullptr);
    EXPECT_EQ(group->transition(AVSlotVolume)->toX(), 0.25f);
    EXPECT_EQ(group->transition(AVSlotTransparency), nullptr);
    sound()->releaseAnimation(1);
}

TEST_F(EngineFacadeTest, VideoSizeIsTheShownSizeBeforeAnyFrameIsDrawn)
{
    // Nothing draws here: the size is known once the stream is open.
    int32_t width = 0, height = 0;
    ASSERT_EQ(engine.videoSize(kMovie, &width, &height), 1);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
    constexpr int32_t kTurned = 5;
    engine.createVideoSegment(kTurned, fixture("rotated90.mp4").constData(), 0.0f, 0.0f, 0.0f, 32, 1);
    ASSERT_TRUE(waitUntil([&] { return segment(kTurned)->status() != AVSegmentNotLoaded; }));
    ASSERT_EQ(engine.videoSize(kTurned, &width, &height), 1);
    EXPECT_EQ(width, 240) << "stored 320 x 240, shown a quarter turn round";
    EXPECT_EQ(height, 320);
    EXPECT_EQ(engine.videoSize(kMovieSound, &width, &height), 0);
}

TEST(EngineEasing, CodesMapToTheEngineCurves)
{
    EXPECT_EQ(AVEngine::easingType(4), 6);
    EXPECT_EQ(AVEngine::easingType(0), 6);
    EXPECT_EQ(AVEngine::easingType(17), 6);
    EXPECT_EQ(AVEngine::easingType(1), AVEasingLinear);
    EXPECT_EQ(AVEngine::easingType(2), AVEasingCubicIn);
    EXPECT_EQ(AVEngine::easingType(5), AVEasingCircularIn);
    EXPECT_EQ(AVEngine::easingType(8), AVEasingBackIn);
    EXPECT_EQ(AVEngine::easingType(13), AVEasingElasticInOut);
    EXPECT_EQ(AVEngine::easingType(16), AVEasingBounceInOut);
}

TEST_F(EngineFacadeTest, UnknownIdsAndNoRendererGiveNeutralAnswers)
{
    const std::vector<float> before = fingerprint(layer(kLayer));
    engine.setSegmentProperty(kUnknown, 1, 0.5f, 0, 0, 0);
    engine.setSegmentStartTime(kUnknown, 3.0f);
    engine.setSegmentTrimDuration(kUnknown, 1.0f);
    engine.addAnimation(kUnknown, 1, 0, 1, 1);
    engine.setAnimationState(kUnknown, 1, true, 1, 0.5f, 0);
    engine.setText(kUnknown, "nobody");
    engine.setSegmentFlag2(kUnknown, 0);
    EXPECT_EQ(fingerprint(layer(kLayer)), before);
    EXPECT_EQ(engine.removeSegment(kUnknown), 0);
    EXPECT_EQ(engine.mediaDuration(kUnknown), 0.0f);
    EXPECT_EQ(engine.videoMediaDuration(kUnknown), 0.0f);
    EXPECT_EQ(engine.videoThumbnailCount(kUnknown), 0);
    EXPECT_EQ(engine.videoThumbnail(kUnknown, 0), nullptr);
    EXPECT_EQ(engine.audioTitle(kUnknown), nullptr);
    int32_t width = -7, height = -7;
    EXPECT_EQ(engine.videoSize(kUnknown, &width, &height), 0);
    EXPECT_EQ(width, -7);
    EXPECT_EQ(height, -7);

    // Kinds answer only their own questions.
    EXPECT_EQ(engine.mediaDuration(kMovie), 0.0f);
    EXPECT_NEAR(engine.mediaDuration(kMovieSound), 2.0f, 0.05f);
    EXPECT_NEAR(engine.videoMediaDuration(kMovie), 2.0f, 0.05f);
    EXPECT_EQ(engine.videoMediaDuration(kMovieSound), 0.0f);
    engine.setSegmentTrimDuration(kText, 0.5f);
    EXPECT_EQ(segment(kText)->duration(), 2.0);

    // Without a renderer playback does nothing.
    EXPECT_TRUE(engine.isRenderIdle());
    EXPECT_FALSE(engine.pause());
    EXPECT_EQ(engine.currentTime(), 0.0f);
    engine.togglePlayback();
    engine.seek(1.0f, true);
    engine.requestRedraw();
    EXPECT_EQ(engine.currentTime(), 0.0f);

    EXPECT_EQ(engine.removeSegment(kText), 1);
    EXPECT_EQ(segment(kText), nullptr);
}

} // namespace

// A thumbnail task copies the pictures out while the window may remove the
// movie: what the facade hands over is the caller's own copy.
TEST_F(EngineFacadeTest, AThumbnailIsTheCallersCopy)
{
    ASSERT_TRUE(waitUntil([&] { return engine.videoThumbnailCount(kMovie) == 16; }));
    const AVPixelBufferPtr copy = engine.videoThumbnail(kMovie, 3);
    const AVPixelBuffer* own = static_cast<AVVideoSegment*>(segment(kMovie))->thumbnail(3);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(copy.get(), own);
    ASSERT_EQ(copy->width, own->width);
    ASSERT_EQ(copy->height, own->height);
    ASSERT_EQ(copy->format, own->format);
    EXPECT_EQ(own->data[3], 255) << "an opaque picture";
    EXPECT_EQ(std::memcmp(copy->data, own->data, avPixelBufferByteSize(own)), 0);
    EXPECT_EQ(engine.videoThumbnail(kMovie, 16), nullptr);
}

// A lookup on another thread holds what it found: the removal takes the
// sound out of the list at once but destroys it only once released.
TEST_F(EngineFacadeTest, ARemovedSoundLivesUntilTheLookupHoldingItIsDone)
{
    std::atomic<bool> removed{false};
    std::thread remover;
    {
        const AVSegmentHold held = composition.holdSegment(uint32_t(kMovieSound));
        EXPECT_EQ(held.get(), segment(kMovieSound));
        remover = std::thread([&] {
            engine.removeSegment(kMovieSound);
            removed = true;
        });
        EXPECT_TRUE(waitUntil([&] { return segment(kMovieSound) == nullptr; }));
        avThreadSleep(0.2);
        EXPECT_FALSE(removed) << "destroyed while held";
        const auto* audio = held.as<AVAudioSegment>();
        EXPECT_NEAR(audio ? audio->mediaDuration() : 0.0, 2.0, 0.05);
    }
    EXPECT_TRUE(waitUntil([&] { return removed.load(); }));
    remover.join();
    EXPECT_EQ(engine.mediaDuration(kMovieSound), 0.0f);
}
