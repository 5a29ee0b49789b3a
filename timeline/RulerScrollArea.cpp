#include "RulerScrollArea.h"

#include "RulerWidget.h"
#include "TimelineMetrics.h"

#include <QScrollBar>

RulerScrollArea::RulerScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
}

RulerWidget* RulerScrollArea::_rulerWidget()
{
    if (!_ruler)
        _ruler = qobject_cast<RulerWidget*>(widget());
    return _ruler;
}

void RulerScrollArea::setScrollX(float x)
{
    horizontalScrollBar()->setValue(int(x));
}

void RulerScrollArea::setScale(float scale, float duration)
{
    RulerWidget* ruler = _rulerWidget();
    if (_held || !ruler)
        return;
    ruler->setFixedSize(TimelineMetrics::rulerContentWidth(scale, duration, width()), height());
    ruler->setScale(scale);
}
