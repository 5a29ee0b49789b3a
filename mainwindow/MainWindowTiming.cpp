// A segment's changed start or length applied to the engine, the timeline
// and the later segments of its track.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"

#include <cmath>

namespace {

// Changes smaller than this are the float noise of a drag, not an edit.
constexpr float kTimingTolerance = 0.001f;

bool differs(float a, float b)
{
    return std::abs(a - b) > kTimingTolerance;
}

} // namespace

void MainWindow::_setEngineStartTime(const Segment* segment)
{
    if (!_engine)
        return;
    _engine->setSegmentStartTime(segment->serialNumber(), segment->rangeStart());
    if (segment->secondEngineId() != 0)
        _engine->setSegmentStartTime(segment->secondEngineId(), segment->rangeStart());
}

void MainWindow::_relayoutSegmentWidget(const Segment* segment, bool animated)
{
    if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment)))
        widget->setScale(_timelineScale, animated);
}

int MainWindow::_shiftSegmentsAfter(float delta, float after, int trackId, bool animated)
{
    int moved = 0;
    for (int index = 0; index < _projectManager->segmentCount(); ++index) {
        Segment* segment = _projectManager->segmentAt(index);
        if (segment->trackId() != trackId || !(segment->rangeStart() > after))
            continue;
        segment->setRangeStart(segment->rangeStart() + delta);
        _setEngineStartTime(segment);
        _relayoutSegmentWidget(segment, animated);
        ++moved;
    }
    return moved;
}

void MainWindow::_pushSegmentTiming(const Segment* segment)
{
    if (!_engine)
        return;
    _syncSegmentTrimToEngine(segment);
    _setEngineStartTime(segment);
    _engine->refreshDuration();
}

bool MainWindow::_applySegmentTiming(Segment* segment, bool force)
{
    const float start = segment->rangeStart();
    const float end = start + segment->duration();
    if (start == _previousRangeStart && end == _previousRangeEnd)
        return false;
    if (_projectManager->segmentMode() == 0 || force) {
        if (differs(start, _previousRangeStart)) {
            // Insert mode keeps the segment's place: a trimmed front pulls
            // the later segments of the track up instead.
            segment->setRangeStart(_previousRangeStart);
            _setEngineStartTime(segment);
            _relayoutSegmentWidget(segment, false);
            _shiftSegmentsAfter(_previousRangeStart - start, segment->rangeStart(), segment->trackId(), false);
        }
        if (differs(end, _previousRangeEnd))
            _shiftSegmentsAfter(end - _previousRangeEnd, segment->rangeStart(), segment->trackId(), false);
    } else {
        // Overwrite mode: the segment takes its new span over from whatever lay there.
        _placeSegmentOnTrack(start, end - start, _timeline ? _timeline->trackWidgetById(segment->trackId()) : nullptr,
                             segment);
    }
    _pushSegmentTiming(segment);
    _updateProjectDuration();
    _requestRedrawLater();
    _projectManager->setModified(true);
    // What the segment now covers, so that the next change is measured from it.
    _previousRangeStart = segment->rangeStart();
    _previousRangeEnd = segment->rangeStart() + segment->duration();
    return true;
}
