#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

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

    QString at;
    bool mounted = false;
};
