#pragma once

#include "LocalFileEntry.h"

#include <QList>
#include <QMutex>

#include <atomic>
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

    // Numbers a new listing. A listing started earlier (of a folder the page
    // has left since, say) may finish later: only the latest one counts.
    quint64 startListing();
    // A finished listing, handed over whole; false, and nothing kept, when a
    // later listing has started since.
    bool deliverFiles(quint64 listing, QList<LocalFileEntry> files);
    bool takeFiles(QList<LocalFileEntry>* files);

private:
    QMutex _mutex;
    LocalFilesWidget* _page;
    // Not under the lock: a report holding it never stalls the GUI thread here.
    std::atomic<quint64> _latestListing{0};
    QList<LocalFileEntry> _files;
    bool _hasFiles = false;
};

using LocalFilesTaskReceiverPtr = std::shared_ptr<LocalFilesTaskReceiver>;
