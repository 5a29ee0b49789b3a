#pragma once

#include "AVGeometry.h"
#include "AVPixelBuffer.h"
#include "AVStreamBase.h"
#include "AVVideoPictures.h"

#include <vector>

class QMutexLocker;

// The pictures of a movie file. The decoding thread queues frames in the
// layouts above (time in seconds from the first picture; an exact seek
// delivers first the picture whose display interval holds its target,
// seeking again earlier when the file lands past it), thins high frame
// rates by a frame step, falls back to software when a hardware decoder
// stalls and closes its decoder while asleep. Opening can deliver a row of
// thumbnails; single still pictures are decoded on the caller's thread.
class AVVideoStream : public AVStreamBase {
public:
    using ThumbnailStartFunction = void (*)(AVVideoStream* stream, void* context);
    // Takes the picture (null when none could be decoded); status is 0.
    using ThumbnailPictureFunction = void (*)(AVVideoStream* stream, int32_t status, AVPixelBuffer* picture,
                                              void* context);

    AVVideoStream(const char* path, int32_t widthHint, int32_t heightHint);
    ~AVVideoStream() override;

    int32_t open(bool isAudio) override;
    // Loads on the load thread; when count > 0 the open pass delivers one
    // picture per entry of times (fractions of the duration) fitted into the
    // maximum size.
    void startLoadWithThumbnails(LoadCallback callback, void* callbackContext, int32_t count, const float* times,
                                 float maxWidth, float maxHeight, ThumbnailStartFunction start,
                                 ThumbnailPictureFunction picture, void* context);
    // Opens the file and reads size and rotation, without threads.
    int32_t openAndReadRotation();

    // The display size, turned upright: non-square pixels widen or narrow
    // the coded width by the sample aspect ratio.
    void size(uint32_t* width, uint32_t* height) override;
    // The coded size, as pictures are converted and stored.
    void outputSize(uint32_t* width, uint32_t* height) const;
    // The width a picture codedWidth pixels wide is shown at: the same for
    // square pixels, else rounded to an even number.
    uint32_t displayWidth(uint32_t codedWidth) const;
    uint32_t rotation() const { return _rotation.load(); }
    double frameRate() const;
    double frameDuration() const { return _frameDuration.load(); }
    void setSizeHints(int32_t width, int32_t height);

    void setSpeed(double speed);
    void setMinimumFrameRate(uint32_t rate);
    void setStepMultiplier(uint32_t multiplier);
    uint32_t frameStep() const { return _frameStep.load(); }
    uint32_t stepMultiplier() const { return _stepMultiplier.load(); }

    // A BGRA picture near time, scaled to size (an odd width made even) and
    // rotated upright; free with free(). Null on failure; *timeOut is -1 when
    // the decoder stalled or failed.
    uint8_t* grabImageAt(double time, AVSize size, bool exact, int32_t* width, int32_t* height,
                         int32_t* byteSize, double* timeOut);
    // The picture at time at the output size, rotated upright.
    uint8_t* decodeImageAt(double time, int32_t* byteSize) override;
    // A decoded picture's planes come packed into one block (takeFrame hands
    // them over as they are).
    uint8_t* popFrame(int32_t* size, double* time, uint32_t* format, int32_t* stride, int32_t* height,
                      int32_t* width, uint32_t* colour, bool wait) override;

    bool sleep() override;
    bool awaken() override;
    // Drops the decoded frames waiting in the queue (the engine's flush).
    using AVStreamBase::flushFrames;

protected:
    void decodeLoop() override;

private:
    struct ThumbnailRequest {
        std::vector<float> times;
        float maxWidth = 0.0f;
        float maxHeight = 0.0f;
        ThumbnailStartFunction start = nullptr;
        ThumbnailPictureFunction picture = nullptr;
        void* context = nullptr;
    };

    void _readRotation();
    void _updateFrameStep();
    void _fallBackToSoftware();
    void _runThumbnailPass();
    void _deliverThumbnail(AVSize size, double time);
    // Seeks the file and decodes until a frame that suits time; the caller
    // holds the format lock and the stream lock. *stalled reports a decoder
    // that asked for input too often or failed.
    AVFramePtr _decodeStill(double time, bool exact, bool* stalled);
    // One attempt of it, the file sought to from; *late when the first
    // picture decoded lies past time.
    AVFramePtr _decodeStillFrom(double from, double time, bool exact, bool* stalled, bool* late);
    struct DecodeState;
    void _beginSeek(DecodeState& state);
    // Whether packet is left undecoded after a seek: it comes before the
    // first key frame, or it is that key frame and lies past the target of
    // an exact seek (then sought again earlier).
    bool _skipsPacket(const AVPacket* packet, DecodeState& state);
    // The decoded frame of state: queued, held as the seek's landing, or
    // dropped (frame step, stale serial).
    void _takePicture(DecodeState& state, QMutexLocker& lock);
    void _deliverLanding(DecodeState& state, QMutexLocker& lock);
    // The decoder has given its last frame.
    void _endOfMedia(DecodeState& state, QMutexLocker& lock);
    // Whether packet lies past the target of an exact seek.
    bool _isPastTarget(const AVPacket* packet) const;
    // The media time of a decoded frame, 0 when it has no timestamp.
    double _frameTime(const AVFrame* frame) const;
    // Builds the entry for picture and queues it (the stream lock is left
    // while the queue is full); for the first picture after a seek also
    // reports it. True when the report went out. The entry may take the
    // picture's reference, leaving it blank.
    bool _queuePicture(AVFrame* picture, AVFrame* transfer, uint32_t serial, bool first, QMutexLocker& lock);
    // The frame, or its copy in memory when it is a hardware frame; null
    // when that copy fails.
    AVFramePtr _inMemory(AVFramePtr frame) const;

    std::atomic<uint32_t> _width{0};
    std::atomic<uint32_t> _height{0};
    std::atomic<uint32_t> _rotation{0};
    std::atomic<double> _sampleAspect{1.0};
    std::atomic<int32_t> _widthHint;
    std::atomic<int32_t> _heightHint;
    std::unique_ptr<AVMutex> _streamMutex;
    std::unique_ptr<AVCondition> _streamCondition;
    std::atomic<uint32_t> _outputWidth{0};
    std::atomic<uint32_t> _outputHeight{0};
    std::atomic<double> _frameDuration{0.0};
    std::atomic<double> _speed{1.0};
    std::atomic<uint32_t> _frameStep{1};
    std::atomic<uint32_t> _stepMultiplier{1};
    std::atomic<uint32_t> _minimumFrameRate{30};
    ThumbnailRequest _thumbnails;
    SwsContextPtr _scaler; // the decoding thread's converter
    double _entryDuration = 0.0; // of every queued entry (decoding thread)
};
