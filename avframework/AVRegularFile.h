#pragma once

class QByteArray;
class QString;

// Whether path names a regular file, a link taken to what it points at (a
// file of the program's resources counts as one). Anything else there, a
// named pipe, a socket, a device or a folder, is told from its status alone,
// without opening it: opening a named pipe waits until a writer comes, and
// reading a device may never end. Every reader of a file that another
// program may have put there treats such a file as one it cannot read.
bool avIsRegularFile(const QString& path);

// Whether anything stands at path, a link that leads nowhere included. A
// free name picked for a new file must not be such a link: the file would be
// written where the link leads, outside the folder it was meant for.
bool avIsNameTaken(const QString& path);

// Renames from (relative to the folder descriptor fromFolder, or AT_FDCWD)
// to to, without replacing anything that stands at the new name: 0, or the
// errno of the failure, EEXIST when the name is taken.
int avMoveWithoutReplacing(int fromFolder, const char* from, int toFolder, const char* to);

// The folder name in the folder parent (a descriptor), opened so that it is
// no link, without following one at its name: a link there goes, as a link,
// and the folder takes its place, as a file written there takes the place of
// a link at its name; a missing folder is made when make says so. The
// descriptor, or -1 with errno telling why (ELOOP when links keep coming).
int avOpenFolderAt(int parent, const QByteArray& name, bool make);
