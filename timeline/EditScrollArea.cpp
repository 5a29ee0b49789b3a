// The timeline area's structure: the track list and its layout, scrolling,
// wheel and pinch input, keys, selection and the removal animation.
#include "EditScrollArea.h"

#include "Segment.h"
#include "SegmentWidget.h"
#include "SlideshowLabel.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "Util.h"
#include "WidgetAnimations.h"

#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QScrollerProperties>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kMoveMs = 200;
constexpr int kWheelEndMs = 100;
constexpr int kVisibleMargin = 50;
constexpr int kEliminateMs = 350;
constexpr int kEliminateSide = 40;
constexpr qreal kPressDelaySeconds = 0.1;
constexpr float kZoomInFactor = 1.1f;
constexpr float kZoomOutFactor = 0.98f;

// Phase-less wheel steps so far; the end of scrolling is reported once no
// step followed for a while. GUI thread only.
int gWheelCounter = 0;

const char* const kScrollBarStyle =
    "QScrollBar:horizontal { height: 15px; background: black; margin: 0px; }"
    "QScrollBar::handle:horizontal { background: #6b6b6b; border-radius: 4px; min-width: 24px; margin: 3px; }"
    "QScrollBar::handle:horizontal:hover, QScrollBar::handle:horizontal:pressed { background: #a4a5a7; }"
    "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0px; height: 0px; }"
    "QScrollBar::groove:horizontal { background: transparent; border-radius: 4px; }"
    "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }"
    "QScrollBar:vertical { width: 15px; background: transparent; margin: 0px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; border-radius: 4px; min-height: 24px; margin: 3px; }"
    "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: #a4a5a7; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { width: 0px; height: 0px; }"
    "QScrollBar::groove:vertical { background: transparent; border-radius: 4px; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QPixmap trackBackground(int position)
{
    return QPixmap(TimelineMetrics::trackBackgroundPath(position)).scaledToHeight(int(TimelineMetrics::trackHeight()));
}

} // namespace

EditScrollArea::EditScrollArea(QWidget* parent)
    : QScrollArea(parent)
    , _oddBackground(trackBackground(1))
    , _evenBackground(trackBackground(0))
    , _horizontalScrollTimer(new QTimer(this))
    , _verticalScrollTimer(new QTimer(this))
{
    setWidget(new QWidget);
    _horizontalScrollTimer->setSingleShot(true);
    _verticalScrollTimer->setSingleShot(true);
    connect(_horizontalScrollTimer, &QTimer::timeout, this, &EditScrollArea::_onHorizontalAutoScrollTimeout);
    connect(_verticalScrollTimer, &QTimer::timeout, this, &EditScrollArea::_onVerticalAutoScrollTimeout);
    _styleScrollBars();
    auto* corner = new QWidget;
    corner->setStyleSheet("background-color: black;");
    setCornerWidget(corner);

    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    QScroller* scroller = QScroller::scroller(viewport());
    QScrollerProperties properties = scroller->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::MousePressEventDelay, kPressDelaySeconds);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    scroller->setScrollerProperties(properties);
    connect(scroller, &QScroller::stateChanged, this, &EditScrollArea::onScrollerStateChanged);
    connect(horizontalScrollBar(), &QScrollBar::sliderPressed, this, &EditScrollArea::onScrollBarPressedDown);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &EditScrollArea::onScrollBarActionTriggered);
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, &EditScrollArea::onScrollBarPressReleased);
}

EditScrollArea::~EditScrollArea()
{
    // The tracks and tiles go while the area is still whole, so that their
    // last reports (a tile's destruction) reach a complete receiver.
    _tracks.clear();
    delete takeWidget();
}

void EditScrollArea::_styleScrollBars()
{
    horizontalScrollBar()->setStyleSheet(kScrollBarStyle);
    verticalScrollBar()->setStyleSheet(kScrollBarStyle);
}

// ---- Tracks -----------------------------------------------------------------

const QPixmap* EditScrollArea::_backgroundFor(int position) const
{
    return position % 2 == 0 ? &_evenBackground : &_oddBackground;
}

void EditScrollArea::_assignBackgrounds(int fromPosition)
{
    for (int position = std::max(0, fromPosition); position < _tracks.size(); ++position)
        _tracks[position]->setBackgroundPixmap(_backgroundFor(position));
}

