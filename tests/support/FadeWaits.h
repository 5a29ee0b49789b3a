#pragma once

#include <QGraphicsOpacityEffect>
#include <QWidget>

// True once no fade runs in the widget or in any widget inside it: a fade to
// full opacity drops its effect when it ends, so a picture taken after this
// shows the widgets as they stay.
inline bool fadesEnded(const QWidget& widget)
{
    return widget.findChildren<QGraphicsOpacityEffect*>().isEmpty();
}
