// What covers the window for a while (full screen, a range selection, a
// tile in editing) and the order in which a dismissal leaves it.
#include "MainWindow.h"

#include "AVEngine.h"
#include "EditScrollArea.h"
#include "PointerWidget.h"
#include "ProgressHUD.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"

#include <QCoreApplication>

bool MainWindow::_dismissAllPopupsAndPreview()
{
    if (_fullScreen) {
        _toggleFullScreen();
        return true;
    }
    if (_timeline && _timeline->isRangeSelectionMode()) {
        _exitRangeSelectionMode();
        return true;
    }
    SegmentWidget* selected = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    if (!selected)
        return false;
    selected->setEditing(false, true);
    return true;
}

void MainWindow::_exitRangeSelectionMode()
{
    if (!_timeline || !_timeline->isRangeSelectionMode())
        return;
    if (_pointer) {
        _pointer->setStyle(0);
        _pointer->moveToX(float(TimelineMetrics::leftMargin()) + _pointerOffset, false);
    }
    _timeline->setRangeSelectionMode(false);
    _timeline->setSelectionStart(0.0f);
    _timeline->setSelectionEnd(0.0f);
    _timeline->removeTrackOverlays();
    _timeline->setSegmentFlagInverted(true);
    if (_editAreaWidget)
        _editAreaWidget->setEnabled(true);
}

bool MainWindow::_isShowingHUD() const
{
    return _waitingHUD && _waitingHUD->isVisible();
}

void MainWindow::_pausePlayback()
{
    if (_engine && _playing)
        _engine->pause();
}

void MainWindow::_scrollLayoutNow(float time, bool exact)
{
    _seekPreview(time, exact);
    QCoreApplication::processEvents();
}
