#include "AVLayerSegment.h"
#include "AVSoundOutput.h"
#include "AVVideoSegment.h"
#include "LogRecorder.h"
#include "PlaybackTestSupport.h"
#include "ShaderSet.h"
#include "SoundServer.h"
#include "SoundTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <cmath>
#include <cstdlib>

using namespace PlaybackTest;
using namespace SoundTest;

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kChannels = 2;
constexpr double kBytesPerSecond = 44100.0 * kChannels * 2;

// PSNR of the colour channels of two BGRA pictures of the same size.
double psnr(const uchar* got, const uchar* want, size_t pixels)
{
    double squaredError = 0;
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 4 * i; c < 4 * i + 3; ++c)
            squaredError += double(got[c] - want[c]) * double(got[c] - want[c]);
    return 10.0 * std::log10(255.0 * 255.0 * 3 * double(pixels) / std::max(squaredError, 1.0));
}

// What the null sink plays, read from its monitor while the test runs: the
// bytes and, for each read, the total so far and when it came.
class SinkRecorder {
public:
    bool start()
    {
        _process.start("parec", {"--device=null.monitor", "--raw", "--format=s16le", "--rate=44100",
                                 "--channels=2", "--latency-msec=10"});
        return _process.waitForStarted(5000) && pumpUntil([this] {
            read();
            return !bytes.isEmpty();
        }, 5.0);
    }
    void read()
    {
        const QByteArray more = _process.readAllStandardOutput();
        if (more.isEmpty())
            return;
        bytes += more;
        _reads.push_back({bytes.size(), avCurrentTimeSeconds()});
    }
    void finish()
    {
        read();
        _process.terminate();
        _process.waitForFinished(5000);
    }
    // The offset of the byte played at the wall time, from the first read after it.
    qint64 offsetAt(double wallTime) const
    {
        for (const auto& [total, readTime] : _reads)
            if (readTime >= wallTime)
                return total - qint64((readTime - wallTime) * kBytesPerSecond);
        return bytes.size();
    }
    // When the byte at offset was played. The sink plays at a steady rate, so
    // each read that holds the byte bounds that time from above by when the
    // read came; a loaded machine delays reads, so the earliest bound counts.
    double wallTimeOf(qint64 offset) const
    {
        double earliest = -1.0;
        for (const auto& [total, wallTime] : _reads) {
            const double bound = wallTime - double(total - offset) / kBytesPerSecond;
            if (total > offset && (earliest < 0.0 || bound < earliest))
                earliest = bound;
        }
        return earliest;
    }

    QByteArray bytes;

private:
    QProcess _process;
    std::vector<std::pair<qint64, double>> _reads;
};

// A layer without a picture that, while held, keeps the drawing pass at
// itself until let go (ten seconds at most): a pass caught half-way.
class HeldLayer : public AVLayerSegment {
public:
    HeldLayer() : AVLayerSegment(0.0, 5.0, 64, 64) { setStatus(AVSegmentReady); }
    void prepareAt(double, bool, bool) override
    {
        if (!held)
            return;
        waiting = true;
        StreamTest::waitUntil([this] { return !held.load(); }, 10.0);
        waiting = false;
    }
    std::atomic<bool> held{false};
    std::atomic<bool> waiting{false};
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setUpWithPreview(playback, kWidth, kHeight);
    }

    void TearDown() override
    {
        playback.reset();
    }

    std::unique_ptr<Playback> playback;
};