void EditScrollArea::_fitContent(float duration)
{
    widget()->setFixedSize(TimelineMetrics::contentWidgetWidth(_scale, duration),
                           TimelineMetrics::contentHeight(_tracks.size()));
}

TrackWidget* EditScrollArea::addTrackWidget(float scale, float duration)
{
    auto* track = new TrackWidget(TimelineMetrics::trackGeometry(_tracks.size(), scale, duration), scale, widget());
    _tracks.append(track);
    connect(track, &TrackWidget::trackWidgetDraggingStateChanged, this,
            &EditScrollArea::onTrackWidgetDraggingStateChanged);
    connect(track, &TrackWidget::trackWidgetDraggingMoving, this, &EditScrollArea::onTrackWidgetDraggingMoving);
    _scale = scale;
    _fitContent(duration);
    track->setBackgroundPixmap(_backgroundFor(_tracks.size() - 1));
    track->show();
    return track;
}

void EditScrollArea::_animateTracksTo(const QList<QPair<TrackWidget*, QPoint>>& targets, bool alwaysAnimated)
{
    if (targets.isEmpty())
        return;
    if (!alwaysAnimated && !animationsEnabled()) {
        for (const auto& target : targets) {
            delete runningMoveOf(this, target.first);
            target.first->move(target.second);
        }
        return;
    }
    auto* group = new QParallelAnimationGroup(this);
    for (const auto& target : targets) {
        delete runningMoveOf(this, target.first);
        auto* animation = new QPropertyAnimation(target.first, "pos", group);
        animation->setDuration(kMoveMs);
        animation->setEndValue(target.second);
        group->addAnimation(animation);
    }
    ++_tracksAnimating;
    connect(group, &QAbstractAnimation::finished, this, [this]() { --_tracksAnimating; });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void EditScrollArea::removeTrackWidget(TrackWidget* track)
{
    removeTrackWidgets({track});
}

void EditScrollArea::removeTrackWidgets(const QList<TrackWidget*>& tracks)
{
    // Every following track moves up by one row per removed track above it.
    int firstRemoved = -1;
    QList<QPair<TrackWidget*, int>> rowsUp;
    QList<TrackWidget*> kept;
    QList<TrackWidget*> removed;
    for (TrackWidget* track : qAsConst(_tracks)) {
        if (tracks.contains(track)) {
            if (firstRemoved < 0)
                firstRemoved = kept.size();
            removed.append(track);
            continue;
        }
        kept.append(track);
        if (!removed.isEmpty())
            rowsUp.append({track, removed.size()});
    }
    if (removed.isEmpty())
        return;
    // Out of the list first: the reports of their dying tiles find only
    // living tracks (and may move them).
    _tracks = kept;
    for (TrackWidget* track : qAsConst(removed)) {
        _endDragOfDyingTrack(track);
        track->hide();
        delete track;
    }
    const int row = int(TimelineMetrics::trackHeight());
    QList<QPair<TrackWidget*, QPoint>> targets;
    for (const auto& entry : qAsConst(rowsUp))
        targets.append({entry.first, settledPos(this, entry.first) - QPoint(0, row * entry.second)});
    _animateTracksTo(targets, true);
    _assignBackgrounds(firstRemoved);
}

void EditScrollArea::clearTrackWidgets()
{
    // The selection goes while its tile is whole, so its report finds no tile.
    _clearSelection();
    const QList<TrackWidget*> tracks = _tracks;
    _tracks.clear();
    for (TrackWidget* track : tracks) {
        _endDragOfDyingTrack(track);
        track->clearSegmentWidgets();
        delete track;
    }
}

void EditScrollArea::relayoutTracks(float scale, float duration)
{
    const bool scaleChanged = scale != _scale;
    _scale = scale;
    for (int position = 0; position < _tracks.size(); ++position) {
        TrackWidget* track = _tracks[position];
        // A lifted track floats in the main window; its row is kept for it.
        if (track->parentWidget() == widget()) {
            QRect row = TimelineMetrics::trackGeometry(position, scale, duration);
            row.moveTop(track->y());
            track->setGeometry(row);
        }
        if (scaleChanged)
            track->setScale(scale, false);
    }
    if (_leftTrimBar && _rightTrimBar)
        updateTrimBarPositions();
    _updateTransitionTrimBarPositions();
    _fitContent(duration);
}

TrackWidget* EditScrollArea::trackWidgetAt(int index) const
{
    return index >= 0 && index < _tracks.size() ? _tracks[index] : nullptr;
}

TrackWidget* EditScrollArea::trackWidgetById(int id) const
{
    auto found = std::find_if(_tracks.begin(), _tracks.end(),
                              [id](const TrackWidget* track) { return track->trackId() == id; });
    return found == _tracks.end() ? nullptr : *found;
}

TrackWidget* EditScrollArea::movieTrackWidget() const
{
    auto found = std::find_if(_tracks.begin(), _tracks.end(),
                              [](const TrackWidget* track) { return track->trackType() == "MOVIE"; });
    return found == _tracks.end() ? nullptr : *found;
}

int EditScrollArea::movieTrackCount() const
{
    return int(std::count_if(_tracks.begin(), _tracks.end(),
                             [](const TrackWidget* track) { return track->trackType() == "MOVIE"; }));
}

bool EditScrollArea::canDropSegment(const QString& type, TrackWidget* track) const
{
    if (type != "MOVIE" || (track && track->segmentWidgetCount() > 0))
        return true;
    return movieTrackCount() < 4;
}

int EditScrollArea::trackIdBelow(int id) const
{
    const TrackWidget* origin = trackWidgetById(id);
    if (!origin)
        return 0;
    const TrackWidget* best = nullptr;
    for (const TrackWidget* track : _tracks) {
        if (track->y() > origin->y() && (!best || track->y() < best->y()))
            best = track;
    }
    return best ? best->trackId() : 0;
}

int EditScrollArea::trackIdAbove(int id) const
{
    const TrackWidget* origin = trackWidgetById(id);
    if (!origin)
        return 0;
    const TrackWidget* best = nullptr;
    for (const TrackWidget* track : _tracks) {
        if (track->y() < origin->y() && (!best || track->y() > best->y()))
            best = track;
    }
    return best ? best->trackId() : 0;
}

int EditScrollArea::segmentWidgetTotal() const
{
    int total = 0;
    for (const TrackWidget* track : _tracks)
        total += track->segmentWidgetCount();
    return total;
}

void EditScrollArea::removeTrackOverlays()
{
    for (TrackWidget* track : qAsConst(_tracks))
        track->removeOverlay();
}

bool EditScrollArea::hasTaggedTrackOverlay() const
{
    return std::any_of(_tracks.begin(), _tracks.end(), [](const TrackWidget* track) { return track->isSelectionOn(); });
}

void EditScrollArea::setSegmentFlag(bool flag, SegmentWidget* except)
{
    for (TrackWidget* track : qAsConst(_tracks))
        track->setSegmentFlag(flag, except);
}

void EditScrollArea::setSegmentFlagInverted(bool flag)
{
    setSegmentFlag(!flag, nullptr);
}

void EditScrollArea::setSelectionSpan()
{
    const float start = std::min(_selectionStart, _selectionEnd);
    const float length = std::abs(_selectionEnd - _selectionStart);
    for (TrackWidget* track : qAsConst(_tracks))
        track->setSelectionSpan(start, length);
}

// ---- Selection --------------------------------------------------------------

void EditScrollArea::connectSegmentWidget(SegmentWidget* segmentWidget)
{
    connect(segmentWidget, &SegmentWidget::segmentWidgetEditingStateChanged, this,
            &EditScrollArea::onSegmentWidgetEditingStateChanged, Qt::DirectConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetTransitionIdChanged, this,
            &EditScrollArea::onSegmentWidgetTransitionIdChanged, Qt::DirectConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetDraggingTransitionChanged, this,
            &EditScrollArea::onSegmentWidgetDraggingTransitionChanged, Qt::DirectConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetDraggingStateChanged, this,
            &EditScrollArea::onSegmentWidgetDraggingStateChanged, Qt::DirectConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetDraggingMoving, this,
            &EditScrollArea::onSegmentWidgetDraggingMoving, Qt::DirectConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetMousePressed, this,
            &EditScrollArea::onSegmentWidgetMousePressed, Qt::QueuedConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetRightMousePressed, this,
            &EditScrollArea::onSegmentWidgetRightMousePressed, Qt::QueuedConnection);
    connect(segmentWidget, &SegmentWidget::segmentWidgetDoubleClickedOnFailedSegment, this,
            &EditScrollArea::editScrollAreaDoubleClickedOnFailedSegment);
    connect(segmentWidget, &QObject::destroyed, this, &EditScrollArea::onSegmentWidgetDestroyed);
}

void EditScrollArea::setSelectedSegmentWidget(SegmentWidget* segmentWidget)
{
    if (_rangeSelectionMode)
        return;
    if (_selectedSegmentWidget)
        _selectedSegmentWidget->setSelected(false);
    _selectedSegmentWidget = segmentWidget;
    _selectedObject = segmentWidget;
    if (segmentWidget)
        segmentWidget->setSelected(true);
    emit editScrollAreaSelectedSegmentWidgetChanged(segmentWidget != nullptr);
}

void EditScrollArea::_clearSelection()
{
    setSelectedSegmentWidget(nullptr);
}

bool EditScrollArea::_isLiveTile(const SegmentWidget* segmentWidget) const
{
    // Compares addresses only: a queued press may arrive after its tile went.
    for (const TrackWidget* track : _tracks) {
        for (int index = 0; index < track->segmentWidgetCount(); ++index) {
            if (track->segmentWidgetAt(index) == segmentWidget)
                return true;
        }
    }
    return false;
}

bool EditScrollArea::_isPressForBar(const SegmentWidget* segmentWidget, const QPoint& globalPos) const
{
    // A press on a dimmed tile within a trim bar's reach belongs to the bar:
    // the user aims at the edited tile's edge, not at the tile beside it.
    return !segmentWidget->isHighlighted() && _barAt(globalPos) != Bar::None;
}

void EditScrollArea::onSegmentWidgetMousePressed(SegmentWidget* segmentWidget, QPoint pos)
{
    if (_isLiveTile(segmentWidget) && !_isPressForBar(segmentWidget, pos))
        setSelectedSegmentWidget(segmentWidget);
}

void EditScrollArea::onSegmentWidgetRightMousePressed(SegmentWidget* segmentWidget, QPoint pos)
{
    // Nor does such a press open the tile's menu, whose "Edit" would move
    // the editing away from the tile the user is trimming.
    if (!_isLiveTile(segmentWidget) || _isPressForBar(segmentWidget, pos))
        return;
    setSelectedSegmentWidget(segmentWidget);
    emit editScrollAreaPopupContextMenuForSegmentWidget(segmentWidget, pos);
}

void EditScrollArea::onSegmentWidgetDestroyed(QObject* obj)
{
    // The guarded pointers still hold the tile (its base destructor sends
    // this): they are cleared first, so that nothing reached from the
    // reports below reads them. The tile's bars and the report are left.
    if (obj == _draggedObject) {
        _draggedSegmentWidget.clear();
        _abandonDrag();
        emit editScrollAreaEndDraggingSegment();
    }
    if (obj == _editingObject) {
        _editingSegmentWidget.clear();
        _editingObject = nullptr;
        _dropEditingRemains();
    }
    if (obj != _selectedObject)
        return;
    _selectedSegmentWidget.clear();
    _selectedObject = nullptr;
    if (!_rangeSelectionMode)
        emit editScrollAreaSelectedSegmentWidgetChanged(false);
}

// ---- Scrolling --------------------------------------------------------------

bool EditScrollArea::isBusy() const
{
    return _trimming != Bar::None;
}

bool EditScrollArea::isScrolling() const
{
    return QScroller::scroller(viewport())->state() != QScroller::Inactive || horizontalScrollBar()->isSliderDown();
}

void EditScrollArea::setInteractive(bool on)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
}

