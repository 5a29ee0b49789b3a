#pragma once

#include "Segment.h"

#include <atomic>

// The base of the segments that only sound: music and sound effects from a
// file, and recorded voice. Both play a trimmed part of their media:
// "TrimStart" and "TrimDuration" hold it in media seconds, while the trim
// accessors speak timeline seconds (media seconds divided by the speed).
// Once the engine reported the media's duration, the segment's duration is
// at most the whole media's and its end cannot pass the media's end.
class SoundSegment : public Segment
{
public:
    SoundSegment(const Segment* source, float start, SegmentListener* owner);
    explicit SoundSegment(SegmentListener* owner);
    SoundSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner);

    virtual float trimStart() const;
    virtual void setTrimStart(float start);
    virtual float trimDuration() const;
    virtual void setTrimDuration(float duration);
    float storedTrimStart() const;
    float storedTrimDuration() const;

    // Seconds, from the engine's load report; 0 until known.
    float mediaDuration() const { return _mediaDuration.load(); }
    // Timeline seconds of the whole media, however trimmed: the width over
    // which its waveform or levels are drawn (the duration until known).
    float wholeMediaDuration() const;

    float duration() const override;
    bool setStartTime(const float& time) override;
    bool setEndTime(const float& time) override;
    bool hasAudio() const override;
    QString text() const override;

protected:
    // The engine's load report while the segment waits for it (state 1):
    // the error code of a failure, or the media duration with the range and
    // trim it gives. False when the report is not awaited.
    bool _takeEngineLoadReport(bool failed);

private:
    std::atomic<float> _mediaDuration{0.0f};
};
