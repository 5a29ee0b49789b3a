#pragma once

#include "AVLayerSegment.h"

#include <memory>
#include <string>

// A picture with many frames (an animated image, a drawing played as a
// sequence): each preparation asks the application for the picture of its
// local time through the image request callback.
class AVAnimatableImageSegment : public AVLayerSegment {
public:
    AVAnimatableImageSegment(double start, double duration, const char* path, uint32_t width, uint32_t height);
    ~AVAnimatableImageSegment() override;

    void sleep(bool exporting) override;
    // Pictures are asked for as they are drawn: waking reads nothing, and a
    // request that found no picture is made again at the next preparation.
    void wake() override;
    // Asks for the frame at trunc((time - start) x 1000) ms; status is the
    // request's error (0, 1 for an empty picture, 2 for none).
    void prepareAt(double time, bool drawFlag, bool playing) override;
    void setImage(AVPixelBuffer* buffer) override;
    uint32_t pictureRotation() const override { return 0; }

    const std::string& path() const { return _path; }

private:
    // Statuses of a request: an empty picture, no picture.
    static constexpr int32_t kEmptyPicture = 1;
    static constexpr int32_t kNoPicture = 2;

    const std::string _path;
    std::unique_ptr<AVMutex> _imageMutex;
};
