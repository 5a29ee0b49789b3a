// The composition's sound: a sliding window of mixed 16-bit PCM half a
// second long. Mixing passes fill it, readers take its complete front and
// so slide it on, seeks restart it.

#include "AVComposition.h"

#include "AVSoundSegment.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cstring>

namespace {

// Above full volume, what passes this level is squeezed a thousandfold
// rather than clipped hard.
constexpr int32_t kCompressionKnee = 29490;
constexpr int32_t kUnityVolume = 128;

// A sound segment is woken this long before its start: its stream needs the
// time to decode.
constexpr double kPlayLeadSeconds = 2.0;
constexpr double kExportLeadSeconds = 1.0;

int32_t compressed(int32_t value)
{
    if (value > kCompressionKnee)
        return kCompressionKnee + (value - kCompressionKnee) / 1000;
    if (value < -kCompressionKnee)
        return -kCompressionKnee + (value + kCompressionKnee) / 1000;
    return value;
}

int16_t readSample(const uint8_t* bytes)
{
    return int16_t(uint16_t(bytes[0]) | uint16_t(bytes[1]) << 8);
}

void writeSample(uint8_t* bytes, int32_t value)
{
    const auto sample = uint16_t(int16_t(std::clamp(value, -32768, 32767)));
    bytes[0] = uint8_t(sample & 0xff);
    bytes[1] = uint8_t(sample >> 8);
}

} // namespace

void AVComposition::mixSamples(uint8_t* destination, const uint8_t* source, int32_t byteCount, int32_t volume)
{
    for (int32_t i = 0; i + 1 < byteCount; i += 2) {
        int32_t value = int32_t(int64_t(readSample(source + i)) * volume / kUnityVolume);
        if (volume > kUnityVolume)
            value = compressed(value);
        writeSample(destination + i, readSample(destination + i) + value);
    }
}

int32_t AVComposition::_windowBytes() const
{
    return int32_t(_mixEnd - _mixStart) * _channelCount * 2;
}

void AVComposition::_placeWindow()
{
    const auto end = int64_t(_sampleRate * _duration.load());
    // A window placed past the end (a seek beyond it) is empty, not negative.
    _mixEnd = std::max(_mixStart, std::min(_mixStart + _halfSecondFrames, end));
    std::fill(std::begin(_fillMarks), std::end(_fillMarks), _windowBytes());
}

void AVComposition::mixAudio(double time, uint8_t drawFlag, uint8_t playing, uint8_t exporting)
{
    QMutexLocker sounds(_soundMutex.get());
    QMutexLocker mix(_mixMutex.get());
    if (!_renderer.load())
        return;
    // The window's own length rather than the buffer's: where the
    // composition ends the window is shorter, and what lies beyond it must
    // not be handed out, or the end would never be reached exactly.
    int32_t low = _windowBytes();
    int32_t finished = 0;
    int32_t takingPart = 0;
    const auto count = int32_t(_soundSegments.size());
    if (count > kMaxSoundSegments && count != _reportedSegmentCount)
        av_log(nullptr, AV_LOG_WARNING, "mix: %d sound segments, only the first %d are mixed\n", count,
               kMaxSoundSegments);
    _reportedSegmentCount = count;  // said once, not in every pass
    for (int32_t index = 0; index < std::min(count, kMaxSoundSegments); ++index)
        _mixSegment(_soundSegments[size_t(index)], index, time, drawFlag, playing, exporting, &low, &finished,
                    &takingPart);
    _audioBufferLen = low;
    // A segment that joined a complete window (loaded, woken or sought since)
    // has not filled its part of it yet: the window is no longer complete.
    _mixComplete = finished == takingPart ? 1 : 0;
}

void AVComposition::_mixSegment(AVSoundSegment* segment, int32_t index, double time, bool drawFlag, bool playing,
                                bool exporting, int32_t* low, int32_t* finished, int32_t* takingPart)
{
    _wakeOrSleep(segment, time, exporting ? kExportLeadSeconds : kPlayLeadSeconds, exporting);
    // Not loaded or hidden: it neither mixes nor holds the window back.
    if (segment->status() != AVSegmentReady || !segment->flag2())
        return;
    segment->prepareAt(time, drawFlag, playing);
    double firstFrame = 0.0;
    uint8_t done = 0;
    const int32_t bytes = segment->readSamples(_scratch.get(), kScratchBytes, &firstFrame, _mixStart, _mixEnd, &done);
    if (bytes > 0) {
        _addDelivery(segment, index, firstFrame, bytes, low);
    } else if (done) {
        ++*finished;
        *low = std::min(*low, _fillMarks[index]);
    }
    ++*takingPart;
}

void AVComposition::_addDelivery(AVSoundSegment* segment, int32_t index, double firstFrame, int32_t bytes,
                                 int32_t* low)
{
    const int32_t frameBytes = _channelCount * 2;
    const auto offset = int64_t((firstFrame - double(_mixStart)) * frameBytes);
    const int32_t window = _windowBytes();
    if (offset < 0 || offset >= window) {
        av_log(nullptr, AV_LOG_WARNING, "mix: segment %u delivered outside the window (offset %lld), dropped\n",
               segment->id(), static_cast<long long>(offset));
        return;
    }
    int32_t length = std::min(bytes, kScratchBytes);
    if (offset + length > window) {
        av_log(nullptr, AV_LOG_WARNING, "mix: segment %u delivered %d bytes past the window, clipped\n",
               segment->id(), int32_t(offset + length - window));
        length = int32_t(window - offset);
    }
    mixSamples(_mixBuffer.get() + offset, _scratch.get(), length, int32_t(segment->currentVolume() * kUnityVolume));
    const auto end = int32_t(offset + length);
    _fillMarks[index] = end;
    *low = std::min(*low, end);
}

int32_t AVComposition::readAudio(uint8_t* destination, int32_t capacity, double* position)
{
    QMutexLocker lock(_mixMutex.get());
    int32_t length = _audioBufferLen;
    if (length > capacity) {
        // Only whole frames leave the window, so that it keeps its alignment.
        const int32_t frameBytes = std::max(1, _channelCount * 2);
        av_log(nullptr, AV_LOG_WARNING, "mix: a read of %d bytes takes %d of the %d complete\n", capacity,
               capacity / frameBytes * frameBytes, length);
        length = std::max(0, capacity / frameBytes * frameBytes);
    }
    if (length <= 0)
        return 0;
    std::memcpy(destination, _mixBuffer.get(), size_t(length));
    std::memmove(_mixBuffer.get(), _mixBuffer.get() + length, size_t(_mixBufferSize - length));
    std::fill_n(_mixBuffer.get() + (_mixBufferSize - length), length, uint8_t(0));
    *position = double(_mixStart);
    _mixStart += length / _channelCount / 2;
    _placeWindow();
    // A partial read leaves the rest complete; a whole read leaves nothing.
    _audioBufferLen -= length;
    _mixComplete = 0;
    return length;
}

bool AVComposition::isAudioAtEnd() const
{
    QMutexLocker lock(_mixMutex.get());
    // Compared in frames, as the window rule places the end: in milliseconds
    // the two sides round differently (a 10.2 s composition ends at frame
    // 449819, 10199 ms, while 10.2 x 1000 is 10200) and the end would never
    // be reported.
    return _mixStart >= int64_t(_sampleRate * _duration.load());
}
