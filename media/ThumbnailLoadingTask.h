#pragma once

#include "LocalFilesTaskReceiver.h"

#include <QFileInfo>
#include <QImage>
#include <QRunnable>

// Makes the thumbnail and metadata text of one file on a pool thread and
// reports them for the list row it was started for. Pictures only as QImage
// here: pixmaps belong to the GUI thread.
class ThumbnailLoadingTask : public QRunnable
{
public:
    ThumbnailLoadingTask(LocalFilesTaskReceiverPtr receiver, const QFileInfo& file, int type, int row);

    void run() override;

    // The thumbnail (null when the file cannot be decoded) and metadata of a
    // file of the media type.
    static QImage loadThumbnail(const QFileInfo& file, int type, QString* metadata);
    static QImage loadImageThumbnail(const QString& path, QString* metadata);
    static QImage loadAudioThumbnail(const QString& path, QString* metadata);
    static QImage loadVideoThumbnail(const QString& path, QString* metadata);

private:
    LocalFilesTaskReceiverPtr _receiver;
    QFileInfo _file;
    int _type;
    int _row;
};
