#include "Segment.h"

#include "SegmentListener.h"

#include <QFontMetrics>
#include <QPainter>

void Segment::paintTimelineBody(QPainter*, const QRect&, float)
{
}

void Segment::paintTimelineStrip(QPainter*, const QRect&, float)
{
}

void Segment::paintMessage(QPainter* painter, const QRect& rect, const QString& text) const
{
    if (!rect.isValid() || !_owner)
        return;
    Segment* self = const_cast<Segment*>(this);
    painter->save();
    painter->fillRect(rect, QColor::fromRgba(_owner->segmentMessageBackgroundColor(self)));
    painter->setPen(QColor::fromRgba(_owner->segmentMessageTextColor(self)));

    const int margin = int(_owner->segmentMessageMargin(self));
    const QRect textRect = rect.adjusted(margin, 0, -margin, 0);
    if (textRect.width() <= 0) {
        painter->restore();
        return;
    }
    // Shrink one pixel at a time, but keep the text readable: below a quarter
    // of the strip's height it is elided instead.
    const float minimumSize = rect.height() / 4.0f;
    float size = _owner->segmentMessageFontPixelSize(self);
    QFont font;
    font.setPixelSize(std::max(1, int(size)));
    while (QFontMetrics(font).boundingRect(text).width() > textRect.width()) {
        size -= 1.0f;
        if (minimumSize >= size)
            break;
        font.setPixelSize(int(size));
    }
    painter->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

bool Segment::paintLoadError(QPainter* painter, const QRect& rect) const
{
    if (_errorCode == 0 || !_owner)
        return false;
    Segment* self = const_cast<Segment*>(this);
    paintMessage(painter, rect,
                 _errorCode == 2 ? _owner->segmentFileNotFoundText(self) : _owner->segmentLoadErrorText(self));
    return true;
}
