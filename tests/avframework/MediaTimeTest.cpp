// Media time as the streams count it: 0 is a file's first picture (or, for
// sound alone, its first sample) whatever its timestamps say, and exact
// seeks deliver the picture whose display interval holds the target.

#include "AVAudioStream.h"
#include "AVVideoStream.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <cmath>
#include <memory>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// Samples a seek fades in at this rate (5 ms).
constexpr size_t kFadeSamples = 220;

// Left-channel samples of everything the stream delivers after a seek to from.
std::vector<int16_t> decodedLeft(const char* name, double from = 0.0)
{
    AVAudioStream stream(fixture(name).constData(), kRate, kChannels);
    Load load;
    stream.startLoad(&Load::callback, &load);
    EXPECT_TRUE(waitUntil([&] { return load.done.load(); })) << name;
    EXPECT_EQ(load.result, 0) << name;
    std::vector<int16_t> left;
    // As a sound segment starts: sought while asleep, then woken.
    stream.seek(from, nullptr, nullptr, true);
    stream.awaken();
    Frame frame;
    double expected = from * kRate;
    while (popFrame(stream, frame)) {
        // Entries follow each other without gaps or overlaps.
        EXPECT_NEAR(frame.time, expected, 1.0) << name;
        const auto* samples = reinterpret_cast<const int16_t*>(frame.bytes.data());
        for (size_t i = 0; i < frame.bytes.size() / 2; i += kChannels)
            left.push_back(samples[i]);
        expected = frame.time + double(frame.bytes.size()) / 2 / kChannels;
    }
    EXPECT_TRUE(stream.decodeEnded()) << name;
    return left;
}

// Left-channel samples of ffmpeg's own decode of the file at the same rate
// and channels; empty when it fails.
std::vector<int16_t> ffmpegDecodedLeft(const char* name)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-i", TestMedia::path(name), "-f",
                            "s16le", "-ar", QString::number(kRate), "-ac", QString::number(kChannels), "-"});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return {};
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
    std::vector<int16_t> left;
    for (int i = 0; i + 1 < bytes.size() / 2; i += kChannels)
        left.push_back(samples[i]);
    return left;
}

void expectBeepsAtWholeSeconds(const std::vector<double>& found, size_t count, const char* name)
{
    ASSERT_GE(found.size(), count) << name;
    for (size_t i = 0; i < count; ++i)
        EXPECT_NEAR(found[i], double(i), 0.002) << name << ", beep " << i;
}

std::unique_ptr<AVVideoStream> loadPictures(const char* name)
{
    auto stream = std::make_unique<AVVideoStream>(fixture(name).constData(), 0, 0);
    auto load = std::make_unique<Load>();
    stream->startLoad(false, &Load::callback, load.get());
    EXPECT_TRUE(waitUntil([&] { return load->done.load() && !stream->isLoading(); })) << name;
    EXPECT_EQ(load->result, 0) << name;
    if (!load->done)
        load.release(); // the load thread may still report into it
    return stream;
}

// The frame number a numbered picture shows (its grey level names it, mod 50).
int pictureNumber(const Frame& frame)
{
    const int grey = frame.bytes.empty() ? 0 : frame.bytes[size_t(frame.height / 2) * frame.stride + 8];
    return int(std::lround((grey - 16) / 4.0));
}

} // namespace

// Sound starts and ends where ffmpeg's own decode of the file does: MP3's
// encoder delay, Opus's pre-skip and Vorbis's first packet neither shift the
// beeps nor cut them, and the resampler gives up its last samples.
TEST(MediaTime, BeepsOfEverySoundFormatStartOnTheSecond)
{
    for (const char* name : {"beeps.wav", "beeps.mp3", "beeps.m4a", "beeps.ogg", "beeps.webm"}) {
        const std::vector<int16_t> left = decodedLeft(name);
        expectBeepsAtWholeSeconds(onsets(left, kRate), 3, name);
        const std::vector<int16_t> reference = ffmpegDecodedLeft(name);
        ASSERT_FALSE(reference.empty()) << name;
        // Exact but for rounding: the resampler alone holds back 16 samples here.
        EXPECT_NEAR(double(left.size()), double(reference.size()), 4.0) << name;
        // Sample for sample the same past the fade-in of the seek to 0.
        int worst = 0;
        for (size_t i = kFadeSamples; i < std::min(left.size(), reference.size()); ++i)
            worst = std::max(worst, std::abs(left[i] - reference[i]));
        EXPECT_EQ(worst, 0) << name;
    }
}

