#include "MovieSegmentWidget.h"

#include "MovieSegment.h"

float MovieSegmentWidget::_trimStart() const
{
    const auto* movie = dynamic_cast<const MovieSegment*>(segment());
    return movie ? movie->trimStart() : 0.0f;
}

float MovieSegmentWidget::_wholeMediaDuration() const
{
    const auto* movie = dynamic_cast<const MovieSegment*>(segment());
    if (!movie)
        return 0.0f;
    const float media = movie->mediaDuration();
    return media == 0.0f ? movie->duration() : media / movie->speed();
}
