#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVTransition.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

using namespace StreamTest;

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = 2 * kChannels;
constexpr int64_t kWindowFrames = kRate / 2; // the mixer's half-second window
constexpr int32_t kScratchBytes = 49152;     // what the mixer lets a segment write
constexpr int kEndFade = 220;                // 5 ms at 44.1 kHz

using StatusReports = StreamTest::SegmentCalls;

// A loaded segment over a fixture whose first seek is done; woken once,
// before its stream was open.
std::unique_ptr<AVAudioSegment> playable(const char* name, double start, double inPoint, double used, double duration,
                                         StatusReports& reports, double pitch = 1.0)
{
    auto segment = std::make_unique<AVAudioSegment>(start, inPoint, used, fixture(name).constData(), kRate, kChannels);
    segment->setDuration(duration);
    segment->setPitch(pitch);
    segment->wake();
    segment->setCallback(&StatusReports::callback, &reports);
    EXPECT_TRUE(waitUntil([&] { return reports.count > 0; }));
    EXPECT_EQ(reports.argument, 0);
    EXPECT_TRUE(waitUntil([&] { return segment->isReady(); }));
    return segment;
}

struct Piece {
    int64_t position;
    int64_t frames;
    float volume;
};

struct Mix {
    std::vector<int16_t> samples; // composition frames 0 .. end, interleaved
    std::vector<Piece> pieces;
    int32_t largestCache = 0;
    bool finished = false;
    int16_t at(int64_t frame) const { return samples[size_t(frame * kChannels)]; } // left channel
    // Frames between one piece and the next (-1 for an overlap).
    int64_t largestGap() const
    {
        int64_t gap = 0;
        for (size_t i = 1; i < pieces.size(); ++i) {
            const int64_t between = pieces[i].position - (pieces[i - 1].position + pieces[i - 1].frames);
            if (between < 0)
                return -1;
            gap = std::max(gap, between);
        }
        return gap;
    }
    int64_t end() const { return pieces.empty() ? -1 : pieces.back().position + pieces.back().frames; }
};

// Mixes one segment from frame `from` to `end` as the composition does: each
// pass fills the segment's cache and asks for its samples of the window; once
// the segment is done with a window, the window moves on as far as it was filled.
Mix mixSegment(AVAudioSegment& segment, int64_t from, int64_t end)
{
    Mix mix;
    mix.samples.assign(size_t(end * kChannels), 0);
    std::vector<uint8_t> scratch(kScratchBytes);
    int passes = 0;
    for (int64_t mixStart = from; mixStart < end && passes < 100000;) {
        const int64_t mixEnd = std::min(mixStart + kWindowFrames, end);
        int64_t filled = mixEnd;
        for (uint8_t done = 0; !done && ++passes < 100000;) {
            segment.prepareAt(double(mixStart) / kRate, true, true);
            mix.largestCache = std::max(mix.largestCache, segment.cachedBytes());
            double position = -1.0;
            const int32_t bytes = segment.readSamples(scratch.data(), kScratchBytes, &position, mixStart, mixEnd, &done);
            if (bytes <= 0)
                continue;
            const auto first = int64_t(position);
            if (first < mixStart || first + bytes / kFrameBytes > mixEnd) {
                ADD_FAILURE() << "samples outside the window at " << first;
                return mix;
            }
            std::memcpy(&mix.samples[size_t(first * kChannels)], scratch.data(), size_t(bytes));
            mix.pieces.push_back({first, bytes / kFrameBytes, segment.currentVolume()});
            filled = first + bytes / kFrameBytes;
        }
        mixStart = filled;
        mix.finished = mixStart >= end;
    }
    return mix;
}

// Sign changes of the left channel per second over [from, to).
double zeroCrossingRate(const Mix& mix, int64_t from, int64_t to)
{
    int crossings = 0;
    for (int64_t f = from + 1; f < to; ++f)
        crossings += (mix.at(f - 1) < 0) != (mix.at(f) < 0);
    return crossings * double(kRate) / double(to - from);
}

