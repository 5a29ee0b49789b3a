#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVLayerSegment.h"
#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <memory>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = 4;
constexpr int kWindowBytes = kRate / 2 * kFrameBytes;

std::vector<uint8_t> samplesBytes(std::initializer_list<int16_t> samples)
{
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
        bytes.push_back(uint8_t(uint16_t(s) & 0xff));
        bytes.push_back(uint8_t(uint16_t(s) >> 8));
    }
    return bytes;
}

int16_t sampleAt(const std::vector<uint8_t>& bytes, size_t index)
{
    return qFromLittleEndian<qint16>(bytes.data() + 2 * index);
}

// The interleaved samples of a 16-bit PCM WAV file.
std::vector<int16_t> wavSamples(const char* name)
{
    QFile file(QString::fromUtf8(fixture(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const int data = bytes.indexOf("data");
    if (data < 0)
        return {};
    const int length = qFromLittleEndian<qint32>(bytes.constData() + data + 4);
    std::vector<int16_t> samples(size_t(length / 2));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(bytes.constData() + data + 8 + 2 * i);
    return samples;
}

// The largest difference between mixed samples [from, to) and the file's from offset on at volume / 128.
int worstDifference(const std::vector<uint8_t>& mixed, const std::vector<int16_t>& file, size_t offset, size_t from,
                    size_t to, int volume = 128)
{
    int worst = 0;
    for (size_t i = from; i < to; ++i)
        worst = std::max(worst, std::abs(sampleAt(mixed, i) - file[offset + i] * volume / 128));
    return worst;
}

// Hands the mixer one block at a chosen position: for deliveries the window cannot hold.
class BlockSegment : public AVSoundSegment {
public:
    BlockSegment(double duration, int64_t offsetFrames, int32_t frames, int16_t value)
        : AVSoundSegment(0.0, duration), _offset(offsetFrames), _frames(frames), _value(value)
    {
        setStatus(AVSegmentReady);
    }
    void prepareAt(double, bool, bool) override {}
    int seekTo(double, bool) override { return 0; }
    int32_t readSamples(uint8_t* buffer, int32_t, double* start, int64_t from, int64_t, uint8_t* done) override
    {
        *done = 1;
        if (_delivered || _frames == 0)
            return 0;
        _delivered = true;
        for (int32_t i = 0; i < _frames * kChannels; ++i)
            qToLittleEndian<qint16>(_value, buffer + 2 * i);
        *start = double(from + _offset);
        *done = 0;
        return _frames * kFrameBytes;
    }

private:
    int64_t _offset;
    int32_t _frames;
    int16_t _value;
    bool _delivered = false;
};

// A block whose stream has not decoded it yet: nothing to deliver and not
// done, until it has arrived.
class LateSegment : public BlockSegment {
public:
    using BlockSegment::BlockSegment;
    int32_t readSamples(uint8_t* buffer, int32_t capacity, double* start, int64_t from, int64_t to,
                        uint8_t* done) override
    {
        *done = 0;
        return arrived ? BlockSegment::readSamples(buffer, capacity, start, from, to, done) : 0;
    }
    bool arrived = false;
};

class CompositionMixTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        composition = std::make_unique<AVComposition>(320, 240, kRate, kChannels, renderer);
    }

    AVAudioSegment* addSound(const char* name, double start, uint32_t id, float volume = 1.0f)
    {
        auto* segment = new AVAudioSegment(start, fixture(name).constData(), kRate, kChannels);
        segment->setVolume(volume);
        composition->addSegment(segment, id);
        EXPECT_TRUE(waitUntil([&] { return segment->status() == 0 && segment->isReady(); }))
            << name << " did not load";
        return segment;
    }

    // Mixing passes until the window is complete (bounded).
    bool mixUntilComplete(double time)
    {
        for (int pass = 0; pass < 400 && !composition->isMixComplete(); ++pass) {
            composition->mixAudio(time, 1, 1, 0);
            if (!composition->isMixComplete())
                avThreadSleep(0.005);
        }
        return composition->isMixComplete();
    }

    int32_t mixAndRead(double time, std::vector<uint8_t>& out, double* position)
    {
        mixUntilComplete(time);
        out.assign(size_t(kRate * kFrameBytes), 0);
        return composition->readAudio(out.data(), int32_t(out.size()), position);
    }

    std::unique_ptr<AVComposition> composition;
};

} // namespace

