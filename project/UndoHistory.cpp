#include "UndoHistory.h"

#include <utility>

void UndoHistory::push(const QString& path)
{
    if (!_pending.isEmpty())
        return;
    _takeBackup();
    _append(path);
    _pending = path;
}

void UndoHistory::commit(const QString& path)
{
    // Every path takes the backup: a recording that changed nothing is
    // dropped by reverting to exactly the history before it.
    _takeBackup();
    if (!_pending.isEmpty() && _entries.size() == _index + 1) {
        // The state before this edit is the pushed entry; the edit makes a new one.
        _pending.clear();
        _showingPositionEntry = false;
        return;
    }
    if (_showingPositionEntry) {
        // After a redo the state before this edit is the entry at the
        // position; recording it again would make one undo show no change.
        _truncate(_index + 1);
        _lastMoveWasUndo = false;
        _showingPositionEntry = false;
    } else if (!path.isEmpty()) {
        _append(path);
    } else if (_lastMoveWasUndo) {
        // The shown entry holds the state before this edit.
        _truncate(_index + 2);
        ++_index;
        _lastMoveWasUndo = false;
    } else {
        _unrecordedEdits = true;
    }
    _pending.clear();
}

bool UndoHistory::undoPassesUnrecordedEdits() const
{
    return _index >= 0 && _index + 1 < _entries.size() && _afterUnrecorded.at(_index + 1);
}

QString UndoHistory::undo()
{
    if (_entries.isEmpty() || _index < 0 || _index >= _entries.size())
        return QString();
    const QString path = _entries.at(_index);
    --_index;
    _lastMoveWasUndo = true;
    _showingPositionEntry = false;
    return path;
}

QString UndoHistory::redo()
{
    // After an undo the shown state sits one entry ahead of the position, so
    // the next state is two ahead; never step past the newest entry.
    const int step = _lastMoveWasUndo ? 2 : 1;
    if (_entries.isEmpty() || _index + step > _entries.size() - 1)
        return QString();
    _index += step;
    _lastMoveWasUndo = false;
    _showingPositionEntry = true;
    return _entries.at(_index);
}

void UndoHistory::revert()
{
    _entries = _backup.entries;
    _afterUnrecorded = _backup.afterUnrecorded;
    _unrecordedEdits = _backup.unrecordedEdits;
    _index = _backup.index;
    _lastMoveWasUndo = _backup.lastMoveWasUndo;
    _showingPositionEntry = _backup.showingPositionEntry;
    _pending = _backup.pending;
}

bool UndoHistory::names(const QString& path) const
{
    return _entries.contains(path) || _backup.entries.contains(path) || _pending == path
        || _backup.pending == path;
}

void UndoHistory::clear()
{
    _entries.clear();
    _afterUnrecorded.clear();
    _unrecordedEdits = false;
    _index = -1;
    _lastMoveWasUndo = false;
    _showingPositionEntry = false;
    _pending.clear();
}

void UndoHistory::_takeBackup()
{
    _backup = Backup{_entries, _afterUnrecorded, _index, _lastMoveWasUndo, _showingPositionEntry, _pending,
                     _unrecordedEdits};
}

void UndoHistory::_append(const QString& path)
{
    _truncate(_index + 1);
    _entries.append(path);
    _afterUnrecorded.append(std::exchange(_unrecordedEdits, false));
    ++_index;
    _lastMoveWasUndo = false;
    _showingPositionEntry = false;
}

void UndoHistory::_truncate(int size)
{
    while (_entries.size() > size) {
        _entries.removeLast();
        _afterUnrecorded.removeLast();
    }
}
