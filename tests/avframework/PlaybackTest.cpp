#include "AVSoundOutput.h"
#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#include <QPointer>

using namespace PlaybackTest;

namespace {

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
        size_t frames = 0;
        ASSERT_TRUE(pumpUntil([&] {
            const size_t before = frames;
            frames = playback->recorder.count(AVRender::StateFrameDrawn);
            avThreadSleep(0.3);
            return playback->engine->isRenderIdle() && frames == before
                && frames == playback->recorder.count(AVRender::StateFrameDrawn);
        }, 10.0));
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

} // namespace
