#pragma once

#include "AVContent.h"
#include "AVFFmpegPointers.h"
#include "AVSync.h"
#include "AVThread_QThread_Type.h"

#include <atomic>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

// The device type tried for hardware decoding.
extern const char* const kAVHardwareDeviceType;

// Open failures of a stream (FFmpeg's own negative codes pass through too).
enum AVStreamError : int32_t {
    AVStreamStreamInfoFailed = -3,
    AVStreamNoAudioDecoder = -4,
    AVStreamAudioDecoderOpenFailed = -5,
    AVStreamNoAudioStream = -6,
    AVStreamNoVideoDecoder = -7,
    AVStreamNoVideoStream = -9,
};

// How far apart two media times may lie and still name the same instant:
// well below any frame's length, above the rounding of container time bases
// (whole milliseconds in Matroska) and of sums like start + n / rate.
constexpr double kAVTimeTolerance = 0.001;

// A compressed packet and the seek serial current when it was read.
struct AVStreamPacket {
    AVPacketPtr packet; // null: no more packets for now (end of file or stop)
    uint32_t serial = 0;
};

struct AVMallocFreer {
    void operator()(uint8_t* block) const { std::free(block); }
};
using AVMallocPtr = std::unique_ptr<uint8_t, AVMallocFreer>;

// A decoded frame as the decoding loops queue it; the codes and sizes are
// described by the audio and video streams. An entry owns what it holds and
// moves from the decoding thread to whoever takes it.
struct AVStreamFrame {
    AVMallocPtr data;   // sound samples or converted pixels; null for a picture
    AVFramePtr picture; // a decoded picture in a layout the renderer uploads as it is
    uint32_t format = 0;
    int32_t stride = 0;
    int32_t height = 0;
    int32_t width = 0;
    int32_t size = 0;
    double time = 0.0;
    double duration = 0.0;
    uint32_t serial = 0;
    uint32_t colour = 0;
};

// One elementary stream of a media file, read and decoded on three threads:
// a load thread that opens the file once, a read thread that fills a bounded
// packet queue, and a decoding thread (the subclass's decodeLoop) that fills
// a bounded frame queue. A seek is carried out by the read thread; the serial
// number it raises makes both queue ends drop what belonged to the old
// position. Limits of 0 put both threads to sleep.
class AVStreamBase : public AVContent {
public:
    using LoadCallback = void (*)(AVStreamBase* stream, int32_t result, void* context);
    // Runs on the load thread, with the file's path, once the opening has
    // ended and before the load is reported (an open file's reader already
    // runs then). Tests hold a load there to widen that gap; none is set
    // otherwise.
    using OpenedHook = void (*)(const char* path);
    static void setOpenedHook(OpenedHook hook);

    explicit AVStreamBase(const char* path);
    ~AVStreamBase() override;

    uint8_t* popFrame(int32_t* size, double* time, uint32_t* format, int32_t* stride, int32_t* height,
                      int32_t* width, uint32_t* colour, bool wait) override;
    // The next frame of the current seek, moved into frame, as popFrame finds
    // it; false when none comes (frame is left as it was).
    bool takeFrame(AVStreamFrame& frame, bool wait);
    void size(uint32_t* width, uint32_t* height) override;
    void seek(double time, SeekCallback callback, void* context, bool exact) override;
    uint8_t* decodeImageAt(double time, int32_t* byteSize) override;

    // Waits, bounded as popFrame is, until a frame is queued or none can come
    // (the decoder ended or sleeps); whether one is queued.
    bool waitForFrame();

    virtual bool sleep();
    virtual bool awaken();
    virtual int32_t open(bool isAudio);

    void startLoad(bool isAudio, LoadCallback callback, void* context);
    double duration() const;
    // Where media time 0 lies in the file's own timestamps (seconds): its
    // first picture, or for files without pictures the first sample.
    // MPEG-TS and encoder delays put it after 0.
    double startTime() const { return _startTime.load(); }

