#include "ColorButtonEditingWidgetController.h"

#include "CommonPopup.h"

#include <QCoreApplication>
#include <QResizeEvent>

ColorButtonEditingWidgetController::ColorButtonEditingWidgetController(QWidget* parent)
    : CommonEditingWidgetController(parent)
{
}

ColorButtonEditingWidgetController::~ColorButtonEditingWidgetController()
{
    if (_popupWindow)
        _popupWindow->removeEventFilter(this);
}

void ColorButtonEditingWidgetController::dismissPopups()
{
    if (_popup)
        _popup->dismissChildPopups();
}

bool ColorButtonEditingWidgetController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && _popup && watched == _popup->window())
        _postPopupResize();
    return QObject::eventFilter(watched, event);
}

void ColorButtonEditingWidgetController::_watchPopupWindow(CommonPopup* popup)
{
    _popup = popup;
    _popupWindow = popup->window();
    _popupWindow->installEventFilter(this);
}

void ColorButtonEditingWidgetController::_postPopupResize()
{
    const QSize size = _popup->size();
    QCoreApplication::postEvent(_popup, new QResizeEvent(size, size));
}