// A seek into the middle decodes what comes before the target first (an
// AAC or MP3 frame is rebuilt from the one before it), then cuts it off:
// from the target on the samples are those of a decode from the start.
TEST(MediaTime, SoundAfterASeekIsTheSameAsFromTheStart)
{
    for (const char* name : {"beeps.mp3", "beeps.m4a", "beeps.ogg"}) {
        const std::vector<int16_t> left = decodedLeft(name, 1.0);
        const std::vector<int16_t> reference = ffmpegDecodedLeft(name);
        ASSERT_GT(reference.size(), size_t(kRate)) << name;
        EXPECT_EQ(left.size(), reference.size() - kRate) << name;
        int worst = 0;
        for (size_t i = kFadeSamples; i < std::min(left.size(), reference.size() - kRate); ++i)
            worst = std::max(worst, std::abs(left[i] - reference[kRate + i]));
        EXPECT_EQ(worst, 0) << name;
    }
}

// MPEG-TS starts its timestamps near 1.4 s (or anywhere, here 1000 s): the
// clip's first picture and its first beep are media time 0 all the same.
TEST(MediaTime, TransportStreamsCountFromTheirFirstPicture)
{
    for (const char* name : {"numbered_beeps.ts", "numbered_beeps_1000.ts"}) {
        SCOPED_TRACE(name);
        auto pictures = loadPictures(name);
        EXPECT_NEAR(pictures->duration(), 6.0, 0.05);
        pictures->awaken();
        pictures->seek(0.0, nullptr, nullptr, true);
        Frame first;
        ASSERT_TRUE(popFrame(*pictures, first));
        EXPECT_NEAR(first.time, 0.0, 1e-6);
        EXPECT_EQ(pictureNumber(first), 0);

        const std::vector<int16_t> left = decodedLeft(name);
        expectBeepsAtWholeSeconds(onsets(left, kRate), 6, name);
    }
}

// A transport stream has no index: a seek lands on whatever packet lies near
// the target, and the decoder gives nothing before the next key frame (1 s
// apart here). The stream seeks again earlier and still delivers the
// target's own picture first.
TEST(MediaTime, ExactSeeksInATransportStreamDeliverTheTargetsPicture)
{
    for (const char* name : {"numbered_beeps.ts", "numbered_beeps_1000.ts"}) {
        auto stream = loadPictures(name);
        stream->awaken();
        for (double target : {2.2, 2.77, 3.3, 3.9, 5.5}) {
            SeekReports reports;
            stream->seek(target, &SeekReports::callback, &reports, true);
            Frame frame;
            ASSERT_TRUE(popFrame(*stream, frame)) << name << " at " << target;
            const int expected = int(std::floor(target * 30 + 1e-6));
            EXPECT_NEAR(frame.time, expected / 30.0, 1e-6) << name << " at " << target;
            EXPECT_EQ(pictureNumber(frame), expected % 50) << name << " at " << target;
            EXPECT_NEAR(reports.time.load(), frame.time, 1e-6) << name << " at " << target;
        }
    }
}

// Still pictures count from the first picture too, and show the frame whose
// display interval holds the time.
TEST(MediaTime, StillPicturesOfATransportStream)
{
    auto stream = loadPictures("numbered_beeps_1000.ts");
    int32_t bytes = 0;
    uint8_t* still = stream->decodeImageAt(3.0, &bytes);
    ASSERT_NE(still, nullptr);
    ASSERT_EQ(bytes, 64 * 48 * 4);
    // BGRA of grey 16 + 4 x (90 mod 50) = 176 in video levels.
    EXPECT_NEAR(still[(24 * 64 + 8) * 4 + 1], (176 - 16) * 255 / 219, 3);
    std::free(still);
}

// A seek exactly to the end is a seek to the end.
TEST(MediaTime, SeekToTheDurationIsAtTheEnd)
{
    auto stream = loadPictures("numbered_30fps.mp4");
    stream->awaken();
    stream->seek(stream->duration(), nullptr, nullptr, true);
    EXPECT_TRUE(stream->isAtEnd());
    stream->seek(stream->duration() - 0.01, nullptr, nullptr, true);
    EXPECT_FALSE(stream->isAtEnd());
}

// The last picture holds the media up to its end: an exact seek into its
// interval delivers it, though no later frame comes to show that it was
// the target's.
TEST(MediaTime, ExactSeekIntoTheLastFrameDeliversIt)
{
    auto stream = loadPictures("numbered_30fps.mp4");
    stream->awaken();
    for (const double target : {119.0 / 30, 119.5 / 30}) {
        SeekReports reports;
        stream->seek(target, &SeekReports::callback, &reports, true);
        Frame frame;
        ASSERT_TRUE(popFrame(*stream, frame)) << target;
        EXPECT_NEAR(frame.time, 119.0 / 30, 1e-6) << target;
        EXPECT_EQ(pictureNumber(frame), 119 % 50) << target;
        EXPECT_TRUE(reports.hadData.load()) << target << ": the seek reported with the picture";

        int32_t bytes = 0;
        uint8_t* still = stream->decodeImageAt(target, &bytes);
        ASSERT_NE(still, nullptr) << target << ": the still picture there";
        ASSERT_EQ(bytes, 64 * 48 * 4);
        EXPECT_NEAR(still[(24 * 64 + 8) * 4 + 1], 4 * (119 % 50) * 255 / 219, 3) << target;
        std::free(still);
    }
}
