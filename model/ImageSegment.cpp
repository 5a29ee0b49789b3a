#include "ImageSegment.h"

#include "AVImageServices.h"
#include "AVRegularFile.h"
#include "SegmentKeys.h"
#include "SegmentListener.h"
#include "SegmentStyleDefaults.h"
#include "Util.h"

#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRunnable>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const QString kImageType = QStringLiteral("IMAGE");
constexpr int kEditingPictureSide = 600;

bool turnsQuarter(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// The rows of a premultiplied ARGB32 image (BGRA bytes in memory) in a
// malloc'ed buffer, as the engine frees it.
uint8_t* copyPixels(const QImage& image)
{
    const qint64 rowBytes = qint64(image.width()) * 4;
    auto* pixels = static_cast<uint8_t*>(std::malloc(size_t(rowBytes * image.height())));
    if (!pixels)
        return nullptr;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels + rowBytes * y, image.constScanLine(y), size_t(rowBytes));
    return pixels;
}

} // namespace

ImageSegment::ImageSegment(const Segment* source, const QString& file, float start, SegmentListener* owner)
    : ImageSegment(source, file, start, owner, kImageType)
{
}

ImageSegment::ImageSegment(const Segment* source, const QString& file, float start, SegmentListener* owner,
                           const QString& type)
    : LayerSegment(source, start, owner)
{
    setType(type);
    _construct(file);
}

ImageSegment::ImageSegment(const QString& file, float start, float duration, SegmentListener* owner,
                           SegmentStyleDefaults* defaults)
    : LayerSegment(owner)
{
    setType(kImageType);
    setRangeStart(start);
    setRangeDuration(duration);
    touchTimeStamp();
    if (defaults)
        defaults->applyToImageSegment(this);
    _construct(file);
}

ImageSegment::ImageSegment(SegmentListener* owner)
    : LayerSegment(owner)
{
    setType(kImageType);
}

ImageSegment::ImageSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner,
                           bool newlyCreated)
    : LayerSegment(std::move(attributes), owner)
{
    setNewlyCreated(newlyCreated);
    _fillTimeStampFromFile();
    if (owner)
        _loadInBackground();
}

void ImageSegment::_construct(const QString& file)
{
    setFilePath(file);
    if (owner())
        _loadInBackground();
}

void ImageSegment::_loadInBackground()
{
    _startTask(QRunnable::create([this] { loadImage(); }));
}

ImageSegment::~ImageSegment()
{
    _finishPendingTasks();
}

void ImageSegment::setFile(const QString& path)
{
    // The loading task reads the dictionary: let it finish before "File" changes.
    _finishPendingTasks();
    setFilePath(path);
    _closeGif();
    loadImage();
}

void ImageSegment::setAttributes(std::unique_ptr<SegmentAttributes> attributes)
{
    _finishPendingTasks();
    // Finishing drops a load still waiting for a thread (a busy pool, an
    // undo right after a copy): the picture was never read.
    const bool neverLoaded = owner() && state() == 0;
    const QString previousPath = absoluteFilePath();
    LayerSegment::setAttributes(std::move(attributes));
    if (absoluteFilePath() != previousPath) {
        _closeGif();
        loadImage();
    } else if (neverLoaded) {
        _loadInBackground();
    }
}

void ImageSegment::loadImage()
{
    setState(1);
    const QString path = absoluteFilePath();
    if (!avIsRegularFile(path)) {
        // A named pipe or a device in its place is never opened: unreadable.
        setErrorCode(!path.isEmpty() && QFileInfo::exists(path) ? 1 : 2);
    } else {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        reader.setAutoTransform(true);
        const QSize stored = reader.size();
        const qint64 width = stored.width();
        const qint64 height = std::abs(stored.height());
        const float ratio = owner() ? owner()->segmentDevicePixelRatio(this) : 1.0f;
        const int rowHeight = int(trackHeight());
        // Pictures are only scaled down, and only when the reader can tell
        // their size before decoding; otherwise the decoded picture is scaled.
        const QSize target(height > 0 ? int(width * ratio * rowHeight / height) : 0, int(rowHeight * ratio));
        const bool scaleWhileReading = width > 0 && height > 0 && !target.isEmpty()
            && (target.width() < width || target.height() < height);
        if (scaleWhileReading)
            reader.setScaledSize(target);
        QImage picture = reader.canRead() ? reader.read() : QImage();
        QSizeF size(width, height);
        if (!picture.isNull() && (width <= 0 || height <= 0)) {
            size = QSizeF(picture.size());
            if (target.height() > 0 && picture.height() > target.height())
                picture = picture.scaledToHeight(target.height(), Qt::SmoothTransformation);
        } else if (turnsQuarter(reader.transformation())) {
            size.transpose();
        }
        if (picture.isNull()) {
            avLogUnreadableImage(reader);
            setErrorCode(1);
        } else {
            _setPicture(picture, size);
            setErrorCode(0);
        }
    }
    setState(4);
}

void ImageSegment::_setPicture(const QImage& thumbnail, const QSizeF& imageSize)
{
    std::lock_guard<std::mutex> locker(_pictureMutex);
    _thumbnail = thumbnail;
    _imageSize = imageSize;
}

