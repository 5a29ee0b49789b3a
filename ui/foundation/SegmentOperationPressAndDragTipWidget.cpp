#include "SegmentOperationPressAndDragTipWidget.h"

#include "UiMetrics.h"

SegmentOperationPressAndDragTipWidget::SegmentOperationPressAndDragTipWidget(QWidget* parent)
    : CommonPopupHelpTipWidget(parent,
                               tr("Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want."),
                               tr("Got it"))
{
}

QSize SegmentOperationPressAndDragTipWidget::tipSize() const
{
    return UiMetrics::pressAndDragTipSize();
}

QSize SegmentOperationPressAndDragTipWidget::pictureSize() const
{
    return QSize(795, 541);
}
