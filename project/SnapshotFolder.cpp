#include "SnapshotFolder.h"

#include "AVFileDescriptor.h"
#include "AVFolderTree.h"
#include "AVRegularFile.h"
#include "SaveFileCommit.h"
#include "Util.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
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

QByteArray encodedFileName(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName());
}

// The folder in the program's cache that holds the folders of sessions
// that could have none beside their project.
QString cacheFolder()
{
    return Util::cacheLocation() + QStringLiteral("/ProjectHistory");
}

// A session folder's name by its number: the history folder's own name,
// then "name-2", "name-3" and on.
QByteArray numberedFolderName(const QByteArray& name, int number)
{
    return number == 1 ? name : name + '-' + QByteArray::number(number);
}

bool isSameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Removes what the folder of that name in parent holds, but folders, and
// then the folder when it is empty; true when it went. A link in the
// folder's place goes as a link; anything else there that is no folder
// stays, and so does a folder that a live session holds.
bool removeFolderAt(int parent, const QByteArray& folderName)
{
    const AVFileDescriptor folder(avOpenFolderAt(parent, folderName, false));
    if (!folder.isOpen()) {
        if (errno != ENOENT && errno != ENOTDIR)
            qWarning().noquote() << "Remove history directory failed: " + systemReason();
        return false;
    }
    if (!avLockFolder(folder.get()))
        return false;
    QList<QByteArray> names;
    avFolderEntries(folder.get(), &names);
    // Without AT_REMOVEDIR a folder refuses to go: it and what it holds stay.
    for (const QByteArray& name : qAsConst(names))
        ::unlinkat(folder.get(), name.constData(), 0);
    return ::unlinkat(parent, folderName.constData(), AT_REMOVEDIR) == 0;
}

// Removes the folders in the cache folder that no live session holds: those
// of sessions that never closed.
void removeCacheLeftovers()
{
    const AVFileDescriptor parent(
        ::open(QFile::encodeName(cacheFolder()).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!parent.isOpen())
        return;
    QList<QByteArray> names;
    avFolderEntries(parent.get(), &names);
    for (const QByteArray& name : qAsConst(names))
        removeFolderAt(parent.get(), name);
}

} // namespace

QString SnapshotFolder::fileName(int number)
{
    return QString::asprintf("project%03d.xml", number);
}

