#pragma once

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// What condition says when a precise timer of the given milliseconds, started
// now, runs out. Timers run in the order they fall due, so the answer comes
// after every timer due earlier and before every one due later, however late
// a busy machine runs them all: a delay is bounded without a clock.
inline bool whenTimerRunsOut(int milliseconds, const std::function<bool()>& condition)
{
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool answer = false;
    QObject::connect(&timer, &QTimer::timeout, [&] { answer = condition(); });
    timer.start(milliseconds);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer.isActive(); }, milliseconds + 10000))
        << "a " << milliseconds << " ms timer never ran";
    return answer;
}
