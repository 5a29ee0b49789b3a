#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVGLFramebuffer.h"
#include "AVPixelBuffer.h"
#include "AVSegmentHold.h"
#include "AVTextSegment.h"
#include "AVVideoSegment.h"
#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>


#include <cmath>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;

// A loaded plain layer holding one colour (premultiplied BGRA).
class SolidLayer : public AVLayerSegment {
public:
    SolidLayer(double start, double duration, uint32_t bgra, bool* destroyed = nullptr)
        : AVLayerSegment(start, duration, kWidth, kHeight), _destroyed(destroyed)
    {
        AVPixelBuffer* picture = avPixelBufferCreate(16, 16, 1);
        auto* pixels = reinterpret_cast<uint32_t*>(picture->data);
        std::fill(pixels, pixels + 16 * 16, bgra);
        setImage(picture);
        setStatus(AVSegmentReady);
    }
    ~SolidLayer() override
    {
        if (_destroyed)
            *_destroyed = true;
    }
    void prepareAt(double time, bool drawFlag, bool playing) override
    {
        if (!texture())
            uploadImage();
        AVLayerSegment::prepareAt(time, drawFlag, playing);
    }

private:
    bool* _destroyed;
};

constexpr uint32_t kRed = 0xffff0000;
constexpr uint32_t kGreen = 0xff00ff00;
constexpr uint32_t kBlue = 0xff0000ff;

struct Snapshot {
    int calls = 0;
    AVSegment* segment = nullptr;
    std::vector<uint8_t> pixels;
    int32_t bytesPerRow = -1;
    int32_t height = -1;

    static void callback(AVComposition*, AVSegment* segment, uint8_t* pixels, int32_t bytesPerRow, int32_t height,
                         void* context)
    {
        auto* snapshot = static_cast<Snapshot*>(context);
        ++snapshot->calls;
        snapshot->segment = segment;
        snapshot->bytesPerRow = bytesPerRow;
        snapshot->height = height;
        if (pixels)
            snapshot->pixels.assign(pixels, pixels + size_t(bytesPerRow) * size_t(height));
        std::free(pixels);
    }
};

// An invisible layer that asks for a snapshot of another layer the first
// time a pass prepares it: a request that arrives in the middle of a pass.
class RequestingLayer : public SolidLayer {
public:
    RequestingLayer(AVComposition* composition, uint32_t target, Snapshot* snapshot)
        : SolidLayer(0.0, 2.0, 0x00000000), _composition(composition), _target(target), _snapshot(snapshot)
    {
    }
    void prepareAt(double time, bool drawFlag, bool playing) override
    {
        if (_composition)
            _composition->requestSegmentSnapshot(_target, &Snapshot::callback, _snapshot);
        _composition = nullptr;
        SolidLayer::prepareAt(time, drawFlag, playing);
    }

private:
    AVComposition* _composition;
    uint32_t _target;
    Snapshot* _snapshot;
};

struct ObserverWatch {
    std::atomic<bool> entered{false};
    std::atomic<bool> finished{false};
};

// An observer that takes its time, as one reporting to the GUI may.
void slowObserver(AVComposition*, AVSegment*, void* context)
{
    auto* watch = static_cast<ObserverWatch*>(context);
    watch->entered = true;
    avThreadSleep(0.2);
    watch->finished = true;
}

class CompositionDrawTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        composition = std::make_unique<AVComposition>(kWidth, kHeight, 44100, 2, renderer);
    }

    // The front target's pixels, BGRA, top row first.
    std::vector<uint32_t> frame()
    {
        AVGLFramebuffer* front = composition->frontFramebuffer();
        if (!front)
            return {};
        AVGLRenderer::bindFramebuffer(renderer, front);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(front->color, &stride);
        std::vector<uint32_t> out(size_t(front->color->width) * size_t(front->color->height));
        if (pixels)
            std::memcpy(out.data(), pixels, out.size() * 4);
        std::free(pixels);
        return out;
    }

    uint32_t centre() { return frame().at(size_t(kHeight / 2 * kWidth + kWidth / 2)); }

    std::unique_ptr<AVComposition> composition;
};

} // namespace

