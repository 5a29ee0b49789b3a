#pragma once

#include "CommonPopupHelpTipWidget.h"

// The help tip that teaches double-clicking a segment.
class SegmentOperationDoubleTapTipWidget : public CommonPopupHelpTipWidget
{
    Q_OBJECT

public:
    explicit SegmentOperationDoubleTapTipWidget(QWidget* parent);

    QSize tipSize() const override;

protected:
    QSize pictureSize() const override;
};
