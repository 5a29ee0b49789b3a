#include "SoundSegment.h"

#include "SegmentFile.h"
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

float SoundSegment::trimStart() const
{
    return storedTrimStart() / speed();
}

void SoundSegment::setTrimStart(float start)
{
    setFloatAttribute(attributes(), SegmentKey::TrimStart, start * speed());
}

float SoundSegment::trimDuration() const
{
    return storedTrimDuration() / speed();
}

void SoundSegment::setTrimDuration(float duration)
{
    setFloatAttribute(attributes(), SegmentKey::TrimDuration, duration * speed());
}

float SoundSegment::duration() const
{
    const float media = mediaDuration();
    return media == 0.0f ? Segment::duration() : media / speed();
}

bool SoundSegment::setStartTime(const float& time)
{
    const float start = trimStart();
    const float moved = start + (time - rangeStart());
    if (moved < 0) {
        // Stops at the media's first sample.
        Segment::setStartTime(rangeStart() - start);
        setTrimDuration(trimDuration() + start);
        setTrimStart(0);
        return false;
    }
    Segment::setStartTime(time);
    setTrimDuration(trimDuration() - (moved - start));
    setTrimStart(moved);
    return true;
}

bool SoundSegment::setEndTime(const float& time)
{
    float length = time - rangeStart();
    // Until the engine reported the media's duration there is no end to stop at.
    const float mediaEnd = mediaDuration() / speed();
    const bool clamped = mediaDuration() > 0 && trimStart() + length > mediaEnd;
    if (clamped)
        length = mediaEnd - trimStart();
    setRangeDuration(length);
    setTrimDuration(length);
    return !clamped;
}

bool SoundSegment::hasAudio() const
{
    return true;
}

QString SoundSegment::text() const
{
    return SegmentFile::displayName(this);
}

bool SoundSegment::_takeEngineLoadReport(bool failed)
{
    if (state() != 1)
        return false;
    if (failed) {
        setErrorCode(QFileInfo::exists(SegmentFile::absolutePath(this)) ? 1 : 2);
        return true;
    }
    SegmentListener* listener = owner();
    const float media = listener ? listener->segmentMediaDuration(this) : 0.0f;
    _mediaDuration.store(media);
    setRangeDuration(duration() == 0 ? media : duration());
    if (trimDuration() == 0)
        setTrimDuration(speed() * media);
    return true;
}

bool SoundSegment::_paintErrorMessage(QPainter* painter, const QRect& rect) const
{
    const int32_t code = errorCode();
    if (code == 0)
        return false;
    if (SegmentListener* listener = owner()) {
        auto* self = const_cast<SoundSegment*>(this);
        paintMessage(painter, rect,
                     code == 2 ? listener->segmentFileNotFoundText(self) : listener->segmentLoadErrorText(self));
    }
    return true;
}
