#include "AVImageServices.h"

#include "AVGeometry.h"

#include <QColorSpace>
#include <QDebug>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

QMutex servicesMutex;
AVImageRequestCallback requestCallback = nullptr;
void* requestOwner = nullptr;
int32_t compositionWidth = 0;
int32_t compositionHeight = 0;

QSize compositionSize()
{
    QMutexLocker locker(&servicesMutex);
    return QSize(compositionWidth, compositionHeight);
}

// The size the picture should be decoded at, or an empty size when it fits.
QSize fittedSize(const QSize& picture, int longSide)
{
    if (longSide <= 0 || picture.isEmpty())
        return QSize();
    AVVec4 square;
    avVec4Make(&square, 0, 0, float(longSide), float(longSide));
    AVVec4 fit;
    avRectAspectFit(&fit, float(picture.width()), float(picture.height()), square);
    if (picture.width() <= fit.z && picture.height() <= fit.w)
        return QSize();
    // A thin picture's short side can fit to less than a pixel; a decoder
    // asked for zero rows fails instead of giving one.
    return QSize(std::max(int(fit.z), 1), std::max(int(fit.w), 1));
}

bool needsConversion(const QColorSpace& space)
{
    switch (space.primaries()) {
    case QColorSpace::Primaries::SRgb:
        return false;
    case QColorSpace::Primaries::AdobeRgb:
    case QColorSpace::Primaries::DciP3D65:
    case QColorSpace::Primaries::ProPhotoRgb:
        return true;
    case QColorSpace::Primaries::Custom:
        break;
    }
    switch (space.transferFunction()) {
    case QColorSpace::TransferFunction::SRgb:
        return false;
    case QColorSpace::TransferFunction::Gamma: {
        // The toolkit gives the decoding exponent (2.2 for a display gamma);
        // sRGB-like means an encoding exponent, its inverse, near 1/2.2.
        const float gamma = 1.0f / space.gamma();
        if (gamma >= 0.4f && gamma <= 0.55f) {
            qDebug() << "Custom color space with sRGB-like gamma:" << gamma << ", keeping original";
            return false;
        }
        qDebug() << "Custom color space with unusual gamma:" << gamma << ", converting to sRGB";
        return true;
    }
    default:
        qDebug() << "Custom color space with non-sRGB transfer function, converting";
        return true;
    }
}

void convertToSRgb(QImage* image)
{
    const QColorSpace space = image->colorSpace();
    if (!space.isValid() || !needsConversion(space))
        return;
    qDebug() << "Converting color space from" << space << "to sRGB";
    image->convertToColorSpace(QColorSpace::SRgb);
}

// Copies a 32-bit image row by row into a new format-1 buffer.
AVPixelBuffer* toPixelBuffer(const QImage& image)
{
    AVPixelBuffer* buffer = avPixelBufferCreate(uint32_t(image.width()), uint32_t(image.height()),
                                                AVPixelFormatBGRA32);
    if (!buffer)
        return nullptr;
    const size_t rowBytes = size_t(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(buffer->data + rowBytes * size_t(y), image.constScanLine(y), rowBytes);
    return buffer;
}

AVPixelBuffer* decode(QImageReader& reader, bool scaleAfterDecoding, int32_t* outError)
{
    const QSize raw = reader.size();
    qDebug() << "Picture raw size " << raw.width() << std::abs(raw.height());
    const QSize size = compositionSize();
    const QSize fitted = fittedSize(raw, std::max(size.width(), size.height()));
    int target = 0;
    if (fitted.isValid() && scaleAfterDecoding)
        target = std::max(fitted.width(), fitted.height());
    else if (fitted.isValid())
        reader.setScaledSize(fitted);

    QImage image = reader.read();
    if (image.isNull()) {
        *outError = 1;
        avLogUnreadableImage(reader);
        return nullptr;
    }
    if (target > 0)
        image = image.scaled(target, target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    convertToSRgb(&image);
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    AVPixelBuffer* buffer = toPixelBuffer(image);
    if (!buffer)
        *outError = 1;
    return buffer;
}

} // namespace

void avSetImageRequestCallback(AVImageRequestCallback callback, void* owner)
{
    QMutexLocker locker(&servicesMutex);
    requestCallback = callback;
    requestOwner = owner;
}

void avSetImageServicesCompositionSize(int32_t width, int32_t height)
{
    QMutexLocker locker(&servicesMutex);
    compositionWidth = std::max(width, 0);
    compositionHeight = std::max(height, 0);
}

AVPixelBuffer* avReadImageFile(const char* path, int32_t* outRotation, int32_t* outError, bool scaleAfterDecoding)
{
    QElapsedTimer timer;
    timer.start();
    *outError = 0;
    QImageReader reader(QString::fromUtf8(path));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    AVPixelBuffer* buffer = nullptr;
    if (reader.canRead()) {
        buffer = decode(reader, scaleAfterDecoding, outError);
    } else {
        *outError = 2;
        avLogUnreadableImage(reader);
    }
    if (buffer && outRotation)
        *outRotation = 0;
    qDebug() << "Create bitmap time " << timer.elapsed();
    return buffer;
}

AVPixelBuffer* avRequestImage(int32_t segmentId, int32_t timeMs, int32_t* outError)
{
    AVImageRequestCallback callback;
    void* owner;
    int32_t maxWidth;
    int32_t maxHeight;
    {
        QMutexLocker locker(&servicesMutex);
        callback = requestCallback;
        owner = requestOwner;
        maxWidth = compositionWidth;
        maxHeight = compositionHeight;
    }
    *outError = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* bytes = callback ? callback(owner, segmentId, timeMs, maxWidth, maxHeight, &width, &height) : nullptr;
    if (!bytes) {
        *outError = 2;
        return nullptr;
    }
    AVPixelBuffer* buffer = nullptr;
    if (width > 0 && height > 0)
        buffer = avPixelBufferWrap(bytes, uint32_t(width), uint32_t(height), AVPixelFormatBGRA32);
    else
        std::free(bytes);
    if (!buffer)
        *outError = 1;
    return buffer;
}

void avLogUnreadableImage(const QImageReader& reader)
{
    qWarning().noquote() << QStringLiteral("Read image error: (%1) %2: %3")
                                .arg(int(reader.error()))
                                .arg(reader.errorString(), reader.fileName());
}
