// The play position: the timeline's play pointer and scroll offset, the
// engine's preview time, and the preview's place and size in its panel.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kScrollAnimationMs = 200;
// A jump while playing resumes once the pause and seek have settled.
constexpr int kNextPositionResumeMs = 400;
constexpr int kPreviousPositionResumeMs = 1000;
// Free space between the preview panel's edges and the playback area.
constexpr qreal kPlaybackAreaMargin = 28.0;
// The pointer overlays stop short of the timeline's horizontal scroll bar.
constexpr int kPointerBottomGap = 15;
// A renderer that never reports its pause must not hold the window.
constexpr qint64 kBusyWaitMs = 5000;
constexpr int kBusyPollMs = 10;

const QString kPlayIcon = QStringLiteral(":/images/navi_play");
const QString kPauseIcon = QStringLiteral(":/images/navi_pause");

float pixelsPerSecond(float scale)
{
    return TimelineMetrics::timeToPixels(1.0f, scale);
}

// The largest rectangle of the aspect centred in the area.
QRectF letterbox(const QRectF& area, const QSizeF& aspect)
{
    QSizeF size(area.width(), area.width() * aspect.height() / aspect.width());
    if (size.height() > area.height())
        size = QSizeF(area.height() * aspect.width() / aspect.height(), area.height());
    return QRectF(area.x() + (area.width() - size.width()) / 2.0, area.y() + (area.height() - size.height()) / 2.0,
                  size.width(), size.height());
}

QRect roundedRect(const QRectF& rect)
{
    return QRect(int(std::lround(rect.x())), int(std::lround(rect.y())), int(std::lround(rect.width())),
                 int(std::lround(rect.height())));
}

} // namespace

float MainWindow::_currentScrollTime() const
{
    const float offset = _timeline ? _timeline->contentOffsetX() : 0.0f;
    return (offset + _pointerOffset) / pixelsPerSecond(_timelineScale);
}

void MainWindow::_seekToTime(float time, bool animated)
{
    if (!_timeline || !_pointer)
        return;
    const float offset = _timeline->contentOffsetX();
    const float x = TimelineMetrics::timeToPixels(time, _timelineScale) - offset;
    if (x >= 0.0f && x <= _visibleTimelineWidth()) {
        _pointerOffset = x;
        _pointer->moveToX(float(TimelineMetrics::leftMargin()) + x, animated);
        return;
    }
    // Off screen the pointer stays where it is and the content brings the time under it.
    _animateScrollTo(int(std::ceil(x - _pointerOffset + offset)), animated);
}

float MainWindow::_visibleTimelineWidth() const
{
    return float(_timeline->width() - 2 * TimelineMetrics::leftMargin());
}

void MainWindow::_scrollToTime(float time, bool animated, bool exactly)
{
    // A dragged range end keeps the content where the user holds it.
    if (!_timeline || _timeline->isBusy() || _draggingRangeHandle)
        return;
    _animateScrollTo(int(std::ceil(TimelineMetrics::timeToPixels(time, _timelineScale) - _pointerOffset)), animated,
                     exactly ? time : -1.0f);
}

void MainWindow::_animateScrollTo(int x, bool animated, float exactTime)
{
    if (!_timeline || _timeline->isScrolling())
        return;
    _animateScrollToPosition(x, _timeline->verticalScrollBar()->value(), animated, exactTime);
}

void MainWindow::_animateScrollToPosition(int x, int y, bool animated, float exactTime)
{
    if (!_timeline)
        return;
    QScrollBar* horizontal = _timeline->horizontalScrollBar();
    QScrollBar* vertical = _timeline->verticalScrollBar();
    if (horizontal->value() == x && vertical->value() == y)
        return;
    // The content cannot scroll before its start: the pointer goes to the time instead.
    const bool beforeStart = x < 0;
    const float pointerTime = (float(x) + _pointerOffset) / pixelsPerSecond(_timelineScale);
    const int targetX = std::max(0, x);
    const int targetY = y < 0 ? vertical->value() : y;
    if (animated && animationsEnabled()) {
        _scrollAnimating = true;
        QParallelAnimationGroup* group = animateInParallel(
            horizontal, kScrollAnimationMs, {{horizontal, "value", targetX}, {vertical, "value", targetY}});
        connect(
            group, &QAbstractAnimation::finished, _projectScope,
            [this, beforeStart, pointerTime, exactTime] {
                _scrollAnimating = false;
                _arriveAtScrollTime(beforeStart, pointerTime, exactTime, true);
            },
            Qt::QueuedConnection);
        return;
    }
    horizontal->setValue(targetX);
    vertical->setValue(targetY);
    _arriveAtScrollTime(beforeStart, pointerTime, exactTime, false);
}

