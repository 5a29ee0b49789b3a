#include "MusicSegmentWidget.h"

#include "SoundSegment.h"

float MusicSegmentWidget::_trimStart() const
{
    const auto* sound = dynamic_cast<const SoundSegment*>(segment());
    return sound ? sound->trimStart() : 0.0f;
}

float MusicSegmentWidget::_wholeMediaDuration() const
{
    const auto* sound = dynamic_cast<const SoundSegment*>(segment());
    return sound ? sound->wholeMediaDuration() : 0.0f;
}