    bool isLoading() const { return _loading.load(); }
    bool isOpen() const { return _opened.load(); }
    bool decodeEnded() const { return _decodeEnded.load(); }
    bool readEnded() const { return _readEnded.load(); }
    bool isAtEnd() const { return _atEnd.load(); }
    void setSoftwareOnly(bool softwareOnly) { _softwareOnly.store(softwareOnly); }
    bool isSoftwareOnly() const { return _softwareOnly.load(); }
    uint32_t id() const { return _id; }
    uint32_t serial() const { return _serial.load(); }
    // The open file, for reading its tags; null before a successful open.
    AVFormatContext* formatContext() const { return _formatContext.get(); }
    // Ends the load, read and decoding threads. Subclass destructors call it
    // first: the threads run their virtual functions. An owner whose
    // callbacks reach the stream through its own pointer calls it before
    // letting go of that pointer.
    void stopThreads();

protected:
    static constexpr uint32_t kAudioPacketLimit = 16;
    static constexpr uint32_t kAudioFrameLimit = 8;
    static constexpr uint32_t kVideoPacketLimit = 4;
    static constexpr uint32_t kVideoFrameLimit = 2;

    virtual void decodeLoop() {}

    // Waits for a load that is still running, so that what it reads can be
    // replaced.
    void waitForLoad();

    void startReading(int32_t streamIndex, uint32_t packetLimit);
    void startDecoding(uint32_t frameLimit);
    void stopReading();
    void stopDecoding();

    AVStreamPacket popPacket();
    // Moves the frame into the queue. False when it was dropped (stale serial
    // or stop); what it held is freed then.
    bool pushFrame(AVStreamFrame& frame);
    // popFrame's hand-over: the entry's facts into the outputs that are given
    // and its bytes to the caller; all 0 and null when it holds no bytes.
    static uint8_t* handOut(AVStreamFrame& frame, int32_t* size, double* time, uint32_t* format, int32_t* stride,
                            int32_t* height, int32_t* width, uint32_t* colour);
    void flushPackets();
    void flushFrames();
    // For the decoding loops: whether entry is the first packet after a seek,
    // so that the decoder must be flushed. lastSerial is the loop's own record
    // of the serial it decodes (0 before the first packet).
    bool beginsSeek(const AVStreamPacket& entry, uint32_t& lastSerial);
    // Calls the seek callback, when one is set, with the first result of the
    // seek that began serial. False, and nothing called, when the serial has
    // moved on since: a later seek waits for its own result.
    bool reportSeek(uint32_t serial, const uint8_t* data, int32_t size, double time);
    // A media time in the units of the stream's frame times and seek reports.
    virtual double positionOf(double seconds) const { return seconds; }
    // The media time of a timestamp in the stream's time base.
    double mediaTime(int64_t stamp) const;
    // For the decoding loops: the first frame after the exact seek of serial
    // lies past its target (the file was sought to a packet the decoder
    // cannot start from). Asks the read thread to seek again further before
    // the target; false when the seek has moved on or already starts at the
    // beginning of the media.
    bool seekEarlier(uint32_t serial);
    // The lead (seconds before target) to seek with after lead: 1 s, then
    // twice as much, then the start of the media.
    static double nextSeekLead(double lead, double target);
    // Whether work of serial belongs to the current position: no seek is
    // asked for or under way.
    bool isCurrent(uint32_t serial) const;
    // Sets decodeEnded unless a seek has moved on from serial; wakes consumers.
    void markDecodeEnded(uint32_t serial);

    // Opens the decoder context when it is not open, with hardware when
    // possible; 0 or FFmpeg's error. One for single still pictures decodes
    // on one thread: frame threads would first decode a frame each before
    // the first picture after a seek comes out, and drop them at the next.
    int32_t findHWDecoder(bool forStills = false);
    // Closes the decoder and releases the hardware device while the
    // process-wide codec flag is set; closeDecoder does so in any case.
    void closeCodecTemporarily();
    void closeDecoder();
    bool usesHardwareFrames(const AVFrame* frame) const;
    // Seeks the open file to time on the chosen stream; FFmpeg's result.
    // The caller holds the format lock.
    int32_t seekFile(double time);
    bool isAttachedPicture() const;
    // Guards the count of thumbnail passes under way.
    static AVMutex* codecOpenMutex();
    // Thumbnail extraction runs in at most as many streams at once as the
    // machine has cores (each pass decodes on one thread): a pass enters,
    // waiting for its turn, and leaves once done.
    static void enterThumbnailPass();
    static void leaveThumbnailPass();

