#pragma once

#include <QHash>
#include <QString>

#include <sys/types.h>

#include <functional>

class QIODevice;

// The folder of an open project's undo snapshots, written only through a
// descriptor of that folder, opened so that it cannot be a symbolic link: a
// link put in the folder's place, also while the window works, never leads
// a snapshot or the removal at the close into a folder elsewhere.
//
// A snapshot takes a name only when the name is free or holds the very
// file this window wrote there. Whatever else holds one (another version's
// snapshots left after a refused save, a folder, a named pipe, a link) is
// passed over and left as it is.
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

    // Writes a snapshot through writeDocument into the folder at directory
    // (made when there is none), under the first name from number on that
    // isLive does not hold and that may be taken; path then says where.
    // 0, -1 when the folder or no file can be made, -2 when the document
    // cannot be written whole (nothing of it stays).
    int write(const QString& directory, int number, const std::function<bool(const QString&)>& isLive,
              const std::function<bool(QIODevice&)>& writeDocument, QString* path);

    // Removes what the folder at directory holds, but folders, and then the
    // folder when it is empty. A link in the folder's place goes as a link.
    void remove(const QString& directory);

private:
    struct FileId {
        dev_t device;
        ino_t inode;
    };
    enum class Opening { Opened, Taken, Failed };

    Opening _openFile(int folder, const QByteArray& name, int* descriptor) const;
    Opening _reopenOwnFile(int folder, const QByteArray& name, const FileId& own, int* descriptor) const;

    // The files this window wrote, by name: only these are written again.
    QHash<QByteArray, FileId> _written;
};
