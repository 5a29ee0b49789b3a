#pragma once

#include "MusicSegmentWidget.h"

// The tile of a recorded voice: it behaves exactly like a music tile.
class VoiceSegmentWidget : public MusicSegmentWidget
{
    Q_OBJECT

public:
    using MusicSegmentWidget::MusicSegmentWidget;
};
