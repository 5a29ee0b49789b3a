#pragma once

#include "AVLayerSegment.h"
#include "AVPixelBuffer.h"
#include "AVStreamBase.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AVVideoStream;

// The picture of a movie clip. Composition time t maps to media time
// (t - start) / speed + in-point, with speed = duration / used length. The
// segment's stream decodes on threads of its own; each preparation picks the
// decoded frame that belongs to its time and uploads it into up to three
// textures (one per plane of a planar frame). While playing it measures how
// far the shown frames lag behind their times and raises the stream's step
// multiplier, so that a decoder that cannot keep up decodes fewer frames.
class AVVideoSegment : public AVLayerSegment {
public:
    static constexpr int kThumbnailCount = 16;

    AVVideoSegment(double start, const char* path, uint32_t width, uint32_t height, uint32_t thumbnailHeight);
    // With an in-point and a used length (seconds); a used length of 0 or
    // less becomes the media left after the in-point once it is open.
    AVVideoSegment(double start, double inPoint, double usedLength, const char* path, uint32_t width,
                   uint32_t height, uint32_t thumbnailHeight);
    ~AVVideoSegment() override;

    void setDuration(double duration) override;
    // Starts loading the stream (once), with the timeline thumbnails.
    void setCallback(Callback callback, void* context) override;
    bool isReady() const override { return _ready.load(); }
    bool isLoading() const override;
    void sleep(bool exporting) override;
    void wake() override;
    void prepareAt(double time, bool drawFlag, bool playing) override;
    // Seeks the stream to the media time of t; 0 when under way or skipped
    // for a seek still in progress (which then goes to the latest time asked
    // for), else the load status.
    int seekTo(double time, bool force) override;
    bool isVideo() const override { return true; }
    // BGRA pixels, as the layer takes them, in place of the planes of a
    // decoded picture (which go from the decoder's own buffers, plane by plane).
    void setPixels(const uint8_t* data, uint32_t width, uint32_t height, uint32_t colour, uint64_t stamp) override;
    uint32_t pictureRotation() const override;
    // The stream's display size, turned upright; 0 x 0 until it is open.
    void displaySize(uint32_t* width, uint32_t* height) const;

    double inPoint() const { return _inPoint.load(); }
    double usedLength() const { return _usedLength.load(); }
    double speed() const { return _speed.load(); }
    double mediaDuration() const;
    void setTrimStart(double inPoint);
    void setTrimDuration(double length);

    int thumbnailCount() const;
    // Borrowed; null outside 0..count-1.
    AVPixelBuffer* thumbnail(int index) const;
    // A copy of it, made under the thumbnail mutex; null outside 0..count-1
    // or without memory.
    AVPixelBufferPtr thumbnailCopy(int index) const;
    void clearThumbnails();
    // Called once all thumbnails have arrived, with their count as argument.
    void setThumbnailCallback(Callback callback, void* context);

    uint32_t thumbnailHeight() const { return _thumbnailHeight; }
    void setSoftwareOnly(bool softwareOnly);
    bool isSoftwareOnly() const;
    // Until a stalled hardware decoder falls back, the stream decodes in hardware where it can.
    bool decodesInHardware() const override;
    void resetStepMultiplier();
    uint32_t stepMultiplier() const;
    void setSizeHints(uint32_t width, uint32_t height);
    void setMinimumFrameRate(uint32_t rate);
    // Drops the decoded frames waiting in the stream's queue. Until a
    // preparation has shown a picture of the latest seek, that seek is made
    // again instead, so that its first picture still comes.
    void flushFrames();
    // While set (an export renders), each preparation waits, bounded, for the
    // decoder to deliver the frames up to the time rather than repeating the
    // last one or falling behind.
    void setWaitsForFrames(bool waits);

