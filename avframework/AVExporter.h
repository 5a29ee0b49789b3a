#pragma once

#include "AVFFmpegPointers.h"
#include "AVGLContext.h"
#include "AVGLReadback.h"
#include "AVPartialFile.h"
#include "AVSync.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class AVComposition;
class AVExporter;
class AVImageLoader;
class AVThread_QThread_Type;
class QOpenGLContext;
struct AVGLRenderer;

// The video codec the user chose. ProRes selects the QuickTime container but
// no encoder: such an export ends at once with -3.
enum AVExportCodec : int32_t {
    AVExportCodecH264 = 0,
    AVExportCodecHEVC = 1,
    AVExportCodecProRes = 2,
    AVExportCodecVP9 = 3,
};

// Report kinds of AVExporterCallback.
enum AVExporterMessage : int32_t {
    AVExporter_Msg_Progress = 0,       // value 0..1
    AVExporter_Msg_Finished = 1,       // value: 0 success, -1 cancelled, other negatives failures
    AVExporter_Msg_RemainingTime = 2,  // value: seconds, never below 0
};

// Failure codes of the finished report that callers tell the user in words.
enum AVExporterResult : int32_t {
    AVExporterResultFileNotCreated = -11,
    // The unfinished movie's name no longer led to the file the export
    // wrote (moved away, or another file moved onto it).
    AVExporterResultUnfinishedFileReplaced = -21,
    // Another file took the movie's name, and every other name the
    // caller's chooser gave, while the movie was written.
    AVExporterResultMovieNameTaken = -23,
};

// FFmpeg's text for an error code.
std::string avErrorText(int error);

// Called on the export thread; receivers turn the reports into queued signals.
using AVExporterCallback = void (*)(AVExporter* exporter, int32_t message, double value, void* context);

// One output stream of an export and the conversion that feeds its encoder.
struct AVExportStream {
    AVStream* stream = nullptr;
    AVCodecContextPtr encoder;
    int64_t nextPts = 0;      // in encoder time-base units
    int64_t sampleCount = 0;  // audio samples sent, at the encoder's rate
    AVFramePtr frame;         // handed to the encoder
    AVPacketPtr packet;       // what the encoder gives back
    // Video: the scaler from the read-back BGRA picture, made for its size.
    SwsContextPtr scaler;
    int32_t scalerWidth = 0;
    int32_t scalerHeight = 0;
    // Audio: a stretch of the composition's mix, its resampler and the
    // resampled samples waiting to fill whole encoder frames.
    AVFramePtr sourceFrame;
    int32_t samplesPerFrame = 0;
    SwrContextPtr resampler;
    std::vector<uint8_t> mixBuffer;
    int32_t mixFill = 0;
    AVAudioFifoPtr staging;
    bool mixExhausted = false;
};

// The engine's movie writer: what the user chose in the export options, the
// composition it renders from, the report callback, and the export thread
// with the offscreen GL context it draws with. One exporter per export: the
// main window creates it, starts it and frees it after the finished report.
class AVExporter {
public:
    // Video bit rates by quality level 0..5, and audio bit rates by level.
    static uint32_t videoBitRateForLevel(int level, uint32_t frameRate);
    static uint32_t audioBitRateForLevel(int level);
    // "hevc", "prores", "vp9"; any other name is H.264.
    static AVExportCodec codecForName(const std::string& name);

    AVExporter(uint32_t width, uint32_t height, uint32_t videoBitRate, uint32_t frameRate, AVExportCodec codec,
               bool alpha, uint32_t sampleRate, uint32_t channels, uint32_t audioBitRate, std::string path,
               AVGLRenderer* renderer, bool softwareOnly);
    // Cancels a running export and waits for its thread, a bounded time: an
    // exporter whose thread does not end stops the program rather than be
    // freed under it. An owner that cannot wait so long stops it first and,
    // when stop() fails, leaves it and what it draws from.
    ~AVExporter();
    AVExporter(const AVExporter&) = delete;
    AVExporter& operator=(const AVExporter&) = delete;

    void setOwner(void* owner) { _owner = owner; }
    void* owner() const { return _owner; }
    // Both are ignored while an export runs.
    void attachToComposition(AVComposition* composition);
    void detachFromComposition();
    void setImageLoader(AVImageLoader* loader) { _imageLoader = loader; }
    // From the GUI thread, during the export too: a null callback ends the
    // reports, once one under way has returned.
    void setProgressCallback(AVExporterCallback callback, void* context);