bool EditScrollArea::isMouseTransparent() const
{
    return testAttribute(Qt::WA_TransparentForMouseEvents);
}

QPoint EditScrollArea::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

float EditScrollArea::contentOffsetX() const
{
    return float(horizontalScrollBar()->value());
}

QSize EditScrollArea::contentSize() const
{
    return widget()->size();
}

void EditScrollArea::scrollToPosition(const QPoint& point, bool animated)
{
    if (animated && animationsEnabled()) {
        animateInParallel(this, kMoveMs,
                          {{horizontalScrollBar(), "value", point.x()}, {verticalScrollBar(), "value", point.y()}});
        return;
    }
    horizontalScrollBar()->setValue(point.x());
    verticalScrollBar()->setValue(point.y());
}

void EditScrollArea::ensureVisible(QWidget* widget)
{
    ensureWidgetVisible(widget, kVisibleMargin, kVisibleMargin);
}

void EditScrollArea::stopScrolling()
{
    QScroller::scroller(viewport())->stop();
}

void EditScrollArea::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    emit editScrollAreaDidScroll(scrollPosition());
}

void EditScrollArea::onScrollerStateChanged(QScroller::State newState)
{
    if (newState == QScroller::Pressed)
        emit editScrollAreaWillBeginDragging();
    else if (newState == QScroller::Inactive && !_mouseCaptured)
        emit editScrollAreaWillEndDragging();
}

