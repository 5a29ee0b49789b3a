#pragma once

#include "AVSync.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class AVImageSegment;
class AVThread_QThread_Type;

// The one background worker that reads still pictures for image segments,
// first in, first out, off the drawing thread. Segments queue themselves
// when they wake and leave the queue when they sleep or go away; a segment
// that leaves while its file is being read has the result dropped.
class AVImageLoader {
public:
    AVImageLoader();
    // Stops the worker and waits for it before anything it uses goes.
    virtual ~AVImageLoader();
    AVImageLoader(const AVImageLoader&) = delete;
    AVImageLoader& operator=(const AVImageLoader&) = delete;

    void enqueue(AVImageSegment* segment);
    // Takes the segment out of the queue; a read of its file under way is
    // not delivered.
    void remove(AVImageSegment* segment);
    // Removes the segment and waits while its result is being delivered:
    // afterwards the worker never touches it again.
    void forget(AVImageSegment* segment);
    AVImageSegment* currentSegment() const { return _current.load(); }
    // Handed to the picture reader: while set (an export runs), pictures
    // larger than the composition are decoded whole and then scaled.
    void setPaused(bool paused) { _paused = paused; }
    // Stops the worker; with wait, returns once it has ended.
    void stop(bool wait);
    bool isRunning() const { return _running.load(); }
    size_t queueLength() const;

private:
    static int _entry(AVThread_QThread_Type* thread, void* loader);
    void _run();
    // The next queued segment, made current under the mutex, and its path;
    // false when the queue stayed empty for a while or the loader stops.
    bool _next(AVImageSegment** segment, std::string* path);
    void _read(AVImageSegment* segment, const std::string& path);

    std::deque<AVImageSegment*> _queue;
    std::unique_ptr<AVMutex> _mutex;  // the queue and the current segment's state
    std::unique_ptr<AVCondition> _condition;
    AVThread_QThread_Type* _thread = nullptr;
    std::atomic<bool> _stop{false};
    std::atomic<bool> _running{false};
    std::atomic<bool> _paused{false};
    std::atomic<AVImageSegment*> _current{nullptr};
    bool _currentDropped = false;  // the current segment left: its result is dropped
    bool _delivering = false;      // the current segment is receiving its picture
};
