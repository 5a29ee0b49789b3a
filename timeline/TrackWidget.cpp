#include "TrackWidget.h"

#include "MovieSegmentWidget.h"
#include "MusicSegmentWidget.h"
#include "Segment.h"
#include "SegmentDraggingFrameWidget.h"
#include "TimelineMetrics.h"
#include "UserSettings.h"
#include "VoiceSegmentWidget.h"
#include "WidgetAnimations.h"

#include <QDebug>
#include <QGraphicsOpacityEffect>
#include <QPaintEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kRemoveFadeMs = 200;
// Seconds of snapping at scale 1, fewer when zoomed in.
constexpr double kSnapSecondsAtScale1 = 0.25;
const char* const kSelectedStyle = "QPushButton { background-color: rgba(255,255,0,76); border: none; }";
const char* const kUnselectedStyle = "QPushButton { background-color: transparent; border: none; }";

SegmentWidget* makeTile(const QString& type, const QRect& geometry, QWidget* parent)
{
    if (type == "MOVIE")
        return new MovieSegmentWidget(geometry, parent);
    if (type == "MUSIC")
        return new MusicSegmentWidget(geometry, parent);
    if (type == "VOICE")
        return new VoiceSegmentWidget(geometry, parent);
    return new SegmentWidget(geometry, parent);
}

// The tile colours of the types that have their own; others keep the default.
void colourTile(SegmentWidget* tile, const QString& type)
{
    if (type == "MUSIC")
        tile->setBackgroundColor(QColor(64, 64, 40));
    else if (type == "VOICE")
        tile->setBackgroundColor(QColor(37, 44, 63));
    else if (type == "TEXT")
        tile->setBackgroundColor(QColor(65, 45, 46));
}

} // namespace

TrackWidget::TrackWidget(const QRect& geometry, float scale, QWidget* parent)
    : QWidget(parent)
    , _scale(scale)
{
    setGeometry(geometry);
}

TrackWidget::~TrackWidget()
{
    qDebug().nospace() << "TrackWidget[" << _trackId << "] deleted";
}

int TrackWidget::_xOfTime(float time) const
{
    return TimelineMetrics::tileX(time, _scale);
}

SegmentWidget* TrackWidget::addSegmentWidget(Segment* segment)
{
    const QString type = segment->type();
    const QRect geometry(_xOfTime(segment->rangeStart()), 0, 0, int(TimelineMetrics::trackHeight()));
    SegmentWidget* tile = makeTile(type, geometry, this);
    colourTile(tile, type);
    tile->setSegment(segment);
    _tiles.append(tile);
    tile->show();
    return tile;
}

void TrackWidget::removeSegmentWidget(Segment* segment, bool animated)
{
    SegmentWidget* tile = segmentWidgetForSegment(segment);
    if (!tile)
        return;
    if (!animated) {
        tile->hide();
        _tiles.removeOne(tile);
        delete tile;
        return;
    }
    QGraphicsOpacityEffect* effect = newOpacityEffect(tile, 1.0);
    connect(animateInParallel(tile, kRemoveFadeMs, {{effect, "opacity", 0.0}}), &QAbstractAnimation::finished, this,
            [this, tile]() {
                tile->hide();
                _tiles.removeOne(tile);
                tile->deleteLater();
            });
}

void TrackWidget::clearSegmentWidgets()
{
    qDeleteAll(_tiles);
    _tiles.clear();
}

SegmentWidget* TrackWidget::segmentWidgetAt(int index) const
{
    return index >= 0 && index < _tiles.size() ? _tiles[index] : nullptr;
}

SegmentWidget* TrackWidget::segmentWidgetForSegment(Segment* segment) const
{
    for (SegmentWidget* tile : _tiles) {
        if (tile->segment() == segment)
            return tile;
    }
    return nullptr;
}

float TrackWidget::contentEndTime() const
{
    float end = 0.0f;
    for (const SegmentWidget* tile : _tiles) {
        if (const Segment* segment = tile->segment())
            end = std::max(end, segment->rangeStart() + segment->duration());
    }
    return end;
}

