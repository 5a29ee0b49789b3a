#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPixmap>
#include <QString>

// The cached thumbnails of one source folder: an index "media.data" (INI)
// and one PNG per thumbnail in a directory named by the hash of the folder's
// path. Entries are keyed by the hash of the file name; each also records the
// file's own path, so that two names of equal hash never hand out each
// other's thumbnail. Changes reach the disk when the object is destroyed.
class ThumbnailsCacheFolder : public QObject
{
    Q_OBJECT

public:
    // Loads the index of folderPath's directory under rootPath when it exists.
    ThumbnailsCacheFolder(const QString& rootPath, const QString& folderPath, QObject* parent);
    ~ThumbnailsCacheFolder() override;

    // The thumbnail of the file, or a null pixmap. A hit fills *metadata; an
    // entry made for another modification time is dropped with its PNG.
    QPixmap thumbnail(const QString& filePath, QString* metadata, qint64 modifiedMs);
    void setThumbnail(const QString& filePath, const QPixmap& pixmap, const QString& metadata, qint64 modifiedMs);

    QString directoryPath() const;
    QString indexFilePath() const;
    QString thumbnailFilePath(const QString& key) const;
    // Writes the index and the PNG files not written yet, when anything changed.
    void save();

    // The directory name of a source folder (also the entry key of a file
    // name): the decimal 31 x h + c hash of its UTF-16 units, the same on
    // every run and machine.
    static QString hashText(const QString& text);

private:
    struct Entry {
        QPixmap pixmap; // null until set or read from its PNG file
        QString metadata;
        qint64 time = 0;
        QString path; // the file the entry was made for
    };

    void _loadIndex();
    void _removeEntry(const QString& key);

    const QString _rootPath;
    const QString _path;
    const QString _folderNumber;
    QHash<QString, Entry> _entries;
    QMutex _mutex;
    bool _modified = false;
};
