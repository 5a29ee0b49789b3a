#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVNullSoundDevice.h"
#include "AVSoundOutput.h"
#include "AVSoundOutputListener.h"
#include "GLTestContext.h"
#include "SoundServer.h"
#include "SoundTestSupport.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QAudioOutput>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cmath>
#include <memory>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

using namespace StreamTest;
using namespace SoundTest;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

// What the output told its listener and which volumes it set, in order.
struct Event {
    enum Kind { State, Volume, DeviceChange } kind;
    double value;
};

class RecordingListener : public AVSoundOutputListener {
public:
    void onAudioDeviceChanged(const QString&) override { add({Event::DeviceChange, 0.0}); }
    void onAudioOutputStateChanged(int state) override { add({Event::State, double(state)}); }
    void onAudioOutputNotify(int64_t) override {}
    void addTickets(int) override {}

    void add(Event event)
    {
        std::lock_guard<std::mutex> lock(_mutex);
        _events.push_back(event);
    }
    std::vector<Event> events()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        return _events;
    }
    size_t size() { return events().size(); }
    // The index of the first state report (of the state, when given) at or after from; -1 when none.
    int stateAfter(size_t from, int state = -1)
    {
        const std::vector<Event> all = events();
        for (size_t i = from; i < all.size(); ++i)
            if (all[i].kind == Event::State && (state < 0 || all[i].value == state))
                return int(i);
        return -1;
    }
    std::vector<float> volumesBetween(size_t from, size_t to)
    {
        std::vector<float> volumes;
        const std::vector<Event> all = events();
        for (size_t i = from; i < to && i < all.size(); ++i)
            if (all[i].kind == Event::Volume)
                volumes.push_back(float(all[i].value));
        return volumes;
    }

private:
    std::mutex _mutex;
    std::vector<Event> _events;
};

// The last ten volumes are the fade-out of a pause: target x (1 + cos(pi k / 10)) / 2, k = 1..10.
void expectFadeOutVolumes(const std::vector<float>& volumes)
{
    ASSERT_GE(volumes.size(), 10u);
    for (size_t k = 1; k <= 10; ++k)
        EXPECT_NEAR(volumes[volumes.size() - 11 + k], (1.0 + std::cos(M_PI * double(k) / 10.0)) / 2.0, 1e-3)
            << "step " << k;
}

