#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// A folder that can no longer be written, even by root: the folder and the
// files in it carry the file system's immutable flag, so nothing in it can
// be created, changed, renamed or removed. The flag is lifted again when
// the object goes, whatever the test did in between.
class ImmutableFolder
{
public:
    // With the folder alone locked, a file already open in it can still be
    // written, but nothing can be made, renamed or removed there.
    enum Reach { FolderAndFiles, FolderAlone };

    explicit ImmutableFolder(const QString& path, Reach reach = FolderAndFiles)
    {
        const QDir folder(path);
        QStringList paths{path};
        if (reach == FolderAndFiles) {
            for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
                paths << folder.filePath(name);
        }
        for (const QString& entry : paths) {
            if (!_setImmutable(entry, true)) {
                lift();
                return;
            }
            _locked << entry;
        }
    }
    ~ImmutableFolder() { lift(); }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;

    bool isLocked() const { return !_locked.isEmpty(); }
    // Why the flag could not be set, for the skip message.
    QString failure() const { return _failure; }

    void lift()
    {
        for (const QString& entry : _locked)
            _setImmutable(entry, false);
        _locked.clear();
    }

private:
    bool _setImmutable(const QString& path, bool on)
    {
        const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            _failure = path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        int flags = 0;
        bool done = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (!done)
            _failure = path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        ::close(descriptor);
        return done;
    }

    QStringList _locked;
    QString _failure;
};