void EditScrollArea::onScrollBarPressedDown()
{
    emit editScrollAreaWillBeginDragging();
}

void EditScrollArea::onScrollBarPressReleased()
{
    emit editScrollAreaWillEndDragging();
}

void EditScrollArea::onScrollBarActionTriggered(int)
{
    emit editScrollAreaWillBeginDragging();
}

bool EditScrollArea::_handleWheelPhase(QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    const Qt::ScrollPhase phase = static_cast<QWheelEvent*>(event)->phase();
    if (phase == Qt::ScrollBegin)
        emit editScrollAreaWillBeginDragging();
    else if (phase == Qt::ScrollEnd)
        emit editScrollAreaWillEndDragging();
    return phase == Qt::NoScrollPhase;
}

bool EditScrollArea::event(QEvent* event)
{
    _handleWheelPhase(event);
    if (event->type() != QEvent::NativeGesture)
        return QScrollArea::event(event);
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    if (gesture->gestureType() == Qt::BeginNativeGesture)
        emit editScrollAreaScaleBegan();
    else if (gesture->gestureType() == Qt::EndNativeGesture)
        emit editScrollAreaScaleEnd();
    else if (gesture->gestureType() == Qt::ZoomNativeGesture)
        emit editScrollAreaScaleChanged(float(1.0 + gesture->value()));
    event->accept();
    return true;
}