TEST_F(CompositionDrawTest, LayerTransformFormulasAndWhatIsSwitchedOn)
{
    SolidLayer layer(0.0, 1.0, kRed);
    layer.setEffectColor(0, -100);  // saturation
    layer.setEffectColor(2, 50);    // contrast
    layer.setEffectColor(3, 100);   // white balance
    layer.setEffectColor(4, 25);    // exposure
    layer.setEffectColor(5, -50);   // hue
    layer.setEffectColor(7, 50);    // green gain
    layer.setCornerRadius(0.025f);
    layer.setShadowRadius(0.0078125f);
    layer.setShadowOffset(0.5f, -0.25f);
    layer.setTransparency(0.25f);
    layer.setRotation(90.0f);
    layer.setRotationY(-90.0f);
    layer.setPointOffset(2, 0.1f, -0.2f);
    layer.setBorderColor({0.2f, 0.4f, 0.6f, 1.0f});
    layer.setBorderStrokeTolerance(30);
    layer.setChromaKeySmoothing(20);
    layer.setChromaKeyColor({0.0f, 1.0f, 0.0f, 1.0f});
    layer.prepareAt(0.0, true, false);
    AVLayerDrawState state = composition->layerTransform(&layer);
    EXPECT_FLOAT_EQ(state.effectParams.groups[0][0], 0.0f);
    EXPECT_EQ(state.effectSwitches.on[1], 0) << "an adjustment of 0 leaves its effect off";
    EXPECT_FLOAT_EQ(state.effectParams.groups[2][0], 2.5f);
    EXPECT_FLOAT_EQ(state.effectParams.groups[3][0], 10000.0f);
    EXPECT_FLOAT_EQ(state.effectParams.groups[4][0], 1.0f);
    EXPECT_FLOAT_EQ(state.effectParams.groups[5][0], -3.1415927f / 2);
    EXPECT_FLOAT_EQ(state.effectParams.groups[6][0], 1.0f) << "a zero gain counts as 1";
    EXPECT_FLOAT_EQ(state.effectParams.groups[6][1], 1.5f);
    EXPECT_FLOAT_EQ(state.cornerRadius, 8.0f) << "a fraction of the canvas width";
    EXPECT_FLOAT_EQ(state.shadowBlur, 3.0f) << "2.5 pixels rounded half up";
    EXPECT_FLOAT_EQ(state.shadowOffsetX, 160.0f);
    EXPECT_FLOAT_EQ(state.shadowOffsetY, -80.0f) << "both coordinates in canvas widths";
    EXPECT_FLOAT_EQ(state.opacity, 0.75f);
    EXPECT_NEAR(state.rotationZ, 3.1415927f / 2, 1e-6);
    EXPECT_NEAR(state.rotationY, -3.1415927f / 2, 1e-6);
    EXPECT_FLOAT_EQ(state.cornerOffsets[4], 0.0f) << "corner offsets need perspective";
    EXPECT_FLOAT_EQ(state.outlineColor[1], 0.0f) << "no border, no border colour";
    EXPECT_FLOAT_EQ(state.chromaColor[1], 0.0f) << "the key colour only with the key on";

    layer.setEffectColor(0, 100);
    layer.setEffectColor(1, -50);  // brightness
    layer.setEffectColor(3, -100);
    layer.setPerspective(1);
    layer.setBorderWidth(0.01f);
    layer.setChromaKeyEnabled(1);
    layer.prepareAt(0.0, true, false);
    state = composition->layerTransform(&layer);
    EXPECT_FLOAT_EQ(state.effectParams.groups[0][0], 2.0f);
    EXPECT_FLOAT_EQ(state.effectParams.groups[1][0], -0.5f);
    EXPECT_FLOAT_EQ(state.effectParams.groups[3][0], 2500.0f);
    EXPECT_FLOAT_EQ(state.cornerOffsets[4], 0.1f);
    EXPECT_FLOAT_EQ(state.cornerOffsets[5], -0.2f);
    EXPECT_EQ(state.perspective3D, 0) << "the corner perspective is not the 3D projection";
    EXPECT_FLOAT_EQ(state.outlineColor[2], 0.6f);
    EXPECT_FLOAT_EQ(state.strokeTolerance, 0.0f) << "tolerance only for a stroke";
    EXPECT_FLOAT_EQ(state.chromaThreshold, 0.0f);
    EXPECT_FLOAT_EQ(state.chromaSmoothing, 0.0f) << "smoothing only above a sensitivity of 0";

    layer.setBorderStroke(1);
    layer.setBorderStrokeStrength(80);
    layer.setChromaKeySensitivity(40);
    layer.prepareAt(0.0, true, false);
    state = composition->layerTransform(&layer);
    EXPECT_EQ(state.outlineIsStroke, 1);
    EXPECT_FLOAT_EQ(state.strokeTolerance, 0.3f);
    EXPECT_FLOAT_EQ(state.strokeStrength, 0.8f);
    EXPECT_FLOAT_EQ(state.chromaThreshold, 0.4f);
    EXPECT_FLOAT_EQ(state.chromaSmoothing, 0.2f);
    EXPECT_FLOAT_EQ(state.chromaColor[1], 1.0f);
}

