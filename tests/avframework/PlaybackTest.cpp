#include "AVLayerSegment.h"
#include "AVSoundDevice.h"
#include "AVSoundOutput.h"
#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#include <QOpenGLContext>
#include <QPointer>

#include <thread>
#include <vector>

using namespace PlaybackTest;

namespace {

// A layer that counts the drawing passes that prepare it and, while held,
// keeps the pass until it is released (at most ten seconds).
class ProbeLayer : public AVLayerSegment {
public:
    explicit ProbeLayer(double start = 0.0, bool loaded = true) : AVLayerSegment(start, 5.0, 64, 64)
    {
        if (loaded)
            setStatus(AVSegmentReady);
    }
    // Ends its loading as a layer does, on a thread of its own.
    void finishLoading()
    {
        std::thread([this] {
            setStatus(AVSegmentReady);
            fireCallback(AVSegmentReady);
        }).join();
    }
    void prepareAt(double, bool, bool) override
    {
        ++prepared;
        if (held)
            StreamTest::waitUntil([this] { return !held.load(); }, 10.0);
    }
    std::atomic<int> prepared{0};
    std::atomic<bool> held{false};
};

// Waits until the driver has answered everything asked of it so far.
bool settle(Playback& playback)
{
    size_t frames = 0;
    return pumpUntil([&] {
        const size_t before = frames;
        frames = playback.recorder.count(AVRender::StateFrameDrawn);
        avThreadSleep(0.3);
        return playback.engine->isRenderIdle() && frames == before
            && frames == playback.recorder.count(AVRender::StateFrameDrawn);
    }, 10.0);
}

// The playback driver without a preview, its sound going into the null
// output: the states follow the same device reports at real-time pace.
class PlaybackDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VIDORNA_SOUND_OUTPUT", "null");
        playback = std::make_unique<Playback>(320, 180, false);
        ASSERT_TRUE(playback->addMovie("clip_h264_aac.mp4", 1.0f)) << "the movie did not load";
        // Loading and its seeks ask for redraws of their own: wait until they are done.
        ASSERT_TRUE(settle(*playback));
    }

    void TearDown() override
    {
        playback.reset();
        qunsetenv("VIDORNA_SOUND_OUTPUT");
    }

    std::unique_ptr<Playback> playback;
};

TEST_F(PlaybackDriverTest, PlayingReportsStartFramesThenTheEnd)
{
    StateRecorder& recorder = playback->recorder;
    const size_t from = recorder.reports().size();
    ASSERT_TRUE(playback->playUntilStarted());
    ASSERT_TRUE(pumpUntil([&] { return recorder.find(AVRender::StateEnded, from) >= 0; }, 5.0))
        << "the end of the composition was never reported";
    const std::vector<Report> all = recorder.reports();
    const int started = recorder.find(AVRender::StateStarted, from);
    const int ended = recorder.find(AVRender::StateEnded, from);
    // Started, then frames at rising times up to the end, then stopped and ended.
    ASSERT_GE(ended - started, 12) << "too few frames were drawn";
    EXPECT_EQ(all[size_t(ended) - 1].code, AVRender::StateStopped);
    double last = -1.0;
    for (int i = started + 1; i < ended - 1; ++i) {
        ASSERT_EQ(all[size_t(i)].code, AVRender::StateFrameDrawn) << "report " << i;
        EXPECT_GE(all[size_t(i)].time, last);
        last = all[size_t(i)].time;
    }
    EXPECT_GT(all[size_t(started) + 2].time, 0.0);
    EXPECT_DOUBLE_EQ(last, playback->composition->duration()) << "the last frame is the end's";
    EXPECT_FALSE(playback->render->isPlaying());
    EXPECT_TRUE(pumpUntil([&] { return playback->engine->isRenderIdle(); }, 2.0));
}