    // On the GUI thread, once per exporter: creates the export thread and its
    // GL context and starts it. Nothing without a composition.
    void start();
    // From any thread, before the start too: the export ends with -1 at its
    // next step, or at once when it starts.
    void cancel() { _cancelled = true; }
    // On the GUI thread: cancels the export and waits up to timeoutMs for its
    // thread to end, so that what it draws from may go. Whether it has ended
    // (true when it never started). Its end is still reported.
    bool stop(unsigned long timeoutMs);
    bool isRunning() const { return _running.load(); }

    // The finished movie never replaces a file: when its name was taken
    // while it was written, the chooser (called on the export thread) names
    // another one to try; without a chooser, or when it returns an empty
    // name, the export fails with -23. Set before start().
    void setFreeNameChooser(std::function<std::string()> chooser) { _freeNameChooser = std::move(chooser); }
    // Where the movie is, once an export has finished with 0.
    const std::string& moviePath() const { return _path; }
    // The movie's file as the export named it, once an export finished with
    // 0; no file when another file took its place at once. A caller hands
    // the movie over again only while its name still leads to that file.
    const AVFileIdentity& movieIdentity() const { return _movieIdentity; }
    // Whether the last export failed because the disk took no more (full,
    // or the user's quota used up), whichever step's code it ended with.
    bool ranOutOfDisk() const { return _ranOutOfDisk.load(); }
    // Whether the last export failed because its folder or its file took
    // no more writes (made read-only or locked while the movie rendered).
    bool wasRefusedWriting() const { return _refusedWriting.load(); }

    // Whether the named encoder exists and opens with a 1080p test set-up.
    static bool probeEncoder(const char* name);
    // A new audio frame with buffers (none when count is 0), or null.
    static AVFrame* allocAudioFrame(AVSampleFormat format, const AVChannelLayout* layout, int32_t sampleRate,
                                    int32_t sampleCount);
    // Opens the audio encoder and its resampler from the composition's mix
    // format; 0 or a negative code.
    int openAudio(AVExportStream* audio, AVDictionary** options);

    // For the offscreen-context services and the preview widget.
    AVThread_QThread_Type* thread() const { return _thread; }
    AVGLContextSlot* contextSlot() { return &_glSlot; }
    QOpenGLContext* glContext() const { return _glSlot.context; }
    AVGLRenderer* renderer() const { return _renderer; }
    void setRenderer(AVGLRenderer* renderer) { _renderer = renderer; }

private:
    // The movie being written. Until it is finished it goes to a file of
    // its own beside the path, so that an earlier movie there survives a
    // failed or cancelled export; that file goes with the output.
    struct Output {
        ~Output();
        AVFormatContext* context = nullptr;
        AVPartialFile file;
        AVExportStream video;
        AVExportStream audio;
        bool hasVideo = false;
        bool hasAudio = false;
    };

    // The video encoder's thread and the one picture waiting for it. The
    // export thread draws and converts the next picture while this one is
    // encoded; when the encoder is behind, the export thread waits.
    struct VideoEncoding {
        VideoEncoding(AVExporter* exporter, Output* output);
        // Stops the thread (a picture still waiting is dropped) and waits for it.
        ~VideoEncoding();
        AVExporter* exporter;
        Output* output;
        AVThread_QThread_Type* thread = nullptr;
        // Guarded by the exporter's encoding mutex.
        AVFramePtr waiting;     // the next picture to encode
        bool draining = false;  // the pictures have ended: drain the encoder
        bool stopping = false;
        bool ended = false;     // drained, or failed
        int result = 0;         // 0, or the code of the failure
    };

    static int _threadMain(AVThread_QThread_Type* thread, void* exporter);
    // The export body on the export thread; returns the result code.
    int _run();
    bool _setUpDrawing();
    void _tearDownDrawing();
    void _waitUntilReady(double time);
    int _encodeAll(Output* output, double startTime);
    // Drains the audio encoder, writes the trailer and gives the movie its
    // name; 0, -19 when any of it failed, -21 when the unfinished file's
    // name no longer leads to it, or -23 when the movie's names were taken.
    int _finishFile(Output* output);
    // Moves the finished movie to its name, or to the chooser's next names
    // while they are taken; 0, -23 when every name was taken, or -19.
    int _nameMovie(AVPartialFile* file);
    void _report(int32_t message, double value);
    // Remembers a failed write of the movie that a full disk, or a folder
    // or file that takes no more writes, caused.
    void _noteWriteError(int error, const AVFormatContext* context);
    // Seconds written: the mean of both streams' ends.
    double _exportedTime(const Output& output) const;
    void _reportProgress(double time, double startTime, double* lastReportTime, double* lastProgress);

