#include "PlotData.h"

#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QtEndian>

#include <utility>

namespace {

// The waveform is a light veil over the segment's body.
const QColor kWaveformColor(255, 255, 255, 64);
// The loudest point reaches nine tenths of the half height.
constexpr double kHeadroom = 0.9;

} // namespace

PlotData::PlotData(int32_t pointCount)
    : _pointCount(pointCount)
{
}

int32_t PlotData::storedPointCount() const
{
    return _channels > 0 ? int32_t(_samples.size() / (2 * _channels)) : 0;
}

int16_t PlotData::value(int32_t point, int32_t channel) const
{
    const int offset = (point * _channels + channel) * 2;
    return qFromLittleEndian<qint16>(_samples.constData() + offset);
}

void PlotData::publish(QByteArray samples, int32_t channels, int32_t peak)
{
    _samples = std::move(samples);
    _channels = channels;
    _peak = peak;
    _ready.store(true, std::memory_order_release);
}

void PlotData::paint(QPainter* painter, const QRect& rect) const
{
    const int32_t count = storedPointCount();
    if (!isReady() || count == 0)
        return;
    const int halfHeight = rect.height() / 2;
    // A silent file has no scale and a single point no width: both show as
    // the flat middle line rather than dividing by zero.
    if (_peak == 0 || count == 1) {
        painter->save();
        painter->setPen(kWaveformColor);
        painter->drawLine(QPointF(0, halfHeight), QPointF(rect.width(), halfHeight));
        painter->restore();
        return;
    }
    const double scale = double(halfHeight) / _peak * kHeadroom;
    const double step = double(rect.width()) / (count - 1);
    const int lowerChannel = _channels > 1 ? 1 : 0;
    QPolygonF outline(2 * count);
    for (int32_t i = 0; i < count; ++i) {
        outline[i] = QPointF(i * step, halfHeight - value(i, 0) * scale);
        outline[2 * count - 1 - i] = QPointF(i * step, halfHeight + value(i, lowerChannel) * scale);
    }
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(kWaveformColor);
    painter->drawPolygon(outline);
    painter->restore();
}