bool EditScrollArea::viewportEvent(QEvent* event)
{
    if (!_handleWheelPhase(event))
        return QScrollArea::viewportEvent(event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
        emit editScrollAreaScaleChanged(wheel->angleDelta().y() > 0 ? kZoomInFactor : kZoomOutFactor);
    } else {
        const int step = ++gWheelCounter;
        QTimer::singleShot(kWheelEndMs, this, [this, step]() {
            if (gWheelCounter == step)
                emit editScrollAreaWillEndDragging();
        });
    }
    return QScrollArea::viewportEvent(event);
}

// ---- Keys -------------------------------------------------------------------

void EditScrollArea::keyPressEvent(QKeyEvent* event)
{
    if (Util::hasKeyboardModifier(event->modifiers())) {
        QScrollArea::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        emit editScrollAreaDeleteKeyPressed();
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit editScrollAreaSelectNextSegmentByDirectionKey(event->key());
        return;
    default:
        QScrollArea::keyPressEvent(event);
    }
}

// ---- Removal animation ------------------------------------------------------

void EditScrollArea::playEliminateAnimation(const QPoint& globalPoint)
{
    QStringList files;
    for (int frame = 1; frame <= 4; ++frame)
        files << QString(":/images/animation/eliminate_ani%1").arg(frame);
    auto* label = new SlideshowLabel(files, kEliminateMs, this);
    const QPoint half(kEliminateSide / 2, kEliminateSide / 2);
    label->setGeometry(QRect(mapFromGlobal(globalPoint) - half, QSize(kEliminateSide, kEliminateSide)));
    label->setStyleSheet("background-color: transparent;");
    connect(label, &SlideshowLabel::slideshowCompleted, label, [label]() {
        label->hide();
        label->deleteLater();
    });
    label->show();
    label->raise();
    label->start();
}
