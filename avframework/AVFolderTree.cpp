#include "AVFolderTree.h"

#include "AVFileDescriptor.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

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
// Times a name is found a folder once more after it was no folder.
constexpr int kNameTries = 3;

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
    // The copy shares its read position with the descriptor, left at the
    // end by the listing before.
    ::rewinddir(entries.get());
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
    // Each round takes what another process put there meanwhile. What
    // failed to go is not tried again: a chain of folders that cannot go
    // would otherwise be walked again at every level of it.
    QSet<QByteArray> failed;
    for (int round = 0; round < kEmptyingRounds; ++round) {
        QList<QByteArray> names;
        if (!avFolderEntries(folder, &names))
            return false;
        if (names.isEmpty())
            return true;
        bool tried = false;
        for (const QByteArray& name : qAsConst(names)) {
            if (failed.contains(name))
                continue;
            tried = true;
            if (!avRemoveFolderAt(folder, name))
                failed.insert(name);
        }
        if (!tried)
            return false;
    }
    return false;
}

bool avRemoveFolderAt(int parent, const QByteArray& name)
{
    // Opened as a folder first, never by its name again once it refused to
    // go as a file: a link put at a folder's name meanwhile goes as a link
    // and is never entered.
    for (int tries = 0; tries < kNameTries; ++tries) {
        const AVFileDescriptor folder(
            ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (folder.isOpen()) {
            if (!avEmptyFolder(folder.get()))
                return false;
            // Only an empty folder goes: whatever took the name meanwhile stays.
            return ::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT;
        }
        if (errno == ENOENT)
            return true;
        // A link (ELOOP) or a file (ENOTDIR) at the name goes as itself.
        if (errno != ELOOP && errno != ENOTDIR)
            return false;
        if (::unlinkat(parent, name.constData(), 0) == 0 || errno == ENOENT)
            return true;
        // A folder that took the name since is opened as one in the next try.
        if (errno != EISDIR)
            return false;
    }
    return false;
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
