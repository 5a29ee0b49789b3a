#include "SegmentDraggingFrameWidget.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kCornerRadius = 3.0;
// Centred on the clipped edge, so the inner half shows: a 3-pixel frame.
constexpr qreal kPenWidth = 6.0;

} // namespace

SegmentDraggingFrameWidget::SegmentDraggingFrameWidget(const QColor& color, QWidget* parent)
    : QWidget(parent)
    , _color(color)
{
}

void SegmentDraggingFrameWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(rect(), kCornerRadius, kCornerRadius);
    painter.setClipPath(clip);
    painter.setPen(QPen(_color, kPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
}
