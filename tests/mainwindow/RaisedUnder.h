#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// The timeline holds a press back and hands it on to the widget shown at
// that point of the screen; with other test programs' windows on the same
// display, another window (or none) would get it. Raises the target's window
// until the target is what the screen shows at the given point of it.
inline bool raiseUntilShownAt(QWidget* target, const QPoint& local, int timeoutMs = 10000)
{
    const QPoint onScreen = target->mapToGlobal(local);
    return QTest::qWaitFor(
        [&] {
            target->window()->raise();
            QApplication::setActiveWindow(target->window());
            QWidget* shown = QApplication::widgetAt(onScreen);
            return shown && (shown == target || target->isAncestorOf(shown));
        },
        timeoutMs);
}

// Shortcuts reach the active window only; another test program's window may
// take the activation back, so it is asked for again until it holds.
inline bool activateUntilActive(QWidget* window, int timeoutMs = 10000)
{
    return QTest::qWaitFor(
        [&] {
            window->raise();
            QApplication::setActiveWindow(window);
            return window->isActiveWindow();
        },
        timeoutMs);
}
