#include "LocalThumbnailsCache.h"

#include "ThumbnailsCacheFolder.h"
#include "Util.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {
qint64 modifiedMs(const QFileInfo& file)
{
    return QFileInfo(file.absoluteFilePath()).lastModified().toMSecsSinceEpoch();
}
} // namespace

LocalThumbnailsCache::LocalThumbnailsCache(QObject* parent)
    : QObject(parent)
{
}

LocalThumbnailsCache::~LocalThumbnailsCache()
{
    QMutexLocker lock(&_mutex);
    // Each folder saves itself as it goes.
    qDeleteAll(_folders);
    _folders.clear();
}

QString LocalThumbnailsCache::rootPath() const
{
    return Util::cacheLocation() + QDir::separator() + "Media";
}

ThumbnailsCacheFolder* LocalThumbnailsCache::_folder(const QString& folderPath, bool create)
{
    if (ThumbnailsCacheFolder* folder = _folders.value(folderPath))
        return folder;
    const QString directory = rootPath() + QDir::separator() + ThumbnailsCacheFolder::hashText(folderPath);
    if (!create && !QFileInfo::exists(directory))
        return nullptr;
    auto* folder = new ThumbnailsCacheFolder(rootPath(), folderPath, this);
    _folders.insert(folderPath, folder);
    return folder;
}

QPixmap LocalThumbnailsCache::thumbnail(const QFileInfo& file, QString* metadata)
{
    QMutexLocker lock(&_mutex);
    ThumbnailsCacheFolder* folder = _folder(file.path(), false);
    return folder ? folder->thumbnail(file.absoluteFilePath(), metadata, modifiedMs(file)) : QPixmap();
}

void LocalThumbnailsCache::setThumbnail(const QFileInfo& file, const QPixmap& pixmap, const QString& metadata)
{
    QMutexLocker lock(&_mutex);
    _folder(file.path(), true)->setThumbnail(file.absoluteFilePath(), pixmap, metadata, modifiedMs(file));
}
