#include "AVAudioStream.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <memory>

using namespace StreamTest;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

std::unique_ptr<AVAudioStream> loadAudioFile(const QByteArray& path, double scale = 1.0, double pitch = 1.0)
{
    auto stream = std::make_unique<AVAudioStream>(path.constData(), kRate, kChannels);
    stream->setTimeScale(scale);
    stream->setPitch(pitch);
    auto load = std::make_unique<Load>();
    stream->startLoad(&Load::callback, load.get());
    EXPECT_TRUE(waitUntil([&] { return load->done.load(); })) << path.constData();
    EXPECT_EQ(load->result, 0) << path.constData();
    if (!load->done)
        load.release(); // the load thread may still report into it
    return stream;
}

std::unique_ptr<AVAudioStream> loadAudio(const char* name, double scale = 1.0, double pitch = 1.0)
{
    return loadAudioFile(fixture(name), scale, pitch);
}

struct Decoded {
    std::vector<int16_t> samples; // interleaved stereo
    double firstTime = -1.0;
};

// Everything the stream delivers from time on.
Decoded decodeFrom(AVAudioStream& stream, double time, SeekReports* reports = nullptr)
{
    Decoded decoded;
    stream.awaken();
    stream.seek(time, reports ? &SeekReports::callback : nullptr, reports, true);
    Frame frame;
    for (int i = 0; i < 10000 && popFrame(stream, frame); ++i) {
        if (decoded.firstTime < 0.0)
            decoded.firstTime = frame.time;
        const auto* s = reinterpret_cast<const int16_t*>(frame.bytes.data());
        decoded.samples.insert(decoded.samples.end(), s, s + frame.bytes.size() / 2);
    }
    EXPECT_TRUE(stream.decodeEnded());
    return decoded;
}

double seconds(const Decoded& decoded)
{
    return double(decoded.samples.size()) / kChannels / kRate;
}

// Sign changes of the left channel per second of output.
double zeroCrossingRate(const Decoded& decoded)
{
    int crossings = 0;
    for (size_t i = kChannels; i < decoded.samples.size(); i += kChannels)
        crossings += (decoded.samples[i - kChannels] < 0) != (decoded.samples[i] < 0);
    return crossings / seconds(decoded);
}

} // namespace

TEST(AudioStream, AnyInputBecomesStereo44100)
{
    const Decoded clip = decodeFrom(*loadAudio("clip_h264_aac.mp4"), 0.0); // 48 kHz stereo AAC
    EXPECT_NEAR(seconds(clip), 2.0, 0.03);
    const Decoded mono = decodeFrom(*loadAudio("tone22k_mono.wav"), 0.0);
    EXPECT_NEAR(seconds(mono), 2.0, 0.01);
    EXPECT_NEAR(zeroCrossingRate(mono), 880.0, 10.0);
    bool channelsEqual = true;
    int16_t peak = 0;
    for (size_t i = 0; i + 1 < mono.samples.size(); i += 2) {
        channelsEqual = channelsEqual && mono.samples[i] == mono.samples[i + 1];
        peak = std::max(peak, mono.samples[i]);
    }
    EXPECT_TRUE(channelsEqual);
    EXPECT_GT(peak, 1000);
    // Already in the output format: copied sample for sample.
    const Decoded copied = decodeFrom(*loadAudio("tone440.wav"), 0.0);
    EXPECT_EQ(copied.samples.size(), size_t(3 * kRate * kChannels));
}

TEST(AudioStream, TimeScaleStretchesAndPitchRaisesAtEqualLength)
{
    const Decoded plain = decodeFrom(*loadAudio("tone22k_mono.wav"), 0.0);
    const Decoded slow = decodeFrom(*loadAudio("tone22k_mono.wav", 2.0, 1.0), 0.0);
    const Decoded high = decodeFrom(*loadAudio("tone22k_mono.wav", 1.0, 2.0), 0.0);
    EXPECT_NEAR(double(slow.samples.size()) / plain.samples.size(), 2.0, 0.03);
    EXPECT_NEAR(zeroCrossingRate(slow), zeroCrossingRate(plain), 15.0); // same pitch
    EXPECT_NEAR(double(high.samples.size()) / plain.samples.size(), 1.0, 0.03);
    EXPECT_NEAR(zeroCrossingRate(high) / zeroCrossingRate(plain), 2.0, 0.05);
}

