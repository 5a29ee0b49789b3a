#pragma once

#include "LocalFileEntry.h"
#include "LocalFilesTaskReceiver.h"

#include <QDir>
#include <QRunnable>

// Lists the pictures, videos and sounds of a folder on a pool thread, newest
// first, and hands the new list whole to the page, unless a later listing
// has started since.
class FilesLoadingTask : public QRunnable
{
public:
    FilesLoadingTask(LocalFilesTaskReceiverPtr receiver, const QDir& dir);

    void run() override;

    // The media type of a file from its MIME type: 1 video, 2 picture,
    // 3 audio, 0 for anything else.
    static int mediaTypeOf(const QFileInfo& file);
    static QList<LocalFileEntry> listFolder(const QDir& dir);

private:
    LocalFilesTaskReceiverPtr _receiver;
    QDir _dir;
    const quint64 _listing;
};