// The two tones, mixed by a composition, played through a sound output.
class SoundOutputTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        compose({fixture("tone440.wav"), fixture("tone1250.wav")}, 3.0);
    }

    // A composition of the sound files from 0 s, each lasting seconds, loaded.
    void compose(const std::vector<QByteArray>& paths, double seconds)
    {
        composition = std::make_unique<AVComposition>(640, 360, kRate, kChannels, renderer);
        uint32_t id = 0;
        for (const QByteArray& path : paths) {
            auto* sound = new AVAudioSegment(0.0, 0.0, seconds, path.constData(), kRate, kChannels);
            sound->setDuration(seconds);
            composition->addSegment(sound, ++id);
        }
        ASSERT_TRUE(waitUntil([&] {
            for (uint32_t loaded = 1; loaded <= id; ++loaded)
                if (composition->findSegment(loaded)->status() != 0)
                    return false;
            return true;
        })) << "the sounds did not load";
    }

    void TearDown() override
    {
        output.reset();
        composition.reset();
        qunsetenv("VIDORNA_SOUND_OUTPUT");
        GLTest::TearDown();
    }

    // The output reads the composition's mix, or the source given (which passes it on).
    void startOutput(double startTime = 0.0, AVSoundOutputSource* source = nullptr)
    {
        playStart = startTime;
        playClock.start();
        // The playback driver mixes ahead before it plays: an output finding nothing suspends itself.
        ASSERT_TRUE(pumpUntil([&] { return composition->isMixComplete() != 0; }, 10.0)) << "nothing was mixed";
        output = std::make_unique<AVSoundOutput>(source ? source : composition.get(), kRate, kChannels);
        output->setListener(&listener);
        QObject::connect(output.get(), &AVSoundOutput::volumeApplied, output.get(),
                         [this](float volume) { listener.add({Event::Volume, double(volume)}); },
                         Qt::DirectConnection);
    }

    // A mixing pass at the playing time, as the playback driver's mixing thread runs them.
    void mix()
    {
        if (!playClock.isValid())
            return;
        const double time = std::min(playStart + playClock.elapsed() / 1000.0, composition->duration() - 0.001);
        composition->renderAt(std::max(0.0, time), 0, 1, AVComposition::kRenderAudio, 0);
    }

    // The mix restarts at the time, and so does the clock it mixes by.
    void seekMix(double time)
    {
        composition->seek(time, true);
        playStart = time;
        playClock.restart();
    }

    // As the playback driver seeks: the mix restarts, the output drops what it holds.
    void seek(double time)
    {
        seekMix(time);
        output->_doStop();
    }

    // Mixes and runs this thread's queued requests and device reports until the condition holds or seconds pass.
    bool pumpUntil(const std::function<bool()>& condition, double seconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > qint64(seconds * 1000))
                return false;
            mix();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            avThreadSleep(0.002);
        }
        return true;
    }

    void pumpFor(double seconds) { pumpUntil([] { return false; }, seconds); }

    // Plays until the output reports the started state; returns its index. At once: the play runs before
    // this returns, not with the next pass of the event loop.
    int playUntilStarted(bool atOnce = false)
    {
        const size_t from = listener.size();
        output->play();
        if (atOnce)
            QCoreApplication::sendPostedEvents(output.get(), QEvent::MetaCall);
        EXPECT_TRUE(pumpUntil([&] { return listener.stateAfter(from) >= 0; }, 5.0)) << "play was never reported";
        const int index = listener.stateAfter(from);
        if (index >= 0) {
            const double state = listener.events()[size_t(index)].value;
            EXPECT_TRUE(state == 0 || state == 3) << "play reported state " << state;
        }
        return index;
    }

    // The next state report from "from" on is suspended, after the ten fade-out steps.
    // Idle reports may come first: the device runs idle while it waits to be suspended. A device that ran
    // dry on a loaded machine turns active again while the fade-out is still written, but never after it.
    void expectFadeOutThenSuspended(size_t from)
    {
        ASSERT_TRUE(pumpUntil([&] { return listener.stateAfter(from, 1) >= 0; }, 5.0)) << "no suspended report";
        const int index = listener.stateAfter(from, 1);
        const std::vector<Event> all = listener.events();
        size_t lastVolume = from;
        for (size_t i = from; i < size_t(index); ++i)
            if (all[i].kind == Event::Volume)
                lastVolume = i;
        for (int other = listener.stateAfter(from); other >= 0 && other < index; other = listener.stateAfter(other + 1)) {
            const double state = all[size_t(other)].value;
            EXPECT_TRUE(state == 3.0 || (state == 0.0 && size_t(other) < lastVolume))
                << "state " << state << " reported between the pause and the suspension";
        }
        expectFadeOutVolumes(listener.volumesBetween(from, size_t(index)));
    }

    void playFadedIn(bool atOnce = false)
    {
        const size_t from = listener.size();
        ASSERT_GE(playUntilStarted(atOnce), 0);
        ASSERT_TRUE(pumpUntil([&] {
            const std::vector<float> volumes = listener.volumesBetween(from, listener.size());
            return !volumes.empty() && volumes.back() == 1.0f;
        }, 5.0)) << "the fade-in never reached the full volume";
    }

    void playThenPause(double seconds, bool atOnce = false)
    {
        playFadedIn(atOnce);
        pumpFor(seconds);
        const size_t from = listener.size();
        output->pause();
        expectFadeOutThenSuspended(from);
    }

    std::unique_ptr<AVComposition> composition;
    double playStart = 0.0;
    QElapsedTimer playClock;  // valid once mixing runs
    RecordingListener listener;
    std::unique_ptr<AVSoundOutput> output;
};

