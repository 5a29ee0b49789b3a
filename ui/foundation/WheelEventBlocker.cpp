#include "WheelEventBlocker.h"

#include <QEvent>

WheelEventBlocker::WheelEventBlocker(QObject* parent) : QObject(parent)
{
}

bool WheelEventBlocker::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::Wheel;
}
