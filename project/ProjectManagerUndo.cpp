// Undo snapshots: the whole segment list written to "history/project%03d.xml"
// before each edit, read back by undo and redo.
#include "ProjectManager.h"

#include "ProjectXml.h"
#include "Segment.h"

int ProjectManager::_writeSnapshot(const QString& name, const QString& folder, SnapshotKind kind)
{
    QMutexLocker locker(&_mutex);
    const QString directory = historyDirectory(name, folder);
    if (directory.isEmpty())
        return -1;
    // The file numbered by the position may still hold a state that a redo
    // or a dropped recording brings back; such a file is never overwritten.
    QString path;
    const int result = _snapshotFolder.write(
        directory, _history.count(), [this](const QString& taken) { return _history.names(taken); },
        [this](QIODevice& file) {
            return ProjectXml::writeDocument(file, false,
                                             [this](QXmlStreamWriter& writer) { _writeProjectBody(writer, true); });
        },
        &path);
    if (result != 0)
        return result;
    if (kind == SnapshotKind::Record)
        _history.commit(path);
    else
        _history.push(path);
    return 0;
}

int ProjectManager::recordSnapshot(const QString& name, const QString& folder)
{
    const int result = _writeSnapshot(name, folder, SnapshotKind::Record);
    // The edit goes on without its snapshot.
    if (result != 0)
        _history.commit(QString());
    _lastStepWasRecording = true;
    return result;
}

int ProjectManager::pushUndoSnapshot(const QString& name, const QString& folder)
{
    return _writeSnapshot(name, folder, SnapshotKind::Push);
}

void ProjectManager::_readStep(const QString& path, HistoryStep* step)
{
    if (path.isEmpty())
        return;
    SegmentRecords records;
    if (ProjectXml::readSegmentsFile(path, records, "Undo project segments load error") == 0)
        step->records = std::move(records);
    else
        step->unreadable = true;
}

ProjectManager::HistoryStep ProjectManager::undo()
{
    _lastStepWasRecording = false;
    const UndoHistory before = _history;
    HistoryStep step;
    // Undo always goes to a state other than the one shown. The shown state
    // is the entry at the position after a redo; at the newest entry after
    // an edit it is not recorded yet, so it is recorded first (and can be
    // redone): an undo that cannot record it would lose it, and does not
    // move. Either way the position steps over it.
    const bool showingPositionEntry = _history.isShowingPositionEntry();
    const bool atNewestEntry = !_history.isEmpty() && _history.size() == _history.count();
    if (!showingPositionEntry && atNewestEntry) {
        step.recordResult = pushUndoSnapshot(_projectName, _projectFolder);
        if (step.recordResult != 0)
            return step;
    }
    if (showingPositionEntry || atNewestEntry)
        _history.undo();
    step.overUnrecordedEdits = _history.undoPassesUnrecordedEdits();
    _readStep(_history.undo(), &step);
    // A state that cannot be shown must not move the position either.
    if (!step.records) {
        _history = before;
        step.overUnrecordedEdits = false;
    }
    return step;
}

ProjectManager::HistoryStep ProjectManager::redo()
{
    _lastStepWasRecording = false;
    const UndoHistory before = _history;
    HistoryStep step;
    _readStep(_history.redo(), &step);
    if (!step.records)
        _history = before;
    return step;
}

void ProjectManager::dropLastSnapshot()
{
    // Reverting after anything but a recording would undo an earlier step;
    // a recording that failed is reverted too: it took the edit's step.
    if (!_lastStepWasRecording)
        return;
    _lastStepWasRecording = false;
    _history.undo();
    _history.revert();
}

void ProjectManager::removeHistory(const QString& name, const QString& folder)
{
    const QString directory = historyDirectory(name, folder);
    if (!directory.isEmpty())
        _snapshotFolder.remove(directory);
    _history.clear();
    _lastStepWasRecording = false;
}
