// A file's identity, read from its status alone: the file is never opened.

#include "AVFileIdentity.h"

AVFileIdentity AVFileIdentity::ofRegularFile(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 ? ofStatus(status) : AVFileIdentity();
}

AVFileIdentity AVFileIdentity::ofStatus(const struct stat& status)
{
    AVFileIdentity identity;
    if (!S_ISREG(status.st_mode))
        return identity;
    identity._isFile = true;
    identity._device = status.st_dev;
    identity._inode = status.st_ino;
    identity._size = status.st_size;
    identity._changed = status.st_ctim;
    return identity;
}

bool AVFileIdentity::isInode(dev_t device, ino_t inode) const
{
    return _isFile && _device == device && _inode == inode;
}

bool AVFileIdentity::operator==(const AVFileIdentity& other) const
{
    return _isFile == other._isFile && _device == other._device && _inode == other._inode && _size == other._size
        && _changed.tv_sec == other._changed.tv_sec && _changed.tv_nsec == other._changed.tv_nsec;
}
