// What the timeline's gestures change: moving a segment between tracks and
// times, removing segments and tracks, reordering tracks, and making room in
// overwrite mode by cutting, splitting or removing what a span covers.
// Model first, then widgets, then the engine.
#include "MainWindow.h"

#include "AVEngine.h"
#include "DrawingSegment.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "CommonPopup.h"
#include "TipManager.h"
#include "TrackWidget.h"
#include "Util.h"
#include "VoiceSegment.h"


#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr float kPlacementTolerance = 0.001f;
constexpr int kGutterFadeMs = 300;

int compare(float a, float b)
{
    return Util::compareWithTolerance(a, b, kPlacementTolerance);
}

const int32_t* engineIds(const Segment* segment, int32_t (&ids)[2])
{
    ids[0] = segment->serialNumber();
    ids[1] = segment->secondEngineId();
    return ids;
}

} // namespace

// --- Small shared steps ---------------------------------------------------------

void MainWindow::_pausePlayback()
{
    if (_engine)
        _engine->pause();
}

void MainWindow::_updateProjectDuration()
{
    const float duration = _projectManager->duration();
    _projectManager->updateDuration();
    if (_projectManager->duration() == duration)
        return;
    if (_ruler)
        _ruler->setScale(_timelineScale, _projectManager->duration());
    if (_timeline)
        _timeline->relayoutTracks(_timelineScale, _projectManager->duration());
}

void MainWindow::_requestRedrawLater(int delayMs)
{
    if (!_engine)
        return;
    AVEngine* engine = _engine;
    _runForProject(delayMs, [this, engine] {
        if (_engine == engine)
            engine->requestRedraw();
    });
}

void MainWindow::_removeFromEngine(const Segment* segment)
{
    if (!_engine || std::exchange(_skipNextEngineRemoval, false))
        return;
    _engine->removeSegment(segment->serialNumber());
    if (segment->secondEngineId() != 0)
        _engine->removeSegment(segment->secondEngineId());
}

void MainWindow::_removeTrackIfEmpty(int trackId)
{
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        if (_projectManager->segmentAt(index)->trackId() == trackId)
            return;
    }
    TrackWidget* track = _timeline->trackWidgetById(trackId);
    if (!track || track == _newestTrack)
        return;
    _gutterArea->removeTrackButton(trackId);
    _timeline->removeTrackWidget(track);
}

// --- Copies ---------------------------------------------------------------------

Segment* MainWindow::_duplicateSegment(Segment* source, float start)
{
    const QString type = source->type();
    Segment* copy = nullptr;
    if (type == QLatin1String("MOVIE")) {
        copy = new MovieSegment(source, start, this);
    } else if (type == QLatin1String("IMAGE")) {
        copy = new ImageSegment(source, source->absoluteFilePath(), start, this);
        copy->setRangeDuration(source->duration());
    } else if (type == QLatin1String("TEXT")) {
        copy = new TextSegment(source, start, this);
        copy->setRangeDuration(source->duration());
    } else if (type == QLatin1String("MUSIC")) {
        copy = new MusicSegment(source, start, this);
    } else if (type == QLatin1String("VOICE")) {
        copy = new VoiceSegment(source, start, this);
    } else if (auto* drawing = dynamic_cast<DrawingSegment*>(source)) {
        const QString free = drawing->newImageFileName();
        const QString file = free.isEmpty()
            ? QString()
            : Util::copyFileAsNew(source->absoluteFilePath(), free, [drawing] { return drawing->newImageFileName(); });
        // A drawing never overwrites a file another segment uses, so sharing
        // the source's picture is safe and keeps the copy intact.
        copy = new DrawingSegment(source, file.isEmpty() ? source->absoluteFilePath() : file, start, this);
        copy->setRangeDuration(source->duration());
    }
    return copy;
}

// --- Transitions across a cut ---------------------------------------------------

void MainWindow::_dropTransitions(QVector<QPointF>* kept, float time, Segment* segment, bool keepAfter)
{
    QVector<int> dropped;
    for (int index = 0; index < segment->transitionCount(); ++index) {
        const int id = segment->isValidTransitionIndex(index);
        const float start = segment->transitionStart(id) + segment->rangeStart();
        const float length = segment->transitionDuration(id);
        // Transition times are stored as fractions of the length: compare
        // with the placement tolerance, not exactly.
        const bool survives = keepAfter ? compare(start, time) >= 0 : compare(start + length, time) <= 0;
        if (survives)
            kept->append(QPointF(double(start), double(length)));
        else
            dropped.prepend(id);
    }
    int32_t ids[2];
    engineIds(segment, ids);
    // Highest id first, so that each removal renumbers only entries already kept.
    for (int id : dropped) {
        segment->removeTransition(id);
        for (int32_t engineId : ids) {
            if (engineId == 0 || !_engine)
                continue;
            _engine->removeAnimation(engineId, id);
            for (int later = id; later <= segment->transitionCount(); ++later)
                _engine->changeAnimationId(engineId, later + 1, later);
        }
    }
}