TEST_F(PlaybackDriverTest, PlayingAgainAtTheEndStopsAgain)
{
    StateRecorder& recorder = playback->recorder;
    ASSERT_TRUE(playback->playUntilStarted());
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(AVRender::StateEnded) == 1; }, 5.0));
    // No redraw in between: the next play starts where the last one ended.
    ASSERT_TRUE(playback->playUntilStarted());
    EXPECT_TRUE(pumpUntil([&] { return recorder.count(AVRender::StateEnded) == 2; }, 3.0))
        << "playing on at the end never stops";
    EXPECT_FALSE(playback->render->isPlaying());
    EXPECT_DOUBLE_EQ(playback->render->currentTime(), playback->composition->duration());
}

TEST_F(PlaybackDriverTest, ASecondRefusedPlayResetsTheSoundOutput)
{
    AVRender* render = playback->render.get();
    render->play();
    const QPointer<AVSoundOutput> first = render->soundOutput();
    ASSERT_FALSE(first.isNull());
    // The start takes effect only when the device reports it, on this thread's events.
    render->play();
    EXPECT_EQ(render->soundOutput(), first.data()) << "a first refusal changes nothing";
    render->play();
    EXPECT_TRUE(first.isNull()) << "the second refusal replaces the sound output";
    ASSERT_TRUE(pumpUntil([&] { return render->isPlaying(); }, 5.0)) << "the reset play never started";
    EXPECT_EQ(playback->recorder.count(AVRender::StateStarted), 1u);
    // A pause while a pause is pending is refused as well; the first one takes effect.
    render->pause();
    render->pause();
    EXPECT_TRUE(pumpUntil([&] { return playback->recorder.count(AVRender::StateStopped) == 1; }, 5.0));
    EXPECT_FALSE(render->isPlaying());
}

// Passes the sound output's reports on to the driver, counting the idle
// reports (underruns) that come while it plays and no pause was asked for.
// It stands between them for as long as it lives.
class UnderrunCounter : public AVSoundOutputListener {
public:
    explicit UnderrunCounter(AVRender* render) : _render(render) { render->soundOutput()->setListener(this); }
    ~UnderrunCounter() override { _render->soundOutput()->setListener(_render); }
    void onAudioDeviceChanged(const QString& name) override { _render->onAudioDeviceChanged(name); }
    void onAudioOutputStateChanged(int state) override
    {
        if (state == AVSoundDevice::Idle && _render->isPlaying() && !pausing)
            ++underruns;
        _render->onAudioOutputStateChanged(state);
    }
    void onAudioOutputNotify(int64_t value) override { _render->onAudioOutputNotify(value); }
    void addTickets(int count) override { _render->addTickets(count); }

    bool pausing = false;
    int underruns = 0;

private:
    AVRender* _render;
};

TEST_F(PlaybackDriverTest, PlayingFromAStopAndAfterAPauseRunsWithoutUnderruns)
{
    // Long enough to play, pause and play again far from the end.
    playback->engine->createAudioSegment(3, StreamTest::fixture("tone440.wav").constData(), 0.0f, 0.0f, 3.0f);
    ASSERT_TRUE(StreamTest::waitUntil([&] { return playback->composition->duration() >= 3.0; }));
    AVRender* render = playback->render.get();
    UnderrunCounter counter(render);
    ASSERT_TRUE(playback->playUntilStarted());
    EXPECT_TRUE(pumpUntil([&] { return render->soundOutput()->playingPosition() > 0.3; }, 5.0))
        << "the sound does not play";
    EXPECT_EQ(counter.underruns, 0) << "playing from a stop";

    counter.pausing = true;
    playback->engine->togglePlayback();
    ASSERT_TRUE(pumpUntil([&] { return !render->isPlaying(); }, 5.0)) << "the pause never took effect";
    counter.pausing = false;
    const double paused = render->soundOutput()->playingPosition();
    ASSERT_TRUE(playback->playUntilStarted());
    EXPECT_TRUE(pumpUntil([&] { return render->soundOutput()->playingPosition() > paused + 0.2; }, 5.0))
        << "the sound does not play on";
    EXPECT_EQ(counter.underruns, 0) << "playing after a pause";
}

