#include "PopupWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

PopupWidget::PopupWidget(QWidget* parent) : QWidget(parent)
{
}

void PopupWidget::setTransparentForMouse(bool transparent)
{
    _transparent = transparent;
    setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

bool PopupWidget::tryDismiss()
{
    return false;
}

bool PopupWidget::acceptByReturnKey()
{
    return false;
}

void PopupWidget::_coverParent()
{
    if (QWidget* parent = parentWidget())
        setGeometry(0, 0, parent->width(), parent->height());
}

bool PopupWidget::_filterKey(QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        return true;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        tryDismiss();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        acceptByReturnKey();
        break;
    default:
        break;
    }
    // Whatever the popup did with it, the key stops here.
    return true;
}

bool PopupWidget::eventFilter(QObject* watched, QEvent* event)
{
    const bool keysAreOurs = !_transparent && isVisible()
                             && (watched == parentWidget() || (_focusWidget && watched == _focusWidget.data()));
    if (keysAreOurs && event->type() == QEvent::ShortcutOverride) {
        // Claiming the key keeps the window's shortcuts (Space, Ctrl+Z, ...)
        // from acting behind the popup; the key then arrives as a key press.
        event->accept();
        return true;
    }
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && keysAreOurs)
        return _filterKey(event);
    if (event->type() == QEvent::Resize && watched == parentWidget())
        _coverParent();
    return QWidget::eventFilter(watched, event);
}

void PopupWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (_embedded)
        return;
    _focusWidget = QApplication::focusWidget();
    // A window shown or restored while another application is active has no
    // application focus yet; its own focus widget gets the keyboard back.
    if (!_focusWidget)
        _focusWidget = window()->focusWidget();
    // Typing into the popup's own fields is what the popup is for.
    if (_focusWidget && isAncestorOf(_focusWidget))
        _focusWidget.clear();
    if (_focusWidget)
        _focusWidget->installEventFilter(this);
    if (QWidget* parent = parentWidget())
        parent->installEventFilter(this);
}

void PopupWidget::hideEvent(QHideEvent* event)
{
    if (!_embedded) {
        if (QWidget* parent = parentWidget())
            parent->removeEventFilter(this);
        if (_focusWidget)
            _focusWidget->removeEventFilter(this);
        _focusWidget.clear();
    }
    QWidget::hideEvent(event);
}

void PopupWidget::wheelEvent(QWheelEvent* event)
{
    // A floating popup keeps the wheel from scrolling what lies behind it; an
    // embedded one lets it reach its host.
    if (_embedded)
        QWidget::wheelEvent(event);
    else
        event->accept();
}
