#include "FileBlockCopy.h"

#include <cerrno>
#include <unistd.h>

namespace {

// The kernel cannot copy between these two files (other file systems, a
// device, an old kernel): the caller copies through memory instead.
bool needsPlainCopy(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EBADF;
}

bool isWriteError(int error)
{
    return error == ENOSPC || error == EFBIG || error == EDQUOT || error == EPIPE;
}

qint64 copyThroughBuffer(int input, int output, qint64 bytes, QByteArray* buffer, FileBlockCopyError* error)
{
    buffer->resize(int(bytes));
    ssize_t got;
    do {
        got = ::read(input, buffer->data(), size_t(bytes));
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        *error = FileBlockCopyError::Read;
    for (ssize_t written = 0; got > 0 && written < got;) {
        const ssize_t count = ::write(output, buffer->constData() + written, size_t(got - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            *error = FileBlockCopyError::Write;
            return -1;
        }
        written += count;
    }
    return got;
}

} // namespace

qint64 copyFileBlock(int input, int output, qint64 bytes, QByteArray* buffer, FileBlockCopyError* error)
{
    *error = FileBlockCopyError::None;
    ssize_t count;
    do {
        count = ::copy_file_range(input, nullptr, output, nullptr, size_t(bytes), 0);
    } while (count < 0 && errno == EINTR);
    if (count >= 0)
        return count;
    if (needsPlainCopy(errno))
        return copyThroughBuffer(input, output, bytes, buffer, error);
    *error = isWriteError(errno) ? FileBlockCopyError::Write : FileBlockCopyError::Read;
    return -1;
}
