// A segment's changed start or length applied to the engine, the timeline
// and the later segments of its track.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"

#include <cmath>
#include <limits>

namespace {

// Changes smaller than this are the float noise of a drag, not an edit.
constexpr float kTimingTolerance = 0.001f;

bool differs(float a, float b)
{
    return std::abs(a - b) > kTimingTolerance;
}

// The time as a segment's dictionary keeps it.
float storedTime(double time)
{
    return Segment::floatToText(float(time)).toFloat();
}

// The latest time a dictionary keeps that is not after the time: rounded
// to the nearest kept time first, and to the one below when that was above.
float storedTimeNotAfter(double time)
{
    double step = std::abs(time) * double(std::numeric_limits<float>::epsilon());
    float stored = storedTime(time);
    while (double(stored) > time && step > 0.0) {
        stored = storedTime(time - step);
        step *= 2.0;
    }
    return stored;
}

// The other segment of its track that starts at the time, if any.
Segment* segmentStartingAt(const ProjectManager& project, const Segment* segment, float time)
{
    for (int index = 0; index < project.segmentCount(); ++index) {
        Segment* other = project.segmentAt(index);
        if (other != segment && other->trackId() == segment->trackId() && !differs(other->rangeStart(), time))
            return other;
    }
    return nullptr;
}

// Start and length are each kept to a few digits and the end is their sum:
// a segment moved on by a change of the end may land a rounding step after
// it, a sliver that shows nothing (after a split at the play pointer, the
// picture under the pointer). Moves next back to start at the end or just
// before it; whether it moved.
bool keepFollowing(const Segment* segment, Segment* next)
{
    const double end = double(segment->rangeStart()) + double(segment->duration());
    if (!(double(next->rangeStart()) > end))
        return false;
    next->setRangeStart(storedTimeNotAfter(end));
    return true;
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
        if (differs(end, _previousRangeEnd)) {
            Segment* next = segmentStartingAt(*_projectManager, segment, _previousRangeEnd);
            _shiftSegmentsAfter(end - _previousRangeEnd, segment->rangeStart(), segment->trackId(), false);
            if (next && keepFollowing(segment, next)) {
                _setEngineStartTime(next);
                _relayoutSegmentWidget(next, false);
            }
        }
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