TEST_F(SoundOutputTest, NullOutputPlaysAndPausesWithTheDeviceStates)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    EXPECT_TRUE(output->isNullOutput());
    playThenPause(0.2);
    // Fading in: ten rising steps ending at the target volume.
    const std::vector<float> rising = listener.volumesBetween(0, listener.size());
    ASSERT_GE(rising.size(), 10u);
    EXPECT_NEAR(rising[0], (1.0 - std::cos(M_PI / 10.0)) / 2.0, 1e-3);
    EXPECT_NEAR(rising[9], 1.0, 1e-6);
    // Playing again resumes the suspended device.
    ASSERT_GE(playUntilStarted(), 0);
    // A play while it plays relaunches it: the listener hears the new state, never the stop on the way.
    const size_t from = listener.size();
    ASSERT_GE(playUntilStarted(), 0);
    pumpFor(0.1);
    EXPECT_LT(listener.stateAfter(from, AVSoundDevice::Stopped), 0);
}

TEST_F(SoundOutputTest, EndOfTheCompositionFadesOutAndSuspends)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    // From 2.01 s the last read ends 1764 bytes into a 20 ms period of the null device.
    composition->seek(2.01, true);
    startOutput(2.01);
    playFadedIn();
    // No pause: the last second runs out, padded to a whole period, faded out.
    expectFadeOutThenSuspended(listener.size());
    EXPECT_TRUE(composition->isAudioAtEnd());
}

TEST_F(SoundOutputTest, PauseRightAfterPlayFadesOutFully)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    const size_t from = listener.size();
    output->play();
    output->pause();
    // The fade-in the play began gives way to the fade-out: no step of it comes between; it ends suspended.
    ASSERT_TRUE(pumpUntil([&] {
        const std::vector<Event> all = listener.events();
        return !all.empty() && all.back().kind == Event::State && all.back().value == 1.0;
    }, 5.0));
    expectFadeOutVolumes(listener.volumesBetween(from, listener.size()));
}

TEST_F(SoundOutputTest, PlayFillsTheResumedDeviceBeforeItCanRunDry)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    auto* device = output->findChild<AVSoundDevice*>();
    ASSERT_NE(device, nullptr);
    std::vector<float> stepsOnThisThread;
    QObject::connect(output.get(), &AVSoundOutput::volumeApplied, output.get(), [&](float volume) {
        if (QThread::currentThread() == QCoreApplication::instance()->thread())
            stepsOnThisThread.push_back(volume);
    }, Qt::DirectConnection);
    const size_t from = listener.size();
    output->play();
    // Only the queued play runs here: the device must hold sound when it returns,
    // each period written with its own step of the fade-in.
    QCoreApplication::sendPostedEvents(output.get(), QEvent::MetaCall);
    EXPECT_GT(device->bufferedBytes(), 4 * device->periodSize());
    ASSERT_EQ(stepsOnThisThread.size(), 5u) << "the null device holds five periods";
    for (size_t k = 1; k <= 5; ++k)
        EXPECT_NEAR(stepsOnThisThread[k - 1], (1.0 - std::cos(M_PI * double(k) / 10.0)) / 2.0, 1e-3) << "step " << k;
    // The fill thread goes on with the fade where the play left it.
    ASSERT_TRUE(pumpUntil([&] { return listener.volumesBetween(from, listener.size()).size() >= 10; }, 5.0));
    const std::vector<float> volumes = listener.volumesBetween(from, listener.size());
    for (size_t k = 1; k <= 10; ++k)
        EXPECT_NEAR(volumes[k - 1], (1.0 - std::cos(M_PI * double(k) / 10.0)) / 2.0, 1e-3) << "step " << k;
}

// The composition's mix, never reported complete: as if a sound never filled its part.
class NeverCompleteMix : public AVSoundOutputSource {
public:
    explicit NeverCompleteMix(AVComposition* composition) : _composition(composition) {}
    int32_t readAudio(uint8_t* destination, int32_t capacity, double* position) override
    {
        return _composition->readAudio(destination, capacity, position);
    }
    uint8_t isMixComplete() const override { return 0; }
    bool isAudioAtEnd() const override { return _composition->isAudioAtEnd(); }

private:
    AVComposition* _composition;
};

