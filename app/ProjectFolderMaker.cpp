#include "ProjectFolderMaker.h"

#include "ProjectEntry.h"
#include "ProjectManager.h"
#include "SaveFileCommit.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

ProjectFolderMaker::Result ProjectFolderMaker::make(const QString& level, const QString& name)
{
    if (!ProjectManager::isValidProjectName(name))
        return WrongName;
    QDir directory(level);
    if (!directory.mkdir(name))
        return QFileInfo::exists(directory.filePath(name)) ? NameTaken : MakeFailed;
    // Renamed into place: a link put at the marker's name meanwhile is
    // replaced, not written through.
    if (!SaveFileCommit::writeWhole(directory.filePath(name) + QLatin1Char('/') + ProjectEntry::folderMarker(),
                                    QByteArray())) {
        directory.rmdir(name);
        return MarkerFailed;
    }
    return Made;
}
