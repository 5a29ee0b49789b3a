#include "SegmentOperationDoubleTapTipWidget.h"

#include "UiMetrics.h"

SegmentOperationDoubleTapTipWidget::SegmentOperationDoubleTapTipWidget(QWidget* parent)
    : CommonPopupHelpTipWidget(parent,
                               tr("Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode."),
                               tr("Got it"))
{
}

QSize SegmentOperationDoubleTapTipWidget::tipSize() const
{
    return UiMetrics::doubleTapTipSize();
}

QSize SegmentOperationDoubleTapTipWidget::pictureSize() const
{
    return QSize(795, 391);
}
