#include "ReplacingFile.h"

#include "AVRegularFile.h"
#include "SaveFileCommit.h"

#include <QDebug>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The permissions a file made now gets: all but what the umask takes away.
// Read where the kernel tells it, since setting the umask to learn it would
// race with other threads making files.
mode_t newFileMode()
{
    static const mode_t mode = [] {
        QFile status(QStringLiteral("/proc/self/status"));
        mode_t umask = 022;
        if (status.open(QIODevice::ReadOnly)) {
            for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
                if (line.startsWith("Umask:"))
                    umask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
            }
        }
        return mode_t(0666 & ~umask);
    }();
    return mode;
}

// Names taken by chance (or by another writer of the same file) before one is free.
constexpr int kTemporaryNameTries = 100;
// Names another process takes one after the other while the file is named.
constexpr int kFreeNameTries = 100;
// Attribute lists that grow between asking for their size and reading them.
constexpr int kAttributeReadTries = 10;

// "<name>.<six letters or digits>", as Qt names its own temporary files: one
// left by a crash is no file of the project's own, and the tidy takes it.
QByteArray temporaryNameFor(const QByteArray& name)
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = name + '.';
    for (int index = 0; index < 6; ++index)
        temporary += kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)];
    return temporary;
}

// A permission the system does not grant this process (another owner is
// root's to give, the trusted attributes too), or a file system that holds
// no such attribute.
bool isRefusal(int error)
{
    return error == EPERM || error == EACCES || error == ENOTSUP;
}

// What read gives (a list of attribute names, or a value), sized to fit;
// false with errno set when it fails.
bool readSized(const std::function<ssize_t(char*, size_t)>& read, QByteArray* bytes)
{
    for (int tries = 0; tries < kAttributeReadTries; ++tries) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        bytes->resize(int(size));
        const ssize_t got = read(bytes->data(), size_t(size));
        if (got >= 0) {
            bytes->resize(int(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    errno = ERANGE;
    return false;
}

// The owner and group, or only the group when this process may not give the
// owner: a group of the user's own still passes.
int copyOwner(int descriptor, const struct stat& old)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) == 0)
        return 0;
    if (errno != EPERM)
        return errno;
    return ::fchown(descriptor, uid_t(-1), old.st_gid) == 0 || isRefusal(errno) ? 0 : errno;
}

// Every extended attribute, the access control list ("system.posix_acl_access") among them.
int copyExtendedAttributes(int from, int to)
{
    QByteArray names;
    if (!readSized([from](char* list, size_t size) { return ::flistxattr(from, list, size); }, &names))
        return isRefusal(errno) ? 0 : errno;
    for (const QByteArray& name : names.split('\0')) {
        if (name.isEmpty())
            continue;
        QByteArray value;
        if (!readSized([&](char* bytes, size_t size) { return ::fgetxattr(from, name.constData(), bytes, size); },
                       &value)) {
            if (errno == ENODATA || isRefusal(errno))
                continue;
            return errno;
        }
        if (::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0 && !isRefusal(errno))
            return errno;
    }
    return 0;
}

