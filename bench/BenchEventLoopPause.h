#pragma once
// The longest time the calling thread's event loop went without turning, for
// the benchmarks that must not freeze the window.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// The longest time between two turns of this thread's event loop while it
// lives (counted from its making).
class EventLoopPause {
public:
    EventLoopPause()
    {
        _clock.start();
        _heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&_heartbeat, &QTimer::timeout, [this] {
            _longestMs = std::max(_longestMs, _clock.restart());
        });
        _heartbeat.start(kHeartbeatMs);
    }
    qint64 longestMs() const { return std::max(_longestMs, _clock.elapsed()); }

private:
    // The heartbeat that notes how long the event loop went without turning.
    static constexpr int kHeartbeatMs = 5;

    QElapsedTimer _clock;
    QTimer _heartbeat;
    qint64 _longestMs = 0;
};
