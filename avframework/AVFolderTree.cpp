#include "AVFolderTree.h"

#include "AVFileDescriptor.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// Listings of a folder that another process keeps filling while it is
// emptied, before its removal gives up.
constexpr int kEmptyingRounds = 3;

// Removes one entry of the folder: anything but a folder is unlinked as
// itself, a link included, without a look that could be outdated by the
// time it is acted on; a folder refuses that and is removed with all it holds.
void removeEntryAt(int folder, const QByteArray& name)
{
    if (::unlinkat(folder, name.constData(), 0) != 0 && (errno == EISDIR || errno == EPERM))
        avRemoveFolderAt(folder, name);
}

} // namespace

bool avFolderEntries(int folder, QList<QByteArray>* names)
{
    // closedir() closes the descriptor it reads through, so it gets one of its own.
    const int own = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(own >= 0 ? ::fdopendir(own) : nullptr, &::closedir);
    if (!entries) {
        const int error = errno;
        if (own >= 0)
            ::close(own);
        errno = error;
        return false;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(entries.get())) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names->append(QByteArray(entry->d_name));
    }
    return errno == 0;
}

bool avLockFolder(int folder)
{
    return ::flock(folder, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

bool avIsFolderAt(int folder, int parent, const QByteArray& name)
{
    struct stat opened;
    struct stat named;
    return ::fstat(folder, &opened) == 0 && ::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool avEmptyFolder(int folder)
{
    // What fails to go is listed again and tried once more, as is what
    // another process put there meanwhile.
    for (int round = 0; round < kEmptyingRounds; ++round) {
        QList<QByteArray> names;
        if (!avFolderEntries(folder, &names))
            return false;
        if (names.isEmpty())
            return true;
        for (const QByteArray& name : qAsConst(names))
            removeEntryAt(folder, name);
    }
    return false;
}

bool avRemoveFolderAt(int parent, const QByteArray& name)
{
    const AVFileDescriptor folder(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen()) {
        if (errno == ENOENT)
            return true;
        // A link (ELOOP) or a file (ENOTDIR) at the name goes as itself.
        if (errno != ELOOP && errno != ENOTDIR)
            return false;
        return ::unlinkat(parent, name.constData(), 0) == 0 || errno == ENOENT;
    }
    if (!avEmptyFolder(folder.get()))
        return false;
    // Only an empty folder goes: whatever took the name meanwhile stays.
    return ::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT;
}

bool avRemoveFolder(const QString& path)
{
    const QFileInfo folder(QDir::cleanPath(path));
    const QByteArray name = QFile::encodeName(folder.fileName());
    if (path.isEmpty() || name.isEmpty() || name == "." || name == "..")
        return false;
    const AVFileDescriptor parent(
        ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return parent.isOpen() && avRemoveFolderAt(parent.get(), name);
}
