#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A file system of its own, in memory, mounted over a folder while it lives
// (as root only). fill() takes all the room it has left, as a disk that is
// full: every later write that needs a block fails there.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString& folder, const QString& size = QStringLiteral("1m")) : at(folder)
    {
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", at}) == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {"-l", at});
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    // Writes a file named filler until the file system refuses; true once it did.
    bool fill(const QString& filler = QStringLiteral(".filler")) const
    {
        QFile file(QDir(at).filePath(filler));
        if (!mounted || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(64 * 1024, 'x');
        // A write that finds less room than the block writes what fits.
        while (file.write(block) > 0) {
        }
        return file.error() != QFileDevice::NoError;
    }

    // Mounted over a folder that keeps the files it held: they are moved
    // aside and copied onto the new file system. Null when a file could not
    // be moved or copied; a file system that could not be mounted leaves
    // the files where they were.
    static std::unique_ptr<SmallFileSystem> keepingFiles(const QString& folder, const QString& size)
    {
        QTemporaryDir aside;
        const QStringList names = QDir(folder).entryList(QDir::Files);
        for (const QString& name : names) {
            if (!QFile::rename(QDir(folder).filePath(name), aside.filePath(name)))
                return nullptr;
        }
        auto disk = std::make_unique<SmallFileSystem>(folder, size);
        for (const QString& name : names) {
            if (!QFile::copy(aside.filePath(name), QDir(folder).filePath(name)))
                return nullptr;
        }
        return disk;
    }

    QString at;
    bool mounted = false;
};
