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
    // Folders whose paths hash alike share one directory: one object owns it,
    // or each would save its own index and pictures over the other's.
    const QString number = ThumbnailsCacheFolder::hashText(folderPath);
    if (ThumbnailsCacheFolder* folder = _folders.value(number))
        return folder;
    if (!create && !QFileInfo::exists(rootPath() + QDir::separator() + number))
        return nullptr;
    auto* folder = new ThumbnailsCacheFolder(rootPath(), folderPath, this);
    _folders.insert(number, folder);
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