TEST_F(PreviewTest, ShowsTheComposedFrameUprightOverTheBackground)
{
    QByteArray expected;
    if (!StreamTest::ffmpegFrame("moving709_640x360.mp4", "1.0", &expected))
        GTEST_SKIP() << "the ffmpeg command line is not available";
    ASSERT_EQ(expected.size(), kWidth * kHeight * 4);

    // A transparent project background shows the checkerboard through the empty frame.
    AVEngine* engine = playback->engine.get();
    engine->setBackgroundColor(0.0f, 0.0f, 0.0f, 0.0f);
    playback->preview->setBackgroundColor(QColor(0, 0, 0, 0));
    engine->requestRedraw();
    // A frame already under way when the colour changed may still be opaque.
    QImage checkerboard;
    EXPECT_TRUE(pumpUntil([&] {
        checkerboard = playback->preview->grabFramebuffer().convertToFormat(QImage::Format_ARGB32);
        return checkerboard.pixel(4, 4) != checkerboard.pixel(20, 4);
    }, 5.0)) << "a transparent background is chequered";
    EXPECT_EQ(checkerboard.pixel(4, 4), checkerboard.pixel(36, 4));
    engine->setBackgroundColor(0.0f, 0.0f, 0.0f, 1.0f);
    playback->preview->setBackgroundColor(Qt::black);

    engine->createVideoSegment(1, StreamTest::fixture("moving709_640x360.mp4").constData(), 0.0f, 0.0f, 0.0f, 32, 1);
    auto* video = static_cast<AVVideoSegment*>(playback->composition->findSegment(1));
    ASSERT_TRUE(StreamTest::waitUntil([&] { return video->status() == 0; }));
    engine->seek(1.0f, false);
    ASSERT_TRUE(pumpUntil([&] {
        engine->requestRedraw();
        return video->shownFrameMs() == 1000;
    }, 10.0)) << video->shownFrameMs();
    ASSERT_TRUE(pumpUntil([&] { return engine->isRenderIdle(); }, 5.0));

    const QImage shown = playback->preview->grabFramebuffer().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
    // Kept beside the test media for a reviewer to look at.
    shown.save(QDir(TestMedia::folder()).filePath("preview_at_1s.png"));
    EXPECT_GT(qRed(shown.pixel(10, 10)), 200) << "the red mark is at the top left";
    EXPECT_LT(qBlue(shown.pixel(10, 10)), 16);
    EXPECT_GT(qGreen(shown.pixel(kWidth - 10, kHeight - 10)), 100) << "the green mark is at the bottom right";
    EXPECT_GE(psnr(shown.constBits(), reinterpret_cast<const uchar*>(expected.constData()), size_t(kWidth * kHeight)),
              30.0);
}

TEST_F(PreviewTest, SoundOfThePlaybackStartsWithItsFirstFrame)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "no PulseAudio server is reachable (run the tests through scripts/run-tests)";
    SinkRecorder sink;
    ASSERT_TRUE(sink.start()) << "parec records nothing from the null sink";
    ASSERT_TRUE(playback->addMovie("clip_h264_aac.mp4", 0.0f));
    ASSERT_TRUE(pumpUntil([&] {
        sink.read();
        return playback->engine->isRenderIdle();
    }, 5.0));
    ASSERT_FALSE(playback->render->soundOutput()->isNullOutput()) << "the PulseAudio device did not open";

    StateRecorder& recorder = playback->recorder;
    const double asked = avCurrentTimeSeconds();
    ASSERT_TRUE(playback->playUntilStarted());
    pumpUntil([&] {
        sink.read();
        return false;
    }, 1.2);
    const double pauseAsked = avCurrentTimeSeconds();
    playback->engine->pause();
    sink.finish();

    // Each frame drawn while playing shows the clock's time when its pass
    // began, so its report bounds from above when that clock read 0; the
    // sound of the movie's start plays then. A loaded machine delays reports
    // (the first pass decodes and uploads the most), so the earliest bound counts.
    const std::vector<Report> reports = recorder.reports();
    const int firstFrame = recorder.find(AVRender::StateFrameDrawn, size_t(recorder.find(AVRender::StateStarted)));
    ASSERT_GE(firstFrame, 0);
    double clockZero = reports[size_t(firstFrame)].wallTime - reports[size_t(firstFrame)].time;
    for (size_t i = size_t(firstFrame); i < reports.size() && reports[i].wallTime < pauseAsked; ++i)
        if (reports[i].code == AVRender::StateFrameDrawn)
            clockZero = std::min(clockZero, reports[i].wallTime - reports[i].time);
    const auto* pcm = reinterpret_cast<const int16_t*>(sink.bytes.constData());
    const size_t frames = size_t(sink.bytes.size()) / (2 * kChannels);
    // Other tests may play into the same sink: the search starts at the play request.
    size_t first = size_t(std::max<qint64>(0, sink.offsetAt(asked))) / (2 * kChannels);
    while (first < frames && std::abs(pcm[first * kChannels]) < 50)
        ++first;
    ASSERT_LT(first + 44100 / 5, frames) << "too little sound was recorded";
    const double soundStart = sink.wallTimeOf(qint64(first * kChannels * 2));
    EXPECT_NEAR(soundStart, clockZero, 0.1);

    // What plays is the clip's 440 Hz tone.
    std::vector<double> mono;
    for (size_t i = first + 4410; i < first + 4410 + 44100 / 5; ++i)
        mono.push_back((pcm[i * kChannels] + pcm[i * kChannels + 1]) / 2.0);
    EXPECT_GT(tonePower(mono, 440.0), 100.0 * tonePower(mono, 3000.0));
}

