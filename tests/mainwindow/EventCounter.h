#pragma once

#include <QEvent>
#include <QObject>

// Counts the events of a type the watched object receives.
class EventCounter : public QObject
{
public:
    EventCounter(QObject* watched, QEvent::Type type) : _type(type) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == _type ? 1 : 0;
        return false;
    }

private:
    QEvent::Type _type;
};