TEST_F(CompositionDrawTest, OrderByIdEndTimeAndDrawingOrder)
{
    auto* red = new SolidLayer(0.0, 1.0, kRed);
    auto* green = new SolidLayer(0.0, 1.0, kGreen);
    composition->addSegment(red, 1);
    composition->addSegment(green, 2);
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_EQ(centre(), kGreen);

    // Naming only the green one: the red one is kept, after it.
    const uint32_t ids[] = {2};
    composition->setVisibleSegments(ids, 1);
    composition->compositeVideo(0.5, 1, 0, 0);
    EXPECT_EQ(centre(), kRed) << "a layer left out of the order is drawn on top, not lost";

    auto* blue = new SolidLayer(0.0, 1.0, kBlue);
    composition->addSegment(blue, 2);
    EXPECT_EQ(composition->findSegment(2), green) << "the earlier of equal ids";
    composition->compositeVideo(0.5, 1, 0, 0);
    EXPECT_EQ(centre(), kBlue) << "equal ids keep insertion order: the later one on top";

    composition->compositeVideo(1.0, 1, 0, 0);
    EXPECT_EQ(centre(), 0xff000000) << "a layer ending at the time is not drawn";
    composition->addSegment(new SolidLayer(1.0, 1.0, kGreen), 9);
    composition->compositeVideo(1.0, 1, 0, 0);
    EXPECT_EQ(centre(), kGreen) << "one starting at the time is";
    EXPECT_DOUBLE_EQ(composition->duration(), 2.0);
}

// A project of hundreds of layers: each is found by its id and drawn in the
// order named, through reorders, equal ids, additions and removals.
TEST_F(CompositionDrawTest, ManyLayersKeepTheirLookupsAndOrderThroughReordersAndRemovals)
{
    constexpr uint32_t kCount = 300;
    std::vector<AVSegment*> layers;
    std::vector<uint32_t> ascending;
    for (uint32_t id = 1; id <= kCount; ++id) {
        layers.push_back(new SolidLayer(0.0, 1.0, id == 1 ? kGreen : id == 5 ? kBlue : kRed));
        composition->addSegment(layers.back(), id);
        ascending.push_back(id);
    }
    const std::vector<uint32_t> descending(ascending.rbegin(), ascending.rend());
    composition->setVisibleSegments(descending.data(), int32_t(descending.size()));
    EXPECT_EQ(composition->visibleSegmentIds(), descending);
    for (uint32_t id = 1; id <= kCount; ++id)
        ASSERT_EQ(composition->findSegment(id), layers[id - 1]) << id;
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_EQ(centre(), kGreen) << "the first id now drawn last, on top";

    // Added under ids that are there already: before the first greater id,
    // here the bottom one, which makes it the first of its id.
    auto* twin = new SolidLayer(0.0, 1.0, kGreen);
    composition->addSegment(twin, 5);
    EXPECT_EQ(composition->visibleSegmentIds().front(), 5u);
    EXPECT_EQ(composition->findSegment(5), twin) << "the first of equal ids in drawing order";
    // An id named twice takes its layers in their order.
    const uint32_t named[] = {5, 5, 1};
    composition->setVisibleSegments(named, 3);
    std::vector<uint32_t> expected{5, 5, 1};
    for (uint32_t id : descending) {
        if (id != 5 && id != 1)
            expected.push_back(id);
    }
    EXPECT_EQ(composition->visibleSegmentIds(), expected);
    EXPECT_EQ(composition->findSegment(5), twin);
    // Every id in turn and 5 again on top: the twin takes the first place of
    // its id, the layer it shadows goes on top.
    std::vector<uint32_t> risingThenFive = ascending;
    risingThenFive.push_back(5);
    composition->setVisibleSegments(risingThenFive.data(), int32_t(risingThenFive.size()));
    EXPECT_EQ(composition->visibleSegmentIds(), risingThenFive);
    EXPECT_EQ(composition->findSegment(5), twin);
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_EQ(centre(), kBlue);

    EXPECT_EQ(composition->removeSegment(5), 1);
    EXPECT_EQ(composition->findSegment(5), layers[4]) << "the next of its id";
    EXPECT_EQ(composition->removeSegment(5), 1);
    EXPECT_EQ(composition->findSegment(5), nullptr);
    EXPECT_EQ(composition->removeSegment(5), 0);
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_EQ(centre(), kRed) << "the greatest id on top again";

    // A smaller id than the greatest goes before the first greater one.
    auto* late = new SolidLayer(0.0, 1.0, kGreen);
    composition->addSegment(late, 150);
    std::vector<uint32_t> withLate;
    for (uint32_t id : ascending) {
        if (id != 5)
            withLate.push_back(id);
        if (id == 150)
            withLate.push_back(150);
    }
    EXPECT_EQ(composition->visibleSegmentIds(), withLate);
    EXPECT_EQ(composition->findSegment(150), layers[149]);
    EXPECT_EQ(composition->findSegment(kCount), layers[kCount - 1]);
}

