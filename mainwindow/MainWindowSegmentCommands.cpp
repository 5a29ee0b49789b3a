// The commands the timeline offers on one segment besides split and copy:
// deleting it, its context menu, stepping through segments by keys and
// saving the movie frame under the play pointer as a picture.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AVRegularFile.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "PixelBufferImage.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ReplacingFile.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "Util.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kMessageMs = 2000;
constexpr int kDeleteTransitionCommand = 10103;
constexpr int kAnimationRetryMs = 50;
constexpr int kBusyRetryMs = 100;
// Past this a deletion still waiting for the timeline or the renderer is given up.
constexpr int kDeleteWaitMs = 10000;
// How long a tile leaving editing may take before the deletion goes on anyway.
constexpr int kLeaveEditingWaitMs = 2000;
constexpr int kGrabPreviewSide = 300;
constexpr int kGrabFadeInMs = 200;
constexpr int kGrabHoldMs = 500;
constexpr int kGrabFadeOutMs = 1000;
// Keeps a few pixels of the track above a widget brought into view from above.
constexpr int kRevealTopMargin = 10;
constexpr int kRevealBottomMargin = 30;

QString contextMenuStyle(int alpha, int radius)
{
    return QStringLiteral("QMenu { background-color: rgba(64,64,64,%1); color: white; padding: 10px; "
                          "border-radius: %2px; }"
                          "QMenu::item { padding: 8px 30px 8px 10px; }"
                          "QMenu::item:selected { background-color: rgb(44,46,50); }"
                          "QMenu::separator { height: 1px; background-color: rgb(44,46,50); }")
        .arg(alpha)
        .arg(radius);
}

const QString kContextMenuStyle = contextMenuStyle(230, 10);
// The submenu opens over the menu: opaque, square corners.
const QString kTransitionSubmenuStyle = contextMenuStyle(255, 0);

} // namespace

// --- Delete -----------------------------------------------------------------------

void MainWindow::editScrollArea_onDeleteKeyPressed()
{
    if (!_timeline || _timeline->isMouseTransparent())
        return;
    QPointer<SegmentWidget> selected = _timeline->selectedSegmentWidget();
    if (_isEditingTransitions()) {
        if (selected && selected->transitionId() > 0)
            _doTransitionCommand(nullptr, kDeleteTransitionCommand);
        return;
    }
    if (!selected)
        return;
    _leaveEditingUntilIdle();
    if (selected)
        _deleteSegment(selected);
}

void MainWindow::_leaveEditingUntilIdle()
{
    QPointer<SegmentWidget> editing = _timeline->editingSegmentWidget();
    if (!editing)
        return;
    editing->setEditing(false, false);
    const auto idle = [&] {
        return (!editing || editing->isReadyForRemoval()) && (!_gutterArea || !_gutterArea->graphicsEffect());
    };
    QElapsedTimer clock;
    clock.start();
    while (!idle() && clock.elapsed() < kLeaveEditingWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kAnimationRetryMs);
}

void MainWindow::_deleteSegment(SegmentWidget* widget)
{
    _deleteSegmentWhenIdle(widget, 0);
}

void MainWindow::_deleteSegmentWhenIdle(SegmentWidget* widget, int waitedMs)
{
    if (!widget || !widget->segment() || !_timeline)
        return;
    int retryMs = 0;
    if (_timeline->isAnimatingTracks()) {
        retryMs = kAnimationRetryMs;
    } else if (!widget->isReadyForRemoval()) {
        retryMs = kBusyRetryMs;
    } else if (_engine && !_engine->isRenderIdle()) {
        retryMs = kBusyRetryMs;
    }
    if (retryMs > 0) {
        if (waitedMs >= kDeleteWaitMs) {
            qWarning() << "The timeline or the renderer stayed busy; segment" << widget->segment()->serialNumber()
                       << "was not deleted";
            return;
        }
        QPointer<SegmentWidget> guard(widget);
        _runForProject(retryMs, [this, guard, retryMs, waitedMs] {
            _deleteSegmentWhenIdle(guard, waitedMs + retryMs);
        });
        return;
    }
    const QPoint point = widget->mapToGlobal(QPoint(0, 0)) + QPoint(40, int(Segment::trackHeight() / 2.0f));
    editScrollArea_removeSegment(widget->segment());
    _timeline->playEliminateAnimation(point);
}

