#include "VideoUtilitiesEditingWidgetController.h"

#include "ScrollableToolBar.h"
#include "Segment.h"
#include "VideoUtilitiesEditingWidget.h"

VideoUtilitiesEditingWidgetController::VideoUtilitiesEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _widget(new VideoUtilitiesEditingWidget(parent))
{
    _widget->setFixedHeight(120);
    connect(_widget, &VideoUtilitiesEditingWidget::grabImageButtonClicked, this,
            &VideoUtilitiesEditingWidgetController::onGrabImageButtonClicked);
}

bool VideoUtilitiesEditingWidgetController::appliesTo(const Segment* segment)
{
    return segment->type() == QLatin1String("MOVIE");
}

QWidget* VideoUtilitiesEditingWidgetController::widget() const
{
    return _widget;
}

int VideoUtilitiesEditingWidgetController::displayOrder() const
{
    return 170;
}

void VideoUtilitiesEditingWidgetController::setEditable(QWidget*, bool segmentUnderPointer)
{
    _widget->toolbar()->setEnabled(segmentUnderPointer);
}

void VideoUtilitiesEditingWidgetController::onGrabImageButtonClicked()
{
    emit grabImageButtonClicked();
}