TEST_F(CompositionDrawTest, WakeAndSleepMargins)
{
    auto* ended = new SolidLayer(0.0, 1.0, kRed);
    auto* upcoming = new SolidLayer(2.1, 1.0, kRed);
    composition->addSegment(ended, 1);
    composition->addSegment(upcoming, 2);
    composition->compositeVideo(1.2, 1, 1, 0);
    EXPECT_EQ(ended->isAsleep(), 0) << "ended 0.2 s ago: within the tail";
    EXPECT_EQ(upcoming->isAsleep(), 0) << "0.9 s ahead: woken while playing";
    composition->compositeVideo(1.2, 1, 0, 1);
    EXPECT_EQ(upcoming->isAsleep(), 1) << "but not while exporting";
    composition->compositeVideo(1.3, 1, 1, 0);
    EXPECT_EQ(ended->isAsleep(), 1) << "0.3 s after its end";
}

TEST_F(CompositionDrawTest, LayoutAndRemovalTakeEffectAtTheNextPass)
{
    bool destroyed = false;
    composition->addSegment(new SolidLayer(0.0, 1.0, kRed, &destroyed), 1);
    composition->compositeVideo(0.0, 1, 0, 0);
    composition->updateLayout(160, 90, 0);
    EXPECT_EQ(composition->width(), kWidth) << "the old size until the next pass";
    EXPECT_EQ(composition->removeSegment(1), 1);
    EXPECT_FALSE(destroyed) << "a layer owns GL textures: only a drawing pass frees it";
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(composition->width(), 160);
    EXPECT_EQ(frame().size(), size_t(160 * 90));
}

// A layer that a lookup on another thread still holds outlives the passes
// after its removal; the first pass after the release frees it.
TEST_F(CompositionDrawTest, ARemovedLayerLivesWhileALookupHoldsIt)
{
    bool destroyed = false;
    composition->addSegment(new SolidLayer(0.0, 1.0, kRed, &destroyed), 1);
    bool otherDestroyed = false;
    composition->addSegment(new SolidLayer(0.0, 1.0, kGreen, &otherDestroyed), 2);
    {
        const AVSegmentHold held = composition->holdSegment(1);
        EXPECT_EQ(composition->removeSegment(1), 1);
        EXPECT_EQ(composition->removeSegment(2), 1);
        composition->compositeVideo(0.0, 1, 0, 0);
        composition->compositeVideo(0.0, 1, 0, 0);
        EXPECT_FALSE(destroyed);
        EXPECT_TRUE(otherDestroyed) << "a layer nobody holds goes at once";
        EXPECT_EQ(held->id(), 1u);
    }
    EXPECT_FALSE(destroyed) << "only a drawing pass frees a layer";
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_TRUE(destroyed);
}

