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