// --- Context menu -----------------------------------------------------------------

void MainWindow::editScrollArea_onPopupContextMenuForSegmentWidget(SegmentWidget* segmentWidget, QPoint pos)
{
    if (!segmentWidget || !segmentWidget->segment() || !_timeline)
        return;
    QPointer<QMenu> menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setStyleSheet(kContextMenuStyle);
    QPointer<SegmentWidget> target(segmentWidget);
    if (segmentWidget->segment()->errorCode() != 0) {
        menu->addAction(tr("Remove"), this, [this, target] {
            if (SegmentWidget* editing = _timeline->editingSegmentWidget())
                editing->setEditing(false, false);
            if (target)
                _deleteSegment(target);
        });
    } else {
        _fillSegmentContextMenu(menu, segmentWidget);
    }
    menu->exec(pos);
    delete menu;
}

void MainWindow::editScrollArea_onDoubleClickedOnFaieldSegment(SegmentWidget* segmentWidget, QPoint pos)
{
    editScrollArea_onPopupContextMenuForSegmentWidget(segmentWidget, pos);
}

void MainWindow::_fillSegmentContextMenu(QMenu* menu, SegmentWidget* segmentWidget)
{
    SegmentWidget* editing = _timeline->editingSegmentWidget();
    if (segmentWidget != editing)
        menu->addAction(tr("Edit"), segmentWidget, &SegmentWidget::toggleEditing);
    else
        menu->addAction(_actionEnterExitEditingSegment);
    if (editing && segmentWidget != editing)
        return;
    if (!_isEditingTransitions()) {
        menu->addSeparator();
        menu->addAction(_actionDuplicateSegment);
        menu->addAction(_actionRemoveSegment);
        menu->addSeparator();
        menu->addAction(_actionSplitSegment);
    }
    // Adding and editing transitions stand together, without a line between.
    menu->addSeparator();
    if (QMenu* transitions = _contextMenuForSegment(menu)) {
        transitions->setStyleSheet(kTransitionSubmenuStyle);
        _actionAddTransition->setMenu(transitions);
        menu->addAction(_actionAddTransition);
    }
    menu->addAction(_actionEnterExitEditingTransition);
}

// --- Direction keys ---------------------------------------------------------------

void MainWindow::editScrollArea_onSelectNextSegmentByDirectionKey(int key)
{
    if (!_timeline)
        return;
    _pausePlayback();
    float time = _currentScrollTime();
    int trackId = 0;
    if (SegmentWidget* selected = _timeline->selectedSegmentWidget(); selected && selected->segment()) {
        time = selected->segment()->rangeStart();
        trackId = selected->segment()->trackId();
    } else if (const Segment* editing = _timelineEditingSegment()) {
        trackId = editing->trackId();
    }
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        const float target = key == Qt::Key_Home ? 0.0f : _projectManager->duration();
        _timeline->setSelectedSegmentWidget(nullptr);
        _scrollToTime(target, true);
        _seekPreview(target, true);
        return;
    }
    if (_selectNeighbourTransition(key))
        return;
    Segment* found = _segmentByDirectionKey(key, time, trackId);
    if (found && !_scrollAnimating)
        _selectSegmentWidgetForKey(found);
}

bool MainWindow::_selectNeighbourTransition(int key)
{
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    SegmentWidget* editing = _timeline->editingSegmentWidget();
    if (!editing || !editing->segment() || editing->transitionId() <= 0)
        return false;
    const Segment* segment = editing->segment();
    const int neighbour = key == Qt::Key_Left ? segment->neighbourTransitionBefore(editing->transitionId())
                                              : segment->neighbourTransitionAfter(editing->transitionId());
    if (neighbour < 1)
        return false;
    editing->setTransitionId(neighbour, false);
    return true;
}

