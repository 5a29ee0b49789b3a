#include "SnapshotFolder.h"

#include "AVFileDescriptor.h"
#include "AVRegularFile.h"
#include "SaveFileCommit.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// Names held by what the window did not write, passed over before a
// snapshot gives up.
constexpr int kMostNamesPassedOver = 1000;
// Names held beside the history folder's own, passed over before a
// session's folder gives up.
constexpr int kMostFolderNames = 100;

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

int openParentOf(const QString& directory)
{
    return ::open(QFile::encodeName(QFileInfo(directory).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// A session folder's name by its number: the history folder's own name,
// then "name-2", "name-3" and on.
QByteArray numberedFolderName(const QByteArray& name, int number)
{
    return number == 1 ? name : name + '-' + QByteArray::number(number);
}

// Removes what the folder of that name in parent holds, but folders, and
// then the folder when it is empty. A link in the folder's place goes as a
// link; anything else there that is no folder stays.
void removeFolderAt(int parent, const QByteArray& folderName)
{
    const AVFileDescriptor folder(avOpenFolderAt(parent, folderName, false));
    if (!folder.isOpen()) {
        if (errno != ENOENT && errno != ENOTDIR)
            qWarning().noquote() << "Remove history directory failed: " + systemReason();
        return;
    }
    // Read through a descriptor of its own: closedir() closes it.
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::fdopendir(::dup(folder.get())), &::closedir);
    QList<QByteArray> names;
    while (const dirent* entry = entries ? ::readdir(entries.get()) : nullptr) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << QByteArray(entry->d_name);
    }
    // Without AT_REMOVEDIR a folder refuses to go: it and what it holds stay.
    for (const QByteArray& name : qAsConst(names))
        ::unlinkat(folder.get(), name.constData(), 0);
    ::unlinkat(parent, folderName.constData(), AT_REMOVEDIR);
}

// A new folder in parent under the first free one of name, "name-2",
// "name-3" and on; empty, with errno telling why, when none could be made.
// A numbered folder is the program's own, left by a session that never
// closed: it is cleared for this one.
QByteArray makeFolderAt(int parent, const QByteArray& name)
{
    for (int number = 1; number <= kMostFolderNames; ++number) {
        const QByteArray candidate = numberedFolderName(name, number);
        if (::mkdirat(parent, candidate.constData(), 0777) == 0)
            return candidate;
        if (errno != EEXIST)
            return QByteArray();
        if (number > 1) {
            removeFolderAt(parent, candidate);
            if (::mkdirat(parent, candidate.constData(), 0777) == 0)
                return candidate;
        }
    }
    return QByteArray();
}

} // namespace

QString SnapshotFolder::fileName(int number)
{
    return QString::asprintf("project%03d.xml", number);
}

int SnapshotFolder::write(const QString& directory, int number, const std::function<bool(const QString&)>& isLive,
                          const std::function<bool(QIODevice&)>& writeDocument, QString* path)
{
    const AVFileDescriptor parent(openParentOf(directory));
    const AVFileDescriptor folder(parent.isOpen() ? _openOwnFolder(parent.get(), directory) : -1);
    if (!folder.isOpen()) {
        qWarning().noquote() << "Cannot open the snapshot folder " + directory + ": " + systemReason();
        return -1;
    }
    const QByteArray folderName = QFile::encodeName(QFileInfo(_ownFolder).fileName());
    // A folder made for a first snapshot that did not fit goes with it, and
    // the next snapshot makes one anew; one that holds earlier snapshots is
    // not empty and stays.
    const auto removeIfEmpty = [&] {
        if (::unlinkat(parent.get(), folderName.constData(), AT_REMOVEDIR) == 0)
            _ownFolder.clear();
    };
    int descriptor = -1;
    QByteArray name;
    Opening opening = Opening::Taken;
    for (int passedOver = 0; opening == Opening::Taken && passedOver < kMostNamesPassedOver; ++number) {
        *path = _ownFolder + QDir::separator() + fileName(number);
        if (isLive(*path))
            continue;
        name = QFile::encodeName(fileName(number));
        opening = _openFile(folder.get(), name, &descriptor);
        passedOver += opening == Opening::Taken ? 1 : 0;
    }
    if (opening != Opening::Opened) {
        qWarning().noquote() << "Cannot create the snapshot " + *path + ": " + systemReason();
        removeIfEmpty();
        return -1;
    }
    QFile file;
    struct stat status;
    const bool opened = ::fstat(descriptor, &status) == 0
        && file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    if (!opened)
        ::close(descriptor);
    errno = 0;
    if (opened && writeDocument(file) && file.flush()) {
        _written.insert(name, FileId{status.st_dev, status.st_ino});
        return 0;
    }
    qWarning().noquote() << "Undo project segments save error: " + SaveFileCommit::writeFailure(file, errno);
    // A cut snapshot is never recorded: left there, it would only hold the
    // room that smaller writes could still use.
    file.close();
    ::unlinkat(folder.get(), name.constData(), 0);
    removeIfEmpty();
    return -2;
}

