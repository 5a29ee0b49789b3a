#include "FilesLoadingTask.h"

#include "LocalFilesWidget.h"

#include <QMimeDatabase>

FilesLoadingTask::FilesLoadingTask(LocalFilesTaskReceiverPtr receiver, const QDir& dir)
    : _receiver(std::move(receiver))
    , _dir(dir)
    , _listing(_receiver->startListing())
{
    setAutoDelete(true);
}

int FilesLoadingTask::mediaTypeOf(const QFileInfo& file)
{
    static const QMimeDatabase database;
    const QString name = database.mimeTypeForFile(file.absoluteFilePath()).name();
    if (name.startsWith("image/"))
        return LocalFilePicture;
    if (name.startsWith("video/"))
        return LocalFileVideo;
    if (name.startsWith("audio/"))
        return LocalFileAudio;
    return 0;
}

QList<LocalFileEntry> FilesLoadingTask::listFolder(const QDir& dir)
{
    QList<LocalFileEntry> files;
    const QFileInfoList infos = dir.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Time);
    for (const QFileInfo& info : infos) {
        const int type = mediaTypeOf(info);
        if (type != 0)
            files.append(LocalFileEntry{info, type, false});
    }
    return files;
}

void FilesLoadingTask::run()
{
    if (!_receiver->report([](LocalFilesWidget* page) { emit page->beginLoadingFiles(); }))
        return;
    QList<LocalFileEntry> files = listFolder(_dir);
    const QString error =
        files.isEmpty() && !_dir.exists() ? LocalFilesWidget::tr("Directory not found") : QString();
    if (!_receiver->deliverFiles(_listing, std::move(files)))
        return;
    _receiver->report([&error](LocalFilesWidget* page) {
        emit page->errorOccurred(error);
        emit page->finishLoadingFiles(true);
    });
}
