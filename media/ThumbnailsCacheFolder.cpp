#include "ThumbnailsCacheFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kIndexFileName = "media.data";
const char* const kMetaKey = "meta";
const char* const kTimeKey = "time";
const char* const kPathKey = "path";
} // namespace

ThumbnailsCacheFolder::ThumbnailsCacheFolder(const QString& rootPath, const QString& folderPath, QObject* parent)
    : QObject(parent)
    , _rootPath(rootPath)
    , _path(folderPath)
    , _folderNumber(hashText(folderPath))
{
    _loadIndex();
}

ThumbnailsCacheFolder::~ThumbnailsCacheFolder()
{
    save();
}

QString ThumbnailsCacheFolder::hashText(const QString& text)
{
    return QString::number(qHash(text, 0U), 10);
}

QString ThumbnailsCacheFolder::directoryPath() const
{
    return _rootPath + QDir::separator() + _folderNumber;
}

QString ThumbnailsCacheFolder::indexFilePath() const
{
    return directoryPath() + QDir::separator() + kIndexFileName;
}

QString ThumbnailsCacheFolder::thumbnailFilePath(const QString& key) const
{
    return directoryPath() + QDir::separator() + key;
}

void ThumbnailsCacheFolder::_loadIndex()
{
    if (!QFileInfo::exists(indexFilePath()))
        return;
    QSettings index(indexFilePath(), QSettings::IniFormat);
    for (const QString& key : index.childGroups()) {
        index.beginGroup(key);
        Entry entry;
        entry.metadata = index.value(kMetaKey, QString()).toString();
        entry.time = index.value(kTimeKey, 0).toLongLong();
        entry.path = index.value(kPathKey, QString()).toString();
        _entries.insert(key, entry);
        index.endGroup();
    }
}

void ThumbnailsCacheFolder::_removeEntry(const QString& key)
{
    QFile::remove(thumbnailFilePath(key));
    _entries.remove(key);
    _modified = true;
}

QPixmap ThumbnailsCacheFolder::thumbnail(const QString& filePath, QString* metadata, qint64 modifiedMs)
{
    QMutexLocker lock(&_mutex);
    const QString key = hashText(QFileInfo(filePath).fileName());
    auto found = _entries.find(key);
    // Another file whose name has the same hash: its entry stays for it.
    if (found == _entries.end() || found->path != filePath)
        return QPixmap();
    if (found->time != modifiedMs) {
        _removeEntry(key);
        return QPixmap();
    }
    if (metadata)
        *metadata = found->metadata;
    if (found->pixmap.isNull())
        found->pixmap = QPixmap(thumbnailFilePath(key));
    return found->pixmap;
}

void ThumbnailsCacheFolder::setThumbnail(const QString& filePath, const QPixmap& pixmap, const QString& metadata,
                                         qint64 modifiedMs)
{
    QMutexLocker lock(&_mutex);
    const QString key = hashText(QFileInfo(filePath).fileName());
    // A PNG on disk under the key shows an older picture (of this entry, or
    // left by a save cut short before its index): the new one is written
    // afresh at save time.
    QFile::remove(thumbnailFilePath(key));
    _entries.insert(key, Entry{pixmap, metadata, modifiedMs, filePath});
    _modified = true;
}

void ThumbnailsCacheFolder::save()
{
    QMutexLocker lock(&_mutex);
    if (!_modified)
        return;
    QDir().mkpath(directoryPath());
    QSettings index(indexFilePath(), QSettings::IniFormat);
    // Entries dropped since loading must leave the index too.
    index.clear();
    for (auto it = _entries.cbegin(); it != _entries.cend(); ++it) {
        index.beginGroup(it.key());
        index.setValue(kMetaKey, it->metadata);
        index.setValue(kTimeKey, it->time);
        index.setValue(kPathKey, it->path);
        index.endGroup();
        const QString picture = thumbnailFilePath(it.key());
        if (!it->pixmap.isNull() && !QFileInfo::exists(picture))
            it->pixmap.save(picture, "PNG");
    }
    _modified = false;
}
