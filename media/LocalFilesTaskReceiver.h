#pragma once

#include "LocalFileEntry.h"

#include <QList>
#include <QMutex>

#include <functional>
#include <memory>

class LocalFilesWidget;

// What the local files page's pool tasks report to. The tasks may outlive
// the page: they share this object, and the page detaches itself in its
// destructor. A report runs under the lock, so the page cannot go while a
// task emits its (queued) signals; once detached, reports do nothing.
class LocalFilesTaskReceiver
{
public:
    explicit LocalFilesTaskReceiver(LocalFilesWidget* page);

    // Runs report with the page, unless the page is gone; false then.
    bool report(const std::function<void(LocalFilesWidget* page)>& report);
    void detach();

    // A finished listing, handed over whole; the page takes the latest.
    void deliverFiles(QList<LocalFileEntry> files);
    bool takeFiles(QList<LocalFileEntry>* files);

private:
    QMutex _mutex;
    LocalFilesWidget* _page;
    QList<LocalFileEntry> _files;
    bool _hasFiles = false;
};

using LocalFilesTaskReceiverPtr = std::shared_ptr<LocalFilesTaskReceiver>;
