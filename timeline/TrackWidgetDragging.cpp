// A long press on a track lifts it into the main window, where it follows
// the pointer until released over a new row, the remove button or nowhere.
#include "TrackWidget.h"

#include "SegmentWidget.h"
#include "Util.h"
#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kLongPressMs = 500;
constexpr int kOverlayFadeMs = 200;
constexpr qreal kOverlayOpacity = 0.3;
constexpr qreal kLiftedOpacity = 0.4;
constexpr int kFlyHomeMs = 200;

} // namespace

bool TrackWidget::_canStartDragging() const
{
    if (_tiles.isEmpty())
        return false;
    return std::none_of(_tiles.begin(), _tiles.end(), [](const SegmentWidget* tile) {
        return tile->isEditing() || !tile->isHighlighted();
    });
}

void TrackWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !_locked && _canStartDragging()) {
        _pressed = true;
        const int token = ++_pressToken;
        _pressPosition = event->globalPos();
        if (_dragging) {
            _dragging = false;
            emit trackWidgetDraggingStateChanged(this, false);
        }
        QTimer::singleShot(kLongPressMs, this, [this, token]() { onDraggingPressTimeout(token); });
    }
    QWidget::mousePressEvent(event);
}

void TrackWidget::onDraggingPressTimeout(int token)
{
    if (!_pressed || token != _pressToken || _dragging)
        return;
    _dragging = true;
    emit trackWidgetDraggingStateChanged(this, true);
    _draggingOverlay = new QWidget(this);
    _draggingOverlay->setGeometry(0, 0, width(), height());
    _draggingOverlay->setStyleSheet("background-color:rgb(255,255,0);");
    Util::fadeInWidget(_draggingOverlay, kOverlayFadeMs, kOverlayOpacity);
}

void TrackWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!_dragging) {
        // Moving before the long press ran out cancels it.
        _pressed = false;
        QWidget::mouseMoveEvent(event);
        return;
    }
    QWidget* mainWindow = Util::mainWindow();
    if (mainWindow && parentWidget() != mainWindow) {
        newOpacityEffect(this, kLiftedOpacity);
        _lift.lift(this, mainWindow);
    }
    if (_lift.isLifted())
        move(_lift.followingPosition(event->globalPos(), _pressPosition));
    emit trackWidgetDraggingMoving(this, event->globalPos());
}

void TrackWidget::mouseReleaseEvent(QMouseEvent* event)
{
    _pressed = false;
    if (!_dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    QWidget* mainWindow = Util::mainWindow();
    if (_lift.isLifted() && mainWindow && parentWidget() == mainWindow)
        _dropLifted(mainWindow);
    delete _draggingOverlay;
    _dragging = false;
    _dropTarget = nullptr;
    _dropAction = 0;
    // Receivers delete the track on a drop on the remove button: nothing of
    // it is touched after this.
    emit trackWidgetDraggingStateChanged(this, false);
}

void TrackWidget::_dropLifted(QWidget* mainWindow)
{
    releaseMouse();
    if ((!_dropTarget || _dropTarget == this) && _dropAction == 0) {
        _flyHome(mainWindow);
        return;
    }
    _restoreHome();
    // The track takes the target's row, where the timeline area's reordering
    // puts it.
    if (_dropTarget)
        setGeometry(_dropTarget->geometry());
}

void TrackWidget::_flyHome(QWidget* mainWindow)
{
    QWidget* homeParent = _lift.homeParent();
    if (!animationsEnabled() || !homeParent) {
        _restoreHome();
        return;
    }
    const QPoint home = mainWindow->mapFromGlobal(homeParent->mapToGlobal(_lift.homeGeometry().topLeft()));
    // The lifted track always has its opacity effect (given by the lift).
    QGraphicsOpacityEffect* effect = opacityEffectOf(this, kLiftedOpacity);
    QParallelAnimationGroup* group =
        animateInParallel(this, kFlyHomeMs, {{effect, "opacity", 1.0}, {this, "pos", home}});
    connect(group, &QAbstractAnimation::finished, this, &TrackWidget::_restoreHome);
}

void TrackWidget::_restoreHome()
{
    _lift.returnHome(this);
    setGraphicsEffect(nullptr);
}
