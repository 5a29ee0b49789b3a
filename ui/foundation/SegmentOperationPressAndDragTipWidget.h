#pragma once

#include "CommonPopupHelpTipWidget.h"

// The help tip that teaches moving a segment by press and drag.
class SegmentOperationPressAndDragTipWidget : public CommonPopupHelpTipWidget
{
    Q_OBJECT

public:
    explicit SegmentOperationPressAndDragTipWidget(QWidget* parent);

    QSize tipSize() const override;

protected:
    QSize pictureSize() const override;
};