TEST_F(PlaybackDriverTest, SeekClampsIntoTheComposition)
{
    AVEngine* engine = playback->engine.get();
    engine->seek(-5.0f, true);
    EXPECT_EQ(engine->currentTime(), 0.0f);
    engine->seek(30.0f, true);
    EXPECT_FLOAT_EQ(engine->currentTime(), float(playback->composition->duration()));
    engine->seek(0.5f, true);
    EXPECT_FLOAT_EQ(engine->currentTime(), 0.5f);
    ASSERT_TRUE(pumpUntil([&] {
        const std::vector<Report> all = playback->recorder.reports();
        return !all.empty() && all.back().code == AVRender::StateFrameDrawn && all.back().time == 0.5;
    }, 5.0)) << "the seek was not drawn";
}

TEST_F(PlaybackDriverTest, ASeekWhilePlayingLandsWhereItWasAsked)
{
    // Long enough to be far from the end when the seek comes.
    playback->engine->createAudioSegment(3, StreamTest::fixture("tone440.wav").constData(), 0.0f, 0.0f, 3.0f);
    ASSERT_TRUE(StreamTest::waitUntil([&] { return playback->composition->duration() >= 3.0; }));
    AVEngine* engine = playback->engine.get();
    ASSERT_TRUE(playback->playUntilStarted());
    ASSERT_TRUE(pumpUntil([&] { return engine->currentTime() > 1.2f; }, 5.0));
    // The pause fades out first: the picture plays on meanwhile, but from the seek.
    engine->seek(0.2f, true);
    ASSERT_TRUE(pumpUntil([&] { return !playback->render->isPlaying() && engine->isRenderIdle(); }, 5.0));
    EXPECT_GE(engine->currentTime(), 0.2f);
    EXPECT_LT(engine->currentTime(), 0.8f) << "the playing clock ran on from before the seek";
    double shown = -1.0;
    for (const Report& report : playback->recorder.reports())
        shown = report.code == AVRender::StateFrameDrawn ? report.time : shown;
    EXPECT_GE(shown, 0.2);
    EXPECT_LT(shown, 0.8) << "the last frame shown is not the seek's";
}

TEST_F(PlaybackDriverTest, OneRedrawIsOneFrameAndOneMixingPass)
{
    AVEngine* engine = playback->engine.get();
    StateRecorder& recorder = playback->recorder;
    const size_t frames = recorder.count(AVRender::StateFrameDrawn);
    const int64_t mixes = playback->render->mixingPasses();
    engine->requestRedraw();
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(AVRender::StateFrameDrawn) > frames; }, 5.0));
    ASSERT_TRUE(pumpUntil([&] { return engine->isRenderIdle(); }, 5.0));
    avThreadSleep(0.2);
    EXPECT_EQ(recorder.count(AVRender::StateFrameDrawn), frames + 1);
    EXPECT_EQ(playback->render->mixingPasses(), mixes + 1);
    // Both threads end when asked to.
    EXPECT_EQ(playback->render->stop(true), 0);
    EXPECT_FALSE(engine->isRenderIdle());
}

// Idle only once the passes a redraw asked for have run: a thread woken for
// its pass and not yet running is not idle, or an export or an undo step
// asked for at that moment would go ahead beside the pass.
TEST_F(PlaybackDriverTest, IdleComesOnlyAfterTheAskedPassesHaveRun)
{
    AVEngine* engine = playback->engine.get();
    for (int round = 0; round < 50; ++round) {
        ASSERT_TRUE(pumpUntil([&] { return engine->isRenderIdle(); }, 5.0)) << round;
        const int64_t frames = playback->render->videoPasses();
        const int64_t mixes = playback->render->mixingPasses();
        engine->requestRedraw();
        if (engine->isRenderIdle()) {
            ASSERT_GT(playback->render->videoPasses(), frames) << "idle before the frame, round " << round;
            ASSERT_GT(playback->render->mixingPasses(), mixes) << "idle before the mixing, round " << round;
        }
    }
}

