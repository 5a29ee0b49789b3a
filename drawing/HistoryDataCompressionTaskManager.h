#pragma once

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QThreadPool>

// The drawing editor's undo history: whole-canvas snapshots written to PNG
// files in the cache by one pool thread, so a stroke's start never waits for
// the encoding; only the file paths stay in memory. The history belongs to
// one drawing edit and its files go with it.
class HistoryDataCompressionTaskManager : public QThreadPool
{
    Q_OBJECT

public:
    explicit HistoryDataCompressionTaskManager(QObject* parent);
    // Waits for the snapshot being written, then removes the snapshots.
    ~HistoryDataCompressionTaskManager() override;

    // Queues the snapshot for writing under a name of its own.
    void push(const QImage& image);
    // The newest snapshot, its file removed; null when there is none or it
    // does not load. Call only while not busy: the file may not exist yet.
    QPixmap pop();
    bool hasHistory() const { return !_files.isEmpty(); }
    // A snapshot is still being written or waits to be.
    bool isBusy() const { return activeThreadCount() > 0; }
    // Runs the event loop until no snapshot is being written, for at most
    // limitMs; false when the writer is still busy then, or when the events
    // deleted the history.
    bool waitUntilIdle(int limitMs);

    QDir folder() const { return _folder; }

private:
    QString _newSnapshotPath();
    void _removeSnapshots();

    QStringList _files;
    QDir _folder;
    // The folder is our own "DrawingHistory" and not the cache root.
    bool _ownFolder = false;
};
