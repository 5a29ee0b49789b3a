#pragma once

#include "AVSoundSegment.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>

class AVAudioStream;
class AVContent;
class AVStreamBase;

// The sound of a file on the composition's time line. An owned audio stream
// decodes it at the composition's rate, stretched by the speed (segment
// duration / media length used) and shifted by the pitch; the segment maps
// composition time to media time by its in-point and speed, pulls decoded
// frames into a frame cache and hands the mixer the samples that fall into
// its window, fading out the last 5 ms where the segment ends.
//
// Sample positions are composition sample frames (frames at the output rate
// counted from composition time 0). The mixing thread fills and reads the
// cache; stream threads report load and seek completions; the facade seeks,
// trims and sets volume and pitch. The cache is guarded by the audio mutex.
class AVAudioSegment : public AVSoundSegment {
public:
    // Bytes the frame cache is made with; it grows only for a single frame
    // that is larger on its own.
    static constexpr int32_t kCacheBytes = 48 * 1024 * 6;

    AVAudioSegment(double start, const char* path, int32_t sampleRate, int32_t channels);
    AVAudioSegment(double start, double inPoint, double usedLength, const char* path, int32_t sampleRate,
                   int32_t channels);
    ~AVAudioSegment() override;

    void setDuration(double duration) override;
    // Starts loading the file unless it is open or loading already; the
    // callback hears the load result.
    void setCallback(Callback callback, void* context) override;
    bool isReady() const override;
    bool isLoading() const override;
    void sleep(bool exporting) override;
    void wake() override;
    // Fills the empty frame cache with max(1, round(1 / speed)) frames; one
    // that no longer fits behind the others waits for the next fill.
    void prepareAt(double time, bool waitForFrames, bool playing) override;
    int seekTo(double time, bool force) override;
    void setPitch(double factor) override;
    // The pitch factor the sound is decoded with.
    double pitch() const;
    int32_t readSamples(uint8_t* buffer, int32_t capacity, double* start, int64_t from, int64_t to,
                        uint8_t* done) override;

    // The media time heard at the segment start, kept within the media used.
    void setTrimStart(double time);
    // The media length used; the segment duration becomes the same (speed 1)
    // until the duration is set again.
    void setTrimDuration(double length);

    double inPoint() const { return _inPoint.load(); }
    double usedLength() const { return _usedLength.load(); }
    // Segment duration / used length, 1 while the length is not known.
    double speed() const { return _speed.load(); }
    int32_t effectiveSampleRate() const { return _effectiveRate.load(); }

    // The file's tags (null when missing or not loaded yet) and length.
    const char* artist() const;
    const char* title() const;
    double mediaDuration() const;

    // The frame cache, for inspection.
    int32_t cachedBytes() const;
    int32_t cachedFrames() const;
    int32_t cacheCapacity() const;

private:
    struct MallocFreer {
        void operator()(uint8_t* data) const { std::free(data); }
    };
    // A decoded frame taken from the stream: bytes and position in samples
    // at the effective rate counted from the media start.
    struct Frame {
        std::unique_ptr<uint8_t, MallocFreer> data;
        int32_t size = 0;
        double time = 0.0;
    };

    static void _loadFinished(AVStreamBase* stream, int32_t result, void* context);
    static void _seekFinished(AVContent* content, const uint8_t* data, int32_t size, double time, void* context);

    void _startAtTheInPoint();
    Frame _popFrame(bool wait);
    // The caller holds the audio mutex for these.
    bool _appendToCache(Frame& frame);
    bool _reserveCache(int64_t bytes);
    void _dropCache();
    void _forgetPosition();
    void _consumeCacheFront(int64_t frames);
    int64_t _segmentEndPosition() const;
    int64_t _firstPosition() const;
    uint8_t _doneWithoutCache(int64_t limit) const;

    std::atomic<double> _inPoint{0.0};
    std::atomic<double> _usedLength{0.0};
    std::atomic<int32_t> _effectiveRate;
    const int32_t _channels;
    const int32_t _baseRate;
    std::unique_ptr<AVAudioStream> _stream;
    std::unique_ptr<AVMutex> _audioMutex;
    // Held by the load completion while it uses the stream; the destructor
    // sets closing under it, after which completions leave the stream alone.
    std::unique_ptr<AVMutex> _loadMutex;
    std::atomic<bool> _closing{false};

    // Guarded by the audio mutex.
    std::unique_ptr<uint8_t[]> _cache;
    int32_t _cacheCapacity = 0;
    int32_t _cacheBytes = 0;
    int32_t _cacheFrames = 0;
    int64_t _cacheTime = 0;    // composition position of the first cached sample
    int64_t _fillTime = 0;     // where the cache started when filled, before parts of it were handed over
    Frame _heldFrame;          // pulled, but did not fit behind the cached ones
    uint32_t _generation = 0;  // raised by seeks and sleeps: frames pulled before are stale

    std::atomic<uint8_t> _ready{0};
    std::atomic<double> _speed{1.0};
};
