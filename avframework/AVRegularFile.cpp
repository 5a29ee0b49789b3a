#include "AVRegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

int avMoveWithoutReplacing(int fromFolder, const char* from, int toFolder, const char* to)
{
    if (renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    // A file system without that flag: a hard link refuses a taken name as well.
    if (linkat(fromFolder, from, toFolder, to, 0) == 0) {
        unlinkat(fromFolder, from, 0);
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS)
        return errno;
    // Nor hard links: only the moment between the look and the rename is left open.
    struct stat taken {};
    if (fstatat(toFolder, to, &taken, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return renameat(fromFolder, from, toFolder, to) == 0 ? 0 : errno;
}
