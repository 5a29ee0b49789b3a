#include "ReplacingFile.h"

#include "SaveFileCommit.h"

#include <QDebug>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Names taken by chance (or by another writer of the same file) before one is free.
constexpr int kTemporaryNameTries = 100;

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

} // namespace

ReplacingFile::ReplacingFile(const QString& path) : _path(path), _name(QFile::encodeName(QFileInfo(path).fileName()))
{
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
    _folder = ::open(QFile::encodeName(QFileInfo(_path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (_folder < 0)
        return _fail(errno, reason);
    // The old file's permissions go to the new one; a file that may not be
    // written is not replaced behind its owner's back.
    struct stat old;
    const bool exists = ::fstatat(_folder, _name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return _fail(EISDIR, reason);
    const bool oldIsFile = exists && S_ISREG(old.st_mode);
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
    if (oldIsFile)
        ::fchmod(descriptor, old.st_mode & 07777);
    if (!_file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return _fail(EBADF, reason);
    }
    return true;
}

bool ReplacingFile::commit(QString* reason)
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
    if (::fsync(_file.handle()) != 0)
        return _fail(errno, reason);
    _file.close();
    if (::renameat(_folder, _temporaryName.constData(), _folder, _name.constData()) != 0)
        return _fail(errno, reason);
    _temporaryName.clear();
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
