#include "DemoCommands.h"
#include "DemoSupport.h"

#include "AVAudioSegment.h"
#include "AVClock.h"
#include "AVComposition.h"
#include "AVSoundOutput.h"
#include "AVSoundOutputListener.h"
#include "AVThread_QThread_Type.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr double kToneFrequency = 440.0;
constexpr double kLongestTone = 600.0;  // seconds
constexpr double kLoadTimeLimit = 30.0;
constexpr double kPauseTimeLimit = 2.0;

const char* stateName(int state)
{
    static const char* const names[] = {"active", "suspended", "stopped", "idle"};
    return state >= 0 && state < 4 ? names[state] : "unknown";
}

// Prints what the sound output reports, with the time since the start.
class PrintingListener : public AVSoundOutputListener {
public:
    void onAudioDeviceChanged(const QString& name) override
    {
        std::printf("%6.3f s  default device changed to %s\n", elapsed(), qUtf8Printable(name));
    }
    void onAudioOutputStateChanged(int state) override
    {
        lastState = state;
        std::printf("%6.3f s  state %d (%s)\n", elapsed(), state, stateName(state));
        std::fflush(stdout);
    }
    void onAudioOutputNotify(int64_t) override {}
    void addTickets(int) override {}

    std::atomic<int> lastState{-1};

private:
    double elapsed() const { return avCurrentTimeSeconds() - _start; }
    const double _start = avCurrentTimeSeconds();
};

// Mixing passes at the time since the start, as the playback driver's
// mixing thread runs them while playing.
class MixingThread {
public:
    explicit MixingThread(AVComposition* composition)
        : _thread([this, composition] {
            const double start = avCurrentTimeSeconds();
            while (!_stop) {
                const double time = std::min(avCurrentTimeSeconds() - start, composition->duration() - 0.001);
                composition->renderAt(std::max(0.0, time), 0, 1, AVComposition::kRenderAudio, 0);
                avThreadSleep(0.005);
            }
        })
    {
    }
    ~MixingThread()
    {
        _stop = true;
        _thread.join();
    }

private:
    std::atomic<bool> _stop{false};
    std::thread _thread;
};

// A sine tone of the given length as a 16-bit stereo WAV file, at an
// eighth of full scale.
bool makeTone(const QString& path, double seconds)
{
    const auto frames = int64_t(seconds * kRate);
    QByteArray pcm;
    pcm.reserve(int(frames * kChannels * 2));
    for (int64_t frame = 0; frame < frames; ++frame) {
        const auto value = int16_t(std::lround(4096.0 * std::sin(2.0 * M_PI * kToneFrequency * double(frame) / kRate)));
        for (int channel = 0; channel < kChannels; ++channel) {
            pcm.append(char(value & 0xff));
            pcm.append(char((value >> 8) & 0xff));
        }
    }
    if (writeWavFile(path, kRate, kChannels, pcm))
        return true;
    std::fprintf(stderr, "tone: cannot write %s\n", qPrintable(path));
    return false;
}

// Runs the owning thread's events until the condition holds or seconds pass.
bool pumpUntil(const std::function<bool()>& condition, double seconds)
{
    return waitFor([&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return condition();
    }, seconds);
}

} // namespace

int runTone(const QStringList& arguments)
{
    bool valid = false;
    const double seconds = optionText(arguments, "--seconds", "3").toDouble(&valid);
    if (!valid || seconds <= 0.0 || seconds > kLongestTone) {
        std::fprintf(stderr, "tone: --seconds wants a length above 0 and at most %.0f\n", kLongestTone);
        return 2;
    }
    QTemporaryDir folder;
    const QString tonePath = folder.filePath("tone.wav");
    if (!folder.isValid() || !makeTone(tonePath, seconds))
        return 1;

    // Without a renderer the composition does not mix.
    DemoDrawing drawing;
    if (!drawing.isDrawing())
        return 1;
    AVComposition composition(640, 360, kRate, kChannels, drawing.renderer());
    auto* tone = new AVAudioSegment(0.0, 0.0, seconds, tonePath.toUtf8().constData(), kRate, kChannels);
    tone->setDuration(seconds);
    composition.addSegment(tone, 1);
    if (!waitFor([&] { return tone->status() == 0; }, kLoadTimeLimit)) {
        std::fprintf(stderr, "tone: the tone did not load\n");
        return 1;
    }

    PrintingListener listener;
    AVSoundOutput output(&composition, kRate, kChannels);
    output.setListener(&listener);
    std::printf("device: %s%s\n", qUtf8Printable(output.deviceName()),
                output.isNullOutput() ? " (sound goes into the null output)" : "");
    std::printf("playing a %.0f Hz tone of %.3f s\n", kToneFrequency, seconds);
    MixingThread mixing(&composition);
    output.play();
    // A little past the end, so that the end of the composition shows.
    pumpUntil([] { return false; }, seconds + 0.5);
    output.pause();
    if (!pumpUntil([&] { return listener.lastState == 1 || listener.lastState == 2; }, kPauseTimeLimit)) {
        std::fprintf(stderr, "tone: the output did not report the pause\n");
        return 1;
    }
    return 0;
}