    std::string _path;
    AVFormatContextPtr _formatContext;
    std::atomic<bool> _opened{false}; // _formatContext is set (read by other threads)
    std::atomic<uint32_t> _serial{1};
    std::atomic<bool> _seekRequest{false};
    std::atomic<bool> _seekDone{false};
    std::atomic<bool> _seeking{false}; // the read thread is carrying out a seek
    std::atomic<bool> _paused{false};
    std::atomic<bool> _atEnd{false};
    std::atomic<bool> _exactSeek{true};
    // How far before the seek target the file is sought (seconds): raised
    // by seekEarlier, 0 for every new seek.
    std::atomic<double> _seekLead{0.0};
    std::atomic<double> _startTime{0.0};
    AVStream* _stream = nullptr;
    AVCodecContextPtr _codecContext;
    const AVCodec* _codec = nullptr;
    AVBufferRefPtr _hwDevice;
    std::atomic<int32_t> _hwPixelFormat{-1};
    std::atomic<int32_t> _kind{0}; // 1 audio, 0 video
    const uint32_t _id;

    std::atomic<bool> _readStop{false};
    std::atomic<bool> _readEnded{false};
    std::atomic<int32_t> _streamIndex{-1};
    std::atomic<bool> _decodeStop{false};
    std::atomic<bool> _decodeEnded{false};
    std::atomic<bool> _softwareOnly{false};
    // Set when the stream is being destroyed: a load still running ends early
    // and starts no threads.
    std::atomic<bool> _closing{false};

    // Held around every use of the format context: the read thread's reads
    // and seeks, and the still-picture paths that read the file themselves.
    std::unique_ptr<AVMutex> _formatMutex;
    // Makes sleep and awaken, called from any engine thread, whole steps:
    // each checks both limits and then sets them.
    std::unique_ptr<AVMutex> _limitsMutex;
    std::unique_ptr<AVMutex> _packetMutex;
    std::unique_ptr<AVCondition> _packetCondition;
    std::unique_ptr<AVMutex> _frameMutex;
    std::unique_ptr<AVCondition> _frameCondition;

private:
    struct ThreadFreer {
        void operator()(AVThread_QThread_Type* thread) const { avThreadFree(thread); }
    };
    using ThreadPtr = std::unique_ptr<AVThread_QThread_Type, ThreadFreer>;

    static int _loadEntry(AVThread_QThread_Type* thread, void* stream);
    static int _readEntry(AVThread_QThread_Type* thread, void* stream);
    static int _decodeEntry(AVThread_QThread_Type* thread, void* stream);
    static AVPixelFormat _negotiateFormat(AVCodecContext* context, const AVPixelFormat* formats);

    // The duration that the stream or container headers state; 0 when none.
    double _headerDuration() const;
    int32_t _openAudio();
    int32_t _openVideo();
    AVCodecContextPtr _newDecoderContext(bool allowHardware, bool singleThread);
    bool _setUpHardware(AVCodecContext* context);
    void _readLoop();
    void _performSeek();
    void _queuePacket(AVPacketPtr packet, uint32_t serial);
    void _findStartTime();

    // Where the last packet ends, found at open for files whose headers state no duration.
    std::atomic<double> _scannedDuration{0.0};
    ThreadPtr _loadThread;
    LoadCallback _loadCallback = nullptr;
    void* _loadCallbackContext = nullptr;
    std::atomic<bool> _loading{false};
    ThreadPtr _readThread;
    std::atomic<bool> _readerStarted{false}; // seen by other threads than the loader
    std::deque<AVStreamPacket> _packets;
    std::atomic<uint32_t> _packetLimit{0};
    ThreadPtr _decodeThread;
    std::deque<AVStreamFrame> _frames;
    std::atomic<uint32_t> _frameLimit{0};
};