TEST(AudioStream, TempoStagesStayWithinTheFilterRange)
{
    using Stages = std::vector<double>;
    EXPECT_EQ(AVAudioStream::tempoStages(4.0, 1.0), (Stages{0.5, 0.5}));
    EXPECT_EQ(AVAudioStream::tempoStages(0.25, 1.0), (Stages{2.0, 2.0}));
    EXPECT_EQ(AVAudioStream::tempoStages(1.0, 1.0), Stages{});
    EXPECT_EQ(AVAudioStream::tempoStages(1.0, 2.0), Stages{0.5});

    AVAudioStream stream(fixture("tone22k_mono.wav").constData(), kRate, kChannels);
    stream.setPitch(20.0);
    EXPECT_EQ(stream.pitch(), 10.0);
    stream.setPitch(0.05);
    EXPECT_EQ(stream.pitch(), 0.1);
    // Zero and negative scales would chain stages for ever.
    for (double scale : {0.0, -1.0, 1e9}) {
        stream.setTimeScale(scale);
        EXPECT_GE(stream.timeScale(), 0.01);
        EXPECT_LE(stream.timeScale(), 100.0);
        const Stages stages = AVAudioStream::tempoStages(stream.timeScale(), 1.0);
        double product = 1.0;
        for (double stage : stages)
            product *= stage;
        EXPECT_NEAR(product, 1.0 / stream.timeScale(), 1e-6) << scale;
    }
}

TEST(AudioStream, SeekTrimsToTheTargetAndFadesIn)
{
    auto stream = loadAudio("tone22k_mono.wav");
    SeekReports reports;
    const Decoded decoded = decodeFrom(*stream, 1.0, &reports);
    EXPECT_EQ(reports.count.load(), 1);
    EXPECT_NEAR(decoded.firstTime, 1.0 * kRate, 2.0);
    EXPECT_NEAR(reports.time.load(), decoded.firstTime, 1e-6);
    EXPECT_NEAR(seconds(decoded), 1.0, 0.01);
    // The first sample is silenced by the fade; a full sine wave later is not.
    EXPECT_EQ(decoded.samples[0], 0);
    int16_t laterPeak = 0;
    for (size_t i = 1000; i < 1200; i += 2)
        laterPeak = std::max(laterPeak, decoded.samples[i]);
    EXPECT_GT(laterPeak, 1000);
}

TEST(AudioStream, SeekToTheEndIsStillReported)
{
    // The WAV's last frame ends exactly at its duration: nothing is left to play.
    auto stream = loadAudio("tone22k_mono.wav");
    SeekReports reports;
    const Decoded decoded = decodeFrom(*stream, 50.0, &reports);
    EXPECT_TRUE(stream->isAtEnd());
    EXPECT_TRUE(decoded.samples.empty());
    ASSERT_TRUE(waitUntil([&] { return reports.count > 0; }));
    EXPECT_EQ(reports.count.load(), 1);
    EXPECT_FALSE(reports.hadData.load());
}

TEST(AudioStream, TagsAndCoverOfSoundFiles)
{
    AVAudioStream tagged(fixture("audio_only.m4a").constData(), kRate, kChannels);
    ASSERT_EQ(tagged.openForMetadata(), 0);
    EXPECT_STREQ(tagged.title(), "Tone Title");
    EXPECT_STREQ(tagged.artist(), "Tone Artist");
    int32_t size = -1;
    EXPECT_EQ(tagged.readCoverArt(&size), nullptr);
    EXPECT_EQ(size, 0);

    AVAudioStream covered(fixture("cover.mp3").constData(), kRate, kChannels);
    ASSERT_EQ(covered.openForMetadata(), 0);
    const uint8_t* cover = covered.readCoverArt(&size);
    ASSERT_NE(cover, nullptr);
    EXPECT_GT(size, 100);
    EXPECT_EQ(std::memcmp(cover, "\xFF\xD8", 2), 0);
    EXPECT_EQ(covered.artist(), nullptr);

    AVAudioStream silent(fixture("video_only_4s.mp4").constData(), kRate, kChannels);
    EXPECT_EQ(silent.openForMetadata(), AVStreamNoAudioStream);
    EXPECT_STREQ(silent.title(), "Video Only");
    AVAudioStream garbage(fixture("garbage.mp4").constData(), kRate, kChannels);
    EXPECT_LT(garbage.openForMetadata(), 0);
    EXPECT_FALSE(garbage.isOpen());
}

TEST(AudioStream, SeekThatTheFileRefusesIsStillReported)
{
    // A named pipe cannot seek: the stream keeps playing from where it was,
    // and the seek is reported without data instead of never.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray pipePath = folder.filePath("tone.wav").toUtf8();
    ASSERT_EQ(mkfifo(pipePath.constData(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN); // the stream closes its end before the writer is done
    QFile source(TestMedia::path("tone22k_mono.wav"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray wav = source.readAll();
    std::thread writer([&] {
        const int fd = ::open(pipePath.constData(), O_WRONLY);
        for (qint64 done = 0; fd >= 0 && done < wav.size();) {
            const ssize_t n = ::write(fd, wav.constData() + done, size_t(wav.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        if (fd >= 0)
            ::close(fd);
    });
    {
        auto stream = loadAudioFile(pipePath);
        SeekReports reports;
        stream->awaken();
        stream->seek(1.0, &SeekReports::callback, &reports, true);
        EXPECT_TRUE(waitUntil([&] { return reports.count > 0; }));
        EXPECT_EQ(reports.count.load(), 1);
        EXPECT_FALSE(reports.hadData.load());
        EXPECT_NEAR(reports.time.load(), 1.0 * kRate, 1.0); // in samples, as every sound report
    }
    writer.join();
}