// A play waits for the mix of its start, but a second at most: a mix that
// never completes still lets the device play.
TEST_F(SoundOutputTest, PlayStartsThoughTheMixNeverCompletes)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    NeverCompleteMix incomplete(composition.get());
    startOutput(0.0, &incomplete);
    const auto dropOutput = qScopeGuard([this] { output.reset(); });  // before the source goes
    auto* device = output->findChild<AVSoundDevice*>();
    ASSERT_NE(device, nullptr);
    const size_t from = listener.size();
    output->play();
    QCoreApplication::sendPostedEvents(output.get(), QEvent::MetaCall);
    EXPECT_EQ(device->state(), AVSoundDevice::Suspended) << "the play did not wait for the mix";
    ASSERT_TRUE(pumpUntil([&] { return listener.stateAfter(from) >= 0; }, 5.0)) << "play never started";
    const int state = device->state();
    EXPECT_TRUE(state == AVSoundDevice::Active || state == AVSoundDevice::Idle) << "the device is in state " << state;
}

TEST_F(SoundOutputTest, PulseDevicePlaysTheMixedTones)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "no PulseAudio server is reachable (run the tests through scripts/run-tests)";
    // The sink's monitor through a pipe: what was read is kept however the recorder ends.
    QProcess recorder;
    recorder.start("parec", {"--device=null.monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=2",
                             "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForStarted(5000)) << "parec did not start";
    QByteArray bytes;
    ASSERT_TRUE(pumpUntil([&] {
        recorder.waitForReadyRead(5);
        bytes += recorder.readAllStandardOutput();
        return !bytes.isEmpty();
    }, 5.0)) << "parec records nothing";

    startOutput();
    ASSERT_FALSE(output->isNullOutput()) << "the PulseAudio device did not open";
    playThenPause(1.0);
    recorder.terminate();
    recorder.waitForFinished(5000);
    bytes += recorder.readAllStandardOutput();

    const auto* pcm = reinterpret_cast<const int16_t*>(bytes.constData());
    const size_t frames = size_t(bytes.size()) / (2 * kChannels);
    // The loud part: from the first frame above a whisper, 0.2 s of it.
    size_t first = 0;
    while (first < frames && std::abs(pcm[first * kChannels]) < 1000)
        ++first;
    const size_t length = kRate / 5;
    ASSERT_LE(first + length, frames) << "too little sound was recorded";
    std::vector<double> mono;
    for (size_t i = first; i < first + length; ++i)
        mono.push_back((pcm[i * kChannels] + pcm[i * kChannels + 1]) / 2.0);
    const double quiet = tonePower(mono, 3000.0);
    EXPECT_GT(tonePower(mono, 440.0), 100.0 * quiet);
    EXPECT_GT(tonePower(mono, 1250.0), 100.0 * quiet);
}

TEST_F(SoundOutputTest, ResumedPulseDeviceGetsAFullBuffer)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "no PulseAudio server is reachable (run the tests through scripts/run-tests)";
    startOutput();
    ASSERT_FALSE(output->isNullOutput()) << "the PulseAudio device did not open";
    auto* device = output->findChild<AVSoundDevice*>();
    ASSERT_NE(device, nullptr);
    auto* platformOutput = device->findChild<QAudioOutput*>();
    ASSERT_NE(platformOutput, nullptr);
    // The sound server starts taking the buffer the moment the device
    // resumes, so what stays free afterwards tells nothing: what the resume
    // wrote does. The device counts every byte it was given.
    const auto bytesWritten = [&] {
        return platformOutput->processedUSecs() * kRate * kChannels * 2 / 1000000;
    };
    // Nothing was written since the device opened: all of its buffer is room.
    const qint64 room = platformOutput->bufferSize();
    const qint64 before = bytesWritten();
    output->play();
    QCoreApplication::sendPostedEvents(output.get(), QEvent::MetaCall);
    // Short of a full buffer it would begin to play only once the fill thread is back, while the playback
    // clock runs from now.
    EXPECT_GE(bytesWritten() - before, room - 2 * kChannels) << "the resumed device was left short of a full buffer";
}

