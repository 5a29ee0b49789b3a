#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

// Copies or moves a batch of project directories into one destination
// directory on a thread of its own, for the projects list. A name taken at
// the destination becomes "NAME (N)". The first failure ends the batch; the
// items done before it stay where they went, and nothing is left of the
// failing one. The caller waits for the thread to finish, then reads result.
class CopyOrMoveProjectsTask : public QThread
{
    Q_OBJECT

public:
    CopyOrMoveProjectsTask(QObject* parent, const QStringList& projectPaths, const QString& targetFolder, bool copy);
    ~CopyOrMoveProjectsTask() override;

    // Whether every item went through; doneCount receives the number of items
    // copied or moved. Valid once the thread has finished; a task that never
    // ran reports failure with 0.
    bool result(int* doneCount) const;

signals:
    // Items done over items given, after each item (emitted on the worker thread).
    void progressChanged(float progress);

protected:
    void run() override;

private:
    // False when the item failed; skipped is set for a move onto itself.
    bool _processItem(const QString& path, bool* skipped) const;
    // targetFolder/name, or "name (N)" with the first N that is free.
    QString _freeDestination(const QString& name) const;

    bool _copy;
    QStringList _projectPaths;
    QString _targetFolder;
    std::atomic<bool> _succeeded{false};
    std::atomic<int> _doneCount{0};
};
