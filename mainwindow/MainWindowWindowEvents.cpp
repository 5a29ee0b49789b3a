// The window's own events: layouts that follow watched panels, window
// state and activation, Escape, and re-placing the open popup.
#include "MainWindow.h"

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "MediaExplorer.h"
#include "MediaPreviewWidget.h"
#include "SegmentWidget.h"
#include "SelectionOperationWidget.h"
#include "TimelineMetrics.h"
#include "TransformWidget.h"

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>

namespace {

// An Escape this soon after the last one is the same press.
constexpr qint64 kEscapeIntervalMs = 100;
// Showing the library preview may take the activation away for a moment.
constexpr qint64 kPreviewActivationGraceMs = 100;
constexpr int kReactivateDelayMs = 200;
// The gutter stops short of the timeline's horizontal scroll bar.
constexpr int kGutterBottomGap = 15;

} // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Resize)
        return CommonMainWindow::eventFilter(watched, event);
    if (watched == _previewArea) {
        adjustPlaybackArea();
        _layoutMediaPreview();
        _layoutTransformWidgetForEditingSegment(true);
        _layoutTextEditor();
        _layoutOverlayWidgets();
        _layoutCropEditor();
    } else if (watched == _timeline) {
        if (_gutterArea)
            _gutterArea->setGeometry(_timeline->x(), _timeline->y(), TimelineMetrics::leftMargin(),
                                     _timeline->height() - kGutterBottomGap);
        _layoutTimelineOverlays();
        if (_selectionOperationWidget)
            _selectionOperationWidget->updatePosition(centralWidget());
    } else if (watched == _mediaArea && _mediaExplorer) {
        _mediaExplorer->resize(static_cast<QResizeEvent*>(event)->size());
    }
    return CommonMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            _hideMediaPreview();
        // Left full screen some other way (the window manager): the window's own state follows.
        else if (_fullScreen && !isFullScreen())
            _toggleFullScreen();
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        if (QDateTime::currentMSecsSinceEpoch() - _mediaPreviewShownAt < kPreviewActivationGraceMs) {
            QPointer<MainWindow> window = this;
            QTimer::singleShot(kReactivateDelayMs, this, [window] {
                if (window)
                    QApplication::setActiveWindow(window);
            });
        } else {
            _hideMediaPreview();
        }
    }
    CommonMainWindow::changeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event)
{
    CommonMainWindow::hideEvent(event);
    _hideMediaPreview();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    CommonMainWindow::moveEvent(event);
    if (_mediaPreview)
        _mediaPreview->relayoutControlIfFloating();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    CommonMainWindow::resizeEvent(event);
    _replacePopup();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (!event->isAutoRepeat() && now - _lastEscapeAt > kEscapeIntervalMs) {
            _dismissAllPopupsAndPreview();
            _lastEscapeAt = now;
        } else {
            qDebug() << "Escape key press ignored";
        }
    }
    CommonMainWindow::keyPressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (_transformWidget && event->button() == Qt::LeftButton && _transformWidget->handleDoubleClick(event))
        return;
    const bool onPlayback = _previewContainer
        && _previewContainer->rect().contains(_previewContainer->mapFrom(this, event->pos()));
    if (event->button() == Qt::LeftButton && onPlayback) {
        _toggleFullScreen();
        return;
    }
    CommonMainWindow::mouseDoubleClickEvent(event);
}
