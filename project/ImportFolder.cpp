#include "ImportFolder.h"

#include "AVFolderTree.h"
#include "AVRegularFile.h"
#include "HiddenFolder.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstring>

namespace {

// "NAME (N)" is tried up to this N.
constexpr int kFolderNumberLimit = 100000;

} // namespace

ImportFolder::ImportFolder(int destination)
    : _destination(destination), _folder(HiddenFolder::make(destination, HiddenFolder::Kind::Import, &_name))
{
}

ImportFolder::~ImportFolder()
{
    if (!_folder.isOpen() || _named)
        return;
    if (!HiddenFolder::removeOpen(_folder.get(), _destination, _name))
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

bool ImportFolder::_isAtOwnName() const
{
    return avIsFolderAt(_folder.get(), _destination, _name);
}
