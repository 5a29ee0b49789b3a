#pragma once

#include <QString>

// Makes a folder of projects: a directory holding the marker ".folder", under
// one level of the projects directory. Typed names are checked first, so that
// no name can lead outside that level.
class ProjectFolderMaker
{
public:
    enum Result { Made, WrongName, NameTaken, MakeFailed, MarkerFailed };

    // level is the directory the folder goes in. A folder whose marker cannot
    // be written is removed again: without it, it would pass for a damaged
    // project.
    static Result make(const QString& level, const QString& name);
};