// Reported on the video thread after its pass: whether its context is still current there.
struct ContextAfterPass {
    static void callback(AVRender* render, int code, double, void* context)
    {
        auto* self = static_cast<ContextAfterPass*>(context);
        if (code != AVRender::StateFrameDrawn)
            return;
        QOpenGLContext* current = QOpenGLContext::currentContext();
        self->current = current && current == render->videoGLContext();
        self->reported = true;
    }
    std::atomic<bool> current{false};
    std::atomic<bool> reported{false};
};

TEST_F(PlaybackDriverTest, TheVideoThreadKeepsItsContextCurrentBetweenPasses)
{
    if (!playback->render->renderer())
        GTEST_SKIP() << "no OpenGL 3.2 core context for the video thread";
    ContextAfterPass probe;
    playback->render->setStateCallback(&ContextAfterPass::callback, &probe);
    playback->engine->requestRedraw();
    ASSERT_TRUE(pumpUntil([&] { return probe.reported.load(); }, 5.0));
    EXPECT_TRUE(probe.current);
    playback->render->setStateCallback(&StateRecorder::callback, &playback->recorder);
}

TEST_F(PlaybackDriverTest, DeviceChangeEndsPausedOnANewOutput)
{
    AVRender* render = playback->render.get();
    ASSERT_TRUE(playback->playUntilStarted());
    pumpUntil([] { return false; }, 0.3);
    const QPointer<AVSoundOutput> old = render->soundOutput();
    render->onAudioDeviceChanged("another device");
    EXPECT_FALSE(render->isPlaying());
    EXPECT_EQ(playback->recorder.count(AVRender::StateStopped), 1u);
    // It goes once control is back in an event loop (here: deferred deletions run by hand).
    EXPECT_TRUE(pumpUntil([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return old.isNull();
    }, 2.0)) << "the old output stays";
    ASSERT_NE(render->soundOutput(), nullptr);
    EXPECT_GT(render->currentTime(), 0.0) << "the place is kept";
    EXPECT_TRUE(playback->playUntilStarted()) << "the new output plays";
}

TEST_F(PlaybackDriverTest, APlayStillPendingWhenTheDeviceChangesDoesNotBlockTheNext)
{
    AVRender* render = playback->render.get();
    // The old output has not reported the start yet; it never will.
    render->play();
    const QPointer<AVSoundOutput> old = render->soundOutput();
    std::atomic<int> oldFadeSteps{0};
    const QMetaObject::Connection fading
        = QObject::connect(old, &AVSoundOutput::volumeApplied, [&](float) { ++oldFadeSteps; });
    render->onAudioDeviceChanged("another device");
    EXPECT_FALSE(render->isPlaying());
    // Nor does the mixing thread go on mixing ahead for a start that will not come.
    EXPECT_TRUE(pumpUntil([&] { return playback->engine->isRenderIdle(); }, 2.0));
    EXPECT_TRUE(playback->playUntilStarted()) << "one play after the change starts the new output";
    // No event loop ran its deletion here: the play queued for it must not
    // resume it, and it must not outlive the driver and its composition.
    EXPECT_EQ(oldFadeSteps, 0) << "the dropped output was resumed";
    playback.reset();
    EXPECT_TRUE(old.isNull()) << "the dropped output outlives the driver";
    QObject::disconnect(fading);
}

