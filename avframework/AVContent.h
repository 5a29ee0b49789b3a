#pragma once

#include <atomic>
#include <cstdint>

// Anything the engine's segments take decoded media from: frames in time
// order, a picture size, seeks and single still pictures.
class AVContent {
public:
    // Called with the first frame decoded after a seek (data and size valid
    // only during the call; a picture's data is its first plane and size the
    // bytes popFrame would hand out), or once with size 0 when no such frame comes:
    // the media ends first or the file refuses the seek. time is in the
    // stream's own units (seconds for pictures, output samples for sound).
    using SeekCallback = void (*)(AVContent* content, const uint8_t* data, int32_t size, double time,
                                  void* context);

    AVContent() = default;
    virtual ~AVContent() = default;
    AVContent(const AVContent&) = delete;
    AVContent& operator=(const AVContent&) = delete;

    // The next frame of the current seek, owned by the caller (free with
    // free()), or null. Every output but size may be null.
    virtual uint8_t* popFrame(int32_t* size, double* time, uint32_t* format, int32_t* stride, int32_t* height,
                              int32_t* width, uint32_t* colour, bool wait) = 0;
    virtual void size(uint32_t* width, uint32_t* height) = 0;
    virtual void seek(double time, SeekCallback callback, void* context, bool exact) = 0;
    // A still picture decoded on the caller's thread (free with free()), or null.
    virtual uint8_t* decodeImageAt(double time, int32_t* byteSize) = 0;

protected:
    std::atomic<double> _seekTime{0.0};
    std::atomic<SeekCallback> _seekCallback{nullptr};
    std::atomic<void*> _seekCallbackContext{nullptr};
};
