// A segment entering and leaving its editing state on the timeline, the end
// of a trim, the preview of a transition's ends, the play command and the
// engine's picture source for animated pictures.
#include "MainWindow.h"

#include "AVEngine.h"
#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TipManager.h"
#include "WidgetAnimations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QGraphicsOpacityEffect>
#include <QMutexLocker>
#include <QParallelAnimationGroup>
#include <QPointer>

#include <cmath>

namespace {

const QString kDoubleTapTip = QStringLiteral("SegmentOperationDoubleTapTip");
constexpr int kGutterFadeMs = 200;
// A play-head this close to an end counts as standing on it.
constexpr float kEndTolerance = 0.01f;
// Just inside a transition's ends, so that the preview shows its states.
constexpr float kTransitionInset = 1.0f / 600.0f;
constexpr int kTrimSeekDelayMs = 50;
constexpr int kPlayStepMs = 200;
constexpr int kTransitionRedrawMs = 500;
// A renderer that never reports its pause must not hold the window.
constexpr int kPlayingWaitMs = 3000;

} // namespace

void MainWindow::editScrollArea_didEnterEditingSegment(Segment* segment)
{
    if (!segment)
        return;
    TipManager::instance()->closeTipAndMarkShown(kDoubleTapTip);
    // A split's waiting step may still move this segment: it goes first, so
    // that the range below is where the segment really starts editing.
    _applyPendingTimingStep();
    const float start = segment->rangeStart();
    _previousRangeStart = start;
    _previousRangeEnd = start + segment->duration();
    float time = _currentScrollTime();
    const bool inside = time > start && time < _previousRangeEnd - kEndTolerance;
    // Undo and redo put the edited segment back where the user left the play-head.
    if (!inside && !_applyingHistory) {
        _scrollToTime(start, true);
        _seekPreview(start, true);
        QCoreApplication::processEvents();
        time = start;
    }
    _highlightOtherSegmentWidgets(false, segment, true);
    if (segment->isStaticAt(time))
        _showTransformWidgetForSegment(segment);
    setupWindowWidgets(segment, time);
    if (_pointer)
        _pointer->setStyle(1);
    _fadeOutGutter();
    emit segmentEditingStateChanged();
}

void MainWindow::editScrollArea_didFinishEditingSegment(Segment* segment)
{
    _finishEditing(segment, true);
}

// Leaves the play pointer's style to whoever finished editing at once.
void MainWindow::editScrollArea_didFinishEditingSegmentImmediately(Segment* segment)
{
    _finishEditing(segment, false);
}

void MainWindow::_finishEditing(Segment* segment, bool animated)
{
    if (!segment)
        return;
    _settleLiveGeometry();
    _highlightOtherSegmentWidgets(true, segment, animated);
    _fadeWidget();
    _dismissEditingPanels();
    if (animated && _pointer)
        _pointer->setStyle(0);
    _showGutter(segment, animated && animationsEnabled());
    emit segmentEditingStateChanged();
}

// A fade still running belongs to the editing state that just ended.
void MainWindow::_stopGutterFade()
{
    for (auto* fade : _gutterArea->findChildren<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly))
        fade->stop();
}

void MainWindow::_fadeOutGutter()
{
    if (!_gutterArea)
        return;
    _stopGutterFade();
    if (!animationsEnabled()) {
        _gutterArea->hide();
        return;
    }
    QGraphicsOpacityEffect* effect = newOpacityEffect(_gutterArea, 1.0);
    QParallelAnimationGroup* fade = animateInParallel(_gutterArea, kGutterFadeMs, {{effect, "opacity", 0.0}});
    QPointer<GutterScrollArea> gutter(_gutterArea);
    connect(fade, &QAbstractAnimation::finished, this, [gutter, effect] {
        if (!gutter)
            return;
        effect->setEnabled(false);
        gutter->hide();
    });
}

// The segment may leave the project while the gutter fades in: then it gets no timing.
void MainWindow::_showGutter(Segment* segment, bool animated)
{
    if (!_gutterArea) {
        _applySegmentTiming(segment, true);
        return;
    }
    _stopGutterFade();
    _gutterArea->show();
    if (!animated) {
        _gutterArea->setGraphicsEffect(nullptr);
        _applySegmentTiming(segment, true);
        return;
    }
    // The step waits for the fade with the range the segment was edited
    // from; a command before the fade's end runs it first.
    _applyPendingTimingStep();
    _pendingTimingSerial = segment->serialNumber();
    _pendingRangeStart = _previousRangeStart;
    _pendingRangeEnd = _previousRangeEnd;
    QGraphicsOpacityEffect* effect = newOpacityEffect(_gutterArea, 0.0);
    QParallelAnimationGroup* fade = animateInParallel(_gutterArea, kGutterFadeMs, {{effect, "opacity", 1.0}});
    QPointer<GutterScrollArea> gutter(_gutterArea);
    // The gutter outlives the project: a fade that ends after the release
    // has no step left to run.
    connect(fade, &QAbstractAnimation::finished, _projectScope, [this, gutter] {
        if (gutter)
            gutter->setGraphicsEffect(nullptr);
        _applyPendingTimingStep();
    });
}

