#pragma once

#include <QString>
#include <QStringList>

// The list of undo snapshot files of an open project and the position in it.
// Entries are snapshot paths, oldest first; the position (index) is the
// entry that the next undo returns. A recording appends after the position
// and drops what an earlier branch left behind it.
//
// The shown state is entries[index] after a redo and entries[index + 1]
// after an undo; after a recording it is not in the list at all until an
// undo pushes it (the pending entry).
//
// An edit whose state before could not be written still takes its step:
// the entry that already holds that state stands for it, and when none
// does, the next entry is marked as following edits never recorded.
class UndoHistory
{
public:
    // index + 1: the number of the next snapshot file, unless a live entry
    // still names that file.
    int count() const { return _index + 1; }
    int size() const { return int(_entries.size()); }
    bool isEmpty() const { return _entries.isEmpty(); }
    bool lastMoveWasUndo() const { return _lastMoveWasUndo; }
    // True after a redo: the state on screen is the entry at the position.
    bool isShowingPositionEntry() const { return _showingPositionEntry; }
    QString pending() const { return _pending; }

    // Records the state being left by an undo; nothing while one is pending.
    void push(const QString& path);
    // Records the state before an edit. Right after an undo's push at the
    // newest entry it only forgets that the pushed entry was pending; after
    // a redo it keeps the redone entry, which holds that state, as the newest.
    // An empty path: that state could not be written. After an undo the
    // shown entry then becomes the newest; otherwise the state is lost.
    void commit(const QString& path);
    // Whether the next undo leaves a state that follows edits never recorded.
    bool undoPassesUnrecordedEdits() const;
    // The entry at the position, moving back; empty when there is none.
    QString undo();
    // The entry after the shown state, moving forward; empty (position kept)
    // when the shown state is the newest.
    QString redo();
    // Puts back what the last push or commit found.
    void revert();
    // Whether an entry, or the backup a revert would bring back, names the
    // file: such a file holds a state that undo or redo may still show.
    bool names(const QString& path) const;
    void clear();

private:
    struct Backup {
        QStringList entries;
        QList<bool> afterUnrecorded;
        int index = -1;
        bool lastMoveWasUndo = false;
        bool showingPositionEntry = false;
        QString pending;
        bool unrecordedEdits = false;
    };

    void _takeBackup();
    void _append(const QString& path);
    void _truncate(int size);

    QStringList _entries;
    // Per entry: whether edits never recorded came right before its state.
    QList<bool> _afterUnrecorded;
    int _index = -1;
    bool _lastMoveWasUndo = false;
    bool _showingPositionEntry = false;
    QString _pending;
    // Edits since the newest entry whose states could not be written.
    bool _unrecordedEdits = false;
    Backup _backup;
};
