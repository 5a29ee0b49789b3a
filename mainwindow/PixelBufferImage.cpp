#include "PixelBufferImage.h"

#include "AVPixelBuffer.h"

namespace {

void freePixelBuffer(void* buffer)
{
    avPixelBufferFree(static_cast<AVPixelBuffer*>(buffer));
}

} // namespace

QImage PixelBufferImage::adopt(AVPixelBuffer* buffer)
{
    if (!buffer)
        return QImage();
    if (buffer->format != AVPixelFormatBGRA32 || !buffer->data) {
        avPixelBufferFree(buffer);
        return QImage();
    }
    const int width = int(avPixelBufferWidth(buffer));
    const int height = int(avPixelBufferHeight(buffer));
    QImage image(buffer->data, width, height, width * 4, QImage::Format_ARGB32_Premultiplied,
                 &freePixelBuffer, buffer);
    if (image.isNull())
        avPixelBufferFree(buffer);
    return image;
}