TEST_F(PreviewTest, OnlyFinishedPicturesAreHandedToThePreview)
{
    AVGLWidget* preview = playback->preview.get();
    AVRender* render = playback->render.get();
    AVComposition* composition = playback->composition.get();
    playback->engine->setBackgroundColor(0.0f, 1.0f, 0.0f, 1.0f);
    preview->setBackgroundColor(Qt::blue);
    auto* layer = new HeldLayer;
    composition->addSegment(layer, 7);
    const auto showsGreen = [&] {
        const QRgb centre = preview->grabFramebuffer().pixel(kWidth / 2, kHeight / 2);
        return qGreen(centre) > 200 && qBlue(centre) < 50;
    };
    const auto catchPass = [&] {
        layer->held = true;
        render->addTickets(1);
        return pumpUntil([&] { return layer->waiting.load(); }, 5.0);
    };
    render->addTickets(1);
    ASSERT_TRUE(pumpUntil(showsGreen, 5.0)) << "the composition's picture never showed";

    // A pass at a new size keeps the last picture on show until its own is done.
    composition->updateLayout(kWidth / 2, kHeight / 2, 0);
    ASSERT_TRUE(catchPass());
    EXPECT_TRUE(showsGreen()) << "the preview showed a picture still being drawn";
    layer->held = false;

    // Restarted, as after an export, the driver hands over no picture until its first is done.
    render->stop(true);
    render->startThreads();
    ASSERT_TRUE(catchPass());
    render->lockComposition();
    EXPECT_EQ(composition->frontTexture(), 0u) << "a target still being drawn was handed over";
    render->unlockComposition();
    layer->held = false;
    EXPECT_TRUE(pumpUntil(showsGreen, 5.0));
}

