#include "AVRegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

bool avIsRegularFile(const QString& path)
{
    if (path.startsWith(QLatin1Char(':')))
        return QFileInfo(path).isFile();
    struct stat status;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool avIsNameTaken(const QString& path)
{
    struct stat status;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}