bool ImageSegment::loadGifFrames()
{
    std::unique_lock<std::mutex> locker(_gifMutex);
    if (_gifReader)
        return true;
    const QFileInfo file(absoluteFilePath());
    if ((file.suffix() != QLatin1String("gif") && file.suffix() != QLatin1String("GIF"))
        || !avIsRegularFile(file.filePath()))
        return false;
    auto reader = std::make_unique<QImageReader>(file.filePath());
    if (!reader->canRead() || reader->imageCount() <= 1)
        return false;
    // The delays come from reading every frame once; the frames themselves
    // are decoded again when they are asked for.
    std::vector<float> delays;
    float total = 0.0f;
    for (int frame = 0; frame < reader->imageCount(); ++frame) {
        if (reader->read().isNull())
            break;
        const float delay = float(std::max(0, reader->nextImageDelay()));
        delays.push_back(delay);
        total += delay;
    }
    if (delays.size() <= 1)
        return false;
    qDebug("It is GIF picture. %lu frames. (%f)", static_cast<unsigned long>(delays.size()), double(total));
    reader->setFileName(file.filePath());
    _gifReader = std::move(reader);
    _gifNextIndex = 0;
    _gifFrameDelays = std::move(delays);
    _gifTotalDuration = total;
    locker.unlock();
    _applyGifDuration();
    return true;
}

void ImageSegment::markDirty()
{
    _useGifDuration = true;
    _applyGifDuration();
}

// The picture loads on the pool while the window marks the segment and
// opens the animation for the engine on the GUI thread, in any order: the
// length is taken by whichever of the mark and the opening comes last, once,
// so that a length the user gives later stays.
void ImageSegment::_applyGifDuration()
{
    const float total = gifTotalDuration();
    if (total > 0.0f && _useGifDuration.exchange(false))
        setRangeDuration(total / 1000.0f);
}

void ImageSegment::_closeGif()
{
    // The length was asked for the file inserted, not for one that replaces it.
    _useGifDuration = false;
    std::lock_guard<std::mutex> locker(_gifMutex);
    _gifReader.reset();
    _gifNextIndex = 0;
    _gifFrameDelays.clear();
    _gifTotalDuration = 0.0f;
    _gifFrameCache.clear();
}

int ImageSegment::gifFrameCount() const
{
    std::lock_guard<std::mutex> locker(_gifMutex);
    return int(_gifFrameDelays.size());
}

float ImageSegment::gifTotalDuration() const
{
    std::lock_guard<std::mutex> locker(_gifMutex);
    return _gifTotalDuration;
}

int ImageSegment::_gifFrameIndexAt(int timeMs) const
{
    // The remainder, not repeated subtraction: a GIF whose delays are all 0
    // has no length to subtract, and a late time would take long to reduce.
    if (_gifTotalDuration <= 0.0f || _gifFrameDelays.empty())
        return -1;
    float time = std::fmod(float(timeMs), _gifTotalDuration);
    if (time < 0.0f)
        time += _gifTotalDuration;
    float sum = 0.0f;
    int added = 0;
    for (float delay : _gifFrameDelays) {
        if (sum > time)
            break;
        sum += delay;
        ++added;
    }
    return added - 1;
}

uint8_t* ImageSegment::gifFrameAt(int timeMs, int maxWidth, int maxHeight, QSize* outSize)
{
    std::lock_guard<std::mutex> locker(_gifMutex);
    if (!_gifReader)
        return nullptr;
    const int index = _gifFrameIndexAt(timeMs);
    if (index < 0)
        return nullptr;
    QImage frame = _gifFrame(index);
    if (frame.isNull())
        return nullptr;
    if (maxWidth > 0 && maxHeight > 0 && (frame.width() > maxWidth || frame.height() > maxHeight))
        frame = frame.scaled(maxWidth, maxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (outSize)
        *outSize = frame.size();
    return copyPixels(frame);
}

QImage ImageSegment::_gifFrame(int index)
{
    const auto cached = _gifFrameCache.constFind(index);
    if (cached != _gifFrameCache.constEnd())
        return *cached;
    if (index < _gifNextIndex) {
        _gifReader->setFileName(_gifReader->fileName());
        _gifNextIndex = 0;
    }
    QImage frame;
    while (_gifNextIndex <= index) {
        frame = _gifReader->read();
        if (frame.isNull())
            return QImage();
        ++_gifNextIndex;
    }
    frame = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    _gifFrameCache.insert(index, frame);
    return frame;
}

QSizeF ImageSegment::imageSize() const
{
    std::lock_guard<std::mutex> locker(_pictureMutex);
    return _imageSize;
}

QImage ImageSegment::thumbnail() const
{
    std::lock_guard<std::mutex> locker(_pictureMutex);
    return _thumbnail;
}

QPixmap ImageSegment::pixmap() const
{
    return QPixmap::fromImage(Util::readImage(absoluteFilePath(), kEditingPictureSide));
}

bool ImageSegment::isLoaded() const
{
    return hasContent();
}

double ImageSegment::timeStamp() const
{
    return _fileTimeStamp();
}

bool ImageSegment::leafFlag() const
{
    return _timeStampCameFromFile();
}

bool ImageSegment::hasContent() const
{
    return !thumbnail().isNull() || errorCode() != 0;
}

void ImageSegment::paintTimelineBody(QPainter* painter, const QRect& rect, float)
{
    if (paintLoadError(painter, rect))
        return;
    const QImage picture = thumbnail();
    if (picture.isNull() || !rect.isValid())
        return;
    // A picture far taller than wide gives tiles under a pixel: nothing to lay.
    const int tileWidth = int(qint64(picture.width()) * rect.height() / picture.height());
    if (tileWidth <= 0)
        return;
    for (int left = rect.left(); left <= rect.right(); left += tileWidth)
        painter->drawImage(QRect(left, rect.top(), tileWidth, rect.height()), picture);
}

LayerTransform ImageSegment::mediaLayerTransform(const QSizeF& canvas) const
{
    return _fittedLayerTransform(imageSize(), canvas);
}

QString ImageSegment::text() const
{
    return fileDisplayName();
}
