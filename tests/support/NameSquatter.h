#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

// Another process that keeps putting, at the names a write of the program
// may take, links to a user's file and named pipes, and taking
// each away again a moment later: a name is free only now and then. What
// stands at a name, once it is a file of the program's, stays.
// Before a pipe goes, a writer that waits on it is let through and its
// bytes read, so that a write opening one is told, not waited on for good.
class NameSquatter
{
public:
    NameSquatter(const QStringList& names, const QString& linkTarget)
        : _names(names), _linkTarget(QFile::encodeName(linkTarget)), _thread([this] {
              for (int round = 0; !_done; ++round) {
                  for (int index = 0; index < _names.size(); ++index)
                      _toggle(QFile::encodeName(_names[index]), (round + index) % 2 == 0);
              }
          })
    {
    }
    // Takes its links and pipes with it.
    ~NameSquatter()
    {
        _done = true;
        _thread.join();
        for (const QString& name : qAsConst(_names)) {
            if (QFileInfo(name).isSymLink() || !QFileInfo(name).isFile())
                QFile::remove(name);
        }
    }
    // How many writers opened one of the pipes.
    int pipeWriters() const { return _pipeWriters; }

private:
    void _toggle(const QByteArray& name, bool link)
    {
        struct stat status;
        if (::lstat(name.constData(), &status) != 0) {
            if (link)
                ::symlink(_linkTarget.constData(), name.constData());
            else
                ::mkfifo(name.constData(), 0600);
            return;
        }
        if (S_ISFIFO(status.st_mode))
            _releaseWriter(name, status);
        if (S_ISLNK(status.st_mode) || S_ISFIFO(status.st_mode))
            _remove(name, status);
    }

    // Moved aside first: what the program put at the name since the squatter
    // looked (a file renamed over its link or pipe) goes back, and stays.
    static void _remove(const QByteArray& name, const struct stat& own)
    {
        const QByteArray aside = name + ".squatted";
        if (::rename(name.constData(), aside.constData()) != 0)
            return;
        if (_isSame(aside, own))
            ::unlink(aside.constData());
        else
            ::renameat2(AT_FDCWD, aside.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE);
    }

    static bool _isSame(const QByteArray& name, const struct stat& own)
    {
        struct stat status;
        return ::lstat(name.constData(), &status) == 0 && status.st_ino == own.st_ino && status.st_dev == own.st_dev;
    }

    void _releaseWriter(const QByteArray& name, const struct stat& own)
    {
        int reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        struct stat opened;
        // A file the program put there meanwhile is none of its pipes.
        if (reader >= 0 && (::fstat(reader, &opened) != 0 || opened.st_ino != own.st_ino)) {
            ::close(reader);
            reader = -1;
        }
        char buffer[65536];
        // 0 at once: no writer has the pipe open.
        ssize_t count = reader >= 0 ? ::read(reader, buffer, sizeof buffer) : 0;
        if (count != 0) {
            ++_pipeWriters;
            QElapsedTimer clock;
            clock.start();
            while (count != 0 && clock.elapsed() < 10000) {
                count = ::read(reader, buffer, sizeof buffer);
                if (count < 0)
                    QThread::msleep(1);
            }
        }
        if (reader >= 0)
            ::close(reader);
    }

    const QStringList _names;
    const QByteArray _linkTarget;
    std::atomic<bool> _done{false};
    std::atomic<int> _pipeWriters{0};
    std::thread _thread;
};
