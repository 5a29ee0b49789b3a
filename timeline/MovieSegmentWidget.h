#pragma once

#include "MediaSegmentWidget.h"

// The tile of a movie: its editing background spans the whole video.
class MovieSegmentWidget : public MediaSegmentWidget
{
    Q_OBJECT

public:
    using MediaSegmentWidget::MediaSegmentWidget;

protected:
    float _trimStart() const override;
    // The media length at the segment's speed; the tile's own duration while
    // the length is not known yet.
    float _wholeMediaDuration() const override;
};
