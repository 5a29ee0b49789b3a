#include "LocalFilesTaskReceiver.h"

LocalFilesTaskReceiver::LocalFilesTaskReceiver(LocalFilesWidget* page)
    : _page(page)
{
}

bool LocalFilesTaskReceiver::report(const std::function<void(LocalFilesWidget* page)>& report)
{
    QMutexLocker lock(&_mutex);
    if (!_page)
        return false;
    report(_page);
    return true;
}

void LocalFilesTaskReceiver::detach()
{
    QMutexLocker lock(&_mutex);
    _page = nullptr;
    _files.clear();
}

quint64 LocalFilesTaskReceiver::startListing()
{
    return ++_latestListing;
}

bool LocalFilesTaskReceiver::deliverFiles(quint64 listing, QList<LocalFileEntry> files)
{
    QMutexLocker lock(&_mutex);
    if (listing != _latestListing)
        return false;
    _files = std::move(files);
    _hasFiles = true;
    return true;
}

bool LocalFilesTaskReceiver::takeFiles(QList<LocalFileEntry>* files)
{
    QMutexLocker lock(&_mutex);
    if (!_hasFiles)
        return false;
    *files = std::move(_files);
    _files.clear();
    _hasFiles = false;
    return true;
}
