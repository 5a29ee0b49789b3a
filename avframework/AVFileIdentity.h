#pragma once

#include <string>

#include <sys/stat.h>
#include <sys/types.h>

// What tells a file from any other that takes its name later: its device,
// its inode number, its size and the time its inode last changed. A file
// removed and another put in its place may be given the same inode number;
// the change time moves on with it (only the clock's coarse step could make
// it the same), and so does it with a rename, a new link, a new mode or a
// write, but not with a read.
class AVFileIdentity {
public:
    // No file.
    AVFileIdentity() = default;
    // The regular file at the path itself (a link there is not followed);
    // no file for anything else there, or nothing. Never opens the path.
    static AVFileIdentity ofRegularFile(const std::string& path);
    // The regular file that has this status; no file for any other kind.
    static AVFileIdentity ofStatus(const struct stat& status);

    bool isFile() const { return _isFile; }
    bool isInode(dev_t device, ino_t inode) const;
    bool operator==(const AVFileIdentity& other) const;
    bool operator!=(const AVFileIdentity& other) const { return !(*this == other); }

private:
    bool _isFile = false;
    dev_t _device = 0;
    ino_t _inode = 0;
    off_t _size = 0;
    timespec _changed{};
};
