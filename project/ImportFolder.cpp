#include "ImportFolder.h"

#include "AVFolderTree.h"
#include "AVRegularFile.h"

#include <QDebug>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const QByteArray kNamePrefix = QByteArrayLiteral(".vidorna-import-");
constexpr int kNameLetters = 6;
// Names taken by chance before one is free.
constexpr int kNameTries = 100;
// "NAME (N)" is tried up to this N.
constexpr int kFolderNumberLimit = 100000;

QByteArray randomName()
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = kNamePrefix;
    for (int index = 0; index < kNameLetters; ++index)
        name += kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)];
    return name;
}

} // namespace

ImportFolder::ImportFolder(int destination) : _destination(destination), _folder(_make(destination, &_name))
{
}

ImportFolder::~ImportFolder()
{
    if (!_folder.isOpen() || _named)
        return;
    // Emptied through the descriptor, wherever another process moved the
    // folder; only an empty folder goes from the name.
    if (!avEmptyFolder(_folder.get()) || ::unlinkat(_destination, _name.constData(), AT_REMOVEDIR) != 0)
        qWarning().noquote() << "The unpacked files in " + QFile::decodeName(_name)
                                    + " stay: " + QString::fromLocal8Bit(std::strerror(errno));
}

QString ImportFolder::path(const QString& destinationPath) const
{
    return destinationPath + QLatin1Char('/') + QFile::decodeName(_name);
}

bool ImportFolder::takeFreeName(const QString& projectName)
{
    if (!_isAtOwnName()) {
        errno = ENOENT;
        return false;
    }
    for (int number = 0; number < kFolderNumberLimit; ++number) {
        // One arg call: a name that holds "%1" must not take the number.
        const QString name =
            number == 0 ? projectName : QStringLiteral("%1 (%2)").arg(projectName, QString::number(number));
        const int error =
            avMoveWithoutReplacing(_destination, _name.constData(), _destination, QFile::encodeName(name).constData());
        _named = error == 0;
        if (error != EEXIST && error != ENOTEMPTY) {
            errno = error;
            return _named;
        }
    }
    errno = EEXIST;
    return false;
}

bool ImportFolder::isImportFolderName(const QString& name)
{
    const QByteArray bytes = QFile::encodeName(name);
    return bytes.size() == kNamePrefix.size() + kNameLetters && bytes.startsWith(kNamePrefix);
}

void ImportFolder::clearLeftovers(int destination)
{
    QList<QByteArray> names;
    avFolderEntries(destination, &names);
    for (const QByteArray& name : qAsConst(names)) {
        if (!isImportFolderName(QFile::decodeName(name)))
            continue;
        const AVFileDescriptor folder(
            ::openat(destination, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        // Held while it empties: an import of another instance that made
        // it just now takes another name.
        if (!folder.isOpen() || ::flock(folder.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        qDebug().noquote() << "Remove the unpacked files of an import that never ended: " + QFile::decodeName(name);
        if (avEmptyFolder(folder.get()))
            ::unlinkat(destination, name.constData(), AT_REMOVEDIR);
    }
}

int ImportFolder::_make(int destination, QByteArray* name)
{
    for (int tries = 0; tries < kNameTries; ++tries) {
        const QByteArray candidate = randomName();
        if (::mkdirat(destination, candidate.constData(), 0777) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        const int folder =
            ::openat(destination, candidate.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        // A clearing that took the folder before the lock leaves it gone.
        if (folder >= 0 && avLockFolder(folder) && avIsFolderAt(folder, destination, candidate)) {
            *name = candidate;
            return folder;
        }
        if (folder >= 0)
            ::close(folder);
    }
    errno = EEXIST;
    return -1;
}

bool ImportFolder::_isAtOwnName() const
{
    return avIsFolderAt(_folder.get(), _destination, _name);
}
