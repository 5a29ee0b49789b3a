#pragma once

#include <QList>

class QByteArray;
class QString;

// Folders walked through descriptors, never by a path looked up again: a
// symbolic link that another process puts in a sub-folder's place, at any
// moment, is never entered, so that nothing it leads to is touched.

// The names the folder open at the descriptor folder holds, "." and ".."
// left out, read through a descriptor of their own; false, with errno
// telling why, when they cannot be read.
bool avFolderEntries(int folder, QList<QByteArray>* names);

// Locks the folder open at the descriptor for its holder alone; false only
// when another holder has it. A file system that keeps no locks leaves the
// folder to whoever comes.
bool avLockFolder(int folder);

// Whether the name in the folder parent (a descriptor), not followed when it
// is a link, is the very folder open at the descriptor folder.
bool avIsFolderAt(int folder, int parent, const QByteArray& name);

// Removes everything the folder open at the descriptor folder holds, its
// sub-folders through descriptors of their own, a link as a link. False
// when anything stays.
bool avEmptyFolder(int folder);

// Removes the folder name in the folder parent (a descriptor) with all it
// holds, as avEmptyFolder() does; a link or a file at the name goes as
// itself. True when nothing is left at the name, nothing there included.
bool avRemoveFolderAt(int parent, const QByteArray& name);

// As avRemoveFolderAt(), for the folder at path; an empty path, which would
// name the current folder, and a root are refused.
bool avRemoveFolder(const QString& path);
