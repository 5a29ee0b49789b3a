#include "Segment.h"

#include "SegmentKeys.h"
#include "SegmentListener.h"

#include <QColor>
#include <QDateTime>
#include <QStringList>
#include <QUuid>

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace {

// Decimal digits of floats and doubles in the dictionary. QString::number
// always writes the C locale, whatever the process or default QLocale is.
constexpr int kSignificantDigits = 6;

std::atomic<int32_t> s_serialCounter{0};

// Every segment alive, by serial number: work queued for a segment can ask
// whether it still exists without touching it. Never destroyed, since
// segments may outlive static destruction.
struct LivingSegments
{
    std::mutex mutex;
    std::unordered_map<int32_t, const Segment*> bySerial;
};

LivingSegments& livingSegments()
{
    static auto* living = new LivingSegments;
    return *living;
}
std::atomic<float> s_trackHeight{0.0f};

QString pairText(double first, double second)
{
    return QLatin1Char('{') + Segment::floatToText(float(first)) + QLatin1Char(',')
        + Segment::floatToText(float(second)) + QLatin1Char('}');
}

// The two fields of "{a,b}" read as floats; false for text of another shape.
bool parsePair(const QString& text, QPointF* pair)
{
    if (text.size() <= 2 || !text.startsWith(QLatin1Char('{')) || !text.endsWith(QLatin1Char('}')))
        return false;
    const QStringList fields = text.mid(1, text.size() - 2).split(QLatin1Char(','));
    *pair = QPointF(fields.value(0).toFloat(), fields.value(1).toFloat());
    return true;
}

// The older colour form "{r,g,b,a}", components from 0 to 1.
QRgb colorFromComponents(QString text)
{
    text.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    const QStringList fields = text.simplified().split(QLatin1Char(','));
    const auto component = [&fields](int index) {
        return std::clamp(int(fields.value(index).toFloat() * 255.0f), 0, 255);
    };
    return qRgba(component(0), component(1), component(2), component(3));
}

// A segment without media has nothing to place: no frame, no transform.
QTransform identityPlacement(QRectF* outRect)
{
    if (outRect)
        *outRect = QRectF();
    return QTransform();
}

} // namespace

// --- Dictionary operations ---------------------------------------------------

void Segment::setIntAttribute(SegmentAttributes* attributes, const QString& key, int value)
{
    setStringAttribute(attributes, key, QString::number(value));
}

void Segment::setFloatAttribute(SegmentAttributes* attributes, const QString& key, float value)
{
    setStringAttribute(attributes, key, floatToText(value));
}

void Segment::setDoubleAttribute(SegmentAttributes* attributes, const QString& key, double value)
{
    setStringAttribute(attributes, key, QString::number(value, 'g', kSignificantDigits));
}

void Segment::setColorAttribute(SegmentAttributes* attributes, const QString& key, QRgb value)
{
    setStringAttribute(attributes, key, QStringLiteral("#%1").arg(value, 8, 16, QLatin1Char('0')));
}

void Segment::setPointAttribute(SegmentAttributes* attributes, const QString& key, const QPointF& value)
{
    setStringAttribute(attributes, key, pairText(value.x(), value.y()));
}

void Segment::setSizeAttribute(SegmentAttributes* attributes, const QString& key, const QSizeF& value)
{
    setStringAttribute(attributes, key, sizeToText(value));
}

void Segment::setStringAttribute(SegmentAttributes* attributes, const QString& key, const QString& value)
{
    if (attributes)
        attributes->setText(key, value);
}

int Segment::intAttribute(const SegmentAttributes* attributes, const QString& key, int defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    return text ? text->toInt(nullptr, 10) : defaultValue;
}

float Segment::floatAttribute(const SegmentAttributes* attributes, const QString& key, float defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    return text ? text->toFloat() : defaultValue;
}

double Segment::doubleAttribute(const SegmentAttributes* attributes, const QString& key, double defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    return text ? text->toDouble() : defaultValue;
}