void MainWindow::_arriveAtScrollTime(bool beforeStart, float pointerTime, float exactTime, bool animated)
{
    // The content went by whole pixels: the play-head takes the fraction left
    // and stands on the exact time itself, whose picture the preview was
    // sought to, as a zoom keeps it; up to a pixel past it, a zoom would seek
    // the next picture.
    if (exactTime >= 0.0f)
        _placePlayHeadAt(exactTime);
    else if (beforeStart)
        _seekToTime(pointerTime, animated);
}

void MainWindow::_seekPreview(float time, bool exact)
{
    if (_engine)
        _engine->seek(time, exact);
    _syncEditingTransition(time);
    _hideMediaPreview();
    _updateFullscreenPosition(time);
}

Segment* MainWindow::_timelineEditingSegment() const
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    return widget ? widget->segment() : nullptr;
}

void MainWindow::_nextPosition()
{
    const float time = _currentScrollTime();
    const Segment* editing = _timelineEditingSegment();
    const int track = editing ? editing->trackId() : 0;
    Segment* next = _projectManager->segmentStartingAfter(time, track);
    // Past the last start of the edited track the jump goes on over all tracks.
    if (!next && track != 0)
        next = _projectManager->segmentStartingAfter(time, 0);
    _jumpToSegmentStart(next, kNextPositionResumeMs);
}

void MainWindow::_previousPosition()
{
    // A jump scrolls by whole pixels, rounded up: the pointer may stand up
    // to a pixel past the start it went to, which must not be found again.
    const float time = _currentScrollTime() - 1.0f / pixelsPerSecond(_timelineScale);
    const Segment* editing = _timelineEditingSegment();
    const int track = editing ? editing->trackId() : 0;
    _jumpToSegmentStart(_projectManager->segmentStartingBefore(time, track), kPreviousPositionResumeMs);
}

void MainWindow::onActionNextPositionTriggered()
{
    _nextPosition();
}

void MainWindow::onActionPreviousPositionTriggered()
{
    _previousPosition();
}

void MainWindow::_jumpToSegmentStart(const Segment* segment, int restartDelayMs)
{
    if (!segment || _scrollAnimating)
        return;
    const bool resume = _playing;
    if (resume && _engine)
        _engine->pause();
    const float start = segment->rangeStart();
    _scrollToTime(start, true, true);
    _seekPreview(start, true);
    QCoreApplication::processEvents();
    if (resume)
        _runForProject(restartDelayMs, [this] { _togglePlayback(); });
}

void MainWindow::_updateEditingWidgetsAtPointer()
{
    _updateEditingControls(_currentScrollTime());
}

// An open editor has the button to itself; closing it sets the icon again.
void MainWindow::_updatePlayPauseButton()
{
    if (!_playPauseButton || _isTextEditing() || _isDrawingEditing() || _isCropEditing())
        return;
    _playPauseButton->setIcon(QIcon(_playing ? kPauseIcon : kPlayIcon));
}

void MainWindow::adjustPlaybackArea()
{
    if (!_previewArea || !_previewContainer)
        return;
    QRectF area = QRectF(_previewArea->rect())
                      .adjusted(kPlaybackAreaMargin, kPlaybackAreaMargin, -kPlaybackAreaMargin, -kPlaybackAreaMargin);
    // Full screen always uses the whole panel.
    if (!_fullScreen) {
        const qreal dx = std::trunc((1.0 - qreal(_previewScale)) * area.width() * 0.5);
        const qreal dy = std::trunc((1.0 - qreal(_previewScale)) * area.height() * 0.5);
        area.adjust(dx, dy, -dx, -dy);
    }
    _previewContainer->setGeometry(roundedRect(letterbox(area, _projectManager->aspectSize())));
}

void MainWindow::_layoutTimelineOverlays()
{
    if (!_pointer || !_editAreaWidget)
        return;
    const int height = _editAreaWidget->height() - kPointerBottomGap;
    _pointer->setGeometry(_pointer->x(), 0, UiMetrics::metric52(), height);
    if (_selectionPointer)
        _selectionPointer->setGeometry(_selectionPointer->x(), 0, UiMetrics::metric52(), height);
}

void MainWindow::applyPreviewSizeLevel(int level)
{
    if (level == _previewSizeLevel)
        return;
    _previewSizeLevel = level;
    if (!_engine)
        return;
    const QSize size = _projectManager->movieSize(level);
    _engine->updateLayout(size.width(), size.height());
    _engine->requestRedraw();
}

void MainWindow::grabEditingSegmentScreen()
{
    Segment* segment = _timelineEditingSegment();
    if (segment && segment->type() == QLatin1String("MOVIE"))
        editScrollArea_grabSegmentScreen(segment);
}

void MainWindow::_waitWhileBusy()
{
    if (!_playing)
        return;
    QElapsedTimer clock;
    clock.start();
    QPointer<MainWindow> window(this);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(kBusyPollMs);
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!window || !window->_playing || clock.elapsed() >= kBusyWaitMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    if (window && _playing)
        qWarning().noquote() << QStringLiteral("The renderer did not report its pause within %1 ms; going on.")
                                    .arg(kBusyWaitMs);
}
