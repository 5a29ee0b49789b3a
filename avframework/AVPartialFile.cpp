// The unfinished movie file: made anew for one export, written through a
// writer on its own descriptor, and named or removed only while its name
// still leads to it.

#include "AVPartialFile.h"

#include "AVRegularFile.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

namespace {

constexpr int kWriterBufferSize = 32768;
// Unique names tried when "<movie>.part" is taken: a clash of random names is
// all but impossible, so running out of them means the folder refuses them.
constexpr int kMaxUniqueNames = 100;
constexpr int kUniqueNameLength = 6;

// "<movie>.<six letters or digits>.part"
std::string uniqueName(const std::string& moviePath)
{
    static const char kCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kCharacters - 2);
    std::string name = moviePath + '.';
    for (int i = 0; i < kUniqueNameLength; ++i)
        name += kCharacters[pick(random)];
    return name + ".part";
}

} // namespace

AVPartialFile::~AVPartialFile()
{
    // Looked at while the file is still open: its number cannot have been
    // given to another file yet.
    const bool own = isStillOwn();
    close();
    if (own)
        unlink(_path.c_str());
}

int AVPartialFile::create(const std::string& moviePath)
{
    int error = _open(moviePath + ".part");
    for (int attempt = 0; error == EEXIST && attempt < kMaxUniqueNames; ++attempt)
        error = _open(uniqueName(moviePath));
    if (error != 0)
        return AVERROR(error);
    auto* buffer = static_cast<unsigned char*>(av_malloc(kWriterBufferSize));
    if (buffer)
        _writer = avio_alloc_context(buffer, kWriterBufferSize, 1, this, nullptr, &_write, &_seek);
    if (!_writer) {
        av_free(buffer);
        return AVERROR(ENOMEM);
    }
    return 0;
}

int AVPartialFile::_open(const std::string& path)
{
    // Exclusive: an existing file of that name, or a link there, is never opened.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return errno;
    struct stat made {};
    if (fstat(descriptor, &made) != 0) {
        const int error = errno;
        ::close(descriptor);
        unlink(path.c_str());
        return error;
    }
    _descriptor = descriptor;
    _path = path;
    _device = made.st_dev;
    _inode = made.st_ino;
    return 0;
}

int AVPartialFile::close()
{
    int result = 0;
    if (_writer) {
        avio_flush(_writer);
        result = _writer->error;
        av_freep(&_writer->buffer);
        avio_context_free(&_writer);
    }
    if (_descriptor >= 0 && ::close(_descriptor) != 0 && result == 0)
        result = AVERROR(errno);
    _descriptor = -1;
    return result;
}

bool AVPartialFile::isStillOwn() const
{
    return !_path.empty() && AVFileIdentity::ofRegularFile(_path).isInode(_device, _inode);
}

int AVPartialFile::moveTo(const std::string& moviePath)
{
    const int error = avMoveWithoutReplacing(AT_FDCWD, _path.c_str(), AT_FDCWD, moviePath.c_str());
    if (error != 0)
        return error;
    // Looked at at once: only the file written here counts as the movie.
    const AVFileIdentity named = AVFileIdentity::ofRegularFile(moviePath);
    if (named.isInode(_device, _inode))
        _movie = named;
    _path.clear();
    return 0;
}

int AVPartialFile::_write(void* file, uint8_t* data, int size)
{
    const int descriptor = static_cast<AVPartialFile*>(file)->_descriptor;
    int written = 0;
    while (written < size) {
        const ssize_t step = ::write(descriptor, data + written, size_t(size - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return step < 0 ? AVERROR(errno) : AVERROR(EIO);
        written += int(step);
    }
    return written;
}

int64_t AVPartialFile::_seek(void* file, int64_t offset, int whence)
{
    const int descriptor = static_cast<AVPartialFile*>(file)->_descriptor;
    if (whence & AVSEEK_SIZE) {
        struct stat status {};
        return fstat(descriptor, &status) == 0 ? int64_t(status.st_size) : AVERROR(errno);
    }
    const off_t position = lseek(descriptor, off_t(offset), whence & ~AVSEEK_FORCE);
    return position < 0 ? AVERROR(errno) : int64_t(position);
}