void TrackWidget::setScale(float scale, bool animated)
{
    _scale = scale;
    for (SegmentWidget* tile : qAsConst(_tiles))
        tile->setScale(scale, animated);
}

void TrackWidget::setSegmentFlag(bool flag, SegmentWidget* except)
{
    _locked = flag;
    for (SegmentWidget* tile : qAsConst(_tiles)) {
        if (tile != except)
            tile->setLocked(flag);
    }
}

void TrackWidget::setBackgroundPixmap(const QPixmap* pixmap)
{
    _backgroundPixmap = pixmap;
    update();
}

float TrackWidget::snapTime(float time, Segment* except) const
{
    if (!UserSettings::instance()->autoDragDropAlign())
        return time;
    const float tolerance = float(kSnapSecondsAtScale1 / _scale);
    for (const SegmentWidget* tile : _tiles) {
        const Segment* segment = tile->segment();
        if (!segment || segment == except)
            continue;
        const float start = segment->rangeStart();
        const float end = start + segment->duration();
        if (start - tolerance <= time && time <= start + tolerance)
            return start;
        if (end - tolerance <= time && time <= end + tolerance)
            return end;
    }
    return time;
}

void TrackWidget::showDropIndicator(Segment* segment, float* time, float duration, const SnapFunction& snap)
{
    const float t = *time;
    // A drop at exactly 0 stays there.
    if (t != 0.0f) {
        const float start = snapTime(t, segment);
        const float end = snapTime(t + duration, segment);
        if (start != t)
            *time = start;
        else if (end != t + duration)
            *time = end - duration;
        else if (snap) {
            const float crossStart = snap(t, segment, this);
            if (crossStart != t) {
                *time = crossStart;
            } else {
                const float crossEnd = snap(t + duration, segment, this);
                if (crossEnd != t + duration)
                    *time = crossEnd - duration;
            }
        }
    }
    if (!_dropIndicator) {
        _dropIndicator = new SegmentDraggingFrameWidget(QColor(255, 255, 0, 204), this);
        _dropIndicator->setStyleSheet("background-color: transparent;");
        _dropIndicator->show();
    }
    _dropIndicator->setGeometry(_xOfTime(*time), 0, TimelineMetrics::tileWidth(duration, _scale),
                                int(TimelineMetrics::trackHeight()));
}

void TrackWidget::removeDropIndicator()
{
    delete _dropIndicator;
    _dropIndicator = nullptr;
}

void TrackWidget::setSelectionSpan(float start, float duration)
{
    if (_tiles.isEmpty())
        return;
    if (!_selectionOverlay) {
        _selectionOverlay = new QPushButton(this);
        _selectionOverlay->setFlat(true);
        _selectionOverlay->setProperty("tag", 1);
        _selectionOverlay->setStyleSheet(kSelectedStyle);
        _selectionOverlay->show();
        connect(_selectionOverlay, &QPushButton::clicked, this, &TrackWidget::onSelectionWidgetClicked);
    }
    _selectionOverlay->setGeometry(_xOfTime(start), 0, TimelineMetrics::tileWidth(duration, _scale),
                                   int(TimelineMetrics::trackHeight()));
}

void TrackWidget::onSelectionWidgetClicked()
{
    if (!_selectionOverlay)
        return;
    const int tag = 1 - _selectionOverlay->property("tag").toInt();
    _selectionOverlay->setProperty("tag", tag);
    _selectionOverlay->setStyleSheet(tag == 1 ? kSelectedStyle : kUnselectedStyle);
}

bool TrackWidget::isSelectionOn() const
{
    return _selectionOverlay && _selectionOverlay->property("tag").toInt() == 1;
}

void TrackWidget::removeOverlay()
{
    delete _selectionOverlay;
    _selectionOverlay = nullptr;
}

void TrackWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (_backgroundPixmap && !_backgroundPixmap->isNull())
        painter.fillRect(event->rect(), QBrush(*_backgroundPixmap));
    else
        painter.fillRect(event->rect(), Qt::black);
}