    // The video encoder an export of the codec uses: the first hardware
    // candidate that opens (none when softwareOnly), else the software one.
    // Empty for ProRes.
    static std::string _videoEncoderName(AVExportCodec codec, bool softwareOnly);
    // Set-up: the container and the streams; 0 or a code of -2 to -12.
    int _openOutput(Output* output);
    // A stream and its encoder context; false when either is not had.
    bool _newStream(Output* output, const AVCodec* codec, AVExportStream* stream);
    AVPixelFormat _videoPixelFormat(const AVCodec* codec) const;
    int _addVideoStream(Output* output);
    int _addAudioStream(Output* output);
    int _openVideo(Output* output);
    int _openFile(Output* output);

    // Packets the encoder has ready, written interleaved; from either
    // thread. 0, or the FFmpeg error of the step that failed (*writeFailed
    // tells which).
    int _writePackets(Output* output, AVExportStream* stream, bool* wrotePacket, bool* writeFailed);
    // Video: one picture (or the drain) per call, handed to the encoding
    // thread; 1 once the stream has ended.
    int _writeVideoFrame(VideoEncoding* encoding);
    // Export thread: waits until the encoding thread takes the picture (null
    // drains and waits for the end); 0, 1 at the end, or the failure's code.
    int _handToEncoder(VideoEncoding* encoding, AVFramePtr picture);
    static int _encodingMain(AVThread_QThread_Type* thread, void* encoding);
    // Encoding thread: one picture, or the drain when null; 0 or a code.
    int _encodeVideo(Output* output, AVFrame* frame);
    // Seconds of the video frame with the presentation time.
    double _frameTime(int64_t pts) const;
    // 1 with the next picture in the encoder frame, 0 after the last one.
    int _readPicture(AVExportStream* video);
    // Queues the read of the composition's front picture; in a drawing pass.
    bool _queueComposedPicture();
    bool _makeScaler(AVExportStream* video, int32_t width, int32_t height);
    // Converts the read-back BGRA picture into the encoder frame.
    bool _scalePicture(AVExportStream* video, AVFrame* picture);
    // Audio: encoder frames from the next stretch of the mix; 1 once ended.
    int _writeAudioFrames(Output* output);
    // The next stretch of the mix in the source frame; false when it is exhausted.
    bool _takeMix(AVExportStream* audio);
    // Null input flushes the resampler.
    int _resample(AVExportStream* audio, const uint8_t** input, int32_t inputSamples);
    int _encodeStaged(Output* output, int32_t samples, bool* wrotePacket);
    int _encodeAudio(Output* output, AVFrame* frame, bool* wrotePacket);
    int _drainAudio(Output* output);

    uint32_t _width;
    uint32_t _height;
    uint32_t _videoBitRate;
    uint32_t _frameRate;
    AVExportCodec _codec;
    uint32_t _sampleRate;
    uint32_t _channels;
    uint32_t _audioBitRate;
    std::string _path;
    bool _alpha;
    bool _softwareOnly;

    void* _owner = nullptr;
    AVGLRenderer* _renderer;
    AVGLContextSlot _glSlot;
    AVGLDrawingContexts _drawingContexts;  // the export context alone
    AVComposition* _composition = nullptr;
    AVImageLoader* _imageLoader = nullptr;
    std::function<std::string()> _freeNameChooser;
    // Guards the callback and its context against a change during a report.
    std::unique_ptr<AVMutex> _callbackMutex;
    AVExporterCallback _callback = nullptr;
    void* _callbackContext = nullptr;
    AVThread_QThread_Type* _thread = nullptr;
    std::atomic<bool> _cancelled{false};
    std::atomic<bool> _running{false};
    std::atomic<bool> _ranOutOfDisk{false};
    std::atomic<bool> _refusedWriting{false};
    // Set on the export thread before its finished report, read after it.
    AVFileIdentity _movieIdentity;
    // Serialises the muxer between the export and encoding threads.
    std::unique_ptr<AVMutex> _muxerMutex;
    // Guard the video encoding's hand-over and signal its changes.
    std::unique_ptr<AVMutex> _encodingMutex;
    std::unique_ptr<AVCondition> _encodingChanged;
    bool _readyWaitExpired = false;  // export thread only
    // Export thread only: the read-back buffer, and whether the picture of
    // the video's next frame was drawn already (during the last frame).
    AVGLReadback _readback;
    bool _drawnAhead = false;
};
