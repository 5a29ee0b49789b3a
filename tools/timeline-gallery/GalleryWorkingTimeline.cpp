#include "GalleryWorkingTimeline.h"

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "PointerWidget.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "UiMetrics.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>

#include <algorithm>
#include <vector>

namespace {

constexpr float kDuration = 60.0f;
constexpr int kRulerHeight = 30;
constexpr int kGutterWidth = 60;
constexpr int kLogWidth = 460;
constexpr int kLogLines = 2000;
// The play pointer's centre over the tracks, from the tracks' left edge.
constexpr int kPointerOffset = 360;
constexpr float kMinScale = 0.2f;
constexpr float kMaxScale = 4.0f;

struct TrackPlan {
    const char* type;
    std::vector<float> starts;
    float duration;
};

const TrackPlan kPlan[] = {
    {"TEXT", {1.0f, 6.0f, 12.5f}, 4.0f},
    {"IMAGE", {2.0f, 9.0f}, 5.0f},
    {"MUSIC", {0.0f}, 6.0f},
};

} // namespace

GalleryWorkingTimeline::GalleryWorkingTimeline(const SegmentMaker& makeSegment, QWidget* parent)
    : QWidget(parent)
    , _ruler(new RulerScrollArea(this))
    , _gutter(new GutterScrollArea(this))
    , _area(new EditScrollArea(this))
    , _pointer(nullptr)
    , _log(new QPlainTextEdit(this))
{
    _ruler->setWidget(new RulerWidget);
    _ruler->setFixedHeight(kRulerHeight);
    _gutter->setFixedWidth(kGutterWidth);
    _log->setReadOnly(true);
    _log->setMaximumBlockCount(kLogLines);
    _log->setFixedWidth(kLogWidth);
    _log->setStyleSheet("QPlainTextEdit { background-color: rgb(20,20,22); color: rgb(200,200,200); }");
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(_ruler, 0, 1);
    grid->addWidget(_gutter, 1, 0);
    grid->addWidget(_area, 1, 1);
    auto* row = new QHBoxLayout(this);
    row->addLayout(grid, 1);
    row->addWidget(_log);
    _pointer = new PointerWidget(0, UiMetrics::pointerHandleSize().height(), this);
    _pointer->resize(UiMetrics::pointerHandleSize().width(), 100);

    _append("Signals of the timeline area, newest last:");
    _connectLog();
    _connectAnswers();
    for (const TrackPlan& plan : kPlan) {
        TrackWidget* track = _addTrack(plan.type);
        for (float start : plan.starts)
            _addTile(track, makeSegment(plan.type, start, plan.duration));
    }
    _addTrack(QString());
    _ruler->setScale(_scale, kDuration);
}

TrackWidget* GalleryWorkingTimeline::_addTrack(const QString& type)
{
    const int id = _gutter->addTrackButton();
    TrackWidget* track = _area->addTrackWidget(_scale, kDuration);
    track->setTrackId(id);
    track->setTrackType(type);
    _gutter->setTrackButtonType(id, type);
    return track;
}

void GalleryWorkingTimeline::_addTile(TrackWidget* track, Segment* segment)
{
    segment->setTrackId(track->trackId());
    SegmentWidget* tile = track->addSegmentWidget(segment);
    _area->connectSegmentWidget(tile);
    tile->setScale(_scale, false);
}

void GalleryWorkingTimeline::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _placePointer();
}

void GalleryWorkingTimeline::_placePointer()
{
    layout()->activate();
    _ruler->setScale(_scale, kDuration);
    const int top = _ruler->y();
    _pointer->resize(_pointer->width(), _area->y() + _area->height() - top);
    _pointer->move(_pointer->x(), top);
    _pointer->moveToX(_area->x() + kPointerOffset, false);
    _pointer->raise();
}

// ---- Answers, as the main window gives them --------------------------------

