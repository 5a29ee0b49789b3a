#include "ProjectFolderMaker.h"

#include "ProjectEntry.h"
#include "ProjectManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProjectFolderMaker::Result ProjectFolderMaker::make(const QString& level, const QString& name)
{
    if (!ProjectManager::isValidProjectName(name))
        return WrongName;
    QDir directory(level);
    if (!directory.mkdir(name))
        return QFileInfo::exists(directory.filePath(name)) ? NameTaken : MakeFailed;
    QFile marker(directory.filePath(name) + QLatin1Char('/') + ProjectEntry::folderMarker());
    if (!marker.open(QIODevice::WriteOnly)) {
        directory.rmdir(name);
        return MarkerFailed;
    }
    return Made;
}
