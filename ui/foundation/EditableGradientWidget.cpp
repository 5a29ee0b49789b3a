#include "EditableGradientWidget.h"

#include "PopupColorMatrixWidget.h"
#include "Util.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kHandleSide = 30;
constexpr int kGrabMargin = 10;

QColor transparentOf(const QColor& color)
{
    QColor clear = color;
    clear.setAlpha(0);
    return clear;
}

} // namespace

EditableGradientWidget::EditableGradientWidget(const QColor& startColor, const QColor& endColor,
                                               const QPointF& startLocation, const QPointF& endLocation,
                                               bool radial, QWidget* parent)
    : QWidget(parent)
    , _startColor(startColor)
    , _endColor(endColor)
    , _startLocation(startLocation)
    , _endLocation(endLocation)
    , _radial(radial)
    , _startHandle(_createHandle())
    , _endHandle(_createHandle())
{
    setObjectName("EditableGradientWidget");
    _startHandle->setObjectName("startHandle");
    _endHandle->setObjectName("endHandle");
    _checkerboard = QBrush(QPixmap(":/images/drawing/hollow_back"));
    _checkerboard.setTransform(QTransform::fromScale(0.5, 0.5));
}

EditableGradientWidget::~EditableGradientWidget()
{
    // The colour popup lives on the owner's widget: an editor deleted while
    // it is open would leave it choosing for nobody.
    _closeColorPopup();
}

QLabel* EditableGradientWidget::_createHandle()
{
    auto* handle = new QLabel(this);
    handle->setFixedSize(kHandleSide, kHandleSide);
    handle->setPixmap(QPixmap(":/images/drawing/gradientPoint"));
    handle->setScaledContents(true);
    handle->setStyleSheet("background-color: transparent;");
    return handle;
}

void EditableGradientWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), _checkerboard);
    const QPointF p1(width() * _startLocation.x(), height() * _startLocation.y());
    const QPointF p2(width() * _endLocation.x(), height() * _endLocation.y());
    QGradient gradient;
    if (_radial) {
        const float dx = float(p1.x() - p2.x());
        const float dy = float(p1.y() - p2.y());
        gradient = QRadialGradient(p1, std::sqrt(dy * dy + dx * dx));
    } else {
        gradient = QLinearGradient(p1, p2);
    }
    gradient.setColorAt(0.0, _startColor);
    gradient.setColorAt(1.0, _endColor);
    painter.fillRect(rect(), gradient);
}

void EditableGradientWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // std::lround rounds half away from zero.
    Util::moveCenterToXY(_startHandle, int(std::lround(width() * _startLocation.x())),
                         int(std::lround(height() * _startLocation.y())));
    Util::moveCenterToXY(_endHandle, int(std::lround(width() * _endLocation.x())),
                         int(std::lround(height() * _endLocation.y())));
}

void EditableGradientWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QMargins grab(kGrabMargin, kGrabMargin, kGrabMargin, kGrabMargin);
    // Where the handles overlap, the start handle wins.
    if (_startHandle->geometry().marginsAdded(grab).contains(event->pos()))
        _draggedHandle = _startHandle;
    else if (_endHandle->geometry().marginsAdded(grab).contains(event->pos()))
        _draggedHandle = _endHandle;
    else
        _draggedHandle = nullptr;
    if (!_draggedHandle)
        return;
    _handleCenterAtPress = Util::widgetCenter(_draggedHandle);
    _pressPoint = event->globalPos();
    _moved = false;
}

void EditableGradientWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!_draggedHandle) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = event->globalPos() - _pressPoint;
    const int x = std::clamp(_handleCenterAtPress.x() + delta.x(), 0, width());
    const int y = std::clamp(_handleCenterAtPress.y() + delta.y(), 0, height());
    _moved = true;
    Util::moveCenterToXY(_draggedHandle, x, y);
    _takeHandleLocation(_draggedHandle);
    update();
}

void EditableGradientWidget::_takeHandleLocation(QLabel* handle)
{
    const QPoint center = Util::widgetCenter(handle);
    const QPointF location(double(center.x()) / width(), double(center.y()) / height());
    if (handle == _startHandle)
        _startLocation = location;
    else
        _endLocation = location;
}

void EditableGradientWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!_draggedHandle) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    QLabel* handle = _draggedHandle;
    const bool moved = _moved;
    _draggedHandle = nullptr;
    _moved = false;
    _takeHandleLocation(handle);
    update();
    if (moved) {
        _emitValue();
        return;
    }
    _menuHandle = handle;
    _openColorMenu();
}

void EditableGradientWidget::_openColorMenu()
{
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    menu->addAction(tr("Choose Color"), this, &EditableGradientWidget::_chooseColor);
    menu->addAction(tr("No Color"), this, &EditableGradientWidget::_clearColor);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(mapToGlobal(Util::widgetCenter(_menuHandle)));
}

void EditableGradientWidget::_chooseColor()
{
    if (!_menuHandle || _colorPopup)
        return;
    QWidget* parent = nullptr;
    emit editableGradientWidgetGetPopupParent(this, parent);
    if (!parent)
        parent = window();
    const QPoint anchor = parent->mapFromGlobal(mapToGlobal(Util::widgetCenter(_menuHandle)));
    _colorPopup = new PopupColorMatrixWidget(parent);
    _colorPopup->showInWidgetWithPicker(parent, anchor, true);
    using Popup = PopupColorMatrixWidget;
    using Self = EditableGradientWidget;
    connect(_colorPopup, &CommonPopup::dismissed, this, &Self::onPopupColorMatrixWidgetDismissed);
    connect(_colorPopup, &Popup::colorMatrixPopupColorSelected, this, &Self::onPopupColorMatrixWidgetColorSelected);
    connect(_colorPopup, &Popup::colorMatrixPopupMoreColorNeeded, this,
            &Self::onPopupColorMatrixWidgetMoreColorNeeded);
    // The receivers fill the out-parameters before the signal returns.
    connect(_colorPopup, &Popup::colorMatrixPopupColorPickingImageNeeded, this,
            &Self::onPopupColorMatrixWidgetColorPickingImageNeeded, Qt::DirectConnection);
    connect(_colorPopup, &Popup::colorMatrixPopupGetPlaybackAreaFrame, this,
            &Self::onPopupColorMatrixWidgetGetPlaybackAreaFrame, Qt::DirectConnection);
}

void EditableGradientWidget::_clearColor()
{
    if (_menuHandle == _startHandle)
        _startColor = transparentOf(_endColor);
    else if (_menuHandle == _endHandle)
        _endColor = transparentOf(_startColor);
    update();
    _emitValue();
}

void EditableGradientWidget::_applyColor(const QColor& color)
{
    // A transparent end keeps following the other end's hue.
    if (_menuHandle == _startHandle) {
        _startColor = color;
        if (_endColor.alpha() == 0)
            _endColor = transparentOf(color);
    } else {
        _endColor = color;
        if (_startColor.alpha() == 0)
            _startColor = transparentOf(color);
    }
    update();
}

void EditableGradientWidget::onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget*, QColor color)
{
    _applyColor(color);
    _closeColorPopup();
    _emitValue();
}

void EditableGradientWidget::onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup)
{
    const QColor initial = _menuHandle == _startHandle ? _startColor : _endColor;
    const QColor chosen = PopupColorMatrixWidget::askMoreColor(popup, initial, this);
    if (!chosen.isValid())
        return;
    _applyColor(chosen);
    _closeColorPopup();
    _emitValue();
}

void EditableGradientWidget::_closeColorPopup()
{
    if (_colorPopup)
        _colorPopup->dismiss();
    _colorPopup = nullptr;
}

void EditableGradientWidget::onPopupColorMatrixWidgetDismissed(CommonPopup*)
{
    _colorPopup = nullptr;
}

void EditableGradientWidget::onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget*, QImage* image)
{
    emit editableGradientWidgetColorPickingImageNeeded(this, image);
}

void EditableGradientWidget::onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget* popup, QRect* rect)
{
    emit editableGradientWidgetGetPlaybackAreaFrameInWidget(this, rect, popup);
}

void EditableGradientWidget::_emitValue()
{
    emit editableGradientWidgetValueDidChange(this, _startColor, _endColor, _startLocation, _endLocation);
}

PopupColorMatrixWidget* EditableGradientWidget::colorPopup() const
{
    return _colorPopup;
}
