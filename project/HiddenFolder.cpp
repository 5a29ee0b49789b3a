#include "HiddenFolder.h"

#include "AVFileDescriptor.h"
#include "AVFolderTree.h"
#include "AVRegularFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

const QByteArray kImportPrefix = QByteArrayLiteral(".vidorna-import-");
const QByteArray kRemovalPrefix = QByteArrayLiteral(".vidorna-removal-");
constexpr int kNameLetters = 6;
// Names taken by chance before one is free.
constexpr int kNameTries = 100;

const QByteArray& prefixOf(HiddenFolder::Kind kind)
{
    return kind == HiddenFolder::Kind::Import ? kImportPrefix : kRemovalPrefix;
}

QByteArray randomName(HiddenFolder::Kind kind)
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = prefixOf(kind);
    for (int index = 0; index < kNameLetters; ++index)
        name += kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)];
    return name;
}

bool hasName(const QByteArray& name, HiddenFolder::Kind kind)
{
    const QByteArray& prefix = prefixOf(kind);
    return name.size() == prefix.size() + kNameLetters && name.startsWith(prefix);
}

int openFolder(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int openFolderAt(int parent, const QByteArray& name)
{
    return ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

int HiddenFolder::make(int parent, Kind kind, QByteArray* name)
{
    for (int tries = 0; tries < kNameTries; ++tries) {
        const QByteArray candidate = randomName(kind);
        if (::mkdirat(parent, candidate.constData(), 0777) != 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        const int folder = openFolderAt(parent, candidate);
        // A clearing that took the folder before the lock leaves it gone.
        if (folder >= 0 && avLockFolder(folder) && avIsFolderAt(folder, parent, candidate)) {
            *name = candidate;
            return folder;
        }
        if (folder >= 0)
            ::close(folder);
    }
    errno = EEXIST;
    return -1;
}

bool HiddenFolder::remove(int parent, const QByteArray& name)
{
    const AVFileDescriptor folder(openFolderAt(parent, name));
    if (!folder.isOpen())
        return avRemoveFolderAt(parent, name);
    // Held before it is hidden: another program's clearing passes over it.
    if (!avLockFolder(folder.get())) {
        errno = EBUSY;
        return false;
    }
    for (int tries = 0; tries < kNameTries; ++tries) {
        const QByteArray aside = randomName(Kind::Removal);
        const int error = avMoveWithoutReplacing(parent, name.constData(), parent, aside.constData());
        if (error == EEXIST || error == ENOTEMPTY)
            continue;
        if (error != 0) {
            errno = error;
            return false;
        }
        // What another process put at the name meanwhile was moved instead:
        // it goes as itself, a link as a link.
        if (!avIsFolderAt(folder.get(), parent, aside))
            return avRemoveFolderAt(parent, aside);
        return removeOpen(folder.get(), parent, aside);
    }
    errno = EEXIST;
    return false;
}

bool HiddenFolder::removeOpen(int folder, int parent, const QByteArray& name)
{
    return avEmptyFolder(folder) && (::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT);
}

bool HiddenFolder::isHiddenName(const QString& name)
{
    const QByteArray bytes = QFile::encodeName(name);
    return hasName(bytes, Kind::Import) || hasName(bytes, Kind::Removal);
}

void HiddenFolder::clearLeftovers(int parent)
{
    QList<QByteArray> names;
    avFolderEntries(parent, &names);
    for (const QByteArray& name : qAsConst(names)) {
        if (!isHiddenName(QFile::decodeName(name)))
            continue;
        const AVFileDescriptor folder(openFolderAt(parent, name));
        // Held while it empties: a program that made it just now takes another name.
        if (!folder.isOpen() || !avLockFolder(folder.get()))
            continue;
        qDebug().noquote() << "Remove what an import or a removal that never ended left: " + QFile::decodeName(name);
        removeOpen(folder.get(), parent, name);
    }
}

void HiddenFolder::clearLeftovers(const QString& path)
{
    const AVFileDescriptor parent(openFolder(path));
    if (parent.isOpen())
        clearLeftovers(parent.get());
}

bool HiddenFolder::remove(const QString& path)
{
    const QFileInfo item(path);
    const AVFileDescriptor parent(openFolder(item.path()));
    if (!parent.isOpen())
        return false;
    clearLeftovers(parent.get());
    return remove(parent.get(), QFile::encodeName(item.fileName()));
}
