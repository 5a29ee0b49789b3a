// Splitting a segment at the play pointer and copying it next to itself.
// The new piece is a copy of the segment made by the placement rules; it
// loads its media by itself and gets its engine segment once loaded.
#include "MainWindow.h"

#include "CustomMenuStyle.h"
#include "EditScrollArea.h"
#include "PointerWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TrackWidget.h"
#include "Util.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWidgetAction>

#include <utility>

namespace {

constexpr int kMessageMs = 2000;
// A cut closer than this to an end would leave a piece too short to handle.
constexpr float kSplitMargin = 0.05f;
// Lets the pieces' widgets settle before the left piece's new end pulls the track back.
constexpr int kSplitTimingDelayMs = 200;

bool isSplitTime(const Segment* segment, float time)
{
    const float start = segment->rangeStart();
    const float end = start + segment->duration();
    return time >= start && time < end && time - start > kSplitMargin && end - time > kSplitMargin;
}

// Whether the time cuts the segment well inside; tells the user why not when it does not.
bool acceptsSplitAt(QWidget* window, const Segment* segment, float time)
{
    if (isSplitTime(segment, time))
        return true;
    ProgressHUD::showMessage(MainWindow::tr("Move timeline to the position to split"), window, kMessageMs);
    return false;
}

} // namespace

void MainWindow::editScrollArea_splitSegment(Segment* segment)
{
    if (!segment || !_timeline || _isEditingTransitions())
        return;
    // An earlier split's step still waiting moves the segment: it runs
    // before the time is measured against the segment.
    _applyPendingTimingStep();
    const float time = _currentScrollTime();
    if (!acceptsSplitAt(this, segment, time))
        return;
    if (segment->transitionCount() == 0)
        _splitSegmentKeepingTransitions(segment, time);
    else
        _askHowToSplit(segment);
}

void MainWindow::_askHowToSplit(Segment* segment)
{
    QPointer<QMenu> menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    // The pictures of the two ways to split show their detail only when large.
    auto* iconStyle = new CustomMenuStyle;
    iconStyle->setParent(menu);
    menu->setStyle(iconStyle);
    auto* question = new QLabel(QStringLiteral("<font color=\"#36c8ff\"><i>%1</i></font>")
                                    .arg(tr("How to deal with the existing transition(s)?").toHtmlEscaped()),
                                menu);
    question->setAlignment(Qt::AlignCenter);
    question->setContentsMargins(10, 6, 10, 6);
    auto* label = new QWidgetAction(menu);
    label->setDefaultWidget(question);
    menu->addAction(label);
    // The menu runs modally; the segment is looked up again when an entry is chosen.
    const int serial = segment->serialNumber();
    auto split = [this, serial](void (MainWindow::*variant)(Segment*, float)) {
        Segment* chosen = _projectManager->segmentAt(_projectManager->indexOfSegmentId(serial));
        if (chosen)
            (this->*variant)(chosen, _currentScrollTime());
    };
    menu->addAction(QIcon(QStringLiteral(":/images/split_behavior_0")), tr("Duplicate and shorten the transition(s)"),
                    this, [split] { split(&MainWindow::_splitSegmentDuplicatingTransitions); });
    menu->addAction(QIcon(QStringLiteral(":/images/split_behavior_1")), tr("Don't shorten the transition(s)"), this,
                    [split] { split(&MainWindow::_splitSegmentKeepingTransitions); });

    int x = mapToGlobal(rect().center()).x();
    if (_pointer)
        x = _pointer->mapToGlobal(_pointer->rect().center()).x();
    int y = QCursor::pos().y();
    if (auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment)))
        y = widget->mapToGlobal(widget->rect().center()).y();
    menu->exec(QPoint(x, y));
    delete menu;
}

bool MainWindow::_beginSplit(Segment* segment)
{
    // Leaving editing hands the edited segment's timing to the waiting step.
    if (SegmentWidget* editing = _timeline->editingSegmentWidget())
        editing->setEditing(false, true);
    // Every waiting step runs now: the split decides on the timeline as it
    // stays (its caller measures the time against the segment only then).
    _applyPendingTimingStep();
    if (!_timeline->trackWidgetById(segment->trackId()))
        return false;
    // The split names its left piece once it is cut (a refused split never
    // arms its step); the step measures it against the range before the cut.
    _pendingRangeStart = segment->rangeStart();
    _pendingRangeEnd = segment->rangeStart() + segment->duration();
    _splitLeftSerial = segment->serialNumber();
    return true;
}