void GalleryWorkingTimeline::_connectAnswers()
{
    // Out-parameters are written by the receiver before the emission returns.
    connect(
        _area, &EditScrollArea::editScrollAreaGetSegmentOverwriteMode, this,
        [this](bool& ret) {
            ret = false;
            _append("editScrollAreaGetSegmentOverwriteMode(answered false: insert mode)");
        },
        Qt::DirectConnection);
    connect(
        _area, &EditScrollArea::editScrollAreaGetSafeAreaInsets, this,
        [this](float* left, float* top, float* right, float* bottom) {
            for (float* inset : {left, top, right, bottom}) {
                if (inset)
                    *inset = 0.0f;
            }
            _append("editScrollAreaGetSafeAreaInsets(answered 0 through the given pointers)");
        },
        Qt::DirectConnection);
    connect(_area, &EditScrollArea::editScrollAreaDidScroll, this, [this](QPoint offset) {
        _ruler->setScrollX(offset.x());
        _gutter->setScrollY(offset.y());
    });
    connect(_area, &EditScrollArea::editScrollAreaScaleChanged, this, &GalleryWorkingTimeline::_zoom);
    connect(_area, &EditScrollArea::editScrollAreaMoveSegmentToTrack, this, &GalleryWorkingTimeline::_moveSegment);
    connect(_area, &EditScrollArea::editScrollAreaRemoveSegment, this, &GalleryWorkingTimeline::_removeSegment);
    connect(_area, &EditScrollArea::editScrollAreaRemoveTrack, this, &GalleryWorkingTimeline::_removeTrack);
    connect(_area, &EditScrollArea::editScrollAreaEndDraggingTrackWidget, this,
            [this](TrackWidget*, bool tagsChanged) {
                if (tagsChanged)
                    _syncGutter();
            });
    connect(_area, &EditScrollArea::editScrollAreaDidEnterEditingSegment, this,
            [this](Segment*) { _pointer->setStyle(1); });
    connect(_area, &EditScrollArea::editScrollAreaDidFinishEditingSegment, this,
            [this](Segment*) { _pointer->setStyle(0); });
    connect(_area, &EditScrollArea::editScrollAreaReloadPreviewForSegment, this,
            [this](Segment*, bool) { _ruler->setScale(_scale, kDuration); });
}

void GalleryWorkingTimeline::_moveSegment(Segment* segment, TrackWidget* target, float time)
{
    // Inside the dropped tile's release: the old tile goes, a new one comes.
    if (TrackWidget* home = _area->trackWidgetById(segment->trackId()))
        home->removeSegmentWidget(segment, false);
    const bool wasEmpty = target->segmentWidgetCount() == 0;
    segment->setRangeStart(time);
    _addTile(target, segment);
    if (!wasEmpty)
        return;
    target->setTrackType(segment->type());
    _gutter->setTrackButtonType(target->trackId(), segment->type());
    if (target == _area->trackWidgetAt(_area->trackWidgetCount() - 1))
        _addTrack(QString());
}

void GalleryWorkingTimeline::_removeSegment(Segment* segment)
{
    if (TrackWidget* home = _area->trackWidgetById(segment->trackId()))
        home->removeSegmentWidget(segment, false);
}

void GalleryWorkingTimeline::_removeTrack(TrackWidget* track)
{
    _gutter->removeTrackButton(track->trackId());
    _area->removeTrackWidget(track);
}

void GalleryWorkingTimeline::_syncGutter()
{
    QList<int> tags;
    QStringList types;
    for (int index = 0; index < _area->trackWidgetCount(); ++index) {
        TrackWidget* track = _area->trackWidgetAt(index);
        tags.append(track->trackId());
        types.append(track->trackType());
        for (int tile = 0; tile < track->segmentWidgetCount(); ++tile)
            track->segmentWidgetAt(tile)->segment()->setTrackId(track->trackId());
    }
    // The trailing empty track has its own button already.
    tags.removeLast();
    types.removeLast();
    _gutter->syncTrackButtons(tags, types);
}

void GalleryWorkingTimeline::_zoom(float factor)
{
    _scale = std::clamp(_scale * factor, kMinScale, kMaxScale);
    _area->relayoutTracks(_scale, kDuration);
    _ruler->setScale(_scale, kDuration);
}

// ---- The log ----------------------------------------------------------------

void GalleryWorkingTimeline::_append(const QString& line)
{
    _log->appendPlainText(line);
}

QString GalleryWorkingTimeline::_describe(const TrackWidget* track) const
{
    for (int index = 0; index < _area->trackWidgetCount(); ++index) {
        if (_area->trackWidgetAt(index) == track)
            return QString("track %1").arg(track->trackId());
    }
    return track ? QString("a removed track") : QString("no track");
}

QString GalleryWorkingTimeline::_describe(const SegmentWidget* tile) const
{
    return tile ? _describe(tile->segment()) : QString("no tile");
}

QString GalleryWorkingTimeline::_describe(const Segment* segment) const
{
    if (!segment)
        return "no segment";
    return QString("%1 at %2 s").arg(segment->type()).arg(double(segment->rangeStart()), 0, 'f', 2);
}

QString GalleryWorkingTimeline::_describe(const QPoint& point) const
{
    return QString("(%1, %2)").arg(point.x()).arg(point.y());
}

template <typename... Args>
void GalleryWorkingTimeline::_logSignal(void (EditScrollArea::*signal)(Args...), const char* name)
{
    connect(_area, signal, this, [this, name](Args... args) {
        const QStringList parts{_describe(args)...};
        _append(QString("%1(%2)").arg(name, parts.join(", ")));
    });
}