// The samples of a 16-bit WAV file's "data" chunk.
std::vector<int16_t> wavSamples(const char* name)
{
    QFile file(TestMedia::path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const auto size = qsizetype(qFromLittleEndian<quint32>(bytes.constData() + at + 4));
        if (std::memcmp(bytes.constData() + at, "data", 4) == 0) {
            const auto* first = reinterpret_cast<const int16_t*>(bytes.constData() + at + 8);
            return std::vector<int16_t>(first, first + std::min(size, bytes.size() - at - 8) / 2);
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

} // namespace

TEST(AudioSegment, PlaysItsRangeInPlaceAndFadesOutAtTheEnd)
{
    const std::vector<int16_t> source = wavSamples("tone440.wav"); // already 44.1 kHz stereo
    ASSERT_EQ(source.size(), size_t(3 * kRate * kChannels));
    // Composition frame f plays media frame f - start + in-point.
    auto expectRange = [&](const Mix& mix, int64_t start, int64_t end, int fade) {
        auto sourceAt = [&](int64_t frame) { return source[size_t((frame - start + kRate) * kChannels)]; };
        EXPECT_EQ(mix.pieces.front().position, start);
        EXPECT_EQ(mix.end(), end);
        EXPECT_EQ(mix.largestGap(), 0);
        int differences = 0;
        for (int64_t f = start + kEndFade; f < end - fade; ++f) // after the fade-in that follows a seek
            differences += mix.at(f) != sourceAt(f);
        EXPECT_EQ(differences, 0);
        for (int i = 0; i < fade; ++i) {
            const int64_t f = end - fade + i;
            EXPECT_NEAR(mix.at(f), sourceAt(f) * (1.0 - double(i) / fade), 1.0) << i << " of " << fade;
        }
        for (int64_t f : {int64_t(0), start - 1, end, end + 100})
            EXPECT_EQ(mix.at(f), 0);
    };

    // One second from media time 1 s, placed at 0.5 s.
    StatusReports reports;
    auto segment = playable("tone440.wav", 0.5, 1.0, 1.0, 1.0, reports);
    const Mix mix = mixSegment(*segment, 0, 2 * kRate);
    ASSERT_TRUE(mix.finished);
    expectRange(mix, kRate / 2, kRate / 2 + kRate, int(std::min<int64_t>(kEndFade, mix.pieces.back().frames)));

    // Ending 100 or 500 frames into a cached piece, or 100 frames past a
    // window's end inside one, which is then handed over in two parts: the
    // fade covers what the piece holds of the last 220 frames.
    const auto whole = std::find_if(mix.pieces.begin() + ptrdiff_t(mix.pieces.size() / 2), mix.pieces.end(),
                                    [](const Piece& piece) { return piece.position % kWindowFrames != 0; });
    const int64_t windowEnd = 2 * kWindowFrames;
    const auto cut = std::find_if(mix.pieces.begin(), mix.pieces.end(),
                                  [&](const Piece& piece) { return piece.position + piece.frames == windowEnd; });
    ASSERT_NE(whole, mix.pieces.end());
    ASSERT_NE(cut, mix.pieces.end());
    ASSERT_LT(cut->frames, 1024) << "the window's end falls inside a cached frame";
    for (auto [pieceStart, end] : {std::pair{whole->position, whole->position + 100},
                                   {whole->position, whole->position + 500},
                                   {cut->position, windowEnd + 100}}) {
        const double used = (double(end - kRate / 2) + 0.5) / kRate;
        StatusReports shortReports;
        auto shorter = playable("tone440.wav", 0.5, 1.0, used, used, shortReports);
        const Mix shortMix = mixSegment(*shorter, 0, 2 * kRate);
        ASSERT_TRUE(shortMix.finished);
        expectRange(shortMix, kRate / 2, end, int(std::min<int64_t>(kEndFade, end - pieceStart)));
    }

    // Placed 300 frames before a window ends, so that its first frame reaches
    // past the window: it still plays from its first frame.
    const int64_t nearWindowEnd = kWindowFrames - 300;
    StatusReports lateReports;
    auto late = playable("tone440.wav", (double(nearWindowEnd) + 0.1) / kRate, 1.0, 1.0, 1.0, lateReports);
    const Mix lateMix = mixSegment(*late, 0, 2 * kRate);
    ASSERT_TRUE(lateMix.finished);
    expectRange(lateMix, nearWindowEnd, nearWindowEnd + kRate,
                int(std::min<int64_t>(kEndFade, lateMix.pieces.back().frames)));

    // Placed at 20 s and played at speed 0.7: it begins and ends on the frames
    // of its start and end, however late it is placed.
    StatusReports farReports;
    auto far = playable("tone440.wav", 20.0, 0.5, 2.0, 1.4, farReports);
    const auto farStart = int64_t(20.0 * kRate);
    const Mix farMix = mixSegment(*far, farStart - kWindowFrames / 2, int64_t(21.5 * kRate));
    ASSERT_TRUE(farMix.finished);
    EXPECT_EQ(farMix.pieces.front().position, farStart);
    EXPECT_EQ(farMix.end(), int64_t((20.0 + 1.4) * kRate));
    EXPECT_EQ(farMix.largestGap(), 0);

    // A file that ends before the segment: once decoding has ended the
    // segment is done with every window, the mix does not wait for it.
    StatusReports longReports;
    auto longer = playable("tone440.wav", 0.0, 2.0, 2.0, 2.0, longReports);
    const Mix longMix = mixSegment(*longer, 0, 2 * kRate);
    ASSERT_TRUE(longMix.finished);
    EXPECT_EQ(longMix.end(), kRate);
}

TEST(AudioSegment, FillsByTheSpeedWithoutOverflowingTheCache)
{
    // The fill takes max(1, round(1 / speed)) frames.
    for (auto [duration, frames] : {std::pair{1.0, 2}, {4.0, 1}, {0.2, 10}}) {
        StatusReports reports;
        auto segment = playable("tone440.wav", 0.0, 0.0, 2.0, duration, reports);
        segment->prepareAt(0.0, true, true);
        EXPECT_EQ(segment->cachedFrames(), frames) << "duration " << duration;
    }
    // Frames of two seconds: at speed 0.5 two of them, at 0.1 ten of them
    // are more than the cache holds; at speed 1 one alone is.
    for (double speed : {0.5, 0.1, 1.0}) {
        SCOPED_TRACE(speed);
        StatusReports reports;
        const double duration = 2.0;
        auto segment = playable("tone_bigframes.mkv", 0.0, 0.0, duration / speed, duration, reports);
        segment->prepareAt(0.0, true, true);
        const bool oneFrameTooLarge = speed == 1.0;
        EXPECT_EQ(segment->cacheCapacity() > AVAudioSegment::kCacheBytes, oneFrameTooLarge);
        const Mix mix = mixSegment(*segment, 0, int64_t(duration * kRate) + 100);
        ASSERT_TRUE(mix.finished);
        // Nothing held back is lost: the only gaps are the few frames that
        // the resampler and the tempo filter keep back at their start.
        const int64_t fewFrames = kRate / 200;
        EXPECT_GE(mix.largestGap(), 0);
        EXPECT_LT(mix.largestGap(), fewFrames);
        EXPECT_EQ(mix.pieces.front().position, 0);
        EXPECT_NEAR(double(mix.end()), duration * kRate, fewFrames);
        EXPECT_LE(mix.largestCache, oneFrameTooLarge ? segment->cacheCapacity() : AVAudioSegment::kCacheBytes);
        EXPECT_NEAR(zeroCrossingRate(mix, 0, mix.end()), 880.0, 15.0); // faster, at the same pitch
    }
}

TEST(AudioSegment, VolumeTransitionAndPitchFollowTheDeliveredSamples)
{
    StatusReports reports;
    auto segment = playable("tone440.wav", 1.0, 0.0, 2.0, 2.0, reports, 2.0);
    auto* group = new AVAnimation(1, 0.0, 1.0);
    group->setEasing(AVEasingBounceInOut); // volume ignores the curve
    group->setFrom(AVSlotVolume, 1.0f);
    group->transition(AVSlotVolume)->setTo(-1.0f);
    segment->addAnimation(group);

    const Mix mix = mixSegment(*segment, kRate, 3 * kRate);
    ASSERT_TRUE(mix.finished);
    EXPECT_EQ(mix.end(), 3 * kRate); // the pitch leaves the length alone
    EXPECT_NEAR(zeroCrossingRate(mix, kRate, 3 * kRate), 1760.0, 20.0);
    for (const Piece& piece : mix.pieces) {
        const double local = double(piece.position - kRate) / kRate;
        EXPECT_NEAR(piece.volume, std::max(0.0, 1.0 - local), 1e-4) << local;
    }

    // Before the start the volume is that of the start, whatever the static one.
    segment->setVolume(-1.0f);
    EXPECT_FLOAT_EQ(segment->volume(), 0.0f);
    segment->applyAnimationsAt(0.0);
    EXPECT_FLOAT_EQ(segment->currentVolume(), 1.0f);
}

TEST(AudioSegment, LengthTrimsAndTags)
{
    AVAudioSegment segment(0.0, fixture("audio_only.m4a").constData(), kRate, kChannels);
    // The used length is not known yet: no speed to derive from it.
    segment.setDuration(5.0);
    EXPECT_EQ(segment.speed(), 1.0);
    EXPECT_EQ(segment.effectiveSampleRate(), kRate);

    StatusReports reports;
    segment.setCallback(&StatusReports::callback, &reports);
    ASSERT_TRUE(waitUntil([&] { return reports.count > 0; }));
    EXPECT_EQ(segment.status(), AVSegmentReady);
    EXPECT_TRUE(segment.isReady()); // no seek needed: the whole file plays from its start
    EXPECT_NEAR(segment.usedLength(), 1.0, 0.05);
    EXPECT_STREQ(segment.title(), "Tone Title");
    EXPECT_STREQ(segment.artist(), "Tone Artist");

    segment.setDuration(2.0 * segment.usedLength());
    EXPECT_DOUBLE_EQ(segment.speed(), 2.0);
    EXPECT_EQ(segment.effectiveSampleRate(), 2 * kRate);
    segment.setTrimStart(-1.0);
    EXPECT_EQ(segment.inPoint(), 0.0);
    segment.setTrimStart(50.0);
    EXPECT_DOUBLE_EQ(segment.inPoint(), segment.usedLength());
    segment.setTrimDuration(-2.0);
    EXPECT_EQ(segment.usedLength(), 0.0);
    EXPECT_EQ(segment.speed(), 1.0);

    AVAudioSegment broken(0.0, 0.0, 1.0, fixture("garbage.mp4").constData(), kRate, kChannels);
    StatusReports failure;
    broken.setCallback(&StatusReports::callback, &failure);
    ASSERT_TRUE(waitUntil([&] { return failure.count > 0; }));
    EXPECT_LT(broken.status(), 0);
    EXPECT_FALSE(broken.isReady());
}

TEST(AudioSegment, SeekSleepAndDestruction)
{
    const std::vector<int16_t> source = wavSamples("tone440.wav");
    StatusReports reports;
    auto segment = playable("tone440.wav", 0.0, 0.0, 3.0, 3.0, reports);
    segment->prepareAt(0.0, true, true);
    EXPECT_GT(segment->cachedBytes(), 0);
    // A window that has moved past the cache drops it.
    std::vector<uint8_t> scratch(kScratchBytes);
    double position = -1.0;
    uint8_t done = 1;
    EXPECT_EQ(segment->readSamples(scratch.data(), kScratchBytes, &position, kRate, kRate + kWindowFrames, &done), 0);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(segment->cachedBytes(), 0);

    // Asleep, the stream decodes nothing: the seek is not done before the wake.
    segment->sleep(false);
    EXPECT_EQ(segment->cacheCapacity(), 0);
    segment->seekTo(2.0, false);
    avThreadSleep(0.05);
    EXPECT_FALSE(segment->isReady());
    segment->wake();
    ASSERT_TRUE(waitUntil([&] { return segment->isReady(); }));
    const Mix mix = mixSegment(*segment, 2 * kRate, 3 * kRate);
    ASSERT_TRUE(mix.finished);
    EXPECT_EQ(mix.pieces.front().position, 2 * kRate);
    EXPECT_EQ(mix.largestGap(), 0);
    EXPECT_EQ(mix.at(2 * kRate + 1000), source[size_t((2 * kRate + 1000) * kChannels)]);

    // Seeks at speeds whose first frame is placed a sample early by rounding:
    // it still plays, from the window's start on.
    for (auto [speed, time] : {std::pair{0.7, 2.0}, {1.3, 2.37}}) {
        SCOPED_TRACE(speed);
        StatusReports stretchedReports;
        auto stretched = playable("tone440.wav", 1.0, 0.5, 2.4, 2.4 * speed, stretchedReports);
        stretched->seekTo(time, false);
        ASSERT_TRUE(waitUntil([&] { return stretched->isReady(); }));
        const auto from = int64_t(time * kRate);
        const Mix stretchedMix = mixSegment(*stretched, from, from + kRate / 4);
        ASSERT_FALSE(stretchedMix.pieces.empty());
        EXPECT_NEAR(double(stretchedMix.pieces.front().position), double(from), 2.0);
        EXPECT_EQ(stretchedMix.largestGap(), 0);
    }

    // Seeks one after another: each one's first frames are kept for the
    // segment, however quickly the stream carries the seek out.
    int lateStarts = 0;
    for (int i = 0; i < 60; ++i) {
        const double time = 1.0 + (i % 2);
        segment->seekTo(time, false);
        ASSERT_TRUE(waitUntil([&] { return segment->isReady(); }));
        const auto from = int64_t(time * kRate);
        const Mix seekMix = mixSegment(*segment, from, from + 4096);
        lateStarts += seekMix.pieces.empty() || seekMix.pieces.front().position != from;
    }
    EXPECT_EQ(lateStarts, 0);

    segment->seekTo(1.0, true);
    segment.reset(); // with a seek pending

    // Destroyed while loading: no load report arrives afterwards.
    for (int i = 0; i < 5; ++i) {
        StatusReports early;
        std::make_unique<AVAudioSegment>(0.0, 0.0, 1.0, fixture("tone440.wav").constData(), kRate, kChannels)
            ->setCallback(&StatusReports::callback, &early);
        const int calls = early.count;
        avThreadSleep(0.02);
        EXPECT_EQ(early.count, calls);
    }
}
