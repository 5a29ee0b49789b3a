#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

// A named pipe at a path while the object lives, watched for readers. Opening
// a named pipe for reading waits until a writer opens it too, so a program
// that opens one holds its thread for good. The watcher opens the writing
// end whenever a reader waits and closes it at once: the reader then reads an
// empty file instead of hanging the test, and the opening is counted.
class WatchedPipe
{
public:
    explicit WatchedPipe(const QString& path) : _path(QFile::encodeName(path))
    {
        QFile::remove(path);
        if (mkfifo(_path.constData(), 0600) != 0)
            return;
        _made = true;
        _watcher = std::thread([this] { _watch(); });
    }
    ~WatchedPipe()
    {
        _stop = true;
        if (_watcher.joinable())
            _watcher.join();
    }
    WatchedPipe(const WatchedPipe&) = delete;
    WatchedPipe& operator=(const WatchedPipe&) = delete;

    bool isMade() const { return _made; }
    // How often something opened the pipe for reading.
    int readers() const { return _readers; }
    // Whether a named pipe is still at the path (nothing replaced it).
    bool isStillAPipe() const
    {
        struct stat status;
        return lstat(_path.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }

private:
    void _watch()
    {
        while (!_stop) {
            // Without a reader a writer that does not wait is refused at once.
            const int writer = ::open(_path.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ++_readers;
                ::close(writer);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    QByteArray _path;
    bool _made = false;
    std::atomic<bool> _stop{false};
    std::atomic<int> _readers{0};
    std::thread _watcher;
};
