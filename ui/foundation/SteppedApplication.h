#pragma once

#include <QApplication>
#include <QPointer>

#include <functional>
#include <vector>

// The application object that knows when a step of the program runs inside
// another one. A step that turns the event loop before it is done (a wait
// for a condition, a modal box, a popup menu) lets the events that come due
// meanwhile through, and their handlers run while that step is still under
// way. Whatever would pull something from under such a step (releasing the
// project it works on, deleting a dismissed popup) is put off until the
// outermost step has returned.
//
// A step is the handling of one event on the GUI thread; the steps under
// way are counted in notify(), so every way of turning the loop counts,
// those to come included.
class SteppedApplication : public QApplication
{
    Q_OBJECT

public:
    SteppedApplication(int& argc, char** argv);

    // The steps under way on the GUI thread: 0 between steps, 1 inside a
    // step the event loop started, more inside a step that another one let
    // through (or sent directly).
    static int stepDepth();

    // Runs the work now when no other step is under way beneath the current
    // one, else once the outermost step has returned, provided the context
    // still exists then. Works put off run in the order they were asked for.
    static void runOutsideOtherSteps(QObject* context, std::function<void()> work);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    struct PutOffWork
    {
        QPointer<QObject> context;
        std::function<void()> work;
    };

    static void _runPutOffWork();

    static int _depth;
    static std::vector<PutOffWork> _putOff;
};