void MainWindow::_dropTransitionsBefore(QVector<QPointF>* kept, float time, Segment* segment)
{
    _dropTransitions(kept, time, segment, true);
}

void MainWindow::_dropTransitionsAfter(QVector<QPointF>* kept, float time, Segment* segment)
{
    _dropTransitions(kept, time, segment, false);
}

void MainWindow::_restoreTransitionTimes(const QVector<QPointF>& kept, Segment* segment)
{
    const float duration = segment->duration();
    int32_t ids[2];
    engineIds(segment, ids);
    for (int index = 0; index < kept.size(); ++index) {
        const int id = index + 1;
        segment->setTransitionStart(id, float(kept[index].x()) - segment->rangeStart());
        segment->setTransitionDuration(id, float(kept[index].y()));
        // The times as the segment keeps them, inside its length.
        const float start = segment->transitionStart(id);
        const float length = segment->transitionDuration(id);
        for (int32_t engineId : ids) {
            if (engineId == 0 || !_engine || duration <= 0.0f)
                continue;
            _engine->setAnimationStartTime(engineId, id, start / duration);
            _engine->setAnimationDuration(engineId, id, length / duration);
        }
    }
}

void MainWindow::_cutSegmentStart(Segment* segment, float time)
{
    QVector<QPointF> kept;
    _dropTransitionsBefore(&kept, time, segment);
    segment->setStartTime(time);
    _setEngineStartTime(segment);
    _syncSegmentTrimToEngine(segment);
    _restoreTransitionTimes(kept, segment);
    _relayoutSegmentWidget(segment, false);
}

void MainWindow::_cutSegmentEnd(Segment* segment, float time)
{
    QVector<QPointF> kept;
    _dropTransitionsAfter(&kept, time, segment);
    segment->setEndTime(time);
    _syncSegmentTrimToEngine(segment);
    _restoreTransitionTimes(kept, segment);
    _relayoutSegmentWidget(segment, false);
}

// --- Overwrite placement --------------------------------------------------------

void MainWindow::_splitAroundSpan(Segment* segment, TrackWidget* track, float start, float end)
{
    Segment* tail = _duplicateSegment(segment, segment->rangeStart());
    // Without a tail the segment keeps its whole length: cutting it would
    // lose everything after the span.
    if (!tail)
        return;
    _cutSegmentStart(tail, end);
    _projectManager->addSegmentSorted(tail, _placeOnTrack(tail, track, false));
    _keepPositionSerial = tail->serialNumber();
    _cutSegmentEnd(segment, start);
}

void MainWindow::_placeSegmentOnTrack(float start, float duration, TrackWidget* track, Segment* except)
{
    if (!track)
        return;
    const float end = start + duration;
    QVector<Segment*> covered;
    for (const SegmentWidget* widget : track->segmentWidgets()) {
        Segment* segment = widget->segment();
        if (!segment || segment == except)
            continue;
        const float a = segment->rangeStart();
        const float b = a + segment->duration();
        if (compare(a, end) == 0 || compare(start, b) == 0 || compare(a, end) > 0)
            continue;
        if (compare(a, start) < 0) {
            if (compare(b, end) > 0)
                _splitAroundSpan(segment, track, start, end);
            else if (b > start)
                _cutSegmentEnd(segment, start);
        } else if (compare(b, end) > 0) {
            _cutSegmentStart(segment, end);
        } else {
            covered.append(segment);
        }
    }
    for (Segment* segment : covered) {
        _projectManager->removeSegment(segment);
        _removeFromEngine(segment);
        track->removeSegmentWidget(segment, false);
        _deleteRemovedSegment(segment);
    }
}

// --- Notifications ------------------------------------------------------------

void MainWindow::editScrollArea_willBeginDragging()
{
    _pausePlayback();
}

void MainWindow::editScrollArea_beginDraggingSegment()
{
    _pausePlayback();
    TipManager::instance()->closeTipAndMarkShown(QStringLiteral("SegmentOperationPressAndDragTip"));
}

void MainWindow::editScrollArea_seekToTime(float time)
{
    if (_engine)
        _engine->seek(time, false);
}

void MainWindow::editScrollArea_getSegmentOverwriteMode(bool& ret)
{
    ret = _projectManager->segmentMode() == 1;
}

void MainWindow::editScrollArea_didEnterEditingTransition(Segment* segment, int tId, int beginOrEnd)
{
    _seekToEditingTransition(segment, tId, beginOrEnd != 0);
    emit transitionEditingStateChanged();
}

void MainWindow::editScrollArea_didFinishEditingTransition(Segment*)
{
    _editingTransitionState = -1;
    emit transitionEditingStateChanged();
}

void MainWindow::editScrollArea_didTransitionRangeChange(int)
{
    _projectManager->setModified(true);
}