Segment* MainWindow::_segmentByDirectionKey(int key, float time, int trackId)
{
    ProjectManager* project = _projectManager;
    switch (key) {
    case Qt::Key_Left:
        return time == 0.0f && trackId == 0 ? project->firstSegment() : project->segmentStartingBefore(time, trackId);
    case Qt::Key_Right:
        return time == 0.0f && trackId == 0 ? project->firstSegment() : project->segmentStartingAfter(time, trackId);
    case Qt::Key_Up: {
        const int above = _timeline->trackIdAbove(trackId);
        if (above == 0)
            return nullptr;
        Segment* found = project->segmentStartingAtOrBefore(time, above);
        return found ? found : project->segmentStartingAfter(time, above);
    }
    case Qt::Key_Down: {
        const int below = _timeline->trackIdBelow(trackId);
        if (below == 0)
            return nullptr;
        Segment* found = project->segmentStartingAtOrAfter(time, below);
        return found ? found : project->segmentStartingBefore(time, below);
    }
    default:
        return nullptr;
    }
}

void MainWindow::_selectSegmentWidgetForKey(Segment* segment)
{
    auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment));
    if (!widget)
        return;
    _timeline->setSelectedSegmentWidget(widget);
    QWidget* viewport = _timeline->viewport();
    const QRect rect(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
    const int scrollY = _timeline->verticalScrollBar()->value();
    int y = -1;
    if (rect.bottom() > viewport->height())
        y = scrollY + rect.bottom() - viewport->height() + kRevealBottomMargin;
    else if (rect.top() < 0)
        y = std::max(0, scrollY + rect.top() - kRevealTopMargin);
    const float x = TimelineMetrics::timeToPixels(segment->rangeStart(), _timelineScale) - _pointerOffset;
    _animateScrollToPosition(int(std::ceil(x)), y, true, segment->rangeStart());
    _seekPreview(segment->rangeStart(), true);
    QCoreApplication::processEvents();
}

// --- Frame grab ------------------------------------------------------------------

void MainWindow::editScrollArea_grabSegmentScreen(Segment* segment)
{
    if (!segment)
        return;
    const float time = _currentScrollTime();
    if (time < segment->rangeStart() || time > segment->rangeStart() + segment->duration()) {
        ProgressHUD::showMessage(tr("Move timeline to the position to grab image"), this, kMessageMs);
        return;
    }
    if (segment->type() != QLatin1String("MOVIE"))
        return;
    const QImage image = PixelBufferImage::adopt(_grabSegmentImage(segment));
    if (image.isNull())
        return;
    _playShutterSound();
    _showGrabbedImage(image);
    _saveGrabbedImage(image);
}

void MainWindow::_showGrabbedImage(const QImage& image)
{
    QWidget* central = centralWidget();
    if (!central)
        return;
    auto* label = new QLabel(central);
    label->setPixmap(QPixmap::fromImage(
        image.scaled(kGrabPreviewSide, kGrabPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    label->adjustSize();
    label->move(central->rect().center() - label->rect().center());
    label->raise();
    Util::fadeInWidget(label, kGrabFadeInMs, 1.0);
    QTimer::singleShot(kGrabFadeInMs + kGrabHoldMs, label, [label] { Util::fadeOutWidget(label, kGrabFadeOutMs, true); });
}

void MainWindow::_saveGrabbedImage(const QImage& image)
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString folder = pictures + QStringLiteral("/Vidorna Pictures");
    if (pictures.isEmpty() || !QDir().mkpath(folder)) {
        ProgressHUD::showMessage(tr("Save image failed"), this, kMessageMs);
        return;
    }
    const QDateTime time = QDateTime::currentDateTime();
    // Written under a name of its own that takes a free one only once whole:
    // a link or named pipe put at the name meanwhile is never opened.
    ReplacingFile file(_grabbedImagePath(folder, time));
    if (file.open() && image.save(&file.device(), "PNG")
        && file.commitAsNew([&] { return _grabbedImagePath(folder, time); })) {
        ProgressHUD::showMessage(tr("Image saved to Pictures successfully"), this, kMessageMs);
        return;
    }
    qDebug() << "Save grab image failed" << file.fileName();
    ProgressHUD::showMessage(tr("Save image failed"), this, kMessageMs);
}

QString MainWindow::_grabbedImagePath(const QString& folder, const QDateTime& time)
{
    const QString base = folder + QStringLiteral("/IMG_") + time.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString path = base + QStringLiteral(".png");
    // Names go by the second: a later grab in the same second gets a number.
    // A link that leads nowhere holds its name too.
    for (int number = 2; avIsNameTaken(path); ++number)
        path = base + QStringLiteral("_%1.png").arg(number);
    return path;
}