int SnapshotFolder::write(const QString& directory, int number, const std::function<bool(const QString&)>& isLive,
                          const std::function<bool(QIODevice&)>& writeDocument, QString* path)
{
    if (_ownFolder.isEmpty() || _historyFolder != directory)
        _makeOwnFolder(directory);
    const AVFileDescriptor parent(_ownFolder.isEmpty() ? -1 : openParentOf(_ownFolder));
    const AVFileDescriptor folder(parent.isOpen() ? _reopenOwnFolder(parent.get()) : -1);
    if (!folder.isOpen()) {
        // The cache is the last place tried when no folder was had.
        const QString failed = _ownFolder.isEmpty() ? cacheFolder() : _ownFolder;
        qWarning().noquote() << "Cannot open the snapshot folder " + failed + ": " + systemReason();
        return -1;
    }
    const QByteArray folderName = encodedFileName(_ownFolder);
    // A folder made for a first snapshot that did not fit goes with it, and
    // the next snapshot makes one anew; one that holds earlier snapshots is
    // not empty and stays.
    const auto removeIfEmpty = [&] {
        if (::unlinkat(parent.get(), folderName.constData(), AT_REMOVEDIR) == 0)
            _release();
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

// The folder this session makes for its snapshots at the first one: what
// the history folder's place held before (a session's that never closed, a
// file, a named pipe, a link) is no history of this session.
void SnapshotFolder::_makeOwnFolder(const QString& directory)
{
    _release();
    _historyFolder = directory;
    const AVFileDescriptor parent(openParentOf(directory));
    const QByteArray made = parent.isOpen() ? _makeFolderBeside(parent.get(), encodedFileName(directory)) : QByteArray();
    if (!made.isEmpty())
        _ownFolder = QFileInfo(directory).dir().filePath(QFile::decodeName(made));
    else
        _ownFolder = _makeFolderInCache();
}

// A new folder in parent under the first free one of name, "name-2",
// "name-3" and on, held by this session; empty when none could be made. A
// numbered folder that no live session holds is the program's own, left by
// a session that never closed: it is cleared for this one.
QByteArray SnapshotFolder::_makeFolderBeside(int parent, const QByteArray& name)
{
    for (int number = 1; number <= kMostFolderNames; ++number) {
        const QByteArray candidate = numberedFolderName(name, number);
        bool made = ::mkdirat(parent, candidate.constData(), 0777) == 0;
        if (!made && errno != EEXIST)
            return QByteArray();
        if (!made && number > 1 && removeFolderAt(parent, candidate))
            made = ::mkdirat(parent, candidate.constData(), 0777) == 0;
        // Another session that cleared the new folder may have taken it first.
        if (made && _holdFolderAt(parent, candidate))
            return candidate;
    }
    return QByteArray();
}

// A folder of a unique name in the program's cache, held by this session;
// empty when none could be made. Those that sessions that never closed
// left there go first.
QString SnapshotFolder::_makeFolderInCache()
{
    removeCacheLeftovers();
    if (!QDir().mkpath(cacheFolder()))
        return QString();
    const AVFileDescriptor parent(::open(QFile::encodeName(cacheFolder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (int tries = 0; parent.isOpen() && tries < kMostFolderNames; ++tries) {
        QByteArray path = QFile::encodeName(cacheFolder() + QStringLiteral("/session-XXXXXX"));
        if (!::mkdtemp(path.data()))
            return QString();
        const QString made = QFile::decodeName(path);
        // Another session that cleared the cache may have taken the new folder first.
        if (_holdFolderAt(parent.get(), encodedFileName(made))) {
            qWarning().noquote() << "No history folder could be made beside the project; the snapshots go to " + made;
            return made;
        }
    }
    return QString();
}

// Opens the folder at the name and locks it. Once locked, no other
// session's clearing removes it; it is this session's when the name still
// leads to it then.
bool SnapshotFolder::_holdFolderAt(int parent, const QByteArray& name)
{
    auto folder = std::make_unique<AVFileDescriptor>(
        ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder->isOpen() || !avLockFolder(folder->get()) || !avIsFolderAt(folder->get(), parent, name))
        return false;
    _held = std::move(folder);
    return true;
}

// The session's folder, opened anew through its parent: a link put at its
// name goes, and a folder is made there when none is. A folder other than
// the held one (the held one moved away or removed) becomes the session's
// when no other live session holds it.
int SnapshotFolder::_reopenOwnFolder(int parent)
{
    const int folder = avOpenFolderAt(parent, encodedFileName(_ownFolder), true);
    struct stat opened;
    struct stat held;
    if (folder < 0 || (_held && ::fstat(folder, &opened) == 0 && ::fstat(_held->get(), &held) == 0
                       && isSameFile(opened, held)))
        return folder;
    if (!avLockFolder(folder)) {
        ::close(folder);
        errno = EBUSY;
        return -1;
    }
    _held = std::make_unique<AVFileDescriptor>(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    return folder;
}

void SnapshotFolder::_release()
{
    _held.reset();
    _ownFolder.clear();
    _written.clear();
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
    // Let go first: the removal takes the lock anew, as for any folder.
    const QString own = _ownFolder;
    _release();
    if (!own.isEmpty()) {
        const AVFileDescriptor ownParent(openParentOf(own));
        if (ownParent.isOpen())
            removeFolderAt(ownParent.get(), encodedFileName(own));
    }
    removeCacheLeftovers();
    const AVFileDescriptor parent(openParentOf(directory));
    if (!parent.isOpen())
        return;
    // The folders of sessions that never closed go too: their numbered
    // names are the program's own.
    const QByteArray name = encodedFileName(directory);
    for (int number = 1; number <= kMostFolderNames; ++number)
        removeFolderAt(parent.get(), numberedFolderName(name, number));
}