void MainWindow::_armSplitTimingStep()
{
    _pendingTimingSerial = std::exchange(_splitLeftSerial, 0);
    if (_pendingTimingSerial == 0)
        return;
    if (!_splitTimingTimer) {
        _splitTimingTimer = new QTimer(this);
        _splitTimingTimer->setSingleShot(true);
        connect(_splitTimingTimer, &QTimer::timeout, _projectScope, [this] { _applyPendingTimingStep(); });
    }
    _splitTimingTimer->start(kSplitTimingDelayMs);
}

void MainWindow::_applyPendingTimingStep()
{
    if (_splitTimingTimer)
        _splitTimingTimer->stop();
    const int serial = std::exchange(_pendingTimingSerial, 0);
    if (serial == 0)
        return;
    Segment* left = _projectManager->segmentAt(_projectManager->indexOfSegmentId(serial));
    if (!left)
        return;
    // The previous range belongs to the segment in editing, if any: the
    // step borrows it for its own range and gives it back.
    const QScopedValueRollback<float> start(_previousRangeStart, _pendingRangeStart);
    const QScopedValueRollback<float> end(_previousRangeEnd, _pendingRangeEnd);
    _applySegmentTiming(left, true);
}

Segment* MainWindow::_makeRightPiece(Segment* segment, float time, bool keepTransitions)
{
    const float end = segment->rangeStart() + segment->duration();
    // A copy placed so that its content at the split time lies at the old
    // end; cutting its front then leaves the content after the split there.
    Segment* piece = _duplicateSegment(segment, end - (time - segment->rangeStart()));
    if (!piece)
        return nullptr;
    if (keepTransitions)
        _cutSegmentStart(piece, end);
    else
        piece->setStartTime(end);
    return piece;
}

void MainWindow::_insertPiece(Segment* piece, Segment* source, bool copying)
{
    TrackWidget* track = _timeline->trackWidgetById(source->trackId());
    SegmentWidget* widget = _placeOnTrack(piece, track, copying);
    // A split piece always makes room: the left piece gives it back when its end moves.
    if (copying && _projectManager->segmentMode() != 0)
        _placeSegmentOnTrack(piece->rangeStart(), piece->duration(), track, piece);
    else
        _shiftSegmentsAfter(piece->duration(), source->rangeStart(), track->trackId(), true);
    _projectManager->addSegmentSorted(piece, widget);
    if (_timeline->isEditingSegment())
        widget->setHighlighted(false, true);
    _updateProjectDuration();
    _projectManager->setModified(true);
}

void MainWindow::_splitSegmentKeepingTransitions(Segment* segment, float time)
{
    // The time asked for may no longer lie inside the segment once the waiting steps ran.
    if (!_beginSplit(segment) || !acceptsSplitAt(this, segment, time))
        return;
    _recordOperation();
    Segment* piece = _makeRightPiece(segment, time, true);
    if (!piece) {
        _projectManager->dropLastSnapshot();
        return;
    }
    _insertPiece(piece, segment, false);
    _syncSegmentTrimToEngine(piece);
    _cutSegmentEnd(segment, time);
    _pushSegmentTiming(segment);
    const int last = segment->transitionCount();
    if (last > 0) {
        // The right piece starts as the left one looks at the end of its last transition.
        piece->copyTransitionStateFrom(segment->isValidTransitionIndex(last - 1), segment, false);
        _pushSegmentBaseProperties(piece);
    }
    _keepPositionSerial = piece->serialNumber();
    _armSplitTimingStep();
}

void MainWindow::_splitSegmentDuplicatingTransitions(Segment* segment, float time)
{
    // The time asked for may no longer lie inside the segment once the waiting steps ran.
    if (!_beginSplit(segment) || !acceptsSplitAt(this, segment, time))
        return;
    _recordOperation();
    Segment* piece = _makeRightPiece(segment, time, false);
    if (!piece) {
        _projectManager->dropLastSnapshot();
        return;
    }
    _insertPiece(piece, segment, false);
    _syncSegmentTrimToEngine(piece);
    // Transition times are fractions of the length: both pieces keep every
    // transition at the same place relative to themselves.
    segment->setEndTime(time);
    _relayoutSegmentWidget(segment, false);
    _pushSegmentTiming(segment);
    _keepPositionSerial = piece->serialNumber();
    _armSplitTimingStep();
}

void MainWindow::editScrollArea_copySegment(Segment* segment)
{
    if (!segment || !_timeline || !_timeline->trackWidgetById(segment->trackId()))
        return;
    _recordOperation();
    const float end = segment->rangeStart() + segment->duration();
    _scrollToTime(end, true);
    Segment* copy = _duplicateSegment(segment, end);
    if (!copy) {
        _projectManager->dropLastSnapshot();
        return;
    }
    _insertPiece(copy, segment, true);
}