// The picture a cover is made from: none before the first pass ends, nor
// while a layer shown is still loading; once every layer drew, that picture.
TEST_F(PreviewTest, AWholePictureIsGrabbedOnlyOnceEveryShownLayerDrew)
{
    AVGLWidget* preview = playback->preview.get();
    playback->engine->setBackgroundColor(0.0f, 1.0f, 0.0f, 1.0f);
    preview->setBackgroundColor(Qt::blue);
    auto* layer = new HeldLayer;
    auto* loading = new HeldLayer;
    loading->setStatus(AVSegmentNotLoaded);
    playback->composition->addSegment(layer, 7);
    playback->composition->addSegment(loading, 8);
    const auto isGreen = [](const QImage& picture) {
        const QRgb centre = picture.pixel(picture.width() / 2, picture.height() / 2);
        return qGreen(centre) > 200 && qBlue(centre) < 50;
    };
    // Restarted, as after an export, the driver has no picture until its first pass ends.
    // The layer is held only then, so that no pass of the stopped driver is the one caught.
    playback->render->stop(true);
    layer->held = true;
    playback->render->startThreads();
    playback->render->addTickets(1);
    ASSERT_TRUE(pumpUntil([&] { return layer->waiting.load(); }, 5.0));
    EXPECT_TRUE(preview->grabWholePicture().isNull()) << "no pass has ended yet";
    layer->held = false;
    ASSERT_TRUE(pumpUntil([&] { return isGreen(preview->grabFramebuffer()); }, 5.0));
    EXPECT_TRUE(preview->grabWholePicture().isNull()) << "a layer still loading is missing";

    loading->setStatus(AVSegmentReady);
    playback->render->addTickets(1);
    QImage whole;
    ASSERT_TRUE(pumpUntil([&] { return !(whole = preview->grabWholePicture()).isNull(); }, 5.0));
    EXPECT_TRUE(isGreen(whole));
}

TEST_F(PreviewTest, HiddenPreviewDoesNotHoldTheDriver)
{
    ASSERT_TRUE(playback->addMovie("clip_h264_aac.mp4", 0.0f));
    playback->preview->hide();
    StateRecorder& recorder = playback->recorder;
    ASSERT_TRUE(playback->playUntilStarted());
    const size_t frames = recorder.count(AVRender::StateFrameDrawn);
    pumpUntil([] { return false; }, 0.5);
    EXPECT_GE(recorder.count(AVRender::StateFrameDrawn), frames + 3) << "frames nobody shows still go on";
    const double paused = avCurrentTimeSeconds();
    ASSERT_TRUE(playback->engine->pause());
    ASSERT_TRUE(pumpUntil([&] { return playback->engine->isRenderIdle(); }, 5.0));
    // Prompt, with room for a loaded machine, which took over half a second.
    EXPECT_LE(avCurrentTimeSeconds() - paused, 2.0);
}

TEST_F(PreviewTest, ResizingSetsTheViewportInDevicePixelsAndRedraws)
{
    AVGLWidget* preview = playback->preview.get();
    const size_t frames = playback->recorder.count(AVRender::StateFrameDrawn);
    preview->resize(500, 300);
    const qreal ratio = preview->devicePixelRatioF();
    ASSERT_TRUE(pumpUntil([&] { return playback->recorder.count(AVRender::StateFrameDrawn) > frames; }, 5.0))
        << "no frame was drawn for the new size";
    const AVSize viewport = playback->render->viewportSize();
    EXPECT_EQ(viewport.width, float(int(500 * ratio)));
    EXPECT_EQ(viewport.height, float(int(300 * ratio)));
}

// A preview whose fill program cannot be built says why on the debug stream,
// with no trace hook installed.
TEST(PreviewProgram, ShadersThatDoNotCompileOrLinkAreToldOnTheDebugStream)
{
    const std::pair<const char*, const char*> faults[] = {
        {"uncompilable", "Failed to compile fragment shader"},
        {"unlinkable", "Failed to link program: "},
    };
    for (const auto& [fault, told] : faults) {
        const QString shaders = QStringLiteral(VIDORNA_FAULTY_FILL_DIR "/%1-fill/shaders.rcc").arg(fault);
        LogRecorder log;
        useShaderSet(shaders);
        AVGLWidget preview;
        preview.resize(64, 64);
        preview.show();
        const bool exposed = QTest::qWaitForWindowExposed(&preview);
        preview.grabFramebuffer();  // built by now at the latest
        restoreShaderSet(shaders);
        if (!exposed || !preview.isValid())
            GTEST_SKIP() << "the preview has no OpenGL 3.2 core context on this display";
        EXPECT_EQ(log.lines().filter(told).size(), 1) << fault << ": " << log.lines().join(" | ").toStdString();
        EXPECT_TRUE(log.lines().contains("load fill program failed.")) << fault;
    }
}

} // namespace
