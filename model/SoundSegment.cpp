#include "SoundSegment.h"

#include "SegmentKeys.h"
#include "SegmentListener.h"

#include <QFileInfo>

SoundSegment::SoundSegment(const Segment* source, float start, SegmentListener* owner)
    : Segment(source, start, owner)
{
}

SoundSegment::SoundSegment(SegmentListener* owner)
    : Segment(owner)
{
}

SoundSegment::SoundSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner)
    : Segment(std::move(attributes), owner)
{
}

float SoundSegment::storedTrimStart() const
{
    return floatAttribute(attributes(), SegmentKey::TrimStart, 0.0f);
}

float SoundSegment::storedTrimDuration() const
{
    return floatAttribute(attributes(), SegmentKey::TrimDuration, 0.0f);
}

float SoundSegment::trimStart() const { return _trimTime(SegmentKey::TrimStart); }
void SoundSegment::setTrimStart(float start) { _setTrimTime(SegmentKey::TrimStart, start); }
float SoundSegment::trimDuration() const { return _trimTime(SegmentKey::TrimDuration); }
void SoundSegment::setTrimDuration(float duration) { _setTrimTime(SegmentKey::TrimDuration, duration); }

float SoundSegment::duration() const
{
    return _durationWithinMedia(mediaDuration());
}

float SoundSegment::wholeMediaDuration() const
{
    const float media = mediaDuration();
    return media == 0.0f ? Segment::duration() : media / speed();
}

bool SoundSegment::setStartTime(const float& time)
{
    return _moveStartWithTrim(time);
}

bool SoundSegment::setEndTime(const float& time)
{
    return _moveEndWithinMedia(time, mediaDuration());
}

bool SoundSegment::hasAudio() const
{
    return true;
}

QString SoundSegment::text() const
{
    return fileDisplayName();
}

bool SoundSegment::_takeEngineLoadReport(bool failed)
{
    if (state() != 1)
        return false;
    if (failed) {
        setErrorCode(QFileInfo::exists(absoluteFilePath()) ? 1 : 2);
        return true;
    }
    SegmentListener* listener = owner();
    const float media = listener ? listener->segmentMediaDuration(this) : 0.0f;
    _mediaDuration.store(media);
    _fitTimingToMedia(media);
    return true;
}
