#pragma once

#include "VideoThumbnails.h"

#include <QHash>
#include <QObject>

#include <memory>

// The timeline pictures of every movie file of the open project, shared by
// the segments of one file. They stay in memory and are written to the
// folder "Thumbnails" of the cache location by saveAll, so that the next
// opening of a project finds them on disk before the engine is asked.
// The cache lock is always taken before an entry's own lock.
class VideoThumbnailsCache : public QObject
{
public:
    explicit VideoThumbnailsCache(QObject* parent = nullptr);
    ~VideoThumbnailsCache() override;

    // The entry of a movie file, made on first use; the cache owns it.
    VideoThumbnails* thumbnails(const QString& moviePath);
    QImage thumbnail(const QString& moviePath, int index);
    int thumbnailCount(const QString& moviePath);
    // Whether picture 0 is in memory or on disk.
    bool hasThumbnails(const QString& moviePath);
    void setThumbnail(const QString& moviePath, const QImage& picture, int index);
    void saveAll();
    QDir folder() const { return _folder; }

private:
    // Called with the cache lock held.
    VideoThumbnails* _thumbnailsFor(const QString& moviePath);

    QHash<QString, std::shared_ptr<VideoThumbnails>> _entries;
    QDir _folder;
    bool _folderReady = false;
    std::mutex _mutex;
};
