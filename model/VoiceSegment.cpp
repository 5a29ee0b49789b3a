#include "VoiceSegment.h"

#include "SegmentKeys.h"

#include <QPainter>
#include <QPolygonF>
#include <QRunnable>
#include <QStringList>

namespace {

const QString kType = QStringLiteral("VOICE");
const QColor kLevelColor(17, 95, 131);

} // namespace

VoiceSegment::VoiceSegment(const Segment* source, float start, SegmentListener* owner)
    : SoundSegment(source, start, owner)
{
    _startLoading();
}

VoiceSegment::VoiceSegment(const QString& file, float start, const QList<float>& meterValues,
                           SegmentListener* owner)
    : SoundSegment(owner)
{
    setType(kType);
    setRangeStart(start);
    setFilePath(file);
    setMeterValues(meterValues);
    _startLoading();
}

VoiceSegment::VoiceSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner,
                           bool newlyCreated)
    : SoundSegment(std::move(attributes), owner)
{
    setNewlyCreated(newlyCreated);
    _startLoading();
}

VoiceSegment::~VoiceSegment()
{
    _finishPendingTasks();
}

void VoiceSegment::_startLoading()
{
    // The engine creates its audio segment on state 1 and reports the rest.
    _startTask(QRunnable::create([this] { setState(1); }));
}

QList<float> VoiceSegment::meterValues() const
{
    if (!_meterCache.isEmpty())
        return _meterCache;
    // An empty text is an empty list, not one level of 0.
    const QString text = stringAttribute(attributes(), SegmentKey::MeterValues);
    if (text.isEmpty())
        return _meterCache;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString& part : parts)
        _meterCache.append(part.toFloat()); // unreadable text gives 0
    return _meterCache;
}

void VoiceSegment::setMeterValues(const QList<float>& values)
{
    if (values == _meterCache && attributes()->findText(SegmentKey::MeterValues))
        return;
    _meterCache = values;
    QStringList parts;
    parts.reserve(values.size());
    for (float value : values)
        parts.append(floatToText(value));
    setStringAttribute(attributes(), SegmentKey::MeterValues, parts.join(QLatin1Char(',')));
}

bool VoiceSegment::isLoaded() const
{
    return true;
}

bool VoiceSegment::hasContent() const
{
    return !meterValues().isEmpty();
}

void VoiceSegment::onEngineLoadStatus(int, bool failed, int)
{
    if (_takeEngineLoadReport(failed))
        setState(4);
}

void VoiceSegment::paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond)
{
    const QList<float> values = meterValues();
    if (paintLoadError(painter, rect) || !rect.isValid() || values.isEmpty())
        return;
    const double width = double(wholeMediaDuration()) * pixelsPerSecond;
    painter->save();
    painter->translate(-trimStart() * pixelsPerSecond, 0);
    _paintLevels(painter, values, rect.height(), values.size() > 1 ? width / (values.size() - 1) : width);
    painter->restore();
}

void VoiceSegment::paintTimelineStrip(QPainter* painter, const QRect& rect, float)
{
    const QList<float> values = meterValues();
    if (errorCode() != 0 || !rect.isValid() || values.isEmpty())
        return;
    const double width = rect.width();
    _paintLevels(painter, values, rect.height(), values.size() > 1 ? width / (values.size() - 1) : width);
}

void VoiceSegment::_paintLevels(QPainter* painter, const QList<float>& values, int height, double step) const
{
    // A single level has no second point to reach: it is one bar as wide as a step.
    const QList<float> levels = values.size() == 1 ? QList<float>{values[0], values[0]} : values;
    const int count = levels.size();
    QPolygonF shape(2 * count);
    for (int i = 0; i < count; ++i) {
        const double bar = height * double(levels[i]);
        const double top = (height - bar) / 2;
        shape[i] = QPointF(i * step, top);
        shape[2 * count - 1 - i] = QPointF(i * step, top + bar);
    }
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(kLevelColor);
    painter->drawPolygon(shape);
    painter->restore();
}