TEST(CompositionMixSamples, VolumeClippingAndCompression)
{
    struct Case {
        int16_t into, added;
        int32_t volume;
        int16_t expected;
    };
    const Case cases[] = {
        {30000, 30000, 128, 32767},     // clips above
        {-30000, -30000, 128, -32768},  // and below
        {0, 20000, 256, 29500},         // 40000 passes the knee: 29490 + 10
        {0, -20000, 256, -29500},
        {100, -3, 64, 99},              // halves, truncating toward zero
        {0, 10000, 256, 20000},         // under the knee nothing is squeezed
        {0, 30000, 128, 30000},         // nor at full volume, however loud
        {0, -30000, 128, -30000},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> into = samplesBytes({c.into});
        const std::vector<uint8_t> added = samplesBytes({c.added});
        AVComposition::mixSamples(into.data(), added.data(), 2, c.volume);
        EXPECT_EQ(sampleAt(into, 0), c.expected) << c.into << " + " << c.added << " at " << c.volume;
    }
    std::vector<uint8_t> into = samplesBytes({7});
    const std::vector<uint8_t> added = samplesBytes({1000});
    AVComposition::mixSamples(into.data(), added.data(), 1, 128);
    EXPECT_EQ(sampleAt(into, 0), 7) << "a lone byte is no sample";
}

TEST_F(CompositionMixTest, WithoutSoundTheWindowIsSilenceUpToTheEnd)
{
    composition->addSegment(new AVLayerSegment(0.0, 1.2, 320, 240), 1);
    ASSERT_DOUBLE_EQ(composition->duration(), 1.2);
    std::vector<uint8_t> out;
    double position = -1;
    const int64_t expectedStarts[] = {0, 22050, 44100};
    const int32_t expectedBytes[] = {kWindowBytes, kWindowBytes, int32_t(0.2 * kRate) * kFrameBytes};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(composition->isAudioAtEnd());
        ASSERT_EQ(mixAndRead(0.5 * i, out, &position), expectedBytes[i]) << "window " << i;
        EXPECT_EQ(position, double(expectedStarts[i]));
        EXPECT_TRUE(std::all_of(out.begin(), out.begin() + expectedBytes[i], [](uint8_t b) { return b == 0; }));
    }
    EXPECT_TRUE(composition->isAudioAtEnd());
    EXPECT_EQ(mixAndRead(1.2, out, &position), 0) << "nothing is handed out past the end";
}

TEST_F(CompositionMixTest, WindowEndsWhereTheCompositionEnds)
{
    // 10.2 s at 44100 Hz: 449819.99... frames, truncated.
    composition->addSegment(new BlockSegment(10.2, 0, 0, 0), 1);
    composition->seek(10.0, true);
    std::vector<uint8_t> out;
    double position = -1;
    ASSERT_EQ(mixAndRead(10.0, out, &position), 8819 * kFrameBytes);
    EXPECT_EQ(position, 441000.0);
    EXPECT_TRUE(composition->isAudioAtEnd());
}

TEST_F(CompositionMixTest, ReadingMovesTheWindowOnlyByWhatWasComplete)
{
    composition->addSegment(new AVLayerSegment(0.0, 2.0, 320, 240), 1);
    std::vector<uint8_t> out(kWindowBytes);
    double position = -1;
    EXPECT_EQ(composition->readAudio(out.data(), int32_t(out.size()), &position), 0) << "nothing mixed yet";
    EXPECT_EQ(position, -1.0) << "an empty read leaves the position alone";
    composition->mixAudio(0.0, 1, 1, 0);
    EXPECT_EQ(composition->readAudio(out.data(), 1002, &position), 1000) << "whole frames within the capacity";
    EXPECT_EQ(position, 0.0);
    EXPECT_EQ(composition->readAudio(out.data(), int32_t(out.size()), &position), kWindowBytes - 1000);
    EXPECT_EQ(position, 250.0);
}

TEST_F(CompositionMixTest, DeliveriesOutsideTheWindowAndSegmentsBeyondTheLimitAreLeftOut)
{
    composition->addSegment(new BlockSegment(2.0, -10, 100, 1000), 1);              // starts before the window
    composition->addSegment(new BlockSegment(2.0, kRate / 2 - 50, 100, 2000), 2);  // runs past its end
    for (uint32_t id = 3; id <= uint32_t(AVComposition::kMaxSoundSegments); ++id)
        composition->addSegment(new BlockSegment(1.0, 0, 0, 0), id);
    composition->addSegment(new BlockSegment(1.0, 0, 100, 3000), 5000);
    composition->mixAudio(0.0, 1, 1, 0);
    composition->mixAudio(0.0, 1, 1, 0);  // the two delivering segments report done on their next call
    EXPECT_TRUE(composition->isMixComplete()) << "the segments that took part are all done";
    std::vector<uint8_t> out(kWindowBytes);
    double position = -1;
    ASSERT_EQ(composition->readAudio(out.data(), int32_t(out.size()), &position), kWindowBytes);
    EXPECT_EQ(sampleAt(out, 0), 0) << "a delivery before the window is dropped";
    EXPECT_EQ(sampleAt(out, 95 * kChannels), 0) << "the segment past the limit is not mixed";
    EXPECT_EQ(sampleAt(out, size_t(kRate / 2 - 50) * kChannels), 2000);
    EXPECT_EQ(sampleAt(out, size_t(kRate / 2 - 1) * kChannels + 1), 2000) << "clipped at the window's last frame";
}