TEST_F(PlaybackDriverTest, DeviceChangeGivesUpOnAnOldDeviceThatNeverPauses)
{
    AVRender* render = playback->render.get();
    // Long enough not to end while the driver waits.
    playback->engine->createAudioSegment(3, StreamTest::fixture("tone440.wav").constData(), 0.0f, 0.0f, 3.0f);
    ASSERT_TRUE(StreamTest::waitUntil([&] { return playback->composition->duration() >= 3.0; }));
    ASSERT_TRUE(playback->playUntilStarted());
    // The old device's reports no longer arrive.
    render->soundOutput()->setListener(nullptr);
    const double asked = avCurrentTimeSeconds();
    render->onAudioDeviceChanged("another device");
    const double waited = avCurrentTimeSeconds() - asked;
    EXPECT_GE(waited, AVRender::kDeviceChangeWaitSeconds - 0.05);
    EXPECT_LT(waited, AVRender::kDeviceChangeWaitSeconds + 1.0);
    EXPECT_FALSE(render->isPlaying());
    EXPECT_EQ(playback->recorder.count(AVRender::StateStopped), 1u) << "the stop is told";
    EXPECT_TRUE(playback->playUntilStarted()) << "the new output plays";
}

TEST(PlaybackDriver, WithoutACompositionTicketsStillDrawAndTheEndIsToldOnce)
{
    StateRecorder recorder;
    AVRender render(nullptr, 64, 64);
    render.setStateCallback(&StateRecorder::callback, &recorder);
    render.startThreads();
    render.addTickets(1);
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(AVRender::StateEnded) == 1; }, 5.0));
    render.addTickets(1);
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(AVRender::StateFrameDrawn) == 2; }, 5.0));
    avThreadSleep(0.2);
    std::vector<int> codes;
    for (const Report& report : recorder.reports())
        codes.push_back(report.code);
    EXPECT_EQ(codes, (std::vector<int>{AVRender::StateFrameDrawn, AVRender::StateStopped, AVRender::StateEnded,
                                       AVRender::StateFrameDrawn}));
    EXPECT_EQ(render.stop(true), 0);
}

TEST(PlaybackDriver, AThreadGivenUpByStopIsNeitherFreedNorDoubled)
{
    Playback playback(320, 180, false);
    auto* layer = new ProbeLayer;
    layer->held = true;
    playback.composition->addSegment(layer, 1);
    playback.engine->requestRedraw();
    ASSERT_TRUE(StreamTest::waitUntil([&] { return layer->prepared > 0; }, 5.0)) << "the layer was never drawn";
    AVRender* render = playback.render.get();
    AVThread_QThread_Type* busy = render->videoThread();
    EXPECT_EQ(render->stop(true), 1) << "a thread busy for two seconds is given up";
    render->startThreads();
    EXPECT_EQ(render->videoThread(), busy) << "no second video thread while the first still runs";
    EXPECT_FALSE(busy->isFinished());
    layer->held = false;
    EXPECT_TRUE(StreamTest::waitUntil([&] { return busy->isFinished(); }, 5.0)) << "the stop request was lost";
}

TEST(PlaybackDriver, AnAttachedExportKeepsTheThreadsOffTheComposition)
{
    Playback playback(320, 180, false);
    auto* layer = new ProbeLayer;
    playback.composition->addSegment(layer, 1);
    playback.engine->requestRedraw();
    ASSERT_TRUE(settle(playback));
    ASSERT_GT(layer->prepared, 0) << "the layer was never drawn";
    const int prepared = layer->prepared;
    const size_t frames = playback.recorder.count(AVRender::StateFrameDrawn);
    AVGLContextSlot exportSlot;
    playback.render->drawingContexts()->exporter = &exportSlot;
    playback.engine->requestRedraw();
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames + 1) << "the ticket is still answered";
    EXPECT_EQ(layer->prepared, prepared) << "the export's composition was drawn";
    playback.render->drawingContexts()->exporter = nullptr;
    playback.engine->requestRedraw();
    ASSERT_TRUE(settle(playback));
    EXPECT_GT(layer->prepared, prepared);
}