TEST_F(CompositionDrawTest, DoubleBufferingShowsTheLastCompleteFrame)
{
    composition->setDoubleBuffered(1);
    composition->addSegment(new SolidLayer(0.0, 1.0, kRed), 1);
    composition->addSegment(new SolidLayer(1.0, 1.0, kGreen), 2);
    composition->compositeVideo(0.0, 1, 0, 0);
    const uint32_t firstTexture = composition->frontTexture();
    EXPECT_EQ(centre(), kRed);
    composition->compositeVideo(1.0, 1, 0, 0);
    EXPECT_NE(composition->frontTexture(), firstTexture) << "the targets were exchanged";
    EXPECT_EQ(centre(), kGreen);
}

// The two targets take turns: after a size change each one must take the
// new size when its turn comes, not only the first to be drawn.
TEST_F(CompositionDrawTest, EveryDoubleBufferedPictureAfterASizeChangeHasTheNewSize)
{
    composition->setDoubleBuffered(1);
    composition->addSegment(new SolidLayer(0.0, 1.0, kRed), 1);
    composition->compositeVideo(0.0, 1, 0, 0);
    composition->compositeVideo(0.0, 1, 0, 0);
    for (const auto& [width, height] : {std::pair{160, 90}, std::pair{kWidth, kHeight}}) {
        composition->updateLayout(width, height, 0);
        for (int pass = 0; pass < 3; ++pass) {
            composition->compositeVideo(0.0, 1, 0, 0);
            const std::vector<uint32_t> picture = frame();
            ASSERT_EQ(picture.size(), size_t(width * height)) << width << "x" << height << ", pass " << pass;
            EXPECT_EQ(picture[size_t(height / 2 * width + width / 2)], kRed) << width << "x" << height;
        }
    }
}

TEST_F(CompositionDrawTest, SnapshotRequestsAreAlwaysAnswered)
{
    composition->addSegment(new SolidLayer(0.0, 1.0, kRed), 1);
    auto* sound = new AVAudioSegment(0.0, fixture("tone440.wav").constData(), 44100, 2);
    composition->addSegment(sound, 2);
    Snapshot pending, second;
    composition->requestSegmentSnapshot(2, &Snapshot::callback, &pending);
    composition->requestSegmentSnapshot(1, &Snapshot::callback, &second);
    EXPECT_EQ(second.calls, 1) << "a second request is answered at once";
    EXPECT_TRUE(second.pixels.empty());
    EXPECT_EQ(pending.calls, 0);
    composition->compositeVideo(0.0, 1, 0, 0);
    EXPECT_EQ(pending.calls, 1) << "a segment that gives no picture is answered after the pass";
    EXPECT_EQ(pending.segment, sound);
    EXPECT_TRUE(pending.pixels.empty());
    EXPECT_EQ(pending.bytesPerRow, 0);
}