QRgb Segment::colorAttribute(const SegmentAttributes* attributes, const QString& key, QRgb defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    if (!text || text->isEmpty())
        return defaultValue;
    if (text->size() > 2 && text->startsWith(QLatin1Char('{')) && text->endsWith(QLatin1Char('}')))
        return colorFromComponents(*text);
    return colorFromText(*text);
}

QPointF Segment::pointAttribute(const SegmentAttributes* attributes, const QString& key, const QPointF& defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    if (!text)
        return defaultValue;
    QPointF point;
    parsePair(*text, &point);
    return point;
}

QSizeF Segment::sizeAttribute(const SegmentAttributes* attributes, const QString& key, const QSizeF& defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    if (!text)
        return defaultValue;
    QPointF pair;
    return parsePair(*text, &pair) ? QSizeF(pair.x(), pair.y()) : QSizeF(-1.0, -1.0);
}

QString Segment::stringAttribute(const SegmentAttributes* attributes, const QString& key, const QString& defaultValue)
{
    const QString* text = attributes ? attributes->findText(key) : nullptr;
    return text ? *text : defaultValue;
}

QPointF Segment::scaleAttribute(const SegmentAttributes* attributes, const QString& key)
{
    QPointF scale = pointAttribute(attributes, key, SegmentDefault::UserScale);
    if (scale.x() < 0)
        scale.setX(1.0);
    if (scale.y() < 0)
        scale.setY(1.0);
    return scale;
}

QString Segment::floatToText(float value)
{
    return QString::number(double(value), 'g', kSignificantDigits);
}

QString Segment::sizeToText(const QSizeF& size)
{
    return pairText(size.width(), size.height());
}

QRgb Segment::colorFromText(const QString& text)
{
    const QColor color(text);
    return color.isValid() ? color.rgba() : qRgba(0, 0, 0, 255);
}

int Segment::transitionCountOf(const SegmentAttributes* attributes)
{
    const auto* list = attributes ? attributes->transitions() : nullptr;
    return list ? int(list->size()) : 0;
}

int Segment::transitionIdOf(int index, const SegmentAttributes* attributes)
{
    return index >= 0 && index < transitionCountOf(attributes) ? index + 1 : 0;
}

void Segment::copyPlainAttributes(const SegmentAttributes* source, SegmentAttributes* target)
{
    if (!source || !target)
        return;
    const auto& texts = source->texts();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        target->setText(it.key(), it.value());
}

// --- Construction and identity -------------------------------------------------

Segment::Segment(const Segment* source, float start, SegmentListener* owner)
    : _attributes(std::make_unique<SegmentAttributes>())
{
    setRangeStart(start);
    copyAttributesFrom(source);
    _owner = owner;
    _serialNumber = _takeSerialNumber();
    _enterLiving();
    _newlyCreated = true;
}

Segment::Segment(SegmentListener* owner)
    : _owner(owner), _attributes(std::make_unique<SegmentAttributes>())
{
    ensureUId();
    _serialNumber = _takeSerialNumber();
    _enterLiving();
    _newlyCreated = true;
}

Segment::Segment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner)
    : _owner(owner), _attributes(attributes ? std::move(attributes) : std::make_unique<SegmentAttributes>())
{
    ensureUId();
    _serialNumber = _takeSerialNumber();
    _enterLiving();
}

Segment::~Segment()
{
    LivingSegments& living = livingSegments();
    std::lock_guard<std::mutex> lock(living.mutex);
    living.bySerial.erase(_serialNumber);
}

void Segment::_enterLiving() const
{
    LivingSegments& living = livingSegments();
    std::lock_guard<std::mutex> lock(living.mutex);
    living.bySerial[_serialNumber] = this;
}

bool Segment::exists(const Segment* segment, int32_t serialNumber)
{
    LivingSegments& living = livingSegments();
    std::lock_guard<std::mutex> lock(living.mutex);
    const auto found = living.bySerial.find(serialNumber);
    return found != living.bySerial.end() && found->second == segment;
}

