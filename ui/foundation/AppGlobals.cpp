#include "AppGlobals.h"

namespace {

QString& workingDir()
{
    static QString folder;
    return folder;
}

} // namespace

namespace AppGlobals {

QString defaultFontFamily()
{
    return QStringLiteral("Arial");
}

QString productWorkingDir()
{
    return workingDir();
}

void setProductWorkingDir(const QString& folder)
{
    workingDir() = folder;
}

} // namespace AppGlobals
