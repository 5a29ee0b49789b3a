#include "SegmentLabel.h"

#include "Segment.h"
#include "SegmentListener.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

int textWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft, text).width();
}

} // namespace

void SegmentLabel::shrinkToFit(QFont* font, const QString& text, int width, double floor)
{
    int size = font->pixelSize();
    while (textWidth(*font, text) > width && size - 1 > floor) {
        --size;
        font->setPixelSize(size);
    }
}

void SegmentLabel::drawTwice(QPainter* painter, Segment* segment, const std::function<void()>& draw)
{
    SegmentListener* owner = segment->owner();
    if (!owner)
        return;
    const qreal offset = owner->segmentLabelTextOffset(segment);
    painter->translate(-offset, -offset);
    painter->setPen(QColor::fromRgba(owner->segmentLabelTextColor(segment)));
    draw();
    painter->translate(offset, offset);
    painter->setPen(QColor::fromRgba(owner->segmentLabelBackgroundColor(segment)));
    draw();
}