// The folder this session made for its snapshots, made at the first one:
// what the history folder's place held before (a session's that never
// closed, a file, a named pipe, a link) is no history of this session.
int SnapshotFolder::_openOwnFolder(int parent, const QString& directory)
{
    if (_ownFolder.isEmpty() || _historyFolder != directory) {
        const QByteArray made = makeFolderAt(parent, QFile::encodeName(QFileInfo(directory).fileName()));
        if (made.isEmpty())
            return -1;
        _historyFolder = directory;
        _ownFolder = QFileInfo(directory).dir().filePath(QFile::decodeName(made));
        _written.clear();
    }
    return avOpenFolderAt(parent, QFile::encodeName(QFileInfo(_ownFolder).fileName()), true);
}

SnapshotFolder::Opening SnapshotFolder::_openFile(int folder, const QByteArray& name, int* descriptor) const
{
    const auto own = _written.constFind(name);
    if (own != _written.cend()) {
        const Opening reopened = _reopenOwnFile(folder, name, *own, descriptor);
        if (reopened != Opening::Failed || errno != ENOENT)
            return reopened;
    }
    // O_EXCL: a link there is not followed, and a file that is there, of
    // whatever kind, is not this window's to write.
    *descriptor = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (*descriptor >= 0)
        return Opening::Opened;
    return errno == EEXIST ? Opening::Taken : Opening::Failed;
}

// The file this window wrote at the name, when it is still that very file;
// what took its place (a link, a folder, a named pipe, another file) is
// left alone. Opened without waiting for a reader of a named pipe.
SnapshotFolder::Opening SnapshotFolder::_reopenOwnFile(int folder, const QByteArray& name, const FileId& own,
                                                       int* descriptor) const
{
    *descriptor = ::openat(folder, name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (*descriptor < 0)
        return errno == ELOOP || errno == EISDIR || errno == ENXIO ? Opening::Taken : Opening::Failed;
    struct stat status;
    const bool same = ::fstat(*descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_dev == own.device
        && status.st_ino == own.inode;
    if (same && ::ftruncate(*descriptor, 0) == 0)
        return Opening::Opened;
    const int error = errno;
    ::close(*descriptor);
    errno = error;
    return same ? Opening::Failed : Opening::Taken;
}

void SnapshotFolder::remove(const QString& directory)
{
    _written.clear();
    _ownFolder.clear();
    const AVFileDescriptor parent(openParentOf(directory));
    if (!parent.isOpen())
        return;
    // The folders of sessions that never closed go too: their numbered
    // names are the program's own.
    const QByteArray name = QFile::encodeName(QFileInfo(directory).fileName());
    for (int number = 1; number <= kMostFolderNames; ++number)
        removeFolderAt(parent.get(), numberedFolderName(name, number));
}
