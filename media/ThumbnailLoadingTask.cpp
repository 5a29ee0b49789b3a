#include "ThumbnailLoadingTask.h"

#include "AVAudioStream.h"
#include "AVGeometry.h"
#include "AVVideoStream.h"
#include "LocalFilesWidget.h"

#include <QImageReader>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {
constexpr float kThumbnailSide = 320.0f;
const char* const kAudioPlaceholder = ":/images/media-explorer/audio_placeholder_dark";

// The largest rectangle of the aspect w x h inside the thumbnail square.
AVVec4 fittedIntoThumbnail(float w, float h)
{
    AVVec4 fitted;
    AVVec4 square;
    avVec4Make(&square, 0.0f, 0.0f, kThumbnailSide, kThumbnailSide);
    avRectAspectFit(&fitted, w, h, square);
    return fitted;
}

struct FreeBuffer {
    void operator()(uint8_t* data) const { std::free(data); }
};
} // namespace

ThumbnailLoadingTask::ThumbnailLoadingTask(LocalFilesTaskReceiverPtr receiver, const QFileInfo& file, int type,
                                           int row)
    : _receiver(std::move(receiver))
    , _file(file)
    , _type(type)
    , _row(row)
{
    setAutoDelete(true);
}

void ThumbnailLoadingTask::run()
{
    // A page that has gone needs no decoding.
    if (!_receiver->report([](LocalFilesWidget* page) { emit page->beginLoadingThumbnail(); }))
        return;
    QString metadata;
    const QImage image = loadThumbnail(_file, _type, &metadata);
    _receiver->report([&](LocalFilesWidget* page) { emit page->finishLoadingThumbnail(image, _file, _row, metadata); });
}

QImage ThumbnailLoadingTask::loadThumbnail(const QFileInfo& file, int type, QString* metadata)
{
    const QString path = file.absoluteFilePath();
    switch (type) {
    case LocalFileVideo:
        return loadVideoThumbnail(path, metadata);
    case LocalFilePicture:
        return loadImageThumbnail(path, metadata);
    case LocalFileAudio:
        return loadAudioThumbnail(path, metadata);
    default:
        metadata->clear();
        return QImage();
    }
}

QImage ThumbnailLoadingTask::loadImageThumbnail(const QString& path, QString* metadata)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    int width = 0;
    int height = 0;
    QImage image;
    if (reader.canRead()) {
        width = reader.size().width();
        height = std::abs(reader.size().height());
        const AVVec4 fitted = fittedIntoThumbnail(width, height);
        // Smaller pictures are not enlarged.
        if (width > fitted.z || height > fitted.w)
            reader.setScaledSize(QSize(int(fitted.z), int(fitted.w)));
        image = reader.read();
    }
    *metadata = QString("%1x%2").arg(width).arg(height);
    return image;
}

QImage ThumbnailLoadingTask::loadAudioThumbnail(const QString& path, QString* metadata)
{
    AVAudioStream stream(path.toUtf8().constData(), 44100, 2);
    if (stream.openForMetadata() != 0) {
        *metadata = LocalFilesWidget::formatDuration(0.0);
        return QImage();
    }
    *metadata = LocalFilesWidget::formatDuration(stream.duration());
    int32_t size = 0;
    const uint8_t* cover = stream.readCoverArt(&size);
    QImage image;
    if (cover)
        image = QImage::fromData(cover, size);
    return image.isNull() ? QImage(kAudioPlaceholder) : image;
}

QImage ThumbnailLoadingTask::loadVideoThumbnail(const QString& path, QString* metadata)
{
    AVVideoStream stream(path.toUtf8().constData(), int32_t(kThumbnailSide), int32_t(kThumbnailSide));
    if (stream.openAndReadRotation() != 0) {
        *metadata = QString("%1;%2x%3;%4").arg(LocalFilesWidget::formatDuration(0.0)).arg(0).arg(0).arg(0);
        return QImage();
    }
    uint32_t width = 0;
    uint32_t height = 0;
    stream.size(&width, &height);
    *metadata = QString("%1;%2x%3;%4")
                    .arg(LocalFilesWidget::formatDuration(stream.duration()))
                    .arg(width)
                    .arg(height)
                    .arg(stream.rotation());
    uint32_t outputWidth = 0;
    uint32_t outputHeight = 0;
    stream.outputSize(&outputWidth, &outputHeight);
    if (outputWidth == 0 || outputHeight == 0)
        return QImage();
    const AVVec4 fitted = fittedIntoThumbnail(outputWidth, outputHeight);
    int32_t pictureWidth = 0;
    int32_t pictureHeight = 0;
    int32_t byteSize = 0;
    double time = 0.0;
    const std::unique_ptr<uint8_t, FreeBuffer> pixels(
        stream.grabImageAt(0.0, avSizeMake(std::round(fitted.z), std::round(fitted.w)), false, &pictureWidth,
                           &pictureHeight, &byteSize, &time));
    if (!pixels || pictureWidth <= 0 || pictureHeight <= 0
        || qint64(byteSize) < qint64(pictureWidth) * pictureHeight * 4)
        return QImage();
    // Converting copies the pixels, so the buffer can go.
    return QImage(pixels.get(), pictureWidth, pictureHeight, pictureWidth * 4, QImage::Format_ARGB32)
        .convertToFormat(QImage::Format_RGB16);
}
