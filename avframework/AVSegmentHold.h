#pragma once

class AVComposition;
class AVSegment;

// A segment looked up in the composition's lists and kept alive while this
// is held: removed meanwhile, it leaves the lists but is destroyed only once
// every hold on it is released. Threads that do not remove segments (the
// window's loading tasks) reach them only this way, so that what they found
// under the list mutexes cannot be freed before they are done with it.
class AVSegmentHold {
public:
    AVSegmentHold() = default;
    // Made by the composition with the list mutexes held; segment may be null.
    AVSegmentHold(AVComposition* composition, AVSegment* segment);
    ~AVSegmentHold();
    AVSegmentHold(AVSegmentHold&& other) noexcept;
    AVSegmentHold(const AVSegmentHold&) = delete;
    AVSegmentHold& operator=(const AVSegmentHold&) = delete;
    AVSegmentHold& operator=(AVSegmentHold&&) = delete;

    AVSegment* get() const { return _segment; }
    AVSegment* operator->() const { return _segment; }
    explicit operator bool() const { return _segment != nullptr; }
    // The segment as that kind, or null.
    template <typename Kind>
    Kind* as() const
    {
        return dynamic_cast<Kind*>(_segment);
    }

private:
    AVComposition* _composition = nullptr;
    AVSegment* _segment = nullptr;
};
