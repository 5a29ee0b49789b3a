#include "VideoThumbnails.h"

#include <QCryptographicHash>
#include <QFileInfo>

VideoThumbnails::VideoThumbnails(const QString& moviePath, const QDir& cacheFolder)
    : _name(QString::fromLatin1(QCryptographicHash::hash(moviePath.toUtf8(), QCryptographicHash::Md5).toHex()))
    , _folder(cacheFolder)
{
    _folderReady = _folder.mkpath(_name) && _folder.cd(_name);
}

QImage VideoThumbnails::thumbnail(int index)
{
    if (index < 0 || index >= kCount)
        return QImage();
    std::lock_guard<std::mutex> locker(_mutex);
    if (_pictures[size_t(index)].isNull() && _folderReady)
        _pictures[size_t(index)].load(thumbnailPath(index));
    return _pictures[size_t(index)];
}

void VideoThumbnails::setThumbnail(int index, const QImage& picture)
{
    if (index < 0 || index >= kCount || picture.isNull())
        return;
    std::lock_guard<std::mutex> locker(_mutex);
    _pictures[size_t(index)] = picture;
}

int VideoThumbnails::count()
{
    std::lock_guard<std::mutex> locker(_mutex);
    return _pictures[0].isNull() ? 0 : kCount;
}

QString VideoThumbnails::thumbnailPath(int index) const
{
    return _folder.absolutePath() + QDir::separator() + QString::asprintf("%02d.png", index);
}

void VideoThumbnails::save()
{
    std::lock_guard<std::mutex> locker(_mutex);
    if (!_folderReady)
        return;
    for (int index = 0; index < kCount; ++index) {
        const QImage& picture = _pictures[size_t(index)];
        const QString path = thumbnailPath(index);
        if (!picture.isNull() && !QFileInfo::exists(path))
            picture.save(path);
    }
}
