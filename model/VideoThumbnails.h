#pragma once

#include <QDir>
#include <QImage>
#include <mutex>
#include <QString>

#include <array>

// The 16 timeline pictures of one movie file, in memory and in a folder of
// the thumbnail cache named by the MD5 of the movie's path ("%02d.png").
// Pictures are QImage: the engine's thumbnail task sets them on a pool
// thread while the timeline paints them on the GUI thread.
class VideoThumbnails
{
public:
    static constexpr int kCount = 16;

    VideoThumbnails(const QString& moviePath, const QDir& cacheFolder);

    // The lower-case hexadecimal MD5 of the path's UTF-8 bytes.
    QString name() const { return _name; }
    // The picture at index, read from disk when it is not in memory yet;
    // null for an index outside 0..15 or when there is none.
    QImage thumbnail(int index);
    void setThumbnail(int index, const QImage& picture);
    // 16 when picture 0 is in memory, else 0.
    int count();
    QString thumbnailPath(int index) const;
    // Writes the pictures whose files are missing; files on disk stay as they are.
    void save();

private:
    QString _name;
    QDir _folder;
    bool _folderReady = false;
    std::mutex _mutex;
    std::array<QImage, kCount> _pictures;
};
