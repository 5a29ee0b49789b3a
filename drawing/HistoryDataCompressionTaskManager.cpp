#include "HistoryDataCompressionTaskManager.h"

#include "AVFolderTree.h"
#include "DataCompressionTask.h"
#include "Util.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QThread>

namespace {

const char* const kHistoryFolder = "DrawingHistory";
// A PNG save of the largest canvas takes well under a second; this only
// guards against a stuck disk.
constexpr int kDestructionWaitMs = 30000;
constexpr int kIdlePollMs = 2;

} // namespace

HistoryDataCompressionTaskManager::HistoryDataCompressionTaskManager(QObject* parent)
    : QThreadPool(parent), _folder(Util::cacheLocation())
{
    setMaxThreadCount(1);
    if (_folder.mkpath(kHistoryFolder) && _folder.cd(kHistoryFolder))
        _ownFolder = true;
}

HistoryDataCompressionTaskManager::~HistoryDataCompressionTaskManager()
{
    // Snapshots still queued are about to be removed anyway.
    clear();
    if (!waitForDone(kDestructionWaitMs))
        qWarning() << "Drawing history: a snapshot is still being written; it may stay in" << _folder.path();
    _removeSnapshots();
}

void HistoryDataCompressionTaskManager::push(const QImage& image)
{
    const QString path = _newSnapshotPath();
    _files.append(path);
    start(new DataCompressionTask(image, path));
}

QPixmap HistoryDataCompressionTaskManager::pop()
{
    if (_files.isEmpty())
        return QPixmap();
    const QString path = _files.takeLast();
    QPixmap snapshot;
    snapshot.load(path);
    QFile::remove(path);
    return snapshot;
}

bool HistoryDataCompressionTaskManager::waitUntilIdle(int limitMs)
{
    // The events run here may delete the history (its canvas closed).
    const QPointer<HistoryDataCompressionTaskManager> alive(this);
    QElapsedTimer timer;
    timer.start();
    while (isBusy()) {
        if (timer.elapsed() >= limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, kIdlePollMs);
        if (!alive)
            return false;
        QThread::msleep(kIdlePollMs);
    }
    return true;
}

QString HistoryDataCompressionTaskManager::_newSnapshotPath()
{
    // Named by the push time; a push within the same millisecond as a kept
    // snapshot gets a serial suffix, so no snapshot overwrites another.
    const QString base = _folder.absoluteFilePath(QString::number(QDateTime::currentMSecsSinceEpoch()));
    QString path = base;
    for (int serial = 1; _files.contains(path); ++serial)
        path = base + QStringLiteral("-%1").arg(serial);
    return path;
}

void HistoryDataCompressionTaskManager::_removeSnapshots()
{
    if (_ownFolder) {
        avRemoveFolder(_folder.absolutePath());
        return;
    }
    // The snapshots lie in the cache root beside other files: remove only ours.
    for (const QString& path : qAsConst(_files))
        QFile::remove(path);
}
