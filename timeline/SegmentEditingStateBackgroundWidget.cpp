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
    // The strip lies over the tiles beside the edited one wherever the media
    // reaches past it: clicks go through to those tiles, as on any track.
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
