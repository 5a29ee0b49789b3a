#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPixmap>
#include <QString>

class QFileInfo;
class ThumbnailsCacheFolder;

// Thumbnails and metadata texts of local files, kept on disk by source folder
// under the cache location's "Media" folder. An entry holds while its file's
// modification time is unchanged. Everything is written when the cache is
// destroyed. Used on the GUI thread (pixmaps).
class LocalThumbnailsCache : public QObject
{
    Q_OBJECT

public:
    explicit LocalThumbnailsCache(QObject* parent = nullptr);
    ~LocalThumbnailsCache() override;

    // The cached thumbnail, or a null pixmap; a hit fills *metadata.
    QPixmap thumbnail(const QFileInfo& file, QString* metadata);
    void setThumbnail(const QFileInfo& file, const QPixmap& pixmap, const QString& metadata);

    QString rootPath() const;

private:
    // The folder object of a source folder; null when none is in the table
    // and create is false.
    ThumbnailsCacheFolder* _folder(const QString& folderPath, bool create);

    // By directory name: the hash of the source folder's path.
    QHash<QString, ThumbnailsCacheFolder*> _folders;
    QMutex _mutex;
};