TEST(PlaybackDriver, RedrawsQueuedBehindABusyPassCollapseIntoOne)
{
    Playback playback(320, 180, false);
    auto* layer = new ProbeLayer;
    playback.composition->addSegment(layer, 1);
    ASSERT_TRUE(settle(playback));
    const size_t frames = playback.recorder.count(AVRender::StateFrameDrawn);
    const int prepared = layer->prepared;
    layer->held = true;
    playback.engine->requestRedraw();
    ASSERT_TRUE(StreamTest::waitUntil([&] { return layer->prepared > prepared; }, 5.0));
    for (int i = 0; i < 5; ++i)
        playback.engine->requestRedraw();
    layer->held = false;
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames + 2);
}

TEST(PlaybackDriver, RedrawsAskedDuringABusyPassGiveOneMoreThatDrawsTheLastSeek)
{
    Playback playback(320, 180, false);
    auto* layer = new ProbeLayer;
    playback.composition->addSegment(layer, 1);
    ASSERT_TRUE(settle(playback));
    const size_t frames = playback.recorder.count(AVRender::StateFrameDrawn);
    const int64_t passes = playback.render->videoPasses();
    const int prepared = layer->prepared;
    layer->held = true;
    playback.engine->requestRedraw();
    ASSERT_TRUE(StreamTest::waitUntil([&] { return layer->prepared > prepared; }, 5.0));
    // Edits while the pass draws: each asks for its redraw, none may be left undrawn.
    for (const float time : {1.0f, 2.0f, 3.0f}) {
        playback.engine->seek(time, true);
        playback.engine->requestRedraw();
    }
    layer->held = false;
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames + 2);
    EXPECT_EQ(playback.render->videoPasses(), passes + 2);
    EXPECT_EQ(playback.recorder.reports().back().time, 3.0) << "the last seek was not drawn";
}

TEST(PlaybackDriver, LayersLoadingDuringABusyPassAreDrawnByOneMorePass)
{
    Playback playback(320, 180, false);
    // The held layer is drawn last: the pass it holds is past the others.
    constexpr int kLoading = 5;
    std::vector<ProbeLayer*> loading;
    for (int id = 1; id <= kLoading; ++id) {
        loading.push_back(new ProbeLayer(0.0, false));
        playback.composition->addSegment(loading.back(), uint32_t(id));
    }
    auto* layer = new ProbeLayer;
    playback.composition->addSegment(layer, kLoading + 1);
    ASSERT_TRUE(settle(playback));
    const size_t frames = playback.recorder.count(AVRender::StateFrameDrawn);
    const int prepared = layer->prepared;
    layer->held = true;
    playback.engine->requestRedraw();
    ASSERT_TRUE(StreamTest::waitUntil([&] { return layer->prepared > prepared; }, 5.0));
    // Layers that finish loading meanwhile each ask for a redraw, as while a project opens.
    for (ProbeLayer* late : loading)
        late->finishLoading();
    layer->held = false;
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames + 2);
    for (ProbeLayer* late : loading)
        EXPECT_EQ(late->prepared, 1) << "a loaded layer was not drawn, or drawn by a pass of its own";
}

TEST(PlaybackDriver, ALayerLoadingFarFromTheShownTimeAsksForNoPass)
{
    Playback playback(320, 180, false);
    auto* near = new ProbeLayer(0.8, false);
    auto* far = new ProbeLayer(10.0, false);
    playback.composition->addSegment(near, 1);
    playback.composition->addSegment(far, 2);
    ASSERT_TRUE(settle(playback));
    const size_t frames = playback.recorder.count(AVRender::StateFrameDrawn);
    far->finishLoading();
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames) << "a pass would not show it";
    // One within a second of the shown time is woken by a pass, so it gets one.
    near->finishLoading();
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(playback.recorder.count(AVRender::StateFrameDrawn), frames + 1);
    // Once shown, the far one is drawn.
    playback.engine->seek(10.5f, true);
    ASSERT_TRUE(settle(playback));
    EXPECT_EQ(far->prepared, 1);
}

} // namespace
