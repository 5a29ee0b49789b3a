#pragma once

#include "AVLayerSegment.h"

#include <atomic>
#include <memory>
#include <string>

class AVImageLoader;

// A still picture on the time line. Its file is read by the shared image
// loader when the segment wakes; the picture is uploaded at the next
// preparation and kept in memory while the segment is shown, so that it
// comes back without reading the file again.
class AVImageSegment : public AVLayerSegment {
public:
    AVImageSegment(AVImageLoader* loader, double start, double duration, const char* path, uint32_t width,
                   uint32_t height);
    // Leaves the loader first: a read of its file is dropped, a delivery
    // under way is waited for.
    ~AVImageSegment() override;

    bool isReady() const override { return _ready.load(); }
    void sleep(bool exporting) override;
    void wake() override;
    void prepareAt(double time, bool drawFlag, bool playing) override;
    void setImage(AVPixelBuffer* buffer) override;
    uint32_t pictureRotation() const override { return _rotation.load(); }

    const std::string& path() const { return _path; }
    bool isQueued() const { return _queued.load(); }
    // From the loader's worker: the picture read (or null) and its status.
    void loadCompleted(AVPixelBuffer* picture, uint32_t rotation, int32_t status);

private:
    const std::string _path;
    AVImageLoader* const _loader;
    std::unique_ptr<AVMutex> _imageMutex;
    std::atomic<bool> _queued{false};
    std::atomic<bool> _ready{true};
    std::atomic<uint32_t> _rotation{0};
};
