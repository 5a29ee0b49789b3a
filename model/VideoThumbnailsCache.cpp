#include "VideoThumbnailsCache.h"

#include "Util.h"

#include <QDebug>

VideoThumbnailsCache::VideoThumbnailsCache(QObject* parent)
    : QObject(parent)
    , _folder(Util::cacheLocation())
{
    _folderReady = _folder.mkpath(QStringLiteral("Thumbnails")) && _folder.cd(QStringLiteral("Thumbnails"));
}

VideoThumbnailsCache::~VideoThumbnailsCache()
{
    qDebug("VideoThumbnailsCache destroyed");
}

VideoThumbnails* VideoThumbnailsCache::_thumbnailsFor(const QString& moviePath)
{
    std::shared_ptr<VideoThumbnails>& entry = _entries[moviePath];
    if (!entry)
        entry = std::make_shared<VideoThumbnails>(moviePath, _folder);
    return entry.get();
}

VideoThumbnails* VideoThumbnailsCache::thumbnails(const QString& moviePath)
{
    std::lock_guard<std::mutex> locker(_mutex);
    return _thumbnailsFor(moviePath);
}

QImage VideoThumbnailsCache::thumbnail(const QString& moviePath, int index)
{
    std::lock_guard<std::mutex> locker(_mutex);
    return _thumbnailsFor(moviePath)->thumbnail(index);
}

int VideoThumbnailsCache::thumbnailCount(const QString& moviePath)
{
    std::lock_guard<std::mutex> locker(_mutex);
    return _thumbnailsFor(moviePath)->count();
}

bool VideoThumbnailsCache::hasThumbnails(const QString& moviePath)
{
    std::lock_guard<std::mutex> locker(_mutex);
    return !_thumbnailsFor(moviePath)->thumbnail(0).isNull();
}

void VideoThumbnailsCache::setThumbnail(const QString& moviePath, const QImage& picture, int index)
{
    std::lock_guard<std::mutex> locker(_mutex);
    _thumbnailsFor(moviePath)->setThumbnail(index, picture);
}

void VideoThumbnailsCache::saveAll()
{
    // Written outside the cache lock (each entry has its own), so painting
    // and thumbnail tasks are not held up by the disk; the shared pointers
    // keep the entries alive meanwhile.
    QList<std::shared_ptr<VideoThumbnails>> entries;
    {
        std::lock_guard<std::mutex> locker(_mutex);
        entries = _entries.values();
    }
    for (const auto& entry : entries)
        entry->save();
}