TEST_F(CompositionMixTest, SoundIsWokenEarlierThanPictures)
{
    auto* upcoming = new BlockSegment(1.0, 0, 0, 0);
    upcoming->setStartTime(1.9);
    composition->addSegment(upcoming, 1);
    composition->mixAudio(0.0, 1, 1, 0);
    EXPECT_EQ(upcoming->isAsleep(), 0) << "1.9 s ahead: within the 2 s lead of playback";
    composition->mixAudio(0.0, 1, 0, 1);
    EXPECT_EQ(upcoming->isAsleep(), 1) << "beyond the 1 s lead of an export";
    composition->mixAudio(3.1, 1, 1, 0);
    EXPECT_EQ(upcoming->isAsleep(), 0) << "0.2 s after its end";
    composition->mixAudio(3.2, 1, 1, 0);
    EXPECT_EQ(upcoming->isAsleep(), 1);
}

TEST_F(CompositionMixTest, MixesTheToneOfAFileAtItsVolume)
{
    const std::vector<int16_t> tone = wavSamples("tone440.wav");
    ASSERT_GT(tone.size(), size_t(kRate * kChannels));
    addSound("tone440.wav", 0.0, 5, 0.5f);
    // Not loaded: skipped, so it neither mixes nor keeps the window open.
    composition->addSegment(new AVAudioSegment(0.0, fixture("garbage.mp4").constData(), kRate, kChannels), 6);
    auto* broken = composition->findSegment(6);
    ASSERT_TRUE(waitUntil([&] { return broken->status() != AVSegmentNotLoaded; }));
    EXPECT_NE(broken->status(), 0);

    std::vector<uint8_t> out;
    double position = -1;
    ASSERT_EQ(mixAndRead(0.0, out, &position), kWindowBytes);
    EXPECT_EQ(position, 0.0);
    EXPECT_LE(worstDifference(out, tone, 0, 0, size_t(kWindowBytes / 2), 64), 2) << "the file's samples at half volume";
    EXPECT_TRUE(mixUntilComplete(0.5)) << "the unloaded segment keeps the window open";
}

TEST_F(CompositionMixTest, SeekRestartsTheWindowAndRemovalKeepsMixing)
{
    const std::vector<int16_t> tone = wavSamples("tone440.wav");
    addSound("tone440.wav", 0.0, 1);
    composition->seek(1.5, true);
    EXPECT_FALSE(composition->isMixComplete());
    std::vector<uint8_t> out;
    double position = -1;
    ASSERT_GT(mixAndRead(1.5, out, &position), 0);
    EXPECT_EQ(position, 66150.0);
    // From 5 ms in: the stream fades in over the first 5 ms after a seek.
    EXPECT_LE(worstDifference(out, tone, 66150 * kChannels, 220 * kChannels, 4410), 2)
        << "the samples heard at 1.5 s, the first frame after the seek included";

    // Removed while its stream runs: the segment goes, mixing goes on.
    EXPECT_EQ(composition->removeSegment(1), 1);
    EXPECT_EQ(composition->findSegment(1), nullptr);
    composition->mixAudio(0.0, 1, 1, 0);
    EXPECT_TRUE(composition->isMixComplete());
}

TEST_F(CompositionMixTest, ASoundJoiningACompleteWindowKeepsItIncompleteUntilItsPartIsIn)
{
    composition->addSegment(new AVLayerSegment(0.0, 2.0, 320, 240), 1);
    composition->mixAudio(0.0, 1, 1, 0);
    ASSERT_TRUE(composition->isMixComplete()) << "without sound the silent window is complete";
    auto* late = new LateSegment(2.0, 0, 100, 1000);
    composition->addSegment(late, 2);
    composition->mixAudio(0.0, 1, 1, 0);
    EXPECT_FALSE(composition->isMixComplete()) << "read now, the window would play silence for the sound";
    late->arrived = true;
    ASSERT_TRUE(mixUntilComplete(0.0));
    std::vector<uint8_t> out(kWindowBytes);
    double position = -1;
    ASSERT_GT(composition->readAudio(out.data(), int32_t(out.size()), &position), 0);
    EXPECT_EQ(sampleAt(out, 0), 1000);
}

TEST_F(CompositionMixTest, ASoundLoadedSinceTheLastPassLeavesTheWindowIncomplete)
{
    composition->addSegment(new AVLayerSegment(0.0, 2.0, 320, 240), 1);
    composition->mixAudio(0.0, 1, 1, 0);
    ASSERT_TRUE(composition->isMixComplete());
    addSound("tone440.wav", 0.0, 2);
    EXPECT_FALSE(composition->isMixComplete()) << "read now, the window would play silence for the tone";
}