TEST_F(SoundOutputTest, RequestStillQueuedWhenThePulseDeviceGoesIsDropped)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "no PulseAudio server is reachable (run the tests through scripts/run-tests)";
    startOutput();
    ASSERT_FALSE(output->isNullOutput()) << "the PulseAudio device did not open";
    ASSERT_GE(playUntilStarted(), 0);
    // Closing the device runs the event loop, which used to deliver this pause to the dying output.
    output->pause();
    output.reset();
    SUCCEED();
}

// The composition's mix behind a gate. Once the gate closes, the next read that takes something waits there
// before it hands what it took to the output: for a second, long enough for requests made meanwhile to meet
// the read, unless they wait for it.
class MixGate : public AVSoundOutputSource {
public:
    explicit MixGate(AVComposition* composition) : _composition(composition) {}

    int32_t readAudio(uint8_t* destination, int32_t capacity, double* position) override
    {
        const int32_t length = _composition->readAudio(destination, capacity, position);
        std::unique_lock<std::mutex> lock(_mutex);
        if (_closed && length > 0) {
            _closed = false;
            _held = true;
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        return length;
    }
    uint8_t isMixComplete() const override { return _composition->isMixComplete(); }
    bool isAudioAtEnd() const override { return _composition->isAudioAtEnd(); }

    void close()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        _closed = true;
    }
    bool hasHeldARead()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        return _held;
    }

private:
    AVComposition* _composition;
    std::mutex _mutex;
    bool _closed = false;
    bool _held = false;
};

// A ramp that counts its own sample frames: each frame of both channels is
// (frame mod 32768) - 16384, so that the order of what was played shows.
class SoundOrderTest : public SoundOutputTest {
protected:
    static constexpr double kRampSeconds = 10.0;

    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(folder.isValid());
        const QString ramp = folder.filePath("ramp.wav");
        const QString count = "(mod(n\\,32768)-16384)/32768";
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-f", "lavfi", "-i",
                                QString("aevalsrc='%1|%1':s=%2:d=%3").arg(count).arg(kRate).arg(kRampSeconds),
                                "-c:a", "pcm_s16le", ramp});
        ASSERT_TRUE(ffmpeg.waitForFinished(30000) && ffmpeg.exitCode() == 0) << ffmpeg.readAllStandardError().data();
        compose({ramp.toUtf8()}, kRampSeconds);
    }

    static int16_t rampSample(int64_t frame) { return int16_t(frame % 32768 - 16384); }
    static int16_t leftSample(const QByteArray& pcm, int frame)
    {
        return reinterpret_cast<const int16_t*>(pcm.constData())[frame * kChannels];
    }

    struct Heard {
        int frames = 0;  // compared with the ramp
        int seeks = 0;
    };

    // Each play's piece (one per start or resume, the first before any) goes on from the one before, or from the
    // seek that came between them: seekFrameBefore has per piece the frame a seek started the mix at, -1 none. Two
    // kinds of frame say nothing of the order: the first milliseconds after a seek (and the start), which the stream
    // fades in, and silence, which the mix hands out where the sound was not decoded in time.
    static void expectRampInOrder(const std::vector<QByteArray>& pieces, const std::vector<int64_t>& seekFrameBefore,
                                  Heard& heard)
    {
        ASSERT_EQ(pieces.size(), seekFrameBefore.size()) << "a start or resume per play";
        const int64_t fadeFrames = kRate / 100;
        int64_t next = 0;
        int64_t sinceSeek = 0;
        bool seekHeard = false;
        for (size_t play = 1; play < pieces.size(); ++play) {
            if (seekFrameBefore[play] >= 0) {
                next = seekFrameBefore[play];
                sinceSeek = 0;
                seekHeard = false;
            }
            const QByteArray& piece = pieces[play];
            for (int frame = 0; frame < piece.size() / (2 * kChannels); ++frame, ++next, ++sinceSeek) {
                const int16_t sample = leftSample(piece, frame);
                if (sinceSeek < fadeFrames || sample == 0)
                    continue;
                ASSERT_EQ(sample, rampSample(next)) << "play " << play << ", frame " << frame;
                ++heard.frames;
                heard.seeks += seekHeard ? 0 : 1;
                seekHeard = true;
            }
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<MixGate> gate;  // outlives the output, which TearDown deletes
};

TEST_F(SoundOrderTest, QuickPausesStopsAndPlaysKeepTheSoundInOrder)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    auto* device = output->findChild<AVNullSoundDevice*>();
    ASSERT_NE(device, nullptr);
    device->keepWritten();
    // Space pressed at any pace: a play, a few milliseconds, a pause (every third one with a seek, which
    // stops the output as the playback driver's seek does), a few milliseconds.
    std::mt19937 random(69);
    std::vector<int64_t> seekFrameBefore(1, -1);  // per play, the frame a seek started the mix at; -1 none
    int64_t seekFrame = -1;
    for (int press = 0; press < 150; ++press) {
        output->play();
        seekFrameBefore.push_back(seekFrame);
        seekFrame = -1;
        pumpFor(double(random() % 8) / 1000.0);
        output->pause();
        if (press % 3 == 2) {
            const double time = 0.5 * double(1 + press % 4);
            seek(time);
            seekFrame = int64_t(time * kRate);
        }
        pumpFor(double(random() % 8) / 1000.0);
    }
    seekFrameBefore.push_back(seekFrame);
    playThenPause(0.3);

    Heard heard;
    ASSERT_NO_FATAL_FAILURE(expectRampInOrder(device->written(), seekFrameBefore, heard));
    EXPECT_GT(heard.frames, kRate) << "too little was played to tell";
    EXPECT_GT(heard.seeks, 5) << "too few seeks were heard";
}

