#include "AppGlobals.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

// The settings page sets the folder on the GUI thread while project loaders
// and asset pool threads read it.
QMutex workingDirMutex;
QString workingDir;

} // namespace

namespace AppGlobals {

QString defaultFontFamily()
{
    return QStringLiteral("Arial");
}

QString productWorkingDir()
{
    QMutexLocker locker(&workingDirMutex);
    return workingDir;
}

void setProductWorkingDir(const QString& folder)
{
    QMutexLocker locker(&workingDirMutex);
    workingDir = folder;
}

} // namespace AppGlobals