void GalleryWorkingTimeline::_connectLog()
{
    // Every signal but the two questions, which log their answers.
    _logSignal(&EditScrollArea::editScrollAreaWillBeginDragging, "editScrollAreaWillBeginDragging");
    _logSignal(&EditScrollArea::editScrollAreaDidScroll, "editScrollAreaDidScroll");
    _logSignal(&EditScrollArea::editScrollAreaWillEndDragging, "editScrollAreaWillEndDragging");
    _logSignal(&EditScrollArea::editScrollAreaScaleBegan, "editScrollAreaScaleBegan");
    _logSignal(&EditScrollArea::editScrollAreaScaleChanged, "editScrollAreaScaleChanged");
    _logSignal(&EditScrollArea::editScrollAreaScaleEnd, "editScrollAreaScaleEnd");
    _logSignal(&EditScrollArea::editScrollAreaBeginDraggingSegment, "editScrollAreaBeginDraggingSegment");
    _logSignal(&EditScrollArea::editScrollAreaEndDraggingSegment, "editScrollAreaEndDraggingSegment");
    _logSignal(&EditScrollArea::editScrollAreaCopySegment, "editScrollAreaCopySegment");
    _logSignal(&EditScrollArea::editScrollAreaRemoveSegment, "editScrollAreaRemoveSegment");
    _logSignal(&EditScrollArea::editScrollAreaSplitSegment, "editScrollAreaSplitSegment");
    _logSignal(&EditScrollArea::editScrollAreaMoveSegmentToTrack, "editScrollAreaMoveSegmentToTrack");
    _logSignal(&EditScrollArea::editScrollAreaRemoveTrack, "editScrollAreaRemoveTrack");
    _logSignal(&EditScrollArea::editScrollAreaDidEnterEditingSegment, "editScrollAreaDidEnterEditingSegment");
    _logSignal(&EditScrollArea::editScrollAreaDidFinishEditingSegment, "editScrollAreaDidFinishEditingSegment");
    _logSignal(&EditScrollArea::editScrollAreaDidFinishEditingSegmentImmediately,
               "editScrollAreaDidFinishEditingSegmentImmediately");
    _logSignal(&EditScrollArea::editScrollAreaSeekToTime, "editScrollAreaSeekToTime");
    _logSignal(&EditScrollArea::editScrollAreaReloadPreviewForSegment, "editScrollAreaReloadPreviewForSegment");
    _logSignal(&EditScrollArea::editScrollAreaBeginTrimSegment, "editScrollAreaBeginTrimSegment");
    _logSignal(&EditScrollArea::editScrollAreaDidEnterEditingTransition, "editScrollAreaDidEnterEditingTransition");
    _logSignal(&EditScrollArea::editScrollAreaDidFinishEditingTransition, "editScrollAreaDidFinishEditingTransition");
    _logSignal(&EditScrollArea::editScrollAreaSeekToTransition, "editScrollAreaSeekToTransition");
    _logSignal(&EditScrollArea::editScrollAreaTappedOnTransitionBar, "editScrollAreaTappedOnTransitionBar");
    _logSignal(&EditScrollArea::editScrollAreaReloadPreviewForTransition, "editScrollAreaReloadPreviewForTransition");
    _logSignal(&EditScrollArea::editScrollAreaDidTransitionRangeChange, "editScrollAreaDidTransitionRangeChange");
    _logSignal(&EditScrollArea::editScrollAreaBeginMoveTransition, "editScrollAreaBeginMoveTransition");
    _logSignal(&EditScrollArea::editScrollAreaEndMoveTransition, "editScrollAreaEndMoveTransition");
    _logSignal(&EditScrollArea::editScrollAreaBeginTrimTransition, "editScrollAreaBeginTrimTransition");
    _logSignal(&EditScrollArea::editScrollAreaEndTrimTransition, "editScrollAreaEndTrimTransition");
    _logSignal(&EditScrollArea::editScrollAreaBeginDraggingTrackWidget, "editScrollAreaBeginDraggingTrackWidget");
    _logSignal(&EditScrollArea::editScrollAreaEndDraggingTrackWidget, "editScrollAreaEndDraggingTrackWidget");
    _logSignal(&EditScrollArea::editScrollAreaSelectNextSegmentByDirectionKey,
               "editScrollAreaSelectNextSegmentByDirectionKey");
    _logSignal(&EditScrollArea::editScrollAreaSelectedSegmentWidgetChanged,
               "editScrollAreaSelectedSegmentWidgetChanged");
    _logSignal(&EditScrollArea::editScrollAreaDeleteKeyPressed, "editScrollAreaDeleteKeyPressed");
    _logSignal(&EditScrollArea::editScrollAreaPopupContextMenuForSegmentWidget,
               "editScrollAreaPopupContextMenuForSegmentWidget");
    _logSignal(&EditScrollArea::editScrollAreaDoubleClickedOnFailedSegment,
               "editScrollAreaDoubleClickedOnFailedSegment");
    connect(_gutter, &GutterScrollArea::gutterAreaFunctionButtonPressed, this,
            [this](int tag) { _append(QString("gutterAreaFunctionButtonPressed(%1)").arg(tag)); });
}