TEST_F(SoundOrderTest, PlayRightAfterASeekGoesOnFromTheSeek)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    auto* device = output->findChild<AVNullSoundDevice*>();
    ASSERT_NE(device, nullptr);
    device->keepWritten();
    // The play finds a whole mix window from the seek on: more than the device takes at once, the rest waits in
    // the output. The stop and the play come together, before the parked fill thread looks at the stop itself.
    std::vector<int64_t> seekFrameBefore(1, -1);
    for (const double time : {2.0, 4.0, 6.0}) {
        seekMix(time);
        ASSERT_TRUE(pumpUntil([&] { return composition->isMixComplete() != 0; }, 5.0)) << "nothing was mixed";
        output->_doStop();
        playThenPause(0.2, true);
        seekFrameBefore.push_back(int64_t(time * kRate));
    }
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(expectRampInOrder(device->written(), seekFrameBefore, heard));
    EXPECT_EQ(heard.seeks, 3) << "every play after a seek is heard";
    EXPECT_GT(heard.frames, kRate / 2) << "too little was played to tell";
}

TEST_F(SoundOrderTest, PlayAfterASeekStartsTheDeviceOnceTheMixFromTheSeekIsComplete)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    startOutput();
    auto* device = output->findChild<AVNullSoundDevice*>();
    ASSERT_NE(device, nullptr);
    device->keepWritten();
    seek(3.0);
    const size_t from = listener.size();
    output->play();
    QCoreApplication::sendPostedEvents(output.get(), QEvent::MetaCall);
    // Started now, it would play the silence of the unmixed window while the playback clock runs.
    EXPECT_EQ(device->state(), AVSoundDevice::Suspended) << "the device started before the mix was complete";
    ASSERT_TRUE(pumpUntil([&] { return listener.stateAfter(from) >= 0; }, 5.0)) << "play was never reported";
    pumpFor(0.2);
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(expectRampInOrder(device->written(), {-1, int64_t(3.0 * kRate)}, heard));
    EXPECT_GT(heard.frames, kRate / 10) << "too little was played to tell";
}