void MainWindow::editScrollArea_reloadPreviewForSegment(Segment* segment, bool rangeStart)
{
    if (!segment)
        return;
    if (_applySegmentTiming(segment, false))
        _selectEditingTransition();
    else
        _dropEditBeginSnapshot();
    if (_timeline)
        _timeline->updateTrimBarPositions();
    if (!_processEventsUntil([this] { return !_playing; }, kPlayingWaitMs))
        qWarning().noquote() << QStringLiteral("Playback did not stop within %1 ms after a trim.").arg(kPlayingWaitMs);
    const float time = rangeStart ? segment->rangeStart() : segment->rangeStart() + segment->duration();
    _seekToTime(time, true);
    _runForProject(kTrimSeekDelayMs, [this, time] {
        _seekPreview(time, true);
        QCoreApplication::processEvents();
    });
}

void MainWindow::editScrollArea_reloadPreviewForTransition(int tId, bool beginOrEnd)
{
    SegmentWidget* widget = _editedSegmentWidget();
    Segment* segment = widget ? widget->segment() : nullptr;
    if (!segment || !segment->transitionAt(tId))
        return;
    const float offset = beginOrEnd ? kTransitionInset : segment->transitionDuration(tId) - kTransitionInset;
    const float time = segment->rangeStart() + segment->transitionStart(tId) + offset;
    _seekToTime(time, false);
    _seekPreview(time, true);
    QCoreApplication::processEvents();
    _editingTransitionState = beginOrEnd ? 1 : 0;
    _updateTransitionControls();
    _showTransformWidgetForSegment(segment);
    _syncTransitionToEngine(segment, tId);
    _requestRedrawLater(kTransitionRedrawMs);
}

void MainWindow::_togglePlayback()
{
    if (!_engine)
        return;
    if (_playing) {
        _engine->togglePlayback();
        return;
    }
    // Play on the end of the edited segment replays the segment.
    const Segment* editing = _timelineEditingSegment();
    if (editing && std::fabs(_engine->currentTime() - (editing->rangeStart() + editing->duration())) <= kEndTolerance) {
        const float start = editing->rangeStart();
        _seekPreview(start, true);
        _scrollToTime(start, true);
        _runForProject(kPlayStepMs, [this] { _startPlayback(); });
        return;
    }
    bool restart = false;
    if (_reachedEnd || _currentScrollTime() >= _projectManager->duration()) {
        _scrollToTime(0.0f, true);
        _seekPreview(0.0f, true);
        restart = true;
    }
    _runForProject(kPlayStepMs, [this, restart] {
        if (restart)
            _seekPreview(0.0f, true);
        _runForProject(kPlayStepMs, [this] { _startPlayback(); });
    });
}

// The delayed second half of play: closing may have released the engine, or
// something else started playback meanwhile.
void MainWindow::_startPlayback()
{
    if (_engine && !_playing)
        _engine->togglePlayback();
}

bool MainWindow::_processEventsUntil(const std::function<bool()>& condition, int boundMs)
{
    QElapsedTimer clock;
    clock.start();
    QPointer<MainWindow> window(this);
    while (window && !condition() && clock.elapsed() < boundMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return window && condition();
}

// Runs on the drawing thread: the segment is looked up and read under the
// project mutex, so that the GUI thread cannot remove and delete it meanwhile.
uint8_t* MainWindow::loadSegmentImage(void* owner, int32_t segmentId, int32_t timeMs, int32_t maxWidth,
                                      int32_t maxHeight, int32_t* outWidth, int32_t* outHeight)
{
    ProjectManager* manager = static_cast<MainWindow*>(owner)->_projectManager;
    if (!manager)
        return nullptr;
    QMutexLocker locker(manager->mutex());
    auto* image = dynamic_cast<ImageSegment*>(manager->segmentWithSerialLocked(segmentId));
    if (!image || image->type() != QLatin1String("IMAGE"))
        return nullptr;
    QSize size;
    uint8_t* pixels = image->gifFrameAt(int(timeMs), int(maxWidth), int(maxHeight), &size);
    if (pixels) {
        *outWidth = size.width();
        *outHeight = size.height();
    }
    return pixels;
}