    // What the layer draw reads besides the main texture.
    AVGLTexture* secondPlane() const { return _chromaPlanes[0]; }
    AVGLTexture* thirdPlane() const { return _chromaPlanes[1]; }
    uint32_t frameFormat() const { return _frameFormat.load(); }
    int32_t frameStride() const { return _frameStride.load(); }
    int32_t frameHeight() const { return _frameHeight.load(); }
    // Media time (ms) of the frame shown last since the latest seek, and of
    // the decoded frame held until its time comes; -1 when there is none.
    int64_t shownFrameMs() const { return _shownFrameMs.load(); }
    int64_t pendingFrameMs() const;
    // Whether, at a time within the segment, the picture shown is older than
    // the frame of that time (the decoder fell behind); false while a seek
    // has yet to show its picture, and when it has not loaded.
    bool showsOlderFrameThan(double time) const;

private:
    static void _onLoaded(AVStreamBase* stream, int32_t result, void* context);
    static void _onSeekDone(AVContent* content, const uint8_t* data, int32_t size, double time, void* context);
    static void _onThumbnailsStart(AVVideoStream* stream, void* context);
    static void _onThumbnail(AVVideoStream* stream, int32_t status, AVPixelBuffer* picture, void* context);
    AVPixelBuffer* _thumbnailUnlocked(int index) const;  // thumbnail mutex held

    void _loadCompleted(int32_t result);
    void _seekCompleted();
    // Carries out the seek left for the one under way; false when none was.
    bool _startDeferredSeek();
    // Where in the media the time falls, never before the in-point.
    double _mediaTimeAt(double time) const;
    int _seekMedia(double mediaTime);
    void _seekStream(double mediaTime); // the seek mutex held
    // After the stream was put to sleep: seeks it again to where the clip was.
    void _seekWhereLeft();
    void _updateSpeed();
    // The frame choice; the caller holds the video mutex. True when the frame
    // after the one shown is to be waited for and looked at: offline, and
    // paused while the picture shown is a little older than the time's.
    bool _chooseFrame(double time, bool drawFlag, bool playing);
    bool _takeFrame(AVStreamFrame& frame);
    // Media seconds from the end of the picture shown's display interval on
    // to the media time (the picture lags when above 0); 0 without one.
    double _timePastShownFrame(double mediaTime) const;
    bool _nextFrameDueAt(double mediaTime) const;
    void _show(const AVStreamFrame& frame);
    // Fills one texture per plane of a picture in the last frame's format,
    // each from the decoder's rows at their own line size.
    void _uploadPicture(const AVFrame* picture, uint32_t colour, uint64_t stamp);
    void _freePendingFrame();
    // After a shown frame: measures how far it lagged behind its time.
    void _logSpeed(double targetSeconds, const AVStreamFrame& frame, bool drawFlag, bool playing);
    void _resetSpeedLog();
    void _freeChromaPlanes();
    AVGLTexture*& _planeSlot(int index) { return index == 0 ? _texture : _chromaPlanes[index - 1]; }

    std::unique_ptr<AVVideoStream> _stream;
    std::unique_ptr<AVMutex> _videoMutex;      // pending frame, frame choice, planes
    // Makes a seek one step from its target to the stream's request: the
    // seek after a sleep reads the latest target, which a seek on another
    // thread may be replacing, and must not overtake that seek's request.
    std::unique_ptr<AVMutex> _seekMutex;
    std::unique_ptr<AVMutex> _thumbnailMutex;
    std::vector<AVPixelBuffer*> _thumbnails;
    const uint32_t _thumbnailHeight;
    std::atomic<double> _inPoint{0.0};
    std::atomic<double> _usedLength{0.0};
    std::atomic<double> _speed{1.0};
    std::atomic<bool> _ready{false};
    std::atomic<bool> _seekPending{false};
    // Set as a seek completes: the stream queues its first frame just after
    // the report, so the pass the report asks for waits for that frame
    // (once, bounded) rather than draw none and ask for no further pass.
    std::atomic<bool> _firstFrameDue{false};
    std::atomic<bool> _closing{false};
    std::atomic<bool> _waitsForFrames{false};
    // A seek asked for while another was in progress: done when it completes.
    std::atomic<bool> _deferredSeek{false};
    std::atomic<double> _deferredSeekTime{0.0}; // media seconds
    std::atomic<double> _soughtMediaTime{0.0};  // of the latest seek made
    AVStreamFrame _pending;  // owns its data while _hasPending
    bool _hasPending = false;
    // Planar frames: the layer's texture holds the first plane, these the others.
    AVGLTexture* _chromaPlanes[2] = {};
    std::atomic<uint32_t> _frameFormat{0};
    std::atomic<int32_t> _frameStride{0};
    std::atomic<int32_t> _frameHeight{0};
    std::atomic<int64_t> _shownFrameMs{-1};
    int32_t _speedLogCount = 0;
    double _speedLogAccumulated = 0.0;
    std::atomic<Callback> _thumbnailCallback{nullptr};
    std::atomic<void*> _thumbnailContext{nullptr};
};