void MainWindow::editScrollArea_moveSegmentToTrack(Segment* segment, TrackWidget* destTrackWidget, float time)
{
    TrackWidget* source = segment ? _timeline->trackWidgetById(segment->trackId()) : nullptr;
    if (!source || !destTrackWidget)
        return;
    _recordOperation();
    source->removeSegmentWidget(segment, false);
    const int sourceId = source->trackId();
    segment->setTrackId(0);
    const float duration = segment->duration();
    const bool animated = source != destTrackWidget;
    if (_projectManager->segmentMode() == 0) {
        const int moved = _shiftSegmentsAfter(-duration, segment->rangeStart(), sourceId, animated);
        // The drop point was measured with the moved segment still in place.
        if (!animated && moved > 0 && time - duration > segment->rangeStart())
            time -= duration;
        _openGapOnTrack(time, duration, destTrackWidget->trackId(), animated);
    } else {
        _placeSegmentOnTrack(time, duration, destTrackWidget, nullptr);
    }
    segment->setRangeStart(time);
    _setEngineStartTime(segment);
    _projectManager->removeSegment(segment);
    _projectManager->addSegmentSorted(segment, _placeOnTrack(segment, destTrackWidget, false));
    _sendDrawingOrder();
    _updateProjectDuration();
    _removeTrackIfEmpty(sourceId);
    _seekPreview(_currentScrollTime(), true);
    _projectManager->setModified(true);
    if (destTrackWidget == _newestTrack) {
        destTrackWidget->setTrackType(segment->type());
        _gutterArea->setTrackButtonType(destTrackWidget->trackId(), segment->type());
        _addTrack();
    }
}

void MainWindow::_openGapOnTrack(float time, float length, int trackId, bool animated)
{
    float after = time;
    float delta = length;
    // A segment holding the time moves whole, so that it begins where the gap ends.
    auto* hit = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetAtTime(time, trackId));
    if (hit && hit->segment()) {
        const float hitStart = hit->segment()->rangeStart();
        // The shift takes what starts after the time: the float just below
        // the hit's start takes the hit and leaves the segment before it,
        // however short, where it ends.
        after = std::nextafter(hitStart, -std::numeric_limits<float>::infinity());
        delta = length + (time - hitStart);
    }
    _shiftSegmentsAfter(delta, after, trackId, animated);
}

void MainWindow::editScrollArea_removeSegment(Segment* segment)
{
    TrackWidget* track = segment ? _timeline->trackWidgetById(segment->trackId()) : nullptr;
    if (!track)
        return;
    _recordOperation();
    track->removeSegmentWidget(segment, false);
    if (_projectManager->segmentMode() == 0)
        _shiftSegmentsAfter(-segment->duration(), segment->rangeStart(), segment->trackId(), true);
    _projectManager->removeSegment(segment);
    _updateProjectDuration();
    _removeTrackIfEmpty(track->trackId());
    _removeFromEngine(segment);
    _deleteRemovedSegment(segment);
    _seekPreview(_currentScrollTime(), true);
    _requestRedrawLater();
    _projectManager->setModified(true);
}

void MainWindow::editScrollArea_removeTrack(TrackWidget* trackWidget)
{
    if (!trackWidget)
        return;
    _recordOperation();
    const int trackId = trackWidget->trackId();
    QVector<Segment*> removed;
    for (const SegmentWidget* widget : trackWidget->segmentWidgets()) {
        if (Segment* segment = widget->segment())
            removed.append(segment);
    }
    trackWidget->clearSegmentWidgets();
    for (Segment* segment : removed) {
        _projectManager->removeSegment(segment);
        _removeFromEngine(segment);
        _deleteRemovedSegment(segment);
    }
    _updateProjectDuration();
    _removeTrackIfEmpty(trackId);
    _requestRedrawLater();
    // Without this the removal would be lost when the project closes.
    _projectManager->setModified(true);
}

void MainWindow::editScrollArea_beginDraggingTrackWidget(TrackWidget*)
{
    _pausePlayback();
    // The track headers would not follow the dragged track.
    Util::fadeOutWidget(_gutterArea, kGutterFadeMs, false);
}

void MainWindow::editScrollArea_endDraggingTrackWidget(TrackWidget*, bool tagsChanged)
{
    if (tagsChanged) {
        _recordOperation();
        _adoptTrackOrder();
    }
    Util::fadeInWidget(_gutterArea, kGutterFadeMs, 1.0);
}

void MainWindow::_adoptTrackOrder()
{
    // The segments stay alive: they go straight back in the new track order.
    _projectManager->clearSegments();
    QList<int> tags;
    QStringList types;
    for (int index = 0; index < _timeline->trackWidgetCount(); ++index) {
        TrackWidget* track = _timeline->trackWidgetAt(index);
        for (SegmentWidget* widget : track->segmentWidgets()) {
            widget->segment()->setTrackId(track->trackId());
            _projectManager->appendSegment(widget->segment(), widget);
        }
        if (track->segmentWidgetCount() > 0) {
            tags << track->trackId();
            types << track->segmentWidgets().first()->segment()->type();
        }
    }
    _gutterArea->syncTrackButtons(tags, types);
    _sendDrawingOrder();
    _requestRedrawLater();
    _projectManager->setModified(true);
}