TEST_F(CompositionDrawTest, VideoUnderTextMatchesTheDecodedFrameUpright)
{
    // The clip's own size, so that no scaling filter differs from the decoder's picture.
    constexpr int kWidth = 640;
    constexpr int kHeight = 360;
    composition = std::make_unique<AVComposition>(kWidth, kHeight, 44100, 2, renderer);
    QByteArray expected;
    if (!ffmpegFrame("moving709_640x360.mp4", "1", &expected))
        GTEST_SKIP() << "the ffmpeg command line is not available";
    ASSERT_EQ(expected.size(), kWidth * kHeight * 4);

    auto* video = new AVVideoSegment(0.0, fixture("moving709_640x360.mp4").constData(), kWidth, kHeight, 64);
    composition->addSegment(video, 1);
    ASSERT_TRUE(waitUntil([&] { return video->status() == 0; }));
    auto* text = new AVTextSegment(0.0, 2.0, "Vidorna", kWidth, kHeight / 2, kWidth, kHeight);
    text->setFont("DejaVu Sans", "");
    composition->addSegment(text, 2);
    composition->seek(1.0, false);
    ASSERT_TRUE(waitUntil([&] {
        composition->compositeVideo(1.0, 1, 0, 0);
        return video->shownFrameMs() == 1000 && text->texture();
    })) << video->shownFrameMs();
    Snapshot snapshot;
    composition->requestSegmentSnapshot(1, &Snapshot::callback, &snapshot);
    composition->compositeVideo(1.0, 1, 0, 0);
    const std::vector<uint32_t> pixels = frame();
    ASSERT_EQ(pixels.size(), size_t(kWidth * kHeight));

    // Rows above and below the text band hold the video alone; white text pixels in the band.
    double squaredError = 0;
    int white = 0;
    const auto* got = reinterpret_cast<const uint8_t*>(pixels.data());
    const auto* want = reinterpret_cast<const uint8_t*>(expected.constData());
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i / kWidth >= kHeight / 4 && i / kWidth < kHeight * 3 / 4) {
            white += (pixels[i] & 0xffffff) == 0xffffff ? 1 : 0;
            continue;
        }
        for (size_t c = 4 * i; c < 4 * i + 3; ++c)
            squaredError += double(got[c] - want[c]) * double(got[c] - want[c]);
    }
    EXPECT_GE(10.0 * std::log10(255.0 * 255.0 * 3 * pixels.size() / 2 / std::max(squaredError, 1.0)), 30.0);
    EXPECT_GT(white, 20);
    // Upright: the red block at the top left, the green one at the bottom right.
    const auto channel = [&](int x, int y, int c) { return (pixels[size_t(y * kWidth + x)] >> (8 * c)) & 0xff; };
    EXPECT_GT(channel(10, 10, 2), 200u);
    EXPECT_GT(channel(kWidth - 10, kHeight - 10, 1), 100u);

    ASSERT_EQ(snapshot.calls, 1);
    EXPECT_EQ(snapshot.segment, video);
    ASSERT_EQ(snapshot.height, kHeight) << "the picture at the video's own size";
    ASSERT_EQ(snapshot.bytesPerRow, kWidth * 4);
    const auto* shot = reinterpret_cast<const uint32_t*>(snapshot.pixels.data());
    EXPECT_GT((shot[20 * kWidth + 20] >> 16) & 0xff, 200u) << "red at the top left of the snapshot";
    EXPECT_GT((shot[(kHeight - 10) * kWidth + kWidth - 10] >> 8) & 0xff, 100u) << "green at its bottom right";
}

TEST_F(CompositionDrawTest, SnapshotAskedAfterItsLayerWasDrawnComesFromTheNextPass)
{
    auto* video = new AVVideoSegment(0.0, fixture("moving709_640x360.mp4").constData(), kWidth, kHeight, 64);
    composition->addSegment(video, 1);
    ASSERT_TRUE(waitUntil([&] { return video->status() == 0; }));
    ASSERT_TRUE(waitUntil([&] {
        composition->compositeVideo(0.5, 1, 0, 0);
        return video->texture() != nullptr;
    }));
    Snapshot snapshot;
    composition->addSegment(new RequestingLayer(composition.get(), 1, &snapshot), 2);
    composition->compositeVideo(0.5, 1, 0, 0);
    EXPECT_EQ(snapshot.calls, 0) << "the pass had drawn the video before the request came";
    composition->compositeVideo(0.5, 1, 0, 0);
    ASSERT_EQ(snapshot.calls, 1);
    EXPECT_EQ(snapshot.segment, video);
    EXPECT_FALSE(snapshot.pixels.empty()) << "the video's picture, not a null answer";
}

TEST(CompositionObservers, RemovingAnObserverWaitsForItsCallOnALoadingThread)
{
    AVComposition composition(kWidth, kHeight, 44100, 2, nullptr);
    ObserverWatch watch;
    composition.addObserver(&slowObserver, &watch);
    std::thread loading([&] { AVComposition::notifyObservers(nullptr, 0, &composition); });
    ASSERT_TRUE(waitUntil([&] { return watch.entered.load(); }));
    composition.removeObserver(&slowObserver);
    // The owner frees the observer's context once removeObserver returns.
    EXPECT_TRUE(watch.finished) << "the call under way on the other thread had not ended";
    loading.join();
}

TEST_F(CompositionDrawTest, ChannelGainsChangeTheDrawnColours)
{
    auto* grey = new SolidLayer(0.0, 1.0, 0xff808080);
    grey->setEffectColor(6, -50);  // red halved
    grey->setEffectColor(7, 50);   // green half as much again
    composition->addSegment(grey, 1);
    composition->compositeVideo(0.0, 1, 0, 0);
    const uint32_t pixel = centre();
    EXPECT_NEAR(int((pixel >> 16) & 0xff), 64, 2);
    EXPECT_NEAR(int((pixel >> 8) & 0xff), 192, 2);
    EXPECT_NEAR(int(pixel & 0xff), 128, 2) << "blue left at its gain of 1";
}
