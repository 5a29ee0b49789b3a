#include "SaveFileCommit.h"

#include <QDebug>
#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace SaveFileCommit {

bool commitWhole(QSaveFile& file, QString* reason)
{
    if (!file.isOpen())
        return false;
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        // Taken before the cancel, which puts its own text in its place.
        const QString why = writeFailure(file, errno);
        qWarning().noquote() << "Cannot write " + file.fileName() + ": " + why;
        file.cancelWriting();
        if (reason)
            *reason = why;
        return false;
    }
    // A failed rename leaves Qt's text empty ("Unknown error"); the system's
    // error number still names the cause.
    errno = 0;
    if (file.commit())
        return true;
    if (reason)
        *reason = writeFailure(file, errno);
    return false;
}

int writeThrough(const QString& path, const std::function<bool(QSaveFile&)>& write, QString* reason)
{
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = openFailure(file);
        return -1;
    }
    errno = 0;
    if (!write(file)) {
        // An uncommitted QSaveFile removes its temporary file and leaves the old one.
        if (reason)
            *reason = writeFailure(file, errno);
        return -2;
    }
    return commitWhole(file, reason) ? 0 : -2;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason)
{
    return writeThrough(path, [&bytes](QSaveFile& file) { return file.write(bytes) == bytes.size(); }, reason) == 0;
}

bool writeImage(const QString& path, const QImage& image, const char* format, int quality, QString* reason)
{
    return writeThrough(path, [&](QSaveFile& file) { return image.save(&file, format, quality); }, reason) == 0;
}

bool removeLinkAt(const QString& path, QString* reason)
{
    // lstat: stat would tell what the link leads to.
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (name.isEmpty() || ::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return true;
    if (::unlink(name.constData()) == 0) {
        qWarning().noquote() << "The link " + path + " was removed: the program keeps a file of its own there";
        return true;
    }
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    qWarning().noquote() << "Cannot remove the link " + path + ": " + why;
    if (reason)
        *reason = why;
    return false;
}

QString openFailure(const QSaveFile& file)
{
    const QByteArray path = QFile::encodeName(file.fileName());
    if (!path.isEmpty() && ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return file.errorString();
}

QString writeFailure(const QFileDevice& file, int systemError)
{
    return systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError)) : file.errorString();
}

} // namespace SaveFileCommit
