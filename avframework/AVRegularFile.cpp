#include "AVRegularFile.h"

#include <QByteArray>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// A link that another process keeps putting back in a folder's place wins
// after this many removals.
constexpr int kFolderTries = 3;

bool isLinkAt(int parent, const QByteArray& name)
{
    struct stat status;
    return ::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode);
}

} // namespace

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

int avOpenFolderAt(int parent, const QByteArray& name, bool make)
{
    for (int tries = 0; tries < kFolderTries; ++tries) {
        const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder >= 0)
            return folder;
        const int error = errno;
        if (isLinkAt(parent, name)) {
            // Gone already: whoever put it there took it away again.
            if (::unlinkat(parent, name.constData(), 0) != 0 && errno != ENOENT)
                return -1;
            qWarning().noquote() << "The link " + QFile::decodeName(name)
                                        + " was removed: the program keeps a folder of its own there";
            continue;
        }
        errno = error;
        if (error != ENOENT || !make || (::mkdirat(parent, name.constData(), 0777) != 0 && errno != EEXIST))
            return -1;
    }
    errno = ELOOP;
    return -1;
}
