#include "SegmentEditingStateBackgroundWidget.h"

#include "Segment.h"
#include "TimelineMetrics.h"

#include <QPainter>

SegmentEditingStateBackgroundWidget::SegmentEditingStateBackgroundWidget(const QRect& geometry, Segment* segment,
                                                                         float scale, QWidget* parent)
    : QWidget(parent)
    , _segment(segment)
    , _scale(scale)
{
    setGeometry(geometry);
}

void SegmentEditingStateBackgroundWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (_segment) {
        painter.save();
        _segment->paintTimelineStrip(&painter, rect(), TimelineMetrics::pixelsPerSecond() * _scale);
        painter.restore();
    }
    painter.fillRect(rect(), QColor(0, 0, 0, 128));
}
