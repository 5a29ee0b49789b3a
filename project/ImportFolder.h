#pragma once

#include "AVFileDescriptor.h"

#include <QByteArray>
#include <QString>

// The folder an archive is unpacked into: made in the destination folder
// under a hidden name of its own (a HiddenFolder of the import's kind),
// written only through its descriptor and given the project's
// name only when whole. A link put in its place or at a sub-folder's name
// meanwhile never leads a file elsewhere, and an import killed before the
// end leaves no folder that passes for a project: only such a hidden
// folder, which the projects browser does not list and the next import
// into that destination clears.
//
// The descriptor is locked (flock) while the import lives, so that an
// import run by another instance of the program passes over it.
class ImportFolder
{
public:
    // Makes the folder in the folder destination (a descriptor that the
    // caller keeps open while this object lives).
    explicit ImportFolder(int destination);
    // Removes the folder with what it holds unless it took a project's name.
    ~ImportFolder();
    ImportFolder(const ImportFolder&) = delete;
    ImportFolder& operator=(const ImportFolder&) = delete;

    bool isMade() const { return _folder.isOpen(); }
    int descriptor() const { return _folder.get(); }
    // The folder's path, for messages.
    QString path(const QString& destinationPath) const;

    // Gives the folder the first free one of projectName, "projectName (1)"
    // and on, without replacing anything that stands at one; false, with
    // errno telling why, when none could be taken or the folder is no longer
    // at its own name.
    bool takeFreeName(const QString& projectName);

private:
    bool _isAtOwnName() const;

    int _destination;
    QByteArray _name;
    AVFileDescriptor _folder;
    bool _named = false;
};