int32_t Segment::_takeSerialNumber()
{
    return ++s_serialCounter;
}

bool Segment::ensureUId()
{
    if (!uid().isEmpty())
        return false;
    setStringAttribute(_attributes.get(), SegmentKey::UId, QUuid::createUuid().toString());
    _uidGenerated = true;
    return true;
}

QString Segment::uid() const
{
    return stringAttribute(_attributes.get(), SegmentKey::UId);
}

QString Segment::type() const
{
    return stringAttribute(_attributes.get(), SegmentKey::Type);
}

void Segment::setType(const QString& type)
{
    setStringAttribute(_attributes.get(), SegmentKey::Type, type);
}

void Segment::touchTimeStamp()
{
    // Media segments compare the time stamp to notice changed files, so it is
    // written with every digit rather than in the six-digit double format.
    setStringAttribute(_attributes.get(), SegmentKey::TimeStamp,
                       QString::number(QDateTime::currentMSecsSinceEpoch()));
}

void Segment::setState(int32_t state)
{
    _state = state;
    if (_owner)
        _owner->segmentStateChanged(this, state);
}

float Segment::trackHeight()
{
    return s_trackHeight.load();
}

void Segment::setTrackHeight(float height)
{
    s_trackHeight.store(height);
}

// --- Whole dictionary ---------------------------------------------------------------

void Segment::copyAttributesFrom(const Segment* source)
{
    const float start = rangeStart();
    // Copying from itself keeps the values and only renews the identity.
    if (source != this) {
        _attributes->clear();
        const SegmentAttributes* from = source ? source->_attributes.get() : nullptr;
        copyPlainAttributes(from, _attributes.get());
        if (const auto* entries = from ? from->transitions() : nullptr) {
            auto& list = _attributes->resetTransitions();
            for (const auto& entry : *entries)
                list.push_back(_copyTransitionEntry(*entry));
        }
    }
    setRangeStart(start);
    _attributes->removeText(SegmentKey::UId);
    ensureUId();
    touchTimeStamp();
}

void Segment::saveTo(QXmlStreamWriter& writer) const
{
    saveToXml(*_attributes, writer);
}

// --- Base versions of the refined operations ---------------------------------

int32_t Segment::secondEngineId() const
{
    return 0;
}

void Segment::setAttributes(std::unique_ptr<SegmentAttributes> attributes)
{
    if (attributes)
        _attributes = std::move(attributes);
    else
        _attributes->clear();
}

bool Segment::isLoaded() const
{
    return false;
}

bool Segment::isVisualLayer() const
{
    return false;
}

void Segment::onEngineLoadStatus(int, bool, int)
{
}

float Segment::duration() const
{
    return rangeDurationOf(_attributes.get());
}

double Segment::timeStamp() const
{
    return doubleAttribute(_attributes.get(), SegmentKey::TimeStamp, 0.0);
}

bool Segment::leafFlag() const
{
    return false;
}

bool Segment::hasContent() const
{
    return false;
}

QTransform Segment::fittedTransform(const QSizeF&, QRectF* outRect) const
{
    return identityPlacement(outRect);
}

QTransform Segment::placedTransform(const QSizeF&, QRectF* outRect) const
{
    return identityPlacement(outRect);
}

QTransform Segment::transitionPlacedTransform(int, bool, const QSizeF&, QRectF* outRect) const
{
    return identityPlacement(outRect);
}

LayerTransform Segment::mediaLayerTransform(const QSizeF&) const
{
    return LayerTransform();
}

LayerTransform Segment::layerTransform(const QSizeF&) const
{
    return LayerTransform();
}

LayerTransform Segment::transitionLayerTransform(int, bool, const QSizeF&) const
{
    return LayerTransform();
}

bool Segment::hasAudio() const
{
    return false;
}

QString Segment::text() const
{
    return QString();
}
