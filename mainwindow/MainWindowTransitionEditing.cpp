// Keeping the edited transition and the transform overlay in step with the
// play position while a segment is edited on the timeline.
#include "MainWindow.h"

#include "EditScrollArea.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TransformWidget.h"
#include "WidgetAnimations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>

#include <cmath>

namespace {

// Seeking to an end of a transition lands this far inside it.
constexpr float kInsideTransition = 1.0f / 600.0f;
// A transition end counts as under the pointer this close, for transitions at least this long.
constexpr float kEndTolerance = 0.1f;
constexpr float kShortestEditable = 0.2f;
// How long a seek waits for playback to stop.
constexpr int kPlaybackStopBoundMs = 2000;
constexpr int kFadeMs = 200;

bool isSound(const Segment* segment)
{
    return segment->type() == QLatin1String("MUSIC") || segment->type() == QLatin1String("VOICE");
}

// Whether the pointer lay inside the edited segment at the last check; one
// answer for every window, as there is one pointer the user follows.
bool pointerWasInsideEditedSegment = false;

} // namespace

void MainWindow::editScrollArea_seekToTransition(int tId, bool beginOrEnd)
{
    _seekToTransition(tId, beginOrEnd);
}

void MainWindow::_seekToTransition(int tId, bool beginOrEnd)
{
    Segment* segment = _timelineEditingSegment();
    if (!segment || !segment->transitionAt(tId))
        return;
    QElapsedTimer clock;
    clock.start();
    while (_playing && clock.elapsed() < kPlaybackStopBoundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const float start = segment->rangeStart() + segment->transitionStart(tId);
    const float time = beginOrEnd ? start + kInsideTransition
                                  : start + segment->transitionDuration(tId) - kInsideTransition;
    _seekToTime(time, true);
    _seekPreview(time, true);
    QCoreApplication::processEvents();
    _editingTransitionState = beginOrEnd ? 1 : 0;
    _updateTransitionControls();
    _showTransformWidgetForSegment(segment);
}

void MainWindow::_syncEditingTransition(float time)
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    if (!widget)
        return;
    if (_isEditingTransitions())
        _syncEditedTransitionEnd(widget, time);
    else
        _syncStaticEditing(widget->segment(), time);
}

void MainWindow::_syncEditedTransitionEnd(SegmentWidget* widget, float time)
{
    Segment* segment = widget->segment();
    const int tId = widget->transitionId();
    if (tId >= 1 && segment->transitionAt(tId)) {
        const float start = segment->rangeStart() + segment->transitionStart(tId);
        const float duration = segment->transitionDuration(tId);
        const bool atStart = std::abs(time - start) <= kEndTolerance;
        const bool atEnd = std::abs(time - (start + duration)) <= kEndTolerance;
        if (duration >= kShortestEditable && (atStart || atEnd)) {
            _editingTransitionState = atStart ? 1 : 0;
            if (!_transformWidget) {
                _updateTransitionControls();
                _showTransformWidgetForSegment(segment);
            }
            return;
        }
    }
    _editingTransitionState = -1;
    if (_transformWidget) {
        _updateTransitionControls();
        _fadeWidget();
    }
    if (tId >= 1 && isSound(segment) && _volumeControlEnabled())
        _updateTransitionControls();
}

void MainWindow::_syncStaticEditing(Segment* segment, float time)
{
    if (!segment->isStaticAt(time)) {
        if (_transformWidget) {
            _fadeWidget();
            _updateEditingWidgetsAtPointer();
        } else if (isSound(segment) && _volumeControlEnabled()) {
            _updateEditingWidgetsAtPointer();
        }
    } else if (!_transformWidget) {
        _showTransformWidgetForSegment(segment);
        _updateEditingWidgetsAtPointer();
    }
    const float pointer = _currentScrollTime();
    const bool inside = pointer >= segment->rangeStart() && pointer < segment->rangeStart() + segment->duration();
    if (inside != pointerWasInsideEditedSegment)
        _updateEditingWidgetsAtPointer();
    pointerWasInsideEditedSegment = inside;
}

void MainWindow::_fadeWidget()
{
    QPointer<TransformWidget> overlay = _transformWidget;
    _transformWidget = nullptr;
    if (!overlay)
        return;
    if (!animationsEnabled()) {
        delete overlay.data();
        return;
    }
    QGraphicsOpacityEffect* effect = opacityEffectOf(overlay, 1.0);
    QParallelAnimationGroup* fade = animateInParallel(overlay, kFadeMs, {{effect, "opacity", 0.0}});
    connect(fade, &QParallelAnimationGroup::finished, overlay, &QObject::deleteLater);
}