TEST_F(SoundOrderTest, SeekWhileTheMixIsReadPlaysNothingFromBeforeIt)
{
    qputenv("VIDORNA_SOUND_OUTPUT", "null");
    gate = std::make_unique<MixGate>(composition.get());
    startOutput(0.0, gate.get());
    auto* device = output->findChild<AVNullSoundDevice*>();
    ASSERT_NE(device, nullptr);
    device->keepWritten();
    playFadedIn();
    // The fill thread holds what it read from before the seek. A seek and a play (which drops what the output
    // holds) come meanwhile; the stop first, so that the mix from the seek on waits for the play.
    gate->close();
    ASSERT_TRUE(pumpUntil([&] { return gate->hasHeldARead(); }, 5.0)) << "the fill thread read nothing";
    output->_doStop();
    seekMix(2.0);
    ASSERT_TRUE(pumpUntil([&] { return composition->isMixComplete() != 0; }, 5.0)) << "nothing was mixed";
    playThenPause(0.2, true);

    // Pieces: before any play, the play from the start, the play after the seek (which relaunches the device).
    Heard heard;
    ASSERT_NO_FATAL_FAILURE(expectRampInOrder(device->written(), {-1, -1, int64_t(2.0 * kRate)}, heard));
    EXPECT_EQ(heard.seeks, 2) << "the start and the seek are heard";
    EXPECT_GT(heard.frames, kRate / 2) << "too little was played to tell";
}

TEST(NullSoundDevice, ConsumesAtRealTimePaceAndReportsIdle)
{
    AVNullSoundDevice device(kRate, kChannels);
    QSignalSpy states(&device, &AVSoundDevice::stateChanged);
    ASSERT_TRUE(device.start());
    const int period = device.periodSize();
    EXPECT_EQ(period, kRate / 50 * kChannels * 2);  // 20 ms
    const int capacity = device.bytesFree();
    ASSERT_GE(capacity, period);
    std::vector<char> silence(size_t(capacity) + period);
    // It takes no more than it has room for.
    EXPECT_EQ(device.write(silence.data(), int64_t(silence.size())), capacity);

    // Suspended, nothing plays out.
    device.suspend();
    const int held = device.bufferedBytes();
    avThreadSleep(0.05);
    EXPECT_EQ(device.bufferedBytes(), held);
    EXPECT_EQ(device.bytesFree(), 0);

    // Resumed, two periods play out in no less than their 40 ms.
    device.resume();
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(waitUntil([&] { return device.bytesFree() >= 2 * period; }, 5.0));
    EXPECT_GE(timer.elapsed(), 38);
    ASSERT_TRUE(waitUntil([&] { return device.state() == AVSoundDevice::Idle; }, 5.0));
    EXPECT_EQ(device.error(), AVSoundDevice::UnderrunError);

    // One more period, played out by now: the buffer query is the first to notice, and says so.
    ASSERT_EQ(device.write(silence.data(), period), period);
    avThreadSleep(0.1);
    EXPECT_EQ(device.bufferedBytes(), 0);

    device.stop();
    std::vector<int> reported;
    for (const QList<QVariant>& arguments : states)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{AVSoundDevice::Idle, AVSoundDevice::Active, AVSoundDevice::Suspended,
                                          AVSoundDevice::Active, AVSoundDevice::Idle, AVSoundDevice::Active,
                                          AVSoundDevice::Idle, AVSoundDevice::Stopped}))
        << "a device gone idle says so whichever query notices it";
}

TEST(NullSoundDevice, ResumedWithNothingWrittenWaitsIdleWithoutAnUnderrun)
{
    AVNullSoundDevice device(kRate, kChannels);
    QSignalSpy states(&device, &AVSoundDevice::stateChanged);
    ASSERT_TRUE(device.start());
    device.suspend();
    device.resume();
    // As the platform's device does: back to the state it was suspended in, no error.
    avThreadSleep(0.03);
    EXPECT_EQ(device.state(), AVSoundDevice::Idle);
    EXPECT_EQ(device.error(), AVSoundDevice::NoError);
    const int period = device.periodSize();
    const std::vector<char> silence(static_cast<size_t>(period));
    ASSERT_EQ(device.write(silence.data(), period), period);
    EXPECT_EQ(device.state(), AVSoundDevice::Active);
    std::vector<int> reported;
    for (const QList<QVariant>& arguments : states)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{AVSoundDevice::Idle, AVSoundDevice::Suspended, AVSoundDevice::Idle,
                                          AVSoundDevice::Active}));
}

} // namespace
