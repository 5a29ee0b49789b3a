#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

// Another process that keeps swapping every folder below a root, at any
// depth, for a symbolic link to a user's folder and back, in passes: one
// pass sets each folder aside ("NAME.aside") and puts the link at its name,
// then does the same below it; the next one takes each link away, brings
// the folder back and does the same below it. A program that looks a
// folder up by its path again, while it removes or writes it, is led into
// the user's folder about half of the time. The swapper walks by
// descriptors and never enters a link, so that it never touches the user's
// folder itself; the root stays where it is.
class FolderSwapper
{
public:
    FolderSwapper(const QString& root, const QString& userFolder)
        : _root(QFile::encodeName(root)), _user(QFile::encodeName(userFolder)), _thread([this] {
              for (bool linking = true; !_done; linking = !linking) {
                  const int root = ::open(_root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                  if (root >= 0)
                      _toggleBelow(root, linking);
                  ::close(root);
              }
          })
    {
    }
    ~FolderSwapper() { stop(); }
    void stop()
    {
        _done = true;
        if (_thread.joinable())
            _thread.join();
    }
    // How many times a folder was swapped for a link.
    int swaps() const { return _swaps; }

private:
    static bool isAside(const QByteArray& name) { return name.endsWith(".aside"); }

    void _toggleBelow(int folder, bool linking)
    {
        const int own = ::dup(folder);
        DIR* entries = own >= 0 ? ::fdopendir(own) : nullptr;
        if (!entries)
            return;
        QList<QByteArray> names;
        while (const dirent* entry = ::readdir(entries)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names << QByteArray(entry->d_name);
        }
        ::closedir(entries);
        for (const QByteArray& name : qAsConst(names)) {
            if (!isAside(name))
                linking ? _link(folder, name) : _unlink(folder, name);
        }
    }

    // The folder set aside and the link put in its place, then the same below it.
    void _link(int parent, const QByteArray& name)
    {
        const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0)
            return;
        if (::renameat(parent, name.constData(), parent, (name + ".aside").constData()) == 0
            && ::symlinkat(_user.constData(), parent, name.constData()) == 0)
            ++_swaps;
        _toggleBelow(folder, true);
        ::close(folder);
    }

    // A link of its own taken away and the folder set aside brought back,
    // then the same below it.
    void _unlink(int parent, const QByteArray& name)
    {
        char target[4096];
        const ssize_t length = ::readlinkat(parent, name.constData(), target, sizeof target);
        if (length >= 0 && QByteArray(target, int(length)) == _user && ::unlinkat(parent, name.constData(), 0) == 0)
            ::renameat(parent, (name + ".aside").constData(), parent, name.constData());
        const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0)
            return;
        _toggleBelow(folder, false);
        ::close(folder);
    }

    QByteArray _root;
    QByteArray _user;
    std::atomic<bool> _done{false};
    std::atomic<int> _swaps{0};
    std::thread _thread;
};

// A user's folder outside the program's: a photo, notes, a sub-folder with
// a clip, and twenty more files, each of bytes of its own.
struct UserFolder {
    explicit UserFolder(const QString& folder) : path(folder)
    {
        QDir().mkpath(path + "/holiday");
        const auto put = [this](const QString& name, const QByteArray& bytes) {
            QFile file(path + "/" + name);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        };
        put("photo.jpg", "the user's photo");
        put("notes.txt", "the user's notes");
        put("holiday/clip.mp4", "the user's clip");
        for (int index = 0; index < 20; ++index)
            put(QStringLiteral("file%1.txt").arg(index), "the user's file " + QByteArray::number(index));
        before = tree();
    }
    // Every entry below the folder, links not followed, with the bytes of
    // each file ("folder" for a folder, "link to" and the target for a link).
    QMap<QString, QByteArray> tree() const
    {
        QMap<QString, QByteArray> entries;
        QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString entry = it.next();
            const QFileInfo info(entry);
            QFile file(entry);
            entries.insert(QDir(path).relativeFilePath(entry),
                           info.isSymLink() ? "link to " + QFile::encodeName(info.symLinkTarget())
                               : info.isDir()
                               ? QByteArray("folder")
                               : (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable")));
        }
        return entries;
    }
    // Whether everything is as it was made, and nothing came in.
    bool isUnchanged() const { return tree() == before; }

    QString path;
    QMap<QString, QByteArray> before;
};
