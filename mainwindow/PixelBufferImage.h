#pragma once

#include <QImage>

struct AVPixelBuffer;

// An engine pixel buffer seen as a QImage without copying its pixels.
class PixelBufferImage
{
public:
    // Takes the buffer: a format-1 buffer (blue, green, red, alpha,
    // premultiplied, top row first) becomes an image that frees the buffer
    // with its last copy. Any other format would be misread, so it is
    // refused: the buffer is freed at once and the image is null.
    static QImage adopt(AVPixelBuffer* buffer);
};