// The owner and group first (a new owner takes a set-user-ID bit away), the
// extended attributes of a file that could be read (from, else -1), then
// the permissions, which agree with the access control list just set.
int copyAttributes(int from, const struct stat& old, int to)
{
    if (const int error = copyOwner(to, old))
        return error;
    if (from >= 0) {
        if (const int error = copyExtendedAttributes(from, to))
            return error;
    }
    return ::fchmod(to, old.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path) : _path(path), _name(QFile::encodeName(QFileInfo(path).fileName()))
{
}

ReplacingFile::ReplacingFile(int folder, const QString& path) : ReplacingFile(path)
{
    _givenFolder = folder;
}

ReplacingFile::~ReplacingFile()
{
    _discard();
    if (_folder >= 0)
        ::close(_folder);
}

bool ReplacingFile::open(QString* reason)
{
    if (_path.isEmpty() || _name.isEmpty())
        return _fail(ENOENT, reason);
    _folder = _givenFolder >= 0
        ? ::fcntl(_givenFolder, F_DUPFD_CLOEXEC, 0)
        : ::open(QFile::encodeName(QFileInfo(_path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (_folder < 0)
        return _fail(errno, reason);
    // A file that may not be written is not replaced behind its owner's back.
    struct stat old;
    const bool exists = ::fstatat(_folder, _name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return _fail(EISDIR, reason);
    const bool oldIsFile = exists && S_ISREG(old.st_mode);
    _madePrivate = oldIsFile;
    if (oldIsFile && ::faccessat(_folder, _name.constData(), W_OK, 0) != 0)
        return _fail(errno, reason);
    if (exists && S_ISLNK(old.st_mode))
        qWarning().noquote() << "The link " + _path + " is replaced: the program keeps a file of its own there";
    int descriptor = -1;
    for (int tries = 0; descriptor < 0 && tries < kTemporaryNameTries; ++tries) {
        _temporaryName = temporaryNameFor(_name);
        descriptor = ::openat(_folder, _temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              oldIsFile ? 0600 : 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0) {
        const int error = errno;
        _temporaryName.clear();
        return _fail(error, reason);
    }
    if (!_file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return _fail(EBADF, reason);
    }
    return true;
}

void ReplacingFile::setPermissions(mode_t mode)
{
    _permissions = int(mode & 07777);
}

bool ReplacingFile::commit(QString* reason)
{
    if (!_writeOut(true, reason))
        return false;
    if (::renameat(_folder, _temporaryName.constData(), _folder, _name.constData()) != 0)
        return _fail(errno, reason);
    _temporaryName.clear();
    return true;
}

bool ReplacingFile::commitAsNew(const std::function<QString()>& nextFreePath, QString* reason)
{
    if (!_writeOut(false, reason))
        return false;
    for (int tries = 0; tries < kFreeNameTries; ++tries) {
        const int error = avMoveWithoutReplacing(_folder, _temporaryName.constData(), _folder, _name.constData());
        if (error == 0) {
            _temporaryName.clear();
            return true;
        }
        if (error != EEXIST || !_takePath(nextFreePath()))
            return _fail(error, reason);
    }
    return _fail(EEXIST, reason);
}

bool ReplacingFile::_writeOut(bool takeOldAttributes, QString* reason)
{
    if (!_file.isOpen())
        return _fail(EBADF, reason);
    errno = 0;
    if (!_file.flush() || _file.error() != QFileDevice::NoError) {
        const QString why = SaveFileCommit::writeFailure(_file, errno);
        qWarning().noquote() << "Cannot write " + _path + ": " + why;
        _discard();
        if (reason)
            *reason = why;
        return false;
    }
    // Only now: writing would take a set-user-ID bit or a capability away again.
    bool taken = false;
    if (const int error = takeOldAttributes ? _takeOldAttributes(_file.handle(), &taken) : 0)
        return _fail(error, reason);
    // Replacing none after all (the old file gone, or a free name taken):
    // the permissions asked for, else those of any new file where it was
    // made private to take the old file's.
    const mode_t mode = _permissions >= 0 ? mode_t(_permissions) : _madePrivate ? newFileMode() : 0;
    if (!taken && mode != 0 && ::fchmod(_file.handle(), mode) != 0)
        return _fail(errno, reason);
    if (::fsync(_file.handle()) != 0)
        return _fail(errno, reason);
    _file.close();
    return true;
}

// Those of the file at the name now, whatever stood there at open();
// nothing when no regular file is there.
int ReplacingFile::_takeOldAttributes(int descriptor, bool* taken) const
{
    struct stat old;
    if (::fstatat(_folder, _name.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(old.st_mode))
        return 0;
    // Not blocking: a named pipe put there meanwhile never holds the save.
    const int source = ::openat(_folder, _name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (source < 0) {
        // A file this process may write but not read passes on all but its extended attributes.
        if (isRefusal(errno)) {
            const int error = copyAttributes(-1, old, descriptor);
            *taken = error == 0;
            return error;
        }
        return errno == ENOENT || errno == ELOOP ? 0 : errno;
    }
    int error = ::fstat(source, &old) == 0 ? 0 : errno;
    if (error == 0 && S_ISREG(old.st_mode)) {
        error = copyAttributes(source, old, descriptor);
        *taken = error == 0;
    }
    ::close(source);
    return error;
}

bool ReplacingFile::_takePath(const QString& path)
{
    const QFileInfo next(path);
    if (path.isEmpty() || next.path() != QFileInfo(_path).path())
        return false;
    _path = path;
    _name = QFile::encodeName(next.fileName());
    return true;
}

bool ReplacingFile::_fail(int systemError, QString* reason)
{
    _discard();
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(systemError));
    return false;
}

void ReplacingFile::_discard()
{
    _file.close();
    if (!_temporaryName.isEmpty() && ::unlinkat(_folder, _temporaryName.constData(), 0) != 0)
        qWarning().noquote() << "The temporary file " + QFile::decodeName(_temporaryName) + " beside " + _path
                                    + " stays: " + QString::fromLocal8Bit(std::strerror(errno));
    _temporaryName.clear();
}
