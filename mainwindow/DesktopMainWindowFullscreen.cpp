// Full screen: the preview area leaves the splitters for the central
// widget, the window fills the screen and a floating bar takes over the
// play and seek controls.
#include "DesktopMainWindow.h"

#include "SegmentWidget.h"
#include "ui_DesktopMainWindow.h"

#include "AVGLWidget.h"
#include "FullscreenControlWidget.h"
#include "PopupMicrophoneWidget.h"
#include "PopupMovieExportingWidget.h"
#include "ProjectManager.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTimer>

namespace {

// Room between the bar and the bottom of the screen.
constexpr int kBarBottomGap = 100;
// Long enough for the resizes the new window state brings to be laid out.
constexpr int kRelayoutSettleMs = 200;

} // namespace

void DesktopMainWindow::_toggleFullScreen()
{
    // The waiting overlay covers the window while it opens, the inline
    // editors are placed over the preview where it is, and the recording and
    // export panels cover the window they were opened on: none may see the
    // preview move into full screen. Leaving is always possible, or an
    // editor opened in full screen would keep the window there for good.
    if (!_fullScreen
        && (_isShowingHUD() || _isPopupPanelOpen() || _isCropEditing() || _isTextEditing() || _isDrawingEditing()))
        return;
    MainWindow::_toggleFullScreen();
    if (_fullScreen)
        _leaveFullScreen();
    else
        _enterFullScreen();
    _startRelayout();
}

bool DesktopMainWindow::_isPopupPanelOpen() const
{
    return qobject_cast<PopupMicrophoneWidget*>(_currentPopup.data())
           || qobject_cast<PopupMovieExportingWidget*>(_currentPopup.data());
}

// Commands and the transform overlay wait while the editing area moves.
void DesktopMainWindow::_startRelayout()
{
    if (!_relayoutTimer) {
        _relayoutTimer = new QTimer(this);
        _relayoutTimer->setSingleShot(true);
        _relayoutTimer->setInterval(kRelayoutSettleMs);
        connect(_relayoutTimer, &QTimer::timeout, _projectScope, [this] { _finishRelayout(); });
    }
    _relayingOut = true;
    _relayoutTimer->start();
}

void DesktopMainWindow::_finishRelayout()
{
    _relayingOut = false;
    // Back beside the timeline, the edited segment's overlay returns where it belongs.
    if (!_fullScreen && !_playing)
        _syncEditingTransition(_currentScrollTime());
}

void DesktopMainWindow::_enterFullScreen()
{
    _fadeWidget();
    _hideMediaPreview();
    _ui->verticalLayout->addWidget(_previewArea);
    _ui->mainSplitter->hide();
    showFullScreen();
    menuBar()->hide();
    _createFullscreenControls();
    // The mouse over the picture brings the bar back.
    if (_previewWidget) {
        _previewWidget->setMouseTracking(true);
        _previewWidget->installEventFilter(this);
    }
    _previewArea->setMouseTracking(true);
    _fullScreen = true;
}

void DesktopMainWindow::_leaveFullScreen()
{
    delete _fullscreenControlWidget;
    _fullscreenControlWidget = nullptr;
    _fullScreen = false;
    if (_previewWidget)
        _previewWidget->removeEventFilter(this);
    _ui->rightAreaVerticalLayout->insertWidget(0, _previewArea);
    _ui->mainSplitter->show();
    showMaximized();
    menuBar()->show();
    QCoreApplication::postEvent(_previewArea, new QResizeEvent(_previewArea->size(), _previewArea->size()));
}

void DesktopMainWindow::_createFullscreenControls()
{
    if (_fullscreenControlWidget)
        return;
    _fullscreenControlWidget = new FullscreenControlWidget(_previewArea);
    FullscreenControlWidget* bar = _fullscreenControlWidget;
    connect(bar, &FullscreenControlWidget::playPauseButtonClicked, this, &DesktopMainWindow::onPlayPauseButtonClicked);
    connect(bar, &FullscreenControlWidget::nextPositionButtonClicked, this,
            &DesktopMainWindow::onNextPositionButtonClicked);
    connect(bar, &FullscreenControlWidget::previousPositionButtonClicked, this,
            &DesktopMainWindow::onPreviousPositionButtonClicked);
    connect(bar, &FullscreenControlWidget::fullscreenButtonClicked, this, &DesktopMainWindow::onFullscreenButtonClicked);
    connect(bar, &FullscreenControlWidget::needToPlay, this, &DesktopMainWindow::fullscreenControlWidget_needToPlay);
    // The answer is read as soon as the signal returns.
    connect(bar, &FullscreenControlWidget::pauseIfPlaying, this,
            &DesktopMainWindow::fullscreenControlWidget_pauseIfPlaying, Qt::DirectConnection);
    connect(bar, &FullscreenControlWidget::seekToPosition, this,
            &DesktopMainWindow::fullscreenControlWidget_seekToPosition);
    _placeFullscreenControls();
    bar->setPlaying(_playing);
    bar->setPosition(_currentScrollTime(), _projectManager->duration());
    bar->showControls();
}

void DesktopMainWindow::_placeFullscreenControls()
{
    if (!_fullscreenControlWidget)
        return;
    const QWidget* central = centralWidget();
    const QSize bar = _fullscreenControlWidget->size();
    _fullscreenControlWidget->move((central->width() - bar.width()) / 2,
                                   central->height() - kBarBottomGap - bar.height());
}

void DesktopMainWindow::resizeEvent(QResizeEvent* event)
{
    MainWindow::resizeEvent(event);
    _placeFullscreenControls();
}

void DesktopMainWindow::_updatePlayPauseButton()
{
    MainWindow::_updatePlayPauseButton();
    if (_fullscreenControlWidget)
        _fullscreenControlWidget->setPlaying(_playing);
}

void DesktopMainWindow::_updateFullscreenPosition(float time)
{
    if (_fullscreenControlWidget)
        _fullscreenControlWidget->setPosition(time, _projectManager->duration());
}

void DesktopMainWindow::_showFullscreenControls()
{
    if (_fullscreenControlWidget)
        _fullscreenControlWidget->showControls();
}

void DesktopMainWindow::fullscreenControlWidget_needToPlay()
{
    if (!_playing)
        _togglePlayback();
}

void DesktopMainWindow::fullscreenControlWidget_pauseIfPlaying(bool& playing)
{
    playing = _playing;
    _pausePlayback();
}

void DesktopMainWindow::fullscreenControlWidget_seekToPosition(int value)
{
    const float time = float(value) * _projectManager->duration() / 100.0f;
    _scrollToTime(time, false);
    _scrollLayoutNow(time, true);
}
