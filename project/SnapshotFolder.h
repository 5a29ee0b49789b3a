#pragma once

#include "AVFileDescriptor.h"

#include <QHash>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <memory>

class QIODevice;

// The folder of an open project's undo snapshots, written only through a
// descriptor of that folder, opened so that it cannot be a symbolic link: a
// link put in the folder's place, also while the window works, never leads
// a snapshot or the removal at the close into a folder elsewhere.
//
// The snapshots of a session go to a folder it made itself at the first
// one: the history folder's own name when nothing is there, else the first
// free one of "history-2", "history-3" and on. What the session found there
// (snapshots of one that never closed or of another version, a file, a
// named pipe, a link) is no history of its own and stays as it is. When
// every one of those names is held, the session makes a folder of its own
// in the program's cache instead: undo is never refused for want of a name.
//
// The session holds a lock on its folder for as long as it uses it. A
// folder under one of the program's names that nobody holds was left by a
// session that never closed and is cleared; one that another live session
// holds (two windows, or two people on a shared project folder) is passed
// over by this session's clearing and by its removal at the close.
//
// A snapshot takes a name only when the name is free or holds the very
// file this window wrote there. Whatever else holds one (a folder, a named
// pipe, a link that another program put there meanwhile) is passed over
// and left as it is.
//
// A snapshot is written straight into its file, not renamed into place: it
// always goes to a file that no live history entry names, and a cut one
// is never recorded, so writing it under another name first would only
// cost time per edit.
class SnapshotFolder
{
public:
    // The snapshot file's name for a number.
    static QString fileName(int number);

    // Writes a snapshot through writeDocument into the session's folder for
    // the history folder at directory, under the first name from number on
    // that isLive does not hold and that may be taken; path then says where.
    // 0, -1 when the folder or no file can be made, -2 when the document
    // cannot be written whole (nothing of it stays).
    int write(const QString& directory, int number, const std::function<bool(const QString&)>& isLive,
              const std::function<bool(QIODevice&)>& writeDocument, QString* path);

    // Removes what the folder at directory and the numbered folders beside
    // it (this session's, those of sessions that never closed) hold, but
    // folders, and then each folder when it is empty; the next snapshot
    // starts a new session. A link in a folder's place goes as a link. This
    // session's folder in the cache goes too, with those that sessions that
    // never closed left there; a folder another live session holds stays.
    void remove(const QString& directory);

private:
    struct FileId {
        dev_t device;
        ino_t inode;
    };
    enum class Opening { Opened, Taken, Failed };

    void _makeOwnFolder(const QString& directory);
    QByteArray _makeFolderBeside(int parent, const QByteArray& name);
    QString _makeFolderInCache();
    bool _holdFolderAt(int parent, const QByteArray& name);
    int _reopenOwnFolder(int parent);
    void _release();
    Opening _openFile(int folder, const QByteArray& name, int* descriptor) const;
    Opening _reopenOwnFile(int folder, const QByteArray& name, const FileId& own, int* descriptor) const;

    // The history folder the session's folder stands for, and that folder.
    QString _historyFolder;
    QString _ownFolder;
    // The session's folder, locked while the session uses it.
    std::unique_ptr<AVFileDescriptor> _held;
    // The files this window wrote, by name: only these are written again.
    QHash<QByteArray, FileId> _written;
};
