#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include "AVFileIdentity.h"

#include <string>

#include <sys/types.h>

// The file an export writes until its movie is finished. It is always a new
// file, made by this export alone: "<movie>.part" beside the movie, or a
// unique name there when another file holds that one. It is moved to the
// movie's name, or removed, only while its name still leads to the file
// made here, so a file that took its place meanwhile is never touched.
class AVPartialFile {
public:
    AVPartialFile() = default;
    // Closes the file and removes it, unless it was moved into place or is
    // no longer the file made here.
    ~AVPartialFile();
    AVPartialFile(const AVPartialFile&) = delete;
    AVPartialFile& operator=(const AVPartialFile&) = delete;

    // Makes the file beside the movie; 0 or a negative FFmpeg error.
    int create(const std::string& moviePath);
    // What the muxer writes through; null unless the file is open.
    AVIOContext* writer() const { return _writer; }
    const std::string& path() const { return _path; }
    // Writes out what the writer holds and closes the file; 0 or a negative
    // FFmpeg error.
    int close();
    // Whether the name still leads to the file made here.
    bool isStillOwn() const;
    // Gives the file the movie's name without replacing anything there: 0,
    // or the errno of the failure (EEXIST when the name is taken).
    int moveTo(const std::string& moviePath);
    // The movie's file as it took its name; no file before, or when another
    // file took the name at once.
    const AVFileIdentity& movieIdentity() const { return _movie; }

private:
    int _open(const std::string& path);
    static int _write(void* file, uint8_t* data, int size);
    static int64_t _seek(void* file, int64_t offset, int whence);

    int _descriptor = -1;
    AVIOContext* _writer = nullptr;
    std::string _path;  // empty once moved into place
    dev_t _device = 0;
    ino_t _inode = 0;
    AVFileIdentity _movie;
};
