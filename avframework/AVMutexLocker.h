#pragma once

#include "AVSync.h"

// Holds an engine mutex for the lifetime of a scope.
class AVMutexLocker {
public:
    explicit AVMutexLocker(AVMutex* mutex) : _mutex(mutex) { avMutexLock(_mutex); }
    ~AVMutexLocker() { avMutexUnlock(_mutex); }
    AVMutexLocker(const AVMutexLocker&) = delete;
    AVMutexLocker& operator=(const AVMutexLocker&) = delete;

private:
    AVMutex* _mutex;
};
