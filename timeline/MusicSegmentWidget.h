#pragma once

#include "MediaSegmentWidget.h"

// The tile of music or a sound effect: its editing background spans the
// whole sound file.
class MusicSegmentWidget : public MediaSegmentWidget
{
    Q_OBJECT

public:
    using MediaSegmentWidget::MediaSegmentWidget;

protected:
    float _trimStart() const override;
    float _wholeMediaDuration() const override;
};
